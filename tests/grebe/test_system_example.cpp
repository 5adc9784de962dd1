// SPDX-License-Identifier: GPL-3.0-or-later
// Grebe chapter 3, example 3-3 (a line from two points by simultaneous
// equations), the summary and question 4: the columns, sign rows and b rows
// of chosen examples, and the screens at the places their rows give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

const std::string kChapter3Line = "①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了";

// 4 keys to the equations, 7 through the elimination.
const std::string kExample = steps(11);

// Every text from "①-②" on: "y colour text" where drawn at a place, the
// bare text where handed to the column routine.
std::vector<std::string> SolutionRows(const GrebeRun& run) {
    std::vector<std::string> out;
    bool on = false;
    for (const auto& r : run.texts) {
        if (r.text == "①-②") on = true;
        if (!on) continue;
        if (r.x < 0)
            out.push_back(r.text);
        else
            out.push_back(std::to_string(static_cast<int>(r.y)) + " " +
                          std::to_string(colourNumber(r.colour)) + " " + r.text);
    }
    return out;
}

struct SystemCase {
    const char* name;
    ChosenLine line;
    std::vector<std::string> rows;
};

class GrebeSystemRows : public ::testing::TestWithParam<SystemCase> {};

TEST_P(GrebeSystemRows, ColumnsSignsAndSolution) {
    const SystemCase& c = GetParam();
    GrebeRun run(kExample + " 1 Enter", &Grebe::RandomTwoPointsSystemExample, chosenLines({c.line}));
    ASSERT_TRUE(run.ended()) << c.name;
    EXPECT_EQ(SolutionRows(run), c.rows) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GrebeSystemRows,
    ::testing::Values(
        // The textbook-style pass: x1 = 1 leaves the coefficient blank; y2 < 0.
        SystemCase{"WorkedPass",
                   {-2, 3, 1, 5},
                   {"360 7 ①-②", " 1=  a+b", "-7= 5a+b", "445 3 + +  -  -", "520 0   8=-4a",
                    "584 3   a=ﾀ8/-4ﾀ=-2", "200 3 a=-2 を①に代入して", "260 0 1=1*(-2)+b", "320 0 1=-2+b",
                    "380 3 b", "380 0 =1+2", "380 3 =3", "440 5 答 y=-2x+3"}},
        // y1 = 0: the b row has no middle term; y2 > 0.
        SystemCase{"Y1Zero",
                   {2, -2, 1, 4},
                   {"360 7 ①-②", " 0=  a+b", " 6= 4a+b", "445 3 + -  -  -", "520 0  -6=-3a",
                    "584 3   a=ﾀ-6/-3ﾀ=2", "200 3 a=2 を①に代入して", "260 0 0=1*2+b", "320 0 0=2+b",
                    "380 3 b", "380 3 =-2", "440 5 答 y=2x-2"}},
        // y1 - y2 of three characters.
        SystemCase{"ThreeCharacterDifference",
                   {2, -3, 1, 6},
                   {"360 7 ①-②", "-1=  a+b", " 9= 6a+b", "445 3 + -  -  -", "520 0 -10=-5a",
                    "584 3   a=ﾀ-10/-5ﾀ=2", "200 3 a=2 を①に代入して", "260 0 -1=1*2+b", "320 0 -1=2+b",
                    "380 3 b", "380 0 =-1-2", "380 3 =-3", "440 5 答 y=2x-3"}},
        // x1 = 2 gives a coefficient; -a·x1 negative.
        SystemCase{"X1Two",
                   {3, -3, 2, 4},
                   {"360 7 ①-②", " 3= 2a+b", " 9= 4a+b", "445 3 + -  -  -", "520 0  -6=-2a",
                    "584 3   a=ﾀ-6/-2ﾀ=3", "200 3 a=3 を①に代入して", "260 0 3=2*3+b", "320 0 3=6+b",
                    "380 3 b", "380 0 =3-6", "380 3 =-3", "440 5 答 y=3x-3"}},
        // y1 - y2 of one character; -a·x1 positive gets its "+".
        SystemCase{"OneCharacterDifference",
                   {-2, 1, 1, 4},
                   {"360 7 ①-②", "-1=  a+b", "-7= 4a+b", "445 3 + +  -  -", "520 0   6=-3a",
                    "584 3   a=ﾀ6/-3ﾀ=-2", "200 3 a=-2 を①に代入して", "260 0 -1=1*(-2)+b", "320 0 -1=-2+b",
                    "380 3 b", "380 0 =-1+2", "380 3 =1", "440 5 答 y=-2x+1"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The problem and the equations of a = -2, b = 3 through x 1 and 4, at their places.
// The signs the lower row's terms take stand small in the gap between the
// rows, touching neither: a "-" under the upper row's "+" read as "±", and a
// "+" over the lower row's minus as "±9".
TEST(GrebeSystemExample, SignMarksTouchNeitherRow) {
    for (const ChosenLine& line :
         {ChosenLine{2, 1, 1, 4}, ChosenLine{-2, 3, 1, 5}, ChosenLine{3, -3, 2, 4}}) {
        GrebeRun run(kExample + " 1 Enter", &Grebe::RandomTwoPointsSystemExample, chosenLines({line}));
        const Trace trace = run.records();
        std::vector<Segment> marks;
        for (const Segment& s : trace.segments({.colour = ink::emphasis}))
            if (s.width == 3 && std::hypot(s.x2 - s.x1, s.y2 - s.y1) <= 10) marks.push_back(s);
        ASSERT_FALSE(marks.empty()) << line.a << " " << line.b;
        float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
        for (const Segment& m : marks) {
            left = std::min({left, m.x1, m.x2});
            right = std::max({right, m.x1, m.x2});
            top = std::min({top, m.y1, m.y2});
            bottom = std::max({bottom, m.y1, m.y2});
        }
        top -= 1.5f;  // half the marks' pen
        bottom += 1.5f;
        // The rows' own signs near the marks: 5-unit black strokes.
        for (const Segment& s : trace.segments({.colour = ink::text})) {
            if (s.width != 5 || std::max(s.x1, s.x2) < left - 30 || std::min(s.x1, s.x2) > right + 30)
                continue;
            const float high = std::min(s.y1, s.y2) - 2.5f, low = std::max(s.y1, s.y2) + 2.5f;
            if (low < top && low > top - 40) {
                EXPECT_LT(low + 1, top) << "upper row";
            }
            if (high > bottom && high < bottom + 40) {
                EXPECT_GT(high - 1, bottom) << "lower row";
            }
            EXPECT_FALSE(high <= bottom && low >= top) << "a row's stroke crosses the marks";
        }
    }
}

TEST(GrebeSystemExample, ProblemAndEquationsStandInPlace) {
    GrebeRun run(kExample + " 1 Enter", &Grebe::RandomTwoPointsSystemExample, chosenLines({{-2, 3, 1, 4}}));
    EXPECT_EQ(misplaced(run, {{"例3-3　", "40 30 7"},
                              {"を通るとき、この1次関数を求めなさい。", "40 80 0"},
                              {"<解答>", "40 130 3"},
                              {"求める1次関数の式を", "40 200 0"},
                              {"(1,1)と(4,-5)を通るから、", "40 260 0"},
                              {"x=1,y=1とx=4,y=-5を代入して、", "40 310 3"},
                              {"1=a+b …①", "80 360 0"},
                              {"-5=4a+b …②", "80 410 0"},
                              {"a=-2 を①に代入して", "760 200 3"},
                              {"答 y=-2x+3", "760 440 5"}}),
              std::vector<std::string>{});
    // Both points in colour 3, y=ax+b too.
    for (const char* text : {"(1,1)", "(4,-5)", "y=ax+b"})
        EXPECT_EQ(run.drawn(text).at(0).colour, ink::emphasis) << text;
    const auto lines = run.lines();
    const Trace trace(lines);
    // The brace from y 365 to 450, its point at x 48.
    EXPECT_FALSE(trace
                     .polygons({.filled = false,
                                .colour = ink::text,
                                .width = 5,
                                .points = {{{75, 365},
                                            {63, 368},
                                            {63, 400.5f},
                                            {48, 407.5f},
                                            {63, 414.5f},
                                            {63, 447},
                                            {75, 450}}}})
                     .empty());

    // The block 40 right of equation 2, on the row of equation 1.
    const auto heading = run.drawn("①-②").at(0);
    EXPECT_EQ(heading.y, 360);
    EXPECT_EQ(heading.colour, ink::heading);
    const Num e = heading.x;
    EXPECT_GT(e, 80 + 40);
    auto n = [](Num v) { return std::to_string(static_cast<int>(v)); };
    // Upper and lower equations at e + 54, the operator at e, the rule below.
    EXPECT_FALSE(run.records().glyphs({.text = ")"}).empty());
    // The lower row and all under it stand 10 lower, for the sign marks between the rows.
    EXPECT_FALSE(trace.segments({.from = At(static_cast<float>(static_cast<int>(e + 27)), 520)}).empty());
    EXPECT_EQ(run.place("+ +  -  -"), n(e) + " 445 3");
    EXPECT_EQ(run.place("  6=-3a"), n(e + 27) + " 520 0");
    EXPECT_EQ(run.place("  a=ﾀ6/-3ﾀ=-2"), n(e) + " 584 3");
}

TEST(GrebeSystemExample, KeysNewExamplesAndLeaving) {
    // Eleven keys an example; only 1 leaves, the example staying on screen.
    GrebeRun run("3 Enter 3 Enter" + kExample + " 0 Enter" + kExample + " 1 Enter", nullptr,
                 chosenLines({{-2, 3, 1, 5}, {2, -2, 1, 4}}));
    EXPECT_EQ(run.count("例3-3　"), 2);
    EXPECT_EQ(run.count(kChapter3Line), 2);
    EXPECT_EQ(run.count("答 y=2x-2"), 1);
    const auto trace = run.records();
    // The first topic clear has pen 3.
    const auto clears = trace.segments(
        {.colour = ink::page, .from = At(0, 0), .to = At(1320, 1300), .kind = 2, .fill = ink::page});
    ASSERT_FALSE(clears.empty());
    EXPECT_EQ(clears.front().width, 3);
    EXPECT_TRUE(trace.after(trace.lastKey("1") + 1).segments({.from = At(0, 30)}).empty());

    GrebeRun shortOfOne(steps(10) + " 1 Enter", &Grebe::RandomTwoPointsSystemExample,
                        chosenLines({{-2, 3, 1, 5}}));
    EXPECT_FALSE(shortOfOne.ended());
}

// ---- Summary and question 4 ----------------------------------------------------------------

TEST(GrebeTwoPointsSummary, FrameMethodsAndExerciseLine) {
    GrebeRun run(steps(2), &Grebe::TwoPointsSummary);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(run.waits(), 2);
    EXPECT_EQ(run.rows(), (std::vector<std::string>{"80 3 <まとめ>", "155 5 2点を通る", "155 0 　→　",
                                                    "155 5 傾きを求め、y=△x+b", "230 5 2点を通る",
                                                    "230 0 　→　", "230 5 y=ax+bに代入,連立方程式",
                                                    "310 0 教科書P73 問4 をしなさい。"}));
    EXPECT_EQ(run.place("<まとめ>"), "114 80 3");
    EXPECT_EQ(run.drawn("2点を通る").at(1).x, 114);
    EXPECT_EQ(run.place("教科書P73 問4 をしなさい。"), "76 310 0");
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(0, 0),
                                .to = At(1320, 1300),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_FALSE(
        trace.segments({.colour = ink::onBox, .from = At(76, 140), .to = At(874, 290), .kind = 1, .width = 9})
            .empty());
}

TEST(GrebeExerciseAnswers, TwoScreensWithTheirAlternatives) {
    GrebeRun run(steps(3), &Grebe::TwoPointsExerciseAnswers);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(run.waits(), 3);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(trace
                  .segments({.colour = ink::page,
                             .from = At(0, 0),
                             .to = At(1320, 1300),
                             .kind = 2,
                             .fill = ink::page,
                             .width = 3})
                  .size(),
              2u);
    // Left columns from x 38, the systems' equations at 78 right of the
    // brace; right columns from 760, the column results at 814. The sign
    // marks of part (2) stand between the rows, which moves the lower row and
    // all under it 10 lower.
    EXPECT_EQ(misplaced(run, {{"問4(1)　解答", "38 30 0"}, {"傾きは", "38 100 0"},
                              {"答 y=-x+2", "38 360 5"},   {"(別解)", "38 420 3"},
                              {"5=-3a+b…①", "78 520 0"},   {"-1=3a+b…②", "78 570 0"},
                              {"①+②", "760 30 3"},         {" 4=   2b", "814 180 0"},
                              {" b=2", "814 230 3"},       {"b=2 を①に代入して", "760 280 3"},
                              {"  a=-1", "760 430 3"},     {"問4(2)　解答", "38 30 0"},
                              {"答 y=-3x+3", "38 360 5"},  {"-3=2a+b…①", "78 520 0"},
                              {"-9=4a+b…②", "78 570 0"},   {"①-②", "760 30 3"},
                              {"+ + -  -", "760 115 3"},   {" 6=-2a", "814 190 0"},
                              {"a=-3", "814 240 3"},       {"-3=2*(-3)+b=-6+b", "760 340 0"},
                              {"b=-3+6=", "760 390 0"}}),
              std::vector<std::string>{});
    EXPECT_EQ(run.drawn("答 y=-x+2").at(1).x, 760);
    EXPECT_EQ(run.drawn("答 y=-x+2").at(1).y, 480);
    EXPECT_EQ(run.count(" 5=-3a+b"), 1);  // handed to the column routine
    EXPECT_EQ(run.count("-1= 3a+b"), 1);
    EXPECT_FALSE(trace
                     .polygons({.filled = false,
                                .colour = ink::text,
                                .width = 5,
                                .points = {{{73, 525},
                                            {61, 528},
                                            {61, 560.5f},
                                            {46, 567.5f},
                                            {61, 574.5f},
                                            {61, 607},
                                            {73, 610}}}})
                     .empty());
    EXPECT_EQ(run.drawn("3").back().y, 390);
    EXPECT_EQ(run.drawn("3").back().colour, ink::emphasis);
    EXPECT_EQ(run.drawn("答 y=-3x+3").at(1).y, 440);
}

}  // namespace
}  // namespace lesson::testing
