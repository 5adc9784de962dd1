// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate plane: axes, scale numbers, points and graphs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "runtime/canvas_runtime.h"
#include "trace.h"

namespace {

using lesson::Engine;
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

void plane(Engine& e, float a41, float top, float x0, float x1, float y0, float y1, float naka,
           float no = 10) {
    e.A41 = a41;
    e.I_top = top;
    e.XJ1 = x0;
    e.YJ1 = x1;
    e.B4 = y0;
    e.X_yTop = y1;
    e.NAKA = naka;
    e.NO = no;
}

TEST(DrawAxes, BoilingWaterPlane) {
    Headless h;
    h.start();
    Engine& e = h.e();
    h.rt().setDrawWidth(2);
    plane(e, 880, 60, 0, 17, 0, 26, 20);
    e.DrawAxes();
    EXPECT_EQ(e.TATE, 880);
    EXPECT_EQ(e.t0001, 580);
    EXPECT_EQ(e.HI, 880);
    EXPECT_EQ(e.ZX, 60);
    EXPECT_EQ(e.GY1, 1220);
    EXPECT_EQ(e.GX3, 580);
    EXPECT_EQ(e.NAGASA, 26);
    const auto lines = h.lines();
    const Trace trace(lines);
    // Thin lines half a unit off the grid, bold lines on it, axes last.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(879.5f, 60), .to = At(879.5f, 580), .colour = 0, .width = 1})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(1219.5f, 60), .to = At(1219.5f, 580), .colour = 0, .width = 1})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 59.5f), .to = At(1220, 59.5f), .colour = 0, .width = 1})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(980, 60), .to = At(980, 580), .colour = 1, .width = 3}).empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 480), .to = At(1220, 480), .colour = 1, .width = 3}).empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 60), .to = At(880, 580), .colour = 0, .width = 4}).empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 580), .to = At(1220, 580), .colour = 0, .width = 4}).empty());
    EXPECT_EQ(placedAll(h, "5"), (std::vector<std::string>{"967 584 26", "850 463 26"}));
    EXPECT_EQ(placedAll(h, "15"), (std::vector<std::string>{"1154 584 26", "824 263 26"}));
    EXPECT_EQ(placedAll(h, "25"), std::vector<std::string>{"824 63 26"});
    auto x = h.records().glyphs({.text = "x"});
    ASSERT_EQ(x.size(), 1u);
    EXPECT_NEAR(x[0].x, 1199.2f, 1e-3);
    EXPECT_EQ(x[0].y, 541);
    EXPECT_EQ(x[0].h, 3);
    EXPECT_EQ(x[0].v, 2);
    EXPECT_EQ(placedAll(h, "0"), std::vector<std::string>{"850 584 26"});
    EXPECT_EQ(placedAll(h, "y"), std::vector<std::string>{"880 47 26"});
    EXPECT_EQ(h.rt().drawWidth(), 2);
    EXPECT_EQ(e.N, 0);
    EXPECT_EQ(e.YMOTO, 0);
}

TEST(DrawAxes, DefaultCornerAndScaledSteps) {
    Headless h;
    h.start();
    Engine& e = h.e();
    plane(e, 0, 0, -6, 6, -6, 6, 20);
    e.t0000 = 0.5f;
    e.GGX = -2;
    e.DrawAxes();
    EXPECT_EQ(e.A41, 640);
    EXPECT_EQ(e.I_top, 180);
    EXPECT_EQ(e.XJ1, -12);
    EXPECT_EQ(e.YJ1, 12);
    EXPECT_EQ(e.B4, -3);
    EXPECT_EQ(e.X_yTop, 3);
    EXPECT_EQ(e.GGX, 2);
    EXPECT_EQ(e.TATE, 880);
    EXPECT_EQ(e.t0001, 240);
    for (const char* n : {"-10", "-5", "5", "10"}) EXPECT_EQ(placedAll(h, n).size(), 1u) << n;
    // Grid counts -10, -5, 0, 5, 10 are bold.
    int bold = 0;
    for (const Segment& l : h.records().segments())
        if (l.colour == 1 && l.kind == 0 && l.fill == -1 && l.width == 3) ++bold;
    EXPECT_EQ(bold, 5 + 1);  // the y range -3..3 holds only 0
}

TEST(DrawAxes, SwitchesAndFontSize) {
    struct Case {
        float no, n, naka;
        bool numbers;
        bool grid;
        int size;
    } cases[] = {
        {0, 0, 20, false, false, 26},
        {10, -1, 39, false, true, 26},
        {14, 0, 40, true, true, 30},
    };
    for (const Case& c : cases) {
        Headless h;
        h.start();
        Engine& e = h.e();
        plane(e, 100, 100, -6, 6, -6, 6, c.naka, c.no);
        e.N = c.n;
        e.DrawAxes();
        EXPECT_EQ(placedAll(h, "5").size(), c.numbers ? 2u : 0u);
        EXPECT_EQ(h.records().segments().size(), c.grid ? 13u * 2 + 3 * 2 + 2 : 2u);
        ASSERT_EQ(placedAll(h, "0").size(), 1u);
        EXPECT_TRUE(placedAll(h, "0")[0].ends_with(std::to_string(c.size)));
        EXPECT_EQ(e.N, 0);
    }
}

TEST(LabelAxisScales, ValuesWithOneDecimal) {
    Headless h;
    h.start();
    Engine& e = h.e();
    plane(e, 100, 100, 0, 140, 0, 11, 20);
    e.t0000 = 10;
    e.GGX = 0.5f;
    e.N = -1;
    e.DrawAxes();
    h.clear();
    e.t0000 = 10;
    e.GGX = 0.5f;
    e.LabelAxisScales();
    // Origin (100, 540); NAGASA 26.
    EXPECT_EQ(placedAll(h, "50"), std::vector<std::string>{"174 544 26"});
    EXPECT_EQ(placedAll(h, "100"), std::vector<std::string>{"261 544 26"});
    EXPECT_EQ(placedAll(h, "25"), std::vector<std::string>{"44 427 26"});
    EXPECT_EQ(placedAll(h, "5"), std::vector<std::string>{"70 327 26"});
    EXPECT_EQ(placedAll(h, "75"), std::vector<std::string>{"44 227 26"});
    EXPECT_EQ(placedAll(h, "10"), std::vector<std::string>{"44 127 26"});
    EXPECT_EQ(placedAll(h, "."), (std::vector<std::string>{"64 431 26", "64 231 26"}));
    EXPECT_EQ(e.t0000, 10);
    EXPECT_EQ(e.GGX, 0.5f);
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
        plane(e, 100, 100, 0, 5, 0, 0, 20);
        e.N = -1;
        e.DrawAxes();
        h.clear();
        e.t0000 = c.step;
        e.GGX = 1;
        e.LabelAxisScales();
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
    e.TATE = 874;
    e.t0001 = 360;
    e.NAKA = 20;
    e.t0000 = 0;
    e.GGX = 0;
    e.KAKUDAI = 3.5f;
    e.SENTAKU = 10;
    e.GY0 = 6;
    e.TKAI2 = 3;
    e.IB8_s = "A";
    e.JYOU = 8;
    e.AINP_labelDy = -20;
    e.PlotPoint();
    EXPECT_EQ(h.lines("circle"), std::vector<std::string>{"circle 944 160 6 3 0 0 1 -1 3"});
    auto a = h.records().glyphs({.text = "A"});
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].x, 932);
    EXPECT_EQ(a[0].y, 100);
    EXPECT_EQ(a[0].colour, 3);
    EXPECT_EQ(e.HOUKOU, 944);
    EXPECT_EQ(e.N2, 160);
    EXPECT_EQ(e.JYOU, 0);
    EXPECT_EQ(e.AINP_labelDy, 0);
    EXPECT_EQ(e.t0000, 1);
    EXPECT_EQ(e.GGX, 1);
    EXPECT_EQ(e.YMOTO, 3);
    EXPECT_EQ(e.IB8_s, "A");
}

TEST(PlotPoint, ValuePerStepIsUsedOnce) {
    Headless h;
    h.start();
    Engine& e = h.e();
    e.TATE = 880;
    e.t0001 = 580;
    e.NAKA = 20;
    e.GGX = 4;
    e.KAKUDAI = 2;
    e.SENTAKU = 36;
    e.GY0 = 6;
    e.IB8_s.clear();
    e.PlotPoint();
    EXPECT_EQ(e.HOUKOU, 920);
    EXPECT_EQ(e.N2, 400);
    EXPECT_EQ(e.GGX, 1);
    EXPECT_TRUE(h.records().glyphs().empty());
}

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.start();
        plane(e(), 100, 100, -6, 6, -6, 6, 20, 0);
        e().DrawAxes();
        h.clear();
    }
    Engine& e() { return h.e(); }
    void graph(float kind, float a, float b, float c, const char* label = "") {
        e().Y_kind = kind;
        e().AA_coef = a;
        e().AAA = b;
        e().R1B_rhs = c;
        e().TKAI2 = 5;
        e().IB8_s = label;
        e().DrawGraph();
    }
    Headless h;
};

TEST_F(GraphTest, StraightLineClipsAtTopAndBottomOnly) {
    // Origin (220, 220); the plane runs 100..340 both ways.
    e().XJ1 = -6;
    e().YJ1 = 6;
    e().JYOU = -27;
    e().AINP_labelDy = 4;
    graph(3, 2, 3, 0, "y=2x+3");
    auto d = dots(h);
    ASSERT_FALSE(d.empty());
    EXPECT_LT(d.size(), 5001u);
    for (const Dot& p : d) {
        EXPECT_GE(p.y, 100);
        EXPECT_LE(p.y, 340);
    }
    EXPECT_NEAR(d.front().x, 220 + 20 * -4.5f, 0.1f);  // y=-6 at x=-4.5
    EXPECT_NEAR(d.back().x, 220 + 20 * 1.5f, 0.1f);    // y=6 at x=1.5
    auto label = h.records().glyphs({.text = "y"});
    ASSERT_FALSE(label.empty());
    EXPECT_NEAR(label[0].x, d.back().x - 27, 0.01f);
    // 12 lower than asked, off the y axis's letter.
    EXPECT_NEAR(label[0].y, d.back().y + 4 + 12, 0.01f);
    EXPECT_EQ(e().JYOU, 0);
    EXPECT_EQ(e().AINP_labelDy, 0);
    EXPECT_EQ(e().YMOTO, 5);
}

TEST_F(GraphTest, EveryDotIsDrawnWhenInside) {
    e().XJ1 = -6;
    e().YJ1 = 6;
    graph(3, 0.5f, 0, 0);
    EXPECT_EQ(dots(h).size(), 5001u);
}

TEST_F(GraphTest, InverseProportionSkipsTheAxis) {
    e().XJ1 = -6;
    e().YJ1 = 6;
    graph(1, 6, 0, 0);
    auto d = dots(h);
    ASSERT_FALSE(d.empty());
    for (const Dot& p : d) {
        const float x = (p.x - 220) / 20;
        EXPECT_GE(std::fabs(x), 0.999f);
    }
    EXPECT_NEAR(e().DSM1, 340, 0.1f);  // the last dot, x near 6
}

TEST_F(GraphTest, InverseProportionStartingAtZero) {
    e().XJ1 = 0;
    e().YJ1 = 6;
    graph(1, 6, 0, 0);
    auto d = dots(h);
    ASSERT_FALSE(d.empty());
    EXPECT_GE((d.front().x - 220) / 20, 0.999f);
}

TEST_F(GraphTest, VerticalLineKeepsThePenAndTheGrid) {
    h.rt().setDrawWidth(2);
    e().GGX = 2;  // the y ends are grid counts already
    graph(4, 3, 0, 6, "x=2");
    EXPECT_EQ(h.lines("line"), std::vector<std::string>{"line 260 340 260 100 5 0 -1 5"});
    EXPECT_FALSE(h.records().glyphs({.text = "x"}).empty());
    EXPECT_EQ(e().DSM2, 100);  // the label's top: 10 right of the line's top end
    EXPECT_GT(e().DSM1, 270);
    EXPECT_EQ(e().Y_kind, 4);
    EXPECT_EQ(e().R1B_rhs, 2);
    EXPECT_EQ(h.rt().drawWidth(), 2);
    EXPECT_EQ(e().GGX, 1);
}

TEST_F(GraphTest, KindFourBecomesAStraightLine) {
    e().XJ1 = -6;
    e().YJ1 = 6;
    graph(4, 0, 1, -3);
    EXPECT_EQ(e().Y_kind, 3);
    EXPECT_EQ(e().AA_coef, 0);
    EXPECT_FALSE(std::signbit(e().AA_coef));
    EXPECT_EQ(e().AAA, -3);
    for (const Dot& p : dots(h)) EXPECT_EQ(p.y, 280);
    h.clear();
    graph(4, 1, -2, 4);
    EXPECT_EQ(e().AA_coef, 0.5f);
    EXPECT_EQ(e().AAA, -2);
}

TEST_F(GraphTest, NothingInsideDrawsNoLabel) {
    e().XJ1 = -6;
    e().YJ1 = 6;
    e().DSM1 = 11;
    e().DSM2 = 22;
    graph(3, 0, 100, 0, "m");
    EXPECT_TRUE(h.records().dots().empty());
    EXPECT_TRUE(h.records().glyphs().empty());
    EXPECT_EQ(e().DSM1, 11);
    EXPECT_EQ(e().DSM2, 22);
    EXPECT_EQ(e().JYOU, 0);
    // 0x + 0y = c is no line.
    graph(4, 0, 0, 5, "n");
    EXPECT_TRUE(h.records().segments().empty());
    EXPECT_TRUE(h.records().glyphs().empty());
}

TEST(DrawGraph, BoilingWaterLine) {
    Headless h;
    h.start();
    Engine& e = h.e();
    plane(e, 880, 60, 0, 17, 0, 26, 20, 10);
    e.DrawAxes();
    h.clear();
    e.XJ1 = 0;
    e.YJ1 = 10;
    e.GGX = 4;
    e.Y_kind = 3;
    e.AA_coef = 8;
    e.AAA = 20;
    e.IB8_s.clear();
    e.DrawGraph();
    auto d = dots(h);
    ASSERT_EQ(d.size(), 5001u);
    EXPECT_NEAR(d.front().x, 880, 0.01f);
    EXPECT_NEAR(d.front().y, 480, 0.01f);
    EXPECT_NEAR(d.back().x, 1080, 0.1f);
    EXPECT_NEAR(d.back().y, 80, 0.5f);
}

}  // namespace
