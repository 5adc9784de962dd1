// Chapter 7: the range of y from a domain of x, worked on y=5x+20 and then as
// random practice solved on the graph.
#include <string>

#include "kestrel/kestrel_program.h"
#include "runtime/text.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kDomainRange{
    .goal = {"xの変域からyの変域を求めよう。"},
    .choices = "①例　②練習　③終了",
    .topics = {
        &Kestrel::DomainRangeExample,
        &Kestrel::DomainRangePractice,
    },
};

// ---- Worked example ------------------------------------------------------------------

void Kestrel::DomainRangeExample() {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(B1, B2_row, 0, "問　1次関数 y=5x+20 について、");
    NewRow(50, 0, "xの変域が 5≦x≦10 のとき、");
    NewRow(50, 0, "yの変域を求めなさい。");

    // One grid step is 1 across and 5 up.
    PlaneAt(722, 30, -2, 13, -2, 20, 28, 14, -1);
    t0000 = 1;
    GGX = 5;
    LabelAxisScales();
    GraphOf(3, 5, 20, 0, "y=5x+20", -108, -70);

    // Points 1 to 6: the domain's ends on the x axis, the graph above them,
    // and their heights on the y axis.
    auto line = [&](int from, int to, Num colour) { Rt().line(GY5(from), t0014(from), GY5(to), t0014(to), static_cast<int>(colour)); };
    auto arrow = [&](int from, int to) { ArrowTo(GY5(from), t0014(from), GY5(to), t0014(to), 5, 16, 2); };
    StepReveal();
    PointAt(5, 0, 8, 5);
    GY5(1) = HOUKOU;
    t0014(1) = N2;
    PointAt(10, 0, 8, 5);
    GY5(2) = HOUKOU;
    t0014(2) = N2;
    GY5(3) = GY5(1);
    t0014(3) = t0001 - 9 * NAKA;
    GY5(4) = GY5(2);
    t0014(4) = t0001 - 14 * NAKA;
    GY5(5) = TATE;
    t0014(5) = t0014(3);
    GY5(6) = TATE;
    t0014(6) = t0014(4);
    line(1, 2, 5);
    StepReveal();
    arrow(1, 3);
    StepReveal();
    arrow(2, 4);
    StepReveal();
    PenWidth(9);
    line(3, 4, 3);
    PenWidth(5);
    StepReveal();
    arrow(3, 5);
    PointAt(0, 9, 8, 5);
    StepReveal();
    arrow(4, 6);
    PointAt(0, 14, 8, 5);
    StepReveal();
    line(5, 6, 5);

    StepReveal();
    NewRow(80, 3, "グラフから");
    StepReveal();
    NewRow(50, 0, "x=5 のとき　");
    StepReveal();
    Next(3, "最小値 y=45");
    StepReveal();
    NewRow(50, 0, "x=10 のとき　");
    StepReveal();
    Next(3, "最大値 y=70");
    StepReveal();
    NewRow(50, 0, "したがって、yの変域は　");
    StepReveal();
    Next(5, "45≦y≦70");
}

// ---- Random practice ---------------------------------------------------------------------

void Kestrel::DomainRangePractice() {
    TopicScreen(1320, 1300, 40);
    PenWidth(5);
    LT2(1) = B1;
    B2(1) = B2_row;
    RandomExerciseLoop([this] {
        DrawDomainRangeProblem();
        DomainRangeProblemScreen();
        DomainRangeSolution();
    });
}

// y = ax + b on p ≦ x ≦ q with both ends of the range within -10..10. Any
// failed test draws the whole problem again, slope first; the slope differs
// from the one last drawn (ZY1).
void Kestrel::DrawDomainRangeProblem() {
    for (;;) {
        T(1) = RandomWhole(2);
        RandomSign12(T(1));
        if (RepeatsKept(T(1), ZY1)) continue;
        F(1) = RandomWhole(3);
        RandomSign12(F(1));
        T(2) = RandomWhole(8);
        RandomSign12(T(2));
        T(3) = T(2) + RandomWhole(6, 3);
        if (T(3) > 9) continue;
        F(2) = T(1) * T(2) + F(1);
        if (F(2) > 10 || F(2) < -10) continue;
        F(3) = T(1) * T(3) + F(1);
        if (F(3) > 10 || F(3) < -10) continue;
        return;
    }
}

void Kestrel::DomainRangeProblemScreen() {
    T(4) = T(1) * T(2);
    T(5) = T(1) * T(3);
    NumbersToText();
    A1_s(11) = CoefficientForm(T(1), A1_s(1));
    TITLE_s(11) = LaterTermForm(F(1), TITLE_s(1));
    A1_s(12) = SubstitutedForm(T(2), A1_s(2));
    A1_s(13) = SubstitutedForm(T(3), A1_s(3));

    ClearBox(1600, 1800);
    B1 = LT2(1);
    B2_row = B2(1);
    Put(B1, B2_row, 7, "練習　");
    Next(0, "1次関数 ");
    Next(3, "y=" + A1_s(11) + "x" + TITLE_s(11));
    Next(0, "について、");
    NewRow(50, 0, "xの変域が ");
    Next(3, A1_s(2) + "≦x≦" + A1_s(3));
    Next(0, " のとき、");
    NewRow(50, 0, "yの変域を求めなさい。");
}

void Kestrel::DomainRangeSolution() {
    PlaneAt(640, 50, -10, 10, -10, 10, 30, 0);
    GraphOf(3, T(1), F(1), 0, "");
    NewRow(50, 3, "<解答>");

    // A value's text stands left of its point, 30 a character.
    auto leftOf = [](Num x, const std::string& text) { return x - 30 * static_cast<Num>(rt::klen(text)); };

    StepReveal();
    PointAt(T(2), 0, 1, 5);
    const Num markP = HOUKOU, axisY = N2;
    PointAt(T(3), 0, 1, 5);
    const Num markQ = HOUKOU;
    PenWidth(8);
    Rt().line(markP, axisY, markQ, axisY, 5);
    PenWidth(5);
    Label(leftOf(markP, A1_s(2)), axisY, 3, A1_s(2));
    Label(markQ, axisY, 3, A1_s(3));

    // Substitutes bound k (2: p, 3: q) into the equation and marks its point
    // with guide lines to both axes; the point is kept in LT2(k+3), B2(k+3).
    auto substitute = [&](int k, Num mark) {
        StepReveal();
        NewRow(50, 0, "x=" + A1_s(k) + " のとき　");
        StepReveal();
        NewRow(50, 3, "y=");
        Next(0, A1_s(1) + "*" + A1_s(10 + k) + TITLE_s(11) + "=");
        Next(0, A1_s(k + 2) + TITLE_s(11));
        Next(3, "=" + TITLE_s(k));
        PointAt(T(k), F(k), 8, 3);
        LT2(k + 3) = HOUKOU;
        B2(k + 3) = N2;
        Rt().line(mark, axisY, LT2(k + 3), B2(k + 3), 7);
        Rt().line(LT2(k + 3), B2(k + 3), TATE, B2(k + 3), 7);
        Label(leftOf(TATE, TITLE_s(k)), B2(k + 3) - 50, 3, TITLE_s(k));
    };
    substitute(2, markP);
    substitute(3, markQ);

    StepReveal();
    XJ1 = T(2);
    YJ1 = T(3);
    GraphOf(3, T(1), F(1), 3, "");
    StepReveal();
    PenWidth(8);
    Rt().line(TATE, B2(6), TATE, B2(5), 5);
    PenWidth(5);
    StepReveal();
    NewRow(50, 0, "グラフから、yの変域は　");
    StepReveal();
    // The range follows the sign of a: a rising line is lowest at p.
    const std::string& low = T(1) > 0 ? TITLE_s(2) : TITLE_s(3);
    const std::string& high = T(1) > 0 ? TITLE_s(3) : TITLE_s(2);
    NewRow(50, 5, low + "≦y≦" + high);
}

}  // namespace lesson
