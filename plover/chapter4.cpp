// Chapter 4: a point P moving round rectangle ABCD, and the area of triangle
// APD as it goes: a key-driven animation, the three cases, their equations
// with domains, and the graph.
#include <array>
#include <vector>

#include "plover/plover_program.h"

namespace lesson {

const Chapter<Plover> Plover::kMovingPoint{
    .goal = {"図形の面積の変化について調べよう。"},
    .choices = "①Q(1で次へ)　②式と変域　③グラフ　④終了",
    .topics = {
        &Plover::MovingPointQuestion,
        &Plover::MovingPointEquations,
        &Plover::MovingPointGraph,
    },
};

// ---- Shared figure pieces -----------------------------------------------------------

void Plover::LetteredPolygon(std::initializer_list<int> points) {
    int row = 1;
    for (int k : points) {
        R1A(row, 1) = GY5(k);
        R1A(row, 2) = t0014(k);
        ++row;
    }
    t0006 = static_cast<Num>(points.size());
    NAGASA = 5;
    NO = 0;
    YMOTO = 0;
    IB8_s = "A";
    // The letters need no shift; an earlier label may have left one.
    SIZE = 0;
    CCC3 = 0;
    X_3 = 0;
    DrawPolygon();
}

void Plover::ShadePolygon(std::initializer_list<int> points) {
    std::vector<rt::Point> corners;
    for (int k : points) corners.push_back({GY5(k), t0014(k)});
    corners.push_back(corners.front());
    Rt().connectFilled(0, 13, corners);
}

void Plover::MarkPointP(int k, Num dx, Num dy) {
    Rt().circle(GY5(k), t0014(k), 6, 3, 0, 0, true, -1);
    Label(GY5(k) + dx, t0014(k) + dy, 3, "P");
}

void Plover::DrawAreaUnitLabels() {
    // Scaled strings, not maths text: the exponent is a second, smaller string.
    PlaneUnits(GY1 - 1.5f * NAGASA, t0001 + 4, "㎝", TATE - 70, ZX + 16, "㎝");
    ScaledLabel(TATE - 16, ZX + 6, "2", 2);
}

void Plover::AreaGraphPiece(Num a, Num b, Num xFrom, Num xTo) { LineOnPlane(xTo, 7, 1, 1, a, b, 5, xFrom); }

// ---- Topic 1: the question and the animation -----------------------------------------

void Plover::MovingPointQuestion() {
    TopicScreen(1320, 1300, 76);
    PenWidth(5);
    Put(76, 30, 0, "長方形ABCDで、点PはAを出発して、辺B,Cを通ってDまで動きます。");
    NewRow(50, 0, "点PがAからxcm動いたときの△APDの面積をycm^2とすると、");
    NewRow(50, 0, "△APDの面積の面積はどのように変化するでしょうか。");
    BX_cases = B2_row + 50;
    GridFrame(200, 230, 8, 6, 45);
    AnimateMovingPoint();

    StepReveal();
    DrawMovingPointCases();
    StepReveal();
    Put(GY5(1), t0014(2) + 50, 5, "△APDは増加する");
    StepReveal();
    Put(GY5(11), t0014(12) + 50, 5, "△APDは一定");
    StepReveal();
    Put(GY5(21), t0014(22) + 50, 5, "△APDは減少する");
}

void Plover::DrawMovingRectangle() {
    LetteredPolygon({1, 2, 3, 4});
    PenWidth(7);
    ShadePolygon({1, 5, 4});
}

void Plover::DrawAnimationFirstState() {
    // The letters stand where they stand on the way in from the sub-menu.
    P = 0;
    LetteredPolygon({1, 2, 3, 4});
    PenWidth(7);
    GY5(5) = GY5(1);
    t0014(5) = t0014(1) + 4 * NAKA;
    ShadePolygon({1, 5, 4});
    MarkPointP(5, -35, -22);
    ArcOver(GY5(1), t0014(1), GY5(5), t0014(5), 20, 1, 10, 7, 7, "xcm");
    Label(GY5(1) + 50, t0014(1) + 40, 7, "ycm^2");
}

void Plover::AnimateMovingPoint() {
    // Corners in grid steps from B, x right and y up.
    static constexpr Num corners[4][2] = {{0, 6}, {0, 0}, {8, 0}, {8, 6}};
    for (int k = 1; k <= 4; ++k) StorePlanePoint(k, corners[k - 1][0], corners[k - 1][1]);
    DrawAnimationFirstState();
    StepReveal();
    EraseBox(HI - 100, ZX - 50, GY1 + 100, GX3 + 50);

    GY5(5) = GY5(1);
    t0014(5) = t0014(1);
    GY = 0;
    AINP = 5;
    while (AINP != 1) {
        DrawMovingRectangle();
        // The letter stands outside the side P is on.
        if (GY <= 6)
            MarkPointP(5, -45, -22);
        else if (GY <= 14)
            MarkPointP(5, -14, 18);
        else
            MarkPointP(5, 18, -22);
        KKAI_s = ScreenText("1で次へ:他のキーで動く");
        ShowMessageWaitKey();
        if (MIGI_s == "1")
            AINP = 1;
        else
            EraseBox(HI - 100, ZX - 50, GY1 + 100, GX3 + 100);
        GY = GY + 1;
        if (GY > 20) GY = 0;
        if (GY <= 6) {
            GY5(5) = GY5(1);
            t0014(5) = t0014(1) + NAKA * GY;
        } else if (GY <= 14) {
            GY5(5) = GY5(2) + NAKA * (GY - 6);
            t0014(5) = t0014(2);
        } else {
            GY5(5) = GY5(3);
            t0014(5) = t0014(4) + NAKA * (20 - GY);
        }
    }
    EraseBox(HI - 100, ZX - 50, GY1 + 100, GX3 + 50);
    DrawAnimationFirstState();
}

// ---- The three cases ------------------------------------------------------------------

void Plover::DrawMovingPointCases() {
    GridFrame(152, BX_cases + 110, 15, 3, 70, 3);
    EraseBox(0, BX_cases, 2000, BX_cases + 1800);

    // Figure 1 in centimetres from its B; figures 2 and 3 stand 5 and 10 cm
    // further right, with P on BC and on CD.
    static constexpr Num figure1[5][2] = {{0, 3}, {0, 0}, {4, 0}, {4, 3}, {0, 1}};
    for (int k = 1; k <= 5; ++k) {
        for (int f = 0; f < 3; ++f) {
            GY5(10 * f + k) = figure1[k - 1][0] + 5 * static_cast<Num>(f);
            t0014(10 * f + k) = figure1[k - 1][1];
        }
    }
    GY5(15) = GY5(12) + 2;
    t0014(15) = t0014(12);
    GY5(25) = GY5(23);
    t0014(25) = t0014(23) + 1;
    for (int f = 0; f < 3; ++f) {
        for (int k = 10 * f + 1; k <= 10 * f + 5; ++k) {
            GY5(k) = TATE + 70 * GY5(k);
            t0014(k) = t0001 - 70 * t0014(k);
        }
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
    // Figure 1's letters at the distance the other two get, whatever an
    // earlier screen left.
    P = 0;
    for (int f = 0; f < 3; ++f) {
        const int a = 10 * f + 1;
        LetteredPolygon({a, a + 1, a + 2, a + 3});
        ShadePolygon({a, a + 4, a + 3});
        MarkPointP(a + 4, cases[f].letterDx, cases[f].letterDy);
        Put(GY5(a), t0014(a) - 100, 3, cases[f].heading);
        if (f == 0) {
            ArcOver(GY5(1), t0014(1), GY5(4), t0014(4), 20, -1, 5, 3, 7, "4cm");
            ArcOver(GY5(3), t0014(3), GY5(4), t0014(4), 20, 1, 5, 3, 7, "3cm", 0, -27);
        }
    }
}

// ---- Topic 2: equations and domains ----------------------------------------------------

void Plover::MovingPointEquations() {
    TopicScreen(1320, 1300, 76);
    PenWidth(5);
    Put(76, 30, 7, "(1)～(3)の場合に、yをxの式で表し、xの変域も求めよう。");
    BX_cases = B2_row + 50;
    DrawMovingPointCases();
    Label(GY5(1) + 30, t0014(1) + 30, 7, "ycm^2");
    auto arc = [&](int from, int to, Num colour, std::string_view label) {
        ArcOver(GY5(from), t0014(from), GY5(to), t0014(to), 20, 1, 5, colour, colour, label);
    };
    arc(1, 5, 7, "xcm");

    StepReveal();
    Put(GY5(1), t0014(2) + 50, 0, "y=ﾀ1/2ﾀ*4*x");
    StepReveal();
    Put(GY5(1), B2_row + 60, 5, "y=2x");
    StepReveal();
    Next(3, "(0≦x≦3)");
    StepReveal();
    Put(GY5(11), t0014(12) + 80, 0, "y=ﾀ1/2ﾀ*4*3");
    StepReveal();
    Put(GY5(11), B2_row + 60, 5, "y=6");
    StepReveal();
    arc(11, 12, 7, "");
    arc(12, 15, 7, "xcm");
    StepReveal();
    Next(3, "(3≦x≦7)");
    StepReveal();
    arc(21, 22, 7, "");
    arc(22, 23, 7, "");
    arc(23, 25, 7, "xcm");
    StepReveal();
    arc(24, 25, 5, "(10-x)cm");
    StepReveal();
    Put(GY5(21), t0014(22) + 80, 0, "y=ﾀ1/2ﾀ*4*(10-x)");
    StepReveal();
    Put(GY5(21), B2_row + 60, 0, "y=2(10-x)");
    StepReveal();
    Put(GY5(21) - 30, B2_row + 50, 5, "y=20-2x");
    StepReveal();
    Next(3, "(7≦x≦10)");
}

// ---- Topic 3: the graph ------------------------------------------------------------------

void Plover::MovingPointGraph() {
    TopicScreen(1320, 1300, 114);
    PenWidth(5);
    Put(114, 30, 7, "(1)～(3)の場合をグラフに表そう。");
    NewRow(50, 3, "(1)PがAB上", -76);
    NewRow(50, 0, "y=2x(0≦x≦3)");
    NewRow(50, 3, "(2)PがBC上", -76);
    NewRow(50, 0, "y=6(3≦x≦7)");
    NewRow(50, 3, "(3)PがCD上", -76);
    NewRow(50, 0, "y=20-2x(7≦x≦10)");

    PlaneAt(646, 100, 0, 12, 0, 7, 40, 14);
    DrawAreaUnitLabels();

    StepReveal();
    AreaGraphPiece(2, 0, 0, 3);
    StepReveal();
    AreaGraphPiece(0, 6, 3, 7);
    StepReveal();
    AreaGraphPiece(-2, 20, 7, 10);
}

}  // namespace lesson
