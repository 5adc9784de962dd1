// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 6: one linear function as equation, table and graph; increasing and
// decreasing functions; graphs of slopes and intercepts the pupil types.
#include <string_view>

#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kTableEquationGraph{
    .goal = {"1次関数の表、式、グラフの関係をまとめよう。"},
    .choices = "①式表グラフ　②増加　③減少　④問７　⑤終了",
    .topics = {&Kestrel::ThreeFormsCoefficients, &Kestrel::IncreasingFunctionTopic,
               &Kestrel::DecreasingFunctionTopic, &Kestrel::ParameterGraphExplorer},
};

// ---- a and b in three forms ------------------------------------------------------

void Kestrel::ThreeFormsCoefficients() {
    TopicScreen(area::text, 76);
    PenWidth(5);
    Put(cursor.margin - 38, cursor.row, ink::text, "問　1次関数y=ax+b の");
    Next(ink::emphasis, "a,b");
    Next(ink::text, "をいいなさい。");
    Put(cursor.margin - 38, cursor.row + 60, ink::text, "(1) y=2x+3");

    // The answers stand under the equation, under the table and under the graph.
    const Num left = cursor.margin, graphLeft = 874;
    const Num equationAnswers = cursor.row + 50;
    const Num tableTop = equationAnswers + 100 + 30;
    const Num tableAnswers = tableTop + 100 + 80;
    const Num graphAnswers = tableAnswers - 100;
    Put(left - 38, tableTop, ink::text, "(2)");

    const Num tableLeft = left + 40;
    const Num firstValue = tableLeft + 60;
    const Num xZero = firstValue + 180 + 15;  // the cell of x = 0
    const Num yRow = tableTop + 50, belowTable = yRow + 50;
    static constexpr std::string_view table[2][8] = {
        {"x", "…", "-2", "-1", "0", "1", "2", "…"},
        {"y", "…", "-1", "1", "3", "5", "7", "…"},
    };
    const CellStyle cell{60, 50, ink::text, ink::page, ink::text};
    const Num rows[2] = {tableTop, yRow};
    for (int row = 0; row < 2; ++row) {
        for (int k = 1; k <= 8; ++k)
            Cell(tableLeft + 60 * static_cast<Num>(k - 1), rows[row], cell, table[row][k - 1]);
    }

    // The sketch is drawn with slope 1.5 so that it fits the small plane; its
    // triangle is still labelled 1 and 2.
    const Plane plane{.left = graphLeft,
                      .top = equationAnswers - 100,
                      .xFrom = -2,
                      .xTo = 4,
                      .yFrom = -2,
                      .yTo = 8,
                      .step = 30};
    const PlaneView view = PlaneAt(plane);
    const Num a = 1.5f, b = 3;
    view.GraphOf({.a = a, .b = b, .colour = ink::emphasis});
    Label(view.At(0, 0).x - 135, plane.top, ink::text, "(3)");
    view.PointAt(0, 3, {.radius = 8, .colour = ink::text});
    const Point interceptText = view.At(0, 3.5f);
    Put(interceptText.x - 135, interceptText.y, ink::text, "(0,");
    const Point interceptThree{cursor.end, cursor.row};  // the "3" of "(0,3)"
    Label(interceptThree.x, interceptThree.y, ink::text, "3)");

    const SlopeSteps legs{
        .from = view.At(0.5f, a * 0.5f + b), .to = view.At(2.5f, a * 2.5f + b), .legsColour = ink::text};
    RunLeg(legs);
    RiseLeg(legs);
    RunLabel(legs, "1");
    RiseLabel(legs, "2");

    // Under the equation.
    StepReveal();
    Put(left, equationAnswers, ink::text, "a=");
    StepReveal();
    Next(ink::answer, "2 ");
    Next(ink::emphasis, "変化の割合 ");
    StepReveal();
    NewRow(50, ink::text, "b=");
    StepReveal();
    Next(ink::answer, "3 ");
    Next(ink::emphasis, "x=0のときのyの値");

    // Under the table.
    StepReveal();
    Put(left, tableAnswers, ink::text, "a=");
    StepReveal();
    Next(ink::answer, "2 ");
    Next(ink::emphasis, "xが1増加したときのyの増加量");
    // Arcs between the y values' cells, from x = -2 on.
    for (int k = 1; k <= 4; ++k) {
        const Num from = firstValue + 30 + 60 * static_cast<Num>(k);
        const Num to = firstValue + 30 + 60 * static_cast<Num>(k + 1);
        ArcOver({.from = {from, belowTable},
                 .to = {to, belowTable},
                 .height = 20,
                 .side = 1,
                 .stepDegrees = 15,
                 .dotColour = ink::emphasis,
                 .labelColour = ink::answer,
                 .label = "2"});
    }
    StepReveal();
    NewRow(50, ink::text, "b=");
    StepReveal();
    Next(ink::answer, "3 ");
    Next(ink::emphasis, "x=0のときのyの値");
    Label(xZero, yRow + 2, ink::answer, "3");

    // Under the graph.
    StepReveal();
    Put(graphLeft, graphAnswers, ink::text, "a=");
    StepReveal();
    Next(ink::answer, "2 ");
    Next(ink::emphasis, "傾き");
    RiseLabel({.from = legs.from, .to = legs.to, .legsColour = ink::answer}, "2");
    StepReveal();
    Put(graphLeft, cursor.row + 50, ink::text, "b=");
    StepReveal();
    Next(ink::answer, "3 ");
    Next(ink::emphasis, "切片");
    Label(interceptThree.x, interceptThree.y, ink::answer, "3");
}

// ---- Increasing and decreasing --------------------------------------------------------

struct Kestrel::IncreaseDecreaseCase {
    std::string_view task, graphLabel;
    Num a;
    Num points[5][2];  // arrow ends in values: 1 -> 2, 2 -> 3, 4 -> 5
    Colour answerColour;
    std::string_view answer;
    Colour ruleColour;
    std::string_view rule, generalRule;
    bool assignment;  // the textbook assignment after one more key
};

void Kestrel::IncreasingFunctionTopic() {
    static constexpr IncreaseDecreaseCase rising{
        "課3 1次関数 y=x+2 で、xが増加するとき、",
        "y=x+2",
        1,
        {{-3, -1}, {3, -1}, {3, 5}, {-3, 0}, {2, 5}},
        ink::emphasis,
        "増加する",
        ink::answer,
        "右上がりは増加",
        "a>0のとき、右上がりで増加",
        false,
    };
    IncreaseDecreaseScreen(rising);
}

void Kestrel::DecreasingFunctionTopic() {
    static constexpr IncreaseDecreaseCase falling{
        "課4 1次関数 y=-x+2 で、xが増加するとき、",
        "y=-x+2",
        -1,
        {{-3, 5}, {3, 5}, {3, -1}, {-3, 3}, {2, -2}},
        ink::answer,
        "減少する",
        ink::emphasis,
        "右下がりは減少",
        "a<0のとき、右下がりで減少",
        true,
    };
    IncreaseDecreaseScreen(falling);
}

void Kestrel::IncreaseDecreaseScreen(const IncreaseDecreaseCase& c) {
    TopicScreen(area::text, 60);
    PenWidth(5);
    Put(cursor.margin - 30, cursor.row, ink::text, c.task);
    NewRow(50, ink::text, "yの増減をいいなさい。");

    const Plane plane{
        .left = 792, .top = 120, .xFrom = -4, .xTo = 4, .yFrom = -6, .yTo = 6, .step = 30, .grid = true};
    const PlaneView view = PlaneAt(plane);
    Point points[5];
    for (int k = 0; k < 5; ++k) points[k] = view.At(c.points[k][0], c.points[k][1]);
    view.GraphOf({.a = c.a, .b = 2, .colour = ink::emphasis});
    // At the top right corner of the plane.
    Label(view.At(plane.xTo, 0).x, plane.top, ink::text, c.graphLabel);

    auto arrow = [&](int tail, int head, Colour colour) {
        ArrowTo(points[tail - 1].x, points[tail - 1].y, points[head - 1].x, points[head - 1].y, colour);
    };
    StepReveal();
    PenWidth(6);
    arrow(1, 2, ink::heading);
    StepReveal();
    arrow(2, 3, ink::heading);
    StepReveal();
    NewRow(70, c.answerColour, c.answer);
    StepReveal();
    NewRow(70, c.ruleColour, c.rule);
    arrow(4, 5, ink::answer);
    StepReveal();
    NewRow(70, ink::answer, c.generalRule);
    PenWidth(3);
    if (c.assignment) {
        StepReveal();
        Put(38, 550, ink::emphasis, "教科書P65 問8 をしなさい。");
    }
}

// ---- Typed slope and intercept -----------------------------------------------------------

// Every typed value adds its line to the one plane; an intercept must lie on
// the plane's y axis. DrawGraph tests each dot against the plane before
// drawing it, so even the largest slope the entry takes draws only dots inside.
void Kestrel::TypedValueGraphLoop(const PlaneView& plane, std::string_view prompt, bool slopeTyped,
                                  Colour colour) {
    RandomExerciseLoop([&] {
        Num typed;
        do {
            const Num choice = AskChoice(ScreenText(prompt));
            ClearPromptBand();
            typed = DefinedOrZero(choice);
        } while (!slopeTyped && (typed < -10 || typed > 10));
        if (slopeTyped)
            plane.GraphOf({.a = typed, .b = 2, .colour = colour});
        else
            plane.GraphOf({.a = 2, .b = typed, .colour = colour});
    });
}

void Kestrel::ParameterGraphExplorer() {
    TopicScreen(area::text, 40);
    PenWidth(5);
    Put(cursor.margin, cursor.row, ink::text, "P70 問7 1次関数 ");
    Next(ink::emphasis, "y=ax+b で、");
    NewRow(50, ink::text, "(1)");
    Next(ink::emphasis, "b=2");
    Next(ink::text, "として");
    NewRow(50, ink::emphasis, "aの値を変化させたグラフでの気づき");
    const PlaneView plane = PlaneAt(
        {.left = 680, .top = 50, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 25, .grid = true});

    TypedValueGraphLoop(plane, "aの値を入力して下さい。(整数か小数)", true, ink::emphasis);

    StepReveal();
    Put(40, 200, ink::text, "①つねに点(0,2)を通る。");
    StepReveal();
    Put(40, 250, ink::text, "②a>0…aを大きくするとy軸に近づく。");
    StepReveal();
    // Below the x axis's scale numbers, which the row would run into.
    Put(40, 340, ink::text, "③a<0…aを小さくするとy軸に近づく。");
    StepReveal();
    Put(40, 420, ink::text, "(2)");
    Next(ink::emphasis, "a=2");
    Next(ink::text, "として");
    TypedValueGraphLoop(plane, "bの値を入力して下さい。(整数か小数)", false, ink::heading);

    StepReveal();
    Put(40, 540, ink::text, "①グラフどうしはつねに平行。");
}

}  // namespace lesson
