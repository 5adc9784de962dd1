// Chapter 3: the equation of a line from two of its points, by its slope
// first (examples 3-1 and 3-2) or by simultaneous equations (example 3-3),
// with the chapter's summary and the textbook's question 4.
#include <array>
#include <string>
#include <string_view>

#include "grebe/grebe_program.h"
#include "runtime/text.h"

namespace lesson {

const Chapter<Grebe> Grebe::kEquationFromTwoPoints{
    .goal = {"2点を通る直線の式を求めよう。"},
    .choices = "①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了",
    .topics = {
        &Grebe::RandomTwoPointSlopeExample,
        &Grebe::RandomTwoPointEquationExample,
        &Grebe::RandomTwoPointsSystemExample,
        &Grebe::TwoPointsSummary,
        &Grebe::TwoPointsExerciseAnswers,
    },
};

namespace {

// How a random example draws its line y = ax + b and its points' x: each a
// whole number from floor(r*count + from); x1 negated when x1Sign is -1.
struct TwoPointDraw {
    Num slopes, slopeFrom;
    Num x1s, x1From, x1Sign;
    Num x2s, x2From;
    Num bound;  // both y within -bound..bound
};

// Draws until both points lie within the bound. The kept slope changes
// before the bounds are tested, so a rejected slope is the one the next
// attempt must avoid.
void DrawTwoPointLine(Grebe& g, const TwoPointDraw& d) {
    for (;;) {
        g.T(1) = g.RandomWhole(d.slopes, d.slopeFrom);
        g.RandomSign12(g.T(1));
        if (Lesson::RepeatsKept(g.T(1), g.ZENKAI)) continue;
        g.F(1) = g.RandomWhole(3);
        g.RandomSign12(g.F(1));
        g.T(2) = d.x1Sign * g.RandomWhole(d.x1s, d.x1From);
        g.T(3) = g.RandomWhole(d.x2s, d.x2From);
        g.F(2) = g.T(1) * g.T(2) + g.F(1);
        if (g.F(2) > d.bound || g.F(2) < -d.bound) continue;
        g.F(3) = g.T(1) * g.T(3) + g.F(1);
        if (g.F(3) > d.bound || g.F(3) < -d.bound) continue;
        return;
    }
}

// Blanks in front up to width characters, so that columns line up.
std::string RightAligned(const std::string& text, int width) {
    const int n = rt::klen(text);
    return n >= width ? text : std::string(static_cast<std::size_t>(width - n), ' ') + text;
}

// -y1 added to y2: a zero term keeps its "+", or y2 and "0" would read as one
// number ("50" for 5 + 0).
std::string AddedTerm(Num value, const std::string& text) {
    return value == 0 ? "+" + text : Lesson::LaterTermForm(value, text);
}

}  // namespace

// ---- Examples 3-1 and 3-2: a line through two lattice points ------------------------

void Grebe::PickTwoPointProblem() {
    DrawTwoPointLine(*this, {5, 1, 3, 2, -1, 5, 2, 10});
    T(4) = T(3) - T(2);
    F(4) = F(3) - F(2);
}

void Grebe::TwoPointExampleFrame(void (Grebe::*pick)(), void (Grebe::*texts)(), void (Grebe::*screen)()) {
    ExampleLoop([&] {
        (this->*pick)();
        (this->*texts)();
        RestartExampleScreen();
        (this->*screen)();
    });
}

void Grebe::RandomTwoPointSlopeExample() {
    TwoPointExampleFrame(&Grebe::PickTwoPointProblem, &Grebe::TwoPointSlopeTexts, &Grebe::TwoPointSlopeScreen);
}

void Grebe::RandomTwoPointEquationExample() {
    TwoPointExampleFrame(&Grebe::PickTwoPointProblem, &Grebe::TwoPointEquationTexts,
                         &Grebe::TwoPointEquationScreen);
}

void Grebe::TwoPointProblemFigure(std::string_view heading, std::string_view question) {
    const std::string point1 = "(" + A1_s(2) + "," + TITLE_s(2) + ")";
    const std::string point2 = "(" + A1_s(3) + "," + TITLE_s(3) + ")";
    Put(40, 30, 7, heading);
    Next(0, "yがxの1次関数で、そのグラフが2点");
    Next(3, point1);
    Next(0, ",");
    Next(5, point2);
    NewRow(50, 0, question);

    PlaneAt(800, 200, -10, 10, -10, 10, 20, 0);
    GraphOf(3, T(1), F(1), 0, "");
    // Point 1's label starts at the point, on the side away from the line.
    PointAt(T(2), F(2), 8, 3, point1, 20, T(1) < 0 ? -20 : 50);
    ZY = HOUKOU;
    AA1 = N2;
    // Point 2's label ends 20 left of the point, above it.
    A_s = point2;
    MeasureMathText();
    PointAt(T(3), F(3), 8, 5, point2, -BAI, -10);
    GY3 = HOUKOU;
    HIDARI = N2;

    NewRow(50, 3, "<解答>");
}

void Grebe::SlopeTriangle(std::string_view flags) {
    HENK3_s = flags;
    DrawIncreaseArrows();
}

// ---- Example 3-1: the slope ------------------------------------------------------------

void Grebe::TwoPointSlopeTexts() {
    F(22) = -F(2);
    T(22) = -T(2);
    NumbersToText();
    TITLE_s(12) = SubstitutedForm(F(2), TITLE_s(2));
    A1_s(12) = SubstitutedForm(T(2), A1_s(2));
    TITLE_s(22) = AddedTerm(F(22), TITLE_s(22));
    A1_s(22) = LaterTermForm(T(22), A1_s(22));
}

void Grebe::TwoPointSlopeScreen() {
    TwoPointProblemFigure("例3-1　", "を通るとき、この1次関数の傾きを求めなさい。");
    StepReveal();
    SlopeTriangle("nn");
    StepReveal();
    NewRow(60, 0,
           "(" + A1_s(2) + "," + TITLE_s(2) + ")と(" + A1_s(3) + "," + TITLE_s(3) + ")を通るから、傾きは");
    NewRow(70, 3, "a=ﾀ" + TITLE_s(3) + "-" + TITLE_s(12) + "/" + A1_s(3) + "-" + A1_s(12) + "ﾀ");
    StepReveal();
    Next(0, "=ﾀ" + TITLE_s(3) + TITLE_s(22) + "/" + A1_s(3) + A1_s(22) + "ﾀ");
    StepReveal();
    SlopeTriangle("yy");
    Next(0, "=ﾀ" + TITLE_s(4) + "/" + A1_s(4) + "ﾀ");
    Next(5, "=" + A1_s(1));
}

// ---- Example 3-2: the equation -----------------------------------------------------------

void Grebe::TwoPointEquationTexts() {
    F(32) = -F(2);
    T(32) = -T(2);
    T(6) = T(1) * T(3);
    T(7) = -T(6);
    NumbersToText();
    A1_s(7) = LaterTermForm(T(7), A1_s(7));
    TITLE_s(11) = LaterTermForm(F(1), TITLE_s(1));
    A1_s(11) = CoefficientForm(T(1), A1_s(1));
    TITLE_s(12) = SubstitutedForm(F(2), TITLE_s(2));
    A1_s(12) = SubstitutedForm(T(2), A1_s(2));
    TITLE_s(32) = AddedTerm(F(32), TITLE_s(32));
    A1_s(32) = LaterTermForm(T(32), A1_s(32));
}

void Grebe::TwoPointEquationScreen() {
    TwoPointProblemFigure("例3-2　", "を通るとき、この1次関数を求めなさい。");
    StepReveal();
    SlopeTriangle("nn");
    NewRow(60, 0,
           "(" + A1_s(2) + "," + TITLE_s(2) + ")と(" + A1_s(3) + "," + TITLE_s(3) + ")を通るから、傾きは");
    NewRow(70, 3, "a=ﾀ" + TITLE_s(3) + "-" + TITLE_s(12) + "/" + A1_s(3) + "-" + A1_s(12) + "ﾀ");
    StepReveal();
    Next(0, "=ﾀ" + TITLE_s(3) + TITLE_s(32) + "/" + A1_s(3) + A1_s(32) + "ﾀ");
    SlopeTriangle("yy");
    Next(0, "=ﾀ" + TITLE_s(4) + "/" + A1_s(4) + "ﾀ");
    Next(5, "=" + A1_s(1));
    StepReveal();
    NewRow(70, 0, "求める1次関数の式を");
    Next(3, "y=" + A1_s(11) + "x+b ");
    Next(0, "とし、");
    StepReveal();
    NewRow(50, 3, "x=" + A1_s(3) + ",y=" + TITLE_s(3) + "を代入する");
    Next(0, "と");
    StepReveal();
    NewRow(50, 0, TITLE_s(3) + "=" + A1_s(1) + "*" + A1_s(3) + "+b");
    StepReveal();
    Next(0, "=" + A1_s(6) + "+b");
    StepReveal();
    NewRow(50, 0, "b=" + TITLE_s(3) + A1_s(7) + "=" + TITLE_s(1));
    NewRow(50, 0, "求める式は ");
    StepReveal();
    Next(5, "y=" + A1_s(11) + "x" + TITLE_s(11));
}

// ---- Example 3-3: by simultaneous equations ------------------------------------------

void Grebe::RandomTwoPointsSystemExample() {
    TwoPointExampleFrame(&Grebe::PickTwoPointsSystemProblem, &Grebe::TwoPointsSystemTexts,
                         &Grebe::TwoPointsSystemScreen);
}

void Grebe::PickTwoPointsSystemProblem() { DrawTwoPointLine(*this, {4, 2, 2, 1, 1, 3, 4, 9}); }

void Grebe::TwoPointsSystemTexts() {
    T(4) = T(2) - T(3);
    F(4) = F(2) - F(3);
    T(5) = T(1) * T(2);
    T(6) = -T(5);
    NumbersToText();
    A1_s(12) = T(2) == 1 ? "" : A1_s(2);
    TITLE_s(11) = LaterTermForm(F(1), TITLE_s(1));
    A1_s(6) = LaterTermForm(T(6), A1_s(6));
}

void Grebe::TwoPointsSystemScreen() {
    TwoPointsSystemEquations();
    TwoPointsSystemSolution();
}

void Grebe::TwoPointsSystemEquations() {
    const std::string point1 = "(" + A1_s(2) + "," + TITLE_s(2) + ")";
    const std::string point2 = "(" + A1_s(3) + "," + TITLE_s(3) + ")";
    Put(B1, B2_row, 7, "例3-3　");
    Next(0, "yがxの1次関数で、そのグラフが2点");
    Next(3, point1);
    Next(0, ",");
    Next(3, point2);
    NewRow(50, 0, "を通るとき、この1次関数を求めなさい。");
    NewRow(50, 3, "<解答>");
    StepReveal();
    NewRow(70, 0, "求める1次関数の式を");
    Next(3, "y=ax+b");
    Next(0, "とすると、");
    NewRow(60, 0, point1 + "と" + point2 + "を通るから、");
    NewRow(50, 3, "x=" + A1_s(2) + ",y=" + TITLE_s(2) + "とx=" + A1_s(3) + ",y=" + TITLE_s(3) + "を代入して、");
    StepReveal();
    BracedSystem(B1, B2_row + 50, TITLE_s(2) + "=" + A1_s(12) + "a+b …①",
                 TITLE_s(3) + "=" + A1_s(3) + "a+b …②");
    B1 = YI1 + 40;
    B2_row -= 100;
    StepReveal();
    NewRow(50, 7, "①-②");
    StepReveal();
    // Two characters a field, so that the columns' characters stand one
    // above the other.
    TITLE_s(12) = RightAligned(TITLE_s(2), 2);
    TITLE_s(13) = RightAligned(TITLE_s(3), 2);
    A1_s(3) = RightAligned(A1_s(3), 2);
}

void Grebe::TwoPointsSystemSolution() {
    A1_s(12) = RightAligned(A1_s(12), 2);
    ColumnsAt(B1, B2_row + 50, TITLE_s(12) + "=" + A1_s(12) + "a+b", TITLE_s(13) + "=" + A1_s(3) + "a+b", "-");
    // The signs the terms of the lower equation take when it is subtracted.
    TITLE_s(33) = F(3) > 0 ? "-" : "+";
    TITLE_s(34) = T(3) > 0 ? "-" : "+";
    Label(B1, B2_row - 25, 3, "+ " + TITLE_s(33) + "  " + TITLE_s(34) + "  -");
    StepReveal();
    // Three characters, one left of the equations: its "=" stands under theirs.
    TITLE_s(4) = RightAligned(TITLE_s(4), 3);
    Put(GX5 - 27, B2_row + 50, 0, TITLE_s(4) + "=" + A1_s(4) + "a");
    StepReveal();
    X = F(4);
    R1B = T(4);
    FormatFraction();
    SAIGO_s(2) = U_s;
    NewRow(70, 3, "  a=" + SAIGO_s(2));
    B1 = 760;
    B2_row = 150;
    StepReveal();
    NewRow(50, 3, "a=" + A1_s(1) + " を①に代入して");
    StepReveal();
    A1_s(31) = SubstitutedForm(T(1), A1_s(1));
    NewRow(60, 0, TITLE_s(2) + "=" + A1_s(2) + "*" + A1_s(31) + "+b");
    StepReveal();
    NewRow(60, 0, TITLE_s(2) + "=" + A1_s(5) + "+b");
    StepReveal();
    NewRow(60, 3, "b");
    if (F(2) != 0) Next(0, "=" + TITLE_s(2) + A1_s(6));
    Next(3, "=" + TITLE_s(1));
    StepReveal();
    NewRow(60, 5, "答 y=" + A1_s(1) + "x" + TITLE_s(11));
}

// ---- Summary and question 4 -----------------------------------------------------------------

void Grebe::TwoPointsSummary() {
    TopicScreen(1320, 1300, 114);
    NewRow(50, 3, "<まとめ>");
    // The frame's width stays in force after the topic.
    PenWidth(9);
    Rt().line(B1 - 38, B2_row + 60, B1 - 38 + 798, B2_row + 60 + 150, 9, 1);
    static constexpr std::string_view methods[] = {"傾きを求め、y=△x+b", "y=ax+bに代入,連立方程式"};
    for (std::string_view method : methods) {
        NewRow(75, 5, "2点を通る");
        Next(0, "　→　");
        Next(5, method);
        StepReveal();
    }
    Put(76, B2_row + 80, 0, "教科書P73 問4 をしなさい。");
}

struct Grebe::ExerciseAnswer {
    struct Row {
        Num step;  // below the row before; 0: on its row
        Num colour;
        std::string_view text;
    };
    std::string_view heading, slopeChain, slope, equation, substituted, working[2], answer;
    // The alternative: both points into y=ax+b, the system and its columns.
    std::string_view bothPoints, first, second, operation, upper, lower, op, signs, result, found;
    std::array<Row, 5> rest;
};

void Grebe::TwoPointsExerciseAnswers() {
    static constexpr ExerciseAnswer parts[] = {
        {"問4(1)　解答",
         "ﾀ-1-5/3-(-3)ﾀ=ﾀ-6/3+3ﾀ=ﾀ-6/6ﾀ=",
         "-1",
         "求める式をy=-x+b",
         "x=3,y=-1を代入して",
         {"-1=-3+b", "b=-1+3=2"},
         "答 y=-x+2",
         "x=-3,y=5とx=3,y=-1を代入して",
         "5=-3a+b…①",
         "-1=3a+b…②",
         "①+②",
         " 5=-3a+b",
         "-1= 3a+b",
         "+",
         "",
         " 4=   2b",
         " b=2",
         {{{50, 3, "b=2 を①に代入して"},
           {50, 0, "5=-3a+2"},
           {50, 0, "-3a=5-2=3"},
           {50, 3, "  a=-1"},
           {50, 5, "答 y=-x+2"}}}},
        {"問4(2)　解答",
         "ﾀ-9-(-3)/4-2ﾀ=ﾀ-9+3/2ﾀ=ﾀ-6/2ﾀ=",
         "-3",
         "求める式をy=-3x+b",
         "x=2,y=-3を代入して",
         {"-3=-3*2+b=-6+b", "b=-3+6=3"},
         "答 y=-3x+3",
         "x=2,y=-3とx=4,y=-9を代入して",
         "-3=2a+b…①",
         "-9=4a+b…②",
         "①-②",
         "-3=2a+b",
         "-9=4a+b",
         "-",
         // The third mark stands over the "=".
         "+ + -  -",
         " 6=-2a",
         "a=-3",
         {{{50, 3, "a=-3 を①に代入して"},
           {50, 0, "-3=2*(-3)+b=-6+b"},
           {50, 0, "b=-3+6="},
           {0, 3, "3"},
           {50, 5, "答 y=-3x+3"}}}},
    };
    ExerciseAnswerScreen(parts[0]);
    StepReveal();
    ExerciseAnswerScreen(parts[1]);
}

void Grebe::ExerciseAnswerScreen(const ExerciseAnswer& part) {
    TopicScreen(1320, 1300, 38);
    Put(B1, B2_row, 0, part.heading);
    NewRow(70, 0, "傾きは");
    Next(0, part.slopeChain);
    Next(3, part.slope);
    NewRow(60, 3, part.equation);
    Next(0, "とする。");
    NewRow(50, 0, part.substituted);
    for (std::string_view line : part.working) NewRow(50, 0, line);
    NewRow(50, 5, part.answer);
    StepReveal();

    NewRow(60, 3, "(別解)");
    Next(3, "求める式をy=ax+b");
    Next(0, "とする。");
    NewRow(50, 0, part.bothPoints);
    BracedSystem(B1, B2_row + 50, part.first, part.second);
    B1 = 760;
    B2_row = 30;
    Put(B1, B2_row, 3, part.operation);
    ColumnsAt(B1, B2_row + 50, part.upper, part.lower, part.op);
    if (!part.signs.empty()) Label(B1, B2_row - 25, 3, part.signs);
    Put(GX5, B2_row + 50, 0, part.result);
    Put(GX5, B2_row + 50, 3, part.found);
    for (const auto& row : part.rest) {
        if (row.step == 0)
            Next(row.colour, row.text);
        else
            NewRow(row.step, row.colour, row.text);
    }
}

}  // namespace lesson
