// SPDX-License-Identifier: GPL-3.0-or-later
// Tern's main menu and chapter frames, run from start-up; the dispatch and
// sub-menu rules all programs share are in contract/test_programs.cpp.
#include <gtest/gtest.h>

#include <string>

#include "tern_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Tern　メニュー＞";
const std::string kChapter1Goal = "2元1次方程式のグラフをかこう。";
const std::string kChapter2Goal = "y=3 や x=2 のような2元1次方程式のグラフをかこう。";
const std::string kChapter1Line = "①導入Q　②問１　③例1変形　④グラフ　⑤問２　⑥例2　⑦問3　⑧終了";
const std::string kChapter2Line = "①例3　②問4　③例4　④問5　⑤まとめ　⑥終了";
const std::string kChapter3Goal = "2つの2元1次方程式のグラフの交点の意味を考えよう。";
const std::string kChapter3Line = "①P80Q　②グラフから例　③問１　④交点例　⑤問2　⑥問3　⑦問4　⑧終了";
const std::string kChapter4Line = "P82 基本の問題 ①1　②2　③3　④終了";

TEST(TernMenu, EntriesAreTheSixItemsWithEveryChapterBuilt) {
    const auto& entries = Tern::kMainMenu.items;
    EXPECT_EQ(entries[0].text, "1　2元1次方程式のグラフ");
    EXPECT_EQ(entries[0].chapter, &Tern::kLinearEquationGraph);
    EXPECT_EQ(entries[1].text, "2　x=k,y=kのグラフ");
    EXPECT_EQ(entries[1].chapter, &Tern::kAxisParallelLines);
    EXPECT_EQ(entries[2].text, "3　連立方程式とグラフ");
    EXPECT_EQ(entries[2].chapter, &Tern::kSimultaneousEquationsGraph);
    EXPECT_EQ(entries[3].text, "4　P82 基本の問題");
    EXPECT_EQ(entries[3].chapter, &Tern::kEquationGraphProblems);
    EXPECT_EQ(entries[4].text, "5　");
    EXPECT_EQ(entries[5].text, "6　終了");
    for (int k = 4; k < 6; ++k) EXPECT_EQ(entries[k].chapter, nullptr) << k + 1;
}

TEST(TernMenu, ItemsHeadingAndPromptFirst) {
    TernRun run("");
    EXPECT_EQ(run.place(kHeading), "264 30 15");
    EXPECT_EQ(run.place("1　2元1次方程式のグラフ"), "44 120 13");
    EXPECT_EQ(run.place("2　x=k,y=kのグラフ"), "44 180 15");
    EXPECT_EQ(run.place("5　"), "44 360 13");
    EXPECT_EQ(run.place("6　終了"), "44 420 15");
    // The prompt is drawn before the number entry draws it again.
    EXPECT_EQ(run.records().glyphs(Typeset{.text = "番", .at = At(816, 648), .h = 1, .v = 1}).size(), 2u);
}

TEST(TernChapterFrames, GoalScreens) {
    TernRun one(typed("1"));
    EXPECT_EQ(one.place("<めあて>"), "44 240 3");
    EXPECT_EQ(one.place(kChapter1Goal), "44 305 0");
    EXPECT_EQ(one.count(kChapter1Line), 1);

    TernRun two(typed("2"));
    EXPECT_EQ(two.place("<めあて>"), "44 240 3");
    EXPECT_EQ(two.place(kChapter2Goal), "44 305 0");
    EXPECT_EQ(two.count(kChapter2Line), 1);

    TernRun three(typed("3"));
    EXPECT_EQ(three.place("<めあて>"), "44 240 3");
    EXPECT_EQ(three.place(kChapter3Goal), "44 305 0");
    EXPECT_EQ(three.count(kChapter3Line), 1);

    // Chapter 4 shows only its choice line on the screen the menu cleared.
    TernRun four(typed("4"));
    EXPECT_EQ(four.count("<めあて>"), 0);
    EXPECT_EQ(four.count(kChapter4Line), 1);
    // After the last clear nothing else clears.
    EXPECT_EQ(
        four.records()
            .fromLast(
                {.colour = ink::page, .from = At(0, 0), .to = At(1760, 1800), .kind = 2, .fill = ink::page})
            .segments({.from = At(0, 0)})
            .size(),
        1u);
}

// A choice that is not whole opens the item it begins with: 5/2 is topic 2,
// 10/3 chapter 3's topic 3, 7/2 chapter 4's problem 3.
TEST(TernChapterFrames, FractionalChoiceOpensTheWholeItem) {
    TernRun run(typed("2") + typed("5/2"));
    EXPECT_EQ(run.count("教科書P79 問4　解答"), 1);
    TernRun three(typed("3") + typed("10/3"));
    EXPECT_EQ(three.count("問1 解答"), 1);
    TernRun four(typed("4") + typed("7/2"));
    EXPECT_EQ(four.count("3"), 1);
    EXPECT_EQ(four.place("3"), "40 90 13");
}

TEST(TernChapterFrames, ReturningFromATopicKeepsItsScreenAndSkipsTheGoal) {
    TernRun run(typed("2") + typed("5"));
    EXPECT_EQ(run.count(kChapter2Line), 2);
    EXPECT_EQ(run.count(kChapter2Goal), 1);
    // The summary's frame is drawn, and nothing is cleared after it.
    const auto fromFrame = run.records().fromFirst(
        {.colour = ink::onBox, .from = At(38, 16), .to = At(838, 376), .kind = 1, .width = 8});
    ASSERT_FALSE(fromFrame.records().empty());
    EXPECT_TRUE(fromFrame.segments({.from = At(0, 0)}).empty());
}

TEST(TernChapterFrames, EnteringAgainShowsTheGoalAgain) {
    TernRun run(typed("1") + typed("8") + typed("1") + typed("8") + typed("2") + typed("6") + typed("6"));
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.count(kChapter1Goal), 2);
    EXPECT_EQ(run.count(kChapter2Goal), 1);
    EXPECT_EQ(run.count(kHeading), 4);
}

// Chapter 3's topics come back to its choice line without its goal screen;
// chapter 4's to its own; both last items lead back to the menu and its exit.
TEST(TernChapterFrames, ChaptersThreeAndFourFromTheMenuToTheExit) {
    TernRun run(typed("3") + typed("3") + steps(8) + " " + typed("8") + typed("4") + typed("2") + typed("4") +
                typed("6"));
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.count(kChapter3Goal), 1);
    EXPECT_EQ(run.count(kChapter3Line), 2);
    EXPECT_EQ(run.count(kChapter4Line), 2);
    EXPECT_EQ(run.count(kHeading), 3);
    EXPECT_EQ(run.count("答 x=3,y=-2"), 1);
}

}  // namespace
}  // namespace lesson::testing
