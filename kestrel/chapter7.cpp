// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 7: the range of y from a domain of x, worked on y=5x+20 and then as
// random practice solved on the graph.
#include <string>

#include "kestrel/kestrel_program.h"
#include "runtime/text.h"

namespace lesson {

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
    PlaneAt({.left = 722,
             .top = 30,
             .xFrom = -2,
             .xTo = 13,
             .yFrom = -2,
             .yTo = 20,
             .step = 28,
             .gridColour = 14,
             .scaleNumbers = false});
    ScaleNumbers(1, 5);
    GraphOf({.a = 5, .b = 20, .colour = 0, .label = "y=5x+20", .labelDx = -108, .labelDy = -70},
            {.xFrom = -2, .xTo = 13, .yPerStep = 5});

    // The domain's ends on the x axis, the graph above them (y = 45 and 70,
    // 9 and 14 steps up) and their heights on the y axis.
    auto line = [&](Point from, Point to, Num colour) {
        Rt().line(from.x, from.y, to.x, to.y, static_cast<int>(colour));
    };
    auto arrow = [&](Point from, Point to) { ArrowTo(from.x, from.y, to.x, to.y, 5, 16, 2); };
    const Dot domainDot{.radius = 8, .colour = ink::answer};
    StepReveal();
    const Point low = PointAt(5, 0, domainDot);
    const Point high = PointAt(10, 0, domainDot);
    const Point lowHeight = OnPlane(0, 9), highHeight = OnPlane(0, 14);
    const Point lowOnGraph{low.x, lowHeight.y}, highOnGraph{high.x, highHeight.y};
    line(low, high, 5);
    StepReveal();
    arrow(low, lowOnGraph);
    StepReveal();
    arrow(high, highOnGraph);
    StepReveal();
    PenWidth(9);
    line(lowOnGraph, highOnGraph, 3);
    PenWidth(5);
    StepReveal();
    arrow(lowOnGraph, lowHeight);
    PointAt(0, 9, domainDot);
    StepReveal();
    arrow(highOnGraph, highHeight);
    PointAt(0, 14, domainDot);
    StepReveal();
    line(lowHeight, highHeight, 5);

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
    PlaneAt({.left = 640, .top = 50, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 29});
    GraphOf({.a = pr.a, .b = pr.b, .colour = 0});
    NewRow(50, ink::emphasis, "<解答>");

    // A value's text stands left of its point, 30 a character.
    auto leftOf = [](Num x, const std::string& text) { return x - 30 * static_cast<Num>(rt::klen(text)); };

    // The domain's ends: where x is marked on the axis, and its texts.
    struct End {
        Num x, y;
        std::string xText;
        Point mark;
    };
    StepReveal();
    // The value labels keep clear of the points marked later.
    for (const Num x : {pr.p, pr.q}) KeepClear(OnPlane(x, pr.a * x + pr.b), 8 + 3);
    const Dot onAxis{.radius = 1, .colour = ink::answer};
    const End ends[] = {{pr.p, pr.yp, NumberText(pr.p), PointAt(pr.p, 0, onAxis)},
                        {pr.q, pr.yq, NumberText(pr.q), PointAt(pr.q, 0, onAxis)}};
    const Num axisY = ends[0].mark.y;
    PenWidth(8);
    Rt().line(ends[0].mark.x, axisY, ends[1].mark.x, axisY, 5);
    PenWidth(5);
    Label(leftOf(ends[0].mark.x, ends[0].xText), axisY, ink::emphasis, ends[0].xText);
    Label(ends[1].mark.x, axisY, ink::emphasis, ends[1].xText);

    // Each end substituted into the equation, its point marked with guide
    // lines to both axes.
    const std::string a = NumberText(pr.a);
    const std::string term = LaterTermForm(pr.b, NumberText(pr.b));
    const Num yAxis = OnPlane(0, 0).x;
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
        onGraph[k] = PointAt(e.x, e.y, {.radius = 8, .colour = ink::emphasis});
        Rt().line(e.mark.x, axisY, onGraph[k].x, onGraph[k].y, 7);
        Rt().line(onGraph[k].x, onGraph[k].y, yAxis, onGraph[k].y, 7);
        Label(leftOf(yAxis, yText[k]), onGraph[k].y - 50, ink::emphasis, yText[k]);
    }

    // The piece of the graph over the domain.
    StepReveal();
    GraphOf({.a = pr.a, .b = pr.b, .colour = 3}, {.xFrom = pr.p, .xTo = pr.q});
    StepReveal();
    PenWidth(8);
    Rt().line(yAxis, onGraph[1].y, yAxis, onGraph[0].y, 5);
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
