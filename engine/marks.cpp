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

Direction Engine::GetDirectionAngle(Point from, Point to) {
    const Num ax = fig::kPi;
    const Num radians = directionAngle(to.x - from.x, to.y - from.y, ax);
    return {radians, radians * 180 / ax};
}

Point Engine::DrawArcOverSegment(const SegmentArc& arc) {
    Num height = arc.height;
    if (height > 0 && height < 16)
        height = 16 * height;
    else if (height < 0)
        height = std::fabs(height);

    const Num ax = fig::kPi;
    const Point start = arc.from;
    const Num ccc0 = arc.to.x - start.x, hyouji = arc.to.y - start.y;
    const Num hh3 = std::sqrt(ccc0 * ccc0 + hyouji * hyouji) / 2;
    // The middle of the segment laid flat along +x from the start.
    const Point flatMiddle{start.x + hh3, start.y};
    const Num zx4 = GetDirectionAngle(start, arc.to).radians;
    const Num gy4 = arc.side > 0 ? 180 : 0;
    const Num zx11 = arc.side > 0 ? 360 : 180;

    // A point of the half-ellipse laid flat along +x from the start, turned
    // about the start onto the segment.
    Num xi0 = start.x, sita = start.y;
    auto turnedPoint = [&](Num degrees) {
        const Num t = degrees * ax / 180;
        const Num hh5 = flatMiddle.x + hh3 * std::cos(t);
        // height stands in for (height / hh3) * hh3, which is 0/0 for coincident ends.
        const Num iti = flatMiddle.y - height * std::sin(t);
        const Num turn = directionAngle(hh5 - start.x, iti - start.y, ax);
        const Num gy0 = std::sqrt((hh5 - start.x) * (hh5 - start.x) + (iti - start.y) * (iti - start.y));
        xi0 = start.x + gy0 * std::cos(zx4 + turn);
        sita = start.y - gy0 * std::sin(zx4 + turn);
    };

    // A step of 0 or less draws one dot rather than looping for ever.
    const Num step = arc.stepDegrees > 0 ? arc.stepDegrees : 0;
    countedLoop(gy4, zx11, step, [&](Num a1) {
        turnedPoint(a1);
        Rt().circle(xi0, sita, 0.5f, whole(arc.dotColour), 0, 0, true, -1);
    });
    turnedPoint((gy4 + zx11) / 2);

    const Point top{xi0, sita};
    DrawAngleLabel(
        {.corner = {.vertex = top, .first = arc.from, .second = arc.to, .exchanged = arc.side == -1},
         .text = arc.label,
         .distance = 0,
         .dx = arc.labelDx,
         .dy = arc.labelDy,
         .colour = arc.labelColour,
         .tableText = arc.tableText,
         .onGround = arc.labelOnGround});
    return top;
}

void Engine::DrawDivisionTicks(const DivisionTicks& t) {
    const Num takasa = t.from.x, bx = t.from.y;
    const Num ccc0 = t.to.x - takasa, hyouji = t.to.y - bx;
    const Num motoa = std::sqrt(ccc0 * ccc0 + hyouji * hyouji);
    const Num count = t.count <= 0 || t.count > 6 ? 1 : t.count;
    const Num p = t.size;
    // Coincident ends give no direction, and a ratio summing to 0 no point.
    if (motoa == 0 || t.first + t.second == 0) return;
    const Num cy = ccc0 / motoa, aaax = hyouji / motoa;
    Num y3 = takasa + ccc0 * t.first / (t.first + t.second);
    Num y4 = bx + hyouji * t.first / (t.first + t.second);
    const Num dy = y3 - p * cy, y22 = y4 - p * aaax;
    Num y2 = dy - (p / 2) * aaax, bx1 = y22 + (p / 2) * cy;
    Num ay1 = dy + (p / 2) * aaax, by1 = y22 - (p / 2) * cy;
    countedLoop(1, count, 1, [&](Num) {
        y3 += 16 * cy;
        y2 += 16 * cy;
        ay1 += 16 * cy;
        y4 += 16 * aaax;
        bx1 += 16 * aaax;
        by1 += 16 * aaax;
        fig::segment(Rt(), y2, bx1, y3, y4, whole(t.colour));
        fig::segment(Rt(), ay1, by1, y3, y4, whole(t.colour));
    });
}

void Engine::DrawEqualLengthTicks(const EqualLengthTicks& t) {
    Num gap = t.gap == 0 || t.gap > 30 ? 8 : t.gap;
    const Num ccc0 = t.to.x - t.from.x, hyouji = t.to.y - t.from.y;
    const Num motoa = std::sqrt(ccc0 * ccc0 + hyouji * hyouji);
    const Num count = t.count < 0 || t.count > 6 ? 1 : t.count;
    if (motoa == 0) return;
    const Num cy = ccc0 / motoa, aaax = hyouji / motoa;
    const Num dy = (t.from.x + t.to.x) / 2 + t.shift * cy;
    const Num y22 = (t.from.y + t.to.y) / 2 + t.shift * aaax;
    const Num d = gap;
    const Num p = t.size;
    countedLoop(1, count, 1, [&](Num) {
        fig::segment(Rt(), dy + gap * cy + p * aaax, y22 + gap * aaax - p * cy, dy + gap * cy - p * aaax,
                     y22 + gap * aaax + p * cy, whole(t.colour));
        gap += d;
    });
}

RayAngles Engine::GetRayAngles(const Corner& c) {
    const Num ax = fig::kPi;
    RayAngles a;
    const Num theta1 = directionAngle(c.first.x - c.vertex.x, c.first.y - c.vertex.y, ax);
    a.firstArc = 1 - theta1 / (2 * ax);
    a.first = theta1;
    const Num theta2 = directionAngle(c.second.x - c.vertex.x, c.second.y - c.vertex.y, ax);
    a.secondArc = 1 - theta2 / (2 * ax);
    a.second = theta2;
    if (c.exchanged) {
        std::swap(a.firstArc, a.secondArc);
        std::swap(a.first, a.second);
    }
    a.bisector = (a.first + a.second) / 2;
    if (a.first > a.second) a.bisector = a.bisector + ax;
    return a;
}

void Engine::DrawRightAngleMark(const Corner& c, Num size, Num colour) {
    const RayAngles a = GetRayAngles(c);
    const Num p = size;
    const Num hh5 = c.vertex.x + p * std::cos(a.first), iti = c.vertex.y - p * std::sin(a.first);
    const Num zy3 = c.vertex.x + p * std::cos(a.second), i2 = c.vertex.y - p * std::sin(a.second);
    const Num zy4 = hh5 + p * std::cos(a.second), kasanarix = iti - p * std::sin(a.second);
    const rt::Point pts[] = {{hh5, iti}, {zy4, kasanarix}, {zy3, i2}};
    Rt().connect(whole(colour), pts);
}

Point Engine::DrawAngleLabel(const AngleLabel& label) {
    const Num width = MeasureMathText(label.text);
    const RayAngles a = GetRayAngles(label.corner);
    const Num h = label.text.find("ﾀ") != std::string::npos ? 40 : 22;
    const Point v = label.corner.vertex;
    const Num p = label.distance;
    const Point at{v.x + p * std::cos(a.bisector) + width * (std::cos(a.bisector) / 2 - 0.5f) + label.dx,
                   v.y - p * std::sin(a.bisector) - 2 * h * (std::sin(a.bisector) / 2 + 0.5f) + label.dy};
    std::optional<rt::HaloScope> halo;
    if (label.onGround || InsidePlane(at.x, at.y)) halo.emplace(Rt());
    const PenText text{label.text, at, label.colour};
    if (label.tableText)
        DrawTableText(text);
    else
        DrawMathText(text);
    return at;
}

void Engine::DrawAngleArcs(const AngleArcs& arcs) {
    const RayAngles a = GetRayAngles(arcs.corner);
    const Num count = arcs.count > 6 ? 1 : arcs.count;
    if (count > 0) {
        Num p1 = arcs.radius;
        countedLoop(1, count, 1, [&](Num) {
            p1 -= 8;
            Rt().circle(arcs.corner.vertex.x, arcs.corner.vertex.y, p1, whole(arcs.fill), a.secondArc,
                        a.firstArc, false, -1);
        });
    } else {
        Rt().circle(arcs.corner.vertex.x, arcs.corner.vertex.y, arcs.radius, whole(arcs.colour), a.secondArc,
                    a.firstArc, true, whole(arcs.fill));
    }
    AngleLabel label = arcs.label;
    label.corner = arcs.corner;
    label.distance = arcs.radius;
    DrawAngleLabel(label);
}

std::string Engine::FormatAngleDegrees(const Corner& c) {
    const Num ax = fig::kPi;
    const RayAngles a = GetRayAngles(c);
    Num second = a.second;
    if (a.first > second) second = second + 2 * ax;
    const Num turn = second - a.first;
    const Num degrees = turn * 180 / ax;
    const Num tenths = static_cast<Num>(static_cast<short>(std::lround(degrees * 10)));
    return fig::bareNumber(tenths / 10);
}

}  // namespace lesson
