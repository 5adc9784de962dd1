// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 5: worked answers of the textbook's chapter exercises A (page 92).
#include <array>
#include <vector>

#include "plover/plover_program.h"

namespace lesson {

const Chapter<Plover> Plover::kExercisesA{
    .choices = "P92 章の問題A ①1,2　②3　③4　④5　⑤6　⑥終了",
    .topics = {&Plover::ExerciseA1and2Answers, &Plover::ExerciseA3Answers, &Plover::ExerciseA4Answers,
               &Plover::ExerciseA5Answers, &Plover::ExerciseA6Answers},
};

// ---- Exercises 1 and 2 -------------------------------------------------------------------

void Plover::ExerciseA1and2Answers() {
    TopicScreen(area::screen, 114);
    PenWidth(3);
    Cell(cursor.margin, cursor.row, kPageCell, "P92 章の問題A");
    Cell(cursor.margin - 76, cursor.row + 60, kProblemCell, "1");
    Put(cursor.margin - 38, cursor.row, ink::emphasis, "(1)");
    Next(ink::text, "x=-3を代入して");
    NewRow(50, ink::text, "y=-3*(-3)+5=9+5=");
    Next(ink::answer, "14");
    NewRow(50, ink::text, "x=2を代入して");
    NewRow(50, ink::text, "y=-3*2+5=-6+5=");
    Next(ink::answer, "-1");
    NewRow(60, ink::emphasis, "(2)", -38);
    Next(ink::text, "変化の割合が-3　だから");
    NewRow(50, ink::text, "-3*5=");
    Next(ink::answer, "-15");

    StepReveal();
    cursor.margin = 760;
    cursor.row = 30;
    Cell(cursor.margin - 76, cursor.row + 60, kProblemCell, "2");
    Next(ink::emphasis, "(1)");
    Next(ink::text, "傾き…");
    Next(ink::answer, "3");
    NewRow(60, ink::text, "切片…", 38);
    Next(ink::answer, "1");
    NewRow(60, ink::emphasis, "(2)", -27);
    Next(ink::text, "傾き…");
    Next(ink::answer, "-ﾀ1/2ﾀ");
    NewRow(60, ink::text, "切片…", 38);
    Next(ink::answer, "-3");
}

// ---- Exercise 3 ----------------------------------------------------------------------------

void Plover::ExerciseA3Answers() {
    TopicScreen(area::screen, 76);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P92 章の問題A", 44, "3");
    Put(cursor.margin - 76, 90, ink::emphasis, "(1)");
    Next(ink::emphasis, "変化の割合がﾀ2/5ﾀ");
    Next(ink::text, "だから");
    NewRow(70, ink::emphasis, "求める式をy=ﾀ2/5ﾀx+b");
    Next(ink::text, "とする。");
    // Rows 56 apart, not 60: the system of item (2) then ends above the
    // status band.
    NewRow(56, ink::text, "x=5,y=3を代入して");
    NewRow(56, ink::text, "3=ﾀ2/5ﾀ*5+b=2+b");
    NewRow(56, ink::text, "b=3-2=1");
    NewRow(56, ink::answer, "答 y=ﾀ2/5ﾀx+1");
    NewRow(56, ink::emphasis, "(2)", -76);
    Next(ink::emphasis, "求める式をy=ax+b");
    Next(ink::text, "とする。");
    NewRow(50, ink::text, "x=2,y=3とx=-5,y=-11を代入して");
    BracedSystem(cursor.margin, cursor.row + 50, "3=2a+b…①", "-11=-5a+b…②");

    cursor.margin = 760;
    cursor.row = 30;
    Put(cursor.margin, cursor.row, ink::emphasis, "①-②");
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 50, "  3=2a+b", "-11=-5a+b", "-", true);
    ColumnSigns(columns, "+ +   +  -");
    Put(columns.column, cursor.row + 50, ink::text, " 14=7a");
    Put(columns.column, cursor.row + 50, ink::emphasis, "  a=2");
    NewRow(50, ink::emphasis, "a=2 を①に代入して");
    NewRow(50, ink::text, "3=2*2+b=4+b");
    NewRow(50, ink::text, "b=3-4");
    NewRow(50, ink::emphasis, "b=-1");
    NewRow(50, ink::answer, "答 y=2x-1");

    StepReveal();
    TopicScreen(area::screen, 76);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P92 章の問題A", 44, "3");
    Put(cursor.margin - 76, 90, ink::emphasis, "(3)");
    Next(ink::emphasis, "傾きが-3");
    Next(ink::text, "だから");
    NewRow(60, ink::emphasis, "求める式をy=-3x+b");
    Next(ink::text, "とする。");
    NewRow(60, ink::text, "x=-1,y=5を代入して");
    NewRow(60, ink::text, "5=-3*(-1)+b=3+b");
    NewRow(60, ink::text, "b=5-3=2");
    NewRow(60, ink::answer, "答 y=-3x+2");
}

// ---- Exercise 4 ----------------------------------------------------------------------------

void Plover::ExerciseA4Answers() {
    TopicScreen(area::screen, 76);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P92 章の問題A", 44, "4");
    Put(cursor.margin - 38, 90, ink::emphasis, "(1)");
    Next(ink::text, "x-2y+4=0 ");
    NewRow(70, ink::emphasis, "y=ﾀ1/2ﾀx+2");
    NewRow(70, ink::emphasis, "(2)", -38);
    NewRow(50, ink::emphasis, "y=-3");
    NewRow(70, ink::emphasis, "(3)", -38);
    Next(ink::text, "4x-6=0 ");
    NewRow(50, ink::emphasis, "x=ﾀ3/2ﾀ");

    const PlaneView plane =
        PlaneAt({.left = 380, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .grid = true});
    // Each line ax+by=c over the whole x range, labelled at its end.
    struct Line {
        Num a, b, c;
        Colour colour;
        std::string_view label;
    };
    static constexpr Line lines[3] = {
        {1, -2, -4, ink::emphasis, "(1)"},
        {0, 1, -3, ink::answer, "(2)"},
        {4, 0, 6, ink::heading, "(3)"},
    };
    for (const Line& line : lines) {
        plane.GraphOf({.kind = Curve::General,
                       .a = line.a,
                       .b = line.b,
                       .c = line.c,
                       .colour = line.colour,
                       .label = line.label,
                       .labelDx = -27,
                       .labelDy = -44});
    }
}

// ---- Exercise 5 ----------------------------------------------------------------------------

void Plover::ExerciseA5Answers() {
    TopicScreen(area::screen, 76);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P92 章の問題A", 44, "5");
    const PlaneView plane =
        PlaneAt({.left = 874, .top = 100, .xFrom = -4, .xTo = 5, .yFrom = -4, .yTo = 6, .grid = true});
    plane.GraphOf({.a = -2, .b = 4, .colour = ink::text, .label = "①", .labelDx = -162, .labelDy = -400});
    plane.GraphOf({.a = 1, .b = -1, .colour = ink::text, .label = "②", .labelDy = 10});
    Put(cursor.margin, 80, ink::text, "①の直線の式は");
    NewRow(50, ink::text, "傾き");
    Next(ink::emphasis, "-2, ");
    Next(ink::text, "切片");
    Next(ink::emphasis, "4 ");
    Next(ink::text, "で、y=-2x+4");

    StepReveal();
    NewRow(50, ink::text, "②の直線の式は");
    NewRow(50, ink::text, "傾き");
    Next(ink::emphasis, "1, ");
    Next(ink::text, "切片");
    Next(ink::emphasis, "-1 ");
    Next(ink::text, "で、y=x-1");

    StepReveal();
    NewRow(50, ink::text, "");
    const Num systemRow = cursor.row;
    BracedSystem(cursor.margin, cursor.row, "y=-2x+4…①", "y=x-1…②");

    StepReveal();
    NewRow(50, ink::emphasis, "①-②");
    // The columns 42 below "①-②" and "3x=5" 52 below their result, not 50
    // and 60: the fraction of x's value then ends above the status band.
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 42, "y=-2x+4", "y=  x-1", "-", true);
    ColumnSigns(columns, "+-  -  +");
    Put(columns.column, cursor.row + 50, ink::text, "0=-3x+5");
    NewRow(52, ink::text, "3x=5");
    Next(ink::emphasis, " x=ﾀ5/3ﾀ", 20);

    StepReveal();
    cursor.margin = 418;
    cursor.row = systemRow;
    NewRow(20, ink::emphasis, "x=ﾀ5/3ﾀ を②に代入して");
    NewRow(70, ink::text, "y=ﾀ5/3ﾀ-1=ﾀ5/3ﾀ-ﾀ3/3ﾀ=");
    Next(ink::emphasis, "ﾀ2/3ﾀ");
    NewRow(70, ink::answer, "答 (ﾀ5/3ﾀ,ﾀ2/3ﾀ)");
}

// ---- Exercise 6 ----------------------------------------------------------------------------

void Plover::ExerciseA6Answers() {
    TopicScreen(area::screen, 76);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P92 章の問題A", 114, "6");
    // Five minutes per grid step across, one kilometre up.
    const PlaneView plane = PlaneAt({.left = 760,
                                     .top = 50,
                                     .xTo = 55,
                                     .yTo = 9,
                                     .grid = true,
                                     .scaleNumbers = false,
                                     .xPerStep = 5,
                                     .yPerStep = 1});
    plane.ScaleNumbers(5, 1);
    // "分" under "50" with page between them; "km" clear of the y axis and
    // its letter.
    PlaneUnits(plane, "分", 34, "km", -70, -16);
    LineOnPlane(plane, 25, 5, 1, 0.2f, 0, ink::text);

    // Minutes and kilometres of the two movements' corners; the fourth is
    // where they meet.
    static constexpr Num points[5][2] = {{25, 5}, {55, 7}, {20, 0}, {40, 6}, {50, 9}};
    const std::vector<Point> corners = PlotPoints(plane, points, 0.01f, 5, 1);
    PenWidth(8);
    Segment(corners[0], corners[1], ink::text);

    StepReveal();
    Put(cursor.margin - 57, cursor.row + 70, ink::emphasis, "(1)");
    Next(ink::text, "25分で5km進んだから ");
    Next(ink::emphasis, "分速ﾀ1/5ﾀkm");
    NewRow(60, ink::text, "ﾀ1/5ﾀ*60=12");
    Next(ink::answer, "  時速12km");

    StepReveal();
    Segment(corners[2], corners[4], ink::emphasis);

    StepReveal();
    Put(cursor.margin - 57, cursor.row + 80, ink::emphasis, "(2)");
    Next(ink::text, "グラフから ");
    NewRow(60, ink::answer, "10時40分");
    NewRow(60, ink::answer, "家から6kmの地点");
}

}  // namespace lesson
