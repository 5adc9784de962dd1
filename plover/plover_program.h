// The Plover program: applications of linear functions. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
#include <string_view>

#include "engine/chapter.h"

namespace lesson {

class Plover : public Lesson {
public:
    explicit Plover(rt::Runtime& runtime);

    // The main menu's items: the chapters, the spare items and the exit.
    // A chapter not built yet redraws the menu as a spare item does.
    static const std::array<MenuEntry<Plover>, 8>& MenuEntries();

    void ApplicationsMainMenu();

    // ---- Chapter 1: the cool bag ---------------------------------------
    void CoolBagChapter();
    void CoolBagQuestion();
    void CoolBagTableMethod();
    void CoolBagGraphMethod();
    void CoolBagEquationMethod();
    void CoolBagSummary();
    void CoolBagTableHint();
    void CoolBagGraphHint();

    // ---- Chapter 2: altitude and temperature ---------------------------
    void AltitudeChapter();
    void AltitudeQuestion();
    void AltitudeAnswer();

    // ---- Chapter 3: the ferry chart ------------------------------------
    void FerryChartChapter();
    void FerryChartQuestion();
    void FerryChartExercise();
    // The empty timetable chart with its top-left corner at (A41, I_top) and
    // NAKA units per grid step; leaves the plane state DrawAxes would, so
    // PlotPoint places (minutes after 11時, position 0..8) on it.
    void DrawFerryChartGrid();

    // ---- Chapter 4: the moving point -----------------------------------

    // ---- Chapter 5: exercises A ----------------------------------------

    // ---- Chapter 6: exercises B ----------------------------------------

protected:
    void ProgramMainMenu() override { ApplicationsMainMenu(); }

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
    // The unlabelled line y = slope*x + intercept over x 0..xTo of the plane
    // last drawn, whose ranges start at 0.
    void LineOnPlane(Num xTo, Num yTo, Num xPerStep, Num yPerStep, Num slope, Num intercept, Num colour);
    // A filled dot of radius 8, drawn as PlotPoint draws its dots.
    void BigDot(Num x, Num y, Num colour);
    // A label drawn as scaled text in font size NAGASA, twice as wide.
    void ScaledLabel(Num x, Num y, std::string_view text);
    // The units of a plane: font size NAGASA for both, then 16.
    void PlaneUnits(Num xUnitX, Num xUnitY, std::string_view xUnit, Num yUnitX, Num yUnitY,
                    std::string_view yUnit);
};

}  // namespace lesson
