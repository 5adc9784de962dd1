// SPDX-License-Identifier: GPL-3.0-or-later
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

// The y increase stands under its arrow's cell, clear of the bottom rule (in
// the cell its minus lay on the rule), and the working starts below it.
constexpr Num kIncreaseUnderTable = 51;
constexpr Num kWorkingUnderTable = 96;

}  // namespace

const Chapter<Kestrel> Kestrel::kRateOfChange{
    .goal = {"1次関数の値の変化について調べよう。"},
    .goalClears = true,
    .choices = "①Q1ずつ　②Q2ずつ　③変化の割合　④問1　⑤a,b変化　⑥説明,問2問3　⑦問4　⑧終了",
    .topics = {&Kestrel::StepByOneTopic, &Kestrel::StepByTwoThreeTopic, &Kestrel::RateOfChangeTopic,
               &Kestrel::RateExercise1, &Kestrel::VaryCoefficientsTopic, &Kestrel::RateEqualsSlopeTopic,
               &Kestrel::InverseRateTopic},
};

// ---- Tables of increases ------------------------------------------------------------

// x from -4 to 4 between "…" columns, the y row empty; x row 60 below the
// text row, y row 50 below it.
Kestrel::ValueTable Kestrel::StepByOneTable(Num textRow) {
    const CellStyle cell{60, 50, ink::emphasis, ink::page, ink::text};
    const ValueTable table{
        .left = cursor.margin, .cellWidth = 60, .xRow = textRow + 60, .yRow = textRow + 110};
    for (const Num top : {table.xRow, table.yRow}) {
        const bool xRow = top == table.xRow;
        Cell(table.left, top, cell, xRow ? "x" : "y");
        for (int k = 0; k <= 10; ++k) {
            const bool end = k == 0 || k == 10;
            Cell(cursor.end, top, cell, end ? "…" : xRow ? NumberText(static_cast<Num>(k - 5)) : "");
        }
    }
    return table;
}

// The y values of y=2x+b one per key, left to right.
void Kestrel::RevealStepByOneValues(const ValueTable& table, int b) {
    for (int k = 1; k <= 9; ++k) {
        StepReveal();
        Cell(table.Column(k + 1), table.yRow, {60, 50, ink::emphasis, ink::page, ink::answer},
             NumberText(static_cast<Num>(2 * (k - 5) + b)));
    }
}

void Kestrel::StepByOneTopic() {
    TopicScreen(area::wide, 38);
    PenWidth(5);
    Put(38, 30, ink::heading, "P62 xの値が増加するとき、yの値の変化は？");
    NewRow(50, ink::emphasis, "y=2x+3 では");
    const ValueTable withThree = StepByOneTable(cursor.row);
    StepReveal();
    RevealStepByOneValues(withThree, 3);
    StepReveal();
    NewRow(80, ink::text, "xの値が1ずつ増加するとき、yの値はどうなりますか。");
    StepReveal();
    NewRow(50, ink::answer, "2ずつ増加する。");
    StepReveal();
    NewRow(50, ink::emphasis, "y=2x では");
    const ValueTable proportional = StepByOneTable(cursor.row);
    StepReveal();
    RevealStepByOneValues(proportional, 0);
    StepReveal();
    NewRow(60, ink::answer, "2ずつ増加する。");
    StepReveal();
    // 6 up, clear of the status band.
    NewRow(54, ink::text, "xの増加量がいろいろな場合を調べてみよう。");
}

// y=2x+3 for x from -4 to 4 between "…" columns; the x row 100 below the
// text row, the y row 50 below it.
Kestrel::ValueTable Kestrel::StepTable(Num textRow) {
    const ValueTable table{
        .left = cursor.margin, .cellWidth = 60, .xRow = textRow + 100, .yRow = textRow + 150};
    const CellStyle cell{60, 50, ink::emphasis, ink::page, ink::text};
    for (const Num top : {table.xRow, table.yRow}) {
        const bool xRow = top == table.xRow;
        for (int k = 0; k <= 11; ++k) {
            const int x = k - 6;
            std::string text = xRow ? "x" : "y";
            if (k == 1 || k == 11) text = "…";
            if (k >= 2 && k <= 10) text = NumberText(static_cast<Num>(xRow ? x : 2 * x + 3));
            Cell(table.Column(k), top, cell, text);
        }
    }
    return table;
}

// Over every step of x a labelled arc above the x row with a bare arc under
// the y row, one pair a key; then the y arcs again with their label.
void Kestrel::StepTableArcs(const ValueTable& table, int step, int arcs, Num dotDegrees,
                            std::string_view xLabel, std::string_view yLabel) {
    const Num bottom = table.yRow + 50;
    auto arc = [&](int k, bool xRow, std::string_view label) {
        const int from = 2 + step * (k - 1), to = from + step;
        const Num edge = xRow ? table.xRow : bottom;
        ArcOver({.from = {table.Column(from) + 30, edge},
                 .to = {table.Column(to) + 30, edge},
                 .height = -20,
                 .side = xRow ? -1.0f : 1.0f,
                 .stepDegrees = dotDegrees,
                 .dotColour = ink::heading,
                 .labelColour = ink::emphasis,
                 .label = label,
                 .labelDy = xRow ? 20.0f : -20.0f});
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

    ValueTable table = StepTable(cursor.row);
    const Num sideX = table.Column(12) + 27;
    Put(sideX, table.xRow, ink::text, "①xの値が2ずつ");
    Put(sideX, cursor.row + 50, ink::text, "　増加するとき");
    StepReveal();
    StepTableArcs(table, 2, 4, 10, "2", "4");
    StepReveal();
    Put(sideX, cursor.row + 50, ink::answer, "4ずつ増加する。");
    StepReveal();

    table = StepTable(cursor.row);
    Put(sideX, table.xRow, ink::text, "②xの値が3ずつ");
    Put(sideX, cursor.row + 50, ink::text, "　増加するとき");
    StepReveal();
    StepTableArcs(table, 3, 3, 7, "3", "6");
    StepReveal();
    Put(sideX, cursor.row + 50, ink::answer, "6ずつ増加する。");

    StepReveal();
    NewRow(90, ink::emphasis, "ﾀyの増加量/xの増加量ﾀは？", 40);
    StepReveal();
    Next(ink::answer, "どちらも2", 20);
}

// ---- Worked answers with a value table ------------------------------------------------

// Four cells a row, 90 wide, from 30 beyond the last text: x, from, →, to
// over y, (empty), →, (empty). The cursor ends on the y row.
Kestrel::ValueTable Kestrel::AnswerTable(Num xRowTop, std::string_view from, std::string_view to,
                                         Colour yRowColour) {
    const ValueTable table{.left = cursor.end + 30, .cellWidth = 90, .xRow = xRowTop, .yRow = xRowTop + 50};
    const std::string_view rows[2][4] = {{"x", from, "→", to}, {"y", "", "→", ""}};
    for (int row = 0; row < 2; ++row) {
        for (int k = 0; k < 4; ++k) {
            Cell(table.Column(k), row == 0 ? table.xRow : table.yRow,
                 {90, 50, ink::emphasis, ink::page, row == 0 ? ink::text : yRowColour}, rows[row][k]);
        }
    }
    return table;
}

// A y value written into its column of the y row; the cursor stays.
void Kestrel::ValueIntoCell(const ValueTable& table, int column, std::string_view value) {
    const Num x = cursor.end, row = cursor.row;
    Cell(table.Column(column), table.yRow, {90, 50, ink::emphasis, ink::page, ink::emphasis}, value);
    cursor.end = x;
    cursor.row = row;
}

// The increases at the arrow column: x 20 above the x row, y under the y row.
void Kestrel::IncreaseLabels(const ValueTable& table, Num xDx, std::string_view xIncrease, Num yDx,
                             std::string_view yIncrease) {
    Label(table.Column(2) + xDx, table.xRow - 20, ink::answer, xIncrease);
    Label(table.Column(2) + yDx, table.yRow + kIncreaseUnderTable, ink::answer, yIncrease);
}

void Kestrel::RateExercise1() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "問1 y=-3x-2");
    NewRow(50, ink::emphasis, "(1)");
    Next(ink::text, "xが4から6まで");
    NewRow(70, ink::emphasis, "<解答>");
    ValueTable table = AnswerTable(cursor.row + 30, "4", "6", ink::emphasis);
    StepReveal();
    NewRow(kWorkingUnderTable, ink::text, "x=4のとき y=-3*4-2=");
    StepReveal();
    Next(ink::emphasis, "-14");
    ValueIntoCell(table, 1, "-14");
    StepReveal();
    NewRow(50, ink::text, "x=6のとき y=-3*6-2=");
    StepReveal();
    Next(ink::emphasis, "-20");
    ValueIntoCell(table, 3, "-20");
    StepReveal();
    Exercise1Rate(table, " ﾀ-20-(-14)/6-4ﾀ", "=ﾀ-20+14/6-4ﾀ", "=ﾀ-6/2ﾀ=", "2", "-6");

    StepReveal();
    cursor.margin = 646;
    cursor.row = 30;
    Put(646, 30, ink::emphasis, "(2)");
    Next(ink::text, "xが-6から-2まで");
    NewRow(70, ink::emphasis, "<解答>");
    table = AnswerTable(cursor.row, "-6", "-2", ink::emphasis);
    StepReveal();
    NewRow(60, ink::text, "x=-6のとき");
    NewRow(50, ink::text, "y=-3*(-6)-2=", 40);
    StepReveal();
    Next(ink::emphasis, "16");
    ValueIntoCell(table, 1, "16");
    StepReveal();
    NewRow(50, ink::text, "x=-2のとき ");
    NewRow(50, ink::text, "y=-3*(-2)-2=", 40);
    StepReveal();
    Next(ink::emphasis, "4");
    ValueIntoCell(table, 3, "4");
    Exercise1Rate(table, " ﾀ4-16/-2-(-6)ﾀ", "=ﾀ-12/-2+6ﾀ", "=ﾀ-12/4ﾀ=", "4", "-12");
}

// The rate of change of one half: the fraction of the differences, then
// resolved, then reduced to its value with the increases at the arrows.
void Kestrel::Exercise1Rate(const ValueTable& table, std::string_view differences, std::string_view resolved,
                            std::string_view reduced, std::string_view xIncrease,
                            std::string_view yIncrease) {
    NewRow(50, ink::text, "だから、", 38);
    Next(ink::emphasis, " 変化の割合は");
    StepReveal();
    NewRow(70, ink::text, differences);
    StepReveal();
    Next(ink::text, resolved);
    StepReveal();
    NewRow(70, ink::text, reduced);
    Next(ink::answer, "-3");
    IncreaseLabels(table, 30, xIncrease, 15, yIncrease);
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
        cursor.margin = h.margin;
        Next(ink::text, h.interval);
        NewRow(70, ink::emphasis, "<解答>");
        const ValueTable table = AnswerTable(cursor.row + 30, h.from, h.to, ink::emphasis);
        for (int end = 0; end < 2; ++end) {
            const std::string x(end == 0 ? h.from : h.to);
            const std::string_view y = end == 0 ? h.yFrom : h.yTo;
            StepReveal();
            // The rows below close up by what the first gives the y increase.
            NewRow(end == 0 ? kWorkingUnderTable - 4 : 70, ink::text, "x=" + x + "のとき y=");
            StepReveal();
            Next(ink::text, "ﾀ24/" + x + "ﾀ=");
            Next(ink::emphasis, y);
            ValueIntoCell(table, end == 0 ? 1 : 3, y);
        }
        StepReveal();
        NewRow(60, ink::text, "だから、", 38);
        NewRow(50, ink::emphasis, " 変化の割合");
        StepReveal();
        NewRow(58, ink::text, h.differences);
        StepReveal();
        Next(ink::text, h.evaluated);
        StepReveal();
        Next(ink::answer, h.rate);
        IncreaseLabels(table, 30, h.xIncrease, 15, h.yIncrease);
    }
    StepReveal();
    Put(120, cursor.row + 60, ink::heading, "反比例では、変化の割合が一定ではない。");
}

// ---- Worked examples on random intervals ----------------------------------------------

void Kestrel::RateOfChangeTopic() {
    RateExamplesThenKey(1);
    Next(ink::answer, "変化の割合=ﾀyの増加量/xの増加量ﾀ　(一定)", 40);
    StepReveal();
    Put(480, 595, ink::heading, "教科書P64 問1　をしなさい。");  // clear of the status band
}

void Kestrel::VaryCoefficientsTopic() {
    RateExamplesThenKey(0);
    Next(ink::answer, "変化の割合は、xの係数に等しい。", 40);
}

void Kestrel::RateExamplesThenKey(Num mode) {
    rateExampleFixed = mode;
    RandomProblemScreen(area::text, 40,
                        [this] { RateExample(Problem<RateDraw>([this] { return DrawRateExample(); })); });
    StepReveal();
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
    RandomSign12(v);
    return v;
}

// One worked example from the numbers as drawn.
void Kestrel::RateExample(RateDraw drawn) {
    Num a = drawn.a, b = drawn.b, x1 = drawn.x1, x2 = Unsigned0(drawn.x2);
    if (rateExampleFixed == 1) {
        a = 2;
        b = 3;
    }
    if (x2 == x1) x2 += 1;
    if (x2 < x1) std::swap(x1, x2);
    const Num y1 = a * x1 + b, y2 = a * x2 + b;
    const Num xIncrease = x2 - x1, yIncrease = y2 - y1;

    const std::string rate = NumberText(a);
    const std::string bTerm = LaterTermForm(b, NumberText(b));
    const std::string from = NumberText(x1), to = NumberText(x2);
    const std::string y1Text = NumberText(y1), y2Text = NumberText(y2);
    const std::string xIncreaseText = NumberText(xIncrease), yIncreaseText = NumberText(yIncrease);
    // Each end: x, x as substituted, a times x, and y.
    const struct {
        std::string x, substituted, product, y;
    } ends[2] = {
        {from, SubstitutedForm(x1, from), NumberText(Unsigned0(a * x1)), y1Text},
        {to, SubstitutedForm(x2, to), NumberText(Unsigned0(a * x2)), y2Text},
    };

    const Point origin = ProblemOrigin();
    cursor.margin = origin.x;
    cursor.row = origin.y;
    ClearBox(area::text);

    Put(cursor.margin, cursor.row, ink::text, "例 1次関数 ");
    Next(ink::emphasis, "y=" + CoefficientForm(a, rate) + "x" + bTerm);
    Next(ink::text, "で、xが");
    Next(ink::emphasis, from);
    Next(ink::text, "から");
    Next(ink::emphasis, to);
    Next(ink::text, "まで増加するとき");
    NewRow(90, ink::emphasis, "ﾀyの増加量/xの増加量ﾀ", 40);
    Next(ink::emphasis, "を求めなさい。", 40);
    const ValueTable table = AnswerTable(cursor.row, from, to, ink::text);

    // y at each end by substitution, written into the table as it is found.
    for (int end = 0; end < 2; ++end) {
        const auto& e = ends[end];
        StepReveal();
        NewRow(end == 0 ? kWorkingUnderTable : 50, ink::text, "x=" + e.x + "のとき y=");
        StepReveal();
        Next(ink::text, rate + "*" + e.substituted + bTerm + "=");
        StepReveal();
        Next(ink::text, e.product + bTerm + "=");
        Next(ink::emphasis, e.y);
        ValueIntoCell(table, end == 0 ? 1 : 3, e.y);
    }
    StepReveal();
    NewRow(50, ink::text, "だから、", 114);

    // Each increase: the later value minus the earlier, a negative earlier
    // value subtracted as its size added.
    StepReveal();
    NewRow(50, ink::text, "xの増加量は、");
    StepReveal();
    Next(ink::text, to + "-" + SubstitutedForm(x1, from) + "=");
    StepReveal();
    if (x1 < 0) Next(ink::text, to + "+" + NumberText(std::fabs(x1)) + "=");
    Next(ink::emphasis, xIncreaseText);
    Label(table.Column(2) + 20, table.xRow - 20, ink::answer, xIncreaseText);
    StepReveal();
    NewRow(50, ink::text, "yの増加量は、");
    StepReveal();
    Next(ink::text, y2Text + "-" + SubstitutedForm(y1, y1Text) + "=");
    StepReveal();
    if (y1 < 0) Next(ink::text, y2Text + "+" + NumberText(std::fabs(y1)) + "=");
    Next(ink::emphasis, yIncreaseText);
    Label(table.Column(2) + 20, table.yRow + kIncreaseUnderTable, ink::answer, yIncreaseText);

    // As high as before: the rows above moved down for the y increase.
    StepReveal();
    NewRow(90 + 70 - kWorkingUnderTable, ink::emphasis, "ﾀyの増加量/xの増加量ﾀ=", 40);
    StepReveal();
    Next(ink::text, "ﾀ" + yIncreaseText + "/" + xIncreaseText + "ﾀ=");
    StepReveal();
    Next(ink::answer, rate);
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
    const Point origin{40, cursor.row + 110};

    RatePracticeDraw last{};
    RandomExerciseLoop([&] {
        last = Problem<RatePracticeDraw>([this] { return DrawRatePractice(); });
        RatePracticeProblem(origin, last);
    });

    // The rule on the last problem's numbers.
    StepReveal();
    NewRow(50, ink::emphasis, "yの増加量=a*(xの増加量)");
    NewRow(50, ink::text,
           "yの増加量=" + NumberText(last.a) + "*" + NumberText(last.xIncrease) + "=" +
               NumberText(Unsigned0(last.a * last.xIncrease)));
    StepReveal();

    // Textbook page 64, questions 2 and 3, in the right-hand column.
    cursor.margin = 646;
    cursor.row = 30;
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
    static constexpr Question questions[] = {{"(2)変化の割合…", "-2", "-2*4=", "-8"},
                                             {"(3)変化の割合…", "2", "2*4=", "8"}};
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
void Kestrel::RatePracticeProblem(Point origin, RatePracticeDraw drawn) {
    const std::string rate = NumberText(drawn.a);
    const std::string yIncrease = NumberText(Unsigned0(drawn.a * drawn.xIncrease));
    const std::string equation =
        "y=" + CoefficientForm(drawn.a, rate) + "x" + LaterTermForm(drawn.b, NumberText(drawn.b));

    cursor.margin = origin.x;
    cursor.row = origin.y;
    EraseBox(0, origin.y, area::text.width, origin.y + area::text.height);
    Put(cursor.margin, cursor.row, ink::text, "問 1次関数 " + equation + "　で");
    NewRow(50, ink::text, "(1) 変化の割合をいいなさい。");
    StepReveal();
    Next(ink::answer, rate);
    StepReveal();
    NewRow(50, ink::text, "(2) xの増加量が" + NumberText(drawn.xIncrease) + "のとき、");
    NewRow(50, ink::text, "yの増加量を求めなさい。", 80);
    StepReveal();
    Next(ink::answer, yIncrease);
}

}  // namespace lesson
