// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel's chapter 3: the frame from the main menu, its sub-menu, and the
// fixed topics checked at the places their screens give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "kestrel_chapter3_fixture.h"

namespace lesson::testing {
namespace {

using namespace chapter3;

// ---- Frame ---------------------------------------------------------------------------

TEST(KestrelChapter3Frame, GoalScreenClearsAndTheChoiceLineFollowsWithoutAKey) {
    KestrelRun run(typed("3"));
    EXPECT_EQ(run.place("<めあて>"), "44 240 3");
    EXPECT_EQ(run.place(kGoal), "44 305 0");
    EXPECT_EQ(run.count(kChoiceLine), 1);
    const auto trace = run.records();
    const auto goal =
        trace.after(trace.lastKey("Enter") + 1)
            .fromFirst(
                {.colour = ink::page, .from = At(0, 0), .to = At(1760, 1800), .kind = 2, .fill = ink::page});
    ASSERT_FALSE(goal.records().empty());
    EXPECT_TRUE(goal.segments({.colour = ink::accent,
                               .from = At(96, 657),
                               .to = At(400, 693),
                               .kind = 2,
                               .fill = ink::keyBox})
                    .empty());  // no key wait
}

// Which screen a typed choice leads to: the first text of its topic, the
// main menu, or the choice line again over the goal screen.
struct Choice {
    const char* typed;
    const char* firstText;  // nullptr: the choice line is shown again
    Num mode = -1;          // rateExampleFixed after the entry, where a topic sets it
    int times = 1;          // times firstText is drawn in all
};

class KestrelChapter3Choice : public ::testing::TestWithParam<Choice> {};

TEST_P(KestrelChapter3Choice, LeadsToItsTopicOrAsksAgain) {
    const Choice& c = GetParam();
    KestrelRun run(typed("3") + " " + typed(c.typed));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.count(kGoal), 1) << c.typed;
    if (!c.firstText) {
        EXPECT_EQ(run.count(kChoiceLine), 2) << c.typed;
        EXPECT_EQ(run.count("＜Kestrel　メニュー＞"), 1) << c.typed;
        // Nothing above the choice line changes.
        const auto trace = run.records();
        EXPECT_TRUE(trace.after(trace.lastKey("Enter") + 1).segments({.from = At(0, 0)}).empty()) << c.typed;
        return;
    }
    EXPECT_EQ(run.count(c.firstText), c.times) << c.typed;
    if (c.mode >= 0) {
        EXPECT_EQ(run.program->rateExampleFixed, c.mode) << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TypedChoices, KestrelChapter3Choice,
    ::testing::Values(Choice{"1", "P62 xの値が増加するとき、yの値の変化は？"}, Choice{"2", "y=2x+3 で"},
                      Choice{"3", "例 1次関数 ", 1}, Choice{"4", "問1 y=-3x-2"},
                      Choice{"5", "例 1次関数 ", 0}, Choice{"6", "<１次関数の変化の割合>"},
                      Choice{"7", "問4 y=ﾀ24/xﾀ"}, Choice{"8", "＜Kestrel　メニュー＞", -1, 2},
                      // Values within 1..8 that are not whole select an item of the range.
                      Choice{"2.5", "y=2x+3 で"}, Choice{"15/2", "問4 y=ﾀ24/xﾀ"},
                      Choice{"8/8", "P62 xの値が増加するとき、yの値の変化は？"},
                      Choice{"7.9", "問4 y=ﾀ24/xﾀ"},
                      // Outside 1..8, empty, or without a value: the line again.
                      Choice{"0", nullptr}, Choice{"9", nullptr}, Choice{"8.5", nullptr},
                      Choice{"0.5", nullptr}, Choice{"-1", nullptr}, Choice{"", nullptr},
                      Choice{"-", nullptr}, Choice{"5/0", nullptr}, Choice{"0/0", nullptr},
                      Choice{"/", nullptr}));

TEST(KestrelChapter3Frame, TopicScreenStaysUnderTheChoiceLineAndTheGoalIsNotShownAgain) {
    KestrelRun run(typed("3") + " " + typed("7") + steps(18) + " " + typed("9") + " " + typed("4"));
    EXPECT_EQ(run.count(kChoiceLine), 3);
    EXPECT_EQ(run.count(kGoal), 1);
    EXPECT_EQ(run.count("問1 y=-3x-2"), 1);
    // Between the topic's last key and the next topic nothing is cleared.
    const auto trace = run.records();
    const int lastStep = trace.lastKey("a");
    const auto keys = trace.keys();
    const int four = static_cast<int>(std::find(keys.begin() + lastStep, keys.end(), "4") - keys.begin());
    EXPECT_TRUE(trace.after(lastStep + 1).before(four + 1).segments({.from = At(0, 0)}).empty());
}

TEST(KestrelChapter3Frame, LeavingAndComingBackShowsTheGoalAgain) {
    KestrelRun run(typed("3") + " " + typed("8") + " " + typed("3") + " " + typed("8") + " " + typed("9"));
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.count(kGoal), 2);
    EXPECT_EQ(run.count("＜Kestrel　メニュー＞"), 3);
}

// ---- Every topic to its end ------------------------------------------------------------

struct TopicCase {
    const char* name;
    KestrelUnderTest::Entry topic;
    std::string keys;  // from entry to the end; one key less must not end it
};

class KestrelChapter3Topic : public ::testing::TestWithParam<TopicCase> {};

TEST_P(KestrelChapter3Topic, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    KestrelRun full(c.keys, c.topic);
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    auto tokens = rt::HeadlessRuntime::splitKeys(c.keys);
    tokens.pop_back();
    std::string shorter;
    for (const auto& k : tokens) shorter += k + " ";
    KestrelRun shortOfOne(shorter, c.topic);
    EXPECT_FALSE(shortOfOne.ended()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Chapter3, KestrelChapter3Topic,
    ::testing::Values(TopicCase{"StepByOne", &Kestrel::StepByOneTopic, steps(25)},
                      TopicCase{"StepByTwoThree", &Kestrel::StepByTwoThreeTopic, steps(21)},
                      TopicCase{"RateOfChange", &Kestrel::RateOfChangeTopic,
                                exampleKeys("2") + exampleKeys("1") + steps(2)},
                      TopicCase{"RateExercise1", &Kestrel::RateExercise1, steps(16)},
                      TopicCase{"VaryCoefficients", &Kestrel::VaryCoefficientsTopic,
                                exampleKeys("1") + steps(1)},
                      TopicCase{"RateEqualsSlope", &Kestrel::RateEqualsSlopeTopic,
                                steps(4) + " " + typed("0") + steps(3) + " " + typed("1") + steps(13)},
                      TopicCase{"InverseRate", &Kestrel::InverseRateTopic, steps(18)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Table values revealed one by one ------------------------------------------------------

TEST(StepByOneTopic, TablesAndValuesOneAKey) {
    KestrelRun run(steps(25), &Kestrel::StepByOneTopic);
    const auto lines = run.lines();
    const Trace trace(lines);
    expectPlaces(run, {{"P62 xの値が増加するとき、yの値の変化は？", "38 30 7"},
                       {"y=2x+3 では", "38 80 3"},
                       {"xの値が1ずつ増加するとき、yの値はどうなりますか。", "38 270 0"},
                       {"y=2x では", "38 370 3"},
                       {"xの増加量がいろいろな場合を調べてみよう。", "38 594 0"}});
    const auto answers = run.drawn("2ずつ増加する。");
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].y, 320);
    EXPECT_EQ(answers[1].y, 540);
    // Header cells, "…" at both ends of both rows, x = 0 in the sixth value column.
    for (const float top : {140, 190, 430, 480}) {
        EXPECT_FALSE(trace
                         .segments({.colour = ink::emphasis,
                                    .from = At(38, top),
                                    .to = At(98, top + 50),
                                    .kind = 2,
                                    .fill = ink::page,
                                    .width = 5})
                         .empty())
            << top;
    }
    EXPECT_EQ(run.count("…"), 8);
    for (const auto& zero : run.drawn("0")) {
        if (zero.y == 140 || zero.y == 430) {
            EXPECT_EQ(zero.x, 398);
        }
    }

    // Cell k of the y row shows its value in colour 5 from key k+1 on.
    const int first[] = {-5, -3, -1, 1, 3, 5, 7, 9, 11};
    for (int keys = 0; keys <= 10; ++keys) {
        KestrelRun part(steps(keys), &Kestrel::StepByOneTopic);
        int shown = 0;
        for (const auto& r : part.texts)
            if (r.y == 190 && r.colour == ink::answer) {
                EXPECT_EQ(r.x, 98 + 60 * (shown + 1));
                EXPECT_EQ(r.text, std::to_string(first[shown]));
                ++shown;
            }
        EXPECT_EQ(shown, keys < 2 ? 0 : keys - 1) << keys;
    }
    int second = 0;
    for (const auto& r : run.texts) {
        if (r.y == 480 && r.colour == ink::answer) {
            EXPECT_EQ(r.text, std::to_string(2 * (++second - 5)));
        }
    }
    EXPECT_EQ(second, 9);
}

// ---- Arcs over a table -----------------------------------------------------------------------

TEST(StepByTwoThreeTopic, ArcsAndLabelsAtTheirPlaces) {
    KestrelRun run(steps(21), &Kestrel::StepByTwoThreeTopic);
    expectPlaces(run, {{"y=2x+3 で", "38 30 3"},
                       {"xの値が増加するとき、yの値の変化は？", "266 30 7"},
                       {"①xの値が2ずつ", "785 130 0"},
                       {"②xの値が3ずつ", "785 330 0"}});
    EXPECT_EQ(run.drawn("　増加するとき")[1].y, 380);
    expectPlaces(run, {{"4ずつ増加する。", "785 230 5"},
                       {"6ずつ増加する。", "785 430 5"},
                       {"ﾀyの増加量/xの増加量ﾀは？", "78 520 3"},
                       {"どちらも2", "350 520 5"}});
    // Both tables hold y from -5 to 11 between "…" columns.
    for (const char* y : {"-5", "11"}) EXPECT_EQ(run.count(y), 2) << y;
    EXPECT_EQ(run.count("…"), 8);

    const Trace g = run.records();
    struct Arc {
        const char* label;
        float y;
        std::initializer_list<float> middles;
    };
    for (const Arc& a : {Arc{"2", 86, {248, 368, 488, 608}}, Arc{"4", 230, {248, 368, 488, 608}},
                         Arc{"3", 286, {278, 458, 638}}, Arc{"6", 430, {278, 458, 638}}}) {
        for (float m : a.middles)
            EXPECT_EQ(
                g.glyphs({.text = a.label, .colour = ink::emphasis, .near = Near{m - 13.5f, a.y, 0.5f, 0.5f}})
                    .size(),
                1u)
                << a.label << " " << m;
    }

    // Dots: 19 an arc in the first table, reaching both ends; 26 in the second.
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(trace.dots({.r = 0.5f, .colour = ink::heading}).size(), 12u * 19 + 9 * 26);
    for (float x : {188.0f, 308.0f, 548.0f, 668.0f}) {
        EXPECT_FALSE(trace.dots({.r = 0.5f, .near = Near{x, 130, 0.01f, 0.01f}}).empty()) << x;
        EXPECT_FALSE(trace.dots({.r = 0.5f, .near = Near{x, 230, 0.01f, 0.01f}}).empty()) << x;
    }
    // The third arc of the second table ends at the right "…" column's
    // centre; 7 degrees a dot stop short of the far end of each run.
    EXPECT_FALSE(trace.dots({.r = 0.5f, .near = Near{728, 330, 0.01f, 0.01f}}).empty());
    EXPECT_FALSE(trace.dots({.r = 0.5f, .near = Near{548, 430, 0.01f, 0.01f}}).empty());
    EXPECT_FALSE(trace.dots({.r = 0.5f, .near = Near{368, 330, 0.01f, 0.01f}}).empty());
    EXPECT_TRUE(trace.dots({.r = 0.5f, .near = Near{188, 330, 0.01f, 0.01f}}).empty());
    EXPECT_FALSE(trace.dots({.r = 0.5f, .near = Near{188, 430, 0.01f, 0.01f}}).empty());
    EXPECT_TRUE(trace.dots({.r = 0.5f, .near = Near{728, 430, 0.01f, 0.01f}}).empty());

    // The y arcs get their labels only in the second pass.
    KestrelRun firstPass(steps(5), &Kestrel::StepByTwoThreeTopic);
    KestrelRun secondPass(steps(9), &Kestrel::StepByTwoThreeTopic);
    const Trace g1 = firstPass.records(), g2 = secondPass.records();
    EXPECT_EQ(g1.glyphs({.text = "2", .colour = ink::emphasis, .near = Near{594.5f, 86, 0.5f, 0.5f}}).size(),
              1u);
    EXPECT_EQ(g1.glyphs({.text = "4", .colour = ink::emphasis, .near = Near{594.5f, 230, 0.5f, 0.5f}}).size(),
              0u);
    EXPECT_EQ(g2.glyphs({.text = "4", .colour = ink::emphasis, .near = Near{594.5f, 230, 0.5f, 0.5f}}).size(),
              1u);
}

// ---- Two-column worked answers ------------------------------------------------------------------

TEST(RateExercise1, BothHalvesAtTheirPlaces) {
    KestrelRun run(steps(16), &Kestrel::RateExercise1);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(run.place("問1 y=-3x-2"), "38 30 3");
    EXPECT_EQ(run.place("xが4から6まで"), "119 80 0");
    EXPECT_EQ(run.drawn("<解答>")[0].y, 150);
    EXPECT_EQ(run.drawn("<解答>")[1].x, 646);
    EXPECT_EQ(run.drawn("<解答>")[1].y, 100);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(190, 180),
                                .to = At(280, 230),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::emphasis,
                                .from = At(1068, 150),
                                .to = At(1158, 200),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());
    expectPlaces(run, {{"x=4のとき y=-3*4-2=", "38 326 0"},
                       {"x=6のとき y=-3*6-2=", "38 376 0"},
                       {" ﾀ-20-(-14)/6-4ﾀ", "38 496 0"},
                       {"=ﾀ-6/2ﾀ=", "38 566 0"},
                       {"x=-6のとき", "646 210 0"},
                       {"y=-3*(-6)-2=", "686 260 0"},
                       {"x=-2のとき ", "646 310 0"},
                       {"y=-3*(-2)-2=", "686 360 0"},
                       {" ﾀ4-16/-2-(-6)ﾀ", "646 480 0"},
                       {"=ﾀ-12/4ﾀ=", "646 550 0"}});
    const auto since = run.drawn("だから、");
    ASSERT_EQ(since.size(), 2u);
    EXPECT_EQ(since[0].x, 76);
    EXPECT_EQ(since[0].y, 426);
    EXPECT_EQ(since[1].x, 684);
    EXPECT_EQ(since[1].y, 410);
    // Values written into the y row in colour 3, the increases at the arrows.
    EXPECT_EQ(run.drawn("-14")[1].x, 280);
    EXPECT_EQ(run.drawn("-14")[1].y, 230);
    EXPECT_EQ(run.drawn("-20")[1].x, 460);
    EXPECT_EQ(run.drawn("16")[1].x, 888);
    EXPECT_EQ(run.drawn("16")[1].colour, ink::emphasis);
    EXPECT_EQ(run.place("-6"), "385 281 5");
    EXPECT_EQ(run.place("-12"), "993 201 5");
    EXPECT_EQ(run.drawn("2").back().x, 400);
    EXPECT_EQ(run.drawn("2").back().y, 160);
    EXPECT_EQ(run.drawn("4").back().x, 1008);
    EXPECT_EQ(run.drawn("4").back().y, 80);

    // Half (1) stays while half (2) is built beside it.
    EXPECT_TRUE(trace.after(trace.firstKey("a") + 1).segments({.from = At(0, 0)}).empty());
    // Key 13 shows the second value with "だから、" and " 変化の割合は".
    KestrelRun twelve(steps(12), &Kestrel::RateExercise1), thirteen(steps(13), &Kestrel::RateExercise1);
    EXPECT_EQ(thirteen.texts.size() - twelve.texts.size(), 4u);
    EXPECT_EQ(thirteen.count(" 変化の割合は") - twelve.count(" 変化の割合は"), 1);
}

TEST(InverseRateTopic, BothHalvesAndTheClosingLine) {
    KestrelRun run(steps(18), &Kestrel::InverseRateTopic);
    expectPlaces(run, {{"問4 y=ﾀ24/xﾀ", "38 30 7"},
                       {"x=2のとき y=", "38 272 0"},
                       {"x=6のとき y=", "38 342 0"},
                       {"=ﾀ4-12/6-2ﾀ", "38 510 0"},
                       {"(2)", "646 30 3"},
                       {"x=8のとき y=", "646 342 0"}});
    EXPECT_EQ(run.drawn(" 変化の割合")[1].x, 646);
    EXPECT_EQ(run.drawn(" 変化の割合")[1].y, 452);
    expectPlaces(run, {{"-ﾀ3/4ﾀ", "902 510 5"}, {"-8", "385 231 5"}, {"-3", "993 231 5"}});
    EXPECT_EQ(run.drawn("12")[1].x, 280);
    EXPECT_EQ(run.drawn("12")[1].y, 180);
    EXPECT_EQ(run.drawn("3")[1].x, 1068);
    EXPECT_EQ(run.place("反比例では、変化の割合が一定ではない。"), "120 570 7");
    EXPECT_FALSE(run.records()
                     .segments({.colour = ink::emphasis,
                                .from = At(798, 130),
                                .to = At(888, 180),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
}

TEST(RateEqualsSlopeTopic, FramedExplanationAndTextbookColumn) {
    KestrelRun run(steps(4) + " " + typed("1") + steps(13), &Kestrel::RateEqualsSlopeTopic);
    EXPECT_FALSE(
        run.records()
            .segments({.colour = ink::onBox, .from = At(38, 16), .to = At(608, 291), .kind = 1, .width = 10})
            .empty());
    EXPECT_EQ(run.place("<１次関数の変化の割合>"), "76 30 3");
    EXPECT_EQ(run.place("変化の割合=ﾀyの増加量/xの増加量ﾀ=a"), "76 200 5");
    EXPECT_FALSE(run.records()
                     .segments({.colour = ink::page,
                                .from = At(0, 310),
                                .to = At(1320, 1610),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());
    expectPlaces(run, {{"yの増加量=a*(xの増加量)", "40 510 3"},
                       {"教科書P64 問2 をしなさい。", "646 30 3"},
                       {"(2)変化の割合…", "646 180 0"}});
    EXPECT_EQ(run.drawn("yの増加量=")[2].x, 722);
    EXPECT_EQ(run.drawn("yの増加量=")[2].y, 330);
    expectPlaces(run, {{"教科書P64 問3 をしなさい。", "646 420 3"},
                       {" 上がること", "646 520 5"},
                       {"教科書P64 問4　をしなさい。", "646 590 3"}});
}

// ---- Screen texts ------------------------------------------------------------------------------

// A "-0" that is a number of its own, not a subtraction of 0 ("5-0=").
bool showsNegativeZero(const std::string& text) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (auto i = text.find("-0"); i != std::string::npos; i = text.find("-0", i + 1)) {
        const char before = i > 0 ? text[i - 1] : ' ';
        const char after = i + 2 < text.size() ? text[i + 2] : ' ';
        if (!digit(before) && before != ')' && !digit(after) && after != '.') return true;
    }
    return false;
}

// Every topic of the chapter to its end, from the main menu, then the exit.
std::string everyTopic() {
    return typed("3") + " " + typed("1") + steps(25) + " " + typed("2") + steps(21) + " " + typed("3") +
           exampleKeys("2") + exampleKeys("1") + steps(2) + " " + typed("4") + steps(16) + " " + typed("5") +
           exampleKeys("0") + exampleKeys("1") + steps(1) + " " + typed("6") + steps(4) + " " + typed("1") +
           steps(13) + " " + typed("7") + steps(18) + " " + typed("8") + " " + typed("9");
}

TEST(KestrelChapter3Texts, EveryTextHasWholeMarkupAndNoNegativeZero) {
    KestrelRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(run.status, 0);
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
        EXPECT_FALSE(showsNegativeZero(r.text)) << r.text;
    }
    for (const char* first : {"P62 xの値が増加するとき、yの値の変化は？", "y=2x+3 で", "例 1次関数 ",
                              "問1 y=-3x-2", "変化の割合は、xの係数に等しい。", "<１次関数の変化の割合>",
                              "問4 y=ﾀ24/xﾀ", "教科書P64 問1　をしなさい。"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
}

// The same path through the replay tool, to the program's own end without
// entering the error handler.
TEST(KestrelChapter3Texts, ReplayEveryTopicToTheExit) {
    EXPECT_EQ(replayFault("kestrel", everyTopic(), 7), "");
}

}  // namespace
}  // namespace lesson::testing
