// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 4: the graph of y=ax+b and its intercept: a coordinates drill,
// tables whose points merge into a line, y=2x moved up and down, and the
// intercept with the textbook's answers.
#include <cmath>
#include <string>
#include <string_view>

#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kGraphIntercept{
    .goal = {"①　1次関数のグラフをかき、特徴を調べよう。", "②　比例のグラフとの関係を調べよう。"},
    .choices = "①復習　②Q課題　③問1　④移動　⑤問2　⑥説明　⑦切片　⑧問3　⑨終了",
    .topics = {&Kestrel::QuadrantPointDrill, &Kestrel::DensePointsDemo, &Kestrel::PointsOnLineAnswer,
               &Kestrel::TranslationTopic, &Kestrel::TranslationDownAnswer, &Kestrel::MovedProportionTopic,
               &Kestrel::InterceptTopic, &Kestrel::InterceptAnswer},
};

// ---- Coordinates drill ----------------------------------------------------------

void Kestrel::QuadrantPointDrill() {
    // The dots take the pen width in force; fix the one a pupil sees on the
    // way in from the menu, whatever ran before.
    PenWidth(3);
    RandomExerciseLoop([&] {
        const QuadrantPoint point = PickQuadrantPoint();
        TopicScreen(area::screen, 88);
        Put(cursor.margin - 44, cursor.row, ink::text, "次の点はどれでしょう。");
        Put(cursor.margin, cursor.row + 80, ink::emphasis, CoordinatesText(point));
        const PlaneView plane = DrawQuadrantPlane();
        // The point and its mirror images, one in each quadrant.
        static constexpr struct {
            Num sx, sy;
            std::string_view label;
        } mirrors[] = {{1, 1, "A"}, {-1, 1, "B"}, {-1, -1, "C"}, {1, -1, "D"}};
        // Each letter away from the x axis, over a point above it and under
        // one below (over it on the bottom row, off the plane's edge), but on
        // the other side where that would meet the y axis's "5" or "-5"
        // (x = -1 and y = 4, 5, -4 or -5).
        const Num across = std::fabs(point.x), up = std::fabs(point.y);
        for (const auto& m : mirrors) {
            const bool besideFive = m.sx < 0 && across == 1 && up >= 4;
            const bool under = (m.sy < 0 && up < 5) != besideFive;
            plane.PointAt(m.sx * across, m.sy * up,
                          {.radius = 12,
                           .colour = ink::emphasis,
                           .label = m.label,
                           .labelDx = 8,
                           .labelDy = under ? 60.0f : -20.0f});
        }
        StepReveal();
        plane.PointAt(point.x, point.y, {.radius = 15, .colour = ink::answer, .labelDx = 8, .labelDy = -20});
    });
    RandomExerciseLoop([&] {
        const QuadrantPoint point = PickQuadrantPoint();
        TopicScreen(area::screen, 88);
        Put(cursor.margin - 44, cursor.row, ink::text, "次の点の座標をいいなさい。");
        DrawQuadrantPlane().PointAt(point.x, point.y, {.radius = 15, .colour = ink::emphasis, .labelDx = 22});
        StepReveal();
        Put(cursor.margin, cursor.row + 80, ink::answer, CoordinatesText(point));
    });
}

Kestrel::QuadrantPoint Kestrel::PickQuadrantPoint() {
    return Problem<QuadrantPoint>([&] {
        const Num across = RandomWhole(5);
        const Num up = RandomWhole(5);
        // A repeat of the last quadrant becomes quadrant 1, so only quadrant 1
        // can come twice in a row.
        Num q = RandomWhole(4);
        if (RepeatsKept(q, lastDrillQuadrant)) q = 1;
        const bool right = q == 1 || q == 4, above = q == 1 || q == 2;
        return QuadrantPoint{right ? across : -across, above ? up : -up};
    });
}

std::string Kestrel::CoordinatesText(const QuadrantPoint& point) {
    return "(" + NumberText(point.x) + "," + NumberText(point.y) + ")";
}

Lesson::PlaneView Kestrel::DrawQuadrantPlane() {
    return PlaneAt(
        {.left = 440, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .step = 44, .grid = true});
}

// ---- Ever denser points -------------------------------------------------------------

void Kestrel::DensePointsDemo() {
    // The cell borders and dots take the pen width in force; fix the one a
    // pupil sees on the way in from the menu.
    PenWidth(3);
    TopicScreen(area::text, 38);
    Put(38, 30, ink::text, "教科書P65のQを考えよう。");
    NewRow(70, ink::emphasis, "y=2x+3");

    // Whole x: -4 .. 3 in columns 2 .. 9.
    const CellStyle wholeFrame{60, 50, ink::text, ink::page, ink::text};
    const Num tableLeft = cursor.margin;
    Num xRow = cursor.row + 60;
    Num yRow = xRow + 50;
    Cell(tableLeft, xRow, wholeFrame, "x");
    for (int k = 2; k <= 9; ++k) Cell(tableLeft + 60 * (k - 1), xRow, wholeFrame, NumberText(k - 6));
    Cell(tableLeft, yRow, wholeFrame, "y");
    for (int k = 2; k <= 9; ++k) Cell(tableLeft + 60 * (k - 1), yRow, wholeFrame, "");
    StepReveal();
    for (int k = 2; k <= 9; ++k) {
        StepReveal();
        Cell(tableLeft + 60 * (k - 1), yRow, {60, 50, ink::text, ink::page, ink::emphasis},
             NumberText(static_cast<Num>((k - 6) * 2 + 3)));
    }
    StepReveal();

    // One grid step is half a unit; the engine's numbers would count steps,
    // so the topic writes its own.
    const PlaneView plane = PlaneAt({.left = 792,
                                     .top = 60,
                                     .xFrom = -10,
                                     .xTo = 8,
                                     .yFrom = -10,
                                     .yTo = 18,
                                     .step = 20,
                                     .grid = true,
                                     .scaleNumbers = false});
    // "-4" stands lower than "3": at the same height its minus would lie
    // along the first grid line under the axis and read as part of it.
    static constexpr struct {
        std::string_view text;
        Num right, up, down;  // from the origin: grid steps right and up, then units down
    } scale[] = {{"3", 5.5f, 0, 4}, {"-4", -9, 0, 8}, {"5", -1, 10.5f, 0}, {"-5", -2, -9.5f, 0}};
    // Plain gothic at the default size, not the plane's scale size.
    const TextStyle scaleStyle = rt::gothic();
    for (const auto& s : scale) {
        const Point at = plane.At(s.right, s.up);
        ScaledText({at.x, at.y + s.down}, s.text, 3, 2, ink::text, scaleStyle);
    }
    StepReveal();
    for (Num a1 = -8; a1 <= 6; a1 += 2) {
        plane.PointAt(a1, 2 * a1 + 6, {.radius = 8, .colour = ink::emphasis});
        StepReveal();
    }
    StepReveal();

    // Halfway x: -3.5 .. 2.5 in columns 2 .. 8; -0.5 and 0.5 with their 0.
    // "-3.5" is 89 units wide: in a 90-unit cell its minus would touch the
    // rule and read as a tee. The "x" column is as narrow as the whole
    // table's, so each value gets room within the same overall width.
    const CellStyle halfHeading{60, 50, ink::text, ink::page, ink::text};
    constexpr Num halfWidth = 95;
    const CellStyle halfFrame{halfWidth, 50, ink::text, ink::page, ink::text};
    auto halfColumn = [&](int k) {
        return tableLeft + halfHeading.width + halfWidth * static_cast<Num>(k - 2);
    };
    xRow = cursor.row + 50;
    yRow = xRow + 50;
    Cell(tableLeft, xRow, halfHeading, "x");
    for (int k = 2; k <= 8; ++k) {
        const Num x = static_cast<Num>(k) - 5.5f;
        std::string text = NumberText(x);
        if (k == 5) text = "-0.5";
        if (k == 6) text = "0" + text;
        Cell(halfColumn(k), xRow, halfFrame, text);
    }
    Cell(tableLeft, yRow, halfHeading, "y");
    for (int k = 2; k <= 8; ++k) Cell(halfColumn(k), yRow, halfFrame, "");
    StepReveal();
    for (int k = 2; k <= 8; ++k) {
        StepReveal();
        Cell(halfColumn(k), yRow, {halfWidth, 50, ink::text, ink::page, ink::emphasis},
             NumberText((static_cast<Num>(k) - 5.5f) * 2 + 3));
    }
    StepReveal();
    for (Num a1 = -7; a1 <= 5; a1 += 2) {
        plane.PointAt(a1, 2 * a1 + 6, {.radius = 8, .colour = ink::emphasis});
        StepReveal();
    }
    NewRow(60, ink::heading, "もっと細かく点をとるとどうなるだろう。");

    // Each set runs over x = -4 .. 3 with a finer step: 1/4, 1/8, 1/12, 1/20.
    static constexpr struct {
        int from, to;
        Num d;
    } sets[] = {{-16, 12, 2}, {-32, 24, 4}, {-48, 36, 6}, {-80, 60, 10}};
    for (const auto& set : sets) {
        StepReveal();
        for (int a1 = set.from; a1 <= set.to; ++a1) {
            const Num a = static_cast<Num>(a1);
            plane.PointAt(a / set.d, 2 * a / set.d + 6, {.radius = 2, .colour = ink::emphasis});
        }
    }
    StepReveal();
    NewRow(60, ink::answer, "グラフは直線になる。");
    NewRow(50, ink::emphasis, "y=2x+3 を満たす点(x,y)の集まり");
    StepReveal();
    NewRow(115, ink::heading, "教科書P65の問1 をしなさい。");  // clear of the status band
}

// ---- Textbook problem 1 --------------------------------------------------------------

void Kestrel::PointsOnLineAnswer() {
    // The graph's dots take the pen width in force; fix the one a pupil sees
    // on the way in from the menu.
    PenWidth(3);
    TopicScreen(area::beyond, 76);
    Put(76, 30, ink::emphasis, "教科書P65　問1の解答");
    const PlaneView plane = PlaneAt(
        {.left = 874, .top = 60, .xFrom = -8, .xTo = 8, .yFrom = -10, .yTo = 18, .step = 20, .grid = true});
    plane.GraphOf(
        {.a = 2, .b = 3, .colour = ink::emphasis, .label = "y=2x+3", .labelDx = -189, .labelDy = -40});
    // Each point: x substituted, y worked out a key at a time, then the point.
    static constexpr struct {
        Num rowStep;
        std::string_view name, question, product, sum, value, point;
        Num x, y;
    } substitutions[] = {
        {50, "A", "x=3.5をy=2x+3 に代入すると", "2*3.5+3=", "7+3=", "10 ", "A(3.5,10)", 3.5f, 10},
        {90, "B", "x=-5をy=2x+3 に代入すると", "2*(-5)+3=", "-10+3=", "-7 ", "B(-5,-7)", -5, -7},
    };
    for (const auto& s : substitutions) {
        if (&s != substitutions) StepReveal();
        NewRow(s.rowStep, ink::emphasis, s.name, -38);
        Next(ink::text, s.question);
        StepReveal();
        NewRow(50, ink::text, "y=");
        StepReveal();
        Next(ink::text, s.product);
        StepReveal();
        Next(ink::text, s.sum);
        Next(ink::emphasis, s.value);
        StepReveal();
        Next(ink::answer, s.point);
        plane.PointAt(s.x, s.y, {.radius = 8, .colour = ink::answer, .label = s.name, .labelDy = -10});
    }
}

// ---- y=2x moved up and down ------------------------------------------------------------

// The table of x, 2x and 2x+shift for x = -4 .. 3, its top-left corner at
// `at`: the heads 110 wide, then the values, rows 50 apart.
void Kestrel::DrawShiftTable(Point at, Num shift, Num valueWidth, std::string_view shiftedHead) {
    struct Row {
        Colour fill;
        std::string_view head;
        Num factor, add;
    };
    const Row rows[] = {
        {ink::page, "x", 1, 0}, {ink::accent, "2x", 2, 0}, {ink::paleCyan, shiftedHead, 2, shift}};
    const Num valuesLeft = at.x + 110;
    for (int r = 0; r < 3; ++r) {
        const Row& row = rows[r];
        const Num top = at.y + 50 * static_cast<Num>(r);
        Cell(at.x, top, {110, 50, ink::emphasis, row.fill, ink::text}, row.head);
        for (int x = -4; x <= 3; ++x) {
            Cell(valuesLeft + valueWidth * static_cast<Num>(x + 4), top,
                 {valueWidth, 50, ink::emphasis, row.fill, ink::text},
                 NumberText(row.factor * static_cast<Num>(x) + row.add));
        }
    }
}

// The graphs' labels keep clear of the shift pairs drawn after them.
void Kestrel::KeepShiftPairsClear(const PlaneView& plane, Num from, Num to, Num shift) {
    for (Num x = from; x <= to; ++x) {
        KeepClear(plane.At(x, 2 * x), 6 + 3);
        KeepClear(plane.At(x, 2 * x + shift), 6 + 3);
    }
}

// The points of y=2x and of y=2x+shift at x: two dots and the bar between them.
void Kestrel::DrawShiftPair(const PlaneView& plane, Num x, Num shift) {
    const Point onLine = plane.At(x, 2 * x), moved = plane.At(x, 2 * x + shift);
    Disc(onLine, 6, ink::answer);
    Disc(moved, 6, ink::answer);
    FilledBox(onLine, moved, ink::answer, ink::answer);
}

void Kestrel::TranslationTopic() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::text, "y=2x+3 と y=2x の関係を調べよう");
    DrawShiftTable({cursor.margin, cursor.row + 60}, 3, 60, "2x+3");
    NewRow(70, ink::emphasis, "(1)");
    Next(ink::text, "2xの値と2x+3の値の関係は？");

    StepReveal();
    Put(cursor.margin + 114, cursor.row + 50, ink::answer, "xのどの値でも、2x+3の値が3大きい");
    const PlaneView plane = PlaneAt(
        {.left = 874, .top = 60, .xFrom = -5, .xTo = 5, .yFrom = -8, .yTo = 9, .step = 35, .grid = true});
    KeepShiftPairsClear(plane, -4, 3, 3);
    plane.GraphOf(
        {.a = 2, .b = 3, .colour = ink::emphasis, .label = "y=2x+3", .labelDx = -189, .labelDy = -40});
    plane.GraphOf({.a = 2, .b = 0, .colour = ink::heading, .label = "y=2x", .labelDx = -81, .labelDy = 150});
    NewRow(70, ink::emphasis, "(2)");
    Next(ink::text, "y=2xとy=2x+3のグラフの関係は？");

    for (int x = -4; x <= 3; ++x) {
        StepReveal();
        DrawShiftPair(plane, static_cast<Num>(x), 3);
    }
    StepReveal();
    StepReveal();
    Put(cursor.margin + 114, cursor.row + 50, ink::emphasis, "y=2x+3のグラフはy=2xのグラフを");
    Put(cursor.margin + 114, cursor.row + 50, ink::answer, "上に３だけ移動させたもの");
    StepReveal();
    NewRow(115, ink::heading, "教科書P66の問2 をしなさい。");  // clear of the status band
}

void Kestrel::TranslationDownAnswer() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::text, "教科書P66の問2　解答");
    NewRow(50, ink::emphasis, "(1)");
    DrawShiftTable({cursor.margin, cursor.row + 90}, -3, 90, "2x-3");

    StepReveal();
    const PlaneView plane = PlaneAt(
        {.left = 912, .top = 60, .xFrom = -5, .xTo = 5, .yFrom = -8, .yTo = 9, .step = 30, .grid = true});
    KeepShiftPairsClear(plane, -2, 4, -3);
    plane.GraphOf(
        {.a = 2, .b = -3, .colour = ink::emphasis, .label = "y=2x-3", .labelDx = -135, .labelDy = 240});
    plane.GraphOf({.a = 2, .b = 0, .colour = ink::heading, .label = "y=2x", .labelDx = -162, .labelDy = 50});

    StepReveal();
    NewRow(70, ink::emphasis, "(2)");
    for (int x = -2; x <= 4; ++x) DrawShiftPair(plane, static_cast<Num>(x), -3);
    Put(cursor.margin + 114, cursor.row + 50, ink::emphasis, "y=2x-3のグラフはy=2xのグラフを");
    StepReveal();
    Put(cursor.margin + 114, cursor.row + 50, ink::answer, "下に3だけ移動させたもの");
}

// ---- y=ax+b as y=ax moved --------------------------------------------------------------

// On each plane b beside the y axis and the arrow from the origin up or down to (0, b).
void Kestrel::MovedProportionTopic() {
    FramedScreen(area::text, 570, 275, "<比例のグラフとの関係>");
    NewRow(50, ink::text, "１次関数y=ax+b　のグラフは、");
    NewRow(50, ink::text, "y=ax のグラフを");
    NewRow(50, ink::answer, "y軸の正の方向にbだけ平行移動");
    NewRow(50, ink::text, "させた");
    Next(ink::emphasis, "直線");

    PenWidth(4);
    const PlaneView above =
        PlaneAt({.left = 152, .top = 320, .xFrom = -2, .xTo = 2, .yFrom = -2, .yTo = 8, .step = 30});
    above.GraphOf({.a = 1.5f, .b = 3, .colour = ink::emphasis, .label = "y=ax+b", .labelDx = -189});
    above.GraphOf(
        {.a = 1.5f, .b = 0, .colour = ink::heading, .label = "y=ax", .labelDx = -54, .labelDy = 100});
    const Point up = above.At(0, 3);
    Label(up.x + 20, up.y, ink::answer, "b");
    const Point upFrom = above.At(0, 0);
    ArrowTo(upFrom.x, upFrom.y, up.x, up.y, ink::answer);

    const PlaneView below =
        PlaneAt({.left = 418, .top = 320, .xFrom = -2, .xTo = 2, .yFrom = -6, .yTo = 4, .step = 30});
    below.GraphOf(
        {.a = 1.5f, .b = -3, .colour = ink::emphasis, .label = "y=ax+b", .labelDx = -81, .labelDy = 100});
    below.GraphOf({.a = 1.5f, .b = 0, .colour = ink::heading, .label = "y=ax", .labelDx = -135});
    const Point label = below.At(0, -1), down = below.At(0, -3), downFrom = below.At(0, 0);
    Label(label.x + 20, label.y, ink::answer, "b");
    ArrowTo(downFrom.x, downFrom.y, down.x, down.y, ink::answer);
}

// ---- The intercept ----------------------------------------------------------------------

void Kestrel::InterceptTopic() {
    FramedScreen(area::text, 722, 175, "<比例のグラフとの関係>");
    NewRow(50, ink::text, "y=ax+bのグラフは、y=axのグラフを");
    NewRow(50, ink::answer, "y軸の正の方向にbだけ平行移動");
    Next(ink::text, "させた");
    Next(ink::emphasis, "直線");

    cursor.row += 90;
    Frame({38, cursor.row - 10}, 608, 225, ink::emphasis);
    Put(76, cursor.row, ink::answer, "<切片>");
    NewRow(50, ink::answer, "b");
    Next(ink::text, "を１次関数のグラフの");
    Next(ink::answer, "切片");
    Next(ink::text, "という。");
    NewRow(50, ink::text, "①x=0のときのyの値");
    NewRow(50, ink::text, "②y軸と交わる点(0,b)のy座標");

    PenWidth(5);
    const PlaneView plane =
        PlaneAt({.left = 836, .top = 60, .xFrom = -3, .xTo = 2, .yFrom = -2, .yTo = 8, .step = 50});
    plane.GraphOf(
        {.a = 1.5f, .b = 3, .colour = ink::emphasis, .label = "y=ax+b", .labelDx = -81, .labelDy = -80});
    plane.PointAt(0, 3, {.radius = 8, .colour = ink::answer});
    const Point label = plane.At(0, 3.5f);
    Label(label.x - 135, label.y, ink::answer, "(0,b)");

    StepReveal();
    NewRow(80, ink::text, "y=ax+b　のグラフは、y=ax のグラフに", -38);
    NewRow(50, ink::answer, "平行", -38);
    Next(ink::text, "で");
    Next(ink::answer, "点(0,b)");
    Next(ink::text, "を通る");
    Next(ink::answer, "直線");
    plane.GraphOf({.a = 1.5f, .b = 0, .colour = ink::text, .label = "y=ax", .labelDx = -54, .labelDy = -50});

    StepReveal();
    Put(cursor.margin + 38, 570, ink::text, "教科書P66の問3 をしなさい。");
}

void Kestrel::InterceptAnswer() {
    TopicScreen(area::text, 570);
    PenWidth(5);
    Put(570, 30, ink::emphasis, "教科書P66の問3　解答");
    const PlaneView plane =
        PlaneAt({.left = 114, .top = 100, .xFrom = -3, .xTo = 5, .yFrom = -2, .yTo = 11, .grid = true});
    plane.GraphOf(
        {.a = 2, .b = 4, .colour = ink::emphasis, .label = "y=2x+4", .labelDx = -81, .labelDy = 150});
    plane.PointAt(0, 4, {.radius = 8, .colour = ink::answer});
    NewRow(50, ink::text, "(1) y軸と交わる点の座標 ");
    StepReveal();
    Next(ink::answer, "(0,4)");
    NewRow(50, ink::text, "(2) 切片 ");
    StepReveal();
    Next(ink::answer, "4");
}

}  // namespace lesson
