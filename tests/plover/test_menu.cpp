// Plover's main menu and the frames of its chapters, run from start-up.
#include <gtest/gtest.h>

#include <string>

#include "plover_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Plover　メニュー＞";
const std::string kGoals[3] = {"保冷バックに入れた飲み物が、10℃以下に保てる時間を考えよう。",
                               "1次関数とみて、問題を解決しよう。",
                               "1次関数のグラフを利用して、問題を解決しよう。"};
const std::string kLines[3] = {"①P83Q問題　②表　③グラフ　④式　⑤まとめ　⑥表ヒント　⑦グラフヒント　⑧終了",
                               "①Q問題　②解答　③終了", "①Q運行図　②問1　③終了"};
// The choice lines of chapters 4 to 6 (only chapter 4 has a goal screen).
const std::string kLaterLines[3] = {"①Q(1で次へ)　②式と変域　③グラフ　④終了",
                                    "P92 章の問題A ①1,2　②3　③4　④5　⑤6　⑥終了",
                                    "P93 章の問題B ①1　②2　③3　④終了"};

// Where an entry leads: chapter 1 to 3, the menu drawn again, or the end.
// A test name for a typed entry: "3/2" is "3_over_2", "-2" "minus2".
std::string entryName(const std::string& typed) {
    std::string name;
    for (char c : typed) {
        if (c == '/')
            name += "_over_";
        else if (c == '.')
            name += "_point_";
        else if (c == '-')
            name += "minus";
        else
            name += c;
    }
    return name.empty() ? "empty" : name;
}

enum Leads { Chapter1 = 1, Chapter2, Chapter3, Chapter4, Chapter5, Chapter6, Menu, End };

struct Entry {
    const char* typed;
    Leads leads;
};

class PloverMenuDispatch : public ::testing::TestWithParam<Entry> {};

// After the entry the script runs out at the next wait: the screen reached is
// a chapter's sub-menu, the menu drawn again, or nothing (the program ended).
TEST_P(PloverMenuDispatch, EachEntryLeadsToItsTarget) {
    const Entry& e = GetParam();
    PloverRun run(typed(e.typed));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.ended(), e.leads == End) << e.typed;
    EXPECT_EQ(run.count(kHeading), e.leads == Menu ? 2 : 1) << e.typed;
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(run.count(kGoals[c - 1]), e.leads == c ? 1 : 0) << e.typed << " chapter " << c;
        EXPECT_EQ(run.count(kLines[c - 1]), e.leads == c ? 1 : 0) << e.typed << " chapter " << c;
    }
    for (int c = 4; c <= 6; ++c)
        EXPECT_EQ(run.count(kLaterLines[c - 4]), e.leads == c ? 1 : 0) << e.typed << " chapter " << c;
}

INSTANTIATE_TEST_SUITE_P(
    TypedEntries, PloverMenuDispatch,
    ::testing::Values(Entry{"1", Chapter1}, Entry{"2", Chapter2}, Entry{"3", Chapter3},
                      Entry{"1.5", Chapter1}, Entry{"2/1", Chapter2},
                      // Passes the range test on its value 1.5 and opens the number it begins with.
                      Entry{"3/2", Chapter3}, Entry{"4", Chapter4}, Entry{"5", Chapter5},
                      Entry{"6", Chapter6},
                      // 7 is the spare item; "7/2" and "7.5" are the spare item's.
                      Entry{"7", Menu}, Entry{"7/2", Menu}, Entry{"7.5", Menu},
                      // Values within the range whose leading number names no item.
                      Entry{"9/2", Menu}, Entry{"-2/-1", Menu}, Entry{"20/4", Menu},
                      // Out of range, empty, and entries without a value.
                      Entry{"", Menu}, Entry{"0", Menu}, Entry{"9", Menu}, Entry{"-3", Menu},
                      Entry{"-", Menu}, Entry{"5/0", Menu}, Entry{"0/0", Menu},
                      // The exit.
                      Entry{"8", End}, Entry{"8.0", End}, Entry{"16/2", End}),
    [](const auto& info) { return entryName(info.param.typed); });

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
        EXPECT_EQ(g.colour, 0);
    }
    // The work area is cleared before the whole screen.
    const auto lines = run.lines();
    const auto workArea = std::find(lines.begin(), lines.end(), "line 0 54 1440 900 15 2 15 3");
    const auto screen = std::find(lines.begin(), lines.end(), "line 0 0 1760 1800 15 2 15 3");
    EXPECT_LT(workArea, screen);
}

TEST(PloverMenu, ExitLeavesTheMenuOnScreen) {
    PloverRun run(typed("8"));
    ASSERT_TRUE(run.ended());
    const std::string t = run.trace.str();
    EXPECT_EQ(t.find("line 0 0 1760 1800", t.rfind("key Enter")), std::string::npos);
}

TEST(PloverChapterFrames, GoalScreens) {
    for (int c = 1; c <= 3; ++c) {
        PloverRun run(typed(std::to_string(c)));
        EXPECT_EQ(run.place("<めあて>"), "44 240 3") << c;
        EXPECT_EQ(run.place(kGoals[c - 1]), "44 305 0") << c;
    }
}

struct SubMenuCase {
    int chapter;
    const char* choices;  // typed after the chapter's number
    int choiceLines;      // times the choice line is drawn
    int menus;            // times the main menu is drawn
};

class PloverSubMenuRange : public ::testing::TestWithParam<SubMenuCase> {};

// A choice outside the items, or without a value, draws only the choice line
// again; the last item leads back to the main menu.
TEST_P(PloverSubMenuRange, OutOfRangeRedrawsTheLineAndTheLastItemReturns) {
    const SubMenuCase& c = GetParam();
    PloverRun run(typed(std::to_string(c.chapter)) + c.choices);
    EXPECT_EQ(run.count(kLines[c.chapter - 1]), c.choiceLines) << c.choices;
    EXPECT_EQ(run.count(kHeading), c.menus) << c.choices;
    EXPECT_EQ(run.count(kGoals[c.chapter - 1]), 1) << c.choices;
}

INSTANTIATE_TEST_SUITE_P(
    Chapters, PloverSubMenuRange,
    ::testing::Values(SubMenuCase{1, "0 Enter 9 Enter Enter 5 / 0 Enter - 1 Enter", 6, 1},
                      SubMenuCase{1, "8 Enter", 1, 2}, SubMenuCase{1, "1 6 / 2 Enter", 1, 2},
                      SubMenuCase{1, "8 . 5 Enter", 2, 1},
                      SubMenuCase{2, "0 Enter 4 Enter 0 / 0 Enter", 4, 1}, SubMenuCase{2, "3 Enter", 1, 2},
                      SubMenuCase{2, "3 . 5 Enter", 2, 1},
                      SubMenuCase{3, "4 Enter - 3 Enter 7 / 2 Enter", 4, 1}, SubMenuCase{3, "3 Enter", 1, 2},
                      SubMenuCase{3, "9 / 3 Enter", 1, 2}),
    [](const auto& info) {
        return "Chapter" + std::to_string(info.param.chapter) + "Case" + std::to_string(info.index);
    });

// A choice that is not whole opens the item of its whole part.
TEST(PloverChapterFrames, NonWholeChoicesOpenTheirWholePart) {
    EXPECT_EQ(PloverRun(typed("1") + typed("2.5")).count("表で調べよう。"), 1);
    EXPECT_EQ(PloverRun(typed("2") + typed("5/2")).place("km"), "1199 548 0");
    EXPECT_EQ(PloverRun(typed("3") + typed("5/2")).count("問1解答"), 1);
    EXPECT_EQ(PloverRun(typed("3") + typed("1.9")).count("P86 Q すれちがう回数は?"), 1);
}

TEST(PloverChapterFrames, ReturningFromATopicKeepsItsScreenAndSkipsTheGoal) {
    PloverRun run(typed("1") + typed("1") + steps(4));
    EXPECT_EQ(run.count(kLines[0]), 2);
    EXPECT_EQ(run.count(kGoals[0]), 1);
    const std::string t = run.trace.str();
    const auto lastKey = t.rfind("key a");
    ASSERT_NE(lastKey, std::string::npos);
    EXPECT_EQ(t.find("line 0 0 ", lastKey), std::string::npos);
}

TEST(PloverChapterFrames, EnteringAgainShowsTheGoalAgain) {
    PloverRun run(typed("3") + typed("3") + typed("3"));
    EXPECT_EQ(run.count(kGoals[2]), 2);
}

}  // namespace
}  // namespace lesson::testing
