// SPDX-License-Identifier: GPL-3.0-or-later
// Plover's main menu and chapter frames, run from start-up; the dispatch and
// sub-menu rules all programs share are in contract/test_programs.cpp.
#include <gtest/gtest.h>

#include <string>

#include "plover_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Plover　メニュー＞";
const std::string kGoals[3] = {"保冷バックに入れた飲み物が、10℃以下に保てる時間を考えよう。",
                               "1次関数とみて、問題を解決しよう。",
                               "1次関数のグラフを利用して、問題を解決しよう。"};

TEST(PloverMenu, EntriesAreTheEightItemsWithEveryChapterBuilt) {
    const auto& entries = Plover::kMainMenu.items;
    EXPECT_EQ(entries[0].chapter, &Plover::kCoolBag);
    EXPECT_EQ(entries[1].chapter, &Plover::kAltitude);
    EXPECT_EQ(entries[2].chapter, &Plover::kFerryChart);
    EXPECT_EQ(entries[3].chapter, &Plover::kMovingPoint);
    EXPECT_EQ(entries[4].chapter, &Plover::kExercisesA);
    EXPECT_EQ(entries[5].chapter, &Plover::kExercisesB);
    for (int k = 6; k < 8; ++k) EXPECT_EQ(entries[k].chapter, nullptr) << k + 1;
}

TEST(PloverMenu, ItemsHeadingAndPromptFirst) {
    PloverRun run("");
    EXPECT_EQ(run.place(kHeading), "264 30 15");
    const char* items[8] = {"1　飲み物はいつまで冷たく保てる",
                            "2　1次関数とみて",
                            "3　グラフの利用",
                            "4　図形の問題",
                            "5　P92 章の問題A",
                            "6　P93 章の問題B",
                            "7　",
                            "8　終了"};
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(run.place(items[k - 1]),
                  "44 " + std::to_string(120 + 60 * (k - 1)) + (k % 2 ? " 13" : " 15"))
            << items[k - 1];
    }
    // The prompt is drawn by the menu, then again by the number entry, at
    // (816, 648) in colour 0: its first character twice before the first wait.
    const auto prompt = run.records().glyphs({.text = "番"});
    ASSERT_EQ(prompt.size(), 2u);
    for (const Glyph& g : prompt) {
        EXPECT_EQ(g.x, 816);
        EXPECT_EQ(g.y, 648);
        EXPECT_EQ(g.colour, ink::text);
    }
    // The work area is cleared before the whole screen.
    const auto trace = run.records();
    const SegmentQuery screen{.colour = ink::page,
                              .from = At(0, 0),
                              .to = At(1760, 1800),
                              .kind = 2,
                              .fill = ink::page,
                              .width = 3};
    const auto fromWorkArea = trace.fromFirst({.colour = ink::page,
                                               .from = At(0, 54),
                                               .to = At(1440, 900),
                                               .kind = 2,
                                               .fill = ink::page,
                                               .width = 3});
    ASSERT_FALSE(fromWorkArea.records().empty());
    EXPECT_EQ(fromWorkArea.segments(screen).size(), trace.segments(screen).size());
}

TEST(PloverMenu, ExitLeavesTheMenuOnScreen) {
    PloverRun run(typed("8"));
    ASSERT_TRUE(run.ended());
    const auto trace = run.records();
    EXPECT_TRUE(
        trace.after(trace.lastKey("Enter") + 1).segments({.from = At(0, 0), .to = At(1760, 1800)}).empty());
}

TEST(PloverChapterFrames, GoalScreens) {
    for (int c = 1; c <= 3; ++c) {
        PloverRun run(typed(std::to_string(c)));
        EXPECT_EQ(run.place("<めあて>"), "44 240 3") << c;
        EXPECT_EQ(run.place(kGoals[c - 1]), "44 305 0") << c;
    }
}

// A choice that is not whole opens the item of its whole part.
TEST(PloverChapterFrames, NonWholeChoicesOpenTheirWholePart) {
    EXPECT_EQ(PloverRun(typed("1") + typed("2.5")).count("表で調べよう。"), 1);
    EXPECT_EQ(PloverRun(typed("2") + typed("5/2")).place("km"), "1242 548 0");
    EXPECT_EQ(PloverRun(typed("3") + typed("5/2")).count("問1解答"), 1);
    EXPECT_EQ(PloverRun(typed("3") + typed("1.9")).count("P86 Q すれちがう回数は?"), 1);
}

TEST(PloverChapterFrames, EnteringAgainShowsTheGoalAgain) {
    PloverRun run(typed("3") + typed("3") + typed("3"));
    EXPECT_EQ(run.count(kGoals[2]), 2);
}

}  // namespace
}  // namespace lesson::testing
