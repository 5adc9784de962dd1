// SPDX-License-Identifier: GPL-3.0-or-later
// Tern chapter 4, the basic problems of page 82: each problem's figure and
// texts at the places its screen gives (the heading cells, lines of both
// kinds of equation, slope triangles drawn by the engine, the elimination).
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "pixels.h"
#include "tern_fixture.h"

namespace lesson::testing {
namespace {

void expectHeading(const TernRun& run, const std::string& number) {
    EXPECT_EQ(run.place("P82 基本の問題"), "94 30 13");
    EXPECT_EQ(run.place(number), "40 90 13");
    // The topic's clear, whatever pen it found.
    EXPECT_FALSE(
        run.records()
            .segments(
                {.colour = ink::page, .from = At(0, 0), .to = At(1760, 1800), .kind = 2, .fill = ink::page})
            .empty());
}

TEST(BasicProblemGraphs, FourEquationsRewrittenAndGraphed) {
    TernRun run(steps(11), topic(&Tern::BasicProblemGraphs));
    ASSERT_TRUE(run.ended());
    expectHeading(run, "1");
    struct Row {
        const char* label;
        const char* equation;
        const char* rewritten;
        Num y;
    };
    for (const Row& r :
         {Row{"(1)", "x+3y=-3", "y=-ﾀ1/3ﾀx-1", 150}, Row{"(2)", "ﾀx/2ﾀ+ﾀy/3ﾀ=1", "y=-ﾀ3/2ﾀx+3", 220},
          Row{"(3)", "3y+15=0", "y=-5", 290}, Row{"(4)", "4x-12=0", "x=3", 360}}) {
        EXPECT_EQ(run.drawn(r.label).at(0).x, 40) << r.label;
        EXPECT_EQ(run.drawn(r.label).at(0).y, r.y) << r.label;
        EXPECT_EQ(run.drawn(r.equation).at(0).y, r.y) << r.equation;
        EXPECT_EQ(run.drawn(r.rewritten).at(0).colour, ink::emphasis) << r.rewritten;
    }
    const auto lines = run.lines();
    const Trace trace(lines);
    // x=3 over the plane's full height in colour 5; y=-5 traced across it,
    // its label 378 left of its right end (1080, 540) and 70 up.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(960, 580), .to = At(960, 100), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "4", .colour = ink::answer, .near = Near{970 - 96 + 27, 100, 1.5f, 1.5f}})
            .empty())
        << "10 clear of the y axis's letter";
    EXPECT_FALSE(
        trace
            .glyphs({.text = "3", .colour = ink::answer, .near = Near{1080 - 378 + 27, 540 - 70, 1.5f, 1.5f}})
            .empty());
}

TEST(BasicProblemSystem, BothLinesAndTheAnswerWithoutAKey) {
    TernRun run("", topic(&Tern::BasicProblemSystem));
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(run.waits(), 0);
    expectHeading(run, "2");
    EXPECT_EQ(run.place("答 x=3,y=-2"), "94 160 5");
    // Both labels from the line's end at x = 6: (1012, 460) and (1012, 340).
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace
            .glyphs(
                {.text = "3", .colour = ink::emphasis, .near = Near{1012 - 108 + 54, 460 + 10, 1.5f, 1.5f}})
            .empty());
    EXPECT_FALSE(
        trace
            .glyphs(
                {.text = "2", .colour = ink::emphasis, .near = Near{1012 - 108, 340 - 70 - 12, 1.5f, 1.5f}})
            .empty())
        << "12 up, off the x axis's letter";
    // Nothing marks the crossing (892, 420): no dot bigger than a trace dot.
    for (const Dot& d : trace.dots()) EXPECT_EQ(d.r, 1) << d.x << ' ' << d.y;
}

// "3x=-10" and the answer's fractions end 3 units or more above the status band.
TEST(BasicProblemTwoLines, TheLastRowsStayAboveTheStatusBand) {
    TernRun run(steps(40), &Tern::BasicProblemTwoLines);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(inkAtStatusBand(run.runtime->canvas(), 3), 0);
}

TEST(BasicProblemTwoLines, SlopeTrianglesCrossingsAndTheElimination) {
    TernRun run(steps(19), topic(&Tern::BasicProblemTwoLines));
    ASSERT_TRUE(run.ended());
    expectHeading(run, "3");
    const auto lines = run.lines();
    const Trace trace(lines);
    // The numbers at the axis crossings.
    EXPECT_EQ(run.place("-6"), "795 345 0");
    EXPECT_EQ(run.place("6"), "1015 135 0");
    EXPECT_EQ(run.place("-2"), "881 345 0");
    EXPECT_EQ(run.place("-4"), "1017 465 0");
    // Labels: the script l 10 above l's upper end (a step right, apart from the axis letter "y"), m 40
    // left of m's lower end.
    EXPECT_FALSE(
        trace
            .glyphs(
                {.text = "l", .colour = ink::text, .face = "MT Extra", .near = Near{1044, 90, 1.5f, 1.5f}})
            .empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "m", .colour = ink::text, .near = Near{1000, 555, 1.5f, 1.5f}}).empty());
    // l's triangle: run in 7 above the axis, rise in 3; m's: the rise down,
    // its run value below the axis, its run arrow again in colour 5. The
    // values stand 4 off their arrows.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(795, 345), .to = At(1005, 345), .colour = ink::heading, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace
            .segments(Stroke{.from = At(1005, 345), .to = At(1005, 135), .colour = ink::emphasis, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "6", .colour = ink::heading, .near = Near{886, 297, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "6", .colour = ink::emphasis, .near = Near{1009, 224, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(935, 345), .to = At(1005, 345), .colour = ink::heading, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace
            .segments(Stroke{.from = At(1005, 345), .to = At(1005, 485), .colour = ink::emphasis, .width = 4})
            .empty());
    // The origin's "0" steps down off l's run arrow head; m's run value
    // stands under the "-2" line, as far from "-2" and "0" as numbers keep apart.
    EXPECT_FALSE(
        trace.glyphs({.text = "0", .colour = ink::text, .near = Near{971, 357, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "2", .colour = ink::heading, .near = Near{944, 369, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "4", .colour = ink::emphasis, .near = Near{1005 + 35, 399, 1.5f, 1.5f}})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(935, 345), .to = At(1005, 345), .colour = ink::answer, .width = 4})
            .empty());
    // The system, the columns with their rule, the sign row and the result.
    EXPECT_EQ(run.drawn("y=-2x-4…②").at(0).colour, ink::emphasis);
    EXPECT_EQ(run.drawn("y=-2x-4…②").at(1).x, 134);
    EXPECT_EQ(run.drawn("y=-2x-4…②").at(1).y, 350);
    EXPECT_EQ(run.place("①-②"), "94 400 3");
    // The lower row and all under it stand 10 lower, for the sign marks between the rows.
    EXPECT_FALSE(
        trace.glyphs({.text = ")", .colour = ink::text, .near = Near{121, 512, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(121, 556), .to = At(352, 556), .colour = ink::text, .width = 3})
            .empty());
    EXPECT_EQ(run.place("+-  +  +"), "94 481 3");
    EXPECT_EQ(run.place("0= 3x+10"), "148 556 0");
    EXPECT_EQ(run.place("3x=-10"), "148 597 0");
    // The right-hand column beside the system.
    EXPECT_EQ(run.place("x=-ﾀ10/3ﾀ"), "418 310 7");
    EXPECT_EQ(run.place("①に代入して"), "418 380 3");
    EXPECT_EQ(run.place("答 (-ﾀ10/3ﾀ,ﾀ8/3ﾀ)"), "418 582 5");
}

}  // namespace
}  // namespace lesson::testing
