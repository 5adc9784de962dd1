// Grebe's main menu and the frames of chapters 1 and 2, run from start-up.
#include <gtest/gtest.h>

#include <string>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Grebe　メニュー＞";
const std::string kChapter1Goal = "グラフから直線の式を求めよう。";
const std::string kChapter2Goal = "傾きや切片がわかっているとき、1次関数の式を求めよう。";
const std::string kChapter1Line = "①P71Q　②練習１　③練習２　④問１　⑤終了";
const std::string kChapter2Line = "①傾きと1点　②切片と1点　③まとめ　④問2　⑤問3　⑥終了";

const std::string kChapter3Goal = "2点を通る直線の式を求めよう。";
const std::string kChapter3Line = "①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了";
const std::string kChapter4Line = "P74 基本の問題 ①1,2,3　②4　③5　④6　⑤終了";

enum class Leads { Chapter1, Chapter2, Chapter3, Chapter4, Menu, End };

struct Entry {
    const char* typed;
    Leads leads;
};

class GrebeMenuDispatch : public ::testing::TestWithParam<Entry> {};

// After the entry the script runs out at the next wait: the screen reached is
// a chapter's sub-menu, the menu drawn again, or nothing (the program ended).
TEST_P(GrebeMenuDispatch, EachEntryLeadsToItsTarget) {
    const Entry& e = GetParam();
    GrebeRun run(typed(e.typed));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.ended(), e.leads == Leads::End) << e.typed;
    EXPECT_EQ(run.count(kHeading), e.leads == Leads::Menu ? 2 : 1) << e.typed;
    EXPECT_EQ(run.count(kChapter1Goal), e.leads == Leads::Chapter1 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter1Line), e.leads == Leads::Chapter1 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter2Goal), e.leads == Leads::Chapter2 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter2Line), e.leads == Leads::Chapter2 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter3Goal), e.leads == Leads::Chapter3 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter3Line), e.leads == Leads::Chapter3 ? 1 : 0) << e.typed;
    EXPECT_EQ(run.count(kChapter4Line), e.leads == Leads::Chapter4 ? 1 : 0) << e.typed;
}

INSTANTIATE_TEST_SUITE_P(
    TypedEntries, GrebeMenuDispatch,
    ::testing::Values(Entry{"1", Leads::Chapter1}, Entry{"2", Leads::Chapter2}, Entry{"1.5", Leads::Chapter1},
                      Entry{"2/1", Leads::Chapter2}, Entry{"1/0.5", Leads::Chapter1},
                      Entry{"3", Leads::Chapter3}, Entry{"3/2", Leads::Chapter3}, Entry{"4", Leads::Chapter4},
                      // The spare items, and values that pass the range test while
                      // the leading number names no item.
                      Entry{"5", Leads::Menu}, Entry{"6", Leads::Menu}, Entry{"12/2", Leads::Menu},
                      Entry{"20/4", Leads::Menu}, Entry{"6.6", Leads::Menu},
                      // Out of range, or no value at all.
                      Entry{"", Leads::Menu}, Entry{"0", Leads::Menu}, Entry{"8", Leads::Menu},
                      Entry{"-3", Leads::Menu}, Entry{"1/2", Leads::Menu}, Entry{"-", Leads::Menu},
                      Entry{"5/0", Leads::Menu}, Entry{"0/0", Leads::Menu}, Entry{"7.5", Leads::Menu},
                      // Only a value of exactly 7 ends the program.
                      Entry{"7", Leads::End}, Entry{"7.0", Leads::End}, Entry{"14/2", Leads::End}));

TEST(GrebeMenu, EntriesAreTheSevenItemsWithEveryChapterBuilt) {
    const auto& entries = Grebe::kMainMenu.items;
    static const char* texts[] = {
        "1　グラフから", "2　1点と傾き(切片)から", "3　2点から", "4　P74 基本の問題", "5　", "6　",
        "7　終了"};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(entries[k].text, texts[k]) << k + 1;
    EXPECT_EQ(entries[0].chapter, &Grebe::kEquationFromGraph);
    EXPECT_EQ(entries[1].chapter, &Grebe::kEquationFromPoint);
    EXPECT_EQ(entries[2].chapter, &Grebe::kEquationFromTwoPoints);
    EXPECT_EQ(entries[3].chapter, &Grebe::kBasicProblems);
    for (int k = 4; k < 7; ++k) EXPECT_EQ(entries[k].chapter, nullptr) << k + 1;
}

TEST(GrebeMenu, ItemsHeadingAndPromptDrawnFirst) {
    GrebeRun run("");
    EXPECT_EQ(run.ownPlace(kHeading), "264 30 15");
    static const char* places[] = {"44 120 13", "44 180 15", "44 240 13", "44 300 15",
                                   "44 360 13", "44 420 15", "44 480 13"};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(run.ownPlace(std::string(Grebe::kMainMenu.items[k].text)), places[k]);
    const auto lines = run.lines();
    EXPECT_TRUE(hasLine(lines, "line 22 10 1342 610 15 2 10 3"));
    // The prompt's first character: once before the entry is read, once by it.
    EXPECT_EQ(countLines(lines, "text 816 648 1 1 0 ゴシック 16 1 0 番"), 2);
}

TEST(GrebeChapterFrames, GoalScreensOnTheScreenTheMenuCleared) {
    GrebeRun one(typed("1"));
    EXPECT_EQ(one.ownPlace("<めあて>"), "44 240 3");
    EXPECT_EQ(one.ownPlace(kChapter1Goal), "76 305 0");
    GrebeRun two(typed("2"));
    EXPECT_EQ(two.ownPlace("<めあて>"), "44 240 3");
    EXPECT_EQ(two.ownPlace(kChapter2Goal), "76 305 0");
    // The menu's last clear is the whole screen; nothing is drawn between it
    // and the goal screen.
    const auto lines = two.lines();
    const auto clear = std::find(lines.rbegin(), lines.rend(), "line 0 0 1760 1800 15 2 15 3");
    ASSERT_NE(clear, lines.rend());
    EXPECT_EQ(Trace(*(clear - 1)).count(TraceRecord::Kind::glyph), 1);
}

struct SubMenuCase {
    const char* keys;
    const char* line;
    int choiceLines;  // times the choice line is drawn
    int menus;        // times the main menu is drawn
};

class GrebeSubMenuRange : public ::testing::TestWithParam<SubMenuCase> {};

TEST_P(GrebeSubMenuRange, OutOfRangeRedrawsTheLineAndTheLastItemReturns) {
    const SubMenuCase& c = GetParam();
    GrebeRun run(c.keys);
    EXPECT_EQ(run.count(c.line), c.choiceLines) << c.keys;
    EXPECT_EQ(run.count(kHeading), c.menus) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Chapters, GrebeSubMenuRange,
    ::testing::Values(SubMenuCase{"1 Enter 6 Enter", kChapter1Line.c_str(), 2, 1},
                      SubMenuCase{"1 Enter 0 Enter Enter 5 / 0 Enter 1 1 / 2 Enter", kChapter1Line.c_str(), 5,
                                  1},
                      SubMenuCase{"1 Enter 5 Enter", kChapter1Line.c_str(), 1, 2},
                      SubMenuCase{"1 Enter 1 0 / 2 Enter", kChapter1Line.c_str(), 1, 2},
                      SubMenuCase{"2 Enter 7 Enter", kChapter2Line.c_str(), 2, 1},
                      SubMenuCase{"2 Enter 1 3 / 2 Enter - 1 Enter", kChapter2Line.c_str(), 3, 1},
                      SubMenuCase{"2 Enter 6 Enter", kChapter2Line.c_str(), 1, 2},
                      SubMenuCase{"2 Enter 1 2 / 2 Enter", kChapter2Line.c_str(), 1, 2}));

// A fraction inside the range picks the item of its whole part: 5/2 is topic 2,
// 7/2 topic 3.
TEST(GrebeChapterFrames, FractionalChoicePicksItsWholePart) {
    GrebeRun one("1 Enter 5 / 2 Enter");
    EXPECT_EQ(one.count("練習1 図の直線の式を求めなさい。"), 1);
    GrebeRun two("2 Enter 7 / 2 Enter");
    EXPECT_EQ(two.count("1次関数の式を求める"), 1);
}

TEST(GrebeChapterFrames, ReturningFromATopicKeepsItsScreenAndSkipsTheGoal) {
    GrebeRun run("1 Enter 1 Enter" + steps(10));
    EXPECT_EQ(run.count(kChapter1Line), 2);
    EXPECT_EQ(run.count(kChapter1Goal), 1);
    const std::string t = run.trace.str();
    const auto lastKey = t.rfind("key a");
    ASSERT_NE(lastKey, std::string::npos);
    EXPECT_EQ(t.find("line 0 0 ", lastKey), std::string::npos);
}

TEST(GrebeChapterFrames, EnteringAgainShowsTheGoalAgain) {
    GrebeRun run("1 Enter 5 Enter 1 Enter 5 Enter 2 Enter 6 Enter 2 Enter");
    EXPECT_EQ(run.count(kChapter1Goal), 2);
    EXPECT_EQ(run.count(kChapter2Goal), 2);
    EXPECT_EQ(run.count(kHeading), 4);
}

}  // namespace
}  // namespace lesson::testing
