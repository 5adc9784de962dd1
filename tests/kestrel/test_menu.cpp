// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel's main menu and chapter frames, run from start-up; the dispatch and
// sub-menu rules all programs share are in contract/test_programs.cpp.
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

TEST(KestrelChapterFrames, EnteringAgainShowsTheGoalAgain) {
    KestrelRun run("1 Enter 3 Enter 1 Enter");
    EXPECT_EQ(run.count(kChapter1Goal), 2);
}

}  // namespace
}  // namespace lesson::testing
