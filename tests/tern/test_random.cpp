// SPDX-License-Identifier: GPL-3.0-or-later
// The rewriting of ax+by=c to y=mx+n and Tern's three random topics: their
// texts from chosen numbers, and their draws over many seeds checked against
// an independent computation from the same generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>
#include <utility>

#include "tern_fixture.h"

namespace lesson::testing {
namespace {

// Tern with no run: its texts are built without a screen.
struct Offline {
    rt::HeadlessRuntime runtime{rt::HeadlessRuntime::Options{}};
    TernUnderTest tern{runtime};
};

// ---- Independent texts -------------------------------------------------------------------

std::string whole(long v) { return std::to_string(v); }

// A reduced fraction as the screen writes it: "3", "-2", "ﾀ5/3ﾀ", "-ﾀ2/3ﾀ".
std::string fraction(long num, long den) {
    if (den < 0) num = -num, den = -den;
    const long g = std::gcd(std::labs(num), den);
    num /= g, den /= g;
    if (den == 1) return whole(num);
    return (num < 0 ? "-ﾀ" : "ﾀ") + whole(std::labs(num)) + "/" + whole(den) + "ﾀ";
}

// A coefficient before a letter: 1 is left out, -1 is "-".
std::string coefficient(long num, long den) {
    if (num == den) return "";
    if (num == -den) return "-";
    return fraction(num, den);
}

// The advance of a text of single-byte characters: "=" 32, the rest 27.
Num width(const std::string& text) {
    Num w = 0;
    for (char ch : text) w += ch == '=' ? 32 : 27;
    return w;
}

std::string signedTerm(const std::string& text) { return text[0] == '-' ? text : "+" + text; }

std::string equation(long a, long b, long c) {
    return coefficient(a, 1) + "x" + (b > 0 ? "+" : "") + coefficient(b, 1) + "y=" + whole(c);
}

// ---- The rewriting's texts from (a, b, c) ------------------------------------------------------

struct RewriteCase {
    int a, b, c;
    bool interceptAsFraction;
    const char* lines[6];
    const char* slope;
    const char* intercept;
};

class SlopeInterceptRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(SlopeInterceptRewrite, SixLinesFromTheNumbers) {
    const RewriteCase& c = GetParam();
    Offline o;
    const auto form = o.tern.SlopeInterceptTexts(static_cast<Num>(c.a), static_cast<Num>(c.b),
                                                 static_cast<Num>(c.c), c.interceptAsFraction);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(form.lines[i], c.lines[i]) << c.a << " " << c.b << " " << c.c << " line " << i + 1;
    EXPECT_EQ(form.slope, c.slope);
    EXPECT_EQ(form.intercept, c.intercept);
    EXPECT_EQ(form.equation, equation(c.a, c.b, c.c));
}

INSTANTIATE_TEST_SUITE_P(Readings, SlopeInterceptRewrite,
                         ::testing::Values(
                             // The two worked readings.
                             RewriteCase{2,
                                         3,
                                         5,
                                         true,
                                         {"2x を移項して", "3y=-2x+5", "両辺を3 でわって", "ﾀ3y/3ﾀ=ﾀ-2x+5/3ﾀ",
                                          "y=ﾀ-2x/3ﾀ+ﾀ5/3ﾀ", "y=-ﾀ2/3ﾀx+ﾀ5/3ﾀ"},
                                         "-ﾀ2/3ﾀ",
                                         "ﾀ5/3ﾀ"},
                             RewriteCase{1,
                                         -2,
                                         -3,
                                         true,
                                         {"x を移項して", "-2y=-x-3", "両辺を-2 でわって",
                                          "ﾀ-2y/-2ﾀ=ﾀ-x-3/-2ﾀ", "y=ﾀ-x/-2ﾀ+ﾀ-3/-2ﾀ", "y=ﾀ1/2ﾀx+ﾀ3/2ﾀ"},
                                         "ﾀ1/2ﾀ",
                                         "ﾀ3/2ﾀ"},
                             // a = 1 with a positive b; slope 1 and slope -1; a whole slope.
                             RewriteCase{1,
                                         3,
                                         5,
                                         true,
                                         {"x を移項して", "3y=-x+5", "両辺を3 でわって", "ﾀ3y/3ﾀ=ﾀ-x+5/3ﾀ",
                                          "y=ﾀ-x/3ﾀ+ﾀ5/3ﾀ", "y=-ﾀ1/3ﾀx+ﾀ5/3ﾀ"},
                                         "-ﾀ1/3ﾀ",
                                         "ﾀ5/3ﾀ"},
                             RewriteCase{3,
                                         -3,
                                         6,
                                         true,
                                         {"3x を移項して", "-3y=-3x+6", "両辺を-3 でわって",
                                          "ﾀ-3y/-3ﾀ=ﾀ-3x+6/-3ﾀ", "y=ﾀ-3x/-3ﾀ+ﾀ6/-3ﾀ", "y=x-2"},
                                         "1",
                                         "-2"},
                             RewriteCase{2,
                                         2,
                                         -5,
                                         true,
                                         {"2x を移項して", "2y=-2x-5", "両辺を2 でわって", "ﾀ2y/2ﾀ=ﾀ-2x-5/2ﾀ",
                                          "y=ﾀ-2x/2ﾀ+ﾀ-5/2ﾀ", "y=-x-ﾀ5/2ﾀ"},
                                         "-1",
                                         "-ﾀ5/2ﾀ"},
                             RewriteCase{4,
                                         2,
                                         6,
                                         true,
                                         {"4x を移項して", "2y=-4x+6", "両辺を2 でわって", "ﾀ2y/2ﾀ=ﾀ-4x+6/2ﾀ",
                                          "y=ﾀ-4x/2ﾀ+ﾀ6/2ﾀ", "y=-2x+3"},
                                         "-2",
                                         "3"},
                             // Negative b and negative c: every sign kept until the last line.
                             RewriteCase{2,
                                         -4,
                                         -6,
                                         true,
                                         {"2x を移項して", "-4y=-2x-6", "両辺を-4 でわって",
                                          "ﾀ-4y/-4ﾀ=ﾀ-2x-6/-4ﾀ", "y=ﾀ-2x/-4ﾀ+ﾀ-6/-4ﾀ", "y=ﾀ1/2ﾀx+ﾀ3/2ﾀ"},
                                         "ﾀ1/2ﾀ",
                                         "ﾀ3/2ﾀ"},
                             RewriteCase{2,
                                         -3,
                                         -5,
                                         true,
                                         {"2x を移項して", "-3y=-2x-5", "両辺を-3 でわって",
                                          "ﾀ-3y/-3ﾀ=ﾀ-2x-5/-3ﾀ", "y=ﾀ-2x/-3ﾀ+ﾀ-5/-3ﾀ", "y=ﾀ2/3ﾀx+ﾀ5/3ﾀ"},
                                         "ﾀ2/3ﾀ",
                                         "ﾀ5/3ﾀ"},
                             // The graph topic keeps the whole intercept's plain text.
                             RewriteCase{2,
                                         3,
                                         -6,
                                         false,
                                         {"2x を移項して", "3y=-2x-6", "両辺を3 でわって", "ﾀ3y/3ﾀ=ﾀ-2x-6/3ﾀ",
                                          "y=ﾀ-2x/3ﾀ+ﾀ-6/3ﾀ", "y=-ﾀ2/3ﾀx-2"},
                                         "-ﾀ2/3ﾀ",
                                         "-2"},
                             RewriteCase{9,
                                         -3,
                                         -12,
                                         false,
                                         {"9x を移項して", "-3y=-9x-12", "両辺を-3 でわって",
                                          "ﾀ-3y/-3ﾀ=ﾀ-9x-12/-3ﾀ", "y=ﾀ-9x/-3ﾀ+ﾀ-12/-3ﾀ", "y=3x+4"},
                                         "3",
                                         "4"}),
                         [](const auto& info) { return "case_" + std::to_string(info.index); });

// The graph topic's run and rise: the slope in lowest terms, the run positive.
TEST(SlopeInterceptRewrite, RunAndRiseOfTheGraphTopic) {
    struct Case {
        int a, b, n, run, rise;
    };
    Offline o;
    Tern& t = o.tern;
    for (const Case& c : {Case{4, 2, 3, 1, -2}, Case{2, 3, -2, 3, -2}, Case{3, -2, 1, 2, 3},
                          Case{3, -3, 2, 1, 1}, Case{4, 4, -1, 1, -1}, Case{6, -4, 5, 2, 3}}) {
        const auto form = t.SlopeInterceptTexts(static_cast<Num>(c.a), static_cast<Num>(c.b),
                                                static_cast<Num>(c.n * c.b), false);
        EXPECT_EQ(form.run, c.run) << c.a << " " << c.b;
        EXPECT_EQ(form.rise, c.rise) << c.a << " " << c.b;
        EXPECT_EQ(form.intercept, whole(c.n));
    }
}

// ---- The draws over many seeds ---------------------------------------------------------

constexpr int kSeeds = 200;
constexpr int kProblemsPerSeed = 5;

// The generator a seed starts, read as the topics read it.
struct Reference {
    rt::HeadlessRuntime runtime{rt::HeadlessRuntime::Options{}};
    void restart(int seed) { runtime.randomize(seed); }
    long upTo(int count, int from = 1) { return static_cast<long>(std::floor(runtime.rnd() * count)) + from; }
    long signed_(long magnitude) { return std::floor(runtime.rnd() * 2) == 0 ? -magnitude : magnitude; }
};

// Runs check(tern, reference, seed) for every problem of every seed, with
// Tern's generator and the reference started on the same seed.
template <class Check>
void overManySeeds(Check&& check) {
    Offline o;
    Reference ref;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        o.runtime.randomize(seed);
        ref.restart(seed);
        for (int k = 0; k < kProblemsPerSeed; ++k) {
            check(o.tern, ref, seed);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

TEST(RandomSlopeIntercept, DrawsAndTextsOverManySeeds) {
    overManySeeds([](Tern& t, Reference& ref, int seed) {
        const auto problem = t.DrawSlopeReading();
        const long a = ref.upTo(9);
        const long b = ref.signed_(ref.upTo(3, 2));
        const long c = ref.signed_(ref.upTo(9));
        ASSERT_EQ(problem.a, a) << seed;
        ASSERT_EQ(problem.b, b) << seed;
        ASSERT_EQ(problem.c, c) << seed;
        ASSERT_TRUE(a >= 1 && a <= 9 && std::labs(b) >= 2 && std::labs(b) <= 4 && c != 0 &&
                    std::labs(c) <= 9);

        const auto form = t.SlopeInterceptTexts(problem.a, problem.b, problem.c, true);
        ASSERT_EQ(form.equation, equation(a, b, c)) << seed;
        ASSERT_EQ(form.slope, fraction(-a, b)) << seed;
        ASSERT_EQ(form.intercept, fraction(c, b)) << seed;
        ASSERT_EQ(form.lines[5],
                  "y=" + coefficient(-a * (b < 0 ? -1 : 1), std::labs(b)) + "x" + signedTerm(fraction(c, b)))
            << seed;
    });
}

TEST(RandomEquationGraph, EveryShownProblemPassesTheRedrawTest) {
    int redrawn = 0;
    overManySeeds([&redrawn](Tern& t, Reference& ref, int seed) {
        const auto problem = t.DrawInterceptGraph();
        long a, b, n, run, rise;
        for (;;) {
            a = ref.upTo(9);
            b = ref.signed_(ref.upTo(3, 2));
            n = ref.signed_(ref.upTo(6));
            const long g = std::gcd(a, std::labs(b));
            run = std::labs(b) / g;
            rise = (b < 0 ? a : -a) / g;
            if (std::labs(n + rise) <= 10) break;
            ++redrawn;
        }
        ASSERT_EQ(problem.a, a) << seed;
        ASSERT_EQ(problem.b, b) << seed;
        ASSERT_EQ(problem.n, n) << seed;
        const Num c = problem.n * problem.b;  // the right side the problem states
        ASSERT_EQ(c, n * b) << seed;
        const auto form = t.SlopeInterceptTexts(problem.a, problem.b, c, false);
        ASSERT_EQ(form.run, run) << seed;
        ASSERT_EQ(form.rise, rise) << seed;
        // The intercept is whole, never 0; the triangle's top is on the plane and on the line.
        ASSERT_TRUE(n != 0 && std::labs(n) <= 6);
        ASSERT_LE(std::labs(n + rise), 10);
        ASSERT_EQ(rise * b, -a * run);

        ASSERT_EQ(form.equation, equation(a, b, n * b)) << seed;
        ASSERT_EQ(form.lines[5], "y=" + coefficient(rise, run) + "x" + signedTerm(whole(n))) << seed;
    });
    EXPECT_GT(redrawn, 0);  // the redraw path was taken
}

TEST(RandomInterceptsGraph, BothInterceptsWholeAndOnThePlane) {
    overManySeeds([](Tern& t, Reference& ref, int seed) {
        const auto problem = t.DrawCrossingsGraph();
        const long a = ref.upTo(9);
        const long s = ref.signed_(1);
        const long b = ref.signed_(ref.upTo(8, 2));
        const long c = s * a * b;
        ASSERT_EQ(problem.a, a) << seed;
        ASSERT_EQ(problem.c / (problem.a * problem.b), s) << seed;
        ASSERT_EQ(problem.b, b) << seed;
        ASSERT_EQ(problem.c, c) << seed;
        const long p = c / a, q = c / b;
        // What the problem shows and graphs: the crossings and the slope.
        const Num x = problem.c / problem.a, y = problem.c / problem.b, slope = -problem.a / problem.b;
        ASSERT_EQ(x, p) << seed;
        ASSERT_EQ(y, q) << seed;
        // (p, 0) and (0, q) satisfy ax+by=c and lie on the plane's -10..10.
        ASSERT_EQ(a * p, c);
        ASSERT_EQ(b * q, c);
        ASSERT_TRUE(std::labs(p) >= 2 && std::labs(p) <= 9 && q != 0 && std::labs(q) <= 9);
        ASSERT_NEAR(slope * static_cast<Num>(p) + y, 0, 1e-5f);

        const auto texts = t.CrossingsGraphTexts(problem);
        ASSERT_EQ(texts.equation, equation(a, b, c)) << seed;
        ASSERT_EQ(texts.onXAxis.solved, "x=" + whole(p));
        ASSERT_EQ(texts.onYAxis.solved, "y=" + whole(q));
        ASSERT_EQ(texts.onYAxis.equation, whole(b) + "y=" + whole(c));
    });
}

// ---- Chosen numbers handed to a problem: what the screen shows --------------------------------

TEST(RandomSlopeIntercept, ChosenProblemsOnScreen) {
    struct Case {
        int a, b, c;
        const char* equation;
        const char* firstStep;
        const char* slope;
        const char* intercept;
        const char* lastRow;
    };
    for (const Case& c : {Case{1, 3, 5, "x+3y=5", "x を移項して", "-ﾀ1/3ﾀ", "ﾀ5/3ﾀ", "y=-ﾀ1/3ﾀx+ﾀ5/3ﾀ"},
                          Case{3, -3, 6, "3x-3y=6", "3x を移項して", "1", "-2", "y=x-2"},
                          Case{2, -4, -6, "2x-4y=-6", "2x を移項して", "ﾀ1/2ﾀ", "ﾀ3/2ﾀ", "y=ﾀ1/2ﾀx+ﾀ3/2ﾀ"}}) {
        TernRun run(steps(5), [c](Tern& t) {
            t.chosen.Add(
                Tern::SlopeReading{static_cast<Num>(c.a), static_cast<Num>(c.b), static_cast<Num>(c.c)});
            t.RandomSlopeInterceptExample();
        });
        EXPECT_EQ(run.place("例1-1"), "40 30 3");
        EXPECT_EQ(run.place(c.equation), "152 90 3");
        EXPECT_EQ(run.place(c.firstStep), "156 140 7");
        EXPECT_EQ(run.place(c.lastRow), "120 490 3");
        EXPECT_EQ(run.place("傾き "), "120 570 0");
        EXPECT_EQ(run.textAt(run.drawn("傾き ")[0].x + 34 * 2 + 27, 570), c.slope);
        const auto interceptLabel = run.drawn("切片 ");
        ASSERT_EQ(interceptLabel.size(), 1u);
        EXPECT_EQ(run.drawn(c.intercept).back().y, 570);
        EXPECT_EQ(run.drawn(c.intercept).back().colour, ink::answer);
        // The line's label is the equation as the problem states it.
        EXPECT_EQ(run.count(c.equation), 2);
    }
}

TEST(RandomEquationGraph, ChosenProblemsTriangleOnScreen) {
    struct Case {
        int a, b, n;
        float second[2];  // the triangle's second point on screen
    };
    // 4x+2y=6: (0,3) to (1,1); 2x+3y=-6: (0,-2) to (3,-4); 3x-2y=2: (0,-1) to (2,2).
    for (const Case& c :
         {Case{4, 2, 3, {921, 325}}, Case{2, 3, -2, {971, 450}}, Case{3, -2, -1, {946, 300}}}) {
        TernRun run(steps(5), [c](Tern& t) {
            t.chosen.Add(
                Tern::InterceptGraph{static_cast<Num>(c.a), static_cast<Num>(c.b), static_cast<Num>(c.n)});
            t.RandomEquationGraphExample();
        });
        const auto trace = run.records();
        const float top = 350 - 25 * static_cast<float>(c.n);
        // The dots' pen width is whatever the screen left.
        const DotQuery dot = {.r = 8, .colour = ink::onBox, .start = 0, .end = 0, .filled = true};
        auto at = [dot](Near n) {
            DotQuery q = dot;
            q.near = n;
            return q;
        };
        EXPECT_FALSE(trace.dots(at(At(896, top))).empty()) << top;
        const Near second = At(c.second[0], c.second[1]);
        EXPECT_FALSE(trace.dots(at(second)).empty()) << c.second[0] << ' ' << c.second[1];
        // The run in colour 7 to the corner, the rise in colour 3 to the second point, pen 4.
        const Near corner = At(c.second[0], top);
        EXPECT_FALSE(
            trace.segments(Stroke{.from = At(896, top), .to = corner, .colour = ink::heading, .width = 4})
                .empty())
            << c.second[0];
        EXPECT_FALSE(
            trace.segments(Stroke{.from = corner, .to = second, .colour = ink::emphasis, .width = 4}).empty())
            << c.second[1];
    }
}

TEST(RandomInterceptsGraph, ChosenProblemsOnScreen) {
    struct Case {
        int a, s, b;
        const char* texts[8];  // equation, y row, its solution, y point, x row, its solution, x point
        int p, q;
    };
    for (const Case& c :
         {Case{1, 1, 4, {"x+4y=4", "4y=4", "y=1", "点(0,1)を通る。", "x=4", "x=4", "点(4,0)を通る。"}, 4, 1},
          Case{2,
               1,
               -3,
               {"2x-3y=-6", "-3y=-6", "y=2", "点(0,2)を通る。", "2x=-6", "x=-3", "点(-3,0)を通る。"},
               -3,
               2},
          Case{3,
               -1,
               4,
               {"3x+4y=-12", "4y=-12", "y=-3", "点(0,-3)を通る。", "3x=-12", "x=-4", "点(-4,0)を通る。"},
               -4,
               -3}}) {
        TernRun run(steps(11), [c](Tern& t) {
            t.chosen.Add(Tern::CrossingsGraph{static_cast<Num>(c.a), static_cast<Num>(c.b),
                                              static_cast<Num>(c.s * c.b * c.a)});
            t.RandomInterceptsGraphExample();
        });
        EXPECT_EQ(run.textAt(120, 140), c.texts[0]);
        EXPECT_EQ(run.textAt(40, 240), c.texts[1]);
        EXPECT_EQ(run.drawn(c.texts[2]).back().y, 240);
        EXPECT_EQ(run.textAt(40, 290), c.texts[3]);
        EXPECT_EQ(run.textAt(40, 390), c.texts[4]);
        EXPECT_EQ(run.drawn(c.texts[5]).back().y, 390);
        // The solutions stand 50 past the end of their rows.
        EXPECT_EQ(run.drawn(c.texts[2]).back().x, 40 + width(c.texts[1]) + 50);
        EXPECT_EQ(run.drawn(c.texts[5]).back().x, 40 + width(c.texts[4]) + 50);
        EXPECT_EQ(run.textAt(40, 440), c.texts[6]);
        // The dots' pen width is whatever the screen left.
        const auto trace = run.records();
        EXPECT_FALSE(trace
                         .dots({.r = 8,
                                .colour = ink::answer,
                                .near = At(896, static_cast<float>(350 - 25 * c.q)),
                                .start = 0,
                                .end = 0,
                                .filled = true})
                         .empty());
        EXPECT_FALSE(trace
                         .dots({.r = 8,
                                .colour = ink::answer,
                                .near = At(static_cast<float>(896 + 25 * c.p), 350),
                                .start = 0,
                                .end = 0,
                                .filled = true})
                         .empty());
    }
}

// ---- The line's equation on the plane: the reading rules ------------------------------------

// The ink of the last text a run drew on a ground in the colour: each
// character's pen place, its ink 4 to 50 under the row and at most 27 across
// (an italic x is drawn higher, in a face of its own: the row is the others').
struct InkBox {
    float left = 0, top = 0, right = 0, bottom = 0;
};
std::optional<InkBox> lastLabel(const Trace& trace, Colour colour) {
    std::optional<InkBox> last;
    std::optional<InkBox> held;
    bool onGround = false, ofColour = true;
    for (const TraceRecord& r : trace.records()) {
        if (r.line == "halo on") {
            onGround = true, ofColour = true, held.reset();
        } else if (r.line == "halo off") {
            if (held && ofColour) last = held;
            onGround = false;
        } else if (onGround && r.kind == TraceRecord::Kind::glyph) {
            const Glyph& g = r.glyph;
            ofColour = ofColour && g.colour == colour;
            const bool row = g.face != "Times New Roman";
            if (!held) held = InkBox{g.x, 1e9f, g.x + 27, -1e9f};
            held->left = std::min(held->left, g.x), held->right = std::max(held->right, g.x + 27);
            if (row)
                held->top = std::min(held->top, g.y + 4), held->bottom = std::max(held->bottom, g.y + 50);
        }
    }
    return last;
}

// On the random topics' plane (origin (896, 350), 25 a unit, -10 to 10 both
// ways) the line y = m*x + n's label keeps the rules: 10 across from the y
// axis, its letter (896..923) and scale numbers, 4 under the top scale
// number (ink to 105), 4 over the bottom one (from 585), clear of the status
// band (644), and the line does not run through it.
void expectEquationLabelReads(const InkBox& b, float m, float n, const std::string& what) {
    EXPECT_LE(b.bottom, 640) << what;
    EXPECT_TRUE(b.right <= 896 - 10 || b.left >= 923 + 10) << what << " " << b.left << ".." << b.right;
    EXPECT_GE(b.top, 105 + 4) << what;
    EXPECT_LE(b.bottom, 585 - 4) << what;
    auto screenY = [&](float x) { return 350 - 25 * (m * (x - 896) / 25 + n); };
    const float x0 = std::max(b.left, 646.0f), x1 = std::min(b.right, 1146.0f);
    const float y0 = std::min(screenY(x0), screenY(x1)), y1 = std::max(screenY(x0), screenY(x1));
    EXPECT_TRUE(y1 < b.top || y0 > b.bottom) << what << " the line from " << y0 << " to " << y1;
}

// The lines that put their label beside the y axis, into the status band or
// across the top scale number: falling to the bottom edge near the axis,
// rising steeply to the top edge, shallow near a band.
TEST(RandomSlopeIntercept, TheEquationReadsBesideItsLine) {
    struct Case {
        int a, b, c;
    };
    for (const Case& c : {Case{4, 4, -9}, Case{3, -2, 4}, Case{2, -2, -7}, Case{1, 4, 9}, Case{9, 2, -9},
                          Case{1, -4, -9}, Case{9, -2, 9}}) {
        const auto a = static_cast<float>(c.a), b = static_cast<float>(c.b), k = static_cast<float>(c.c);
        TernRun run(steps(5), [&](Tern& t) {
            t.chosen.Add(Tern::SlopeReading{a, b, k});
            t.RandomSlopeInterceptExample();
        });
        const auto label = lastLabel(run.records(), ink::emphasis);
        const std::string what = equation(c.a, c.b, c.c);
        ASSERT_TRUE(label) << what;
        expectEquationLabelReads(*label, -a / b, k / b, what);
    }
}

// As above, and clear of the slope triangle's dots at (0, n) and its apex.
TEST(RandomEquationGraph, TheEquationReadsBesideItsLineAndTriangle) {
    struct Case {
        int a, b, n;
    };
    for (const Case& c : {Case{8, -2, 2}, Case{7, 4, 4}, Case{2, 3, 5}, Case{9, -3, -6}, Case{9, 2, -1},
                          Case{1, -4, 6}, Case{4, 4, -4}}) {
        const auto a = static_cast<float>(c.a), b = static_cast<float>(c.b), n = static_cast<float>(c.n);
        TernRun run(steps(6), [&](Tern& t) {
            t.chosen.Add(Tern::InterceptGraph{a, b, n});
            t.RandomEquationGraphExample();
        });
        const auto label = lastLabel(run.records(), ink::answer);
        const std::string what = equation(c.a, c.b, c.b * c.n);
        ASSERT_TRUE(label) << what;
        expectEquationLabelReads(*label, -a / b, n, what);
        // The triangle's dots, radius 8, 6 clear.
        const long g = std::gcd(std::labs(static_cast<long>(c.a)), std::labs(static_cast<long>(c.b)));
        const float run1 = std::fabs(b) / static_cast<float>(g), rise = -a / b * run1;
        for (const auto& [x, y] : {std::pair{0.0f, n}, std::pair{run1, n + rise}}) {
            const float sx = 896 + 25 * x, sy = 350 - 25 * y;
            EXPECT_TRUE(sx + 14 <= label->left || sx - 14 >= label->right || sy + 14 <= label->top ||
                        sy - 14 >= label->bottom)
                << what << " the dot at " << sx << "," << sy;
        }
    }
}

}  // namespace
}  // namespace lesson::testing
