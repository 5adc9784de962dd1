// SPDX-License-Identifier: GPL-3.0-or-later
// Prompt shorthand: one 16-unit cell per character, shown full-width.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

using lesson::testing::At;
using lesson::testing::Headless;
using lesson::testing::isGlyph;
using lesson::testing::Trace;
using lesson::testing::Typeset;

std::string glyphOf(const std::string& ch) {
    Headless h;
    h.start();
    h.e().LT_s = ch;
    h.e().ToFullWidthChar();
    return h.e().LT_s;
}

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
    e.DSM1 = 1056;
    e.DSM2 = 648;
    e.YMOTO = 5;
    for (const char* key : {"3", ".", "5"}) {
        e.A_s = key;
        e.DrawTextChars();
        e.DSM1 = e.DS4;
    }
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 1056 648 1 1 5 ｺﾞｼｯｸ 16 1 0 ３",
                             "text 1068 648 1 1 5 ｺﾞｼｯｸ 16 1 0 ．",
                             "text 1072 648 1 1 5 ｺﾞｼｯｸ 16 1 0 ５",
                         }));
    EXPECT_EQ(e.DS4, 1088);
}

TEST(PromptText, ChoiceLineTakesOneCellPerCharacter) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.KKAI_s = " ①表式,変化の様子　②グラフ　③終了";
    e.DSM1 = 16;
    e.DSM2 = 648;
    e.YMOTO = 0;
    e.DrawPromptText();
    EXPECT_EQ(e.DSM1, 320);
    auto l = h.lines();
    EXPECT_TRUE(isGlyph(Trace(l).records().at(0),
                        Typeset{.text = "①", .face = "ｺﾞｼｯｸ", .at = At(32, 648), .h = 1, .v = 1}))
        << l.at(0);
    EXPECT_TRUE(isGlyph(Trace(l).records().at(3),
                        Typeset{.text = "，", .face = "ｺﾞｼｯｸ", .at = At(80, 648), .h = 1, .v = 1}))
        << l.at(3);
    EXPECT_TRUE(e.KKAI_s.empty());
}

TEST(PromptText, EscapeAndHalfWidthGlyphs) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.KKAI_s = "^xz";
    e.DSM1 = 0;
    e.DSM2 = 100;
    e.YMOTO = 0;
    e.DrawPromptText();
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 0 96 1 1 0 ｺﾞｼｯｸ 16 1 0 x",
                             "text 16 96 1 1 0 ｺﾞｼｯｸ 16 1 0 z",
                         }));
    EXPECT_EQ(e.X1, 0);

    e.KKAI_s = "1^";
    e.DrawPromptText();
    EXPECT_EQ(e.X1, 1);
}

TEST(PromptText, BlanksInsideOneRunVanish) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DSM1 = 0;
    e.DSM2 = 0;
    e.A_s = "1 2";
    e.DrawTextChars();
    EXPECT_EQ(e.A_s, "12");
    EXPECT_EQ(e.DS4, 32);
    e.A_s = "";
    e.DrawTextChars();
    EXPECT_EQ(e.DS4, 16);  // an empty text still takes its one cell

    h.clear();
    e.KKAI_s = "";
    e.DSM1 = 7;
    e.DrawPromptText();
    EXPECT_EQ(e.DSM1, 7);
    EXPECT_TRUE(h.lines().empty());
}

}  // namespace
