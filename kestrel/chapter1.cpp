// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 1: a review of proportion (y=2x) and inverse proportion (y=6/x).
#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kFunctionReview{
    .goal = {"比例、反比例の復習をしよう。"},
    .choices = " ①表式,変化の様子　②グラフ　③終了",
    .topics = {&Kestrel::ProportionTablesTopic, &Kestrel::ProportionGraphsTopic},
};

void Kestrel::ProportionTablesTopic() {
    // The cell borders take the pen width in force; fix the one a pupil sees
    // on the way in from the menu, whatever ran before.
    PenWidth(3);
    TopicScreen(area::screen, 44);
    const CellStyle cell{44, 50, ink::text, ink::page, ink::emphasis};

    Put(44, 30, ink::heading, "課1 ");
    NewRow(70, ink::text, "①比例");
    cursor.row += 50;
    Cell(44, cursor.row, cell, "x");
    Cell(cursor.end, cursor.row, cell, "…");
    for (int x = 0; x <= 3; ++x) Cell(cursor.end, cursor.row, cell, NumberText(static_cast<Num>(x)));
    Cell(cursor.end, cursor.row, cell, "…");
    const Num tableRight = cursor.end;
    cursor.row += 50;
    Cell(44, cursor.row, cell, "y");
    Cell(cursor.end, cursor.row, cell, "…");
    for (int x = 0; x <= 3; ++x) Cell(cursor.end, cursor.row, cell, NumberText(static_cast<Num>(2 * x)));
    Cell(cursor.end, cursor.row, cell, "…");

    NewRow(70, ink::text, "②反比例");
    cursor.row += 50;
    Cell(44, cursor.row, cell, "x");
    Cell(cursor.end, cursor.row, cell, "…");
    for (int x = 0; x <= 3; ++x) Cell(cursor.end, cursor.row, cell, NumberText(static_cast<Num>(x)));
    Cell(cursor.end, cursor.row, cell, "…");
    cursor.row += 50;
    Cell(44, cursor.row, cell, "y");
    Cell(cursor.end, cursor.row, cell, "…");
    Cell(cursor.end, cursor.row, cell, "*");
    for (int x = 1; x <= 3; ++x) Cell(cursor.end, cursor.row, cell, NumberText(6 / static_cast<Num>(x)));
    Cell(cursor.end, cursor.row, cell, "…");

    // The right-hand column starts 44 beyond the first table.
    cursor.margin = tableRight + 44;
    Put(cursor.margin, 30, ink::text, "(1)関数の式は？ ");
    const Num questionRow = 30;
    const Num summaryX = cursor.end + 44;

    StepReveal();
    NewRow(90, ink::text, "①y=ax にx=1,y=2を代入して");
    StepReveal();
    NewRow(60, ink::text, "　2=a*1");
    StepReveal();
    Next(ink::text, "　a=2");
    StepReveal();
    Next(ink::emphasis, "　y=2x");
    StepReveal();
    NewRow(90, ink::text, "②y=ﾀa/xﾀ にx=1,y=6を代入して");
    StepReveal();
    NewRow(110, ink::text, "　6=ﾀa/1ﾀ");
    StepReveal();
    Next(ink::text, "　a=6");
    StepReveal();
    Next(ink::emphasis, "　y=ﾀ6/xﾀ");

    StepReveal();
    Put(summaryX, questionRow, ink::text, "①");
    Next(ink::emphasis, "y=2x");
    Next(ink::text, " ②");
    Next(ink::emphasis, "y=ﾀ6/xﾀ");

    StepReveal();
    EraseBox(tableRight + 44, cursor.row + 60, tableRight + 44 + 1760, cursor.row + 60 + 1800);
    NewRow(70, ink::text, "(2)xが1ずつ増加するとyは？");
    NewRow(50, ink::text, "①", 44);
    StepReveal();
    Next(ink::emphasis, "2ずつ増加する ");
    NewRow(50, ink::text, "②", 44);
    StepReveal();
    Next(ink::emphasis, "減少のしかたが一定ではない");
    StepReveal();
    NewRow(70, ink::text, "(3)xが２倍、３倍…となると、yは？");
    NewRow(50, ink::text, "①", 44);
    StepReveal();
    Next(ink::emphasis, "２倍、３倍…となる");
    NewRow(80, ink::text, "②", 44);
    StepReveal();
    Next(ink::emphasis, "ﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる");
}

void Kestrel::ProportionGraphsTopic() {
    // The graphs' dots take the pen width in force; fix the one a pupil sees
    // on the way in from the menu, whatever ran before.
    PenWidth(3);
    TopicScreen(area::screen, 44);
    Put(44, 30, ink::heading, "課2 ");
    Next(ink::text, "①y=2x ②y=ﾀ6/xﾀ ");
    const PlaneView plane = DrawGraphChoices();
    NewRow(80, ink::text, "(1)①,②の関数のグラフは？");
    NewRow(50, ink::text, " ①", 44);

    StepReveal();
    Next(ink::emphasis, "ウ ");
    Next(ink::text, " ②");
    StepReveal();
    Next(ink::emphasis, "ア");
    StepReveal();
    NewRow(70, ink::text, "(2)グラフの特徴は？");
    NewRow(50, ink::text, "①", 44);
    StepReveal();
    Next(ink::emphasis, "原点を通る直線");
    NewRow(50, ink::text, "a>0のとき右上がり", 88);
    StepReveal();
    NewRow(50, ink::text, "a<0のとき右下がり", 88);
    plane.GraphOf({.a = -3, .b = 0, .colour = ink::heading, .label = "y=-3x", .labelDx = -88});
    NewRow(50, ink::text, "②", 44);
    StepReveal();
    Next(ink::emphasis, "双曲線 ");
    Next(ink::text, "a<0のときは図の位置");
    plane.GraphOf({.kind = Curve::Inverse,
                   .a = -6,
                   .b = 0,
                   .colour = ink::emphasis,
                   .label = "y=-ﾀ6/xﾀ",
                   .labelDx = -88,
                   .labelDy = 30});
}

Lesson::PlaneView Kestrel::DrawGraphChoices() {
    const PlaneView plane =
        PlaneAt({.left = 748, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .step = 30});
    plane.GraphOf(
        {.kind = Curve::Inverse, .a = 6, .b = 0, .colour = ink::emphasis, .label = "ア", .labelDy = -40});
    plane.GraphOf({.a = 1, .b = 1, .colour = ink::text, .label = "イ"});
    plane.GraphOf({.a = 2, .b = 0, .colour = ink::heading, .label = "ウ", .labelDy = -30});
    return plane;
}

}  // namespace lesson
