// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel's chapter 3, the random topics: the worked examples of the rate of
// change and the practice of the rate topic, from chosen numbers and over
// many seeds against the draw rules.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kestrel_chapter3_fixture.h"
#include "pixels.h"

namespace lesson::testing {
namespace {

using namespace chapter3;

// ---- The texts one worked example must show ----------------------------------------------

struct ExampleTexts {
    std::string equation, from, to;
    std::string firstSubstitution, firstProduct, y1;
    std::string secondSubstitution, secondProduct, y2;
    std::string xDifference, xRewrite, xIncrease;  // xRewrite "" when there is none
    std::string yDifference, yRewrite, yIncrease;
    std::string ratio, rate;
};

// The texts of an example in drawing order: problem, table, substitutions
// (each y also into its cell), increases (each also at the arrow), ratio.
std::vector<std::string> sequence(const ExampleTexts& e) {
    std::vector<std::string> s = {"例 1次関数 ",
                                  e.equation,
                                  "で、xが",
                                  e.from,
                                  "から",
                                  e.to,
                                  "まで増加するとき",
                                  "ﾀyの増加量/xの増加量ﾀ",
                                  "を求めなさい。",
                                  "x",
                                  e.from,
                                  "→",
                                  e.to,
                                  "y",
                                  "",
                                  "→",
                                  "",
                                  "x=" + e.from + "のとき y=",
                                  e.firstSubstitution,
                                  e.firstProduct,
                                  e.y1,
                                  e.y1,
                                  "x=" + e.to + "のとき y=",
                                  e.secondSubstitution,
                                  e.secondProduct,
                                  e.y2,
                                  e.y2,
                                  "だから、",
                                  "xの増加量は、",
                                  e.xDifference};
    if (!e.xRewrite.empty()) s.push_back(e.xRewrite);
    s.insert(s.end(), {e.xIncrease, e.xIncrease, "yの増加量は、", e.yDifference});
    if (!e.yRewrite.empty()) s.push_back(e.yRewrite);
    s.insert(s.end(), {e.yIncrease, e.yIncrease, "ﾀyの増加量/xの増加量ﾀ=", e.ratio, e.rate});
    return s;
}

std::vector<std::string> textsOf(const std::vector<ScreenTextRecord>& records) {
    std::vector<std::string> out;
    for (const auto& r : records) out.push_back(r.text);
    return out;
}

std::function<void(Kestrel&)> handing(Kestrel::RateDraw drawn) {
    return [drawn](Kestrel& k) { k.chosen.Add(drawn); };
}

struct ExampleCase {
    const char* name;
    Kestrel::RateDraw drawn;
    ExampleTexts texts;
};

class RateExampleTexts : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(RateExampleTexts, FromChosenNumbers) {
    const ExampleCase& c = GetParam();
    KestrelRun run(exampleKeys("1") + steps(1), &Kestrel::VaryCoefficientsTopic, handing(c.drawn));
    ASSERT_TRUE(run.ended());
    const auto shown = examples(run);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(textsOf(shown[0]), sequence(c.texts));
}

INSTANTIATE_TEST_SUITE_P(
    DrawnNumbers, RateExampleTexts,
    ::testing::Values(ExampleCase{"WorkedExample",
                                  {2, 3, -2, 3},
                                  {"y=2x+3", "-2", "3", "2*(-2)+3=", "-4+3=", "-1", "2*3+3=", "6+3=", "9",
                                   "3-(-2)=", "3+2=", "5", "9-(-1)=", "9+1=", "10", "ﾀ10/5ﾀ=", "2"}},
                      ExampleCase{"EqualFourGoesOn",
                                  {1, -2, 4, 4},
                                  {"y=x-2", "4", "5", "1*4-2=", "4-2=", "2", "1*5-2=", "5-2=", "3",
                                   "5-4=", "", "1", "3-2=", "", "1", "ﾀ1/1ﾀ=", "1"}},
                      ExampleCase{"EqualFiveGivesSix",
                                  {-2, 5, 5, 5},
                                  {"y=-2x+5", "5", "6", "-2*5+5=", "-10+5=", "-5", "-2*6+5=", "-12+5=", "-7",
                                   "6-5=", "", "1", "-7-(-5)=", "-7+5=", "-2", "ﾀ-2/1ﾀ=", "-2"}},
                      // -1 and -1 give -1 to 0; a·0 with a < 0 is 0, not "-0".
                      ExampleCase{"EqualMinusOneGivesZero",
                                  {-3, 2, -1, -1},
                                  {"y=-3x+2", "-1", "0", "-3*(-1)+2=", "3+2=", "5", "-3*0+2=", "0+2=", "2",
                                   "0-(-1)=", "0+1=", "1", "2-5=", "", "-3", "ﾀ-3/1ﾀ=", "-3"}},
                      // Drawn below x1, the two change places: 3 and 0 give 0 to 3.
                      ExampleCase{"ExchangedStartsAtZero",
                                  {-1, -4, 3, 0},
                                  {"y=-x-4", "0", "3", "-1*0-4=", "0-4=", "-4", "-1*3-4=", "-3-4=", "-7",
                                   "3-0=", "", "3", "-7-(-4)=", "-7+4=", "-3", "ﾀ-3/3ﾀ=", "-1"}},
                      // A zero drawn with a minus sign is 0: no parentheses, no rewrite; y1 = 0 neither.
                      ExampleCase{"NegatedZeroAndZeroY",
                                  {1, 3, -3, -0.0f},
                                  {"y=x+3", "-3", "0", "1*(-3)+3=", "-3+3=", "0", "1*0+3=", "0+3=", "3",
                                   "0-(-3)=", "0+3=", "3", "3-0=", "", "3", "ﾀ3/3ﾀ=", "1"}},
                      ExampleCase{"WidestInterval",
                                  {-5, 1, -5, 5},
                                  {"y=-5x+1", "-5", "5", "-5*(-5)+1=", "25+1=", "26", "-5*5+1=", "-25+1=",
                                   "-24", "5-(-5)=", "5+5=", "10", "-24-26=", "", "-50", "ﾀ-50/10ﾀ=", "-5"}},
                      ExampleCase{"NegativeB",
                                  {2, -3, -2, 1},
                                  {"y=2x-3", "-2", "1", "2*(-2)-3=", "-4-3=", "-7", "2*1-3=", "2-3=", "-1",
                                   "1-(-2)=", "1+2=", "3", "-1-(-7)=", "-1+7=", "6", "ﾀ6/3ﾀ=", "2"}},
                      ExampleCase{"MinusOneCoefficient",
                                  {-1, 2, 1, -2},
                                  {"y=-x+2", "-2", "1", "-1*(-2)+2=", "2+2=", "4", "-1*1+2=", "-1+2=", "1",
                                   "1-(-2)=", "1+2=", "3", "1-4=", "", "-3", "ﾀ-3/3ﾀ=", "-1"}}),
    [](const auto& info) { return std::string(info.param.name); });

// y=2x+3 from -2 to 3 at its places; the cursor is left after the rate,
// where the conclusion continues.
// A negative y increase stands under its arrow's cell: its minus 4 units of
// page from the bottom rule (no rule ink around it), its digits clear of the
// rule, and within the cell's width.
struct IncreaseCase {
    const char* name;
    std::string keys;
    void (Kestrel::*topic)();
    std::function<void(Kestrel&)> before;
    std::vector<std::string> increases;  // the digits of each negative y increase
};

TEST(YIncreaseUnderItsCell, MinusClearOfTheTableRules) {
    const IncreaseCase cases[] = {
        {"Exercise1", steps(16), &Kestrel::RateExercise1, nullptr, {"6", "12"}},
        {"Inverse", steps(18), &Kestrel::InverseRateTopic, nullptr, {"8", "3"}},
        {"WideFalling",
         exampleKeys("1") + steps(1),
         &Kestrel::VaryCoefficientsTopic,
         handing({-5, 2, -5, 5}),
         {"50"}},
        {"Falling",
         exampleKeys("1") + steps(1),
         &Kestrel::VaryCoefficientsTopic,
         handing({-3, -4, -4, -3}),
         {"3"}},
    };
    for (const IncreaseCase& c : cases) {
        SCOPED_TRACE(c.name);
        KestrelRun run(c.keys, c.topic, c.before);
        const Trace trace = run.records();
        const auto cells = trace.segments({.colour = ink::emphasis, .kind = 2});
        for (const std::string& digits : c.increases) {
            // Its first digit: the one of the increase's colour in or just under a table row.
            std::vector<Glyph> near;
            for (const Glyph& g : trace.glyphs({.text = digits.substr(0, 1), .colour = ink::answer}))
                for (const Segment& s : cells)
                    if (s.x1 <= g.x && g.x <= s.x2 && g.y >= s.y2 - 30 && g.y <= s.y2 + 10) {
                        near.push_back(g);
                        break;
                    }
            ASSERT_EQ(near.size(), 1u) << digits;
            const Glyph& first = near[0];
            std::vector<Segment> minus;
            for (const Segment& s : trace.segments({.colour = ink::answer, .kind = 0, .width = 5}))
                if (s.y1 == s.y2 && s.x2 <= first.x && s.x2 >= first.x - 8 && s.y1 > first.y &&
                    s.y1 < first.y + 41)
                    minus.push_back(s);
            ASSERT_EQ(minus.size(), 1u) << digits;
            const Segment& m = minus[0];
            // The cell under which it stands: the lowest table cell across its minus.
            const Segment* cell = nullptr;
            for (const Segment& s : cells)
                if (s.x1 <= m.x1 && m.x2 <= s.x2 && (!cell || s.y2 > cell->y2)) cell = &s;
            ASSERT_NE(cell, nullptr) << digits;
            const float rule = cell->y2, half = static_cast<float>(cell->width) / 2;
            EXPECT_GE(m.y1 - 2.5f - (rule + half), 4) << digits << ": minus against the bottom rule";
            EXPECT_GE(first.y + 4, rule + half) << digits << ": digits through the bottom rule";
            rt::Canvas& canvas = run.runtime->canvas();
            EXPECT_EQ(pixelsOf(canvas, 3, m.x1 - 2.5f - 8, m.y1 - 2.5f - 4, m.x2 + 2.5f, m.y1 + 2.5f + 4), 0)
                << digits << ": rule ink beside the minus";
        }
    }
}

TEST(RateExampleLoop, PlacesColoursAndWhereItLeavesTheCursor) {
    KestrelRun run(exampleKeys("1") + steps(1), &Kestrel::VaryCoefficientsTopic, handing({2, 3, -2, 3}));
    const auto e = examples(run)[0];
    auto at = [&](std::size_t i) {
        return std::to_string(static_cast<int>(e[i].x)) + " " + std::to_string(static_cast<int>(e[i].y)) +
               " " + std::to_string(colourNumber(e[i].colour));
    };
    EXPECT_EQ(at(0), "40 30 0");
    EXPECT_EQ(e[1].colour, ink::emphasis);  // the equation
    EXPECT_EQ(e[3].colour, ink::emphasis);  // x1
    EXPECT_EQ(e[5].colour, ink::emphasis);  // x2
    EXPECT_EQ(at(7), "80 120 3");
    const Num table = e[8].x + 238 + 30;  // "を求めなさい。" is 7 characters of 34
    EXPECT_EQ(e[8].x, 80 + 184 + 40);
    EXPECT_EQ(e[9].x, table);
    EXPECT_EQ(e[9].y, 120);
    EXPECT_EQ(e[13].y, 170);
    EXPECT_EQ(at(17), "40 266 0");
    EXPECT_EQ(e[20].colour, ink::emphasis);  // y1 on its row
    EXPECT_EQ(e[21].x, table + 90);          // and in its cell
    EXPECT_EQ(e[21].y, 170);
    EXPECT_EQ(e[21].colour, ink::emphasis);
    EXPECT_EQ(at(22), "40 316 0");
    EXPECT_EQ(e[26].x, table + 270);
    EXPECT_EQ(at(27), "154 366 0");
    EXPECT_EQ(at(28), "40 416 0");
    EXPECT_EQ(e[31].colour, ink::emphasis);
    EXPECT_EQ(e[32].x, table + 200);  // the x increase above the arrow
    EXPECT_EQ(e[32].y, 100);
    EXPECT_EQ(e[32].colour, ink::answer);
    EXPECT_EQ(at(33), "40 466 0");
    EXPECT_EQ(e[37].x, table + 200);
    EXPECT_EQ(e[37].y, 221);
    EXPECT_EQ(at(38), "80 530 3");
    EXPECT_EQ(e[39].colour, ink::text);
    EXPECT_EQ(e[40].colour, ink::answer);
    EXPECT_EQ(e[40].y, 530);
    EXPECT_EQ(run.place("変化の割合は、xの係数に等しい。"),
              std::to_string(static_cast<int>(e[40].x + 27 + 40)) + " 530 5");

    // Each key brings its group: the x increase with its label on key 10.
    KestrelRun nine(steps(9), &Kestrel::VaryCoefficientsTopic, handing({2, 3, -2, 3}));
    KestrelRun ten(steps(10), &Kestrel::VaryCoefficientsTopic, handing({2, 3, -2, 3}));
    EXPECT_EQ(textsOf({ten.texts.begin() + static_cast<long>(nine.texts.size()), ten.texts.end()}),
              (std::vector<std::string>{"3+2=", "5", "5"}));
}

// Mode 1 still takes a and b from the draws, then shows y=2x+3.
TEST(RateExampleLoop, FixedModeReplacesTheDrawnCoefficients) {
    KestrelRun run(exampleKeys("1") + steps(2), &Kestrel::RateOfChangeTopic, handing({-4, -5, -2, 3}));
    ASSERT_TRUE(run.ended());
    ExampleTexts fixed{"y=2x+3",  "-2",   "3", "2*(-2)+3=", "-4+3=", "-1", "2*3+3=",  "6+3=", "9",
                       "3-(-2)=", "3+2=", "5", "9-(-1)=",   "9+1=",  "10", "ﾀ10/5ﾀ=", "2"};
    EXPECT_EQ(textsOf(examples(run)[0]), sequence(fixed));
    // The definition after one more key, on the rate's row; then the assignment.
    const auto rate = examples(run)[0].back();
    EXPECT_EQ(run.place("変化の割合=ﾀyの増加量/xの増加量ﾀ　(一定)"),
              std::to_string(static_cast<int>(rate.x + 27 + 40)) + " 530 5");
    // Clear of the status band.
    EXPECT_EQ(run.place("教科書P64 問1　をしなさい。"), "480 595 7");
}

// Only a value of 1 ends the examples; an entry without a value is 0.
TEST(RateExampleLoop, EveryOtherEntryMakesANewExample) {
    KestrelRun run(exampleKeys("5/0") + exampleKeys("0/0") + exampleKeys("") + exampleKeys("1.5") +
                       exampleKeys("2/2") + steps(1),
                   &Kestrel::VaryCoefficientsTopic);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(examples(run).size(), 5u);
    EXPECT_EQ(run.count("変化の割合は、xの係数に等しい。"), 1);
}

// ---- Many seeds against the draw rules ------------------------------------------------------

// The examples a seed gives, drawn in the lesson's order from a generator of
// its own, and their texts worked out in whole numbers.
// The runtime's generator, seeded afresh for each run it checks.
rt::Runtime& generator(int seed) {
    static rt::HeadlessRuntime r({});
    r.randomize(seed);
    return r;
}

std::vector<ExampleTexts> expectedExamples(int seed, int count, bool fixed) {
    rt::Runtime& r = generator(seed);
    auto whole = [&](float n, float from) { return static_cast<int>(std::floor(r.rnd() * n + from)); };
    auto signed_ = [&](int magnitude) { return whole(2, 1) == 2 ? -magnitude : magnitude; };
    auto text = [](int v) { return std::to_string(v); };
    auto inParens = [&](int v) { return v < 0 ? "(" + text(v) + ")" : text(v); };

    std::vector<ExampleTexts> out;
    for (int k = 0; k < count; ++k) {
        int a = signed_(whole(5, 1));
        int b = signed_(whole(5, 1));
        if (fixed) {
            a = 2;
            b = 3;
        }
        int x1 = signed_(whole(5, 1));
        int x2 = signed_(whole(6, 0));
        if (x2 == x1) ++x2;
        if (x2 < x1) std::swap(x1, x2);
        EXPECT_LT(x1, x2);
        EXPECT_GE(x1, -5);
        EXPECT_LE(x2, 6);
        const int y1 = a * x1 + b, y2 = a * x2 + b;
        const std::string bTerm = (b > 0 ? "+" : "") + text(b);
        ExampleTexts e;
        e.equation = "y=" + (a == 1 ? "" : a == -1 ? "-" : text(a)) + "x" + bTerm;
        e.from = text(x1);
        e.to = text(x2);
        e.firstSubstitution = text(a) + "*" + inParens(x1) + bTerm + "=";
        e.firstProduct = text(a * x1) + bTerm + "=";
        e.y1 = text(y1);
        e.secondSubstitution = text(a) + "*" + inParens(x2) + bTerm + "=";
        e.secondProduct = text(a * x2) + bTerm + "=";
        e.y2 = text(y2);
        e.xDifference = text(x2) + "-" + inParens(x1) + "=";
        e.xRewrite = x1 < 0 ? text(x2) + "+" + text(-x1) + "=" : "";
        e.xIncrease = text(x2 - x1);
        e.yDifference = text(y2) + "-" + inParens(y1) + "=";
        e.yRewrite = y1 < 0 ? text(y2) + "+" + text(-y1) + "=" : "";
        e.yIncrease = text(y2 - y1);
        e.ratio = "ﾀ" + e.yIncrease + "/" + e.xIncrease + "ﾀ=";
        e.rate = text(a);
        EXPECT_EQ(y2 - y1, a * (x2 - x1));
        out.push_back(e);
    }
    return out;
}

TEST(RateExampleLoop, ManySeedsAgainstTheDrawRules) {
    constexpr int kExamples = 3;
    std::string keys;
    for (int k = 1; k < kExamples; ++k) keys += exampleKeys("2");
    keys += exampleKeys("1") + steps(2);
    for (bool fixed : {false, true}) {
        for (int seed = 1; seed <= (fixed ? 25 : 100); ++seed) {
            KestrelRun run(keys, fixed ? &Kestrel::RateOfChangeTopic : &Kestrel::VaryCoefficientsTopic,
                           [seed](Kestrel& k) { k.Rt().randomize(seed); });
            ASSERT_TRUE(run.ended()) << seed;
            const auto shown = examples(run);
            const auto wanted = expectedExamples(seed, kExamples, fixed);
            ASSERT_EQ(shown.size(), wanted.size()) << seed;
            for (std::size_t i = 0; i < shown.size(); ++i) {
                ASSERT_EQ(textsOf(shown[i]), sequence(wanted[i])) << "seed " << seed << " example " << i;
            }
        }
    }
}

// ---- The practice of the rate topic --------------------------------------------------------------

struct PracticeCase {
    const char* name;
    Kestrel::RatePracticeDraw drawn;
    const char* problem;
    const char* rate;
    const char* question;
    const char* increase;
    const char* rule;
};

class RatePractice : public ::testing::TestWithParam<PracticeCase> {};

std::string practiceKeys(int problems) {
    std::string keys = steps(1);
    for (int k = 1; k < problems; ++k) keys += steps(3) + " " + typed("0");
    return keys + steps(3) + " " + typed("1") + steps(13);
}

// The texts of a practice problem from its first line on.
std::vector<ScreenTextRecord> practiceOf(const KestrelRun& run, const std::string& problem) {
    std::vector<ScreenTextRecord> out;
    bool in = false;
    for (const auto& r : run.texts) {
        if (r.text == problem) in = true;
        if (in && out.size() < 6) out.push_back(r);
    }
    return out;
}

TEST_P(RatePractice, FromChosenNumbers) {
    const PracticeCase& c = GetParam();
    const auto drawn = c.drawn;
    KestrelRun run(practiceKeys(1), &Kestrel::RateEqualsSlopeTopic,
                   [drawn](Kestrel& k) { k.chosen.Add(drawn); });
    ASSERT_TRUE(run.ended());
    const auto p = practiceOf(run, c.problem);
    ASSERT_EQ(p.size(), 6u) << c.problem;
    EXPECT_EQ(textsOf(p), (std::vector<std::string>{c.problem, "(1) 変化の割合をいいなさい。", c.rate,
                                                    c.question, "yの増加量を求めなさい。", c.increase}));
    EXPECT_EQ(p[0].x, 40);
    EXPECT_EQ(p[0].y, 310);
    EXPECT_EQ(p[1].y, 360);
    EXPECT_EQ(p[2].y, 360);
    EXPECT_EQ(p[2].colour, ink::answer);
    EXPECT_EQ(p[3].y, 410);
    EXPECT_EQ(p[4].x, 120);
    EXPECT_EQ(p[4].y, 460);
    EXPECT_EQ(p[5].colour, ink::answer);
    EXPECT_EQ(run.place(c.rule), "40 560 0");
}

INSTANTIATE_TEST_SUITE_P(DrawnNumbers, RatePractice,
                         ::testing::Values(PracticeCase{"MinusOne",
                                                        {-1, 4, 6},
                                                        "問 1次関数 y=-x+4　で",
                                                        "-1",
                                                        "(2) xの増加量が6のとき、",
                                                        "-6",
                                                        "yの増加量=-1*6=-6"},
                                           PracticeCase{"One",
                                                        {1, -3, 7},
                                                        "問 1次関数 y=x-3　で",
                                                        "1",
                                                        "(2) xの増加量が7のとき、",
                                                        "7",
                                                        "yの増加量=1*7=7"},
                                           PracticeCase{"Largest",
                                                        {-5, 2, 15},
                                                        "問 1次関数 y=-5x+2　で",
                                                        "-5",
                                                        "(2) xの増加量が15のとき、",
                                                        "-75",
                                                        "yの増加量=-5*15=-75"},
                                           PracticeCase{"NegativeB",
                                                        {2, -3, 1},
                                                        "問 1次関数 y=2x-3　で",
                                                        "2",
                                                        "(2) xの増加量が1のとき、",
                                                        "2",
                                                        "yの増加量=2*1=2"},
                                           PracticeCase{"NegativeA",
                                                        {-3, -1, 5},
                                                        "問 1次関数 y=-3x-1　で",
                                                        "-3",
                                                        "(2) xの増加量が5のとき、",
                                                        "-15",
                                                        "yの増加量=-3*5=-15"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RatePractice, ManySeedsAgainstTheDrawRules) {
    constexpr int kProblems = 3;
    for (int seed = 1; seed <= 100; ++seed) {
        KestrelRun run(practiceKeys(kProblems), &Kestrel::RateEqualsSlopeTopic,
                       [seed](Kestrel& k) { k.Rt().randomize(seed); });
        ASSERT_TRUE(run.ended()) << seed;
        rt::Runtime& r = generator(seed);
        auto whole = [&](float n) { return static_cast<int>(std::floor(r.rnd() * n + 1)); };
        auto signed_ = [&](int magnitude) { return whole(2) == 2 ? -magnitude : magnitude; };
        std::vector<std::string> wanted, shown;
        std::string rule;
        for (int k = 0; k < kProblems; ++k) {
            const int a = signed_(whole(5));
            const int b = signed_(whole(5));
            const int dx = whole(15);
            wanted.push_back("問 1次関数 y=" +
                             (a == 1    ? ""
                              : a == -1 ? "-"
                                        : std::to_string(a)) +
                             "x" + (b > 0 ? "+" : "") + std::to_string(b) + "　で");
            wanted.push_back(std::to_string(a));
            wanted.push_back("(2) xの増加量が" + std::to_string(dx) + "のとき、");
            wanted.push_back(std::to_string(a * dx));
            rule = "yの増加量=" + std::to_string(a) + "*" + std::to_string(dx) + "=" + std::to_string(a * dx);
        }
        for (std::size_t i = 0; i < run.texts.size(); ++i) {
            if (run.texts[i].text.rfind("問 1次関数 ", 0) != 0) continue;
            const auto p = std::vector<ScreenTextRecord>(run.texts.begin() + i, run.texts.begin() + i + 6);
            for (std::size_t j : {0, 2, 3, 5}) shown.push_back(p[j].text);
        }
        ASSERT_EQ(shown, wanted) << seed;
        EXPECT_EQ(run.count(rule), 1) << seed;
    }
}

}  // namespace
}  // namespace lesson::testing
