// SPDX-License-Identifier: GPL-3.0-or-later
// The Grebe program: finding a line's equation. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <string>
#include <string_view>

#include "lesson/lesson.h"

namespace lesson {

class Grebe : public Lesson {
public:
    explicit Grebe(rt::Runtime& runtime);

    // The main menu and the chapters it opens.
    static const MainMenu<Grebe> kMainMenu;
    static const Chapter<Grebe> kEquationFromGraph;
    static const Chapter<Grebe> kEquationFromPoint;
    static const Chapter<Grebe> kEquationFromTwoPoints;
    static const Chapter<Grebe> kBasicProblems;

    // ---- Chapter 1: the equation from a graph --------------------------
    void EquationFromGraphExample();
    void IntegerGraphPractice();
    void FractionGraphPractice();
    void EquationFromGraphAnswers();

    // The line y = (n/d)x + b of a practice exercise. Each Draw... function
    // takes a problem handed in through `chosen` before drawing its own.
    struct GraphLine {
        Num n = 1;
        Num d = 1;
        Num b = 0;
    };
    // Practice one: a whole slope (d = 1); the intercept never repeats lastExampleDraw.
    GraphLine DrawIntegerGraphLine();
    // Practice two: a slope n/d in lowest terms, d 2 to 4; the point at x = d
    // stays within -6..6.
    GraphLine DrawFractionGraphLine();
    // One exercise on the numbers given: texts, screen, steps (the loop asks
    // for the next step).
    void IntegerGraphExercise(const GraphLine& line);
    void FractionGraphExercise(const GraphLine& line);

    // A labelled line y = ax + b on the plane with its slope triangle: a dot
    // on its intercept, run and rise as double-headed arrows, in plane values
    // (chapters 1 and 4).
    struct ArrowedLine {
        Num a, b;
        std::string_view label;
        Num labelDx, labelDy;
        Num run, rise;
    };
    void LineWithSlopeArrows(const PlaneView& plane, const ArrowedLine& line);

    // A dot's label beside it on the side away from the y axis (one this
    // wide would reach across the axis on the other side), above the dot's
    // row where the line through it falls away on that side, else below.
    struct LabelShift {
        Num dx, dy;
    };
    LabelShift AwayFromYAxis(Num x, Num slope, const std::string& label);

    // ---- Chapter 2: from one point and the slope or the intercept ------
    void SlopeAndPointExample();
    void InterceptAndPointExample();
    void LineEquationSummary();
    void SlopeAndPointAnswers();
    void InterceptPointAnswer();

    // A line y = ax + b and its point (x1, y1) with |y1| <= 10.
    struct PointProblem {
        Num a = 1;
        Num b = 1;
        Num x1 = 2;
        Num y1 = 3;
    };
    PointProblem DrawPointProblem();
    void SlopeAndPointExercise(const PointProblem& p);
    void InterceptAndPointExercise(const PointProblem& p);

    // ---- Chapter 3: from two points ------------------------------------
    void RandomTwoPointSlopeExample();
    void RandomTwoPointEquationExample();
    void RandomTwoPointsSystemExample();
    void TwoPointsSummary();
    void TwoPointsExerciseAnswers();

    // A line y = ax + b through its points (x1, y1) and (x2, y2).
    struct TwoPointLine {
        Num a = 1;
        Num b = 1;
        Num x1 = -2, y1 = -1;
        Num x2 = 2, y2 = 3;
        // From point 1 to point 2.
        Num Run() const { return x2 - x1; }
        Num Rise() const { return y2 - y1; }
    };
    // Examples 3-1 and 3-2: x1 left of the y axis, x2 right of it; lastExampleDraw
    // keeps the slope from repeating.
    TwoPointLine DrawTwoPointLine();
    // Example 3-3: both points right of the y axis.
    TwoPointLine DrawSystemLine();
    void TwoPointSlopeExercise(const TwoPointLine& line);
    void TwoPointEquationExercise(const TwoPointLine& line);
    void TwoPointsSystemExercise(const TwoPointLine& line);
    struct ExerciseAnswer;
    void ExerciseAnswerScreen(const ExerciseAnswer& part);

    // ---- Chapter 4: basic problems -------------------------------------
    void BasicProblemsOneToThree();
    void BasicProblemFourGraphs();
    void BasicProblemFiveGraphs();
    void BasicProblemSixAnswers();
    // The page's heading cell and the problem's number cell 44 beyond it.
    void ProblemHeadingCells(std::string_view number);
    // Problems 4 and 5: the clear, the cells and the plane they draw on.
    PlaneView GraphProblemOpening(std::string_view number);

    // The last problem of the random examples: set and read by each example's
    // draw so the next one differs (0 at start, never reset).
    Num lastExampleDraw = 0;

protected:
    void ProgramMainMenu() override { RunMainMenu(*this, kMainMenu); }

private:
    // Chapter 1: the screen of one practice exercise.
    struct GraphReading {
        std::string_view heading;
        std::string slope;        // the slope row after "傾きは、"
        std::string coefficient;  // the answer's x coefficient
        Num slopeRow = 0;         // rows of the slope and of the answer
        Num answerRow = 0;
    };
    void ReadGraphExercise(const GraphLine& line, const GraphReading& reading);

    // Chapter 2: the problem, the figure and the set-up of examples 2-1 and 2-2.
    void PointExampleOpening(const PointProblem& p, std::string_view heading, std::string_view givenWhat,
                             const std::string& givenValue, Colour pointColour, bool markIntercept,
                             const std::string& form);

    // Chapter 3: where the two points' dots were drawn.
    struct TwoDots {
        PlaneView plane;  // the plane they stand on
        Point first, second;
    };
    // The problem rows, the plane with the line and both labelled points,
    // and "<解答>".
    TwoDots TwoPointProblemFigure(const TwoPointLine& line, std::string_view heading,
                                  std::string_view question);
    // The slope from the two points, with its triangle; stepwise, the
    // triangle and the last fraction each wait for a key.
    void TwoPointSlopeRows(const TwoPointLine& line, const TwoDots& dots, bool stepwise);
    // Example 3-3's elimination, from the columns to the answer.
    void TwoPointsSystemSolution(const TwoPointLine& line);
};

}  // namespace lesson
