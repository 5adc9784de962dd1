// The Tern program: equations in two unknowns as lines. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/chapter.h"

namespace lesson {

class Tern : public Lesson {
public:
    explicit Tern(rt::Runtime& runtime);

    // The main menu's items: the chapters, the spare items and the exit.
    // A chapter not built yet redraws the menu as a spare item does.
    static const std::array<MenuEntry<Tern>, 6>& MenuEntries();

    void EquationGraphsMainMenu();

    // ---- Chapter 1: graphs of ax+by=c ----------------------------------
    void LinearEquationGraphChapter();
    void LinearEquationGraphGoalScreen();
    void EquationGraphIntro();
    void PointOnGraphCheck();
    void RandomSlopeInterceptExample();
    void RandomEquationGraphExample();
    void RewriteAndGraphAnswers();
    void RandomInterceptsGraphExample();
    void InterceptsGraphAnswers();

    // The random topics' entry (their layout origin in LT2(31), B2(31)) and
    // their loop of problems until the pupil types 1.
    void RandomProblems(void (Tern::*draw)(), void (Tern::*problem)());
    // One problem of each random topic: the draw leaves the numbers in their
    // slots; the problem builds its texts from the slots and shows it, so a
    // test can hand it chosen numbers. The intercepts topic keeps p, q, b, a
    // and the slope in T(1..5), the sign s in F(0), c in F(1) and q in F(5).
    void DrawSlopeInterceptNumbers();
    void SlopeInterceptProblem();
    void DrawEquationGraphNumbers();
    void EquationGraphProblem();
    void DrawInterceptsGraphNumbers();
    void InterceptsGraphTexts();
    void InterceptsGraphProblem();

    // The rewriting of ax+by=c to y=mx+n, with a = T(1), b = T(2), -a = T(3),
    // m = T(4), c = F(1), n = F(2). The texts: the intercept in TITLE$(2) as
    // a reduced fraction of c/b, or as the plain number n when it is whole.
    void SlopeInterceptTexts(bool interceptAsFraction);
    // Its six lines, from the texts above.
    std::array<std::string, 6> SlopeInterceptRewriteLines() const;
    // The lines drawn one group a key, starting and ending with a key wait.
    void SlopeInterceptRewriteSteps();

    // An equation ax+by=c from its parts: the x coefficient as written ("",
    // "-", "3"), the y term with its sign ("+2", "-", "-4") and the right side.
    static std::string EquationText(std::string_view xCoefficient, std::string_view yTerm,
                                    std::string_view rightSide);
    // A slope triangle in colour 5 from the value point (x, y): an arrow run
    // steps right, then one rise steps up, each with its head at its end.
    void SlopeTriangle(Num x, Num y, Num run, Num rise);
    // A point found by substitution, one line a key from a key wait: what is
    // substituted, the equation it leaves, its solution 50 further on, the point.
    void SubstitutionSteps(std::string_view substitute, std::string_view equation, std::string_view solved,
                           std::string_view point);
    // A dot at the value point (x, y) with its label shifted by (dx, dy).
    void LabelledPoint(Num x, Num y, Num radius, Num colour, std::string_view label, Num dx, Num dy);

    // ---- Chapter 2: x=k and y=k ----------------------------------------
    void AxisParallelLinesChapter();
    void AxisParallelLinesGoalScreen();
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

    // ---- Chapter 4: basic problems -------------------------------------

protected:
    void ProgramMainMenu() override { EquationGraphsMainMenu(); }
};

}  // namespace lesson
