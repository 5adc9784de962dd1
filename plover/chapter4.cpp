// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 4: a point P moving round rectangle ABCD, and the area of triangle
// APD as it goes: a key-driven animation, the three cases, their equations
// with domains, and the graph.
#include <array>

#include "plover/plover_program.h"

namespace lesson {

const Chapter<Plover> Plover::kMovingPoint{
    .goal = {"図形の面積の変化について調べよう。"},
    .choices = "①Q(1で次へ)　②式と変域　③グラフ　④終了",
    .topics = {&Plover::MovingPointQuestion, &Plover::MovingPointEquations, &Plover::MovingPointGraph},
};

// ---- Shared figure pieces -----------------------------------------------------------

void Plover::ShadePolygon(std::initializer_list<Point> corners) {
    FilledPolygon({corners.begin(), corners.size()}, ink::text, ink::accent);
}

void Plover::MarkPointP(Point p, Num dx, Num dy) {
    Disc(p, 6, ink::emphasis);
    Label(p.x + dx, p.y + dy, ink::emphasis, "P");
}

void Plover::DrawAreaUnitLabels(const PlaneView& plane) {
    // Scaled strings, not maths text: the exponent is a second, smaller
    // string. Both stand clear of the y axis and its letter.
    PlaneUnits(plane, "㎝", 4, "㎝", -78, 16);
    ScaledLabel(plane.frame.origin.x - 24, plane.frame.top + 6, "2", LabelStyle(16), 2);
}

void Plover::AreaGraphPiece(const PlaneView& plane, Num a, Num b, Num xFrom, Num xTo) {
    LineOnPlane(plane, xTo, 1, 1, a, b, ink::answer, xFrom);
}

// ---- Topic 1: the question and the animation -----------------------------------------

void Plover::MovingPointQuestion() {
    TopicScreen(area::text, 76);
    PenWidth(5);
    Put(76, 30, ink::text, "長方形ABCDで、点PはAを出発して、辺B,Cを通ってDまで動きます。");
    NewRow(50, ink::text, "点PがAからxcm動いたときの△APDの面積をycm^2とすると、");
    NewRow(50, ink::text, "△APDの面積の面積はどのように変化するでしょうか。");
    const Num bandTop = cursor.row + 50;
    AnimateMovingPoint(GridFrame(200, 230, 8, 6, 45));

    StepReveal();
    const auto [onAB, onBC, onCD] = DrawMovingPointCases(bandTop);
    StepReveal();
    Put(onAB.a.x, onAB.b.y + 50, ink::answer, "△APDは増加する");
    StepReveal();
    Put(onBC.a.x, onBC.b.y + 50, ink::answer, "△APDは一定");
    StepReveal();
    Put(onCD.a.x, onCD.b.y + 50, ink::answer, "△APDは減少する");
}

void Plover::DrawMovingRectangle(const MovingFigure& f) {
    LetteredPolygon({f.a, f.b, f.c, f.d});
    PenWidth(7);
    ShadePolygon({f.a, f.p, f.d});
}

void Plover::DrawAnimationFirstState(const PlaneView& paper, const MovingFigure& f) {
    LetteredPolygon({f.a, f.b, f.c, f.d});
    PenWidth(7);
    const Point p{f.a.x, f.a.y + 4 * paper.frame.step};
    ShadePolygon({f.a, p, f.d});
    MarkPointP(p, -35, -22);
    ArcOver({.from = f.a,
             .to = p,
             .stepDegrees = 10,
             .dotColour = ink::heading,
             .labelColour = ink::heading,
             .label = "xcm"});
    Label(f.a.x + 50, f.a.y + 40, ink::heading, "ycm^2");
}

void Plover::AnimateMovingPoint(const PlaneView& paper) {
    // Corners in grid steps from B, x right and y up; P starts at A.
    const Point a = paper.At(0, 6);
    MovingFigure f{.a = a, .b = paper.At(0, 0), .c = paper.At(8, 0), .d = paper.At(8, 6), .p = a};
    DrawAnimationFirstState(paper, f);
    // The figure's box, with room for P's letter around it.
    const PlaneFrame& box = paper.frame;
    const Num step = box.step;
    auto eraseFigure = [&](Num below) {
        EraseBox(box.left - 100, box.top - 50, box.right + 100, box.bottom + below);
    };
    StepReveal();
    eraseFigure(50);

    Num pStep = 0;  // P's step from A along A-B-C-D, 0 to 20
    Num next = 5;
    while (next != 1) {
        DrawMovingRectangle(f);
        // The letter stands outside the side P is on.
        if (pStep <= 6)
            MarkPointP(f.p, -45, -22);
        else if (pStep <= 14)
            MarkPointP(f.p, -14, 18);
        else
            MarkPointP(f.p, 18, -22);
        if (ShowMessageWaitKey(ScreenText("1で次へ:他のキーで動く")) == "1")
            next = 1;
        else
            eraseFigure(100);
        pStep = pStep + 1;
        if (pStep > 20) pStep = 0;
        if (pStep <= 6)
            f.p = {f.a.x, f.a.y + step * pStep};
        else if (pStep <= 14)
            f.p = {f.b.x + step * (pStep - 6), f.b.y};
        else
            f.p = {f.c.x, f.d.y + step * (20 - pStep)};
    }
    eraseFigure(50);
    DrawAnimationFirstState(paper, f);
}

// ---- The three cases ------------------------------------------------------------------

std::array<Plover::MovingFigure, 3> Plover::DrawMovingPointCases(Num bandTop) {
    // The paper only gives the cases their places; none of its lines shows.
    const PlaneView paper = GridFrame(152, bandTop + 110, 15, 3, 70);
    // Whatever the band held before (the animation) goes.
    EraseBox(0, bandTop, 2000, bandTop + 1800);

    // In centimetres, a grid step each: figures 2 and 3 stand 5 and 10 cm
    // right of figure 1, with P 1 cm above B, 2 cm right of B, 1 cm above C.
    std::array<MovingFigure, 3> figures;
    const Point pAt[3] = {{0, 1}, {7, 0}, {14, 1}};
    for (int f = 0; f < 3; ++f) {
        const Num left = 5 * static_cast<Num>(f);
        figures[f] = {.a = paper.At(left, 3),
                      .b = paper.At(left, 0),
                      .c = paper.At(left + 4, 0),
                      .d = paper.At(left + 4, 3),
                      .p = paper.At(pAt[f].x, pAt[f].y)};
    }

    struct Case {
        Num letterDx, letterDy;
        std::string_view heading;
    };
    static constexpr Case cases[3] = {
        {-45, -22, "(1)PがAB上"},
        {-14, 8, "(2)PがBC上"},
        {8, -22, "(3)PがCD上"},
    };
    for (int f = 0; f < 3; ++f) {
        const MovingFigure& fig = figures[f];
        LetteredPolygon({fig.a, fig.b, fig.c, fig.d});
        ShadePolygon({fig.a, fig.p, fig.d});
        MarkPointP(fig.p, cases[f].letterDx, cases[f].letterDy);
        Put(fig.a.x, fig.a.y - 100, ink::emphasis, cases[f].heading);
        if (f == 0) {
            ArcOver({.from = fig.a,
                     .to = fig.d,
                     .side = -1,
                     .stepDegrees = 5,
                     .labelColour = ink::heading,
                     .label = "4cm"});
            ArcOver({.from = fig.c,
                     .to = fig.d,
                     .stepDegrees = 5,
                     .labelColour = ink::heading,
                     .label = "3cm",
                     .labelDx = -27});
        }
    }
    return figures;
}

// ---- Topic 2: equations and domains ----------------------------------------------------

void Plover::MovingPointEquations() {
    TopicScreen(area::text, 76);
    PenWidth(5);
    Put(76, 30, ink::heading, "(1)～(3)の場合に、yをxの式で表し、xの変域も求めよう。");
    const Num bandTop = cursor.row + 50;
    const auto [onAB, onBC, onCD] = DrawMovingPointCases(bandTop);
    Label(onAB.a.x + 30, onAB.a.y + 30, ink::heading, "ycm^2");
    auto arc = [&](Point from, Point to, Colour colour, std::string_view label) {
        ArcOver({.from = from,
                 .to = to,
                 .stepDegrees = 5,
                 .dotColour = colour,
                 .labelColour = colour,
                 .label = label});
    };
    arc(onAB.a, onAB.p, ink::heading, "xcm");

    StepReveal();
    Put(onAB.a.x, onAB.b.y + 50, ink::text, "y=ﾀ1/2ﾀ*4*x");
    StepReveal();
    Put(onAB.a.x, cursor.row + 60, ink::answer, "y=2x");
    StepReveal();
    Next(ink::emphasis, "(0≦x≦3)");
    StepReveal();
    Put(onBC.a.x, onBC.b.y + 80, ink::text, "y=ﾀ1/2ﾀ*4*3");
    StepReveal();
    Put(onBC.a.x, cursor.row + 60, ink::answer, "y=6");
    StepReveal();
    arc(onBC.a, onBC.b, ink::heading, "");
    arc(onBC.b, onBC.p, ink::heading, "xcm");
    StepReveal();
    Next(ink::emphasis, "(3≦x≦7)");
    StepReveal();
    arc(onCD.a, onCD.b, ink::heading, "");
    arc(onCD.b, onCD.c, ink::heading, "");
    arc(onCD.c, onCD.p, ink::heading, "xcm");
    StepReveal();
    // At the arc's apex the label would stand across the diagonal AP, and
    // the triangle APD is too narrow beside the arc to hold it: it stands
    // below the diagonal, its right end beside the foot of its arc at P.
    ArcOver({.from = onCD.d,
             .to = onCD.p,
             .stepDegrees = 5,
             .dotColour = ink::answer,
             .labelColour = ink::answer,
             .label = "(10-x)cm",
             .labelDx = -35,
             .labelDy = 70,
             .labelOnGround = true});
    StepReveal();
    Put(onCD.a.x, onCD.b.y + 80, ink::text, "y=ﾀ1/2ﾀ*4*(10-x)");
    StepReveal();
    Put(onCD.a.x, cursor.row + 60, ink::text, "y=2(10-x)");
    StepReveal();
    Put(onCD.a.x - 30, cursor.row + 50, ink::answer, "y=20-2x");
    StepReveal();
    Next(ink::emphasis, "(7≦x≦10)");
}

// ---- Topic 3: the graph ------------------------------------------------------------------

void Plover::MovingPointGraph() {
    TopicScreen(area::text, 114);
    PenWidth(5);
    Put(114, 30, ink::heading, "(1)～(3)の場合をグラフに表そう。");
    NewRow(50, ink::emphasis, "(1)PがAB上", -76);
    NewRow(50, ink::text, "y=2x(0≦x≦3)");
    NewRow(50, ink::emphasis, "(2)PがBC上", -76);
    NewRow(50, ink::text, "y=6(3≦x≦7)");
    NewRow(50, ink::emphasis, "(3)PがCD上", -76);
    NewRow(50, ink::text, "y=20-2x(7≦x≦10)");

    const PlaneView plane = PlaneAt({.left = 646, .top = 100, .xTo = 12, .yTo = 7, .grid = true});
    DrawAreaUnitLabels(plane);

    StepReveal();
    AreaGraphPiece(plane, 2, 0, 0, 3);
    StepReveal();
    AreaGraphPiece(plane, 0, 6, 3, 7);
    StepReveal();
    AreaGraphPiece(plane, -2, 20, 7, 10);
}

}  // namespace lesson
