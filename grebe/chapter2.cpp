// Chapter 2: the equation of a line from one point and its slope or its
// intercept: random worked examples, a summary, textbook answers.
#include <cmath>
#include <string>

#include "grebe/grebe_program.h"

namespace lesson {

const Chapter<Grebe> Grebe::kEquationFromPoint{
    .goal = {"傾きや切片がわかっているとき、1次関数の式を求めよう。"},
    .choices = "①傾きと1点　②切片と1点　③まとめ　④問2　⑤問3　⑥終了",
    .topics = {
        &Grebe::SlopeAndPointExample,
        &Grebe::InterceptAndPointExample,
        &Grebe::LineEquationSummary,
        &Grebe::SlopeAndPointAnswers,
        &Grebe::InterceptPointAnswer,
    },
};

// ---- Random examples --------------------------------------------------------------

Grebe::PointProblem Grebe::DrawPointProblem() {
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
}

void Grebe::SlopeAndPointExample() {
    ExampleLoop([this] { SlopeAndPointExercise(DrawPointProblem()); });
}

void Grebe::InterceptAndPointExample() {
    ExampleLoop([this] { InterceptAndPointExercise(DrawPointProblem()); });
}

// Steps 1 to 4 of both examples: the problem, the figure, the form of the
// equation and the point to substitute. A1$(2) and TITLE$(2) hold x1 and y1.
void Grebe::PointExampleOpening(std::string_view heading, std::string_view givenWhat,
                                const std::string& givenValue, Num pointColour, bool markIntercept,
                                const std::string& form) {
    const std::string point = "(" + A1_s(2) + "," + TITLE_s(2) + ")";
    RestartExampleScreen();
    Put(40, 30, 7, heading);
    Next(0, "yがxの1次関数で、そのグラフの" + std::string(givenWhat) + "が");
    Next(3, givenValue);
    Next(0, "で、");
    NewRow(50, 0, "点");
    Next(3, point);
    Next(0, "を通るとき、この1次関数の式を求めなさい。");

    StepReveal();
    PlaneAt(800, 200, -10, 10, -10, 10, 20, 0);
    GraphOf(3, T(1), F(1), 0, "");
    // The label stands on the side of the dot towards the y axis.
    A_s = point;
    MeasureMathText();
    PointAt(T(2), F(2), 8, pointColour, point, T(2) > 0 ? -BAI : 20);
    if (markIntercept) PointAt(0, F(1), 8, 5, TITLE_s(1), 26);

    StepReveal();
    NewRow(50, 3, "<解答>");
    NewRow(70, 0, std::string(givenWhat) + "が" + givenValue + "だから、求める一次関数の式を");
    NewRow(50, 3, form);
    Next(0, "とする。");

    StepReveal();
    NewRow(50, 0, "点" + point + "を通るから");
    NewRow(50, 3, "x=" + A1_s(2) + ",y=" + TITLE_s(2) + "を①に代入する");
    Next(0, "と");
}

void Grebe::SlopeAndPointExercise(const PointProblem& p) {
    T(1) = p.a;
    F(1) = p.b;
    T(2) = p.x1;
    F(2) = p.y1;
    T(3) = p.a * p.x1;
    T(4) = -T(3);
    NumbersToText();
    TITLE_s(11) = LaterTermForm(p.b, TITLE_s(1));
    A1_s(11) = CoefficientForm(p.a, A1_s(1));
    A1_s(22) = SubstitutedForm(p.x1, A1_s(2));
    A1_s(4) = LaterTermForm(T(4), A1_s(4));

    PointExampleOpening("例2-1　", "傾き", A1_s(1), 5, false, "y=" + A1_s(11) + "x+b …①　");
    StepReveal();
    NewRow(50, 0, TITLE_s(2) + "=" + A1_s(1) + "*" + A1_s(22) + "+b");
    StepReveal();
    NewRow(50, 0, TITLE_s(2) + "=" + A1_s(3) + "+b");
    StepReveal();
    NewRow(50, 0, "b=" + TITLE_s(2) + A1_s(4) + "=" + TITLE_s(1));
    NewRow(50, 0, "求める式は ");
    StepReveal();
    Next(5, "y=" + A1_s(11) + "x" + TITLE_s(11));
}

void Grebe::InterceptAndPointExercise(const PointProblem& p) {
    T(1) = p.a;
    F(1) = p.b;
    T(2) = p.x1;
    F(2) = p.y1;
    T(3) = -p.b;
    T(4) = p.y1 + T(3);
    NumbersToText();
    TITLE_s(11) = LaterTermForm(p.b, TITLE_s(1));
    A1_s(11) = CoefficientForm(p.a, A1_s(1));
    A1_s(3) = LaterTermForm(T(3), A1_s(3));
    X = T(4);
    R1B = T(2);
    FormatFraction();
    SAIGO_s(2) = U_s;

    PointExampleOpening("例2-2　", "切片", TITLE_s(1), 3, true, "y=ax" + TITLE_s(11) + " …①　");
    StepReveal();
    NewRow(50, 0, TITLE_s(2) + "=" + A1_s(2) + "a" + TITLE_s(11));
    StepReveal();
    // With y1 = 0 the 0 and the term -b are left out.
    NewRow(50, 0, A1_s(2) + "a=" + (p.y1 != 0 ? TITLE_s(2) + A1_s(3) + "=" : "") + A1_s(4));
    StepReveal();
    NewRow(70, 3, "a=" + SAIGO_s(2));
    NewRow(60, 0, "求める式は ");
    StepReveal();
    Next(5, "y=" + A1_s(11) + "x" + TITLE_s(11));
}

// ---- Summary -----------------------------------------------------------------------

void Grebe::LineEquationSummary() {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 3, "1次関数の式を求める");
    Next(0, " ⇒ ");
    Next(3, "y=ax+b の ");
    Next(5, "a,b");
    Next(0, "を求める");

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
        NewRow(75, 3, rule.number);
        Next(5, rule.given);
        Next(0, "　→　");
        Next(5, rule.leadsTo);
        if (!rule.tail.empty()) Next(0, rule.tail);
        if (!rule.note.empty()) NewRow(50, 3, rule.note, 54);
    }
    StepReveal();
    NewRow(90, 0, "教科書P72 問2,問3 をしなさい。");
}

// ---- Textbook answers ---------------------------------------------------------------

void Grebe::SlopeAndPointAnswers() {
    TopicScreen(1320, 1300, 114);
    Put(114, 30, 0, "問2　解答");
    NewRow(50, 3, "(1)", -76);
    Next(3, "求める式をy=-3x+b");
    Next(0, "とする。");
    StepReveal();
    NewRow(50, 0, "点(1,2)を通るから、");
    NewRow(50, 0, "x=1,y=2を代入して");
    StepReveal();
    NewRow(50, 0, "2=-3*1+b=-3+b");
    StepReveal();
    NewRow(50, 0, "b=2+3=5");
    NewRow(50, 5, "答 y=-3x+5");
    StepReveal();
    NewRow(70, 3, "(2)", -76);
    Next(3, "求める式をy=3x+b");
    Next(0, "とする。");
    StepReveal();
    NewRow(50, 0, "x=1,y=4を代入して");
    StepReveal();
    NewRow(50, 0, "4=3*1+b=3+b");
    StepReveal();
    NewRow(50, 0, "b=4-3=1");
    NewRow(50, 5, "答 y=3x+1");

    B1 = 760;
    B2_row = 30;
    NewRow(50, 3, "(3)", -76);
    Next(3, "求める式をy=-x+b");
    Next(0, "とする。");
    StepReveal();
    NewRow(50, 0, "x=-2,y=-3を代入して");
    StepReveal();
    NewRow(50, 0, "-3=-1*(-2)+b=2+b");
    StepReveal();
    NewRow(50, 0, "b=-3-2=-5");
    NewRow(50, 5, "答 y=-x-5");
    StepReveal();
    NewRow(50, 3, "(4)", -76);
    Next(3, "求める式をy=2x+b");
    Next(0, "とする。");
    NewRow(50, 0, "点(2,0)を通るから、");
    NewRow(50, 0, "x=2,y=0を代入して");
    StepReveal();
    NewRow(50, 0, "0=2*2+b=4+b");
    StepReveal();
    NewRow(50, 0, "b=-4");
    NewRow(50, 5, "答 y=2x-4");
}

void Grebe::InterceptPointAnswer() {
    TopicScreen(1320, 1300, 114);
    Put(114, 30, 0, "問3　解答");
    StepReveal();
    NewRow(50, 3, "求める式をy=ax+5");
    Next(0, "とする。");
    StepReveal();
    NewRow(50, 0, "点(2,1)を通るから、");
    NewRow(50, 0, "x=2,y=1を代入して");
    StepReveal();
    NewRow(50, 0, "1=2a+5");
    StepReveal();
    NewRow(50, 0, "2a=1-5=-4");
    StepReveal();
    NewRow(50, 0, "a=-2");
    NewRow(50, 5, "答 y=-2x+5");
}

}  // namespace lesson
