// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel chapter 7: its frame, the worked example y=5x+20, and the random
// practice: its generator over many seeds and with scripted random numbers,
// its texts and worked rows for chosen numbers, and every shown problem
// checked against its own numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "kestrel_chapter_checks.h"

namespace lesson::testing {
namespace {

const std::string kGoal = "xの変域からyの変域を求めよう。";
const std::string kChoiceLine = "①例　②練習　③終了";

// ---- Frame and the spare item ---------------------------------------------------------------

struct ChoiceCase {
    const char* typed;
    int leads;  // 1 the example, 2 the practice, 3 the main menu, 0 the choice line again
};

class Chapter7Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Chapter7Choice, EachEntryLeadsToItsTarget) {
    const ChoiceCase& c = GetParam();
    KestrelRun run("7 Enter " + typed(c.typed));
    EXPECT_EQ(run.count("問　1次関数 y=5x+20 について、"), c.leads == 1 ? 1 : 0) << c.typed;
    EXPECT_EQ(run.count("練習　"), c.leads == 2 ? 1 : 0) << c.typed;
    EXPECT_EQ(run.count(kMenuHeading), c.leads == 3 ? 2 : 1) << c.typed;
    EXPECT_EQ(run.count(kChoiceLine), c.leads == 0 ? 2 : 1) << c.typed;
    EXPECT_EQ(run.count(kGoal), 1) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(TypedEntries, Chapter7Choice,
                         ::testing::Values(ChoiceCase{"1", 1}, ChoiceCase{"2", 2}, ChoiceCase{"3", 3},
                                           ChoiceCase{"2.5", 2}, ChoiceCase{"5/2", 2}, ChoiceCase{"3.0", 3},
                                           ChoiceCase{"0", 0}, ChoiceCase{"4", 0}, ChoiceCase{"-1", 0},
                                           ChoiceCase{"1/2", 0}, ChoiceCase{"", 0}, ChoiceCase{"5/0", 0},
                                           ChoiceCase{"0/0", 0}, ChoiceCase{"/", 0}));

TEST(Chapter7Frame, GoalOnceChoiceLineAfterEachTopic) {
    KestrelRun run("7 Enter 1 Enter" + steps(14) + " 2 Enter" + steps(9) + " 1 Enter 3 Enter 7 Enter");
    EXPECT_EQ(run.place("<めあて>"), "44 240 3");
    EXPECT_EQ(run.place(kGoal), "76 305 0");
    EXPECT_EQ(run.count(kGoal), 2);
    EXPECT_EQ(run.count(kChoiceLine), 4);
    EXPECT_EQ(run.count(kMenuHeading), 2);
}

// Item 8 shows only "8　" and brings the menu back at once: no key wait, no
// drawing of its own between the menu's clear and the menu drawn again.
TEST(SpareItem, BringsTheMenuBackAtOnce) {
    KestrelRun run("8 Enter");
    EXPECT_EQ(run.place("8　"), "44 540 15");
    EXPECT_EQ(run.count(kMenuHeading), 2);
    EXPECT_EQ(run.waits(), 2);  // the two menu numbers
    // From the clear after the pick to the menu's box drawn again, no text.
    const auto clear =
        run.records()
            .after(run.records().firstKey("Enter") + 1)
            .fromFirst(
                {.colour = ink::page, .from = At(0, 0), .to = At(1760, 1800), .kind = 2, .fill = ink::page});
    const auto again = clear.fromFirst({.from = At(0, 54), .to = At(1440, 900)});
    ASSERT_FALSE(again.records().empty());
    EXPECT_EQ(clear.glyphs().size(), again.glyphs().size());
}

// ---- Worked example --------------------------------------------------------------------------

TEST(DomainRangeExample, FourteenStepsAtTheirPlaces) {
    KestrelRun run(steps(14), &Kestrel::DomainRangeExample);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.waits(), 14);
    KestrelRun shortOfOne(steps(13), &Kestrel::DomainRangeExample);
    EXPECT_FALSE(shortOfOne.ended());
    EXPECT_EQ(shortOfOne.count("45≦y≦70"), 0);

    const auto lines = run.lines();
    const Trace trace(lines);
    expectPlaces(run, {
                          {"問　1次関数 y=5x+20 について、", "38 30 0"},
                          {"xの変域が 5≦x≦10 のとき、", "38 80 0"},
                          {"yの変域を求めなさい。", "38 130 0"},
                      });
    // Plane (722,30)-(1142,646), origin (778,590), grid, numbers 5 a step on y.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(778, 30), .to = At(778, 646), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(722, 590), .to = At(1142, 590), .colour = ink::text, .width = 4})
            .empty());
    for (const Near at : {At(905, 594), At(1032, 594), At(722, 437), At(722, 297), At(722, 157),
                          At(690, 17)}) {  // the top number stands apart from the axis letter "y"

        EXPECT_FALSE(trace.glyphs({.near = at}).empty()) << at.x << ' ' << at.y;
    }
    EXPECT_EQ(run.count("y=5x+20"), 1);
    // Domain, range and the thick piece of the graph.
    for (const Near at : {At(918, 590), At(1058, 590), At(778, 338), At(778, 198)})
        EXPECT_FALSE(trace.dots({.r = 8, .colour = ink::answer, .near = at}).empty()) << at.x << ' ' << at.y;
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(918, 590), .to = At(1058, 590), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(918, 338), .to = At(1058, 198), .colour = ink::emphasis, .width = 9})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(778, 338), .to = At(778, 198), .colour = ink::answer, .width = 5})
            .empty());
    // Four arrows, each with one head (drawn twice over itself).
    const Near shafts[][2] = {{At(918, 590), At(918, 338)},
                              {At(1058, 590), At(1058, 198)},
                              {At(918, 338), At(778, 338)},
                              {At(1058, 198), At(778, 198)}};
    for (const auto& a : shafts)
        EXPECT_EQ(trace.segments(Stroke{.from = a[0], .to = a[1], .colour = ink::answer, .width = 5}).size(),
                  2u)
            << a[0].x << ' ' << a[0].y << ' ' << a[1].x << ' ' << a[1].y;
    EXPECT_EQ(run.place("グラフから"), "38 210 3");
    EXPECT_EQ(run.place("x=5 のとき　"), "38 260 0");
    EXPECT_EQ(run.drawn("最小値 y=45")[0].y, 260);
    EXPECT_EQ(run.place("x=10 のとき　"), "38 310 0");
    EXPECT_EQ(run.drawn("最大値 y=70")[0].colour, ink::emphasis);
    EXPECT_EQ(run.place("したがって、yの変域は　"), "38 360 0");
    EXPECT_EQ(run.drawn("45≦y≦70")[0].colour, ink::answer);
    EXPECT_EQ(run.drawn("45≦y≦70")[0].y, 360);
}

TEST(DomainRangeExample, SameScreenWhateverRanBefore) {
    KestrelRun fresh(steps(14), &Kestrel::DomainRangeExample);
    KestrelRun afterOthers(steps(14), &Kestrel::DomainRangeExample, [](Kestrel& k) {
        k.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 3, .yPerStep = 0.5f});
        k.Rt().setDrawWidth(2);
    });
    EXPECT_EQ(firstScreenDifference(fresh, afterOthers), "");
}

// ---- Practice: the generator ------------------------------------------------------------------

// A problem as the generator left it.
struct Problem {
    Num a, b, p, q, yp, yq, kept;
};

Problem problemOf(const Kestrel::DomainRangeProblem& d, const Kestrel& k) {
    return {d.a, d.b, d.p, d.q, d.yp, d.yq, k.lastRangeSlope};
}

// The conditions every drawn problem meets.
void expectValid(const Problem& pr, Num slopeBefore, const std::string& where) {
    EXPECT_TRUE(pr.a == -2 || pr.a == -1 || pr.a == 1 || pr.a == 2) << where;
    EXPECT_TRUE(pr.b != 0 && pr.b >= -3 && pr.b <= 3 && pr.b == std::floor(pr.b)) << where;
    EXPECT_NE(pr.p, 0) << where;
    EXPECT_GE(pr.q - pr.p, 3) << where;
    EXPECT_LE(pr.q - pr.p, 8) << where;
    EXPECT_GE(pr.p, -8) << where;
    EXPECT_LE(pr.p, 6) << where;
    EXPECT_LE(pr.q, 9) << where;
    EXPECT_EQ(pr.yp, pr.a * pr.p + pr.b) << where;
    EXPECT_EQ(pr.yq, pr.a * pr.q + pr.b) << where;
    EXPECT_LE(std::fabs(pr.yp), 10) << where;
    EXPECT_LE(std::fabs(pr.yq), 10) << where;
    EXPECT_EQ(pr.kept, pr.a) << where;
    (void)slopeBefore;
}

TEST(DomainRangeGenerator, EveryDrawMeetsTheConditionsOverManySeeds) {
    std::set<Num> slopes, lows, highs;
    bool qZero = false, yZero = false, sameSlopeInARow = false;
    for (int seed = 1; seed <= 300; ++seed) {
        rt::HeadlessRuntime runtime({});
        KestrelUnderTest k(runtime, [](Kestrel&) {});
        k.OverrideSeed(seed);
        k.before = [&](Kestrel& kk) {
            Num previous = kk.lastRangeSlope;
            for (int n = 0; n < 30; ++n) {
                const Problem pr = problemOf(kk.DrawDomainRangeProblem(), kk);
                expectValid(pr, previous, "seed " + std::to_string(seed) + " problem " + std::to_string(n));
                sameSlopeInARow |= pr.a == previous;
                previous = pr.a;
                slopes.insert(pr.a);
                lows.insert(pr.p);
                highs.insert(pr.q);
                qZero |= pr.q == 0;
                yZero |= pr.yp == 0 || pr.yq == 0;
            }
        };
        k.Run();
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_EQ(slopes, (std::set<Num>{-2, -1, 1, 2}));
    EXPECT_EQ(*lows.begin(), -8);
    EXPECT_EQ(*lows.rbegin(), 6);
    EXPECT_EQ(*highs.begin(), -5);
    EXPECT_EQ(*highs.rbegin(), 9);
    EXPECT_TRUE(qZero);
    EXPECT_TRUE(yZero);
    // Only after a retry from the bounds' tests.
    EXPECT_TRUE(sameSlopeInARow);
}

// Random numbers from a script; running out ends the program.
class ScriptedRandomRuntime : public rt::HeadlessRuntime {
public:
    explicit ScriptedRandomRuntime(std::vector<float> script)
        : HeadlessRuntime({}), script_(script.begin(), script.end()) {}
    float rnd() override {
        if (script_.empty()) throw rt::WindowClosed{};
        ++taken;
        const float r = script_.front();
        script_.pop_front();
        return r;
    }
    int taken = 0;

private:
    std::deque<float> script_;
};

struct ScriptCase {
    const char* name;
    Num kept;                   // lastRangeSlope before the draw
    std::vector<float> script;  // r for each draw, in the order taken
    Problem expected;
};

class DomainRangeScripted : public ::testing::TestWithParam<ScriptCase> {};

// r picks INT(r*n + k): 0 the smallest value, 0.99 the largest; for a sign
// 0 keeps it and 0.5 negates.
TEST_P(DomainRangeScripted, RetriesAndTheSlopeMemory) {
    const ScriptCase& c = GetParam();
    ScriptedRandomRuntime runtime(c.script);
    Kestrel::DomainRangeProblem drawn{};
    KestrelUnderTest k(runtime, [&](Kestrel& kk) { drawn = kk.DrawDomainRangeProblem(); });
    k.before = [&](Kestrel& kk) { kk.lastRangeSlope = c.kept; };
    k.Run();
    const Problem pr = problemOf(drawn, k);
    EXPECT_EQ(runtime.taken, static_cast<int>(c.script.size())) << c.name;
    EXPECT_EQ(pr.a, c.expected.a) << c.name;
    EXPECT_EQ(pr.b, c.expected.b) << c.name;
    EXPECT_EQ(pr.p, c.expected.p) << c.name;
    EXPECT_EQ(pr.q, c.expected.q) << c.name;
    EXPECT_EQ(pr.yp, c.expected.yp) << c.name;
    EXPECT_EQ(pr.yq, c.expected.yq) << c.name;
    EXPECT_EQ(pr.kept, c.expected.kept) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, DomainRangeScripted,
    ::testing::Values(
        // Slope 1 again is drawn anew (two numbers); then 2, 3, p = 4, width 3:
        // y = 11 fails; 2 is now kept, so slope 1 passes: 1x-1 on 1..4.
        ScriptCase{"RepeatThenBoundsRetry",
                   1,
                   {0, 0, /**/ 0.5f, 0, 0.9f, 0, 0.4f, 0, 0, /**/ 0, 0, 0.3f, 0.6f, 0, 0, 0},
                   {1, -1, 1, 4, 0, 3, 1}},
        // The first draw of a run: nothing is kept yet.
        ScriptCase{"FirstOfARun", 0, {0.5f, 0.5f, 0.5f, 0.5f, 0, 0.5f, 0}, {-2, -2, -1, 2, 0, -6, -2}},
        // p = 7 fails for every width; p = 6 with width 3 reaches q = 9.
        ScriptCase{"UpperBoundNine",
                   2,
                   {0, 0, 0, 0, 0.8f, 0, 0, /**/ 0, 0.5f, 0, 0, 0.7f, 0, 0},
                   {-1, 1, 6, 9, -5, -8, -1}},
        // q = 10 fails: p = 2, width 8.
        ScriptCase{"UpperBoundTen",
                   -1,
                   {0, 0, 0, 0, 0.2f, 0, 0.99f, /**/ 0, 0.5f, 0, 0, 0, 0, 0.99f},
                   {-1, 1, 1, 9, 0, -8, -1}},
        // y = -11 fails; the repeated slope -2 is drawn again (two numbers).
        ScriptCase{
            "YOfMinusElevenFails",
            1,
            {0.5f, 0.5f, 0.9f, 0.5f, 0.4f, 0, 0, /**/ 0.5f, 0.5f, /**/ 0.5f, 0, 0.9f, 0.5f, 0.3f, 0.5f, 0},
            {2, -3, -3, 0, -9, -3, 2}},
        ScriptCase{
            "YOfMinusTenPasses", 1, {0.5f, 0.5f, 0.4f, 0.5f, 0.2f, 0.5f, 0.5f}, {-2, -2, -2, 4, 2, -10, -2}},
        ScriptCase{"YOfTenPasses", 2, {0, 0, 0, 0, 0.7f, 0, 0}, {1, 1, 6, 9, 7, 10, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Practice: texts and the worked solution for chosen numbers ----------------------------

struct TextCase {
    Num a, b, p, q;
    const char* equation;
    const char* domain;
    const char* rowP;  // the substitution of p: three texts joined by '|'
    const char* rowQ;
    const char* range;
};

class DomainRangeTexts : public ::testing::TestWithParam<TextCase> {};

KestrelRun solved(const TextCase& c, int keys) {
    const Kestrel::DomainRangeProblem problem{c.a, c.b, c.p, c.q, c.a * c.p + c.b, c.a * c.q + c.b};
    return KestrelRun(steps(keys), [problem](Kestrel& k) {
        k.TopicScreen(area::text, 40);
        k.PenWidth(5);
        k.DomainRangeProblemScreen(problem);
        k.DomainRangeSolution(problem);
    });
}

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t bar; (bar = s.find('|', from)) != std::string::npos; from = bar + 1)
        out.push_back(s.substr(from, bar - from));
    out.push_back(s.substr(from));
    return out;
}

TEST_P(DomainRangeTexts, ProblemRowsAndRange) {
    const TextCase& c = GetParam();
    KestrelRun run = solved(c, 9);
    EXPECT_EQ(run.waits(), 9);
    EXPECT_EQ(run.place("練習　"), "40 30 7");
    EXPECT_EQ(run.drawn(c.equation).size(), 1u) << c.equation;
    EXPECT_EQ(run.drawn(c.equation)[0].colour, ink::emphasis);
    EXPECT_EQ(run.drawn(c.equation)[0].y, 30);
    EXPECT_EQ(run.drawn(c.domain)[0].colour, ink::emphasis) << c.domain;
    EXPECT_EQ(run.drawn(c.domain)[0].y, 80);
    EXPECT_EQ(run.place("yの変域を求めなさい。"), "40 130 0");
    EXPECT_EQ(run.place("<解答>"), "40 180 3");
    int row = 0;
    for (const char* substitution : {c.rowP, c.rowQ}) {
        const Num y = row == 0 ? 280 : 380;
        const auto parts = split(substitution);
        ASSERT_EQ(parts.size(), 3u);
        const Colour colours[3] = {ink::text, ink::text, ink::emphasis};
        for (int k = 0; k < 3; ++k) {
            bool found = false;
            for (const auto& r : run.drawn(parts[k])) found |= r.y == y && r.colour == colours[k];
            EXPECT_TRUE(found) << parts[k] << " at " << y;
        }
        ++row;
    }
    EXPECT_EQ(run.place(c.range), "40 480 5");
    EXPECT_EQ(run.place("グラフから、yの変域は　"), "40 430 0");
    // Never a negative zero.
    for (const auto& r : run.texts) EXPECT_EQ(r.text.find("-0"), std::string::npos) << r.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DomainRangeTexts,
    ::testing::Values(
        TextCase{2, -3, -2, 4, "y=2x-3", "-2≦x≦4", "2*(-2)-3=|-4-3|=-7", "2*4-3=|8-3|=5", "-7≦y≦5"},
        TextCase{-1, 2, -3, 3, "y=-x+2", "-3≦x≦3", "-1*(-3)+2=|3+2|=5", "-1*3+2=|-3+2|=-1", "-1≦y≦5"},
        TextCase{1, -1, 1, 4, "y=x-1", "1≦x≦4", "1*1-1=|1-1|=0", "1*4-1=|4-1|=3", "0≦y≦3"},
        TextCase{-2, 1, -3, 0, "y=-2x+1", "-3≦x≦0", "-2*(-3)+1=|6+1|=7", "-2*0+1=|0+1|=1", "1≦y≦7"},
        TextCase{-1, -2, -8, -3, "y=-x-2", "-8≦x≦-3", "-1*(-8)-2=|8-2|=6", "-1*(-3)-2=|3-2|=1", "1≦y≦6"},
        TextCase{-1, 2, -4, 2, "y=-x+2", "-4≦x≦2", "-1*(-4)+2=|4+2|=6", "-1*2+2=|-2+2|=0", "0≦y≦6"},
        TextCase{2, 3, -6, -3, "y=2x+3", "-6≦x≦-3", "2*(-6)+3=|-12+3|=-9", "2*(-3)+3=|-6+3|=-3", "-9≦y≦-3"}));

// ---- Practice: every shown problem against its own numbers -----------------------------------

// The text of a whole number as the screen shows it.
std::string numberText(int v) { return std::to_string(v); }
std::string bracketed(int v) { return v < 0 ? "(" + numberText(v) + ")" : numberText(v); }

// The practice's screen of one problem, solved to its end.
Trace solvedScreen(const Kestrel::DomainRangeProblem& problem) {
    KestrelRun run(steps(9), [problem](Kestrel& k) {
        k.TopicScreen(area::text, 40);
        k.PenWidth(5);
        k.DomainRangeProblemScreen(problem);
        k.DomainRangeSolution(problem);
    });
    return run.records();
}

// A point at y=-10 stays above the status band (y 639 on), where the
// next-step prompt and its entry field would cover and then wipe it.
TEST(DomainRangeSolution, PointsAtMinusTenStayClearOfTheStatusBand) {
    struct Case {
        Num a, b, p, q;
    };
    for (const Case& c : {Case{-2, -2, 1, 4}, Case{-1, -3, 2, 7}, Case{2, -2, -4, -1}}) {
        const Kestrel::DomainRangeProblem problem{c.a, c.b, c.p, c.q, c.a * c.p + c.b, c.a * c.q + c.b};
        const Trace trace = solvedScreen(problem);
        const auto points = trace.dots({.r = 8});
        ASSERT_EQ(points.size(), 2u) << c.a << " " << c.b;
        for (const Dot& d : points) EXPECT_LT(d.y + d.r, 639) << c.a << " " << c.b << " at " << d.x;
        for (const Segment& s : trace.segments({.colour = ink::heading}))
            EXPECT_LT(std::max(s.y1, s.y2), 639);
    }
}

TEST(DomainRangePractice, EveryShownProblemIsRightOverManySeeds) {
    const int problems = 4;
    std::string keys;
    for (int n = 1; n < problems; ++n) keys += steps(9) + " 2 Enter";
    keys += steps(9) + " 1 Enter";
    for (int seed = 1; seed <= 60; ++seed) {
        KestrelRun run(keys, &Kestrel::DomainRangePractice, [seed](Kestrel& k) { k.Rt().randomize(seed); });
        ASSERT_TRUE(run.ended()) << seed;
        int shown = 0;
        const auto& t = run.texts;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i].text != "練習　") continue;
            ++shown;
            const std::string where = "seed " + std::to_string(seed) + " problem " + std::to_string(shown);
            // "練習　", "1次関数 ", the equation, "について、", "xの変域が ", the domain.
            ASSERT_LT(i + 5, t.size());
            const std::string eq = t[i + 2].text, domain = t[i + 5].text;
            ASSERT_EQ(eq.rfind("y=", 0), 0u) << where;
            const std::size_t x = eq.find('x');
            const std::string coef = eq.substr(2, x - 2);
            const int a = coef.empty() ? 1 : coef == "-" ? -1 : std::stoi(coef);
            EXPECT_NE(coef, "1") << where;
            EXPECT_NE(coef, "-1") << where;
            const std::string term = eq.substr(x + 1);
            ASSERT_TRUE(term[0] == '+' || term[0] == '-') << where << ": " << eq;
            const int b = std::stoi(term);
            const std::size_t le = domain.find("≦x≦");
            ASSERT_NE(le, std::string::npos) << where;
            const int p = std::stoi(domain.substr(0, le)),
                      q = std::stoi(domain.substr(le + std::string("≦x≦").size()));
            const int yp = a * p + b, yq = a * q + b;
            EXPECT_TRUE(a == -2 || a == -1 || a == 1 || a == 2) << where;
            EXPECT_TRUE(b != 0 && std::abs(b) <= 3) << where;
            EXPECT_TRUE(p != 0 && q - p >= 3 && q - p <= 8 && q <= 9 && p >= -8) << where;
            EXPECT_TRUE(std::abs(yp) <= 10 && std::abs(yq) <= 10) << where;

            // The worked rows that follow, in order.
            std::vector<std::string> rest;
            for (std::size_t j = i + 1; j < t.size() && t[j].text != "練習　"; ++j) rest.push_back(t[j].text);
            const std::string bTerm = (b > 0 ? "+" : "") + numberText(b);
            const std::vector<std::string> wanted = {
                "x=" + numberText(p) + " のとき　",
                numberText(a) + "*" + bracketed(p) + bTerm + "=",
                numberText(a * p) + bTerm,
                "=" + numberText(yp),
                "x=" + numberText(q) + " のとき　",
                numberText(a) + "*" + bracketed(q) + bTerm + "=",
                numberText(a * q) + bTerm,
                "=" + numberText(yq),
                a > 0 ? numberText(yp) + "≦y≦" + numberText(yq) : numberText(yq) + "≦y≦" + numberText(yp)};
            std::size_t from = 0;
            for (const std::string& w : wanted) {
                auto it = std::find(rest.begin() + static_cast<long>(from), rest.end(), w);
                EXPECT_NE(it, rest.end()) << where << ": " << w;
                if (it != rest.end()) from = static_cast<std::size_t>(it - rest.begin()) + 1;
            }
            EXPECT_LE(std::min(yp, yq), std::max(yp, yq));
        }
        EXPECT_EQ(shown, problems) << seed;
        if (::testing::Test::HasFailure()) return;
    }
}

// ---- Practice: the values on the plane read apart ---------------------------------------------

// A value on the plane as the pupil reads it: its glyphs' ink, a minus included.
struct ValueBox {
    float x0, y0, x1, y1;
    std::string text;
};

// The value labels of a solved problem (colour 3 on the plane), each the
// run of its glyphs 27 apart with the minus just before them.
std::vector<ValueBox> valueBoxes(const Trace& trace) {
    std::vector<ValueBox> out;
    for (const Glyph& g : trace.glyphs({.colour = ink::emphasis, .in = Box{640, 1300, 0, 700}})) {
        if (!out.empty() && out.back().text.size() < 3 && g.y + 4 == out.back().y0 &&
            g.x == out.back().x1 + 1) {
            out.back().x1 = g.x + 26;
            out.back().text += g.text;
            continue;
        }
        out.push_back({g.x, g.y + 4, g.x + 26, g.y + 41, g.text});
    }
    for (const Segment& m : trace.segments({.colour = ink::emphasis, .kind = 0, .width = 5}))
        for (ValueBox& v : out)
            if (m.y1 == m.y2 && m.y1 == v.y0 + 16 && m.x2 + 4 == v.x0) {
                v.x0 = m.x1 - 3;
                v.text = "-" + v.text;
            }
    return out;
}

// Side by side (heights overlapping by more than a third) 10 apart; stacked, 4.
bool readApart(const ValueBox& a, const ValueBox& b) {
    const float overlap = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
    const float height = std::min(a.y1 - a.y0, b.y1 - b.y0);
    const float across = std::max(b.x0 - a.x1, a.x0 - b.x1);
    const float down = std::max(b.y0 - a.y1, a.y0 - b.y1);
    return across >= 10 || (overlap <= height / 3 && down >= 4);
}

// Each value keeps 10 (side by side) or 4 (stacked) from the origin's "0"
// and the other values, 4 of page from the axes and their 8-wide bars, and
// stays by what it names: an x value within a label's height under its mark,
// a y value within 70 of its guide line.
void expectValuesReadApart(const Kestrel::DomainRangeProblem& pr, const std::string& where) {
    const Trace trace = solvedScreen(pr);
    const auto values = valueBoxes(trace);
    std::string all;
    for (const ValueBox& v : values)
        all += " " + v.text + "@" + std::to_string(static_cast<int>(v.x0)) + "," +
               std::to_string(static_cast<int>(v.y0));
    ASSERT_EQ(values.size(), 4u) << where << all;
    constexpr float kOriginX = 930, kOriginY = 340, kStep = 29;
    const ValueBox zero{kOriginX - 28, kOriginY + 8, kOriginX - 6, kOriginY + 26, "0"};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const ValueBox& v = values[i];
        const std::string what =
            where + " value " + v.text + " at " + std::to_string(static_cast<int>(v.x0)) + "," +
            std::to_string(static_cast<int>(v.y0)) + " to " + std::to_string(static_cast<int>(v.x1)) + "," +
            std::to_string(static_cast<int>(v.y1));
        EXPECT_TRUE(readApart(v, zero)) << what << " beside the origin's 0";
        for (std::size_t j = i + 1; j < values.size(); ++j)
            EXPECT_TRUE(readApart(v, values[j])) << what << " beside " << values[j].text;
        EXPECT_FALSE(v.y0 < kOriginY + 8 && v.y1 > kOriginY - 8) << what << " on the x axis";
        EXPECT_FALSE(v.x0 < kOriginX + 8 && v.x1 > kOriginX - 8) << what << " on the y axis";
        EXPECT_LT(v.y1, 640) << what << " in the status band";
    }
    const float marks[2] = {kOriginX + kStep * pr.p, kOriginX + kStep * pr.q};
    const float guides[2] = {kOriginY - kStep * pr.yp, kOriginY - kStep * pr.yq};
    // The guide lines, a 5-wide pen, drawn after the x values: none runs
    // through a value, and a minus keeps 4 of page from one on its left.
    for (int k = 0; k < 2; ++k) {
        const ValueBox lines[] = {{marks[k] - 2.5f, std::min(kOriginY, guides[k]) - 2.5f, marks[k] + 2.5f,
                                   std::max(kOriginY, guides[k]) + 2.5f, "guide down"},
                                  {std::min(kOriginX, marks[k]) - 2.5f, guides[k] - 2.5f,
                                   std::max(kOriginX, marks[k]) + 2.5f, guides[k] + 2.5f, "guide across"}};
        for (const ValueBox& g : lines)
            for (const ValueBox& v : values) {
                const bool level = v.y0 < g.y1 && v.y1 > g.y0;
                const std::string what = where + " value " + v.text + " at " + std::to_string(v.x0) + "," +
                                         std::to_string(v.y0) + ", " + g.text + " of " + std::to_string(k);
                EXPECT_FALSE(level && v.x0 < g.x1 && v.x1 > g.x0) << what << " runs through it";
                if (v.text.starts_with("-")) {
                    EXPECT_FALSE(level && g.x1 <= v.x0 && v.x0 - g.x1 < 4) << what << " beside its minus";
                }
            }
    }
    // A point on an axis has no guide line to it: no stub of one under the dot.
    for (const Segment& s : trace.segments({.colour = ink::heading}))
        EXPECT_FALSE(s.x1 == s.x2 && s.y1 == s.y2) << where << " a guide line of no length at " << s.x1;
    for (int k = 0; k < 2; ++k) {
        const ValueBox& x = values[static_cast<std::size_t>(k)];
        EXPECT_LT(std::min(std::fabs(x.x0 - marks[k]), std::fabs(x.x1 - marks[k])), 40)
            << where << " x " << x.text << " at " << x.x0 << "," << x.y0 << " mark " << marks[k];
        EXPECT_LT(x.y0 - kOriginY, 100)
            << where << " x " << x.text << " at " << x.x0 << "," << x.y0 << " mark " << marks[k];
        const ValueBox& y = values[static_cast<std::size_t>(k) + 2];
        EXPECT_LT(std::min(std::fabs(y.y0 - guides[k]), std::fabs(y.y1 - guides[k])), 70)
            << where << " y " << y.text << " at " << y.y0 << " guide " << guides[k];
    }
}

Kestrel::DomainRangeProblem rangeProblem(Num a, Num b, Num p, Num q) {
    return {a, b, p, q, a * p + b, a * q + b};
}

// The crowded corners: ends at and beside the origin, values of -2 to 1.
TEST(DomainRangeValues, ReadApartNearTheOrigin) {
    struct Case {
        Num a, b, p, q;
    };
    for (const Case& c : {Case{1, 1, -2, 1}, Case{1, -1, -1, 2}, Case{-1, -3, -8, -1}, Case{1, 1, -8, 0},
                          Case{1, -2, -2, 1}, Case{-1, -3, -2, 1}, Case{1, 2, -6, -3}, Case{2, -3, -2, 4},
                          Case{-2, 1, -3, 0}, Case{-1, 2, -3, 3}, Case{1, -1, 1, 4}, Case{-1, -2, -8, -3},
                          // a guide line passing an x value's place; a minus right of its mark; a point
                          // on the x axis
                          Case{-1, 3, 4, 8}, Case{1, -2, -8, -5}, Case{1, 1, -1, 2}}) {
        expectValuesReadApart(
            rangeProblem(c.a, c.b, c.p, c.q),
            "a=" + numberText(static_cast<int>(c.a)) + " b=" + numberText(static_cast<int>(c.b)) +
                " p=" + numberText(static_cast<int>(c.p)) + " q=" + numberText(static_cast<int>(c.q)));
    }
}

// Every problem the first 60 seeds show first.
TEST(DomainRangeValues, ReadApartOverManySeeds) {
    std::set<std::vector<Num>> seen;
    for (int seed = 1; seed <= 60; ++seed) {
        Kestrel::DomainRangeProblem pr{};
        KestrelRun run("", [&pr, seed](Kestrel& k) {
            k.Rt().randomize(seed);
            pr = k.DrawDomainRangeProblem();
        });
        if (!seen.insert({pr.a, pr.b, pr.p, pr.q}).second) continue;
        expectValuesReadApart(
            pr, "seed " + std::to_string(seed) + " a=" + numberText(static_cast<int>(pr.a)) +
                    " b=" + numberText(static_cast<int>(pr.b)) + " p=" + numberText(static_cast<int>(pr.p)) +
                    " q=" + numberText(static_cast<int>(pr.q)));
    }
    EXPECT_GT(seen.size(), 30u);
}

// Every text of chapters 6 and 7, every topic to its end: whole mark-up.
TEST(KestrelChapters6And7, EveryTextHasWholeMarkup) {
    KestrelRun run("6 Enter 1 Enter" + steps(12) + " 2 Enter" + steps(5) + " 3 Enter" + steps(6) +
                   " 4 Enter 2 Enter 1 Enter" + steps(4) + " 3 Enter 1 Enter a 5 Enter 7 Enter 1 Enter" +
                   steps(14) + " 2 Enter" + steps(9) + " 1 Enter 3 Enter 9 Enter");
    ASSERT_TRUE(run.ended());
    for (const auto& r : run.texts) EXPECT_EQ(MarkupFault(r.text), "") << r.text;
    EXPECT_EQ(run.records().count(TraceRecord::Kind::error), 0);
}

}  // namespace
}  // namespace lesson::testing
