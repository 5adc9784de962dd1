// SPDX-License-Identifier: GPL-3.0-or-later
// The shared chapter shapes, on a small program of their own.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "lesson/lesson.h"
#include "runtime/headless.h"
#include "trace.h"

namespace lesson::testing {
namespace {

class LessonUnderTest : public Lesson {
public:
    LessonUnderTest(rt::Runtime& r, std::function<void(LessonUnderTest&)> body)
        : Lesson(r, "Test"), body_(std::move(body)) {}

protected:
    void ProgramMainMenu() override { body_(*this); }

private:
    std::function<void(LessonUnderTest&)> body_;
};

struct LessonRun {
    LessonRun(const std::string& keys, std::function<void(LessonUnderTest&)> body) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
        program = std::make_unique<LessonUnderTest>(*runtime, std::move(body));
        program->screenTextLog = &texts;
        program->OverrideSeed(7);
        status = program->Run();
    }
    std::ostringstream trace;
    std::vector<ScreenTextRecord> texts;
    std::unique_ptr<rt::HeadlessRuntime> runtime;
    std::unique_ptr<LessonUnderTest> program;
    int status = 0;
};

// "3/2" as keys: one token per character, then Enter.
std::string typed(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter";
}

constexpr std::string_view kItems[] = {"1　一", "2　二", "3　三", "4　四",  "5　五",
                                       "6　六", "7　七", "8　",   "9　終了"};

struct MenuCase {
    const char* entry;
    MenuPick::Kind kind;
    int item;
};

class MainMenuPick : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MainMenuPick, LeadsWhereTheTypedEntrySays) {
    const MenuCase& c = GetParam();
    MenuPick pick;
    LessonRun run(typed(c.entry), [&](LessonUnderTest& l) {
        pick = l.MainMenuChoice({kItems, 704, 120, ink::accent});
    });
    EXPECT_EQ(pick.kind, c.kind) << c.entry;
    if (c.kind == MenuPick::Item) {
        EXPECT_EQ(pick.item, c.item) << c.entry;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TypedEntries, MainMenuPick,
    ::testing::Values(MenuCase{"1", MenuPick::Item, 1}, MenuCase{"2", MenuPick::Item, 2},
                      MenuCase{"7", MenuPick::Item, 7}, MenuCase{"8", MenuPick::Item, 8},
                      MenuCase{"9", MenuPick::Exit, 9}, MenuCase{"9.0", MenuPick::Exit, 9},
                      MenuCase{"18/2", MenuPick::Exit, 9},
                      // Value and leading number disagree: the jump follows the text.
                      MenuCase{"3/2", MenuPick::Item, 3}, MenuCase{"1.5", MenuPick::Item, 1},
                      // The leading number names no item: the menu is drawn again.
                      MenuCase{"20/4", MenuPick::Redraw, 0}, MenuCase{"0.5/0.25", MenuPick::Redraw, 0},
                      MenuCase{"12/4", MenuPick::Redraw, 0}, MenuCase{"-1/-1", MenuPick::Redraw, 0},
                      // No defined value counts as 0.
                      MenuCase{"5/0", MenuPick::Redraw, 0}, MenuCase{"0/0", MenuPick::Redraw, 0},
                      MenuCase{"5/", MenuPick::Redraw, 0},
                      // Out of range.
                      MenuCase{"", MenuPick::Redraw, 0}, MenuCase{"0", MenuPick::Redraw, 0},
                      MenuCase{"10", MenuPick::Redraw, 0}, MenuCase{"-3", MenuPick::Redraw, 0},
                      MenuCase{"-", MenuPick::Redraw, 0}, MenuCase{"9.5", MenuPick::Redraw, 0}));

TEST(MainMenu, DrawsPanelHeadingItemsAndExit) {
    LessonRun run("Enter", [](LessonUnderTest& l) { l.MainMenuChoice({kItems, 704, 120, ink::accent}); });
    const Trace trace(run.trace.str());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(0, 0),
                                .to = At(1760, 1800),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(22, 10),
                                .to = At(1342, 610),
                                .kind = 2,
                                .fill = ink::panel,
                                .width = 3})
                     .empty());
    ASSERT_GE(run.texts.size(), 10u);
    EXPECT_EQ(run.texts[0].text, "＜Test　メニュー＞");
    EXPECT_EQ(run.texts[0].x, 264);
    EXPECT_EQ(run.texts[0].colour, ink::page);
    for (int k = 1; k <= 8; ++k) {
        const auto& r = run.texts[k];
        EXPECT_EQ(r.text, kItems[k - 1]);
        EXPECT_EQ(r.x, 44);
        EXPECT_EQ(r.y, 120 + 60 * (k - 1));
        EXPECT_EQ(r.colour, k % 2 ? ink::accent : ink::page);
    }
    EXPECT_EQ(run.texts[9].text, "9　終了");
    EXPECT_EQ(run.texts[9].x, 704);
    EXPECT_EQ(run.texts[9].y, 120);
    EXPECT_EQ(run.texts[9].colour, ink::accent);
}

TEST(MainMenu, ValidPickClearsTheScreenBeforeTheChapter) {
    LessonRun run(typed("2"), [](LessonUnderTest& l) { l.MainMenuChoice({kItems, 704, 120, ink::accent}); });
    const Trace trace(run.trace.str());
    EXPECT_FALSE(
        trace.after(trace.lastKey("Enter") + 1)
            .segments(
                {.colour = ink::page, .from = At(0, 0), .to = At(1760, 1800), .kind = 2, .fill = ink::page})
            .empty());
}

TEST(SubMenu, RedrawsTheChoiceLineUntilTheValueIsAnItem) {
    int item = 0;
    LessonRun run("0 Enter Enter 4 Enter 5 / 0 Enter 3 Enter",
                  [&](LessonUnderTest& l) { item = l.ChapterSubMenu("①a　②b　③終了", 3); });
    EXPECT_EQ(item, 3);
    int lines = 0;
    for (const auto& r : run.texts) lines += r.text == "①a　②b　③終了";
    EXPECT_EQ(lines, 5);
}

TEST(SubMenu, FractionWithinTheRangePicksAnItemWithinIt) {
    int item = 0;
    LessonRun run(typed("5/2"), [&](LessonUnderTest& l) { item = l.ChapterSubMenu("①a　②b　③終了", 3); });
    EXPECT_EQ(item, 2);
    EXPECT_EQ(run.program->subMenuTyped, 2.5f);
}

TEST(GoalScreen, IndentDependsOnItsOwnClear) {
    for (bool ownClear : {true, false}) {
        LessonRun run("", [&](LessonUnderTest& l) { l.ChapterGoalScreen(ownClear, {"一行目", "二行目"}); });
        ASSERT_EQ(run.texts.size(), 3u);
        EXPECT_EQ(run.texts[0].text, "<めあて>");
        EXPECT_EQ(run.texts[0].x, 44);
        EXPECT_EQ(run.texts[0].y, 240);
        EXPECT_EQ(run.texts[0].colour, ink::emphasis);
        const Num x = ownClear ? 44 : 76;
        EXPECT_EQ(run.texts[1].x, x);
        EXPECT_EQ(run.texts[1].y, 305);
        EXPECT_EQ(run.texts[1].colour, ink::text);
        EXPECT_EQ(run.texts[2].x, x);
        EXPECT_EQ(run.texts[2].y, 370);
        const bool cleared = !Trace(run.trace.str())
                                  .segments({.colour = ink::page,
                                             .from = At(0, 0),
                                             .to = At(1760, 1800),
                                             .kind = 2,
                                             .fill = ink::page})
                                  .empty();
        EXPECT_EQ(cleared, ownClear);
        EXPECT_EQ(run.runtime->waits(), 0);
    }
}

TEST(TextCursor, RowsAndContinuations) {
    LessonRun run("", [](LessonUnderTest& l) {
        l.TopicScreen(1320, 1300, 114);
        l.Put(114, 30, ink::emphasis, "見出し");
        l.NewRow(50, ink::text, "行", -76);
        l.Next(ink::answer, "続き", 40);
        l.Label(900, 500, ink::text, "ラベル");
        l.NewRow(70, ink::text, "次の行");
    });
    ASSERT_EQ(run.texts.size(), 5u);
    EXPECT_EQ(run.texts[1].x, 38);
    EXPECT_EQ(run.texts[1].y, 80);
    EXPECT_GT(run.texts[2].x, 38 + 40);
    EXPECT_EQ(run.texts[2].y, 80);
    // A label beside a figure leaves the cursor where it was.
    EXPECT_EQ(run.texts[4].x, 114);
    EXPECT_EQ(run.texts[4].y, 150);
}

struct LoopCase {
    const char* keys;
    int problems;
};

class RandomLoop : public ::testing::TestWithParam<LoopCase> {};

TEST_P(RandomLoop, EndsOnlyOnAValueOfOne) {
    int problems = 0;
    LessonRun run(GetParam().keys, [&](LessonUnderTest& l) { l.RandomExerciseLoop([&] { ++problems; }); });
    EXPECT_EQ(problems, GetParam().problems) << GetParam().keys;
    EXPECT_GT(Trace(run.trace.str()).count(TraceRecord::Kind::end), 0) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Entries, RandomLoop,
                         ::testing::Values(LoopCase{"1 Enter", 1}, LoopCase{"2 / 2 Enter", 1},
                                           LoopCase{"1 . 0 Enter", 1}, LoopCase{"Enter 1 Enter", 2},
                                           LoopCase{"2 Enter 5 / 0 Enter 1 Enter", 3},
                                           LoopCase{"1 1 Enter 1 Enter", 2}));

TEST(RandomExercise, RedrawUntilValidNeverShowsABadDraw) {
    LessonRun run("", [](LessonUnderTest& l) {
        for (int k = 0; k < 200; ++k) {
            Num a;
            do a = l.RandomWhole(5, -2);  // -2 .. 2
            while (a == 0);
            ASSERT_NE(a, 0);
            ASSERT_GE(a, -2);
            ASSERT_LE(a, 2);
        }
    });
    EXPECT_EQ(run.status, 0);
}

TEST(RandomExercise, SignsComeBothWays) {
    LessonRun run("", [](LessonUnderTest& l) {
        int negative12 = 0, negative01 = 0;
        for (int k = 0; k < 400; ++k) {
            Num a = 3, b = 3;
            const Num s12 = l.RandomSign12(a);
            const Num s01 = l.RandomSign01(b);
            ASSERT_EQ(a, s12 == 2 ? -3 : 3);
            ASSERT_EQ(b, s01 == 0 ? -3 : 3);
            negative12 += a < 0;
            negative01 += b < 0;
        }
        EXPECT_GT(negative12, 120);
        EXPECT_LT(negative12, 280);
        EXPECT_GT(negative01, 120);
        EXPECT_LT(negative01, 280);
    });
}

TEST(RandomExercise, NoRepeatKeepsTheLastValue) {
    Num kept = 0;
    EXPECT_TRUE(Lesson::RepeatsKept(0, kept));
    EXPECT_FALSE(Lesson::RepeatsKept(3, kept));
    EXPECT_EQ(kept, 3);
    EXPECT_TRUE(Lesson::RepeatsKept(3, kept));
    EXPECT_FALSE(Lesson::RepeatsKept(-3, kept));
    EXPECT_EQ(kept, -3);
}

TEST(CoefficientTexts, Forms) {
    struct Case {
        Num v;
        const char* text;
        const char* coefficient;
        const char* later;
        const char* substituted;
    };
    for (const Case& c : {Case{1, "1", "", "+1", "1"}, Case{-1, "-1", "-", "-1", "(-1)"},
                          Case{3, "3", "3", "+3", "3"}, Case{-2, "-2", "-2", "-2", "(-2)"},
                          Case{0, "0", "0", "0", "0"}, Case{0.5f, ".5", ".5", "+.5", ".5"}}) {
        EXPECT_EQ(Lesson::CoefficientForm(c.v, c.text), c.coefficient) << c.v;
        EXPECT_EQ(Lesson::LaterTermForm(c.v, c.text), c.later) << c.v;
        EXPECT_EQ(Lesson::SubstitutedForm(c.v, c.text), c.substituted) << c.v;
    }
}

TEST(MarkupFault, FindsUnclosedRootsTrailingExponentsAndLoneFractionMarks) {
    struct Case {
        const char* text;
        bool fault;
    };
    for (const Case& c : {Case{"y=ﾀ6/xﾀ", false}, Case{"!2ﾝ+#3ﾝ", false}, Case{"24cm^2", false},
                          Case{"", false}, Case{"!2+1", true}, Case{"#x", true}, Case{"x^", true},
                          Case{"ﾀ1/2", true}, Case{"ﾀ1/2ﾀ+ﾀ", true}}) {
        EXPECT_EQ(!MarkupFault(c.text).empty(), c.fault) << c.text;
    }
}

}  // namespace
}  // namespace lesson::testing
