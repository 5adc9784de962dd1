// SPDX-License-Identifier: GPL-3.0-or-later
// Table cells and table labels.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

using lesson::testing::At;
using lesson::testing::GlyphQuery;
using lesson::testing::Headless;
using lesson::testing::isGlyph;
using lesson::testing::isSegment;
using lesson::testing::Trace;
using lesson::testing::Typeset;

struct Cell {
    Headless h;
    Cell() {
        h.start();
        auto& e = h.e();
        e.DSM1 = 100;
        e.DSM2 = 200;
        e.TANI = 90;
        e.NO = 0;
        e.TKAI2 = 15;
        e.YMOTO = 0;
    }
};

TEST(MathCell, PlacesPlainTextsAndFractionsByCellHeight) {
    struct Case {
        const char* text;
        float height;
        GlyphQuery firstGlyph;
    };
    const Case cases[] = {
        {"12", 50, Typeset{.text = "1", .at = At(118, 203)}},
        {"ﾀ3/2ﾀ", 50, Typeset{.text = "3", .at = At(129, 190), .h = 4, .v = 2}},
        {"12", 80, Typeset{.text = "1", .at = At(118, 218)}},
        {"ﾀ3/2ﾀ", 80, Typeset{.text = "3", .at = At(129, 205), .h = 4, .v = 2}},
        {"12", 55, Typeset{.text = "1", .at = At(118, 205)}},
    };
    for (const Case& c : cases) {
        Cell cell;
        auto& e = cell.h.e();
        e.X8 = c.height;
        e.A_s = c.text;
        e.DrawMathCell();
        auto l = cell.h.lines();
        const Trace trace(l);
        EXPECT_TRUE(isSegment(trace.records().at(0), {.colour = 0,
                                                      .from = At(100, 200),
                                                      .to = At(190, 200 + static_cast<int>(c.height)),
                                                      .kind = 2,
                                                      .fill = 15,
                                                      .width = 3}))
            << l.at(0);
        EXPECT_FALSE(trace.glyphs(c.firstGlyph).empty()) << c.text << " " << c.height << "\n"
                                                         << cell.h.text();
        EXPECT_EQ(e.DSM1, 190);
        EXPECT_EQ(e.DSM2, 200);
        EXPECT_TRUE(e.KKAI_s.empty());
    }
}

TEST(MathCell, WideAndEmptyTexts) {
    Cell wide;
    wide.h.e().TANI = 20;
    wide.h.e().X8 = 50;
    wide.h.e().A_s = "1234";
    wide.h.e().DrawMathCell();
    EXPECT_TRUE(isGlyph(wide.h.records().records().at(1), Typeset{.text = "1", .at = At(100, 203)}))
        << wide.h.lines().at(1);
    EXPECT_EQ(wide.h.e().DSM1, 120);

    Cell empty;
    empty.h.e().X8 = 50;
    empty.h.e().A_s = "";
    empty.h.e().DrawMathCell();
    EXPECT_EQ(empty.h.lines().size(), 1u);
    EXPECT_EQ(empty.h.e().BAI, 0);
    EXPECT_EQ(empty.h.e().DSM1, 190);
}

TEST(MathCell, TwoLines) {
    Cell two;
    auto& e = two.h.e();
    e.X8 = 100;
    e.YY_s = "気温";
    e.T_s = "(℃)";
    e.DrawMathCellTwoLines();
    auto l = two.h.lines();
    EXPECT_TRUE(isGlyph(Trace(l).records().at(1), Typeset{.text = "気", .at = At(111, 203), .h = 2}))
        << l.at(1);
    // Lower line 47 below the top.
    EXPECT_TRUE(isGlyph(Trace(l).records().at(3), {.near = At(101, 247)})) << l.at(3);

    Cell one;
    one.h.e().X8 = 100;
    one.h.e().YY_s = "観測所";
    one.h.e().T_s = "";
    one.h.e().DrawMathCellTwoLines();
    EXPECT_TRUE(isGlyph(one.h.records().records().at(1), {.near = At(100, 228)})) << one.h.lines().at(1);
    EXPECT_EQ(one.h.e().DSM1, 190);
}

TEST(TableText, AdvancesByCharacterClass) {
    struct Case {
        const char* label;
        float advance;
    } cases[] = {{"分", 30}, {"12", 40}, {"1.5", 48}, {"(1)", 40}, {"x y", 60}, {"", 0}};
    for (const Case& c : cases) {
        Headless h;
        h.start();
        auto& e = h.e();
        e.DSM1 = 10;
        e.DSM2 = 20;
        e.KKAI_s = c.label;
        e.DrawTableText();
        EXPECT_EQ(e.DSM1, 10 + c.advance) << c.label;
        EXPECT_EQ(e.DSM2, 20);
        EXPECT_FALSE(h.rt().font().bold);
        EXPECT_EQ(h.rt().font().size, 16);
    }
}

TEST(TableText, RaisedYAndItalicLetters) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DSM1 = 0;
    e.DSM2 = 100;
    e.YMOTO = 7;
    h.rt().setFontName("ゴシック");
    e.KKAI_s = "yx";
    e.DrawTableText();
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 0 94 3 2 7 ゴシック 15 1 0 y",
                             "text 24 88 7 4 7 Times New Roman 8 1 1 x",
                         }));
}

TEST(TableText, MeasuringLeavesTheLabelToDraw) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DSM1 = 5;
    e.DSM2 = 6;
    e.A_s = "12分";
    e.MeasureTableText();
    EXPECT_EQ(e.BAI, 70);
    EXPECT_EQ(e.DSM1, 5);
    EXPECT_EQ(e.KKAI_s, "12分");
    EXPECT_EQ(e.A_s, "分");
    EXPECT_TRUE(h.lines().empty());
}

TEST(TableCell, LabelPlacement) {
    Cell cell;
    auto& e = cell.h.e();
    e.X8 = 50;
    e.A_s = "12";
    e.DrawTableCell();
    EXPECT_TRUE(isGlyph(cell.h.records().records().at(1),
                        Typeset{.text = "1", .face = "ｺﾞｼｯｸ", .at = At(125, 212), .v = 2, .size = 15}))
        << cell.h.lines().at(1);

    Cell two;
    two.h.e().X8 = 100;
    two.h.e().YY_s = "12";
    two.h.e().T_s = "34";
    two.h.e().DrawTableCellTwoLines();
    auto l = two.h.lines();
    EXPECT_TRUE(isGlyph(Trace(l).records().at(1),
                        Typeset{.text = "1", .face = "ｺﾞｼｯｸ", .at = At(125, 212), .v = 2, .size = 15}))
        << l.at(1);
    EXPECT_TRUE(isGlyph(Trace(l).records().at(3),
                        Typeset{.text = "3", .face = "ｺﾞｼｯｸ", .at = At(125, 242), .v = 2, .size = 15}))
        << l.at(3);
}

}  // namespace
