// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 5's random topics: over many seeds every problem's numbers lie in
// their ranges and its equation, answers, dots and lines agree, read back
// from what was drawn; the coefficient texts through problems handed chosen
// numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

std::string repeat(const std::string& keys, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += keys + " ";
    return s;
}

auto reseed(int seed) {
    return [seed](Kestrel& k) { k.Rt().randomize(seed); };
}

// The trace cut at the whole-screen clear each problem starts with.
std::vector<Trace> problemScreens(const KestrelRun& run) {
    return run.records().parts([](const TraceRecord& r) {
        const Segment& s = r.segment;
        return r.kind == TraceRecord::Kind::segment && s.x1 == 0 && s.y1 == 0 && s.x2 == 1760 &&
               s.y2 == 1800 && s.colour == ink::page && s.kind == 2 && s.fill == ink::page;
    });
}

// The records that follow each record of text.
std::vector<std::vector<ScreenTextRecord>> problemTexts(const KestrelRun& run, const std::string& first) {
    std::vector<std::vector<ScreenTextRecord>> out;
    for (const auto& r : run.texts) {
        if (r.text == first) out.emplace_back();
        if (!out.empty()) out.back().push_back(r);
    }
    return out;
}

// A signed whole number written as the text's whole rest ("+3", "-5", "4").
bool wholeNumber(const std::string& s, int& v) {
    if (s.empty()) return false;
    std::size_t used = 0;
    try {
        v = std::stoi(s, &used);
    } catch (...) {
        return false;
    }
    return used == s.size();
}

// "y=" + slope + "x" + intercept term, the slope a coefficient (1 as "",
// -1 as "-") or a stacked fraction, the term always signed.
struct Equation {
    bool ok = false;
    int num = 0, den = 1;  // the slope
    int b = 0;
    std::string slopeText, termText;
};
Equation parseEquation(const std::string& text, const std::string& prefix) {
    Equation e;
    if (text.rfind(prefix, 0) != 0) return e;
    const std::string rest = text.substr(prefix.size());
    const auto x = rest.rfind('x');
    if (x == std::string::npos) return e;
    e.slopeText = rest.substr(0, x);
    e.termText = rest.substr(x + 1);
    if (e.termText.empty() || (e.termText[0] != '+' && e.termText[0] != '-')) return e;
    if (!wholeNumber(e.termText, e.b)) return e;
    const std::string bar = "ﾀ";
    std::string s = e.slopeText;
    int sign = 1;
    if (!s.empty() && s[0] == '-') {
        sign = -1;
        s = s.substr(1);
    }
    if (s.empty()) {
        e.num = sign;
    } else if (s.rfind(bar, 0) == 0) {
        if (s.size() < 2 * bar.size() || s.substr(s.size() - bar.size()) != bar) return e;
        const std::string inner = s.substr(bar.size(), s.size() - 2 * bar.size());
        const auto slash = inner.find('/');
        if (slash == std::string::npos) return e;
        if (!wholeNumber(inner.substr(0, slash), e.num) || !wholeNumber(inner.substr(slash + 1), e.den))
            return e;
        if (e.num <= 0 || e.den <= 0) return e;
        e.num *= sign;
    } else {
        if (!wholeNumber(s, e.num) || e.num <= 1) return e;  // 1 is written as nothing
        e.num *= sign;
    }
    e.ok = true;
    return e;
}

// On the practice plane a value (x, y) lies at (930 + 25x, 300 - 25y).
Near onPracticePlane(float x, float y) { return Near{930 + 25 * x, 300 - 25 * y, 0.6f, 0.6f}; }

// Every one-unit dot of a graph lies on one of the two lines and inside the
// plane, and each line has its dots.
void expectLines(const Trace& screen, const Equation& l1, const Equation& l2, const std::string& what) {
    int on1 = 0, on2 = 0;
    for (const Dot& d : screen.dots({.r = 1, .colour = ink::emphasis})) {
        const float x = (d.x - 930) / 25, y = (300 - d.y) / 25;
        const bool a = std::abs(y - (static_cast<float>(l1.num) / l1.den * x + l1.b)) < 0.05f;
        const bool b = std::abs(y - (static_cast<float>(l2.num) / l2.den * x + l2.b)) < 0.05f;
        if (a) ++on1;
        if (b) ++on2;
        EXPECT_TRUE(a || b) << what << " stray dot " << d.x << "," << d.y;
        EXPECT_TRUE(d.y >= 50 && d.y <= 550 && d.x > 679.5f && d.x < 1180.5f)
            << what << " " << d.x << "," << d.y;
    }
    EXPECT_GT(on1, 100) << what;
    EXPECT_GT(on2, 100) << what;
}

// ---- Drawing practice ---------------------------------------------------------------------

// What the practice problems of a run of seeds showed.
struct PracticeSeen {
    std::set<std::pair<int, int>> slopes;  // numerator, denominator
    std::set<int> intercepts;
};

// Runs the practice topic over seeds 1..12, ten problems each, and checks
// every problem: the two equations, the intercepts, the two dots of each
// line (the intercept, then the denominator right and the numerator up or
// down) and the lines through them. slopesFit checks the slopes' ranges.
PracticeSeen checkPractice(
    KestrelUnderTest::Entry topic, const std::string& heading,
    const std::function<void(const Equation&, const Equation&, const std::string&)>& slopesFit) {
    PracticeSeen seen;
    for (int seed = 1; seed <= 12; ++seed) {
        const int n = 10;
        KestrelRun run(repeat("a a a a a a 2 Enter", n - 1) + "a a a a a a 1 Enter", topic, reseed(seed));
        EXPECT_TRUE(run.ended()) << seed;
        const auto screens = problemScreens(run);
        const auto texts = problemTexts(run, heading);
        EXPECT_EQ(screens.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(texts.size(), static_cast<std::size_t>(n));
        for (std::size_t p = 0; p < std::min(screens.size(), texts.size()); ++p) {
            const std::string what = "seed " + std::to_string(seed) + " problem " + std::to_string(p);
            if (texts[p].size() < 3) {
                ADD_FAILURE() << what;
                continue;
            }
            EXPECT_EQ(texts[p][1].y, 110) << what;
            EXPECT_EQ(texts[p][2].y, 190) << what;
            const Equation e1 = parseEquation(texts[p][1].text, "① y=");
            const Equation e2 = parseEquation(texts[p][2].text, "② y=");
            if (!e1.ok || !e2.ok) {
                ADD_FAILURE() << what << ": " << texts[p][1].text << " " << texts[p][2].text;
                continue;
            }
            slopesFit(e1, e2, what);
            for (int b : {e1.b, e2.b}) EXPECT_TRUE(b != 0 && std::abs(b) <= 5) << what;
            seen.slopes.insert({e1.num, e1.den});
            seen.slopes.insert({e2.num, e2.den});
            seen.intercepts.insert(e1.b);
            seen.intercepts.insert(e2.b);

            // Each line's two points in its colour: on the y axis and one run on.
            for (const auto& [colour, e] : {std::pair{ink::heading, e1}, std::pair{ink::answer, e2}}) {
                EXPECT_EQ(screens[p].dots({.r = 10, .colour = colour}).size(), 2u) << what;
                for (const Near& at : {onPracticePlane(0, e.b), onPracticePlane(e.den, e.b + e.num)})
                    EXPECT_FALSE(screens[p].dots({.r = 10, .colour = colour, .near = at}).empty()) << what;
            }
            expectLines(screens[p], e1, e2, what);
        }
        if (topic == &Kestrel::FractionSlopePractice) {
            // The assignment below the last problem's equations.
            EXPECT_EQ(run.place("教科書P69 問6 をしなさい。"), "88 280 0");
        }
    }
    return seen;
}

TEST(IntegerSlopePractice, EveryProblemOverManySeeds) {
    const PracticeSeen seen =
        checkPractice(&Kestrel::IntegerSlopePractice, "Q1 次の1次関数のグラフをかきなさい。",
                      [](const Equation& e1, const Equation& e2, const std::string& what) {
                          EXPECT_EQ(e1.den, 1) << what;
                          EXPECT_EQ(e2.den, 1) << what;
                          EXPECT_TRUE(e1.num >= 1 && e1.num <= 5) << what;
                          EXPECT_TRUE(e2.num >= -5 && e2.num <= -1) << what;
                      });
    EXPECT_EQ(seen.slopes.size(), 10u);
    EXPECT_EQ(seen.intercepts.size(), 10u);
}

TEST(FractionSlopePractice, EveryProblemOverManySeeds) {
    const PracticeSeen seen =
        checkPractice(&Kestrel::FractionSlopePractice, "Q2 次の1次関数のグラフをかきなさい。",
                      [](const Equation& e1, const Equation& e2, const std::string& what) {
                          EXPECT_TRUE(e1.num >= 1 && e1.num < e1.den && e1.den <= 5) << what;
                          EXPECT_TRUE(-e2.num >= 1 && -e2.num < e2.den && e2.den <= 5) << what;
                          EXPECT_EQ(std::gcd(e1.num, e1.den), 1) << what;
                          EXPECT_EQ(std::gcd(-e2.num, e2.den), 1) << what;
                          EXPECT_EQ(e2.slopeText.rfind("-ﾀ", 0), 0u) << what;
                      });
    EXPECT_EQ(seen.slopes.size(), 18u);  // 9 proper fractions in lowest terms, each sign
    EXPECT_EQ(seen.intercepts.size(), 10u);
}

// ---- Slope-and-intercept drill ---------------------------------------------------------------

TEST(SlopeInterceptDrill, EveryProblemOverManySeeds) {
    std::set<int> slopes, intercepts;
    for (int seed = 1; seed <= 12; ++seed) {
        const int n = 15;
        KestrelRun run("a a a " + repeat("a a 2 Enter", n - 1) + "a a 1 Enter a",
                       &Kestrel::SlopeInterceptTopic, reseed(seed));
        ASSERT_TRUE(run.ended()) << seed;
        const auto all = run.texts;
        int problems = 0;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].text.rfind("問 1次関数 y=", 0) != 0) continue;
            const std::string what = "seed " + std::to_string(seed) + ": " + all[i].text;
            ++problems;
            const std::string suffix = "　で";
            const std::string& t = all[i].text;
            ASSERT_EQ(t.substr(t.size() - suffix.size()), suffix) << what;
            const Equation e = parseEquation(t.substr(0, t.size() - suffix.size()), "問 1次関数 y=");
            ASSERT_TRUE(e.ok) << what;
            EXPECT_EQ(e.den, 1) << what;
            EXPECT_TRUE(e.num != 0 && std::abs(e.num) <= 5) << what;
            EXPECT_TRUE(e.b != 0 && std::abs(e.b) <= 5) << what;
            ASSERT_LT(i + 5, all.size());
            EXPECT_EQ(all[i + 2].text, "傾き…");
            EXPECT_EQ(all[i + 3].text, std::to_string(e.num)) << what;
            EXPECT_EQ(all[i + 4].text, "切片…");
            EXPECT_EQ(all[i + 5].text, std::to_string(e.b)) << what;
            EXPECT_EQ(all[i + 5].colour, ink::answer);
            slopes.insert(e.num);
            intercepts.insert(e.b);
        }
        EXPECT_EQ(problems, n) << seed;
    }
    EXPECT_EQ(slopes.size(), 10u);
    EXPECT_EQ(intercepts.size(), 10u);
}

// ---- Text rules through chosen numbers --------------------------------------------------------

// A problem handed in, the topic that shows it and the keys to its end.
struct TextCase {
    const char* name;
    std::function<void(Kestrel&)> handIn;
    KestrelUnderTest::Entry topic;
    const char* keys;
    const char* first;   // the equation line, or the drill's question
    const char* second;  // the second equation, or the drill's slope answer
    const char* third;   // "" or the drill's intercept answer
};

template <class P>
std::function<void(Kestrel&)> handIn(P problem) {
    return [problem](Kestrel& k) { k.chosen.Add(problem); };
}

const char* const kPracticeKeys = "a a a a a a 1 Enter";
const char* const kDrillKeys = "a a 1 Enter";

class Chapter5Texts : public ::testing::TestWithParam<TextCase> {};

TEST_P(Chapter5Texts, CoefficientTexts) {
    const TextCase& c = GetParam();
    KestrelRun run(c.keys, c.topic, c.handIn);
    EXPECT_TRUE(run.ended()) << c.name;
    EXPECT_EQ(run.count(c.first), 1) << c.name;
    EXPECT_EQ(run.count(c.second), 1) << c.name;
    if (*c.third) {
        EXPECT_EQ(run.count(c.third), 1) << c.name;
    }
}

using Integer = Kestrel::IntegerSlopes;
using Fraction = Kestrel::FractionSlopes;
using Drill = Kestrel::SlopeIntercept;

INSTANTIATE_TEST_SUITE_P(
    Chapter5, Chapter5Texts,
    ::testing::Values(
        TextCase{"IntegerSlopeOneAndMinusOne", handIn(Integer{.a1 = 1, .a2 = -1, .b1 = 5, .b2 = -5}),
                 &Kestrel::IntegerSlopePractice, kPracticeKeys, "① y=x+5", "② y=-x-5", ""},
        TextCase{"IntegerOtherSlopes", handIn(Integer{.a1 = 3, .a2 = -4, .b1 = -2, .b2 = 1}),
                 &Kestrel::IntegerSlopePractice, kPracticeKeys, "① y=3x-2", "② y=-4x+1", ""},
        TextCase{"FractionsThatReduce",
                 handIn(Fraction{.num1 = 2, .den1 = 4, .num2 = -2, .den2 = 4, .b1 = 3, .b2 = -1}),
                 &Kestrel::FractionSlopePractice, kPracticeKeys, "① y=ﾀ1/2ﾀx+3", "② y=-ﾀ1/2ﾀx-1", ""},
        TextCase{"FractionsAsDrawn",
                 handIn(Fraction{.num1 = 2, .den1 = 3, .num2 = -4, .den2 = 5, .b1 = -4, .b2 = 2}),
                 &Kestrel::FractionSlopePractice, kPracticeKeys, "① y=ﾀ2/3ﾀx-4", "② y=-ﾀ4/5ﾀx+2", ""},
        TextCase{"DrillSlopeOne", handIn(Drill{.a = 1, .b = 2}), &Kestrel::SlopeInterceptDrill, kDrillKeys,
                 "問 1次関数 y=x+2　で", "1", "2"},
        TextCase{"DrillSlopeMinusOne", handIn(Drill{.a = -1, .b = -3}), &Kestrel::SlopeInterceptDrill,
                 kDrillKeys, "問 1次関数 y=-x-3　で", "-1", "-3"},
        TextCase{"DrillOtherSlope", handIn(Drill{.a = -4, .b = 5}), &Kestrel::SlopeInterceptDrill, kDrillKeys,
                 "問 1次関数 y=-4x+5　で", "-4", "5"}),
    [](const auto& info) { return std::string(info.param.name); });

// A reduced slope steps by its reduced run and rise: 2/4 as 2 right, 1 up.
TEST(FractionSlopePractice, ReducedSlopeStepsByItsLowestTerms) {
    KestrelRun run(kPracticeKeys, &Kestrel::FractionSlopePractice,
                   handIn(Fraction{.num1 = 2, .den1 = 4, .num2 = -2, .den2 = 4, .b1 = 3, .b2 = -1}));
    const auto screens = problemScreens(run);
    ASSERT_EQ(screens.size(), 1u);
    EXPECT_FALSE(screens[0].dots({.r = 10, .colour = ink::heading, .near = onPracticePlane(2, 4)}).empty());
    EXPECT_FALSE(screens[0].dots({.r = 10, .colour = ink::answer, .near = onPracticePlane(2, -2)}).empty());
}

// A next-step entry without a value counts as 0: a new problem, not the end.
TEST(IntegerSlopePractice, EntryWithoutAValueMakesANewProblem) {
    for (const char* entry : {"5 / 0", "0 / 0", "/"}) {
        KestrelRun run(std::string("a a a a a a ") + entry + " Enter a a a a a a 1 Enter",
                       &Kestrel::IntegerSlopePractice);
        EXPECT_TRUE(run.ended()) << entry;
        EXPECT_EQ(run.count("Q1 次の1次関数のグラフをかきなさい。"), 2) << entry;
    }
}

}  // namespace
}  // namespace lesson::testing
