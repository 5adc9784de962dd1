// Chapter 2: what a linear function is, taught on boiling water, a filling
// container, a burning incense stick and textbook exercises.
#include <string_view>

#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kLinearFunction{
    .goal = {"1次関数の意味を知り、式に表そう。"},
    .goalClears = true,
    .choices = "①58Qお湯　②60Q　③問1,2　④意味　⑤例１　⑥例2　⑦問３　⑧問4　⑨終了",
    .topics = {
        &Kestrel::BoilingWaterQuestion,
        &Kestrel::BoilingWaterEquation,
        &Kestrel::BoilingWaterAnswers,
        &Kestrel::LinearFunctionDefinition,
        &Kestrel::WaterDepthExample,
        &Kestrel::IncenseExample,
        &Kestrel::PetrolAnswer,
        &Kestrel::SquareRectangleExercise,
    },
};

// ---- Boiling water ----------------------------------------------------------------

void Kestrel::BoilingWaterQuestion() {
    TopicScreen(1600, 1800, 40);
    PenWidth(5);
    Put(40, 30, 7, "お湯を沸かすとき、中火と強火ではどちらが安い？");

    struct GasRow {
        Num fill;
        std::string_view flame, cost;
    };
    static constexpr GasRow gasCosts[] = {
        {13, "火力", "ガス代(1時間)"},
        {15, "強火(2.97kW)", "約36円"},
        {11, "中火(1.68kW)", "約20円"},
        {15, "弱火(0.38kW)", "約5円"},
    };
    Num rowTop = B2_row + 60;
    for (const GasRow& row : gasCosts) {
        const CellStyle cell{360, 55, 3, row.fill, 0};
        Cell(B1, rowTop, cell, row.flame);
        Cell(B1 + 360, rowTop, cell, row.cost);
        rowTop += 55;
    }

    StepReveal();
    NewRow(120, 3, "沸くまでの時間がわかれば比べられる。");
    StepReveal();
    NewRow(100, 7, "時間を知るために、水の温度の上がり方を調べよう。");

    StepReveal();
    TopicScreen(1600, 1800, 38);
    PenWidth(5);
    Put(38, 30, 5, "強火のときの温度の上がり方は？");

    struct HeatRow {
        Num fill;
        std::string_view head, values[3];
    };
    static constexpr HeatRow heating[] = {
        {15, "時間(分)", {"0", "1", "2"}},
        {13, "温度(℃)", {"20.0", "28.0", "36.0"}},
        {15, "時間(分)", {"3", "4", "5"}},
        {13, "温度(℃)", {"44.1", "52.1", "60.0"}},
    };
    rowTop = B2_row + 60;
    for (const HeatRow& row : heating) {
        Cell(B1, rowTop, {152, 50, 3, row.fill, 0}, row.head);
        for (int k = 1; k <= 3; ++k) {
            Cell(190 + 114 * static_cast<Num>(k - 1), rowTop, {114, 50, 3, row.fill, 0}, row.values[k - 1]);
        }
        rowTop += 50;
    }

    StepReveal();
    NewRow(50, 3, "1分間におよそ8.0℃ずつ上がっている。");
    StepReveal();
    NewRow(50, 7, "時間と温度の関係は？比例、反比例？");
    StepReveal();
    NewRow(50, 3, "どちらでもない。");
    StepReveal();
    StepReveal();
    DrawHeatingPlane();
    for (int minute = 0; minute <= 5; ++minute) {
        StepReveal();
        PointAt(static_cast<Num>(minute), static_cast<Num>(8 * minute + 20), 6, 3, 1, 4);
    }
    StepReveal();
    StepReveal();
    NewRow(50, 7, "点をとった図の特徴は？");
    StepReveal();
    XJ1 = 0;
    YJ1 = 10;
    t0000 = 1;
    GGX = 4;
    GraphOf(3, 8, 20, 3, "");
    StepReveal();
    NewRow(50, 3, "点が一直線上に並んでいる。");
    StepReveal();
    NewRow(50, 7, "水の温度は何にともなって変化していますか？");
    StepReveal();
    NewRow(50, 3, "熱し始めてからの時間");
}

void Kestrel::DrawHeatingPlane() {
    // One grid step is a minute across and 4 degrees up; the plane is laid out
    // in steps and numbered in values.
    PlaneAt(880, 60, 0, 17, 0, 26, 20, 10, -1);
    t0000 = 1;
    GGX = 4;
    LabelAxisScales();
    TableText(TATE + 16 * NAKA, t0001, 0, "分");
    TableText(TATE - 50, t0001 - 28 * NAKA, 0, "℃");
}

void Kestrel::BoilingWaterEquation() {
    TopicScreen(1600, 1800, 38);
    PenWidth(5);
    DrawHeatingPlane();
    XJ1 = 0;
    YJ1 = 10;
    t0000 = 1;
    GGX = 4;
    GraphOf(3, 8, 20, 3, "");

    Put(38, 30, 7, "x分後の水の温度をy℃として、");
    NewRow(50, 7, "　yをxの式で表してみよう。");
    StepReveal();
    NewRow(50, 0, "1分間に8℃上がるからx分間では、");
    StepReveal();
    Next(3, "8x℃");
    StepReveal();
    NewRow(50, 0, "最初の水の温度は、");
    StepReveal();
    Next(3, "20℃");
    StepReveal();
    NewRow(50, 0, "したがって、");
    Next(5, "y=");
    StepReveal();
    Next(5, "8x+20");
    StepReveal();
    NewRow(60, 7, "yはxの関数といえますか？");
    StepReveal();
    Next(5, "いえる", 30);
    StepReveal();
    NewRow(60, 7, "80℃になるのは、熱し始めてから何分後ですか？");
    StepReveal();
    NewRow(50, 0, "x分後に80℃になるとすると、");
    NewRow(50, 0, "y=8x+20　だから");
    StepReveal();
    Next(0, "80=8x+20", 38);
    StepReveal();
    NewRow(50, 3, "8x+20=80");
    StepReveal();
    NewRow(50, 0, "8x=80-20=60");
    NewRow(50, 3, "x=7.5");
    Next(5, "7.5分後", 80);
    StepReveal();
    Next(7, "教科書P60 問1をしなさい。", 80);
}

void Kestrel::BoilingWaterAnswers() {
    TopicScreen(1320, 1300, 114);
    Put(114, 30, 3, "教科書P60 問1　解答");
    StepReveal();
    NewRow(50, 0, "(1)60℃上がるのに 12分かかったから", -76);
    NewRow(50, 0, "60/12=5 1分間に");
    Next(5, "5℃");
    Next(0, "ずつ上がる。");
    StepReveal();
    NewRow(70, 0, "(2)1分間に5℃ずつ上がるからx分間では、", -76);
    Next(3, "5x℃");
    NewRow(50, 0, "最初の水の温度は、");
    Next(3, "20℃");
    NewRow(50, 0, "したがって、");
    Next(5, "y=5x+20");
    StepReveal();
    NewRow(70, 7, "教科書P60 問2をしなさい。", -76);
    StepReveal();
    NewRow(50, 0, "80℃になるまで強火は7.5分、中火は12分かかるから");
    StepReveal();
    NewRow(70, 0, "強火は　ﾀ36/60ﾀ*7.5=");
    StepReveal();
    Next(3, "4.5(円)");
    StepReveal();
    Next(0, "中火は　ﾀ20/60ﾀ*12=", 40);
    StepReveal();
    Next(3, "4(円)");
    StepReveal();
    NewRow(70, 0, "したがって、");
    Next(5, "中火の方がガス代が安くなる。");
}

// ---- Definition ---------------------------------------------------------------------

void Kestrel::LinearFunctionDefinition() {
    TopicScreen(1760, 1800, 76);
    PenWidth(5);
    Rt().line(38, 16, 38 + 532, 16 + 275, 5, 1);

    Put(76, 30, 3, "<１次関数の意味>");
    NewRow(50, 0, "2つの変数x,yについて、");
    NewRow(50, 5, "y=ax+b");
    Next(0, "(yがxの1次式)");
    NewRow(50, 0, "と表すことができるとき");
    NewRow(50, 5, "yはxの１次関数");
    Next(0, "であるという。");

    StepReveal();
    NewRow(70, 3, "ax");
    Next(0, "…xに比例する部分");
    NewRow(50, 3, " b");
    Next(0, "…定数の部分");

    StepReveal();
    B1 = 646;
    B2_row = 30;
    NewRow(30, 3, "課 次の関数で、１次関数はどれですか。", -38);
    NewRow(60, 0, "①y=8x+20 ②y=-ﾀ6/xﾀ");
    NewRow(60, 0, "③y=-2x+5 ④y=-2x");

    StepReveal();
    NewRow(50, 5, "答　①,③,④");
}

// ---- Water depth ----------------------------------------------------------------------

void Kestrel::WaterDepthExample() {
    TopicScreen(1320, 1300, 38);
    Put(38, 30, 0, "例１　深さ3cmのところまで水が入っている。");
    NewRow(50, 0, "1分間に深さが2cmずつ増加する。");
    NewRow(50, 0, "x分後の深さをycmとするとき、");
    NewRow(50, 0, "①yをxの式で表しなさい。");
    NewRow(50, 0, "②１次関数ですか。");
    NewRow(50, 3, "<解答>");
    SetupDepthFigure();
    DrawDepthScale();

    // The water rises from the 3 cm level: 1, 2, 3 and 4 minutes, then x minutes.
    for (Num rise : {2.0f, 4.0f, 6.0f, 8.0f, 15.0f}) {
        StepReveal();
        PenWidth(3);
        Rt().line(GY5(7), t0014(7), GY5(7) + 10 * NAKA, t0014(7) - rise * NAKA, 0, 2, 11);
        DrawDepthScale();
    }
    Label(GY5(1) + 3 * NAKA, t0014(3) + 3 * NAKA, 0, "x分後");
    ArcOver(GY5(8), t0014(8), GY5(1), t0014(1), 20, 1, 4, 3, 0, "y㎝");
    B1 = 76;

    const Num wallX = 10 * NAKA;  // from the left wall to the right one
    StepReveal();
    NewRow(50, 0, "①1分間に2cm深くなるからx分間では、", -38);
    StepReveal();
    Next(3, "2xcm");
    ArcOver(GY5(8) + wallX, t0014(8), GY5(7) + wallX, t0014(7), 20, 1, 4, 3, 0, "2x㎝");
    StepReveal();
    NewRow(50, 0, "最初の深さは、");
    StepReveal();
    Next(3, "3cm");
    ArcOver(GY5(7) + wallX, t0014(7), GY5(1) + wallX, t0014(1), 20, 1, 12, 3, 13, "3㎝");
    StepReveal();
    NewRow(50, 0, "したがって、");
    Next(5, "y=");
    StepReveal();
    Next(5, "2x+3");
    StepReveal();
    NewRow(50, 0, "②y=ax+b の形で表されるから、", -38);
    StepReveal();
    Next(5, "1次関数である。");
}

void Kestrel::SetupDepthFigure() {
    GridFrame(968, 60, 12, 20, 25);
    NO = 0;
    TKAI2 = 14;

    // Points in grid steps from the container's bottom-left corner.
    static constexpr Num points[8][2] = {
        {0, 0}, {10, 0}, {10, 20}, {0, 20}, {1, 0}, {1, 11}, {0, 3}, {0, 18},
    };
    for (int k = 1; k <= 8; ++k) StorePlanePoint(k, points[k - 1][0], points[k - 1][1]);

    PenWidth(3);
    Rt().line(GY5(1), t0014(1), GY5(1) + 10 * NAKA, t0014(1) - 3 * NAKA, 0, 2, 10);
    PenWidth(5);
    static constexpr int walls[3][2] = {{1, 2}, {2, 3}, {1, 4}};
    for (const auto& wall : walls) {
        Rt().line(GY5(wall[0]), t0014(wall[0]), GY5(wall[1]), t0014(wall[1]), 0);
    }
}

void Kestrel::DrawDepthScale() {
    PenWidth(5);
    Rt().line(GY5(5), t0014(5), GY5(6), t0014(6), 5);
    for (int cm = 1; cm <= 10; ++cm) {
        const Num y = t0014(1) - static_cast<Num>(cm) * NAKA;
        Rt().line(GY5(1), y, GY5(1) + NAKA, y, 5);
    }
    for (int k = 1; k <= 2; ++k) {
        const Num y = t0014(5) - static_cast<Num>(5 * k) * NAKA;
        Rt().line(GY5(5), y, GY5(5) + NAKA, y, 5);
    }
}

// ---- Incense stick ----------------------------------------------------------------------

void Kestrel::IncenseExample() {
    TopicScreen(1320, 1300, 38);
    Put(38, 30, 0, "例2　長さ16cmの線香に火をつけると、");
    NewRow(50, 0, "1分間に0.5cmずつ短くなる。");
    NewRow(50, 0, "x分後の長さをycmとするとき、");
    NewRow(50, 0, "①yをxの式で表しなさい。");
    NewRow(50, 0, "②１次関数ですか。");
    NewRow(50, 3, "<解答>");
    SetupIncenseFigure();

    const Num stickX = GY5(4), stickTop = t0014(4), foot = t0014(1);
    const Num labelX = GY5(5), labelY = t0001 - 19 * NAKA;
    StepReveal();
    PenWidth(15);
    Rt().line(stickX, stickTop, stickX, foot, 8);

    StepReveal();
    for (int minute = 1; minute <= 16; ++minute) {
        Rt().line(stickX, stickTop, stickX, stickTop + 12.5f * static_cast<Num>(minute), 14);
        Label(labelX, labelY, 0, NumberText(static_cast<Num>(minute)) + "分後");
        StepReveal();
        EraseBox(968, 85, 968 + 1140, 85 + 60);
    }
    PenWidth(15);
    Rt().line(stickX, stickTop, stickX, t0014(6), 14);
    Label(labelX, labelY, 0, "x分後");
    PenWidth(5);
    ArcOver(GY5(6), t0014(6), stickX, foot, 20, -1, 4, 3, 0, "y㎝");
    B1 = 76;

    StepReveal();
    NewRow(50, 0, "①1分間に0.5cm短くなるからx分間では、", -38);
    StepReveal();
    Next(3, "-0.5xcm");
    ArcOver(GY5(6), t0014(6), GY5(4), t0014(4), 20, 1, 4, 3, 0, "0.5x㎝");
    StepReveal();
    NewRow(50, 0, "最初の長さは、");
    StepReveal();
    Next(3, "16cm");
    ArcOver(GY5(3), t0014(3), GY5(3), foot, 20, 1, 5, 3, 0, "16㎝", 50);
    StepReveal();
    NewRow(50, 0, "したがって、");
    Next(5, "y=");
    StepReveal();
    Next(5, "16-0.5x");
    StepReveal();
    NewRow(50, 0, "②y=ax+b の形で表されるから、", -38);
    StepReveal();
    Next(5, "1次関数である。");
    StepReveal();
    Put(44, B2_row + 90, 3, "教科書P61 問3　をしなさい。");
}

void Kestrel::SetupIncenseFigure() {
    GridFrame(968, 60, 12, 20, 25);
    NO = 0;
    TKAI2 = 14;

    // Points in centimetres from the base plate's left end.
    static constexpr struct {
        int entry;
        Num u, v;
    } points[] = {{1, 0, 0}, {3, 1, 16}, {4, 5, 16}, {5, 3, 16}, {6, 5, 7}};
    for (const auto& p : points) StorePlanePoint(p.entry, p.u, p.v);

    const Num foot = t0014(1);
    PenWidth(3);
    Rt().line(GY5(1), foot, GY5(1) + 8 * NAKA, foot + 0.5f * NAKA, 0, 2, 12);
    PenWidth(15);
    Rt().line(GY5(3), t0014(3), GY5(3), foot, 8);
    PenWidth(3);
    const Num spineX = GY5(5);
    Rt().line(spineX, t0014(5), spineX, foot, 5);
    for (int cm = 1; cm <= 16; ++cm) {
        const Num y = foot - NAKA * static_cast<Num>(cm);
        Rt().line(spineX - NAKA / 2, y, spineX + NAKA / 2, y, 5);
    }
    for (int k = 1; k <= 3; ++k) {
        const Num y = foot - 5 * NAKA * static_cast<Num>(k);
        Rt().line(spineX - NAKA, y, spineX + NAKA, y, 5);
    }
}

// ---- Textbook exercises --------------------------------------------------------------------

void Kestrel::PetrolAnswer() {
    TopicScreen(1320, 1300, 114);
    Put(114, 30, 3, "教科書P61 問3　解答");
    NewRow(50, 0, "1km走るのにガソリン0.1L使うからxkmでは、");
    Next(3, "-0.1xL");
    StepReveal();
    NewRow(50, 0, "最初のガソリンの量は、");
    Next(3, "40L");
    StepReveal();
    NewRow(50, 0, "したがって、");
    Next(5, "y=-0.1x+40");
    StepReveal();
    NewRow(150, 3, "教科書P61 問4　をしなさい。", -70);
}

void Kestrel::SquareRectangleExercise() {
    TopicScreen(1320, 1300, 114);
    Put(B1 - 76, 30, 3, "問4(1)");
    Next(0, "1辺がxcmの正方形の");
    NewRow(50, 0, "周の長さをycmとするとき、");
    NewRow(50, 0, "①yをxの式で表しなさい。");
    NewRow(50, 0, "②１次関数ですか。");
    NewRow(50, 3, "<解答>");
    StepReveal();
    NewRow(50, 0, "①周の長さは、4*x=", -38);
    Next(3, "4x (cm) ");
    StepReveal();
    NewRow(50, 0, "したがって、");
    Next(5, "y=4x");
    StepReveal();
    NewRow(50, 0, "②y=ax+b のb=0　の形だから、", -38);
    StepReveal();
    NewRow(50, 5, "1次関数である。");
    StepReveal();
    NewRow(50, 3, "比例の式y=ax は", -76);
    NewRow(50, 3, "1次関数y=ax+b の特別な場合", -76);

    StepReveal();
    B1 = 722;
    B2_row = 30;
    Put(B1 - 76, 30, 3, "(2) ");
    Next(0, "面積が24cm^2の長方形の");
    NewRow(50, 0, "縦をxcm,横をycmとするとき、");
    NewRow(50, 0, "①yをxの式で表しなさい。");
    NewRow(50, 0, "②１次関数ですか。");
    NewRow(50, 3, "<解答>");
    StepReveal();
    NewRow(50, 0, "①x*y=24　だから", -38);
    StepReveal();
    NewRow(60, 5, "y=ﾀ24/xﾀ");
    StepReveal();
    NewRow(50, 0, "②y=ax+b の形ではないから、", -38);
    StepReveal();
    NewRow(50, 5, "1次関数ではない。");
}

}  // namespace lesson
