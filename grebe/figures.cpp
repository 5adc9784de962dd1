// SPDX-License-Identifier: GPL-3.0-or-later
// Figures and texts more than one of Grebe's chapters draws.
#include <string>

#include "grebe/grebe_program.h"

namespace lesson {

void Grebe::LineWithSlopeArrows(const PlaneView& plane, const ArrowedLine& line) {
    plane.GraphOf({.a = line.a,
                   .b = line.b,
                   .colour = ink::text,
                   .label = line.label,
                   .labelDx = line.labelDx,
                   .labelDy = line.labelDy});
    const Point intercept = plane.At(0, line.b);
    const Point end = plane.At(line.run, line.b + line.rise);
    BigDot(intercept, ink::emphasis);
    plane.SlopeTriangle({.from = intercept, .to = end, .legsColour = ink::emphasis});
}

Grebe::LabelShift Grebe::AwayFromYAxis(Num x, Num slope, const std::string& label) {
    const bool right = x > 0;
    // The dot's place shifted: the label's corner is 20 left of and 40 above it.
    const Num dx = right ? Num{40} : -MathTextWidth(label);
    const bool lineRisesThatSide = right ? slope > 0 : slope < 0;
    return {dx, lineRisesThatSide ? Num{30} : Num{0}};
}

}  // namespace lesson
