// SPDX-License-Identifier: GPL-3.0-or-later
// Grebe chapter 3: the chapter's frame, the generators of its random
// examples against the rules they must keep, and the worked rows of chosen
// problems of examples 3-1 and 3-2.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "grebe_fixture.h"
#include "headless_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Grebe　メニュー＞";
const std::string kChapter3Line = "①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了";
const std::string kChapter3Goal = "2点を通る直線の式を求めよう。";

// ---- The generator -------------------------------------------------------------------

// The generators' rules, drawing from a runtime of its own seeded alike: the
// slope, its sign, the intercept, its sign, x1, x2, then the bounds.
struct ModelDraw {
    Num slopes, slopeFrom, x1s, x1From, x1Sign, x2s, x2From, bound;
};
constexpr ModelDraw kTwoPoint{5, 1, 3, 2, -1, 5, 2, 10};  // examples 3-1 and 3-2
constexpr ModelDraw kSystem{4, 2, 2, 1, 1, 3, 4, 9};      // example 3-3

struct ModelProblem {
    Num a, b, x1, x2, y1, y2;
};
ModelProblem ModelPick(rt::Runtime& r, const ModelDraw& d, Num& kept) {
    for (;;) {
        Num a = std::floor(r.rnd() * d.slopes + d.slopeFrom);
        if (std::floor(r.rnd() * 2 + 1) == 2) a = -a;
        if (a == kept) continue;
        kept = a;
        Num b = std::floor(r.rnd() * 3 + 1);
        if (std::floor(r.rnd() * 2 + 1) == 2) b = -b;
        const Num x1 = d.x1Sign * std::floor(r.rnd() * d.x1s + d.x1From);
        const Num x2 = std::floor(r.rnd() * d.x2s + d.x2From);
        const Num y1 = a * x1 + b;
        if (y1 > d.bound || y1 < -d.bound) continue;
        const Num y2 = a * x2 + b;
        if (y2 > d.bound || y2 < -d.bound) continue;
        return {a, b, x1, x2, y1, y2};
    }
}

// Both generators share the memory: runs mix them, starting from whatever an
// earlier topic kept (nothing, a slope, a chapter-1 value).
TEST(GrebeTwoPointGenerators, KeepTheirRulesOverManySeeds) {
    std::map<bool, std::set<Num>> slopes, ys;
    int repeatedSlopes = 0;
    GrebeRun run("", [&](Grebe& g) {
        rt::HeadlessRuntime::Options o;
        o.scale = 1;
        rt::HeadlessRuntime model(o);
        for (int seed = 0; seed < 400; ++seed) {
            g.Rt().randomize(seed);
            model.randomize(seed);
            g.lastExampleDraw = static_cast<Num>(seed % 11 - 5);
            Num kept = g.lastExampleDraw;
            Num last = 0;
            for (int k = 0; k < 6; ++k) {
                const bool system = (seed + k / 2) % 3 == 0;
                const Grebe::TwoPointLine line = system ? g.DrawSystemLine() : g.DrawTwoPointLine();
                const ModelProblem m = ModelPick(model, system ? kSystem : kTwoPoint, kept);
                ASSERT_EQ(line.a, m.a) << seed;
                ASSERT_EQ(line.b, m.b) << seed;
                ASSERT_EQ(line.x1, m.x1) << seed;
                ASSERT_EQ(line.x2, m.x2) << seed;
                ASSERT_EQ(line.y1, m.y1) << seed;
                ASSERT_EQ(line.y2, m.y2) << seed;
                ASSERT_EQ(g.lastExampleDraw, kept) << seed;
                // The accepted attempt kept its own slope.
                EXPECT_EQ(g.lastExampleDraw, line.a);
                const Num a = line.a, b = line.b, x1 = line.x1, x2 = line.x2, y1 = line.y1, y2 = line.y2;
                EXPECT_EQ(y1, a * x1 + b);
                EXPECT_EQ(y2, a * x2 + b);
                EXPECT_TRUE(std::fabs(b) >= 1 && std::fabs(b) <= 3) << b;
                if (system) {
                    EXPECT_TRUE(std::fabs(a) == 2 || std::fabs(a) == 3) << a;
                    EXPECT_TRUE(x1 == 1 || x1 == 2) << x1;
                    EXPECT_TRUE(x2 >= 4 && x2 <= 6) << x2;
                    for (Num y : {y1, y2}) EXPECT_TRUE(y >= -9 && y <= 9) << y;
                    EXPECT_GT(y2 * a, 0);  // y2 has the sign of a, never 0
                } else {
                    EXPECT_TRUE(std::fabs(a) >= 1 && std::fabs(a) <= 4) << a;
                    EXPECT_TRUE(x1 >= -4 && x1 <= -2) << x1;
                    EXPECT_TRUE(x2 >= 2 && x2 <= 6) << x2;
                    for (Num y : {y1, y2}) EXPECT_TRUE(y >= -10 && y <= 10) << y;
                    EXPECT_EQ(line.Run(), x2 - x1);
                    EXPECT_EQ(line.Rise(), y2 - y1);
                }
                slopes[system].insert(a);
                ys[system].insert(y1);
                ys[system].insert(y2);
                if (k > 0 && a == last) ++repeatedSlopes;
                last = a;
            }
        }
    });
    EXPECT_EQ(run.status, 0);
    // Every slope the bounds let through occurs; the bounds are inclusive.
    EXPECT_EQ(slopes[false], (std::set<Num>{-4, -3, -2, -1, 1, 2, 3, 4}));
    EXPECT_EQ(slopes[true], (std::set<Num>{-3, -2, 2, 3}));
    EXPECT_TRUE(ys[false].count(10) && ys[false].count(-10) && ys[false].count(0));
    EXPECT_TRUE(ys[true].count(9) && ys[true].count(-9) && ys[true].count(0));
    // A rejected attempt between two problems may let the slope come back.
    EXPECT_GT(repeatedSlopes, 0);
}

// ---- The chapter frame --------------------------------------------------------------------

TEST(GrebeChapter3Frame, GoalScreenAndChoiceLineWithoutAKey) {
    GrebeRun run(typed("3"));
    EXPECT_EQ(run.place("<めあて>"), "44 240 3");
    EXPECT_EQ(run.place(kChapter3Goal), "76 305 0");
    EXPECT_EQ(run.count(kChapter3Line), 1);
    EXPECT_EQ(run.waits(), 2);  // the menu and the choice line
    EXPECT_FALSE(run.records().glyphs(Typeset{.text = "①", .at = At(16, 666), .h = 1, .v = 1}).empty());
}

struct SubMenuCase {
    const char* keys;
    int choiceLines;  // times the choice line is drawn
    int menus;        // times the main menu is drawn
};

class GrebeChapter3SubMenuRange : public ::testing::TestWithParam<SubMenuCase> {};

TEST_P(GrebeChapter3SubMenuRange, OutOfRangeRedrawsTheLineAndItem6Returns) {
    const SubMenuCase& c = GetParam();
    GrebeRun run(c.keys);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.count(kChapter3Line), c.choiceLines) << c.keys;
    EXPECT_EQ(run.count(kHeading), c.menus) << c.keys;
    EXPECT_EQ(run.count(kChapter3Goal), 1) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, GrebeChapter3SubMenuRange,
    ::testing::Values(SubMenuCase{"3 Enter 0 Enter", 2, 1}, SubMenuCase{"3 Enter 7 Enter", 2, 1},
                      SubMenuCase{"3 Enter - 1 Enter", 2, 1}, SubMenuCase{"3 Enter Enter 5 / 0 Enter", 3, 1},
                      SubMenuCase{"3 Enter 6 Enter", 1, 2}, SubMenuCase{"3 Enter 1 2 / 2 Enter", 1, 2}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(GrebeChapter3Frame, OutOfRangeLeavesTheScreenAsItWas) {
    GrebeRun run("3 Enter 0 Enter");
    const auto trace = run.records();
    const int zero = trace.firstKey("0");
    ASSERT_GE(zero, 0);
    // After the entry only the band and the choice line are drawn.
    const Trace afterZero = trace.after(zero + 1);
    EXPECT_TRUE(afterZero.segments({.from = At(0, 0)}).empty());
    EXPECT_FALSE(
        afterZero
            .segments(
                {.colour = ink::page, .from = At(0, 657), .to = At(992, 720), .kind = 2, .fill = ink::page})
            .empty());
}

// A fraction typed at the choice line counts by its value: "3/2" is item 1.
TEST(GrebeChapter3Frame, ValueBetweenItemsTakesItsWholePart) {
    GrebeRun run("3 Enter 3 / 2 Enter", nullptr, chosenLines({{2, 1, -3, 4}}));
    EXPECT_EQ(run.count("例3-1　"), 1);
}

// ---- Examples 3-1 and 3-2 as topics -------------------------------------------------------

struct TopicKeys {
    const char* name;
    GrebeUnderTest::Entry topic;
    int keys;
};

class GrebeTwoPointTopic : public ::testing::TestWithParam<TopicKeys> {};

// Each problem takes its keys; a 1 leaves, anything else makes a new problem
// on a screen cleared from y 30 down.
TEST_P(GrebeTwoPointTopic, ProblemsRunOnTheirKeysUntilA1) {
    const TopicKeys& c = GetParam();
    const std::string problem = steps(c.keys);
    GrebeRun three(problem + " 2 Enter" + problem + " Enter" + problem + " 1 Enter", c.topic);
    EXPECT_TRUE(three.ended()) << c.name;
    EXPECT_EQ(three.status, 0);
    const auto trace = three.records();
    EXPECT_EQ(
        trace
            .segments(
                {.colour = ink::page, .from = At(0, 0), .to = At(1320, 1300), .kind = 2, .fill = ink::page})
            .size(),
        1u)
        << c.name;
    EXPECT_EQ(
        trace
            .segments(
                {.colour = ink::page, .from = At(0, 30), .to = At(1600, 1830), .kind = 2, .fill = ink::page})
            .size(),
        3u)
        << c.name;

    GrebeRun shortOfOne(steps(c.keys - 1) + " 1 Enter", c.topic);
    EXPECT_FALSE(shortOfOne.ended()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Examples, GrebeTwoPointTopic,
                         ::testing::Values(TopicKeys{"Slope", &Grebe::RandomTwoPointSlopeExample, 4},
                                           TopicKeys{"Equation", &Grebe::RandomTwoPointEquationExample, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GrebeTwoPointTopic, LeavingKeepsTheProblemUnderTheChoiceLine) {
    GrebeRun run("3 Enter 2 Enter" + steps(8) + " 1 Enter", nullptr, chosenLines({{2, 1, -3, 4}}));
    EXPECT_EQ(run.count(kChapter3Line), 2);
    EXPECT_EQ(run.count(kChapter3Goal), 1);
    const auto trace = run.records();
    const int leave = trace.lastKey("1");
    ASSERT_GE(leave, 0);
    EXPECT_TRUE(trace.after(leave + 1).segments({.from = At(0, 30)}).empty());
    EXPECT_TRUE(trace.after(leave + 1).segments({.from = At(0, 0)}).empty());
}

// ---- Rows of chosen problems ----------------------------------------------------------------

// The rows drawn after "<解答>", as "y colour text".
std::vector<std::string> AnswerRows(const GrebeRun& run) {
    const auto rows = run.rows();
    const auto answer = std::find(rows.begin(), rows.end(), "130 3 <解答>");
    if (answer == rows.end()) return {};
    return {answer + 1, rows.end()};
}

struct RowsCase {
    const char* name;
    ChosenLine line;
    const char* point1;
    const char* point2;
    std::vector<std::string> slopeRows;  // example 3-1
    // Example 3-2 from its third key: y=ax+b with a, the point put in, its
    // product, the intercept solved, the answer.
    std::array<const char*, 6> equation;
};

// The rows of example 3-2 from its third key.
std::vector<std::string> EquationRows(const std::array<const char*, 6>& e) {
    const std::string s[6] = {e[0], e[1], e[2], e[3], e[4], e[5]};
    return {"330 0 求める1次関数の式を",
            "330 3 " + s[0],
            "330 0 とし、",
            "380 3 " + s[1],
            "380 0 と",
            "430 0 " + s[2],
            "430 0 " + s[3],
            "480 0 " + s[4],
            "530 0 求める式は ",
            "530 5 " + s[5]};
}

class GrebeTwoPointRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(GrebeTwoPointRows, WorkedRowsReadAsTaught) {
    const RowsCase& c = GetParam();
    GrebeRun slope(steps(4) + " 1 Enter", &Grebe::RandomTwoPointSlopeExample, chosenLines({c.line}));
    ASSERT_TRUE(slope.ended());
    EXPECT_EQ(slope.place(c.point1).substr(slope.place(c.point1).size() - 1), "3");
    EXPECT_EQ(slope.place(c.point2).substr(slope.place(c.point2).size() - 1), "5");
    EXPECT_EQ(misplaced(slope, {{"例3-1　", "40 30 7"},
                                {"を通るとき、この1次関数の傾きを求めなさい。", "40 80 0"},
                                {"<解答>", "40 130 3"}}),
              std::vector<std::string>{});
    EXPECT_EQ(AnswerRows(slope), c.slopeRows) << c.name;

    GrebeRun equation(steps(8) + " 1 Enter", &Grebe::RandomTwoPointEquationExample, chosenLines({c.line}));
    ASSERT_TRUE(equation.ended());
    EXPECT_EQ(equation.place("例3-2　"), "40 30 7");
    EXPECT_EQ(equation.place("を通るとき、この1次関数を求めなさい。"), "40 80 0");
    auto rows = AnswerRows(equation);
    ASSERT_GE(rows.size(), 6u);
    // The slope rows are those of example 3-1.
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 5), c.slopeRows) << c.name;
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 5, rows.end()), EquationRows(c.equation)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    ChosenLines, GrebeTwoPointRows,
    ::testing::Values(
        RowsCase{"Rising",
                 {2, 1, -3, 4},
                 "(-3,-5)",
                 "(4,9)",
                 {"190 0 (-3,-5)と(4,9)を通るから、傾きは", "260 3 a=ﾀ9-(-5)/4-(-3)ﾀ", "260 0 =ﾀ9+5/4+3ﾀ",
                  "260 0 =ﾀ14/7ﾀ", "260 5 =2"},
                 {"y=2x+b ", "x=4,y=9を代入する", "9=2*4+b", "=8+b", "b=9-8=1", "y=2x+1"}},
        RowsCase{"FallingSlopeMinus1",
                 {-1, -2, -4, 6},
                 "(-4,2)",
                 "(6,-8)",
                 {"190 0 (-4,2)と(6,-8)を通るから、傾きは", "260 3 a=ﾀ-8-2/6-(-4)ﾀ", "260 0 =ﾀ-8-2/6+4ﾀ",
                  "260 0 =ﾀ-10/10ﾀ", "260 5 =-1"},
                 {"y=-x+b ", "x=6,y=-8を代入する", "-8=-1*6+b", "=-6+b", "b=-8+6=-2", "y=-x-2"}},
        RowsCase{"FallingSteep",
                 {-3, 2, -2, 3},
                 "(-2,8)",
                 "(3,-7)",
                 {"190 0 (-2,8)と(3,-7)を通るから、傾きは", "260 3 a=ﾀ-7-8/3-(-2)ﾀ", "260 0 =ﾀ-7-8/3+2ﾀ",
                  "260 0 =ﾀ-15/5ﾀ", "260 5 =-3"},
                 {"y=-3x+b ", "x=3,y=-7を代入する", "-7=-3*3+b", "=-9+b", "b=-7+9=2", "y=-3x+2"}},
        // y1 = 0: the added zero keeps its sign, so the numerator is not "50".
        RowsCase{"Y1Zero",
                 {1, 2, -2, 3},
                 "(-2,0)",
                 "(3,5)",
                 {"190 0 (-2,0)と(3,5)を通るから、傾きは", "260 3 a=ﾀ5-0/3-(-2)ﾀ", "260 0 =ﾀ5+0/3+2ﾀ",
                  "260 0 =ﾀ5/5ﾀ", "260 5 =1"},
                 {"y=x+b ", "x=3,y=5を代入する", "5=1*3+b", "=3+b", "b=5-3=2", "y=x+2"}},
        RowsCase{"Y2ZeroNegativeIntercept",
                 {1, -2, -2, 2},
                 "(-2,-4)",
                 "(2,0)",
                 {"190 0 (-2,-4)と(2,0)を通るから、傾きは", "260 3 a=ﾀ0-(-4)/2-(-2)ﾀ", "260 0 =ﾀ0+4/2+2ﾀ",
                  "260 0 =ﾀ4/4ﾀ", "260 5 =1"},
                 {"y=x+b ", "x=2,y=0を代入する", "0=1*2+b", "=2+b", "b=0-2=-2", "y=x-2"}},
        RowsCase{"SlopeOneSubstitutedAsOne",
                 {1, 3, -3, 2},
                 "(-3,0)",
                 "(2,5)",
                 {"190 0 (-3,0)と(2,5)を通るから、傾きは", "260 3 a=ﾀ5-0/2-(-3)ﾀ", "260 0 =ﾀ5+0/2+3ﾀ",
                  "260 0 =ﾀ5/5ﾀ", "260 5 =1"},
                 {"y=x+b ", "x=2,y=5を代入する", "5=1*2+b", "=2+b", "b=5-2=3", "y=x+3"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The figure -------------------------------------------------------------------------------

Num Width(const std::string& text) {
    Headless h;
    h.start();
    return h.e().MeasureMathText(text);
}

struct FigureCase {
    const char* name;
    ChosenLine line;
    Num label1Top;  // point 1's label top, from the point
    Num label2Top;  // point 2's
    const char* run;
    const char* rise;
    Num runTop;   // the run value's top, from the run arrow
    Num digitDx;  // the rise's first digit from its start ("-" is a stroke)
    Num riseTop;  // the rise value's top, from the rise arrow's middle
};

class GrebeTwoPointFigure : public ::testing::TestWithParam<FigureCase> {};

// How far a label may step off what it would meet and still stand by what it names.
constexpr Num kStepAside = 12;

TEST_P(GrebeTwoPointFigure, PointsLabelsAndSlopeTriangle) {
    const FigureCase& c = GetParam();
    GrebeRun run(steps(4) + " 1 Enter", &Grebe::RandomTwoPointSlopeExample, chosenLines({c.line}));
    const auto lines = run.lines();
    const Trace trace(lines);
    const Num x1 = 1000 + 20 * c.line.x1, y1 = 400 - 20 * (c.line.a * c.line.x1 + c.line.b);
    const Num x2 = 1000 + 20 * c.line.x2, y2 = 400 - 20 * (c.line.a * c.line.x2 + c.line.b);
    auto n = [](Num v) { return std::to_string(static_cast<int>(v)); };
    // The plane: axes only, origin (1000, 400).
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(800, 400), .to = At(1200, 400), .colour = ink::text, .width = 4})
            .empty())
        << c.name;
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(1000, 200), .to = At(1000, 600), .colour = ink::text, .width = 4})
            .empty())
        << c.name;
    // The dots and their labels.
    // Whole screen places, as the dots are drawn.
    auto at = [](Num x, Num y) {
        return At(static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y)));
    };
    EXPECT_FALSE(trace.dots(Disc{.at = at(x1, y1), .r = 8, .colour = ink::emphasis, .width = 5}).empty())
        << c.name;
    EXPECT_FALSE(trace.dots(Disc{.at = at(x2, y2), .r = 8, .colour = ink::answer, .width = 5}).empty())
        << c.name;
    // Each label on the side of its dot away from the y axis: point 1's ends
    // 20 left of it, point 2's starts 20 right of it (a step of the label
    // off what it would meet aside).
    const std::string label1 = "(" + n(c.line.x1) + "," + n(c.line.a * c.line.x1 + c.line.b) + ")";
    EXPECT_FALSE(
        run.records()
            .glyphs({.text = "(",
                     .colour = ink::emphasis,
                     .near = Near{x1 - 20 - Width(label1), y1 + c.label1Top, kStepAside, kStepAside}})
            .empty())
        << c.name;
    EXPECT_FALSE(run.records()
                     .glyphs({.text = "(",
                              .colour = ink::answer,
                              .near = Near{x2 + 20, y2 + c.label2Top, kStepAside, kStepAside}})
                     .empty())
        << c.name;
    // The triangle, drawn twice: run then rise, heads of 16 at their ends.
    EXPECT_EQ(trace.segments(Stroke{.from = at(x1, y1), .to = at(x2, y1), .colour = ink::heading, .width = 4})
                  .size(),
              2u);
    EXPECT_EQ(
        trace.segments(Stroke{.from = at(x2, y1), .to = at(x2, y2), .colour = ink::emphasis, .width = 4})
            .size(),
        2u);
    // Its values only the second time.
    EXPECT_FALSE(run.records()
                     .glyphs({.text = std::string(1, c.run[0]),
                              .colour = ink::heading,
                              .near = Near{(x1 + x2) / 2 - 14, y1 + c.runTop, kStepAside, kStepAside}})
                     .empty())
        << c.name;
    const std::string rise = c.rise;
    EXPECT_FALSE(
        run.records()
            .glyphs({.text = rise.substr(rise.size() - 2, 1),
                     .colour = ink::emphasis,
                     .near = Near{x2 + c.digitDx, (y1 + y2) / 2 + c.riseTop, kStepAside, kStepAside}})
            .empty())
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GrebeTwoPointFigure,
    // Rising: point 1's label level with its dot, point 2's level too.
    // Falling: point 1's label below its dot's row, the rise 24 up,
    // off the x axis.
    ::testing::Values(FigureCase{"Rising", {2, 1, -3, 4}, -40, -26, "7", "14", -44, 0, -16},
                      FigureCase{"Falling", {-3, 2, -2, 3}, -10, -26, "5", "-15", 0, 27, -40}),
    [](const auto& info) { return std::string(info.param.name); });

// The widest labels, their points on the plane's top and bottom edges: each
// whole on the side of its dot away from the y axis, clear of the axis by
// what keeps a minus clear of a line, and point 1's a row above the row of
// working beside the plane.
TEST(GrebeTwoPointFigure, WidestLabelsClearTheYAxisAndTheRows) {
    constexpr Num kAxis = 1000, kAxisHalf = 2, kClear = 4;
    constexpr Num kRowOfWorking = 190, kRow = 50;
    const Box plane{600, 1366, 100, 640};
    for (const ChosenLine& line : {ChosenLine{-2, 2, -4, 6}, ChosenLine{3, 2, -4, 2}}) {
        GrebeRun run(steps(4) + " 1 Enter", &Grebe::RandomTwoPointSlopeExample, chosenLines({line}));
        auto n = [](Num v) { return std::to_string(static_cast<int>(v)); };
        const Num y1 = line.a * line.x1 + line.b;
        const std::string label1 = "(" + n(line.x1) + "," + n(y1) + ")";
        const auto first = run.records().glyphs({.text = "(", .colour = ink::emphasis, .in = plane});
        const auto second = run.records().glyphs({.text = "(", .colour = ink::answer, .in = plane});
        ASSERT_FALSE(first.empty()) << label1;
        ASSERT_FALSE(second.empty()) << label1;
        EXPECT_LE(first.front().x + Width(label1), kAxis - kAxisHalf - kClear) << label1;
        EXPECT_LT(first.front().x + Width(label1), 1000 + 20 * line.x1) << label1;
        EXPECT_GE(second.front().x, kAxis + kAxisHalf + kClear) << label1;
        EXPECT_GT(second.front().x, 1000 + 20 * line.x2) << label1;
        if (y1 == 10) {
            EXPECT_LE(first.front().y, kRowOfWorking - kRow) << label1;
        }
    }
}

// The plane's values per grid step are set, whatever an earlier figure left.
TEST(GrebeTwoPointFigure, PlaneIgnoresAnEarlierStepValue) {
    GrebeRun plain(steps(4) + " 1 Enter", &Grebe::RandomTwoPointSlopeExample, chosenLines({{2, 1, -3, 4}}));
    GrebeRun afterOther(
        steps(4) + " 1 Enter",
        [](Grebe& g) {
            g.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 2, .yPerStep = 5});
            g.RandomTwoPointSlopeExample();
        },
        chosenLines({{2, 1, -3, 4}}));
    EXPECT_EQ(plain.trace.str(), afterOther.trace.str());
}

}  // namespace
}  // namespace lesson::testing
