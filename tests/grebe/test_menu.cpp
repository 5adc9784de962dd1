// SPDX-License-Identifier: GPL-3.0-or-later
// Grebe's main menu and chapter frames, run from start-up; the dispatch and
// sub-menu rules all programs share are in contract/test_programs.cpp.
#include <gtest/gtest.h>

#include <string>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Grebe　メニュー＞";
const std::string kChapter1Goal = "グラフから直線の式を求めよう。";
const std::string kChapter2Goal = "傾きや切片がわかっているとき、1次関数の式を求めよう。";
const std::string kChapter2Line = "①傾きと1点　②切片と1点　③まとめ　④問2　⑤問3　⑥終了";

const std::string kChapter3Goal = "2点を通る直線の式を求めよう。";
const std::string kChapter3Line = "①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了";
const std::string kChapter4Line = "P74 基本の問題 ①1,2,3　②4　③5　④6　⑤終了";

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
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(22, 10),
                                .to = At(1342, 610),
                                .kind = 2,
                                .fill = ink::panel,
                                .width = 3})
                     .empty());
    // The prompt's first character: once before the entry is read, once by it.
    EXPECT_EQ(trace.glyphs(Typeset{.text = "番", .at = At(816, 648), .h = 1, .v = 1}).size(), 2u);
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
    const auto fromClear = two.records()
                               .fromLast({.colour = ink::page,
                                          .from = At(0, 0),
                                          .to = At(1760, 1800),
                                          .kind = 2,
                                          .fill = ink::page,
                                          .width = 3})
                               .records();
    ASSERT_GE(fromClear.size(), 2u);
    EXPECT_EQ(fromClear[1].kind, TraceRecord::Kind::glyph);
}

// A fraction inside the range picks the item of its whole part: 5/2 is topic 2,
// 7/2 topic 3.
TEST(GrebeChapterFrames, FractionalChoicePicksItsWholePart) {
    GrebeRun one("1 Enter 5 / 2 Enter");
    EXPECT_EQ(one.count("練習1 図の直線の式を求めなさい。"), 1);
    GrebeRun two("2 Enter 7 / 2 Enter");
    EXPECT_EQ(two.count("1次関数の式を求める"), 1);
}

TEST(GrebeChapterFrames, EnteringAgainShowsTheGoalAgain) {
    GrebeRun run("1 Enter 5 Enter 1 Enter 5 Enter 2 Enter 6 Enter 2 Enter");
    EXPECT_EQ(run.count(kChapter1Goal), 2);
    EXPECT_EQ(run.count(kChapter2Goal), 2);
    EXPECT_EQ(run.count(kHeading), 4);
}

}  // namespace
}  // namespace lesson::testing
