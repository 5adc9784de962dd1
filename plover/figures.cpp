// SPDX-License-Identifier: GPL-3.0-or-later
// Figures several Plover chapters draw: reading arrows, plotted points, lines
// and the scaled unit labels of a plane.
#include "plover/plover_program.h"

namespace lesson {

void Plover::ReadingArrow(Point from, Point to) {
    // The second pass draws the head at `to` again.
    ArrowTo(from.x, from.y, to.x, to.y, ink::answer, 16, 2);
}

void Plover::GraphSegment(Point from, Point to, Colour colour) {
    const auto graph = GivingWay();
    Segment(from, to, colour);
}

void Plover::LineOnPlane(const PlaneView& plane, Num xTo, Num xPerStep, Num yPerStep, Num slope,
                         Num intercept, Colour colour, Num xFrom) {
    plane.GraphOf({.a = slope, .b = intercept, .colour = colour},
                  {.xFrom = xFrom, .xTo = xTo, .xPerStep = xPerStep, .yPerStep = yPerStep});
}

std::vector<Point> Plover::PlotPoints(const PlaneView& plane, std::span<const Num[2]> points, Num radius,
                                      Num xPerStep, Num yPerStep) {
    std::vector<Point> drawn;
    for (const Num(&p)[2] : points) {
        drawn.push_back(
            plane.PointAt(p[0], p[1], {.radius = radius, .xPerStep = xPerStep, .yPerStep = yPerStep}));
    }
    return drawn;
}

TextStyle Plover::LabelStyle(Num size, bool bold) { return rt::gothic(static_cast<int>(size), bold); }

void Plover::ScaledLabel(Num x, Num y, std::string_view text, const TextStyle& style, Num down) {
    ScaledText({x, y}, text, 2, down, ink::text, style);
}

void Plover::PlaneUnits(const PlaneView& plane, std::string_view xUnit, Num xUnitDy, std::string_view yUnit,
                        Num yUnitDx, Num yUnitDy, Num xUnitDx) {
    const PlaneFrame& f = plane.frame;
    const TextStyle style = LabelStyle(f.scaleSize);
    ScaledLabel(f.right - 1.5f * f.scaleSize + xUnitDx, f.origin.y + xUnitDy, xUnit, style);
    ScaledLabel(f.origin.x + yUnitDx, f.top + yUnitDy, yUnit, style);
}

}  // namespace lesson
