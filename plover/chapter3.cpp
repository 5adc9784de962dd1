// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 3: graphs of linear functions put to use: the timetable chart of the
// ships between 新潟 and 両津, and a distance-time graph.
#include <string>
#include <string_view>
#include <vector>

#include "plover/plover_program.h"

namespace lesson {

namespace {

// Minutes after 11時 and position (0 新潟, 8 両津): the car ferry's run from
// point 1 to 2, then the jetfoils' runs 3-4, 5-6 ... 13-14.
constexpr Num kTimetable[14][2] = {
    {100, 8}, {250, 0}, {30, 0}, {95, 8},  {110, 0}, {175, 8}, {235, 0},
    {300, 8}, {15, 8},  {80, 0}, {140, 8}, {205, 0}, {205, 8}, {270, 0},
};

// Minutes and km of the journey of question 1 and of question 2.
constexpr Num kJourney[5][2] = {{30, 6}, {40, 6}, {60, 12}, {10, 0}, {35, 6}};

}  // namespace

const Chapter<Plover> Plover::kFerryChart{
    .goal = {"1次関数のグラフを利用して、問題を解決しよう。"},
    .goalClears = true,
    .choices = "①Q運行図　②問1　③終了",
    .topics = {&Plover::FerryChartQuestion, &Plover::FerryChartExercise},
};

// ---- The chart ------------------------------------------------------------------------

Lesson::PlaneView Plover::PlaceOfFerryChart(Point corner, Num step) {
    return PlaceOfPlane({.left = corner.x,
                         .top = corner.y,
                         .xFrom = 0,
                         .xTo = 300,
                         .yFrom = 0,
                         .yTo = 8,
                         .step = step,
                         .xPerStep = 10,
                         .yPerStep = 1});
}

void Plover::DrawFerryChartGrid(const PlaneView& chart) {
    const PlaneFrame& plane = chart.frame;

    {
        const auto grid = GivingWay();
        PenWidth(1);
        for (int k = 0; k <= 30; ++k) {
            const Num x = chart.At(static_cast<Num>(k), 0).x - 0.5f;
            Segment({x, plane.top}, {x, plane.origin.y}, ink::text);
        }
        PenWidth(3);
        for (int k = 0; k <= 30; k += 3) {
            const Num x = chart.At(static_cast<Num>(k), 0).x;
            Segment({x, plane.top}, {x, plane.origin.y}, ink::blue);
        }
    }
    // No right edge of its own: the 16時 line stands there.
    PenWidth(4);
    Segment({plane.origin.x, plane.top}, {plane.origin.x, plane.origin.y}, ink::text);
    Segment({plane.left, plane.origin.y}, {plane.right, plane.origin.y}, ink::text);
    Segment({plane.origin.x, plane.top}, {plane.right, plane.top}, ink::text);

    // Bold, unlike a plane's units, as the chart has always been lettered.
    const TextStyle style = LabelStyle(plane.scaleSize, true);

    for (int k = 0; k <= 30; k += 6) {
        const std::string minutes = NumberText(static_cast<Num>(10 * k));
        ScaledLabel(
            chart.At(static_cast<Num>(k), 0).x - static_cast<Num>(minutes.size()) / 2 * plane.scaleSize,
            plane.origin.y + 4, minutes, style);
    }
    // An hour is six grid steps.
    for (int h = 1; h <= 6; ++h) {
        const std::string hour = std::to_string(10 + h) + "時";
        ScaledLabel(chart.At(static_cast<Num>(6 * (h - 1)), 0).x - 2 * plane.scaleSize, plane.origin.y + 30,
                    hour, style);
    }
    ScaledLabel(chart.At(30, 0).x, plane.origin.y - 30, "分", style);
    ScaledLabel(plane.origin.x - 96, plane.origin.y - 30, "新潟", style);
    ScaledLabel(plane.origin.x - 96, plane.top, "両津", style);
}

// ---- Topic 1: the timetable chart -------------------------------------------------------

void Plover::FerryChartQuestion() {
    TopicScreen(area::wide, 38);
    PenWidth(5);
    const PlaneView chart = PlaceOfFerryChart({114, 270}, 30);
    Put(38, 30, ink::emphasis, "P86 Q すれちがう回数は?");
    StepReveal();

    DrawFerryChartGrid(chart);
    const std::vector<Point> runs = PlotPoints(chart, kTimetable, 1, 10, 1);
    const Point ferryFrom = runs[0], ferryTo = runs[1];
    // Where the car ferry meets the two jetfoils that come the other way
    // (their runs cross the ferry's).
    const Point firstMeeting = Crossing(ferryFrom, ferryTo, runs[4], runs[5]).value();
    const Point secondMeeting = Crossing(ferryFrom, ferryTo, runs[6], runs[7]).value();
    StepReveal();

    NewRow(50, ink::text, "①カーフェリー 12:40→15:10");
    StepReveal();
    BigDot(ferryFrom, ink::emphasis);
    StepReveal();
    BigDot(ferryTo, ink::emphasis);
    StepReveal();
    GraphSegment(ferryFrom, ferryTo, ink::emphasis);
    StepReveal();
    NewRow(50, ink::heading, "　どんな進み方？");
    StepReveal();
    Next(ink::answer, "一定の速さで進むとみなす");
    StepReveal();
    NewRow(60, ink::emphasis, "②ジェットフォイルの運航のようすをかこう");
    for (std::size_t from = 2; from < runs.size(); from += 2) {
        StepReveal();
        GraphSegment(runs[from], runs[from + 1], ink::answer);
    }
    StepReveal();
    cursor.margin = 760;
    cursor.row = 30;
    Put(cursor.margin, cursor.row, ink::text, "③すれちがうのは");
    StepReveal();
    Put(cursor.margin + 30, cursor.row + 50, ink::answer, "1回目…13時30分ごろ");
    BigDot(firstMeeting, ink::answer);
    StepReveal();
    Put(cursor.margin + 30, cursor.row + 50, ink::answer, "2回目…15時ごろ");
    BigDot(secondMeeting, ink::answer);
    StepReveal();
    Put(44, 570, ink::emphasis, "教科書P87 問1　をしなさい。");
}

// ---- Topic 2: question 1 ----------------------------------------------------------------

void Plover::FerryChartExercise() {
    TopicScreen(area::wide, 76);
    PenWidth(5);
    Put(76, 30, ink::heading, "問1解答");
    const PlaneView plane = PlaneAt({.left = 646,
                                     .top = 50,
                                     .xTo = 60,
                                     .yTo = 12,
                                     .grid = true,
                                     .scaleNumbers = false,
                                     .xPerStep = 5,
                                     .yPerStep = 1});
    plane.ScaleNumbers(5, 1);
    // "km" wholly left of the y axis and its letter; "分" a scale number's
    // width of page from "50".
    PlaneUnits(plane, "分", 4, "km", -64, 16, 3);
    LineOnPlane(plane, 30, 5, 1, 0.2f, 0, ink::text);
    // The points the lines below join.
    const std::vector<Point> journey = PlotPoints(plane, kJourney, 0.01f, 5, 1);
    StepReveal();

    Put(cursor.margin - 57, cursor.row + 50, ink::emphasis, "(1)");
    Next(ink::text, "30分で6km進んだから ");
    StepReveal();
    NewRow(60, ink::text, "ﾀ6/30ﾀ=ﾀ1/5ﾀ");
    StepReveal();
    Next(ink::emphasis, "分速ﾀ1/5ﾀkm", 80);
    StepReveal();
    NewRow(70, ink::text, "ﾀ1/5ﾀ*60=12");
    Next(ink::answer, "  時速12km");
    StepReveal();
    PenWidth(8);
    GraphSegment(journey[0], journey[1], ink::emphasis);
    StepReveal();
    GraphSegment(journey[1], journey[2], ink::emphasis);
    StepReveal();
    Put(cursor.margin - 57, cursor.row + 60, ink::emphasis, "(3)");
    Next(ink::text, "20分で6km進むから ");
    StepReveal();
    NewRow(60, ink::text, "ﾀ6/20ﾀ=ﾀ3/10ﾀ");
    StepReveal();
    Next(ink::emphasis, "分速ﾀ3/10ﾀkm", 80);
    StepReveal();
    NewRow(70, ink::text, "ﾀ3/10ﾀ*60=18");
    Next(ink::answer, "  時速18km");
    StepReveal();
    Put(cursor.margin - 38, cursor.row + 60, ink::heading, "問2 をやろう");
    StepReveal();
    NewRow(50, ink::text, "グラフをかくと");
    plane.PointAt(35, 6, {.radius = 10, .colour = ink::heading, .xPerStep = 5, .yPerStep = 1});
    StepReveal();
    plane.PointAt(60, 12, {.radius = 10, .colour = ink::heading, .xPerStep = 5, .yPerStep = 1});
    StepReveal();
    GraphSegment(journey[3], journey[2], ink::answer);
    StepReveal();
    NewRow(50, ink::text, "グラフから　");
    Next(ink::answer, "9時10分");
}

}  // namespace lesson
