// The Plover program: applications of linear functions. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <string_view>

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
    // The empty timetable chart with its top-left corner at (A41, I_top) and
    // NAKA units per grid step; leaves the plane state DrawAxes would, so
    // PlotPoint places (minutes after 11時, position 0..8) on it.
    void DrawFerryChartGrid();

    // ---- Chapter 4: the moving point -----------------------------------
    void MovingPointQuestion();
    // P moves one step along A-B-C-D per key until the pupil presses 1.
    void AnimateMovingPoint();
    // The three cases below the band top BX_cases; points 10(k-1)+1..+5 of
    // figure k are its A, B, C, D and P.
    void DrawMovingPointCases();
    void MovingPointEquations();
    void MovingPointGraph();
    // The rectangle of the animation, lettered, with the triangle APD shaded
    // at pen 7 (points 1-5 of GY5()/t0014()).
    void DrawMovingRectangle();
    // The animation's first state: P 4 steps below A, the arc "xcm", "ycm^2".
    void DrawAnimationFirstState();
    // The dot P at point k in colour 3, its letter at P + (dx, dy).
    void MarkPointP(int k, Num dx, Num dy);
    // The closed polygon through points k of GY5()/t0014(), filled with 13
    // and outlined in 0.
    void ShadePolygon(std::initializer_list<int> points);
    // DrawPolygon over points k of GY5()/t0014(), lettered from "A" at the
    // letter distance P, pen 5, colour 0.
    void LetteredPolygon(std::initializer_list<int> points);
    // The units cm and cm^2 at the ends of the axes of an area graph.
    void DrawAreaUnitLabels();
    // One straight piece y = ax + b of an area graph (y 0 to 7, one unit a
    // grid step), x from xFrom to xTo, in colour 5.
    void AreaGraphPiece(Num a, Num b, Num xFrom, Num xTo);

    // ---- Chapter 5: exercises A ----------------------------------------
    void ExerciseA1and2Answers();
    void ExerciseA3Answers();
    void ExerciseA4Answers();
    void ExerciseA5Answers();
    void ExerciseA6Answers();

    // ---- Chapter 6: exercises B ----------------------------------------
    void ExerciseB1Answers();
    void ExerciseB2Answers();
    void DrawExerciseB2Figure();
    void ExerciseB3Answers();
    // The elements F1..F10 of exercise B3's figure, in the order given; P is
    // labelled pLabel.
    void DrawExerciseB3Figure(std::initializer_list<int> elements, std::string_view pLabel);

protected:
    void ProgramMainMenu() override { RunMainMenu(*this, kMainMenu); }

private:
    // ---- Chapter 1 --------------------------------------------------------
    // The measurement table, left edge and top given, with five or six data
    // columns; its geometry is kept in GY5(11..12) and t0014(11..13).
    void CoolBagDataTable(Num left, Num top, int columns, std::string_view timeHead = "時間(分)",
                          std::string_view temperatureHead = "温度(℃)");
    // "100" in place of the "?" cell, in the answer colour.
    void CoolBagAnswerCell();
    // The dotted arc under data columns k and k+1 of the table last drawn.
    void CoolBagArc(int k, std::string_view label, Num labelColour = 0, Num labelDown = 0);
    // The plane of minutes against degrees, numbered and with its units.
    void CoolBagPlane();
    void CoolBagPoint(int k);
    void CoolBagLine();
    // The reading at 10℃: the arrow from the y axis to the line with its dot,
    // then the arrow down to the x axis.
    void CoolBagReadingAcross();
    void CoolBagReadingDown();
    // The table method up to its fourth arc, the arcs labelled or not.
    void CoolBagTableSteps(bool labelled);
    // The graph method up to the key after its fifth point.
    void CoolBagGraphSteps();
    void CoolBagHeading(std::string_view method);

    // ---- Chapter 2 --------------------------------------------------------
    // The plane of altitude against temperature at (left, top), step units a
    // grid step, numbered and with its units.
    void AltitudePlane(Num left, Num top, Num step);

    // ---- Shared by the chapters ---------------------------------------------
    // A single-headed arrow from (x1,y1) to (x2,y2), head at the far end.
    void ReadingArrow(Num x1, Num y1, Num x2, Num y2);
    // The unlabelled line y = slope*x + intercept over x xFrom..xTo of the
    // plane last drawn, whose y range is 0..yTo.
    void LineOnPlane(Num xTo, Num yTo, Num xPerStep, Num yPerStep, Num slope, Num intercept, Num colour,
                     Num xFrom = 0);
    // Puts the values (x, y) of the points in GY5()/t0014() from element 1,
    // plots each unlabelled in colour 0 and keeps its screen position there
    // in place of its values.
    void PlotPointTable(std::span<const Num[2]> points, Num radius, Num xPerStep, Num yPerStep);
    // A filled dot of radius 8, drawn as PlotPoint draws its dots.
    void BigDot(Num x, Num y, Num colour);
    // A label drawn as scaled text in the font size in force, twice as wide
    // and `down` times as high.
    void ScaledLabel(Num x, Num y, std::string_view text, Num down = 1);
    // The units of a plane: font size NAGASA for both, then 16.
    void PlaneUnits(Num xUnitX, Num xUnitY, std::string_view xUnit, Num yUnitX, Num yUnitY,
                    std::string_view yUnit);
};

}  // namespace lesson
