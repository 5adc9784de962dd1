// SPDX-License-Identifier: GPL-3.0-or-later
// The random topics of Grebe's chapters 1 and 2: the texts that chosen
// numbers give, the draws against the rules written out here on the same
// generator over many seeds, the shown answers against the drawn numbers,
// and the loops' ends.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

// ---- Independent forms of the numbers -----------------------------------------------

std::string num(int v) { return std::to_string(v); }
std::string coefficient(int v) { return v == 1 ? "" : v == -1 ? "-" : num(v); }
std::string laterTerm(int v) { return v > 0 ? "+" + num(v) : num(v); }
std::string fraction(int n, int d) {
    return std::string(n < 0 ? "-" : "") + "ﾀ" + num(std::abs(n)) + "/" + num(d) + "ﾀ";
}

// The draws as the topics' rules give them, on the program's generator.
struct Draws {
    rt::Runtime& r;
    Num whole(Num count, Num from = 1) { return std::floor(r.rnd() * count + from); }
    Num signed_(Num v) { return std::floor(r.rnd() * 2 + 1) == 2 ? -v : v; }

    Grebe::GraphLine integerLine(Num& kept) {
        for (;;) {
            const Num a = signed_(whole(3));
            const Num b = signed_(whole(3));
            if (b != kept) {
                kept = b;
                return {a, 1, b};
            }
        }
    }
    Grebe::GraphLine fractionLine() {
        for (;;) {
            Num n = whole(5);
            const Num d = whole(3, 2);
            static const int primeTo2[] = {0, 1, 3, 3, 5, 5};  // by n, for d 2 and 4
            static const int primeTo3[] = {0, 1, 2, 2, 4, 5};
            n = static_cast<Num>(d == 3 ? primeTo3[static_cast<int>(n)] : primeTo2[static_cast<int>(n)]);
            n = signed_(n);
            const Num b = signed_(whole(3));
            if (std::fabs(n + b) <= 6) return {n, d, b};
        }
    }
    Grebe::PointProblem pointProblem() {
        for (;;) {
            const Num a = signed_(whole(5));
            const Num b = signed_(whole(3));
            const Num x1 = signed_(whole(5, 2));
            if (std::fabs(a * x1 + b) <= 10) return {a, b, x1, a * x1 + b};
        }
    }
};

// The text drawn at (x, y) among the records from index from, or "(none)".
std::string textAt(const std::vector<ScreenTextRecord>& log, std::size_t from, Num x, Num y) {
    for (std::size_t i = from; i < log.size(); ++i)
        if (log[i].x == x && log[i].y == y) return log[i].text;
    return "(none)";
}

// The topic on a problem handed in, left with 1 at the next-step prompt.
template <class P>
GrebeBody chosenIn(void (Grebe::*topic)(), P problem) {
    return [topic, problem](Grebe& g) {
        g.chosen.Add(problem);
        (g.*topic)();
    };
}

// ---- Practice one: chosen numbers -----------------------------------------------------

struct IntegerCase {
    int a, b;
    const char* rise;    // the row at (40,180)
    const char* slope;   // the row at (40,250)
    const char* answer;  // the row at (40,330)
    int labelDown = 0;   // the point's label moved down off what it would meet
    int labelRight = 0;  // and right
};

class IntegerGraphTexts : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerGraphTexts, RowsPointsAndArrows) {
    const IntegerCase& c = GetParam();
    GrebeRun run(steps(3) + " 1 Enter",
                 chosenIn(&Grebe::IntegerGraphPractice,
                          Grebe::GraphLine{static_cast<Num>(c.a), 1, static_cast<Num>(c.b)}));
    const std::string b = num(c.b);
    EXPECT_EQ(run.ownPlace("練習1 図の直線の式を求めなさい。"), "40 30 7");
    EXPECT_EQ(run.ownPlace("点(0," + b + ")を通るから、"), "40 100 0");
    EXPECT_EQ(run.drawn("切片は" + b)[0].colour, ink::emphasis);
    EXPECT_EQ(run.ownPlace(c.rise), "40 180 0");
    EXPECT_EQ(run.ownPlace(c.slope), "40 250 3");
    EXPECT_EQ(run.ownPlace(c.answer), "40 330 5");
    EXPECT_EQ(run.count("(0," + b + ")"), 1);  // the point's label

    const auto lines = run.lines();
    const float dotY = 330 - 40.0f * c.b, riseY = 330 - 40.0f * (c.a + c.b);
    EXPECT_FALSE(run.records().dots({.r = 8, .colour = ink::answer, .near = Near{922, dotY, 0, 0}}).empty());
    EXPECT_FALSE(run.records().dots({.r = 8, .colour = ink::answer, .near = Near{962, riseY, 0, 0}}).empty());
    // The label 182 left of and 40 above the dot, left of the y axis.
    const auto labels = run.records().glyphs({.text = "(", .colour = ink::answer});
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front().x, 740 + c.labelRight);
    EXPECT_EQ(labels.front().y, static_cast<int>(dotY - 40) + c.labelDown);
    // Run arrow in colour 7, rise arrow in colour 3, both at pen width 4.
    const auto y = [](float v) { return static_cast<float>(static_cast<int>(v)); };
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::heading,
                                .from = At(922, y(dotY)),
                                .to = At(962, y(dotY)),
                                .kind = 0,
                                .width = 4})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(962, y(dotY)),
                                .to = At(962, y(riseY)),
                                .kind = 0,
                                .width = 4})
                     .empty());
}

INSTANTIATE_TEST_SUITE_P(
    ChosenNumbers, IntegerGraphTexts,
    ::testing::Values(IntegerCase{1, -2, "右へ1進むと、上へ1進むから ", "傾きは、ﾀ1/1ﾀ=1", "答　y=x-2"},
                      IntegerCase{-1, 3, "右へ1進むと、下へ1進むから ", "傾きは、ﾀ-1/1ﾀ=-1", "答　y=-x+3"},
                      // (0,-1)'s label would meet the scale numbers -10 and 10 and the
                      // origin's 0: it stands below them.
                      IntegerCase{-3, -1, "右へ1進むと、下へ3進むから ", "傾きは、ﾀ-3/1ﾀ=-3", "答　y=-3x-1",
                                  32, 0},
                      IntegerCase{3, 3, "右へ1進むと、上へ3進むから ", "傾きは、ﾀ3/1ﾀ=3", "答　y=3x+3"},
                      IntegerCase{2, 1, "右へ1進むと、上へ2進むから ", "傾きは、ﾀ2/1ﾀ=2", "答　y=2x+1"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// ---- Practice two: chosen numbers -------------------------------------------------------

struct FractionCase {
    int n, d, b;
    const char* rise;
    const char* slope;   // at (40,270)
    const char* answer;  // at (40,360)
    int labelDown = 0;   // the point's label moved down off what it would meet
    int labelRight = 0;  // and right
};

class FractionGraphTexts : public ::testing::TestWithParam<FractionCase> {};

TEST_P(FractionGraphTexts, RowsAndPoints) {
    const FractionCase& c = GetParam();
    GrebeRun run(
        steps(3) + " 1 Enter",
        chosenIn(&Grebe::FractionGraphPractice,
                 Grebe::GraphLine{static_cast<Num>(c.n), static_cast<Num>(c.d), static_cast<Num>(c.b)}));
    const std::string b = num(c.b);
    EXPECT_EQ(run.ownPlace("練習2 図の直線の式を求めなさい。"), "40 30 7");
    EXPECT_EQ(run.ownPlace("点(0," + b + ")を通るから、"), "40 100 0");
    EXPECT_EQ(run.drawn("切片は" + b)[0].colour, ink::emphasis);
    EXPECT_EQ(run.ownPlace(c.rise), "40 180 0");
    EXPECT_EQ(run.ownPlace(c.slope), "40 270 3");
    EXPECT_EQ(run.ownPlace(c.answer), "40 360 5");
    const auto lines = run.lines();
    EXPECT_FALSE(run.records()
                     .dots({.r = 8, .colour = ink::answer, .near = Near{922, 330 - 40.0f * c.b, 0, 0}})
                     .empty());
    EXPECT_FALSE(run.records()
                     .dots({.r = 8,
                            .colour = ink::answer,
                            .near = Near{922 + 40.0f * c.d, 330 - 40.0f * (c.n + c.b), 0, 0}})
                     .empty());
    const auto labels = run.records().glyphs({.text = "(", .colour = ink::answer});
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front().x, 740 + c.labelRight);
    EXPECT_EQ(labels.front().y, 290 - 40 * c.b + c.labelDown);
}

INSTANTIATE_TEST_SUITE_P(
    ChosenNumbers, FractionGraphTexts,
    ::testing::Values(
        FractionCase{-3, 4, 2, "右へ4進むと、下へ3進むから ", "傾きは、ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "答　y=-ﾀ3/4ﾀx+2"},
        // (0,-1)'s label would meet the scale numbers -10 and 10 and the
        // origin's 0: it stands below them.
        FractionCase{2, 3, -1, "右へ3進むと、上へ2進むから ", "傾きは、ﾀ2/3ﾀ", "答　y=ﾀ2/3ﾀx-1", 32, 0},
        FractionCase{-5, 2, 3, "右へ2進むと、下へ5進むから ", "傾きは、ﾀ-5/2ﾀ=-ﾀ5/2ﾀ", "答　y=-ﾀ5/2ﾀx+3"},
        FractionCase{1, 4, -3, "右へ4進むと、上へ1進むから ", "傾きは、ﾀ1/4ﾀ", "答　y=ﾀ1/4ﾀx-3"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// ---- Examples 2-1 and 2-2: chosen numbers ------------------------------------------------

struct PointCase {
    int a, b, x1;
    std::vector<std::pair<const char*, const char*>> places;  // text, "x y colour"
    int labelDown = 0;  // the intercept's label moved down off what it would meet
};

class SlopeAndPointTexts : public ::testing::TestWithParam<PointCase> {};

Grebe::PointProblem problem(const PointCase& c) {
    const Num y1 = static_cast<Num>(c.a * c.x1 + c.b);
    return {static_cast<Num>(c.a), static_cast<Num>(c.b), static_cast<Num>(c.x1), y1};
}

TEST_P(SlopeAndPointTexts, RowsOfTheWorkedSolution) {
    const PointCase& c = GetParam();
    GrebeRun run(steps(7) + " 1 Enter", chosenIn(&Grebe::SlopeAndPointExample, problem(c)));
    for (const auto& [text, place] : c.places) EXPECT_EQ(run.ownPlace(text), place) << text;
    EXPECT_EQ(run.ownPlace("例2-1　"), "40 30 7");
    EXPECT_EQ(run.ownPlace("<解答>"), "40 130 3");
    EXPECT_EQ(run.ownPlace("求める式は "), "40 550 0");
    const int y1 = c.a * c.x1 + c.b;
    EXPECT_FALSE(
        run.records()
            .dots({.r = 8, .colour = ink::answer, .near = Near{1000 + 20.0f * c.x1, 400 - 20.0f * y1, 0, 0}})
            .empty());
}

INSTANTIATE_TEST_SUITE_P(
    ChosenNumbers, SlopeAndPointTexts,
    ::testing::Values(PointCase{1,
                                3,
                                2,
                                {{"y=x+b …①　", "40 250 3"},
                                 {"5=1*2+b", "40 400 0"},
                                 {"5=2+b", "40 450 0"},
                                 {"b=5-2=3", "40 500 0"}}},
                      PointCase{-1,
                                -2,
                                4,
                                {{"y=-x+b …①　", "40 250 3"},
                                 {"-6=-1*4+b", "40 400 0"},
                                 {"-6=-4+b", "40 450 0"},
                                 {"b=-6+4=-2", "40 500 0"}}},
                      PointCase{2,
                                1,
                                -3,
                                {{"(-3,-5)", "74 80 3"},
                                 {"-5=2*(-3)+b", "40 400 0"},
                                 {"-5=-6+b", "40 450 0"},
                                 {"b=-5+6=1", "40 500 0"},
                                 {"点(-3,-5)を通るから", "40 300 0"},
                                 {"x=-3,y=-5を①に代入する", "40 350 3"}}},
                      PointCase{3,
                                -2,
                                2,
                                {{"4=3*2+b", "40 400 0"},
                                 {"4=6+b", "40 450 0"},
                                 {"b=4-6=-2", "40 500 0"},
                                 {"傾きが3だから、求める一次関数の式を", "40 200 0"}}},
                      PointCase{1, 2, -2, {{"0=1*(-2)+b", "40 400 0"}, {"b=0+2=2", "40 500 0"}}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(SlopeAndPointTexts, AnswersAndLabelSides) {
    // The label stands on the side of the dot away from the y axis: right of
    // the axis it starts 20 right of the dot, below its row where the line
    // rises that way; left of the axis it ends 20 left of the dot, level.
    GrebeRun right(steps(7) + " 1 Enter",
                   chosenIn(&Grebe::SlopeAndPointExample, Grebe::PointProblem{1, 3, 2, 5}));
    EXPECT_EQ(right.drawn("y=x+3").back().colour, ink::answer);
    EXPECT_EQ(right.drawn("y=x+3").back().y, 550);
    const auto rightLabels = right.records().glyphs({.text = "(", .colour = ink::answer});
    ASSERT_FALSE(rightLabels.empty());
    const Glyph& rightLabel = rightLabels.front();
    EXPECT_EQ(rightLabel.x, 1040 + 20);
    EXPECT_EQ(rightLabel.y, 290);

    GrebeRun left(steps(7) + " 1 Enter",
                  chosenIn(&Grebe::SlopeAndPointExample, Grebe::PointProblem{2, 1, -3, -5}));
    EXPECT_EQ(left.drawn("y=2x+1").back().colour, ink::answer);
    const Num leftWidth = left.program->MathTextWidth("(-3,-5)");
    const auto leftLabels = left.records().glyphs({.text = "(", .colour = ink::answer});
    ASSERT_FALSE(leftLabels.empty());
    const Glyph& leftLabel = leftLabels.front();
    EXPECT_EQ(leftLabel.x, 940 - 20 - leftWidth);
    EXPECT_EQ(leftLabel.y, 460);
}

class InterceptAndPointTexts : public ::testing::TestWithParam<PointCase> {};

TEST_P(InterceptAndPointTexts, RowsOfTheWorkedSolution) {
    const PointCase& c = GetParam();
    GrebeRun run(steps(7) + " 1 Enter", chosenIn(&Grebe::InterceptAndPointExample, problem(c)));
    for (const auto& [text, place] : c.places) EXPECT_EQ(run.ownPlace(text), place) << text;
    EXPECT_EQ(run.ownPlace("例2-2　"), "40 30 7");
    EXPECT_EQ(run.ownPlace("<解答>"), "40 130 3");
    EXPECT_EQ(run.ownPlace("求める式は "), "40 580 0");
    const int y1 = c.a * c.x1 + c.b;
    const auto lines = run.lines();
    EXPECT_FALSE(
        run.records()
            .dots(
                {.r = 8, .colour = ink::emphasis, .near = Near{1000 + 20.0f * c.x1, 400 - 20.0f * y1, 0, 0}})
            .empty());
    EXPECT_FALSE(run.records()
                     .dots({.r = 8, .colour = ink::answer, .near = Near{1000, 400 - 20.0f * c.b, 0, 0}})
                     .empty());
    // The intercept's label, the number b, right of the y axis, far enough
    // that a minus keeps clear of the dot.
    const auto labels = run.records().glyphs({.text = num(std::abs(c.b)), .colour = ink::answer});
    ASSERT_FALSE(labels.empty());
    const Glyph& label = labels.front();
    EXPECT_EQ(label.y, 360 - 20 * c.b + c.labelDown);
    if (c.b > 0) {
        EXPECT_EQ(label.x, 1016);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ChosenNumbers, InterceptAndPointTexts,
    ::testing::Values(
        PointCase{2,
                  3,
                  2,
                  {{"y=ax+3 …①　", "40 250 3"},
                   {"7=2a+3", "40 400 0"},
                   {"2a=7-3=4", "40 450 0"},
                   {"a=ﾀ4/2ﾀ=2", "40 520 3"},
                   {"切片が3だから、求める一次関数の式を", "40 200 0"}}},
        // The intercept's label 40 down, under the point (2,0)'s label, which it
        // would run into across.
        PointCase{1, -2, 2, {{"0=2a-2", "40 400 0"}, {"2a=2", "40 450 0"}, {"a=ﾀ2/2ﾀ=1", "40 520 3"}}, 40},
        PointCase{
            -1, 2, 4, {{"-2=4a+2", "40 400 0"}, {"4a=-2-2=-4", "40 450 0"}, {"a=ﾀ-4/4ﾀ=-1", "40 520 3"}}},
        PointCase{
            2, 1, -3, {{"-5=-3a+1", "40 400 0"}, {"-3a=-5-1=-6", "40 450 0"}, {"a=ﾀ-6/-3ﾀ=2", "40 520 3"}}},
        // The intercept's label 4 down, its minus off the ink above it.
        PointCase{-3,
                  -2,
                  2,
                  {{"y=ax-2 …①　", "40 250 3"},
                   {"-8=2a-2", "40 400 0"},
                   {"2a=-8+2=-6", "40 450 0"},
                   {"a=ﾀ-6/2ﾀ=-3", "40 520 3"}},
                  4}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(InterceptAndPointTexts, Answers) {
    static const std::tuple<Grebe::PointProblem, const char*> cases[] = {{{2, 3, 2, 7}, "y=2x+3"},
                                                                         {{1, -2, 2, 0}, "y=x-2"},
                                                                         {{-1, 2, 4, -2}, "y=-x+2"},
                                                                         {{-3, -2, 2, -8}, "y=-3x-2"}};
    for (const auto& [p, answer] : cases) {
        GrebeRun run(steps(7) + " 1 Enter", chosenIn(&Grebe::InterceptAndPointExample, p));
        ASSERT_EQ(run.count(answer), 1) << answer;
        EXPECT_EQ(run.drawn(answer)[0].y, 580);
        EXPECT_EQ(run.drawn(answer)[0].colour, ink::answer);
    }
}

// A negative intercept's label: its minus stands clear of the x axis (4 units
// of page between their strokes) and level with or near its dot, right of it.
TEST(InterceptAndPointTexts, TheInterceptsMinusStandsOffTheXAxis) {
    constexpr float kAxisY = 400, kAxisHalfWidth = 2, kMinusHalfWidth = 2.5f;
    for (const PointCase& c : {PointCase{2, -1, 2, {}}, PointCase{-3, -1, 2, {}}, PointCase{1, -2, 3, {}},
                               PointCase{-2, -3, -3, {}}}) {
        SCOPED_TRACE(::testing::Message() << "a=" << c.a << " b=" << c.b << " x1=" << c.x1);
        GrebeRun run(steps(7) + " 1 Enter", chosenIn(&Grebe::InterceptAndPointExample, problem(c)));
        const Trace trace = run.records();
        const auto digits = trace.glyphs({.text = num(-c.b), .colour = ink::answer});
        ASSERT_FALSE(digits.empty());
        const Glyph& digit = digits.front();
        std::vector<Segment> minus;
        for (const Segment& s : trace.segments({.colour = ink::answer, .kind = 0, .width = 5}))
            if (s.y1 == s.y2 && s.x2 <= digit.x && s.x2 >= digit.x - 8) minus.push_back(s);
        ASSERT_EQ(minus.size(), 1u);
        EXPECT_GE(std::fabs(minus[0].y1 - kAxisY) - kAxisHalfWidth - kMinusHalfWidth, 4);
        const float dotY = kAxisY - 20.0f * static_cast<float>(c.b);
        EXPECT_LE(std::fabs(minus[0].y1 - dotY), 20);
        EXPECT_GT(minus[0].x1, 1000);
        EXPECT_LT(minus[0].x1, 1000 + 40);
    }
}

// ---- The draws over many seeds -------------------------------------------------------

constexpr int kSeeds = 300;
constexpr int kDrawsPerSeed = 30;

TEST(GrebeDraws, PracticeOneFollowsItsRulesOnTheSameStream) {
    GrebeRun run("", [](Grebe& g) {
        bool slopeRepeated = false;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            g.Rt().randomize(seed);
            g.lastExampleDraw = 0;
            std::vector<Grebe::GraphLine> drawn;
            for (int k = 0; k < kDrawsPerSeed; ++k) drawn.push_back(g.DrawIntegerGraphLine());
            EXPECT_EQ(g.lastExampleDraw, drawn.back().b);
            g.Rt().randomize(seed);
            Draws ref{g.Rt()};
            Num kept = 0;
            for (int k = 0; k < kDrawsPerSeed; ++k) {
                const auto want = ref.integerLine(kept);
                const auto& got = drawn[k];
                ASSERT_EQ(got.n, want.n) << seed << " " << k;
                ASSERT_EQ(got.b, want.b) << seed << " " << k;
                EXPECT_EQ(got.d, 1);
                EXPECT_TRUE(std::fabs(got.n) >= 1 && std::fabs(got.n) <= 3 && got.n == std::floor(got.n));
                EXPECT_TRUE(std::fabs(got.b) >= 1 && std::fabs(got.b) <= 3 && got.b == std::floor(got.b));
                if (k > 0) {
                    EXPECT_NE(got.b, drawn[k - 1].b);
                    slopeRepeated |= got.n == drawn[k - 1].n;
                }
            }
        }
        EXPECT_TRUE(slopeRepeated);
        // The memory is shared with chapter 3: a first intercept avoids what it left.
        for (int seed = 1; seed <= kSeeds; ++seed) {
            g.Rt().randomize(seed);
            g.lastExampleDraw = 2;
            const auto line = g.DrawIntegerGraphLine();
            EXPECT_NE(line.b, 2);
            EXPECT_EQ(g.lastExampleDraw, line.b);
        }
    });
    EXPECT_EQ(run.status, 0);
}

TEST(GrebeDraws, PracticeTwoFollowsItsRulesOnTheSameStream) {
    GrebeRun run("", [](Grebe& g) {
        std::set<std::pair<int, int>> slopes;
        std::set<std::tuple<int, int, int>> lines;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            g.Rt().randomize(seed);
            std::vector<Grebe::GraphLine> drawn;
            for (int k = 0; k < kDrawsPerSeed; ++k) drawn.push_back(g.DrawFractionGraphLine());
            g.Rt().randomize(seed);
            Draws ref{g.Rt()};
            for (const auto& got : drawn) {
                const auto want = ref.fractionLine();
                ASSERT_EQ(got.n, want.n) << seed;
                ASSERT_EQ(got.d, want.d) << seed;
                ASSERT_EQ(got.b, want.b) << seed;
                const int n = static_cast<int>(got.n), d = static_cast<int>(got.d),
                          b = static_cast<int>(got.b);
                EXPECT_EQ(std::gcd(std::abs(n), d), 1);
                EXPECT_NE(n % d, 0);
                EXPECT_LE(std::abs(n + b), 6);
                EXPECT_TRUE(b != 0 && std::abs(b) <= 3);
                slopes.insert({n, d});
                lines.insert({n, d, b});
            }
        }
        EXPECT_EQ(slopes.size(), 20u);
        // Same-sign pairs whose second point would leave the plane never come;
        // opposite signs do.
        for (int s : {1, -1}) {
            for (int d : {2, 3, 4}) {
                for (int b : {2, 3}) EXPECT_FALSE(lines.count({5 * s, d, b * s}));
                EXPECT_TRUE(lines.count({5 * s, d, -3 * s}));
            }
            EXPECT_FALSE(lines.count({4 * s, 3, 3 * s}));
            EXPECT_TRUE(lines.count({4 * s, 3, 2 * s}));
        }
    });
    EXPECT_EQ(run.status, 0);
}

TEST(GrebeDraws, PointProblemsFollowTheirRulesOnTheSameStream) {
    GrebeRun run("", [](Grebe& g) {
        std::set<std::tuple<int, int, int>> seen;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            g.Rt().randomize(seed);
            std::vector<Grebe::PointProblem> drawn;
            for (int k = 0; k < kDrawsPerSeed; ++k) drawn.push_back(g.DrawPointProblem());
            g.Rt().randomize(seed);
            Draws ref{g.Rt()};
            for (const auto& got : drawn) {
                const auto want = ref.pointProblem();
                ASSERT_EQ(got.a, want.a) << seed;
                ASSERT_EQ(got.b, want.b) << seed;
                ASSERT_EQ(got.x1, want.x1) << seed;
                EXPECT_EQ(got.y1, got.a * got.x1 + got.b);
                EXPECT_LE(std::fabs(got.y1), 10);
                seen.insert({static_cast<int>(got.a), static_cast<int>(got.b), static_cast<int>(got.x1)});
            }
        }
        // Every combination the bound lets through comes, and no other.
        std::set<std::tuple<int, int, int>> valid;
        for (int a = -5; a <= 5; ++a)
            for (int b = -3; b <= 3; ++b)
                for (int x1 = -6; x1 <= 6; ++x1)
                    if (a != 0 && b != 0 && std::abs(x1) >= 2 && std::abs(a * x1 + b) <= 10)
                        valid.insert({a, b, x1});
        EXPECT_EQ(valid.size(), 296u);
        EXPECT_EQ(seen, valid);
    });
    EXPECT_EQ(run.status, 0);
}

// ---- Shown answers against the drawn numbers, many seeds ------------------------------

constexpr int kShownSeeds = 40;

TEST(GrebeShownAnswers, PracticeOneAndTwo) {
    std::string keys;
    for (int k = 0; k < kShownSeeds; ++k) keys += steps(3) + " 1 Enter" + steps(3) + " 1 Enter";
    GrebeRun run(keys, [](Grebe& g) {
        for (int seed = 1; seed <= kShownSeeds; ++seed) {
            g.Rt().randomize(seed);
            Num kept = g.lastExampleDraw;
            Draws ref{g.Rt()};
            const auto line = ref.integerLine(kept);
            const int a = static_cast<int>(line.n), b = static_cast<int>(line.b);
            g.Rt().randomize(seed);
            std::size_t from = g.screenTextLog->size();
            g.RandomProblemScreen(area::text, 40, [&] { g.IntegerGraphExercise(g.DrawIntegerGraphLine()); });
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 330),
                      "答　y=" + coefficient(a) + "x" + laterTerm(b));
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 250), "傾きは、ﾀ" + num(a) + "/1ﾀ=" + num(a));

            g.Rt().randomize(seed);
            const auto f = ref.fractionLine();
            const int n = static_cast<int>(f.n), d = static_cast<int>(f.d), c = static_cast<int>(f.b);
            g.Rt().randomize(seed);
            from = g.screenTextLog->size();
            g.RandomProblemScreen(area::text, 40,
                                  [&] { g.FractionGraphExercise(g.DrawFractionGraphLine()); });
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 360),
                      "答　y=" + fraction(n, d) + "x" + laterTerm(c));
            const std::string slope =
                n > 0 ? fraction(n, d) : "ﾀ" + num(n) + "/" + num(d) + "ﾀ=" + fraction(n, d);
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 270), "傾きは、" + slope);
            EXPECT_EQ(
                textAt(*g.screenTextLog, from, 40, 180),
                "右へ" + num(d) + "進むと、" + (n > 0 ? "上へ" : "下へ") + num(std::abs(n)) + "進むから ");
        }
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.runtime->keysLeft());
    for (const auto& r : run.texts) EXPECT_EQ(r.text.find("-0"), std::string::npos) << r.text;
}

TEST(GrebeShownAnswers, ExamplesFromAPoint) {
    std::string keys;
    for (int k = 0; k < kShownSeeds; ++k) keys += steps(7) + " 1 Enter" + steps(7) + " 1 Enter";
    GrebeRun run(keys, [](Grebe& g) {
        for (int seed = 1; seed <= kShownSeeds; ++seed) {
            g.Rt().randomize(seed);
            Draws ref{g.Rt()};
            const auto p = ref.pointProblem();
            const int a = static_cast<int>(p.a), b = static_cast<int>(p.b), x1 = static_cast<int>(p.x1);
            const int y1 = a * x1 + b;
            const std::string answer = "y=" + coefficient(a) + "x" + laterTerm(b);

            g.Rt().randomize(seed);
            std::size_t from = g.screenTextLog->size();
            g.RandomProblemScreen(area::text, 40, [&] { g.SlopeAndPointExercise(g.DrawPointProblem()); });
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 80), "点");
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 500),
                      "b=" + num(y1) + laterTerm(-a * x1) + "=" + num(b));
            EXPECT_EQ(g.screenTextLog->back().text, answer);

            g.Rt().randomize(seed);
            from = g.screenTextLog->size();
            g.RandomProblemScreen(area::text, 40, [&] { g.InterceptAndPointExercise(g.DrawPointProblem()); });
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 520),
                      "a=ﾀ" + num(y1 - b) + "/" + num(x1) + "ﾀ=" + num(a));
            EXPECT_EQ(textAt(*g.screenTextLog, from, 40, 400), num(y1) + "=" + num(x1) + "a" + laterTerm(b));
            EXPECT_EQ(g.screenTextLog->back().text, answer);
        }
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.runtime->keysLeft());
    for (const auto& r : run.texts) EXPECT_EQ(r.text.find("-0"), std::string::npos) << r.text;
}

// ---- The loops -------------------------------------------------------------------------

// The pen width of the graph dots of each exercise, in order.
std::vector<std::string> graphPens(const GrebeRun& run) {
    std::vector<std::string> pens;
    bool inGraph = false;
    for (const auto& r : run.records().records()) {
        const bool graphDot = r.kind == TraceRecord::Kind::dot && r.dot.r == 1 && r.dot.colour == ink::text;
        if (graphDot && !inGraph) pens.push_back(std::to_string(r.dot.width));
        inGraph = graphDot;
    }
    return pens;
}

TEST(IntegerGraphPractice, OneOrAValueOfOneEndsAndOtherEntriesGoOn) {
    GrebeRun run(steps(3) + " Enter" + steps(3) + " 5 / 0 Enter" + steps(3) + " 2 / 2 Enter",
                 topic(&Grebe::IntegerGraphPractice));
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.count("練習1 図の直線の式を求めなさい。"), 3);
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
              1u);
    EXPECT_EQ(
        trace
            .segments(
                {.colour = ink::page, .from = At(0, 30), .to = At(1600, 1830), .kind = 2, .fill = ink::page})
            .size(),
        3u);
    // The pen width is set once at entry; the slope arrows leave 4 for the
    // exercises after the first.
    EXPECT_EQ(graphPens(run), (std::vector<std::string>{"5", "4", "4"}));
}

TEST(FractionGraphPractice, LeavingShowsTheAssignmentAfterOneMoreKey) {
    GrebeRun waiting(steps(3) + " 1 Enter", topic(&Grebe::FractionGraphPractice));
    EXPECT_FALSE(waiting.ended());
    EXPECT_EQ(waiting.count("教科書P71 問1 をしなさい。"), 0);
    GrebeRun done(steps(3) + " 2 Enter" + steps(3) + " 1 Enter a", topic(&Grebe::FractionGraphPractice));
    EXPECT_TRUE(done.ended());
    EXPECT_EQ(done.count("練習2 図の直線の式を求めなさい。"), 2);
    EXPECT_EQ(done.ownPlace("教科書P71 問1 をしなさい。"), "40 450 0");
}

TEST(PointExamples, SevenKeysAnExampleThenTheNextStep) {
    for (auto t : {&Grebe::SlopeAndPointExample, &Grebe::InterceptAndPointExample}) {
        GrebeRun run(steps(7) + " 0 Enter" + steps(7) + " 1 . 0 Enter", topic(t));
        EXPECT_TRUE(run.ended());
        EXPECT_EQ(run.count("求める式は "), 2);
        GrebeRun shortOfOne(steps(6), topic(t));
        EXPECT_EQ(shortOfOne.count("求める式は "), 1);
        EXPECT_EQ(shortOfOne.texts.back().text, "求める式は ");
    }
}

// Whatever an earlier screen left, an exercise on the same numbers draws the
// same screen.
TEST(GrebeExercises, SameScreenWhateverRanBefore) {
    const GrebeBody exercises = [](Grebe& g) {
        g.RandomProblemScreen(area::text, 40, [&] { g.IntegerGraphExercise({-2, 1, 3}); });
        g.RandomProblemScreen(area::text, 40, [&] { g.FractionGraphExercise({3, 2, -1}); });
        g.RandomProblemScreen(area::text, 40, [&] { g.SlopeAndPointExercise({2, 1, -3, -5}); });
        g.RandomProblemScreen(area::text, 40, [&] { g.InterceptAndPointExercise({-3, -2, 2, -8}); });
    };
    const std::string keys =
        steps(3) + " 1 Enter" + steps(3) + " 1 Enter" + steps(7) + " 1 Enter" + steps(7) + " 1 Enter";
    GrebeRun fresh(keys, exercises);
    GrebeRun afterOthers(keys, [&](Grebe& g) {
        g.PlaceOfPlane({.xFrom = 2, .xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
        g.Rt().setDrawWidth(4);
        exercises(g);
    });
    EXPECT_TRUE(fresh.ended());
    EXPECT_EQ(firstScreenDifference(fresh, afterOthers), "");
}

}  // namespace
}  // namespace lesson::testing
