// Figures several Plover chapters draw: reading arrows, marking dots, lines and
// the scaled unit labels of a plane.
#include "plover/plover_program.h"

namespace lesson {

void Plover::ReadingArrow(Num x1, Num y1, Num x2, Num y2) {
    // The second pass draws the head at (x2, y2) again.
    ArrowTo(x1, y1, x2, y2, 5, 16, 2);
}

void Plover::LineOnPlane(Num xTo, Num yTo, Num xPerStep, Num yPerStep, Num slope, Num intercept,
                         Num colour, Num xFrom) {
    // DrawAxes left the ranges as grid counts; the graph reads values.
    XJ1 = xFrom;
    YJ1 = xTo;
    B4 = 0;
    X_yTop = yTo;
    t0000 = xPerStep;
    GGX = yPerStep;
    GraphOf(3, slope, intercept, colour, "");
}

void Plover::PlotPointTable(std::span<const Num[2]> points, Num radius, Num xPerStep, Num yPerStep) {
    for (std::size_t i = 1; i <= points.size(); ++i) {
        GY5(i) = points[i - 1][0];
        t0014(i) = points[i - 1][1];
    }
    for (std::size_t i = 1; i <= points.size(); ++i) {
        PointAt(GY5(i), t0014(i), radius, 0, xPerStep, yPerStep);
        GY5(i) = HOUKOU;
        t0014(i) = N2;
    }
}

void Plover::BigDot(Num x, Num y, Num colour) { Rt().circle(x, y, 8, static_cast<int>(colour), 0, 0, true, -1); }

void Plover::ScaledLabel(Num x, Num y, std::string_view text, Num down) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, 0});
    Rt().symbol(text, x, y, 2, down, 0);
}

void Plover::PlaneUnits(Num xUnitX, Num xUnitY, std::string_view xUnit, Num yUnitX, Num yUnitY,
                        std::string_view yUnit) {
    Rt().setFontSize(static_cast<int>(NAGASA));
    ScaledLabel(xUnitX, xUnitY, xUnit);
    ScaledLabel(yUnitX, yUnitY, yUnit);
    Rt().setFontSize(16);
}

}  // namespace lesson
