// Chapter 6: worked answers of the textbook's chapter exercises B (page 93).
#include <array>

#include "plover/plover_program.h"

namespace lesson {

const Chapter<Plover> Plover::kExercisesB{
    .choices = "P93 章の問題B ①1　②2　③3　④終了",
    .topics = {
        &Plover::ExerciseB1Answers,
        &Plover::ExerciseB2Answers,
        &Plover::ExerciseB3Answers,
    },
};

// ---- Exercise 1 ----------------------------------------------------------------------------

void Plover::ExerciseB1Answers() {
    TopicScreen(1760, 1800, 38);
    PenWidth(5);
    PageHeading(B1, 30, "P93 章の問題B", 114, "1(1)");
    Put(B1, 90, 3, "y=x-6 とx軸上で交わる");
    Next(0, "から");
    NewRow(50, 0, "y=0 を代入して 0=x-6 x=6");
    StepReveal();
    NewRow(50, 3, "点(6,0) を通る。");
    StepReveal();
    NewRow(50, 3, "求める式をy=ax+b");
    Next(0, "とする。");
    NewRow(50, 0, "x=6,y=0とx=-2,y=2を代入して");
    StepReveal();
    BracedSystem(B1, B2_row + 50, "0=6a+b…①", "2=-2a+b…②");

    StepReveal();
    B1 = 760;
    B2_row = 30;
    Put(B1, B2_row, 3, "①-②");
    ColumnsAt(B1, B2_row + 50, "0= 6a+b", "2=-2a+b", "-");
    Label(B1, B2_row - 25, 3, "+-  +  -");
    Put(GX5 - 27, B2_row + 50, 0, "-2=8a");
    Put(GX5, B2_row + 60, 3, "a=-ﾀ1/4ﾀ");
    StepReveal();
    NewRow(60, 3, "a=-ﾀ1/4ﾀ を①に代入して");
    NewRow(60, 0, "0=6*(-ﾀ1/4ﾀ)+b=-ﾀ3/2ﾀ+b");
    NewRow(60, 3, "b=ﾀ3/2ﾀ");
    NewRow(60, 5, "答 y=-ﾀ1/4ﾀx+ﾀ3/2ﾀ");

    StepReveal();
    TopicScreen(1760, 1800, 38);
    PenWidth(5);
    PageHeading(B1, 30, "P93 章の問題B", 114, "1(2)");
    Put(B1, 90, 3, "y=3x-1 と平行");
    Next(0, "だから ");
    NewRow(50, 3, "求める式をy=3x+b…①");
    Next(0, "とする。");
    StepReveal();
    NewRow(60, 0, "y=ﾀ1/2ﾀx…②,y=-2x+5…③ の交点は");
    NewRow(60, 0, "②を③に代入して");
    StepReveal();
    NewRow(60, 0, "ﾀ1/2ﾀx=-2x+5");
    NewRow(60, 0, "x=-4x+10");
    NewRow(50, 0, "x+4x=10");
    NewRow(50, 0, "5x=10");
    NewRow(50, 3, "x=2");

    StepReveal();
    B1 = 760;
    B2_row = 30;
    NewRow(50, 3, "x=2 を②に代入して");
    NewRow(60, 0, "y=ﾀ1/2ﾀ*2=");
    Next(0, "1");
    StepReveal();
    NewRow(60, 3, "x=2,y=1 を①に代入して");
    NewRow(50, 0, "1=3*2+b=6+b");
    NewRow(50, 3, "b=1-6=-5");
    NewRow(60, 5, "答 y=3x-5");
}

// ---- Exercise 2 ----------------------------------------------------------------------------

void Plover::DrawExerciseB2Figure() {
    GridFrame(152, 130, 15, 3, 70);
    // Figure 1 in centimetres from its A, P on AB; figure 2 stands 8 cm
    // further right with P 1 cm above its B.
    static constexpr Num figure1[4][2] = {{0, 0}, {4, 0}, {4, 3}, {2.5f, 0}};
    for (int k = 1; k <= 4; ++k) {
        GY5(k) = figure1[k - 1][0];
        t0014(k) = figure1[k - 1][1];
        GY5(10 + k) = GY5(k) + 8;
        t0014(10 + k) = t0014(k);
    }
    GY5(14) = GY5(12);
    t0014(14) = t0014(12) + 1;
    for (int k : {1, 2, 3, 4, 11, 12, 13, 14}) {
        GY5(k) = TATE + 70 * GY5(k);
        t0014(k) = t0001 - 70 * t0014(k);
    }

    auto rightAngleAtB = [&](int a) {
        P2 = GY5(a + 1);
        BB = t0014(a + 1);
        ZY0 = GY5(a + 2);
        A21 = t0014(a + 2);
        FMAESU = GY5(a);
        KAKKO1 = t0014(a);
        P = 25;
        NO = 5;
        BAIY = -1;
        DrawRightAngleMark();
    };

    // Figure 1's letters at the distance the usual way in leaves, whatever an
    // earlier screen left.
    P = 0;
    LetteredPolygon({1, 2, 3});
    ShadePolygon({1, 4, 3});
    MarkPointP(4, -10, 4);
    Label(HI - 40, ZX, 3, "(1) PがAB上");
    ArcOver(GY5(1), t0014(1), GY5(2), t0014(2), 60, 1, 5, 7, 7, "4cm");
    ArcOver(GY5(2), t0014(2), GY5(3), t0014(3), 20, 1, 5, 7, 7, "3cm");
    rightAngleAtB(1);

    P = 4;
    LetteredPolygon({11, 12, 13});
    ShadePolygon({11, 14, 13});
    MarkPointP(14, 18, -22);
    Label(GY5(11) - 40, ZX, 3, "(2) PがBC上");
    rightAngleAtB(11);
}

void Plover::ExerciseB2Answers() {
    TopicScreen(1760, 1800, 76);
    PenWidth(5);
    PageHeading(B1, 30, "P93 章の問題B", 114, "2");
    DrawExerciseB2Figure();
    auto arc = [&](int from, int to, Num side, Num step, Num colour, std::string_view label) {
        ArcOver(GY5(from), t0014(from), GY5(to), t0014(to), 20, side, step, colour, colour, label);
    };
    Label(GY5(4) - 108, t0014(1) - 60, 3, "ycm^2");
    arc(1, 4, 1, 5, 3, "xcm");

    StepReveal();
    Put(GY5(1), t0014(2) + 150, 0, "y=ﾀ1/2ﾀ*x*3");
    Put(GY5(1), B2_row + 80, 5, "y=ﾀ3/2ﾀx");
    Next(3, "(0≦x≦4)");
    arc(11, 12, 1, 3, 7, "");
    arc(12, 14, 1, 10, 7, "xcm");
    arc(13, 14, -1, 8, 5, "(7-x)cm");

    StepReveal();
    Put(GY5(11), t0014(12) + 80, 0, "y=ﾀ1/2ﾀ*(7-x)*4");
    Put(GY5(11), B2_row + 60, 0, "y=2(7-x)");
    Put(GY5(11), B2_row + 50, 5, "y=14-2x");
    Next(3, "(4≦x≦7)");

    StepReveal();
    TopicScreen(1760, 1800, 114);
    PenWidth(5);
    PageHeading(B1, 30, "P93 章の問題B", 114, "2(3)");
    NewRow(70, 3, "① PがAB上", -76);
    NewRow(50, 0, "y=ﾀ3/2ﾀx(0≦x≦4)");
    NewRow(70, 3, "② PがBC上", -76);
    NewRow(50, 0, "y=-2x+14(4≦x≦7)");
    PlaneAt(646, 150, 0, 8, 0, 7, 40, 14);
    DrawAreaUnitLabels();
    AreaGraphPiece(1.5f, 0, 0, 4);
    AreaGraphPiece(-2, 14, 4, 7);
}

// ---- Exercise 3 ----------------------------------------------------------------------------

void Plover::DrawExerciseB3Figure(std::initializer_list<int> elements, std::string_view pLabel) {
    auto store = [&](std::initializer_list<int> indices) {
        for (int k : indices) {
            GY5(k) = HOUKOU;
            t0014(k) = N2;
        }
    };
    for (int element : elements) {
        switch (element) {
            case 1:
                PlaneAt(760, 100, -3, 12, -1, 12, 30, 0);
                break;
            case 2:
                XJ1 = -3;
                YJ1 = 12;
                GraphOf(3, 2, 4, 0, "m", 0, -10);
                break;
            case 3:
                // The label goes to the plane's top-left corner, clear of m.
                XJ1 = -3;
                YJ1 = 12;
                GraphOf(3, -1, 10, 0, "n", -14 * NAKA, -13 * NAKA);
                break;
            case 4:
                PointAt(-2, 0, 6, 0, "A", -10, -10);
                store({1, 10});
                break;
            case 5:
                PointAt(10, 0, 6, 0, "B", 10, -10);
                store({2});
                break;
            case 6:
                PointAt(2, 8, 6, 0, pLabel, 40, 20);
                store({3});
                break;
            case 7:
                // The y axis is drawn again so that it shows through the fill.
                ShadePolygon({1, 2, 3});
                PenWidth(3);
                Rt().line(TATE, ZX, TATE, GX3, 0);
                PenWidth(5);
                break;
            case 8:
                Label(GY5(1) - 20, t0014(1) + 25, 3, "-2");
                break;
            case 9:
                Label(GY5(2) - 27, t0014(2) + 25, 3, "10");
                break;
            case 10:
                ArcOver(GY5(10), t0014(10), GY5(2), t0014(2), 20, 1, 5, 7, 7, "12cm");
                break;
            default:
                break;
        }
    }
}

void Plover::ExerciseB3Answers() {
    TopicScreen(1760, 1800, 76);
    const Num A1 = 40;  // the x of the question labels
    PenWidth(5);
    PageHeading(B1, 30, "P93 章の問題B", 40, "3");
    DrawExerciseB3Figure({1, 2, 3, 4, 5, 6, 8}, "P");

    StepReveal();
    Put(A1, 90, 3, "(1)");
    Next(0, "y=2x+b に");
    NewRow(50, 0, "x=-2,y=0 を代入して");
    StepReveal();
    NewRow(50, 0, "0=2*(-2)+b ");
    StepReveal();
    Next(0, "0=-4+b ");
    StepReveal();
    Next(3, "b=4 ");

    StepReveal();
    DrawExerciseB3Figure({7}, "");
    Put(A1, B2_row + 60, 3, "(2)");
    Next(7, "Pの座標は");
    const Num pRow = B2_row;
    BracedSystem(B1, B2_row + 50, "y=2x+4…①", "y=-x+10…②");
    const Num cx = YI1 + 40;
    StepReveal();
    NewRow(50, 3, "①-②");
    StepReveal();
    ColumnsAt(B1, B2_row + 50, "y=2x+4", "y=-x+10", "-");
    StepReveal();
    Label(B1, B2_row - 25, 3, "+-  + -");
    StepReveal();
    Put(GX5, B2_row + 50, 0, "0=3x-6");
    StepReveal();
    NewRow(50, 0, "3x=6");
    Next(3, " x=2");

    StepReveal();
    B1 = cx;
    B2_row = pRow;
    NewRow(50, 3, "②に代入して");
    StepReveal();
    NewRow(50, 0, "y=-2+10=");
    Next(3, "8");
    StepReveal();
    Label(cx, pRow, 7, "P(2,8)");
    StepReveal();
    DrawExerciseB3Figure({6}, "P(2,8)");

    StepReveal();
    PointAt(2, 0, 1, 3);
    GY5(4) = HOUKOU;
    t0014(4) = N2;
    ArcOver(GY5(3), t0014(3), GY5(4), t0014(4), 0, -1, 5, 7, 7, "8cm");
    NewRow(50, 0, "△ABPの高さは");
    Next(3, "8cm");
    StepReveal();
    NewRow(50, 0, "Bのx座標は");
    Next(3, "10");
    PointAt(0, 10, 1, 0);
    GY5(5) = HOUKOU;
    t0014(5) = N2;
    Label(GY5(5) - 54, t0014(5), 3, "10");
    DrawExerciseB3Figure({9}, "");
    StepReveal();
    DrawExerciseB3Figure({10}, "");
    NewRow(50, 0, "だから、底辺は");
    Next(3, "12cm");
    StepReveal();
    NewRow(70, 7, "面積は、");
    Next(0, "ﾀ1/2ﾀ*12*8=");
    Next(5, "48(cm^2)");

    // Question (3) on a screen of its own, over the whole figure.
    StepReveal();
    TopicScreen(1760, 1800, A1);
    PenWidth(5);
    PageHeading(B1, 30, "P93 章の問題B", 40, "3");
    Put(YI1 + 30, 30, 3, "(3)");
    DrawExerciseB3Figure({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "P(2,8)");

    StepReveal();
    Put(B1, 90, 0, "△ABPが2等分されるのは、直線が点Pと");
    NewRow(50, 0, "ABの中点");
    StepReveal();
    PointAt(4, 0, 6, 3, "Q(4,0)", 40, 20);
    GY5(4) = HOUKOU;
    t0014(4) = N2;
    Next(3, "Q(4,0)");
    Next(0, "を通るとき だから");
    StepReveal();
    XJ1 = -3;
    YJ1 = 12;
    GraphOf(3, -4, 16, 3, "", 0, -10);
    StepReveal();
    NewRow(50, 3, "求める式をy=ax+b");
    Next(0, "として、");
    NewRow(50, 0, "x=2,y=8とx=4,y=0を代入すると");

    StepReveal();
    BracedSystem(B1, B2_row + 50, "8=2a+b…①", "0=4a+b…②");
    const Num cx2 = YI1 + 40;
    const Num row2 = B2_row;
    StepReveal();
    NewRow(50, 3, "①-②");
    StepReveal();
    ColumnsAt(B1, B2_row + 50, "8=2a+b", "0=4a+b", "-");
    StepReveal();
    Label(B1, B2_row - 25, 3, "+- -  -");
    Put(GX5, B2_row + 50, 0, "8=-2a");
    Put(GX5, B2_row + 50, 3, "a=-4");

    StepReveal();
    B1 = cx2;
    B2_row = row2;
    NewRow(0, 3, "a=-4 を②に代入して");
    StepReveal();
    NewRow(50, 0, "0=4*(-4)+b");
    NewRow(50, 0, "0=-16+b");
    NewRow(50, 3, "b=16");
    StepReveal();
    NewRow(50, 5, "答 y=-4x+16");
}

}  // namespace lesson
