// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the status-line and figure routines.
#pragma once

#include <cmath>
#include <string>

#include "basic.h"
#include "runtime/runtime.h"
#include "runtime/text.h"

namespace lesson::fig {

// A palette number or pen width given as a program number.
inline int whole(Num v) { return static_cast<int>(std::lround(v)); }

// The pen width as the scope found it, put back when the scope ends, so that a
// routine leaves the pen as its caller had it; the second form also sets a
// width for the scope.
class PenScope {
public:
    explicit PenScope(rt::Runtime& r) : r_(r), saved_(r.drawWidth()) {}
    PenScope(rt::Runtime& r, int width) : PenScope(r) { r.setDrawWidth(width); }
    ~PenScope() { r_.setDrawWidth(saved_); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;
    // The width the caller had.
    int saved() const { return saved_; }

private:
    rt::Runtime& r_;
    int saved_;
};

// One verb per shape over the runtime's line codes.
inline void segment(rt::Runtime& r, Num x1, Num y1, Num x2, Num y2, int colour) {
    r.line(x1, y1, x2, y2, colour);
}
inline void box(rt::Runtime& r, Num x1, Num y1, Num x2, Num y2, int colour) {
    r.line(x1, y1, x2, y2, colour, 1);
}
inline void filledBox(rt::Runtime& r, Num x1, Num y1, Num x2, Num y2, int outline, int fill) {
    r.line(x1, y1, x2, y2, outline, 2, fill);
}
inline void filledBox(rt::Runtime& r, Num x1, Num y1, Num x2, Num y2, int colour) {
    filledBox(r, x1, y1, x2, y2, colour, colour);
}

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
// screen, 0 to the right; ax is the value of pi in use.
inline Num directionAngle(Num dx, Num dy, Num ax) {
    if (dy > 0) return 3 * ax / 2 + std::atan(dx / dy);
    if (dy < 0) return ax / 2 + std::atan(dx / dy);
    return dx > 0 ? 0 : ax;
}

inline constexpr Num kPi = 3.14159f;

}  // namespace lesson::fig
