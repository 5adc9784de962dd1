// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 1: how long a drink in a cool bag stays at 10℃ or below, found from
// five measurements by a table, a graph and an equation.
#include <string_view>

#include "plover/plover_program.h"

namespace lesson {

namespace {

constexpr std::string_view kTimes[6] = {"20", "30", "40", "50", "60", "?"};
constexpr std::string_view kTemperatures[6] = {"5.2", "5.8", "6.5", "7.0", "7.6", "10.0"};
constexpr Num kTemperatureValues[5] = {5.2f, 5.8f, 6.5f, 7.0f, 7.6f};
constexpr std::string_view kIncreases[5] = {"0.6", "0.7", "0.5", "0.6", "2.4"};

// The table: a head column, then data columns, two rows.
constexpr Num kHeadWidth = 152;
constexpr Num kColumnWidth = 105;
constexpr Num kRowHeight = 50;

Num DataColumnLeft(Point table, int k) {
    return table.x + kHeadWidth + kColumnWidth * static_cast<Num>(k - 1);
}

// 10℃ on the line, at 100 minutes: in grid steps of 10 minutes and 0.5℃.
constexpr Num kReadingX = 10, kReadingY = 20;

}  // namespace

const Chapter<Plover> Plover::kCoolBag{
    .goal = {"保冷バックに入れた飲み物が、10℃以下に保てる時間を考えよう。"},
    .goalClears = true,
    .choices = "①P83Q問題　②表　③グラフ　④式　⑤まとめ　⑥表ヒント　⑦グラフヒント　⑧終了",
    .topics = {&Plover::CoolBagQuestion, &Plover::CoolBagTableMethod, &Plover::CoolBagGraphMethod,
               &Plover::CoolBagEquationMethod, &Plover::CoolBagSummary, &Plover::CoolBagTableHint,
               &Plover::CoolBagGraphHint},
};

// ---- The table, the plane and their marks ---------------------------------------

void Plover::CoolBagDataTable(Point at, int columns, std::string_view timeHead,
                              std::string_view temperatureHead) {
    struct Row {
        std::string_view head;
        const std::string_view* cells;
        Num top;
        Colour fill;
    };
    const Row rows[2] = {{timeHead, kTimes, at.y, ink::page},
                         {temperatureHead, kTemperatures, at.y + kRowHeight, ink::accent}};
    for (const Row& row : rows) {
        Cell(at.x, row.top, {kHeadWidth, kRowHeight, ink::emphasis, row.fill, ink::text}, row.head);
        for (int k = 1; k <= columns; ++k) {
            Cell(DataColumnLeft(at, k), row.top,
                 {kColumnWidth, kRowHeight, ink::emphasis, row.fill, ink::text}, row.cells[k - 1]);
        }
    }
}

void Plover::CoolBagAnswerCell(Point table) {
    // Drawn over the "?" cell; the text cursor stays on the working row.
    const Num row = cursor.row, after = cursor.end;
    Cell(DataColumnLeft(table, 6), table.y, {kColumnWidth, kRowHeight, ink::emphasis, ink::page, ink::answer},
         "100");
    cursor.row = row;
    cursor.end = after;
}

void Plover::CoolBagArc(Point table, int k, std::string_view label, Colour labelColour, Num labelDown) {
    // From the middle of data column k to that of column k+1, under the table.
    const Point from{DataColumnLeft(table, k) + 52, table.y + 2 * kRowHeight};
    const Point to{from.x + kColumnWidth, from.y};
    ArcOver({.from = from,
             .to = to,
             .stepDegrees = 11,
             .labelColour = labelColour,
             .label = label,
             .labelDy = labelDown});
}

Lesson::PlaneView Plover::CoolBagPlane() {
    const PlaneView plane = PlaneAt({.left = 874,
                                     .top = 60,
                                     .xTo = 140,
                                     .yTo = 11,
                                     .step = 25,
                                     .grid = true,
                                     .scaleNumbers = false,
                                     .xPerStep = 10,
                                     .yPerStep = 0.5f});
    plane.ScaleNumbers(10, 0.5f);
    PlaneUnits(plane, "分", 0, "℃", -50, 0);
    return plane;
}

void Plover::CoolBagPoint(const PlaneView& plane, int k) {
    plane.PointAt(static_cast<Num>(20 + 10 * (k - 1)), kTemperatureValues[k - 1],
                  {.radius = 6, .colour = ink::emphasis, .xPerStep = 10, .yPerStep = 0.5f});
}

void Plover::CoolBagLine(const PlaneView& plane) {
    LineOnPlane(plane, 140, 10, 0.5f, 0.06f, 4, ink::emphasis);
}

void Plover::CoolBagReadingAcross(const PlaneView& plane) {
    const Point onLine = plane.At(kReadingX, kReadingY);
    ReadingArrow(plane.At(0, kReadingY), onLine);
    BigDot(onLine, ink::answer);
}

void Plover::CoolBagReadingDown(const PlaneView& plane) {
    ReadingArrow(plane.At(kReadingX, kReadingY), plane.At(kReadingX, 0));
}

void Plover::CoolBagHeading(std::string_view method) {
    TopicScreen(area::wide, 76);
    PenWidth(5);
    Put(76, 30, ink::emphasis, "いつまで冷たく保てる？");
    Next(ink::text, method, 40);
}

// ---- Topic 1: the question ----------------------------------------------------------

void Plover::CoolBagQuestion() {
    TopicScreen(area::wide, 76);
    PenWidth(5);
    Put(76, 30, ink::text, "飲み物を冷たいと感じる温度は、10℃以下といわれている。");
    Put(40, 80, ink::emphasis, "Q 気温が30℃のとき、保冷バックに入れた飲み物は、");
    Put(76, 130, ink::emphasis, "どのくらいの間10℃以下に保てるでしょうか？");
    StepReveal();
    NewRow(60, ink::text, "<気温が30℃のときの飲み物の温度変化>");
    CoolBagDataTable({cursor.margin, cursor.row + 60}, 5);
    StepReveal();
    NewRow(60, ink::emphasis, "Q どのようにして調べますか?", -36);
    StepReveal();
    NewRow(50, ink::heading, "① 表で、10分ごとの温度の変化から10℃になる時間を調べる。");
    StepReveal();
    NewRow(50, ink::heading, "② 点をとって、グラフで10℃になる時間を調べる。");
}

// ---- Topic 2: the table method, and its hint -------------------------------------------

Point Plover::CoolBagTableSteps(bool labelled) {
    CoolBagHeading("表で調べよう。");
    const Point table{cursor.margin, cursor.row + 60};
    CoolBagDataTable(table, 6);
    StepReveal();
    NewRow(120, ink::text, "①10分ごとの温度の変化は?", -36);
    StepReveal();
    for (int k = 1; k <= 4; ++k) {
        StepReveal();
        CoolBagArc(table, k, labelled ? kIncreases[k - 1] : "");
    }
    return table;
}

void Plover::CoolBagTableMethod() {
    const Point table = CoolBagTableSteps(true);
    StepReveal();
    Next(ink::emphasis, " およそ0.6℃ずつ上がっている。");
    StepReveal();
    NewRow(50, ink::heading, "変化の割合が一定と考えられる。");
    StepReveal();
    NewRow(50, ink::emphasis, "②変化の割合は?　", -36);
    StepReveal();
    Next(ink::text, "0.6/10=");
    Next(ink::answer, "0.06  ");
    StepReveal();
    NewRow(50, ink::text, "③7.6℃から10℃までの差は?　", -36);
    StepReveal();
    Next(ink::text, "10-7.6=");
    Next(ink::answer, "2.4  ");
    CoolBagArc(table, 5, kIncreases[4], ink::heading);
    StepReveal();
    NewRow(50, ink::heading, "④10℃になるのは?", -36);
    StepReveal();
    NewRow(50, ink::emphasis, "2.4℃上がるのは ");
    StepReveal();
    Next(ink::text, "2.4/0.06=");
    Next(ink::answer, "40(分)  ");
    StepReveal();
    NewRow(50, ink::emphasis, "10℃になるのは ");
    StepReveal();
    Next(ink::text, "60+40=");
    Next(ink::answer, "100(分)  ");
    CoolBagAnswerCell(table);
}

void Plover::CoolBagTableHint() { CoolBagTableSteps(false); }

// ---- Topic 3: the graph method, and its hint -------------------------------------------

Lesson::PlaneView Plover::CoolBagGraphSteps() {
    CoolBagHeading("グラフで調べよう。");
    const Point table{cursor.margin, cursor.row + 60};
    CoolBagDataTable(table, 5);
    const PlaneView plane = CoolBagPlane();
    StepReveal();
    Put(40, table.y + kRowHeight + 60, ink::text, "①点をうつと ");
    StepReveal();
    for (int k = 1; k <= 5; ++k) {
        CoolBagPoint(plane, k);
        StepReveal();
    }
    return plane;
}

void Plover::CoolBagGraphMethod() {
    const PlaneView plane = CoolBagGraphSteps();
    StepReveal();
    Next(ink::emphasis, "ほぼ1つの直線上に並んでいる。");
    StepReveal();
    Put(38, cursor.row + 60, ink::heading, "②直線をひく。");
    StepReveal();
    CoolBagLine(plane);
    StepReveal();
    Put(38, cursor.row + 60, ink::emphasis, "③y=10 のときの xの値を読む。");
    StepReveal();
    NewRow(50, ink::emphasis, "y=10のとき ");
    CoolBagReadingAcross(plane);
    StepReveal();
    CoolBagReadingDown(plane);
    Next(ink::answer, "x=100");
    Put(38, cursor.row + 60, ink::answer, "10℃になるのは100分後");
}

void Plover::CoolBagGraphHint() { CoolBagGraphSteps(); }

// ---- Topic 4: the equation method -------------------------------------------------------

void Plover::CoolBagEquationMethod() {
    CoolBagHeading("式で調べよう。");
    const Point table{cursor.margin, cursor.row + 60};
    CoolBagDataTable(table, 6, "x(分)", "y(℃)");
    for (int k = 1; k <= 4; ++k) CoolBagArc(table, k, kIncreases[k - 1]);
    StepReveal();
    NewRow(120, ink::heading, "①変化の割合は?　", -36);
    StepReveal();
    Next(ink::text, "0.6/10=");
    Next(ink::answer, "0.06  ");
    StepReveal();
    NewRow(60, ink::heading, "②式は?　", -36);
    StepReveal();
    Next(ink::emphasis, "y=0.06x+b");
    Next(ink::text, "とする。");
    StepReveal();
    NewRow(50, ink::emphasis, "x=50,y=7.0 を代入して");
    StepReveal();
    NewRow(50, ink::text, "7=0.06*50+b ");
    StepReveal();
    Next(ink::text, "7=3+b ");
    StepReveal();
    Next(ink::text, "b=7-3=4 ");
    StepReveal();
    Next(ink::emphasis, "y=0.06x+4 ");
    StepReveal();
    NewRow(50, ink::heading, "③10℃になる時間は?　", -36);
    StepReveal();
    Next(ink::emphasis, " y=10 を代入して");
    StepReveal();
    NewRow(50, ink::text, "10=0.06x+4");
    StepReveal();
    NewRow(50, ink::text, "0.06x=10-4=6 ");
    Next(ink::answer, "x=100");
}

// ---- Topic 5: the summary ----------------------------------------------------------------

void Plover::CoolBagSummary() {
    TopicScreen(area::wide, 76);
    PenWidth(5);
    // Six columns reach the plane of the graph method: the table stands a
    // little left of the margin, so that its right rule keeps clear of the
    // scale number 10.
    const Point table{34, 30};
    CoolBagDataTable(table, 6);
    StepReveal();
    Put(40, cursor.row + 107, ink::text, "①");
    Next(ink::emphasis, "変化の割合は　");
    StepReveal();
    for (int k = 1; k <= 5; ++k) CoolBagArc(table, k, kIncreases[k - 1], ink::text, -10);
    StepReveal();
    Next(ink::text, "0.6/10=");
    Next(ink::answer, "0.06  ");
    StepReveal();
    NewRow(50, ink::emphasis, "2.4℃上がるのは ");
    Next(ink::text, "2.4/0.06=");
    Next(ink::answer, "40(分)  ");
    StepReveal();
    NewRow(50, ink::emphasis, "10℃になるのは ");
    Next(ink::text, "60+40=");
    Next(ink::answer, "100(分)  ");
    CoolBagAnswerCell(table);
    StepReveal();
    const PlaneView plane = CoolBagPlane();
    // Sections 52 apart, not 60, from 107 under the table: the last row stays above the status band.
    NewRow(52, ink::text, "②グラフでは、", -36);
    StepReveal();
    for (int k = 1; k <= 5; ++k) CoolBagPoint(plane, k);
    StepReveal();
    Next(ink::emphasis, "直線になる。");
    CoolBagLine(plane);
    StepReveal();
    NewRow(50, ink::emphasis, "y=10のとき ");
    CoolBagReadingAcross(plane);
    StepReveal();
    CoolBagReadingDown(plane);
    Next(ink::answer, "x=100");
    StepReveal();
    NewRow(52, ink::text, "③直線の式は、", -36);
    StepReveal();
    Next(ink::emphasis, "y=0.06x+4");
    StepReveal();
    NewRow(50, ink::emphasis, "y=10を代入して ");
    Next(ink::text, "10=0.06x+4 ");
    Next(ink::answer, "x=100");
    StepReveal();
    NewRow(52, ink::heading, "Q 何と何の間にどんな関係があるとみなしましたか?", -36);
    StepReveal();
    NewRow(50, ink::answer, "温度は時間の1次関数とみなして考えた。");
}

}  // namespace lesson
