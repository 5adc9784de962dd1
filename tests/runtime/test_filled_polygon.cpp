// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's filled polygon: the fill covers what lay inside, the outline
// is drawn over it, and the trace names both colours.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <sstream>
#include <vector>

#include "runtime/headless.h"
#include "runtime/palette.h"

namespace {

using rt::Colour;

std::uint32_t rgb(int colour) {
    const rt::Rgb& c = rt::paletteColour(colour);
    return (static_cast<std::uint32_t>(c.r) << 16) | (static_cast<std::uint32_t>(c.g) << 8) | c.b;
}

TEST(FilledPolygon, FillCoversWhatLayInsideAndTheOutlineLiesOnTop) {
    rt::HeadlessRuntime::Options o;
    o.scale = 1;
    rt::HeadlessRuntime r(o);
    std::ostringstream trace;
    r.setTrace(&trace);
    r.setDrawWidth(5);
    r.segment(50, 150, 300, 150, Colour::green);  // a line the fill must cover inside
    const std::array<rt::Point, 4> triangle{{{100, 100}, {250, 100}, {100, 250}, {100, 100}}};
    r.connectFilled(Colour::black, Colour::pink, triangle);
    r.connect(Colour::black, triangle);  // the open form is unchanged

    std::istringstream lines(trace.str());
    std::vector<std::string> l;
    for (std::string s; std::getline(lines, s);) l.push_back(s);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1], "fpoly 0 13 5 4 100 100 250 100 100 250 100 100");
    EXPECT_EQ(l[2], "poly 0 5 4 100 100 250 100 100 250 100 100");

    const auto view = r.canvas().view();
    auto at = [&](int x, int y) { return view[static_cast<std::size_t>(y) * rt::Canvas::kViewWidth + x]; };
    EXPECT_EQ(at(140, 150), rgb(13));  // inside, over the green line
    EXPECT_EQ(at(140, 130), rgb(13));
    EXPECT_EQ(at(100, 180), rgb(0));  // on the outline
    EXPECT_EQ(at(170, 100), rgb(0));
    EXPECT_EQ(at(280, 150), rgb(2));  // outside: the line as it was
    EXPECT_EQ(at(230, 230), rgb(15));
}

}  // namespace
