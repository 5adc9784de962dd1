// SPDX-License-Identifier: GPL-3.0-or-later
// Plover chapters 5 and 6, the worked answers of the chapter exercises: planes
// with graphs and unit labels, elimination layouts with their sign rows, the
// exercise figures, and screens that do not depend on what ran before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plover_fixture.h"

namespace lesson::testing {
namespace {

// ---- Planes with graphs and unit labels ----------------------------------------------------

TEST(ExerciseA6, DistanceTimePlaneInValuesWithUnitsAndThickSegments) {
    PloverRun run(steps(3), &Plover::ExerciseA6Answers);
    EXPECT_TRUE(run.ended());
    const auto lines = run.lines();
    const Trace trace(lines);
    // Five minutes per grid step: the x axis reads 25 and 50, the y axis 5.
    EXPECT_FALSE(trace.glyphs({.text = "25", .near = Near{930, 414, 0.1f, 0.1f}}).empty());
    EXPECT_FALSE(trace.glyphs({.text = "50", .near = Near{1130, 414, 0.1f, 0.1f}}).empty());
    EXPECT_FALSE(trace.glyphs({.text = "5", .near = Near{726, 195, 0.1f, 0.1f}}).empty());
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "分", .at = At(1155, 444), .h = 2, .v = 1, .size = 30, .bold = false})
            .empty());
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "km", .at = At(690, 34), .h = 2, .v = 1, .size = 30, .bold = false})
            .empty());
    // The units are screen texts like every other plane's, seen by the lint.
    EXPECT_EQ(run.place("km"), "690 34 0");
    // The first part ends at minute 25, 5 km; both segments at pen 8.
    EXPECT_FALSE(
        trace.dots({.r = 1, .colour = ink::text, .in = Box{959.5f, 960.5f, 209.5f, 210.5f}}).empty());
    EXPECT_TRUE(trace.dots({.r = 1, .colour = ink::text, .in = Box{961, 1300, 0, 720}}).empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(960, 210), .to = At(1200, 130), .colour = ink::text, .width = 8})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(920, 410), .to = At(1160, 50), .colour = ink::emphasis, .width = 8})
            .empty());
    EXPECT_EQ(run.place("(1)"), "19 100 3");
    EXPECT_EQ(run.drawn("  時速12km").at(0).y, 160);
    EXPECT_EQ(run.place("(2)"), "19 240 3");
    EXPECT_EQ(run.place("10時40分"), "76 300 5");
    EXPECT_EQ(run.place("家から6kmの地点"), "76 360 5");
}

TEST(ExerciseA4, ThreeLinesOfWhichOneIsVertical) {
    PloverRun run("", &Plover::ExerciseA4Answers);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.waits(), 0);
    const auto lines = run.lines();
    const Trace trace(lines);
    // x = 3/2 halfway between the grid lines 1 and 2, over the whole plane,
    // its label 10 right of the top moved by (-27, -44).
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(680, 580), .to = At(680, 100), .colour = ink::heading, .width = 5})
            .empty());
    EXPECT_FALSE(trace.glyphs({.text = "(", .near = Near{663, 56, 0.1f, 0.1f}}).empty());
    EXPECT_EQ(
        trace.dots({.r = 1, .colour = ink::answer, .in = Box{380, 860, 459.5f, 460.5f}}).size(),
        trace.dots({.r = 1, .colour = ink::answer, .in = Box{0, 1400, 0, 720}}).size());  // y = -3 is flat
    EXPECT_FALSE(trace.dots({.r = 1, .colour = ink::emphasis, .in = Box{859.5f, 860.5f, 139.5f, 140.5f}})
                     .empty());  // (6, 5)
    EXPECT_EQ(run.place("(2)"), "38 230 3");
    EXPECT_EQ(run.place("y=-3"), "76 280 3");
    EXPECT_EQ(run.place("x=ﾀ3/2ﾀ"), "76 400 3");
}

TEST(ExerciseB2, FiguresArcsAndTheGraphWithItsUnits) {
    PloverRun run(steps(3), &Plover::ExerciseB2Answers);
    EXPECT_TRUE(run.ended());
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .polygons({.filled = true,
                                .colour = ink::text,
                                .fillColour = ink::accent,
                                .width = 5,
                                .points = {{{152, 340}, {327, 340}, {432, 130}, {152, 340}}}})
                     .empty());
    EXPECT_FALSE(trace
                     .polygons({.filled = true,
                                .colour = ink::text,
                                .fillColour = ink::accent,
                                .width = 5,
                                .points = {{{712, 340}, {992, 270}, {992, 130}, {712, 340}}}})
                     .empty());
    EXPECT_EQ(run.place("(1) PがAB上"), "112 130 3");
    EXPECT_EQ(run.place("(2) PがBC上"), "672 130 3");
    EXPECT_EQ(run.place("ycm^2"), "219 280 3");
    EXPECT_EQ(run.place("y=ﾀ1/2ﾀ*x*3"), "152 490 0");
    EXPECT_EQ(run.place("y=ﾀ3/2ﾀx"), "152 570 5");
    EXPECT_EQ(run.place("y=ﾀ1/2ﾀ*(7-x)*4"), "712 420 0");
    EXPECT_EQ(run.place("y=14-2x"), "712 530 5");
    // The arc from C down to P, right of BC, every 8 degrees: 23 dots that
    // stop short of C.
    const auto pc = trace.dots({.r = 0.5f, .colour = ink::answer, .in = Box{990, 1030, 120, 280}});
    ASSERT_EQ(pc.size(), 23u);
    EXPECT_GT(std::min_element(pc.begin(), pc.end(), [](const Dot& a, const Dot& b) { return a.y < b.y; })->y,
              130.1f);
    // Screen 2: units in scaled strings and the two pieces meeting at (4, 6).
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "㎝", .at = At(921, 434), .h = 2, .v = 1, .size = 30, .bold = false})
            .empty());
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "㎝", .at = At(568, 166), .h = 2, .v = 1, .size = 30, .bold = false})
            .empty());
    EXPECT_EQ(run.place("㎝"), "921 434 0");
    EXPECT_FALSE(
        trace.glyphs(Typeset{.text = "2", .at = At(622, 156), .h = 2, .v = 2, .bold = false}).empty());
    EXPECT_FALSE(
        trace.dots({.r = 1, .colour = ink::answer, .in = Box{805.5f, 806.5f, 189.5f, 190.5f}}).empty());
    EXPECT_TRUE(trace.dots({.r = 1, .colour = ink::answer, .in = Box{0, 1400, 0, 189}}).empty());
}

// ---- Elimination layouts -----------------------------------------------------------------

TEST(ExerciseB1, EliminationInColumnsWithTheSignRowBetween) {
    PloverRun run(steps(5), &Plover::ExerciseB1Answers);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace.glyphs({.text = "0", .near = Near{814, 80, 0.1f, 0.1f}}).empty());  // upper equation
    // The lower row and all under it stand 10 lower, for the sign marks between the rows.
    EXPECT_FALSE(trace.glyphs({.text = "2", .near = Near{814, 140, 0.1f, 0.1f}}).empty());  // lower equation
    const auto rules = trace.segments({.from = Near{787, 190, 0, 0}});
    EXPECT_TRUE(std::any_of(rules.begin(), rules.end(),
                            [](const Segment& s) { return s.y2 == 190 && s.width == 3; }));
    EXPECT_EQ(run.place("①-②"), "760 30 3");
    EXPECT_EQ(run.place("+-  +  -"), "760 115 3");
    EXPECT_EQ(run.place("-2=8a"), "787 190 0");
    EXPECT_EQ(run.place("a=-ﾀ1/4ﾀ"), "814 250 3");
    EXPECT_EQ(run.place("0=6a+b…①"), "78 340 0");
    EXPECT_EQ(run.place("2=-2a+b…②"), "78 390 0");
    EXPECT_EQ(run.place("答 y=-ﾀ1/4ﾀx+ﾀ3/2ﾀ"), "760 490 5");
}

TEST(ExerciseA3, EliminationColumnsOnTheRightOfTheSystem) {
    PloverRun run("a", &Plover::ExerciseA3Answers);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.place("+ +   +  -"), "760 115 3");
    EXPECT_EQ(run.place(" 14=7a"), "814 190 0");
    EXPECT_EQ(run.place("  a=2"), "814 240 3");
    EXPECT_EQ(run.place("答 y=2x-1"), "760 490 5");
    EXPECT_EQ(run.place("-11=-5a+b…②"), "116 590 0");
    EXPECT_EQ(run.place("答 y=-3x+2"), "76 390 5");
}

TEST(ExerciseA5, SystemFromTheGraphAndItsSolution) {
    PloverRun run(steps(4), &Plover::ExerciseA5Answers);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.place("y=-2x+4…①"), "116 280 0");
    EXPECT_EQ(run.place("y=x-1…②"), "116 330 0");
    EXPECT_EQ(run.place("+-  -  +"), "76 457 3");
    EXPECT_EQ(run.place("0=-3x+5"), "130 532 0");
    EXPECT_EQ(run.place("3x=5"), "76 584 0");
    EXPECT_EQ(run.place("x=ﾀ5/3ﾀ を②に代入して"), "418 300 3");
    EXPECT_EQ(run.place("答 (ﾀ5/3ﾀ,ﾀ2/3ﾀ)"), "418 440 5");
    // Both lines pass the y axis at their intercepts 4 and -1.
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.dots({.r = 1, .colour = ink::text, .in = Box{1033.9f, 1034.1f, 179.5f, 180.5f}}).empty());
    EXPECT_FALSE(
        trace.dots({.r = 1, .colour = ink::text, .in = Box{1033.9f, 1034.1f, 379.5f, 380.5f}}).empty());
}

TEST(ExerciseB3, FigureShadedUnderTheAxisAndBothScreensWorked) {
    PloverRun run(steps(30), &Plover::ExerciseB3Answers);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.waits(), 30);
    const auto lines = run.lines();
    const Trace trace(lines);
    // The triangle ABP filled over the axis, then the y axis drawn again.
    const PolygonQuery shade{.filled = true,
                             .colour = ink::text,
                             .fillColour = ink::accent,
                             .width = 5,
                             .points = {{{790, 460}, {1150, 460}, {910, 220}, {790, 460}}}};
    const auto& records = trace.records();
    const auto fill = std::find_if(records.begin(), records.end(),
                                   [&](const TraceRecord& r) { return isPolygon(r, shade); });
    ASSERT_NE(fill, records.end());
    ASSERT_NE(fill + 1, records.end());
    EXPECT_TRUE(isSegment(*(fill + 1),
                          Stroke{.from = At(850, 100), .to = At(850, 490), .colour = ink::text, .width = 3}));
    EXPECT_FALSE(trace.glyphs({.text = "n", .near = Near{760, 100, 0.1f, 0.1f}})
                     .empty());  // n's label at the plane's corner
    EXPECT_FALSE(
        trace.dots(Disc{.at = At(970, 460), .r = 6, .colour = ink::emphasis, .width = 5}).empty());  // Q
    // Line PQ only inside the plane's height, from (1,12) to (4.25,-1).
    const auto pq = trace.dots({.r = 1, .colour = ink::emphasis, .in = Box{760, 1210, 0, 720}});
    ASSERT_FALSE(pq.empty());
    for (const Dot& d : pq) {
        EXPECT_GE(d.y, 100);
        EXPECT_LE(d.y, 490);
    }
    // Screen 1: the elimination and the second column from the "(2)" row.
    EXPECT_EQ(run.place("+-  + -"), "76 475 3");
    EXPECT_EQ(run.place("0=3x-6"), "130 550 0");
    const auto cx = run.drawn("②に代入して").at(0).x;
    EXPECT_EQ(run.drawn("y=-x+10…②").at(0).y, 340);
    EXPECT_GT(cx, 116);
    EXPECT_EQ(run.drawn("②に代入して").at(0).y, 290);
    EXPECT_EQ(run.drawn("P(2,8)").at(0).x, cx);
    EXPECT_EQ(run.drawn("P(2,8)").at(0).y, 240);
    const auto tens = run.drawn("10");
    EXPECT_TRUE(std::any_of(tens.begin(), tens.end(), [](const auto& r) {
        return r.x == 796 && r.y == 160 && r.colour == ink::emphasis;
    }));
    EXPECT_EQ(run.drawn("48(cm^2)").at(0).y, 560);
    // Screen 2: the question label beside the cells, the elimination at 40.
    EXPECT_EQ(run.place("(3)"), "550 30 3");
    EXPECT_EQ(run.place("+- -  -"), "40 475 3");
    EXPECT_EQ(run.place("8=-2a"), "94 550 0");
    EXPECT_EQ(run.place("a=-4"), "94 596 3");
    EXPECT_EQ(run.drawn("a=-4 を②に代入して").at(0).y, 340);
    EXPECT_EQ(run.drawn("答 y=-4x+16").at(0).y, 540);
    EXPECT_EQ(run.drawn("答 y=-4x+16").at(0).colour, ink::answer);
}

// ---- Resting state --------------------------------------------------------------------------

struct TopicKeys {
    const char* name;
    PloverUnderTest::Entry topic;
    const char* keys;
};

class ExerciseScreens : public ::testing::TestWithParam<TopicKeys> {};

// Values per grid step, the letter distance and the label offsets left by
// an earlier screen change nothing on the way through a topic.
TEST_P(ExerciseScreens, SameScreensWhateverAnEarlierScreenLeft) {
    const TopicKeys& c = GetParam();
    PloverRun usual(c.keys, c.topic);
    PloverRun after(c.keys, c.topic, [](Plover& p) {
        p.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 7, .yPerStep = 3});
    });
    ASSERT_TRUE(usual.ended()) << c.name;
    EXPECT_EQ(firstDifferentLine(usual.lines(), after.lines()), "") << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Planes, ExerciseScreens,
    ::testing::Values(TopicKeys{"A4", &Plover::ExerciseA4Answers, ""},
                      TopicKeys{"A5", &Plover::ExerciseA5Answers, "a a a a"},
                      TopicKeys{"A6", &Plover::ExerciseA6Answers, "a a a"},
                      TopicKeys{"B2", &Plover::ExerciseB2Answers, "a a a"},
                      TopicKeys{"B3", &Plover::ExerciseB3Answers,
                                "a a a a a a a a a a a a a a a a a a a a a a a a a a a a a a"},
                      TopicKeys{"MovingPointQuestion", &Plover::MovingPointQuestion, "a a 1 a a a a"},
                      TopicKeys{"MovingPointGraph", &Plover::MovingPointGraph, "a a a"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lesson::testing
