// SPDX-License-Identifier: GPL-3.0-or-later
// Topics of Tern's chapters 1 and 2, each run alone: the keys each takes to
// its end, and one topic of each kind checked at the places its screen
// gives (a table with dot sets, labelled points, slope triangles, vertical
// lines).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "pixels.h"
#include "tern_fixture.h"

namespace lesson::testing {
namespace {

struct TopicCase {
    const char* name;
    void (Tern::*topic)();
    std::string toEnd;       // the keys that take the topic to its end
    std::string shortOfEnd;  // the same but one key short
};

class TernTopic : public ::testing::TestWithParam<TopicCase> {};

TEST_P(TernTopic, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    TernRun full(c.toEnd, topic(c.topic));
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    EXPECT_FALSE(full.runtime->keysLeft()) << c.name;
    TernRun shortOfOne(c.shortOfEnd, topic(c.topic));
    EXPECT_FALSE(shortOfOne.ended()) << c.name;
}

TopicCase fixedTopic(const char* name, void (Tern::*member)(), int stepKeys) {
    return {name, member, steps(stepKeys), steps(stepKeys - 1)};
}

// A random topic: its step keys per problem, the answer 1, and the closing keys.
TopicCase randomTopic(const char* name, void (Tern::*member)(), int stepKeys, int closingKeys) {
    const std::string problem = steps(stepKeys) + " 2 Enter";
    const std::string last = steps(stepKeys) + " 1 Enter";
    return {
        name, member, problem + problem + last + steps(closingKeys),
        problem + problem + (closingKeys > 0 ? last + steps(closingKeys - 1) : steps(stepKeys) + " 2 Enter")};
}

INSTANTIATE_TEST_SUITE_P(
    Chapters1And2, TernTopic,
    ::testing::Values(fixedTopic("EquationGraphIntro", &Tern::EquationGraphIntro, 33),
                      fixedTopic("PointOnGraphCheck", &Tern::PointOnGraphCheck, 13),
                      randomTopic("RandomSlopeInterceptExample", &Tern::RandomSlopeInterceptExample, 5, 0),
                      randomTopic("RandomEquationGraphExample", &Tern::RandomEquationGraphExample, 6, 1),
                      fixedTopic("RewriteAndGraphAnswers", &Tern::RewriteAndGraphAnswers, 11),
                      randomTopic("RandomInterceptsGraphExample", &Tern::RandomInterceptsGraphExample, 11, 1),
                      fixedTopic("InterceptsGraphAnswers", &Tern::InterceptsGraphAnswers, 15),
                      fixedTopic("HorizontalLineExample", &Tern::HorizontalLineExample, 13),
                      fixedTopic("HorizontalLineAnswers", &Tern::HorizontalLineAnswers, 9),
                      fixedTopic("VerticalLineExample", &Tern::VerticalLineExample, 13),
                      fixedTopic("VerticalLineAnswers", &Tern::VerticalLineAnswers, 12)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Chapters3And4, TernTopic,
    ::testing::Values(fixedTopic("IntersectionIntro", &Tern::IntersectionIntro, 20),
                      randomTopic("RandomSystemByGraphExample", &Tern::RandomSystemByGraphExample, 3, 0),
                      fixedTopic("SystemByGraphAnswer", &Tern::SystemByGraphAnswer, 8),
                      randomTopic("RandomIntersectionExample", &Tern::RandomIntersectionExample, 10, 1),
                      fixedTopic("IntersectionFromFigureAnswer", &Tern::IntersectionFromFigureAnswer, 13),
                      fixedTopic("AxisIntersectionAnswer", &Tern::AxisIntersectionAnswer, 3),
                      fixedTopic("ParallelNoSolution", &Tern::ParallelNoSolution, 13),
                      fixedTopic("BasicProblemGraphs", &Tern::BasicProblemGraphs, 11),
                      fixedTopic("BasicProblemTwoLines", &Tern::BasicProblemTwoLines, 19)),
    [](const auto& info) { return std::string(info.param.name); });

::testing::AssertionResult dotIs(const Dot& d, float x, float y, float r, Colour colour) {
    if (std::abs(d.x - x) < 0.01f && std::abs(d.y - y) < 0.01f && d.r == r && d.colour == colour)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "dot " << d.x << " " << d.y << " " << d.r << " " << d.colour;
}

// ---- A table and dot sets: the graph of x-2y=4 -----------------------------------------

// The closing assignment's row ends 3 units or more above the status band.
TEST(EquationGraphIntro, TheLastRowStaysAboveTheStatusBand) {
    TernRun run(steps(40), &Tern::EquationGraphIntro);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(inkAtStatusBand(run.runtime->canvas(), 3), 0);
}

TEST(EquationGraphIntro, TableValuesThenPointsOneAKeyThenDenserSets) {
    TernRun run(steps(33), topic(&Tern::EquationGraphIntro));
    const auto lines = run.lines();
    const Trace trace(lines);
    // The empty table: 68 wide, x row 50 high at y 100, y row 80 high at y 150.
    EXPECT_FALSE(trace
                     .segments({.colour = ink::text,
                                .from = At(40, 100),
                                .to = At(108, 150),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::text,
                                .from = At(652, 150),
                                .to = At(720, 230),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());
    EXPECT_EQ(run.place("x"), "40 100 0");
    EXPECT_EQ(run.place("-4"), "108 100 0");
    EXPECT_EQ(run.drawn("-4")[1].colour, ink::emphasis);  // the first y value, under x = -4
    EXPECT_EQ(run.place("-ﾀ7/2ﾀ"), "176 150 3");
    EXPECT_EQ(run.place("0").substr(0, 7), "380 100");
    EXPECT_EQ(run.drawn("0").back().x, 652);  // y = 0 under x = 4

    // Step 1 draws no point; the y values come one a key from the second key.
    EXPECT_TRUE(trace.dots({.keys = 0}).empty());
    EXPECT_TRUE(trace.dots({.keys = 1}).empty());
    for (int k = 0; k < 9; ++k) {
        const float x = static_cast<float>(800 + 40 * k), y = static_cast<float>(460 - 20 * k);
        EXPECT_EQ(trace.dots({.keys = 11 + k}).size(), 1u) << k;
        EXPECT_EQ(
            trace.dots({.r = 6, .colour = ink::emphasis, .near = Near{x, y, 0.01f, 0.01f}, .keys = 11 + k})
                .size(),
            1u)
            << k;
    }
    EXPECT_TRUE(trace.dots({.keys = 20}).empty());
    EXPECT_TRUE(trace.dots({.keys = 21}).empty());
    const auto halves = trace.dots({.keys = 22});
    const auto fifths = trace.dots({.keys = 23});
    ASSERT_EQ(halves.size(), 21u);
    ASSERT_EQ(fifths.size(), 51u);
    EXPECT_TRUE(dotIs(halves.front(), 760, 480, 2, ink::emphasis));
    EXPECT_TRUE(dotIs(fifths.back(), 1160, 280, 2, ink::emphasis));
    // The line of 5001 dots comes after the next key, then the intercept's dot.
    EXPECT_EQ(trace.dots({.keys = 24}).size(), 5001u);
    EXPECT_EQ(trace.dots({.keys = 27}).size(), 1u);
    EXPECT_EQ(
        trace.dots({.r = 8, .colour = ink::answer, .near = Near{960, 380, 0.01f, 0.01f}, .keys = 27}).size(),
        1u);

    EXPECT_EQ(run.place("①点をさらに多くとると、"), "40 250 0");
    EXPECT_EQ(run.place("直線になる。"), "468 250 3");
    EXPECT_EQ(run.place("②この直線の切片と傾きを求めよう。"), "40 304 0");
    EXPECT_EQ(run.place("-2 "), "205 354 3");
    EXPECT_EQ(run.place("(0,-2)"), "798 340 5");
    EXPECT_EQ(run.place("傾きは "), "286 354 0");
    EXPECT_EQ(run.place("ﾀ1/2ﾀ"), "415 354 3");
    EXPECT_EQ(run.place("③x-2y=4 をyについて解こう。"), "38 414 0");
    EXPECT_EQ(run.place("y=ﾀ1/2ﾀx-2"), "76 474 3");
    EXPECT_EQ(run.place("方程式 x-2y=4のグラフ"), "246 544 5");
    EXPECT_EQ(run.place("という。"), "678 544 0");
    EXPECT_EQ(run.place("教科書P77 問1　をやってみよう。"), "76 594 7");
    // The slope triangle: two units right, one up, one head each.
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(960, 380), .to = At(1040, 380), .colour = ink::answer, .width = 5})
            .size(),
        2u);
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(1040, 380), .to = At(1040, 340), .colour = ink::answer, .width = 5})
            .size(),
        2u);
}

// ---- Labelled points: question 1 --------------------------------------------------------------

TEST(PointOnGraphCheck, EachPointWithItsVerdict) {
    TernRun run(steps(13), topic(&Tern::PointOnGraphCheck));
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(run.place("A(-5,-3) B(5.2,0.6)"), "128 30 3");
    EXPECT_EQ(run.place("は、"), "603 30 0");
    EXPECT_EQ(run.place("方程式 x-2y=4 "), "671 30 3");
    EXPECT_EQ(run.place("-5+6"), "451 180 0");
    EXPECT_EQ(run.place("=1"), "148 230 0");
    EXPECT_EQ(run.place(" 方程式が成り立たないから"), "309 230 0");
    EXPECT_EQ(run.place(" グラフ上の点ではない"), "76 280 5");
    EXPECT_EQ(run.place("5.2-1.2"), "413 380 0");
    EXPECT_EQ(run.place(" 方程式が成り立つから"), "307 430 0");
    EXPECT_EQ(run.place(" グラフ上の点である"), "674 430 5");
    EXPECT_EQ(run.place("方程式にx座標とy座標の値を代入して成り立つ → グラフ上の点"), "76 520 5");
    EXPECT_EQ(run.place("グラフ上の点 → 方程式にx座標とy座標の値を代入してよい"), "76 580 5");
    // The line ends at (1200,140) inside the plane; its label 216 left, 100 down.
    EXPECT_TRUE(dotIs(trace.dots({.keys = 0}).back(), 1200, 140, 1, ink::emphasis));
    EXPECT_FALSE(trace.glyphs({.text = "2", .colour = ink::emphasis, .near = Near{984 + 54, 240, 0.5f, 0.5f}})
                     .empty());
    // A only with its verdict, off the line in colour 7; B with its verdict, in colour 5.
    EXPECT_EQ(trace.dots({.keys = 6}).size(), 1u);
    EXPECT_EQ(
        trace.dots({.r = 10, .colour = ink::heading, .near = Near{760, 300, 0.01f, 0.01f}, .keys = 6}).size(),
        1u);
    EXPECT_EQ(trace.dots({.keys = 12}).size(), 1u);
    EXPECT_EQ(trace.dots({.r = 10, .colour = ink::answer, .near = Near{1168, 156, 0.01f, 0.01f}, .keys = 12})
                  .size(),
              1u);
    EXPECT_FALSE(
        trace.glyphs({.text = "A", .colour = ink::heading, .near = Near{752, 230, 0.5f, 0.5f}}).empty())
        << "12 right, off the scale number";
    EXPECT_FALSE(
        trace.glyphs({.text = "B", .colour = ink::answer, .near = Near{1148, 86, 0.5f, 0.5f}}).empty());
}

// ---- Slope triangles: question 2 -----------------------------------------------------------------

TEST(RewriteAndGraphAnswers, TrianglesEndOnTheirLines) {
    TernRun run(steps(11), topic(&Tern::RewriteAndGraphAnswers));
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(run.place("教科書P77 問2　解答"), "114 30 3");
    EXPECT_EQ(run.place("(2)x+2y=-4"), "38 210 0");
    EXPECT_EQ(run.place(" y=ﾀ3/2ﾀx+4"), "114 430 3");
    const Near arrows[][2] = {{At(886, 180), At(926, 180)}, {At(926, 180), At(926, 260)},
                              {At(886, 420), At(966, 420)}, {At(966, 420), At(966, 460)},
                              {At(886, 180), At(966, 180)}, {At(966, 180), At(966, 60)}};
    for (const auto& a : arrows) {
        EXPECT_EQ(trace.segments(Stroke{.from = a[0], .to = a[1], .colour = ink::answer, .width = 5}).size(),
                  2u)
            << a[0].x << ' ' << a[0].y << ' ' << a[1].x << ' ' << a[1].y;
    }
    // Question (3) shows its answer one key before its triangle; the dot of
    // (3) is drawn again on that of (1).
    EXPECT_EQ(trace.dots({.keys = 9}).size(), 0u);
    EXPECT_EQ(trace.dots({.keys = 10}).size(), 1u);
    EXPECT_EQ(
        trace.dots({.r = 8, .colour = ink::answer, .near = Near{886, 180, 0.01f, 0.01f}, .keys = 10}).size(),
        1u);
    EXPECT_EQ(trace.dots({.keys = 2}).size(), 1u);
    EXPECT_EQ(
        trace.dots({.r = 8, .colour = ink::answer, .near = Near{886, 180, 0.01f, 0.01f}, .keys = 2}).size(),
        1u);
}

// ---- Vertical lines: question 5 ----------------------------------------------------------------

TEST(VerticalLineAnswers, LinesSpanThePlaneWithLabelsAtTheTop) {
    TernRun run(steps(12), topic(&Tern::VerticalLineAnswers));
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(880, 610), .to = At(880, 50), .colour = ink::emphasis, .width = 5})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(1120, 610), .to = At(1120, 50), .colour = ink::emphasis, .width = 5})
            .empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "(", .colour = ink::emphasis, .near = Near{880, 58, 0.5f, 0.5f}}).empty())
        << "between the line and the y axis, lower than the axis's letter";
    EXPECT_FALSE(
        trace.glyphs({.text = "(", .colour = ink::emphasis, .near = Near{1136, 50, 0.5f, 0.5f}}).empty());
    EXPECT_EQ(trace.dots({.keys = 4}).size(), 1u);
    EXPECT_EQ(
        trace.dots({.r = 8, .colour = ink::answer, .near = Near{880, 330, 0.01f, 0.01f}, .keys = 4}).size(),
        1u);
    EXPECT_EQ(trace.dots({.keys = 10}).size(), 1u);
    EXPECT_EQ(
        trace.dots({.r = 8, .colour = ink::answer, .near = Near{1120, 330, 0.01f, 0.01f}, .keys = 10}).size(),
        1u);
    EXPECT_EQ(run.place("(2)-x+4=0"), "38 310 0");
    EXPECT_EQ(run.place("y軸に平行な直線をかけばよい"), "114 230 3");
}

TEST(AxisLineExamples, TwinScreens) {
    TernRun horizontal(steps(13), topic(&Tern::HorizontalLineExample));
    EXPECT_EQ(horizontal.place("y=3"), "201 130 0");
    EXPECT_EQ(horizontal.drawn("y=3")[1].y, 280);
    EXPECT_EQ(horizontal.place("点(0,3)を通り、x軸に平行な直線"), "38 400 5");
    EXPECT_EQ(horizontal.place("教科書P79 問4　をやってみよう。"), "38 540 7");
    const Trace h = horizontal.records();
    EXPECT_EQ(h.dots({.keys = 5}).size(), 1u);
    EXPECT_EQ(h.dots({.r = 8, .colour = ink::answer, .near = Near{920, 180, 0.01f, 0.01f}, .keys = 5}).size(),
              1u);
    EXPECT_EQ(h.dots({.keys = 10}).size(), 1u);
    EXPECT_EQ(
        h.dots({.r = 8, .colour = ink::answer, .near = Near{1040, 180, 0.01f, 0.01f}, .keys = 10}).size(),
        1u);
    EXPECT_TRUE(dotIs(h.dots({.keys = 11}).back(), 1080, 180, 1, ink::emphasis));
    EXPECT_FALSE(
        h.glyphs({.text = "2", .colour = ink::emphasis, .near = Near{945, 180 + 12, 0.5f, 0.5f}}).empty())
        << "12 down, off the point";

    TernRun vertical(steps(13), topic(&Tern::VerticalLineExample));
    EXPECT_EQ(vertical.place("3x+0y=6 に y=0 を代入すると、"), "38 80 0");
    EXPECT_EQ(vertical.place("点(2,3)を通る。"), "38 330 3");
    const Trace v = vertical.records();
    EXPECT_FALSE(
        v.segments(Stroke{.from = At(964, 580), .to = At(964, 100), .colour = ink::emphasis, .width = 5})
            .empty());
    EXPECT_EQ(v.dots({.keys = 10}).size(), 1u);
    EXPECT_EQ(
        v.dots({.r = 8, .colour = ink::answer, .near = Near{964, 220, 0.01f, 0.01f}, .keys = 10}).size(), 1u);
}

TEST(AxisParallelSummary, FramedAtOnceWithPenEight) {
    TernRun run("", topic(&Tern::AxisParallelSummary));
    EXPECT_TRUE(run.ended());
    EXPECT_FALSE(
        run.records()
            .segments({.colour = ink::onBox, .from = At(38, 16), .to = At(838, 376), .kind = 1, .width = 8})
            .empty());
    EXPECT_EQ(run.place("<2元1次方程式のグラフ>"), "76 60 3");
    EXPECT_EQ(run.place(" と表すことができる。"), "270 160 0");
    EXPECT_EQ(run.place(" 直線"), "341 210 3");
    EXPECT_EQ(run.place(" である。"), "436 210 0");
    for (int row = 0; row < 2; ++row) {
        const Num y = 260 + 50 * static_cast<Num>(row);
        EXPECT_EQ(run.textAt(137, y), row == 0 ? "a=0" : "b=0");
        EXPECT_EQ(run.textAt(223, y), " の場合は、");
        EXPECT_EQ(run.textAt(420, y), row == 0 ? "x軸に平行な直線" : "y軸に平行な直線");
        EXPECT_EQ(run.textAt(685, y), " である。");
    }
    EXPECT_EQ(run.program->Rt().drawWidth(), 8);
}

// An answer without a value at the next-step prompt ("5/0") is 0: another
// problem, as any number but 1 gives.
TEST(RandomTopics, AnswerWithoutValueMakesANewProblem) {
    TernRun run(steps(5) + " " + typed("5/0") + steps(5) + " " + typed("1"),
                topic(&Tern::RandomSlopeInterceptExample));
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.count("例1-1"), 2);
}

// A topic's clear reaches the screen's edges, so the pen it is drawn with
// shows nothing.

// Whatever an earlier screen left in the values per grid step, the label
// shifts and the pen width, a topic's planes and graphs come out the same.
TEST(TernTopics, SameScreenWhateverRanBefore) {
    for (auto member :
         {&Tern::EquationGraphIntro, &Tern::RandomEquationGraphExample, &Tern::RewriteAndGraphAnswers,
          &Tern::RandomInterceptsGraphExample, &Tern::InterceptsGraphAnswers, &Tern::HorizontalLineExample,
          &Tern::VerticalLineAnswers}) {
        TernRun fresh(steps(33), topic(member));
        TernRun afterOthers(steps(33), [member](Tern& t) {
            t.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
            t.Rt().setDrawWidth(8);
            (t.*member)();
        });
        EXPECT_EQ(firstScreenDifference(fresh, afterOthers), "");
    }
}

}  // namespace
}  // namespace lesson::testing
