// SPDX-License-Identifier: GPL-3.0-or-later
// Topics of Plover's chapters 1 to 3, each run alone: every topic stepped to
// its end on its own number of keys, whatever an earlier screen left behind,
// and one topic of each kind checked at the places its screen gives: a table
// with arcs and an answer cell, a plane with points, a clipped line and
// reading arrows, the timetable chart with runs and crossings, and two-line
// header cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "pixels.h"
#include "plover_fixture.h"
#include "runtime/canvas_runtime.h"

namespace lesson::testing {
namespace {

// A topic's clear, whose invisible border takes the pen width an earlier
// screen left.
const SegmentQuery kTopicClear{
    .colour = ink::page, .from = At(0, 0), .to = At(1600, 1800), .kind = 2, .fill = ink::page};

// Where dots stand, whatever else they draw.
std::vector<std::pair<float, float>> centres(const std::vector<Dot>& dots) {
    std::vector<std::pair<float, float>> out;
    for (const Dot& d : dots) out.emplace_back(d.x, d.y);
    return out;
}

struct TopicCase {
    const char* name;
    PloverUnderTest::Entry topic;
    int keys;  // key presses from entry to the end
};

class PloverTopic : public ::testing::TestWithParam<TopicCase> {};

// Exactly its number of keys takes a topic to its end, and no key less.
TEST_P(PloverTopic, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    PloverRun full(steps(c.keys), c.topic);
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    EXPECT_EQ(full.waits(), c.keys) << c.name;
    PloverRun shortOfOne(steps(c.keys - 1), c.topic);
    EXPECT_FALSE(shortOfOne.ended()) << c.name;
}

// Whatever an earlier screen left in the pen and font, the values per grid
// step, the label shifts, the cell width and the arc settings, the topic
// draws the same.
TEST_P(PloverTopic, SameScreenWhateverRanBefore) {
    const TopicCase& c = GetParam();
    PloverRun fresh(steps(c.keys), c.topic);
    PloverRun afterOthers(steps(c.keys), c.topic, [](Plover& p) {
        p.Rt().setDrawWidth(8);
        p.Rt().setFontName("Times New Roman");
        p.Rt().setFontSize(40);
        p.Rt().setFontBold(true);
        p.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
    });
    EXPECT_EQ(firstDifference(fresh, afterOthers, kTopicClear), "") << c.name;
}

INSTANTIATE_TEST_SUITE_P(Chapters1To3, PloverTopic,
                         ::testing::Values(TopicCase{"CoolBagQuestion", &Plover::CoolBagQuestion, 4},
                                           TopicCase{"CoolBagTableMethod", &Plover::CoolBagTableMethod, 17},
                                           TopicCase{"CoolBagGraphMethod", &Plover::CoolBagGraphMethod, 13},
                                           TopicCase{"CoolBagEquationMethod", &Plover::CoolBagEquationMethod,
                                                     13},
                                           TopicCase{"CoolBagSummary", &Plover::CoolBagSummary, 15},
                                           TopicCase{"CoolBagTableHint", &Plover::CoolBagTableHint, 6},
                                           TopicCase{"CoolBagGraphHint", &Plover::CoolBagGraphHint, 7},
                                           TopicCase{"AltitudeQuestion", &Plover::AltitudeQuestion, 2},
                                           TopicCase{"AltitudeAnswer", &Plover::AltitudeAnswer, 8},
                                           TopicCase{"FerryChartQuestion", &Plover::FerryChartQuestion, 18},
                                           TopicCase{"FerryChartExercise", &Plover::FerryChartExercise, 15}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- A table with arcs and an answer cell: the table method ------------------------------

TEST(CoolBagTableMethod, TableArcsAndAnswerCell) {
    PloverRun run(steps(17), &Plover::CoolBagTableMethod);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(76, 90),
                                .to = At(228, 140),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());  // "時間(分)"
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(76, 140),
                                .to = At(228, 190),
                                .kind = 2,
                                .fill = ink::accent,
                                .width = 5})
                     .empty());  // "温度(℃)"
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(753, 140),
                                .to = At(858, 190),
                                .kind = 2,
                                .fill = ink::accent,
                                .width = 5})
                     .empty());  // "10.0"
    // The "?" cell, then "100" over it in colour 5 on fill 15.
    EXPECT_EQ(trace
                  .segments({.colour = ink::emphasis,
                             .from = At(753, 90),
                             .to = At(858, 140),
                             .kind = 2,
                             .fill = ink::page,
                             .width = 5})
                  .size(),
              2u);
    EXPECT_EQ(run.place("?"), "753 90 0");
    EXPECT_EQ(run.place("100"), "753 90 5");
    EXPECT_EQ(run.place("10.0"), "753 140 0");

    // Five arcs of dots hanging 20 below the table's bottom edge, each between
    // the middles of two neighbouring data columns.
    const auto arcDots = run.records().dots({.r = 0.5f, .colour = ink::emphasis});
    ASSERT_EQ(arcDots.size(), 5u * 17u);
    for (int k = 1; k <= 5; ++k) {
        const float from = 280 + 105 * (k - 1), to = from + 105;
        float deepest = 0;
        for (std::size_t i = 17 * (k - 1); i < 17u * k; ++i) {
            EXPECT_GE(arcDots[i].x, from - 0.01f) << k;
            EXPECT_LE(arcDots[i].x, to + 0.01f) << k;
            EXPECT_GE(arcDots[i].y, 190 - 0.01f) << k;
            deepest = std::max(deepest, arcDots[i].y);
        }
        EXPECT_NEAR(deepest, 210, 0.1f) << k;
    }
    // The labels: four increases in colour 0, the last difference in colour 7,
    // each with its top at the arc's deepest point.
    EXPECT_FALSE(
        trace.glyphs({.text = "2", .colour = ink::heading, .near = Near{721.5f, 210, 0.01f, 0.01f}}).empty());
    for (const char* label : {"0.6", "0.7", "0.5", "2.4"}) EXPECT_GE(run.count(label), 1) << label;

    EXPECT_EQ(run.place("①10分ごとの温度の変化は?"), "40 260 0");
    EXPECT_EQ(run.place(" およそ0.6℃ずつ上がっている。"), "495 260 3");
    EXPECT_EQ(run.place("0.06  "), "514 360 5");
    EXPECT_EQ(run.place("2.4  "), "732 410 5");
    EXPECT_EQ(run.place("40(分)  "), "579 510 5");
    EXPECT_EQ(run.place("100(分)  "), "528 560 5");
}

TEST(CoolBagTableMethod, TwoKeysAfterTheQuestionBeforeTheFirstArc) {
    EXPECT_EQ(PloverRun(steps(2), &Plover::CoolBagTableMethod)
                  .records()
                  .dots({.r = 0.5f, .colour = ink::emphasis})
                  .size(),
              0u);
    EXPECT_EQ(PloverRun(steps(3), &Plover::CoolBagTableMethod)
                  .records()
                  .dots({.r = 0.5f, .colour = ink::emphasis})
                  .size(),
              17u);
    EXPECT_EQ(PloverRun(steps(6), &Plover::CoolBagTableMethod)
                  .records()
                  .dots({.r = 0.5f, .colour = ink::emphasis})
                  .size(),
              4u * 17u);
}

// The hint is the method's screen up to its fourth arc, without numbers.
TEST(CoolBagTableHint, MethodScreenUpToTheFourthArcUnlabelled) {
    PloverRun hint(steps(6), &Plover::CoolBagTableHint);
    PloverRun method(steps(6), &Plover::CoolBagTableMethod);
    EXPECT_EQ(centres(hint.records().dots({.r = 0.5f, .colour = ink::emphasis})),
              centres(method.records().dots({.r = 0.5f, .colour = ink::emphasis})));
    EXPECT_EQ(hint.count("0.6"), 0);
    EXPECT_EQ(method.count("0.6"), 2);
    EXPECT_EQ(hint.count("?"), 1);
}

// The question's table stops at 60 minutes; the equation method's shows the
// sought column and its four increases before the first key.
TEST(CoolBagTables, ColumnsAndArcsOnEntry) {
    PloverRun question(steps(4), &Plover::CoolBagQuestion);
    EXPECT_EQ(question.count("?"), 0);
    EXPECT_EQ(question.count("10.0"), 0);
    EXPECT_EQ(question.place("60"), "648 250 0");
    PloverRun equation("", &Plover::CoolBagEquationMethod);
    EXPECT_EQ(equation.place("x(分)"), "76 90 0");
    EXPECT_EQ(equation.place("y(℃)"), "76 140 0");
    EXPECT_EQ(equation.count("?"), 1);
    EXPECT_EQ(equation.records().dots({.r = 0.5f, .colour = ink::emphasis}).size(), 4u * 17u);
    EXPECT_EQ(equation.count("2.4"), 0);
}

// Picked again, the table method starts over with the "?" cell.
TEST(CoolBagTableMethod, PickedAgainStartsOver) {
    PloverRun run(typed("1") + typed("2") + steps(17) + " " + typed("2"));
    const auto texts = run.texts;
    int lastHundred = -1, lastQuestion = -1;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        if (texts[i].text == "100") lastHundred = i;
        if (texts[i].text == "?") lastQuestion = i;
    }
    EXPECT_EQ(run.count("?"), 2);
    EXPECT_GT(lastQuestion, lastHundred);
}

// ---- A plane with points, a clipped line and arrows: the graph method ---------------------

TEST(CoolBagGraphMethod, PointsClippedLineAndReadingArrows) {
    PloverRun run(steps(13), &Plover::CoolBagGraphMethod);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(874, 60), .to = At(874, 610), .colour = ink::text, .width = 4})
            .empty());  // y axis
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(874, 610), .to = At(1224, 610), .colour = ink::text, .width = 4})
            .empty());  // x axis
    EXPECT_EQ(run.place("分"), "1185 610 0");
    EXPECT_EQ(run.place("℃"), "824 60 0");
    const float centres[5][2] = {{924, 350}, {949, 320}, {974, 285}, {999, 260}, {1024, 230}};
    for (const auto& c : centres)
        EXPECT_FALSE(run.records()
                         .dots({.r = 6, .colour = ink::emphasis, .near = Near{c[0], c[1], 0.01f, 0.01f}})
                         .empty())
            << c[0];

    // The line y=0.06x+4 from (874,410) up to the top edge, nothing above it.
    const auto line = run.records().dots({.r = 1, .colour = ink::emphasis});
    ASSERT_FALSE(line.empty());
    EXPECT_NEAR(line.front().x, 874, 0.01f);
    EXPECT_NEAR(line.front().y, 410, 0.01f);
    for (const Dot& d : line) EXPECT_GE(d.y, 60);
    EXPECT_NEAR(line.back().x, 874 + 25 * (7.0f / 0.06f) / 10, 0.2f);
    EXPECT_NEAR(line.back().y, 60, 0.2f);
    // The third point lies off the line, the others on it.
    EXPECT_TRUE(
        run.records().dots({.r = 1, .colour = ink::emphasis, .near = Near{974, 285, 0.5f, 0.5f}}).empty());
    EXPECT_FALSE(
        run.records().dots({.r = 1, .colour = ink::emphasis, .near = Near{999, 260, 0.5f, 0.5f}}).empty());

    // One head each: at the line for the arrow across, on the x axis for the
    // one down; the dot of radius 8 on the point (100, 10).
    EXPECT_GE(run.records().segments({.colour = ink::answer, .to = Near{1124, 110, 0, 0}}).size(), 3u);
    EXPECT_EQ(run.records().segments({.colour = ink::answer, .to = Near{874, 110, 0, 0}}).size(), 0u);
    EXPECT_GE(run.records().segments({.colour = ink::answer, .to = Near{1124, 610, 0, 0}}).size(), 3u);
    EXPECT_FALSE(trace.dots(Disc{.at = At(1124, 110), .r = 8, .colour = ink::answer, .width = 5}).empty());
    EXPECT_EQ(run.place("x=100"), "318 370 5");
    EXPECT_EQ(run.place("10℃になるのは100分後"), "38 430 5");
}

TEST(CoolBagGraphMethod, TwoKeysAfterTheFifthPoint) {
    PloverRun six(steps(6), &Plover::CoolBagGraphMethod);
    EXPECT_FALSE(
        six.records().dots({.r = 6, .colour = ink::emphasis, .near = Near{1024, 230, 0.01f, 0.01f}}).empty());
    EXPECT_EQ(PloverRun(steps(7), &Plover::CoolBagGraphMethod).count("ほぼ1つの直線上に並んでいる。"), 0);
    EXPECT_EQ(PloverRun(steps(8), &Plover::CoolBagGraphMethod).place("ほぼ1つの直線上に並んでいる。"),
              "271 200 3");
}

// The summary's plane, points and line are the graph method's.
// The answer row ends 3 units or more above the status band.
TEST(CoolBagSummary, TheLastRowStaysAboveTheStatusBand) {
    PloverRun run(steps(40), &Plover::CoolBagSummary);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(inkAtStatusBand(run.runtime->canvas(), 3), 0);
}

TEST(CoolBagSummary, SamePlaneAndLineAsTheGraphMethod) {
    PloverRun summary(steps(15), &Plover::CoolBagSummary);
    PloverRun method(steps(13), &Plover::CoolBagGraphMethod);
    EXPECT_EQ(centres(summary.records().dots({.r = 1, .colour = ink::emphasis})),
              centres(method.records().dots({.r = 1, .colour = ink::emphasis})));
    EXPECT_EQ(centres(summary.records().dots({.r = 6, .colour = ink::emphasis})),
              centres(method.records().dots({.r = 6, .colour = ink::emphasis})));
    EXPECT_EQ(summary.place("①"), "40 187 0");
    EXPECT_EQ(summary.place("100"), "711 30 5");
    EXPECT_EQ(summary.place("②グラフでは、"), "40 339 0");
    EXPECT_EQ(summary.place("温度は時間の1次関数とみなして考えた。"), "76 593 5");
}

// ---- The timetable chart with runs and crossings -----------------------------------------

TEST(FerryChartQuestion, ChartRunsAndCrossings) {
    PloverRun run(steps(18), &Plover::FerryChartQuestion);
    const auto lines = run.lines();
    const Trace trace(lines);
    for (int k = 0; k <= 30; ++k) {
        const float x = 113.5f + 30 * k;
        EXPECT_FALSE(
            trace.segments(Stroke{.from = At(x, 270), .to = At(x, 510), .colour = ink::text, .width = 1})
                .empty())
            << k;
    }
    for (int j = 0; j <= 10; ++j) {
        const float x = 114 + 90 * j;
        EXPECT_FALSE(
            trace.segments(Stroke{.from = At(x, 270), .to = At(x, 510), .colour = ink::blue, .width = 3})
                .empty())
            << j;
    }
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(114, 270), .to = At(114, 510), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(114, 510), .to = At(1014, 510), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(114, 270), .to = At(1014, 270), .colour = ink::text, .width = 4})
            .empty());
    const char* labels[][2] = {{"0", "101 514 0"},   {"60", "268 514 0"},   {"300", "975 514 0"},
                               {"11時", "62 540 0"}, {"16時", "962 540 0"}, {"分", "1014 480 0"},
                               {"新潟", "18 480 0"}, {"両津", "18 270 0"}};
    for (const auto& l : labels) EXPECT_EQ(run.place(l[0]), l[1]) << l[0];

    // The runs, in the chart's pen width 4: the car ferry, then the jetfoils.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(414, 270), .to = At(864, 510), .colour = ink::emphasis, .width = 4})
            .empty());
    const Near jetfoils[][2] = {{At(204, 510), At(399, 270)},  {At(444, 510), At(639, 270)},
                                {At(819, 510), At(1014, 270)}, {At(159, 270), At(354, 510)},
                                {At(534, 270), At(729, 510)},  {At(729, 270), At(924, 510)}};
    for (const auto& j : jetfoils)
        EXPECT_FALSE(
            trace.segments(Stroke{.from = j[0], .to = j[1], .colour = ink::answer, .width = 4}).empty())
            << j[0].x << ' ' << j[0].y;
    EXPECT_FALSE(trace.dots(Disc{.at = At(414, 270), .r = 8, .colour = ink::emphasis, .width = 4}).empty());
    EXPECT_FALSE(trace.dots(Disc{.at = At(864, 510), .r = 8, .colour = ink::emphasis, .width = 4}).empty());

    // The crossings with the two jetfoils coming the other way.
    auto crossing = [](double ax, double ay, double bx, double by, double cx, double cy, double dx,
                       double dy) {
        const double t =
            ((cx - ax) * (dy - cy) - (cy - ay) * (dx - cx)) / ((bx - ax) * (dy - cy) - (by - ay) * (dx - cx));
        return std::pair<double, double>{ax + t * (bx - ax), ay + t * (by - ay)};
    };
    const auto first = crossing(414, 270, 864, 510, 444, 510, 639, 270);
    const auto second = crossing(414, 270, 864, 510, 819, 510, 1014, 270);
    EXPECT_NEAR(first.first, 571.0, 0.1);
    EXPECT_NEAR(second.first, 832.6, 0.1);
    for (const auto& [x, y] : {first, second})
        EXPECT_FALSE(run.records()
                         .dots({.r = 8,
                                .colour = ink::answer,
                                .near = Near{static_cast<float>(x), static_cast<float>(y), 0.05f, 0.05f}})
                         .empty())
            << x << "," << y;
    EXPECT_EQ(run.place("1回目…13時30分ごろ"), "790 80 5");
    EXPECT_EQ(run.place("2回目…15時ごろ"), "790 130 5");
    EXPECT_EQ(run.place("教科書P87 問1　をしなさい。"), "44 570 3");

    // Each crossing dot comes with its text.
    PloverRun before(steps(15), &Plover::FerryChartQuestion);
    EXPECT_TRUE(before.records().dots({.r = 8, .colour = ink::answer}).empty());
    PloverRun withFirst(steps(16), &Plover::FerryChartQuestion);
    EXPECT_EQ(withFirst.records().dots({.r = 8, .colour = ink::answer}).size(), 1u);
    EXPECT_EQ(withFirst.count("1回目…13時30分ごろ"), 1);
}

// The chart is the plane its place gives, whatever plane was placed before.
TEST(DrawFerryChartGrid, PlacedAsThePlaneForPlotPoints) {
    for (const float step : {30.0f, 40.0f}) {
        PlaneFrame f;
        PloverRun run(
            "",
            [step, &f](Plover& p) {
                const Lesson::PlaneView chart = p.PlaceOfFerryChart({114, 270}, step);
                p.DrawFerryChartGrid(chart);
                f = chart.frame;
            },
            [](Plover& p) {
                p.PlaceOfPlane({.left = 10,
                                .top = 10,
                                .xFrom = -7,
                                .xTo = 99,
                                .yFrom = -3,
                                .yTo = 2,
                                .step = 20,
                                .xPerStep = 0.5f,
                                .yPerStep = 4});
                p.Rt().setDrawWidth(9);
            });
        EXPECT_EQ(f.xPerStep, 10);
        EXPECT_EQ(f.yPerStep, 1);
        EXPECT_EQ(f.steps.xFrom, 0);
        EXPECT_EQ(f.steps.xTo, 30);
        EXPECT_EQ(f.steps.yFrom, 0);
        EXPECT_EQ(f.steps.yTo, 8);
        EXPECT_EQ(f.origin.x, 114);
        EXPECT_EQ(f.origin.y, 270 + 8 * step);
        EXPECT_EQ(f.left, 114);
        EXPECT_EQ(f.top, 270);
        EXPECT_EQ(f.right, 114 + 30 * step);
        EXPECT_EQ(f.bottom, f.origin.y);
        EXPECT_EQ(f.scaleSize, step < 40 ? 26 : 30);
        EXPECT_EQ(f.step, step);
        EXPECT_EQ(run.runtime->drawWidth(), 4);
        // The hours 11時 .. 16時, one every six grid steps from the origin.
        for (int h = 1; h <= 6; ++h) {
            const auto hour = run.drawn(std::to_string(10 + h) + "時");
            ASSERT_EQ(hour.size(), 1u) << h;
            EXPECT_EQ(hour[0].x, 114 + 6 * step * static_cast<float>(h - 1) - 2 * f.scaleSize) << h;
            EXPECT_EQ(hour[0].y, 270 + 8 * step + 30) << h;
        }
        // "300" centred under the right edge, moved left by one and a half sizes.
        const auto minutes = run.drawn("300");
        ASSERT_EQ(minutes.size(), 1u);
        EXPECT_EQ(minutes[0].x, 114 + 30 * step - 1.5f * f.scaleSize);
    }
}

// ---- Two-line header cells: the altitude question ---------------------------------------

TEST(AltitudeQuestion, TwoLineHeadersStationRowsAndEmptyPlane) {
    PloverRun run(steps(2), &Plover::AltitudeQuestion);
    const auto lines = run.lines();
    const Trace trace(lines);
    for (const float x : {40, 154, 268})
        EXPECT_FALSE(trace
                         .segments({.colour = ink::emphasis,
                                    .from = At(x, 190),
                                    .to = At(x + 114, 290),
                                    .kind = 2,
                                    .fill = ink::accent,
                                    .width = 5})
                         .empty())
            << x;
    // Each line centred across its cell; "観測所" alone stands 25 lower.
    auto inHeader = [&](const std::string& glyph) {
        std::vector<std::string> at;
        for (const Glyph& g : trace.glyphs({.text = glyph}))
            if (g.y >= 190 && g.y < 290) at.push_back(rt::traceNumber(g.x) + " " + rt::traceNumber(g.y));
        return at;
    };
    EXPECT_EQ(inHeader("観"), std::vector<std::string>{"46 218"});
    EXPECT_EQ(inHeader("標"), std::vector<std::string>{"177 193"});
    EXPECT_EQ(inHeader("気"), std::vector<std::string>{"291 193"});
    EXPECT_EQ(inHeader("("), (std::vector<std::string>{"157 237", "281 237"}));

    EXPECT_EQ(run.place("甲府"), "40 290 0");
    EXPECT_EQ(run.place("1.1"), "268 540 0");
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(40, 540),
                                .to = At(154, 590),
                                .kind = 2,
                                .fill = ink::accent,
                                .width = 5})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(268, 540),
                                .to = At(382, 590),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());
    // The empty plane: 41 by 25 grid steps of 15 from (482,160).
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(482, 535), .to = At(1097, 535), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(482, 160), .to = At(482, 535), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_EQ(run.place("km"), "1101 483 0");
    EXPECT_EQ(run.place("℃"), "432 176 0");
    EXPECT_TRUE(run.records().dots({.r = 6, .colour = ink::emphasis}).empty());
}

TEST(AltitudeAnswer, StationsLineAndReading) {
    PloverRun run(steps(8), &Plover::AltitudeAnswer);
    const float centres[6][2] = {{472, 158}, {496, 172}, {528, 190}, {590, 226}, {616, 242}, {1174, 578}};
    for (const auto& c : centres)
        EXPECT_FALSE(run.records()
                         .dots({.r = 6, .colour = ink::emphasis, .near = Near{c[0], c[1], 0.05f, 0.05f}})
                         .empty())
            << c[0];
    const auto line = run.records().dots({.r = 1, .colour = ink::emphasis});
    ASSERT_FALSE(line.empty());
    EXPECT_NEAR(line.front().y, 126, 0.01f);
    EXPECT_NEAR(line.back().x, 418 + 20 * 39.5f, 0.2f);
    for (const Dot& d : line) EXPECT_LE(d.y, 600);
    EXPECT_GE(run.records().segments({.colour = ink::answer, .to = Near{978, 462, 0, 0}}).size(), 3u);
    EXPECT_GE(run.records().segments({.colour = ink::answer, .to = Near{418, 462, 0, 0}}).size(), 3u);
    EXPECT_EQ(run.records().segments({.colour = ink::answer, .to = Near{978, 600, 0, 0}}).size(), 0u);
    EXPECT_FALSE(
        run.records().dots(Disc{.at = At(978, 462), .r = 8, .colour = ink::answer, .width = 5}).empty());
    EXPECT_EQ(run.place("yをxの1次関数とみなして、"), "711 30 3");
    EXPECT_EQ(run.place("およそ 7.0℃"), "38 230 5");
    EXPECT_EQ(run.place(" =6.9"), "38 530 5");
}

// ---- Question 1 of the ferry chapter ------------------------------------------------------

TEST(FerryChartExercise, JourneyLinesInPenEight) {
    PloverRun run(steps(15), &Plover::FerryChartExercise);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(886, 290), .to = At(966, 290), .colour = ink::emphasis, .width = 8})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(966, 290), .to = At(1126, 50), .colour = ink::emphasis, .width = 8})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(726, 530), .to = At(1126, 50), .colour = ink::answer, .width = 8})
            .empty());
    EXPECT_EQ(run.records().dots({.r = 0.01f, .colour = ink::text}).size(), 5u);
    EXPECT_FALSE(trace.dots(Disc{.at = At(926, 290), .r = 10, .colour = ink::heading, .width = 8}).empty());
    EXPECT_FALSE(trace.dots(Disc{.at = At(1126, 50), .r = 10, .colour = ink::heading, .width = 8}).empty());
    EXPECT_EQ(run.runtime->drawWidth(), 8);
    EXPECT_EQ(run.place("分"), "1084 534 0");
    EXPECT_EQ(run.place("km"), "582 66 0");
    EXPECT_EQ(run.place("分速ﾀ1/5ﾀkm"), "284 140 3");
    EXPECT_EQ(run.place("  時速12km"), "275 210 5");
    EXPECT_EQ(run.place("分速ﾀ3/10ﾀkm"), "316 330 3");
    EXPECT_EQ(run.place("  時速18km"), "307 400 5");
    EXPECT_EQ(run.place("問2 をやろう"), "38 460 7");
    EXPECT_EQ(run.place("9時10分"), "280 560 5");
}

}  // namespace
}  // namespace lesson::testing
