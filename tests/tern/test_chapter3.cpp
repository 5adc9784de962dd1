// SPDX-License-Identifier: GPL-3.0-or-later
// Tern chapter 3's two random topics: their draws over many seeds against an
// independent computation from the same generator, and their texts from
// chosen problems handed to one pass; with the points the fixed topics'
// figures name.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tern_fixture.h"

namespace lesson::testing {
namespace {

// Tern with no run: its numbers and texts are made without a screen.
struct Offline {
    rt::HeadlessRuntime runtime{rt::HeadlessRuntime::Options{}};
    TernUnderTest tern{runtime};
};

// The generator a seed starts, read as the topics read it.
struct Reference {
    rt::HeadlessRuntime runtime{rt::HeadlessRuntime::Options{}};
    long upTo(int count, int from = 1) { return static_cast<long>(std::floor(runtime.rnd() * count)) + from; }
    // The sign draw right after its number: 2 makes it negative.
    long signed12(long magnitude) { return std::floor(runtime.rnd() * 2 + 1) == 2 ? -magnitude : magnitude; }
};

constexpr int kSeeds = 300;
constexpr int kProblemsPerSeed = 5;

template <class Check>
void overManySeeds(Check&& check) {
    Offline o;
    Reference ref;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        o.runtime.randomize(seed);
        ref.runtime.randomize(seed);
        for (int k = 0; k < kProblemsPerSeed; ++k) {
            check(o.tern, ref, seed);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

std::string whole(long v) { return std::to_string(v); }

std::string withoutBlanks(std::string s) {
    std::erase(s, ' ');
    return s;
}

// A coefficient as written before a letter: "" is 1, "-" is -1.
long coefficientValue(const std::string& text) {
    if (text.empty() || text == "+") return 1;
    if (text == "-") return -1;
    return std::stol(text);
}

// "y=<m>x<k>" (blanks ignored) read back as (m, k); "0=<m>x<k>" too.
struct Line {
    long m = 0, k = 0;
    bool operator==(const Line&) const = default;
};
Line readSlopeForm(const std::string& text, const std::string& start = "y=") {
    std::string s = withoutBlanks(text);
    EXPECT_EQ(s.rfind(start, 0), 0u) << text;
    s = s.substr(start.size());
    const auto x = s.find('x');
    const std::string k = s.substr(x + 1);
    return {coefficientValue(s.substr(0, x)), k.empty() ? 0 : std::stol(k)};
}

// "<a>x<b>y=<c>…n" or "<a>x=<c>…n" read back as (a, b, c).
struct Equation {
    long a = 0, b = 0, c = 0;
    bool operator==(const Equation&) const = default;
};
Equation readEquation(const std::string& text, const std::string& mark) {
    const auto end = text.find("…" + mark);
    EXPECT_NE(end, std::string::npos) << text;
    const std::string s = text.substr(0, end);
    const auto x = s.find('x'), eq = s.find('=');
    Equation e{coefficientValue(s.substr(0, x)), 0, std::stol(s.substr(eq + 1))};
    if (s.find('y') != std::string::npos) e.b = coefficientValue(s.substr(x + 1, s.find('y') - x - 1));
    return e;
}

// ---- The system solved from its graph ----------------------------------------------------

TEST(RandomSystemByGraph, DrawsAndEquationsOverManySeeds) {
    int vertical = 0, redrawn = 0, xZero = 0;
    overManySeeds([&](Tern& t, Reference& ref, int seed) {
        const auto problem = t.DrawSystemByGraph();
        long x, y, px, py, qx, qy, a1, b1, a2, b2;
        for (;;) {
            x = ref.signed12(ref.upTo(7, 0));
            y = ref.signed12(ref.upTo(7));
            px = ref.upTo(6, 2);
            py = ref.upTo(4, 5);
            qx = ref.upTo(5, 4);
            qy = -ref.upTo(5, 3);
            // The lines through S and P and through S and Q.
            a1 = y - py, b1 = px - x, a2 = y - qy, b2 = qx - x;
            if (a1 != 0 && b1 != 0 && a2 != 0 && a1 * b2 != a2 * b1) break;
            ++redrawn;
        }
        const long c1 = a1 * x + b1 * y, c2 = a2 * x + b2 * y;
        ASSERT_EQ(problem.x, x) << seed;
        ASSERT_EQ(problem.y, y) << seed;
        ASSERT_EQ(problem.px, px) << seed;
        ASSERT_EQ(problem.py, py) << seed;
        ASSERT_EQ(problem.qx, qx) << seed;
        ASSERT_EQ(problem.qy, qy) << seed;
        const Equation line1{static_cast<long>(problem.a1), static_cast<long>(problem.b1),
                             static_cast<long>(problem.c1)};
        ASSERT_EQ(line1, Equation({a1, b1, c1})) << seed;
        const Equation line2{static_cast<long>(problem.a2), static_cast<long>(problem.b2),
                             static_cast<long>(problem.c2)};
        ASSERT_EQ(line2, Equation({a2, b2, c2})) << seed;
        // Both lines pass through their second points; the ranges the draws allow.
        ASSERT_EQ(a1 * px + b1 * py, c1);
        ASSERT_EQ(a2 * qx + b2 * qy, c2);
        ASSERT_TRUE(std::labs(x) <= 6 && y != 0 && std::labs(y) <= 7);
        ASSERT_TRUE(a1 >= -15 && a1 <= 2 && b1 >= -4 && b1 <= 13 && std::labs(c1) <= 97);
        ASSERT_TRUE(a2 >= -4 && a2 <= 14 && b2 >= -2 && b2 <= 14 && c2 >= -92 && c2 <= 98);

        const auto texts = t.SystemByGraphTexts(problem);
        ASSERT_EQ(readEquation(texts.first, "①"), Equation({a1, b1, c1})) << seed;
        ASSERT_EQ(readEquation(texts.second, "②"), Equation({a2, b2, c2})) << texts.second;
        ASSERT_EQ(texts.second.find("y") == std::string::npos, b2 == 0) << texts.second;
        ASSERT_EQ(texts.x, whole(x)) << seed;  // never "-0"
        ASSERT_EQ(texts.y, whole(y)) << seed;
        vertical += b2 == 0;
        xZero += x == 0;
    });
    EXPECT_GT(vertical, 0);
    EXPECT_GT(redrawn, 0);
    EXPECT_GT(xZero, 0);
}

struct SystemCase {
    Num x, y, px, py, qx, qy;
    const char* first;
    const char* second;
    const char* point;
    const char* answer;
};

class SystemByGraphChosen : public ::testing::TestWithParam<SystemCase> {};

// The points as drawn, the coefficients of the lines through them: a
// through S and P, b through S and Q.
Tern::SystemByGraph handSystem(const SystemCase& c) {
    return {.x = c.x,
            .y = c.y,
            .px = c.px,
            .py = c.py,
            .qx = c.qx,
            .qy = c.qy,
            .a1 = -(c.py - c.y),
            .b1 = c.px - c.x,
            .c1 = -c.x * (c.py - c.y) + c.y * (c.px - c.x),
            .a2 = -(c.qy - c.y),
            .b2 = c.qx - c.x,
            .c2 = -c.x * (c.qy - c.y) + c.y * (c.qx - c.x)};
}

TEST_P(SystemByGraphChosen, TextsAndThePointOnScreen) {
    const SystemCase& c = GetParam();
    TernRun run(steps(3), [c](Tern& t) {
        t.chosen.Add(handSystem(c));
        t.RandomSystemByGraphExample();
    });
    EXPECT_EQ(run.textAt(44, 30), "例 連立方程式の解を、");
    EXPECT_EQ(run.place(c.first), "128 130 3");
    EXPECT_EQ(run.place(c.second), "128 180 3");
    EXPECT_EQ(run.place("交点の座標は、"), "88 260 3");
    EXPECT_EQ(run.drawn(c.point).at(0).y, 260);
    EXPECT_EQ(run.place("だから、解は "), "88 330 0");
    EXPECT_EQ(run.drawn(c.answer).at(0).colour, ink::answer);
    // The dot at S on the plane whose origin is (930, 300), 25 a unit.
    EXPECT_FALSE(run.records()
                     .dots({.r = 8, .colour = ink::heading, .near = At(930 + 25 * c.x, 300 - 25 * c.y)})
                     .empty())
        << c.x << ' ' << c.y;
}

INSTANTIATE_TEST_SUITE_P(Chosen, SystemByGraphChosen,
                         ::testing::Values(
                             // b2 = 0: line 2 is x = 4, written without y.
                             SystemCase{4, 2, 5, 6, 4, -5, "-4x+y=-14…①", "7x=28…②", "(4,2)", "x=4,y=2"},
                             // Coefficients -1 show as "-".
                             SystemCase{3, 4, 2, 5, 5, -3, "-x-y=-7…①", "7x+2y=29…②", "(3,4)", "x=3,y=4"},
                             // A common factor stays.
                             SystemCase{1, 1, 3, 5, 4, -3, "-4x+2y=-2…①", "4x+3y=7…②", "(1,1)", "x=1,y=1"},
                             // A right-hand side 0.
                             SystemCase{1, 1, 5, 5, 6, -4, "-4x+4y=0…①", "5x+5y=10…②", "(1,1)", "x=1,y=1"},
                             // x of S a negative zero: it reads 0.
                             SystemCase{-0.0f, -3, 2, 5, 4, -5, "-8x+2y=-6…①", "2x+4y=-12…②", "(0,-3)",
                                        "x=0,y=-3"}));

// ---- The intersection found by subtraction -------------------------------------------------

TEST(RandomIntersection, DrawsTextsAndColumnsOverManySeeds) {
    int redrawn = 0, opposite = 0, xZero = 0, edge = 0;
    overManySeeds([&](Tern& t, Reference& ref, int seed) {
        const auto problem = t.DrawIntersection();
        long x, y, m1, m2, k1, k2;
        for (;;) {
            x = ref.signed12(ref.upTo(7, 0));
            y = ref.signed12(ref.upTo(7));
            m1 = ref.signed12(ref.upTo(4));
            m2 = ref.signed12(ref.upTo(4));
            k1 = y - m1 * x;
            k2 = y - m2 * x;
            if (m1 != m2 && std::labs(k1) <= 10 && std::labs(k2) <= 10) break;
            ++redrawn;
        }
        ASSERT_EQ(problem.x, x) << seed;
        ASSERT_EQ(problem.y, y) << seed;
        ASSERT_EQ(problem.m1, m1) << seed;
        ASSERT_EQ(problem.m2, m2) << seed;
        ASSERT_EQ(problem.k1, k1) << seed;
        ASSERT_EQ(problem.k2, k2) << seed;
        ASSERT_TRUE(m1 != 0 && m2 != 0 && std::labs(m1) <= 4 && std::labs(m2) <= 4 && y != 0);
        opposite += m1 == -m2;
        xZero += x == 0;
        edge += std::labs(k1) == 10 || std::labs(k2) == 10;

        const auto columns = t.IntersectionProblemTexts(problem);
        const std::string& first = columns.first;
        const std::string& second = columns.second;
        ASSERT_EQ(readSlopeForm(first), Line({m1, k1})) << first;
        ASSERT_EQ(readSlopeForm(second), Line({m2, k2})) << second;
        ASSERT_EQ(first.find(' '), std::string::npos);
        // The columns hold the same equations, each term two or three wide,
        // so the rows stand character over character.
        ASSERT_EQ(readSlopeForm(columns.upper), Line({m1, k1})) << columns.upper;
        ASSERT_EQ(readSlopeForm(columns.lower), Line({m2, k2})) << columns.lower;
        ASSERT_EQ(readSlopeForm(columns.result, "0="), Line({m1 - m2, k1 - k2})) << columns.result;
        for (const std::string* row : {&columns.upper, &columns.lower}) {
            ASSERT_EQ(row->find('x'), 4u) << *row;
            ASSERT_TRUE(row->size() == 5 || row->size() == 8) << *row;
        }
        ASSERT_EQ(columns.result.find('x'), 4u) << columns.result;
        // The sign row: "+" over the operator, "-" for y, then the reversed
        // signs of line 2's terms over their columns.
        const std::string signs = std::string("+-  ") + (m2 > 0 ? "-" : "+") + "   " +
                                  (k2 > 0   ? "-"
                                   : k2 < 0 ? "+"
                                            : "");
        ASSERT_EQ(columns.signs, signs);
        // (m1-m2)x = -(k1-k2) at x; y and m1·x as the answer shows them.
        ASSERT_EQ((m1 - m2) * x, -(k1 - k2));
        ASSERT_EQ(columns.xRow.substr(columns.xRow.find("x=") + 2), whole((m1 - m2) * x)) << seed;
        ASSERT_EQ(columns.m1x, whole(m1 * x)) << seed;
        ASSERT_EQ(columns.x, whole(x)) << seed;
        ASSERT_EQ(columns.substitutedX, x < 0 ? "(" + whole(x) + ")" : whole(x)) << seed;
        ASSERT_EQ(y, m1 * x + k1);
    });
    EXPECT_GT(redrawn, 0);
    EXPECT_GT(opposite, 0);
    EXPECT_GT(xZero, 0);
    EXPECT_GT(edge, 0);
}

struct IntersectionCase {
    Num x, y, m1, m2;
    const char* rows[14];  // ①, ②, upper, lower, signs, result, x row, x, substituted, y row, =, =y, answer
    Colour xRowColour;
};

class IntersectionChosen : public ::testing::TestWithParam<IntersectionCase> {};

TEST_P(IntersectionChosen, RowsOfOnePass) {
    const IntersectionCase& c = GetParam();
    TernRun run(steps(10), [c](Tern& t) {
        t.chosen.Add(Tern::Intersection{c.x, c.y, c.m1, c.m2, c.y - c.m1 * c.x, c.y - c.m2 * c.x});
        t.RandomIntersectionExample();
    });
    const auto& r = c.rows;
    EXPECT_EQ(run.place("例　"), "40 30 7");
    EXPECT_EQ(run.place(r[0]), "40 80 3");
    EXPECT_EQ(run.drawn(r[1]).at(0).y, 80);
    EXPECT_EQ(run.place("①-②"), "40 180 7");
    // The layout's rows go to the engine; the sign row and the rest are placed.
    std::vector<std::string> handed;
    for (const auto& t : run.texts)
        if (t.x < 0) handed.push_back(t.text);
    ASSERT_GE(handed.size(), 2u);
    EXPECT_EQ(handed[handed.size() - 2], r[2]);
    EXPECT_EQ(handed.back(), r[3]);
    // The lower row and all under it stand 10 lower, for the sign marks between the rows.
    EXPECT_EQ(run.textAt(40, 265), r[4]);
    EXPECT_EQ(run.textAt(94, 340), r[5]);
    EXPECT_EQ(run.place(r[6]), "40 390 " + std::to_string(rt::paletteIndex(c.xRowColour)));
    EXPECT_EQ(run.count(r[7]), *r[7] ? 1 : 0);
    if (*r[7]) {
        EXPECT_EQ(run.drawn(r[7]).at(0).colour, ink::emphasis);
    }
    EXPECT_EQ(run.place(r[8]), "40 440 3");
    EXPECT_EQ(run.place(r[9]), "40 490 0");
    EXPECT_EQ(run.place(r[10]), "67 540 0");
    EXPECT_EQ(run.drawn(r[11]).at(0).y, 540);
    EXPECT_EQ(run.drawn(r[12]).at(0).colour, ink::answer);
    for (const auto& t : run.texts) EXPECT_EQ(t.text.find("-0"), std::string::npos) << t.text;
}

INSTANTIATE_TEST_SUITE_P(
    Chosen, IntersectionChosen,
    ::testing::Values(
        // x negative, in parentheses; m1-m2 = 1: the x row already reads "  x=".
        IntersectionCase{-3,
                         -1,
                         2,
                         1,
                         {"y=2x+5…①", "y=x+2…②", "y= 2x +5", "y=  x +2", "+-  -   -", "0=  x +3", "  x=-3",
                          "", "x=-3 を①に代入して", "y=2*(-3)+5", "=-6+5", "=-1", "答 (-3,-1)"},
                         ink::emphasis},
        // x = 0 (a negative zero from the negations): no constant in the result.
        IntersectionCase{0,
                         4,
                         -1,
                         1,
                         {"y=-x+4…①", "y=x+4…②", "y= -x +4", "y=  x +4", "+-  -   -", "0=-2x", "-2x=0",
                          "  x=0", "x=0 を①に代入して", "y=-1*0+4", "=0+4", "=4", "答 (0,4)"},
                         ink::text},
        // A two-digit constant takes no blank; line 2 without a constant.
        IntersectionCase{2,
                         -6,
                         2,
                         -3,
                         {"y=2x-10…①", "y=-3x…②", "y= 2x-10", "y=-3x", "+-  +   ", "0= 5x-10", " 5x=10",
                          "  x=2", "x=2 を①に代入して", "y=2*2-10", "=4-10", "=-6", "答 (2,-6)"},
                         ink::text},
        // m1-m2 = -1; line 1 without a constant, its slope 1 written "1" in the product.
        IntersectionCase{3,
                         3,
                         1,
                         2,
                         {"y=x…①", "y=2x-3…②", "y=  x", "y= 2x -3", "+-  -   +", "0= -x +3", " -x=-3",
                          "  x=3", "x=3 を①に代入して", "y=1*3", "=3", "=3", "答 (3,3)"},
                         ink::text},
        // Slope -1 in line 2; a two-digit positive constant.
        IntersectionCase{-2,
                         6,
                         2,
                         -1,
                         {"y=2x+10…①", "y=-x+4…②", "y= 2x+10", "y= -x +4", "+-  +   -", "0= 3x +6", " 3x=-6",
                          "  x=-2", "x=-2 を①に代入して", "y=2*(-2)+10", "=-4+10", "=6", "答 (-2,6)"},
                         ink::text}));

// The closing: one more key after the 1, the assignment, the sub-menu.
TEST(RandomIntersection, LeavingShowsTheAssignment) {
    TernRun run(typed("3") + typed("4") + steps(10) + " " + typed("1") + steps(1));
    EXPECT_EQ(run.place("教科書P81 問2　をやってみよう。"), "38 595 7");
    EXPECT_EQ(run.count("①P80Q　②グラフから例　③問１　④交点例　⑤問2　⑥問3　⑦問4　⑧終了"), 2);
    TernRun two(typed("3") + typed("2") + steps(3) + " " + typed("1"));
    EXPECT_EQ(two.place("教科書P81 問1　をやってみよう。"), "38 480 7");
}

// ---- Fixed topics at the points their figures name ----------------------------------------

TEST(IntersectionIntro, PlaneTwoLinesThePointAndTheColumns) {
    TernRun run(steps(20), topic(&Tern::IntersectionIntro));
    ASSERT_TRUE(run.ended());
    const auto lines = run.lines();
    const Trace trace(lines);
    // The intersection (2,-1) on the plane with its origin at (960, 190), twice.
    EXPECT_EQ(trace.dots(Disc{.at = At(1040, 230), .r = 6, .colour = ink::answer, .width = 5}).size(), 2u);
    // Its label 4 lower than asked, off the scale number 5.
    EXPECT_FALSE(
        trace.glyphs({.text = "(", .colour = ink::answer, .in = Box{1048.5f, 1051.5f, 222.5f, 225.5f}})
            .empty());
    // x-2y=4 ends at the right edge (5, 0.5): its label 108 left, 60 up
    // (its "2" two characters on); x+y=1 at the lower right corner (5,-4).
    EXPECT_FALSE(trace.glyphs({.text = "2", .colour = ink::text, .in = Box{1104.5f, 1107.5f, 108.5f, 111.5f}})
                     .empty());
    EXPECT_FALSE(trace.glyphs({.text = "y", .colour = ink::text, .in = Box{1104.5f, 1107.5f, 358.5f, 361.5f}})
                     .empty());
    // The columns: ")" after the operator at (40, 496), the lower row at 490
    // (10 lower, for the sign marks between the rows), the rule at 540 from
    // 67, 30 longer than "x-2y=4".
    EXPECT_FALSE(
        trace.glyphs({.text = ")", .colour = ink::text, .in = Box{65.5f, 68.5f, 494.5f, 497.5f}}).empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(67, 540), .to = At(264, 540), .colour = ink::text, .width = 3})
            .empty());
    EXPECT_EQ(run.place("+- -  -"), "40 465 3");
    EXPECT_EQ(run.place(" -3y=3"), "94 540 0");
    EXPECT_EQ(run.place("   y=-1"), "94 590 0");
    EXPECT_EQ(run.place("y=-1 を②に代入して"), "342 380 3");
    EXPECT_EQ(run.place("答 x=2,y=-1"), "342 530 5");
    EXPECT_EQ(run.drawn("<連立方程式の解とグラフの交点>").at(0).y, 440);
}

TEST(SystemByGraphAnswer, BraceAfterTheHeadingAndThePoint) {
    TernRun run(steps(8), topic(&Tern::SystemByGraphAnswer));
    ASSERT_TRUE(run.ended());
    const Num h = 38 + 34 * 3 + 27 * 2;  // "問1 解答"
    EXPECT_EQ(run.place("2x+y=1…①"), whole(static_cast<long>(h + 40)) + " 30 0");
    EXPECT_EQ(run.place(" x-y=-4…②"), whole(static_cast<long>(h + 40)) + " 80 0");
    EXPECT_FALSE(
        run.records().dots(Disc{.at = At(880, 220), .r = 6, .colour = ink::answer, .width = 5}).empty());
    // The point's label just right of the y axis (920) it would cross, at the height asked.
    EXPECT_FALSE(run.records()
                     .glyphs({.text = "(", .colour = ink::answer, .in = Box{917.5f, 923.5f, 208.5f, 211.5f}})
                     .empty());
    EXPECT_EQ(run.place("したがって、連立方程式の解は"), "38 400 0");
    EXPECT_EQ(run.place("x=-1,y=3"), "38 450 5");
}

TEST(IntersectionFromFigure, ColumnsAndTheSubstitutionBesideThem) {
    TernRun run(steps(13), topic(&Tern::IntersectionFromFigureAnswer));
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(run.place("y=-3x+3…①"), "78 280 0");
    EXPECT_EQ(run.place("y= 2x-1…②"), "78 330 0");
    // From "①-②" on 11 higher, "5x=4" 5 more: its fraction ends above the status band.
    EXPECT_EQ(run.place("+-  -  +"), "38 454 3");
    EXPECT_EQ(run.place("0=-5x+4"), "92 529 0");
    EXPECT_EQ(run.place("5x=4"), "38 584 0");
    EXPECT_EQ(run.place("x=ﾀ4/5ﾀ を②に代入して"), "418 300 3");
    EXPECT_EQ(run.place("答 (ﾀ4/5ﾀ,ﾀ3/5ﾀ)"), "418 440 5");
    EXPECT_EQ(run.place("教科書P81 問3　をやってみよう。"), "456 570 7");
    EXPECT_TRUE(!run.records()
                     .glyphs({.text = ")", .colour = ink::text, .in = Box{119.5f, 122.5f, 483.5f, 486.5f}})
                     .empty() ||
                !run.records()
                     .glyphs({.text = ")", .colour = ink::text, .in = Box{63.5f, 66.5f, 483.5f, 486.5f}})
                     .empty());
}

TEST(AxisIntersection, PointAAndTheIntercept) {
    TernRun run(steps(3), topic(&Tern::AxisIntersectionAnswer));
    ASSERT_TRUE(run.ended());
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace.dots(Disc{.at = At(788, 260), .r = 6, .colour = ink::answer, .width = 5}).empty());
    EXPECT_FALSE(trace.glyphs({.text = "A", .colour = ink::answer, .in = Box{746.5f, 749.5f, 208.5f, 211.5f}})
                     .empty());
    EXPECT_FALSE(trace.dots(Disc{.at = At(728, 380), .r = 1, .colour = ink::text, .width = 5}).empty());
    EXPECT_EQ(run.place("y=0…②"), "78 180 0");
    EXPECT_EQ(run.place("答 (ﾀ3/2ﾀ,0)"), "38 470 5");
}

TEST(ParallelNoSolution, TwoParallelLinesAndTheReasons) {
    TernRun run(steps(13), topic(&Tern::ParallelNoSolution));
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(run.place("x-2y=4…①"), "338 30 0");
    EXPECT_EQ(run.place("-3x+6y=6…②"), "338 80 0");
    EXPECT_EQ(run.place("ﾀ1/2ﾀ, "), "162 320 3");
    // Both lines run the whole width: their labels from (5, 0.5) and (5, 3.5).
    EXPECT_FALSE(run.records()
                     .glyphs({.text = "2", .colour = ink::text, .in = Box{1104.5f, 1107.5f, 148.5f, 151.5f}})
                     .empty());
    // Line 2's label left of the y axis it would cross, at the height asked.
    EXPECT_FALSE(run.records()
                     .glyphs({.text = "3", .colour = ink::emphasis, .in = Box{759.5f, 762.5f, 98.5f, 101.5f}})
                     .empty());
    EXPECT_EQ(run.place("教科書P82 基本の問題　をやってみよう。"), "456 570 7");
}

}  // namespace
}  // namespace lesson::testing
