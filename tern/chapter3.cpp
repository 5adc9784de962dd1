// Chapter 3: a system of two equations in two unknowns and the intersection
// of their graphs. Solved from the graphs and by subtracting one equation
// from the other, with random systems, textbook answers and parallel lines.
#include <string>
#include <string_view>
#include <utility>

#include "tern/tern_program.h"

namespace lesson {

namespace {

// A term's text in a column two characters wide: " 3", " -", "  ".
std::string CoefficientColumn(const std::string& text) {
    return text.size() >= 2 ? text : std::string(2 - text.size(), ' ') + text;
}

// A constant's text in a column three characters wide, when it has one:
// "+5" gets a blank, "" and "-10" stay.
std::string ConstantColumn(const std::string& text) { return text.size() == 2 ? " " + text : text; }

// A later term with its coefficient: "+" for 1, "-" for -1, "+3", "-3".
std::string LaterCoefficientForm(Num value, std::string_view text) {
    return (value > 0 ? "+" : "") + Lesson::CoefficientForm(value, text);
}

}  // namespace

const Chapter<Tern> Tern::kSimultaneousEquationsGraph{
    .goal = {"2つの2元1次方程式のグラフの交点の意味を考えよう。"},
    .goalClears = true,
    .choices = "①P80Q　②グラフから例　③問１　④交点例　⑤問2　⑥問3　⑦問4　⑧終了",
    .topics = {
        &Tern::IntersectionIntro,
        &Tern::RandomSystemByGraphExample,
        &Tern::SystemByGraphAnswer,
        &Tern::RandomIntersectionExample,
        &Tern::IntersectionFromFigureAnswer,
        &Tern::AxisIntersectionAnswer,
        &Tern::ParallelNoSolution,
    },
};

void Tern::ReadSlopeAndIntercept(Num x, Num y, std::string_view slope, std::string_view intercept,
                                 bool keyEach) {
    const std::pair<Num, std::string_view> pieces[] = {
        {0, "傾き"}, {3, slope}, {0, "切片"}, {3, intercept}, {0, "のグラフをかけばよい。"}};
    bool first = true;
    for (const auto& [colour, text] : pieces) {
        if (keyEach) StepReveal();
        if (first)
            Put(x, y, colour, text);
        else
            Next(colour, text);
        first = false;
    }
}

// ---- Topic 1: the question of page 80 -----------------------------------------------------

void Tern::IntersectionIntro() {
    TopicScreen(1600, 1800, 40);
    PenWidth(5);
    BracedSystem(40, 30, "x-2y=4…①", "x +y=1…②");
    const Num heading = YI1 + 40;
    Put(heading, 30, 3, "連立方程式の");
    Put(heading, 80, 3, "解を調べよう。");
    PlaneAt(760, 30, -5, 5, -4, 4, 40, 14);
    R1B_rhs = 4;
    GraphOf(4, 1, -2, 0, "x-2y=4", -108, -60);
    StepReveal();
    Put(40, 130, 7, "(1)方程式②のグラフをかこう。");
    StepReveal();
    Put(40, 180, 0, "x+y=1 y=-x+1 だから");
    ReadSlopeAndIntercept(40, 230, "-1, ", "1 ", true);
    StepReveal();
    R1B_rhs = 1;
    GraphOf(4, 1, 1, 0, "x+y=1", -108, 10);
    StepReveal();
    Put(40, 280, 3, "交点の座標は、");
    PointAt(2, -1, 6, 5);
    StepReveal();
    Next(5, "(2,-1)");
    PointAt(2, -1, 6, 5, "(2,-1)", 30, 30);
    StepReveal();
    Put(40, 330, 7, "上の連立方程式を解いてみよう。");
    const Num secondColumnRow = B2_row;
    StepReveal();
    NewRow(50, 3, "①-②");
    StepReveal();
    ColumnsAt(40, 430, "x-2y=4", "x+ y=1", "-");
    StepReveal();
    Label(40, B2_row - 25, 3, "+- -  -");
    StepReveal();
    Put(GX5, B2_row + 50, 0, " -3y=3");
    StepReveal();
    Put(GX5, B2_row + 50, 0, "   y=-1");
    B1 = 342;
    B2_row = secondColumnRow;
    NewRow(50, 3, "y=-1 を②に代入して");
    StepReveal();
    NewRow(50, 0, "x-1=1");
    StepReveal();
    NewRow(50, 0, "x=");
    StepReveal();
    Next(0, "1+1=2");
    NewRow(50, 5, "答 x=2,y=-1");
    StepReveal();
    B1 = YI1 + 30;
    B2_row = 390;
    NewRow(50, 5, "<連立方程式の解とグラフの交点>");
    NewRow(50, 3, "x,yについての連立方程式の解は、");
    NewRow(50, 3, "それぞれの方程式のグラフの");
    NewRow(50, 3, "交点のx座標,y座標の組である。");
}

// ---- Topic 2: a random system solved from its graph ---------------------------------------

void Tern::RandomSystemByGraphExample() {
    RandomProblems(&Tern::DrawSystemByGraphNumbers, &Tern::SystemByGraphProblem, 1760);
    Put(38, 480, 7, "教科書P81 問1　をやってみよう。");
}

void Tern::DrawSystemByGraphNumbers() {
    // Line 1 through S and P, line 2 through S and Q: drawn again while a
    // coefficient the equations divide by is 0 or the two lines are one.
    do {
        T(1) = RandomWhole(7, 0);
        RandomSign12(T(1));
        F(1) = RandomWhole(7);
        RandomSign12(F(1));
        T(2) = RandomWhole(6, 2);
        F(2) = RandomWhole(4, 5);
        T(3) = RandomWhole(5, 4);
        F(3) = -RandomWhole(5, 3);
        T(4) = -(F(2) - F(1));
        T(5) = T(2) - T(1);
        F(4) = -T(1) * (F(2) - F(1)) + F(1) * (T(2) - T(1));
        T(6) = -(F(3) - F(1));
        T(7) = T(3) - T(1);
        F(5) = -T(1) * (F(3) - F(1)) + F(1) * (T(3) - T(1));
    } while (T(4) == 0 || T(5) == 0 || T(6) == 0 || T(4) * T(7) == T(6) * T(5));
}

void Tern::SystemByGraphTexts() {
    NumbersToText();
    A1_s(24) = CoefficientForm(T(4), A1_s(4));
    A1_s(25) = LaterCoefficientForm(T(5), A1_s(5));
    A1_s(26) = CoefficientForm(T(6), A1_s(6));
    A1_s(27) = LaterCoefficientForm(T(7), A1_s(7));
    // b2 = 0: line 2 is the vertical line through S.
    X_s(1) = (T(7) == 0 ? A1_s(26) + "x=" + TITLE_s(5) : EquationText(A1_s(26), A1_s(27), TITLE_s(5))) + "…②";
}

std::string Tern::SystemByGraphFirstEquation() const {
    return EquationText(A1_s(24), A1_s(25), TITLE_s(4)) + "…①";
}

void Tern::SystemByGraphProblem() {
    SystemByGraphTexts();
    TopicScreen(1760, 1800, 88);
    Put(B1 - 44, B2_row, 0, "例 連立方程式の解を、");
    NewRow(50, 0, "グラフを使って求めなさい。");
    BracedSystem(B1, B2_row + 50, SystemByGraphFirstEquation(), X_s(1), 3);
    PlaneAt(680, 50, -10, 10, -10, 10, 25, 1);
    R1B_rhs = F(4);
    GraphOf(4, T(4), T(5), 3, "①");
    R1B_rhs = F(5);
    GraphOf(4, T(6), T(7), 3, "②");
    StepReveal();
    NewRow(80, 3, "交点の座標は、");
    PointAt(T(1), F(1), 8, 7);
    StepReveal();
    Next(3, "(" + A1_s(1) + "," + TITLE_s(1) + ")");
    StepReveal();
    NewRow(70, 0, "だから、解は ");
    Next(5, "x=" + A1_s(1) + ",y=" + TITLE_s(1));
}

// ---- Topic 3: question 1 ----------------------------------------------------------------------

void Tern::SystemByGraphAnswer() {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 3, "問1 解答");
    BracedSystem(YI1, 30, "2x+y=1…①", " x-y=-4…②");
    PlaneAt(760, 100, -4, 5, -4, 6, 40, 14);
    StepReveal();
    Put(38, 130, 0, "2x+y=1 y=-2x+1 だから");
    StepReveal();
    ReadSlopeAndIntercept(38, 180, "-2, ", "1 ", false);
    StepReveal();
    R1B_rhs = 1;
    GraphOf(4, 2, 1, 0, "2x+y=1", -108, 10);
    StepReveal();
    Put(38, 230, 0, "x-y=-4 y=x+4 だから");
    StepReveal();
    ReadSlopeAndIntercept(38, 280, "1, ", "4 ", false);
    StepReveal();
    R1B_rhs = -4;
    GraphOf(4, 1, -1, 0, "x-y=-4", 0, 10);
    Put(38, 330, 3, "交点の座標は、");
    StepReveal();
    Next(5, "(-1,3)");
    PointAt(-1, 3, 6, 5, "(-1,3)", 30, 30);
    Put(38, 400, 0, "したがって、連立方程式の解は");
    StepReveal();
    Put(38, 450, 5, "x=-1,y=3");
}

// ---- Topic 4: a random intersection found by subtraction -------------------------------------

void Tern::RandomIntersectionExample() {
    B1 = 40;
    B2_row = 30;
    RandomProblems(&Tern::DrawIntersectionNumbers, &Tern::IntersectionBySubtraction, 1320, 1);
    StepReveal();
    Put(38, 600, 7, "教科書P81 問2　をやってみよう。");
}

void Tern::DrawIntersectionNumbers() {
    // Two different slopes through S, both intercepts on the plane.
    for (;;) {
        T(1) = RandomWhole(7, 0);
        RandomSign12(T(1));
        F(1) = RandomWhole(7);
        RandomSign12(F(1));
        T(2) = RandomWhole(4);
        RandomSign12(T(2));
        T(3) = RandomWhole(4);
        RandomSign12(T(3));
        if (T(2) == T(3)) continue;
        F(2) = F(1) - T(2) * T(1);
        F(3) = F(1) - T(3) * T(1);
        if (F(2) <= 10 && F(2) >= -10 && F(3) <= 10 && F(3) >= -10) return;
    }
}

void Tern::IntersectionTexts() {
    T(4) = T(2) - T(3);
    F(4) = F(2) - F(3);
    F(5) = -F(4);
    T(5) = T(2) * T(1);
    NumbersToText();
    for (int i = 2; i <= 4; ++i) {
        A1_s(10 + i) = CoefficientForm(T(i), A1_s(i));
        TITLE_s(10 + i) = F(i) == 0 ? "" : LaterTermForm(F(i), TITLE_s(i));
    }
    A1_s(11) = SubstitutedForm(T(1), A1_s(1));
}

Tern::IntersectionColumns Tern::IntersectionColumnTexts() {
    A1_s(12) = CoefficientColumn(A1_s(12));
    A1_s(13) = CoefficientColumn(A1_s(13));
    TITLE_s(22) = ConstantColumn(TITLE_s(12));
    TITLE_s(13) = ConstantColumn(TITLE_s(13));
    // The signs line 2's terms take when it is subtracted.
    TITLE_s(33) = T(3) > 0 ? "-" : "+";
    TITLE_s(34) = F(3) > 0 ? "-" : F(3) < 0 ? "+" : "";
    A1_s(14) = CoefficientColumn(A1_s(14));
    TITLE_s(14) = ConstantColumn(TITLE_s(14));
    return {
        "y=" + A1_s(12) + "x" + TITLE_s(22),
        "y=" + A1_s(13) + "x" + TITLE_s(13),
        "+-  " + TITLE_s(33) + "   " + TITLE_s(34),
        "0=" + A1_s(14) + "x" + TITLE_s(14),
    };
}

void Tern::IntersectionBySubtraction() {
    IntersectionTexts();
    const std::string first = "y=" + A1_s(12) + "x" + TITLE_s(12) + "…①";
    const std::string second = "y=" + A1_s(13) + "x" + TITLE_s(13) + "…②";
    const std::string firstConstant = TITLE_s(12);
    EraseBox(0, B2(1), 1600, B2(1) + 1800);
    B1 = LT2(1);
    B2_row = B2(1);
    PlaneAt(646, 100, -10, 10, -10, 10, 25, 0);
    GraphOf(3, T(2), F(2), 3, "①");
    GraphOf(3, T(3), F(3), 7, "②", 0, -50);

    Put(B1, B2_row, 7, "例　");
    Next(0, "次の2直線の交点の座標を求めなさい。");
    NewRow(50, 3, first);
    Next(0, ",");
    Next(3, second);
    NewRow(50, 3, "<解答>");
    StepReveal();
    NewRow(50, 7, "①-②");
    StepReveal();
    const IntersectionColumns columns = IntersectionColumnTexts();
    ColumnsAt(B1, B2_row + 50, columns.upper, columns.lower, "-");
    Label(B1, B2_row - 25, 3, columns.signs);
    StepReveal();
    Put(GX5, B2_row + 50, 0, columns.result);
    StepReveal();
    // With a coefficient 1 this row already reads "  x=" and the value.
    const bool solved = T(4) == 1;
    NewRow(50, solved ? 3 : 0, A1_s(14) + "x=" + TITLE_s(5));
    StepReveal();
    if (!solved) Next(3, "  x=" + A1_s(1), 30);
    StepReveal();
    NewRow(50, 3, "x=" + A1_s(1) + " を①に代入して");
    StepReveal();
    NewRow(50, 0, "y=" + A1_s(2) + "*" + A1_s(11) + firstConstant);
    StepReveal();
    Put(B1 + 27, B2_row + 50, 0, "=" + A1_s(5) + firstConstant);
    StepReveal();
    Next(3, "=" + TITLE_s(1));
    StepReveal();
    Next(5, "答 (" + A1_s(1) + "," + TITLE_s(1) + ")", 60);
}

// ---- Topics 5 and 6: questions 2 and 3 ---------------------------------------------------------

void Tern::IntersectionFromFigureAnswer() {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 3, "問2 解答");
    PlaneAt(874, 100, -4, 5, -4, 6, 40, 14);
    GraphOf(3, -3, 3, 0, "①", -162, -400);
    GraphOf(3, 2, -1, 0, "②", 0, 10);
    NewRow(50, 0, "①の直線の式は");
    NewRow(50, 0, "切片");
    StepReveal();
    Next(3, "3 ");
    Next(0, "傾き");
    StepReveal();
    Next(3, "-3, ");
    StepReveal();
    Next(0, "で、y=-3x+3");
    NewRow(50, 0, "②の直線の式は");
    StepReveal();
    NewRow(50, 0, "切片");
    StepReveal();
    Next(3, "-1, ");
    Next(0, "傾き");
    StepReveal();
    Next(3, "2 ");
    StepReveal();
    Next(0, "で、y=2x-1");
    StepReveal();
    t0014(1) = B2_row + 50;
    BracedSystem(B1, t0014(1), "y=-3x+3…①", "y= 2x-1…②");
    StepReveal();
    NewRow(50, 3, "①-②");
    StepReveal();
    ColumnsAt(B1, B2_row + 50, "y=-3x+3", "y= 2x-1", "-");
    Label(B1, B2_row - 25, 3, "+-  -  +");
    Put(GX5, B2_row + 50, 0, "0=-5x+4");
    NewRow(60, 0, "5x=4");
    Next(3, " x=ﾀ4/5ﾀ", 20);
    StepReveal();
    B1 = 418;
    Put(B1, t0014(1) + 20, 3, "x=ﾀ4/5ﾀ を②に代入して");
    StepReveal();
    NewRow(70, 0, "y=2*ﾀ4/5ﾀ-1=ﾀ8/5ﾀ-ﾀ5/5ﾀ=");
    Next(3, "ﾀ3/5ﾀ");
    NewRow(70, 5, "答 (ﾀ4/5ﾀ,ﾀ3/5ﾀ)");
    StepReveal();
    Put(456, 570, 7, "教科書P81 問3　をやってみよう。");
}

void Tern::AxisIntersectionAnswer() {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 3, "問3 解答");
    PlaneAt(608, 100, -3, 5, -5, 4, 40, 0, -1);
    GraphOf(3, 2, -3, 0, "y=2x-3", -135, -50);
    PointAt(1.5f, 0, 6, 5, "A", -20, -10);
    PointAt(0, -3, 1, 0, "-3", 30, 30);
    NewRow(50, 3, "点Aは、次の2つの直線の交点だから");
    StepReveal();
    BracedSystem(B1, B2_row + 50, "y=2x-3…①", "y=0…②");
    StepReveal();
    NewRow(50, 0, "②を①に代入して");
    NewRow(50, 0, "0=2x-3");
    NewRow(50, 0, "2x=3");
    NewRow(70, 3, "x=ﾀ3/2ﾀ");
    NewRow(70, 5, "答 (ﾀ3/2ﾀ,0)");
    StepReveal();
    Put(456, 570, 7, "教科書P81 問4　をやってみよう。");
}

// ---- Topic 7: question 4, parallel lines ------------------------------------------------------

void Tern::ParallelNoSolution() {
    TopicScreen(1600, 1800, 94);
    PenWidth(5);
    Put(40, 30, 3, "問4 連立方程式");
    BracedSystem(YI1, 30, "x-2y=4…①", "-3x+6y=6…②");
    Put(B1, 130, 3, "の解が見つからない理由を考えよう。");
    StepReveal();
    PlaneAt(760, 30, -5, 5, -5, 5, 40, 14);
    R1B_rhs = 4;
    GraphOf(4, 1, -2, 0, "x-2y=4", -108, -60);
    StepReveal();
    Put(40, 180, 7, "(1)方程式②のグラフをかこう。");
    StepReveal();
    Put(B1, 250, 0, "6y=3x+6  ");
    StepReveal();
    Next(0, "y=ﾀ1/2ﾀx+1 だから");
    ReadSlopeAndIntercept(B1, 320, "ﾀ1/2ﾀ, ", "1 ", true);
    StepReveal();
    R1B_rhs = 6;
    GraphOf(4, -3, 6, 3, "-3x+6y=6", -378, 10);
    StepReveal();
    Put(40, 380, 7, "(2)グラフから見つからない理由を説明しよう。");
    StepReveal();
    Put(B1, 440, 3, "2つのグラフは平行で交わらないから、");
    NewRow(50, 3, "この連立方程式の解は見つからない。");
    StepReveal();
    Put(456, 570, 7, "教科書P82 基本の問題　をやってみよう。");
}

}  // namespace lesson
