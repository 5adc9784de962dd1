// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 3: the equation of a line from two of its points, by its slope
// first (examples 3-1 and 3-2) or by simultaneous equations (example 3-3),
// with the chapter's summary and the textbook's question 4.
#include <array>
#include <string>
#include <string_view>

#include "grebe/grebe_program.h"
#include "runtime/text.h"

namespace lesson {

const Chapter<Grebe> Grebe::kEquationFromTwoPoints{
    .goal = {"2点を通る直線の式を求めよう。"},
    .choices = "①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了",
    .topics = {&Grebe::RandomTwoPointSlopeExample, &Grebe::RandomTwoPointEquationExample,
               &Grebe::RandomTwoPointsSystemExample, &Grebe::TwoPointsSummary,
               &Grebe::TwoPointsExerciseAnswers},
};

namespace {

// How a random example draws its line y = ax + b and its points' x: each a
// whole number from floor(r*count + from); x1 negated when x1Sign is -1.
struct TwoPointDraw {
    Num slopes, slopeFrom;
    Num x1s, x1From, x1Sign;
    Num x2s, x2From;
    Num bound;  // both y within -bound..bound
};

// Draws until both points lie within the bound. The kept slope changes
// before the bounds are tested, so a rejected slope is the one the next
// attempt must avoid.
Grebe::TwoPointLine DrawLineBetween(Grebe& g, const TwoPointDraw& d) {
    Grebe::TwoPointLine line;
    for (;;) {
        line.a = g.RandomWhole(d.slopes, d.slopeFrom);
        g.RandomSign12(line.a);
        if (Lesson::RepeatsKept(line.a, g.lastExampleDraw)) continue;
        line.b = g.RandomWhole(3);
        g.RandomSign12(line.b);
        line.x1 = d.x1Sign * g.RandomWhole(d.x1s, d.x1From);
        line.x2 = g.RandomWhole(d.x2s, d.x2From);
        line.y1 = line.a * line.x1 + line.b;
        if (line.y1 > d.bound || line.y1 < -d.bound) continue;
        line.y2 = line.a * line.x2 + line.b;
        if (line.y2 > d.bound || line.y2 < -d.bound) continue;
        return line;
    }
}

// Blanks in front up to width characters, so that columns line up.
std::string RightAligned(const std::string& text, int width) {
    const int n = rt::klen(text);
    return n >= width ? text : std::string(static_cast<std::size_t>(width - n), ' ') + text;
}

// -y1 added to y2: a zero term keeps its "+", or y2 and "0" would read as one
// number ("50" for 5 + 0).
std::string AddedTerm(Num value, const std::string& text) {
    return value == 0 ? "+" + text : Lesson::LaterTermForm(value, text);
}

}  // namespace

// ---- Examples 3-1 and 3-2: a line through two lattice points ------------------------

Grebe::TwoPointLine Grebe::DrawTwoPointLine() {
    return Problem<TwoPointLine>([&] {
        return DrawLineBetween(*this, {.slopes = 5,
                                       .slopeFrom = 1,
                                       .x1s = 3,
                                       .x1From = 2,
                                       .x1Sign = -1,
                                       .x2s = 5,
                                       .x2From = 2,
                                       .bound = 10});
    });
}

void Grebe::RandomTwoPointSlopeExample() {
    RandomProblemScreen(area::text, 40, [this] { TwoPointSlopeExercise(DrawTwoPointLine()); });
}

void Grebe::RandomTwoPointEquationExample() {
    RandomProblemScreen(area::text, 40, [this] { TwoPointEquationExercise(DrawTwoPointLine()); });
}

Grebe::TwoDots Grebe::TwoPointProblemFigure(const TwoPointLine& line, std::string_view heading,
                                            std::string_view question) {
    const std::string point1 = "(" + NumberText(line.x1) + "," + NumberText(line.y1) + ")";
    const std::string point2 = "(" + NumberText(line.x2) + "," + NumberText(line.y2) + ")";
    RestartProblem(Wipe::FromOriginRow);
    Put(40, 30, ink::heading, heading);
    Next(ink::text, "yがxの1次関数で、そのグラフが2点");
    Next(ink::emphasis, point1);
    Next(ink::text, ",");
    Next(ink::answer, point2);
    NewRow(50, ink::text, question);

    const PlaneView plane =
        PlaneAt({.left = 800, .top = 200, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 20});
    plane.GraphOf({.a = line.a, .b = line.b, .colour = ink::text});
    TwoDots dots{.plane = plane};
    LabelShift shift1 = AwayFromYAxis(line.x1, line.a, point1);
    // On the plane's top edge nothing of the line lies above point 1, and below
    // it the label would meet the row of working beside the plane.
    if (line.y1 == 10) shift1.dy = -24;
    dots.first = plane.PointAt(
        line.x1, line.y1,
        {.radius = 8, .colour = ink::emphasis, .label = point1, .labelDx = shift1.dx, .labelDy = shift1.dy});
    // Point 2's label stands level with its dot, between the line and the rise's value.
    const LabelShift shift2{AwayFromYAxis(line.x2, line.a, point2).dx, 14};
    dots.second = plane.PointAt(
        line.x2, line.y2,
        {.radius = 8, .colour = ink::answer, .label = point2, .labelDx = shift2.dx, .labelDy = shift2.dy});

    NewRow(50, ink::emphasis, "<解答>");
    return dots;
}

void Grebe::TwoPointSlopeRows(const TwoPointLine& line, const TwoDots& dots, bool stepwise) {
    const std::string x1 = NumberText(line.x1), y1 = NumberText(line.y1);
    const std::string x2 = NumberText(line.x2), y2 = NumberText(line.y2);
    const Num minusX1 = -line.x1, minusY1 = -line.y1;
    const std::string difference = "ﾀ" + y2 + AddedTerm(minusY1, NumberText(minusY1)) + "/" + x2 +
                                   LaterTermForm(minusX1, NumberText(minusX1)) + "ﾀ";
    const std::string rise = NumberText(line.Rise()), run = NumberText(line.Run());

    StepReveal();
    dots.plane.SlopeTriangle({.from = dots.first, .to = dots.second});
    PenWidth(4);  // what follows draws in the triangle's pen
    if (stepwise) StepReveal();
    NewRow(60, ink::text, "(" + x1 + "," + y1 + ")と(" + x2 + "," + y2 + ")を通るから、傾きは");
    NewRow(70, ink::emphasis,
           "a=ﾀ" + y2 + "-" + SubstitutedForm(line.y1, y1) + "/" + x2 + "-" + SubstitutedForm(line.x1, x1) +
               "ﾀ");
    StepReveal();
    Next(ink::text, "=" + difference);
    if (stepwise) StepReveal();
    dots.plane.SlopeTriangle({.from = dots.first, .to = dots.second, .runLabel = true, .riseLabel = true});
    PenWidth(4);  // what follows draws in the triangle's pen
    Next(ink::text, "=ﾀ" + rise + "/" + run + "ﾀ");
    Next(ink::answer, "=" + NumberText(line.a));
}

// ---- Example 3-1: the slope ------------------------------------------------------------

void Grebe::TwoPointSlopeExercise(const TwoPointLine& line) {
    const TwoDots dots =
        TwoPointProblemFigure(line, "例3-1　", "を通るとき、この1次関数の傾きを求めなさい。");
    TwoPointSlopeRows(line, dots, true);
}

// ---- Example 3-2: the equation -----------------------------------------------------------

void Grebe::TwoPointEquationExercise(const TwoPointLine& line) {
    const std::string slope = NumberText(line.a), intercept = NumberText(line.b);
    const std::string x2 = NumberText(line.x2), y2 = NumberText(line.y2);
    const Num product = line.a * line.x2;
    const Num minusProduct = -product;
    const std::string coefficient = CoefficientForm(line.a, slope);

    const TwoDots dots = TwoPointProblemFigure(line, "例3-2　", "を通るとき、この1次関数を求めなさい。");
    TwoPointSlopeRows(line, dots, false);
    StepReveal();
    NewRow(70, ink::text, "求める1次関数の式を");
    Next(ink::emphasis, "y=" + coefficient + "x+b ");
    Next(ink::text, "とし、");
    StepReveal();
    NewRow(50, ink::emphasis, "x=" + x2 + ",y=" + y2 + "を代入する");
    Next(ink::text, "と");
    StepReveal();
    NewRow(50, ink::text, y2 + "=" + slope + "*" + x2 + "+b");
    StepReveal();
    Next(ink::text, "=" + NumberText(product) + "+b");
    StepReveal();
    NewRow(50, ink::text,
           "b=" + y2 + LaterTermForm(minusProduct, NumberText(minusProduct)) + "=" + intercept);
    NewRow(50, ink::text, "求める式は ");
    StepReveal();
    Next(ink::answer, "y=" + coefficient + "x" + LaterTermForm(line.b, intercept));
}

// ---- Example 3-3: by simultaneous equations ------------------------------------------

void Grebe::RandomTwoPointsSystemExample() {
    RandomProblemScreen(area::text, 40, [this] { TwoPointsSystemExercise(DrawSystemLine()); });
}

Grebe::TwoPointLine Grebe::DrawSystemLine() {
    return Problem<TwoPointLine>([&] {
        return DrawLineBetween(*this, {.slopes = 4,
                                       .slopeFrom = 2,
                                       .x1s = 2,
                                       .x1From = 1,
                                       .x1Sign = 1,
                                       .x2s = 3,
                                       .x2From = 4,
                                       .bound = 9});
    });
}

// The problem and the two equations, up to the subtraction they lead to.
void Grebe::TwoPointsSystemExercise(const TwoPointLine& line) {
    const std::string x1 = NumberText(line.x1), y1 = NumberText(line.y1);
    const std::string x2 = NumberText(line.x2), y2 = NumberText(line.y2);
    const std::string point1 = "(" + x1 + "," + y1 + ")";
    const std::string point2 = "(" + x2 + "," + y2 + ")";
    const std::string x1Coefficient = line.x1 == 1 ? "" : x1;

    RestartProblem(Wipe::FromOriginRow);
    const Point origin = ProblemOrigin();
    Put(origin.x, origin.y, ink::heading, "例3-3　");
    Next(ink::text, "yがxの1次関数で、そのグラフが2点");
    Next(ink::emphasis, point1);
    Next(ink::text, ",");
    Next(ink::emphasis, point2);
    NewRow(50, ink::text, "を通るとき、この1次関数を求めなさい。");
    NewRow(50, ink::emphasis, "<解答>");
    StepReveal();
    NewRow(70, ink::text, "求める1次関数の式を");
    Next(ink::emphasis, "y=ax+b");
    Next(ink::text, "とすると、");
    NewRow(60, ink::text, point1 + "と" + point2 + "を通るから、");
    NewRow(50, ink::emphasis, "x=" + x1 + ",y=" + y1 + "とx=" + x2 + ",y=" + y2 + "を代入して、");
    StepReveal();
    BracedSystem(cursor.margin, cursor.row + 50, y1 + "=" + x1Coefficient + "a+b …①",
                 y2 + "=" + x2 + "a+b …②");
    // The elimination stands right of the system, level with the row above it.
    cursor.margin = cursor.end + 40;
    cursor.row -= 100;
    StepReveal();
    NewRow(50, ink::heading, "①-②");
    StepReveal();
    TwoPointsSystemSolution(line);
}

void Grebe::TwoPointsSystemSolution(const TwoPointLine& line) {
    const std::string slope = NumberText(line.a), intercept = NumberText(line.b);
    const std::string x1 = NumberText(line.x1), y1 = NumberText(line.y1);
    const std::string x2 = NumberText(line.x2), y2 = NumberText(line.y2);
    // Point 1 minus point 2.
    const Num dx = line.x1 - line.x2, dy = line.y1 - line.y2;
    const Num product = line.a * line.x1;
    const Num minusProduct = -product;

    // Two characters a field, so that the columns' characters stand one
    // above the other.
    const std::string upper = RightAligned(y1, 2) + "=" + RightAligned(line.x1 == 1 ? "" : x1, 2) + "a+b";
    const std::string lower = RightAligned(y2, 2) + "=" + RightAligned(x2, 2) + "a+b";
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 50, upper, lower, "-", true);
    // The signs the terms of the lower equation take when it is subtracted.
    const std::string ySign = line.y2 > 0 ? "-" : "+";
    const std::string xSign = line.x2 > 0 ? "-" : "+";
    ColumnSigns(columns, "+ " + ySign + "  " + xSign + "  -");
    StepReveal();
    // Three characters, one left of the equations: its "=" stands under theirs.
    Put(columns.column - 27, columns.lowerRow + 50, ink::text,
        RightAligned(NumberText(dy), 3) + "=" + NumberText(dx) + "a");
    StepReveal();
    const std::string slopeWorking = Reduced(dy, dx).working;
    NewRow(64, ink::emphasis, "  a=" + slopeWorking);
    cursor.margin = 760;
    cursor.row = 150;
    StepReveal();
    NewRow(50, ink::emphasis, "a=" + slope + " を①に代入して");
    StepReveal();
    NewRow(60, ink::text, y1 + "=" + x1 + "*" + SubstitutedForm(line.a, slope) + "+b");
    StepReveal();
    NewRow(60, ink::text, y1 + "=" + NumberText(product) + "+b");
    StepReveal();
    NewRow(60, ink::emphasis, "b");
    if (line.y1 != 0) Next(ink::text, "=" + y1 + LaterTermForm(minusProduct, NumberText(minusProduct)));
    Next(ink::emphasis, "=" + intercept);
    StepReveal();
    NewRow(60, ink::answer, "答 y=" + slope + "x" + LaterTermForm(line.b, intercept));
}

// ---- Summary and question 4 -----------------------------------------------------------------

void Grebe::TwoPointsSummary() {
    TopicScreen(area::text, 114);
    NewRow(50, ink::emphasis, "<まとめ>");
    // The frame's width stays in force after the topic.
    PenWidth(9);
    Frame({cursor.margin - 38, cursor.row + 60}, 798, 150, ink::onBox);
    static constexpr std::string_view methods[] = {"傾きを求め、y=△x+b", "y=ax+bに代入,連立方程式"};
    for (std::string_view method : methods) {
        NewRow(75, ink::answer, "2点を通る");
        Next(ink::text, "　→　");
        Next(ink::answer, method);
        StepReveal();
    }
    Put(76, cursor.row + 80, ink::text, "教科書P73 問4 をしなさい。");
}

struct Grebe::ExerciseAnswer {
    struct Row {
        Num step;  // below the row before; 0: on its row
        Colour colour;
        std::string_view text;
    };
    std::string_view heading, slopeChain, slope, equation, substituted, working[2], answer;
    // The alternative: both points into y=ax+b, the system and its columns.
    std::string_view bothPoints, first, second, operation, upper, lower, op, signs, result, found;
    std::array<Row, 5> rest;
};

void Grebe::TwoPointsExerciseAnswers() {
    static constexpr ExerciseAnswer parts[] = {
        {.heading = "問4(1)　解答",
         .slopeChain = "ﾀ-1-5/3-(-3)ﾀ=ﾀ-6/3+3ﾀ=ﾀ-6/6ﾀ=",
         .slope = "-1",
         .equation = "求める式をy=-x+b",
         .substituted = "x=3,y=-1を代入して",
         .working = {"-1=-3+b", "b=-1+3=2"},
         .answer = "答 y=-x+2",
         .bothPoints = "x=-3,y=5とx=3,y=-1を代入して",
         .first = "5=-3a+b…①",
         .second = "-1=3a+b…②",
         .operation = "①+②",
         .upper = " 5=-3a+b",
         .lower = "-1= 3a+b",
         .op = "+",
         .signs = "",
         .result = " 4=   2b",
         .found = " b=2",
         .rest = {{{.step = 50, .colour = ink::emphasis, .text = "b=2 を①に代入して"},
                   {.step = 50, .colour = ink::text, .text = "5=-3a+2"},
                   {.step = 50, .colour = ink::text, .text = "-3a=5-2=3"},
                   {.step = 50, .colour = ink::emphasis, .text = "  a=-1"},
                   {.step = 50, .colour = ink::answer, .text = "答 y=-x+2"}}}},
        {.heading = "問4(2)　解答",
         .slopeChain = "ﾀ-9-(-3)/4-2ﾀ=ﾀ-9+3/2ﾀ=ﾀ-6/2ﾀ=",
         .slope = "-3",
         .equation = "求める式をy=-3x+b",
         .substituted = "x=2,y=-3を代入して",
         .working = {"-3=-3*2+b=-6+b", "b=-3+6=3"},
         .answer = "答 y=-3x+3",
         .bothPoints = "x=2,y=-3とx=4,y=-9を代入して",
         .first = "-3=2a+b…①",
         .second = "-9=4a+b…②",
         .operation = "①-②",
         .upper = "-3=2a+b",
         .lower = "-9=4a+b",
         .op = "-",
         // The third mark stands over the "=".
         .signs = "+ + -  -",
         .result = " 6=-2a",
         .found = "a=-3",
         .rest = {{{.step = 50, .colour = ink::emphasis, .text = "a=-3 を①に代入して"},
                   {.step = 50, .colour = ink::text, .text = "-3=2*(-3)+b=-6+b"},
                   {.step = 50, .colour = ink::text, .text = "b=-3+6="},
                   {.step = 0, .colour = ink::emphasis, .text = "3"},
                   {.step = 50, .colour = ink::answer, .text = "答 y=-3x+3"}}}},
    };
    ExerciseAnswerScreen(parts[0]);
    StepReveal();
    ExerciseAnswerScreen(parts[1]);
}

void Grebe::ExerciseAnswerScreen(const ExerciseAnswer& part) {
    TopicScreen(area::text, 38);
    Put(cursor.margin, cursor.row, ink::text, part.heading);
    NewRow(70, ink::text, "傾きは");
    Next(ink::text, part.slopeChain);
    Next(ink::emphasis, part.slope);
    NewRow(60, ink::emphasis, part.equation);
    Next(ink::text, "とする。");
    NewRow(50, ink::text, part.substituted);
    for (std::string_view line : part.working) NewRow(50, ink::text, line);
    NewRow(50, ink::answer, part.answer);
    StepReveal();

    NewRow(60, ink::emphasis, "(別解)");
    Next(ink::emphasis, "求める式をy=ax+b");
    Next(ink::text, "とする。");
    NewRow(50, ink::text, part.bothPoints);
    BracedSystem(cursor.margin, cursor.row + 50, part.first, part.second);
    cursor.margin = 760;
    cursor.row = 30;
    Put(cursor.margin, cursor.row, ink::emphasis, part.operation);
    const Columns columns =
        ColumnsAt(cursor.margin, cursor.row + 50, part.upper, part.lower, part.op, !part.signs.empty());
    if (!part.signs.empty()) ColumnSigns(columns, part.signs);
    const Num resultRow = columns.lowerRow + 50;
    Put(columns.column, resultRow, ink::text, part.result);
    Put(columns.column, resultRow + 50, ink::emphasis, part.found);
    for (const auto& row : part.rest) {
        if (row.step == 0)
            Next(row.colour, row.text);
        else
            NewRow(row.step, row.colour, row.text);
    }
}

}  // namespace lesson
