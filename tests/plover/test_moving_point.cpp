// SPDX-License-Identifier: GPL-3.0-or-later
// Plover chapter 4, the point moving round rectangle ABCD: the animation's
// positions, the case figures with their arcs and equations, and the graph.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "pixels.h"
#include "plover_fixture.h"

namespace lesson::testing {
namespace {

struct Frame {
    int moves;  // keys pressed in the loop before this frame
    float px, py, letterX, letterY;
};

class MovingPointAnimation : public ::testing::TestWithParam<Frame> {};

// The first key leaves the first state; each later key moves P one step.
TEST_P(MovingPointAnimation, FrameShowsPAndItsLetterWhereTheStepPutsThem) {
    const Frame& fr = GetParam();
    PloverRun run("a" + steps(fr.moves), &Plover::MovingPointQuestion);
    const auto dots = run.records().dots({.r = 6, .colour = ink::emphasis});  // P
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots.back().x, fr.px) << fr.moves;
    EXPECT_EQ(dots.back().y, fr.py) << fr.moves;
    const auto letters = run.drawn("P");
    ASSERT_FALSE(letters.empty());
    EXPECT_EQ(letters.back().x, fr.letterX) << fr.moves;
    EXPECT_EQ(letters.back().y, fr.letterY) << fr.moves;
    // The triangle APD, outlined in 0 and filled with 13 at pen 7.
    const auto polys = run.records().polygons({.filled = true});
    ASSERT_FALSE(polys.empty());
    EXPECT_TRUE((PolygonQuery{.colour = ink::text,
                              .fillColour = ink::accent,
                              .width = 7,
                              .points = {{{200, 230}, {fr.px, fr.py}, {560, 230}, {200, 230}}}})
                    .holds(polys.back()))
        << fr.moves;
    EXPECT_EQ(run.count("1で次へ:他のキーで動く"), fr.moves + 1);
}

INSTANTIATE_TEST_SUITE_P(Positions, MovingPointAnimation,
                         ::testing::Values(Frame{0, 200, 230, 155, 208}, Frame{1, 200, 275, 155, 253},
                                           Frame{5, 200, 455, 155, 433}, Frame{6, 200, 500, 155, 478},
                                           Frame{7, 245, 500, 231, 518}, Frame{10, 380, 500, 366, 518},
                                           Frame{14, 560, 500, 546, 518}, Frame{15, 560, 455, 578, 433},
                                           Frame{19, 560, 275, 578, 253}, Frame{20, 560, 230, 578, 208},
                                           // After D, A again: the positions repeat every 21 keys.
                                           Frame{21, 200, 230, 155, 208}, Frame{22, 200, 275, 155, 253},
                                           Frame{35, 560, 500, 546, 518}, Frame{42, 200, 230, 155, 208}),
                         [](const auto& info) {
                             return "after" + std::to_string(info.param.moves) + "keys";
                         });

TEST(MovingPointAnimation, FirstStateShowsPFourStepsBelowAWithArcAndArea) {
    PloverRun run("", &Plover::MovingPointQuestion);
    EXPECT_FALSE(run.records()
                     .polygons({.filled = true,
                                .colour = ink::text,
                                .fillColour = ink::accent,
                                .width = 7,
                                .points = {{{200, 230}, {200, 410}, {560, 230}, {200, 230}}}})
                     .empty());
    EXPECT_EQ(run.place("P"), "165 388 3");
    EXPECT_EQ(run.place("ycm^2"), "250 270 7");
    EXPECT_EQ(run.count("xcm"), 1);
    // The rectangle at pen 5, in grid steps of 45 from (200, 230).
    EXPECT_FALSE(
        run.records()
            .segments(Stroke{.from = At(200, 230), .to = At(200, 500), .colour = ink::text, .width = 5})
            .empty());
    EXPECT_FALSE(
        run.records()
            .segments(Stroke{.from = At(560, 500), .to = At(560, 230), .colour = ink::text, .width = 5})
            .empty());
}

TEST(MovingPointAnimation, EveryKeyButTheDigit1MovesP) {
    PloverRun run("a Enter 2 b Space 0", &Plover::MovingPointQuestion);
    const auto dots = run.records().dots({.r = 6, .colour = ink::emphasis});  // P
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots.back().x, 200);
    EXPECT_EQ(dots.back().y, 455);
}

// "1" in the first frame: the figure returns to its first state at once, and
// the topic goes on to the case figures.
TEST(MovingPointAnimation, OneInTheFirstFrameRestoresTheFirstState) {
    PloverRun run("a 1", &Plover::MovingPointQuestion);
    const auto letters = run.drawn("P");
    ASSERT_EQ(letters.size(), 3u);  // first state, frame 0, first state again
    EXPECT_EQ(letters.back().x, 165);
    EXPECT_EQ(letters.back().y, 388);
    EXPECT_EQ(run.count("xcm"), 2);
    EXPECT_EQ(run.count("ycm^2"), 2);
    const auto trace = run.records();
    const int stop = trace.firstKey("1");
    ASSERT_GE(stop, 0);
    // Only the closing erase: the frame of the "1" is not erased on its own.
    const Trace afterStop = trace.after(stop + 1);
    EXPECT_TRUE(
        afterStop
            .segments(
                {.colour = ink::page, .from = At(100, 180), .to = At(660, 600), .kind = 2, .fill = ink::page})
            .empty());
    EXPECT_FALSE(
        afterStop
            .segments(
                {.colour = ink::page, .from = At(100, 180), .to = At(660, 550), .kind = 2, .fill = ink::page})
            .empty());
    EXPECT_EQ(run.waits(), 3);  // first state, frame 0, the wait before the cases
}

TEST(MovingPointQuestion, ClosingTextsStandUnderTheThreeCases) {
    PloverRun run("a 1" + steps(4), &Plover::MovingPointQuestion);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.place("△APDは増加する"), "152 550 5");
    EXPECT_EQ(run.place("△APDは一定"), "502 550 5");
    EXPECT_EQ(run.place("△APDは減少する"), "852 550 5");
    EXPECT_EQ(run.place("長方形ABCDで、点PはAを出発して、辺B,Cを通ってDまで動きます。"), "76 30 0");
    EXPECT_EQ(run.place("△APDの面積の面積はどのように変化するでしょうか。"), "76 130 0");
}

// ---- Case figures and equations ---------------------------------------------------------

TEST(MovingPointEquations, CaseFiguresArcsAndEquations) {
    PloverRun run(steps(13), &Plover::MovingPointEquations);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.waits(), 13);
    const auto lines = run.lines();
    const Trace trace(lines);
    // The shaded triangles APD, outlined over their fill, at pen 5.
    EXPECT_FALSE(trace
                     .polygons({.filled = true,
                                .colour = ink::text,
                                .fillColour = ink::accent,
                                .width = 5,
                                .points = {{{152, 190}, {152, 330}, {432, 190}, {152, 190}}}})
                     .empty());
    EXPECT_FALSE(trace
                     .polygons({.filled = true,
                                .colour = ink::text,
                                .fillColour = ink::accent,
                                .width = 5,
                                .points = {{{502, 190}, {642, 400}, {782, 190}, {502, 190}}}})
                     .empty());
    EXPECT_FALSE(trace
                     .polygons({.filled = true,
                                .colour = ink::text,
                                .fillColour = ink::accent,
                                .width = 5,
                                .points = {{{852, 190}, {1132, 330}, {1132, 190}, {852, 190}}}})
                     .empty());
    EXPECT_FALSE(trace.dots(Disc{.at = At(642, 400), .r = 6, .colour = ink::emphasis, .width = 5}).empty());
    EXPECT_EQ(run.place("(1)PがAB上"), "152 90 3");
    EXPECT_EQ(run.place("(3)PがCD上"), "852 90 3");
    EXPECT_EQ(run.place("ycm^2"), "182 220 7");
    const auto letters = run.drawn("P");
    ASSERT_EQ(letters.size(), 3u);
    EXPECT_EQ(letters[0].x, 107);
    EXPECT_EQ(letters[1].x, 628);
    EXPECT_EQ(letters[1].y, 408);
    EXPECT_EQ(letters[2].x, 1140);

    EXPECT_EQ(run.place("y=ﾀ1/2ﾀ*4*x"), "152 450 0");
    EXPECT_EQ(run.place("y=2x"), "152 510 5");
    EXPECT_EQ(run.drawn("(0≦x≦3)").at(0).y, 510);
    EXPECT_EQ(run.drawn("(0≦x≦3)").at(0).colour, ink::emphasis);
    EXPECT_EQ(run.place("y=ﾀ1/2ﾀ*4*3"), "502 480 0");
    EXPECT_EQ(run.place("y=6"), "502 540 5");
    EXPECT_EQ(run.drawn("(3≦x≦7)").at(0).y, 540);
    EXPECT_EQ(run.place("y=ﾀ1/2ﾀ*4*(10-x)"), "852 480 0");
    EXPECT_EQ(run.place("y=2(10-x)"), "852 540 0");
    EXPECT_EQ(run.place("y=20-2x"), "822 590 5");
    EXPECT_EQ(run.drawn("(7≦x≦10)").at(0).y, 590);
    EXPECT_EQ(run.count("xcm"), 3);

    // Only the arc D to P of figure 3 (colour 5) lies inside the rectangle;
    // the "xcm" arc of figure 1 lies left of AB.
    const auto all5 = trace.dots({.r = 0.5f, .colour = ink::answer, .in = Box{0, 1400, 0, 720}});
    EXPECT_GT(all5.size(), 20u);
    EXPECT_EQ(
        trace.dots({.r = 0.5f, .colour = ink::answer, .in = Box{1111, 1132.01f, 189.99f, 330.01f}}).size(),
        all5.size());
    const auto nearAB =
        trace.dots({.r = 0.5f, .colour = ink::heading, .in = Box{100, 170, 189.99f, 330.01f}});
    EXPECT_GT(nearAB.size(), 20u);
    EXPECT_EQ(
        trace.dots({.r = 0.5f, .colour = ink::heading, .in = Box{100, 152.01f, 189.99f, 330.01f}}).size(),
        nearAB.size());
}

// "(10-x)cm" names DP of figure 3, A (852,190), C (1132,400), P (1132,330):
// it stands inside the rectangle left of DP, below the diagonal AP, which
// stays whole; no line runs within 4 units of the label, its minus included.
TEST(MovingPointEquations, TenMinusXStandsClearOfTheDiagonal) {
    PloverRun run(RunOptions{.keys = steps(13), .scale = 2}, &Plover::MovingPointEquations);
    ASSERT_TRUE(run.ended());
    const Trace trace(run.lines());
    rt::Canvas& c = run.runtime->canvas();
    rt::UnitBox label;
    for (const Glyph& g : trace.glyphs({.colour = ink::answer, .in = Box{852, 1132, 190, 400}})) {
        const rt::UnitBox b =
            c.textInk(g.text, g.x, g.y, g.h, g.v, rt::TextStyle{g.face, g.size, g.bold, g.italic});
        if (b.empty()) continue;
        label = label.empty() ? b
                              : rt::UnitBox{std::min(label.x0, b.x0), std::min(label.y0, b.y0),
                                            std::max(label.x1, b.x1), std::max(label.y1, b.y1)};
    }
    ASSERT_FALSE(label.empty());
    auto diagonalAt = [](float x) { return 190 + (x - 852) / 2; };
    EXPECT_GT(label.x0, 852);
    EXPECT_LT(label.x1, 1132);
    EXPECT_GT(label.y0, diagonalAt(label.x1) + 4) << "below the diagonal";
    EXPECT_LT(label.y1, 400 - 4);
    EXPECT_GT(label.x1, 1132 - 60) << "beside DP";
    const int k = c.scale();
    int lines = 0;
    for (int py = static_cast<int>((label.y0 - 4) * k); py < static_cast<int>((label.y1 + 4) * k); ++py)
        for (int px = static_cast<int>((label.x0 - 4) * k); px < static_cast<int>((label.x1 + 4) * k); ++px)
            lines += c.lineAt(px, py) == rt::Canvas::LineMark::meaning;
    EXPECT_EQ(lines, 0) << label.x0 << " " << label.y0 << " " << label.x1 << " " << label.y1;
    for (float x = 870; x < 1120; x += 25)
        EXPECT_EQ(c.lineAt(static_cast<int>(x * k), static_cast<int>(diagonalAt(x) * k)),
                  rt::Canvas::LineMark::meaning)
            << "the diagonal at " << x;
}

// Figure 1's corner letters stand where the usual way in puts them, whatever
// font an earlier screen left.
TEST(MovingPointEquations, CornerLettersIgnoreTheDistanceLeftBehind) {
    PloverRun usual(steps(13), &Plover::MovingPointEquations);
    PloverRun after(steps(13), &Plover::MovingPointEquations, [](Plover& p) {
        p.Rt().setFontSize(40);
        p.Rt().setFontBold(true);
    });
    EXPECT_EQ(firstDifferentLine(usual.lines(), after.lines()), "");
}

// ---- Graph ---------------------------------------------------------------------------------

TEST(MovingPointGraph, ThreePiecesAndUnitLabels) {
    PloverRun run(steps(3), &Plover::MovingPointGraph);
    EXPECT_TRUE(run.ended());
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "㎝", .at = At(1081, 384), .h = 2, .v = 1, .size = 30, .bold = false})
            .empty());
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "㎝", .at = At(568, 116), .h = 2, .v = 1, .size = 30, .bold = false})
            .empty());
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "2", .at = At(622, 106), .h = 2, .v = 2, .bold = false}).empty());
    EXPECT_EQ(run.place("(2)PがBC上"), "38 180 3");
    EXPECT_EQ(run.place("y=20-2x(7≦x≦10)"), "114 330 0");
    for (auto [x, y] : {std::pair{646.f, 380.f}, {766.f, 140.f}, {926.f, 140.f}, {1046.f, 380.f}})
        EXPECT_FALSE(
            trace.dots({.r = 1, .colour = ink::answer, .in = Box{x - 0.5f, x + 0.5f, y - 0.5f, y + 0.5f}})
                .empty())
            << x << ' ' << y;
    // Nothing beyond x = 10.
    EXPECT_TRUE(trace.dots({.r = 1, .colour = ink::answer, .in = Box{1047, 1400, 0, 720}}).empty());
}

}  // namespace
}  // namespace lesson::testing
