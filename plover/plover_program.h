// The Plover program: applications of linear functions. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
#include <initializer_list>
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

    // ---- Chapter 2: altitude and temperature ---------------------------

    // ---- Chapter 3: the ferry chart ------------------------------------

    // ---- Chapter 4: the moving point -----------------------------------
    void MovingPointChapter();
    void MovingPointGoalScreen();
    void MovingPointQuestion();
    // P moves one step along A-B-C-D per key until the pupil presses 1.
    void AnimateMovingPoint();
    // The three cases below the band top BX_cases; points 10(k-1)+1..+5 of
    // figure k are its A, B, C, D and P.
    void DrawMovingPointCases();
    void MovingPointEquations();
    void MovingPointGraph();
    // BX: the top of the case figures' band.
    Num BX_cases = 0;
    // GY: P's step from A along A-B-C-D, 0 to 20.
    Num GY = 0;
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
    // One straight piece y = ax + b of an area graph, x from xFrom to xTo, in colour 5.
    void AreaGraphPiece(Num a, Num b, Num xFrom, Num xTo);

    // ---- Chapter 5: exercises A ----------------------------------------
    void ExercisesAChapter();
    void ExerciseA1and2Answers();
    void ExerciseA3Answers();
    void ExerciseA4Answers();
    void ExerciseA5Answers();
    void ExerciseA6Answers();
    // The heading cells of an exercise: the page at (x, 30), the number cell
    // 44 to its right.
    void ExerciseHeading(Num x, std::string_view page, Num numberWidth, std::string_view number);
    // A left brace of the given height at (x, y) in colour 0.
    void BraceAt(Num x, Num y, Num height);
    // Upper minus lower in columns at (x, y), rows 50 apart; leaves B2_row and GX5.
    void EliminationAt(Num x, Num y, std::string_view upper, std::string_view lower);

    // ---- Chapter 6: exercises B ----------------------------------------
    void ExercisesBChapter();
    void ExerciseB1Answers();
    void ExerciseB2Answers();
    void DrawExerciseB2Figure();
    void ExerciseB3Answers();
    // The elements F1..F10 of exercise B3's figure, in the order given; P is
    // labelled pLabel.
    void DrawExerciseB3Figure(std::initializer_list<int> elements, std::string_view pLabel);

protected:
    void ProgramMainMenu() override { ApplicationsMainMenu(); }
};

}  // namespace lesson
