// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 1: reading the equation y=ax+b of a line off its graph: a worked
// example, practice with whole and with fractional slopes, textbook answers.
#include <cmath>
#include <string>

#include "grebe/grebe_program.h"

namespace lesson {

const Chapter<Grebe> Grebe::kEquationFromGraph{
    .goal = {"グラフから直線の式を求めよう。"},
    .choices = "①P71Q　②練習１　③練習２　④問１　⑤終了",
    .topics = {&Grebe::EquationFromGraphExample, &Grebe::IntegerGraphPractice, &Grebe::FractionGraphPractice,
               &Grebe::EquationFromGraphAnswers},
};

// ---- Worked example --------------------------------------------------------------

void Grebe::EquationFromGraphExample() {
    TopicScreen(area::text, 76);
    PenWidth(5);
    Put(40, 30, ink::emphasis, "図の直線は、1次関数 y=ax+b のグラフです。");
    Put(40, 80, ink::emphasis, "式を求めなさい。");
    const PlaneView plane =
        PlaneAt({.left = 722, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -3, .yTo = 7, .grid = true});
    plane.GraphOf({.a = 0.5f, .b = 3, .colour = ink::text});
    // Where the line meets the y axis, 2 right of it, and 1 up from there.
    const Point intercept = plane.At(0, 3);
    const Point right = plane.At(2, 3);
    const Point up = plane.At(2, 4);
    const auto legArrow = [this](Point from, Point to) {
        ArrowTo(from.x, from.y, to.x, to.y, ink::emphasis, 16, 2);
    };

    StepReveal();
    Put(38, 130, ink::text, "① bは切片だから、");
    Label(intercept.x - 135, intercept.y - 50, ink::emphasis, "(0,3)");
    StepReveal();
    Next(ink::emphasis, "b=3");
    StepReveal();
    Put(38, 200, ink::text, "② aは傾きで、");
    StepReveal();
    Put(76, 250, ink::text, "右へ2進むと、");
    legArrow(intercept, right);
    Label(intercept.x + 27, intercept.y, ink::emphasis, "2");
    StepReveal();
    Next(ink::text, "上へ1進むから、");
    legArrow(right, up);
    Label(right.x + 6, up.y, ink::emphasis, "1");
    StepReveal();
    Put(76, 320, ink::emphasis, "a=ﾀ1/2ﾀ");
    StepReveal();
    Next(ink::answer, "答 y=ﾀ1/2ﾀx+3", 80);
    StepReveal();
    Put(38, 400, ink::emphasis, "傾きと切片をよみとれば、a,bがわかる。");
    StepReveal();
    Put(40, 480, ink::text, "図のグラフを");
    Next(ink::answer, "直線 y=ﾀ1/2ﾀx+3", 20);
    Next(ink::text, "といい、", 20);
    StepReveal();
    Put(40, 550, ink::answer, "y=ﾀ1/2ﾀx+3");
    Next(ink::text, "をこの", 20);
    Next(ink::answer, "直線の式");
    Next(ink::text, "という。");
}

// ---- Practice ----------------------------------------------------------------------

Grebe::GraphLine Grebe::DrawIntegerGraphLine() {
    return Problem<GraphLine>([&] {
        GraphLine line;
        do {
            line.n = RandomWhole(3);
            RandomSign12(line.n);
            line.b = RandomWhole(3);
            RandomSign12(line.b);
        } while (RepeatsKept(line.b, lastExampleDraw));
        return line;
    });
}

Grebe::GraphLine Grebe::DrawFractionGraphLine() {
    return Problem<GraphLine>([&] {
        GraphLine line;
        do {
            line.n = RandomWhole(5);
            line.d = RandomWhole(3, 2);
            // Numerators sharing a factor with d move up to the next one prime to it.
            if (line.d == 3) {
                if (line.n == 3) line.n = 2;
            } else if (line.n == 2 || line.n == 4) {
                line.n += 1;
            }
            RandomSign12(line.n);
            line.b = RandomWhole(3);
            RandomSign12(line.b);
        } while (std::fabs(line.n + line.b) > 6);
        return line;
    });
}

void Grebe::IntegerGraphPractice() {
    RandomProblemScreen(area::text, 40, [this] { IntegerGraphExercise(DrawIntegerGraphLine()); });
}

void Grebe::FractionGraphPractice() {
    RandomProblemScreen(area::text, 40, [this] { FractionGraphExercise(DrawFractionGraphLine()); });
    StepReveal();
    NewRow(90, ink::text, "教科書P71 問1 をしなさい。");
}

void Grebe::IntegerGraphExercise(const GraphLine& line) {
    const std::string slope = NumberText(line.n);
    ReadGraphExercise(line, {"練習1 図の直線の式を求めなさい。", "傾きは、ﾀ" + slope + "/1ﾀ=" + slope,
                             CoefficientForm(line.n, slope), 250, 330});
}

void Grebe::FractionGraphExercise(const GraphLine& line) {
    const ReducedFraction slope = Reduced(line.n, line.d);
    ReadGraphExercise(line,
                      {"練習2 図の直線の式を求めなさい。", "傾きは、" + slope.working, slope.text, 270, 360});
}

// The intercept from the dot on the y axis, the slope from d steps right and
// n steps up or down.
void Grebe::ReadGraphExercise(const GraphLine& line, const GraphReading& reading) {
    const std::string intercept = NumberText(line.b);
    const std::string interceptPoint = "(0," + intercept + ")";
    const std::string rise = line.n > 0 ? "上へ" : "下へ";
    const std::string run = NumberText(line.d);

    RestartProblem(Wipe::FromOriginRow);
    Put(40, 30, ink::heading, reading.heading);
    const PlaneView plane =
        PlaneAt({.left = 722, .top = 50, .xFrom = -5, .xTo = 5, .yFrom = -7, .yTo = 7, .grid = true});
    plane.GraphOf({.a = line.n / line.d, .b = line.b, .colour = ink::text});

    StepReveal();
    Put(40, 100, ink::text, "点" + interceptPoint + "を通るから、");
    Next(ink::emphasis, "切片は" + intercept);
    const Point start = plane.PointAt(
        0, line.b, {.radius = 8, .colour = ink::answer, .label = interceptPoint, .labelDx = -162});

    StepReveal();
    Put(40, 180, ink::text, "右へ" + run + "進むと、" + rise + NumberText(std::fabs(line.n)) + "進むから ");
    Put(40, reading.slopeRow, ink::emphasis, reading.slope);
    const Point end = plane.PointAt(line.d, line.n + line.b, {.radius = 8, .colour = ink::answer});
    plane.SlopeTriangle({.from = start, .to = end});
    PenWidth(4);  // what follows draws in the triangle's pen

    StepReveal();
    Put(40, reading.answerRow, ink::answer,
        "答　y=" + reading.coefficient + "x" + LaterTermForm(line.b, intercept));
}

// ---- Textbook answers ---------------------------------------------------------------

void Grebe::EquationFromGraphAnswers() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "教科書P71 問1　解答");
    const PlaneView plane =
        PlaneAt({.left = 380, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -5, .yTo = 5, .grid = true});

    static constexpr ArrowedLine lines[] = {
        {1, -4, "(1)", -27, -44, 1, 1},
        {-2, 1, "(2)", -54, 0, 1, -2},
        // Right of its end, clear of the rise arrow that ends there and of the y axis's letter.
        {1.5f, 2, "(3)", 14, -44, 2, 3},
    };
    for (const ArrowedLine& line : lines) LineWithSlopeArrows(plane, line);

    static constexpr std::string_view answers[][2] = {
        {"(1)", "y=x-4"},
        {"(2)", "y=-2x+1"},
        {"(3)", "y=ﾀ3/2ﾀx+2"},
    };
    for (const auto& answer : answers) {
        NewRow(70, ink::text, answer[0]);
        Next(ink::answer, answer[1]);
    }
}

}  // namespace lesson
