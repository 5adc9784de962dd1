// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 7: the range of y from a domain of x, worked on y=5x+20 and then as
// random practice solved on the graph.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "kestrel/kestrel_program.h"
#include "runtime/canvas.h"
#include "runtime/text.h"

namespace lesson {

namespace {

// The ink of a value's digits and signs, as a pupil reads it: x0 to x1
// across, y0 to y1 down.
struct ValueInk {
    Num x0, y0, x1, y1;
};

// A value's width: its digits and minus advance 27 each.
Num ValueWidth(const std::string& text) { return 27 * static_cast<Num>(rt::klen(text)); }

// Digits and signs ink 4 to 41 below the top a text is drawn at.
ValueInk InkAt(Num x, Num y, Num width) { return {x, y + 4, x + width, y + 41}; }

// Two numbers read as one when they stand less than 10 apart side by side
// (heights overlapping by more than a third) or less than 4 apart stacked.
bool RunTogether(const ValueInk& a, const ValueInk& b) {
    const Num overlap = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
    const Num height = std::min(a.y1 - a.y0, b.y1 - b.y0);
    const Num across = std::max(b.x0 - a.x1, a.x0 - b.x1);
    const Num down = std::max(b.y0 - a.y1, a.y0 - b.y1);
    return across < 10 && (overlap > height / 3 || down < 4);
}

}  // namespace

const Chapter<Kestrel> Kestrel::kDomainRange{
    .goal = {"xの変域からyの変域を求めよう。"},
    .choices = "①例　②練習　③終了",
    .topics = {&Kestrel::DomainRangeExample, &Kestrel::DomainRangePractice},
};

// ---- Worked example ------------------------------------------------------------------

void Kestrel::DomainRangeExample() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(cursor.margin, cursor.row, ink::text, "問　1次関数 y=5x+20 について、");
    NewRow(50, ink::text, "xの変域が 5≦x≦10 のとき、");
    NewRow(50, ink::text, "yの変域を求めなさい。");

    // One grid step is 1 across and 5 up.
    const PlaneView plane = PlaneAt({.left = 722,
                                     .top = 30,
                                     .xFrom = -2,
                                     .xTo = 13,
                                     .yFrom = -2,
                                     .yTo = 20,
                                     .step = 28,
                                     .grid = true,
                                     .scaleNumbers = false});
    plane.ScaleNumbers(1, 5);
    plane.GraphOf({.a = 5, .b = 20, .colour = ink::text, .label = "y=5x+20", .labelDx = -108, .labelDy = -70},
                  {.xFrom = -2, .xTo = 13, .yPerStep = 5});

    // The domain's ends on the x axis, the graph above them (y = 45 and 70,
    // 9 and 14 steps up) and their heights on the y axis.
    auto arrow = [&](Point from, Point to) { ArrowTo(from.x, from.y, to.x, to.y, ink::answer, 16, 2); };
    const Dot domainDot{.radius = 8, .colour = ink::answer};
    StepReveal();
    const Point low = plane.PointAt(5, 0, domainDot);
    const Point high = plane.PointAt(10, 0, domainDot);
    const Point lowHeight = plane.At(0, 9), highHeight = plane.At(0, 14);
    const Point lowOnGraph{low.x, lowHeight.y}, highOnGraph{high.x, highHeight.y};
    Segment(low, high, ink::answer);
    StepReveal();
    arrow(low, lowOnGraph);
    StepReveal();
    arrow(high, highOnGraph);
    StepReveal();
    PenWidth(9);
    Segment(lowOnGraph, highOnGraph, ink::emphasis);
    PenWidth(5);
    StepReveal();
    arrow(lowOnGraph, lowHeight);
    plane.PointAt(0, 9, domainDot);
    StepReveal();
    arrow(highOnGraph, highHeight);
    plane.PointAt(0, 14, domainDot);
    StepReveal();
    Segment(lowHeight, highHeight, ink::answer);

    StepReveal();
    NewRow(80, ink::emphasis, "グラフから");
    StepReveal();
    NewRow(50, ink::text, "x=5 のとき　");
    StepReveal();
    Next(ink::emphasis, "最小値 y=45");
    StepReveal();
    NewRow(50, ink::text, "x=10 のとき　");
    StepReveal();
    Next(ink::emphasis, "最大値 y=70");
    StepReveal();
    NewRow(50, ink::text, "したがって、yの変域は　");
    StepReveal();
    Next(ink::answer, "45≦y≦70");
}

// ---- Random practice ---------------------------------------------------------------------

void Kestrel::DomainRangePractice() {
    RandomProblemScreen(area::text, 40, [this] {
        const DomainRangeProblem problem = DrawDomainRangeProblem();
        RestartProblem(Wipe::WholeArea);
        DomainRangeProblemScreen(problem);
        DomainRangeSolution(problem);
    });
}

// Any failed test draws the whole problem again, slope first; the slope
// differs from the one last drawn (lastRangeSlope).
Kestrel::DomainRangeProblem Kestrel::DrawDomainRangeProblem() {
    return Problem<DomainRangeProblem>([this] {
        for (;;) {
            Num a = RandomWhole(2);
            RandomSign12(a);
            if (RepeatsKept(a, lastRangeSlope)) continue;
            Num b = RandomWhole(3);
            RandomSign12(b);
            Num p = RandomWhole(8);
            RandomSign12(p);
            const Num q = p + RandomWhole(6, 3);
            if (q > 9) continue;
            const Num yp = a * p + b;
            if (yp > 10 || yp < -10) continue;
            const Num yq = a * q + b;
            if (yq > 10 || yq < -10) continue;
            return DomainRangeProblem{.a = a, .b = b, .p = p, .q = q, .yp = yp, .yq = yq};
        }
    });
}

void Kestrel::DomainRangeProblemScreen(const DomainRangeProblem& pr) {
    const std::string equation =
        "y=" + CoefficientForm(pr.a, NumberText(pr.a)) + "x" + LaterTermForm(pr.b, NumberText(pr.b));
    Put(cursor.margin, cursor.row, ink::heading, "練習　");
    Next(ink::text, "1次関数 ");
    Next(ink::emphasis, equation);
    Next(ink::text, "について、");
    NewRow(50, ink::text, "xの変域が ");
    Next(ink::emphasis, NumberText(pr.p) + "≦x≦" + NumberText(pr.q));
    Next(ink::text, " のとき、");
    NewRow(50, ink::text, "yの変域を求めなさい。");
}

void Kestrel::DomainRangeSolution(const DomainRangeProblem& pr) {
    // A step of 29 keeps a point at y=-10 clear of the status band.
    const PlaneView view =
        PlaneAt({.left = 640, .top = 50, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 29});
    view.GraphOf({.a = pr.a, .b = pr.b, .colour = ink::text});
    NewRow(50, ink::emphasis, "<解答>");

    // The values' places: off the axes and their bars, clear of the origin's
    // "0", the points and each other, beside what they name. Each takes the
    // first of its places that keeps clear; the first is the lesson's own.
    const PlaneFrame& plane = view.frame;
    const Point origin = plane.origin;
    const Num zeroSize = plane.scaleSize;
    // The origin's "0" and the axis letter y over the axis.
    std::vector<ValueInk> taken = {
        {origin.x - zeroSize - 4, origin.y + 4, origin.x - 4, origin.y + 4 + zeroSize},
        {origin.x - 2, plane.top - zeroSize, origin.x + zeroSize, plane.top + 6}};
    const Point dots[] = {view.At(pr.p, pr.yp), view.At(pr.q, pr.yq)};
    // The guide lines drawn later from each point to both axes, a pen's
    // width across: no value may stand on one, nor a minus just right of one.
    std::vector<ValueInk> guides;
    for (const Point& d : dots) {
        constexpr Num kHalfPen = 2.5f;
        guides.push_back({d.x - kHalfPen, std::min(origin.y, d.y) - kHalfPen, d.x + kHalfPen,
                          std::max(origin.y, d.y) + kHalfPen});
        guides.push_back({std::min(origin.x, d.x) - kHalfPen, d.y - kHalfPen,
                          std::max(origin.x, d.x) + kHalfPen, d.y + kHalfPen});
    }
    auto clear = [&](const ValueInk& v, bool minus) {
        constexpr Num kOffLine = 4 + 4;  // half a bar's width and 4 of page
        constexpr Num kOffDot = 8 + 6;   // a point's radius, a ground's margin and 3 of page
        constexpr Num kOffGuide = 1;
        constexpr Num kMinusOffGuide = 4 + 1;  // a minus stands 4 of page clear on its left
        if (v.y0 < 4 || v.y1 > rt::Canvas::kStatusTop - 4) return false;
        if (v.y0 < origin.y + kOffLine && v.y1 > origin.y - kOffLine) return false;
        if (v.x0 < origin.x + kOffLine && v.x1 > origin.x - kOffLine) return false;
        for (const Point& d : dots)
            if (v.x0 < d.x + kOffDot && v.x1 > d.x - kOffDot && v.y0 < d.y + kOffDot && v.y1 > d.y - kOffDot)
                return false;
        for (const ValueInk& g : guides) {
            const Num right = g.x1 + (minus ? kMinusOffGuide : kOffGuide);
            if (v.x0 < right && v.x1 > g.x0 - kOffGuide && v.y0 < g.y1 + kOffGuide && v.y1 > g.y0 - kOffGuide)
                return false;
        }
        return std::none_of(taken.begin(), taken.end(), [&](const ValueInk& t) { return RunTogether(v, t); });
    };
    auto place = [&](const std::string& text, std::initializer_list<Point> places) {
        const Num width = ValueWidth(text);
        const bool minus = text.starts_with("-");
        Point at = *places.begin();
        for (const Point& p : places) {
            if (clear(InkAt(p.x, p.y, width), minus)) {
                at = p;
                break;
            }
        }
        taken.push_back(InkAt(at.x, at.y, width));
        return at;
    };
    // Under the axis beside its mark, the lower end to the left and the upper
    // to the right; else clear of the "0", further down or on the other side.
    auto xValuePlace = [&](Num markX, const std::string& text, bool leftFirst) {
        const Num width = ValueWidth(text);
        const bool onYAxis = markX == origin.x;
        const Num left = onYAxis ? origin.x - 9 - width : markX - 4 - width;
        const Num right = onYAxis ? origin.x + 9 : markX + 4;
        const Num ownSide = leftFirst ? left : right, otherSide = leftFirst ? right : left;
        const Num offZero = markX < origin.x ? std::min(left, origin.x - zeroSize - 4 - 11 - width) : left;
        const Num under = origin.y + 5, lower = origin.y + 30, lowest = origin.y + 55;
        return place(text, {{ownSide, under},
                            {offZero, under},
                            {offZero - 12, under},
                            {offZero - 24, under},
                            {ownSide + (leftFirst ? -14 : 14), under},
                            {ownSide, lower},
                            {otherSide, under},
                            {otherSide + (leftFirst ? 14 : -14), under},
                            {otherSide, lower},
                            {markX - width / 2, lower},
                            {ownSide, lowest},
                            {otherSide, lowest},
                            {markX - width / 2, lowest}});
    };
    // Left of the y axis over its guide line; else under it, or right of the axis.
    auto yValuePlace = [&](Num guideY, const std::string& text) {
        const Num left = origin.x - 9 - ValueWidth(text), right = origin.x + 9;
        return place(text, {{left, guideY - 54},
                            {left, guideY + 12},
                            {right, guideY - 54},
                            {right, guideY + 12},
                            {left, guideY + 37},
                            {right, guideY + 37},
                            {left, guideY + 62},
                            {right, guideY + 62}});
    };

    // The domain's ends: where x is marked on the axis, and its texts.
    struct End {
        Num x, y;
        std::string xText;
        Point mark;
    };
    StepReveal();
    // The value labels keep clear of the points marked later.
    for (const Num x : {pr.p, pr.q}) KeepClear(view.At(x, pr.a * x + pr.b), 8 + 3);
    const Dot onAxis{.radius = 1, .colour = ink::answer};
    const End ends[] = {{pr.p, pr.yp, NumberText(pr.p), view.PointAt(pr.p, 0, onAxis)},
                        {pr.q, pr.yq, NumberText(pr.q), view.PointAt(pr.q, 0, onAxis)}};
    const Num axisY = ends[0].mark.y;
    PenWidth(8);
    Segment({ends[0].mark.x, axisY}, {ends[1].mark.x, axisY}, ink::answer);
    PenWidth(5);
    const Point lowEnd = xValuePlace(ends[0].mark.x, ends[0].xText, true);
    const Point highEnd = xValuePlace(ends[1].mark.x, ends[1].xText, false);
    Label(lowEnd.x, lowEnd.y, ink::emphasis, ends[0].xText);
    Label(highEnd.x, highEnd.y, ink::emphasis, ends[1].xText);

    // Each end substituted into the equation, its point marked with guide
    // lines to both axes.
    const std::string a = NumberText(pr.a);
    const std::string term = LaterTermForm(pr.b, NumberText(pr.b));
    const Num yAxis = view.At(0, 0).x;
    Point onGraph[2];
    std::string yText[2];
    for (int k = 0; k < 2; ++k) {
        const End& e = ends[k];
        StepReveal();
        NewRow(50, ink::text, "x=" + e.xText + " のとき　");
        StepReveal();
        NewRow(50, ink::emphasis, "y=");
        Next(ink::text, a + "*" + SubstitutedForm(e.x, e.xText) + term + "=");
        Next(ink::text, NumberText(pr.a * e.x) + term);
        yText[k] = NumberText(e.y);
        Next(ink::emphasis, "=" + yText[k]);
        onGraph[k] = view.PointAt(e.x, e.y, {.radius = 8, .colour = ink::emphasis});
        // A point on an axis needs no guide line to it.
        if (onGraph[k].y != axisY) Segment({e.mark.x, axisY}, onGraph[k], ink::heading);
        if (onGraph[k].x != yAxis) Segment(onGraph[k], {yAxis, onGraph[k].y}, ink::heading);
        const Point value = yValuePlace(onGraph[k].y, yText[k]);
        Label(value.x, value.y, ink::emphasis, yText[k]);
    }

    // The piece of the graph over the domain.
    StepReveal();
    view.GraphOf({.a = pr.a, .b = pr.b, .colour = ink::emphasis}, {.xFrom = pr.p, .xTo = pr.q});
    StepReveal();
    PenWidth(8);
    Segment({yAxis, onGraph[1].y}, {yAxis, onGraph[0].y}, ink::answer);
    PenWidth(5);
    StepReveal();
    NewRow(50, ink::text, "グラフから、yの変域は　");
    StepReveal();
    // The range follows the sign of a: a rising line is lowest at p.
    const std::string& low = pr.a > 0 ? yText[0] : yText[1];
    const std::string& high = pr.a > 0 ? yText[1] : yText[0];
    NewRow(50, ink::answer, low + "≦y≦" + high);
}

}  // namespace lesson
