// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel's chapter 5 run from start-up: the goal screen and a topic chosen
// again; the sub-menu's typed entries and the way back from a topic are in
// contract/test_programs.cpp.
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
const std::string kTopic1FirstText = "変化の割合は、グラフではどのようなことを表している？";

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

TEST(KestrelChapter5Frame, ChoosingTopic1AgainStartsFromItsFirstScreen) {
    KestrelRun run(typed("5") + typed("1") + steps(18) + " " + typed("1"));
    EXPECT_EQ(run.count(kTopic1FirstText), 3);  // screens 1 and 2, then screen 1 again
    EXPECT_EQ(run.count("問　1次関数y=2x+3では、x軸方向を"), 2);
    EXPECT_EQ(run.count(kGoal1), 1);
}

}  // namespace
}  // namespace lesson::testing
