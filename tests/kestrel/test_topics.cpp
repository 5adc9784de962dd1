// SPDX-License-Identifier: GPL-3.0-or-later
// Topics of Kestrel's chapters 1 and 2, each run alone: a table topic, a
// plane with graphs, and step reveals, checked at the places their screens
// give; every topic stepped to its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

struct TopicCase {
    const char* name;
    KestrelUnderTest::Entry topic;
    int keys;  // key presses from entry to the end
};

class KestrelTopic : public ::testing::TestWithParam<TopicCase> {};

// Exactly its number of keys takes a topic to its end, and no key less.
TEST_P(KestrelTopic, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    KestrelRun full(steps(c.keys), c.topic);
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    EXPECT_EQ(full.waits(), c.keys) << c.name;
    KestrelRun shortOfOne(steps(c.keys - 1), c.topic);
    EXPECT_FALSE(shortOfOne.ended()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Chapters1And2, KestrelTopic,
    ::testing::Values(TopicCase{"ProportionTables", &Kestrel::ProportionTablesTopic, 15},
                      TopicCase{"ProportionGraphs", &Kestrel::ProportionGraphsTopic, 6},
                      TopicCase{"BoilingWaterQuestion", &Kestrel::BoilingWaterQuestion, 20},
                      TopicCase{"BoilingWaterEquation", &Kestrel::BoilingWaterEquation, 14},
                      TopicCase{"BoilingWaterAnswers", &Kestrel::BoilingWaterAnswers, 9},
                      TopicCase{"LinearFunctionDefinition", &Kestrel::LinearFunctionDefinition, 3},
                      TopicCase{"WaterDepthExample", &Kestrel::WaterDepthExample, 13},
                      TopicCase{"IncenseExample", &Kestrel::IncenseExample, 27},
                      TopicCase{"PetrolAnswer", &Kestrel::PetrolAnswer, 3},
                      TopicCase{"SquareRectangleExercise", &Kestrel::SquareRectangleExercise, 10}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Tables: chapter 1, topic 1 ---------------------------------------------------

TEST(ProportionTables, TablesAndSteps) {
    KestrelRun run(steps(15), &Kestrel::ProportionTablesTopic);
    const auto lines = run.lines();
    const Trace trace(lines);
    // Cells of 44 by 50, edged 0 and filled 15; the x row of y=2x from x 44.
    EXPECT_FALSE(trace
                     .segments({.colour = ink::text,
                                .from = At(44, 150),
                                .to = At(88, 200),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::text,
                                .from = At(308, 200),
                                .to = At(352, 250),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    // y=6/x has no value at x=0: its cell shows ×.
    const auto times = run.drawn("*");
    ASSERT_EQ(times.size(), 1u);
    EXPECT_EQ(times[0].x, 132);
    EXPECT_EQ(times[0].y, 370);
    EXPECT_EQ(times[0].colour, ink::emphasis);
    // Numbers carry no blank.
    EXPECT_EQ(run.count("0"), 3);
    EXPECT_EQ(run.count("6"), 2);
    EXPECT_EQ(run.count(" 0"), 0);

    EXPECT_EQ(run.place("(1)関数の式は？ "), "396 30 0");
    EXPECT_EQ(run.place("①y=ax にx=1,y=2を代入して"), "396 120 0");
    EXPECT_EQ(run.place("　2=a*1"), "396 180 0");
    EXPECT_EQ(run.place("②y=ﾀa/xﾀ にx=1,y=6を代入して"), "396 270 0");
    EXPECT_EQ(run.place("　6=ﾀa/1ﾀ"), "396 380 0");
    // The summary on the question's row, 44 beyond it; then the erase.
    const auto summary = run.drawn("①");
    ASSERT_FALSE(summary.empty());
    EXPECT_EQ(summary[0].y, 30);
    EXPECT_GT(summary[0].x, 396 + 44);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(396, 90),
                                .to = At(2156, 1890),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_EQ(run.place("(2)xが1ずつ増加するとyは？"), "396 100 0");
    EXPECT_EQ(summary[1].x, 440);
    EXPECT_EQ(summary[1].y, 150);
    EXPECT_EQ(run.drawn("2ずつ増加する ")[0].y, 150);
    EXPECT_GT(run.drawn("2ずつ増加する ")[0].x, 440);
    EXPECT_EQ(run.place("(3)xが２倍、３倍…となると、yは？"), "396 270 0");
    EXPECT_EQ(run.drawn("②").back().x, 440);
    EXPECT_EQ(run.drawn("②").back().y, 400);
    EXPECT_EQ(run.drawn("ﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる")[0].colour, ink::emphasis);
}

// ---- A plane with graphs: chapter 1, topic 2 -----------------------------------------

TEST(ProportionGraphs, PlaneGraphsAndLabels) {
    KestrelRun run(steps(6), &Kestrel::ProportionGraphsTopic);
    const auto lines = run.lines();
    const Trace trace(lines);
    // Axes of the plane (748,100)-(1108,460) with its origin at (928,280).
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(928, 100), .to = At(928, 460), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(748, 280), .to = At(1108, 280), .colour = ink::text, .width = 4})
            .empty());
    // y=2x (ウ) passes the origin in colour 7; y=x+1 (イ) through (0,1) in colour 0.
    EXPECT_FALSE(trace.dots({.colour = ink::heading, .near = Near{928, 280, 0.2f, 0.4f}}).empty());
    EXPECT_FALSE(trace.dots({.colour = ink::text, .near = Near{928, 250, 0.2f, 0.4f}}).empty());
    EXPECT_TRUE(trace.dots({.colour = ink::emphasis, .near = Near{928, 280, 0.2f, 0.4f}})
                    .empty());  // y=6/x never near x = 0
    EXPECT_EQ(run.drawn("①y=2x ②y=ﾀ6/xﾀ ")[0].y, 30);
    EXPECT_GT(run.drawn("①y=2x ②y=ﾀ6/xﾀ ")[0].x, 44);
    EXPECT_EQ(run.drawn("(1)①,②の関数のグラフは？")[0].y, 110);
    EXPECT_EQ(run.drawn("ウ ")[0].colour, ink::emphasis);
    EXPECT_EQ(run.drawn("ア").back().colour, ink::emphasis);
    EXPECT_EQ(run.place("a>0のとき右上がり"), "132 330 0");
    EXPECT_EQ(run.place("a<0のとき右下がり"), "132 380 0");
    EXPECT_EQ(run.drawn("②").back().x, 88);
    EXPECT_EQ(run.drawn("②").back().y, 430);
    // The graph labels reach the renderer through the graph routine.
    for (const char* label : {"ア", "イ", "ウ", "y=-3x", "y=-ﾀ6/xﾀ"}) EXPECT_GE(run.count(label), 1) << label;
}

// Whatever an earlier screen left in the values per grid step, the label
// shifts and the pen width, the plane and graphs come out the same.
TEST(ProportionGraphs, SameScreenWhateverRanBefore) {
    KestrelRun fresh(steps(6), &Kestrel::ProportionGraphsTopic);
    KestrelRun afterOthers(steps(6), &Kestrel::ProportionGraphsTopic, [](Kestrel& k) {
        k.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
        k.Rt().setDrawWidth(15);
    });
    EXPECT_EQ(firstDifference(fresh, afterOthers), "");
}

TEST(ProportionTables, SameScreenWhateverPenWidthWasLeft) {
    KestrelRun fresh(steps(15), &Kestrel::ProportionTablesTopic);
    KestrelRun afterOthers(steps(15), &Kestrel::ProportionTablesTopic,
                           [](Kestrel& k) { k.Rt().setDrawWidth(5); });
    EXPECT_EQ(firstDifference(fresh, afterOthers), "");
}

TEST(BoilingWater, HeatingPlaneWhateverValuesPerStepWereLeft) {
    for (auto topic : {&Kestrel::BoilingWaterQuestion, &Kestrel::BoilingWaterEquation}) {
        KestrelRun fresh(steps(20), topic);
        KestrelRun afterOthers(steps(20), topic, [](Kestrel& k) {
            k.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 10, .yPerStep = 0.5f});
        });
        EXPECT_EQ(firstDifference(fresh, afterOthers), "");
    }
}

// ---- Plotted data: chapter 2, topic 1 ----------------------------------------------

TEST(BoilingWaterQuestion, PointsOneAKeyOnTheLine) {
    KestrelRun run(steps(20), &Kestrel::BoilingWaterQuestion);
    const auto lines = run.lines();
    const Trace trace(lines);
    // Points (k, 8k+20): from (880,480) to (980,280), radius 6, colour 3.
    int pointsSeen = 0, lastKeys = 0;
    for (const TraceRecord& r : run.records().records()) {
        if (r.kind != TraceRecord::Kind::dot || r.dot.r != 6 || r.dot.colour != ink::emphasis) continue;
        for (int k = 0; k <= 5; ++k) {
            if (r.dot.x == 880 + 20 * k && r.dot.y == 480 - 40 * k) {
                EXPECT_EQ(k, pointsSeen);
                EXPECT_EQ(r.keys, 9 + k) << "point of minute " << k;
                lastKeys = r.keys;
                ++pointsSeen;
            }
        }
    }
    EXPECT_EQ(pointsSeen, 6);
    EXPECT_EQ(lastKeys, 14);
    EXPECT_EQ(run.place("沸くまでの時間がわかれば比べられる。"), "40 375 3");
    EXPECT_EQ(run.place("時間を知るために、水の温度の上がり方を調べよう。"), "40 475 7");
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(400, 255),
                                .to = At(760, 310),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());  // gas costs, last row, right cell
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(418, 240),
                                .to = At(532, 290),
                                .kind = 2,
                                .fill = ink::accent,
                                .width = 5})
                     .empty());  // heating, last row, last cell
    EXPECT_EQ(run.place("1分間におよそ8.0℃ずつ上がっている。"), "38 290 3");
    EXPECT_EQ(run.place("点をとった図の特徴は？"), "38 440 7");
    EXPECT_EQ(run.place("熱し始めてからの時間"), "38 590 3");
    EXPECT_EQ(run.place("分"), "1214 580 0");  // as far from the last scale number "15" as numbers keep apart
    EXPECT_EQ(run.place("℃"), "830 20 0");
}

TEST(BoilingWaterEquation, GraphOnEntryAndAnswersOnTheirOwnKeys) {
    KestrelRun entry("", &Kestrel::BoilingWaterEquation);
    EXPECT_EQ(entry.count("x分後の水の温度をy℃として、"), 1);
    EXPECT_EQ(entry.count("1分間に8℃上がるからx分間では、"), 0);
    const Trace drawn = entry.records();
    // The line y=8x+20 from (880,480) up to (1080,80), drawn before any text;
    // no points yet.
    EXPECT_FALSE(drawn.dots({.r = 1, .colour = ink::emphasis, .near = Near{880, 480, 0, 0}}).empty());
    EXPECT_TRUE(drawn.dots({.r = 6, .colour = ink::emphasis}).empty());

    KestrelRun run(steps(14), &Kestrel::BoilingWaterEquation);
    EXPECT_EQ(run.place("yはxの関数といえますか？"), "38 290 7");
    EXPECT_EQ(run.drawn("いえる")[0].y, 290);
    EXPECT_EQ(run.place("y=8x+20　だから"), "38 450 0");
    // The last row clear of the status band, the exercise 10 short of the
    // origin's "0" (ink from 852) above its end.
    EXPECT_EQ(run.place("x=7.5"), "38 595 3");
    EXPECT_EQ(run.drawn("教科書P60 問1をしなさい。")[0].y, 595);
    // Its full stop inks the first 12 of its cell.
    const auto stops = run.records().glyphs({.text = "。", .colour = ink::heading});
    ASSERT_FALSE(stops.empty());
    EXPECT_LE(stops.back().x + 12, 852 - 10);
    EXPECT_EQ(run.drawn("教科書P60 問1をしなさい。")[0].colour, ink::heading);
}

// ---- Step reveals: chapter 2, topic 4 --------------------------------------------------

TEST(LinearFunctionDefinition, GroupsAppearOneKeyAtATime) {
    KestrelRun run(steps(3), &Kestrel::LinearFunctionDefinition);
    EXPECT_FALSE(
        run.records()
            .segments({.colour = ink::answer, .from = At(38, 16), .to = At(570, 291), .kind = 1, .width = 5})
            .empty());
    EXPECT_EQ(run.place("<１次関数の意味>"), "76 30 3");
    EXPECT_EQ(run.place("yはxの１次関数"), "76 230 5");
    EXPECT_EQ(run.place("ax"), "76 300 3");
    EXPECT_EQ(run.place(" b"), "76 350 3");
    EXPECT_EQ(run.place("課 次の関数で、１次関数はどれですか。"), "608 60 3");
    EXPECT_EQ(run.place("③y=-2x+5 ④y=-2x"), "646 180 0");
    EXPECT_EQ(run.place("答　①,③,④"), "646 230 5");

    // The record order against the key presses: group n comes after key n.
    KestrelRun none("", &Kestrel::LinearFunctionDefinition);
    EXPECT_EQ(none.count("であるという。"), 1);
    EXPECT_EQ(none.count("ax"), 0);
    KestrelRun one(steps(1), &Kestrel::LinearFunctionDefinition);
    EXPECT_EQ(one.count("…定数の部分"), 1);
    EXPECT_EQ(one.count("①y=8x+20 ②y=-ﾀ6/xﾀ"), 0);
    KestrelRun two(steps(2), &Kestrel::LinearFunctionDefinition);
    EXPECT_EQ(two.count("③y=-2x+5 ④y=-2x"), 1);
    EXPECT_EQ(two.count("答　①,③,④"), 0);
}

TEST(BoilingWaterAnswers, KeyOneRevealsFourTextsAndKeyTwoSix) {
    KestrelRun zero("", &Kestrel::BoilingWaterAnswers);
    KestrelRun one(steps(1), &Kestrel::BoilingWaterAnswers);
    KestrelRun two(steps(2), &Kestrel::BoilingWaterAnswers);
    EXPECT_EQ(one.texts.size() - zero.texts.size(), 4u);
    EXPECT_EQ(two.texts.size() - one.texts.size(), 6u);
    EXPECT_EQ(two.place("(1)60℃上がるのに 12分かかったから"), "38 80 0");
    EXPECT_EQ(two.place("(2)1分間に5℃ずつ上がるからx分間では、"), "38 200 0");
    EXPECT_EQ(two.place("したがって、"), "114 300 0");
}

// ---- Figures of chapter 2 -----------------------------------------------------------

TEST(WaterDepthExample, WaterRisesFromTheThreeCentimetreLevel) {
    KestrelRun run(steps(13), &Kestrel::WaterDepthExample);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::text,
                                .from = At(968, 560),
                                .to = At(1218, 485),
                                .kind = 2,
                                .fill = ink::panel,
                                .width = 3})
                     .empty());  // the first water
    for (const float top : {435, 385, 335, 285, 110}) {
        EXPECT_FALSE(trace
                         .segments({.colour = ink::text,
                                    .from = At(968, 485),
                                    .to = At(1218, top),
                                    .kind = 2,
                                    .fill = ink::paleCyan,
                                    .width = 3})
                         .empty())
            << top;
    }
    // The ruler is drawn again over every new water level.
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(993, 560), .to = At(993, 285), .colour = ink::answer, .width = 5})
            .size(),
        6u);
    EXPECT_EQ(run.place("x分後"), "1043 135 0");
    for (const char* label : {"y㎝", "2x㎝", "3㎝"}) EXPECT_EQ(run.count(label), 1) << label;
    EXPECT_EQ(run.place("①1分間に2cm深くなるからx分間では、"), "38 330 0");
    EXPECT_EQ(run.place("最初の深さは、"), "76 380 0");
    EXPECT_EQ(run.drawn("1次関数である。")[0].y, 480);
}

TEST(IncenseExample, MinuteLabelsOneAtATime) {
    KestrelRun run(steps(27), &Kestrel::IncenseExample);
    for (int minute = 1; minute <= 16; ++minute) {
        EXPECT_EQ(run.place(std::to_string(minute) + "分後"), "1043 85 0") << minute;
    }
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(trace
                  .segments({.colour = ink::page,
                             .from = At(968, 85),
                             .to = At(2108, 145),
                             .kind = 2,
                             .fill = ink::page,
                             .width = 15})
                  .size(),
              16u);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(1093, 160), .to = At(1093, 360), .colour = ink::yellow, .width = 15})
            .empty());  // after 16 minutes
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(1093, 160), .to = At(1093, 385), .colour = ink::yellow, .width = 15})
            .empty());  // after x minutes
    EXPECT_EQ(run.place("x分後"), "1043 85 0");
    EXPECT_EQ(run.place("教科書P61 問3　をしなさい。"), "44 570 3");
}

TEST(SquareRectangleExercise, SecondColumnBesideTheFirst) {
    KestrelRun run(steps(10), &Kestrel::SquareRectangleExercise);
    EXPECT_EQ(run.place("比例の式y=ax は"), "38 480 3");
    EXPECT_EQ(run.place("1次関数y=ax+b の特別な場合"), "38 530 3");
    EXPECT_EQ(run.place("(2) "), "646 30 3");
    EXPECT_EQ(run.place("y=ﾀ24/xﾀ"), "722 340 5");
    EXPECT_EQ(run.place("1次関数ではない。"), "722 440 5");
}

TEST(PetrolAnswer, AssignmentLastAndLower) {
    KestrelRun run(steps(3), &Kestrel::PetrolAnswer);
    EXPECT_EQ(run.place("-0.1xL").substr(run.place("-0.1xL").find(' ') + 1), "80 3");
    EXPECT_EQ(run.place("教科書P61 問4　をしなさい。"), "44 330 3");
}

}  // namespace
}  // namespace lesson::testing
