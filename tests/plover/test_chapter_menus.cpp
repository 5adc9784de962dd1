// SPDX-License-Identifier: GPL-3.0-or-later
// Plover chapters 4 to 6: the goal screen of chapter 4 only, and every topic
// run to its end on its keys; their sub-menus' dispatch and the tour of their
// texts are in contract/test_programs.cpp.
#include <gtest/gtest.h>

#include <string>

#include "plover_fixture.h"

namespace lesson::testing {
namespace {

const std::string kChapter5Line = "P92 章の問題A ①1,2　②3　③4　④5　⑤6　⑥終了";
const std::string kChapter6Line = "P93 章の問題B ①1　②2　③3　④終了";
const std::string kChapter4Goal = "図形の面積の変化について調べよう。";

TEST(PloverChapters4To6, OnlyChapter4HasAGoalScreen) {
    PloverRun four(typed("4"));
    EXPECT_EQ(four.place("<めあて>"), "44 240 3");
    EXPECT_EQ(four.place(kChapter4Goal), "76 305 0");
    for (const char* chapter : {"5", "6"}) {
        PloverRun run(typed(chapter));
        EXPECT_EQ(run.count("<めあて>"), 0) << chapter;
        EXPECT_EQ(run.count(chapter == std::string("5") ? kChapter5Line : kChapter6Line), 1) << chapter;
    }
}

// ---- Every topic to its end -------------------------------------------------------------

struct TopicCase {
    const char* name;
    PloverUnderTest::Entry topic;
    std::string keys;
};

class PloverChapters4To6TopicKeys : public ::testing::TestWithParam<TopicCase> {};

// Its keys take a topic to its end, and its keys but the last do not.
TEST_P(PloverChapters4To6TopicKeys, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    PloverRun full(c.keys, c.topic);
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    const auto presses = rt::HeadlessRuntime::splitKeys(c.keys).size();
    EXPECT_EQ(full.waits(), static_cast<int>(presses)) << c.name;
    if (presses > 0) {
        PloverRun shortOfOne(c.keys.substr(0, c.keys.rfind(' ') == std::string::npos ? 0 : c.keys.rfind(' ')),
                             c.topic);
        EXPECT_FALSE(shortOfOne.ended()) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chapters4To6, PloverChapters4To6TopicKeys,
    ::testing::Values(
        // Round the rectangle and a little more, then "1" and the four closing steps.
        TopicCase{"MovingPointQuestion", &Plover::MovingPointQuestion, "a" + steps(25) + " 1" + steps(4)},
        TopicCase{"MovingPointEquations", &Plover::MovingPointEquations, steps(13)},
        TopicCase{"MovingPointGraph", &Plover::MovingPointGraph, steps(3)},
        TopicCase{"ExerciseA1and2", &Plover::ExerciseA1and2Answers, steps(1)},
        TopicCase{"ExerciseA3", &Plover::ExerciseA3Answers, steps(1)},
        TopicCase{"ExerciseA4", &Plover::ExerciseA4Answers, ""},
        TopicCase{"ExerciseA5", &Plover::ExerciseA5Answers, steps(4)},
        TopicCase{"ExerciseA6", &Plover::ExerciseA6Answers, steps(3)},
        TopicCase{"ExerciseB1", &Plover::ExerciseB1Answers, steps(10)},
        TopicCase{"ExerciseB2", &Plover::ExerciseB2Answers, steps(3)},
        // Every key steps, "1" and Enter included.
        TopicCase{"ExerciseB3", &Plover::ExerciseB3Answers, steps(14) + " 1 Enter" + steps(14)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lesson::testing
