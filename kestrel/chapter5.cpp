// Chapter 5: the slope of a line and how to draw a line from its intercept
// and slope, with random drills and drawing practice.
#include <string>
#include <string_view>

#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kSlopeDrawing{
    .goal = {"①　1次関数のグラフの傾きぐあいを調べよう。", "②　1次関数のグラフをかこう。"},
    .choices = "①傾き　②説明　③問4　④y=-2x+3のグラフ　⑤問５　⑥整数練習　⑦分数練習　⑧問６　⑨終了",
    .topics = {
        &Kestrel::SlopeOnGraphTopic,
        &Kestrel::SlopeInterceptTopic,
        &Kestrel::SlopeInterceptAnswers,
        &Kestrel::GraphFromSlopeExample,
        &Kestrel::GraphFromSlopeProblem5,
        &Kestrel::IntegerSlopePractice,
        &Kestrel::FractionSlopePractice,
        &Kestrel::GraphDrawingAnswers,
    },
};

// ---- Figure helpers ---------------------------------------------------------------

// The slope triangle's corners in pixels: (ZY, AA1) where the run starts,
// (GY3, HIDARI) where the rise ends; the right angle is at (GY3, AA1).
void Kestrel::SlopeCorners(Num x1, Num y1, Num x2, Num y2) {
    ZY = x1;
    AA1 = y1;
    GY3 = x2;
    HIDARI = y2;
}

// A slope arrow in colour 5, its head at (headX, headY).
void Kestrel::SlopeArrow(Num tailX, Num tailY, Num headX, Num headY) { ArrowTo(tailX, tailY, headX, headY, 5); }

void Kestrel::RunNumber(std::string_view text, Num dy) { Label((ZY + GY3) / 2 - 14, AA1 + dy, 5, text); }

void Kestrel::RiseNumber(std::string_view text) { Label(GY3, (AA1 + HIDARI) / 2 - 16, 5, text); }

// Unit slope triangles between the six points held in GY5() and t0014();
// flags "yn" write their runs, "ny" their rises.
void Kestrel::SlopeStaircase(std::string_view flags) {
    for (int i = 1; i <= 5; ++i) {
        ZY = GY5(i);
        AA1 = t0014(i);
        GY3 = GY5(i + 1);
        HIDARI = t0014(i + 1);
        HENK3_s = flags;
        DrawIncreaseArrows();
    }
}

// ---- Topic 1: slope on the graph ----------------------------------------------------

namespace {

struct SlopeScreen {
    std::string_view question, secondLine;
    Num secondIndent;
    Num xFrom, xTo, yFrom, yTo;
    Num a, b;
    std::string_view graphLabel;
    Num labelDx, labelDy;
    Num firstX;  // x of the first of the six staircase points
    std::string_view unitSteps, increaseQuestion;
    int lastPoint;  // the large triangle runs from point 1 to this one
    std::string_view runText;
    Num runDy;
    std::string_view product, increase, riseText, moveQuestion, move;
};

constexpr SlopeScreen kSlopeScreens[] = {
    {"問　1次関数y=2x+3では、x軸方向を", "右へ1ずつ進むとy軸方向はどうなりますか。", 0, -4, 5, -2, 10, 2, 3,
     "y=2x+3", -108, -50, -2, " 右へ１ずつ進むと　上へ2ずつ進む", "① xの値が3だけ増加すると、", 4, "3", 0,
     "2*3=", "6 (だけ増加する。)", "6", "② 右へ3だけ進むとy軸方向はどうなる？", " 上へ6だけ進む"},
    {"問　1次関数y=-2x+5では、x軸方向を", "右へ1ずつ進むとy軸方向はどうなりますか。", 38, -2, 6, -5, 6, -2, 5,
     "y=-2x+5", -135, 0, 0, " 右へ１ずつ進むと　下へ2ずつ進む", "① xの値が4だけ増加すると、", 5, "4", -44,
     "-2*4=", "-8 (だけ増加する。)", "-8", "② 右へ4だけ進むとy軸方向はどうなる？", " 下へ8だけ進む"},
};

}  // namespace

void Kestrel::SlopeOnGraphTopic() {
    const Num heading = 40;
    bool first = true;
    for (const SlopeScreen& s : kSlopeScreens) {
        if (!first) StepReveal();
        first = false;
        TopicScreen(1320, 1300, 76);
        PenWidth(5);
        Put(heading, 30, 7, "変化の割合は、グラフではどのようなことを表している？");
        Put(heading, B2_row + 50, 0, s.question);
        NewRow(50, 0, s.secondLine, s.secondIndent);
        PlaneAt(798, 100, s.xFrom, s.xTo, s.yFrom, s.yTo, 40, 14);
        GraphOf(3, s.a, s.b, 0, s.graphLabel, s.labelDx, s.labelDy);
        for (int i = 1; i <= 6; ++i) {
            const Num x = s.firstX + static_cast<Num>(i - 1);
            StorePlanePoint(i, x, s.a * x + s.b);
        }
        SlopeStaircase("yn");

        StepReveal();
        NewRow(70, 3, s.unitSteps);
        SlopeStaircase("ny");
        StepReveal();
        Put(heading, B2_row + 70, 7, s.increaseQuestion);
        NewRow(50, 7, "yの値はどれだけ増加する？");
        StepReveal();
        // Drawn at the pen width the staircase left.
        SlopeCorners(GY5(1), t0014(1), GY5(s.lastPoint), t0014(s.lastPoint));
        SlopeArrow(ZY, AA1, GY3, AA1);
        SlopeArrow(GY3, AA1, GY3, HIDARI);
        RunNumber(s.runText, s.runDy);
        StepReveal();
        NewRow(50, 0, s.product);
        Next(3, s.increase);
        RiseNumber(s.riseText);
        StepReveal();
        Put(heading, B2_row + 70, 7, s.moveQuestion);
        StepReveal();
        NewRow(50, 3, s.move);
    }

    StepReveal();
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 0, "問　直線y=ax+bは、");
    NewRow(50, 0, "aの値が変わるとどうなりますか。", 38);
    PlaneAt(798, 100, -3, 5, -2, 11, 40, 14);
    GraphOf(3, 1, 2, 0, "y=x+2", -54, 75);
    GraphOf(3, 2, 2, 3, "y=2x+2", -54, 120);
    GraphOf(3, 3, 2, 7, "y=3x+2");
    StepReveal();
    NewRow(50, 3, "y=ax+b のaの値が大きいほど、");
    NewRow(50, 3, "直線の傾きぐあいが急になる。");
    StepReveal();
    NewRow(50, 0, "aの値を、直線の");
    Next(5, "傾き");
    Next(0, "という。");
    StepReveal();
    NewRow(90, 5, "変化の割合=ﾀyの増加量/xの増加量ﾀ=a=傾き");
    StepReveal();
    NewRow(90, 3, "傾きaは、xが1増加したときのyの増加量");
}

// ---- Topic 2: slope and intercept, with a drill ---------------------------------------

void Kestrel::SlopeInterceptTopic() {
    FramedScreen(area::text, 570, 175, "<1次関数のグラフ>");
    NewRow(50, 0, "1次関数 y=ax+bのグラフは、");
    NewRow(50, 5, "傾きがa,切片がbの直線");
    Next(0, "である。");

    // A rising and a falling line, each with its intercept and a slope
    // triangle from x = 0.5 to 2.5; the run's "1" under or over its arrow.
    struct SideLine {
        Num left, a, b;
        std::string_view label, sign;
        Num runDy;
    };
    static constexpr SideLine sides[] = {{114, 1.5f, 1, "", "a>0のとき", 0}, {494, -1.5f, 5, "y=ax+b", "a<0のとき", -50}};
    PenWidth(5);
    for (const SideLine& s : sides) {
        if (&s != &sides[0]) {
            StepReveal();
            Label(B1, GX3, 7, "右上がりの直線");
        }
        PlaneAt(s.left, B2_row + 150, -2, 4, -2, 6, 40, 0);
        GraphOf(3, s.a, s.b, 3, s.label, -135, 0);
        Label(TATE - 135, ZX - 50, 3, s.sign);
        if (s.label.empty()) Label(TATE, t0001, 3, "y=ax+b");
        PointAt(0, s.b, 8, 5);
        Label(TATE - 135, t0001 - (s.b + 0.5f) * NAKA, 5, "(0,b)");
        SlopeCorners(TATE + 0.5f * NAKA, t0001 - (0.5f * s.a + s.b) * NAKA, TATE + 2.5f * NAKA,
                     t0001 - (2.5f * s.a + s.b) * NAKA);
        SlopeArrow(ZY, AA1, GY3, AA1);
        SlopeArrow(GY3, AA1, GY3, HIDARI);
        RunNumber("1", s.runDy);
        RiseNumber("a");
    }
    StepReveal();
    Label(HI, GX3, 7, "右下がりの直線");
    StepReveal();

    PenWidth(5);
    SlopeInterceptDrill();
    StepReveal();
    Put(720, B2_row + 90, 7, "教科書P68 問4 をしなさい。");
}

void Kestrel::SlopeInterceptDrill() {
    RandomExerciseLoop([&] {
        DrawSlopeInterceptNumbers();
        SlopeInterceptProblem();
    });
}

void Kestrel::DrawSlopeInterceptNumbers() {
    T(1) = RandomWhole(5);
    RandomSign12(T(1));
    T(2) = RandomWhole(5);
    RandomSign12(T(2));
}

void Kestrel::SlopeInterceptProblem() {
    NumbersToText();
    A1_s(11) = CoefficientForm(T(1), A1_s(1));
    A1_s(12) = LaterTermForm(T(2), A1_s(2));

    const Num left = 720;
    B1 = left + 36;
    B2_row = 30;
    EraseBox(left, 30, left + 600, 30 + 300);
    Put(left, 30, 0, "問 1次関数 y=" + A1_s(11) + "x" + A1_s(12) + "　で");
    NewRow(50, 0, "傾きと切片をいいなさい。");
    StepReveal();
    NewRow(50, 0, "傾き…");
    Next(5, A1_s(1));
    StepReveal();
    NewRow(50, 0, "切片…");
    Next(5, A1_s(2));
}

// ---- Topic 3: answers of textbook problem 4 ---------------------------------------------

void Kestrel::SlopeInterceptAnswers() {
    // No figure, but the fraction bar takes the pen width; fix the one a pupil
    // sees on the way in from the menu, whatever ran before.
    PenWidth(3);
    TopicScreen(1900, 1500, 114);
    Put(114, 30, 3, "教科書P68 問4の解答");

    struct Answer {
        std::string_view function, slope, intercept;
        Num functionStep, answerStep;
    };
    static constexpr Answer answers[] = {
        {"(1)y=-2x-1", "-2", "-1", 50, 50},
        {"(2)y=x-2", "1", "-2", 70, 50},
        {"(3)y=-4x", "-4", "0", 0, 50},
        {"(4)y=ﾀ3/2ﾀx-6", "ﾀ3/2ﾀ", "-6", 70, 60},
    };
    for (const Answer& a : answers) {
        if (&a == &answers[2]) {
            // The right-hand column starts on the heading's row.
            B1 = 760;
            B2_row = 30;
        }
        NewRow(a.functionStep, 3, a.function, -76);
        StepReveal();
        NewRow(a.answerStep, 0, "傾き…");
        Next(5, a.slope);
        NewRow(a.answerStep, 0, "切片…");
        Next(5, a.intercept);
    }
}

// ---- Topics 4 and 5: drawing a line from its intercept and slope ---------------------------

struct Kestrel::SlopeDrawing {
    std::string_view question, instruction;
    Num rowBelowQuestion;  // 60 below a question with a fraction
    Num xFrom, xTo, yFrom, yTo, step;
    Num b, run, rise;
    std::string_view interceptLine, interceptPoint, interceptLabel;
    std::string_view slopeLine, runLine;  // runLine "": the run comes with the slope line
    std::string_view runText;
    Num runDy;
    std::string_view riseLine;
    Num riseRowStep;
    std::string_view riseText, secondPoint, secondLabel;
    Num secondLabelDx;
    Num a;
    std::string_view graphLabel;
    Num graphLabelDx, graphLabelDy;
};

void Kestrel::DrawGraphFromSlope(const SlopeDrawing& d) {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 0, d.question);
    NewRow(d.rowBelowQuestion, 0, d.instruction, 38);
    PlaneAt(722, 100, d.xFrom, d.xTo, d.yFrom, d.yTo, d.step, 14);
    StepReveal();
    NewRow(50, 5, "直線だから、2点がわかればかける。");
    StepReveal();
    NewRow(80, 0, d.interceptLine);
    StepReveal();
    Next(3, d.interceptPoint);
    StepReveal();
    PointAt(0, d.b, 8, 3, d.interceptLabel, -135, 20);
    StepReveal();
    NewRow(80, 0, d.slopeLine);
    if (!d.runLine.empty()) {
        StepReveal();
        Next(3, d.runLine);
    }
    SlopeCorners(TATE, t0001 - d.b * NAKA, TATE + d.run * NAKA, t0001 - (d.b + d.rise) * NAKA);
    SlopeArrow(ZY, AA1, GY3, AA1);
    RunNumber(d.runText, d.runDy);
    StepReveal();
    NewRow(d.riseRowStep, 0, d.riseLine, 38);
    SlopeArrow(GY3, AA1, GY3, HIDARI);
    RiseNumber(d.riseText);
    StepReveal();
    NewRow(50, 3, d.secondPoint, 38);
    StepReveal();
    PointAt(d.run, d.b + d.rise, 8, 3, d.secondLabel, d.secondLabelDx, 20);
    StepReveal();
    NewRow(80, 0, "③2点を通る直線をひく。");
    StepReveal();
    GraphOf(3, d.a, d.b, 3, d.graphLabel, d.graphLabelDx, d.graphLabelDy);
}

void Kestrel::GraphFromSlopeExample() {
    static constexpr SlopeDrawing example{
        "問　1次関数 y=-2x+3 のグラフを、", "傾きと切片を使ってかきなさい。", 50, -3, 5, -4, 6, 50, 3, 1, -2,
        "①切片が3 だから、", "(0,3)に点をうつ", "(0,3)", "②傾きが-2だから、右へ1進むと、", "", "1", -50,
        "下へ2進むから　", 50, "-2", "(1,1)に点をうつ", "(1,1)", -135, -2, "y=-2x+3", -54, 0};
    DrawGraphFromSlope(example);
}

void Kestrel::GraphFromSlopeProblem5() {
    static constexpr SlopeDrawing problem5{
        "問5　1次関数 y=ﾀ1/2ﾀx+1 のグラフを、", "傾きと切片を使ってかきなさい。", 60, -6, 6, -6, 6, 40, 1, 2, 1,
        "①切片が1 だから、", "(0,1)に点をうつ", "(0,1)", "②傾きがﾀ1/2ﾀだから、", "右へ2進むと、", "2", 0,
        "上へ1進むから　", 60, "1", "(2,2)に点をうつ", "(2,2)", 20, 0.5f, "y=ﾀ1/2ﾀx+1", -108, -70};
    DrawGraphFromSlope(problem5);
}

// ---- Topics 6 and 7: drawing practice --------------------------------------------------

// Two lines drawn the way the chapter teaches: the intercept, the point one
// step of the slope away, the line; first the rising one, then the falling.
// The intercepts are in T(3) and T(4), their texts made.
void Kestrel::TwoGraphsByPoints(std::string_view heading, std::string_view slope1, std::string_view slope2,
                                Num run1, Num rise1, Num run2, Num rise2) {
    A1_s(13) = LaterTermForm(T(3), A1_s(3));
    A1_s(14) = LaterTermForm(T(4), A1_s(4));
    TopicScreen(1760, 1800, 88);
    Put(B1 - 44, B2_row, 0, heading);
    PlaneAt(680, 50, -10, 10, -10, 10, 25, 1);
    NewRow(80, 3, "① y=" + std::string(slope1) + "x" + A1_s(13));
    NewRow(80, 3, "② y=" + std::string(slope2) + "x" + A1_s(14));

    struct Line {
        Num run, rise, b, dotColour;
        std::string_view label;
    };
    const Line lines[] = {{run1, rise1, T(3), 7, "①"}, {run2, rise2, T(4), 5, "②"}};
    for (const Line& l : lines) {
        StepReveal();
        PointAt(0, l.b, 10, l.dotColour);
        StepReveal();
        PointAt(l.run, l.b + l.rise, 10, l.dotColour);
        StepReveal();
        GraphOf(3, l.rise / l.run, l.b, 3, l.label);
    }
}

void Kestrel::DrawNonZeroIntercepts() {
    T(3) = RandomWhole(5);
    RandomSign01(T(3));
    T(4) = RandomWhole(5);
    RandomSign01(T(4));
}

void Kestrel::IntegerSlopePractice() {
    // The dots and lines take the pen width in force; fix the one a pupil
    // sees on the way in from the menu, whatever ran before.
    PenWidth(3);
    RandomExerciseLoop([&] {
        DrawIntegerSlopes();
        IntegerSlopeProblem();
    });
}

void Kestrel::DrawIntegerSlopes() {
    T(1) = RandomWhole(5);
    T(2) = -RandomWhole(5);
    DrawNonZeroIntercepts();
}

void Kestrel::IntegerSlopeProblem() {
    NumbersToText();
    A1_s(1) = CoefficientForm(T(1), A1_s(1));
    A1_s(2) = CoefficientForm(T(2), A1_s(2));
    TwoGraphsByPoints("Q1 次の1次関数のグラフをかきなさい。", A1_s(1), A1_s(2), 1, T(1), 1, T(2));
}

void Kestrel::FractionSlopePractice() {
    // As in the integer practice: the pen width of the way in from the menu.
    PenWidth(3);
    RandomExerciseLoop([&] {
        DrawFractionSlopes();
        FractionSlopeProblem();
    });
    Put(88, 280, 0, "教科書P69 問6 をしなさい。");
}

// Denominators 2 to 5 and numerators below them; the slopes are put in
// lowest terms when the problem is shown.
void Kestrel::DrawFractionSlopes() {
    T(1) = RandomWhole(4, 2);
    F(1) = RandomWhole(T(1) - 1);
    T(2) = RandomWhole(4, 2);
    F(2) = -RandomWhole(T(2) - 1);
    DrawNonZeroIntercepts();
}

void Kestrel::FractionSlopeProblem() {
    for (int k = 1; k <= 2; ++k) {
        X = F(k);
        R1B = T(k);
        FormatFraction();
        X_s(k) = T_s;
        T(k) = R1B;
        F(k) = X;
    }
    NumbersToText();
    TwoGraphsByPoints("Q2 次の1次関数のグラフをかきなさい。", X_s(1), X_s(2), T(1), F(1), T(2), F(2));
}

// ---- Topic 8: answers of textbook problem 6 ----------------------------------------------

void Kestrel::GraphDrawingAnswers() {
    TopicScreen(1320, 1300, 38);
    PenWidth(5);
    Put(38, 30, 3, "教科書P69 問6　解答");
    PlaneAt(342, 100, -6, 6, -6, 6, 40, 14);

    // Each pair of points takes the colour of the next answer's line.
    struct Answer {
        Num a, b, colour;
        std::string_view label;
        Num labelDx, labelDy;
        Num run, rise, pointColour;
    };
    static constexpr Answer answers[] = {
        {2, -1, 0, "(1)", -54, -50, 1, 2, 3},
        {1, 1, 3, "(2)", -27, -50, 1, 1, 5},
        {-2, 2, 5, "(3)", 0, 0, 1, -2, 7},
        {-1.0f / 3, -3, 7, "(4)", -54, -50, 3, -1, 0},
    };
    for (const Answer& a : answers) {
        GraphOf(3, a.a, a.b, a.colour, a.label, a.labelDx, a.labelDy);
        PointAt(0, a.b, 8, a.pointColour);
        PointAt(a.run, a.b + a.rise, 8, a.pointColour);
    }
}

}  // namespace lesson
