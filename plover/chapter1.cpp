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

}  // namespace

const Chapter<Plover> Plover::kCoolBag{
    .goal = {"保冷バックに入れた飲み物が、10℃以下に保てる時間を考えよう。"},
    .goalClears = true,
    .choices = "①P83Q問題　②表　③グラフ　④式　⑤まとめ　⑥表ヒント　⑦グラフヒント　⑧終了",
    .topics = {
        &Plover::CoolBagQuestion,
        &Plover::CoolBagTableMethod,
        &Plover::CoolBagGraphMethod,
        &Plover::CoolBagEquationMethod,
        &Plover::CoolBagSummary,
        &Plover::CoolBagTableHint,
        &Plover::CoolBagGraphHint,
    },
};

// ---- The table, the plane and their marks ---------------------------------------

void Plover::CoolBagDataTable(Num left, Num top, int columns, std::string_view timeHead,
                              std::string_view temperatureHead) {
    GY5(11) = left;
    GY5(12) = left + 152;
    t0014(11) = top;
    t0014(12) = top + 50;
    t0014(13) = top + 100;
    struct Row {
        std::string_view head;
        const std::string_view* cells;
        Num top, fill;
    };
    const Row rows[2] = {{timeHead, kTimes, t0014(11), 15}, {temperatureHead, kTemperatures, t0014(12), 13}};
    for (const Row& row : rows) {
        Cell(GY5(11), row.top, {152, 50, 3, row.fill, 0}, row.head);
        for (int k = 1; k <= columns; ++k) {
            Cell(GY5(12) + 105 * static_cast<Num>(k - 1), row.top, {105, 50, 3, row.fill, 0}, row.cells[k - 1]);
        }
    }
}

void Plover::CoolBagAnswerCell() {
    // Drawn over the "?" cell; the text cursor stays on the working row.
    const Num row = B2_row, after = YI1;
    Cell(GY5(12) + 5 * 105, t0014(11), {105, 50, 3, 15, 5}, "100");
    B2_row = row;
    YI1 = after;
}

void Plover::CoolBagArc(int k, std::string_view label, Num labelColour, Num labelDown) {
    // From the middle of data column k to that of column k+1, under the table.
    GY5(1) = GY5(12) + 105 * static_cast<Num>(k - 1) + 52;
    GY5(2) = GY5(1) + 105;
    t0014(1) = t0014(13);
    t0014(2) = t0014(13);
    ArcOver(GY5(1), t0014(1), GY5(2), t0014(2), 20, 1, 11, 3, labelColour, label, labelDown);
}

void Plover::CoolBagPlane() {
    PlaneAt(874, 60, 0, 140, 0, 11, 25, 10, -1, 10, 0.5f);
    t0000 = 10;
    GGX = 0.5f;
    LabelAxisScales();
    PlaneUnits(GY1 - 1.5f * NAGASA, t0001, "分", TATE - 50, ZX, "℃");
}

void Plover::CoolBagPoint(int k) {
    PointAt(static_cast<Num>(20 + 10 * (k - 1)), kTemperatureValues[k - 1], 6, 3, 10, 0.5f);
}

void Plover::CoolBagLine() { LineOnPlane(140, 11, 10, 0.5f, 0.06f, 4, 3); }

void Plover::CoolBagReadingAcross() {
    t0000 = 10;
    GGX = 0.5f;
    GY5(1) = TATE;
    t0014(1) = t0001 - NAKA * 10 / GGX;
    GY5(2) = TATE + NAKA * 100 / t0000;
    t0014(2) = t0014(1);
    ReadingArrow(GY5(1), t0014(1), GY5(2), t0014(2));
    BigDot(GY5(2), t0014(2), 5);
}

void Plover::CoolBagReadingDown() {
    GY5(3) = GY5(2);
    t0014(3) = t0001;
    ReadingArrow(GY5(2), t0014(2), GY5(3), t0014(3));
}

void Plover::CoolBagHeading(std::string_view method) {
    TopicScreen(1600, 1800, 76);
    PenWidth(5);
    Put(76, 30, 3, "いつまで冷たく保てる？");
    Next(0, method, 40);
}

// ---- Topic 1: the question ----------------------------------------------------------

void Plover::CoolBagQuestion() {
    TopicScreen(1600, 1800, 76);
    PenWidth(5);
    Put(76, 30, 0, "飲み物を冷たいと感じる温度は、10℃以下といわれている。");
    Put(40, 80, 3, "Q 気温が30℃のとき、保冷バックに入れた飲み物は、");
    Put(76, 130, 3, "どのくらいの間10℃以下に保てるでしょうか？");
    StepReveal();
    NewRow(60, 0, "<気温が30℃のときの飲み物の温度変化>");
    CoolBagDataTable(B1, B2_row + 60, 5);
    StepReveal();
    NewRow(60, 3, "Q どのようにして調べますか?", -36);
    StepReveal();
    NewRow(50, 7, "① 表で、10分ごとの温度の変化から10℃になる時間を調べる。");
    StepReveal();
    NewRow(50, 7, "② 点をとって、グラフで10℃になる時間を調べる。");
}

// ---- Topic 2: the table method, and its hint -------------------------------------------

void Plover::CoolBagTableSteps(bool labelled) {
    CoolBagHeading("表で調べよう。");
    CoolBagDataTable(B1, B2_row + 60, 6);
    StepReveal();
    NewRow(120, 0, "①10分ごとの温度の変化は?", -36);
    StepReveal();
    for (int k = 1; k <= 4; ++k) {
        StepReveal();
        CoolBagArc(k, labelled ? kIncreases[k - 1] : "");
    }
}

void Plover::CoolBagTableMethod() {
    CoolBagTableSteps(true);
    StepReveal();
    Next(3, " およそ0.6℃ずつ上がっている。");
    StepReveal();
    NewRow(50, 7, "変化の割合が一定と考えられる。");
    StepReveal();
    NewRow(50, 3, "②変化の割合は?　", -36);
    StepReveal();
    Next(0, "0.6/10=");
    Next(5, "0.06  ");
    StepReveal();
    NewRow(50, 0, "③7.6℃から10℃までの差は?　", -36);
    StepReveal();
    Next(0, "10-7.6=");
    Next(5, "2.4  ");
    CoolBagArc(5, kIncreases[4], 7);
    StepReveal();
    NewRow(50, 7, "④10℃になるのは?", -36);
    StepReveal();
    NewRow(50, 3, "2.4℃上がるのは ");
    StepReveal();
    Next(0, "2.4/0.06=");
    Next(5, "40(分)  ");
    StepReveal();
    NewRow(50, 3, "10℃になるのは ");
    StepReveal();
    Next(0, "60+40=");
    Next(5, "100(分)  ");
    CoolBagAnswerCell();
}

void Plover::CoolBagTableHint() { CoolBagTableSteps(false); }

// ---- Topic 3: the graph method, and its hint -------------------------------------------

void Plover::CoolBagGraphSteps() {
    CoolBagHeading("グラフで調べよう。");
    CoolBagDataTable(B1, B2_row + 60, 5);
    CoolBagPlane();
    StepReveal();
    Put(40, t0014(12) + 60, 0, "①点をうつと ");
    StepReveal();
    for (int k = 1; k <= 5; ++k) {
        CoolBagPoint(k);
        StepReveal();
    }
}

void Plover::CoolBagGraphMethod() {
    CoolBagGraphSteps();
    StepReveal();
    Next(3, "ほぼ1つの直線上に並んでいる。");
    StepReveal();
    Put(38, B2_row + 60, 7, "②直線をひく。");
    StepReveal();
    CoolBagLine();
    StepReveal();
    Put(38, B2_row + 60, 3, "③y=10 のときの xの値を読む。");
    StepReveal();
    NewRow(50, 3, "y=10のとき ");
    CoolBagReadingAcross();
    StepReveal();
    CoolBagReadingDown();
    Next(5, "x=100");
    Put(38, B2_row + 60, 5, "10℃になるのは100分後");
}

void Plover::CoolBagGraphHint() { CoolBagGraphSteps(); }

// ---- Topic 4: the equation method -------------------------------------------------------

void Plover::CoolBagEquationMethod() {
    CoolBagHeading("式で調べよう。");
    CoolBagDataTable(B1, B2_row + 60, 6, "x(分)", "y(℃)");
    for (int k = 1; k <= 4; ++k) CoolBagArc(k, kIncreases[k - 1]);
    StepReveal();
    NewRow(120, 7, "①変化の割合は?　", -36);
    StepReveal();
    Next(0, "0.6/10=");
    Next(5, "0.06  ");
    StepReveal();
    NewRow(60, 7, "②式は?　", -36);
    StepReveal();
    Next(3, "y=0.06x+b");
    Next(0, "とする。");
    StepReveal();
    NewRow(50, 3, "x=50,y=7.0 を代入して");
    StepReveal();
    NewRow(50, 0, "7=0.06*50+b ");
    StepReveal();
    Next(0, "7=3+b ");
    StepReveal();
    Next(0, "b=7-3=4 ");
    StepReveal();
    Next(3, "y=0.06x+4 ");
    StepReveal();
    NewRow(50, 7, "③10℃になる時間は?　", -36);
    StepReveal();
    Next(3, " y=10 を代入して");
    StepReveal();
    NewRow(50, 0, "10=0.06x+4");
    StepReveal();
    NewRow(50, 0, "0.06x=10-4=6 ");
    Next(5, "x=100");
}

// ---- Topic 5: the summary ----------------------------------------------------------------

void Plover::CoolBagSummary() {
    TopicScreen(1600, 1800, 76);
    PenWidth(5);
    CoolBagDataTable(40, 30, 6);
    StepReveal();
    Put(40, B2_row + 110, 0, "①");
    Next(3, "変化の割合は　");
    StepReveal();
    for (int k = 1; k <= 5; ++k) CoolBagArc(k, kIncreases[k - 1], 0, -10);
    StepReveal();
    Next(0, "0.6/10=");
    Next(5, "0.06  ");
    StepReveal();
    NewRow(50, 3, "2.4℃上がるのは ");
    Next(0, "2.4/0.06=");
    Next(5, "40(分)  ");
    StepReveal();
    NewRow(50, 3, "10℃になるのは ");
    Next(0, "60+40=");
    Next(5, "100(分)  ");
    CoolBagAnswerCell();
    StepReveal();
    CoolBagPlane();
    NewRow(60, 0, "②グラフでは、", -36);
    StepReveal();
    for (int k = 1; k <= 5; ++k) CoolBagPoint(k);
    StepReveal();
    Next(3, "直線になる。");
    CoolBagLine();
    StepReveal();
    NewRow(50, 3, "y=10のとき ");
    CoolBagReadingAcross();
    StepReveal();
    CoolBagReadingDown();
    Next(5, "x=100");
    StepReveal();
    NewRow(60, 0, "③直線の式は、", -36);
    StepReveal();
    Next(3, "y=0.06x+4");
    StepReveal();
    NewRow(50, 3, "y=10を代入して ");
    Next(0, "10=0.06x+4 ");
    Next(5, "x=100");
    StepReveal();
    NewRow(60, 7, "Q 何と何の間にどんな関係があるとみなしましたか?", -36);
    StepReveal();
    NewRow(50, 5, "温度は時間の1次関数とみなして考えた。");
}

}  // namespace lesson
