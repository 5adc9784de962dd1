// SPDX-License-Identifier: GPL-3.0-or-later
// The values chapters are written in: screen points and colour roles
// (engine/basic.h), text styles and the areas a topic clears.
#pragma once

#include "engine/basic.h"
#include "runtime/runtime.h"

namespace lesson {

// A text's face, size, weight and slant.
using TextStyle = rt::TextStyle;

// The box a topic clears from (0, 0): each covers the text area and the
// status band; they differ only in how far beyond the drawn area they reach.
struct WorkArea {
    Num width = 0;
    Num height = 0;
};
namespace area {
inline constexpr WorkArea text{1320, 1300};  // the text area up to the menu panel's right edge
inline constexpr WorkArea wide{1600, 1800};
inline constexpr WorkArea screen{1760, 1800};  // the whole screen, as the menu clears it
inline constexpr WorkArea screenShort{1760, 1300};
inline constexpr WorkArea beyond{1900, 1500};
}  // namespace area

}  // namespace lesson
