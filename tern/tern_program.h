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

    // The random topics' entry (their layout origin in LT2(31), B2(31)) and
    // their loop of problems until the pupil types 1.
    // Chapter 3's topics clear their own width first and keep their origin
    // in other slots.
    void RandomProblems(void (Tern::*draw)(), void (Tern::*problem)(), Num clearWidth = 1320,
                        int originSlot = 31);
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

    // The system by graph: S in T(1), F(1), P in T(2), F(2), Q in T(3), F(3);
    // a1, b1, a2, b2 in T(4..7), c1, c2 in F(4), F(5). The texts: the terms in
    // A1$(24..27), the equation of line 2 in X$(1).
    void DrawSystemByGraphNumbers();
    void SystemByGraphTexts();
    std::string SystemByGraphFirstEquation() const;
    void SystemByGraphProblem();
    // Two lines y=mx+k through S: S in T(1), F(1), the slopes in T(2), T(3),
    // the intercepts in F(2), F(3); the layout origin in LT2(1), B2(1).
    void DrawIntersectionNumbers();
    void IntersectionBySubtraction();
    // Its texts before the screen is cleared: the derived numbers, the terms
    // (A1$(12..14), TITLE$(12..14)) and x substituted (A1$(11)).
    void IntersectionTexts();
    // The rows of its column layout, the sign row and the result row; the
    // columns are built in place from the terms.
    struct IntersectionColumns {
        std::string upper, lower, signs, result;
    };
    IntersectionColumns IntersectionColumnTexts();
    // "傾き", the slope, "切片", the intercept and the closing words on one
    // row from (x, y), one piece a key when keyEach.
    void ReadSlopeAndIntercept(Num x, Num y, std::string_view slope, std::string_view intercept, bool keyEach);

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
