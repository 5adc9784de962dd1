// SPDX-License-Identifier: GPL-3.0-or-later
// What a window shows: the canvas scaled onto a window of any size, only the
// changed part shown again; and glyphs that sit where their text puts them.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "runtime/canvas.h"
#include "runtime/view_scaler.h"

namespace {

using rt::Canvas;
using rt::PixelRect;
using rt::ViewScaler;

// The whole picture as a window of that size shows it.
std::vector<std::uint32_t> shown(Canvas& c, const ViewScaler& s) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(s.windowWidth()) * s.windowHeight(), 0xFFFFFF);
    const PixelRect p = s.picture();
    s.render(c.pixels(), c.stride(), p, out.data() + static_cast<std::size_t>(p.y0) * s.windowWidth() + p.x0,
             s.windowWidth() * 4);
    return out;
}

void drawSomething(Canvas& c) {
    c.line(22, 10, 1342, 610, 15, 2, 10, 2);
    c.line(100, 700, 900, 720, 0, 0, -1, 3);
    c.circle(1064, 656, 4, 5, 0, 0, true, -1, 3);
    c.symbol("1次関数", 44, 120, 2, 3, 13, rt::TextStyle{});
}

TEST(ViewScaler, AtTheViewsSizeTheWindowShowsExactlyTheSavedPicture) {
    Canvas c(2);
    drawSomething(c);
    ViewScaler s;
    s.resize(Canvas::kViewWidth, Canvas::kViewHeight, 2);
    EXPECT_EQ(shown(c, s), c.view());
}

TEST(ViewScaler, AnyWindowIsLetterboxedWithThePicturesAspect) {
    struct Case {
        int w, h;
        PixelRect picture;
    };
    for (const Case& k : {Case{800, 600, {0, 75, 800, 525}}, Case{1920, 1080, {0, 0, 1920, 1079}},
                          Case{1366, 1000, {0, 116, 1366, 884}}, Case{2000, 768, {317, 0, 1683, 768}}}) {
        ViewScaler s;
        s.resize(k.w, k.h, ViewScaler::scaleFor(k.w, k.h));
        const PixelRect p = s.picture();
        EXPECT_EQ(p.x0, k.picture.x0) << k.w << "x" << k.h;
        EXPECT_EQ(p.y0, k.picture.y0) << k.w << "x" << k.h;
        EXPECT_EQ(p.x1, k.picture.x1) << k.w << "x" << k.h;
        EXPECT_EQ(p.y1, k.picture.y1) << k.w << "x" << k.h;
    }
    EXPECT_EQ(ViewScaler::scaleFor(1366, 768), 2);
    EXPECT_EQ(ViewScaler::scaleFor(800, 600), 2);
    EXPECT_EQ(ViewScaler::scaleFor(1920, 1080), 3);
    EXPECT_EQ(ViewScaler::scaleFor(3840, 2160), 4);
}

// Showing only the damage leaves the window as a whole-frame show would.
TEST(ViewScaler, ShowingOnlyTheChangedPartGivesTheWholeFramesPicture) {
    for (auto [w, h] : {std::pair{1366, 768}, std::pair{1000, 700}, std::pair{1920, 1080}}) {
        Canvas c(ViewScaler::scaleFor(w, h));
        drawSomething(c);
        ViewScaler s;
        s.resize(w, h, c.scale());
        std::vector<std::uint32_t> window = shown(c, s);
        c.takeDamage();
        // A blink of the entry cursor, a text and a line: each shown alone.
        for (int step = 0; step < 3; ++step) {
            if (step == 0) c.circle(1064, 656, 4, 15, 0, 0, true, -1, 3);
            if (step == 1) c.symbol("y=2x", 300, 300, 2, 3, 5, rt::TextStyle{});
            if (step == 2) c.line(10, 20, 1300, 500, 3, 0, -1, 4);
            const PixelRect r = s.affected(c.takeDamage());
            ASSERT_FALSE(r.empty());
            s.render(c.pixels(), c.stride(), r, window.data() + static_cast<std::size_t>(r.y0) * w + r.x0,
                     w * 4);
            EXPECT_EQ(window, shown(c, s)) << w << "x" << h << " step " << step;
        }
        EXPECT_TRUE(c.takeDamage().empty());
    }
}

TEST(CanvasDamage, ABlinkDamagesAFewPixelsAndAClearTheWholeCanvas) {
    Canvas c(2);
    c.takeDamage();
    c.circle(1064, 656, 4, 5, 0, 0, true, -1, 3);
    const PixelRect d = c.takeDamage();
    EXPECT_LE((d.x1 - d.x0) * (d.y1 - d.y0), 40 * 40);
    EXPECT_LE(d.x0, 1064 * 2 - 11);
    EXPECT_GE(d.x1, 1064 * 2 + 11);
    c.clear();
    const PixelRect all = c.takeDamage();
    EXPECT_EQ(all.x1 - all.x0, c.pixelWidth());
    EXPECT_EQ(all.y1 - all.y0, c.pixelHeight());
}

// The ink of a picture in the box: its top, bottom, left and right, in units.
struct Ink {
    int top = 1 << 30, bottom = -1, left = 1 << 30, right = -1;
};
Ink inkOf(Canvas& c, int x0, int y0, int x1, int y1) {
    const auto px = c.view();
    Ink ink;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if ((px[static_cast<std::size_t>(y) * Canvas::kViewWidth + x] & 0xFF) < 128) {
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
    return ink;
}

// The axis label "x" as the plane draws it (numbers of size 26): above the
// x axis at y 400, clear of the axis's 4-unit stroke.
TEST(GlyphPlacement, TheAxisLabelStandsAboveItsAxis) {
    Canvas c(2);
    rt::TextStyle serif{"Times New Roman", 21, true, true};
    c.symbol("x", 600 - 0.8f * 26, 400 - 1.5f * 26, 3, 2, 0, serif);
    const Ink ink = inkOf(c, 560, 330, 640, 460);
    ASSERT_GE(ink.bottom, 0);
    EXPECT_LT(ink.bottom, 398);
    EXPECT_GT(ink.top, 400 - 1.5 * 26);
}

// A formula's italic x, magnified from size 8, still meets the digits' baseline.
TEST(GlyphPlacement, FormulaLettersShareTheDigitsBaseline) {
    Canvas c(2);
    c.symbol("2", 100, 100, 3, 3, 0, rt::TextStyle{});
    c.symbol("x", 154, 78, 10, 7, 0, rt::TextStyle{"Times New Roman", 8, true, true});
    const Ink digit = inkOf(c, 95, 80, 150, 200);
    const Ink letter = inkOf(c, 150, 60, 220, 200);
    EXPECT_NEAR(letter.bottom, digit.bottom, 3);
}

// "×" between two digits: about as wide as high, smaller than the digits, and
// centred on their middle.
TEST(GlyphPlacement, TheTimesSignIsASmallCentredCross) {
    Canvas withDigit(2), withSign(2);
    withDigit.symbol("4", 100, 100, 3, 3, 0, rt::TextStyle{});
    withSign.symbol("×", 100, 100, 2, 3, 0, rt::TextStyle{});
    const Ink digit = inkOf(withDigit, 90, 90, 160, 170);
    const Ink times = inkOf(withSign, 90, 90, 160, 170);
    ASSERT_GE(times.bottom, 0);
    const int w = times.right - times.left + 1, h = times.bottom - times.top + 1;
    EXPECT_NEAR(w, h, 3);
    EXPECT_LT(h, (digit.bottom - digit.top + 1) * 3 / 4);
    EXPECT_NEAR((times.top + times.bottom) / 2.0, (digit.top + digit.bottom) / 2.0, 3);
}

}  // namespace

namespace {

// The formulas' script l, magnified 6 across and 3 down, still stands upright:
// taller than wide, within its 32-unit advance.
TEST(GlyphPlacement, TheScriptLStandsUpright) {
    Canvas c(2);
    c.symbol("l", 100, 100, 6, 3, 0, rt::TextStyle{"MT Extra", 16, true, false});
    const Ink ink = inkOf(c, 90, 80, 200, 170);
    ASSERT_GE(ink.bottom, 0);
    EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left) / 2);
    EXPECT_GE(ink.left, 100);
    EXPECT_LT(ink.right, 132);
}

}  // namespace

namespace {

// The Gothic zero is a plain oval: nothing in its middle, as in a maths
// textbook, at the sizes of formulas, tables and a plane's scale numbers.
TEST(GlyphPlacement, TheGothicZeroHasAnEmptyMiddle) {
    struct Case {
        int size, h, v;
        bool bold;
    };
    for (const Case& k :
         {Case{16, 3, 3, true}, Case{16, 2, 3, false}, Case{30, 2, 1, false}, Case{26, 2, 1, true}}) {
        SCOPED_TRACE(testing::Message() << "size " << k.size << " magnified " << k.h << "x" << k.v);
        Canvas c(2);
        c.symbol("0", 100, 100, k.h, k.v, 0, rt::TextStyle{"ゴシック", k.size, k.bold, false});
        const Ink ink = inkOf(c, 90, 90, 100 + k.size * k.h, 110 + k.size * k.v);
        ASSERT_GE(ink.bottom, 0);
        // The middle third of the oval across and down: all page.
        const int w = ink.right - ink.left + 1, h = ink.bottom - ink.top + 1;
        const Ink middle =
            inkOf(c, ink.left + w / 3, ink.top + h / 3, ink.right - w / 3 + 1, ink.bottom - h / 3 + 1);
        EXPECT_LT(middle.bottom, 0) << "ink at " << middle.left << "," << middle.top;
    }
}

}  // namespace

namespace {

// Half-width digits and points as the maths text sets them: a decimal point
// is given 11 of its 24 units, and must still stand clear between its digits
// ("5.2", not "52"); neighbouring digits stand apart, large or small.
TEST(GlyphPlacement, DecimalPointsAndDigitsStandApart) {
    const rt::TextStyle gothic{"ゴシック", 16, true, false};
    const auto inkOfSymbol = [&](const char* text, float x, float y, int h, int v) {
        Canvas c(2);
        c.symbol(text, x, y, h, v, 0, gothic);
        return inkOf(c, static_cast<int>(x) - 20, static_cast<int>(y) - 10, static_cast<int>(x) + 60,
                     static_cast<int>(y) + 60);
    };
    const Ink five = inkOfSymbol("5", 425, 30, 3, 3), point = inkOfSymbol(".", 449, 44, 3, 2),
              two = inkOfSymbol("2", 460, 30, 3, 3);
    ASSERT_GE(point.bottom, 0);
    EXPECT_GT(point.left, five.right + 1);
    EXPECT_LT(point.right, two.left - 1);
    struct Pair {
        int h, v, size;
    };
    for (const Pair& p : {Pair{3, 3, 16}, Pair{1, 1, 16}, Pair{2, 1, 30}}) {
        SCOPED_TRACE(testing::Message() << "size " << p.size << " magnified " << p.h << "x" << p.v);
        const rt::TextStyle font{"ゴシック", p.size, false, false};
        Canvas left(2), right(2);
        left.symbol("5", 100, 100, p.h, p.v, 0, font);
        right.symbol("2", 100 + p.size * p.h / 2.0f, 100, p.h, p.v, 0, font);
        const Ink a = inkOf(left, 80, 90, 220, 200), b = inkOf(right, 80, 90, 220, 200);
        EXPECT_GT(b.left, a.right + 1);
    }
}

}  // namespace
