// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 4: the basic problems of page 82. Four equations graphed, a system
// read from its graphs, and two lines read from a figure and intersected.
#include <string_view>

#include "tern/tern_program.h"

namespace lesson {

const Chapter<Tern> Tern::kEquationGraphProblems{
    .choices = "P82 基本の問題 ①1　②2　③3　④終了",
    .topics = {&Tern::BasicProblemGraphs, &Tern::BasicProblemSystem, &Tern::BasicProblemTwoLines},
};

void Tern::BasicProblemHeading(std::string_view number) {
    const Num numberLeft = 40;
    TopicScreen(area::screen, numberLeft + 54);
    PenWidth(5);
    Cell(cursor.margin, cursor.row, kPageCell, "P82 基本の問題");
    Cell(numberLeft, cursor.row + 60, kProblemCell, number);
}

// ---- Problems 1 and 2 ---------------------------------------------------------------------------

void Tern::BasicProblemGraphs() {
    BasicProblemHeading("1");
    const PlaneView plane =
        PlaneAt({.left = 600, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .grid = true});
    struct Row {
        Num y;
        std::string_view label, equation, rewritten;
        Num a, b, c;
        Colour colour;
        Num labelDx, labelDy;
    };
    static constexpr Row rows[] = {
        {150, "(1)", "x+3y=-3", "y=-ﾀ1/3ﾀx-1", 1, 3, -3, ink::emphasis, -108, -70},
        {220, "(2)", "ﾀx/2ﾀ+ﾀy/3ﾀ=1", "y=-ﾀ3/2ﾀx+3", 3, 2, 6, ink::heading, 0, -70},
        {290, "(3)", "3y+15=0", "y=-5", 0, 1, -5, ink::answer, -378, -70},
        {360, "(4)", "4x-12=0", "x=3", 1, 0, 3, ink::answer, -96, 0},  // 10 clear of the y axis's letter
    };
    bool first = true;
    for (const Row& r : rows) {
        if (!first) StepReveal();
        first = false;
        Put(40, r.y, ink::emphasis, r.label);
        Next(ink::text, r.equation);
        StepReveal();
        Next(ink::emphasis, r.rewritten, 40);
        StepReveal();
        plane.GraphOf({.kind = Curve::General,
                       .a = r.a,
                       .b = r.b,
                       .c = r.c,
                       .colour = r.colour,
                       .label = r.label,
                       .labelDx = r.labelDx,
                       .labelDy = r.labelDy});
    }
}

void Tern::BasicProblemSystem() {
    BasicProblemHeading("2");
    const PlaneView plane =
        PlaneAt({.left = 532, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .grid = true});
    plane.GraphOf({.kind = Curve::General,
                   .a = 1,
                   .b = 3,
                   .c = -3,
                   .colour = ink::emphasis,
                   .label = "x+3y=-3",
                   .labelDx = -108,
                   .labelDy = 10});
    plane.GraphOf({.kind = Curve::General,
                   .a = 2,
                   .b = -3,
                   .c = 12,
                   .colour = ink::emphasis,
                   .label = "2x-3y=12",
                   .labelDx = -108,
                   .labelDy = -70});
    NewRow(70, ink::answer, "答 x=3,y=-2");
}

// ---- Problem 3: two lines from a figure ---------------------------------------------------------

void Tern::BasicProblemTwoLines() {
    BasicProblemHeading("3");
    const PlaneView plane =
        PlaneAt({.left = 760, .top = 100, .xFrom = -7, .xTo = 3, .yFrom = -6, .yTo = 7, .step = 35});
    plane.GraphOf({.a = 1, .b = 6, .colour = ink::text, .label = "l", .labelDy = -10});
    plane.GraphOf({.a = -2, .b = -4, .colour = ink::text, .label = "m", .labelDx = -40});
    // Where l and m cross the axes.
    const Point lOnX = plane.At(-6, 0), lOnY = plane.At(0, 6), mOnX = plane.At(-2, 0), mOnY = plane.At(0, -4);
    Label(lOnX.x, lOnX.y, ink::text, "-6");
    Label(lOnY.x + 10, lOnY.y, ink::text, "6");  // clear of the rise arrow's head
    Label(mOnX.x - 54, mOnX.y, ink::text, "-2");
    Label(mOnY.x + 12, mOnY.y - 20, ink::text, "-4");  // its minus clear of the rise arrow's head

    // Each line: its slope triangle from the x-axis crossing to the y-axis
    // crossing, then its slope, intercept and equation.
    struct Reading {
        std::string_view opening;
        Num openingY;
        Point from, to;
        std::string_view fraction, slope, intercept;
        Num equationY;
        std::string_view equation;
        bool runAgain;
    };
    const Reading readings[] = {
        {" 直線lの式は、傾き", 90, lOnX, lOnY, "ﾀ6/6ﾀ=", "1,", "6", 140, "y=x+6…①", false},
        {"直線mの式は、傾き", 200, mOnX, mOnY, "ﾀ-4/2ﾀ=", "-2,", "-4", 250, "y=-2x-4…②", true},
    };
    bool first = true;
    for (const Reading& r : readings) {
        StepReveal();
        Put(first ? cursor.end : cursor.margin, r.openingY, ink::text,
            r.opening);  // line l reads on from the number cell
        first = false;
        StepReveal();
        const SlopeCorners legs =
            plane.SlopeTriangle({.from = r.from, .to = r.to, .runLabel = true, .riseLabel = true});
        PenWidth(4);  // what follows draws in the triangle's pen
        if (r.runAgain) ArrowTo(legs.start.x, legs.start.y, legs.corner.x, legs.corner.y, ink::answer);
        StepReveal();
        Next(ink::text, r.fraction);
        Next(ink::emphasis, r.slope);
        Next(ink::text, "切片");
        StepReveal();
        Next(ink::emphasis, r.intercept);
        StepReveal();
        Put(cursor.margin, r.equationY, ink::text, "だから、");
        Next(ink::emphasis, r.equation);
    }

    StepReveal();
    BracedSystem(cursor.margin, cursor.row + 50, "y=x+6…①", "y=-2x-4…②");
    StepReveal();
    Put(cursor.margin, cursor.row + 50, ink::emphasis, "①-②");
    const Num subtractionRow = cursor.row;
    StepReveal();
    // The columns 46 below "①-②" and "3x=-10" 41 below "0=": it stays above the status band.
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 46, "y=　 x+6", "y=-2x-4", "-", true);
    StepReveal();
    ColumnSigns(columns, "+-  +  +");
    StepReveal();
    Put(columns.column, columns.lowerRow + 50, ink::text, "0= 3x+10");
    Put(columns.column, cursor.row + 41, ink::text, "3x=-10");
    StepReveal();
    cursor.margin = 418;
    cursor.row = subtractionRow - 60;
    Put(cursor.margin, cursor.row - 30, ink::heading, "x=-ﾀ10/3ﾀ");
    StepReveal();
    NewRow(70, ink::emphasis, "①に代入して");
    NewRow(62, ink::text, "y=-ﾀ10/3ﾀ+6");  // the answer's fractions stay above the status band
    StepReveal();
    NewRow(70, ink::text, " =-ﾀ10/3ﾀ+ﾀ18/3ﾀ=");
    Next(ink::heading, "ﾀ8/3ﾀ");
    StepReveal();
    NewRow(70, ink::answer, "答 (-ﾀ10/3ﾀ,ﾀ8/3ﾀ)");
}

}  // namespace lesson
