// The Grebe program: finding a line's equation. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
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

    // The line y = (n/d)x + b of a practice exercise.
    struct GraphLine {
        Num n = 1;
        Num d = 1;
        Num b = 0;
    };
    // Practice one: a whole slope (d = 1); the intercept never repeats ZENKAI.
    GraphLine DrawIntegerGraphLine();
    // Practice two: a slope n/d in lowest terms, d 2 to 4; the point at x = d
    // stays within -6..6.
    GraphLine DrawFractionGraphLine();
    // One exercise on the numbers given: texts, screen, steps (the loop asks
    // for the next step).
    void IntegerGraphExercise(const GraphLine& line);
    void FractionGraphExercise(const GraphLine& line);

    // Grebe's random examples (chapters 1 to 3) share one frame: the clear of
    // (0,0)-(1320,1300), pen width 5, the origin (40,30) kept in LT2(1) and
    // B2(1); then pass (draw, texts, RestartExampleScreen, problem and
    // solution) until the pupil types 1 at the next-step prompt.
    template <class F>
    void ExampleLoop(F&& pass) {
        TopicScreen(1320, 1300, 40);
        PenWidth(5);
        LT2(1) = B1;
        B2(1) = B2_row;
        RandomExerciseLoop(pass);
    }
    // Wipes the last problem from row B2(1) down and puts the cursor back.
    void RestartExampleScreen();

    // An arrow in colour 3 from point `from` to point `to`, its head at `to`.
    void ArrowBetweenPoints(int from, int to);
    // A labelled line y = ax + b with its slope triangle: a dot on its
    // intercept (points[0]), a run arrow to points[1] and a rise arrow on to
    // points[2], in plane values.
    struct ArrowedLine {
        Num a, b;
        std::string_view label;
        Num labelDx, labelDy;
        Num points[3][2];
    };
    // Draws the line and keeps its three points as points first..first+2.
    void LineWithSlopeArrows(const ArrowedLine& line, int first);

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
    // Returns when the pupil picks "⑥終了".
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
    // ExampleLoop for the chapter's random examples: the draw, the problem's
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

    // ---- Chapter 4: basic problems -------------------------------------
    void BasicProblemsOneToThree();
    void BasicProblemFourGraphs();
    void BasicProblemFiveGraphs();
    void BasicProblemSixAnswers();
    // The page's heading cell and the problem's number cell 44 beyond it.
    void ProblemHeadingCells(std::string_view number);
    // Problems 4 and 5: the clear, the cells and the plane.
    void GraphProblemOpening(std::string_view number);

protected:
    void ProgramMainMenu() override { RunMainMenu(*this, kMainMenu); }

private:
    // Chapter 1: the screen of one practice exercise, T() and F() set.
    struct GraphReading {
        std::string_view heading;
        std::string slope;        // the slope row after "傾きは、"
        std::string coefficient;  // the answer's x coefficient
        Num slopeRow = 0;         // rows of the slope and of the answer
        Num answerRow = 0;
    };
    void ReadGraphExercise(const GraphLine& line, const GraphReading& reading);

    // Chapter 2: the problem, the figure and the set-up of examples 2-1 and
    // 2-2, T(), F() and their texts set.
    void PointExampleOpening(std::string_view heading, std::string_view givenWhat,
                             const std::string& givenValue, Num pointColour, bool markIntercept,
                             const std::string& form);
};

}  // namespace lesson
