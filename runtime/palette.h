// SPDX-License-Identifier: GPL-3.0-or-later
// The 16 colours of the lessons, in one place. Chosen for the roles the
// lessons give them: 15 the background; 0, 3, 5 and 7 text and figures on it;
// 9 text on the prompt-box fills 4 and 12 (and dots on the page); 15 and 13 on
// the menu panel 10, which is also water beside 11.
#pragma once

#include <array>
#include <cstdint>

namespace rt {

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr std::array<Rgb, 16> kPalette{{
    {0x00, 0x00, 0x00},  // 0  body text, status-line prompts
    {0x1F, 0x3A, 0x93},  // 1  blue
    {0x1E, 0x7B, 0x34},  // 2  green
    {0x00, 0x6E, 0x8A},  // 3  highlighted text: formulas, answers, the goal label
    {0x23, 0x3F, 0x7A},  // 4  fill of the key-wait box
    {0xB0, 0x18, 0x6F},  // 5  answers, typed digits and their cursor
    {0x8A, 0x5A, 0x00},  // 6  brown
    {0x3B, 0x4C, 0x8F},  // 7  headings, axes, grid
    {0x80, 0x80, 0x80},  // 8  grey
    {0xF5, 0xB8, 0x00},  // 9  text inside the prompt boxes; dots on the white page
    {0x12, 0x42, 0x96},  // 10 the main-menu panel; water beside 11
    {0x9F, 0xE3, 0xF0},  // 11 light cyan fill
    {0x7A, 0x1E, 0x52},  // 12 fill of the next-step box
    {0xE8, 0x4C, 0xA0},  // 13 odd menu items, prompt-box borders, the error message
    {0xFF, 0xE0, 0x40},  // 14 yellow
    {0xFF, 0xFF, 0xFF},  // 15 the background
}};

inline const Rgb& paletteColour(int c) { return kPalette[static_cast<unsigned>(c) & 15u]; }

}  // namespace rt
