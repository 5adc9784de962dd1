// SPDX-License-Identifier: GPL-3.0-or-later
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
    {"甲府", "0.27", "22.1", 0.27f, 22.1f}, {"勝沼", "0.39", "21.4", 0.39f, 21.4f},
    {"古関", "0.55", "20.5", 0.55f, 20.5f}, {"河口湖", "0.86", "18.7", 0.86f, 18.7f},
    {"山中", "0.99", "17.9", 0.99f, 17.9f}, {"富士山", "3.78", "1.1", 3.78f, 1.1f},
};

}  // namespace

const Chapter<Plover> Plover::kAltitude{
    .goal = {"1次関数とみて、問題を解決しよう。"},
    .goalClears = true,
    .choices = "①Q問題　②解答　③終了",
    .topics = {&Plover::AltitudeQuestion, &Plover::AltitudeAnswer},
};

// Kilometres across, 0.1 a grid step, degrees up, 1 a grid step; numbered in
// values, with the units at the right end of the x axis and by the y axis.
// The axis runs a little past its last number, so "km" stands just beyond
// the grid's right edge, where no grid line crosses it.
Lesson::PlaneView Plover::AltitudePlane(Num left, Num top, Num step, Num yUnitDx) {
    const PlaneView plane = PlaneAt({.left = left,
                                     .top = top,
                                     .xTo = 4.1f,
                                     .yTo = 25,
                                     .step = step,
                                     .grid = true,
                                     .scaleNumbers = false,
                                     .xPerStep = 0.1f,
                                     .yPerStep = 1});
    plane.ScaleNumbers(0.1f, 1);
    const Num size = plane.frame.scaleSize;
    PlaneUnits(plane, "km", -2 * size, "℃", yUnitDx, 16, 1.5f * size + 4);
    return plane;
}

void Plover::AltitudeQuestion() {
    TopicScreen(area::wide, 40);
    PenWidth(5);
    Put(40, 30, ink::emphasis, "Q ");
    Next(ink::text, "富士山に登るときに､七合目の山小屋に宿泊する計画を立てています。");
    NewRow(50, ink::text, "山小屋の周辺の気温を知るには、どうしたらよいでしょうか。");
    StepReveal();
    NewRow(50, ink::emphasis, "七合目の標高…2.8km");

    struct Head {
        std::string_view upper, lower;
    };
    static constexpr Head heads[3] = {{"観測所", ""}, {"標高", "(km)"}, {"気温", "(℃)"}};
    constexpr Num kColumnWidth = 114;
    const Num columns[3] = {cursor.margin, cursor.margin + kColumnWidth, cursor.margin + 2 * kColumnWidth};
    const Num headTop = cursor.row + 60;
    const Num dataTop = headTop + 100;
    for (int c = 0; c < 3; ++c) {
        const std::string upper = ScreenText(heads[c].upper);
        const std::string lower = ScreenText(heads[c].lower);
        DrawMathCellTwoLines({.at = {columns[c], headTop},
                              .width = kColumnWidth,
                              .height = 100,
                              .outline = ink::emphasis,
                              .fill = ink::accent,
                              .colour = ink::text},
                             upper, lower);
    }
    for (int i = 0; i < 6; ++i) {
        const Station& s = kStations[i];
        const Num top = dataTop + 50 * static_cast<Num>(i);
        Cell(columns[0], top, {kColumnWidth, 50, ink::emphasis, ink::accent, ink::text}, s.name);
        Cell(columns[1], top, {kColumnWidth, 50, ink::emphasis, ink::page, ink::text}, s.altitude);
        Cell(columns[2], top, {kColumnWidth, 50, ink::emphasis, ink::page, ink::text}, s.temperature);
    }
    StepReveal();
    AltitudePlane(columns[2] + kColumnWidth + 100, headTop - 30, 15);
}

void Plover::AltitudeAnswer() {
    TopicScreen(area::wide, 38);
    cursor.end = 38;
    PenWidth(5);
    // The fitted line starts on the y axis beside "℃": the unit stands a
    // little further left, clear of the line's end.
    const PlaneView plane = AltitudePlane(418, 100, 20, -55);
    StepReveal();
    for (const Station& s : kStations) {
        plane.PointAt(s.x, s.y, {.radius = 6, .colour = ink::emphasis, .xPerStep = 0.1f, .yPerStep = 1});
    }
    StepReveal();
    Put(38, 30, ink::text, "点は、ほぼ1つの直線上に並んでいるから、");
    Next(ink::emphasis, "yをxの1次関数とみなして、");
    StepReveal();
    LineOnPlane(plane, 4, 0.1f, 1, -6, 23.7f, ink::emphasis);
    NewRow(50, ink::text, "グラフから");
    StepReveal();
    NewRow(50, ink::text, "x=2.8のときの");
    NewRow(50, ink::text, "yの値を求める。");
    StepReveal();
    // The reading at 2.8 km (28 grid steps of 0.1 km): up from the x axis to
    // the line, then across to 6.9℃.
    const Point onLine = plane.At(28, 6.9f);
    ReadingArrow(plane.At(28, 0), onLine);
    BigDot(onLine, ink::answer);
    StepReveal();
    ReadingArrow(onLine, plane.At(0, 6.9f));
    StepReveal();
    NewRow(50, ink::answer, "およそ 7.0℃");
    StepReveal();
    NewRow(50, ink::emphasis, "直線の式は、");
    NewRow(50, ink::text, "y=-6x+23.7");
    NewRow(50, ink::text, "x=2.8を代入して、");
    NewRow(50, ink::text, "y=-6*2.8+23.7");
    NewRow(50, ink::text, " =-16.8+23.7");
    NewRow(50, ink::answer, " =6.9");
}

}  // namespace lesson
