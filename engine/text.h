// SPDX-License-Identifier: GPL-3.0-or-later
// The values the text routines take and leave: a text at a pen place, a table
// cell, and the glyph mode that one text hands on to the next.
#pragma once

#include <string_view>

#include "basic.h"

namespace lesson {

// A text to draw with the pen at `at` (the top-left corner of its line).
struct PenText {
    std::string_view text;
    Point at;
    Colour colour = ink::text;
};

// A table cell: its box from `at`, width by height, outlined and filled, and
// the colour of the text centred in it.
struct TextCell {
    Point at;
    Num width = 0;
    Num height = 0;
    Colour outline = ink::text;
    Colour fill = ink::text;
    Colour colour = ink::text;
};

// The open root sign whose overbar grows with the glyphs after it: its size
// decides how high the bar runs above the pen.
enum class RootBar { None, Normal, Small, Tall };

// What a maths or prompt text leaves for the glyphs after it. Set and read by
// DrawGlyphRun, DrawMathText, DrawStackedFraction and the prompt shorthand; it
// outlives a call, so a text that ends with a pending "^" or an open root
// hands it on to the next text drawn (or measured).
struct GlyphMode {
    bool exponent = false;  // "^": the next glyph is an exponent (prompt: stays half-width)
    bool raised = false;    // "\": the next glyph takes the small raised form
    RootBar rootBar = RootBar::None;
    Num barFrom = 0;  // x where the open root's overbar continues
};

}  // namespace lesson
