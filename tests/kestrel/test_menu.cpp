// Kestrel's main menu and the frames of chapters 1 and 2, run from start-up.
#include <gtest/gtest.h>

#include <string>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Kestrel　メニュー＞";
const std::string kChapter1Goal = "比例、反比例の復習をしよう。";
const std::string kChapter2Goal = "1次関数の意味を知り、式に表そう。";
const std::string kChapter3Goal = "1次関数の値の変化について調べよう。";
const std::string kChapter1Line = " ①表式,変化の様子　②グラフ　③終了";
const std::string kChapter2Line = "①58Qお湯　②60Q　③問1,2　④意味　⑤例１　⑥例2　⑦問３　⑧問4　⑨終了";

enum class Leads { Chapter1, Chapter2, Chapter3, Menu, End };

struct Entry {
    const char* typed;
    Leads leads;
};

class KestrelMenuDispatch : public ::testing::TestWithParam<Entry> {};

// After the entry the script runs out at the next wait: the screen reached is
// the chapter's sub-menu, the menu drawn again, or nothing (the program ended).
TEST_P(KestrelMenuDispatch, EachEntryLeadsToItsTarget) {
    const Entry& e = GetParam();
    KestrelRun run(typed(e.typed));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.ended(), e.leads == Leads::End) << e.typed;
    EXPECT_EQ(run.count(kHeading), e.leads == Leads::Menu ? 2 : 1) << e.typed;
    EXPECT_EQ(run.count(kChapter1Goal), e.leads == Leads::Chapter1 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter2Goal), e.leads == Leads::Chapter2 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter3Goal), e.leads == Leads::Chapter3 ? 1 : 0) << e.typed;
}

INSTANTIATE_TEST_SUITE_P(
    TypedEntries, KestrelMenuDispatch,
    ::testing::Values(Entry{"1", Leads::Chapter1}, Entry{"2", Leads::Chapter2}, Entry{"1.5", Leads::Chapter1},
                      Entry{"2/1", Leads::Chapter2},
                      Entry{"3", Leads::Chapter3}, Entry{"3/2", Leads::Chapter3},
                      // The spare item and bad numbers.
                      Entry{"8", Leads::Menu}, Entry{"", Leads::Menu}, Entry{"0", Leads::Menu},
                      Entry{"10", Leads::Menu}, Entry{"-3", Leads::Menu}, Entry{"-", Leads::Menu},
                      Entry{"20/4", Leads::Menu}, Entry{"0.5/0.25", Leads::Menu}, Entry{"12/4", Leads::Menu},
                      Entry{"5/0", Leads::Menu}, Entry{"0/0", Leads::Menu},
                      // The exit.
                      Entry{"9", Leads::End}, Entry{"9.0", Leads::End}, Entry{"18/2", Leads::End}));

TEST(KestrelMenu, EntriesAreTheNineItemsWithEveryChapterBuilt) {
    const auto& entries = Kestrel::kMainMenu.items;
    EXPECT_EQ(entries[0].text, "1　関数の振り返り");
    EXPECT_EQ(entries[0].chapter, &Kestrel::kFunctionReview);
    EXPECT_EQ(entries[1].text, "2　1次関数");
    EXPECT_EQ(entries[1].chapter, &Kestrel::kLinearFunction);
    EXPECT_EQ(entries[2].text, "3　変化の割合");
    EXPECT_EQ(entries[2].chapter, &Kestrel::kRateOfChange);
    EXPECT_EQ(entries[6].text, "7　変域");
    EXPECT_EQ(entries[7].text, "8　");
    EXPECT_EQ(entries[8].text, "9　終了");
    EXPECT_EQ(entries[2].chapter, &Kestrel::kRateOfChange);
    EXPECT_EQ(entries[3].chapter, &Kestrel::kGraphIntercept);
    EXPECT_EQ(entries[4].chapter, &Kestrel::kSlopeDrawing);
    EXPECT_EQ(entries[5].chapter, &Kestrel::kTableEquationGraph);
    EXPECT_EQ(entries[6].chapter, &Kestrel::kDomainRange);
    for (int k : {7, 8}) EXPECT_EQ(entries[k].chapter, nullptr) << k + 1;
}

TEST(KestrelMenu, ExitItemStandsRightOfItem1) {
    KestrelRun run("");
    EXPECT_EQ(run.place("9　終了"), "704 120 13");
    EXPECT_EQ(run.place("8　"), "44 540 15");
    EXPECT_EQ(run.place(kHeading), "264 30 15");
}

TEST(KestrelChapterFrames, GoalScreens) {
    KestrelRun one(typed("1"));
    EXPECT_EQ(one.place("<めあて>"), "44 240 3");
    EXPECT_EQ(one.place(kChapter1Goal), "76 305 0");
    EXPECT_EQ(one.count(kChapter1Line), 1);

    KestrelRun two(typed("2"));
    EXPECT_EQ(two.place("<めあて>"), "44 240 3");
    EXPECT_EQ(two.place(kChapter2Goal), "44 305 0");
    EXPECT_EQ(two.count(kChapter2Line), 1);
}

struct SubMenuCase {
    const char* keys;
    const char* line;
    int choiceLines;  // times the choice line is drawn
    int menus;        // times the main menu is drawn
};

class KestrelSubMenuRange : public ::testing::TestWithParam<SubMenuCase> {};

TEST_P(KestrelSubMenuRange, OutOfRangeRedrawsTheLineAndTheLastItemReturns) {
    const SubMenuCase& c = GetParam();
    KestrelRun run(c.keys);
    EXPECT_EQ(run.count(c.line), c.choiceLines) << c.keys;
    EXPECT_EQ(run.count(kHeading), c.menus) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Chapters, KestrelSubMenuRange,
    ::testing::Values(SubMenuCase{"1 Enter 4 Enter", kChapter1Line.c_str(), 2, 1},
                      SubMenuCase{"1 Enter 0 Enter Enter 5 / 0 Enter", kChapter1Line.c_str(), 4, 1},
                      SubMenuCase{"1 Enter 3 Enter", kChapter1Line.c_str(), 1, 2},
                      SubMenuCase{"1 Enter 9 / 3 Enter", kChapter1Line.c_str(), 1, 2},
                      SubMenuCase{"2 Enter 1 0 Enter", kChapter2Line.c_str(), 2, 1},
                      SubMenuCase{"2 Enter 9 Enter", kChapter2Line.c_str(), 1, 2}));

TEST(KestrelChapterFrames, ReturningFromATopicKeepsItsScreenAndSkipsTheGoal) {
    KestrelRun run("1 Enter 1 Enter" + steps(15));
    EXPECT_EQ(run.count(kChapter1Line), 2);
    EXPECT_EQ(run.count(kChapter1Goal), 1);
    // Nothing is cleared between the topic's last key and the choice line.
    const std::string t = run.trace.str();
    const auto lastKey = t.rfind("key a");
    ASSERT_NE(lastKey, std::string::npos);
    EXPECT_EQ(t.find("line 0 0 ", lastKey), std::string::npos);
}

TEST(KestrelChapterFrames, EnteringAgainShowsTheGoalAgain) {
    KestrelRun run("1 Enter 3 Enter 1 Enter");
    EXPECT_EQ(run.count(kChapter1Goal), 2);
}

}  // namespace
}  // namespace lesson::testing
