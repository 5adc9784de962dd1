// Plover chapters 4 to 6 from the main menu: their sub-menus' ranges, the goal
// screen of chapter 4 only, every topic run to its end on its keys, and the
// mark-up of every text on the way, in process and through the replay tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "plover_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Plover　メニュー＞";
const std::string kChapter4Line = "①Q(1で次へ)　②式と変域　③グラフ　④終了";
const std::string kChapter5Line = "P92 章の問題A ①1,2　②3　③4　④5　⑤6　⑥終了";
const std::string kChapter6Line = "P93 章の問題B ①1　②2　③3　④終了";
const std::string kChapter4Goal = "図形の面積の変化について調べよう。";

struct ChoiceCase {
    const char* chapter;  // the main-menu item
    const char* typed;    // at the chapter's choice line
    const char* opens;    // a text only the chosen topic draws before its first wait;
                          // "" when the choice line comes again, "menu" for the main menu
};

class PloverChapters4To6SubMenuRange : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PloverChapters4To6SubMenuRange, EachEntryLeadsWhereItsValueSays) {
    const ChoiceCase& c = GetParam();
    PloverRun run(typed(c.chapter) + typed(c.typed));
    EXPECT_EQ(run.status, 0);
    const std::string line = std::string(c.chapter) == "4"   ? kChapter4Line
                             : std::string(c.chapter) == "5" ? kChapter5Line
                                                             : kChapter6Line;
    const std::string opens = c.opens;
    EXPECT_EQ(run.count(line), opens.empty() ? 2 : 1) << c.chapter << ": " << c.typed;
    EXPECT_EQ(run.count(kHeading), opens == "menu" ? 2 : 1) << c.chapter << ": " << c.typed;
    if (!opens.empty() && opens != "menu") {
        EXPECT_EQ(run.count(opens), 1) << c.chapter << ": " << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chapters4To6, PloverChapters4To6SubMenuRange,
    ::testing::Values(
        // Chapter 4: items 1 to 4.
        ChoiceCase{"4", "0", ""}, ChoiceCase{"4", "5", ""}, ChoiceCase{"4", "-1", ""},
        ChoiceCase{"4", "", ""}, ChoiceCase{"4", "5/0", ""}, ChoiceCase{"4", "4.5", ""},
        ChoiceCase{"4", "4", "menu"},
        ChoiceCase{"4", "1", "長方形ABCDで、点PはAを出発して、辺B,Cを通ってDまで動きます。"},
        ChoiceCase{"4", "2.5", "(1)～(3)の場合に、yをxの式で表し、xの変域も求めよう。"},
        ChoiceCase{"4", "10/3", "(1)～(3)の場合をグラフに表そう。"},
        // Chapter 5: items 1 to 6.
        ChoiceCase{"5", "0", ""}, ChoiceCase{"5", "7", ""}, ChoiceCase{"5", "-2", ""},
        ChoiceCase{"5", "6.5", ""}, ChoiceCase{"5", "6", "menu"}, ChoiceCase{"5", "1", "x=-3を代入して"},
        ChoiceCase{"5", "7/3", "変化の割合がﾀ2/5ﾀ"}, ChoiceCase{"5", "9/2", "①の直線の式は"},
        ChoiceCase{"5", "5.9", "6"},
        // Chapter 6: items 1 to 4.
        ChoiceCase{"6", "0", ""}, ChoiceCase{"6", "5", ""}, ChoiceCase{"6", "9/2", ""},
        ChoiceCase{"6", "0.5", ""}, ChoiceCase{"6", "", ""}, ChoiceCase{"6", "4", "menu"},
        ChoiceCase{"6", "1", "y=x-6 とx軸上で交わる"}, ChoiceCase{"6", "2", "ycm^2"},
        ChoiceCase{"6", "10/3", "3"}));

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

TEST(PloverChapters4To6, ATopicsScreenStaysUnderTheChoiceLineAndTheGoalIsNotRedrawn) {
    PloverRun run(typed("4") + typed("3") + steps(3));
    EXPECT_EQ(run.count(kChapter4Line), 2);
    EXPECT_EQ(run.count(kChapter4Goal), 1);
    const std::string t = run.trace.str();
    const auto lastKey = t.rfind("key a");
    ASSERT_NE(lastKey, std::string::npos);
    EXPECT_EQ(t.find("line 0 0 ", lastKey), std::string::npos);

    PloverRun again(typed("4") + typed("4") + typed("4"));
    EXPECT_EQ(again.count(kChapter4Goal), 2);
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

// Chapters 4 to 6 from the main menu, every topic stepped to its end, then
// the exit.
std::string everyTopic() {
    return typed("4") + typed("1") + "a" + steps(21) + " 1" + steps(4) + " " + typed("2") + steps(13) + " " +
           typed("3") + steps(3) + " " + typed("4") + typed("5") + typed("1") + "a " + typed("2") + "a " +
           typed("3") + typed("4") + steps(4) + " " + typed("5") + steps(3) + " " + typed("6") + typed("6") +
           typed("1") + steps(10) + " " + typed("2") + steps(3) + " " + typed("3") + steps(30) + " " +
           typed("4") + typed("8");
}

TEST(PloverChapters4To6, EveryTextHasWholeMarkup) {
    PloverRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
    }
    for (const char* last : {"△APDは減少する", "(7≦x≦10)", "y=20-2x(7≦x≦10)", "-3", "答 y=-3x+2", "x=ﾀ3/2ﾀ",
                             "答 (ﾀ5/3ﾀ,ﾀ2/3ﾀ)", "家から6kmの地点", "答 y=3x-5", "(4≦x≦7)", "答 y=-4x+16"}) {
        EXPECT_TRUE(distinct.count(last)) << last;
    }
}

TEST(PloverReplay, Chapters4To6ToTheExit) {
    const auto dir = std::filesystem::temp_directory_path() / "plover_replay_chapters_4_to_6";
    std::filesystem::create_directories(dir);
    const auto trace = dir / "trace.txt";
    const std::string command = std::string(REPLAY_PATH) + " plover --seed 1 --keys \"" + everyTopic() +
                                "\" --trace " + trace.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(trace);
    std::stringstream all;
    all << in.rdbuf();
    const std::string t = all.str();
    EXPECT_NE(t.find("\nend\n"), std::string::npos);
    EXPECT_EQ(t.find("\nerror "), std::string::npos);
    EXPECT_NE(t.find("\nfpoly 0 13 5 4 790 460 1150 460 910 220 790 460\n"), std::string::npos);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lesson::testing
