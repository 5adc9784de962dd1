// SPDX-License-Identifier: GPL-3.0-or-later
// Figures: graph paper, polygons with vertex labels, two lines' intersection,
// braces and elimination columns, arrows and slope triangles, and the spare
// geometry and number routines.
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "engine.h"
#include "figure_helpers.h"
#include "runtime/text.h"

namespace lesson {

using fig::bareNumber;
using fig::countedLoop;
using fig::whole;

namespace {

char32_t firstCodePoint(const std::string& s) {
    if (s.empty()) return 0;
    const auto u = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = u(0);
    if (b < 0x80) return b;
    if ((b & 0xE0) == 0xC0 && s.size() >= 2) return ((b & 0x1F) << 6) | (u(1) & 0x3F);
    if ((b & 0xF0) == 0xE0 && s.size() >= 3) return ((b & 0x0F) << 12) | ((u(1) & 0x3F) << 6) | (u(2) & 0x3F);
    if (s.size() >= 4)
        return ((b & 0x07) << 18) | ((u(1) & 0x3F) << 12) | ((u(2) & 0x3F) << 6) | (u(3) & 0x3F);
    return b;
}

}  // namespace

PlaneFrame Engine::DrawGrid(const GridPaper& g) {
    rt::StyleScope pen(Rt());
    const Num left = g.corner.x, top = g.corner.y;
    const Num right = left + g.step * g.columns;
    const Num bottom = top + g.step * g.rows;
    const PlaneFrame frame{{left, bottom}, left, top, right, bottom, 0, g.step};
    if (g.colour == ink::page) return frame;
    constexpr Colour kHeavy = ink::yellow;
    rt::LineRoleScope grid(Rt(), rt::LineRole::givesWay);
    auto style = [&](Num j) -> Colour {
        if (std::fmod(j, 5.0f) == 0) {
            Rt().setDrawWidth(3);
            return kHeavy;
        }
        Rt().setDrawWidth(1);
        return g.colour;
    };
    countedLoop(0, g.columns, 1, [&](Num j) {
        const Colour c = style(j);
        const Num x = left + g.step * j;
        Rt().segment(x, top, x, bottom, c);
    });
    countedLoop(0, g.rows, 1, [&](Num j) {
        const Colour c = style(j);
        const Num y = bottom - g.step * j;
        Rt().segment(left, y, right, y, c);
    });
    return frame;
}

void Engine::DrawPolygon(const Polygon& polygon) {
    if (polygon.corners.empty()) return;
    rt::StyleScope pen(Rt());
    const auto& v = polygon.corners;
    const std::size_t count = v.size();
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t next = k + 1 == count ? 0 : k + 1;
        Rt().setDrawWidth(whole(polygon.width));
        Rt().segment(v[k].x, v[k].y, v[next].x, v[next].y, polygon.colour);
    }
    if (!polygon.names.empty())
        LabelVerticesByName(v, polygon.names, polygon.letterDistance, polygon.letterColour);
    else if (!polygon.firstLetter.empty())
        LabelVerticesByLetter(v, polygon.firstLetter, polygon.letterDistance, polygon.letterColour);
}

namespace {

// Vertex k's label sits on the bisector of the turn from the ray to the
// vertex after next round to the ray to the next vertex.
template <class Label>
void labelVertices(Engine& e, const std::vector<Point>& v, Num distance, Colour colour, Label labelOf) {
    const std::size_t count = v.size();
    for (std::size_t k = 0; k < count; ++k) {
        e.DrawAngleLabel({.corner = {.vertex = v[k],
                                     .first = v[(k + 1) % count],
                                     .second = v[(k + 2) % count],
                                     .exchanged = true},
                          .text = labelOf(k),
                          .distance = distance,
                          .colour = colour});
    }
}

}  // namespace

void Engine::LabelVerticesByLetter(const std::vector<Point>& corners, const std::string& firstLetter,
                                   Num distance, Colour colour) {
    const char32_t first = firstCodePoint(firstLetter);
    labelVertices(*this, corners, distance, colour,
                  [&](std::size_t k) { return rt::codePointText(first + static_cast<char32_t>(k)); });
}

void Engine::LabelVerticesByName(const std::vector<Point>& corners, const std::vector<std::string>& names,
                                 Num distance, Colour colour) {
    labelVertices(*this, corners, distance, colour,
                  [&](std::size_t k) { return k < names.size() ? names[k] : std::string(); });
}

namespace {

// The slope and intercept of the line through p and q; a vertical line has
// slope 1000 and no intercept.
struct LineForm {
    Num slope = 0;
    std::optional<Num> intercept;
    bool vertical = false;
};
LineForm lineThrough(Point p, Point q) {
    if (q.y == p.y) return {0, p.y, false};
    if (q.x == p.x) return {1000, std::nullopt, true};
    const Num slope = (q.y - p.y) / (q.x - p.x);
    return {slope, p.y - slope * p.x, false};
}

}  // namespace

LineCrossing Engine::IntersectLines(Point a1, Point a2, Point b1, Point b2) {
    LineCrossing c;
    const LineForm one = lineThrough(a1, a2), two = lineThrough(b1, b2);
    c.slope1 = one.slope, c.intercept1 = one.intercept, c.vertical1 = one.vertical;
    c.slope2 = two.slope, c.intercept2 = two.intercept, c.vertical2 = two.vertical;
    const Num x = c.vertical2 ? b1.x : a1.x;  // the vertical line's x, when one is
    // Parallel lines (two verticals included) have no single intersection;
    // the flags, not a slope of 1000, tell a vertical line.
    if (c.vertical1 && c.vertical2) return c;
    if (!c.vertical1 && !c.vertical2 && c.slope1 == c.slope2) return c;
    if (c.vertical1) {
        c.at = Point{x, c.slope2 * x + *c.intercept2};
    } else if (c.vertical2) {
        c.at = Point{x, c.slope1 * x + *c.intercept1};
    } else {
        const Num intercept1 = *c.intercept1, intercept2 = *c.intercept2;
        const Num d = c.slope2 - c.slope1;
        c.at = Point{-(intercept2 - intercept1) / d,
                     (-c.slope1 * (intercept2 - intercept1) + d * intercept1) / d};
    }
    return c;
}

Point Engine::MarkPerpendicularFoot(Point a1, Point a2, Point from) {
    Point foot;
    if (a2.x == a1.x) {
        foot = {a1.x, from.y};
    } else if (a2.y == a1.y) {
        foot = {from.x, a1.y};
    } else {
        const Num m = (a2.y - a1.y) / (a2.x - a1.x);
        const Num b = a1.y - m * a1.x;
        const Num m2 = -1 / m;
        const Num b2 = from.y - m2 * from.x;
        foot = {-(b - b2) / (m - m2), (m * b2 - m2 * b) / (m - m2)};
    }
    Rt().disc(foot.x, foot.y, 2, ink::page);
    return foot;
}

void Engine::DrawBrace(Point at, Num height, Colour colour) {
    rt::StyleScope pen(Rt(), 5);
    const Num x = at.x, y = at.y;
    const Num top = y + 5, bottom = y + height - 10, middle = (top + bottom) / 2;
    const rt::Point pts[] = {{x + 35, top},   {x + 23, top + 3},    {x + 23, middle - 7},
                             {x + 8, middle}, {x + 23, middle + 7}, {x + 23, bottom - 3},
                             {x + 35, bottom}};
    Rt().connect(colour, pts);
}

Engine::ColumnsLayout Engine::DrawEliminationColumns(const EliminationColumns& c) {
    rt::StyleScope pen(Rt());
    const Num x = c.at.x, y = c.at.y, r = c.rowHeight;
    Num w = MeasureMathText(c.upper);
    const Num lowerWidth = MeasureMathText(c.lower);
    if (lowerWidth > w) w = lowerWidth;

    DrawMathText({c.upper, {x + 54, y}, c.textColour});
    const Num room = c.signRoom;
    const Point afterOp = DrawMathText({c.op, {x, y + r + room + 6}, c.textColour});
    DrawMathText({")", afterOp, c.textColour});
    DrawMathText({c.lower, {x + 54, y + r + room}, c.textColour});

    Rt().setDrawWidth(3);
    Rt().segment(x + 27, y + 2 * r + room, x + 27 + w + 30, y + 2 * r + room, c.ruleColour);
    return {.lowerRow = y + r + room, .column = x + 54};
}

void Engine::DrawArrow(const Arrow& arrow) {
    // The ends as the two passes exchange them: after each exchange (and a
    // second one for a head at `from`) `tail` is the tail and `head` the head.
    Point tail = arrow.to, head = arrow.from;
    auto pass = [&] {
        std::swap(tail, head);
        if (arrow.headAtFrom) std::swap(tail, head);
        const Colour c = arrow.colour;
        Rt().segment(tail.x, tail.y, head.x, head.y, c);
        const Num dx = head.x - tail.x, dy = head.y - tail.y;
        const Num len = std::sqrt(dx * dx + dy * dy);
        if (len == 0 || !std::isfinite(len)) return;  // no direction, no head
        const Num ux = dx / len, uy = dy / len;
        const Num headLength = arrow.headLength;
        const Num qx = head.x - headLength * ux, qy = head.y - headLength * uy;
        const Num half = headLength / 2;
        Rt().segment(qx - half * uy, qy + half * ux, head.x, head.y, c);
        Rt().segment(qx + half * uy, qy - half * ux, head.x, head.y, c);
    };
    pass();
    if (arrow.twice) {
        std::swap(tail, head);
        pass();
    }
}

IncreaseArrows Engine::DrawIncreaseArrows(Point from, Point to, Num step, bool runLabel, bool riseLabel) {
    if (to.x < from.x) std::swap(from, to);
    rt::StyleScope pen(Rt(), 4);
    const Point corner{to.x, from.y};
    DrawArrow({.from = from, .to = corner, .colour = ink::heading, .headLength = 16});
    DrawArrow({.from = corner, .to = to, .colour = ink::emphasis, .headLength = 16});

    IncreaseArrows legs{.start = from, .corner = corner, .end = to};
    const Num run = step != 0 ? (to.x - from.x) / step : 0;
    const Num rise = step != 0 ? (from.y - to.y) / step : 0;
    legs.run = bareNumber(run);
    legs.rise = bareNumber(rise);
    if (legs.rise.starts_with("."))
        legs.rise = "0" + legs.rise;
    else if (legs.rise.starts_with("-."))
        legs.rise = "-0" + legs.rise.substr(1);

    if (runLabel) legs.runAt = LabelRun(from, to, legs.run);
    if (riseLabel) legs.riseAt = LabelRise(from, to, legs.rise);
    return legs;
}

// On a plane the run and rise stand on a ground, clear of the arrows, points
// and texts they would meet.
Point Engine::LabelRun(Point start, Point end, const std::string& text) {
    const Point at{(start.x + end.x) / 2 - 14, end.y < start.y ? start.y - 44 : start.y};
    std::optional<rt::HaloScope> halo;
    if (InsidePlane(at.x, at.y)) halo.emplace(Rt(), rt::Placing::movable);
    DrawMathText({text, at, ink::heading});
    return at;
}

Point Engine::LabelRise(Point start, Point end, const std::string& text) {
    const Point at{end.x, (start.y + end.y) / 2 - 16};
    std::optional<rt::HaloScope> halo;
    if (InsidePlane(at.x, at.y)) halo.emplace(Rt(), rt::Placing::movable);
    DrawMathText({text, at, ink::emphasis});
    return at;
}

LineBoundPoint Engine::FindLineBoundPoint(Point a1, Point a2, Num x, Num y) {
    const bool atY = x < 0;
    const bool atX = y < 0;
    LineBoundPoint found;
    if (a2.y == a1.y) {
        // Horizontal (or both points equal): every x lies on it at y = a1.y.
        found.slope = 0;
        found.intercept = a1.y;
        if (atX)
            found.at = Point{x, a1.y};
        else if (atY)
            found.at = Point{a1.x, a1.y};
        return found;
    }
    if (a2.x == a1.x) {
        // Vertical: it has no slope; every y lies on it at x = a1.x.
        if (atX)
            found.at = Point{a1.x, a1.y};
        else if (atY)
            found.at = Point{a1.x, y};
        return found;
    }
    const Num slope = (a2.y - a1.y) / (a2.x - a1.x);
    const Num intercept = a1.y - slope * a1.x;
    found.slope = slope;
    found.intercept = intercept;
    if (atY) found.at = Point{(y - intercept) / slope, y};
    if (atX) found.at = Point{x, slope * x + intercept};
    return found;
}

PrimeFactors Engine::FactorWithPrimes(Num n) {
    static constexpr Num kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23};
    PrimeFactors f;
    Num rest = std::fabs(n);
    // 0 is divisible by every prime: it has no factors, and the loop would
    // not end.
    if (rest == 0 || !std::isfinite(rest)) {
        f.rest = rest;
        return f;
    }
    for (const Num prime : kPrimes) {
        for (;;) {
            const Num wholeRest = Int(rest);
            if (wholeRest == 0 || std::fmod(wholeRest, prime) != 0) break;
            if (f.powers.empty() || f.powers.back().prime != prime) f.powers.push_back({prime, 0});
            f.powers.back().exponent = f.powers.back().exponent + 1;
            rest = rest / prime;
        }
    }
    f.rest = rest;
    return f;
}

Point Engine::TurnArrowHead(Point from, Point to, Num degrees, Num height) {
    const Num sx = from.x, sy = from.y;
    const Num h = std::sqrt((to.x - sx) * (to.x - sx) + (to.y - sy) * (to.y - sy)) / 2;
    const Num alpha = GetDirectionAngle(from, to).radians;
    const Num t = degrees * fig::kPi / 180;
    const Point onEllipse{sx + h + h * std::cos(t), sy - height * std::sin(t)};
    const Num beta = GetDirectionAngle(from, onEllipse).radians;
    const Num d =
        std::sqrt((onEllipse.x - sx) * (onEllipse.x - sx) + (onEllipse.y - sy) * (onEllipse.y - sy));
    return {sx + d * std::cos(alpha + beta), sy - d * std::sin(alpha + beta)};
}

}  // namespace lesson
