// SPDX-License-Identifier: GPL-3.0-or-later
// The values chapters are written in: screen points (engine/basic.h),
// colour roles, text styles and the areas a topic clears.
#pragma once

#include "engine/basic.h"
#include "runtime/runtime.h"

namespace lesson {

// A text's face, size, weight and slant.
using TextStyle = rt::TextStyle;

// The palette numbers by the role the lessons give them. Figures may still
// use the other palette numbers as plain colours.
namespace ink {
inline constexpr Num text = 0;  // body text, status-line prompts
inline constexpr Num blue = 1;
inline constexpr Num green = 2;
inline constexpr Num emphasis = 3;  // formulas, highlighted words, the goal label
inline constexpr Num keyBox = 4;    // fill of the key-wait box
inline constexpr Num answer = 5;    // answers, typed digits
inline constexpr Num brown = 6;
inline constexpr Num heading = 7;  // headings, axes, grid
inline constexpr Num grey = 8;
inline constexpr Num onBox = 9;   // text on the prompt boxes; dots on the page
inline constexpr Num panel = 10;  // the main-menu panel; water
inline constexpr Num paleCyan = 11;
inline constexpr Num nextBox = 12;  // fill of the next-step box
inline constexpr Num accent = 13;   // odd menu items, prompt-box borders
inline constexpr Num yellow = 14;
inline constexpr Num page = 15;  // the background
}  // namespace ink

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
