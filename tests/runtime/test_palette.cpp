// SPDX-License-Identifier: GPL-3.0-or-later
// A colour crosses the runtime's boundary as the palette entry it names: the
// trace records its number and the picture shows that entry's RGB.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "runtime/headless.h"
#include "runtime/palette.h"

namespace {

using rt::Colour;

TEST(Palette, EveryEntryTracesItsNumberAndPaintsItsRgb) {
    // Hues a reader can check by eye, spread over the palette.
    const struct {
        Colour colour;
        int number;
        std::uint32_t rgb;
    } kCases[] = {
        {Colour::black, 0, 0x000000},   {Colour::green, 2, 0x1E7B34},  {Colour::magenta, 5, 0xB0186F},
        {Colour::grey, 8, 0x808080},    {Colour::amber, 9, 0xF5B800},  {Colour::paleCyan, 11, 0x9FE3F0},
        {Colour::yellow, 14, 0xFFE040}, {Colour::white, 15, 0xFFFFFF},
    };
    for (const auto& c : kCases) {
        rt::HeadlessRuntime::Options o;
        o.scale = 1;
        rt::HeadlessRuntime r(o);
        std::ostringstream trace;
        r.setTrace(&trace);
        r.filledBox(100, 100, 200, 200, c.colour);
        EXPECT_EQ(rt::paletteIndex(c.colour), c.number);
        EXPECT_EQ(rt::paletteEntry(c.number), c.colour);
        EXPECT_EQ(trace.str(), "line 100 100 200 200 " + std::to_string(c.number) + " 2 " +
                                   std::to_string(c.number) + " 1\n");
        const std::uint32_t pixel = r.canvas().view()[150 * rt::Canvas::kViewWidth + 150] & 0xFFFFFFu;
        EXPECT_EQ(pixel, c.rgb) << c.number;
    }
}

}  // namespace
