// Chapter 1: a review of proportion (y=2x) and inverse proportion (y=6/x).
#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kFunctionReview{
    .goal = {"比例、反比例の復習をしよう。"},
    .choices = " ①表式,変化の様子　②グラフ　③終了",
    .topics = {
        &Kestrel::ProportionTablesTopic,
        &Kestrel::ProportionGraphsTopic,
    },
};

void Kestrel::ProportionTablesTopic() {
    // The cell borders take the pen width in force; fix the one a pupil sees
    // on the way in from the menu, whatever ran before.
    PenWidth(3);
    TopicScreen(1760, 1800, 44);
    const CellStyle cell{44, 50, 0, 15, 3};

    Put(44, 30, 7, "課1 ");
    NewRow(70, 0, "①比例");
    B2_row += 50;
    Cell(44, B2_row, cell, "x");
    Cell(YI1, B2_row, cell, "…");
    for (int x = 0; x <= 3; ++x) Cell(YI1, B2_row, cell, NumberText(static_cast<Num>(x)));
    Cell(YI1, B2_row, cell, "…");
    GY5(1) = YI1;
    B2_row += 50;
    Cell(44, B2_row, cell, "y");
    Cell(YI1, B2_row, cell, "…");
    for (int x = 0; x <= 3; ++x) Cell(YI1, B2_row, cell, NumberText(static_cast<Num>(2 * x)));
    Cell(YI1, B2_row, cell, "…");

    NewRow(70, 0, "②反比例");
    B2_row += 50;
    Cell(44, B2_row, cell, "x");
    Cell(YI1, B2_row, cell, "…");
    for (int x = 0; x <= 3; ++x) Cell(YI1, B2_row, cell, NumberText(static_cast<Num>(x)));
    Cell(YI1, B2_row, cell, "…");
    B2_row += 50;
    Cell(44, B2_row, cell, "y");
    Cell(YI1, B2_row, cell, "…");
    Cell(YI1, B2_row, cell, "*");
    for (int x = 1; x <= 3; ++x) Cell(YI1, B2_row, cell, NumberText(6 / static_cast<Num>(x)));
    Cell(YI1, B2_row, cell, "…");

    // The right-hand column starts 44 beyond the first table.
    B1 = GY5(1) + 44;
    Put(B1, 30, 0, "(1)関数の式は？ ");
    const Num questionRow = 30;
    const Num summaryX = YI1 + 44;

    StepReveal();
    NewRow(90, 0, "①y=ax にx=1,y=2を代入して");
    StepReveal();
    NewRow(60, 0, "　2=a*1");
    StepReveal();
    Next(0, "　a=2");
    StepReveal();
    Next(3, "　y=2x");
    StepReveal();
    NewRow(90, 0, "②y=ﾀa/xﾀ にx=1,y=6を代入して");
    StepReveal();
    NewRow(110, 0, "　6=ﾀa/1ﾀ");
    StepReveal();
    Next(0, "　a=6");
    StepReveal();
    Next(3, "　y=ﾀ6/xﾀ");

    StepReveal();
    Put(summaryX, questionRow, 0, "①");
    Next(3, "y=2x");
    Next(0, " ②");
    Next(3, "y=ﾀ6/xﾀ");

    StepReveal();
    EraseBox(GY5(1) + 44, B2_row + 60, GY5(1) + 44 + 1760, B2_row + 60 + 1800);
    NewRow(70, 0, "(2)xが1ずつ増加するとyは？");
    NewRow(50, 0, "①", 44);
    StepReveal();
    Next(3, "2ずつ増加する ");
    NewRow(50, 0, "②", 44);
    StepReveal();
    Next(3, "減少のしかたが一定ではない");
    StepReveal();
    NewRow(70, 0, "(3)xが２倍、３倍…となると、yは？");
    NewRow(50, 0, "①", 44);
    StepReveal();
    Next(3, "２倍、３倍…となる");
    NewRow(80, 0, "②", 44);
    StepReveal();
    Next(3, "ﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる");
}

void Kestrel::ProportionGraphsTopic() {
    // The graphs' dots take the pen width in force; fix the one a pupil sees
    // on the way in from the menu, whatever ran before.
    PenWidth(3);
    TopicScreen(1760, 1800, 44);
    Put(44, 30, 7, "課2 ");
    Next(0, "①y=2x ②y=ﾀ6/xﾀ ");
    DrawGraphChoices();
    NewRow(80, 0, "(1)①,②の関数のグラフは？");
    NewRow(50, 0, " ①", 44);

    StepReveal();
    Next(3, "ウ ");
    Next(0, " ②");
    StepReveal();
    Next(3, "ア");
    StepReveal();
    NewRow(70, 0, "(2)グラフの特徴は？");
    NewRow(50, 0, "①", 44);
    StepReveal();
    Next(3, "原点を通る直線");
    NewRow(50, 0, "a>0のとき右上がり", 88);
    StepReveal();
    NewRow(50, 0, "a<0のとき右下がり", 88);
    GraphOf(3, -3, 0, 7, "y=-3x", -88, 0);
    NewRow(50, 0, "②", 44);
    StepReveal();
    Next(3, "双曲線 ");
    Next(0, "a<0のときは図の位置");
    GraphOf(1, -6, 0, 3, "y=-ﾀ6/xﾀ", -88, 30);
}

void Kestrel::DrawGraphChoices() {
    PlaneAt(748, 100, -6, 6, -6, 6, 30, 0);
    GraphOf(1, 6, 0, 3, "ア", 0, -40);
    GraphOf(3, 1, 1, 0, "イ", 0, 0);
    GraphOf(3, 2, 0, 7, "ウ", 0, -30);
}

}  // namespace lesson
