// Chapter 3: graphs of linear functions put to use: the timetable chart of the
// ships between 新潟 and 両津, and a distance-time graph.
#include <string>
#include <string_view>

#include "plover/plover_program.h"

namespace lesson {

namespace {

// Minutes after 11時 and position (0 新潟, 8 両津): the car ferry's run from
// point 1 to 2, then the jetfoils' runs 3-4, 5-6 ... 13-14.
constexpr Num kTimetable[14][2] = {
    {100, 8}, {250, 0}, {30, 0}, {95, 8},   {110, 0}, {175, 8}, {235, 0},
    {300, 8}, {15, 8},  {80, 0}, {140, 8},  {205, 0}, {205, 8}, {270, 0},
};

// Minutes and km of the journey of question 1 and of question 2.
constexpr Num kJourney[5][2] = {{30, 6}, {40, 6}, {60, 12}, {10, 0}, {35, 6}};

}  // namespace

const Chapter<Plover> Plover::kFerryChart{
    .goal = {"1次関数のグラフを利用して、問題を解決しよう。"},
    .goalClears = true,
    .choices = "①Q運行図　②問1　③終了",
    .topics = {
        &Plover::FerryChartQuestion,
        &Plover::FerryChartExercise,
    },
};

// ---- The chart ------------------------------------------------------------------------

void Plover::DrawFerryChartGrid() {
    t0000 = 10;
    GGX = 1;
    XJ1 = 0;
    YJ1 = 300 / t0000;
    B4 = 0 / GGX;
    X_yTop = 8 / GGX;
    PlaceAxes();

    Rt().setDrawWidth(1);
    for (int k = 0; k <= 30; ++k) {
        const Num x = TATE + NAKA * static_cast<Num>(k) - 0.5f;
        Rt().line(x, ZX, x, t0001, 0);
    }
    Rt().setDrawWidth(3);
    for (int k = 0; k <= 30; k += 3) {
        const Num x = TATE + NAKA * static_cast<Num>(k);
        Rt().line(x, ZX, x, t0001, 1);
    }
    // No right edge of its own: the 16時 line stands there.
    Rt().setDrawWidth(4);
    Rt().line(TATE, ZX, TATE, t0001, 0);
    Rt().line(HI, t0001, GY1, t0001, 0);
    Rt().line(TATE, ZX, GY1, ZX, 0);

    for (int k = 0; k <= 30; k += 6) {
        const std::string minutes = NumberText(static_cast<Num>(10 * k));
        ScaledLabel(TATE + NAKA * static_cast<Num>(k) - static_cast<Num>(minutes.size()) / 2 * NAGASA,
                    t0001 + 4, minutes);
    }
    for (int h = 1; h <= 6; ++h) {
        A1_s(h) = std::to_string(10 + h) + "時";
        ScaledLabel(TATE + 6 * NAKA * static_cast<Num>(h - 1) - 2 * NAGASA, t0001 + 30, A1_s(h));
    }
    ScaledLabel(TATE + 6 * NAKA * 5, t0001 - 30, "分");
    ScaledLabel(TATE - 96, t0001 - 30, "新潟");
    ScaledLabel(TATE - 96, ZX, "両津");
    Rt().setFontSize(16);
    YMOTO = 0;
}

// ---- Topic 1: the timetable chart -------------------------------------------------------

void Plover::FerryChartQuestion() {
    TopicScreen(1600, 1800, 38);
    PenWidth(5);
    Put(38, 30, 3, "P86 Q すれちがう回数は?");
    StepReveal();

    A41 = 114;
    I_top = 270;
    NAKA = 30;
    DrawFerryChartGrid();
    PlotPointTable(kTimetable, 1, 10, 1);
    // Where the car ferry meets the two jetfoils that come the other way.
    for (int meeting = 1; meeting <= 2; ++meeting) {
        const int from = 3 + 2 * meeting;
        TAKASA = GY5(1);
        BX = t0014(1);
        YA = GY5(2);
        CX = t0014(2);
        CCC0 = GY5(from);
        HYOUJI = t0014(from);
        CY = GY5(from + 1);
        AAAX = t0014(from + 1);
        IntersectLines();
        GY5(20 + meeting) = AY1;
        t0014(20 + meeting) = BY1;
    }
    StepReveal();

    NewRow(50, 0, "①カーフェリー 12:40→15:10");
    StepReveal();
    BigDot(GY5(1), t0014(1), 3);
    StepReveal();
    BigDot(GY5(2), t0014(2), 3);
    StepReveal();
    Rt().line(GY5(1), t0014(1), GY5(2), t0014(2), 3);
    StepReveal();
    NewRow(50, 7, "　どんな進み方？");
    StepReveal();
    Next(5, "一定の速さで進むとみなす");
    StepReveal();
    NewRow(60, 3, "②ジェットフォイルの運航のようすをかこう");
    for (int from = 3; from <= 13; from += 2) {
        StepReveal();
        Rt().line(GY5(from), t0014(from), GY5(from + 1), t0014(from + 1), 5);
    }
    StepReveal();
    B1 = 760;
    B2_row = 30;
    Put(B1, B2_row, 0, "③すれちがうのは");
    StepReveal();
    Put(B1 + 30, B2_row + 50, 5, "1回目…13時30分ごろ");
    BigDot(GY5(21), t0014(21), 5);
    StepReveal();
    Put(B1 + 30, B2_row + 50, 5, "2回目…15時ごろ");
    BigDot(GY5(22), t0014(22), 5);
    StepReveal();
    Put(44, 570, 3, "教科書P87 問1　をしなさい。");
}

// ---- Topic 2: question 1 ----------------------------------------------------------------

void Plover::FerryChartExercise() {
    TopicScreen(1600, 1800, 76);
    PenWidth(5);
    Put(76, 30, 7, "問1解答");
    PlaneAt(646, 50, 0, 60, 0, 12, 40, 10, -1, 5, 1);
    t0000 = 5;
    GGX = 1;
    LabelAxisScales();
    PlaneUnits(GY1 - 1.5f * NAGASA, t0001 + 4, "分", TATE - 50, ZX + 16, "km");
    LineOnPlane(30, 12, 5, 1, 0.2f, 0, 0);
    // The points the lines below join, turned into screen positions.
    PlotPointTable(kJourney, 0.01f, 5, 1);
    StepReveal();

    Put(B1 - 57, B2_row + 50, 3, "(1)");
    Next(0, "30分で6km進んだから ");
    StepReveal();
    NewRow(60, 0, "ﾀ6/30ﾀ=ﾀ1/5ﾀ");
    StepReveal();
    Next(3, "分速ﾀ1/5ﾀkm", 80);
    StepReveal();
    NewRow(70, 0, "ﾀ1/5ﾀ*60=12");
    Next(5, "  時速12km");
    StepReveal();
    PenWidth(8);
    Rt().line(GY5(1), t0014(1), GY5(2), t0014(2), 3);
    StepReveal();
    Rt().line(GY5(2), t0014(2), GY5(3), t0014(3), 3);
    StepReveal();
    Put(B1 - 57, B2_row + 60, 3, "(3)");
    Next(0, "20分で6km進むから ");
    StepReveal();
    NewRow(60, 0, "ﾀ6/20ﾀ=ﾀ3/10ﾀ");
    StepReveal();
    Next(3, "分速ﾀ3/10ﾀkm", 80);
    StepReveal();
    NewRow(70, 0, "ﾀ3/10ﾀ*60=18");
    Next(5, "  時速18km");
    StepReveal();
    Put(B1 - 38, B2_row + 60, 7, "問2 をやろう");
    StepReveal();
    NewRow(50, 0, "グラフをかくと");
    PointAt(35, 6, 10, 7, 5, 1);
    StepReveal();
    PointAt(60, 12, 10, 7, 5, 1);
    StepReveal();
    Rt().line(GY5(4), t0014(4), GY5(3), t0014(3), 5);
    StepReveal();
    NewRow(50, 0, "グラフから　");
    Next(5, "9時10分");
}

}  // namespace lesson
