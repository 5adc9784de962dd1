// Chapter 2: measured data taken as a linear function: the air temperature at
// six weather stations against their altitude, and a mountain hut's.
#include <string_view>

#include "plover/plover_program.h"

namespace lesson {

namespace {

struct Station {
    std::string_view name, altitude, temperature;
    Num x, y;
};
constexpr Station kStations[6] = {
    {"甲府", "0.27", "22.1", 0.27f, 22.1f},  {"勝沼", "0.39", "21.4", 0.39f, 21.4f},
    {"古関", "0.55", "20.5", 0.55f, 20.5f},  {"河口湖", "0.86", "18.7", 0.86f, 18.7f},
    {"山中", "0.99", "17.9", 0.99f, 17.9f},  {"富士山", "3.78", "1.1", 3.78f, 1.1f},
};

}  // namespace

const Chapter<Plover> Plover::kAltitude{
    .goal = {"1次関数とみて、問題を解決しよう。"},
    .goalClears = true,
    .choices = "①Q問題　②解答　③終了",
    .topics = {
        &Plover::AltitudeQuestion,
        &Plover::AltitudeAnswer,
    },
};

// Kilometres across, 0.1 a grid step, degrees up, 1 a grid step; numbered in
// values, with the units at the right end of the x axis and by the y axis.
void Plover::AltitudePlane(Num left, Num top, Num step) {
    PlaneAt(left, top, 0, 4.1f, 0, 25, step, 10, -1, 0.1f, 1);
    t0000 = 0.1f;
    GGX = 1;
    LabelAxisScales();
    PlaneUnits(GY1 - 1.5f * NAGASA, t0001 - 2 * NAGASA, "km", TATE - 50, ZX + 16, "℃");
}

void Plover::AltitudeQuestion() {
    TopicScreen(1600, 1800, 40);
    PenWidth(5);
    Put(40, 30, 3, "Q ");
    Next(0, "富士山に登るときに､七合目の山小屋に宿泊する計画を立てています。");
    NewRow(50, 0, "山小屋の周辺の気温を知るには、どうしたらよいでしょうか。");
    StepReveal();
    NewRow(50, 3, "七合目の標高…2.8km");

    struct Head {
        std::string_view upper, lower;
    };
    static constexpr Head heads[3] = {{"観測所", ""}, {"標高", "(km)"}, {"気温", "(℃)"}};
    GY5(11) = B1;
    GY5(12) = B1 + 114;
    GY5(13) = B1 + 2 * 114;
    t0014(11) = B2_row + 60;
    t0014(12) = t0014(11) + 100;
    for (int c = 1; c <= 3; ++c) {
        YY_s = ScreenText(heads[c - 1].upper);
        T_s = ScreenText(heads[c - 1].lower);
        DSM1 = GY5(10 + c);
        DSM2 = t0014(11);
        TANI = 114;
        X8 = 100;
        NO = 3;
        TKAI2 = 13;
        YMOTO = 0;
        DrawMathCellTwoLines();
    }
    for (int i = 1; i <= 6; ++i) {
        const Station& s = kStations[i - 1];
        const Num top = t0014(12) + 50 * static_cast<Num>(i - 1);
        Cell(GY5(11), top, {114, 50, 3, 13, 0}, s.name);
        Cell(GY5(12), top, {114, 50, 3, 15, 0}, s.altitude);
        Cell(GY5(13), top, {114, 50, 3, 15, 0}, s.temperature);
    }
    StepReveal();
    AltitudePlane(GY5(13) + 114 + 100, t0014(11) - 30, 15);
}

void Plover::AltitudeAnswer() {
    TopicScreen(1600, 1800, 38);
    YI1 = 38;
    PenWidth(5);
    AltitudePlane(418, 100, 20);
    StepReveal();
    for (int i = 1; i <= 6; ++i) {
        GY5(i) = kStations[i - 1].x;
        t0014(i) = kStations[i - 1].y;
        PointAt(GY5(i), t0014(i), 6, 3, 0.1f, 1);
    }
    StepReveal();
    Put(38, 30, 0, "点は、ほぼ1つの直線上に並んでいるから、");
    Next(3, "yをxの1次関数とみなして、");
    StepReveal();
    LineOnPlane(4, 25, 0.1f, 1, -6, 23.7f, 3);
    NewRow(50, 0, "グラフから");
    StepReveal();
    NewRow(50, 0, "x=2.8のときの");
    NewRow(50, 0, "yの値を求める。");
    StepReveal();
    // The reading at 2.8 km: up from the x axis to the line, then across.
    t0000 = 0.1f;
    GGX = 1;
    GY5(1) = TATE + NAKA * 2.8f / t0000;
    t0014(1) = t0001;
    GY5(2) = GY5(1);
    t0014(2) = t0001 - NAKA * 6.9f / GGX;
    GY5(3) = TATE;
    t0014(3) = t0014(2);
    ReadingArrow(GY5(1), t0014(1), GY5(2), t0014(2));
    BigDot(GY5(2), t0014(2), 5);
    StepReveal();
    ReadingArrow(GY5(2), t0014(2), GY5(3), t0014(3));
    StepReveal();
    NewRow(50, 5, "およそ 7.0℃");
    StepReveal();
    NewRow(50, 3, "直線の式は、");
    NewRow(50, 0, "y=-6x+23.7");
    NewRow(50, 0, "x=2.8を代入して、");
    NewRow(50, 0, "y=-6*2.8+23.7");
    NewRow(50, 0, " =-16.8+23.7");
    NewRow(50, 5, " =6.9");
}

}  // namespace lesson
