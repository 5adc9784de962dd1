// SPDX-License-Identifier: GPL-3.0-or-later
// Table cells and table labels.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

namespace ink = lesson::ink;
using lesson::testing::At;
using lesson::testing::GlyphQuery;
using lesson::testing::Headless;
using lesson::testing::isGlyph;
using lesson::testing::isSegment;
using lesson::testing::Trace;
using lesson::testing::Typeset;

// A cell at (100, 200), 90 wide, outlined in 0 and filled with 15.
lesson::TextCell cellOf(float height, float width = 90) {
    return {.at = {100, 200},
            .width = width,
            .height = height,
            .outline = ink::text,
            .fill = ink::page,
            .colour = ink::text};
}

struct Cell {
    Headless h;
    Cell() { h.start(); }
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
        const lesson::Point next = cell.h.e().DrawMathCell(cellOf(c.height), c.text);
        auto l = cell.h.lines();
        const Trace trace(l);
        EXPECT_TRUE(isSegment(trace.records().at(0), {.colour = ink::text,
                                                      .from = At(100, 200),
                                                      .to = At(190, 200 + static_cast<int>(c.height)),
                                                      .kind = 2,
                                                      .fill = ink::page,
                                                      .width = 3}))
            << l.at(0);
        EXPECT_FALSE(trace.glyphs(c.firstGlyph).empty()) << c.text << " " << c.height << "\n"
                                                         << cell.h.text();
        EXPECT_EQ(next, (lesson::Point{190, 200}));
    }
}

TEST(MathCell, WideAndEmptyTexts) {
    Cell wide;
    EXPECT_EQ(wide.h.e().DrawMathCell(cellOf(50, 20), "1234").x, 120);
    EXPECT_TRUE(isGlyph(wide.h.records().records().at(1), Typeset{.text = "1", .at = At(100, 203)}))
        << wide.h.lines().at(1);

    Cell empty;
    EXPECT_EQ(empty.h.e().MeasureMathText(""), 0);
    EXPECT_EQ(empty.h.e().DrawMathCell(cellOf(50), "").x, 190);
    EXPECT_EQ(empty.h.lines().size(), 1u);
}

TEST(MathCell, RaisedCellLiftsItsBoxAroundTheText) {
    Cell raised;
    EXPECT_EQ(raised.h.e().DrawMathCellRaised(cellOf(80), "12"), (lesson::Point{190, 200}));
    auto l = raised.h.lines();
    EXPECT_TRUE(isSegment(Trace(l).records().at(0), {.colour = ink::text,
                                                     .from = At(100, 182),
                                                     .to = At(190, 262),
                                                     .kind = 2,
                                                     .fill = ink::page,
                                                     .width = 3}))
        << l.at(0);
    EXPECT_TRUE(isGlyph(Trace(l).records().at(1), Typeset{.text = "1", .at = At(118, 200)})) << l.at(1);
}

TEST(MathCell, TwoLines) {
    Cell two;
    two.h.e().DrawMathCellTwoLines(cellOf(100), "気温", "(℃)");
    auto l = two.h.lines();
    EXPECT_TRUE(isGlyph(Trace(l).records().at(1), Typeset{.text = "気", .at = At(111, 203), .h = 2}))
        << l.at(1);
    // Lower line 47 below the top.
    EXPECT_TRUE(isGlyph(Trace(l).records().at(3), {.near = At(101, 247)})) << l.at(3);

    Cell one;
    EXPECT_EQ(one.h.e().DrawMathCellTwoLines(cellOf(100), "観測所", "").x, 190);
    EXPECT_TRUE(isGlyph(one.h.records().records().at(1), {.near = At(100, 228)})) << one.h.lines().at(1);
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
        const lesson::Point end = e.DrawTableText({.text = c.label, .at = {10, 20}, .colour = ink::text});
        EXPECT_EQ(end, (lesson::Point{10 + c.advance, 20})) << c.label;
        EXPECT_FALSE(h.rt().font().bold);
        EXPECT_EQ(h.rt().font().size, 16);
    }
}

TEST(TableText, RaisedYAndItalicLetters) {
    Headless h;
    h.start();
    auto& e = h.e();
    h.rt().setFontName("ゴシック");
    e.DrawTableText({.text = "yx", .at = {0, 100}, .colour = ink::heading});
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 0 94 3 2 7 ゴシック 15 1 0 y",
                             "text 24 88 7 4 7 Times New Roman 8 1 1 x",
                         }));
}

TEST(TableText, MeasuringReturnsTheWidthAndDrawsNothing) {
    Headless h;
    h.start();
    EXPECT_EQ(h.e().MeasureTableText("12分"), 70);
    EXPECT_TRUE(h.lines().empty());
}

TEST(TableCell, LabelPlacement) {
    Cell cell;
    EXPECT_EQ(cell.h.e().DrawTableCell(cellOf(50), "12"), (lesson::Point{190, 200}));
    EXPECT_TRUE(isGlyph(cell.h.records().records().at(1),
                        Typeset{.text = "1", .face = "ゴシック", .at = At(125, 212), .v = 2, .size = 15}))
        << cell.h.lines().at(1);

    Cell two;
    EXPECT_EQ(two.h.e().DrawTableCellTwoLines(cellOf(100), "12", "34"), (lesson::Point{190, 200}));
    auto l = two.h.lines();
    EXPECT_TRUE(isGlyph(Trace(l).records().at(1),
                        Typeset{.text = "1", .face = "ゴシック", .at = At(125, 212), .v = 2, .size = 15}))
        << l.at(1);
    EXPECT_TRUE(isGlyph(Trace(l).records().at(3),
                        Typeset{.text = "3", .face = "ゴシック", .at = At(125, 242), .v = 2, .size = 15}))
        << l.at(3);
}

}  // namespace
