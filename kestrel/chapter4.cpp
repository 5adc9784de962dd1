// Chapter 4: the graph of y=ax+b and its intercept: a coordinates drill,
// tables whose points merge into a line, y=2x moved up and down, and the
// intercept with the textbook's answers.
#include <string>
#include <string_view>

#include "kestrel/kestrel_program.h"

namespace lesson {

const Chapter<Kestrel> Kestrel::kGraphIntercept{
    .goal = {"①　1次関数のグラフをかき、特徴を調べよう。", "②　比例のグラフとの関係を調べよう。"},
    .choices = "①復習　②Q課題　③問1　④移動　⑤問2　⑥説明　⑦切片　⑧問3　⑨終了",
    .topics = {
        &Kestrel::QuadrantPointDrill,
        &Kestrel::DensePointsDemo,
        &Kestrel::PointsOnLineAnswer,
        &Kestrel::TranslationTopic,
        &Kestrel::TranslationDownAnswer,
        &Kestrel::MovedProportionTopic,
        &Kestrel::InterceptTopic,
        &Kestrel::InterceptAnswer,
    },
};

// ---- Coordinates drill ----------------------------------------------------------

void Kestrel::QuadrantPointDrill() {
    // The dots take the pen width in force; fix the one a pupil sees on the
    // way in from the menu, whatever ran before.
    PenWidth(3);
    RandomExerciseLoop([&] {
        PickQuadrantPoint();
        TopicScreen(area::screen, 88);
        Put(B1 - 44, B2_row, ink::text, "次の点はどれでしょう。");
        Put(B1, B2_row + 80, ink::emphasis, BB2_s);
        DrawQuadrantPlane();
        static constexpr struct {
            Num sx, sy;
            std::string_view label;
        } mirrors[] = {{1, 1, "A"}, {-1, 1, "B"}, {-1, -1, "C"}, {1, -1, "D"}};
        for (const auto& m : mirrors) PointAt(m.sx * T(1), m.sy * F(1), 12, 3, m.label, 8, -20);
        StepReveal();
        PointAt(GY5(1), t0014(1), 15, 5, "", 8, -20);
    });
    RandomExerciseLoop([&] {
        PickQuadrantPoint();
        TopicScreen(area::screen, 88);
        Put(B1 - 44, B2_row, ink::text, "次の点の座標をいいなさい。");
        DrawQuadrantPlane();
        PointAt(GY5(1), t0014(1), 15, 3, "", 22, 0);
        StepReveal();
        Put(B1, B2_row + 80, ink::answer, BB2_s);
    });
}

void Kestrel::PickQuadrantPoint() {
    const Num xw = RandomWhole(5);
    const Num b = RandomWhole(5);
    T(1) = xw;
    T(2) = -xw;
    F(1) = b;
    F(2) = -b;
    NumbersToText();
    // A repeat of the last quadrant becomes quadrant 1, so only quadrant 1
    // can come twice in a row.
    Num q = RandomWhole(4);
    if (RepeatsKept(q, AAAY)) q = 1;

    // The elements of T() and F() that make each quadrant's point.
    static constexpr int signs[4][2] = {{1, 1}, {2, 1}, {2, 2}, {1, 2}};
    const int xi = signs[static_cast<int>(q) - 1][0];
    const int yi = signs[static_cast<int>(q) - 1][1];
    GY5(1) = T(xi);
    t0014(1) = F(yi);
    BB2_s = "(" + A1_s(xi) + "," + TITLE_s(yi) + ")";
}

void Kestrel::DrawQuadrantPlane() { PlaneAt(440, 100, -6, 6, -6, 6, 44, 1); }

// ---- Ever denser points -------------------------------------------------------------

void Kestrel::DensePointsDemo() {
    // The cell borders and dots take the pen width in force; fix the one a
    // pupil sees on the way in from the menu.
    PenWidth(3);
    TopicScreen(area::text, 38);
    Put(38, 30, ink::text, "教科書P65のQを考えよう。");
    NewRow(70, ink::emphasis, "y=2x+3");

    // Whole x: -4 .. 3 in columns 2 .. 9.
    const CellStyle wholeFrame{60, 50, 0, 15, 0};
    GY5(11) = B1;
    t0014(11) = B2_row + 60;
    t0014(12) = t0014(11) + 50;
    Cell(GY5(11), t0014(11), wholeFrame, "x");
    for (int k = 2; k <= 9; ++k) Cell(GY5(11) + 60 * (k - 1), t0014(11), wholeFrame, NumberText(k - 6));
    Cell(GY5(11), t0014(12), wholeFrame, "y");
    for (int k = 2; k <= 9; ++k) Cell(GY5(11) + 60 * (k - 1), t0014(12), wholeFrame, "");
    StepReveal();
    for (int k = 2; k <= 9; ++k) {
        StepReveal();
        Cell(GY5(11) + 60 * (k - 1), t0014(12), {60, 50, 0, 15, 3}, NumberText(static_cast<Num>((k - 6) * 2 + 3)));
    }
    StepReveal();

    // One grid step is half a unit; the engine's numbers would count steps,
    // so the topic writes its own.
    PlaneAt(792, 60, -10, 8, -10, 18, 20, 14, -1);
    static constexpr struct {
        std::string_view text;
        Num right, up, down;  // from the origin: grid steps right and up, then units down
    } scale[] = {{"3", 5.5f, 0, 4}, {"-4", -9, 0, 4}, {"5", -1, 10.5f, 0}, {"-5", -2, -9.5f, 0}};
    for (const auto& s : scale) Rt().symbol(s.text, TATE + s.right * NAKA, t0001 - s.up * NAKA + s.down, 3, 2, 0);
    StepReveal();
    for (Num a1 = -8; a1 <= 6; a1 += 2) {
        PointAt(a1, 2 * a1 + 6, 8, 3);
        StepReveal();
    }
    StepReveal();

    // Halfway x: -3.5 .. 2.5 in columns 2 .. 8; -0.5 and 0.5 with their 0.
    const CellStyle halfFrame{90, 50, 0, 15, 0};
    t0014(11) = B2_row + 50;
    t0014(12) = t0014(11) + 50;
    Cell(GY5(11), t0014(11), halfFrame, "x");
    for (int k = 2; k <= 8; ++k) {
        const Num x = static_cast<Num>(k) - 5.5f;
        std::string text = NumberText(x);
        if (k == 5) text = "-0.5";
        if (k == 6) text = "0" + text;
        Cell(GY5(11) + 90 * (k - 1), t0014(11), halfFrame, text);
    }
    Cell(GY5(11), t0014(12), halfFrame, "y");
    for (int k = 2; k <= 8; ++k) Cell(GY5(11) + 90 * (k - 1), t0014(12), halfFrame, "");
    StepReveal();
    for (int k = 2; k <= 8; ++k) {
        StepReveal();
        Cell(GY5(11) + 90 * (k - 1), t0014(12), {90, 50, 0, 15, 3},
             NumberText((static_cast<Num>(k) - 5.5f) * 2 + 3));
    }
    StepReveal();
    for (Num a1 = -7; a1 <= 5; a1 += 2) {
        PointAt(a1, 2 * a1 + 6, 8, 3);
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
            PointAt(a / set.d, 2 * a / set.d + 6, 2, 3);
        }
    }
    StepReveal();
    NewRow(60, ink::answer, "グラフは直線になる。");
    NewRow(50, ink::emphasis, "y=2x+3 を満たす点(x,y)の集まり");
    StepReveal();
    NewRow(120, ink::heading, "教科書P65の問1 をしなさい。");
}

// ---- Textbook problem 1 --------------------------------------------------------------

void Kestrel::PointsOnLineAnswer() {
    // The graph's dots take the pen width in force; fix the one a pupil sees
    // on the way in from the menu.
    PenWidth(3);
    TopicScreen(area::beyond, 76);
    Put(76, 30, ink::emphasis, "教科書P65　問1の解答");
    PlaneAt(874, 60, -8, 8, -10, 18, 20, 14);
    GraphOf(3, 2, 3, 3, "y=2x+3", -189, -40);
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
        PointAt(s.x, s.y, 8, 5, s.name, 0, -10);
    }
}

// ---- y=2x moved up and down ------------------------------------------------------------

// The table of x, 2x and 2x+shift for x = -4 .. 3 from GY5(11), GY5(12) and
// the row tops t0014(11) .. t0014(13).
void Kestrel::DrawShiftTable(Num shift, Num valueWidth, std::string_view shiftedHead) {
    struct Row {
        Num fill;
        std::string_view head;
        Num factor, add;
    };
    const Row rows[] = {{15, "x", 1, 0}, {13, "2x", 2, 0}, {11, shiftedHead, 2, shift}};
    for (int r = 0; r < 3; ++r) {
        const Row& row = rows[r];
        const Num top = t0014(11 + r);
        Cell(GY5(11), top, {110, 50, 3, row.fill, 0}, row.head);
        for (int x = -4; x <= 3; ++x) {
            Cell(GY5(12) + valueWidth * static_cast<Num>(x + 4), top, {valueWidth, 50, 3, row.fill, 0},
                 NumberText(row.factor * static_cast<Num>(x) + row.add));
        }
    }
}

// The point of y=2x and of y=2x+shift for each x, in values, at x + 5 and
// x + 15 of T() and F().
void Kestrel::FillShiftPairs(int fromX, int toX, Num shift) {
    for (int x = fromX; x <= toX; ++x) {
        const Num v = static_cast<Num>(x);
        T(x + 5) = v;
        T(x + 15) = 2 * v;
        F(x + 5) = v;
        F(x + 15) = 2 * v + shift;
    }
}

// Pair i turned into pixels on the current plane: two dots and the bar
// between them.
void Kestrel::DrawShiftPair(int i) {
    T(i) = TATE + NAKA * T(i);
    T(i + 10) = t0001 - NAKA * T(i + 10);
    F(i) = TATE + NAKA * F(i);
    F(i + 10) = t0001 - NAKA * F(i + 10);
    Rt().circle(T(i), T(i + 10), 6, 5, 0, 0, true, -1);
    Rt().circle(F(i), F(i + 10), 6, 5, 0, 0, true, -1);
    Rt().line(T(i), T(i + 10), F(i), F(i + 10), 5, 2, 5);
}

void Kestrel::TranslationTopic() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::text, "y=2x+3 と y=2x の関係を調べよう");
    GY5(11) = B1;
    GY5(12) = GY5(11) + 110;
    t0014(11) = B2_row + 60;
    t0014(12) = t0014(11) + 50;
    t0014(13) = t0014(12) + 50;
    DrawShiftTable(3, 60, "2x+3");
    NewRow(70, ink::emphasis, "(1)");
    Next(ink::text, "2xの値と2x+3の値の関係は？");

    StepReveal();
    Put(B1 + 114, B2_row + 50, ink::answer, "xのどの値でも、2x+3の値が3大きい");
    PlaneAt(874, 60, -5, 5, -8, 9, 35, 14);
    GraphOf(3, 2, 3, 3, "y=2x+3", -189, -40);
    GraphOf(3, 2, 0, 7, "y=2x", -81, 150);
    FillShiftPairs(-4, 3, 3);
    NewRow(70, ink::emphasis, "(2)");
    Next(ink::text, "y=2xとy=2x+3のグラフの関係は？");

    for (int i = 1; i <= 8; ++i) {
        StepReveal();
        DrawShiftPair(i);
    }
    StepReveal();
    StepReveal();
    Put(B1 + 114, B2_row + 50, ink::emphasis, "y=2x+3のグラフはy=2xのグラフを");
    Put(B1 + 114, B2_row + 50, ink::answer, "上に３だけ移動させたもの");
    StepReveal();
    NewRow(120, ink::heading, "教科書P66の問2 をしなさい。");
}

void Kestrel::TranslationDownAnswer() {
    TopicScreen(area::text, 38);
    PenWidth(5);
    Put(38, 30, ink::text, "教科書P66の問2　解答");
    NewRow(50, ink::emphasis, "(1)");
    GY5(11) = B1;
    GY5(12) = GY5(11) + 110;
    t0014(11) = B2_row + 90;
    t0014(12) = t0014(11) + 50;
    t0014(13) = t0014(12) + 50;
    DrawShiftTable(-3, 90, "2x-3");

    StepReveal();
    PlaneAt(912, 60, -5, 5, -8, 9, 30, 14);
    GraphOf(3, 2, -3, 3, "y=2x-3", -135, 240);
    GraphOf(3, 2, 0, 7, "y=2x", -162, 50);

    StepReveal();
    FillShiftPairs(-2, 4, -3);
    NewRow(70, ink::emphasis, "(2)");
    for (int i = 3; i <= 9; ++i) DrawShiftPair(i);
    Put(B1 + 114, B2_row + 50, ink::emphasis, "y=2x-3のグラフはy=2xのグラフを");
    StepReveal();
    Put(B1 + 114, B2_row + 50, ink::answer, "下に3だけ移動させたもの");
}

// ---- y=ax+b as y=ax moved --------------------------------------------------------------

// The arrow on the y axis from the origin to (0, b), its head at (0, b).
void Kestrel::DrawShiftArrow(Num b, Num headSide) {
    P2 = TATE;
    BB = t0001;
    XI0 = TATE;
    SITA = t0001 - b * NAKA;
    IROIRO = headSide;
    UE = 0;
    NO = 5;
    P = 16;
    DrawArrow();
}

void Kestrel::MovedProportionTopic() {
    FramedScreen(area::text, 570, 275, "<比例のグラフとの関係>");
    NewRow(50, ink::text, "１次関数y=ax+b　のグラフは、");
    NewRow(50, ink::text, "y=ax のグラフを");
    NewRow(50, ink::answer, "y軸の正の方向にbだけ平行移動");
    NewRow(50, ink::text, "させた");
    Next(ink::emphasis, "直線");

    PenWidth(4);
    PlaneAt(152, 320, -2, 2, -2, 8, 30, 0);
    GraphOf(3, 1.5f, 3, 3, "y=ax+b", -189, 0);
    GraphOf(3, 1.5f, 0, 7, "y=ax", -54, 100);
    Label(TATE + 20, t0001 - 3 * NAKA, ink::answer, "b");
    DrawShiftArrow(3, 1);

    PlaneAt(418, 320, -2, 2, -6, 4, 30, 0);
    GraphOf(3, 1.5f, -3, 3, "y=ax+b", -81, 100);
    GraphOf(3, 1.5f, 0, 7, "y=ax", -135, 0);
    Label(TATE + 20, t0001 + NAKA, ink::answer, "b");
    DrawShiftArrow(-3, 0);
}

// ---- The intercept ----------------------------------------------------------------------

void Kestrel::InterceptTopic() {
    FramedScreen(area::text, 722, 175, "<比例のグラフとの関係>");
    NewRow(50, ink::text, "y=ax+bのグラフは、y=axのグラフを");
    NewRow(50, ink::answer, "y軸の正の方向にbだけ平行移動");
    Next(ink::text, "させた");
    Next(ink::emphasis, "直線");

    B2_row += 90;
    Frame({38, B2_row - 10}, 608, 225, ink::emphasis);
    Put(76, B2_row, ink::answer, "<切片>");
    NewRow(50, ink::answer, "b");
    Next(ink::text, "を１次関数のグラフの");
    Next(ink::answer, "切片");
    Next(ink::text, "という。");
    NewRow(50, ink::text, "①x=0のときのyの値");
    NewRow(50, ink::text, "②y軸と交わる点(0,b)のy座標");

    PenWidth(5);
    PlaneAt(836, 60, -3, 2, -2, 8, 50, 0);
    GraphOf(3, 1.5f, 3, 3, "y=ax+b", -81, -80);
    PointAt(0, 3, 8, 5);
    Label(TATE - 135, t0001 - 3.5f * NAKA, ink::answer, "(0,b)");

    StepReveal();
    NewRow(80, ink::text, "y=ax+b　のグラフは、y=ax のグラフに", -38);
    NewRow(50, ink::answer, "平行", -38);
    Next(ink::text, "で");
    Next(ink::answer, "点(0,b)");
    Next(ink::text, "を通る");
    Next(ink::answer, "直線");
    GraphOf(3, 1.5f, 0, 0, "y=ax", -54, -50);

    StepReveal();
    Put(B1 + 38, 570, ink::text, "教科書P66の問3 をしなさい。");
}

void Kestrel::InterceptAnswer() {
    TopicScreen(area::text, 570);
    PenWidth(5);
    Put(570, 30, ink::emphasis, "教科書P66の問3　解答");
    PlaneAt(114, 100, -3, 5, -2, 11, 40, 14);
    GraphOf(3, 2, 4, 3, "y=2x+4", -81, 150);
    PointAt(0, 4, 8, 5);
    NewRow(50, ink::text, "(1) y軸と交わる点の座標 ");
    StepReveal();
    Next(ink::answer, "(0,4)");
    NewRow(50, ink::text, "(2) 切片 ");
    StepReveal();
    Next(ink::answer, "4");
}

}  // namespace lesson
