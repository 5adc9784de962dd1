// SPDX-License-Identifier: GPL-3.0-or-later
// The maths-text renderer, checked through the operations it hands the runtime.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

namespace ink = lesson::ink;
using lesson::testing::At;
using lesson::testing::Headless;
using lesson::testing::isGlyph;
using lesson::testing::isPolygon;
using lesson::testing::isSegment;
using lesson::testing::Stroke;
using lesson::testing::Trace;
using lesson::testing::Typeset;

struct Drawn {
    Headless h;
    lesson::Point end;
    explicit Drawn(const std::string& text, float x = 100, float y = 100, bool small = false) {
        h.start();
        auto& e = h.e();
        const lesson::PenText at{.text = text, .at = {x, y}, .colour = ink::text};
        end = small ? e.DrawGlyphRun(at, true) : e.DrawMathText(at);
    }
    const lesson::GlyphMode& mode() { return h.e().LeftGlyphMode(); }
    std::vector<std::string> lines() const { return h.lines(); }
    lesson::testing::Trace records() const { return h.records(); }
};

TEST(MathText, LinearEquationAdvancesByItsGlyphs) {
    Drawn d("y=2x+3");
    EXPECT_EQ(d.end.x, 100 + 167);
    EXPECT_EQ(d.end.y, 100);
    EXPECT_EQ(d.lines(), (std::vector<std::string>{
                             "text 100 100 3 3 0 ゴシック 16 1 0 y",
                             "text 131 100 3 3 0 ゴシック 14 1 0 =",
                             "text 159 100 3 3 0 ゴシック 16 1 0 2",
                             "text 190 78 10 7 0 Times New Roman 8 1 1 x",
                             "line 217 122 236 122 0 0 -1 5",
                             "line 226 110 226 134 0 0 -1 5",
                             "text 240 100 3 3 0 ゴシック 16 1 0 3",
                         }));
}

TEST(MathText, StackedFractionCentresTheNarrowerPart) {
    Drawn d("y=ﾀ6/xﾀ");
    // y and = take 59; both parts are 32 wide, so the bar is 32 long.
    EXPECT_EQ(d.end.x, 100 + 59 + 32);
    EXPECT_EQ(d.lines(), (std::vector<std::string>{
                             "text 100 100 3 3 0 ゴシック 16 1 0 y",
                             "text 131 100 3 3 0 ゴシック 14 1 0 =",
                             "line 159 125 191 125 0 0 -1 4",
                             "text 163 112 12 5 0 Times New Roman 8 1 1 x",
                             "text 159 90 4 2 0 ゴシック 16 1 0 6",
                         }));
    // What follows a fraction is drawn full size again.
    Drawn after("ﾀ1/2ﾀ3");
    EXPECT_TRUE(isGlyph(after.records().records().back(), Typeset{.text = "3", .at = At(132, 100)}))
        << after.lines().back();

    Drawn wide("ﾀ12/3ﾀ");
    auto l = wide.lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_TRUE(isSegment(Trace(l).records()[0],
                          Stroke{.from = At(100, 125), .to = At(164, 125), .colour = ink::text, .width = 4}))
        << l[0];
    EXPECT_TRUE(isGlyph(Trace(l).records()[1], Typeset{.text = "3", .at = At(116, 128), .h = 4, .v = 2}))
        << l[1];  // denominator moved right by half of 32
    EXPECT_TRUE(isGlyph(Trace(l).records()[2], Typeset{.text = "1", .at = At(100, 90), .h = 4, .v = 2}))
        << l[2];
}

TEST(MathText, DenominatorTopDependsOnRootsAndExponents) {
    struct Case {
        const char* text;
        const char* denominatorLine;
    } cases[] = {
        {"ﾀ1/2ﾀ", "text 100 128 4 2 0 ゴシック 16 1 0 2"},
        {"ﾀ1/2^2ﾀ", "text 100 136 4 2 0 ゴシック 16 1 0 2"},
        {"ﾀ!2ﾝ/2ﾀ", "text 113 136 4 2 0 ゴシック 16 1 0 2"},
        {"ﾀ1/!2ﾝﾀ", "text 126 136 4 2 0 ゴシック 16 1 0 2"},
        {"ﾀ1/√2ﾝﾀ", "text 126 144 4 2 0 ゴシック 16 1 0 2"},
    };
    for (const Case& c : cases) {
        Drawn d(c.text);
        auto l = d.lines();
        bool found = false;
        for (auto& s : l) found = found || s == c.denominatorLine;
        EXPECT_TRUE(found) << c.text << "\n" << d.h.text();
    }
}

TEST(MathText, ExponentsAndRaisedGlyphs) {
    Drawn d("cm^2");
    auto l = d.lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_TRUE(isGlyph(Trace(l).records()[0], Typeset{.text = "c",
                                                       .face = "Times New Roman",
                                                       .at = At(104, 78),
                                                       .h = 10,
                                                       .v = 7,
                                                       .size = 8,
                                                       .italic = true}))
        << l[0];
    EXPECT_TRUE(isGlyph(Trace(l).records()[1], Typeset{.text = "m", .at = At(127, 100)})) << l[1];
    EXPECT_TRUE(isGlyph(Trace(l).records()[2], Typeset{.text = "2", .at = At(154, 100), .v = 2})) << l[2];
    EXPECT_EQ(d.end.x, 100 + 27 + 27 + 24);
    EXPECT_FALSE(d.mode().exponent);

    Drawn small("^2", 100, 100, true);
    EXPECT_TRUE(
        isGlyph(small.records().records().at(0), Typeset{.text = "2", .at = At(100, 96), .h = 6, .size = 8}))
        << small.lines().at(0);

    // "=" after "^" is drawn as usual and the flag waits for the next glyph.
    Drawn eq("^=2");
    EXPECT_TRUE(isGlyph(eq.records().records().at(1), Typeset{.text = "2", .at = At(132, 100), .v = 2}))
        << eq.lines().at(1);

    // A pending "\" goes before a pending "^".
    Drawn both("\\^23");
    EXPECT_TRUE(
        isGlyph(both.records().records().at(0), Typeset{.text = "2", .at = At(100, 90), .h = 6, .size = 8}))
        << both.lines().at(0);
    EXPECT_TRUE(isGlyph(both.records().records().at(1), Typeset{.text = "3", .at = At(124, 100), .v = 2}))
        << both.lines().at(1);

    Drawn trailing("x^");
    EXPECT_TRUE(trailing.mode().exponent);
    // The pending exponent carries into the next text drawn.
    trailing.h.clear();
    trailing.h.e().DrawMathText({.text = "2", .at = {0, 0}, .colour = ink::text});
    EXPECT_TRUE(isGlyph(trailing.records().records().at(0), Typeset{.text = "2", .at = At(0, 0), .v = 2}))
        << trailing.lines().at(0);
}

TEST(MathText, SmallModeAdvances) {
    Drawn d("2*3", 100, 100, true);
    EXPECT_EQ(d.end.x, 100 + 102);
    auto l = d.lines();
    EXPECT_TRUE(isGlyph(Trace(l).records().at(1), Typeset{.text = "×", .at = At(132, 100), .size = 11}))
        << l.at(1);
    Drawn n("2*3");
    EXPECT_EQ(n.end.x, 100 + 81);
    EXPECT_TRUE(isGlyph(n.records().records().at(1), Typeset{.text = "×", .at = At(123, 100), .h = 2}))
        << n.lines().at(1);
}

TEST(MathText, RootBarGrowsUntilClosed) {
    Drawn d("!2ﾝ3");
    auto l = d.lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_TRUE(isPolygon(Trace(l).records()[0],
                          {.filled = false,
                           .colour = ink::text,
                           .width = 3,
                           .points = {{{104, 136}, {108, 124}, {116, 140}, {124, 96}, {132, 96}}}}))
        << l[0];
    EXPECT_TRUE(isGlyph(Trace(l).records()[1], Typeset{.text = "2", .at = At(128, 100)})) << l[1];
    EXPECT_TRUE(isSegment(Trace(l).records()[2],
                          Stroke{.from = At(128, 96), .to = At(155, 96), .colour = ink::text, .width = 3}))
        << l[2];
    EXPECT_TRUE(isGlyph(Trace(l).records()[3], Typeset{.text = "3", .at = At(155, 100)})) << l[3];
    EXPECT_EQ(d.end.x, 182);
    EXPECT_EQ(d.mode().rootBar, lesson::RootBar::None);
    EXPECT_EQ(d.mode().barFrom, 182);

    Drawn open("!23");
    EXPECT_EQ(open.mode().rootBar, lesson::RootBar::Normal);
    EXPECT_EQ(open.mode().barFrom, 128);
    EXPECT_TRUE(isSegment(open.records().records().back(),
                          Stroke{.from = At(128, 96), .to = At(182, 96), .colour = ink::text, .width = 3}))
        << open.lines().back();
}

TEST(MathText, TallRootCoversAFraction) {
    Drawn d("#ﾀ1/2ﾀﾝ");
    auto l = d.lines();
    EXPECT_TRUE(isPolygon(Trace(l).records().at(0),
                          {.filled = false,
                           .colour = ink::text,
                           .width = 3,
                           .points = {{{104, 136}, {108, 124}, {116, 160}, {130, 86}, {138, 86}}}}))
        << l.at(0);
    EXPECT_TRUE(isSegment(Trace(l).records().at(1),
                          Stroke{.from = At(132, 125), .to = At(164, 125), .colour = ink::text, .width = 4}))
        << l.at(1);
    EXPECT_TRUE(isSegment(Trace(l).records().at(2),
                          Stroke{.from = At(132, 86), .to = At(164, 86), .colour = ink::text, .width = 3}))
        << l.at(2);
    EXPECT_EQ(d.mode().rootBar, lesson::RootBar::None);
}

TEST(MathText, UnclosedFractionMarkIsDropped) {
    Drawn d("ﾀ1/2");
    auto l = d.lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_TRUE(isGlyph(Trace(l).records()[1], Typeset{.text = "÷", .at = At(123, 100), .h = 2})) << l[1];
}

TEST(MathText, EmptyTextDrawsNothing) {
    Drawn d("");
    EXPECT_TRUE(d.lines().empty());
    EXPECT_EQ(d.end.x, 100);
}

TEST(MathText, LeavesFontAndPenAsPromised) {
    Drawn d("&l-+!x");
    auto& rt = d.h.rt();
    EXPECT_EQ(rt.font().face, "ゴシック");
    EXPECT_EQ(rt.font().size, 16);
    EXPECT_FALSE(rt.font().bold);
    EXPECT_FALSE(rt.font().italic);
    EXPECT_EQ(rt.drawWidth(), 3);  // the start-up width, as it was before the text
}

TEST(MathText, MeasuringReturnsTheWidthAndDrawsNothing) {
    Headless h;
    h.start();
    auto& e = h.e();
    EXPECT_EQ(e.MeasureMathText("y=ﾀ6/xﾀ+ﾀ12/3ﾀ"), 59 + 32 + 27 + 64);
    EXPECT_TRUE(h.lines().empty());
    EXPECT_EQ(e.MeasureMathText(""), 0);
}

}  // namespace
