// SPDX-License-Identifier: GPL-3.0-or-later
// Grebe chapter 4, the basic problems of page 74: its sub-menu, and each
// screen at the places its rows and figures give.
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <string>
#include <vector>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Grebe　メニュー＞";
const std::string kChapter4Line = "P74 基本の問題 ①1,2,3　②4　③5　④6　⑤終了";

struct SubMenuCase {
    const char* keys;
    int choiceLines;
    int menus;
    const char* shown;  // a text the chosen topic draws, or ""
};

class GrebeChapter4SubMenu : public ::testing::TestWithParam<SubMenuCase> {};

TEST_P(GrebeChapter4SubMenu, RangeAndDispatch) {
    const SubMenuCase& c = GetParam();
    GrebeRun run(c.keys);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.count(kChapter4Line), c.choiceLines) << c.keys;
    EXPECT_EQ(run.count(kHeading), c.menus) << c.keys;
    EXPECT_EQ(run.count("<めあて>"), 0) << c.keys;
    if (*c.shown) {
        EXPECT_EQ(run.count(c.shown), 1) << c.keys;
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, GrebeChapter4SubMenu,
                         ::testing::Values(SubMenuCase{"4 Enter", 1, 1, ""},
                                           SubMenuCase{"4 Enter 0 Enter", 2, 1, ""},
                                           SubMenuCase{"4 Enter 6 Enter", 2, 1, ""},
                                           SubMenuCase{"4 Enter - 1 Enter", 2, 1, ""},
                                           SubMenuCase{"4 Enter Enter 5 / 0 Enter", 3, 1, ""},
                                           SubMenuCase{"4 Enter 5 Enter", 1, 2, ""},
                                           SubMenuCase{"4 Enter 1 Enter a a", 2, 1, "切片…"},
                                           SubMenuCase{"4 Enter 2 Enter", 2, 1, "P74 基本の問題"},
                                           SubMenuCase{"4 Enter 6 / 2 Enter", 2, 1, "y=-ﾀ2/3ﾀx-3"},
                                           SubMenuCase{"4 Enter 4 Enter", 2, 1, "答 y=2x-3"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

struct TopicKeys {
    const char* name;
    GrebeUnderTest::Entry topic;
    int keys;
};

class GrebeBasicProblem : public ::testing::TestWithParam<TopicKeys> {};

TEST_P(GrebeBasicProblem, RunsToItsEndOnItsKeys) {
    const TopicKeys& c = GetParam();
    GrebeRun run(steps(c.keys), c.topic);
    EXPECT_TRUE(run.ended()) << c.name;
    EXPECT_EQ(run.waits(), c.keys) << c.name;
    // A second visit draws the same screen.
    GrebeRun twice(steps(c.keys), [&](Grebe& g) {
        (g.*c.topic)();
        g.screenTextLog = nullptr;
        (g.*c.topic)();
    });
    EXPECT_EQ(twice.texts.size(), run.texts.size()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Topics, GrebeBasicProblem,
                         ::testing::Values(TopicKeys{"OneToThree", &Grebe::BasicProblemsOneToThree, 2},
                                           TopicKeys{"Four", &Grebe::BasicProblemFourGraphs, 0},
                                           TopicKeys{"Five", &Grebe::BasicProblemFiveGraphs, 0},
                                           TopicKeys{"Six", &Grebe::BasicProblemSixAnswers, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GrebeBasicProblem, OneToThreeCellsAndRows) {
    GrebeRun run(steps(2), &Grebe::BasicProblemsOneToThree);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(0, 0),
                                .to = At(1760, 1800),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::answer,
                                .from = At(114, 30),
                                .to = At(510, 74),
                                .kind = 2,
                                .fill = ink::keyBox,
                                .width = 3})
                     .empty());
    for (const float y : {90, 260, 320})
        EXPECT_FALSE(trace
                         .segments({.colour = ink::keyBox,
                                    .from = At(38, y),
                                    .to = At(76, y + 44),
                                    .kind = 2,
                                    .fill = ink::emphasis,
                                    .width = 3})
                         .empty())
            << y;
    EXPECT_EQ(run.place("(1)"), "76 90 3");
    EXPECT_EQ(run.drawn("3L").at(0).colour, ink::answer);
    EXPECT_EQ(misplaced(run, {{"(11-2)/3=", "114 140 0"},
                              {"(2)", "76 200 3"},
                              {"変化の割合…", "76 260 3"},
                              {"傾き…", "76 320 3"},
                              {"切片…", "76 380 3"}}),
              std::vector<std::string>{});
    EXPECT_EQ(run.drawn("-3").at(0).colour, ink::answer);
}

// The plane of problems 4 and 5: origin (620, 340), a step of 40.
TEST(GrebeBasicProblem, FourLinesAndLabels) {
    GrebeRun run("", &Grebe::BasicProblemFourGraphs);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::answer,
                                .from = At(76, 30),
                                .to = At(472, 74),
                                .kind = 2,
                                .fill = ink::keyBox,
                                .width = 5})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::keyBox,
                                .from = At(516, 30),
                                .to = At(560, 74),
                                .kind = 2,
                                .fill = ink::emphasis,
                                .width = 5})
                     .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(380, 340), .to = At(860, 340), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(620, 100), .to = At(620, 580), .colour = ink::text, .width = 4})
            .empty());
    // Labels at the lines' last dots, moved 27 left and 44 up: line (1)
    // leaves through the top edge at x 10/3, so its label stands above the
    // plane; line (2) ends at the right edge, (860, 180).
    EXPECT_FALSE(
        run.records().glyphs({.text = "(", .colour = ink::emphasis, .near = Near{726, 56, 1, 1}}).empty());
    EXPECT_FALSE(
        run.records().glyphs({.text = "(", .colour = ink::answer, .near = Near{833, 136, 1, 1}}).empty());
}

TEST(GrebeBasicProblem, FiveDotsAndOneHeadedArrows) {
    GrebeRun run("", &Grebe::BasicProblemFiveGraphs);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace.dots(Disc{.at = At(620, 300), .r = 8, .colour = ink::emphasis, .width = 5}).empty());
    EXPECT_FALSE(trace.dots(Disc{.at = At(620, 460), .r = 8, .colour = ink::emphasis, .width = 5}).empty());
    // Only the points on the y axis carry a dot.
    const auto dots = trace.dots({.r = 8, .colour = ink::emphasis});
    EXPECT_EQ(
        std::count_if(dots.begin(), dots.end(),
                      [](const Dot& d) { return d.start == 0 && d.end == 0 && d.filled && !d.fillColour; }),
        2);
    // Each shaft twice (the second pass of the routine), with one head, at
    // its second end: what ends at a point is the shafts and heads of the
    // arrows that lead to it.
    const Near shafts[][2] = {{At(620, 300), At(660, 300)},
                              {At(660, 300), At(660, 220)},
                              {At(620, 460), At(740, 460)},
                              {At(740, 460), At(740, 540)}};
    for (const auto& a : shafts)
        EXPECT_EQ(
            trace.segments(Stroke{.from = a[0], .to = a[1], .colour = ink::emphasis, .width = 5}).size(), 2u)
            << a[0].x << ' ' << a[0].y << ' ' << a[1].x << ' ' << a[1].y;
    struct End {
        Near point;
        int lines;
    };
    for (const End& end : {End{At(620, 300), 0}, End{At(660, 300), 6}, End{At(660, 220), 6},
                           End{At(620, 460), 0}, End{At(740, 460), 6}, End{At(740, 540), 6}}) {
        EXPECT_EQ(trace.segments({.colour = ink::emphasis, .to = end.point, .kind = 0, .width = 5}).size(),
                  static_cast<std::size_t>(end.lines))
            << end.point.x << ' ' << end.point.y;
    }
    // The line labels go to the graph routine; the answers stand left of the plane.
    EXPECT_FALSE(
        run.records().glyphs({.text = "(", .colour = ink::text, .near = Near{693, 56, 1, 1}}).empty());
    EXPECT_FALSE(
        run.records().glyphs({.text = "(", .colour = ink::text, .near = Near{746, 580, 1, 1}}).empty());
    EXPECT_EQ(run.rows(), (std::vector<std::string>{"30 13 P74 基本の問題", "30 13 5", "100 0 (1)",
                                                    "100 5 y=2x+1", "170 0 (2)", "170 5 y=-ﾀ2/3ﾀx-3"}));
    EXPECT_EQ(run.drawn("(1)").back().x, 76);
    EXPECT_EQ(run.drawn("y=-ﾀ2/3ﾀx-3").at(0).y, 170);
}

// The values per grid step are set, whatever an earlier figure left.
TEST(GrebeBasicProblem, PlanesIgnoreAnEarlierStepValue) {
    for (auto topic : {&Grebe::BasicProblemFourGraphs, &Grebe::BasicProblemFiveGraphs}) {
        GrebeRun plain("", topic);
        GrebeRun afterOther("", [&](Grebe& g) {
            g.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 2, .yPerStep = 0.5f});
            (g.*topic)();
        });
        EXPECT_EQ(plain.trace.str(), afterOther.trace.str());
    }
}

TEST(GrebeBasicProblem, SixInTwoColumns) {
    GrebeRun run("", &Grebe::BasicProblemSixAnswers);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::keyBox,
                                .from = At(516, 30),
                                .to = At(560, 74),
                                .kind = 2,
                                .fill = ink::emphasis,
                                .width = 5})
                     .empty());
    EXPECT_EQ(run.rows(), (std::vector<std::string>{"30 13 P74 基本の問題",
                                                    "30 13 6",
                                                    "90 0 (1)",
                                                    "90 3 求める式をy=2x+b",
                                                    "90 0 とする。",
                                                    "140 0 x=1,y=-1を代入して",
                                                    "190 0 -1=2*1+b=2+b",
                                                    "240 0 b=-1-2=-3",
                                                    "290 5 答 y=2x-3",
                                                    "370 0 (2)",
                                                    "370 3 求める式をy=ax+b",
                                                    "370 0 とする。",
                                                    "420 0 x=-3,y=3とx=3,y=5を代入して",
                                                    "470 0 3=-3a+b…①",
                                                    "520 0 5= 3a+b…②",
                                                    "30 3 ①+②",
                                                    "180 0 8=   2b",
                                                    "230 3 b=4",
                                                    "280 3 b=4 を①に代入して",
                                                    "330 0 3=-3a+4",
                                                    "380 0 -3a=3-4=-1",
                                                    "450 3   a=ﾀ1/3ﾀ",
                                                    "520 5 答 y=ﾀ1/3ﾀx+4"}));
    EXPECT_EQ(misplaced(run, {{"(1)", "38 90 0"},
                              {"x=1,y=-1を代入して", "76 140 0"},
                              {"(2)", "38 370 0"},
                              {"3=-3a+b…①", "116 470 0"},
                              {"5= 3a+b…②", "116 520 0"},
                              {"①+②", "760 30 3"},
                              {"8=   2b", "814 180 0"},
                              {"b=4", "814 230 3"},
                              {"b=4 を①に代入して", "760 280 3"},
                              {"答 y=ﾀ1/3ﾀx+4", "760 520 5"}}),
              std::vector<std::string>{});
    // The brace at (76, 470); the columns from (760, 80) with their rule at 180.
    EXPECT_FALSE(trace
                     .polygons({.filled = false,
                                .colour = ink::text,
                                .width = 5,
                                .points = {{{111, 475},
                                            {99, 478},
                                            {99, 510.5f},
                                            {84, 517.5f},
                                            {99, 524.5f},
                                            {99, 557},
                                            {111, 560}}}})
                     .empty());
    EXPECT_FALSE(run.records().glyphs({.text = ")"}).empty());
    EXPECT_FALSE(trace.segments({.colour = ink::text, .from = At(787, 180), .kind = 0, .width = 3}).empty());
    EXPECT_EQ(run.texts.at(16).text, "3=-3a+b");  // handed to the column routine
    EXPECT_EQ(run.texts.at(17).text, "5= 3a+b");
}

}  // namespace
}  // namespace lesson::testing
