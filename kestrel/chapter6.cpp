// Chapter 6: one linear function as equation, table and graph; increasing and
// decreasing functions; graphs of slopes and intercepts the pupil types.
#include <string_view>

#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kTableEquationGraph{
    .goal = {"1次関数の表、式、グラフの関係をまとめよう。"},
    .choices = "①式表グラフ　②増加　③減少　④問７　⑤終了",
    .topics = {
        &Kestrel::ThreeFormsCoefficients,
        &Kestrel::IncreasingFunctionTopic,
        &Kestrel::DecreasingFunctionTopic,
        &Kestrel::ParameterGraphExplorer,
    },
};

// ---- a and b in three forms ------------------------------------------------------

void Kestrel::ThreeFormsCoefficients() {
    TopicScreen(1320, 1300, 76);
    PenWidth(5);
    Put(B1 - 38, B2_row, 0, "問　1次関数y=ax+b の");
    Next(3, "a,b");
    Next(0, "をいいなさい。");
    Put(B1 - 38, B2_row + 60, 0, "(1) y=2x+3");

    GY5(1) = B1;
    GY5(2) = 874;
    t0014(1) = B2_row + 50;
    t0014(2) = t0014(1) + 100 + 30;
    t0014(3) = t0014(2) + 100 + 80;
    t0014(4) = t0014(3) - 100;
    Put(B1 - 38, t0014(2), 0, "(2)");

    GY5(11) = GY5(1) + 40;
    GY5(12) = GY5(11) + 60;
    GY5(13) = GY5(12) + 180 + 15;
    t0014(11) = t0014(2);
    t0014(12) = t0014(11) + 50;
    t0014(13) = t0014(12) + 50;
    for (int k = 1; k <= 5; ++k) GY5(13 + k) = GY5(12) + 30 + 60 * static_cast<Num>(k);

    static constexpr std::string_view table[2][8] = {
        {"x", "…", "-2", "-1", "0", "1", "2", "…"},
        {"y", "…", "-1", "1", "3", "5", "7", "…"},
    };
    const CellStyle cell{60, 50, 0, 15, 0};
    for (int row = 0; row < 2; ++row) {
        for (int k = 1; k <= 8; ++k) {
            Cell(GY5(11) + 60 * static_cast<Num>(k - 1), t0014(11 + row), cell, table[row][k - 1]);
        }
    }

    // The sketch is drawn with slope 1.5 so that it fits the small plane; its
    // triangle is still labelled 1 and 2.
    PlaneAt(GY5(2), t0014(1) - 100, -2, 4, -2, 8, 30, 0);
    const Num a = 1.5f, b = 3;
    GraphOf(3, a, b, 3, "");
    Label(TATE - 135, ZX, 0, "(3)");
    PointAt(0, 3, 8, 0);
    Put(TATE - 135, t0001 - 3.5f * NAKA, 0, "(0,");
    GY5(7) = DSM1;
    t0014(7) = DSM2;
    Label(GY5(7), t0014(7), 0, "3)");

    ZY = TATE + 0.5f * NAKA;
    AA1 = t0001 - (a * 0.5f + b) * NAKA;
    GY3 = TATE + 2.5f * NAKA;
    HIDARI = t0001 - (a * 2.5f + b) * NAKA;
    ArrowTo(ZY, AA1, GY3, AA1, 0);
    ArrowTo(GY3, AA1, GY3, HIDARI, 0);
    Label((ZY + GY3) / 2 - 14, AA1, 0, "1");
    const Num riseLabelY = (AA1 + HIDARI) / 2 - 16;
    Label(GY3, riseLabelY, 0, "2");

    // Under the equation.
    StepReveal();
    Put(GY5(1), t0014(1), 0, "a=");
    StepReveal();
    Next(5, "2 ");
    Next(3, "変化の割合 ");
    StepReveal();
    NewRow(50, 0, "b=");
    StepReveal();
    Next(5, "3 ");
    Next(3, "x=0のときのyの値");

    // Under the table.
    StepReveal();
    Put(GY5(1), t0014(3), 0, "a=");
    StepReveal();
    Next(5, "2 ");
    Next(3, "xが1増加したときのyの増加量");
    for (int k = 14; k <= 17; ++k) ArcOver(GY5(k), t0014(13), GY5(k + 1), t0014(13), 20, 1, 15, 3, 5, "2");
    StepReveal();
    NewRow(50, 0, "b=");
    StepReveal();
    Next(5, "3 ");
    Next(3, "x=0のときのyの値");
    Label(GY5(13), t0014(12) + 2, 5, "3");

    // Under the graph.
    StepReveal();
    Put(GY5(2), t0014(4), 0, "a=");
    StepReveal();
    Next(5, "2 ");
    Next(3, "傾き");
    Label(GY3, riseLabelY, 5, "2");
    StepReveal();
    Put(GY5(2), B2_row + 50, 0, "b=");
    StepReveal();
    Next(5, "3 ");
    Next(3, "切片");
    Label(GY5(7), t0014(7), 5, "3");
}

// ---- Increasing and decreasing --------------------------------------------------------

struct Kestrel::IncreaseDecreaseCase {
    std::string_view task, graphLabel;
    Num a;
    Num points[5][2];  // arrow ends in values: 1 -> 2, 2 -> 3, 4 -> 5
    Num answerColour;
    std::string_view answer;
    Num ruleColour;
    std::string_view rule, generalRule;
    bool assignment;  // the textbook assignment after one more key
};

void Kestrel::IncreasingFunctionTopic() {
    static constexpr IncreaseDecreaseCase rising{
        "課3 1次関数 y=x+2 で、xが増加するとき、",
        "y=x+2",
        1,
        {{-3, -1}, {3, -1}, {3, 5}, {-3, 0}, {2, 5}},
        3,
        "増加する",
        5,
        "右上がりは増加",
        "a>0のとき、右上がりで増加",
        false,
    };
    IncreaseDecreaseScreen(rising);
}

void Kestrel::DecreasingFunctionTopic() {
    static constexpr IncreaseDecreaseCase falling{
        "課4 1次関数 y=-x+2 で、xが増加するとき、",
        "y=-x+2",
        -1,
        {{-3, 5}, {3, 5}, {3, -1}, {-3, 3}, {2, -2}},
        5,
        "減少する",
        3,
        "右下がりは減少",
        "a<0のとき、右下がりで減少",
        true,
    };
    IncreaseDecreaseScreen(falling);
}

void Kestrel::IncreaseDecreaseScreen(const IncreaseDecreaseCase& c) {
    TopicScreen(1320, 1300, 60);
    PenWidth(5);
    Put(B1 - 30, B2_row, 0, c.task);
    NewRow(50, 0, "yの増減をいいなさい。");

    PlaneAt(792, 120, -4, 4, -6, 6, 30, 10, 1);
    for (int k = 1; k <= 5; ++k) StorePlanePoint(k, c.points[k - 1][0], c.points[k - 1][1]);
    GraphOf(3, c.a, 2, 3, "");
    Label(GY1, ZX, 0, c.graphLabel);

    auto arrow = [&](int tail, int head, Num colour) {
        ArrowTo(GY5(tail), t0014(tail), GY5(head), t0014(head), colour);
    };
    StepReveal();
    PenWidth(6);
    arrow(1, 2, 7);
    StepReveal();
    arrow(2, 3, 7);
    StepReveal();
    NewRow(70, c.answerColour, c.answer);
    StepReveal();
    NewRow(70, c.ruleColour, c.rule);
    arrow(4, 5, 5);
    StepReveal();
    NewRow(70, 5, c.generalRule);
    PenWidth(3);
    if (c.assignment) {
        StepReveal();
        Put(38, 550, 3, "教科書P65 問8 をしなさい。");
    }
}

// ---- Typed slope and intercept -----------------------------------------------------------

// Every typed value adds its line to the one plane; an intercept must lie on
// the plane's y axis. DrawGraph tests each dot against the plane before
// drawing it, so even the largest slope the entry takes draws only dots inside.
void Kestrel::TypedValueGraphLoop(std::string_view prompt, bool slopeTyped, Num colour) {
    RandomExerciseLoop([&] {
        do {
            KKAI_s = ScreenText(prompt);
            AskChoice();
            ClearPromptBand();
            F(1) = DefinedOrZero(AINP);
        } while (!slopeTyped && (F(1) < -10 || F(1) > 10));
        if (slopeTyped)
            GraphOf(3, F(1), 2, colour, "");
        else
            GraphOf(3, 2, F(1), colour, "");
    });
}

void Kestrel::ParameterGraphExplorer() {
    TopicScreen(1320, 1300, 40);
    PenWidth(5);
    Put(B1, B2_row, 0, "P70 問7 1次関数 ");
    Next(3, "y=ax+b で、");
    NewRow(50, 0, "(1)");
    Next(3, "b=2");
    Next(0, "として");
    NewRow(50, 3, "aの値を変化させたグラフでの気づき");
    PlaneAt(680, 50, -10, 10, -10, 10, 25, 1);

    TypedValueGraphLoop("aの値を入力して下さい。(整数か小数)", true, 3);

    StepReveal();
    Put(40, 200, 0, "①つねに点(0,2)を通る。");
    StepReveal();
    Put(40, 250, 0, "②a>0…aを大きくするとy軸に近づく。");
    StepReveal();
    Put(40, 300, 0, "③a<0…aを小さくするとy軸に近づく。");
    StepReveal();
    Put(40, 420, 0, "(2)");
    Next(3, "a=2");
    Next(0, "として");
    TypedValueGraphLoop("bの値を入力して下さい。(整数か小数)", false, 7);

    StepReveal();
    Put(40, 540, 0, "①グラフどうしはつねに平行。");
}

}  // namespace lesson
