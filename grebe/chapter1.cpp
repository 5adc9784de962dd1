// Chapter 1: reading the equation y=ax+b of a line off its graph: a worked
// example, practice with whole and with fractional slopes, textbook answers.
#include <cmath>
#include <string>

#include "grebe/grebe_program.h"

namespace lesson {

const Chapter<Grebe> Grebe::kEquationFromGraph{
    .goal = {"グラフから直線の式を求めよう。"},
    .choices = "①P71Q　②練習１　③練習２　④問１　⑤終了",
    .topics = {
        &Grebe::EquationFromGraphExample,
        &Grebe::IntegerGraphPractice,
        &Grebe::FractionGraphPractice,
        &Grebe::EquationFromGraphAnswers,
    },
};

// ---- Helpers of the random examples and the planes ------------------------------

void Grebe::RestartExampleScreen() {
    EraseBox(0, B2(1), 1600, B2(1) + 1800);
    B1 = LT2(1);
    B2_row = B2(1);
}

void Grebe::ArrowBetweenPoints(int from, int to) { ArrowTo(GY5(from), t0014(from), GY5(to), t0014(to), 3, 16, 2); }

void Grebe::LineWithSlopeArrows(const ArrowedLine& line, int first) {
    GraphOf(3, line.a, line.b, 0, line.label, line.labelDx, line.labelDy);
    for (int p = 0; p < 3; ++p) StorePlanePoint(first + p, line.points[p][0], line.points[p][1]);
    Rt().circle(GY5(first), t0014(first), 8, 3, 0, 0, true, -1);
    ArrowBetweenPoints(first, first + 1);
    ArrowBetweenPoints(first + 1, first + 2);
}

// ---- Worked example --------------------------------------------------------------

void Grebe::EquationFromGraphExample() {
    TopicScreen(1320, 1300, 76);
    PenWidth(5);
    Put(40, 30, 3, "図の直線は、1次関数 y=ax+b のグラフです。");
    Put(40, 80, 3, "式を求めなさい。");
    PlaneAt(722, 100, -5, 5, -3, 7, 40, 14);
    GraphOf(3, 0.5f, 3, 0, "");
    // A = (0,3) where the line meets the y axis, B = (2,3), C = (2,4).
    StorePlanePoint(1, 0, 3);
    StorePlanePoint(2, 2, 3);
    StorePlanePoint(3, 2, 4);

    StepReveal();
    Put(38, 130, 0, "① bは切片だから、");
    Label(GY5(1) - 135, t0014(1) - 50, 3, "(0,3)");
    StepReveal();
    Next(3, "b=3");
    StepReveal();
    Put(38, 200, 0, "② aは傾きで、");
    StepReveal();
    Put(76, 250, 0, "右へ2進むと、");
    ArrowBetweenPoints(1, 2);
    Label(GY5(1) + 27, t0014(1), 3, "2");
    StepReveal();
    Next(0, "上へ1進むから、");
    ArrowBetweenPoints(2, 3);
    Label(GY5(2) + 6, t0014(3), 3, "1");
    StepReveal();
    Put(76, 320, 3, "a=ﾀ1/2ﾀ");
    StepReveal();
    Next(5, "答 y=ﾀ1/2ﾀx+3", 80);
    StepReveal();
    Put(38, 400, 3, "傾きと切片をよみとれば、a,bがわかる。");
    StepReveal();
    Put(40, 480, 0, "図のグラフを");
    Next(5, "直線 y=ﾀ1/2ﾀx+3", 20);
    Next(0, "といい、", 20);
    StepReveal();
    Put(40, 550, 5, "y=ﾀ1/2ﾀx+3");
    Next(0, "をこの", 20);
    Next(5, "直線の式");
    Next(0, "という。");
}

// ---- Practice ----------------------------------------------------------------------

Grebe::GraphLine Grebe::DrawIntegerGraphLine() {
    GraphLine line;
    do {
        line.n = RandomWhole(3);
        RandomSign12(line.n);
        line.b = RandomWhole(3);
        RandomSign12(line.b);
    } while (RepeatsKept(line.b, ZENKAI));
    return line;
}

Grebe::GraphLine Grebe::DrawFractionGraphLine() {
    GraphLine line;
    do {
        line.n = RandomWhole(5);
        line.d = RandomWhole(3, 2);
        // Numerators sharing a factor with d move up to the next one prime to it.
        if (line.d == 3) {
            if (line.n == 3) line.n = 2;
        } else if (line.n == 2 || line.n == 4) {
            line.n += 1;
        }
        RandomSign12(line.n);
        line.b = RandomWhole(3);
        RandomSign12(line.b);
    } while (std::fabs(line.n + line.b) > 6);
    return line;
}

void Grebe::IntegerGraphPractice() {
    ExampleLoop([this] { IntegerGraphExercise(DrawIntegerGraphLine()); });
}

void Grebe::FractionGraphPractice() {
    ExampleLoop([this] { FractionGraphExercise(DrawFractionGraphLine()); });
    StepReveal();
    NewRow(90, 0, "教科書P71 問1 をしなさい。");
}

void Grebe::IntegerGraphExercise(const GraphLine& line) {
    T(1) = line.n;
    T(2) = std::fabs(line.n);
    F(1) = line.b;
    F(2) = line.n + line.b;
    NumbersToText();
    ReadGraphExercise(line, {"練習1 図の直線の式を求めなさい。", "傾きは、ﾀ" + A1_s(1) + "/1ﾀ=" + A1_s(1),
                             CoefficientForm(line.n, A1_s(1)), 250, 330});
}

void Grebe::FractionGraphExercise(const GraphLine& line) {
    T(1) = line.n;
    T(2) = std::fabs(line.n);
    T(3) = line.d;
    F(1) = line.b;
    F(2) = line.n + line.b;
    NumbersToText();
    X = line.n;
    R1B = line.d;
    FormatFraction();
    SAIGO_s(1) = T_s;
    SAIGO_s(2) = U_s;
    ReadGraphExercise(line, {"練習2 図の直線の式を求めなさい。", "傾きは、" + SAIGO_s(2), SAIGO_s(1), 270, 360});
}

// The intercept from the dot on the y axis, the slope from d steps right and
// n steps up or down; T(2) holds |n| and F(2) the y at x = d.
void Grebe::ReadGraphExercise(const GraphLine& line, const GraphReading& reading) {
    TITLE_s(11) = LaterTermForm(line.b, TITLE_s(1));
    const std::string rise = line.n > 0 ? "上へ" : "下へ";
    const std::string run = NumberText(line.d);
    const std::string intercept = TITLE_s(1);

    RestartExampleScreen();
    Put(40, 30, 7, reading.heading);
    PlaneAt(722, 50, -5, 5, -7, 7, 40, 14);
    GraphOf(3, line.n / line.d, line.b, 0, "");

    StepReveal();
    Put(40, 100, 0, "点(0," + intercept + ")を通るから、");
    Next(3, "切片は" + intercept);
    PointAt(0, line.b, 8, 5, "(0," + intercept + ")", -162);
    ZY = HOUKOU;
    AA1 = N2;
    GY3 = ZY + NAKA * line.d;
    HIDARI = AA1 - NAKA * line.n;

    StepReveal();
    Put(40, 180, 0, "右へ" + run + "進むと、" + rise + NumberText(T(2)) + "進むから ");
    Put(40, reading.slopeRow, 3, reading.slope);
    PointAt(line.d, F(2), 8, 5);
    HENK3_s = "nn";
    DrawIncreaseArrows();

    StepReveal();
    Put(40, reading.answerRow, 5, "答　y=" + reading.coefficient + "x" + TITLE_s(11));
}

// ---- Textbook answers ---------------------------------------------------------------

void Grebe::EquationFromGraphAnswers() {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 3, "教科書P71 問1　解答");
    PlaneAt(380, 100, -5, 5, -5, 5, 40, 14);

    static constexpr ArrowedLine lines[] = {
        {1, -4, "(1)", -27, -44, {{0, -4}, {1, -4}, {1, -3}}},
        {-2, 1, "(2)", -54, 0, {{0, 1}, {1, 1}, {1, -1}}},
        {1.5f, 2, "(3)", -54, -44, {{0, 2}, {2, 2}, {2, 5}}},
    };
    for (int k = 0; k < 3; ++k) LineWithSlopeArrows(lines[k], 1 + 3 * k);

    static constexpr std::string_view answers[][2] = {
        {"(1)", "y=x-4"},
        {"(2)", "y=-2x+1"},
        {"(3)", "y=ﾀ3/2ﾀx+2"},
    };
    for (const auto& answer : answers) {
        NewRow(70, 0, answer[0]);
        Next(5, answer[1]);
    }
}

}  // namespace lesson
