// SPDX-License-Identifier: GPL-3.0-or-later
// Segment and angle marks: dotted half-ellipses over segments, ticks, right-
// angle marks, angle arcs and the labels placed on a corner's bisector.
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine.h"
#include "figure_helpers.h"

namespace lesson {

using fig::countedLoop;
using fig::directionAngle;
using fig::whole;

void Engine::GetDirectionAngle() {
    AX = fig::kPi;
    NAGASA1 = directionAngle(ZY0 - P2, A21 - BB, AX);
    t0004 = NAGASA1 * 180 / AX;
}

void Engine::DrawArcOverSegment() {
    if (Y_3 > 0 && Y_3 < 16)
        Y_3 = 16 * Y_3;
    else if (Y_3 < 0)
        Y_3 = std::fabs(Y_3);

    const Num dr = P2, mudo = BB, zy11 = ZY0, han = A21;
    const Num ccc0 = ZY0 - P2, hyouji = A21 - BB;
    const Num hh3 = std::sqrt(ccc0 * ccc0 + hyouji * hyouji) / 2;
    FMAESU = P2 + hh3;
    KAKKO1 = BB;
    GetDirectionAngle();
    const Num zx4 = NAGASA1;
    const Num gy4 = XG > 0 ? 180 : 0;
    const Num zx11 = XG > 0 ? 360 : 180;

    // A point of the half-ellipse laid flat along +x from the start, turned
    // about the start onto the segment.
    Num xi0 = P2, sita = BB;
    auto turnedPoint = [&](Num degrees) {
        const Num t = degrees * AX / 180;
        const Num hh5 = FMAESU + hh3 * std::cos(t);
        // Y_3 stands in for (Y_3 / hh3) * hh3, which is 0/0 for coincident ends.
        const Num iti = KAKKO1 - Y_3 * std::sin(t);
        NAGASA1 = directionAngle(hh5 - P2, iti - BB, AX);
        t0004 = NAGASA1 * 180 / AX;
        const Num gy0 = std::sqrt((hh5 - P2) * (hh5 - P2) + (iti - BB) * (iti - BB));
        xi0 = P2 + gy0 * std::cos(zx4 + NAGASA1);
        sita = BB - gy0 * std::sin(zx4 + NAGASA1);
    };

    // A step of 0 or less draws one dot rather than looping for ever.
    const Num step = TANI > 0 ? TANI : 0;
    countedLoop(gy4, zx11, step, [&](Num a1) {
        turnedPoint(a1);
        Rt().circle(xi0, sita, 0.5f, whole(NO), 0, 0, true, -1);
    });
    turnedPoint((gy4 + zx11) / 2);

    FMAESU = zy11;
    KAKKO1 = han;
    ZY0 = dr;
    A21 = mudo;
    P2 = xi0;
    BB = sita;
    P = 0;
    BAIY = XG;
    DrawAngleLabel();
    IB8_s.clear();
}

void Engine::DrawDivisionTicks() {
    const Num ccc0 = YA - TAKASA, hyouji = CX - BX;
    const Num motoa = std::sqrt(ccc0 * ccc0 + hyouji * hyouji);
    if (XX <= 0 || XX > 6) XX = 1;
    // Coincident ends give no direction, and a ratio summing to 0 no point.
    if (motoa == 0 || ENZAN + B_1 == 0) return;
    const Num cy = ccc0 / motoa, aaax = hyouji / motoa;
    Num y3 = TAKASA + ccc0 * ENZAN / (ENZAN + B_1);
    Num y4 = BX + hyouji * ENZAN / (ENZAN + B_1);
    const Num dy = y3 - P * cy, y22 = y4 - P * aaax;
    Num y2 = dy - (P / 2) * aaax, bx1 = y22 + (P / 2) * cy;
    Num ay1 = dy + (P / 2) * aaax, by1 = y22 - (P / 2) * cy;
    countedLoop(1, XX, 1, [&](Num) {
        y3 += 16 * cy;
        y2 += 16 * cy;
        ay1 += 16 * cy;
        y4 += 16 * aaax;
        bx1 += 16 * aaax;
        by1 += 16 * aaax;
        Rt().line(y2, bx1, y3, y4, whole(NO));
        Rt().line(ay1, by1, y3, y4, whole(NO));
    });
}

void Engine::DrawEqualLengthTicks() {
    if (GX1 == 0 || GX1 > 30) GX1 = 8;
    const Num ccc0 = YA - TAKASA, hyouji = CX - BX;
    const Num motoa = std::sqrt(ccc0 * ccc0 + hyouji * hyouji);
    if (XX < 0 || XX > 6) XX = 1;
    if (motoa == 0) return;
    const Num cy = ccc0 / motoa, aaax = hyouji / motoa;
    const Num dy = (TAKASA + YA) / 2 + BAIY * cy;
    const Num y22 = (BX + CX) / 2 + BAIY * aaax;
    const Num d = GX1;
    countedLoop(1, XX, 1, [&](Num) {
        Rt().line(dy + GX1 * cy + P * aaax, y22 + GX1 * aaax - P * cy, dy + GX1 * cy - P * aaax,
                  y22 + GX1 * aaax + P * cy, whole(NO));
        GX1 += d;
    });
}

void Engine::GetRayAngles() {
    AX = fig::kPi;
    const Num theta1 = directionAngle(ZY0 - P2, A21 - BB, AX);
    XX1 = 1 - theta1 / (2 * AX);
    YY1 = theta1;
    NAGASA1 = directionAngle(FMAESU - P2, KAKKO1 - BB, AX);
    AIDA1 = 1 - NAGASA1 / (2 * AX);
    ZX2 = NAGASA1;
    if (BAIY == -1) {
        std::swap(XX1, AIDA1);
        std::swap(YY1, ZX2);
    }
    ZY2 = (YY1 + ZX2) / 2;
    if (YY1 > ZX2) ZY2 = ZY2 + AX;
}

void Engine::DrawRightAngleMark() {
    GetRayAngles();
    const Num hh5 = P2 + P * std::cos(YY1), iti = BB - P * std::sin(YY1);
    const Num zy3 = P2 + P * std::cos(ZX2), i2 = BB - P * std::sin(ZX2);
    const Num zy4 = hh5 + P * std::cos(ZX2), kasanarix = iti - P * std::sin(ZX2);
    const rt::Point pts[] = {{hh5, iti}, {zy4, kasanarix}, {zy3, i2}};
    Rt().connect(whole(NO), pts);
}

void Engine::DrawAngleLabel() {
    A_s = IB8_s;
    MeasureMathText();
    GetRayAngles();
    const Num h = IB8_s.find("ﾀ") != std::string::npos ? 40 : 22;
    DSM1 = P2 + P * std::cos(ZY2) + BAI * (std::cos(ZY2) / 2 - 0.5f) + SIZE;
    DSM2 = BB - P * std::sin(ZY2) - 2 * h * (std::sin(ZY2) / 2 + 0.5f) + CCC3;
    KKAI_s = IB8_s;
    {
        std::optional<rt::HaloScope> halo;
        if (InsidePlane(DSM1, DSM2)) halo.emplace(Rt());
        if (X_3 == 1)
            DrawTableText();
        else
            DrawMathText();
    }
    BAIY = 0;
    IB8_s.clear();
    SIZE = 0;
    CCC3 = 0;
    P = 0;
    X_3 = 0;
}

void Engine::DrawAngleArcs() {
    GetRayAngles();
    if (XX > 6) XX = 1;
    if (XX > 0) {
        Num p1 = P;
        countedLoop(1, XX, 1, [&](Num) {
            p1 -= 8;
            Rt().circle(P2, BB, p1, whole(TKAI2), AIDA1, XX1, false, -1);
        });
    } else {
        Rt().circle(P2, BB, P, whole(NO), AIDA1, XX1, true, whole(TKAI2));
    }
    DrawAngleLabel();
    BAIY = 0;
    IB8_s.clear();
}

void Engine::FormatAngleDegrees() {
    GetRayAngles();
    if (YY1 > ZX2) ZX2 = ZX2 + 2 * AX;
    ZY2 = ZX2 - YY1;
    t0004 = ZY2 * 180 / AX;
    const Num tenths = static_cast<Num>(static_cast<short>(std::lround(t0004 * 10)));
    HH2_s = fig::bareNumber(tenths / 10);
    A_s = HH2_s;
}

}  // namespace lesson
