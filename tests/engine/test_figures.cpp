// SPDX-License-Identifier: GPL-3.0-or-later
// Figures: arrows, slope triangles, braces and columns, intersections, graph
// paper, polygons, segment and angle marks, and the spare routines.
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
using lesson::testing::Headless;
using lesson::testing::isSegment;
using lesson::testing::Segment;
using lesson::testing::Stroke;
using lesson::testing::Trace;

class Fig : public ::testing::Test {
protected:
    void SetUp() override { h.start(); }
    Engine& e() { return h.e(); }
    void arrow(float tailX, float tailY, float headX, float headY, float iroiro = 1, float ue = 0) {
        e().P2 = tailX;
        e().BB = tailY;
        e().XI0 = headX;
        e().SITA = headY;
        e().IROIRO = iroiro;
        e().UE = ue;
        e().NO = 3;
        e().P = 16;
        e().DrawArrow();
    }
    Headless h;
};

TEST_F(Fig, ArrowHeads) {
    arrow(100, 200, 200, 200);
    EXPECT_EQ(h.lines(),
              (std::vector<std::string>{"line 100 200 200 200 3 0 -1 3", "line 184 208 200 200 3 0 -1 3",
                                        "line 184 192 200 200 3 0 -1 3"}));
    EXPECT_EQ(e().IROIRO, 0);
    h.clear();
    arrow(300, 400, 300, 250, 0);
    EXPECT_EQ(h.lines(),
              (std::vector<std::string>{"line 300 400 300 250 3 0 -1 3", "line 308 266 300 250 3 0 -1 3",
                                        "line 292 266 300 250 3 0 -1 3"}));
}

TEST_F(Fig, ArrowFlags) {
    // -1 puts the head at (P2, BB).
    arrow(100, 200, 200, 200, -1);
    EXPECT_FALSE(h.records()
                     .segments(Stroke{.from = At(116, 192), .to = At(100, 200), .colour = 3, .width = 3})
                     .empty());
    h.clear();
    arrow(100, 200, 200, 200, -1, 2);  // heads at both ends
    EXPECT_FALSE(h.records()
                     .segments(Stroke{.from = At(116, 192), .to = At(100, 200), .colour = 3, .width = 3})
                     .empty());
    EXPECT_FALSE(h.records()
                     .segments(Stroke{.from = At(184, 208), .to = At(200, 200), .colour = 3, .width = 3})
                     .empty());
    EXPECT_EQ(e().UE, 0);
    h.clear();
    arrow(100, 200, 200, 200, 1, 2);  // the same single head twice
    // No head at the tail: no segment starts at x 116, at any height.
    const auto tailHeads = h.records().segments({.from = lesson::testing::Near{116, 200, 0.5f, 1000}});
    EXPECT_TRUE(tailHeads.empty());
    EXPECT_EQ(h.records()
                  .segments(Stroke{.from = At(184, 208), .to = At(200, 200), .colour = 3, .width = 3})
                  .size(),
              2u);
    EXPECT_EQ(e().UE, 0);
}

TEST_F(Fig, ArrowWithCoincidentEndsHasNoHead) {
    arrow(150, 150, 150, 150, 1, 2);
    for (const auto& r : h.records().records()) {
        EXPECT_TRUE(isSegment(r, Stroke{.from = At(150, 150), .to = At(150, 150), .colour = 3, .width = 3}))
            << r.line;
        EXPECT_EQ(r.line.find("nan"), std::string::npos);  // as written, not only as read
    }
}

TEST_F(Fig, SlopeTriangle) {
    struct Case {
        float x1, y1, x2, y2;
        const char* flags;
        const char* run;
        const char* rise;
        std::string runAt, riseAt;
    } cases[] = {
        {100, 300, 140, 220, "yy", "1", "2", "106 256", "140 244"},
        {140, 220, 100, 300, "yy", "1", "2", "106 256", "140 244"},
        {100, 220, 140, 300, "yy", "1", "-2", "106 220", "140 244"},
        {100, 300, 140, 320, "nn", "1", "-0.5", "", ""},
        {100, 300, 120, 280, "ny", ".5", "0.5", "", "120 274"},  // the run gets no 0
    };
    for (const Case& c : cases) {
        h.clear();
        h.rt().setDrawWidth(2);
        e().ZY = c.x1;
        e().AA1 = c.y1;
        e().GY3 = c.x2;
        e().HIDARI = c.y2;
        e().NAKA = 40;
        e().HENK3_s = c.flags;
        e().UE = 0;
        e().DrawIncreaseArrows();
        EXPECT_EQ(e().BB2_s, c.run);
        EXPECT_EQ(e().R1B1_s, c.rise);
        EXPECT_EQ(h.rt().drawWidth(), 4);
        EXPECT_LE(e().ZY, e().GY3);
        const auto lines = h.lines("line");  // the arrows come first
        ASSERT_GE(lines.size(), 6u);
        // Whole places, as the arrows are drawn.
        auto whole = [](float v) { return static_cast<float>(static_cast<int>(v)); };
        const float l = whole(e().ZY), r = whole(e().GY3), y1 = whole(e().AA1), y2 = whole(e().HIDARI);
        const auto records = Trace(lines).records();
        EXPECT_TRUE(
            isSegment(records[0], Stroke{.from = At(l, y1), .to = At(r, y1), .colour = 7, .width = 4}))
            << lines[0];
        EXPECT_TRUE(
            isSegment(records[3], Stroke{.from = At(r, y1), .to = At(r, y2), .colour = 3, .width = 4}))
            << lines[3];
        auto texts = h.records().glyphs({.text = c.run});
        if (!c.runAt.empty()) {
            ASSERT_FALSE(texts.empty()) << c.run;
            EXPECT_EQ(rt::traceNumber(texts[0].x) + " " + rt::traceNumber(texts[0].y), c.runAt);
            EXPECT_EQ(texts[0].colour, 7);
        }
        if (c.riseAt.empty() && c.runAt.empty()) {
            EXPECT_TRUE(h.records().glyphs().empty());
        }
        if (!c.riseAt.empty()) {
            // The rise is written last; its corner is where its row starts.
            EXPECT_EQ(
                std::to_string(static_cast<int>(e().GY3)) + " " + std::to_string(static_cast<int>(e().DSM2)),
                c.riseAt);
            EXPECT_EQ(e().YMOTO, 3);
        }
    }
}

TEST_F(Fig, Brace) {
    h.rt().setDrawWidth(2);
    e().DSM1 = 100;
    e().DSM2 = 100;
    e().TANI = 100;
    e().YMOTO = 0;
    e().DrawBrace();
    EXPECT_EQ(h.lines(), std::vector<std::string>{
                             "poly 0 5 7 135 105 123 108 123 140.5 108 147.5 123 154.5 123 187 135 190"});
    EXPECT_EQ(h.rt().drawWidth(), 2);
    EXPECT_EQ(e().DSM1, 100);
    EXPECT_EQ(e().DSM2, 100);
}

TEST_F(Fig, EliminationColumns) {
    struct Case {
        const char* upper;
        const char* lower;
        const char* op;
        float row;
    } cases[] = {
        {"3x+2y=12", "x-y=1", "-", 50},
        {"x=1", "2x+5y=-10", "+", 50},
        {"x+y=5", "x+y=5", "-", 70},
    };
    for (const Case& c : cases) {
        e().A_s = c.upper;
        e().MeasureMathText();
        float w = e().BAI;
        e().A_s = c.lower;
        e().MeasureMathText();
        w = std::max(w, e().BAI);
        h.clear();
        h.rt().setDrawWidth(5);
        e().DSM1 = 40;
        e().DSM2 = 80;
        e().YY_s = c.upper;
        e().T_s = c.lower;
        e().FY_s = c.op;
        e().Y_rowH = c.row;
        e().NO = 0;
        e().YMOTO = 0;
        e().DrawEliminationColumns();
        std::vector<Segment> lines;
        for (const Segment& s : h.records().segments())
            if (s.x1 == 67 && s.width == 3) lines.push_back(s);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].y1, 80 + 2 * c.row);
        EXPECT_NEAR(lines[0].x2, 67 + w + 30, 0.01f);
        EXPECT_EQ(lines[0].width, 3);  // the rule's pen
        EXPECT_EQ(h.rt().drawWidth(), 5);
        EXPECT_EQ(e().B2_row, 80 + c.row);
        EXPECT_EQ(e().GX5, 94);
        auto close = h.records().glyphs({.text = ")"});
        ASSERT_EQ(close.size(), 1u);
        EXPECT_EQ(close[0].y, 80 + c.row + 6);
        EXPECT_GT(close[0].x, 40);
    }
}

TEST_F(Fig, IntersectLines) {
    struct Case {
        float l1[4], l2[4];
        float lt1, b1, ay1, by1, meet, vert1, vert2;
    } cases[] = {
        {{0, 0, 2, 4}, {0, 3, 3, 0}, 2, -1, 1, 2, -1, 0, 0},
        {{5, 0, 5, 9}, {0, 1, 2, 5}, 1000, 2, 5, 11, -1, -1, 0},
        {{0, 7, 4, 7}, {3, 0, 3, 1}, 0, 1000, 3, 7, -1, 0, -1},
        // A slope of exactly 1000 is not a vertical line.
        {{0, 0, 1, 1000}, {0, 500, 9, 500}, 1000, 0, 0.5f, 500, -1, 0, 0},
        // Parallel, horizontal twice, vertical twice: no single point.
        {{0, 0, 1, 1}, {0, 1, 1, 2}, 1, 1, 99, 99, 0, 0, 0},
        {{0, 1, 5, 1}, {0, 2, 5, 2}, 0, 0, 99, 99, 0, 0, 0},
        {{1, 0, 1, 5}, {2, 0, 2, 5}, 1000, 1000, 2, 99, 0, -1, -1},
        // Two equal points make a horizontal line.
        {{2, 3, 2, 3}, {0, 0, 1, 1}, 0, 1, 3, 3, -1, 0, 0},
    };
    for (const Case& c : cases) {
        e().TAKASA = c.l1[0];
        e().BX = c.l1[1];
        e().YA = c.l1[2];
        e().CX = c.l1[3];
        e().CCC0 = c.l2[0];
        e().HYOUJI = c.l2[1];
        e().CY = c.l2[2];
        e().AAAX = c.l2[3];
        e().AY1 = 99;
        e().BY1 = 99;
        e().IntersectLines();
        EXPECT_EQ(e().LT1, c.lt1);
        EXPECT_EQ(e().B1_slope2, c.b1);
        EXPECT_NEAR(e().AY1, c.ay1, 1e-4);
        EXPECT_NEAR(e().BY1, c.by1, 1e-3);
        EXPECT_EQ(e().MEET, c.meet);
        EXPECT_EQ(e().VERT1, c.vert1);
        EXPECT_EQ(e().VERT2, c.vert2);
    }
    EXPECT_TRUE(h.lines().empty());
}

TEST_F(Fig, PerpendicularFootLeavesThePlaneAlone) {
    e().TAKASA = 0;
    e().BX = 0;
    e().YA = 2;
    e().CX = 2;
    e().CCC0 = 0;
    e().HYOUJI = 2;
    e().MarkPerpendicularFoot();
    EXPECT_EQ(h.lines(), std::vector<std::string>{"circle 1 1 2 15 0 0 1 -1 3"});
}

TEST_F(Fig, GraphPaper) {
    h.rt().setDrawWidth(2);
    e().A41 = 968;
    e().I_top = 60;
    e().ZX1 = 12;
    e().X8 = 20;
    e().NAKA = 25;
    e().NO = 15;
    e().TKAI2 = 6;
    e().DrawGrid();
    EXPECT_TRUE(h.lines().empty());
    EXPECT_EQ(e().TATE, 968);
    EXPECT_EQ(e().t0001, 560);
    EXPECT_EQ(e().GY1, 1268);
    EXPECT_EQ(e().GX3, 560);
    EXPECT_EQ(e().ZX, 60);
    EXPECT_EQ(e().TKAI2, 6);

    e().A41 = 152;
    e().I_top = 130;
    e().ZX1 = 15;
    e().X8 = 3;
    e().NAKA = 70;
    e().NO = 3;
    e().DrawGrid();
    int heavy = 0, thin = 0;
    for (const Segment& l : h.records().segments()) {
        if (l.colour == 14 && l.kind == 0 && l.fill == -1 && l.width == 3) ++heavy;
        if (l.colour == 3 && l.kind == 0 && l.fill == -1 && l.width == 1) ++thin;
    }
    EXPECT_EQ(heavy, 4 + 1);
    EXPECT_EQ(thin, 12 + 3);
    EXPECT_EQ(e().TKAI2, 14);
    EXPECT_EQ(h.rt().drawWidth(), 2);
}

TEST_F(Fig, DirectionAngles) {
    struct Case {
        float x, y, degrees;
    } cases[] = {
        {200, 100, 0}, {0, 100, 180}, {100, 0, 90},    {100, 200, 270}, {200, 0, 44.99996f},
        {0, 0, 135},   {0, 200, 225}, {200, 200, 315}, {100, 100, 180},
    };
    for (const Case& c : cases) {
        e().P2 = 100;
        e().BB = 100;
        e().ZY0 = c.x;
        e().A21 = c.y;
        e().GetDirectionAngle();
        EXPECT_NEAR(e().t0004, c.degrees, 2e-3) << c.x << "," << c.y;
        EXPECT_EQ(e().ZY0, c.x);
    }
}

TEST_F(Fig, RayAnglesAndRightAngleMark) {
    e().P2 = 100;
    e().BB = 100;
    e().ZY0 = 200;
    e().A21 = 100;
    e().FMAESU = 100;
    e().KAKKO1 = 0;
    e().BAIY = 0;
    e().GetRayAngles();
    EXPECT_FLOAT_EQ(e().YY1, 0);
    EXPECT_FLOAT_EQ(e().XX1, 1);
    EXPECT_FLOAT_EQ(e().ZX2, 1.570795f);
    EXPECT_FLOAT_EQ(e().AIDA1, 0.75f);
    EXPECT_FLOAT_EQ(e().ZY2, 0.7853975f);
    e().BAIY = -1;
    e().GetRayAngles();
    EXPECT_FLOAT_EQ(e().YY1, 1.570795f);
    EXPECT_FLOAT_EQ(e().AIDA1, 1);
    EXPECT_NEAR(e().ZY2, 3.926988f, 1e-5);

    e().P = 25;
    e().NO = 5;
    e().BAIY = 0;
    e().DrawRightAngleMark();
    auto poly = h.records().polygons();
    ASSERT_EQ(poly.size(), 1u);
    ASSERT_EQ(poly[0].points.size(), 3u);
    const float want[] = {125, 100, 125, 75, 100, 75};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(poly[0].points[i].x, want[2 * i], 1e-3);
        EXPECT_NEAR(poly[0].points[i].y, want[2 * i + 1], 1e-3);
    }
    EXPECT_EQ(e().BAIY, 0);
    EXPECT_EQ(e().P, 25);
}

TEST_F(Fig, AngleLabelPlacementAndReset) {
    struct Case {
        const char* label;
        float fx, fy;  // second ray point; the first is (200, 100)
        float baiy;
        float p;
        bool up;
    } cases[] = {
        {"A", 200, 120, 0, 0, false},  // bisector about straight right
        {"ﾀ1/2ﾀ", 200, 120, 0, 0, false},
        {"B", 0, 100, 0, 10, true},  // bisector straight up
    };
    for (const Case& c : cases) {
        e().A_s = c.label;
        e().MeasureMathText();
        const float w = e().BAI;
        const float hgt = std::string(c.label).find("ﾀ") != std::string::npos ? 40 : 22;
        h.clear();
        e().P2 = 100;
        e().BB = 100;
        e().ZY0 = 200;
        e().A21 = 100;
        e().FMAESU = c.fx;
        e().KAKKO1 = c.fy;
        e().BAIY = c.baiy;
        e().P = c.p;
        e().SIZE = 3;
        e().CCC3 = 4;
        e().X_3 = 0;
        e().IB8_s = c.label;
        e().YMOTO = 0;
        e().DrawAngleLabel();
        // The bisector's angle is known from GetRayAngles.
        const float zy2 = e().ZY2;
        const float x = 100 + c.p * std::cos(zy2) + w * (std::cos(zy2) / 2 - 0.5f) + 3;
        const float y = 100 - c.p * std::sin(zy2) - 2 * hgt * (std::sin(zy2) / 2 + 0.5f) + 4;
        if (c.up) {
            EXPECT_NEAR(x, 100 - w / 2 + 3, 0.01f);
            EXPECT_NEAR(y, 100 - c.p - 2 * hgt + 4, 0.01f);
        }
        EXPECT_FALSE(h.records().glyphs().empty());
        EXPECT_NEAR(e().DSM2, y, 0.01f) << c.label;
        (void)x;
        EXPECT_EQ(e().BAIY, 0);
        EXPECT_EQ(e().P, 0);
        EXPECT_EQ(e().SIZE, 0);
        EXPECT_EQ(e().CCC3, 0);
        EXPECT_EQ(e().IB8_s, "");
    }
    // With nothing set again, a second label draws nothing.
    h.clear();
    e().DrawAngleLabel();
    EXPECT_TRUE(h.records().glyphs().empty());
}

TEST_F(Fig, AngleDegreesAndArcs) {
    auto rays = [&](float x1, float y1, float x2, float y2) {
        e().P2 = 100;
        e().BB = 100;
        e().ZY0 = x1;
        e().A21 = y1;
        e().FMAESU = x2;
        e().KAKKO1 = y2;
        e().BAIY = 0;
    };
    rays(200, 100, 100, 0);
    e().FormatAngleDegrees();
    EXPECT_EQ(e().HH2_s, "90");
    rays(100, 0, 200, 100);
    e().FormatAngleDegrees();
    EXPECT_EQ(e().HH2_s, "270");

    struct Case {
        float xx;
        int arcs;
        bool sector;
    } cases[] = {{7, 1, false}, {2.5f, 2, false}, {0.5f, 1, false}, {0, 0, true}, {-1, 0, true}};
    for (const Case& c : cases) {
        h.clear();
        rays(200, 100, 100, 0);
        e().XX = c.xx;
        e().P = 40;
        e().NO = 5;
        e().TKAI2 = 3;
        e().IB8_s.clear();
        e().DrawAngleArcs();
        auto circles = h.records().dots();
        if (c.sector) {
            ASSERT_EQ(circles.size(), 1u);
            EXPECT_EQ(circles[0].r, 40);
            EXPECT_TRUE(circles[0].filled);
        } else {
            ASSERT_EQ(static_cast<int>(circles.size()), c.arcs) << c.xx;
            EXPECT_EQ(circles[0].r, 32);
            EXPECT_FLOAT_EQ(circles[0].start, 0.75f);  // from the second ray
            EXPECT_FLOAT_EQ(circles[0].end, 1);        // to the first
        }
    }
}

TEST_F(Fig, ArcOverSegment) {
    struct Case {
        float x1, y1, x2, y2, height, side, step;
        int dots;
        float apexX, apexY;
    } cases[] = {
        {100, 300, 300, 300, 20, 1, 10, 19, 200, 320}, {100, 300, 300, 300, 20, -1, 10, 19, 200, 280},
        {100, 300, 300, 300, 1, -1, 4, 46, 200, 284},  {100, 300, 300, 300, -20, 0, 7, 26, 200, 280},
        {200, 400, 200, 200, 20, 1, 10, 19, 220, 300},
    };
    for (const Case& c : cases) {
        h.clear();
        e().P2 = c.x1;
        e().BB = c.y1;
        e().ZY0 = c.x2;
        e().A21 = c.y2;
        e().Y_3 = c.height;
        e().XG = c.side;
        e().TANI = c.step;
        e().NO = 7;
        e().IB8_s.clear();
        e().DrawArcOverSegment();
        auto circles = h.records().dots();
        EXPECT_EQ(static_cast<int>(circles.size()), c.dots);
        EXPECT_NEAR(e().P2, c.apexX, 1e-2);
        EXPECT_NEAR(e().BB, c.apexY, 1e-2);
        EXPECT_EQ(e().ZY0, c.x1);
        EXPECT_EQ(e().A21, c.y1);
        EXPECT_EQ(e().FMAESU, c.x2);
        EXPECT_EQ(e().KAKKO1, c.y2);
        for (const auto& d : circles) EXPECT_EQ(d.r, 0.5f);
    }
    // The dots run from start to end on the right side.
    h.clear();
    e().P2 = 100;
    e().BB = 300;
    e().ZY0 = 300;
    e().A21 = 300;
    e().Y_3 = 20;
    e().XG = 1;
    e().TANI = 10;
    e().DrawArcOverSegment();
    auto circles = h.records().dots();
    EXPECT_NEAR(circles.front().x, 100, 1e-2);
    EXPECT_NEAR(circles.back().x, 300, 1e-2);
    EXPECT_EQ(e().Y_3, 20);
}

TEST_F(Fig, ArcOverSegmentLabel) {
    struct Case {
        float side;
        const char* label;
        float y;
    } cases[] = {{1, "16㎝", 320}, {-1, "16㎝", 236}, {-1, "ﾀ1/2ﾀ", 200}, {0, "16㎝", 280}};
    for (const Case& c : cases) {
        e().A_s = c.label;
        e().MeasureMathText();
        const float w = e().BAI;
        e().P2 = 100;
        e().BB = 300;
        e().ZY0 = 300;
        e().A21 = 300;
        e().Y_3 = 20;
        e().XG = c.side;
        e().TANI = 10;
        e().IB8_s = c.label;
        e().SIZE = 0;
        e().CCC3 = 0;
        e().YMOTO = 0;
        // Measure where the label starts by drawing it ourselves: DrawMathText
        // leaves DSM2 at the label's top.
        e().DrawArcOverSegment();
        EXPECT_NEAR(e().DSM2, c.y, 0.05f) << c.side << c.label;
        EXPECT_NEAR(e().DSM1, 200 - w / 2 + w, 0.05f);
        EXPECT_EQ(e().IB8_s, "");
    }
}

TEST_F(Fig, ArcOverSegmentOddInputsStayFinite) {
    struct Case {
        float x2, y2, step;
    } cases[] = {{100, 300, 10}, {300, 300, 0}, {300, 300, -5}};
    for (const Case& c : cases) {
        h.clear();
        e().P2 = 100;
        e().BB = 300;
        e().ZY0 = c.x2;
        e().A21 = c.y2;
        e().Y_3 = 20;
        e().XG = 1;
        e().TANI = c.step;
        e().IB8_s.clear();
        e().DrawArcOverSegment();
        EXPECT_EQ(h.text().find("nan"), std::string::npos);
        if (c.step <= 0) {
            EXPECT_EQ(h.records().dots().size(), 1u);
        }
    }
}

TEST_F(Fig, Ticks) {
    e().TAKASA = 0;
    e().BX = 0;
    e().YA = 100;
    e().CX = 0;
    e().ENZAN = 1;
    e().B_1 = 1;
    e().P = 10;
    e().XX = 2;
    e().NO = 0;
    e().DrawDivisionTicks();
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"line 56 5 66 0 0 0 -1 3", "line 56 -5 66 0 0 0 -1 3",
                                                   "line 72 5 82 0 0 0 -1 3", "line 72 -5 82 0 0 0 -1 3"}));
    h.clear();
    e().GX1 = 8;
    e().BAIY = -12;
    e().XX = 2;
    e().P = 6;
    e().DrawEqualLengthTicks();
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"line 46 -6 46 6 0 0 -1 3", "line 54 -6 54 6 0 0 -1 3"}));
    EXPECT_EQ(e().GX1, 24);
    struct Count {
        float xx;
        std::size_t marks;
    } counts[] = {{7, 1}, {-1, 1}, {0.5f, 1}, {2.9f, 2}};
    for (const Count& c : counts) {
        h.clear();
        e().XX = c.xx;
        e().DrawDivisionTicks();
        EXPECT_EQ(h.lines().size(), 2 * c.marks) << c.xx;
    }
    h.clear();
    e().YA = 0;  // coincident ends: nothing, rather than NaN
    e().DrawDivisionTicks();
    e().DrawEqualLengthTicks();
    EXPECT_TRUE(h.lines().empty());
}

TEST_F(Fig, PolygonAndLetters) {
    // Rectangle ABCD in 10-unit cells, y up: A (0,6) B (0,0) C (8,0) D (8,6).
    const float v[4][2] = {{100, 40}, {100, 100}, {180, 100}, {180, 40}};
    for (int k = 0; k < 4; ++k) {
        e().R1A(k + 1, 1) = v[k][0];
        e().R1A(k + 1, 2) = v[k][1];
    }
    h.rt().setDrawWidth(2);
    e().t0006 = 4;
    e().NAGASA = 5;
    e().NO = 0;
    e().IB8_s = "A";
    e().P = 12;
    e().YMOTO = 0;
    e().DrawPolygon();
    const auto lines = h.lines("line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(isSegment(Trace(lines).records()[3],
                          Stroke{.from = At(180, 40), .to = At(100, 40), .colour = 0, .width = 5}))
        << lines[3];
    for (const char* letter : {"A", "B", "C", "D"})
        EXPECT_EQ(h.records().glyphs({.text = letter}).size(), 1u) << letter;
    EXPECT_EQ(e().IB8_s, "");
    EXPECT_EQ(e().P, 0);
    EXPECT_EQ(e().P1, 12);
    EXPECT_EQ(h.rt().drawWidth(), 2);
    // The last label (D) lies on the bisector at 18.43 degrees.
    EXPECT_NEAR(std::fmod(e().ZY2 * 180 / 3.14159f, 360.0f), 18.43f, 0.01f);

    // Label directions of the other corners.
    const float want[] = {116.57f, 198.43f, 296.57f};
    for (int k = 1; k <= 3; ++k) {
        e().P2 = v[k - 1][0];
        e().BB = v[k - 1][1];
        e().ZY0 = v[k % 4][0];
        e().A21 = v[k % 4][1];
        e().FMAESU = v[(k + 1) % 4][0];
        e().KAKKO1 = v[(k + 1) % 4][1];
        e().BAIY = -1;
        e().GetRayAngles();
        EXPECT_NEAR(std::fmod(e().ZY2 * 180 / 3.14159f, 360.0f), want[k - 1], 0.01f);
    }

    h.clear();
    e().X_s(1) = "P";
    e().X_s(2) = "Q";
    e().X_s(3) = "R";
    e().t0006 = 3;
    e().IB8_s = "1";
    e().P = 0;
    e().DrawPolygon();
    for (const char* name : {"P", "Q", "R"}) EXPECT_EQ(h.records().glyphs({.text = name}).size(), 1u) << name;
    h.clear();
    e().IB8_s = "";
    e().P = 7;
    e().DrawPolygon();
    EXPECT_TRUE(h.records().glyphs().empty());
    EXPECT_EQ(e().P, 7);
}

TEST_F(Fig, FactorWithPrimes) {
    e().TX = 360;
    e().FactorWithPrimes();
    EXPECT_EQ(e().KASANARI, 3);
    EXPECT_EQ(e().R1A(1, 1), 2);
    EXPECT_EQ(e().R1A(1, 2), 3);
    EXPECT_EQ(e().R1A(2, 1), 3);
    EXPECT_EQ(e().R1A(2, 2), 2);
    EXPECT_EQ(e().R1A(3, 1), 5);
    EXPECT_EQ(e().R1A(3, 2), 1);
    EXPECT_EQ(e().R1A(4, 1), 0);
    EXPECT_EQ(e().R1A(10, 1), 1);
    EXPECT_EQ(e().R1A(10, 2), 1);
    EXPECT_EQ(e().TX, 360);
    EXPECT_EQ(e().Y7(10), 29);

    e().TX = -62;
    e().FactorWithPrimes();
    EXPECT_EQ(e().KASANARI, 1);
    EXPECT_EQ(e().R1A(1, 1), 2);
    EXPECT_EQ(e().R1A(10, 1), 31);
    EXPECT_EQ(e().TX, 62);

    e().TX = 0;  // ends, with no factors
    e().FactorWithPrimes();
    EXPECT_EQ(e().KASANARI, 0);
    EXPECT_EQ(e().R1A(1, 1), 0);
    EXPECT_EQ(e().R1A(10, 2), 1);
}

TEST_F(Fig, LineBoundPoint) {
    struct Case {
        float p[4], atX, atY, x, y;
    } cases[] = {
        {{0, 1, 2, 5}, 3, -1, 3, 7},     // slope 2, intercept 1, at x 3
        {{0, 1, 2, 5}, -1, 9, 4, 9},     // at y 9
        {{0, 1, 2, 5}, -1, -1, -1, -1},  // both negative: the x decides
        {{4, 0, 4, 8}, -1, 6, 4, 6},     // vertical: at a y
        {{0, 3, 5, 3}, 2, -1, 2, 3},     // horizontal: at an x
    };
    for (const Case& c : cases) {
        e().TAKASA = c.p[0];
        e().BX = c.p[1];
        e().YA = c.p[2];
        e().CX = c.p[3];
        e().CCC0 = c.atX;
        e().HYOUJI = c.atY;
        e().DS1 = 99;
        e().HENKA = 99;
        e().FindLineBoundPoint();
        EXPECT_EQ(e().DS1, c.x);
        EXPECT_EQ(e().HENKA, c.y);
    }
}

TEST_F(Fig, TurnArrowHead) {
    struct Case {
        float degrees, x, y;
    } cases[] = {{0, 300, 100}, {180, 100, 100}, {90, 200, 70}};
    for (const Case& c : cases) {
        e().P2 = 100;
        e().BB = 100;
        e().ZY0 = 300;
        e().A21 = 100;
        e().KAKUDO = c.degrees;
        e().Y_3 = 30;
        e().TurnArrowHead();
        EXPECT_NEAR(e().XI0, c.x, 0.05f) << c.degrees;
        EXPECT_NEAR(e().SITA, c.y, 0.05f) << c.degrees;
    }
}

}  // namespace
