// Chapter 1: the graph of ax+by=c. The solutions of x-2y=4 fill a line;
// equations rewritten to y=mx+n and graphed from the intercept and slope or
// from the two axis intercepts, with random examples and textbook answers.
#include <string>
#include <string_view>

#include "tern/tern_program.h"

namespace lesson {

const Chapter<Tern> Tern::kLinearEquationGraph{
    .goal = {"2元1次方程式のグラフをかこう。"},
    .goalClears = true,
    .choices = "①導入Q　②問１　③例1変形　④グラフ　⑤問２　⑥例2　⑦問3　⑧終了",
    .topics = {
        &Tern::EquationGraphIntro,
        &Tern::PointOnGraphCheck,
        &Tern::RandomSlopeInterceptExample,
        &Tern::RandomEquationGraphExample,
        &Tern::RewriteAndGraphAnswers,
        &Tern::RandomInterceptsGraphExample,
        &Tern::InterceptsGraphAnswers,
    },
};

// ---- Shared figures and texts ---------------------------------------------------------

std::string Tern::EquationText(std::string_view xCoefficient, std::string_view yTerm,
                               std::string_view rightSide) {
    return std::string(xCoefficient) + "x" + std::string(yTerm) + "y=" + std::string(rightSide);
}

void Tern::SlopeTriangle(Num x, Num y, Num run, Num rise) {
    const Num left = TATE + NAKA * x, foot = t0001 - NAKA * y;
    const Num corner = left + NAKA * run, top = foot - NAKA * rise;
    const Num legs[2][4] = {{left, foot, corner, foot}, {corner, foot, corner, top}};
    for (const auto& leg : legs) ArrowTo(leg[0], leg[1], leg[2], leg[3], 5, 16, 2);
}

void Tern::SubstitutionSteps(std::string_view substitute, std::string_view equation, std::string_view solved,
                             std::string_view point) {
    StepReveal();
    NewRow(50, 0, substitute);
    StepReveal();
    NewRow(50, 0, equation);
    StepReveal();
    Next(0, solved, 50);
    StepReveal();
    NewRow(50, 3, point);
}

// ---- Topic 1: the solutions of x-2y=4 fill a line ----------------------------------------

void Tern::EquationGraphIntro() {
    const Num outer = 40;  // the headline's and the lines ① and ②'s margin
    TopicScreen(1600, 1800, 76);
    PenWidth(5);
    Put(outer, 30, 7, "2元1次方程式");
    Next(3, "x-2y=4", 20);
    Next(7, "の解を求め、解を座標とする点をとろう。", 20);
    PlaneAt(760, 100, -5, 5, -5, 5, 40, 14);

    const CellStyle xCell{68, 50, 0, 15, 0}, yCell{68, 80, 0, 15, 0}, valueCell{68, 80, 0, 15, 3};
    for (int k = 0; k <= 9; ++k) {
        const Num left = 40 + 68 * static_cast<Num>(k);
        Cell(left, 100, xCell, k == 0 ? "x" : NumberText(static_cast<Num>(k - 5)));
    }
    for (int k = 0; k <= 9; ++k) Cell(40 + 68 * static_cast<Num>(k), 150, yCell, k == 0 ? "y" : "");
    StepReveal();
    StepReveal();

    // y = x/2 - 2 under x = -4 .. 4
    static constexpr std::string_view yValues[9] = {"-4",     "-ﾀ7/2ﾀ", "-3", "-ﾀ5/2ﾀ", "-2",
                                                    "-ﾀ3/2ﾀ", "-1",     "-ﾀ1/2ﾀ", "0"};
    for (int i = 1; i <= 9; ++i) {
        Cell(108 + 68 * static_cast<Num>(i - 1), 150, valueCell, yValues[i - 1]);
        StepReveal();
    }
    for (int x = -4; x <= 4; ++x) {
        PointAt(static_cast<Num>(x), static_cast<Num>(x) / 2 - 2, 6, 3);
        StepReveal();
    }
    StepReveal();
    Put(outer, B2_row + 100, 0, "①点をさらに多くとると、");
    StepReveal();
    // Every half unit, then every fifth of a unit, counted so both ends are reached.
    for (int k = 0; k <= 20; ++k) {
        const Num x = -5 + 0.5f * static_cast<Num>(k);
        PointAt(x, x / 2 - 2, 2, 3);
    }
    StepReveal();
    for (int k = 0; k <= 50; ++k) {
        const Num x = -5 + 0.2f * static_cast<Num>(k);
        PointAt(x, x / 2 - 2, 2, 3);
    }
    StepReveal();
    GraphOf(3, 0.5f, -2, 3, "");
    Next(3, "直線になる。", 20);
    StepReveal();
    Put(outer, B2_row + 70, 0, "②この直線の切片と傾きを求めよう。");
    StepReveal();
    NewRow(50, 0, "切片は ");
    StepReveal();
    Next(3, "-2 ");
    PointAt(0, -2, 8, 5);
    Label(TATE - 162, N2 - 40, 5, "(0,-2)");
    StepReveal();
    Next(0, "傾きは ");
    StepReveal();
    Next(3, "ﾀ1/2ﾀ");
    SlopeTriangle(0, -2, 2, 1);
    StepReveal();
    Put(B1 - 38, B2_row + 70, 0, "③x-2y=4 をyについて解こう。");
    StepReveal();
    NewRow(60, 3, "y=ﾀ1/2ﾀx-2");
    StepReveal();
    NewRow(70, 0, "この直線を");
    Next(5, "方程式 x-2y=4のグラフ");
    Next(0, "という。");
    StepReveal();
    NewRow(50, 7, "教科書P77 問1　をやってみよう。");
}

// ---- Topic 2: question 1, points on the graph ----------------------------------------------

void Tern::PointOnGraphCheck() {
    const Num outer = 40;  // the question's and the point headings' margin
    TopicScreen(1600, 1800, 76);
    PenWidth(5);
    Put(outer, 30, 0, "問1 ");
    Next(3, "A(-5,-3) B(5.2,0.6)");
    Next(0, "は、");
    Next(3, "方程式 x-2y=4 ");
    NewRow(50, 0, "のグラフ上の点ですか。");
    PlaneAt(760, 100, -5, 6, -5, 2, 40, 14);
    GraphOf(3, 0.5f, -2, 3, "x-2y=4", -216, 100);

    struct Check {
        std::string_view heading, values, leftSide, worked, result, relation, reason, verdict;
        Num x, y, colour;
        std::string_view label;
        bool verdictOnNewRow;
    };
    static constexpr Check checks[] = {
        {"点A ", "x=-5,y=-3 を左辺に代入して", "=-5-2*(-3)=", "-5+6", "=1", "≠右辺", " 方程式が成り立たないから",
         " グラフ上の点ではない", -5, -3, 7, "A", true},
        {"点B ", "x=5.2,y=0.6 を左辺に代入して", "=5.2-2*0.6=", "5.2-1.2", "=4", "=右辺", " 方程式が成り立つから",
         " グラフ上の点である", 5.2f, 0.6f, 5, "B", false},
    };
    for (const Check& c : checks) {
        StepReveal();
        Put(outer, B2_row + 50, 7, c.heading);
        Next(3, c.values);
        StepReveal();
        NewRow(50, 3, "左辺");
        Next(0, c.leftSide);
        StepReveal();
        Next(0, c.worked);
        StepReveal();
        NewRow(50, 0, c.result, 72);  // under the first "="
        StepReveal();
        Next(3, c.relation);
        StepReveal();
        Next(0, c.reason);
        if (c.verdictOnNewRow)
            NewRow(50, 5, c.verdict);
        else
            Next(5, c.verdict);
        PointAt(c.x, c.y, 10, c.colour, c.label, 0, -30);
    }

    StepReveal();
    NewRow(90, 5, "方程式にx座標とy座標の値を代入して成り立つ → グラフ上の点");
    NewRow(60, 5, "グラフ上の点 → 方程式にx座標とy座標の値を代入してよい");
}

// ---- The rewriting of ax+by=c to y=mx+n --------------------------------------------------

void Tern::SlopeInterceptTexts(bool interceptAsFraction) {
    NumbersToText();
    X = T(3);
    R1B = T(2);
    FormatFraction();
    A1_s(4) = T_s;
    if (interceptAsFraction) {
        X = F(1);
        R1B = T(2);
        FormatFraction();
        TITLE_s(2) = T_s;
    } else {
        F(5) = R1B;
        F(6) = X;
    }
    for (int i = 1; i <= 4; ++i) A1_s(10 + i) = CoefficientForm(T(i), A1_s(i));
    if (T(2) > 0) A1_s(12) = "+" + A1_s(12);
    TITLE_s(11) = LaterTermForm(F(1), TITLE_s(1));
    TITLE_s(12) = LaterTermForm(F(2), TITLE_s(2));
}

std::array<std::string, 6> Tern::SlopeInterceptRewriteLines() const {
    const std::string& b = A1_s(2);
    const std::string& movedX = A1_s(13);
    return {
        A1_s(11) + "x を移項して",
        b + "y=" + movedX + "x" + TITLE_s(11),
        "両辺を" + b + " でわって",
        "ﾀ" + b + "y/" + b + "ﾀ=ﾀ" + movedX + "x" + TITLE_s(11) + "/" + b + "ﾀ",
        "y=ﾀ" + movedX + "x/" + b + "ﾀ+ﾀ" + TITLE_s(1) + "/" + b + "ﾀ",
        "y=" + A1_s(14) + "x" + TITLE_s(12),
    };
}

void Tern::SlopeInterceptRewriteSteps() {
    // Below the equation at (152, 90); the explanations indented 36.
    const auto lines = SlopeInterceptRewriteLines();
    B1 = 120;
    B2_row = 90;
    StepReveal();
    NewRow(50, 7, lines[0], 36);
    NewRow(50, 0, lines[1]);
    StepReveal();
    NewRow(60, 7, lines[2], 36);
    NewRow(80, 0, lines[3]);
    StepReveal();
    NewRow(80, 0, lines[4]);
    StepReveal();
    NewRow(80, 3, lines[5]);
    StepReveal();
}

// ---- Topic 3: random rewriting to y=mx+n ---------------------------------------------------

void Tern::RandomProblems(void (Tern::*draw)(), void (Tern::*problem)(), Num clearWidth, int originSlot) {
    ClearBox(clearWidth, 1300);
    PenWidth(5);
    LT2(originSlot) = 40;
    B2(originSlot) = 30;
    RandomExerciseLoop([&] {
        (this->*draw)();
        (this->*problem)();
    });
}

void Tern::RandomSlopeInterceptExample() {
    RandomProblems(&Tern::DrawSlopeInterceptNumbers, &Tern::SlopeInterceptProblem);
}

void Tern::DrawSlopeInterceptNumbers() {
    T(1) = RandomWhole(9);
    T(2) = RandomWhole(3, 2);
    RandomSign01(T(2));
    F(1) = RandomWhole(9);
    RandomSign01(F(1));
    T(3) = -T(1);
    T(4) = T(3) / T(2);
    F(2) = F(1) / T(2);
}

void Tern::SlopeInterceptProblem() {
    SlopeInterceptTexts(true);
    const std::string equation = EquationText(A1_s(11), A1_s(12), TITLE_s(1));
    ClearBox(1600, 1800);
    Put(LT2(31), B2(31), 3, "例1-1");
    Next(0, " 次の方程式のグラフの傾きと切片をいいなさい。");
    Put(152, 90, 3, equation);
    SlopeInterceptRewriteSteps();

    NewRow(80, 0, "傾き ");
    Next(5, A1_s(4));
    Next(0, "切片 ", 60);
    Next(5, TITLE_s(2));
    PlaneAt(646, 100, -10, 10, -10, 10, 25, 14);
    GraphOf(3, T(4), F(2), 3, equation, -297);
}

// ---- Topic 4: random graph from the intercept and the slope ----------------------------------

void Tern::RandomEquationGraphExample() {
    RandomProblems(&Tern::DrawEquationGraphNumbers, &Tern::EquationGraphProblem);
    StepReveal();
    Put(40, 570, 7, "教科書P77 問2 をやってみよう。");
}

void Tern::DrawEquationGraphNumbers() {
    // Drawn again until the slope triangle's second point lies on the plane.
    do {
        T(1) = RandomWhole(9);
        T(2) = RandomWhole(3, 2);
        RandomSign01(T(2));
        F(2) = RandomWhole(6);
        RandomSign01(F(2));
        F(1) = F(2) * T(2);
        T(3) = -T(1);
        T(4) = T(3) / T(2);
        X = T(3);
        R1B = T(2);
        FormatFraction();
        F(5) = R1B;
        F(6) = X;
    } while (F(2) + F(6) > 10 || F(2) + F(6) < -10);
}

void Tern::EquationGraphProblem() {
    SlopeInterceptTexts(false);
    const std::string equation = EquationText(A1_s(11), A1_s(12), TITLE_s(1));
    ClearBox(1600, 1800);
    Put(LT2(31), B2(31), 3, "例1");
    Next(0, " 次の方程式のグラフをかきなさい。");
    Put(152, 90, 3, equation);
    PlaneAt(646, 100, -10, 10, -10, 10, 25, 14);
    SlopeInterceptRewriteSteps();

    PointAt(0, F(2), 8, 9);
    ZY = HOUKOU;
    AA1 = N2;
    PointAt(F(5), F(2) + F(6), 8, 9);
    GY3 = HOUKOU;
    HIDARI = N2;
    HENK3_s = "nn";
    DrawIncreaseArrows();
    StepReveal();
    GraphOf(3, T(4), F(2), 5, equation, -297);
}

// ---- Topic 5: question 2 answers ----------------------------------------------------------------

void Tern::RewriteAndGraphAnswers() {
    TopicScreen(1600, 1800, 114);
    PenWidth(5);
    PlaneAt(646, 60, -6, 6, -5, 7, 40, 14);
    Put(114, 30, 3, "教科書P77 問2　解答");

    struct Question {
        std::string_view equation, answer;
        Num questionY, answerY;
        Num slope, intercept, run, rise;
        std::string_view label;
        Num labelDx, labelDy;
        bool triangleLater, extraWait;
    };
    static constexpr Question questions[] = {
        {"(1)2x+y=4", " y=-2x+4", 80, 140, -2, 4, 1, -2, "(1)", 0, -80, false, true},
        {"(2)x+2y=-4", " y=-ﾀ1/2ﾀx-2", 210, 280, -0.5f, -2, 2, -1, "(2)", -216, -80, false, false},
        {"(3)3x-2y+8=0", " y=ﾀ3/2ﾀx+4", 350, 430, 1.5f, 4, 2, 3, "(3)", -162, 100, true, false},
    };
    for (const Question& q : questions) {
        StepReveal();
        Put(38, q.questionY, 0, q.equation);
        StepReveal();
        Put(114, q.answerY, 3, q.answer);
        if (q.triangleLater) StepReveal();
        PointAt(0, q.intercept, 8, 5);
        SlopeTriangle(0, q.intercept, q.run, q.rise);
        StepReveal();
        GraphOf(3, q.slope, q.intercept, 3, q.label, q.labelDx, q.labelDy);
        if (q.extraWait) StepReveal();
    }
}

// ---- Topic 6: random graph from the two intercepts ----------------------------------------------

void Tern::RandomInterceptsGraphExample() {
    RandomProblems(&Tern::DrawInterceptsGraphNumbers, &Tern::InterceptsGraphProblem);
    StepReveal();
    Put(40, 540, 7, "教科書P78 問3　をやってみよう。");
}

void Tern::DrawInterceptsGraphNumbers() {
    // c is a multiple of a and of b, so both intercepts are whole.
    T(4) = RandomWhole(9);
    F(0) = 1;
    RandomSign01(F(0));
    T(3) = RandomWhole(8, 2);
    RandomSign01(T(3));
    F(1) = F(0) * T(3) * T(4);
    T(1) = F(1) / T(4);
    T(2) = F(1) / T(3);
    T(5) = -T(4) / T(3);
    F(5) = F(1) / T(3);
}

void Tern::InterceptsGraphTexts() {
    NumbersToText();
    for (int i = 1; i <= 4; ++i) A1_s(10 + i) = CoefficientForm(T(i), A1_s(i));
    if (T(3) > 0) A1_s(13) = "+" + A1_s(13);
}

void Tern::InterceptsGraphProblem() {
    InterceptsGraphTexts();
    const std::string equation = EquationText(A1_s(14), A1_s(13), TITLE_s(1));

    ClearBox(1600, 1800);
    B1 = LT2(31);
    PlaneAt(646, 100, -10, 10, -10, 10, 25, 14);
    GY5(1) = TATE;
    t0014(1) = t0001 - NAKA * T(2);
    GY5(2) = TATE + NAKA * T(1);
    t0014(2) = t0001;
    Put(B1, B2(31), 3, "例2");
    Next(0, " 次の方程式のグラフを");
    Put(104, 80, 0, "2点を求めてかきなさい。");
    Put(120, 140, 3, equation);
    // x=0 gives the point on the y axis, y=0 the one on the x axis.
    const struct {
        std::string_view substitute;
        std::string equation, solved, point;
        int slot;
    } halves[] = {
        {"x=0 を代入すると、", A1_s(3) + "y=" + TITLE_s(1), "y=" + A1_s(2), "点(0," + A1_s(2) + ")を通る。", 1},
        {"y=0 を代入すると、", A1_s(14) + "x=" + TITLE_s(1), "x=" + A1_s(1), "点(" + A1_s(1) + ",0)を通る。", 2},
    };
    for (const auto& half : halves) {
        SubstitutionSteps(half.substitute, half.equation, half.solved, half.point);
        StepReveal();
        Rt().circle(GY5(half.slot), t0014(half.slot), 8, 5, 0, 0, true, -1);
    }
    StepReveal();
    GraphOf(3, T(5), F(5), 3, "");
}

// ---- Topic 7: question 3 answers ---------------------------------------------------------------

void Tern::InterceptsGraphAnswers() {
    TopicScreen(1600, 1800, 114);
    B2_row = 10;
    PenWidth(5);
    PlaneAt(570, 70, -7, 7, -7, 7, 40, 14);
    Put(HI, 10, 7, "教科書P78 問3　解答");

    struct Question {
        std::string_view equation, atX0, atY0;
        Num equationY, firstSubY;
        Num yIntercept, xIntercept, slope;
        std::string_view label;
        Num labelDx, labelDy;
        bool substitutionsLater, extraWait;
    };
    static constexpr Question questions[] = {
        {"(1)2x-y=4", "x=0 のとき y=-4", "y=0 のとき x=2", 10, 60, -4, 2, 2, "(1)", -81, -20, false, false},
        {"(2)x+3y=-6", "x=0 のとき y=-2", "y=0 のとき x=-6", 160, 210, -2, -6, -1.0f / 3, "(2)", -81, -70,
         false, false},
        {"(3)2x-5y+10=0", "x=0 のとき y=2", "y=0 のとき x=-5", 320, 370, 2, -5, 0.4f, "(3)", -54, -50, true,
         true},
        {"(4)ﾀx/4ﾀ+ﾀy/3ﾀ=1", "x=0 のとき y=3", "y=0 のとき x=4", 490, 550, 3, 4, -0.75f, "(4)", -54, -80, true,
         false},
    };
    for (const Question& q : questions) {
        StepReveal();
        Put(38, q.equationY, 3, q.equation);
        if (q.substitutionsLater) StepReveal();
        Put(114, q.firstSubY, 0, q.atX0);
        NewRow(50, 0, q.atY0);
        StepReveal();
        Rt().circle(TATE, t0001 - NAKA * q.yIntercept, 8, 5, 0, 0, true, -1);
        Rt().circle(TATE + NAKA * q.xIntercept, t0001, 8, 5, 0, 0, true, -1);
        StepReveal();
        GraphOf(3, q.slope, q.yIntercept, 3, q.label, q.labelDx, q.labelDy);
        if (q.extraWait) StepReveal();
    }
}

}  // namespace lesson
