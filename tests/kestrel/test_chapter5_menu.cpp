// Kestrel's chapter 5 run from start-up: the goal screen, the sub-menu's
// typed entries and where each leads, and the way back from a topic.
#include <gtest/gtest.h>

#include <string>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Kestrel　メニュー＞";
const std::string kChoiceLine =
    "①傾き　②説明　③問4　④y=-2x+3のグラフ　⑤問５　⑥整数練習　⑦分数練習　⑧問６　⑨終了";
const std::string kGoal1 = "①　1次関数のグラフの傾きぐあいを調べよう。";
const std::string kGoal2 = "②　1次関数のグラフをかこう。";

// The first text of each topic, item 1 to 8.
const char* const kTopicFirstText[] = {
    "変化の割合は、グラフではどのようなことを表している？",
    "<1次関数のグラフ>",
    "教科書P68 問4の解答",
    "問　1次関数 y=-2x+3 のグラフを、",
    "問5　1次関数 y=ﾀ1/2ﾀx+1 のグラフを、",
    "Q1 次の1次関数のグラフをかきなさい。",
    "Q2 次の1次関数のグラフをかきなさい。",
    "教科書P69 問6　解答",
};

TEST(KestrelChapter5Frame, MainMenuItem5ShowsTheGoalsAndTheChoiceLine) {
    for (const char* entry : {"5", "5/1", "5.5"}) {
        KestrelRun run(typed(entry));
        EXPECT_EQ(run.place("<めあて>"), "44 240 3") << entry;
        EXPECT_EQ(run.place(kGoal1), "76 305 0") << entry;
        EXPECT_EQ(run.place(kGoal2), "76 370 0") << entry;
        EXPECT_EQ(run.count(kChoiceLine), 1) << entry;
        EXPECT_EQ(run.count(kHeading), 1) << entry;
    }
    EXPECT_EQ(Kestrel::kMainMenu.items[4].chapter, &Kestrel::kSlopeDrawing);
}

struct ChoiceCase {
    const char* typed;
    int leads;  // 0: the choice line again; 1..8: that topic; 9: the main menu
};

class KestrelChapter5Choice : public ::testing::TestWithParam<ChoiceCase> {};

// After the entry the keys run out at the next wait: a topic's first key
// wait, the choice line again (also after topic 8, which has no key wait),
// or the main menu.
TEST_P(KestrelChapter5Choice, EachEntryLeadsToItsTarget) {
    const ChoiceCase& c = GetParam();
    KestrelRun run(typed("5") + typed(c.typed));
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.ended()) << c.typed;
    const bool choiceAgain = c.leads == 0 || c.leads == 8;
    EXPECT_EQ(run.count(kChoiceLine), choiceAgain ? 2 : 1) << c.typed;
    EXPECT_EQ(run.count(kHeading), c.leads == 9 ? 2 : 1) << c.typed;
    EXPECT_EQ(run.count(kGoal1), 1) << c.typed;
    for (int item = 1; item <= 8; ++item) {
        EXPECT_EQ(run.count(kTopicFirstText[item - 1]), item == c.leads ? 1 : 0)
            << c.typed << " item " << item;
    }
}

INSTANTIATE_TEST_SUITE_P(TypedEntries, KestrelChapter5Choice,
                         ::testing::Values(ChoiceCase{"1", 1}, ChoiceCase{"2", 2}, ChoiceCase{"3", 3},
                                           ChoiceCase{"4", 4}, ChoiceCase{"5", 5}, ChoiceCase{"6", 6},
                                           ChoiceCase{"7", 7}, ChoiceCase{"8", 8}, ChoiceCase{"9", 9},
                                           // Not whole: the fraction is cut off.
                                           ChoiceCase{"3/2", 1}, ChoiceCase{"8.6", 8}, ChoiceCase{"18/2", 9},
                                           // Out of range, empty, and entries without a value.
                                           ChoiceCase{"0", 0}, ChoiceCase{"10", 0}, ChoiceCase{"-3", 0},
                                           ChoiceCase{"9.5", 0}, ChoiceCase{"0.5", 0}, ChoiceCase{"", 0},
                                           ChoiceCase{"5/0", 0}, ChoiceCase{"0/0", 0}, ChoiceCase{"/", 0},
                                           ChoiceCase{"-", 0}));

TEST(KestrelChapter5Frame, ReturningFromATopicKeepsItsScreenAndSkipsTheGoal) {
    KestrelRun run(typed("5") + typed("4") + steps(10));
    EXPECT_EQ(run.count(kChoiceLine), 2);
    EXPECT_EQ(run.count(kGoal1), 1);
    const std::string t = run.trace.str();
    const auto lastKey = t.rfind("key a");
    ASSERT_NE(lastKey, std::string::npos);
    EXPECT_EQ(t.find("line 0 0 ", lastKey), std::string::npos);
}

TEST(KestrelChapter5Frame, ChoosingTopic1AgainStartsFromItsFirstScreen) {
    KestrelRun run(typed("5") + typed("1") + steps(18) + " " + typed("1"));
    EXPECT_EQ(run.count(kTopicFirstText[0]), 3);  // screens 1 and 2, then screen 1 again
    EXPECT_EQ(run.count("問　1次関数y=2x+3では、x軸方向を"), 2);
    EXPECT_EQ(run.count(kGoal1), 1);
}

TEST(KestrelChapter5Frame, Item9ReturnsToTheMenuAndItsExitEndsTheProgram) {
    KestrelRun run(typed("5") + typed("8") + typed("9") + typed("9"));
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.count(kHeading), 2);
    EXPECT_EQ(run.count(kChoiceLine), 2);
}

}  // namespace
}  // namespace lesson::testing
