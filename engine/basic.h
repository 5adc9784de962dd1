// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers, colours, screen points, arrays and runtime errors as the lesson programs use them.
#pragma once

#include <array>
#include <cmath>
#include <concepts>
#include <source_location>
#include <string>
#include <string_view>

#include "runtime/palette.h"

namespace lesson {

// Every program number is single precision: loops that step by 0.1 must count
// as the lessons count them.
using Num = float;

// A palette entry.
using Colour = rt::Colour;

// The palette's entries by the role the lessons give them; an entry without
// one keeps its hue's name.
namespace ink {
inline constexpr Colour text = Colour::black;  // body text, status-line prompts
inline constexpr Colour blue = Colour::blue;
inline constexpr Colour green = Colour::green;
inline constexpr Colour emphasis = Colour::teal;   // formulas, highlighted words, the goal label
inline constexpr Colour keyBox = Colour::navy;     // fill of the key-wait box
inline constexpr Colour answer = Colour::magenta;  // answers, typed digits
inline constexpr Colour brown = Colour::brown;
inline constexpr Colour heading = Colour::slate;  // headings, axes, grid
inline constexpr Colour grey = Colour::grey;
inline constexpr Colour onBox = Colour::amber;      // text on the prompt boxes; dots on the page
inline constexpr Colour panel = Colour::royalBlue;  // the main-menu panel; water
inline constexpr Colour paleCyan = Colour::paleCyan;
inline constexpr Colour nextBox = Colour::plum;  // fill of the next-step box
inline constexpr Colour accent = Colour::pink;   // odd menu items, prompt-box borders
inline constexpr Colour yellow = Colour::yellow;
inline constexpr Colour page = Colour::white;  // the background
}  // namespace ink

// Error codes shown by the error handler.
enum ErrorCode : int {
    kIllegalFunctionCall = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
};

// Any runtime error: the program continues in the error handler. place is the
// source line of the failing statement.
struct RuntimeError {
    int place = 0;
    int code = 0;
};

[[noreturn]] inline void raiseError(int code, std::source_location where = std::source_location::current()) {
    throw RuntimeError{static_cast<int>(where.line()), code};
}

// Array subscripts may be program numbers; they round to the nearest whole number.
template <class I>
long subscript(I i) {
    if constexpr (std::floating_point<I>) {
        if (!std::isfinite(i)) return -1;
        return std::lround(i);
    } else {
        return static_cast<long>(i);
    }
}

// An array with subscripts 0..High, bounds-checked: an index out of range is a
// runtime error, never undefined behaviour.
template <class T, int High>
class Arr {
public:
    template <class I>
    T& operator()(I i, std::source_location where = std::source_location::current()) {
        return v_[check(subscript(i), where)];
    }
    template <class I>
    const T& operator()(I i, std::source_location where = std::source_location::current()) const {
        return v_[check(subscript(i), where)];
    }
    static constexpr int high() { return High; }
    void clear() { v_.fill(T{}); }

private:
    static std::size_t check(long i, std::source_location where) {
        if (i < 0 || i > High) raiseError(kSubscriptOutOfRange, where);
        return static_cast<std::size_t>(i);
    }
    std::array<T, High + 1> v_{};
};

// Two subscripts, 0..High1 and 0..High2.
template <class T, int High1, int High2>
class Arr2 {
public:
    template <class I, class J>
    T& operator()(I i, J j, std::source_location where = std::source_location::current()) {
        long a = subscript(i), b = subscript(j);
        if (a < 0 || a > High1 || b < 0 || b > High2) raiseError(kSubscriptOutOfRange, where);
        return v_[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
    }
    void clear() {
        for (auto& row : v_) row.fill(T{});
    }

private:
    std::array<std::array<T, High2 + 1>, High1 + 1> v_{};
};

// A place on the screen in logical units: x right, y down.
struct Point {
    Num x = 0;
    Num y = 0;

    friend Point operator+(Point p, Point d) { return {p.x + d.x, p.y + d.y}; }
    friend bool operator==(const Point&, const Point&) = default;
};

// A coordinate plane to draw: its top-left corner ((0, 0) takes the usual
// place), the ranges in values, the units per grid step and the values per
// grid step (0 counts as 1, a negative value as its size).
struct Plane {
    Num left = 0, top = 0;
    Num xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
    Num step = 40;      // units per grid step
    bool grid = false;  // grid lines, and the scale numbers every five steps
    bool scaleNumbers = true;
    Num xPerStep = 1, yPerStep = 1;
};

// A plane's ranges counted in grid steps.
struct GridRange {
    Num xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
};

// Where a drawn plane (or a frame of graph paper) lies on the screen: its
// origin, its edges, the size of its scale numbers and its units per grid
// step; for a plane also its ranges in grid steps and the values per step it
// was drawn with.
struct PlaneFrame {
    Point origin;
    Num left = 0, top = 0, right = 0, bottom = 0;
    Num scaleSize = 0;
    Num step = 0;
    GridRange steps = {};
    Num xPerStep = 1, yPerStep = 1;

    // The screen place of the value point (x, y) at these values per grid step.
    Point ToScreen(Num x, Num y, Num xPerStep = 1, Num yPerStep = 1) const {
        return {origin.x + step * x / xPerStep, origin.y - step * y / yPerStep};
    }
};

// A dot on a plane at a value point, its label shifted by (labelDx, labelDy)
// from where the engine puts it.
struct Dot {
    Num radius = 0;
    Colour colour = ink::text;
    std::string_view label = {};
    Num labelDx = 0, labelDy = 0;
    Num xPerStep = 1, yPerStep = 1;
};

// The curves a graph can be: y = a/x, y = a*x^2, y = a*x + b, a*x + b*y = c.
enum class Curve { Inverse = 1, Parabola = 2, Line = 3, General = 4 };

// A graph, its label shifted by (labelDx, labelDy) from the end where the
// engine puts it.
struct Graph {
    Curve kind = Curve::Line;
    Num a = 0, b = 0, c = 0;
    Colour colour = ink::text;
    std::string_view label = {};
    Num labelDx = 0, labelDy = 0;
};

// Where a graph is traced, in values of x, and the values per grid step it
// is drawn at (0 counts as 1).
struct GraphSpan {
    Num xFrom = 0, xTo = 0;
    Num xPerStep = 1, yPerStep = 1;
};

// INT: the greatest whole number not above v.
inline Num Int(Num v) { return std::floor(v); }

// Truth values of the lessons: -1 true, 0 false.
inline Num truth(bool b) { return b ? -1.0f : 0.0f; }

}  // namespace lesson
