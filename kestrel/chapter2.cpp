// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 2: what a linear function is, taught on boiling water, a filling
// container, a burning incense stick and textbook exercises.
#include <string_view>

#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kLinearFunction{
    .goal = {"1次関数の意味を知り、式に表そう。"},
    .goalClears = true,
    .choices = "①58Qお湯　②60Q　③問1,2　④意味　⑤例１　⑥例2　⑦問３　⑧問4　⑨終了",
    .topics = {&Kestrel::BoilingWaterQuestion, &Kestrel::BoilingWaterEquation, &Kestrel::BoilingWaterAnswers,
               &Kestrel::LinearFunctionDefinition, &Kestrel::WaterDepthExample, &Kestrel::IncenseExample,
               &Kestrel::PetrolAnswer, &Kestrel::SquareRectangleExercise},
};

// ---- Boiling water ----------------------------------------------------------------

void Kestrel::BoilingWaterQuestion() {
    TopicScreen(area::wide, 40);
    PenWidth(5);
    Put(40, 30, ink::heading, "お湯を沸かすとき、中火と強火ではどちらが安い？");

    struct GasRow {
        Colour fill;
        std::string_view flame, cost;
    };
    static constexpr GasRow gasCosts[] = {
        {ink::accent, "火力", "ガス代(1時間)"},
        {ink::page, "強火(2.97kW)", "約36円"},
        {ink::paleCyan, "中火(1.68kW)", "約20円"},
        {ink::page, "弱火(0.38kW)", "約5円"},
    };
    Num rowTop = cursor.row + 60;
    for (const GasRow& row : gasCosts) {
        const CellStyle cell{360, 55, ink::emphasis, row.fill, ink::text};
        Cell(cursor.margin, rowTop, cell, row.flame);
        Cell(cursor.margin + 360, rowTop, cell, row.cost);
        rowTop += 55;
    }

    StepReveal();
    NewRow(120, ink::emphasis, "沸くまでの時間がわかれば比べられる。");
    StepReveal();
    NewRow(100, ink::heading, "時間を知るために、水の温度の上がり方を調べよう。");

    StepReveal();
    TopicScreen(area::wide, 38);
    PenWidth(5);
    Put(38, 30, ink::answer, "強火のときの温度の上がり方は？");

    struct HeatRow {
        Colour fill;
        std::string_view head, values[3];
    };
    static constexpr HeatRow heating[] = {
        {ink::page, "時間(分)", {"0", "1", "2"}},
        {ink::accent, "温度(℃)", {"20.0", "28.0", "36.0"}},
        {ink::page, "時間(分)", {"3", "4", "5"}},
        {ink::accent, "温度(℃)", {"44.1", "52.1", "60.0"}},
    };
    rowTop = cursor.row + 60;
    for (const HeatRow& row : heating) {
        Cell(cursor.margin, rowTop, {152, 50, ink::emphasis, row.fill, ink::text}, row.head);
        for (int k = 1; k <= 3; ++k) {
            Cell(190 + 114 * static_cast<Num>(k - 1), rowTop, {114, 50, ink::emphasis, row.fill, ink::text},
                 row.values[k - 1]);
        }
        rowTop += 50;
    }

    StepReveal();
    NewRow(50, ink::emphasis, "1分間におよそ8.0℃ずつ上がっている。");
    StepReveal();
    NewRow(50, ink::heading, "時間と温度の関係は？比例、反比例？");
    StepReveal();
    NewRow(50, ink::emphasis, "どちらでもない。");
    StepReveal();
    StepReveal();
    const PlaneView plane = DrawHeatingPlane();
    for (int minute = 0; minute <= 5; ++minute) {
        StepReveal();
        plane.PointAt(static_cast<Num>(minute), static_cast<Num>(8 * minute + 20),
                      {.radius = 6, .colour = ink::emphasis, .xPerStep = 1, .yPerStep = 4});
    }
    StepReveal();
    StepReveal();
    NewRow(50, ink::heading, "点をとった図の特徴は？");
    StepReveal();
    plane.GraphOf({.a = 8, .b = 20, .colour = ink::emphasis}, {.xFrom = 0, .xTo = 10, .yPerStep = 4});
    StepReveal();
    NewRow(50, ink::emphasis, "点が一直線上に並んでいる。");
    StepReveal();
    NewRow(50, ink::heading, "水の温度は何にともなって変化していますか？");
    StepReveal();
    NewRow(50, ink::emphasis, "熱し始めてからの時間");
}

Lesson::PlaneView Kestrel::DrawHeatingPlane() {
    // One grid step is a minute across and 4 degrees up; the plane is laid out
    // in steps and numbered in values.
    const PlaneView plane = PlaneAt({.left = 880,
                                     .top = 60,
                                     .xFrom = 0,
                                     .xTo = 17,
                                     .yFrom = 0,
                                     .yTo = 26,
                                     .step = 20,
                                     .grid = true,
                                     .scaleNumbers = false});
    plane.ScaleNumbers(1, 4);
    const Point minutes = plane.At(16, 0), degrees = plane.At(0, 28);
    // The axis's unit right of the last scale number, as far from it as
    // numbers keep apart: it names the axis, not that number.
    TableText(minutes.x + 14, minutes.y, ink::text, "分");
    TableText(degrees.x - 50, degrees.y, ink::text, "℃");
    return plane;
}

void Kestrel::BoilingWaterEquation() {
    TopicScreen(area::wide, 38);
    PenWidth(5);
    DrawHeatingPlane().GraphOf({.a = 8, .b = 20, .colour = ink::emphasis},
                               {.xFrom = 0, .xTo = 10, .yPerStep = 4});

    Put(38, 30, ink::heading, "x分後の水の温度をy℃として、");
    NewRow(50, ink::heading, "　yをxの式で表してみよう。");
    StepReveal();
    NewRow(50, ink::text, "1分間に8℃上がるからx分間では、");
    StepReveal();
    Next(ink::emphasis, "8x℃");
    StepReveal();
    NewRow(50, ink::text, "最初の水の温度は、");
    StepReveal();
    Next(ink::emphasis, "20℃");
    StepReveal();
    NewRow(50, ink::text, "したがって、");
    Next(ink::answer, "y=");
    StepReveal();
    Next(ink::answer, "8x+20");
    StepReveal();
    NewRow(60, ink::heading, "yはxの関数といえますか？");
    StepReveal();
    Next(ink::answer, "いえる", 30);
    StepReveal();
    NewRow(60, ink::heading, "80℃になるのは、熱し始めてから何分後ですか？");
    StepReveal();
    NewRow(50, ink::text, "x分後に80℃になるとすると、");
    NewRow(50, ink::text, "y=8x+20　だから");
    StepReveal();
    Next(ink::text, "80=8x+20", 38);
    StepReveal();
    NewRow(50, ink::emphasis, "8x+20=80");
    StepReveal();
    NewRow(50, ink::text, "8x=80-20=60");
    // The last row stands 5 up, clear of the status band; the exercise's
    // text ends 10 short of the origin's "0" above it.
    NewRow(45, ink::emphasis, "x=7.5");
    Next(ink::answer, "7.5分後", 80);
    StepReveal();
    Next(ink::heading, "教科書P60 問1をしなさい。", 20);
}

void Kestrel::BoilingWaterAnswers() {
    TopicScreen(area::text, 114);
    Put(114, 30, ink::emphasis, "教科書P60 問1　解答");
    StepReveal();
    NewRow(50, ink::text, "(1)60℃上がるのに 12分かかったから", -76);
    NewRow(50, ink::text, "60/12=5 1分間に");
    Next(ink::answer, "5℃");
    Next(ink::text, "ずつ上がる。");
    StepReveal();
    NewRow(70, ink::text, "(2)1分間に5℃ずつ上がるからx分間では、", -76);
    Next(ink::emphasis, "5x℃");
    NewRow(50, ink::text, "最初の水の温度は、");
    Next(ink::emphasis, "20℃");
    NewRow(50, ink::text, "したがって、");
    Next(ink::answer, "y=5x+20");
    StepReveal();
    NewRow(70, ink::heading, "教科書P60 問2をしなさい。", -76);
    StepReveal();
    NewRow(50, ink::text, "80℃になるまで強火は7.5分、中火は12分かかるから");
    StepReveal();
    NewRow(70, ink::text, "強火は　ﾀ36/60ﾀ*7.5=");
    StepReveal();
    Next(ink::emphasis, "4.5(円)");
    StepReveal();
    Next(ink::text, "中火は　ﾀ20/60ﾀ*12=", 40);
    StepReveal();
    Next(ink::emphasis, "4(円)");
    StepReveal();
    NewRow(70, ink::text, "したがって、");
    Next(ink::answer, "中火の方がガス代が安くなる。");
}

// ---- Definition ---------------------------------------------------------------------

void Kestrel::LinearFunctionDefinition() {
    TopicScreen(area::screen, 76);
    PenWidth(5);
    Frame({38, 16}, 532, 275, ink::answer);

    Put(76, 30, ink::emphasis, "<１次関数の意味>");
    NewRow(50, ink::text, "2つの変数x,yについて、");
    NewRow(50, ink::answer, "y=ax+b");
    Next(ink::text, "(yがxの1次式)");
    NewRow(50, ink::text, "と表すことができるとき");
    NewRow(50, ink::answer, "yはxの１次関数");
    Next(ink::text, "であるという。");

    StepReveal();
    NewRow(70, ink::emphasis, "ax");
    Next(ink::text, "…xに比例する部分");
    NewRow(50, ink::emphasis, " b");
    Next(ink::text, "…定数の部分");

    StepReveal();
    cursor.margin = 646;
    cursor.row = 30;
    NewRow(30, ink::emphasis, "課 次の関数で、１次関数はどれですか。", -38);
    NewRow(60, ink::text, "①y=8x+20 ②y=-ﾀ6/xﾀ");
    NewRow(60, ink::text, "③y=-2x+5 ④y=-2x");

    StepReveal();
    NewRow(50, ink::answer, "答　①,③,④");
}

// ---- Water depth ----------------------------------------------------------------------

void Kestrel::WaterDepthExample() {
    TopicScreen(area::text, 38);
    Put(38, 30, ink::text, "例１　深さ3cmのところまで水が入っている。");
    NewRow(50, ink::text, "1分間に深さが2cmずつ増加する。");
    NewRow(50, ink::text, "x分後の深さをycmとするとき、");
    NewRow(50, ink::text, "①yをxの式で表しなさい。");
    NewRow(50, ink::text, "②１次関数ですか。");
    NewRow(50, ink::emphasis, "<解答>");
    const PlaneView paper = SetupDepthFigure();
    DrawDepthScale(paper);

    // The water rises from the 3 cm level: 1, 2, 3 and 4 minutes, then x minutes.
    for (Num rise : {2.0f, 4.0f, 6.0f, 8.0f, 15.0f}) {
        StepReveal();
        PenWidth(3);
        FilledBox(paper.At(0, 3), paper.At(10, 3 + rise), ink::text, ink::paleCyan);
        DrawDepthScale(paper);
    }
    const Point label = paper.At(3, 17);
    Label(label.x, label.y, ink::text, "x分後");
    // Along the left wall the depth after x minutes, along the right one its
    // two parts: the rise and the first 3 cm.
    const Point bottom = paper.At(0, 0), afterX = paper.At(0, 18);
    const Point rightBottom = paper.At(10, 0), rightStart = paper.At(10, 3), rightAfterX = paper.At(10, 18);
    ArcOver({.from = afterX, .to = bottom, .label = "y㎝"});
    cursor.margin = 76;

    StepReveal();
    NewRow(50, ink::text, "①1分間に2cm深くなるからx分間では、", -38);
    StepReveal();
    Next(ink::emphasis, "2xcm");
    ArcOver({.from = rightAfterX, .to = rightStart, .label = "2x㎝"});
    StepReveal();
    NewRow(50, ink::text, "最初の深さは、");
    StepReveal();
    Next(ink::emphasis, "3cm");
    ArcOver({.from = rightStart,
             .to = rightBottom,
             .stepDegrees = 12,
             .labelColour = ink::accent,
             .label = "3㎝"});
    StepReveal();
    NewRow(50, ink::text, "したがって、");
    Next(ink::answer, "y=");
    StepReveal();
    Next(ink::answer, "2x+3");
    StepReveal();
    NewRow(50, ink::text, "②y=ax+b の形で表されるから、", -38);
    StepReveal();
    Next(ink::answer, "1次関数である。");
}

// The container in grid steps from its bottom-left corner: 10 wide and 20
// high, filled to 3.
Lesson::PlaneView Kestrel::SetupDepthFigure() {
    const PlaneView paper = GridFrame(968, 60, 12, 20, 25);

    const Point bottomLeft = paper.At(0, 0), bottomRight = paper.At(10, 0);
    const Point topLeft = paper.At(0, 20), topRight = paper.At(10, 20), water = paper.At(10, 3);
    PenWidth(3);
    FilledBox(bottomLeft, water, ink::text, ink::panel);
    PenWidth(5);
    Segment(bottomLeft, bottomRight, ink::text);
    Segment(bottomRight, topRight, ink::text);
    Segment(bottomLeft, topLeft, ink::text);
    return paper;
}

// A centimetre scale on the left wall, and a ruler one step in from it.
void Kestrel::DrawDepthScale(const PlaneView& paper) {
    PenWidth(5);
    Segment(paper.At(1, 0), paper.At(1, 11), ink::answer);
    for (int cm = 1; cm <= 10; ++cm) {
        const Num y = static_cast<Num>(cm);
        Segment(paper.At(0, y), paper.At(1, y), ink::answer);
    }
    for (int k = 1; k <= 2; ++k) {
        const Num y = static_cast<Num>(5 * k);
        Segment(paper.At(1, y), paper.At(2, y), ink::answer);
    }
}

// ---- Incense stick ----------------------------------------------------------------------

void Kestrel::IncenseExample() {
    TopicScreen(area::text, 38);
    Put(38, 30, ink::text, "例2　長さ16cmの線香に火をつけると、");
    NewRow(50, ink::text, "1分間に0.5cmずつ短くなる。");
    NewRow(50, ink::text, "x分後の長さをycmとするとき、");
    NewRow(50, ink::text, "①yをxの式で表しなさい。");
    NewRow(50, ink::text, "②１次関数ですか。");
    NewRow(50, ink::emphasis, "<解答>");
    const PlaneView paper = SetupIncenseFigure();

    // The burning stick stands 5 cm right of the plate's left end; the first
    // one, unlit, at 1 cm.
    const Point top = paper.At(5, 16), foot = paper.At(5, 0), afterX = paper.At(5, 7);
    const Point label = paper.At(3, 19);
    StepReveal();
    PenWidth(15);
    Segment(top, foot, ink::grey);

    StepReveal();
    for (int minute = 1; minute <= 16; ++minute) {
        // 0.5 cm a minute burnt away from the top.
        Segment(top, paper.At(5, 16 - 0.5f * static_cast<Num>(minute)), ink::yellow);
        Label(label.x, label.y, ink::text, NumberText(static_cast<Num>(minute)) + "分後");
        StepReveal();
        EraseBox(968, 85, 968 + 1140, 85 + 60);
    }
    PenWidth(15);
    Segment(top, afterX, ink::yellow);
    Label(label.x, label.y, ink::text, "x分後");
    PenWidth(5);
    ArcOver({.from = afterX, .to = foot, .side = -1, .label = "y㎝"});
    cursor.margin = 76;

    StepReveal();
    NewRow(50, ink::text, "①1分間に0.5cm短くなるからx分間では、", -38);
    StepReveal();
    Next(ink::emphasis, "-0.5xcm");
    ArcOver({.from = afterX, .to = top, .label = "0.5x㎝"});
    StepReveal();
    NewRow(50, ink::text, "最初の長さは、");
    StepReveal();
    Next(ink::emphasis, "16cm");
    ArcOver(
        {.from = paper.At(1, 16), .to = paper.At(1, 0), .stepDegrees = 5, .label = "16㎝", .labelDy = 50});
    StepReveal();
    NewRow(50, ink::text, "したがって、");
    Next(ink::answer, "y=");
    StepReveal();
    Next(ink::answer, "16-0.5x");
    StepReveal();
    NewRow(50, ink::text, "②y=ax+b の形で表されるから、", -38);
    StepReveal();
    Next(ink::answer, "1次関数である。");
    StepReveal();
    Put(44, cursor.row + 90, ink::emphasis, "教科書P61 問3　をしなさい。");
}

// The base plate, the unlit stick at 1 cm and the centimetre scale at 3 cm,
// in centimetres from the plate's left end.
Lesson::PlaneView Kestrel::SetupIncenseFigure() {
    const PlaneView paper = GridFrame(968, 60, 12, 20, 25);

    PenWidth(3);
    FilledBox(paper.At(0, 0), paper.At(8, -0.5f), ink::text, ink::nextBox);
    PenWidth(15);
    Segment(paper.At(1, 16), paper.At(1, 0), ink::grey);
    PenWidth(3);
    Segment(paper.At(3, 16), paper.At(3, 0), ink::answer);
    for (int cm = 1; cm <= 16; ++cm) {
        const Num y = static_cast<Num>(cm);
        Segment(paper.At(2.5f, y), paper.At(3.5f, y), ink::answer);
    }
    for (int k = 1; k <= 3; ++k) {
        const Num y = static_cast<Num>(5 * k);
        Segment(paper.At(2, y), paper.At(4, y), ink::answer);
    }
    return paper;
}

// ---- Textbook exercises --------------------------------------------------------------------

void Kestrel::PetrolAnswer() {
    TopicScreen(area::text, 114);
    Put(114, 30, ink::emphasis, "教科書P61 問3　解答");
    NewRow(50, ink::text, "1km走るのにガソリン0.1L使うからxkmでは、");
    Next(ink::emphasis, "-0.1xL");
    StepReveal();
    NewRow(50, ink::text, "最初のガソリンの量は、");
    Next(ink::emphasis, "40L");
    StepReveal();
    NewRow(50, ink::text, "したがって、");
    Next(ink::answer, "y=-0.1x+40");
    StepReveal();
    NewRow(150, ink::emphasis, "教科書P61 問4　をしなさい。", -70);
}

void Kestrel::SquareRectangleExercise() {
    TopicScreen(area::text, 114);
    Put(cursor.margin - 76, 30, ink::emphasis, "問4(1)");
    Next(ink::text, "1辺がxcmの正方形の");
    NewRow(50, ink::text, "周の長さをycmとするとき、");
    NewRow(50, ink::text, "①yをxの式で表しなさい。");
    NewRow(50, ink::text, "②１次関数ですか。");
    NewRow(50, ink::emphasis, "<解答>");
    StepReveal();
    NewRow(50, ink::text, "①周の長さは、4*x=", -38);
    Next(ink::emphasis, "4x (cm) ");
    StepReveal();
    NewRow(50, ink::text, "したがって、");
    Next(ink::answer, "y=4x");
    StepReveal();
    NewRow(50, ink::text, "②y=ax+b のb=0　の形だから、", -38);
    StepReveal();
    NewRow(50, ink::answer, "1次関数である。");
    StepReveal();
    NewRow(50, ink::emphasis, "比例の式y=ax は", -76);
    NewRow(50, ink::emphasis, "1次関数y=ax+b の特別な場合", -76);

    StepReveal();
    cursor.margin = 722;
    cursor.row = 30;
    Put(cursor.margin - 76, 30, ink::emphasis, "(2) ");
    Next(ink::text, "面積が24cm^2の長方形の");
    NewRow(50, ink::text, "縦をxcm,横をycmとするとき、");
    NewRow(50, ink::text, "①yをxの式で表しなさい。");
    NewRow(50, ink::text, "②１次関数ですか。");
    NewRow(50, ink::emphasis, "<解答>");
    StepReveal();
    NewRow(50, ink::text, "①x*y=24　だから", -38);
    StepReveal();
    NewRow(60, ink::answer, "y=ﾀ24/xﾀ");
    StepReveal();
    NewRow(50, ink::text, "②y=ax+b の形ではないから、", -38);
    StepReveal();
    NewRow(50, ink::answer, "1次関数ではない。");
}

}  // namespace lesson
