// Chapter 4: the basic problems of page 82. Four equations graphed, a system
// read from its graphs, and two lines read from a figure and intersected.
#include <string_view>

#include "tern/tern_program.h"

namespace lesson {

const Chapter<Tern> Tern::kEquationGraphProblems{
    .choices = "P82 基本の問題 ①1　②2　③3　④終了",
    .topics = {
        &Tern::BasicProblemGraphs,
        &Tern::BasicProblemSystem,
        &Tern::BasicProblemTwoLines,
    },
};

void Tern::BasicProblemHeading(std::string_view number) {
    const Num numberLeft = 40;
    TopicScreen(1760, 1800, numberLeft + 54);
    PenWidth(5);
    Cell(B1, B2_row, kPageCell, "P82 基本の問題");
    Cell(numberLeft, B2_row + 60, kProblemCell, number);
}

// ---- Problems 1 and 2 ---------------------------------------------------------------------------

void Tern::BasicProblemGraphs() {
    BasicProblemHeading("1");
    PlaneAt(600, 100, -6, 6, -6, 6, 40, 14);
    struct Row {
        Num y;
        std::string_view label, equation, rewritten;
        Num a, b, c, colour, labelDx, labelDy;
    };
    static constexpr Row rows[] = {
        {150, "(1)", "x+3y=-3", "y=-ﾀ1/3ﾀx-1", 1, 3, -3, 3, -108, -70},
        {220, "(2)", "ﾀx/2ﾀ+ﾀy/3ﾀ=1", "y=-ﾀ3/2ﾀx+3", 3, 2, 6, 7, 0, -70},
        {290, "(3)", "3y+15=0", "y=-5", 0, 1, -5, 5, -378, -70},
        {360, "(4)", "4x-12=0", "x=3", 1, 0, 3, 5, -108, 0},
    };
    bool first = true;
    for (const Row& r : rows) {
        if (!first) StepReveal();
        first = false;
        Put(40, r.y, 3, r.label);
        Next(0, r.equation);
        StepReveal();
        Next(3, r.rewritten, 40);
        StepReveal();
        R1B_rhs = r.c;
        GraphOf(4, r.a, r.b, r.colour, r.label, r.labelDx, r.labelDy);
    }
}

void Tern::BasicProblemSystem() {
    BasicProblemHeading("2");
    PlaneAt(532, 100, -6, 6, -6, 6, 40, 14);
    R1B_rhs = -3;
    GraphOf(4, 1, 3, 3, "x+3y=-3", -108, 10);
    R1B_rhs = 12;
    GraphOf(4, 2, -3, 3, "2x-3y=12", -108, -70);
    NewRow(70, 5, "答 x=3,y=-2");
}

// ---- Problem 3: two lines from a figure ---------------------------------------------------------

void Tern::BasicProblemTwoLines() {
    BasicProblemHeading("3");
    PlaneAt(760, 100, -7, 3, -6, 7, 35, 0);
    GraphOf(3, 1, 6, 0, "l", 0, -10);
    GraphOf(3, -2, -4, 0, "m", -40, 0);
    // Where l and m cross the axes.
    static constexpr Num crossings[4][2] = {{-6, 0}, {0, 6}, {-2, 0}, {0, -4}};
    for (int k = 1; k <= 4; ++k) StorePlanePoint(k, crossings[k - 1][0], crossings[k - 1][1]);
    Label(GY5(1), t0014(1), 0, "-6");
    Label(GY5(2), t0014(2), 0, "6");
    Label(GY5(3) - 54, t0014(3), 0, "-2");
    Label(GY5(4), t0014(4) - 20, 0, "-4");

    // Each line: its slope triangle from the x-axis crossing to the y-axis
    // crossing, then its slope, intercept and equation.
    struct Reading {
        std::string_view opening;
        Num openingY;
        int from;
        std::string_view fraction, slope, intercept;
        Num equationY;
        std::string_view equation;
        bool runAgain;
    };
    static constexpr Reading readings[] = {
        {" 直線lの式は、傾き", 90, 1, "ﾀ6/6ﾀ=", "1,", "6", 140, "y=x+6…①", false},
        {"直線mの式は、傾き", 200, 3, "ﾀ-4/2ﾀ=", "-2,", "-4", 250, "y=-2x-4…②", true},
    };
    for (const Reading& r : readings) {
        StepReveal();
        Put(r.from == 1 ? YI1 : B1, r.openingY, 0, r.opening);
        StepReveal();
        ZY = GY5(r.from);
        AA1 = t0014(r.from);
        GY3 = GY5(r.from + 1);
        HIDARI = t0014(r.from + 1);
        HENK3_s = "yy";
        DrawIncreaseArrows();
        if (r.runAgain) ArrowTo(ZY, AA1, GY3, AA1, 5);
        StepReveal();
        Next(0, r.fraction);
        Next(3, r.slope);
        Next(0, "切片");
        StepReveal();
        Next(3, r.intercept);
        StepReveal();
        Put(B1, r.equationY, 0, "だから、");
        Next(3, r.equation);
    }

    StepReveal();
    BracedSystem(B1, B2_row + 50, "y=x+6…①", "y=-2x-4…②");
    StepReveal();
    Put(B1, B2_row + 50, 3, "①-②");
    t0014(1) = B2_row;
    StepReveal();
    ColumnsAt(B1, B2_row + 50, "y=　 x+6", "y=-2x-4", "-");
    StepReveal();
    Label(B1, B2_row - 25, 3, "+-  +  +");
    StepReveal();
    Put(GX5, B2_row + 50, 0, "0= 3x+10");
    Put(GX5, B2_row + 50, 0, "3x=-10");
    StepReveal();
    B1 = 418;
    B2_row = t0014(1) - 60;
    Put(B1, B2_row - 30, 7, "x=-ﾀ10/3ﾀ");
    StepReveal();
    NewRow(70, 3, "①に代入して");
    NewRow(70, 0, "y=-ﾀ10/3ﾀ+6");
    StepReveal();
    NewRow(70, 0, " =-ﾀ10/3ﾀ+ﾀ18/3ﾀ=");
    Next(7, "ﾀ8/3ﾀ");
    StepReveal();
    NewRow(70, 5, "答 (-ﾀ10/3ﾀ,ﾀ8/3ﾀ)");
}

}  // namespace lesson
