// Chapter 3: the rate of change. Tables of increases, worked examples on
// random intervals, textbook answers and a practice loop.
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "kestrel/kestrel_program.h"

namespace lesson {

namespace {

// A negated 0 is the value 0: its text, parentheses and sign tests must agree.
Num Unsigned0(Num v) { return v == 0 ? 0.0f : v; }

}  // namespace

const Chapter<Kestrel> Kestrel::kRateOfChange{
    .goal = {"1次関数の値の変化について調べよう。"},
    .goalClears = true,
    .choices = "①Q1ずつ　②Q2ずつ　③変化の割合　④問1　⑤a,b変化　⑥説明,問2問3　⑦問4　⑧終了",
    .topics = {
        &Kestrel::StepByOneTopic,
        &Kestrel::StepByTwoThreeTopic,
        &Kestrel::RateOfChangeTopic,
        &Kestrel::RateExercise1,
        &Kestrel::VaryCoefficientsTopic,
        &Kestrel::RateEqualsSlopeTopic,
        &Kestrel::InverseRateTopic,
    },
};

// ---- Tables of increases ------------------------------------------------------------

// x from -4 to 4 between "…" columns, the y row empty; x row 60 below the
// text row, y row 50 below it.
void Kestrel::StepByOneTable(Num textRow) {
    const CellStyle cell{60, 50, 3, 15, 0};
    GY5(11) = B1;
    GY5(12) = B1 + 60;
    t0014(11) = textRow + 60;
    t0014(12) = textRow + 110;
    for (int row = 11; row <= 12; ++row) {
        Cell(GY5(11), t0014(row), cell, row == 11 ? "x" : "y");
        for (int k = 0; k <= 10; ++k) {
            const bool end = k == 0 || k == 10;
            Cell(YI1, t0014(row), cell, end ? "…" : row == 11 ? NumberText(static_cast<Num>(k - 5)) : "");
        }
    }
}

// The y values of y=2x+b one per key, left to right.
void Kestrel::RevealStepByOneValues(int b) {
    for (int k = 1; k <= 9; ++k) {
        StepReveal();
        Cell(GY5(12) + 60 * static_cast<Num>(k), t0014(12), {60, 50, 3, 15, 5},
             NumberText(static_cast<Num>(2 * (k - 5) + b)));
    }
}

void Kestrel::StepByOneTopic() {
    TopicScreen(area::wide, 38);
    PenWidth(5);
    Put(38, 30, ink::heading, "P62 xの値が増加するとき、yの値の変化は？");
    NewRow(50, ink::emphasis, "y=2x+3 では");
    StepByOneTable(B2_row);
    StepReveal();
    RevealStepByOneValues(3);
    StepReveal();
    NewRow(80, ink::text, "xの値が1ずつ増加するとき、yの値はどうなりますか。");
    StepReveal();
    NewRow(50, ink::answer, "2ずつ増加する。");
    StepReveal();
    NewRow(50, ink::emphasis, "y=2x では");
    StepByOneTable(B2_row);
    StepReveal();
    RevealStepByOneValues(0);
    StepReveal();
    NewRow(60, ink::answer, "2ずつ増加する。");
    StepReveal();
    NewRow(60, ink::text, "xの増加量がいろいろな場合を調べてみよう。");
}

// y=2x+3 for x from -4 to 4 between "…" columns; the x row 100 below the
// text row, the y row 50 below it, the bottom edge 50 below that.
void Kestrel::StepTable(Num textRow) {
    for (int k = 0; k <= 12; ++k) GY5(11 + k) = B1 + 60 * static_cast<Num>(k);
    t0014(11) = textRow + 100;
    t0014(12) = textRow + 150;
    t0014(13) = textRow + 200;
    const CellStyle cell{60, 50, 3, 15, 0};
    for (int row = 11; row <= 12; ++row) {
        for (int k = 0; k <= 11; ++k) {
            const int x = k - 6;
            std::string text = row == 11 ? "x" : "y";
            if (k == 1 || k == 11) text = "…";
            if (k >= 2 && k <= 10) text = NumberText(static_cast<Num>(row == 11 ? x : 2 * x + 3));
            Cell(GY5(11 + k), t0014(row), cell, text);
        }
    }
}

// Over every step of x a labelled arc above the x row with a bare arc under
// the y row, one pair a key; then the y arcs again with their label.
void Kestrel::StepTableArcs(int step, int arcs, Num dotDegrees, std::string_view xLabel,
                            std::string_view yLabel) {
    auto arc = [&](int k, bool xRow, std::string_view label) {
        const int from = 13 + step * (k - 1), to = from + step;
        const Num edge = xRow ? t0014(11) : t0014(13);
        ArcOver(GY5(from) + 30, edge, GY5(to) + 30, edge, -20, xRow ? -1 : 1, dotDegrees, 7, 3, label,
                xRow ? 20 : -20);
    };
    for (int k = 1; k <= arcs; ++k) {
        StepReveal();
        arc(k, true, xLabel);
        arc(k, false, "");
    }
    for (int k = 1; k <= arcs; ++k) {
        StepReveal();
        arc(k, false, yLabel);
    }
}

void Kestrel::StepByTwoThreeTopic() {
    TopicScreen(area::wide, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "y=2x+3 で");
    Next(ink::heading, "xの値が増加するとき、yの値の変化は？");

    StepTable(B2_row);
    const Num sideX = GY5(23) + 27;
    Put(sideX, t0014(11), ink::text, "①xの値が2ずつ");
    Put(sideX, B2_row + 50, ink::text, "　増加するとき");
    StepReveal();
    StepTableArcs(2, 4, 10, "2", "4");
    StepReveal();
    Put(sideX, B2_row + 50, ink::answer, "4ずつ増加する。");
    StepReveal();

    StepTable(B2_row);
    Put(sideX, t0014(11), ink::text, "②xの値が3ずつ");
    Put(sideX, B2_row + 50, ink::text, "　増加するとき");
    StepReveal();
    StepTableArcs(3, 3, 7, "3", "6");
    StepReveal();
    Put(sideX, B2_row + 50, ink::answer, "6ずつ増加する。");

    StepReveal();
    NewRow(90, ink::emphasis, "ﾀyの増加量/xの増加量ﾀは？", 40);
    StepReveal();
    Next(ink::answer, "どちらも2", 20);
}

// ---- Worked answers with a value table ------------------------------------------------

// Four cells a row, 90 wide, from 30 beyond the last text: x, from, →, to
// over y, (empty), →, (empty). The cursor ends on the y row.
void Kestrel::AnswerTable(Num xRowTop, std::string_view from, std::string_view to, Num yRowColour) {
    GY5(11) = YI1 + 30;
    for (int k = 1; k <= 3; ++k) GY5(11 + k) = GY5(11) + 90 * static_cast<Num>(k);
    t0014(11) = xRowTop;
    t0014(12) = xRowTop + 50;
    const std::string_view rows[2][4] = {{"x", from, "→", to}, {"y", "", "→", ""}};
    for (int row = 0; row < 2; ++row) {
        for (int k = 0; k < 4; ++k) {
            Cell(GY5(11 + k), t0014(11 + row), {90, 50, 3, 15, row == 0 ? 0 : yRowColour}, rows[row][k]);
        }
    }
}

// A y value written into its column of the y row; the cursor stays.
void Kestrel::ValueIntoCell(int column, std::string_view value) {
    const Num x = YI1, row = B2_row;
    Cell(GY5(11 + column), t0014(12), {90, 50, 3, 15, 3}, value);
    YI1 = x;
    B2_row = row;
}

// The increases at the arrow column: x 20 above the x row, y 25 into the y row.
void Kestrel::IncreaseLabels(Num xDx, std::string_view xIncrease, Num yDx, std::string_view yIncrease) {
    Label(GY5(13) + xDx, t0014(11) - 20, ink::answer, xIncrease);
    Label(GY5(13) + yDx, t0014(12) + 25, ink::answer, yIncrease);
}

void Kestrel::RateExercise1() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "問1 y=-3x-2");
    NewRow(50, ink::emphasis, "(1)");
    Next(ink::text, "xが4から6まで");
    NewRow(70, ink::emphasis, "<解答>");
    AnswerTable(B2_row + 30, "4", "6", 3);
    StepReveal();
    NewRow(70, ink::text, "x=4のとき y=-3*4-2=");
    StepReveal();
    Next(ink::emphasis, "-14");
    ValueIntoCell(1, "-14");
    StepReveal();
    NewRow(50, ink::text, "x=6のとき y=-3*6-2=");
    StepReveal();
    Next(ink::emphasis, "-20");
    ValueIntoCell(3, "-20");
    StepReveal();
    Exercise1Rate(" ﾀ-20-(-14)/6-4ﾀ", "=ﾀ-20+14/6-4ﾀ", "=ﾀ-6/2ﾀ=", "2", "-6");

    StepReveal();
    B1 = 646;
    B2_row = 30;
    Put(646, 30, ink::emphasis, "(2)");
    Next(ink::text, "xが-6から-2まで");
    NewRow(70, ink::emphasis, "<解答>");
    AnswerTable(B2_row, "-6", "-2", 3);
    StepReveal();
    NewRow(60, ink::text, "x=-6のとき");
    NewRow(50, ink::text, "y=-3*(-6)-2=", 40);
    StepReveal();
    Next(ink::emphasis, "16");
    ValueIntoCell(1, "16");
    StepReveal();
    NewRow(50, ink::text, "x=-2のとき ");
    NewRow(50, ink::text, "y=-3*(-2)-2=", 40);
    StepReveal();
    Next(ink::emphasis, "4");
    ValueIntoCell(3, "4");
    Exercise1Rate(" ﾀ4-16/-2-(-6)ﾀ", "=ﾀ-12/-2+6ﾀ", "=ﾀ-12/4ﾀ=", "4", "-12");
}

// The rate of change of one half: the fraction of the differences, then
// resolved, then reduced to its value with the increases at the arrows.
void Kestrel::Exercise1Rate(std::string_view differences, std::string_view resolved, std::string_view reduced,
                            std::string_view xIncrease, std::string_view yIncrease) {
    NewRow(50, ink::text, "だから、", 38);
    Next(ink::emphasis, " 変化の割合は");
    StepReveal();
    NewRow(70, ink::text, differences);
    StepReveal();
    Next(ink::text, resolved);
    StepReveal();
    NewRow(70, ink::text, reduced);
    Next(ink::answer, "-3");
    IncreaseLabels(30, xIncrease, 15, yIncrease);
}

void Kestrel::InverseRateTopic() {
    TopicScreen(area::text, 38);
    PenWidth(3);
    // Each half: y=24/x at both ends of its interval, then the rate.
    struct Half {
        Num margin;
        std::string_view label, interval, from, to, yFrom, yTo;
        std::string_view differences, evaluated, rate, xIncrease, yIncrease;
    };
    static constexpr Half halves[] = {
        {38, "(1)", "xが2から6まで", "2", "6", "12", "4", "=ﾀ4-12/6-2ﾀ", "=ﾀ-8/4ﾀ=", "-2", "4", "-8"},
        {646, "(2)", "xが4から8まで", "4", "8", "6", "3", "=ﾀ3-6/8-4ﾀ", "=ﾀ-3/4ﾀ=", "-ﾀ3/4ﾀ", "4", "-3"},
    };
    Put(38, 30, ink::heading, "問4 y=ﾀ24/xﾀ");
    for (const Half& h : halves) {
        if (&h == &halves[0]) {
            Next(ink::emphasis, h.label);
        } else {
            StepReveal();
            Put(h.margin, 30, ink::emphasis, h.label);
        }
        B1 = h.margin;
        Next(ink::text, h.interval);
        NewRow(70, ink::emphasis, "<解答>");
        AnswerTable(B2_row + 30, h.from, h.to, 3);
        for (int end = 0; end < 2; ++end) {
            const std::string x(end == 0 ? h.from : h.to);
            const std::string_view y = end == 0 ? h.yFrom : h.yTo;
            StepReveal();
            NewRow(end == 0 ? 70 : 80, ink::text, "x=" + x + "のとき y=");
            StepReveal();
            Next(ink::text, "ﾀ24/" + x + "ﾀ=");
            Next(ink::emphasis, y);
            ValueIntoCell(end == 0 ? 1 : 3, y);
        }
        StepReveal();
        NewRow(60, ink::text, "だから、", 38);
        NewRow(50, ink::emphasis, " 変化の割合");
        StepReveal();
        NewRow(70, ink::text, h.differences);
        StepReveal();
        Next(ink::text, h.evaluated);
        StepReveal();
        Next(ink::answer, h.rate);
        IncreaseLabels(30, h.xIncrease, 15, h.yIncrease);
    }
    StepReveal();
    Put(120, B2_row + 60, ink::heading, "反比例では、変化の割合が一定ではない。");
}

// ---- Worked examples on random intervals ----------------------------------------------

void Kestrel::RateOfChangeTopic() {
    RateExamplesThenKey(1);
    Next(ink::answer, "変化の割合=ﾀyの増加量/xの増加量ﾀ　(一定)", 40);
    StepReveal();
    Put(480, 600, ink::heading, "教科書P64 問1　をしなさい。");
}

void Kestrel::VaryCoefficientsTopic() {
    RateExamplesThenKey(0);
    Next(ink::answer, "変化の割合は、xの係数に等しい。", 40);
}

// The worked examples in a mode (1: y=2x+3, 0: random a and b) from a clear
// screen, and one more key after the last.
void Kestrel::RateExamplesThenKey(Num mode) {
    ClearBox(1320, 1300);
    AA2 = 40;
    HENK1 = 30;
    PenWidth(5);
    B1 = 40;
    B2_row = 30;
    KASANARIY = mode;
    RateExampleLoop();
    StepReveal();
}

void Kestrel::RateExampleLoop() {
    RandomExerciseLoop([this] { RateExample(rateDrawSeam ? rateDrawSeam() : DrawRateExample()); });
}

// In this order in every mode: the fixed mode replaces a and b afterwards.
Kestrel::RateDraw Kestrel::DrawRateExample() {
    RateDraw d{};
    d.a = SignedDraw(5, 1);
    d.b = SignedDraw(5, 1);
    d.x1 = SignedDraw(5, 1);
    d.x2 = SignedDraw(6, 0);
    return d;
}

// A whole number from..from+count-1, then its sign draw.
Num Kestrel::SignedDraw(Num count, Num from) {
    Num v = RandomWhole(count, from);
    XW = RandomSign12(v);
    return v;
}

// One worked example from the numbers as drawn.
void Kestrel::RateExample(RateDraw drawn) {
    Num a = drawn.a, b = drawn.b, x1 = drawn.x1, x2 = Unsigned0(drawn.x2);
    if (KASANARIY == 1) {
        a = 2;
        b = 3;
    }
    if (x2 == x1) x2 += 1;
    if (x2 < x1) std::swap(x1, x2);

    T(1) = a;
    T(2) = b;
    F(1) = x1;
    F(2) = x2;
    T(3) = a * x1 + b;
    T(4) = a * x2 + b;
    T(5) = x2 - x1;
    T(6) = T(4) - T(3);
    F(3) = std::fabs(x1);
    T(9) = std::fabs(T(3));
    T(7) = Unsigned0(a * x1);
    T(8) = Unsigned0(a * x2);
    NumbersToText();
    A1_s(11) = CoefficientForm(a, A1_s(1));
    TITLE_s(11) = SubstitutedForm(x1, TITLE_s(1));
    TITLE_s(12) = SubstitutedForm(x2, TITLE_s(2));
    A1_s(12) = LaterTermForm(b, A1_s(2));
    A1_s(13) = SubstitutedForm(T(3), A1_s(3));

    B1 = AA2;
    B2_row = HENK1;
    ClearBox(1320, 1300);

    Put(B1, B2_row, ink::text, "例 1次関数 ");
    Next(ink::emphasis, "y=" + A1_s(11) + "x" + A1_s(12));
    Next(ink::text, "で、xが");
    Next(ink::emphasis, TITLE_s(1));
    Next(ink::text, "から");
    Next(ink::emphasis, TITLE_s(2));
    Next(ink::text, "まで増加するとき");
    NewRow(90, ink::emphasis, "ﾀyの増加量/xの増加量ﾀ", 40);
    Next(ink::emphasis, "を求めなさい。", 40);
    AnswerTable(B2_row, TITLE_s(1), TITLE_s(2), 0);

    // y at each end by substitution, written into the table as it is found.
    for (int end = 1; end <= 2; ++end) {
        StepReveal();
        NewRow(end == 1 ? 70 : 50, ink::text, "x=" + TITLE_s(end) + "のとき y=");
        StepReveal();
        Next(ink::text, A1_s(1) + "*" + TITLE_s(10 + end) + A1_s(12) + "=");
        StepReveal();
        Next(ink::text, A1_s(6 + end) + A1_s(12) + "=");
        Next(ink::emphasis, A1_s(2 + end));
        ValueIntoCell(end == 1 ? 1 : 3, A1_s(2 + end));
    }
    StepReveal();
    NewRow(50, ink::text, "だから、", 114);

    // Each increase: the later value minus the earlier, a negative earlier
    // value subtracted as its size added.
    StepReveal();
    NewRow(50, ink::text, "xの増加量は、");
    StepReveal();
    Next(ink::text, TITLE_s(2) + "-" + TITLE_s(11) + "=");
    StepReveal();
    if (x1 < 0) Next(ink::text, TITLE_s(2) + "+" + TITLE_s(3) + "=");
    Next(ink::emphasis, A1_s(5));
    Label(GY5(13) + 20, t0014(11) - 20, ink::answer, A1_s(5));
    StepReveal();
    NewRow(50, ink::text, "yの増加量は、");
    StepReveal();
    Next(ink::text, A1_s(4) + "-" + A1_s(13) + "=");
    StepReveal();
    if (T(3) < 0) Next(ink::text, A1_s(4) + "+" + A1_s(9) + "=");
    Next(ink::emphasis, A1_s(6));
    Label(GY5(13) + 20, t0014(12) + 25, ink::answer, A1_s(6));

    StepReveal();
    NewRow(90, ink::emphasis, "ﾀyの増加量/xの増加量ﾀ=", 40);
    StepReveal();
    Next(ink::text, "ﾀ" + A1_s(6) + "/" + A1_s(5) + "ﾀ=");
    StepReveal();
    Next(ink::answer, A1_s(1));
}

// ---- The rate of change of y=ax+b, with practice -----------------------------------------

void Kestrel::RateEqualsSlopeTopic() {
    FramedScreen(area::screen, 570, 275, "<１次関数の変化の割合>");
    NewRow(50, ink::text, "１次関数　y=ax+b　では、");
    NewRow(50, ink::emphasis, "変化の割合は");
    Next(ink::answer, "一定で、aに等しい。");
    NewRow(70, ink::answer, "変化の割合=ﾀyの増加量/xの増加量ﾀ=a");
    StepReveal();
    PenWidth(5);
    AA2 = 40;
    HENK1 = B2_row + 110;

    RandomExerciseLoop([this] {
        RatePracticeProblem(ratePracticeSeam ? ratePracticeSeam() : DrawRatePractice());
    });

    StepReveal();
    NewRow(50, ink::emphasis, "yの増加量=a*(xの増加量)");
    NewRow(50, ink::text, "yの増加量=" + A1_s(1) + "*" + TITLE_s(1) + "=" + A1_s(3));
    StepReveal();

    // Textbook page 64, questions 2 and 3, in the right-hand column.
    B1 = 646;
    B2_row = 30;
    Put(646, 30, ink::emphasis, "教科書P64 問2 をしなさい。");
    StepReveal();
    NewRow(50, ink::text, "(1)変化の割合…");
    StepReveal();
    Next(ink::answer, "3");
    StepReveal();
    NewRow(50, ink::text, "yの増加量=", 76);
    StepReveal();
    Next(ink::text, "3*4=");
    Next(ink::answer, "12");
    struct Question {
        std::string_view heading, rate, product, increase;
    };
    static constexpr Question questions[] = {{"(2)変化の割合…", "-2", "-2*4=", "-8"}, {"(3)変化の割合…", "2", "2*4=", "8"}};
    for (const Question& p : questions) {
        StepReveal();
        NewRow(50, ink::text, p.heading);
        StepReveal();
        Next(ink::answer, p.rate);
        NewRow(50, ink::text, "yの増加量=", 76);
        StepReveal();
        Next(ink::text, p.product);
        Next(ink::answer, p.increase);
    }
    NewRow(90, ink::emphasis, "教科書P64 問3 をしなさい。");
    StepReveal();
    NewRow(50, ink::answer, " 1分間に水の温度が5℃ずつ");
    NewRow(50, ink::answer, " 上がること");
    NewRow(70, ink::emphasis, "教科書P64 問4　をしなさい。");
}

Kestrel::RatePracticeDraw Kestrel::DrawRatePractice() {
    RatePracticeDraw d{};
    d.a = SignedDraw(5, 1);
    d.b = SignedDraw(5, 1);
    d.xIncrease = RandomWhole(15);
    return d;
}

// One practice problem: the rate of change is a, and the increase of y is a
// times the increase of x.
void Kestrel::RatePracticeProblem(RatePracticeDraw drawn) {
    T(1) = drawn.a;
    T(2) = drawn.b;
    F(1) = drawn.xIncrease;
    T(3) = Unsigned0(drawn.a * drawn.xIncrease);
    NumbersToText();
    A1_s(11) = CoefficientForm(T(1), A1_s(1));
    A1_s(12) = LaterTermForm(T(2), A1_s(2));

    B1 = AA2;
    B2_row = HENK1;
    EraseBox(0, HENK1, 1320, HENK1 + 1300);
    Put(B1, B2_row, ink::text, "問 1次関数 y=" + A1_s(11) + "x" + A1_s(12) + "　で");
    NewRow(50, ink::text, "(1) 変化の割合をいいなさい。");
    StepReveal();
    Next(ink::answer, A1_s(1));
    StepReveal();
    NewRow(50, ink::text, "(2) xの増加量が" + TITLE_s(1) + "のとき、");
    NewRow(50, ink::text, "yの増加量を求めなさい。", 80);
    StepReveal();
    Next(ink::answer, A1_s(3));
}

}  // namespace lesson
