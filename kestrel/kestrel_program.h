// SPDX-License-Identifier: GPL-3.0-or-later
// The Kestrel program: its main menu and its chapters. Each chapter is a
// member function running its sub-menu loop; each topic a member function
// that returns to that loop.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lesson/lesson.h"

namespace lesson {

class Kestrel : public Lesson {
public:
    explicit Kestrel(rt::Runtime& runtime);

    // The main menu and the chapters it opens.
    static const MainMenu<Kestrel> kMainMenu;
    static const Chapter<Kestrel> kFunctionReview;
    static const Chapter<Kestrel> kLinearFunction;
    static const Chapter<Kestrel> kRateOfChange;
    static const Chapter<Kestrel> kGraphIntercept;
    static const Chapter<Kestrel> kSlopeDrawing;
    static const Chapter<Kestrel> kTableEquationGraph;
    static const Chapter<Kestrel> kDomainRange;

    // ---- Chapter 1: review of proportion --------------------------------------
    void ProportionTablesTopic();
    void ProportionGraphsTopic();
    PlaneView DrawGraphChoices();

    // ---- Chapter 2: linear functions ------------------------------------------
    void BoilingWaterQuestion();
    void BoilingWaterEquation();
    void BoilingWaterAnswers();
    void LinearFunctionDefinition();
    void WaterDepthExample();
    PlaneView SetupDepthFigure();
    void DrawDepthScale(const PlaneView& paper);
    void IncenseExample();
    PlaneView SetupIncenseFigure();
    void PetrolAnswer();
    void SquareRectangleExercise();

    // ---- Chapter 3: the rate of change ----------------------------------------
    void StepByOneTopic();
    void StepByTwoThreeTopic();
    void RateOfChangeTopic();
    void RateExercise1();
    void VaryCoefficientsTopic();
    void RateEqualsSlopeTopic();
    void InverseRateTopic();

    // One worked example as drawn, signs included: a, b and the interval's
    // ends x1, x2 (put in order when it is shown).
    struct RateDraw {
        Num a, b, x1, x2;
    };
    // One practice problem of the rate topic: a, b and the increase of x.
    struct RatePracticeDraw {
        Num a, b, xIncrease;
    };

    // Building blocks of the chapter's screens.
    // Worked examples (mode 1: y=2x+3, 0: random a and b) from a clear screen
    // until the pupil types 1, the cursor left just after the last rate; then
    // one more key.
    void RateExamplesThenKey(Num mode);
    Num SignedDraw(Num count, Num from);
    RateDraw DrawRateExample();
    RatePracticeDraw DrawRatePractice();
    void RateExample(RateDraw drawn);
    void RatePracticeProblem(Point origin, RatePracticeDraw drawn);
    // A table of x and y values: its head column's left edge, its cells'
    // width and its rows' tops.
    struct ValueTable {
        Num left = 0, cellWidth = 0, xRow = 0, yRow = 0;
        // The left edge of column k, the head column being 0.
        Num Column(int k) const { return left + cellWidth * static_cast<Num>(k); }
    };
    ValueTable StepByOneTable(Num textRow);
    void RevealStepByOneValues(const ValueTable& table, int b);
    ValueTable StepTable(Num textRow);
    void StepTableArcs(const ValueTable& table, int step, int arcs, Num dotDegrees, std::string_view xLabel,
                       std::string_view yLabel);
    ValueTable AnswerTable(Num xRowTop, std::string_view from, std::string_view to, Colour yRowColour);
    void ValueIntoCell(const ValueTable& table, int column, std::string_view value);
    void Exercise1Rate(const ValueTable& table, std::string_view differences, std::string_view resolved,
                       std::string_view reduced, std::string_view xIncrease, std::string_view yIncrease);
    void IncreaseLabels(const ValueTable& table, Num xDx, std::string_view xIncrease, Num yDx,
                        std::string_view yIncrease);

    // ---- Chapter 4: graph and intercept ---------------------------------------
    void QuadrantPointDrill();
    // One point of the drill; its mirror images are shown beside it.
    struct QuadrantPoint {
        Num x, y;
    };
    QuadrantPoint PickQuadrantPoint();
    std::string CoordinatesText(const QuadrantPoint& point);
    PlaneView DrawQuadrantPlane();
    void DensePointsDemo();
    void PointsOnLineAnswer();
    void TranslationTopic();
    void TranslationDownAnswer();
    void DrawShiftTable(Point at, Num shift, Num valueWidth, std::string_view shiftedHead);
    void DrawShiftPair(const PlaneView& plane, Num x, Num shift);
    void KeepShiftPairsClear(const PlaneView& plane, Num from, Num to, Num shift);
    void MovedProportionTopic();
    void InterceptTopic();
    void InterceptAnswer();

    // ---- Chapter 5: slope and drawing graphs ----------------------------------
    void SlopeOnGraphTopic();
    void SlopeInterceptTopic();
    void SlopeInterceptAnswers();
    void GraphFromSlopeExample();
    void GraphFromSlopeProblem5();
    void IntegerSlopePractice();
    void FractionSlopePractice();
    void GraphDrawingAnswers();
    void SlopeInterceptDrill();
    // The drill's problem: y = ax + b, a and b within -5..5 but 0.
    struct SlopeIntercept {
        Num a, b;
    };
    SlopeIntercept DrawSlopeIntercept();
    void SlopeInterceptProblem(const SlopeIntercept& problem);
    // The practice problems: a rising and a falling line, the intercepts
    // within -5..5 but 0; integer slopes within 1..5 and -5..-1, or proper
    // fractions of denominators 2..5.
    struct IntegerSlopes {
        Num a1, a2, b1, b2;
    };
    struct FractionSlopes {
        Num num1, den1, num2, den2, b1, b2;
    };
    IntegerSlopes DrawIntegerSlopes();
    FractionSlopes DrawFractionSlopes();
    Num DrawNonZeroIntercept();
    void IntegerSlopeProblem(const IntegerSlopes& problem);
    void FractionSlopeProblem(const FractionSlopes& problem);
    // A line drawn by its points: its slope as written, one step of it (run
    // and rise) and its intercept.
    struct LineByPoints {
        std::string slope;
        Num run, rise, b;
    };
    LineByPoints FractionLine(Num num, Num den, Num b);
    void TwoGraphsByPoints(std::string_view heading, const LineByPoints& rising, const LineByPoints& falling);
    // Figures of the chapter.
    struct SlopeDrawing;
    void DrawGraphFromSlope(const SlopeDrawing& d);

    // ---- Chapter 6: table, equation and graph ---------------------------------
    void ThreeFormsCoefficients();
    void IncreasingFunctionTopic();
    void DecreasingFunctionTopic();
    struct IncreaseDecreaseCase;
    void IncreaseDecreaseScreen(const IncreaseDecreaseCase& c);
    void ParameterGraphExplorer();
    // Reads slopes (slopeTyped) or intercepts and adds each line to the plane
    // until the pupil types 1 at the next-step prompt.
    void TypedValueGraphLoop(const PlaneView& plane, std::string_view prompt, bool slopeTyped, Colour colour);

    // ---- Chapter 7: domain and range ------------------------------------------
    void DomainRangeExample();
    void DomainRangePractice();
    // One practice problem: y = ax + b on p ≦ x ≦ q, y at both ends.
    struct DomainRangeProblem {
        Num a, b, p, q, yp, yq;
    };
    DomainRangeProblem DrawDomainRangeProblem();
    // The problem at the cursor, and its worked solution (nine key steps).
    void DomainRangeProblemScreen(const DomainRangeProblem& problem);
    void DomainRangeSolution(const DomainRangeProblem& problem);

    // ---- Kept for the whole run ------------------------------------------------
    // 1 when every worked example of the rate of change is y=2x+3, 0 for
    // random a and b: set by the rate-of-change topics (chapter 3) from the
    // pupil's choice; read by their example draw.
    Num rateExampleFixed = 0;
    // The quadrant of the drill's last point (chapter 4): set and read by the
    // drill, so the next point lies elsewhere (0 at start, never reset).
    Num lastDrillQuadrant = 0;
    // The domain-and-range practice's last accepted slope (chapter 7): set and
    // read by its problem draw, so the next differs (0 at start, never reset).
    Num lastRangeSlope = 0;

protected:
    void ProgramMainMenu() override { RunMainMenu(*this, kMainMenu); }

private:
    // The heating plane of the boiling-water topics: axes, scales in minutes
    // and degrees, and the unit labels.
    PlaneView DrawHeatingPlane();
};

}  // namespace lesson
