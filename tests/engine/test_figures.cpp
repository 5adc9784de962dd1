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

namespace ink = lesson::ink;
using lesson::Corner;
using lesson::Engine;
using lesson::Point;
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
    void arrow(float tailX, float tailY, float headX, float headY, bool headAtFrom = false,
               bool twice = false) {
        e().DrawArrow({.from = {tailX, tailY},
                       .to = {headX, headY},
                       .colour = ink::emphasis,
                       .headLength = 16,
                       .headAtFrom = headAtFrom,
                       .twice = twice});
    }
    Headless h;
};

TEST_F(Fig, ArrowHeads) {
    arrow(100, 200, 200, 200);
    EXPECT_EQ(h.lines(),
              (std::vector<std::string>{"line 100 200 200 200 3 0 -1 3", "line 184 208 200 200 3 0 -1 3",
                                        "line 184 192 200 200 3 0 -1 3"}));
    h.clear();
    arrow(300, 400, 300, 250);
    EXPECT_EQ(h.lines(),
              (std::vector<std::string>{"line 300 400 300 250 3 0 -1 3", "line 308 266 300 250 3 0 -1 3",
                                        "line 292 266 300 250 3 0 -1 3"}));
}

TEST_F(Fig, ArrowFlags) {
    // The head at the first end.
    arrow(100, 200, 200, 200, true);
    EXPECT_FALSE(
        h.records()
            .segments(Stroke{.from = At(116, 192), .to = At(100, 200), .colour = ink::emphasis, .width = 3})
            .empty());
    h.clear();
    arrow(100, 200, 200, 200, true, true);  // heads at both ends
    EXPECT_FALSE(
        h.records()
            .segments(Stroke{.from = At(116, 192), .to = At(100, 200), .colour = ink::emphasis, .width = 3})
            .empty());
    EXPECT_FALSE(
        h.records()
            .segments(Stroke{.from = At(184, 208), .to = At(200, 200), .colour = ink::emphasis, .width = 3})
            .empty());
    h.clear();
    arrow(100, 200, 200, 200, false, true);  // the same single head twice
    // No head at the tail: no segment starts at x 116, at any height.
    const auto tailHeads = h.records().segments({.from = lesson::testing::Near{116, 200, 0.5f, 1000}});
    EXPECT_TRUE(tailHeads.empty());
    EXPECT_EQ(
        h.records()
            .segments(Stroke{.from = At(184, 208), .to = At(200, 200), .colour = ink::emphasis, .width = 3})
            .size(),
        2u);
}

TEST_F(Fig, ArrowWithCoincidentEndsHasNoHead) {
    arrow(150, 150, 150, 150, false, true);
    for (const auto& r : h.records().records()) {
        EXPECT_TRUE(isSegment(
            r, Stroke{.from = At(150, 150), .to = At(150, 150), .colour = ink::emphasis, .width = 3}))
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
        const std::string flags = c.flags;
        const lesson::IncreaseArrows legs =
            e().DrawIncreaseArrows({c.x1, c.y1}, {c.x2, c.y2}, 40, flags[0] == 'y', flags[1] == 'y');
        EXPECT_EQ(legs.run, c.run);
        EXPECT_EQ(legs.rise, c.rise);
        EXPECT_EQ(h.rt().drawWidth(), 2);  // the arrows draw in pen 4 and leave the caller's pen
        EXPECT_LE(legs.start.x, legs.end.x);
        EXPECT_EQ(legs.corner, (Point{legs.end.x, legs.start.y}));
        const auto lines = h.lines("line");  // the arrows come first
        ASSERT_GE(lines.size(), 6u);
        // Whole places, as the arrows are drawn.
        auto whole = [](float v) { return static_cast<float>(static_cast<int>(v)); };
        const float l = whole(legs.start.x), r = whole(legs.end.x), y1 = whole(legs.start.y),
                    y2 = whole(legs.end.y);
        const auto records = Trace(lines).records();
        EXPECT_TRUE(isSegment(records[0],
                              Stroke{.from = At(l, y1), .to = At(r, y1), .colour = ink::heading, .width = 4}))
            << lines[0];
        EXPECT_TRUE(isSegment(
            records[3], Stroke{.from = At(r, y1), .to = At(r, y2), .colour = ink::emphasis, .width = 4}))
            << lines[3];
        auto texts = h.records().glyphs({.text = c.run});
        if (!c.runAt.empty()) {
            ASSERT_FALSE(texts.empty()) << c.run;
            EXPECT_EQ(rt::traceNumber(texts[0].x) + " " + rt::traceNumber(texts[0].y), c.runAt);
            EXPECT_EQ(texts[0].colour, ink::heading);
        }
        if (c.riseAt.empty() && c.runAt.empty()) {
            EXPECT_TRUE(h.records().glyphs().empty());
        }
        EXPECT_EQ(legs.runAt.has_value(), !c.runAt.empty());
        EXPECT_EQ(legs.riseAt.has_value(), !c.riseAt.empty());
        if (!c.riseAt.empty()) {
            // The rise is written last; its corner is where its row starts.
            EXPECT_EQ(std::to_string(static_cast<int>(legs.riseAt->x)) + " " +
                          std::to_string(static_cast<int>(legs.riseAt->y)),
                      c.riseAt);
            EXPECT_EQ(h.records().glyphs().back().colour, ink::emphasis);
        }
    }
}

TEST_F(Fig, Brace) {
    h.rt().setDrawWidth(2);
    e().DrawBrace({100, 100}, 100, ink::text);
    EXPECT_EQ(h.lines(), std::vector<std::string>{
                             "poly 0 5 7 135 105 123 108 123 140.5 108 147.5 123 154.5 123 187 135 190"});
    EXPECT_EQ(h.rt().drawWidth(), 2);
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
        const float w = std::max(e().MeasureMathText(c.upper), e().MeasureMathText(c.lower));
        h.clear();
        h.rt().setDrawWidth(5);
        const auto drawn = e().DrawEliminationColumns(
            {.at = {40, 80}, .upper = c.upper, .lower = c.lower, .op = c.op, .rowHeight = c.row});
        std::vector<Segment> lines;
        for (const Segment& s : h.records().segments())
            if (s.x1 == 67 && s.width == 3) lines.push_back(s);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].y1, 80 + 2 * c.row);
        EXPECT_NEAR(lines[0].x2, 67 + w + 30, 0.01f);
        EXPECT_EQ(lines[0].width, 3);  // the rule's pen
        EXPECT_EQ(h.rt().drawWidth(), 5);
        EXPECT_EQ(drawn.lowerRow, 80 + c.row);
        EXPECT_EQ(drawn.column, 94);
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
        const lesson::LineCrossing x = Engine::IntersectLines({c.l1[0], c.l1[1]}, {c.l1[2], c.l1[3]},
                                                              {c.l2[0], c.l2[1]}, {c.l2[2], c.l2[3]});
        EXPECT_EQ(x.slope1, c.lt1);
        EXPECT_EQ(x.slope2, c.b1);
        EXPECT_EQ(x.at.has_value(), c.meet == -1);
        if (x.at) {
            EXPECT_NEAR(x.at->x, c.ay1, 1e-4);
            EXPECT_NEAR(x.at->y, c.by1, 1e-3);
        }
        EXPECT_EQ(x.vertical1, c.vert1 == -1);
        EXPECT_EQ(x.vertical2, c.vert2 == -1);
        // A vertical line has no intercept.
        EXPECT_EQ(x.intercept1.has_value(), !x.vertical1);
        EXPECT_EQ(x.intercept2.has_value(), !x.vertical2);
    }
    const lesson::LineCrossing first = Engine::IntersectLines({0, 0}, {2, 4}, {0, 3}, {3, 0});
    EXPECT_EQ(first.intercept1, 0);
    EXPECT_EQ(first.intercept2, 3);
    EXPECT_TRUE(h.lines().empty());
}

TEST_F(Fig, PerpendicularFootLeavesThePlaneAlone) {
    EXPECT_EQ(e().MarkPerpendicularFoot({0, 0}, {2, 2}, {0, 2}), (Point{1, 1}));
    EXPECT_EQ(h.lines(), std::vector<std::string>{"circle 1 1 2 15 0 0 1 -1 3"});
    // Vertical and horizontal lines.
    EXPECT_EQ(e().MarkPerpendicularFoot({3, 0}, {3, 5}, {0, 2}), (Point{3, 2}));
    EXPECT_EQ(e().MarkPerpendicularFoot({0, 4}, {5, 4}, {2, 0}), (Point{2, 4}));
}

TEST_F(Fig, GraphPaper) {
    h.rt().setDrawWidth(2);
    const lesson::PlaneFrame paper =
        e().DrawGrid({.corner = {968, 60}, .columns = 12, .rows = 20, .step = 25, .colour = ink::page});
    EXPECT_TRUE(h.lines().empty());
    EXPECT_EQ(paper.origin, (Point{968, 560}));
    EXPECT_EQ(paper.left, 968);
    EXPECT_EQ(paper.right, 1268);
    EXPECT_EQ(paper.bottom, 560);
    EXPECT_EQ(paper.top, 60);
    EXPECT_EQ(paper.step, 25);
    EXPECT_EQ(paper.ToScreen(2, 4), (Point{1018, 460}));

    e().DrawGrid({.corner = {152, 130}, .columns = 15, .rows = 3, .step = 70, .colour = ink::emphasis});
    int heavy = 0, thin = 0;
    for (const Segment& l : h.records().segments()) {
        if (l.colour == ink::yellow && l.kind == 0 && !l.fill && l.width == 3) ++heavy;
        if (l.colour == ink::emphasis && l.kind == 0 && !l.fill && l.width == 1) ++thin;
    }
    EXPECT_EQ(heavy, 4 + 1);
    EXPECT_EQ(thin, 12 + 3);
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
        const lesson::Direction d = Engine::GetDirectionAngle({100, 100}, {c.x, c.y});
        EXPECT_NEAR(d.degrees, c.degrees, 2e-3) << c.x << "," << c.y;
        EXPECT_NEAR(d.radians, c.degrees * 3.14159f / 180, 1e-4);
    }
}

TEST_F(Fig, RayAnglesAndRightAngleMark) {
    Corner corner{.vertex = {100, 100}, .first = {200, 100}, .second = {100, 0}};
    lesson::RayAngles a = Engine::GetRayAngles(corner);
    EXPECT_FLOAT_EQ(a.first, 0);
    EXPECT_FLOAT_EQ(a.firstArc, 1);
    EXPECT_FLOAT_EQ(a.second, 1.570795f);
    EXPECT_FLOAT_EQ(a.secondArc, 0.75f);
    EXPECT_FLOAT_EQ(a.bisector, 0.7853975f);
    corner.exchanged = true;
    a = Engine::GetRayAngles(corner);
    EXPECT_FLOAT_EQ(a.first, 1.570795f);
    EXPECT_FLOAT_EQ(a.secondArc, 1);
    EXPECT_NEAR(a.bisector, 3.926988f, 1e-5);

    corner.exchanged = false;
    e().DrawRightAngleMark(corner, 25, ink::answer);
    auto poly = h.records().polygons();
    ASSERT_EQ(poly.size(), 1u);
    ASSERT_EQ(poly[0].points.size(), 3u);
    const float want[] = {125, 100, 125, 75, 100, 75};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(poly[0].points[i].x, want[2 * i], 1e-3);
        EXPECT_NEAR(poly[0].points[i].y, want[2 * i + 1], 1e-3);
    }
    EXPECT_EQ(poly[0].colour, ink::answer);
}

TEST_F(Fig, AngleLabelPlacementAndReset) {
    struct Case {
        const char* label;
        float fx, fy;  // second ray point; the first is (200, 100)
        bool exchanged;
        float p;
        bool up;
    } cases[] = {
        {"A", 200, 120, false, 0, false},  // bisector about straight right
        {"ﾀ1/2ﾀ", 200, 120, false, 0, false},
        {"B", 0, 100, false, 10, true},  // bisector straight up
        {"C", 0, 100, true, 10, false},  // exchanged: straight down
    };
    for (const Case& c : cases) {
        const float w = e().MeasureMathText(c.label);
        const float hgt = std::string(c.label).find("ﾀ") != std::string::npos ? 40 : 22;
        h.clear();
        const Corner corner{
            .vertex = {100, 100}, .first = {200, 100}, .second = {c.fx, c.fy}, .exchanged = c.exchanged};
        const Point at = e().DrawAngleLabel(
            {.corner = corner, .text = c.label, .distance = c.p, .dx = 3, .dy = 4, .colour = ink::text});
        // The bisector's angle is known from GetRayAngles.
        const float zy2 = Engine::GetRayAngles(corner).bisector;
        const float x = 100 + c.p * std::cos(zy2) + w * (std::cos(zy2) / 2 - 0.5f) + 3;
        const float y = 100 - c.p * std::sin(zy2) - 2 * hgt * (std::sin(zy2) / 2 + 0.5f) + 4;
        if (c.up) {
            EXPECT_NEAR(x, 100 - w / 2 + 3, 0.01f);
            EXPECT_NEAR(y, 100 - c.p - 2 * hgt + 4, 0.01f);
        }
        EXPECT_FALSE(h.records().glyphs().empty());
        EXPECT_NEAR(at.y, y, 0.01f) << c.label;
        EXPECT_NEAR(at.x, x, 0.01f) << c.label;
    }
    // An empty label draws nothing.
    h.clear();
    e().DrawAngleLabel({.corner = {.vertex = {100, 100}, .first = {200, 100}, .second = {0, 100}}});
    EXPECT_TRUE(h.records().glyphs().empty());
}

TEST_F(Fig, AngleDegreesAndArcs) {
    auto rays = [&](float x1, float y1, float x2, float y2) {
        return Corner{.vertex = {100, 100}, .first = {x1, y1}, .second = {x2, y2}};
    };
    EXPECT_EQ(Engine::FormatAngleDegrees(rays(200, 100, 100, 0)), "90");
    EXPECT_EQ(Engine::FormatAngleDegrees(rays(100, 0, 200, 100)), "270");
    EXPECT_EQ(Engine::FormatAngleDegrees(rays(200, 100, 200, 0)), "45");

    struct Case {
        float xx;
        int arcs;
        bool sector;
    } cases[] = {{7, 1, false}, {2.5f, 2, false}, {0.5f, 1, false}, {0, 0, true}, {-1, 0, true}};
    for (const Case& c : cases) {
        h.clear();
        e().DrawAngleArcs({.corner = rays(200, 100, 100, 0),
                           .count = c.xx,
                           .radius = 40,
                           .colour = ink::answer,
                           .fill = ink::emphasis});
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
        const Point top = e().DrawArcOverSegment({.from = {c.x1, c.y1},
                                                  .to = {c.x2, c.y2},
                                                  .height = c.height,
                                                  .side = c.side,
                                                  .stepDegrees = c.step,
                                                  .dotColour = ink::heading});
        auto circles = h.records().dots();
        EXPECT_EQ(static_cast<int>(circles.size()), c.dots);
        EXPECT_NEAR(top.x, c.apexX, 1e-2);
        EXPECT_NEAR(top.y, c.apexY, 1e-2);
        for (const auto& d : circles) {
            EXPECT_EQ(d.r, 0.5f);
            EXPECT_EQ(d.colour, ink::heading);
        }
    }
    // The dots run from start to end on the right side.
    h.clear();
    e().DrawArcOverSegment(
        {.from = {100, 300}, .to = {300, 300}, .height = 20, .side = 1, .stepDegrees = 10});
    auto circles = h.records().dots();
    EXPECT_NEAR(circles.front().x, 100, 1e-2);
    EXPECT_NEAR(circles.back().x, 300, 1e-2);
}

TEST_F(Fig, ArcOverSegmentLabel) {
    struct Case {
        float side;
        const char* label;
        float y;
    } cases[] = {{1, "16㎝", 320}, {-1, "16㎝", 236}, {-1, "ﾀ1/2ﾀ", 200}, {0, "16㎝", 280}};
    for (const Case& c : cases) {
        const float w = e().MeasureMathText(c.label);
        h.clear();
        e().DrawArcOverSegment({.from = {100, 300},
                                .to = {300, 300},
                                .height = 20,
                                .side = c.side,
                                .stepDegrees = 10,
                                .label = c.label,
                                .labelColour = ink::emphasis});
        EXPECT_EQ(h.records().glyphs().front().colour, ink::emphasis);
        // The label stands centred over the arc's top, its line's top at c.y:
        // its glyphs are those of the same text drawn with the pen there.
        const auto drawn = h.records().glyphs();
        h.clear();
        e().DrawMathText({c.label, {200 - w / 2, c.y}, ink::emphasis});
        const auto expected = h.records().glyphs();
        ASSERT_EQ(drawn.size(), expected.size()) << c.side << c.label;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].text, expected[i].text);
            EXPECT_NEAR(drawn[i].x, expected[i].x, 0.05f) << c.side << c.label;
            EXPECT_NEAR(drawn[i].y, expected[i].y, 0.05f) << c.side << c.label;
        }
    }
}

TEST_F(Fig, ArcOverSegmentOddInputsStayFinite) {
    struct Case {
        float x2, y2, step;
    } cases[] = {{100, 300, 10}, {300, 300, 0}, {300, 300, -5}};
    for (const Case& c : cases) {
        h.clear();
        e().DrawArcOverSegment(
            {.from = {100, 300}, .to = {c.x2, c.y2}, .height = 20, .side = 1, .stepDegrees = c.step});
        EXPECT_EQ(h.text().find("nan"), std::string::npos);
        if (c.step <= 0) {
            EXPECT_EQ(h.records().dots().size(), 1u);
        }
    }
}

TEST_F(Fig, Ticks) {
    lesson::DivisionTicks division{
        .from = {0, 0}, .to = {100, 0}, .first = 1, .second = 1, .count = 2, .size = 10, .colour = ink::text};
    e().DrawDivisionTicks(division);
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"line 56 5 66 0 0 0 -1 3", "line 56 -5 66 0 0 0 -1 3",
                                                   "line 72 5 82 0 0 0 -1 3", "line 72 -5 82 0 0 0 -1 3"}));
    h.clear();
    lesson::EqualLengthTicks equal{
        .from = {0, 0}, .to = {100, 0}, .count = 2, .gap = 8, .shift = -12, .size = 6, .colour = ink::text};
    e().DrawEqualLengthTicks(equal);
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"line 46 -6 46 6 0 0 -1 3", "line 54 -6 54 6 0 0 -1 3"}));
    // A gap of 0 or over 30 counts as 8.
    for (float gap : {0.0f, 31.0f}) {
        h.clear();
        equal.gap = gap;
        e().DrawEqualLengthTicks(equal);
        EXPECT_EQ(h.lines(),
                  (std::vector<std::string>{"line 46 -6 46 6 0 0 -1 3", "line 54 -6 54 6 0 0 -1 3"}));
    }
    struct Count {
        float xx;
        std::size_t marks;
    } counts[] = {{7, 1}, {-1, 1}, {0.5f, 1}, {2.9f, 2}};
    for (const Count& c : counts) {
        h.clear();
        division.count = c.xx;
        e().DrawDivisionTicks(division);
        EXPECT_EQ(h.lines().size(), 2 * c.marks) << c.xx;
    }
    h.clear();
    division.to = {0, 0};  // coincident ends: nothing, rather than NaN
    equal.to = {0, 0};
    e().DrawDivisionTicks(division);
    e().DrawEqualLengthTicks(equal);
    division.to = {100, 0};  // a ratio summing to 0: no point to mark
    division.second = -1;
    e().DrawDivisionTicks(division);
    EXPECT_TRUE(h.lines().empty());
}

TEST_F(Fig, PolygonAndLetters) {
    // Rectangle ABCD in 10-unit cells, y up: A (0,6) B (0,0) C (8,0) D (8,6).
    const float v[4][2] = {{100, 40}, {100, 100}, {180, 100}, {180, 40}};
    const std::vector<Point> corners{{100, 40}, {100, 100}, {180, 100}, {180, 40}};
    h.rt().setDrawWidth(2);
    e().DrawPolygon({.corners = corners,
                     .width = 5,
                     .colour = ink::text,
                     .firstLetter = "A",
                     .letterDistance = 12,
                     .letterColour = ink::text});
    const auto lines = h.lines("line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(isSegment(Trace(lines).records()[3],
                          Stroke{.from = At(180, 40), .to = At(100, 40), .colour = ink::text, .width = 5}))
        << lines[3];
    const char* letters[] = {"A", "B", "C", "D"};
    Point placed[4];
    for (int k = 0; k < 4; ++k) {
        const auto glyphs = h.records().glyphs({.text = letters[k]});
        ASSERT_EQ(glyphs.size(), 1u) << letters[k];
        placed[k] = {glyphs[0].x, glyphs[0].y};
    }
    EXPECT_EQ(h.rt().drawWidth(), 2);

    // Each letter lies on its corner's bisector (the turn from the ray to the
    // vertex after next round to the ray to the next vertex), 12 out.
    const float want[] = {116.57f, 198.43f, 296.57f, 18.43f};
    for (int k = 1; k <= 4; ++k) {
        const Corner corner{.vertex = {v[k - 1][0], v[k - 1][1]},
                            .first = {v[k % 4][0], v[k % 4][1]},
                            .second = {v[(k + 1) % 4][0], v[(k + 1) % 4][1]},
                            .exchanged = true};
        EXPECT_NEAR(std::fmod(Engine::GetRayAngles(corner).bisector * 180 / 3.14159f, 360.0f), want[k - 1],
                    0.01f);
        h.clear();
        e().DrawAngleLabel({.corner = corner, .text = letters[k - 1], .distance = 12});
        const auto glyphs = h.records().glyphs({.text = letters[k - 1]});
        ASSERT_EQ(glyphs.size(), 1u);
        EXPECT_EQ((Point{glyphs[0].x, glyphs[0].y}), placed[k - 1]) << letters[k - 1];
    }

    h.clear();
    e().DrawPolygon({.corners = {corners[0], corners[1], corners[2]}, .names = {"P", "Q", "R"}});
    for (const char* name : {"P", "Q", "R"}) EXPECT_EQ(h.records().glyphs({.text = name}).size(), 1u) << name;
    h.clear();
    e().DrawPolygon({.corners = {corners[0], corners[1], corners[2]}, .letterDistance = 7});
    EXPECT_TRUE(h.records().glyphs().empty());
    EXPECT_EQ(h.lines("line").size(), 3u);
    // No corners, nothing drawn.
    h.clear();
    e().DrawPolygon({});
    EXPECT_TRUE(h.lines().empty());
}

TEST_F(Fig, FactorWithPrimes) {
    auto powers = [](const lesson::PrimeFactors& f) {
        std::string s;
        for (const auto& p : f.powers)
            s += std::to_string(static_cast<int>(p.prime)) + "^" +
                 std::to_string(static_cast<int>(p.exponent)) + " ";
        return s;
    };
    lesson::PrimeFactors f = Engine::FactorWithPrimes(360);
    EXPECT_EQ(powers(f), "2^3 3^2 5^1 ");
    EXPECT_EQ(f.rest, 1);

    f = Engine::FactorWithPrimes(-62);
    EXPECT_EQ(powers(f), "2^1 ");
    EXPECT_EQ(f.rest, 31);

    f = Engine::FactorWithPrimes(0);  // ends, with no factors
    EXPECT_TRUE(f.powers.empty());
    EXPECT_EQ(f.rest, 0);

    // 29 is beyond the primes tried: it is left over.
    f = Engine::FactorWithPrimes(2 * 23 * 29);
    EXPECT_EQ(powers(f), "2^1 23^1 ");
    EXPECT_EQ(f.rest, 29);
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
    const lesson::LineBoundPoint sloped = Engine::FindLineBoundPoint({0, 1}, {2, 5}, 3, -1);
    EXPECT_EQ(sloped.slope, 2);
    EXPECT_EQ(sloped.intercept, 1);
    // A vertical line has neither; with no negative coordinate there is no point.
    const lesson::LineBoundPoint vertical = Engine::FindLineBoundPoint({4, 0}, {4, 8}, 1, 1);
    EXPECT_FALSE(vertical.slope.has_value());
    EXPECT_FALSE(vertical.at.has_value());
    for (const Case& c : cases) {
        const lesson::LineBoundPoint found =
            Engine::FindLineBoundPoint({c.p[0], c.p[1]}, {c.p[2], c.p[3]}, c.atX, c.atY);
        ASSERT_TRUE(found.at.has_value());
        EXPECT_EQ(found.at->x, c.x);
        EXPECT_EQ(found.at->y, c.y);
    }
}

TEST_F(Fig, TurnArrowHead) {
    struct Case {
        float degrees, x, y;
    } cases[] = {{0, 300, 100}, {180, 100, 100}, {90, 200, 70}};
    for (const Case& c : cases) {
        const Point p = Engine::TurnArrowHead({100, 100}, {300, 100}, c.degrees, 30);
        EXPECT_NEAR(p.x, c.x, 0.05f) << c.degrees;
        EXPECT_NEAR(p.y, c.y, 0.05f) << c.degrees;
    }
}

}  // namespace
