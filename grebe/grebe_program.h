// The Grebe program: finding a line's equation. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
#include <string_view>

#include "engine/chapter.h"

namespace lesson {

class Grebe : public Lesson {
public:
    explicit Grebe(rt::Runtime& runtime);

    // The main menu's items: the chapters, the spare items and the exit.
    // A chapter not built yet redraws the menu as a spare item does.
    static const std::array<MenuEntry<Grebe>, 7>& MenuEntries();

    void EquationMainMenu();

    // ---- Chapter 1: the equation from a graph --------------------------

    // ---- Chapter 2: from one point and the slope or the intercept ------

    // ---- Chapter 3: from two points ------------------------------------
    void EquationFromTwoPointsChapter();
    void GrebeChapter3GoalScreen();
    // Returns when the pupil picks "⑥終了".
    void GrebeChapter3SubMenu();
    void RandomTwoPointSlopeExample();
    void RandomTwoPointEquationExample();
    void RandomTwoPointsSystemExample();
    void TwoPointsSummary();
    void TwoPointsExerciseAnswers();
    // The line y = T(1)x + F(1) through (T(2), F(2)) and (T(3), F(3)), with
    // run T(4) and rise F(4), for examples 3-1 and 3-2; ZENKAI keeps the
    // slope from repeating. Virtual: tests hand the topics chosen numbers.
    virtual void PickTwoPointProblem();
    // Example 3-3's line and points, in the same slots.
    virtual void PickTwoPointsSystemProblem();
    // The loop of the chapter's random examples: the draw, the problem's
    // texts, the clear from y 30 and the screen, until the pupil types 1.
    void TwoPointExampleFrame(void (Grebe::*pick)(), void (Grebe::*texts)(), void (Grebe::*screen)());
    void TwoPointSlopeTexts();
    void TwoPointSlopeScreen();
    void TwoPointEquationTexts();
    void TwoPointEquationScreen();
    // The problem rows, the plane with the line and both labelled points,
    // and "<解答>".
    void TwoPointProblemFigure(std::string_view heading, std::string_view question);
    void SlopeTriangle(std::string_view flags);
    // Example 3-3: its numbers' texts, the problem with the two equations,
    // the elimination with the answer.
    void TwoPointsSystemTexts();
    void TwoPointsSystemScreen();
    void TwoPointsSystemEquations();
    void TwoPointsSystemSolution();
    struct ExerciseAnswer;
    void ExerciseAnswerScreen(const ExerciseAnswer& part);
    // Also chapter 4's: two equations under a brace, and two equations added
    // or subtracted in columns.
    void BracedSystem(Num x, Num y, std::string_view first, std::string_view second);
    void ColumnsAt(Num x, Num y, std::string_view upper, std::string_view lower, std::string_view op);

    // ---- Chapter 4: basic problems -------------------------------------
    void BasicProblemsChapter();
    void BasicProblemsOneToThree();
    void BasicProblemFourGraphs();
    void BasicProblemFiveGraphs();
    void BasicProblemSixAnswers();
    // The page's heading cell and the problem's number cell 44 beyond it.
    void ProblemHeadingCells(std::string_view number);
    // Problems 4 and 5: the clear, the cells and the plane.
    void GraphProblemOpening(std::string_view number);

protected:
    void ProgramMainMenu() override { EquationMainMenu(); }
};

}  // namespace lesson
