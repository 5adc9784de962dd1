// SPDX-License-Identifier: GPL-3.0-or-later
// The Plover program: applications of linear functions. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "lesson/lesson.h"

namespace lesson {

class Plover : public Lesson {
public:
    explicit Plover(rt::Runtime& runtime);

    // The main menu and the chapters it opens.
    static const MainMenu<Plover> kMainMenu;
    static const Chapter<Plover> kCoolBag;
    static const Chapter<Plover> kAltitude;
    static const Chapter<Plover> kFerryChart;
    static const Chapter<Plover> kMovingPoint;
    static const Chapter<Plover> kExercisesA;
    static const Chapter<Plover> kExercisesB;

    // ---- Chapter 1: the cool bag ---------------------------------------
    void CoolBagQuestion();
    void CoolBagTableMethod();
    void CoolBagGraphMethod();
    void CoolBagEquationMethod();
    void CoolBagSummary();
    void CoolBagTableHint();
    void CoolBagGraphHint();

    // ---- Chapter 2: altitude and temperature ---------------------------
    void AltitudeQuestion();
    void AltitudeAnswer();

    // ---- Chapter 3: the ferry chart ------------------------------------
    void FerryChartQuestion();
    void FerryChartExercise();
    // Where the timetable chart with its top-left corner at corner and step
    // units per grid step lies, as a plane, so that points go on it at
    // (minutes after 11時, position 0..8); nothing is drawn.
    PlaneView PlaceOfFerryChart(Point corner, Num step);
    // The empty chart there.
    void DrawFerryChartGrid(const PlaneView& chart);

    // ---- Chapter 4: the moving point -----------------------------------
    // A rectangle ABCD with P on its sides, as drawn on the screen.
    struct MovingFigure {
        Point a, b, c, d, p;
    };
    void MovingPointQuestion();
    // P moves one step along A-B-C-D per key until the pupil presses 1, the
    // rectangle one grid step a centimetre on paper.
    void AnimateMovingPoint(const PlaneView& paper);
    // The three cases below the band top bandTop: P on AB, on BC, on CD.
    std::array<MovingFigure, 3> DrawMovingPointCases(Num bandTop);
    void MovingPointEquations();
    void MovingPointGraph();
    // The rectangle of the animation, lettered, with the triangle APD shaded
    // at pen 7.
    void DrawMovingRectangle(const MovingFigure& figure);
    // The animation's first state: P 4 grid steps of paper below A, the arc
    // "xcm", "ycm^2".
    void DrawAnimationFirstState(const PlaneView& paper, const MovingFigure& figure);
    // The dot P in ink::emphasis, its letter at P + (dx, dy).
    void MarkPointP(Point p, Num dx, Num dy);
    // The closed polygon through the corners, filled with 13 and outlined in 0.
    void ShadePolygon(std::initializer_list<Point> corners);
    // The units cm and cm^2 at the ends of the axes of an area graph.
    void DrawAreaUnitLabels(const PlaneView& plane);
    // One straight piece y = ax + b of an area graph (y 0 to 7, one unit a
    // grid step), x from xFrom to xTo, in ink::answer.
    void AreaGraphPiece(const PlaneView& plane, Num a, Num b, Num xFrom, Num xTo);

    // ---- Chapter 5: exercises A ----------------------------------------
    void ExerciseA1and2Answers();
    void ExerciseA3Answers();
    void ExerciseA4Answers();
    void ExerciseA5Answers();
    void ExerciseA6Answers();

    // ---- Chapter 6: exercises B ----------------------------------------
    // A triangle ABC with P on its sides, as drawn on the screen.
    struct TriangleFigure {
        Point a, b, c, p;
    };
    void ExerciseB1Answers();
    void ExerciseB2Answers();
    // P on AB, then P on BC.
    std::array<TriangleFigure, 2> DrawExerciseB2Figure();
    void ExerciseB3Answers();
    // The plane of exercise B3's figure.
    PlaneView DrawExerciseB3Plane();
    // The pieces of the figure on that plane: the lines m and n, the dots A,
    // B and P, the shaded triangle ABP, the values under A and B and the arc
    // over AB.
    enum class B3Piece { LineM, LineN, DotA, DotB, DotP, Shade, ValueA, ValueB, ArcAB };
    // Where the dots A, B and P were drawn; a piece drawn later finds them here.
    struct B3Points {
        Point a, b, p;
    };
    // The pieces in the order given; P is labelled pLabel.
    void DrawExerciseB3Figure(const PlaneView& plane, std::initializer_list<B3Piece> pieces,
                              std::string_view pLabel, B3Points& points);

protected:
    void ProgramMainMenu() override { RunMainMenu(*this, kMainMenu); }

private:
    // ---- Chapter 1 --------------------------------------------------------
    // The measurement table with its top-left corner at `at`, with five or
    // six data columns; the marks below take the same corner.
    void CoolBagDataTable(Point at, int columns, std::string_view timeHead = "時間(分)",
                          std::string_view temperatureHead = "温度(℃)");
    // "100" in place of the "?" cell, in the answer colour.
    void CoolBagAnswerCell(Point table);
    // The dotted arc under data columns k and k+1 of the table.
    void CoolBagArc(Point table, int k, std::string_view label, Colour labelColour = ink::text,
                    Num labelDown = 0);
    // The plane of minutes against degrees, numbered and with its units.
    PlaneView CoolBagPlane();
    void CoolBagPoint(const PlaneView& plane, int k);
    void CoolBagLine(const PlaneView& plane);
    // The reading at 10℃: the arrow from the y axis to the line with its dot,
    // then the arrow down to the x axis.
    void CoolBagReadingAcross(const PlaneView& plane);
    void CoolBagReadingDown(const PlaneView& plane);
    // The table method up to its fourth arc, the arcs labelled or not;
    // returns the table's corner.
    Point CoolBagTableSteps(bool labelled);
    // The graph method up to the key after its fifth point; returns its plane.
    PlaneView CoolBagGraphSteps();
    void CoolBagHeading(std::string_view method);

    // ---- Chapter 2 --------------------------------------------------------
    // The plane of altitude against temperature at (left, top), step units a
    // grid step, numbered and with its units, "℃" yUnitDx right of the y axis.
    PlaneView AltitudePlane(Num left, Num top, Num step, Num yUnitDx = -50);

    // ---- Shared by the chapters ---------------------------------------------
    // A single-headed arrow from `from` to `to`, head at the far end.
    void ReadingArrow(Point from, Point to);
    // A piece of a graph: it gives way to a label's ground.
    void GraphSegment(Point from, Point to, Colour colour);
    // The unlabelled line y = slope*x + intercept over x xFrom..xTo of the
    // plane.
    void LineOnPlane(const PlaneView& plane, Num xTo, Num xPerStep, Num yPerStep, Num slope, Num intercept,
                     Colour colour, Num xFrom = 0);
    // Plots the value points (x, y) unlabelled in ink::text on the plane;
    // returns where each was drawn, in the same order.
    std::vector<Point> PlotPoints(const PlaneView& plane, std::span<const Num[2]> points, Num radius,
                                  Num xPerStep, Num yPerStep);
    // The style of the labels a plane's units and a chart's scale are drawn
    // in, at this size.
    static TextStyle LabelStyle(Num size, bool bold = false);
    // A label drawn as scaled text in its style, twice as wide and `down`
    // times as high.
    void ScaledLabel(Num x, Num y, std::string_view text, const TextStyle& style, Num down = 1);
    // The units of the plane, at the size of its scale numbers: the
    // x unit by the right end of the x axis, xUnitDy below it and xUnitDx
    // right of its usual place; the y unit by the top of the y axis, shifted
    // by (yUnitDx, yUnitDy).
    void PlaneUnits(const PlaneView& plane, std::string_view xUnit, Num xUnitDy, std::string_view yUnit,
                    Num yUnitDx, Num yUnitDy, Num xUnitDx = 0);
};

}  // namespace lesson
