// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 2: the lines y=k and x=k, graphs of ax+by=c with a or b 0, each
// parallel to an axis; two examples, their textbook answers and a summary.
#include <string_view>

#include "tern/tern_program.h"

namespace lesson {

const Chapter<Tern> Tern::kAxisParallelLines{
    .goal = {"y=3 や x=2 のような2元1次方程式のグラフをかこう。"},
    .goalClears = true,
    .choices = "①例3　②問4　③例4　④問5　⑤まとめ　⑥終了",
    .topics = {&Tern::HorizontalLineExample, &Tern::HorizontalLineAnswers, &Tern::VerticalLineExample,
               &Tern::VerticalLineAnswers, &Tern::AxisParallelSummary},
};

// ---- Examples 3 and 4: a line from two points ---------------------------------------------------

struct Tern::AxisLineExample {
    // One of the two points: the substitution, its equation solved, the
    // point found and where it lies.
    struct Half {
        std::string_view substitute, through;
        Num x, y;
    };
    Num planeLeft, planeTop, xFrom, xTo, yFrom, yTo;
    std::string_view question, equation, solved;
    Half halves[2];
    Curve kind;  // the graph: y=ax+b or ax+by=c
    Num a, b, rightSide;
    std::string_view label;
    Num labelDx;
    std::string_view conclusion, assignment;
};

void Tern::AxisLineFromTwoPoints(const AxisLineExample& e) {
    TopicScreen(area::wide, 38);
    PenWidth(5);
    const PlaneView plane = PlaneAt({.left = e.planeLeft,
                                     .top = e.planeTop,
                                     .xFrom = e.xFrom,
                                     .xTo = e.xTo,
                                     .yFrom = e.yFrom,
                                     .yTo = e.yTo,
                                     .grid = true});
    Put(38, 30, ink::emphasis, e.question);
    for (const AxisLineExample::Half& half : e.halves) {
        SubstitutionSteps(half.substitute, e.equation, e.solved, half.through);
        StepReveal();
        plane.PointAt(half.x, half.y, {.radius = 8, .colour = ink::answer});
    }
    StepReveal();
    plane.GraphOf({.kind = e.kind,
                   .a = e.a,
                   .b = e.b,
                   .c = e.rightSide,
                   .colour = ink::emphasis,
                   .label = e.label,
                   .labelDx = e.labelDx});
    StepReveal();
    NewRow(70, ink::answer, e.conclusion);
    StepReveal();
    Put(38, 540, ink::heading, e.assignment);
}

void Tern::HorizontalLineExample() {
    static constexpr AxisLineExample example{
        760,
        100,
        -4,
        4,
        -2,
        5,
        "方程式 2y=6 のグラフを2点を求めてかきなさい。",
        "2y=6",
        "y=3",
        {{"0x+2y=6 に　x=0 を代入すると、", "点(0,3)を通る。", 0, 3},
         {"x=3 を代入すると、", "点(3,3)を通る。", 3, 3}},
        Curve::Line,
        0,
        3,
        0,
        "2y=6",
        -135,
        "点(0,3)を通り、x軸に平行な直線",
        "教科書P79 問4　をやってみよう。",
    };
    AxisLineFromTwoPoints(example);
}

void Tern::VerticalLineExample() {
    static constexpr AxisLineExample example{
        684,
        100,
        -5,
        5,
        -6,
        6,
        "方程式 3x=6 のグラフを2点を求めてかきなさい。",
        "3x=6",
        "x=2",
        {{"3x+0y=6 に y=0 を代入すると、", "点(2,0)を通る。", 2, 0},
         {"y=3 を代入すると、", "点(2,3)を通る。", 2, 3}},
        Curve::General,
        3,
        0,
        6,
        "3x=6",
        6,
        "点(2,0)を通り、y軸に平行な直線",
        "教科書P79 問5　をやってみよう。",
    };
    AxisLineFromTwoPoints(example);
}

// ---- Questions 4 and 5: answers ------------------------------------------------------------------

void Tern::HorizontalLineAnswers() {
    TopicScreen(area::wide, 114);
    PenWidth(5);
    const PlaneView plane =
        PlaneAt({.left = 646, .top = 100, .xFrom = -7, .xTo = 7, .yFrom = -5, .yTo = 5, .grid = true});
    Put(114, 30, ink::emphasis, "教科書P79 問4　解答");
    NewRow(50, ink::text, "(1) y=-2", -76);
    StepReveal();
    NewRow(50, ink::emphasis, "点(0,-2)を通り、");
    StepReveal();
    plane.PointAt(0, -2, {.radius = 8, .colour = ink::answer});
    StepReveal();
    NewRow(50, ink::emphasis, "x軸に平行な直線");
    NewRow(50, ink::text, "をかけばよい");
    StepReveal();
    plane.GraphOf(
        {.a = 0, .b = -2, .colour = ink::emphasis, .label = "(1)", .labelDx = -135, .labelDy = -60});
    StepReveal();
    NewRow(50, ink::text, "(2)-3y+3=0", -76);
    StepReveal();
    NewRow(50, ink::text, "-3y=-3  y=1 だから");
    NewRow(50, ink::emphasis, "点(0,1)を通り、");
    StepReveal();
    plane.PointAt(0, 1, {.radius = 8, .colour = ink::answer});
    StepReveal();
    NewRow(50, ink::emphasis, "x軸に平行な直線");
    NewRow(50, ink::text, "をかけばよい");
    StepReveal();
    plane.GraphOf({.a = 0, .b = 1, .colour = ink::emphasis, .label = "(2)", .labelDx = -135, .labelDy = -80});
}

void Tern::VerticalLineAnswers() {
    TopicScreen(area::wide, 114);
    PenWidth(5);
    const PlaneView plane =
        PlaneAt({.left = 760, .top = 50, .xFrom = -5, .xTo = 5, .yFrom = -7, .yTo = 7, .grid = true});
    Put(114, 30, ink::emphasis, "教科書P79 問5　解答");
    StepReveal();
    NewRow(50, ink::text, "(1)2x=-4", -76);
    StepReveal();
    NewRow(50, ink::text, "x=-2 だから");
    StepReveal();
    NewRow(50, ink::emphasis, "点(-2,0)を通り、");
    StepReveal();
    plane.PointAt(-2, 0, {.radius = 8, .colour = ink::answer});
    StepReveal();
    NewRow(50, ink::emphasis, "y軸に平行な直線をかけばよい");
    StepReveal();
    // Between the line and the y axis, lower than the axis's letter and over
    // the scale number 5: no room beside the letter.
    plane.GraphOf({.kind = Curve::General,
                   .a = 2,
                   .b = 0,
                   .c = -4,
                   .colour = ink::emphasis,
                   .label = "(1)",
                   .labelDx = -10,
                   .labelDy = 8});
    StepReveal();
    NewRow(80, ink::text, "(2)-x+4=0", -76);
    StepReveal();
    NewRow(50, ink::text, "x=4 だから");
    StepReveal();
    NewRow(50, ink::emphasis, "点(4,0)を通り、");
    StepReveal();
    plane.PointAt(4, 0, {.radius = 8, .colour = ink::answer});
    StepReveal();
    NewRow(50, ink::emphasis, "y軸に平行な直線をかけばよい");
    StepReveal();
    plane.GraphOf({.kind = Curve::General,
                   .a = -1,
                   .b = 0,
                   .c = -4,
                   .colour = ink::emphasis,
                   .label = "(2)",
                   .labelDx = 6});
}

// ---- Summary ----------------------------------------------------------------------------------------

void Tern::AxisParallelSummary() {
    TopicScreen(area::screen, 76);
    PenWidth(8);
    Frame({38, 16}, 800, 360, ink::onBox);
    NewRow(30, ink::emphasis, "<2元1次方程式のグラフ>");
    NewRow(50, ink::text, "a,b,cを定数とすると、2元1次方程式は");
    NewRow(50, ink::emphasis, "ax+by=c");
    Next(ink::text, " と表すことができる。");
    NewRow(50, ink::text, "① このグラフは");
    Next(ink::emphasis, " 直線");
    Next(ink::text, " である。");
    struct Case {
        std::string_view number, condition, line;
    };
    static constexpr Case cases[] = {{"② ", "a=0", "x軸に平行な直線"}, {"③ ", "b=0", "y軸に平行な直線"}};
    for (const Case& c : cases) {
        NewRow(50, ink::text, c.number);
        Next(ink::emphasis, c.condition);
        Next(ink::text, " の場合は、");
        Next(ink::emphasis, c.line);
        Next(ink::text, " である。");
    }
}

}  // namespace lesson
