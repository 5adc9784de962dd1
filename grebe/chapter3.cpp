// Chapter 3: the equation of a line from two of its points, by its slope
// first (examples 3-1 and 3-2).
#include <string>
#include <string_view>

#include "grebe/grebe_program.h"

namespace lesson {

void Grebe::EquationFromTwoPointsChapter() {
    GrebeChapter3GoalScreen();
    static const std::array<void (Grebe::*)(), 2> topics{
        &Grebe::RandomTwoPointSlopeExample,
        &Grebe::RandomTwoPointEquationExample,
    };
    // Items 3 to 5 lead nowhere yet: the choice line comes back.
    for (;;) {
        const int item = ChapterSubMenu("①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了", 6);
        if (item == 6) return;
        if (item <= 2) (this->*topics[item - 1])();
    }
}

void Grebe::GrebeChapter3GoalScreen() { ChapterGoalScreen(false, {"2点を通る直線の式を求めよう。"}); }

// ---- Examples 3-1 and 3-2: a line through two lattice points ------------------------

void Grebe::PickTwoPointProblem() {
    for (;;) {
        T(1) = RandomWhole(5);
        RandomSign12(T(1));
        // The kept slope changes before the bounds are tested, so a rejected
        // slope is the one the next attempt must avoid.
        if (RepeatsKept(T(1), ZENKAI)) continue;
        F(1) = RandomWhole(3);
        RandomSign12(F(1));
        T(2) = -RandomWhole(3, 2);
        T(3) = RandomWhole(5, 2);
        F(2) = T(1) * T(2) + F(1);
        if (F(2) > 10 || F(2) < -10) continue;
        F(3) = T(1) * T(3) + F(1);
        if (F(3) > 10 || F(3) < -10) continue;
        break;
    }
    T(4) = T(3) - T(2);
    F(4) = F(3) - F(2);
}

void Grebe::TwoPointExampleFrame(void (Grebe::*texts)(), void (Grebe::*screen)()) {
    ClearBox(1320, 1300);
    B1 = 40;
    B2_row = 30;
    PenWidth(5);
    LT2(1) = B1;
    B2(1) = B2_row;
    RandomExerciseLoop([&] {
        PickTwoPointProblem();
        (this->*texts)();
        EraseBox(0, B2(1), 1600, B2(1) + 1800);
        B1 = LT2(1);
        B2_row = B2(1);
        (this->*screen)();
    });
}

void Grebe::RandomTwoPointSlopeExample() {
    TwoPointExampleFrame(&Grebe::TwoPointSlopeTexts, &Grebe::TwoPointSlopeScreen);
}

void Grebe::RandomTwoPointEquationExample() {
    TwoPointExampleFrame(&Grebe::TwoPointEquationTexts, &Grebe::TwoPointEquationScreen);
}

// -y1 added to y2: a zero term keeps its "+", or y2 and "0" would read as one
// number ("50" for 5 + 0).
static std::string AddedTerm(Num value, const std::string& text) {
    return value == 0 ? "+" + text : Lesson::LaterTermForm(value, text);
}

void Grebe::TwoPointProblemFigure(std::string_view heading, std::string_view question) {
    const std::string point1 = "(" + A1_s(2) + "," + TITLE_s(2) + ")";
    const std::string point2 = "(" + A1_s(3) + "," + TITLE_s(3) + ")";
    Put(40, 30, 7, heading);
    Next(0, "yがxの1次関数で、そのグラフが2点");
    Next(3, point1);
    Next(0, ",");
    Next(5, point2);
    NewRow(50, 0, question);

    PlaneAt(800, 200, -10, 10, -10, 10, 20, 0);
    GraphOf(3, T(1), F(1), 0, "");
    auto plot = [this](Num x, Num y, Num colour, const std::string& label, Num dx, Num dy) {
        KAKUDAI = x;
        SENTAKU = y;
        GY0 = 8;
        TKAI2 = colour;
        IB8_s = ScreenText(label);
        JYOU = dx;
        AINP_labelDy = dy;
        PlotPoint();
    };
    // Point 1's label starts at the point, on the side away from the line.
    plot(T(2), F(2), 3, point1, 20, T(1) < 0 ? -20 : 50);
    ZY = HOUKOU;
    AA1 = N2;
    // Point 2's label ends 20 left of the point, above it.
    A_s = point2;
    MeasureMathText();
    plot(T(3), F(3), 5, point2, -BAI, -10);
    GY3 = HOUKOU;
    HIDARI = N2;

    NewRow(50, 3, "<解答>");
}

void Grebe::SlopeTriangle(std::string_view flags) {
    HENK3_s = flags;
    DrawIncreaseArrows();
}

// ---- Example 3-1: the slope ------------------------------------------------------------

void Grebe::TwoPointSlopeTexts() {
    F(22) = -F(2);
    T(22) = -T(2);
    NumbersToText();
    TITLE_s(12) = SubstitutedForm(F(2), TITLE_s(2));
    A1_s(12) = SubstitutedForm(T(2), A1_s(2));
    TITLE_s(22) = AddedTerm(F(22), TITLE_s(22));
    A1_s(22) = LaterTermForm(T(22), A1_s(22));
}

void Grebe::TwoPointSlopeScreen() {
    TwoPointProblemFigure("例3-1　", "を通るとき、この1次関数の傾きを求めなさい。");
    StepReveal();
    SlopeTriangle("nn");
    StepReveal();
    NewRow(60, 0,
           "(" + A1_s(2) + "," + TITLE_s(2) + ")と(" + A1_s(3) + "," + TITLE_s(3) + ")を通るから、傾きは");
    NewRow(70, 3, "a=ﾀ" + TITLE_s(3) + "-" + TITLE_s(12) + "/" + A1_s(3) + "-" + A1_s(12) + "ﾀ");
    StepReveal();
    Next(0, "=ﾀ" + TITLE_s(3) + TITLE_s(22) + "/" + A1_s(3) + A1_s(22) + "ﾀ");
    StepReveal();
    SlopeTriangle("yy");
    Next(0, "=ﾀ" + TITLE_s(4) + "/" + A1_s(4) + "ﾀ");
    Next(5, "=" + A1_s(1));
}

// ---- Example 3-2: the equation -----------------------------------------------------------

void Grebe::TwoPointEquationTexts() {
    F(32) = -F(2);
    T(32) = -T(2);
    T(6) = T(1) * T(3);
    T(7) = -T(6);
    NumbersToText();
    A1_s(7) = LaterTermForm(T(7), A1_s(7));
    TITLE_s(11) = LaterTermForm(F(1), TITLE_s(1));
    A1_s(11) = CoefficientForm(T(1), A1_s(1));
    TITLE_s(12) = SubstitutedForm(F(2), TITLE_s(2));
    A1_s(12) = SubstitutedForm(T(2), A1_s(2));
    TITLE_s(32) = AddedTerm(F(32), TITLE_s(32));
    A1_s(32) = LaterTermForm(T(32), A1_s(32));
}

void Grebe::TwoPointEquationScreen() {
    TwoPointProblemFigure("例3-2　", "を通るとき、この1次関数を求めなさい。");
    StepReveal();
    SlopeTriangle("nn");
    NewRow(60, 0,
           "(" + A1_s(2) + "," + TITLE_s(2) + ")と(" + A1_s(3) + "," + TITLE_s(3) + ")を通るから、傾きは");
    NewRow(70, 3, "a=ﾀ" + TITLE_s(3) + "-" + TITLE_s(12) + "/" + A1_s(3) + "-" + A1_s(12) + "ﾀ");
    StepReveal();
    Next(0, "=ﾀ" + TITLE_s(3) + TITLE_s(32) + "/" + A1_s(3) + A1_s(32) + "ﾀ");
    SlopeTriangle("yy");
    Next(0, "=ﾀ" + TITLE_s(4) + "/" + A1_s(4) + "ﾀ");
    Next(5, "=" + A1_s(1));
    StepReveal();
    NewRow(70, 0, "求める1次関数の式を");
    Next(3, "y=" + A1_s(11) + "x+b ");
    Next(0, "とし、");
    StepReveal();
    NewRow(50, 3, "x=" + A1_s(3) + ",y=" + TITLE_s(3) + "を代入する");
    Next(0, "と");
    StepReveal();
    NewRow(50, 0, TITLE_s(3) + "=" + A1_s(1) + "*" + A1_s(3) + "+b");
    StepReveal();
    Next(0, "=" + A1_s(6) + "+b");
    StepReveal();
    NewRow(50, 0, "b=" + TITLE_s(3) + A1_s(7) + "=" + TITLE_s(1));
    NewRow(50, 0, "求める式は ");
    StepReveal();
    Next(5, "y=" + A1_s(11) + "x" + TITLE_s(11));
}

}  // namespace lesson
