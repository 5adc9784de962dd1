// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 5: the slope of a line and how to draw a line from its intercept
// and slope, with random drills and drawing practice.
#include <string>
#include <string_view>

#include "kestrel/kestrel_program.h"
#include "runtime/reading_rules.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kSlopeDrawing{
    .goal = {"①　1次関数のグラフの傾きぐあいを調べよう。", "②　1次関数のグラフをかこう。"},
    .choices = "①傾き　②説明　③問4　④y=-2x+3のグラフ　⑤問５　⑥整数練習　⑦分数練習　⑧問６　⑨終了",
    .topics = {&Kestrel::SlopeOnGraphTopic, &Kestrel::SlopeInterceptTopic, &Kestrel::SlopeInterceptAnswers,
               &Kestrel::GraphFromSlopeExample, &Kestrel::GraphFromSlopeProblem5,
               &Kestrel::IntegerSlopePractice, &Kestrel::FractionSlopePractice,
               &Kestrel::GraphDrawingAnswers},
};

// ---- Figure helpers ---------------------------------------------------------------

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
    {.question = "問　1次関数y=2x+3では、x軸方向を",
     .secondLine = "右へ1ずつ進むとy軸方向はどうなりますか。",
     .secondIndent = 0,
     .xFrom = -4,
     .xTo = 5,
     .yFrom = -2,
     .yTo = 10,
     .a = 2,
     .b = 3,
     .graphLabel = "y=2x+3",
     .labelDx = -108,
     .labelDy = -50,
     .firstX = -2,
     .unitSteps = " 右へ１ずつ進むと　上へ2ずつ進む",
     .increaseQuestion = "① xの値が3だけ増加すると、",
     .lastPoint = 4,
     .runText = "3",
     .runDy = 0,
     .product = "2*3=",
     .increase = "6 (だけ増加する。)",
     .riseText = "6",
     .moveQuestion = "② 右へ3だけ進むとy軸方向はどうなる？",
     .move = " 上へ6だけ進む"},
    {.question = "問　1次関数y=-2x+5では、x軸方向を",
     .secondLine = "右へ1ずつ進むとy軸方向はどうなりますか。",
     .secondIndent = 38,
     .xFrom = -2,
     .xTo = 6,
     .yFrom = -5,
     .yTo = 6,
     .a = -2,
     .b = 5,
     .graphLabel = "y=-2x+5",
     .labelDx = -135,
     .labelDy = 0,
     .firstX = 0,
     .unitSteps = " 右へ１ずつ進むと　下へ2ずつ進む",
     .increaseQuestion = "① xの値が4だけ増加すると、",
     .lastPoint = 5,
     .runText = "4",
     .runDy = -44,
     .product = "-2*4=",
     .increase = "-8 (だけ増加する。)",
     .riseText = "-8",
     .moveQuestion = "② 右へ4だけ進むとy軸方向はどうなる？",
     .move = " 下へ8だけ進む"},
};

}  // namespace

void Kestrel::SlopeOnGraphTopic() {
    const Num heading = 40;
    bool first = true;
    for (const SlopeScreen& s : kSlopeScreens) {
        if (!first) StepReveal();
        first = false;
        TopicScreen(area::text, 76);
        PenWidth(5);
        Put(heading, 30, ink::heading, "変化の割合は、グラフではどのようなことを表している？");
        Put(heading, cursor.row + 50, ink::text, s.question);
        NewRow(50, ink::text, s.secondLine, s.secondIndent);
        const PlaneView plane = PlaneAt({.left = 798,
                                         .top = 100,
                                         .xFrom = s.xFrom,
                                         .xTo = s.xTo,
                                         .yFrom = s.yFrom,
                                         .yTo = s.yTo,
                                         .grid = true});
        plane.GraphOf({.a = s.a,
                       .b = s.b,
                       .colour = ink::text,
                       .label = s.graphLabel,
                       .labelDx = s.labelDx,
                       .labelDy = s.labelDy});
        // Six points of the line one step apart, with a unit triangle between
        // each two; their runs are written first, their rises after a key.
        Point stairs[6];
        for (int i = 0; i < 6; ++i) {
            const Num x = s.firstX + static_cast<Num>(i);
            stairs[i] = plane.At(x, s.a * x + s.b);
        }
        auto staircase = [&](bool runs) {
            for (int i = 0; i < 5; ++i)
                plane.SlopeTriangle(
                    {.from = stairs[i], .to = stairs[i + 1], .runLabel = runs, .riseLabel = !runs});
            PenWidth(4);  // what follows draws in the triangles' pen
        };
        staircase(true);

        StepReveal();
        NewRow(70, ink::emphasis, s.unitSteps);
        staircase(false);
        StepReveal();
        Put(heading, cursor.row + 70, ink::heading, s.increaseQuestion);
        NewRow(50, ink::heading, "yの値はどれだけ増加する？");
        StepReveal();
        // Drawn at the pen width the staircase left.
        const SlopeSteps legs{.from = stairs[0], .to = stairs[s.lastPoint - 1], .legsColour = ink::answer};
        RunLeg(legs);
        RiseLeg(legs);
        RunLabel(legs, s.runText, s.runDy);
        StepReveal();
        NewRow(50, ink::text, s.product);
        Next(ink::emphasis, s.increase);
        RiseLabel(legs, s.riseText);
        StepReveal();
        Put(heading, cursor.row + 70, ink::heading, s.moveQuestion);
        StepReveal();
        NewRow(50, ink::emphasis, s.move);
    }

    StepReveal();
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::text, "問　直線y=ax+bは、");
    NewRow(50, ink::text, "aの値が変わるとどうなりますか。", 38);
    const PlaneView plane =
        PlaneAt({.left = 798, .top = 100, .xFrom = -3, .xTo = 5, .yFrom = -2, .yTo = 11, .grid = true});
    plane.GraphOf({.a = 1, .b = 2, .colour = ink::text, .label = "y=x+2", .labelDx = -54, .labelDy = 75});
    plane.GraphOf(
        {.a = 2, .b = 2, .colour = ink::emphasis, .label = "y=2x+2", .labelDx = -54, .labelDy = 120});
    plane.GraphOf({.a = 3, .b = 2, .colour = ink::heading, .label = "y=3x+2"});
    StepReveal();
    NewRow(50, ink::emphasis, "y=ax+b のaの値が大きいほど、");
    NewRow(50, ink::emphasis, "直線の傾きぐあいが急になる。");
    StepReveal();
    NewRow(50, ink::text, "aの値を、直線の");
    Next(ink::answer, "傾き");
    Next(ink::text, "という。");
    StepReveal();
    NewRow(90, ink::answer, "変化の割合=ﾀyの増加量/xの増加量ﾀ=a=傾き");
    StepReveal();
    NewRow(90, ink::emphasis, "傾きaは、xが1増加したときのyの増加量");
}

// ---- Topic 2: slope and intercept, with a drill ---------------------------------------

void Kestrel::SlopeInterceptTopic() {
    FramedScreen(area::text, 570, 175, "<1次関数のグラフ>");
    NewRow(50, ink::text, "1次関数 y=ax+bのグラフは、");
    NewRow(50, ink::answer, "傾きがa,切片がbの直線");
    Next(ink::text, "である。");

    // A rising and a falling line, each with its intercept and a slope
    // triangle from x = 0.5 to 2.5; the run's "1" under or over its arrow.
    struct SideLine {
        Num left, a, b;
        std::string_view label, sign;
        Num runDy;
    };
    static constexpr SideLine sides[] = {{114, 1.5f, 1, "", "a>0のとき", 0},
                                         {494, -1.5f, 5, "y=ax+b", "a<0のとき", -50}};
    PenWidth(5);
    // Each plane's caption stands just over its bottom edge, clear of the
    // next-step box; the labels keep clear of it.
    constexpr Num kCaptionRise = 8, kCaptionWidth = 240, kCaptionHeight = 44;
    Num captionY = 0, rightCaptionX = 0;
    for (const SideLine& s : sides) {
        if (&s != &sides[0]) {
            StepReveal();
            Label(cursor.margin, captionY, ink::heading, "右上がりの直線", false);
        }
        const Plane plane{
            .left = s.left, .top = cursor.row + 150, .xFrom = -2, .xTo = 4, .yFrom = -2, .yTo = 6};
        const PlaneView view = PlaneAt(plane);
        captionY = view.At(0, plane.yFrom).y - kCaptionRise;
        // The right plane's caption right of its y axis, whose foot would run into it.
        const Num captionX = &s == &sides[0] ? cursor.margin : view.At(0, 0).x + rt::reading::kApart;
        rightCaptionX = captionX;
        KeepClear({captionX, captionY}, {captionX + kCaptionWidth, captionY + kCaptionHeight});
        view.GraphOf({.a = s.a, .b = s.b, .colour = ink::emphasis, .label = s.label, .labelDx = -135});
        const Point origin = view.At(0, 0);
        Label(origin.x - 135, plane.top - 50, ink::emphasis, s.sign);
        if (s.label.empty()) Label(origin.x, origin.y, ink::emphasis, "y=ax+b");
        view.PointAt(0, s.b, {.radius = 8, .colour = ink::answer});
        const Point interceptLabel = view.At(0, s.b + 0.5f);
        Label(interceptLabel.x - 135, interceptLabel.y, ink::answer, "(0,b)");
        const SlopeSteps legs{.from = view.At(0.5f, 0.5f * s.a + s.b),
                              .to = view.At(2.5f, 2.5f * s.a + s.b),
                              .legsColour = ink::answer};
        RunLeg(legs);
        RiseLeg(legs);
        RunLabel(legs, "1", s.runDy);
        RiseLabel(legs, "a");
    }
    StepReveal();
    Label(rightCaptionX, captionY, ink::heading, "右下がりの直線", false);
    StepReveal();

    PenWidth(5);
    SlopeInterceptDrill();
    StepReveal();
    Put(720, cursor.row + 90, ink::heading, "教科書P68 問4 をしなさい。");
}

void Kestrel::SlopeInterceptDrill() {
    RandomExerciseLoop([&] { SlopeInterceptProblem(DrawSlopeIntercept()); });
}

Kestrel::SlopeIntercept Kestrel::DrawSlopeIntercept() {
    return Problem<SlopeIntercept>([this] {
        Num a = RandomWhole(5);
        RandomSign12(a);
        Num b = RandomWhole(5);
        RandomSign12(b);
        return SlopeIntercept{.a = a, .b = b};
    });
}

void Kestrel::SlopeInterceptProblem(const SlopeIntercept& problem) {
    const std::string a = NumberText(problem.a), b = NumberText(problem.b);
    const Num left = 720;
    cursor.margin = left + 36;
    cursor.row = 30;
    EraseBox(left, 30, left + 600, 30 + 300);
    Put(left, 30, ink::text,
        "問 1次関数 y=" + CoefficientForm(problem.a, a) + "x" + LaterTermForm(problem.b, b) + "　で");
    NewRow(50, ink::text, "傾きと切片をいいなさい。");
    StepReveal();
    NewRow(50, ink::text, "傾き…");
    Next(ink::answer, a);
    StepReveal();
    NewRow(50, ink::text, "切片…");
    Next(ink::answer, b);
}

// ---- Topic 3: answers of textbook problem 4 ---------------------------------------------

void Kestrel::SlopeInterceptAnswers() {
    // No figure, but the fraction bar takes the pen width; fix the one a pupil
    // sees on the way in from the menu, whatever ran before.
    PenWidth(3);
    TopicScreen(area::beyond, 114);
    Put(114, 30, ink::emphasis, "教科書P68 問4の解答");

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
            cursor.margin = 760;
            cursor.row = 30;
        }
        NewRow(a.functionStep, ink::emphasis, a.function, -76);
        StepReveal();
        NewRow(a.answerStep, ink::text, "傾き…");
        Next(ink::answer, a.slope);
        NewRow(a.answerStep, ink::text, "切片…");
        Next(ink::answer, a.intercept);
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
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::text, d.question);
    NewRow(d.rowBelowQuestion, ink::text, d.instruction, 38);
    const PlaneView plane = PlaneAt({.left = 722,
                                     .top = 100,
                                     .xFrom = d.xFrom,
                                     .xTo = d.xTo,
                                     .yFrom = d.yFrom,
                                     .yTo = d.yTo,
                                     .step = d.step,
                                     .grid = true});
    StepReveal();
    NewRow(50, ink::answer, "直線だから、2点がわかればかける。");
    StepReveal();
    NewRow(80, ink::text, d.interceptLine);
    StepReveal();
    Next(ink::emphasis, d.interceptPoint);
    StepReveal();
    plane.PointAt(
        0, d.b,
        {.radius = 8, .colour = ink::emphasis, .label = d.interceptLabel, .labelDx = -135, .labelDy = 20});
    StepReveal();
    NewRow(80, ink::text, d.slopeLine);
    if (!d.runLine.empty()) {
        StepReveal();
        Next(ink::emphasis, d.runLine);
    }
    const SlopeSteps legs{
        .from = plane.At(0, d.b), .to = plane.At(d.run, d.b + d.rise), .legsColour = ink::answer};
    RunLeg(legs);
    RunLabel(legs, d.runText, d.runDy);
    StepReveal();
    NewRow(d.riseRowStep, ink::text, d.riseLine, 38);
    RiseLeg(legs);
    // The rise's value keeps clear of the point marked at the leg's end next.
    KeepClear(legs.to, 8 + 3);
    RiseLabel(legs, d.riseText);
    StepReveal();
    NewRow(50, ink::emphasis, d.secondPoint, 38);
    StepReveal();
    plane.PointAt(d.run, d.b + d.rise,
                  {.radius = 8,
                   .colour = ink::emphasis,
                   .label = d.secondLabel,
                   .labelDx = d.secondLabelDx,
                   .labelDy = 20});
    StepReveal();
    NewRow(80, ink::text, "③2点を通る直線をひく。");
    StepReveal();
    plane.GraphOf({.a = d.a,
                   .b = d.b,
                   .colour = ink::emphasis,
                   .label = d.graphLabel,
                   .labelDx = d.graphLabelDx,
                   .labelDy = d.graphLabelDy});
}

void Kestrel::GraphFromSlopeExample() {
    static constexpr SlopeDrawing example{.question = "問　1次関数 y=-2x+3 のグラフを、",
                                          .instruction = "傾きと切片を使ってかきなさい。",
                                          .rowBelowQuestion = 50,
                                          .xFrom = -3,
                                          .xTo = 5,
                                          .yFrom = -4,
                                          .yTo = 6,
                                          .step = 50,
                                          .b = 3,
                                          .run = 1,
                                          .rise = -2,
                                          .interceptLine = "①切片が3 だから、",
                                          .interceptPoint = "(0,3)に点をうつ",
                                          .interceptLabel = "(0,3)",
                                          .slopeLine = "②傾きが-2だから、右へ1進むと、",
                                          .runLine = "",
                                          .runText = "1",
                                          .runDy = -50,
                                          .riseLine = "下へ2進むから　",
                                          .riseRowStep = 50,
                                          .riseText = "-2",
                                          .secondPoint = "(1,1)に点をうつ",
                                          .secondLabel = "(1,1)",
                                          .secondLabelDx = -135,
                                          .a = -2,
                                          .graphLabel = "y=-2x+3",
                                          .graphLabelDx = -54,
                                          .graphLabelDy = 0};
    DrawGraphFromSlope(example);
}

void Kestrel::GraphFromSlopeProblem5() {
    static constexpr SlopeDrawing problem5{.question = "問5　1次関数 y=ﾀ1/2ﾀx+1 のグラフを、",
                                           .instruction = "傾きと切片を使ってかきなさい。",
                                           .rowBelowQuestion = 60,
                                           .xFrom = -6,
                                           .xTo = 6,
                                           .yFrom = -6,
                                           .yTo = 6,
                                           .step = 40,
                                           .b = 1,
                                           .run = 2,
                                           .rise = 1,
                                           .interceptLine = "①切片が1 だから、",
                                           .interceptPoint = "(0,1)に点をうつ",
                                           .interceptLabel = "(0,1)",
                                           .slopeLine = "②傾きがﾀ1/2ﾀだから、",
                                           .runLine = "右へ2進むと、",
                                           .runText = "2",
                                           .runDy = 0,
                                           .riseLine = "上へ1進むから　",
                                           .riseRowStep = 60,
                                           .riseText = "1",
                                           .secondPoint = "(2,2)に点をうつ",
                                           .secondLabel = "(2,2)",
                                           .secondLabelDx = 51,
                                           .a = 0.5f,
                                           .graphLabel = "y=ﾀ1/2ﾀx+1",
                                           .graphLabelDx = -108,
                                           .graphLabelDy = -70};
    DrawGraphFromSlope(problem5);
}

// ---- Topics 6 and 7: drawing practice --------------------------------------------------

// Two lines drawn the way the chapter teaches: the intercept, the point one
// step of the slope away, the line; first the rising one, then the falling.
void Kestrel::TwoGraphsByPoints(std::string_view heading, const LineByPoints& rising,
                                const LineByPoints& falling) {
    TopicScreen(area::screen, 88);
    Put(cursor.margin - 44, cursor.row, ink::text, heading);
    const PlaneView plane = PlaneAt(
        {.left = 680, .top = 50, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 25, .grid = true});
    NewRow(80, ink::emphasis, "① y=" + rising.slope + "x" + LaterTermForm(rising.b, NumberText(rising.b)));
    NewRow(80, ink::emphasis, "② y=" + falling.slope + "x" + LaterTermForm(falling.b, NumberText(falling.b)));

    struct Line {
        const LineByPoints& line;
        Colour dotColour;
        std::string_view label;
    };
    const Line lines[] = {{rising, ink::heading, "①"}, {falling, ink::answer, "②"}};
    for (const Line& l : lines) {
        StepReveal();
        plane.PointAt(0, l.line.b, {.radius = 10, .colour = l.dotColour});
        StepReveal();
        plane.PointAt(l.line.run, l.line.b + l.line.rise, {.radius = 10, .colour = l.dotColour});
        StepReveal();
        plane.GraphOf(
            {.a = l.line.rise / l.line.run, .b = l.line.b, .colour = ink::emphasis, .label = l.label});
    }
}

// An intercept of -5 .. 5 but 0.
Num Kestrel::DrawNonZeroIntercept() {
    Num b = RandomWhole(5);
    RandomSign01(b);
    return b;
}

void Kestrel::IntegerSlopePractice() {
    // The dots and lines take the pen width in force; fix the one a pupil
    // sees on the way in from the menu, whatever ran before.
    PenWidth(3);
    RandomExerciseLoop([&] { IntegerSlopeProblem(DrawIntegerSlopes()); });
}

Kestrel::IntegerSlopes Kestrel::DrawIntegerSlopes() {
    return Problem<IntegerSlopes>([this] {
        const Num a1 = RandomWhole(5);
        const Num a2 = -RandomWhole(5);
        const Num b1 = DrawNonZeroIntercept();
        const Num b2 = DrawNonZeroIntercept();
        return IntegerSlopes{.a1 = a1, .a2 = a2, .b1 = b1, .b2 = b2};
    });
}

void Kestrel::IntegerSlopeProblem(const IntegerSlopes& problem) {
    const LineByPoints rising{CoefficientForm(problem.a1, NumberText(problem.a1)), 1, problem.a1, problem.b1};
    const LineByPoints falling{CoefficientForm(problem.a2, NumberText(problem.a2)), 1, problem.a2,
                               problem.b2};
    TwoGraphsByPoints("Q1 次の1次関数のグラフをかきなさい。", rising, falling);
}

void Kestrel::FractionSlopePractice() {
    // As in the integer practice: the pen width of the way in from the menu.
    PenWidth(3);
    RandomExerciseLoop([&] { FractionSlopeProblem(DrawFractionSlopes()); });
    Put(88, 280, ink::text, "教科書P69 問6 をしなさい。");
}

// Denominators 2 to 5 and numerators below them; the slopes are put in
// lowest terms when the problem is shown.
Kestrel::FractionSlopes Kestrel::DrawFractionSlopes() {
    return Problem<FractionSlopes>([this] {
        const Num den1 = RandomWhole(4, 2);
        const Num num1 = RandomWhole(den1 - 1);
        const Num den2 = RandomWhole(4, 2);
        const Num num2 = -RandomWhole(den2 - 1);
        const Num b1 = DrawNonZeroIntercept();
        const Num b2 = DrawNonZeroIntercept();
        return FractionSlopes{.num1 = num1, .den1 = den1, .num2 = num2, .den2 = den2, .b1 = b1, .b2 = b2};
    });
}

// The line of slope num/den: one step of it is the slope in lowest terms.
Kestrel::LineByPoints Kestrel::FractionLine(Num num, Num den, Num b) {
    const ReducedFraction slope = Reduced(num, den);
    return {slope.text, slope.den, slope.num, b};
}

void Kestrel::FractionSlopeProblem(const FractionSlopes& problem) {
    const LineByPoints rising = FractionLine(problem.num1, problem.den1, problem.b1);
    const LineByPoints falling = FractionLine(problem.num2, problem.den2, problem.b2);
    TwoGraphsByPoints("Q2 次の1次関数のグラフをかきなさい。", rising, falling);
}

// ---- Topic 8: answers of textbook problem 6 ----------------------------------------------

void Kestrel::GraphDrawingAnswers() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::emphasis, "教科書P69 問6　解答");
    const PlaneView plane =
        PlaneAt({.left = 342, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .grid = true});

    // Each pair of points takes the colour of the next answer's line.
    struct Answer {
        Num a, b;
        Colour colour;
        std::string_view label;
        Num labelDx, labelDy;
        Num run, rise;
        Colour pointColour;
    };
    static constexpr Answer answers[] = {
        {2, -1, ink::text, "(1)", -54, -50, 1, 2, ink::emphasis},
        {1, 1, ink::emphasis, "(2)", -27, -50, 1, 1, ink::answer},
        {-2, 2, ink::answer, "(3)", 0, 0, 1, -2, ink::heading},
        {-1.0f / 3, -3, ink::heading, "(4)", -54, -50, 3, -1, ink::text},
    };
    for (const Answer& a : answers) {
        plane.GraphOf({.a = a.a,
                       .b = a.b,
                       .colour = a.colour,
                       .label = a.label,
                       .labelDx = a.labelDx,
                       .labelDy = a.labelDy});
        plane.PointAt(0, a.b, {.radius = 8, .colour = a.pointColour});
        plane.PointAt(a.run, a.b + a.rise, {.radius = 8, .colour = a.pointColour});
    }
}

}  // namespace lesson
