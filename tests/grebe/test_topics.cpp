// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed topics of Grebe's chapters 1 and 2, each run alone: the plane
// with its arrows, the three answered lines, the summary and the two-column
// worked answers, checked at the places their screens give.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

struct TopicCase {
    const char* name;
    void (Grebe::*topic)();
    int keys;  // key presses from entry to the end
};

class GrebeFixedTopic : public ::testing::TestWithParam<TopicCase> {};

// Exactly its number of keys takes a topic to its end, and no key less.
TEST_P(GrebeFixedTopic, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    GrebeRun full(steps(c.keys), topic(c.topic));
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    EXPECT_EQ(full.waits(), c.keys) << c.name;
    if (c.keys > 0) {
        GrebeRun shortOfOne(steps(c.keys - 1), topic(c.topic));
        EXPECT_FALSE(shortOfOne.ended()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chapters1And2, GrebeFixedTopic,
    ::testing::Values(TopicCase{"EquationFromGraphExample", &Grebe::EquationFromGraphExample, 10},
                      TopicCase{"EquationFromGraphAnswers", &Grebe::EquationFromGraphAnswers, 0},
                      TopicCase{"LineEquationSummary", &Grebe::LineEquationSummary, 4},
                      TopicCase{"SlopeAndPointAnswers", &Grebe::SlopeAndPointAnswers, 13},
                      TopicCase{"InterceptPointAnswer", &Grebe::InterceptPointAnswer, 5}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever an earlier screen left in the values per grid step, the label
// shifts and the pen width, the topics with a plane draw the same screens.
TEST(GrebeFixedTopics, SameScreenWhateverRanBefore) {
    for (auto t : {&Grebe::EquationFromGraphExample, &Grebe::EquationFromGraphAnswers}) {
        GrebeRun fresh(steps(10), topic(t));
        GrebeRun afterOthers(steps(10), [t](Grebe& g) {
            g.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
            g.Rt().setDrawWidth(4);
            (g.*t)();
        });
        EXPECT_EQ(firstScreenDifference(fresh, afterOthers), "");
    }
}

// ---- The worked example: a plane with arrows ------------------------------------

TEST(EquationFromGraphExample, PlaneLineArrowsAndLabels) {
    GrebeRun run(steps(10), topic(&Grebe::EquationFromGraphExample));
    const auto lines = run.lines();
    const Trace trace(lines);
    // The plane (722,100)-(1122,500), its origin at (922,380).
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(922, 100), .to = At(922, 500), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(722, 380), .to = At(1122, 380), .colour = ink::text, .width = 4})
            .empty());
    // y = x/2 + 3 passes A (922,260) and (1122,160) in colour 0.
    EXPECT_FALSE(run.records().dots({.r = 1, .colour = ink::text, .near = Near{922, 260}}).empty());
    EXPECT_FALSE(run.records().dots({.r = 1, .colour = ink::text, .near = Near{1122, 160}}).empty());
    // Each arrow drawn twice at pen width 5 in colour 3, its one head at its end.
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(922, 260), .to = At(1002, 260), .colour = ink::emphasis, .width = 5})
            .size(),
        2u);
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(986, 268), .to = At(1002, 260), .colour = ink::emphasis, .width = 5})
            .size(),
        2u);
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(986, 252), .to = At(1002, 260), .colour = ink::emphasis, .width = 5})
            .size(),
        2u);
    EXPECT_EQ(
        trace
            .segments(Stroke{.from = At(1002, 260), .to = At(1002, 220), .colour = ink::emphasis, .width = 5})
            .size(),
        2u);
    EXPECT_EQ(
        trace
            .segments(Stroke{.from = At(1010, 236), .to = At(1002, 220), .colour = ink::emphasis, .width = 5})
            .size(),
        2u);
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(994, 236), .to = At(1002, 220), .colour = ink::emphasis, .width = 5})
            .size(),
        2u);
    // Labels by the figure, not in the text column.
    EXPECT_EQ(run.ownPlace("(0,3)"), "787 210 3");
    EXPECT_EQ(run.ownPlace("2"), "949 260 3");
    EXPECT_EQ(run.ownPlace("1"), "1008 220 3");

    EXPECT_EQ(run.ownPlace("図の直線は、1次関数 y=ax+b のグラフです。"), "40 30 3");
    EXPECT_EQ(run.ownPlace("式を求めなさい。"), "40 80 3");
    EXPECT_EQ(run.ownPlace("① bは切片だから、"), "38 130 0");
    EXPECT_EQ(run.drawn("b=3")[0].y, 130);
    EXPECT_GT(run.drawn("b=3")[0].x, 38);
    EXPECT_EQ(run.ownPlace("② aは傾きで、"), "38 200 0");
    EXPECT_EQ(run.ownPlace("右へ2進むと、"), "76 250 0");
    EXPECT_EQ(run.drawn("上へ1進むから、")[0].y, 250);
    EXPECT_EQ(run.ownPlace("a=ﾀ1/2ﾀ"), "76 320 3");
    EXPECT_EQ(run.drawn("答 y=ﾀ1/2ﾀx+3")[0].colour, ink::answer);
    EXPECT_EQ(run.ownPlace("傾きと切片をよみとれば、a,bがわかる。"), "38 400 3");
    EXPECT_EQ(run.ownPlace("図のグラフを"), "40 480 0");
    EXPECT_EQ(run.drawn("直線 y=ﾀ1/2ﾀx+3")[0].colour, ink::answer);
    EXPECT_EQ(run.ownPlace("y=ﾀ1/2ﾀx+3"), "40 550 5");
    EXPECT_EQ(run.drawn("という。")[0].y, 550);
}

TEST(EquationFromGraphExample, GroupsComeOneKeyAtATime) {
    // The first text of each group, and the key that reveals it.
    static const char* firsts[] = {
        "① bは切片だから、", "b=3",       "② aは傾きで、", "右へ2進むと、",
        "上へ1進むから、",   "a=ﾀ1/2ﾀ",   "答 y=ﾀ1/2ﾀx+3", "傾きと切片をよみとれば、a,bがわかる。",
        "図のグラフを",      "y=ﾀ1/2ﾀx+3"};
    for (int k = 0; k < 10; ++k) {
        GrebeRun before(steps(k), topic(&Grebe::EquationFromGraphExample));
        GrebeRun after(steps(k + 1), topic(&Grebe::EquationFromGraphExample));
        EXPECT_EQ(before.count(firsts[k]), 0) << firsts[k];
        EXPECT_EQ(after.count(firsts[k]), 1) << firsts[k];
    }
}

// ---- The textbook answers: three lines at once --------------------------------------

TEST(EquationFromGraphAnswers, ThreeLinesDotsArrowsAndAnswers) {
    GrebeRun run("", topic(&Grebe::EquationFromGraphAnswers));
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(run.ownPlace("教科書P71 問1　解答"), "38 30 3");
    // Intercept dots, then run and rise arrows over them.
    for (const float y : {460, 260, 220}) {
        EXPECT_FALSE(trace.dots(Disc{.at = At(580, y), .r = 8, .colour = ink::emphasis, .width = 5}).empty())
            << y;
    }
    const Near shafts[][2] = {{At(580, 460), At(620, 460)}, {At(620, 460), At(620, 420)},
                              {At(580, 260), At(620, 260)}, {At(620, 260), At(620, 340)},
                              {At(580, 220), At(660, 220)}, {At(660, 220), At(660, 100)}};
    for (const auto& a : shafts) {
        EXPECT_EQ(
            trace.segments(Stroke{.from = a[0], .to = a[1], .colour = ink::emphasis, .width = 5}).size(), 2u)
            << a[0].x << ' ' << a[0].y << ' ' << a[1].x << ' ' << a[1].y;
    }
    // The labels at the ends of the lines: (1) at the right edge, (2) on the
    // bottom edge, (3) above the plane right of its rise arrow.
    EXPECT_FALSE(run.records().glyphs({.text = "(", .near = Near{753, 216, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(run.records().glyphs({.text = "(", .near = Near{646, 500, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(run.records().glyphs({.text = "(", .near = Near{674, 56, 1.5f, 1.5f}}).empty());

    static const char* answers[][3] = {
        {"(1)", "y=x-4", "100"}, {"(2)", "y=-2x+1", "170"}, {"(3)", "y=ﾀ3/2ﾀx+2", "240"}};
    for (const auto& a : answers) {
        EXPECT_EQ(run.ownPlace(a[0]), std::string("38 ") + a[2] + " 0");
        EXPECT_EQ(run.ownPlace(a[1]), std::string("119 ") + a[2] + " 5");
    }
}

// ---- The summary --------------------------------------------------------------------

TEST(LineEquationSummary, RulesRowsAndColours) {
    GrebeRun run(steps(4), topic(&Grebe::LineEquationSummary));
    EXPECT_EQ(run.ownPlace("1次関数の式を求める"), "38 30 3");
    EXPECT_EQ(run.drawn("a,b")[0].colour, ink::answer);
    EXPECT_EQ(run.ownPlace("① "), "38 105 3");
    EXPECT_EQ(run.ownPlace("平行のときは、△=平行な直線の傾き"), "92 155 3");
    EXPECT_EQ(run.ownPlace("② "), "38 230 3");
    EXPECT_EQ(run.ownPlace("座標のときは、△=交点のy座標"), "92 280 3");
    EXPECT_EQ(run.ownPlace("③ "), "38 355 3");
    EXPECT_EQ(run.drawn("x=2,y=3を代入")[0].colour, ink::answer);
    EXPECT_EQ(run.drawn("x=2,y=3を代入")[0].y, 355);
    EXPECT_EQ(run.count("　とする"), 2);
    EXPECT_EQ(run.count("　→　"), 3);
    EXPECT_EQ(run.ownPlace("教科書P72 問2,問3 をしなさい。"), "38 445 0");

    GrebeRun none("", topic(&Grebe::LineEquationSummary));
    EXPECT_EQ(none.count("を求める"), 1);
    EXPECT_EQ(none.count("① "), 0);
    GrebeRun three(steps(3), topic(&Grebe::LineEquationSummary));
    EXPECT_EQ(three.count("③ "), 1);
    EXPECT_EQ(three.count("教科書P72 問2,問3 をしなさい。"), 0);
}

// ---- Two-column worked answers --------------------------------------------------------

TEST(SlopeAndPointAnswers, TwoColumnsAtTheirPlaces) {
    GrebeRun run(steps(13), topic(&Grebe::SlopeAndPointAnswers));
    static const char* places[][2] = {
        {"問2　解答", "114 30 0"},
        {"(1)", "38 80 3"},
        {"点(1,2)を通るから、", "114 130 0"},
        {"2=-3*1+b=-3+b", "114 230 0"},
        {"答 y=-3x+5", "114 330 5"},
        {"(2)", "38 390 3"},
        {"4=3*1+b=3+b", "114 490 0"},
        {"答 y=3x+1", "114 590 5"},
        {"(3)", "684 80 3"},
        {"x=-2,y=-3を代入して", "760 130 0"},
        {"-3=-1*(-2)+b=2+b", "760 180 0"},
        {"答 y=-x-5", "760 280 5"},
        {"(4)", "684 330 3"},
        {"点(2,0)を通るから、", "760 380 0"},
        {"0=2*2+b=4+b", "760 480 0"},
        {"b=-4", "760 530 0"},
        {"答 y=2x-4", "760 580 5"},
    };
    for (const auto& p : places) EXPECT_EQ(run.ownPlace(p[0]), p[1]) << p[0];
    EXPECT_EQ(run.drawn("求める式をy=-x+b")[0].y, 80);
    EXPECT_EQ(run.drawn("求める式をy=-x+b")[0].colour, ink::emphasis);
    EXPECT_EQ(run.count("とする。"), 4);
}

TEST(SlopeAndPointAnswers, GroupsOfEightAndTwelve) {
    // Group 8 holds the answer of (2) and the heading line of (3); group 12
    // the heading line of (4) with its first two working lines.
    // Key k reveals group k + 1.
    GrebeRun seven(steps(6), topic(&Grebe::SlopeAndPointAnswers));
    GrebeRun eight(steps(7), topic(&Grebe::SlopeAndPointAnswers));
    GrebeRun eleven(steps(10), topic(&Grebe::SlopeAndPointAnswers));
    GrebeRun twelve(steps(11), topic(&Grebe::SlopeAndPointAnswers));
    EXPECT_EQ(eight.texts.size() - seven.texts.size(), 5u);
    EXPECT_EQ(seven.count("答 y=3x+1"), 0);
    EXPECT_EQ(eight.count("求める式をy=-x+b"), 1);
    EXPECT_EQ(twelve.texts.size() - eleven.texts.size(), 5u);
    EXPECT_EQ(twelve.count("x=2,y=0を代入して"), 1);
}

TEST(InterceptPointAnswer, LinesAndTheContinuedRow) {
    GrebeRun run(steps(5), topic(&Grebe::InterceptPointAnswer));
    static const char* places[][2] = {
        {"問3　解答", "114 30 0"},
        {"求める式をy=ax+5", "114 80 3"},
        {"点(2,1)を通るから、", "114 130 0"},
        {"x=2,y=1を代入して", "114 180 0"},
        {"1=2a+5", "114 230 0"},
        {"2a=1-5=-4", "114 280 0"},
        {"a=-2", "114 330 0"},
        {"答 y=-2x+5", "114 380 5"},
    };
    for (const auto& p : places) EXPECT_EQ(run.ownPlace(p[0]), p[1]) << p[0];
    const auto then = run.drawn("とする。");
    ASSERT_EQ(then.size(), 1u);
    EXPECT_EQ(then[0].y, 80);
    // It starts where the equation ends: the equation's width from 114.
    EXPECT_EQ(then[0].x, 114 + run.program->MathTextWidth("求める式をy=ax+5"));
}

}  // namespace
}  // namespace lesson::testing
