// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon: the program's SVG from data/icons, rendered into a PNG
// when the executable is built.
#pragma once

#include <cstdint>
#include <span>

namespace lesson {

extern const std::span<const std::uint8_t> kIconPng;

}  // namespace lesson
