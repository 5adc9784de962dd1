// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 1: the graph of ax+by=c. The solutions of x-2y=4 fill a line;
// equations rewritten to y=mx+n and graphed from the intercept and slope or
// from the two axis intercepts, with random examples and textbook answers.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "tern/tern_program.h"

namespace lesson {

namespace {

// The plane of the random examples: -10..10 both ways, beside the working.
constexpr Plane kRandomProblemPlane{
    .left = 646, .top = 100, .xFrom = -10, .xTo = 10, .yFrom = -10, .yTo = 10, .step = 25, .grid = true};

// A screen rectangle: what a label covers, or what it must keep clear of.
struct Extent {
    Num left, top, right, bottom;
};

// Where the equation of a random line y = m*x + n on that plane stands, as
// the offset from the line's end that the graph's label takes: in a band
// under the plane's top edge or over its bottom edge, left or right of the
// y axis, so that it keeps clear of the axes, their letters and scale
// numbers and of the status band. Of those the line does not run through
// (nor the figure kept clear of, a slope triangle), the one nearest the line.
Point EquationLabelOffset(const PlaneFrame& plane, Num m, Num n, Num width, const Extent* keepClear) {
    const Num top = plane.steps.yTo, bottom = plane.steps.yFrom, right = plane.steps.xTo;
    // The line's end as the graph is traced, left to right: where it leaves the plane.
    Num endX = right;
    if (m * right + n > top) endX = (top - n) / m;
    if (m * right + n < bottom) endX = (bottom - n) / m;
    const Point end = plane.ToScreen(endX, m * endX + n);

    // The text's ink stands 4 below its pen and ends 50 below it; 10 across
    // from the y axis's letter and scale numbers, 4 under the top scale
    // number, 4 over the bottom one.
    const Num axis = plane.origin.x;
    const Num nearTop = plane.top + 14, nearBottom = plane.bottom - 70;
    const Point places[] = {
        {axis + 39, nearTop},
        {axis - 11 - width, nearTop},
        {axis + 39, nearBottom},
        {axis - 11 - width, nearBottom},
    };
    const Num margin = 6;
    auto screenY = [&](Num sx) { return plane.origin.y - plane.step * (m * (sx - axis) / plane.step + n); };
    std::optional<Point> best;
    Num bestGap = 0;
    for (const Point& p : places) {
        const Extent ink{p.x, p.y + 4, p.x + width, p.y + 50};
        if (keepClear && ink.left - margin < keepClear->right && keepClear->left < ink.right + margin &&
            ink.top - margin < keepClear->bottom && keepClear->top < ink.bottom + margin)
            continue;
        // The line over the label's width, where it is drawn.
        const Num x0 = std::max(ink.left - margin, plane.left),
                  x1 = std::min(ink.right + margin, plane.right);
        const Num y0 = std::min(screenY(x0), screenY(x1)), y1 = std::max(screenY(x0), screenY(x1));
        const Num gap = std::max(ink.top - y1, y0 - ink.bottom);
        if (gap < margin) continue;
        if (!best || gap < bestGap) best = p, bestGap = gap;
    }
    if (!best) return {-297, 0};  // beside the end, where the lesson first put it
    return {best->x - end.x, best->y - end.y};
}

}  // namespace

const Chapter<Tern> Tern::kLinearEquationGraph{
    .goal = {"2元1次方程式のグラフをかこう。"},
    .goalClears = true,
    .choices = "①導入Q　②問１　③例1変形　④グラフ　⑤問２　⑥例2　⑦問3　⑧終了",
    .topics = {&Tern::EquationGraphIntro, &Tern::PointOnGraphCheck, &Tern::RandomSlopeInterceptExample,
               &Tern::RandomEquationGraphExample, &Tern::RewriteAndGraphAnswers,
               &Tern::RandomInterceptsGraphExample, &Tern::InterceptsGraphAnswers},
};

// ---- Shared figures and texts ---------------------------------------------------------

std::string Tern::EquationText(std::string_view xCoefficient, std::string_view yTerm,
                               std::string_view rightSide) {
    return std::string(xCoefficient) + "x" + std::string(yTerm) + "y=" + std::string(rightSide);
}

void Tern::SubstitutionSteps(std::string_view substitute, std::string_view equation, std::string_view solved,
                             std::string_view point) {
    StepReveal();
    NewRow(50, ink::text, substitute);
    StepReveal();
    NewRow(50, ink::text, equation);
    StepReveal();
    Next(ink::text, solved, 50);
    StepReveal();
    NewRow(50, ink::emphasis, point);
}

// ---- Topic 1: the solutions of x-2y=4 fill a line ----------------------------------------

void Tern::EquationGraphIntro() {
    const Num outer = 40;  // the headline's and the lines ① and ②'s margin
    TopicScreen(area::wide, 76);
    PenWidth(5);
    Put(outer, 30, ink::heading, "2元1次方程式");
    Next(ink::emphasis, "x-2y=4", 20);
    Next(ink::heading, "の解を求め、解を座標とする点をとろう。", 20);
    const PlaneView plane =
        PlaneAt({.left = 760, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -5, .yTo = 5, .grid = true});

    const CellStyle xCell{.width = 68, .height = 50, .fill = ink::page, .colour = ink::text};
    const CellStyle yCell{.width = 68, .height = 80, .fill = ink::page, .colour = ink::text};
    const CellStyle valueCell{.width = 68, .height = 80, .fill = ink::page, .colour = ink::emphasis};
    for (int k = 0; k <= 9; ++k) {
        const Num left = 40 + 68 * static_cast<Num>(k);
        Cell(left, 100, xCell, k == 0 ? "x" : NumberText(static_cast<Num>(k - 5)));
    }
    for (int k = 0; k <= 9; ++k) Cell(40 + 68 * static_cast<Num>(k), 150, yCell, k == 0 ? "y" : "");
    StepReveal();
    StepReveal();

    // y = x/2 - 2 under x = -4 .. 4
    static constexpr std::string_view yValues[9] = {"-4",     "-ﾀ7/2ﾀ", "-3",     "-ﾀ5/2ﾀ", "-2",
                                                    "-ﾀ3/2ﾀ", "-1",     "-ﾀ1/2ﾀ", "0"};
    for (int i = 1; i <= 9; ++i) {
        Cell(108 + 68 * static_cast<Num>(i - 1), 150, valueCell, yValues[i - 1]);
        StepReveal();
    }
    for (int x = -4; x <= 4; ++x) {
        plane.PointAt(static_cast<Num>(x), static_cast<Num>(x) / 2 - 2,
                      {.radius = 6, .colour = ink::emphasis});
        StepReveal();
    }
    StepReveal();
    Put(outer, cursor.row + 100, ink::text, "①点をさらに多くとると、");
    StepReveal();
    // Every half unit, then every fifth of a unit, counted so both ends are reached.
    for (int k = 0; k <= 20; ++k) {
        const Num x = -5 + 0.5f * static_cast<Num>(k);
        plane.PointAt(x, x / 2 - 2, {.radius = 2, .colour = ink::emphasis});
    }
    StepReveal();
    for (int k = 0; k <= 50; ++k) {
        const Num x = -5 + 0.2f * static_cast<Num>(k);
        plane.PointAt(x, x / 2 - 2, {.radius = 2, .colour = ink::emphasis});
    }
    StepReveal();
    plane.GraphOf({.a = 0.5f, .b = -2, .colour = ink::emphasis});
    Next(ink::emphasis, "直線になる。", 20);
    StepReveal();
    // Sections ② and ③ start 16 and 10 closer: the last row stays above the status band.
    Put(outer, cursor.row + 54, ink::text, "②この直線の切片と傾きを求めよう。");
    StepReveal();
    NewRow(50, ink::text, "切片は ");
    StepReveal();
    Next(ink::emphasis, "-2 ");
    const Point intercept = plane.PointAt(0, -2, {.radius = 8, .colour = ink::answer});
    Label(intercept.x - 162, intercept.y - 40, ink::answer, "(0,-2)");
    StepReveal();
    Next(ink::text, "傾きは ");
    StepReveal();
    Next(ink::emphasis, "ﾀ1/2ﾀ");
    plane.SlopeTriangle({.from = intercept, .to = plane.At(2, -1), .legsColour = ink::answer});
    StepReveal();
    Put(cursor.margin - 38, cursor.row + 60, ink::text, "③x-2y=4 をyについて解こう。");
    StepReveal();
    NewRow(60, ink::emphasis, "y=ﾀ1/2ﾀx-2");
    StepReveal();
    NewRow(70, ink::text, "この直線を");
    Next(ink::answer, "方程式 x-2y=4のグラフ");
    Next(ink::text, "という。");
    StepReveal();
    NewRow(50, ink::heading, "教科書P77 問1　をやってみよう。");
}

// ---- Topic 2: question 1, points on the graph ----------------------------------------------

void Tern::PointOnGraphCheck() {
    const Num outer = 40;  // the question's and the point headings' margin
    TopicScreen(area::wide, 76);
    PenWidth(5);
    Put(outer, 30, ink::text, "問1 ");
    Next(ink::emphasis, "A(-5,-3) B(5.2,0.6)");
    Next(ink::text, "は、");
    Next(ink::emphasis, "方程式 x-2y=4 ");
    NewRow(50, ink::text, "のグラフ上の点ですか。");
    const PlaneView plane =
        PlaneAt({.left = 760, .top = 100, .xFrom = -5, .xTo = 6, .yFrom = -5, .yTo = 2, .grid = true});
    plane.GraphOf(
        {.a = 0.5f, .b = -2, .colour = ink::emphasis, .label = "x-2y=4", .labelDx = -216, .labelDy = 100});

    struct Check {
        std::string_view heading, values, leftSide, worked, result, relation, reason, verdict;
        Num x, y;
        Colour colour;
        std::string_view label;
        bool verdictOnNewRow;
    };
    static constexpr Check checks[] = {
        {"点A ", "x=-5,y=-3 を左辺に代入して", "=-5-2*(-3)=", "-5+6", "=1", "≠右辺",
         " 方程式が成り立たないから", " グラフ上の点ではない", -5, -3, ink::heading, "A", true},
        {"点B ", "x=5.2,y=0.6 を左辺に代入して", "=5.2-2*0.6=", "5.2-1.2", "=4", "=右辺",
         " 方程式が成り立つから", " グラフ上の点である", 5.2f, 0.6f, ink::answer, "B", false},
    };
    for (const Check& c : checks) {
        StepReveal();
        Put(outer, cursor.row + 50, ink::heading, c.heading);
        Next(ink::emphasis, c.values);
        StepReveal();
        NewRow(50, ink::emphasis, "左辺");
        Next(ink::text, c.leftSide);
        StepReveal();
        Next(ink::text, c.worked);
        StepReveal();
        NewRow(50, ink::text, c.result, 72);  // under the first "="
        StepReveal();
        Next(ink::emphasis, c.relation);
        StepReveal();
        Next(ink::text, c.reason);
        if (c.verdictOnNewRow)
            NewRow(50, ink::answer, c.verdict);
        else
            Next(ink::answer, c.verdict);
        plane.PointAt(c.x, c.y, {.radius = 10, .colour = c.colour, .label = c.label, .labelDy = -30});
    }

    StepReveal();
    NewRow(90, ink::answer, "方程式にx座標とy座標の値を代入して成り立つ → グラフ上の点");
    NewRow(60, ink::answer, "グラフ上の点 → 方程式にx座標とy座標の値を代入してよい");
}

// ---- The rewriting of ax+by=c to y=mx+n --------------------------------------------------

Tern::SlopeInterceptForm Tern::SlopeInterceptTexts(Num a, Num b, Num c, bool interceptAsFraction) {
    const Num moved = -a, slope = moved / b, intercept = c / b;
    const std::string bText = NumberText(b), cText = NumberText(c);
    const std::string aForm = CoefficientForm(a, NumberText(a));
    const std::string bTerm = (b > 0 ? "+" : "") + CoefficientForm(b, bText);
    const std::string movedX = CoefficientForm(moved, NumberText(moved)) + "x";
    const std::string plainIntercept = NumberText(intercept);

    SlopeInterceptForm form;
    const ReducedFraction m = Reduced(moved, b);
    form.slope = m.text;
    form.run = m.den;
    form.rise = m.num;
    form.intercept = interceptAsFraction ? Reduced(c, b).text : plainIntercept;
    form.equation = EquationText(aForm, bTerm, cText);
    const std::string cTerm = LaterTermForm(c, cText);
    form.lines = {
        aForm + "x を移項して",
        bText + "y=" + movedX + cTerm,
        "両辺を" + bText + " でわって",
        "ﾀ" + bText + "y/" + bText + "ﾀ=ﾀ" + movedX + cTerm + "/" + bText + "ﾀ",
        "y=ﾀ" + movedX + "/" + bText + "ﾀ+ﾀ" + cText + "/" + bText + "ﾀ",
        "y=" + CoefficientForm(slope, form.slope) + "x" + LaterTermForm(intercept, form.intercept),
    };
    return form;
}

void Tern::SlopeInterceptRewriteSteps(const SlopeInterceptForm& form) {
    // Below the equation at (152, 90); the explanations indented 36.
    const auto& lines = form.lines;
    cursor.margin = 120;
    cursor.row = 90;
    StepReveal();
    NewRow(50, ink::heading, lines[0], 36);
    NewRow(50, ink::text, lines[1]);
    StepReveal();
    NewRow(60, ink::heading, lines[2], 36);
    NewRow(80, ink::text, lines[3]);
    StepReveal();
    NewRow(80, ink::text, lines[4]);
    StepReveal();
    NewRow(80, ink::emphasis, lines[5]);
    StepReveal();
}

// ---- Topic 3: random rewriting to y=mx+n ---------------------------------------------------

void Tern::RandomSlopeInterceptExample() {
    RandomProblemScreen(area::text, 40, [&] { SlopeReadingProblem(DrawSlopeReading()); });
}

Tern::SlopeReading Tern::DrawSlopeReading() {
    return Problem<SlopeReading>([&] {
        SlopeReading p;
        p.a = RandomWhole(9);
        p.b = RandomWhole(3, 2);
        RandomSign01(p.b);
        p.c = RandomWhole(9);
        RandomSign01(p.c);
        return p;
    });
}

void Tern::SlopeReadingProblem(const SlopeReading& p) {
    const SlopeInterceptForm form = SlopeInterceptTexts(p.a, p.b, p.c, true);
    RestartProblem(Wipe::WholeArea);
    Put(ProblemOrigin().x, ProblemOrigin().y, ink::emphasis, "例1-1");
    Next(ink::text, " 次の方程式のグラフの傾きと切片をいいなさい。");
    Put(152, 90, ink::emphasis, form.equation);
    SlopeInterceptRewriteSteps(form);

    NewRow(80, ink::text, "傾き ");
    Next(ink::answer, form.slope);
    Next(ink::text, "切片 ", 60);
    Next(ink::answer, form.intercept);
    const PlaneView plane = PlaneAt(kRandomProblemPlane);
    const Num m = -p.a / p.b, n = p.c / p.b;
    const Point offset = EquationLabelOffset(plane.frame, m, n, MathTextWidth(form.equation), nullptr);
    plane.GraphOf({.a = m,
                   .b = n,
                   .colour = ink::emphasis,
                   .label = form.equation,
                   .labelDx = offset.x,
                   .labelDy = offset.y});
}

// ---- Topic 4: random graph from the intercept and the slope ----------------------------------

void Tern::RandomEquationGraphExample() {
    RandomProblemScreen(area::text, 40, [&] { InterceptGraphProblem(DrawInterceptGraph()); });
    StepReveal();
    Put(40, 570, ink::heading, "教科書P77 問2 をやってみよう。");
}

Tern::InterceptGraph Tern::DrawInterceptGraph() {
    return Problem<InterceptGraph>([&] {
        // Drawn again until the slope triangle's second point lies on the plane.
        InterceptGraph p;
        Num rise;
        do {
            p.a = RandomWhole(9);
            p.b = RandomWhole(3, 2);
            RandomSign01(p.b);
            p.n = RandomWhole(6);
            RandomSign01(p.n);
            rise = Reduced(-p.a, p.b).num;
        } while (p.n + rise > 10 || p.n + rise < -10);
        return p;
    });
}

void Tern::InterceptGraphProblem(const InterceptGraph& p) {
    const SlopeInterceptForm form = SlopeInterceptTexts(p.a, p.b, p.n * p.b, false);
    RestartProblem(Wipe::WholeArea);
    Put(ProblemOrigin().x, ProblemOrigin().y, ink::emphasis, "例1");
    Next(ink::text, " 次の方程式のグラフをかきなさい。");
    Put(152, 90, ink::emphasis, form.equation);
    const PlaneView plane = PlaneAt(kRandomProblemPlane);
    SlopeInterceptRewriteSteps(form);

    const Point intercept = plane.PointAt(0, p.n, {.radius = 8, .colour = ink::onBox});
    const Point apex = plane.PointAt(form.run, p.n + form.rise, {.radius = 8, .colour = ink::onBox});
    plane.SlopeTriangle({.from = intercept, .to = apex});
    PenWidth(4);  // what follows draws in the triangle's pen
    StepReveal();
    // Clear of the triangle, its dots and arrow heads.
    const Extent triangle{std::min(intercept.x, apex.x) - 14, std::min(intercept.y, apex.y) - 14,
                          std::max(intercept.x, apex.x) + 14, std::max(intercept.y, apex.y) + 14};
    const Num m = -p.a / p.b;
    const Point offset = EquationLabelOffset(plane.frame, m, p.n, MathTextWidth(form.equation), &triangle);
    plane.GraphOf({.a = m,
                   .b = p.n,
                   .colour = ink::answer,
                   .label = form.equation,
                   .labelDx = offset.x,
                   .labelDy = offset.y});
}

// ---- Topic 5: question 2 answers ----------------------------------------------------------------

void Tern::RewriteAndGraphAnswers() {
    TopicScreen(area::wide, 114);
    PenWidth(5);
    const PlaneView plane =
        PlaneAt({.left = 646, .top = 60, .xFrom = -6, .xTo = 6, .yFrom = -5, .yTo = 7, .grid = true});
    Put(114, 30, ink::emphasis, "教科書P77 問2　解答");

    struct Question {
        std::string_view equation, answer;
        Num questionY, answerY;
        Num slope, intercept, run, rise;
        std::string_view label;
        Num labelDx, labelDy;
        bool triangleLater, extraWait;
    };
    static constexpr Question questions[] = {
        {"(1)2x+y=4", " y=-2x+4", 80, 140, -2, 4, 1, -2, "(1)", 0, -80, false, true},
        {"(2)x+2y=-4", " y=-ﾀ1/2ﾀx-2", 210, 280, -0.5f, -2, 2, -1, "(2)", -216, -80, false, false},
        {"(3)3x-2y+8=0", " y=ﾀ3/2ﾀx+4", 350, 430, 1.5f, 4, 2, 3, "(3)", -162, 100, true, false},
    };
    for (const Question& q : questions) {
        StepReveal();
        Put(38, q.questionY, ink::text, q.equation);
        StepReveal();
        Put(114, q.answerY, ink::emphasis, q.answer);
        if (q.triangleLater) StepReveal();
        const Point intercept = plane.PointAt(0, q.intercept, {.radius = 8, .colour = ink::answer});
        plane.SlopeTriangle(
            {.from = intercept, .to = plane.At(q.run, q.intercept + q.rise), .legsColour = ink::answer});
        StepReveal();
        plane.GraphOf({.a = q.slope,
                       .b = q.intercept,
                       .colour = ink::emphasis,
                       .label = q.label,
                       .labelDx = q.labelDx,
                       .labelDy = q.labelDy});
        if (q.extraWait) StepReveal();
    }
}

// ---- Topic 6: random graph from the two intercepts ----------------------------------------------

void Tern::RandomInterceptsGraphExample() {
    RandomProblemScreen(area::text, 40, [&] { CrossingsGraphProblem(DrawCrossingsGraph()); });
    StepReveal();
    Put(40, 540, ink::heading, "教科書P78 問3　をやってみよう。");
}

Tern::CrossingsGraph Tern::DrawCrossingsGraph() {
    return Problem<CrossingsGraph>([&] {
        // c is a multiple of a and of b, so both crossings are whole.
        CrossingsGraph p;
        p.a = RandomWhole(9);
        Num sign = 1;
        RandomSign01(sign);
        p.b = RandomWhole(8, 2);
        RandomSign01(p.b);
        p.c = sign * p.b * p.a;
        return p;
    });
}

Tern::CrossingsTexts Tern::CrossingsGraphTexts(const CrossingsGraph& p) {
    const std::string x = NumberText(p.c / p.a), y = NumberText(p.c / p.b);
    const std::string aText = NumberText(p.a), bText = NumberText(p.b), cText = NumberText(p.c);
    const std::string aForm = CoefficientForm(p.a, aText);
    return {
        .equation = EquationText(aForm, (p.b > 0 ? "+" : "") + CoefficientForm(p.b, bText), cText),
        .onYAxis = {bText + "y=" + cText, "y=" + y, "点(0," + y + ")を通る。"},
        .onXAxis = {aForm + "x=" + cText, "x=" + x, "点(" + x + ",0)を通る。"},
    };
}

void Tern::CrossingsGraphProblem(const CrossingsGraph& p) {
    const CrossingsTexts texts = CrossingsGraphTexts(p);
    const Num x = p.c / p.a, y = p.c / p.b;

    RestartProblem(Wipe::WholeArea);
    const PlaneView plane = PlaneAt(kRandomProblemPlane);
    const Point onYAxis = plane.At(0, y), onXAxis = plane.At(x, 0);
    Put(ProblemOrigin().x, ProblemOrigin().y, ink::emphasis, "例2");
    Next(ink::text, " 次の方程式のグラフを");
    Put(104, 80, ink::text, "2点を求めてかきなさい。");
    Put(120, 140, ink::emphasis, texts.equation);
    // x=0 gives the point on the y axis, y=0 the one on the x axis.
    const struct {
        std::string_view substitute;
        const CrossingsTexts::Half& texts;
        Point at;
    } halves[] = {
        {"x=0 を代入すると、", texts.onYAxis, onYAxis},
        {"y=0 を代入すると、", texts.onXAxis, onXAxis},
    };
    for (const auto& half : halves) {
        SubstitutionSteps(half.substitute, half.texts.equation, half.texts.solved, half.texts.point);
        StepReveal();
        BigDot(half.at, ink::answer);
    }
    StepReveal();
    plane.GraphOf({.a = -p.a / p.b, .b = y, .colour = ink::emphasis});
}

// ---- Topic 7: question 3 answers ---------------------------------------------------------------

void Tern::InterceptsGraphAnswers() {
    TopicScreen(area::wide, 114);
    cursor.row = 10;
    PenWidth(5);
    const Plane place{.left = 570, .top = 70, .xFrom = -7, .xTo = 7, .yFrom = -7, .yTo = 7, .grid = true};
    const PlaneView plane = PlaneAt(place);
    Put(place.left, 10, ink::heading, "教科書P78 問3　解答");  // over the plane

    struct Question {
        std::string_view equation, atX0, atY0;
        Num equationY, firstSubY;
        Num yIntercept, xIntercept, slope;
        std::string_view label;
        Num labelDx, labelDy;
        bool substitutionsLater, extraWait;
    };
    static constexpr Question questions[] = {
        {"(1)2x-y=4", "x=0 のとき y=-4", "y=0 のとき x=2", 10, 60, -4, 2, 2, "(1)", -81, -20, false, false},
        {"(2)x+3y=-6", "x=0 のとき y=-2", "y=0 のとき x=-6", 160, 210, -2, -6, -1.0f / 3, "(2)", -81, -70,
         false, false},
        {"(3)2x-5y+10=0", "x=0 のとき y=2", "y=0 のとき x=-5", 320, 370, 2, -5, 0.4f, "(3)", -54, -50, true,
         true},
        // 10 higher and its rows 5 closer: its last row stays clear of the status band.
        {"(4)ﾀx/4ﾀ+ﾀy/3ﾀ=1", "x=0 のとき y=3", "y=0 のとき x=4", 480, 535, 3, 4, -0.75f, "(4)", -54, -80,
         true, false},
    };
    for (const Question& q : questions) {
        StepReveal();
        Put(38, q.equationY, ink::emphasis, q.equation);
        if (q.substitutionsLater) StepReveal();
        Put(114, q.firstSubY, ink::text, q.atX0);
        NewRow(50, ink::text, q.atY0);
        StepReveal();
        BigDot(plane.At(0, q.yIntercept), ink::answer);
        BigDot(plane.At(q.xIntercept, 0), ink::answer);
        StepReveal();
        plane.GraphOf({.a = q.slope,
                       .b = q.yIntercept,
                       .colour = ink::emphasis,
                       .label = q.label,
                       .labelDx = q.labelDx,
                       .labelDy = q.labelDy});
        if (q.extraWait) StepReveal();
    }
}

}  // namespace lesson
