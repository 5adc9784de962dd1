// SPDX-License-Identifier: GPL-3.0-or-later
// The 16 colours of the lessons, in one place. Chosen for the roles the
// lessons give them (engine/basic.h names the roles): white the background;
// black, teal, magenta and slate text and figures on it; amber text on the
// prompt-box fills navy and plum (and dots on the page); white and pink on the
// menu panel royalBlue, which is also water beside paleCyan.
#pragma once

#include <array>
#include <cstdint>

namespace rt {

// A palette entry, named by its hue. The order is the palette's numbering,
// which the operation trace and the picture's pixels use.
enum class Colour : std::uint8_t {
    black,
    blue,
    green,
    teal,
    navy,
    magenta,
    brown,
    slate,
    grey,
    amber,
    royalBlue,
    paleCyan,
    plum,
    pink,
    yellow,
    white,
};

// The entry's palette number, 0 to 15, and the entry of a number in that range.
constexpr int paletteIndex(Colour c) { return static_cast<int>(c); }
constexpr Colour paletteEntry(int n) { return static_cast<Colour>(n & 15); }

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr std::array<Rgb, 16> kPalette{{
    {0x00, 0x00, 0x00},  // black     body text, status-line prompts
    {0x1F, 0x3A, 0x93},  // blue
    {0x1E, 0x7B, 0x34},  // green
    {0x00, 0x6E, 0x8A},  // teal      highlighted text: formulas, the goal label
    {0x23, 0x3F, 0x7A},  // navy      fill of the key-wait box
    {0xB0, 0x18, 0x6F},  // magenta   answers, typed digits and their cursor
    {0x8A, 0x5A, 0x00},  // brown
    {0x3B, 0x4C, 0x8F},  // slate     headings, axes, grid
    {0x80, 0x80, 0x80},  // grey
    {0xF5, 0xB8, 0x00},  // amber     text inside the prompt boxes; dots on the white page
    {0x12, 0x42, 0x96},  // royalBlue the main-menu panel; water beside paleCyan
    {0x9F, 0xE3, 0xF0},  // paleCyan  light fill
    {0x7A, 0x1E, 0x52},  // plum      fill of the next-step box
    {0xE8, 0x4C, 0xA0},  // pink      odd menu items, prompt-box borders, the error message
    {0xFF, 0xE0, 0x40},  // yellow
    {0xFF, 0xFF, 0xFF},  // white     the background
}};

// Below the runtime's boundary a picture stores palette numbers.
inline const Rgb& paletteColour(int c) { return kPalette[static_cast<unsigned>(c) & 15u]; }
inline const Rgb& paletteColour(Colour c) { return kPalette[static_cast<unsigned>(paletteIndex(c))]; }

}  // namespace rt
