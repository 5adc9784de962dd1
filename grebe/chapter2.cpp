// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 2: the equation of a line from one point and its slope or its
// intercept: random worked examples, a summary, textbook answers.
#include <cmath>
#include <string>

#include "grebe/grebe_program.h"

namespace lesson {

const Chapter<Grebe> Grebe::kEquationFromPoint{
    .goal = {"傾きや切片がわかっているとき、1次関数の式を求めよう。"},
    .choices = "①傾きと1点　②切片と1点　③まとめ　④問2　⑤問3　⑥終了",
    .topics = {&Grebe::SlopeAndPointExample, &Grebe::InterceptAndPointExample, &Grebe::LineEquationSummary,
               &Grebe::SlopeAndPointAnswers, &Grebe::InterceptPointAnswer},
};

// ---- Random examples --------------------------------------------------------------

Grebe::PointProblem Grebe::DrawPointProblem() {
    return Problem<PointProblem>([&] {
        PointProblem p;
        do {
            p.a = RandomWhole(5);
            RandomSign12(p.a);
            p.b = RandomWhole(3);
            RandomSign12(p.b);
            p.x1 = RandomWhole(5, 2);
            RandomSign12(p.x1);
            p.y1 = p.a * p.x1 + p.b;
        } while (std::fabs(p.y1) > 10);
        return p;
    });
}

void Grebe::SlopeAndPointExample() {
    RandomProblemScreen(area::text, 40, [this] { SlopeAndPointExercise(DrawPointProblem()); });
}

void Grebe::InterceptAndPointExample() {
    RandomProblemScreen(area::text, 40, [this] { InterceptAndPointExercise(DrawPointProblem()); });
}

// Steps 1 to 4 of both examples: the problem, the figure, the form of the
// equation and the point to substitute.
void Grebe::PointExampleOpening(const PointProblem& p, std::string_view heading, std::string_view givenWhat,
                                const std::string& givenValue, Colour pointColour, bool markIntercept,
                                const std::string& form) {
    const std::string x1 = NumberText(p.x1);
    const std::string y1 = NumberText(p.y1);
    const std::string point = "(" + x1 + "," + y1 + ")";
    RestartProblem(Wipe::FromOriginRow);
    Put(40, 30, ink::heading, heading);
    Next(ink::text, "yがxの1次関数で、そのグラフの" + std::string(givenWhat) + "が");
    Next(ink::emphasis, givenValue);
    Next(ink::text, "で、");
    NewRow(50, ink::text, "点");
    Next(ink::emphasis, point);
    Next(ink::text, "を通るとき、この1次関数の式を求めなさい。");

    StepReveal();
    const PlaneView plane =
        PlaneAt({.left = 800, .top = 200, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 20});
    plane.GraphOf({.a = p.a, .b = p.b, .colour = ink::text});
    const LabelShift shift = AwayFromYAxis(p.x1, p.a, point);
    if (markIntercept) KeepClear(plane.At(0, p.b), 8 + 3);
    plane.PointAt(
        p.x1, p.y1,
        {.radius = 8, .colour = pointColour, .label = point, .labelDx = shift.dx, .labelDy = shift.dy});
    if (markIntercept) {
        const std::string intercept = NumberText(p.b);
        // One step below the x axis the label's minus would lie on the axis: it
        // stands level with its dot instead.
        const Num labelDy = p.b == -1 ? 20 : 0;
        plane.PointAt(
            0, p.b,
            {.radius = 8, .colour = ink::answer, .label = intercept, .labelDx = 36, .labelDy = labelDy});
    }

    StepReveal();
    NewRow(50, ink::emphasis, "<解答>");
    NewRow(70, ink::text, std::string(givenWhat) + "が" + givenValue + "だから、求める一次関数の式を");
    NewRow(50, ink::emphasis, form);
    Next(ink::text, "とする。");

    StepReveal();
    NewRow(50, ink::text, "点" + point + "を通るから");
    NewRow(50, ink::emphasis, "x=" + x1 + ",y=" + y1 + "を①に代入する");
    Next(ink::text, "と");
}

void Grebe::SlopeAndPointExercise(const PointProblem& p) {
    const std::string slope = NumberText(p.a);
    const std::string intercept = NumberText(p.b);
    const std::string y1 = NumberText(p.y1);
    const Num product = p.a * p.x1;
    const Num minusProduct = -product;
    const std::string coefficient = CoefficientForm(p.a, slope);
    const std::string interceptTerm = LaterTermForm(p.b, intercept);

    PointExampleOpening(p, "例2-1　", "傾き", slope, ink::answer, false, "y=" + coefficient + "x+b …①　");
    StepReveal();
    NewRow(50, ink::text, y1 + "=" + slope + "*" + SubstitutedForm(p.x1, NumberText(p.x1)) + "+b");
    StepReveal();
    NewRow(50, ink::text, y1 + "=" + NumberText(product) + "+b");
    StepReveal();
    NewRow(50, ink::text,
           "b=" + y1 + LaterTermForm(minusProduct, NumberText(minusProduct)) + "=" + intercept);
    NewRow(50, ink::text, "求める式は ");
    StepReveal();
    Next(ink::answer, "y=" + coefficient + "x" + interceptTerm);
}

void Grebe::InterceptAndPointExercise(const PointProblem& p) {
    const std::string slope = NumberText(p.a);
    const std::string intercept = NumberText(p.b);
    const std::string x1 = NumberText(p.x1);
    const std::string y1 = NumberText(p.y1);
    const Num minusB = -p.b;
    const Num ax1 = p.y1 + minusB;
    const std::string coefficient = CoefficientForm(p.a, slope);
    const std::string interceptTerm = LaterTermForm(p.b, intercept);
    const std::string slopeWorking = Reduced(ax1, p.x1).working;

    PointExampleOpening(p, "例2-2　", "切片", intercept, ink::emphasis, true,
                        "y=ax" + interceptTerm + " …①　");
    StepReveal();
    NewRow(50, ink::text, y1 + "=" + x1 + "a" + interceptTerm);
    StepReveal();
    // With y1 = 0 the 0 and the term -b are left out.
    const std::string moved = p.y1 != 0 ? y1 + LaterTermForm(minusB, NumberText(minusB)) + "=" : "";
    NewRow(50, ink::text, x1 + "a=" + moved + NumberText(ax1));
    StepReveal();
    NewRow(70, ink::emphasis, "a=" + slopeWorking);
    NewRow(60, ink::text, "求める式は ");
    StepReveal();
    Next(ink::answer, "y=" + coefficient + "x" + interceptTerm);
}

// ---- Summary -----------------------------------------------------------------------

void Grebe::LineEquationSummary() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "1次関数の式を求める");
    Next(ink::text, " ⇒ ");
    Next(ink::emphasis, "y=ax+b の ");
    Next(ink::answer, "a,b");
    Next(ink::text, "を求める");

    // What a problem gives, what it leads to, and the note under the rule.
    struct Rule {
        std::string_view number, given, leadsTo, tail, note;
    };
    static constexpr Rule rules[] = {
        {"① ", "傾き,変化の割合,平行", "y=△x+b", "　とする", "平行のときは、△=平行な直線の傾き"},
        {"② ", "切片,y軸との交点の座標", "y=ax+△", "　とする", "座標のときは、△=交点のy座標"},
        {"③ ", "点(2,3)を通る,x=2のときy=3", "x=2,y=3を代入", "", ""},
    };
    for (const Rule& rule : rules) {
        StepReveal();
        NewRow(75, ink::emphasis, rule.number);
        Next(ink::answer, rule.given);
        Next(ink::text, "　→　");
        Next(ink::answer, rule.leadsTo);
        if (!rule.tail.empty()) Next(ink::text, rule.tail);
        if (!rule.note.empty()) NewRow(50, ink::emphasis, rule.note, 54);
    }
    StepReveal();
    NewRow(90, ink::text, "教科書P72 問2,問3 をしなさい。");
}

// ---- Textbook answers ---------------------------------------------------------------

void Grebe::SlopeAndPointAnswers() {
    TopicScreen(area::text, 114);
    Put(114, 30, ink::text, "問2　解答");
    NewRow(50, ink::emphasis, "(1)", -76);
    Next(ink::emphasis, "求める式をy=-3x+b");
    Next(ink::text, "とする。");
    StepReveal();
    NewRow(50, ink::text, "点(1,2)を通るから、");
    NewRow(50, ink::text, "x=1,y=2を代入して");
    StepReveal();
    NewRow(50, ink::text, "2=-3*1+b=-3+b");
    StepReveal();
    NewRow(50, ink::text, "b=2+3=5");
    NewRow(50, ink::answer, "答 y=-3x+5");
    StepReveal();
    // 60, not 70: the last row then ends above the status band.
    NewRow(60, ink::emphasis, "(2)", -76);
    Next(ink::emphasis, "求める式をy=3x+b");
    Next(ink::text, "とする。");
    StepReveal();
    NewRow(50, ink::text, "x=1,y=4を代入して");
    StepReveal();
    NewRow(50, ink::text, "4=3*1+b=3+b");
    StepReveal();
    NewRow(50, ink::text, "b=4-3=1");
    NewRow(50, ink::answer, "答 y=3x+1");

    cursor.margin = 760;
    cursor.row = 30;
    NewRow(50, ink::emphasis, "(3)", -76);
    Next(ink::emphasis, "求める式をy=-x+b");
    Next(ink::text, "とする。");
    StepReveal();
    NewRow(50, ink::text, "x=-2,y=-3を代入して");
    StepReveal();
    NewRow(50, ink::text, "-3=-1*(-2)+b=2+b");
    StepReveal();
    NewRow(50, ink::text, "b=-3-2=-5");
    NewRow(50, ink::answer, "答 y=-x-5");
    StepReveal();
    NewRow(50, ink::emphasis, "(4)", -76);
    Next(ink::emphasis, "求める式をy=2x+b");
    Next(ink::text, "とする。");
    NewRow(50, ink::text, "点(2,0)を通るから、");
    NewRow(50, ink::text, "x=2,y=0を代入して");
    StepReveal();
    NewRow(50, ink::text, "0=2*2+b=4+b");
    StepReveal();
    NewRow(50, ink::text, "b=-4");
    NewRow(50, ink::answer, "答 y=2x-4");
}

void Grebe::InterceptPointAnswer() {
    TopicScreen(area::text, 114);
    Put(114, 30, ink::text, "問3　解答");
    StepReveal();
    NewRow(50, ink::emphasis, "求める式をy=ax+5");
    Next(ink::text, "とする。");
    StepReveal();
    NewRow(50, ink::text, "点(2,1)を通るから、");
    NewRow(50, ink::text, "x=2,y=1を代入して");
    StepReveal();
    NewRow(50, ink::text, "1=2a+5");
    StepReveal();
    NewRow(50, ink::text, "2a=1-5=-4");
    StepReveal();
    NewRow(50, ink::text, "a=-2");
    NewRow(50, ink::answer, "答 y=-2x+5");
}

}  // namespace lesson
