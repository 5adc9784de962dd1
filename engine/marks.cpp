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
    const Num pi = fig::kPi;
    const Num radians = directionAngle(to.x - from.x, to.y - from.y, pi);
    return {radians, radians * 180 / pi};
}

Point Engine::DrawArcOverSegment(const SegmentArc& arc) {
    Num height = arc.height;
    if (height > 0 && height < 16)
        height = 16 * height;
    else if (height < 0)
        height = std::fabs(height);

    const Num pi = fig::kPi;
    const Point start = arc.from;
    const Num run = arc.to.x - start.x, rise = arc.to.y - start.y;
    const Num halfLength = std::sqrt(run * run + rise * rise) / 2;
    // The middle of the segment laid flat along +x from the start.
    const Point flatMiddle{start.x + halfLength, start.y};
    const Num direction = GetDirectionAngle(start, arc.to).radians;
    const Num fromDegrees = arc.side > 0 ? 180 : 0;
    const Num toDegrees = arc.side > 0 ? 360 : 180;

    // A point of the half-ellipse laid flat along +x from the start, turned
    // about the start onto the segment.
    Num dotX = start.x, dotY = start.y;
    auto turnedPoint = [&](Num degrees) {
        const Num t = degrees * pi / 180;
        const Num flatX = flatMiddle.x + halfLength * std::cos(t);
        // height stands in for (height / halfLength) * halfLength, which is 0/0 for coincident ends.
        const Num flatY = flatMiddle.y - height * std::sin(t);
        const Num turn = directionAngle(flatX - start.x, flatY - start.y, pi);
        const Num reach =
            std::sqrt((flatX - start.x) * (flatX - start.x) + (flatY - start.y) * (flatY - start.y));
        dotX = start.x + reach * std::cos(direction + turn);
        dotY = start.y - reach * std::sin(direction + turn);
    };

    // A step of 0 or less draws one dot rather than looping for ever.
    const Num step = arc.stepDegrees > 0 ? arc.stepDegrees : 0;
    countedLoop(fromDegrees, toDegrees, step, [&](Num degrees) {
        turnedPoint(degrees);
        Rt().disc(dotX, dotY, 0.5f, arc.dotColour);
    });
    turnedPoint((fromDegrees + toDegrees) / 2);

    const Point top{dotX, dotY};
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
    const Num fromX = t.from.x, fromY = t.from.y;
    const Num run = t.to.x - fromX, rise = t.to.y - fromY;
    const Num length = std::sqrt(run * run + rise * rise);
    const Num count = t.count <= 0 || t.count > 6 ? 1 : t.count;
    const Num size = t.size;
    // Coincident ends give no direction, and a ratio summing to 0 no point.
    if (length == 0 || t.first + t.second == 0) return;
    const Num ux = run / length, uy = rise / length;
    Num tipX = fromX + run * t.first / (t.first + t.second);
    Num tipY = fromY + rise * t.first / (t.first + t.second);
    const Num baseX = tipX - size * ux, baseY = tipY - size * uy;
    Num leftX = baseX - (size / 2) * uy, leftY = baseY + (size / 2) * ux;
    Num rightX = baseX + (size / 2) * uy, rightY = baseY - (size / 2) * ux;
    countedLoop(1, count, 1, [&](Num) {
        tipX += 16 * ux;
        leftX += 16 * ux;
        rightX += 16 * ux;
        tipY += 16 * uy;
        leftY += 16 * uy;
        rightY += 16 * uy;
        Rt().segment(leftX, leftY, tipX, tipY, t.colour);
        Rt().segment(rightX, rightY, tipX, tipY, t.colour);
    });
}

void Engine::DrawEqualLengthTicks(const EqualLengthTicks& t) {
    Num gap = t.gap == 0 || t.gap > 30 ? 8 : t.gap;
    const Num run = t.to.x - t.from.x, rise = t.to.y - t.from.y;
    const Num length = std::sqrt(run * run + rise * rise);
    const Num count = t.count < 0 || t.count > 6 ? 1 : t.count;
    if (length == 0) return;
    const Num ux = run / length, uy = rise / length;
    const Num midX = (t.from.x + t.to.x) / 2 + t.shift * ux;
    const Num midY = (t.from.y + t.to.y) / 2 + t.shift * uy;
    const Num spacing = gap;
    const Num size = t.size;
    countedLoop(1, count, 1, [&](Num) {
        Rt().segment(midX + gap * ux + size * uy, midY + gap * uy - size * ux, midX + gap * ux - size * uy,
                     midY + gap * uy + size * ux, t.colour);
        gap += spacing;
    });
}

RayAngles Engine::GetRayAngles(const Corner& c) {
    const Num pi = fig::kPi;
    RayAngles a;
    const Num theta1 = directionAngle(c.first.x - c.vertex.x, c.first.y - c.vertex.y, pi);
    a.firstArc = 1 - theta1 / (2 * pi);
    a.first = theta1;
    const Num theta2 = directionAngle(c.second.x - c.vertex.x, c.second.y - c.vertex.y, pi);
    a.secondArc = 1 - theta2 / (2 * pi);
    a.second = theta2;
    if (c.exchanged) {
        std::swap(a.firstArc, a.secondArc);
        std::swap(a.first, a.second);
    }
    a.bisector = (a.first + a.second) / 2;
    if (a.first > a.second) a.bisector = a.bisector + pi;
    return a;
}

void Engine::DrawRightAngleMark(const Corner& c, Num size, Colour colour) {
    const RayAngles a = GetRayAngles(c);
    const Num firstX = c.vertex.x + size * std::cos(a.first), firstY = c.vertex.y - size * std::sin(a.first);
    const Num secondX = c.vertex.x + size * std::cos(a.second),
              secondY = c.vertex.y - size * std::sin(a.second);
    const Num cornerX = firstX + size * std::cos(a.second), cornerY = firstY - size * std::sin(a.second);
    const rt::Point pts[] = {{firstX, firstY}, {cornerX, cornerY}, {secondX, secondY}};
    Rt().connect(colour, pts);
}

Point Engine::DrawAngleLabel(const AngleLabel& label) {
    const Num width = MeasureMathText(label.text);
    const RayAngles a = GetRayAngles(label.corner);
    const Num h = label.text.find("ﾀ") != std::string::npos ? 40 : 22;
    const Point v = label.corner.vertex;
    const Num distance = label.distance;
    const Point at{
        v.x + distance * std::cos(a.bisector) + width * (std::cos(a.bisector) / 2 - 0.5f) + label.dx,
        v.y - distance * std::sin(a.bisector) - 2 * h * (std::sin(a.bisector) / 2 + 0.5f) + label.dy};
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
        Num radius = arcs.radius;
        countedLoop(1, count, 1, [&](Num) {
            radius -= 8;
            Rt().circle(arcs.corner.vertex.x, arcs.corner.vertex.y, radius, arcs.fill, a.secondArc,
                        a.firstArc);
        });
    } else {
        Rt().sector(arcs.corner.vertex.x, arcs.corner.vertex.y, arcs.radius, arcs.colour, arcs.fill,
                    a.secondArc, a.firstArc);
    }
    AngleLabel label = arcs.label;
    label.corner = arcs.corner;
    label.distance = arcs.radius;
    DrawAngleLabel(label);
}

std::string Engine::FormatAngleDegrees(const Corner& c) {
    const Num pi = fig::kPi;
    const RayAngles a = GetRayAngles(c);
    Num second = a.second;
    if (a.first > second) second = second + 2 * pi;
    const Num turn = second - a.first;
    const Num degrees = turn * 180 / pi;
    const Num tenths = static_cast<Num>(static_cast<short>(std::lround(degrees * 10)));
    return fig::bareNumber(tenths / 10);
}

}  // namespace lesson
