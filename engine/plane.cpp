// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate plane: axes with grid and scale numbers, plotted points and
// function graphs.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine.h"
#include "figure_helpers.h"
#include "runtime/reading_rules.h"
#include "runtime/text.h"

namespace lesson {

using fig::bareNumber;
using fig::countedLoop;
using fig::whole;

namespace {

bool multipleOf5(Num k) { return std::fmod(k, 5.0f) == 0; }

// 0 counts as 1 and a negative value as its size.
Num normalisedStep(Num v) {
    if (v == 0) return 1;
    return std::fabs(v);
}

// A value per grid step of 0 counts as 1.
Num perStep(Num v) { return v == 0 ? 1 : v; }

}  // namespace

PlaneFrame Engine::PlaceAxes(const Plane& p) {
    PlaneFrame f;
    f.xPerStep = normalisedStep(p.xPerStep);
    f.yPerStep = normalisedStep(p.yPerStep);
    f.steps = {p.xFrom / f.xPerStep, p.xTo / f.xPerStep, p.yFrom / f.yPerStep, p.yTo / f.yPerStep};
    Num left = p.left, top = p.top;
    if (left == 0 && top == 0) {
        left = 640;
        top = 180;
    }
    f.step = p.step;
    f.origin = {left + f.step * std::fabs(f.steps.xFrom), top + f.step * f.steps.yTo};
    f.left = left;
    f.top = top;
    f.right = f.origin.x + f.step * f.steps.xTo;
    f.bottom = f.origin.y + f.step * std::fabs(f.steps.yFrom);
    f.scaleSize = f.step < 40 ? 26 : 30;
    return f;
}

PlaneFrame Engine::DrawAxes(const Plane& p) {
    rt::StyleScope pen(Rt());
    const PlaneFrame f = PlaceAxes(p);
    planes_.boxes.push_back({f.left, f.top, f.right, f.bottom});
    const Num size = f.scaleSize;
    const Point o = f.origin;
    const GridRange& r = f.steps;

    if (p.grid) {
        rt::LineRoleScope grid(Rt(), rt::LineRole::givesWay);
        Rt().setTextStyle(rt::gothic(whole(size)));
        Rt().setDrawWidth(1);
        countedLoop(r.xFrom, r.xTo, 1, [&](Num k) {
            const Num x = o.x + f.step * k - 0.5f;
            Rt().segment(x, f.top, x, f.bottom, ink::text);
        });
        countedLoop(r.yFrom, r.yTo, 1, [&](Num k) {
            const Num y = o.y - f.step * k - 0.5f;
            Rt().segment(f.left, y, f.right, y, ink::text);
        });
        auto numberText = [&](Num k) -> std::string {
            if (k == 0 || !p.scaleNumbers) return {};
            return bareNumber(k);
        };
        countedLoop(r.xFrom, r.xTo, 1, [&](Num k) {
            if (!multipleOf5(k)) return;
            Rt().setDrawWidth(3);
            const Num x = o.x + f.step * k;
            Rt().segment(x, f.top, x, f.bottom, ink::blue);
            const std::string text = numberText(k);
            if (!text.empty()) ScaleNumber(text, x - size * rt::klen(text) / 2, o.y + kScaleGap);
        });
        countedLoop(r.yFrom, r.yTo, 1, [&](Num k) {
            if (!multipleOf5(k)) return;
            Rt().setDrawWidth(3);
            const Num y = o.y - f.step * k;
            Rt().segment(f.left, y, f.right, y, ink::blue);
            const std::string text = numberText(k);
            if (!text.empty()) {
                const Num top = y - size / 2 - 4;
                ScaleNumber(text, YScaleLeft(f, top, rt::klen(text)), top);
            }
        });
    }

    Rt().setDrawWidth(4);
    Rt().segment(o.x, f.top, o.x, f.bottom, ink::text);
    Rt().segment(f.left, o.y, f.right, o.y, ink::text);

    Rt().setTextStyle({.face = "Times New Roman", .size = whole(0.8f * size), .bold = true, .italic = true});
    // The axis letters stand on grounds of their own where the plane puts
    // them: no grid line or graph runs through them.
    {
        rt::HaloScope ground(Rt());
        Rt().symbol("x", f.right - 0.8f * size, o.y - 1.5f * size, 3, 2, ink::text);
    }
    Rt().setTextStyle(rt::gothic(whole(size), true));
    {
        // The origin's "0" is the plane's reference: it stays where it is,
        // a point drawn on it or not, unless a line of meaning is drawn
        // through it.
        rt::HaloScope ground(Rt(), rt::Placing::reference);
        Rt().symbol("0", o.x - size - kScaleGap, o.y + kScaleGap, 2, 1, ink::text);
    }
    {
        rt::HaloScope ground(Rt());
        Rt().symbol("y", o.x, f.top - size / 2, 2, 1, ink::text);
    }
    return f;
}

void Engine::LabelAxisScales(const PlaneFrame& plane, Num xPerStep, Num yPerStep) {
    const Num size = plane.scaleSize;
    const Point o = plane.origin;
    rt::StyleScope style(Rt());
    Rt().setTextStyle(rt::gothic(whole(size)));
    // The value with at most one decimal, truncated; the point is drawn on
    // its own between the whole part and the tenths digit.
    auto write = [&](Num v, bool onX, Num k) {
        const bool negative = v < 0;
        const Num a = std::fabs(v);
        const Num whole_part = std::floor(a);
        const Num tenth = std::clamp(std::floor(10 * a) - 10 * whole_part, 0.0f, 9.0f);
        std::string intText = bareNumber(whole_part);
        if (negative && (whole_part != 0 || tenth != 0)) intText = "-" + intText;
        std::string digits = intText;
        if (tenth != 0) digits += bareNumber(tenth);
        const int c = rt::klen(digits);
        Num x, y;
        if (onX) {
            x = o.x + plane.step * k - size * c / 2;
            y = o.y + kScaleGap;
        } else {
            y = o.y - plane.step * k - size / 2;
            x = YScaleLeft(plane, y, c);
        }
        rt::HaloScope ground(Rt(), rt::Placing::yielding);
        Rt().symbol(digits, x, y, 2, 1, ink::text);
        if (tenth != 0) Rt().symbol(".", x + size * rt::klen(intText) - 6, y + 4, 2, 1, ink::text);
    };
    const GridRange& r = plane.steps;
    countedLoop(r.xFrom, r.xTo, 1, [&](Num k) {
        if (k != 0 && std::fmod(k, 5.0f) == 0) write(k * xPerStep, true, k);
    });
    countedLoop(r.yFrom, r.yTo, 1, [&](Num k) {
        if (k != 0 && std::fmod(k, 5.0f) == 0) write(k * yPerStep, false, k);
    });
}

bool Engine::InsidePlane(Num x, Num y) const {
    // A text's place is its top-left corner: one placed on the right or the
    // bottom edge hangs outside the box.
    for (const auto& b : planes_.boxes)
        if (b.left <= x && x < b.right && b.top <= y && y < b.bottom) return true;
    return false;
}

void Engine::ErasedBox(Num x1, Num y1, Num x2, Num y2) {
    const Num left = std::min(x1, x2), right = std::max(x1, x2);
    const Num top = std::min(y1, y2), bottom = std::max(y1, y2);
    std::erase_if(planes_.boxes, [&](const auto& b) {
        return left <= b.left && b.right <= right && top <= b.top && b.bottom <= bottom;
    });
}

// Where a y scale number of `chars` cells whose cell starts at `top` begins:
// just left of the axis, or, on the line of the axis letter "y" (which
// stands just right of the axis at the top), far enough left that the two
// do not read as one ("5y").
Num Engine::YScaleLeft(const PlaneFrame& f, Num top, int chars) {
    const Num size = f.scaleSize;
    const Num letterTop = f.top - size / 2;
    const Num overlap = std::min(top, letterTop) + size - std::max(top, letterTop);
    const Num gap = overlap > size * rt::reading::kSameLineOverlap ? rt::reading::kApart : kScaleGap;
    return f.origin.x - size * static_cast<Num>(chars) - gap;
}

// A scale number stands on a ground of its own, clear of the axis it labels,
// so that no grid line or graph runs through its sign or digits.
void Engine::ScaleNumber(const std::string& text, Num x, Num y) {
    rt::HaloScope ground(Rt(), rt::Placing::yielding);
    Rt().symbol(text, x, y, 2, 1, ink::text);
}

// Labels of points and graphs stand on a ground and move off what they would
// meet; the plane's axis letters do not.
Point Engine::PlotPoint(const PlaneFrame& plane, Num x, Num y, const Dot& dot) {
    const Point at = plane.ToScreen(x, y, perStep(dot.xPerStep), perStep(dot.yPerStep));
    Rt().disc(at.x, at.y, dot.radius, dot.colour);
    {
        rt::HaloScope halo(Rt(), rt::Placing::movable);
        DrawMathText({dot.label, {at.x - 20 + dot.labelDx, at.y - 40 + dot.labelDy}, dot.colour});
    }
    return at;
}

std::optional<Point> Engine::DrawGraph(const PlaneFrame& plane, const Graph& graph, const GraphSpan& span) {
    rt::StyleScope pen(Rt());
    Graph g = graph;
    const GraphSpan over{span.xFrom, span.xTo, perStep(span.xPerStep), perStep(span.yPerStep)};

    std::optional<Point> end;
    if (g.kind == Curve::General && g.b == 0) {
        // 0x + 0y = c is no line at all: nothing is drawn.
        if (g.a != 0) {
            Num c = g.c / g.a;
            if (c == 0) c = 0;
            end = DrawVerticalLine(plane, c, g.colour);
        }
    } else {
        if (g.kind == Curve::General) {
            Num a = -g.a / g.b;
            if (a == 0) a = 0;
            Num b = g.c / g.b;
            if (b == 0) b = 0;
            g.a = a;
            g.b = b;
            g.kind = Curve::Line;
        }
        // A graph with no dot inside the plane has no end to label.
        end = TraceCurve(plane, g, over);
    }

    if (end) {
        rt::HaloScope halo(Rt(), rt::Placing::movable);
        DrawMathText({g.label, {end->x + g.labelDx, end->y + g.labelDy}, g.colour});
    }
    return end;
}

std::optional<Point> Engine::TraceCurve(const PlaneFrame& plane, const Graph& g, const GraphSpan& span) {
    constexpr int kSteps = 5000;
    const bool awayFromZero = g.kind == Curve::Inverse || g.kind == Curve::Parabola;
    const Num a = g.a, b = g.b;
    auto f = [&](Num x) -> Num {
        if (g.kind == Curve::Inverse) return a / x;
        if (g.kind == Curve::Parabola) return a * x * x;
        return a * x + b;
    };
    const Num step = (span.xTo - span.xFrom) / kSteps;
    Num x = span.xFrom;
    if (awayFromZero && x == 0) x = 0.002f;
    Num y = f(x);
    const Colour colour = g.colour;
    rt::LineRoleScope graph(Rt(), rt::LineRole::givesWay);
    std::optional<Point> last;
    for (int i = 0; i <= kSteps; ++i) {
        const Point s = plane.ToScreen(x, y, span.xPerStep, span.yPerStep);
        if (plane.top <= s.y && s.y <= plane.bottom) {
            Rt().disc(s.x, s.y, 1, colour);
            last = s;
        }
        x += step;
        if (awayFromZero && x == 0) x += step;
        y = f(x);
    }
    return last;
}

Point Engine::DrawVerticalLine(const PlaneFrame& plane, Num c, Colour colour) {
    rt::StyleScope pen(Rt(), 5);
    rt::LineRoleScope graph(Rt(), rt::LineRole::givesWay);
    const Num x = plane.origin.x + plane.step * c;
    const Num top = plane.origin.y - plane.step * plane.steps.yTo;
    Rt().segment(x, plane.origin.y - plane.step * plane.steps.yFrom, x, top, colour);
    return {x + 10, top};
}

}  // namespace lesson
