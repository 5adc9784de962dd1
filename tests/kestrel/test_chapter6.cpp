// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel chapter 6: its frame from the main menu, a and b in three forms,
// increasing and decreasing functions, and graphs of typed slopes and
// intercepts, checked at the places their screens give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "kestrel_chapter_checks.h"

namespace lesson::testing {
namespace {

const std::string kGoal = "1次関数の表、式、グラフの関係をまとめよう。";
const std::string kChoiceLine = "①式表グラフ　②増加　③減少　④問７　⑤終了";

// ---- Frame ----------------------------------------------------------------------------

struct ChoiceCase {
    const char* typed;
    int leads;  // 1..4 the topic, 5 the main menu, 0 the choice line again
};

class Chapter6Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Chapter6Choice, EachEntryLeadsToItsTarget) {
    const ChoiceCase& c = GetParam();
    KestrelRun run("6 Enter " + typed(c.typed));
    static const char* const firstTexts[] = {"問　1次関数y=ax+b の",
                                             "課3 1次関数 y=x+2 で、xが増加するとき、",
                                             "課4 1次関数 y=-x+2 で、xが増加するとき、", "P70 問7 1次関数 "};
    for (int topic = 1; topic <= 4; ++topic) {
        EXPECT_EQ(run.count(firstTexts[topic - 1]), c.leads == topic ? 1 : 0)
            << c.typed << " topic " << topic;
    }
    EXPECT_EQ(run.count(kMenuHeading), c.leads == 5 ? 2 : 1) << c.typed;
    EXPECT_EQ(run.count(kChoiceLine), c.leads == 0 ? 2 : 1) << c.typed;
    EXPECT_EQ(run.count(kGoal), 1) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(TypedEntries, Chapter6Choice,
                         ::testing::Values(ChoiceCase{"1", 1}, ChoiceCase{"2", 2}, ChoiceCase{"3", 3},
                                           ChoiceCase{"4", 4}, ChoiceCase{"5", 5}, ChoiceCase{"4.5", 4},
                                           ChoiceCase{"9/2", 4}, ChoiceCase{"2.5", 2}, ChoiceCase{"10/2", 5},
                                           ChoiceCase{"0", 0}, ChoiceCase{"6", 0}, ChoiceCase{"-3", 0},
                                           ChoiceCase{"1/2", 0}, ChoiceCase{"", 0}, ChoiceCase{"5/0", 0},
                                           ChoiceCase{"0/0", 0}, ChoiceCase{"/", 0}, ChoiceCase{"-", 0}));

TEST(Chapter6Frame, GoalOnceAndTheChoiceLineUnderEachFinishedTopic) {
    KestrelRun run("6 Enter 2 Enter" + steps(5) + " 3 Enter" + steps(6) + " 5 Enter 6 Enter");
    EXPECT_EQ(run.place("<めあて>"), "44 240 3");
    EXPECT_EQ(run.place(kGoal), "76 305 0");
    EXPECT_EQ(run.count(kGoal), 2);  // entered twice from the main menu
    EXPECT_EQ(run.count(kChoiceLine), 4);
    EXPECT_EQ(run.count(kMenuHeading), 2);
    // Nothing is cleared between topic 3's last key and the choice line.
    const auto trace = run.records();
    const int five = trace.firstKey("5");
    const int lastA = trace.before(five).lastKey("a");
    ASSERT_GE(lastA, 0);
    EXPECT_TRUE(trace.after(lastA + 1).before(five + 1).segments({.from = At(0, 0)}).empty());
}

// ---- Topic key waits and resting state ---------------------------------------------------

struct TopicCase {
    const char* name;
    KestrelUnderTest::Entry topic;
    const char* keys;  // from entry to the end
    int waits;         // key waits and number entries among them
};

class Chapter6Topic : public ::testing::TestWithParam<TopicCase> {};

TEST_P(Chapter6Topic, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    KestrelRun full(c.keys, c.topic);
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    EXPECT_EQ(full.waits(), c.waits) << c.name;
    // One key short, the topic is still waiting.
    std::string shorter = c.keys;
    shorter = shorter.substr(0, shorter.rfind(' '));
    KestrelRun shortOfOne(shorter, c.topic);
    EXPECT_FALSE(shortOfOne.ended()) << c.name;
}

// Whatever an earlier screen left in the plane's values per step, the label
// offsets, the scale switch, the arrow switches and the pen, the screen is
// the same (the clear's invisible border takes the pen it finds).
TEST_P(Chapter6Topic, SameScreenWhateverRanBefore) {
    const TopicCase& c = GetParam();
    KestrelRun fresh(c.keys, c.topic);
    KestrelRun afterOthers(c.keys, c.topic, [](Kestrel& k) {
        k.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
        k.Rt().setDrawWidth(15);
    });
    EXPECT_EQ(firstScreenDifference(fresh, afterOthers), "") << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Topics, Chapter6Topic,
    ::testing::Values(TopicCase{"ThreeForms", &Kestrel::ThreeFormsCoefficients, " a a a a a a a a a a a a",
                                12},
                      TopicCase{"Increasing", &Kestrel::IncreasingFunctionTopic, " a a a a a", 5},
                      TopicCase{"Decreasing", &Kestrel::DecreasingFunctionTopic, " a a a a a a", 6},
                      TopicCase{"ParameterGraphs", &Kestrel::ParameterGraphExplorer,
                                "2 Enter 1 Enter a a a a 3 Enter 1 Enter a", 9}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- a and b in three forms ------------------------------------------------------------

TEST(ThreeFormsCoefficients, EveryElementAtItsPlace) {
    KestrelRun run(steps(12), &Kestrel::ThreeFormsCoefficients);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(0, 0),
                                .to = At(1320, 1300),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_EQ(run.place("問　1次関数y=ax+b の"), "38 30 0");
    EXPECT_EQ(run.drawn("a,b")[0].colour, ink::emphasis);
    expectPlaces(run, {
                          {"(1) y=2x+3", "38 90 0"},
                          {"(2)", "38 270 0"},
                          {"(3)", "799 40 0"},
                          {"(0,", "799 175 0"},
                      });
    // Table: rows at 270 and 320, cells 60 wide from 116.
    expectPlaces(run, {
                          {"x", "116 270 0"},
                          {"-2", "236 270 0"},
                          {"…", "176 270 0"},
                          {"7", "476 320 0"},
                      });
    EXPECT_EQ(run.drawn("…").back().x, 536);
    // Plane (874,40)-(1054,340), origin (934,280), no grid; the sketch of
    // slope 1.5 and the point (0,3).
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(934, 40), .to = At(934, 340), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(874, 280), .to = At(1054, 280), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(trace.dots(Disc{.at = At(934, 190), .r = 8, .colour = ink::text, .width = 5}).empty());
    // The triangle: run (949,167.5)-(1009,167.5), rise up to 77.5, pen 5.
    EXPECT_FALSE(trace
                     .segments(Stroke{
                         .from = At(949, 167.5f), .to = At(1009, 167.5f), .colour = ink::text, .width = 5})
                     .empty());
    EXPECT_FALSE(trace
                     .segments(Stroke{
                         .from = At(1009, 167.5f), .to = At(1009, 77.5f), .colour = ink::text, .width = 5})
                     .empty());
    auto at = [&](const std::string& text, Num x) {
        std::vector<ScreenTextRecord> out;
        for (const auto& r : run.drawn(text))
            if (r.x == x) out.push_back(r);
        return out;
    };
    ASSERT_EQ(at("1", 965).size(), 1u);
    EXPECT_EQ(at("1", 965)[0].y, 167.5);
    const auto twos = at("2", 1009);
    ASSERT_EQ(twos.size(), 2u);
    EXPECT_EQ(twos.front().x, 1009);
    EXPECT_EQ(twos.front().y, 106.5);
    EXPECT_EQ(twos.front().colour, ink::text);
    EXPECT_EQ(twos.back().x, 1009);
    EXPECT_EQ(twos.back().y, 106.5);
    EXPECT_EQ(twos.back().colour, ink::answer);
    // Answer rows.
    const auto as = run.drawn("a="), bs = run.drawn("b=");
    ASSERT_EQ(as.size(), 3u);
    ASSERT_EQ(bs.size(), 3u);
    const Num aPlaces[3][2] = {{76, 140}, {76, 450}, {874, 350}},
              bPlaces[3][2] = {{76, 190}, {76, 500}, {874, 400}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(as[k].x, aPlaces[k][0]);
        EXPECT_EQ(as[k].y, aPlaces[k][1]);
        EXPECT_EQ(bs[k].x, bPlaces[k][0]);
        EXPECT_EQ(bs[k].y, bPlaces[k][1]);
    }
    EXPECT_EQ(run.drawn("xが1増加したときのyの増加量")[0].y, 450);
    EXPECT_EQ(run.drawn("傾き")[0].colour, ink::emphasis);
    // Highlights over the table's 3 and the point label's 3.
    const auto threes = run.drawn("3");
    ASSERT_EQ(threes.size(), 3u);  // the cell, the table highlight, the label highlight
    EXPECT_EQ(threes[0].x, 356);
    EXPECT_EQ(threes[0].colour, ink::text);
    EXPECT_EQ(threes[1].x, 371);
    EXPECT_EQ(threes[1].y, 322);
    EXPECT_EQ(threes[1].colour, ink::answer);
    EXPECT_EQ(threes[2].x, run.drawn("3)")[0].x);
    EXPECT_EQ(threes[2].y, 175);
    EXPECT_EQ(threes[2].colour, ink::answer);
}

TEST(ThreeFormsCoefficients, ArcsComeWithTheSixthKey) {
    KestrelRun five(steps(5), &Kestrel::ThreeFormsCoefficients);
    EXPECT_EQ(five.records().dots({.r = 0.5f, .colour = ink::emphasis}).size(), 0u);
    KestrelRun six(steps(6), &Kestrel::ThreeFormsCoefficients);
    EXPECT_EQ(six.records().dots({.r = 0.5f, .colour = ink::emphasis}).size(),
              4u * 13);  // 180 to 360 degrees every 15
    const auto lines = six.lines();
    const Trace trace(lines);
    // Each arc is lowest, 20 below the table's edge, at a column border.
    for (float x : {296.0f, 356.0f, 416.0f, 476.0f}) {
        const bool lowest = !trace.dots({.r = 0.5f, .near = Near{x, 390, 0.01f, 0.01f}}).empty();
        EXPECT_TRUE(lowest) << x;
    }
    // Their labels go to the arc routine, in colour 5 under the arcs.
    int labels = 0;
    for (const Glyph& g : trace.glyphs({.text = "2", .colour = ink::answer}))
        if (g.y >= 390 && g.y < 450) ++labels;
    EXPECT_EQ(labels, 4);
}

// ---- Increasing and decreasing ----------------------------------------------------------

struct SlopeSignCase {
    const char* name;
    KestrelUnderTest::Entry topic;
    int keys;
    const char* label;
    Near arrows[3][2];  // from, to: the run and rise in colour 7, the line in colour 5, pen 6
    const char* answer;
    const char* rule;
    const char* general;
};

class IncreaseDecrease : public ::testing::TestWithParam<SlopeSignCase> {};

TEST_P(IncreaseDecrease, ScreenAndSteps) {
    const SlopeSignCase& c = GetParam();
    KestrelRun run(steps(c.keys), c.topic);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(run.place("yの増減をいいなさい。"), "60 80 0");
    // Plane (792,120)-(1032,480), origin (912,300), grid on.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(912, 120), .to = At(912, 480), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(792, 300), .to = At(1032, 300), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_EQ(run.place(c.label), "1032 120 0");
    for (int k = 0; k < 3; ++k) {
        const auto& a = c.arrows[k];
        EXPECT_FALSE(
            trace
                .segments(Stroke{
                    .from = a[0], .to = a[1], .colour = k < 2 ? ink::heading : ink::answer, .width = 6})
                .empty())
            << c.name << ": " << k;
    }
    EXPECT_EQ(run.place(c.answer).substr(0, 7), "60 150 ");
    EXPECT_EQ(run.place(c.rule).substr(0, 7), "60 220 ");
    EXPECT_EQ(run.place(c.general), "60 290 5");
}

INSTANTIATE_TEST_SUITE_P(Topics, IncreaseDecrease,
                         ::testing::Values(SlopeSignCase{"Increasing",
                                                         &Kestrel::IncreasingFunctionTopic,
                                                         5,
                                                         "y=x+2",
                                                         {{At(822, 330), At(1002, 330)},
                                                          {At(1002, 330), At(1002, 150)},
                                                          {At(822, 300), At(972, 150)}},
                                                         "増加する",
                                                         "右上がりは増加",
                                                         "a>0のとき、右上がりで増加"},
                                           SlopeSignCase{"Decreasing",
                                                         &Kestrel::DecreasingFunctionTopic,
                                                         6,
                                                         "y=-x+2",
                                                         {{At(822, 150), At(1002, 150)},
                                                          {At(1002, 150), At(1002, 330)},
                                                          {At(822, 210), At(972, 360)}},
                                                         "減少する",
                                                         "右下がりは減少",
                                                         "a<0のとき、右下がりで減少"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IncreaseDecrease, ColoursAndTheAssignment) {
    KestrelRun up(steps(5), &Kestrel::IncreasingFunctionTopic);
    EXPECT_EQ(up.drawn("増加する")[0].colour, ink::emphasis);
    EXPECT_EQ(up.drawn("右上がりは増加")[0].colour, ink::answer);
    EXPECT_EQ(up.count("教科書P65 問8 をしなさい。"), 0);
    KestrelRun down(steps(6), &Kestrel::DecreasingFunctionTopic);
    EXPECT_EQ(down.drawn("減少する")[0].colour, ink::answer);
    EXPECT_EQ(down.drawn("右下がりは減少")[0].colour, ink::emphasis);
    EXPECT_EQ(down.place("教科書P65 問8 をしなさい。"), "38 550 3");
    // The assignment comes only with the sixth key.
    KestrelRun five(steps(5), &Kestrel::DecreasingFunctionTopic);
    EXPECT_EQ(five.count("教科書P65 問8 をしなさい。"), 0);
    EXPECT_EQ(five.count("a<0のとき、右下がりで減少"), 1);
}

// ---- Typed slope and intercept ------------------------------------------------------------

struct TypedCase {
    const char* typed;
    double value;  // the slope or intercept drawn
    int prompts;   // times the prompt is shown
};

class TypedSlope : public ::testing::TestWithParam<TypedCase> {};

// Every slope the entry yields is drawn, the dots only inside the plane
// (x 680..1180, y 50..550) and on y = ax + 2.
TEST_P(TypedSlope, DrawsTheLineInsideThePlane) {
    const TypedCase& c = GetParam();
    KestrelRun run(typed(c.typed) + "1 Enter", &Kestrel::ParameterGraphExplorer);
    EXPECT_EQ(run.status, 0) << c.typed;
    EXPECT_EQ(run.count("aの値を入力して下さい。(整数か小数)"), c.prompts);
    const auto dots = run.records().dots({.r = 1, .colour = ink::emphasis});
    ASSERT_FALSE(dots.empty()) << c.typed;
    for (const Dot& d : dots) {
        ASSERT_GE(d.x, 680 - 0.01);
        ASSERT_LE(d.x, 1180 + 0.01);
        ASSERT_GE(d.y, 50);
        ASSERT_LE(d.y, 550);
        const double x = (d.x - 930) / 25.0;
        const double y = (300 - d.y) / 25.0;
        // Relative to the slope: the traced x is single precision.
        EXPECT_NEAR(y, c.value * x + 2, 1e-3 + 1e-6 * std::fabs(c.value)) << c.typed;
    }
    if (c.value == 0) {
        EXPECT_EQ(dots.size(), 5001u) << "y=2 runs the whole width";
    }
    // The line was drawn once the next-step question came.
    EXPECT_EQ(run.count("①つねに点(0,2)を通る。"), 0);
}

INSTANTIATE_TEST_SUITE_P(Entries, TypedSlope,
                         ::testing::Values(TypedCase{"2", 2, 1}, TypedCase{"-3", -3, 1},
                                           TypedCase{"1/2", 0.5, 1}, TypedCase{"0.25", 0.25, 1},
                                           TypedCase{"-.5", -0.5, 1}, TypedCase{"", 0, 1},
                                           TypedCase{"5/0", 0, 1}, TypedCase{"0/0", 0, 1},
                                           TypedCase{"/", 0, 1}, TypedCase{"1", 1, 1},
                                           TypedCase{"100", 100, 1}, TypedCase{"-7/3", -7.0 / 3, 1}));

// The largest slopes the entry takes put most dots far outside any integer
// range: those are left out, with no error.
TEST(TypedSlope, LargestSlopesDrawOnlyDotsInside) {
    for (const char* entry : {"999999999", "-99999999", "99999/.01"}) {
        KestrelRun run(typed(entry) + "1 Enter", &Kestrel::ParameterGraphExplorer);
        EXPECT_EQ(run.status, 0) << entry;
        EXPECT_EQ(run.records().count(TraceRecord::Kind::error), 0) << entry;
        for (const Dot& d : run.records().dots({.r = 1, .colour = ink::emphasis})) {
            ASSERT_GE(d.y, 50) << entry;
            ASSERT_LE(d.y, 550) << entry;
            EXPECT_NEAR(d.x, 930, 1) << entry;
        }
    }
    // The slope 100: a short run of dots across the y axis, about 10 apart.
    KestrelRun steep(typed("100") + "1 Enter", &Kestrel::ParameterGraphExplorer);
    const auto dots = steep.records().dots({.r = 1, .colour = ink::emphasis});
    ASSERT_GE(dots.size(), 40u);
    EXPECT_NEAR(dots.front().x, 930 - 0.12 * 25, 0.2);
    EXPECT_NEAR(dots.back().x, 930 + 0.08 * 25, 0.2);
    EXPECT_NEAR(dots[0].y - dots[1].y, 10, 0.1);
}

class TypedIntercept : public ::testing::TestWithParam<TypedCase> {};

// Intercepts outside -10..10 bring the same prompt back with no graph.
TEST_P(TypedIntercept, DrawsOnlyInterceptsOnThePlane) {
    const TypedCase& c = GetParam();
    KestrelRun run(
        "1 Enter 1 Enter" + steps(4) + " " + typed(c.typed) + (c.prompts > 1 ? "3 Enter " : "") + "1 Enter a",
        &Kestrel::ParameterGraphExplorer);
    EXPECT_TRUE(run.ended()) << c.typed;
    EXPECT_EQ(run.count("bの値を入力して下さい。(整数か小数)"), c.prompts) << c.typed;
    const auto dots = run.records().dots({.r = 1, .colour = ink::heading});
    ASSERT_FALSE(dots.empty());
    for (const Dot& d : dots) {
        const double x = (d.x - 930) / 25.0;
        const double y = (300 - d.y) / 25.0;
        EXPECT_NEAR(y, 2 * x + c.value, 1e-3) << c.typed;
        ASSERT_GE(d.y, 50);
        ASSERT_LE(d.y, 550);
    }
    EXPECT_EQ(run.place("①グラフどうしはつねに平行。"), "40 540 0");
}

// value: the intercept finally drawn; with two prompts the second entry is 3.
INSTANTIATE_TEST_SUITE_P(Entries, TypedIntercept,
                         ::testing::Values(TypedCase{"10", 10, 1}, TypedCase{"-10", -10, 1},
                                           TypedCase{"0", 0, 1}, TypedCase{"", 0, 1}, TypedCase{"5/0", 0, 1},
                                           TypedCase{"/", 0, 1}, TypedCase{"-2.5", -2.5, 1},
                                           TypedCase{"20/2", 10, 1}, TypedCase{"11", 3, 2},
                                           TypedCase{"-10.5", 3, 2}, TypedCase{"21/2", 3, 2},
                                           TypedCase{"999999999", 3, 2}));

TEST(ParameterGraphExplorer, TitlesStepsAndOnePlaneForAllGraphs) {
    KestrelRun run("2 Enter 2 Enter -1 Enter 1 Enter" + steps(4) + " 4 Enter 0 Enter -4 Enter 1 Enter a",
                   &Kestrel::ParameterGraphExplorer);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.place("P70 問7 1次関数 "), "40 30 0");
    EXPECT_EQ(run.drawn("y=ax+b で、")[0].colour, ink::emphasis);
    EXPECT_EQ(run.place("(1)"), "40 80 0");
    EXPECT_EQ(run.drawn("b=2")[0].colour, ink::emphasis);
    expectPlaces(run, {
                          {"aの値を変化させたグラフでの気づき", "40 130 3"},
                          {"①つねに点(0,2)を通る。", "40 200 0"},
                          {"②a>0…aを大きくするとy軸に近づく。", "40 250 0"},
                          {"③a<0…aを小さくするとy軸に近づく。", "40 340 0"},
                          {"(2)", "40 420 0"},
                      });
    EXPECT_EQ(run.drawn("a=2")[0].colour, ink::emphasis);
    // Two slopes (2, -1) and two intercepts (4, -4), one clear only.
    EXPECT_EQ(run.count("aの値を入力して下さい。(整数か小数)"), 2);
    EXPECT_EQ(run.count("bの値を入力して下さい。(整数か小数)"), 2);
    EXPECT_EQ(run.records()
                  .segments({.colour = ink::page,
                             .from = At(0, 0),
                             .to = At(1320, 1300),
                             .kind = 2,
                             .fill = ink::page,
                             .width = 3})
                  .size(),
              1u);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(930, 50), .to = At(930, 550), .colour = ink::text, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(680, 300), .to = At(1180, 300), .colour = ink::text, .width = 4})
            .empty());
    // Both intercept lines pass their y-axis point in colour 7.
    int onAxis = 0;
    for (const Dot& d : run.records().dots({.r = 1, .colour = ink::heading}))
        if (std::fabs(d.x - 930) < 0.06 && (std::fabs(d.y - 200) < 0.2 || std::fabs(d.y - 400) < 0.2))
            ++onAxis;
    EXPECT_GE(onAxis, 2);
}

}  // namespace
}  // namespace lesson::testing
