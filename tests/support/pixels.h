// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a canvas's pixels in the lessons' units and colours.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "runtime/canvas.h"
#include "runtime/palette.h"

namespace lesson::testing {

inline std::uint32_t rgbOf(int colour) {
    const rt::Rgb& c = rt::paletteColour(colour);
    return (static_cast<std::uint32_t>(c.r) << 16) | (c.g << 8) | c.b;
}

// The colour of the canvas pixel at (px, py), as 0xRRGGBB.
inline std::uint32_t pixelAt(rt::Canvas& c, int px, int py) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(c.pixels() + static_cast<std::size_t>(py) * c.stride());
    return row[px] & 0xFFFFFF;
}

// How many canvas pixels of a colour lie in the box of logical units
// [x0, x1) x [y0, y1).
inline int pixelsOf(rt::Canvas& c, int colour, double x0, double y0, double x1, double y1) {
    const int k = c.scale();
    int n = 0;
    for (int py = static_cast<int>(std::floor(y0 * k)); py < static_cast<int>(std::ceil(y1 * k)); ++py)
        for (int px = static_cast<int>(std::floor(x0 * k)); px < static_cast<int>(std::ceil(x1 * k)); ++px)
            n += pixelAt(c, px, py) == rgbOf(colour);
    return n;
}

// How many canvas pixels in the box of logical units [x0, x1) x [y0, y1)
// are not the page's colour (antialiased edges included).
inline int inkPixels(rt::Canvas& c, double x0, double y0, double x1, double y1) {
    const int k = c.scale();
    const std::uint32_t page = rgbOf(15);
    int n = 0;
    for (int py = static_cast<int>(std::floor(y0 * k)); py < static_cast<int>(std::ceil(y1 * k)); ++py)
        for (int px = static_cast<int>(std::floor(x0 * k)); px < static_cast<int>(std::ceil(x1 * k)); ++px)
            n += pixelAt(c, px, py) != page;
    return n;
}

// Lesson ink at the top of the status band or less than margin above it,
// left of the status line's prompt and above its own texts.
inline int inkAtStatusBand(rt::Canvas& c, double margin) {
    return inkPixels(c, 0, rt::Canvas::kStatusTop - margin, 990, rt::Canvas::kStatusTop + 12);
}

}  // namespace lesson::testing
