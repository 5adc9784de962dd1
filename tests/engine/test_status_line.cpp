// SPDX-License-Identifier: GPL-3.0-or-later
// Status-line prompts, number entry, key waits, value texts and command keys.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "runtime/canvas_runtime.h"
#include "runtime/palette.h"
#include "trace.h"

namespace {

namespace ink = lesson::ink;
using lesson::Engine;
using lesson::testing::At;
using lesson::testing::Disc;
using lesson::testing::Headless;
using lesson::testing::isDot;
using lesson::testing::isSegment;
using lesson::testing::Trace;

// Position and colour of the first drawing of text, as "X Y COLOUR".
std::string placed(const Headless& h, const std::string& text, int nth = 0) {
    auto found = h.records().glyphs({.text = text});
    if (static_cast<int>(found.size()) <= nth) return "absent";
    const auto& g = found[nth];
    return rt::traceNumber(g.x) + " " + rt::traceNumber(g.y) + " " +
           std::to_string(rt::paletteIndex(g.colour));
}

TEST(StatusLine, MenuNumberLayoutAndResult) {
    Headless h({"1", "2", "Enter"});
    h.start();
    Engine& e = h.e();
    const lesson::NumberEntry typed = e.AskMenuNumber();
    EXPECT_EQ(placed(h, "番"), "816 648 0");
    EXPECT_EQ(placed(h, "入", 1), "1008 648 0");  // the first is the prompt's
    EXPECT_EQ(placed(h, "１"), "1056 648 5");
    EXPECT_EQ(placed(h, "２"), "1072 648 5");
    const auto lines = h.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace.dots(Disc{.at = At(1064, 656), .r = 4, .colour = ink::answer, .width = 3}).empty())
        << h.text();
    EXPECT_FALSE(trace.dots(Disc{.at = At(1080, 656), .r = 4, .colour = ink::answer, .width = 3}).empty());
    // The label and the digits go; the prompt stays.
    EXPECT_TRUE(isSegment(Trace(lines).records().back(), {.colour = ink::page,
                                                          .from = At(1008, 640),
                                                          .to = At(1248, 670),
                                                          .kind = 2,
                                                          .fill = ink::page,
                                                          .width = 3}))
        << lines.back();
    EXPECT_EQ(typed.text, "12");
    EXPECT_EQ(typed.value, 12);
    EXPECT_FALSE(h.rt().keysLeft());  // Enter ended it
}

TEST(StatusLine, EnterAloneGivesZero) {
    Headless h({"Enter"});
    h.start();
    const lesson::NumberEntry typed = h.e().AskMenuNumber();
    EXPECT_EQ(typed.text, "");
    EXPECT_EQ(typed.value, 0);
}

TEST(StatusLine, ClearMenuPrompt) {
    Headless h;
    h.start();
    h.e().ClearMenuPrompt();
    EXPECT_EQ(h.lines(), std::vector<std::string>{"line 816 640 1872 690 15 2 15 3"});
}

TEST(StatusLine, EditingKeys) {
    struct Case {
        std::vector<std::string> keys;
        std::string typed;
    } cases[] = {
        {{"3", "/", "4", "Enter"}, "3/4"},
        {{"1", "2", "Backspace", "7", "Enter"}, "7"},
        {{"1", "2", "Delete", "Enter"}, ""},
        {{"a", "Space", "Q", "3", "Enter"}, "3"},
        // Ten characters: the next key, Enter included, only clears.
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Enter", "4", "Enter"}, "4"},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "5", "Enter"}, ""},
        {{"-", ".", "/", "9", "Enter"}, "-./9"},
        // A second "." in one number is refused; each side of a "/" may have one.
        {{"1", ".", ".", "2", "Enter"}, "1.2"},
        {{".", ".", "5", "Enter"}, ".5"},
        {{"1", ".", "5", "/", "2", ".", "5", ".", "Enter"}, "1.5/2.5"},
        {{"1", ".", "Backspace", ".", "5", "Enter"}, ".5"},
    };
    for (const Case& c : cases) {
        Headless h(c.keys);
        h.start();
        EXPECT_EQ(h.e().AskMenuNumber().text, c.typed);
        EXPECT_FALSE(h.rt().keysLeft());  // Enter ended it
    }
}

TEST(StatusLine, BackspaceClearsTheWholeEntryAndTheDotGoesHome) {
    Headless h({"1", "2", "Backspace", "Enter"});
    h.start();
    h.e().AskMenuNumber();
    const auto lines = h.lines();
    std::size_t clear = 0;
    const auto records = Trace(lines).records();
    for (std::size_t i = 0; i < records.size(); ++i)
        if (isSegment(records[i], {.colour = ink::page,
                                   .from = At(1056, 640),
                                   .to = At(1248, 670),
                                   .kind = 2,
                                   .fill = ink::page,
                                   .width = 3}))
            clear = i;
    ASSERT_NE(clear, 0u);
    EXPECT_TRUE(
        isDot(records[clear + 1], Disc{.at = At(1064, 656), .r = 4, .colour = ink::answer, .width = 3}))
        << lines[clear + 1];
}

TEST(StatusLine, DecimalPointTakesNoCell) {
    Headless h({"1", ".", "5", "7", "Enter"});
    h.start();
    EXPECT_EQ(h.e().AskMenuNumber().value, 1.57f);
    EXPECT_EQ(placed(h, "１"), "1056 648 5");
    EXPECT_EQ(placed(h, "．"), "1068 648 5");
    EXPECT_EQ(placed(h, "５"), "1072 648 5");
    EXPECT_EQ(placed(h, "７"), "1088 648 5");
}

TEST(StatusLine, EntryReadsAsShown) {
    // "1..2" once showed as 1.2 (a "." takes no cell) but read as 1.
    Headless h({"1", ".", ".", "2", "Enter"});
    h.start();
    EXPECT_EQ(h.e().AskMenuNumber().value, 1.2f);
    EXPECT_EQ(h.records().glyphs({.text = "．"}).size(), 1u);
}

// After the entry is cleared, nothing typed is left in the band: only the
// cursor dot, back at the start.
TEST(StatusLine, ClearingLeavesNoStrayInk) {
    const std::vector<std::vector<std::string>> cases = {
        {".", "Backspace"},
        {".", "Delete"},
        {"-", ".", "Backspace"},
        {".", "5", "Backspace"},
        {"1", ".", "5", "Delete"},
        {".", "1", "2", "3", "4", "5", "6", "7", "8", "9", "x"},  // ten characters, then any key
    };
    const rt::Rgb& ink = rt::paletteColour(5);
    const std::uint32_t inkPixel = 0xFF000000u | (ink.r << 16) | (ink.g << 8) | ink.b;
    for (const auto& keys : cases) {
        std::vector<std::string> script = keys;
        script.push_back("Close");  // ends the entry without its eraser
        Headless h(script);
        h.start();
        EXPECT_THROW(h.e().AskMenuNumber(), rt::WindowClosed);
        rt::Canvas& c = h.rt().canvas();
        ASSERT_EQ(c.scale(), 1);
        const std::uint8_t* px = c.pixels();
        int stray = 0;
        for (int y = 636; y < 676; ++y)
            for (int x = 1040; x < 1260; ++x) {
                const bool dot = x >= 1056 && x < 1073 && y >= 648 && y < 665;
                const auto p = reinterpret_cast<const std::uint32_t*>(px + y * c.stride())[x];
                if (!dot && p == inkPixel) ++stray;
            }
        EXPECT_EQ(stray, 0) << ::testing::PrintToString(keys);
    }
}

TEST(StatusLine, SlashShowsAsDivisionSign) {
    Headless h({"3", "/", "4", "Enter"});
    h.start();
    const lesson::NumberEntry typed = h.e().AskMenuNumber();
    EXPECT_EQ(placed(h, "３"), "1056 648 5");
    EXPECT_EQ(placed(h, "÷"), "1072 648 5");
    EXPECT_EQ(placed(h, "４"), "1088 648 5");
    EXPECT_EQ(typed.text, "3/4");
    EXPECT_EQ(typed.value, 0.75f);
}

TEST(ParseAnswer, Values) {
    struct Case {
        const char* typed;
        float value;
    } cases[] = {
        {"", 0},
        {"3", 3},
        {"-2", -2},
        {"1.5", 1.5f},
        {"3/4", 0.75f},
        {"3/4/5", 0.75f},  // splits at the first "/": VAL("4/5") is 4
        {"-3/-6", 0.5f},
        {".5", 0.5f},
        {"/4", 0},
        // No value: a zero or missing right part reads as 0, never inf or NaN.
        {"3/0", 0},
        {"0/0", 0},
        {"5/", 0},
        {"/", 0},
        {"-7/.0", 0},
    };
    for (const Case& c : cases) {
        const float value = Engine::ParseAnswer(c.typed);
        EXPECT_EQ(value, c.value) << c.typed;
        EXPECT_TRUE(std::isfinite(value)) << c.typed;
    }
    EXPECT_FALSE(std::signbit(Engine::ParseAnswer("0/-5")));
}

TEST(StatusLine, ChoiceLineStaysAndBandClears) {
    Headless h({"2", "Enter"});
    h.start();
    Engine& e = h.e();
    EXPECT_EQ(e.AskChoice("①表式　②終了"), 2);
    EXPECT_EQ(placed(h, "①"), "16 666 0");
    EXPECT_TRUE(h.records().segments({.from = At(0, 657)}).empty());
    h.clear();
    e.ClearPromptBand();
    EXPECT_EQ(h.lines(), std::vector<std::string>{"line 0 657 992 720 15 2 15 3"});
}

TEST(StatusLine, NextStepBoxAndPen) {
    Headless h({"1", "Enter"});
    h.start();
    Engine& e = h.e();
    h.rt().setDrawWidth(5);
    EXPECT_EQ(e.AskNextStep(), 1);
    const auto lines = h.lines();
    EXPECT_TRUE(isSegment(Trace(lines).records().front(), {.colour = ink::accent,
                                                           .from = At(96, 639),
                                                           .to = At(400, 675),
                                                           .kind = 2,
                                                           .fill = ink::nextBox,
                                                           .width = 2}))
        << lines.front();
    EXPECT_EQ(placed(h, "次"), "128 648 9");
    EXPECT_EQ(placed(h, "１"), "240 648 9");  // the prompt's own full-width one
    EXPECT_EQ(placed(h, "１", 1), "1056 648 5");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(isSegment(Trace(lines).records()[lines.size() - 2], {.colour = ink::page,
                                                                     .from = At(1008, 639),
                                                                     .to = At(1168, 666),
                                                                     .kind = 2,
                                                                     .fill = ink::page,
                                                                     .width = 2}))
        << lines[lines.size() - 2];
    EXPECT_TRUE(isSegment(Trace(lines).records().back(), {.colour = ink::page,
                                                          .from = At(96, 639),
                                                          .to = At(400, 675),
                                                          .kind = 2,
                                                          .fill = ink::page,
                                                          .width = 2}))
        << lines.back();
    EXPECT_EQ(h.rt().drawWidth(), 5);
}

TEST(StatusLine, WaitForKeyPutsBackThePen) {
    Headless h({"x"});
    h.start();
    Engine& e = h.e();
    h.rt().setDrawWidth(1);
    EXPECT_EQ(e.WaitForKey(), "x");
    const auto lines = h.lines();
    EXPECT_TRUE(isSegment(Trace(lines).records().front(), {.colour = ink::accent,
                                                           .from = At(96, 657),
                                                           .to = At(400, 693),
                                                           .kind = 2,
                                                           .fill = ink::keyBox,
                                                           .width = 3}))
        << lines.front();
    EXPECT_EQ(placed(h, "何"), "128 666 9");
    EXPECT_TRUE(isSegment(Trace(lines).records().back(), {.colour = ink::page,
                                                          .from = At(0, 657),
                                                          .to = At(400, 693),
                                                          .kind = 2,
                                                          .fill = ink::page,
                                                          .width = 3}))
        << lines.back();
    EXPECT_EQ(h.rt().drawWidth(), 1);
}

TEST(StatusLine, MessageWaitKey) {
    Headless h({"1"});
    h.start();
    Engine& e = h.e();
    EXPECT_EQ(e.ShowMessageWaitKey("１を押すと止まる"), "1");
    const auto lines = h.lines();
    EXPECT_TRUE(isSegment(Trace(lines).records().front(), {.colour = ink::accent,
                                                           .from = At(16, 657),
                                                           .to = At(496, 693),
                                                           .kind = 2,
                                                           .fill = ink::keyBox,
                                                           .width = 3}))
        << lines.front();
    EXPECT_EQ(placed(h, "１"), "48 666 9");
    EXPECT_TRUE(isSegment(Trace(lines).records().back(), {.colour = ink::page,
                                                          .from = At(0, 657),
                                                          .to = At(992, 720),
                                                          .kind = 2,
                                                          .fill = ink::page,
                                                          .width = 3}))
        << lines.back();
    EXPECT_EQ(h.rt().drawWidth(), 3);
}

TEST(StatusLine, KeysAreTakenOnlyInsideWaits) {
    Headless h({"1", "Enter"});
    h.start();
    h.e().FlushKeys();  // no wait: nothing is taken
    EXPECT_TRUE(h.rt().keysLeft());
    EXPECT_EQ(h.e().AskMenuNumber().value, 1);
    EXPECT_EQ(h.rt().waits(), 1);
}

TEST(WorkArea, ClearsAndEntryBand) {
    Headless h;
    h.start();
    h.e().ClearWorkArea();
    h.e().ClearEntryBand();
    EXPECT_EQ(h.lines(),
              (std::vector<std::string>{"line 0 54 1440 900 15 2 15 3", "line 1136 576 2576 666 15 2 15 3"}));
}

TEST(ValueTexts, NumbersBecomeBareTexts) {
    const float numbers[] = {2, -3, 0, -0.0f, 0.5f, -1.25f, 12, -0.5f};
    EXPECT_EQ(Engine::NumbersToText(numbers),
              (std::vector<std::string>{"2", "-3", "0", "0", ".5", "-1.25", "12", "-.5"}));
    EXPECT_TRUE(Engine::NumbersToText({}).empty());
}

TEST(ValueTexts, CommandKeys) {
    struct Case {
        const char* key;
        int number;
    } cases[] = {
        {"Q", 1}, {"E", 3}, {"@", 6}, {"[", 8}, {"]", 9}, {"S", 10}, {"q", 0}, {"5", 0}, {"", 0}, {"\r", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Engine::DecodeCommandKey(c.key), c.number) << c.key;
}

}  // namespace
