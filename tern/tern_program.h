// SPDX-License-Identifier: GPL-3.0-or-later
// The Tern program: equations in two unknowns as lines. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lesson/lesson.h"

namespace lesson {

class Tern : public Lesson {
public:
    explicit Tern(rt::Runtime& runtime);

    // The main menu and the chapters it opens.
    static const MainMenu<Tern> kMainMenu;
    static const Chapter<Tern> kLinearEquationGraph;
    static const Chapter<Tern> kAxisParallelLines;
    static const Chapter<Tern> kSimultaneousEquationsGraph;
    static const Chapter<Tern> kEquationGraphProblems;

    // ---- Chapter 1: graphs of ax+by=c ----------------------------------
    void EquationGraphIntro();
    void PointOnGraphCheck();
    void RandomSlopeInterceptExample();
    void RandomEquationGraphExample();
    void RewriteAndGraphAnswers();
    void RandomInterceptsGraphExample();
    void InterceptsGraphAnswers();

    // The random problems of chapter 1, each ax+by=c with whole a, b, c.
    // Example 1-1: its slope and intercept read after the rewriting.
    struct SlopeReading {
        Num a = 0, b = 0, c = 0;
    };
    // Example 1: graphed from its intercept n and its slope; c = n*b.
    struct InterceptGraph {
        Num a = 0, b = 0, n = 0;
    };
    // Example 2: graphed through its two axis crossings; c a multiple of a
    // and of b, so both are whole.
    struct CrossingsGraph {
        Num a = 0, b = 0, c = 0;
    };
    // Each drawn as the lesson draws it (or taken from chosen), then shown.
    SlopeReading DrawSlopeReading();
    void SlopeReadingProblem(const SlopeReading& problem);
    InterceptGraph DrawInterceptGraph();
    void InterceptGraphProblem(const InterceptGraph& problem);
    CrossingsGraph DrawCrossingsGraph();
    void CrossingsGraphProblem(const CrossingsGraph& problem);

    // The rewriting of ax+by=c to y=mx+n, as texts.
    struct SlopeInterceptForm {
        std::string equation;              // ax+by=c as the problem states it
        std::array<std::string, 6> lines;  // the rewriting, line by line
        std::string slope;                 // m, a reduced fraction
        // n: a reduced fraction of c/b, or the plain number c/b when it is whole.
        std::string intercept;
        Num run = 0, rise = 0;  // the slope in lowest terms, the run positive
    };
    SlopeInterceptForm SlopeInterceptTexts(Num a, Num b, Num c, bool interceptAsFraction);
    // Its lines drawn one group a key, starting and ending with a key wait.
    void SlopeInterceptRewriteSteps(const SlopeInterceptForm& form);

    // The texts of example 2: its equation and, for each crossing, the
    // equation x=0 or y=0 leaves, its solution and the point.
    struct CrossingsTexts {
        std::string equation;
        struct Half {
            std::string equation, solved, point;
        } onYAxis, onXAxis;
    };
    CrossingsTexts CrossingsGraphTexts(const CrossingsGraph& problem);

    // An equation ax+by=c from its parts: the x coefficient as written ("",
    // "-", "3"), the y term with its sign ("+2", "-", "-4") and the right side.
    static std::string EquationText(std::string_view xCoefficient, std::string_view yTerm,
                                    std::string_view rightSide);
    // A point found by substitution, one line a key from a key wait: what is
    // substituted, the equation it leaves, its solution 50 further on, the point.
    void SubstitutionSteps(std::string_view substitute, std::string_view equation, std::string_view solved,
                           std::string_view point);

    // ---- Chapter 2: x=k and y=k ----------------------------------------
    void HorizontalLineExample();
    void HorizontalLineAnswers();
    void VerticalLineExample();
    void VerticalLineAnswers();
    void AxisParallelSummary();
    // Example 3 and example 4 are one script: a line parallel to an axis
    // found from two points.
    struct AxisLineExample;
    void AxisLineFromTwoPoints(const AxisLineExample& example);

    // ---- Chapter 3: systems as intersecting lines ----------------------
    void IntersectionIntro();
    void RandomSystemByGraphExample();
    void SystemByGraphAnswer();
    void RandomIntersectionExample();
    void IntersectionFromFigureAnswer();
    void AxisIntersectionAnswer();
    void ParallelNoSolution();

    // Example (topic 2): line 1 through S and P, line 2 through S and Q,
    // each a1x+b1y=c1 with whole coefficients.
    struct SystemByGraph {
        Num x = 0, y = 0, px = 0, py = 0, qx = 0, qy = 0;
        Num a1 = 0, b1 = 0, c1 = 0, a2 = 0, b2 = 0, c2 = 0;
        // The system of the lines through S=(x, y) and P and through S and Q.
        static SystemByGraph Through(Num x, Num y, Num px, Num py, Num qx, Num qy);
    };
    SystemByGraph DrawSystemByGraph();
    void SystemByGraphProblem(const SystemByGraph& problem);
    struct SystemTexts {
        std::string first, second;  // the equations with their marks ①, ②
        std::string x, y;           // S's coordinates
    };
    SystemTexts SystemByGraphTexts(const SystemByGraph& problem);

    // Example (topic 4): two lines y=mx+k through S=(x, y), their
    // intercepts on the plane.
    struct Intersection {
        Num x = 0, y = 0, m1 = 0, m2 = 0, k1 = 0, k2 = 0;
        static Intersection Through(Num x, Num y, Num m1, Num m2);
    };
    Intersection DrawIntersection();
    void IntersectionProblem(const Intersection& problem);
    // Its texts, made before the screen is cleared.
    struct IntersectionTexts {
        std::string first, second;  // y=mx+k of each line
        // The column layout: its rows, the signs line 2's terms take when it
        // is subtracted, and the result row.
        std::string upper, lower, signs, result;
        std::string xRow;  // (m1-m2)x=-(k1-k2), its coefficient as in the columns
        std::string x, y, m1, m1x, substitutedX;
        std::string k1Term;  // line 1's constant as a later term, "" when 0
    };
    IntersectionTexts IntersectionProblemTexts(const Intersection& problem);
    // "傾き", the slope, "切片", the intercept and the closing words on one
    // row from (x, y), one piece a key when keyEach.
    void ReadSlopeAndIntercept(Num x, Num y, std::string_view slope, std::string_view intercept,
                               bool keyEach);

    // ---- Chapter 4: basic problems -------------------------------------
    void BasicProblemGraphs();
    void BasicProblemSystem();
    void BasicProblemTwoLines();
    // The clear, the heading cell and the problem's number cell.
    void BasicProblemHeading(std::string_view number);

protected:
    void ProgramMainMenu() override { RunMainMenu(*this, kMainMenu); }
};

}  // namespace lesson
