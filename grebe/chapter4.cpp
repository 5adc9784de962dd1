// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 4: worked answers to the basic problems of the textbook's page 74.
#include <array>
#include <string_view>

#include "grebe/grebe_program.h"

namespace lesson {

const Chapter<Grebe> Grebe::kBasicProblems{
    .goal = {},  // no goal screen
    .choices = "P74 基本の問題 ①1,2,3　②4　③5　④6　⑤終了",
    .topics = {&Grebe::BasicProblemsOneToThree, &Grebe::BasicProblemFourGraphs,
               &Grebe::BasicProblemFiveGraphs, &Grebe::BasicProblemSixAnswers},
};

void Grebe::BasicProblemsOneToThree() {
    TopicScreen(area::screen, 114);
    PenWidth(3);
    Cell(cursor.margin, cursor.row, kPageCell, "P74 基本の問題");

    Cell(cursor.margin - 76, cursor.row + 60, kProblemCell, "1");
    Next(ink::emphasis, "(1)");
    Next(ink::answer, "3L");
    NewRow(50, ink::text, "(11-2)/3=");
    Next(ink::emphasis, "3");
    NewRow(60, ink::emphasis, "(2)", -38);
    Next(ink::answer, "y=3x+2");
    StepReveal();

    Cell(cursor.margin - 76, cursor.row + 60, kProblemCell, "2");
    Next(ink::emphasis, "変化の割合…");
    Next(ink::answer, "4");
    StepReveal();

    Cell(cursor.margin - 76, cursor.row + 60, kProblemCell, "3");
    Next(ink::emphasis, "傾き…");
    Next(ink::answer, "5");
    NewRow(60, ink::emphasis, "切片…", -38);
    Next(ink::answer, "-3");
}

void Grebe::ProblemHeadingCells(std::string_view number) {
    TopicScreen(area::screen, 76);
    PenWidth(5);
    PageHeading(cursor.margin, cursor.row, "P74 基本の問題", 44, number);
}

Lesson::PlaneView Grebe::GraphProblemOpening(std::string_view number) {
    ProblemHeadingCells(number);
    return PlaneAt({.left = 380, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .grid = true});
}

void Grebe::BasicProblemFourGraphs() {
    const PlaneView plane = GraphProblemOpening("4");
    plane.GraphOf({.a = 3, .b = -4, .colour = ink::emphasis, .label = "(1)", .labelDx = -27, .labelDy = -44});
    plane.GraphOf(
        {.a = 1.0f / 3, .b = 2, .colour = ink::answer, .label = "(2)", .labelDx = -27, .labelDy = -44});
}

void Grebe::BasicProblemFiveGraphs() {
    const PlaneView plane = GraphProblemOpening("5");

    static constexpr ArrowedLine lines[] = {
        {2, 1, "(1)", -27, -44, 1, 2},
        {-2.0f / 3, -3, "(2)", -54, 0, 3, -2},
    };
    for (const ArrowedLine& line : lines) LineWithSlopeArrows(plane, line);

    NewRow(70, ink::text, "(1)");
    Next(ink::answer, "y=2x+1");
    NewRow(70, ink::text, "(2)");
    Next(ink::answer, "y=-ﾀ2/3ﾀx-3");
}

void Grebe::BasicProblemSixAnswers() {
    ProblemHeadingCells("6");
    NewRow(60, ink::text, "(1)", -38);
    Next(ink::emphasis, "求める式をy=2x+b");
    Next(ink::text, "とする。");
    NewRow(50, ink::text, "x=1,y=-1を代入して");
    NewRow(50, ink::text, "-1=2*1+b=2+b");
    NewRow(50, ink::text, "b=-1-2=-3");
    NewRow(50, ink::answer, "答 y=2x-3");
    NewRow(80, ink::text, "(2)", -38);
    Next(ink::emphasis, "求める式をy=ax+b");
    Next(ink::text, "とする。");
    NewRow(50, ink::text, "x=-3,y=3とx=3,y=5を代入して");
    BracedSystem(cursor.margin, cursor.row + 50, "3=-3a+b…①", "5= 3a+b…②");

    cursor.margin = 760;
    cursor.row = 30;
    Put(cursor.margin, cursor.row, ink::emphasis, "①+②");
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 50, "3=-3a+b", "5= 3a+b", "+");
    const Num resultRow = columns.lowerRow + 50;
    Put(columns.column, resultRow, ink::text, "8=   2b");
    Put(columns.column, resultRow + 50, ink::emphasis, "b=4");
    NewRow(50, ink::emphasis, "b=4 を①に代入して");
    NewRow(50, ink::text, "3=-3a+4");
    NewRow(50, ink::text, "-3a=3-4=-1");
    NewRow(70, ink::emphasis, "  a=ﾀ1/3ﾀ");
    NewRow(70, ink::answer, "答 y=ﾀ1/3ﾀx+4");
}

}  // namespace lesson
