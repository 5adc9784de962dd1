// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 3: a system of two equations in two unknowns and the intersection
// of their graphs. Solved from the graphs and by subtracting one equation
// from the other, with random systems, textbook answers and parallel lines.
#include <string>
#include <string_view>
#include <utility>

#include "tern/tern_program.h"

namespace lesson {

namespace {

// A term's text in a column two characters wide: " 3", " -", "  ".
std::string CoefficientColumn(const std::string& text) {
    return text.size() >= 2 ? text : std::string(2 - text.size(), ' ') + text;
}

// A constant's text in a column three characters wide, when it has one:
// "+5" gets a blank, "" and "-10" stay.
std::string ConstantColumn(const std::string& text) { return text.size() == 2 ? " " + text : text; }

// A later term with its coefficient: "+" for 1, "-" for -1, "+3", "-3".
std::string LaterCoefficientForm(Num value, std::string_view text) {
    return (value > 0 ? "+" : "") + Lesson::CoefficientForm(value, text);
}

// Equation ① of the intersection question and of 問4, x-2y=4, drawn alike by both.
constexpr Graph kFirstEquation{.kind = Curve::General,
                               .a = 1,
                               .b = -2,
                               .c = 4,
                               .colour = ink::text,
                               .label = "x-2y=4",
                               .labelDx = -108,
                               .labelDy = -60};

}  // namespace

const Chapter<Tern> Tern::kSimultaneousEquationsGraph{
    .goal = {"2つの2元1次方程式のグラフの交点の意味を考えよう。"},
    .goalClears = true,
    .choices = "①P80Q　②グラフから例　③問１　④交点例　⑤問2　⑥問3　⑦問4　⑧終了",
    .topics = {&Tern::IntersectionIntro, &Tern::RandomSystemByGraphExample, &Tern::SystemByGraphAnswer,
               &Tern::RandomIntersectionExample, &Tern::IntersectionFromFigureAnswer,
               &Tern::AxisIntersectionAnswer, &Tern::ParallelNoSolution},
};

void Tern::ReadSlopeAndIntercept(Num x, Num y, std::string_view slope, std::string_view intercept,
                                 bool keyEach) {
    const std::pair<Colour, std::string_view> pieces[] = {{ink::text, "傾き"},
                                                          {ink::emphasis, slope},
                                                          {ink::text, "切片"},
                                                          {ink::emphasis, intercept},
                                                          {ink::text, "のグラフをかけばよい。"}};
    bool first = true;
    for (const auto& [colour, text] : pieces) {
        if (keyEach) StepReveal();
        if (first)
            Put(x, y, colour, text);
        else
            Next(colour, text);
        first = false;
    }
}

// ---- Topic 1: the question of page 80 -----------------------------------------------------

void Tern::IntersectionIntro() {
    TopicScreen(area::wide, 40);
    PenWidth(5);
    BracedSystem(40, 30, "x-2y=4…①", "x +y=1…②");
    const Num heading = cursor.end + 40;
    Put(heading, 30, ink::emphasis, "連立方程式の");
    Put(heading, 80, ink::emphasis, "解を調べよう。");
    const PlaneView plane =
        PlaneAt({.left = 760, .top = 30, .xFrom = -5, .xTo = 5, .yFrom = -4, .yTo = 4, .grid = true});
    plane.GraphOf(kFirstEquation);
    StepReveal();
    Put(40, 130, ink::heading, "(1)方程式②のグラフをかこう。");
    StepReveal();
    Put(40, 180, ink::text, "x+y=1 y=-x+1 だから");
    ReadSlopeAndIntercept(40, 230, "-1, ", "1 ", true);
    StepReveal();
    plane.GraphOf({.kind = Curve::General,
                   .a = 1,
                   .b = 1,
                   .c = 1,
                   .colour = ink::text,
                   .label = "x+y=1",
                   .labelDx = -108,
                   .labelDy = 10});
    StepReveal();
    Put(40, 280, ink::emphasis, "交点の座標は、");
    plane.PointAt(2, -1, {.radius = 6, .colour = ink::answer});
    StepReveal();
    Next(ink::answer, "(2,-1)");
    plane.PointAt(2, -1,
                  {.radius = 6, .colour = ink::answer, .label = "(2,-1)", .labelDx = 30, .labelDy = 30});
    StepReveal();
    Put(40, 330, ink::heading, "上の連立方程式を解いてみよう。");
    const Num secondColumnRow = cursor.row;
    StepReveal();
    NewRow(50, ink::emphasis, "①-②");
    StepReveal();
    const Columns columns = ColumnsAt(40, 430, "x-2y=4", "x+ y=1", "-", true);
    StepReveal();
    ColumnSigns(columns, "+- -  -");
    StepReveal();
    Put(columns.column, columns.lowerRow + 50, ink::text, " -3y=3");
    StepReveal();
    Put(columns.column, cursor.row + 50, ink::text, "   y=-1");
    cursor.margin = 342;
    cursor.row = secondColumnRow;
    NewRow(50, ink::emphasis, "y=-1 を②に代入して");
    StepReveal();
    NewRow(50, ink::text, "x-1=1");
    StepReveal();
    NewRow(50, ink::text, "x=");
    StepReveal();
    Next(ink::text, "1+1=2");
    NewRow(50, ink::answer, "答 x=2,y=-1");
    StepReveal();
    cursor.margin = cursor.end + 30;
    cursor.row = 390;
    NewRow(50, ink::answer, "<連立方程式の解とグラフの交点>");
    NewRow(50, ink::emphasis, "x,yについての連立方程式の解は、");
    NewRow(50, ink::emphasis, "それぞれの方程式のグラフの");
    NewRow(50, ink::emphasis, "交点のx座標,y座標の組である。");
}

// ---- Topic 2: a random system solved from its graph ---------------------------------------

void Tern::RandomSystemByGraphExample() {
    RandomProblemScreen(area::screenShort, 40, [&] { SystemByGraphProblem(DrawSystemByGraph()); });
    Put(38, 480, ink::heading, "教科書P81 問1　をやってみよう。");
}

Tern::SystemByGraph Tern::SystemByGraph::Through(Num x, Num y, Num px, Num py, Num qx, Num qy) {
    return {
        .x = x,
        .y = y,
        .px = px,
        .py = py,
        .qx = qx,
        .qy = qy,
        .a1 = -(py - y),
        .b1 = px - x,
        .c1 = -x * (py - y) + y * (px - x),
        .a2 = -(qy - y),
        .b2 = qx - x,
        .c2 = -x * (qy - y) + y * (qx - x),
    };
}

Tern::SystemByGraph Tern::DrawSystemByGraph() {
    return Problem<SystemByGraph>([&] {
        // Drawn again while a coefficient the equations divide by is 0 or
        // the two lines are one.
        SystemByGraph p;
        do {
            Num x = RandomWhole(7, 0);
            RandomSign12(x);
            Num y = RandomWhole(7);
            RandomSign12(y);
            const Num px = RandomWhole(6, 2);
            const Num py = RandomWhole(4, 5);
            const Num qx = RandomWhole(5, 4);
            const Num qy = -RandomWhole(5, 3);
            p = SystemByGraph::Through(x, y, px, py, qx, qy);
        } while (p.a1 == 0 || p.b1 == 0 || p.a2 == 0 || p.a1 * p.b2 == p.a2 * p.b1);
        return p;
    });
}

Tern::SystemTexts Tern::SystemByGraphTexts(const SystemByGraph& p) {
    const std::string a1 = CoefficientForm(p.a1, NumberText(p.a1));
    const std::string b1 = LaterCoefficientForm(p.b1, NumberText(p.b1));
    const std::string a2 = CoefficientForm(p.a2, NumberText(p.a2));
    const std::string b2 = LaterCoefficientForm(p.b2, NumberText(p.b2));
    const std::string c1 = NumberText(p.c1), c2 = NumberText(p.c2);
    return {
        .first = EquationText(a1, b1, c1) + "…①",
        // b2 = 0: line 2 is the vertical line through S.
        .second = (p.b2 == 0 ? a2 + "x=" + c2 : EquationText(a2, b2, c2)) + "…②",
        .x = NumberText(p.x),
        .y = NumberText(p.y),
    };
}

void Tern::SystemByGraphProblem(const SystemByGraph& p) {
    const SystemTexts texts = SystemByGraphTexts(p);
    TopicScreen(area::screen, 88);
    Put(cursor.margin - 44, cursor.row, ink::text, "例 連立方程式の解を、");
    NewRow(50, ink::text, "グラフを使って求めなさい。");
    BracedSystem(cursor.margin, cursor.row + 50, texts.first, texts.second, ink::emphasis);
    const PlaneView plane = PlaneAt(
        {.left = 680, .top = 50, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 25, .grid = true});
    plane.GraphOf(
        {.kind = Curve::General, .a = p.a1, .b = p.b1, .c = p.c1, .colour = ink::emphasis, .label = "①"});
    plane.GraphOf(
        {.kind = Curve::General, .a = p.a2, .b = p.b2, .c = p.c2, .colour = ink::emphasis, .label = "②"});
    StepReveal();
    NewRow(80, ink::emphasis, "交点の座標は、");
    plane.PointAt(p.x, p.y, {.radius = 8, .colour = ink::heading});
    StepReveal();
    Next(ink::emphasis, "(" + texts.x + "," + texts.y + ")");
    StepReveal();
    NewRow(70, ink::text, "だから、解は ");
    Next(ink::answer, "x=" + texts.x + ",y=" + texts.y);
}

// ---- Topic 3: question 1 ----------------------------------------------------------------------

void Tern::SystemByGraphAnswer() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "問1 解答");
    BracedSystem(cursor.end, 30, "2x+y=1…①", " x-y=-4…②");
    const PlaneView plane =
        PlaneAt({.left = 760, .top = 100, .xFrom = -4, .xTo = 5, .yFrom = -4, .yTo = 6, .grid = true});
    StepReveal();
    Put(38, 130, ink::text, "2x+y=1 y=-2x+1 だから");
    StepReveal();
    ReadSlopeAndIntercept(38, 180, "-2, ", "1 ", false);
    StepReveal();
    plane.GraphOf({.kind = Curve::General,
                   .a = 2,
                   .b = 1,
                   .c = 1,
                   .colour = ink::text,
                   .label = "2x+y=1",
                   .labelDx = -108,
                   .labelDy = 10});
    StepReveal();
    Put(38, 230, ink::text, "x-y=-4 y=x+4 だから");
    StepReveal();
    ReadSlopeAndIntercept(38, 280, "1, ", "4 ", false);
    StepReveal();
    plane.GraphOf({.kind = Curve::General,
                   .a = 1,
                   .b = -1,
                   .c = -4,
                   .colour = ink::text,
                   .label = "x-y=-4",
                   .labelDy = 10});
    Put(38, 330, ink::emphasis, "交点の座標は、");
    StepReveal();
    Next(ink::answer, "(-1,3)");
    plane.PointAt(-1, 3,
                  {.radius = 6, .colour = ink::answer, .label = "(-1,3)", .labelDx = 30, .labelDy = 30});
    Put(38, 400, ink::text, "したがって、連立方程式の解は");
    StepReveal();
    Put(38, 450, ink::answer, "x=-1,y=3");
}

// ---- Topic 4: a random intersection found by subtraction -------------------------------------

void Tern::RandomIntersectionExample() {
    RandomProblemScreen(area::text, 40, [&] { IntersectionProblem(DrawIntersection()); });
    StepReveal();
    Put(38, 595, ink::heading, "教科書P81 問2　をやってみよう。");  // clear of the status band
}

Tern::Intersection Tern::Intersection::Through(Num x, Num y, Num m1, Num m2) {
    return {.x = x, .y = y, .m1 = m1, .m2 = m2, .k1 = y - m1 * x, .k2 = y - m2 * x};
}

Tern::Intersection Tern::DrawIntersection() {
    return Problem<Intersection>([&] {
        // Two different slopes through S, both intercepts on the plane.
        for (;;) {
            Num x = RandomWhole(7, 0);
            RandomSign12(x);
            Num y = RandomWhole(7);
            RandomSign12(y);
            Num m1 = RandomWhole(4);
            RandomSign12(m1);
            Num m2 = RandomWhole(4);
            RandomSign12(m2);
            if (m1 == m2) continue;
            const Intersection p = Intersection::Through(x, y, m1, m2);
            if (p.k1 <= 10 && p.k1 >= -10 && p.k2 <= 10 && p.k2 >= -10) return p;
        }
    });
}

Tern::IntersectionTexts Tern::IntersectionProblemTexts(const Intersection& p) {
    const Num dm = p.m1 - p.m2, dk = p.k1 - p.k2;
    const std::string x = NumberText(p.x), y = NumberText(p.y), m1 = NumberText(p.m1);
    const std::string m2 = NumberText(p.m2), dmText = NumberText(dm), m1x = NumberText(p.m1 * p.x);
    const std::string k1 = NumberText(p.k1), k2 = NumberText(p.k2), dkText = NumberText(dk);
    const std::string solvedText = NumberText(-dk);
    auto term = [](Num v, const std::string& text) {
        return v == 0 ? std::string() : LaterTermForm(v, text);
    };
    const std::string m1Form = CoefficientForm(p.m1, m1), m2Form = CoefficientForm(p.m2, m2);
    const std::string k1Term = term(p.k1, k1), k2Term = term(p.k2, k2);
    const std::string dmColumn = CoefficientColumn(CoefficientForm(dm, dmText));
    return {
        .first = "y=" + m1Form + "x" + k1Term,
        .second = "y=" + m2Form + "x" + k2Term,
        .upper = "y=" + CoefficientColumn(m1Form) + "x" + ConstantColumn(k1Term),
        .lower = "y=" + CoefficientColumn(m2Form) + "x" + ConstantColumn(k2Term),
        .signs = std::string("+-  ") + (p.m2 > 0 ? "-" : "+") + "   " +
                 (p.k2 > 0   ? "-"
                  : p.k2 < 0 ? "+"
                             : ""),
        .result = "0=" + dmColumn + "x" + ConstantColumn(term(dk, dkText)),
        .xRow = dmColumn + "x=" + solvedText,
        .x = x,
        .y = y,
        .m1 = m1,
        .m1x = m1x,
        .substitutedX = SubstitutedForm(p.x, x),
        .k1Term = k1Term,
    };
}

void Tern::IntersectionProblem(const Intersection& p) {
    const IntersectionTexts texts = IntersectionProblemTexts(p);
    RestartProblem(Wipe::FromOriginRow);
    const PlaneView plane =
        PlaneAt({.left = 646, .top = 100, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 25});
    plane.GraphOf({.a = p.m1, .b = p.k1, .colour = ink::emphasis, .label = "①"});
    plane.GraphOf({.a = p.m2, .b = p.k2, .colour = ink::heading, .label = "②", .labelDy = -50});

    Put(cursor.margin, cursor.row, ink::heading, "例　");
    Next(ink::text, "次の2直線の交点の座標を求めなさい。");
    NewRow(50, ink::emphasis, texts.first + "…①");
    Next(ink::text, ",");
    Next(ink::emphasis, texts.second + "…②");
    NewRow(50, ink::emphasis, "<解答>");
    StepReveal();
    NewRow(50, ink::heading, "①-②");
    StepReveal();
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 50, texts.upper, texts.lower, "-", true);
    ColumnSigns(columns, texts.signs);
    StepReveal();
    Put(columns.column, columns.lowerRow + 50, ink::text, texts.result);
    StepReveal();
    // With a coefficient 1 this row already reads "  x=" and the value.
    const bool solved = p.m1 - p.m2 == 1;
    NewRow(50, solved ? ink::emphasis : ink::text, texts.xRow);
    StepReveal();
    if (!solved) Next(ink::emphasis, "  x=" + texts.x, 30);
    StepReveal();
    NewRow(50, ink::emphasis, "x=" + texts.x + " を①に代入して");
    StepReveal();
    NewRow(50, ink::text, "y=" + texts.m1 + "*" + texts.substitutedX + texts.k1Term);
    StepReveal();
    Put(cursor.margin + 27, cursor.row + 50, ink::text, "=" + texts.m1x + texts.k1Term);
    StepReveal();
    Next(ink::emphasis, "=" + texts.y);
    StepReveal();
    Next(ink::answer, "答 (" + texts.x + "," + texts.y + ")", 60);
}

// ---- Topics 5 and 6: questions 2 and 3 ---------------------------------------------------------

void Tern::IntersectionFromFigureAnswer() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "問2 解答");
    const PlaneView plane =
        PlaneAt({.left = 874, .top = 100, .xFrom = -4, .xTo = 5, .yFrom = -4, .yTo = 6, .grid = true});
    plane.GraphOf({.a = -3, .b = 3, .colour = ink::text, .label = "①", .labelDx = -162, .labelDy = -400});
    plane.GraphOf({.a = 2, .b = -1, .colour = ink::text, .label = "②", .labelDy = 10});
    NewRow(50, ink::text, "①の直線の式は");
    NewRow(50, ink::text, "切片");
    StepReveal();
    Next(ink::emphasis, "3 ");
    Next(ink::text, "傾き");
    StepReveal();
    Next(ink::emphasis, "-3, ");
    StepReveal();
    Next(ink::text, "で、y=-3x+3");
    NewRow(50, ink::text, "②の直線の式は");
    StepReveal();
    NewRow(50, ink::text, "切片");
    StepReveal();
    Next(ink::emphasis, "-1, ");
    Next(ink::text, "傾き");
    StepReveal();
    Next(ink::emphasis, "2 ");
    StepReveal();
    Next(ink::text, "で、y=2x-1");
    StepReveal();
    const Num systemRow = cursor.row + 50;
    BracedSystem(cursor.margin, systemRow, "y=-3x+3…①", "y= 2x-1…②");
    StepReveal();
    // "①-②" 11 and "5x=4" 5 closer than the rows' spacing: the fraction of
    // the last row stays clear of the status band.
    NewRow(39, ink::emphasis, "①-②");
    StepReveal();
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 50, "y=-3x+3", "y= 2x-1", "-", true);
    ColumnSigns(columns, "+-  -  +");
    Put(columns.column, columns.lowerRow + 50, ink::text, "0=-5x+4");
    NewRow(55, ink::text, "5x=4");
    Next(ink::emphasis, " x=ﾀ4/5ﾀ", 20);
    StepReveal();
    cursor.margin = 418;
    Put(cursor.margin, systemRow + 20, ink::emphasis, "x=ﾀ4/5ﾀ を②に代入して");
    StepReveal();
    NewRow(70, ink::text, "y=2*ﾀ4/5ﾀ-1=ﾀ8/5ﾀ-ﾀ5/5ﾀ=");
    Next(ink::emphasis, "ﾀ3/5ﾀ");
    NewRow(70, ink::answer, "答 (ﾀ4/5ﾀ,ﾀ3/5ﾀ)");
    StepReveal();
    Put(456, 570, ink::heading, "教科書P81 問3　をやってみよう。");
}

void Tern::AxisIntersectionAnswer() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "問3 解答");
    const PlaneView plane = PlaneAt(
        {.left = 608, .top = 100, .xFrom = -3, .xTo = 5, .yFrom = -5, .yTo = 4, .scaleNumbers = false});
    // 2 above the plane's edge: 4 clear of the y axis's letter below it.
    plane.GraphOf({.a = 2, .b = -3, .colour = ink::text, .label = "y=2x-3", .labelDx = -135, .labelDy = -52});
    plane.PointAt(1.5f, 0,
                  {.radius = 6, .colour = ink::answer, .label = "A", .labelDx = -20, .labelDy = -10});
    plane.PointAt(0, -3, {.radius = 1, .colour = ink::text, .label = "-3", .labelDx = 30, .labelDy = 30});
    NewRow(50, ink::emphasis, "点Aは、次の2つの直線の交点だから");
    StepReveal();
    BracedSystem(cursor.margin, cursor.row + 50, "y=2x-3…①", "y=0…②");
    StepReveal();
    NewRow(50, ink::text, "②を①に代入して");
    NewRow(50, ink::text, "0=2x-3");
    NewRow(50, ink::text, "2x=3");
    NewRow(70, ink::emphasis, "x=ﾀ3/2ﾀ");
    NewRow(70, ink::answer, "答 (ﾀ3/2ﾀ,0)");
    StepReveal();
    Put(456, 570, ink::heading, "教科書P81 問4　をやってみよう。");
}

// ---- Topic 7: question 4, parallel lines ------------------------------------------------------

void Tern::ParallelNoSolution() {
    TopicScreen(area::wide, 94);
    PenWidth(5);
    Put(40, 30, ink::emphasis, "問4 連立方程式");
    BracedSystem(cursor.end, 30, "x-2y=4…①", "-3x+6y=6…②");
    Put(cursor.margin, 130, ink::emphasis, "の解が見つからない理由を考えよう。");
    StepReveal();
    const PlaneView plane =
        PlaneAt({.left = 760, .top = 30, .xFrom = -5, .xTo = 5, .yFrom = -5, .yTo = 5, .grid = true});
    plane.GraphOf(kFirstEquation);
    StepReveal();
    Put(40, 180, ink::heading, "(1)方程式②のグラフをかこう。");
    StepReveal();
    Put(cursor.margin, 250, ink::text, "6y=3x+6  ");
    StepReveal();
    Next(ink::text, "y=ﾀ1/2ﾀx+1 だから");
    ReadSlopeAndIntercept(cursor.margin, 320, "ﾀ1/2ﾀ, ", "1 ", true);
    StepReveal();
    plane.GraphOf({.kind = Curve::General,
                   .a = -3,
                   .b = 6,
                   .c = 6,
                   .colour = ink::emphasis,
                   .label = "-3x+6y=6",
                   .labelDx = -378,
                   .labelDy = 10});
    StepReveal();
    Put(40, 380, ink::heading, "(2)グラフから見つからない理由を説明しよう。");
    StepReveal();
    Put(cursor.margin, 440, ink::emphasis, "2つのグラフは平行で交わらないから、");
    NewRow(50, ink::emphasis, "この連立方程式の解は見つからない。");
    StepReveal();
    Put(456, 570, ink::heading, "教科書P82 基本の問題　をやってみよう。");
}

}  // namespace lesson
