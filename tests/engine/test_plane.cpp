// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate plane: axes, scale numbers, points and graphs.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "runtime/canvas_runtime.h"
#include "trace.h"

namespace {

namespace ink = lesson::ink;
using lesson::Curve;
using lesson::Engine;
using lesson::PlaneFrame;
using lesson::Point;
using lesson::testing::At;
using lesson::testing::Dot;
using lesson::testing::Headless;
using lesson::testing::Segment;
using lesson::testing::Stroke;
using lesson::testing::Trace;

std::vector<Dot> dots(const Headless& h) { return h.records().dots(); }

// "X Y SIZE" of the texts drawn as text, in order.
std::vector<std::string> placedAll(const Headless& h, const std::string& text) {
    std::vector<std::string> out;
    for (const auto& g : h.records().glyphs({.text = text}))
        out.push_back(rt::traceNumber(g.x) + " " + rt::traceNumber(g.y) + " " + std::to_string(g.size));
    return out;
}

lesson::Plane plane(float left, float top, float x0, float x1, float y0, float y1, float step,
                    bool grid = true) {
    return {
        .left = left, .top = top, .xFrom = x0, .xTo = x1, .yFrom = y0, .yTo = y1, .step = step, .grid = grid};
}

TEST(DrawAxes, BoilingWaterPlane) {
    Headless h;
    h.start();
    Engine& e = h.e();
    h.rt().setDrawWidth(2);
    const PlaneFrame f = e.DrawAxes(plane(880, 60, 0, 17, 0, 26, 20));
    EXPECT_EQ(f.origin, (Point{880, 580}));
    EXPECT_EQ(f.left, 880);
    EXPECT_EQ(f.top, 60);
    EXPECT_EQ(f.right, 1220);
    EXPECT_EQ(f.bottom, 580);
    EXPECT_EQ(f.scaleSize, 26);
    EXPECT_EQ(f.step, 20);
    const auto lines = h.lines();
    const Trace trace(lines);
    // Thin lines half a unit off the grid, bold lines on it, axes last.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(879.5f, 60), .to = At(879.5f, 580), .colour = ink::text, .width = 1})
            .empty());
    EXPECT_FALSE(trace
                     .segments(Stroke{
                         .from = At(1219.5f, 60), .to = At(1219.5f, 580), .colour = ink::text, .width = 1})
                     .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 59.5f), .to = At(1220, 59.5f), .colour = ink::text, .width = 1})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(980, 60), .to = At(980, 580), .colour = ink::blue, .width = 3})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 480), .to = At(1220, 480), .colour = ink::blue, .width = 3})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 60), .to = At(880, 580), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 580), .to = At(1220, 580), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_EQ(placedAll(h, "5"), (std::vector<std::string>{"967 584 26", "850 463 26"}));
    EXPECT_EQ(placedAll(h, "15"), (std::vector<std::string>{"1154 584 26", "824 263 26"}));
    // The top number, on the line of the axis letter "y", keeps as far from it as numbers keep apart.
    EXPECT_EQ(placedAll(h, "25"), std::vector<std::string>{"818 63 26"});
    auto x = h.records().glyphs({.text = "x"});
    ASSERT_EQ(x.size(), 1u);
    EXPECT_NEAR(x[0].x, 1199.2f, 1e-3);
    EXPECT_EQ(x[0].y, 541);
    EXPECT_EQ(x[0].h, 3);
    EXPECT_EQ(x[0].v, 2);
    EXPECT_EQ(placedAll(h, "0"), std::vector<std::string>{"850 584 26"});
    EXPECT_EQ(placedAll(h, "y"), std::vector<std::string>{"880 47 26"});
    EXPECT_EQ(h.rt().drawWidth(), 2);
}

TEST(DrawAxes, DefaultCornerAndScaledSteps) {
    Headless h;
    h.start();
    Engine& e = h.e();
    lesson::Plane p = plane(0, 0, -6, 6, -6, 6, 20);
    p.xPerStep = 0.5f;
    p.yPerStep = -2;
    const PlaneFrame f = e.DrawAxes(p);
    EXPECT_EQ(f.left, 640);
    EXPECT_EQ(f.top, 180);
    EXPECT_EQ(f.steps.xFrom, -12);
    EXPECT_EQ(f.steps.xTo, 12);
    EXPECT_EQ(f.steps.yFrom, -3);
    EXPECT_EQ(f.steps.yTo, 3);
    EXPECT_EQ(f.xPerStep, 0.5f);
    EXPECT_EQ(f.yPerStep, 2);
    EXPECT_EQ(f.origin, (Point{880, 240}));
    for (const char* n : {"-10", "-5", "5", "10"}) EXPECT_EQ(placedAll(h, n).size(), 1u) << n;
    // Grid counts -10, -5, 0, 5, 10 are bold.
    int bold = 0;
    for (const Segment& l : h.records().segments())
        if (l.colour == ink::blue && l.kind == 0 && !l.fill && l.width == 3) ++bold;
    EXPECT_EQ(bold, 5 + 1);  // the y range -3..3 holds only 0
}

// A plane that names only its ranges is one of 40 units a step, without a
// grid: never a plane of no size.
TEST(DrawAxes, ThePlanesTheChaptersRepeatAreTheDefault) {
    Headless h;
    h.start();
    const PlaneFrame f =
        h.e().DrawAxes({.left = 100, .top = 100, .xFrom = -2, .xTo = 3, .yFrom = -1, .yTo = 2});
    EXPECT_EQ(f.step, 40);
    EXPECT_EQ(f.right - f.left, 5 * 40);
    EXPECT_EQ(f.bottom - f.top, 3 * 40);
    EXPECT_EQ(f.scaleSize, 30);
    EXPECT_EQ(h.records().segments().size(), 2u) << "the two axes, no grid";
}

TEST(DrawAxes, SwitchesAndFontSize) {
    struct Case {
        bool gridOn;
        bool scaleNumbers;
        float naka;
        bool numbers;
        bool grid;
        int size;
    } cases[] = {
        {false, true, 20, false, false, 26},
        {true, false, 39, false, true, 26},
        {true, true, 40, true, true, 30},
    };
    for (const Case& c : cases) {
        Headless h;
        h.start();
        Engine& e = h.e();
        lesson::Plane p = plane(100, 100, -6, 6, -6, 6, c.naka, c.gridOn);
        p.scaleNumbers = c.scaleNumbers;
        EXPECT_EQ(e.DrawAxes(p).scaleSize, c.size);
        EXPECT_EQ(placedAll(h, "5").size(), c.numbers ? 2u : 0u);
        EXPECT_EQ(h.records().segments().size(), c.grid ? 13u * 2 + 3 * 2 + 2 : 2u);
        ASSERT_EQ(placedAll(h, "0").size(), 1u);
        EXPECT_TRUE(placedAll(h, "0")[0].ends_with(std::to_string(c.size)));
    }
}

TEST(LabelAxisScales, ValuesWithOneDecimal) {
    Headless h;
    h.start();
    Engine& e = h.e();
    lesson::Plane p = plane(100, 100, 0, 140, 0, 11, 20);
    p.xPerStep = 10;
    p.yPerStep = 0.5f;
    p.scaleNumbers = false;
    const PlaneFrame f = e.DrawAxes(p);
    h.clear();
    e.LabelAxisScales(f, 10, 0.5f);
    // Origin (100, 540); scale numbers 26 high.
    EXPECT_EQ(placedAll(h, "50"), std::vector<std::string>{"174 544 26"});
    EXPECT_EQ(placedAll(h, "100"), std::vector<std::string>{"261 544 26"});
    EXPECT_EQ(placedAll(h, "25"), std::vector<std::string>{"44 427 26"});
    EXPECT_EQ(placedAll(h, "5"), std::vector<std::string>{"70 327 26"});
    EXPECT_EQ(placedAll(h, "75"), std::vector<std::string>{"44 227 26"});
    EXPECT_EQ(placedAll(h, "10"), std::vector<std::string>{"44 127 26"});
    EXPECT_EQ(placedAll(h, "."), (std::vector<std::string>{"64 431 26", "64 231 26"}));
}

TEST(LabelAxisScales, TruncatesAndSigns) {
    struct Case {
        float step;
        std::string digits;
        bool point;
    } cases[] = {
        {0.25f, "12", true},   // 1.25 is written 1.2
        {-0.5f, "-25", true},  // count -5: -2.5
        {-0.01f, "0", false},  // -0.05 has no tenths: never "-0"
        {-1, "-5", false},    {0.1f, "05", true},
    };
    for (const Case& c : cases) {
        Headless h;
        h.start();
        Engine& e = h.e();
        // Count 5 on x only; the value per step is used as given, sign included.
        lesson::Plane p = plane(100, 100, 0, 5, 0, 0, 20);
        p.scaleNumbers = false;
        const PlaneFrame f = e.DrawAxes(p);
        h.clear();
        e.LabelAxisScales(f, c.step, 1);
        auto found = placedAll(h, c.digits);
        EXPECT_EQ(found.size(), 1u) << c.step << " " << h.text();
        EXPECT_EQ(placedAll(h, ".").size(), c.point ? 1u : 0u) << c.step;
        EXPECT_EQ(placedAll(h, "-0").size(), 0u);
    }
}

TEST(PlotPoint, PlacesDotAndLabel) {
    Headless h;
    h.start();
    Engine& e = h.e();
    const PlaneFrame plane{.origin = {874, 360}, .step = 20};
    const Point at = e.PlotPoint(plane, 3.5f, 10,
                                 {.radius = 6,
                                  .colour = ink::emphasis,
                                  .label = "A",
                                  .labelDx = 8,
                                  .labelDy = -20,
                                  .xPerStep = 0,
                                  .yPerStep = 0});
    EXPECT_EQ(h.lines("circle"), std::vector<std::string>{"circle 944 160 6 3 0 0 1 -1 3"});
    auto a = h.records().glyphs({.text = "A"});
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].x, 932);
    EXPECT_EQ(a[0].y, 100);
    EXPECT_EQ(a[0].colour, ink::emphasis);
    EXPECT_EQ(at, (Point{944, 160}));
}

TEST(PlotPoint, ValuePerStepIsUsedAsGiven) {
    Headless h;
    h.start();
    Engine& e = h.e();
    const PlaneFrame plane{.origin = {880, 580}, .step = 20};
    EXPECT_EQ(e.PlotPoint(plane, 2, 36, {.radius = 6, .yPerStep = 4}), (Point{920, 400}));
    EXPECT_EQ(e.PlotPoint(plane, 2, 36, {.radius = 6}), (Point{920, -140}));
    EXPECT_TRUE(h.records().glyphs().empty());
}

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.start();
        frame = e().DrawAxes(plane(100, 100, -6, 6, -6, 6, 20, false));
        h.clear();
    }
    Engine& e() { return h.e(); }
    std::optional<Point> graph(lesson::Curve kind, float a, float b, float c, const char* label = "",
                               lesson::GraphSpan span = {-6, 6}, float labelDx = 0, float labelDy = 0) {
        return e().DrawGraph(frame,
                             {.kind = kind,
                              .a = a,
                              .b = b,
                              .c = c,
                              .colour = ink::answer,
                              .label = label,
                              .labelDx = labelDx,
                              .labelDy = labelDy},
                             span);
    }
    Headless h;
    PlaneFrame frame;
};

TEST_F(GraphTest, StraightLineClipsAtTopAndBottomOnly) {
    // Origin (220, 220); the plane runs 100..340 both ways.
    const std::optional<Point> end = graph(Curve::Line, 2, 3, 0, "y=2x+3", {-6, 6}, -27, 4);
    auto d = dots(h);
    ASSERT_FALSE(d.empty());
    EXPECT_LT(d.size(), 5001u);
    for (const Dot& p : d) {
        EXPECT_GE(p.y, 100);
        EXPECT_LE(p.y, 340);
    }
    EXPECT_NEAR(d.front().x, 220 + 20 * -4.5f, 0.1f);  // y=-6 at x=-4.5
    EXPECT_NEAR(d.back().x, 220 + 20 * 1.5f, 0.1f);    // y=6 at x=1.5
    ASSERT_TRUE(end);
    EXPECT_EQ(end->x, d.back().x);
    EXPECT_EQ(end->y, d.back().y);
    auto label = h.records().glyphs({.text = "y"});
    ASSERT_FALSE(label.empty());
    // 4 right of where it was asked, its ink 4 units off the y axis, which
    // it may not clear; 12 lower, off the y axis's letter.
    EXPECT_NEAR(label[0].x, d.back().x - 27 + 4, 0.01f);
    EXPECT_NEAR(label[0].y, d.back().y + 4 + 12, 0.01f);
    EXPECT_EQ(label[0].colour, ink::answer);
}

TEST_F(GraphTest, EveryDotIsDrawnWhenInside) {
    graph(Curve::Line, 0.5f, 0, 0);
    EXPECT_EQ(dots(h).size(), 5001u);
}

TEST_F(GraphTest, InverseProportionSkipsTheAxis) {
    const std::optional<Point> end = graph(Curve::Inverse, 6, 0, 0);
    auto d = dots(h);
    ASSERT_FALSE(d.empty());
    for (const Dot& p : d) {
        const float x = (p.x - 220) / 20;
        EXPECT_GE(std::fabs(x), 0.999f);
    }
    ASSERT_TRUE(end);
    EXPECT_NEAR(end->x, 340, 0.1f);  // the last dot, x near 6
}

TEST_F(GraphTest, InverseProportionStartingAtZero) {
    graph(Curve::Inverse, 6, 0, 0, "", {0, 6});
    auto d = dots(h);
    ASSERT_FALSE(d.empty());
    EXPECT_GE((d.front().x - 220) / 20, 0.999f);
}

TEST_F(GraphTest, VerticalLineKeepsThePenAndTheGrid) {
    h.rt().setDrawWidth(2);
    // The y ends are the plane's grid counts, whatever the values per step.
    const std::optional<Point> end = graph(Curve::General, 3, 0, 6, "x=2", {-6, 6, 1, 2});
    EXPECT_EQ(h.lines("line"), std::vector<std::string>{"line 260 340 260 100 5 0 -1 5"});
    EXPECT_FALSE(h.records().glyphs({.text = "x"}).empty());
    // The label's top-left: 10 right of the line's top end.
    EXPECT_EQ(end, (Point{270, 100}));
    EXPECT_EQ(h.rt().drawWidth(), 2);
}

TEST_F(GraphTest, KindFourBecomesAStraightLine) {
    graph(Curve::General, 0, 1, -3);
    const auto d = dots(h);
    EXPECT_EQ(d.size(), 5001u);
    for (const Dot& p : d) EXPECT_EQ(p.y, 280);
    h.clear();
    // x - 2y = 4 is y = 0.5x - 2.
    graph(Curve::General, 1, -2, 4);
    for (const Dot& p : dots(h)) EXPECT_NEAR(p.y, 220 - 20 * (0.5f * (p.x - 220) / 20 - 2), 0.01f);
}

TEST_F(GraphTest, NothingInsideDrawsNoLabel) {
    EXPECT_FALSE(graph(Curve::Line, 0, 100, 0, "m"));
    EXPECT_TRUE(h.records().dots().empty());
    EXPECT_TRUE(h.records().glyphs().empty());
    // 0x + 0y = c is no line.
    EXPECT_FALSE(graph(Curve::General, 0, 0, 5, "n"));
    EXPECT_TRUE(h.records().segments().empty());
    EXPECT_TRUE(h.records().glyphs().empty());
}

TEST(DrawGraph, BoilingWaterLine) {
    Headless h;
    h.start();
    Engine& e = h.e();
    const PlaneFrame f = e.DrawAxes(plane(880, 60, 0, 17, 0, 26, 20, true));
    h.clear();
    e.DrawGraph(f, {.a = 8, .b = 20}, {.xFrom = 0, .xTo = 10, .yPerStep = 4});
    auto d = dots(h);
    ASSERT_EQ(d.size(), 5001u);
    EXPECT_NEAR(d.front().x, 880, 0.01f);
    EXPECT_NEAR(d.front().y, 480, 0.01f);
    EXPECT_NEAR(d.back().x, 1080, 0.1f);
    EXPECT_NEAR(d.back().y, 80, 0.5f);
}

}  // namespace
