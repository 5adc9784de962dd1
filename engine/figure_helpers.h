// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the status-line and figure routines.
#pragma once

#include <cmath>
#include <string>

#include "basic.h"
#include "runtime/runtime.h"
#include "runtime/text.h"

namespace lesson::fig {

// A pen width or a text size given as a program number.
inline int whole(Num v) { return static_cast<int>(std::lround(v)); }

// A counted loop as the lessons run it: the first pass always runs; after
// each pass the counter grows by the step and the loop goes on while the
// counter has not passed the bound. Step and bound are taken once. A step of
// 0 runs one pass instead of never ending.
template <class Body>
void countedLoop(Num from, Num to, Num step, Body body) {
    Num c = from;
    for (;;) {
        body(c);
        if (step == 0 || !std::isfinite(step)) return;
        c += step;
        if (step > 0 ? c > to : c < to) return;
        if (!std::isfinite(c)) return;
    }
}

// The text of a number without blanks ("3", "-2", ".5"); never "-0".
inline std::string bareNumber(Num v) {
    std::string s = rt::str(v == 0 ? 0.0f : v);
    std::string out;
    for (char ch : s)
        if (ch != ' ') out += ch;
    return out;
}

// Direction from a vertex to a point, radians counter-clockwise as seen on the
// screen, 0 to the right, with this value of pi.
inline Num directionAngle(Num dx, Num dy, Num pi) {
    if (dy > 0) return 3 * pi / 2 + std::atan(dx / dy);
    if (dy < 0) return pi / 2 + std::atan(dx / dy);
    return dx > 0 ? 0 : pi;
}

inline constexpr Num kPi = 3.14159f;

}  // namespace lesson::fig
