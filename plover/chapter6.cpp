// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 6: worked answers of the textbook's chapter exercises B (page 93).
#include <array>

#include "plover/plover_program.h"

namespace lesson {

const Chapter<Plover> Plover::kExercisesB{
    .choices = "P93 章の問題B ①1　②2　③3　④終了",
    .topics = {&Plover::ExerciseB1Answers, &Plover::ExerciseB2Answers, &Plover::ExerciseB3Answers},
};

// ---- Exercise 1 ----------------------------------------------------------------------------

void Plover::ExerciseB1Answers() {
    TopicScreen(area::screen, 38);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P93 章の問題B", 114, "1(1)");
    Put(cursor.margin, 90, ink::emphasis, "y=x-6 とx軸上で交わる");
    Next(ink::text, "から");
    NewRow(50, ink::text, "y=0 を代入して 0=x-6 x=6");
    StepReveal();
    NewRow(50, ink::emphasis, "点(6,0) を通る。");
    StepReveal();
    NewRow(50, ink::emphasis, "求める式をy=ax+b");
    Next(ink::text, "とする。");
    NewRow(50, ink::text, "x=6,y=0とx=-2,y=2を代入して");
    StepReveal();
    BracedSystem(cursor.margin, cursor.row + 50, "0=6a+b…①", "2=-2a+b…②");

    StepReveal();
    cursor.margin = 760;
    cursor.row = 30;
    Put(cursor.margin, cursor.row, ink::emphasis, "①-②");
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 50, "0= 6a+b", "2=-2a+b", "-", true);
    ColumnSigns(columns, "+-  +  -");
    Put(columns.column - 27, cursor.row + 50, ink::text, "-2=8a");
    Put(columns.column, cursor.row + 60, ink::emphasis, "a=-ﾀ1/4ﾀ");
    StepReveal();
    NewRow(60, ink::emphasis, "a=-ﾀ1/4ﾀ を①に代入して");
    NewRow(60, ink::text, "0=6*(-ﾀ1/4ﾀ)+b=-ﾀ3/2ﾀ+b");
    NewRow(60, ink::emphasis, "b=ﾀ3/2ﾀ");
    NewRow(60, ink::answer, "答 y=-ﾀ1/4ﾀx+ﾀ3/2ﾀ");

    StepReveal();
    TopicScreen(area::screen, 38);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P93 章の問題B", 114, "1(2)");
    Put(cursor.margin, 90, ink::emphasis, "y=3x-1 と平行");
    Next(ink::text, "だから ");
    NewRow(50, ink::emphasis, "求める式をy=3x+b…①");
    Next(ink::text, "とする。");
    StepReveal();
    NewRow(60, ink::text, "y=ﾀ1/2ﾀx…②,y=-2x+5…③ の交点は");
    NewRow(60, ink::text, "②を③に代入して");
    StepReveal();
    NewRow(60, ink::text, "ﾀ1/2ﾀx=-2x+5");
    NewRow(60, ink::text, "x=-4x+10");
    NewRow(50, ink::text, "x+4x=10");
    NewRow(50, ink::text, "5x=10");
    NewRow(50, ink::emphasis, "x=2");

    StepReveal();
    cursor.margin = 760;
    cursor.row = 30;
    NewRow(50, ink::emphasis, "x=2 を②に代入して");
    NewRow(60, ink::text, "y=ﾀ1/2ﾀ*2=");
    Next(ink::text, "1");
    StepReveal();
    NewRow(60, ink::emphasis, "x=2,y=1 を①に代入して");
    NewRow(50, ink::text, "1=3*2+b=6+b");
    NewRow(50, ink::emphasis, "b=1-6=-5");
    NewRow(60, ink::answer, "答 y=3x-5");
}

// ---- Exercise 2 ----------------------------------------------------------------------------

std::array<Plover::TriangleFigure, 2> Plover::DrawExerciseB2Figure() {
    const PlaneView paper = GridFrame(152, 130, 15, 3, 70);
    // In centimetres, a grid step each: figure 1 with P on AB, figure 2 8 cm
    // further right with P 1 cm above its B.
    const TriangleFigure onAB{
        .a = paper.At(0, 0), .b = paper.At(4, 0), .c = paper.At(4, 3), .p = paper.At(2.5f, 0)};
    const TriangleFigure onBC{
        .a = paper.At(8, 0), .b = paper.At(12, 0), .c = paper.At(12, 3), .p = paper.At(12, 1)};

    auto rightAngleAtB = [&](const TriangleFigure& f) { RightAngleMark(f.b, f.a, f.c, 25, ink::answer); };

    LetteredPolygon({onAB.a, onAB.b, onAB.c});
    ShadePolygon({onAB.a, onAB.p, onAB.c});
    MarkPointP(onAB.p, -10, 4);
    const PlaneFrame& grid = paper.frame;
    Label(grid.left - 40, grid.top, ink::emphasis, "(1) PがAB上");
    ArcOver({.from = onAB.a,
             .to = onAB.b,
             .height = 60,
             .stepDegrees = 5,
             .dotColour = ink::heading,
             .labelColour = ink::heading,
             .label = "4cm"});
    ArcOver({.from = onAB.b,
             .to = onAB.c,
             .stepDegrees = 5,
             .dotColour = ink::heading,
             .labelColour = ink::heading,
             .label = "3cm"});
    rightAngleAtB(onAB);

    LetteredPolygon({onBC.a, onBC.b, onBC.c}, 4);
    ShadePolygon({onBC.a, onBC.p, onBC.c});
    MarkPointP(onBC.p, 18, -22);
    Label(onBC.a.x - 40, grid.top, ink::emphasis, "(2) PがBC上");
    rightAngleAtB(onBC);
    return {onAB, onBC};
}

void Plover::ExerciseB2Answers() {
    TopicScreen(area::screen, 76);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P93 章の問題B", 114, "2");
    const auto [onAB, onBC] = DrawExerciseB2Figure();
    auto arc = [&](Point from, Point to, Num side, Num step, Colour colour, std::string_view label) {
        ArcOver({.from = from,
                 .to = to,
                 .side = side,
                 .stepDegrees = step,
                 .dotColour = colour,
                 .labelColour = colour,
                 .label = label});
    };
    Label(onAB.p.x - 108, onAB.a.y - 60, ink::emphasis, "ycm^2");
    arc(onAB.a, onAB.p, 1, 5, ink::emphasis, "xcm");

    StepReveal();
    Put(onAB.a.x, onAB.b.y + 150, ink::text, "y=ﾀ1/2ﾀ*x*3");
    Put(onAB.a.x, cursor.row + 80, ink::answer, "y=ﾀ3/2ﾀx");
    Next(ink::emphasis, "(0≦x≦4)");
    arc(onBC.a, onBC.b, 1, 3, ink::heading, "");
    arc(onBC.b, onBC.p, 1, 10, ink::heading, "xcm");
    arc(onBC.c, onBC.p, -1, 8, ink::answer, "(7-x)cm");

    StepReveal();
    Put(onBC.a.x, onBC.b.y + 80, ink::text, "y=ﾀ1/2ﾀ*(7-x)*4");
    Put(onBC.a.x, cursor.row + 60, ink::text, "y=2(7-x)");
    Put(onBC.a.x, cursor.row + 50, ink::answer, "y=14-2x");
    Next(ink::emphasis, "(4≦x≦7)");

    StepReveal();
    TopicScreen(area::screen, 114);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P93 章の問題B", 114, "2(3)");
    NewRow(70, ink::emphasis, "① PがAB上", -76);
    NewRow(50, ink::text, "y=ﾀ3/2ﾀx(0≦x≦4)");
    NewRow(70, ink::emphasis, "② PがBC上", -76);
    NewRow(50, ink::text, "y=-2x+14(4≦x≦7)");
    const PlaneView plane = PlaneAt({.left = 646, .top = 150, .xTo = 8, .yTo = 7, .grid = true});
    DrawAreaUnitLabels(plane);
    AreaGraphPiece(plane, 1.5f, 0, 0, 4);
    AreaGraphPiece(plane, -2, 14, 4, 7);
}

// ---- Exercise 3 ----------------------------------------------------------------------------

Lesson::PlaneView Plover::DrawExerciseB3Plane() {
    return PlaneAt({.left = 760, .top = 100, .xFrom = -3, .xTo = 12, .yFrom = -1, .yTo = 12, .step = 30});
}

void Plover::DrawExerciseB3Figure(const PlaneView& plane, std::initializer_list<B3Piece> pieces,
                                  std::string_view pLabel, B3Points& points) {
    for (B3Piece piece : pieces) {
        switch (piece) {
            case B3Piece::LineM:
                plane.GraphOf({.a = 2, .b = 4, .colour = ink::text, .label = "m", .labelDy = -10});
                break;
            case B3Piece::LineN:
                // The label goes to the plane's top-left corner, clear of m.
                plane.GraphOf({.a = -1,
                               .b = 10,
                               .colour = ink::text,
                               .label = "n",
                               .labelDx = -14 * plane.frame.step,
                               .labelDy = -13 * plane.frame.step});
                break;
            case B3Piece::DotA:
                points.a = plane.PointAt(-2, 0, {.radius = 6, .label = "A", .labelDx = -10, .labelDy = -10});
                break;
            // The shaded triangle's outline, drawn after them, runs along n
            // to B and from P: their letters stand off it.
            case B3Piece::DotB:
                points.b = plane.PointAt(10, 0, {.radius = 6, .label = "B", .labelDx = 16, .labelDy = -15});
                break;
            case B3Piece::DotP:
                points.p = plane.PointAt(2, 8, {.radius = 6, .label = pLabel, .labelDx = 46, .labelDy = 4});
                break;
            case B3Piece::Shade:
                // The y axis is drawn again so that it shows through the fill.
                ShadePolygon({points.a, points.b, points.p});
                PenWidth(3);
                {
                    const PlaneFrame& f = plane.frame;
                    Segment({f.origin.x, f.top}, {f.origin.x, f.bottom}, ink::text);
                }
                PenWidth(5);
                break;
            case B3Piece::ValueA:
                Label(points.a.x - 20, points.a.y + 25, ink::emphasis, "-2");
                break;
            case B3Piece::ValueB:
                Label(points.b.x - 27, points.b.y + 25, ink::emphasis, "10");
                break;
            case B3Piece::ArcAB:
                ArcOver({.from = points.a,
                         .to = points.b,
                         .stepDegrees = 5,
                         .dotColour = ink::heading,
                         .labelColour = ink::heading,
                         .label = "12cm"});
                break;
        }
    }
}

void Plover::ExerciseB3Answers() {
    TopicScreen(area::screen, 76);
    const Num questionX = 40;
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P93 章の問題B", 40, "3");
    using enum B3Piece;
    B3Points points;
    const PlaneView plane = DrawExerciseB3Plane();
    DrawExerciseB3Figure(plane, {LineM, LineN, DotA, DotB, DotP, ValueA}, "P", points);

    StepReveal();
    Put(questionX, 90, ink::emphasis, "(1)");
    Next(ink::text, "y=2x+b に");
    NewRow(50, ink::text, "x=-2,y=0 を代入して");
    StepReveal();
    NewRow(50, ink::text, "0=2*(-2)+b ");
    StepReveal();
    Next(ink::text, "0=-4+b ");
    StepReveal();
    Next(ink::emphasis, "b=4 ");

    StepReveal();
    DrawExerciseB3Figure(plane, {Shade}, "", points);
    // Item (2) 50 below item (1) and its last row 46 below the columns'
    // result: its rows then end above the status band.
    Put(questionX, cursor.row + 50, ink::emphasis, "(2)");
    Next(ink::heading, "Pの座標は");
    const Num pRow = cursor.row;
    BracedSystem(cursor.margin, cursor.row + 50, "y=2x+4…①", "y=-x+10…②");
    const Num cx = cursor.end + 40;
    StepReveal();
    NewRow(50, ink::emphasis, "①-②");
    StepReveal();
    const Columns columns = ColumnsAt(cursor.margin, cursor.row + 50, "y=2x+4", "y=-x+10", "-", true);
    StepReveal();
    ColumnSigns(columns, "+-  + -");
    StepReveal();
    Put(columns.column, cursor.row + 50, ink::text, "0=3x-6");
    StepReveal();
    NewRow(46, ink::text, "3x=6");
    Next(ink::emphasis, " x=2");

    StepReveal();
    cursor.margin = cx;
    cursor.row = pRow;
    NewRow(50, ink::emphasis, "②に代入して");
    StepReveal();
    NewRow(50, ink::text, "y=-2+10=");
    Next(ink::emphasis, "8");
    StepReveal();
    Label(cx, pRow, ink::heading, "P(2,8)");
    StepReveal();
    // The letter P goes, so that P(2,8) takes its place rather than standing
    // off it: only the letter's ground lies there, lines m and n pass left.
    EraseBox(points.p.x + 28, points.p.y - 34, points.p.x + 54, points.p.y + 8);
    DrawExerciseB3Figure(plane, {DotP}, "P(2,8)", points);

    StepReveal();
    // The height: from P down to the x axis.
    const Point foot = plane.PointAt(2, 0, {.radius = 1, .colour = ink::emphasis});
    ArcOver({.from = points.p,
             .to = foot,
             .height = 0,
             .side = -1,
             .stepDegrees = 5,
             .dotColour = ink::heading,
             .labelColour = ink::heading,
             .label = "8cm",
             .labelDx = 8});  // clear of its own dotted height
    NewRow(50, ink::text, "△ABPの高さは");
    Next(ink::emphasis, "8cm");
    StepReveal();
    NewRow(50, ink::text, "Bのx座標は");
    Next(ink::emphasis, "10");
    const Point tick = plane.PointAt(0, 10, {.radius = 1});
    Label(tick.x - 54, tick.y, ink::emphasis, "10");
    DrawExerciseB3Figure(plane, {ValueB}, "", points);
    StepReveal();
    DrawExerciseB3Figure(plane, {ArcAB}, "", points);
    NewRow(50, ink::text, "だから、底辺は");
    Next(ink::emphasis, "12cm");
    StepReveal();
    NewRow(70, ink::heading, "面積は、");
    Next(ink::text, "ﾀ1/2ﾀ*12*8=");
    Next(ink::answer, "48(cm^2)");

    // Question (3) on a screen of its own, over the whole figure.
    StepReveal();
    TopicScreen(area::screen, questionX);
    PenWidth(5);
    PageHeading(cursor.margin, 30, "P93 章の問題B", 40, "3");
    Put(cursor.end + 30, 30, ink::emphasis, "(3)");
    const PlaneView whole = DrawExerciseB3Plane();
    DrawExerciseB3Figure(whole, {LineM, LineN, DotA, DotB, DotP, Shade, ValueA, ValueB, ArcAB}, "P(2,8)",
                         points);

    StepReveal();
    Put(cursor.margin, 90, ink::text, "△ABPが2等分されるのは、直線が点Pと");
    NewRow(50, ink::text, "ABの中点");
    StepReveal();
    whole.PointAt(4, 0,
                  {.radius = 6, .colour = ink::emphasis, .label = "Q(4,0)", .labelDx = 40, .labelDy = 20});
    Next(ink::emphasis, "Q(4,0)");
    Next(ink::text, "を通るとき だから");
    StepReveal();
    whole.GraphOf({.a = -4, .b = 16, .colour = ink::emphasis, .labelDy = -10});
    StepReveal();
    NewRow(50, ink::emphasis, "求める式をy=ax+b");
    Next(ink::text, "として、");
    NewRow(50, ink::text, "x=2,y=8とx=4,y=0を代入すると");

    StepReveal();
    BracedSystem(cursor.margin, cursor.row + 50, "8=2a+b…①", "0=4a+b…②");
    const Num cx2 = cursor.end + 40;
    const Num row2 = cursor.row;
    StepReveal();
    NewRow(50, ink::emphasis, "①-②");
    StepReveal();
    const Columns lastColumns = ColumnsAt(cursor.margin, cursor.row + 50, "8=2a+b", "0=4a+b", "-", true);
    StepReveal();
    ColumnSigns(lastColumns, "+- -  -");
    Put(lastColumns.column, cursor.row + 50, ink::text, "8=-2a");
    // 46 below, not 50: the row ends above the status band.
    Put(lastColumns.column, cursor.row + 46, ink::emphasis, "a=-4");

    StepReveal();
    cursor.margin = cx2;
    cursor.row = row2;
    NewRow(0, ink::emphasis, "a=-4 を②に代入して");
    StepReveal();
    NewRow(50, ink::text, "0=4*(-4)+b");
    NewRow(50, ink::text, "0=-16+b");
    NewRow(50, ink::emphasis, "b=16");
    StepReveal();
    NewRow(50, ink::answer, "答 y=-4x+16");
}

}  // namespace lesson
