// SPDX-License-Identifier: GPL-3.0-or-later
// Prompt shorthand: one 16-unit cell per character, shown full-width.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

namespace ink = lesson::ink;
using lesson::testing::At;
using lesson::testing::Headless;
using lesson::testing::isGlyph;
using lesson::testing::Trace;
using lesson::testing::Typeset;

std::string glyphOf(const std::string& ch) { return lesson::Engine::ToFullWidthChar(ch); }

TEST(PromptText, ConvertsThroughTheSymbolTables) {
    const std::pair<const char*, const char*> cases[] = {
        {" ", "　"}, {"A", "Α"},  {"B", "Ｂ"}, {"Z", "Ｚ"}, {"X", "Ｘ"},  {"x", "χ"},  {"y", "ｙ"},
        {"0", "０"}, {"9", "９"}, {"*", "×"},  {"/", "÷"},  {"+", "＋"},  {"-", "－"}, {"ﾀ", "―"},
        {"=", "＝"}, {".", "．"}, {"?", "∽"},  {"!", "√"},  {"$", "≡"},   {"@", "±"},  {"&", "π"},
        {"'", "∠"},  {"[", "≦"},  {"]", "≧"},  {"<", "＜"}, {",", "，"},  {"%", "°"},  {"~", "△"},
        {":", "："}, {"z", "z"},  {"#", "#"},  {"①", "①"},  {"　", "　"},
    };
    for (auto [in, out] : cases) EXPECT_EQ(glyphOf(in), out) << in;
}

TEST(PromptText, TypedNumberCells) {
    Headless h;
    h.start();
    auto& e = h.e();
    lesson::Point pen{1056, 648};
    for (const char* key : {"3", ".", "5"})
        pen = e.DrawTextChars({.text = key, .at = pen, .colour = ink::answer});
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 1056 648 1 1 5 ゴシック 16 1 0 ３",
                             "text 1068 648 1 1 5 ゴシック 16 1 0 ．",
                             "text 1072 648 1 1 5 ゴシック 16 1 0 ５",
                         }));
    EXPECT_EQ(pen, (lesson::Point{1088, 648}));
}

TEST(PromptText, ChoiceLineTakesOneCellPerCharacter) {
    Headless h;
    h.start();
    auto& e = h.e();
    const lesson::Point end =
        e.DrawPromptText({.text = " ①表式,変化の様子　②グラフ　③終了", .at = {16, 648}, .colour = ink::text});
    EXPECT_EQ(end, (lesson::Point{320, 648}));
    auto l = h.lines();
    EXPECT_TRUE(isGlyph(Trace(l).records().at(0),
                        Typeset{.text = "①", .face = "ゴシック", .at = At(32, 648), .h = 1, .v = 1}))
        << l.at(0);
    EXPECT_TRUE(isGlyph(Trace(l).records().at(3),
                        Typeset{.text = "，", .face = "ゴシック", .at = At(80, 648), .h = 1, .v = 1}))
        << l.at(3);
}

TEST(PromptText, EscapeAndHalfWidthGlyphs) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DrawPromptText({.text = "^xz", .at = {0, 100}, .colour = ink::text});
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 0 96 1 1 0 ゴシック 16 1 0 x",
                             "text 16 96 1 1 0 ゴシック 16 1 0 z",
                         }));
    EXPECT_FALSE(e.LeftGlyphMode().exponent);

    e.DrawPromptText({.text = "1^", .at = {0, 100}, .colour = ink::text});
    EXPECT_TRUE(e.LeftGlyphMode().exponent);
}

TEST(PromptText, BlanksInsideOneRunVanish) {
    Headless h;
    h.start();
    auto& e = h.e();
    EXPECT_EQ(e.DrawTextChars({.text = "1 2", .at = {0, 0}, .colour = ink::text}), (lesson::Point{32, 0}));
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 0 0 1 1 0 ゴシック 16 1 0 １",
                             "text 16 0 1 1 0 ゴシック 16 1 0 ２",
                         }));
    // An empty text still takes its one cell.
    EXPECT_EQ(e.DrawTextChars({.text = "", .at = {0, 0}, .colour = ink::text}).x, 16);

    h.clear();
    EXPECT_EQ(e.DrawPromptText({.text = "", .at = {7, 0}, .colour = ink::text}).x, 7);
    EXPECT_TRUE(h.lines().empty());
}

}  // namespace
