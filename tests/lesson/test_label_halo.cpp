// SPDX-License-Identifier: GPL-3.0-or-later
// Labels on a plane stand on a cleared ground: lines drawn before a label
// stop short of its box, the label itself keeps its place and colours, and
// nothing but lines gives way.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "pixels.h"
#include "runtime/canvas.h"
#include "runtime/headless.h"
#include "runtime/reading_rules.h"
#include "tern_fixture.h"

namespace lesson::testing {
namespace {

// What was drawn inside a halo, and what outside one.
struct Split {
    Trace inside, outside;
};
Split splitByHalo(const std::vector<std::string>& lines) {
    std::vector<std::string> inside, outside;
    bool on = false;
    for (const auto& l : lines) {
        if (l == "halo on") {
            EXPECT_FALSE(on) << "halo opened twice";
            on = true;
        } else if (l == "halo off") {
            EXPECT_TRUE(on) << "halo closed without opening";
            on = false;
        } else {
            (on ? inside : outside).push_back(l);
        }
    }
    EXPECT_FALSE(on) << "halo left open";
    return {Trace(inside), Trace(outside)};
}

// How many pixels within a label's ground (its ink widened by a little less
// than the margin) differ between two canvases of one scale.
int pixelsDifferingInGround(rt::Canvas& a, rt::Canvas& b, const rt::UnitBox& ink) {
    const double m = rt::Canvas::kGroundMargin - 0.5;
    const int k = a.scale();
    int differ = 0;
    for (int py = static_cast<int>((ink.y0 - m) * k); py < static_cast<int>((ink.y1 + m) * k); ++py)
        for (int px = static_cast<int>((ink.x0 - m) * k); px < static_cast<int>((ink.x1 + m) * k); ++px)
            differ += pixelAt(a, px, py) != pixelAt(b, px, py);
    return differ;
}

// Pixel checks look at a canvas of twice the logical size, as the window's.
TernRun pictured(std::function<void(Tern&)> entry) {
    return TernRun(RunOptions{.scale = 2}, std::move(entry));
}

// Tern chapter 4 problem 2: the bold grid line x=5 (x 972, colour 1) runs
// through the minus of "2x-3y=12"; a halo keeps it off the minus, so the
// label does not read "2x+3y=12".
TEST(LabelHalo, TheGridLineStopsShortOfTheMinusOf2xMinus3y) {
    TernRun run = pictured(topic(&Tern::BasicProblemSystem));
    ASSERT_TRUE(run.ended());
    const Split split = splitByHalo(run.lines());
    // The minus: a 5-wide stroke of the label's colour across x 972.
    std::optional<float> y;
    for (const Segment& l : split.inside.segments({.colour = ink::emphasis}))
        if (l.width == 5 && l.y1 == l.y2 && l.x1 < 972 && l.x2 > 972) y = l.y1;
    ASSERT_TRUE(y) << "no minus across x 972 inside a halo";
    rt::Canvas& c = run.runtime->canvas();
    // Across the grid line's 3-unit width, the minus and a unit and a half
    // above and below it: no grid colour.
    EXPECT_EQ(pixelsOf(c, 1, 970.5, *y - 4, 973.5, *y + 4), 0);
    // The grid line itself is there, away from the label: below its ground
    // (and the axis letter's) and above the x axis, 62 below the minus.
    EXPECT_GT(pixelsOf(c, 1, 970.5, *y + 40, 973.5, *y + 55), 0);
    // The x axis, a line of meaning, runs on where the grid line crosses it.
    const int k = c.scale();
    EXPECT_EQ(c.lineAt(972 * k, 340 * k), rt::Canvas::LineMark::meaning);
    EXPECT_GT(pixelsOf(c, 0, 960, 339, 984, 341), 0) << "the x axis";
}

// The same plane's scale number "5" under x=5 stands on a ground of its own,
// 4 below the x axis: the grid line stops short of its box and runs on below.
TEST(LabelHalo, AScaleNumberStandsOnItsOwnGround) {
    TernRun run = pictured(topic(&Tern::BasicProblemSystem));
    ASSERT_TRUE(run.ended());
    const Split split = splitByHalo(run.lines());
    // Plane at (532, 100), step 40, x -6..6, y -6..6: origin (772, 340).
    const auto five = split.inside.glyphs({.text = "5", .near = Near{972 - 15, 344, 0.5f, 0.5f}});
    ASSERT_EQ(five.size(), 1u);
    EXPECT_TRUE(split.outside.glyphs({.text = "5", .size = 30}).empty());
    EXPECT_FALSE(split.inside.glyphs({.text = "0", .size = 30}).empty());
    // The two labels' x and the axis letter, which stands on a ground of its own.
    EXPECT_EQ(split.inside.glyphs({.text = "x"}).size(), 3u);
    EXPECT_TRUE(split.outside.glyphs({.text = "x", .size = 24}).empty()) << "the axis letter";
    rt::Canvas& c = run.runtime->canvas();
    const Glyph& g = five.front();
    const rt::UnitBox ink =
        c.textInk(g.text, g.x, g.y, g.h, g.v, rt::TextStyle{g.face, g.size, g.bold, g.italic});
    EXPECT_EQ(pixelsOf(c, 1, 970.5, ink.y0, 973.5, ink.y1), 0) << "the grid line through the 5";
    EXPECT_GT(pixelsOf(c, 1, 970.5, ink.y1 + 10, 973.5, ink.y1 + 30), 0) << "the grid line below it";
    // The x axis (4 wide at y 340) clear of the 5 by more than the margin.
    EXPECT_GT(ink.y0, 342 + rt::Canvas::kGroundMargin);
}

// Which texts stand on a halo: labels of points and graphs always; texts a
// topic places inside a plane's box; nothing once a clear took the plane
// away; the plane's scale numbers and its axis letters each on its own.
TEST(LabelHalo, OnlyLabelsOnAPlaneGetAHalo) {
    TernRun run = pictured([](Tern& t) {
        const auto plane =
            t.PlaneAt({.left = 500, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -5, .yTo = 5, .grid = true});
        t.Label(600, 200, ink::text, "inside");
        t.Label(100, 200, ink::text, "left");
        t.Label(500, 500, ink::text, "under");  // at the bottom-left corner: hangs below the box
        t.TableText(650, 250, ink::text, "Q");
        plane.PointAt(2, 3, {.radius = 8, .colour = ink::emphasis, .label = "P", .labelDx = 10});
        plane.GraphOf({.kind = Curve::General, .a = 1, .b = 1, .c = 4, .colour = ink::answer, .label = "W"});
        t.EraseBox(0, 0, 1760, 1800);
        t.Label(600, 300, ink::text, "cleared");
        t.PlaneAt({.left = 500, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -5, .yTo = 5, .grid = true});
        t.EraseBox(0, 0, 300, 300);  // leaves the plane
        t.Label(601, 301, ink::text, "kept");
        t.ClearWorkArea();
        t.Label(602, 302, ink::text, "gone");
    });
    ASSERT_TRUE(run.ended());
    const Split split = splitByHalo(run.lines());
    struct Case {
        const char* text;
        bool haloed;
    };
    for (const Case& k : {Case{"inside", true}, Case{"left", false}, Case{"under", false}, Case{"P", true},
                          Case{"kept", true}, Case{"cleared", false}, Case{"gone", false}}) {
        // The maths text draws a word glyph by glyph: look for its first.
        const std::string first(1, k.text[0]);
        EXPECT_EQ(
            !split.inside.glyphs({.text = first}).empty() && split.outside.glyphs({.text = first}).empty(),
            k.haloed)
            << k.text;
    }
    // The table text and the graph's label.
    EXPECT_TRUE(!split.inside.glyphs({.text = "Q"}).empty() && split.outside.glyphs({.text = "Q"}).empty());
    EXPECT_TRUE(!split.inside.glyphs({.text = "W"}).empty() && split.outside.glyphs({.text = "W"}).empty());
    // The plane's numbers and its axis letters stand on grounds of their own.
    for (const char* own : {"5", "-5", "0", "x", "y"}) {
        EXPECT_FALSE(split.inside.glyphs({.text = own}).empty()) << own;
        EXPECT_TRUE(split.outside.glyphs({.text = own}).empty()) << own;
    }
}

// A label's ground clears only lines that give way, and all of them within
// its box: the label's ink widened by the margin. A line of meaning, a text,
// a point and an arrow head drawn before it keep every pixel; a line that
// gives way drawn after it stops at the box.
TEST(LabelHalo, TheGroundClearsOnlyTheLinesInTheLabelsBox) {
    rt::Canvas under(2), plain(2), haloed(2), alone(2), settled(2);
    const rt::TextStyle digits{"ゴシック", 16, true, false};
    const rt::Point head[] = {{96, 112}, {104, 112}, {100, 104}};
    for (rt::Canvas* c : {&under, &plain, &haloed, &settled}) {
        c->line(0, 120, 400, 120, 1, 0, -1, 3, rt::LineRole::givesWay);       // a grid line through the label
        c->line(150, 50, 150, 200, 8, 0, -1, 1, rt::LineRole::givesWay);      // a grid line beside its minus
        c->circle(60, 140, 1, 8, 0, 0, true, -1, 5, rt::LineRole::givesWay);  // a pen dot of a graph
        c->line(0, 100, 400, 100, 4, 0, -1, 1);        // an axis through the label: a line of meaning
        c->symbol("5", 176, 104, 3, 3, 2, digits);     // a scale number it meets
        c->circle(100, 132, 8, 6, 0, 0, true, -1, 1);  // a point
        c->connectFilled(6, 6, head, 1);               // an arrow head
    }
    for (rt::Canvas* c : {&plain, &haloed, &alone, &settled}) {
        const bool halo = c == &haloed || c == &settled;
        if (halo) c->beginHalo();
        c->symbol("2x", 60, 90, 3, 3, 3, digits);
        c->line(110, 120, 140, 120, 3, 0, -1, 5);
        c->symbol("y", 160, 90, 3, 3, 3, digits);
        if (halo) c->endHalo();
    }
    // The label's box, in canvas pixels, widened by the margin.
    const int k = haloed.scale(), m = rt::Canvas::kGroundMargin * k;
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    for (int py = 0; py < 240 * k; ++py)
        for (int px = 0; px < 440 * k; ++px)
            if (pixelAt(alone, px, py) != rgbOf(15)) {
                x0 = std::min(x0, px - m), x1 = std::max(x1, px + m);
                y0 = std::min(y0, py - m), y1 = std::max(y1, py + m);
            }
    ASSERT_GE(x1, 0);
    // The axis in the box, the label over it, before the later line.
    const int axis = pixelsOf(plain, 4, x0 / 2.0, y0 / 2.0, x1 / 2.0, y1 / 2.0);
    EXPECT_GT(axis, 0);
    for (rt::Canvas* c : {&plain, &haloed}) c->line(120, 60, 120, 180, 8, 0, -1, 1, rt::LineRole::givesWay);
    int cleared = 0;
    for (int py = 0; py < 240 * k; ++py)
        for (int px = 0; px < 440 * k; ++px) {
            const std::uint32_t was = pixelAt(under, px, py), a = pixelAt(plain, px, py),
                                b = pixelAt(haloed, px, py);
            const bool inBox = px >= x0 && px <= x1 && py >= y0 && py <= y1;
            if (inBox) {
                // No line's pixel is left in the box.
                ASSERT_NE(b, rgbOf(1)) << px << "," << py;
                ASSERT_NE(b, rgbOf(8)) << px << "," << py;
            }
            if (a == b) continue;
            // The later line left off: what lies under it (the label, the
            // axis, the page) shows as it was before the line.
            if (a == rgbOf(8) && inBox && b == pixelAt(settled, px, py)) continue;
            // Changed: a line's pixel inside the box, now the page colour.
            // A line that gives way is cleared across its whole width: a
            // stroke reaching into the box goes out to its edge, no further
            // than its widest (5) from the box.
            ASSERT_EQ(b, rgbOf(15)) << px << "," << py;
            const int w = 5 * k;
            ASSERT_TRUE(px >= x0 - w && px <= x1 + w && py >= y0 - w && py <= y1 + w) << px << "," << py;
            ASSERT_TRUE(was == rgbOf(1) || was == rgbOf(8) || a == rgbOf(8)) << px << "," << py;
            ++cleared;
        }
    EXPECT_GT(cleared, 0);
    // The pen dot the box reaches into is gone whole: no sliver of it left.
    EXPECT_GT(pixelsOf(plain, 8, 56, 136, 64, 144), 0);
    EXPECT_EQ(pixelsOf(haloed, 8, 56, 136, 64, 144), 0) << "a sliver of the pen dot";
    // The marks drawn earlier keep all their pixels inside the box.
    for (int colour : {2, 6})
        EXPECT_EQ(pixelsOf(plain, colour, x0 / 2.0, y0 / 2.0, x1 / 2.0, y1 / 2.0),
                  pixelsOf(haloed, colour, x0 / 2.0, y0 / 2.0, x1 / 2.0, y1 / 2.0))
            << colour;
    // The axis, a line of meaning, keeps every pixel the label leaves it,
    // the later line stopping short of it too.
    EXPECT_EQ(pixelsOf(haloed, 4, x0 / 2.0, y0 / 2.0, x1 / 2.0, y1 / 2.0), axis);
    // The later line runs on above and below the box.
    EXPECT_GT(pixelsOf(haloed, 8, 119, 60, 121, y0 / 2.0 - 1), 0);
    EXPECT_GT(pixelsOf(haloed, 8, 119, y1 / 2.0 + 1, 121, 180), 0);
    // The label keeps all its pixels, the later line none of them..
    EXPECT_EQ(pixelsOf(alone, 3, 0, 0, 440, 240), pixelsOf(haloed, 3, 0, 0, 440, 240));
}

// Where a ground clears a line drawn over a fill or a text, what lay under
// the line shows again, not the page: a label on a shaded figure leaves no
// white rim, and a text a line crossed is whole around the label.
TEST(LabelHalo, TheGroundShowsWhatLayUnderTheLine) {
    rt::Canvas crossed(2), plain(2);
    const rt::TextStyle digits{"ゴシック", 16, true, false};
    const rt::UnitBox ink = crossed.textInk("x=9", 100, 100, 3, 3, digits);
    // A text a unit and a half right of the label's ink: inside its ground.
    const float textX = ink.x1 + 1.5f - crossed.textInk("8", 0, 100, 3, 3, digits).x0;
    for (rt::Canvas* c : {&crossed, &plain}) {
        c->line(60, 60, 200, 180, 0, 2, 13, 1);  // a shaded box under the label
        c->symbol("8", textX, 100, 3, 3, 2, digits);
        if (c == &crossed) c->line(40, 120, 300, 120, 1, 0, -1, 3, rt::LineRole::givesWay);
        c->beginHalo();
        c->symbol("x=9", 100, 100, 3, 3, 3, digits);
        c->endHalo();
    }
    // Within the ground, across both the box and the text beside it.
    EXPECT_EQ(pixelsDifferingInGround(crossed, plain, ink), 0);
    EXPECT_GT(pixelsOf(crossed, 1, 40, 118, 100, 122), 0) << "the line, away from the label";
    // A line of meaning across the same place is never cleared.
    rt::Canvas axis(2);
    axis.line(40, 120, 300, 120, 1, 0, -1, 3);
    axis.beginHalo();
    axis.symbol("x=9", 100, 100, 3, 3, 3, digits);
    axis.endHalo();
    const int k = axis.scale();
    EXPECT_GT(pixelsOf(axis, 1, ink.x0 - 2, 118, ink.x1 + 2, 122), 0);
    EXPECT_EQ(axis.lineAt(static_cast<int>(ink.x1 + 2) * k, 120 * k), rt::Canvas::LineMark::meaning);
}

// Whatever the lines that give way went through before a label (cleared, covered by a
// fill, drawn twice, drawn as a graph's pen dots), its ground shows what the
// same screen shows without them.
TEST(LabelHalo, TheGroundShowsThePageAsItWouldBeWithoutTheLines) {
    const rt::TextStyle digits{"ゴシック", 16, true, false};
    auto shade = [](rt::Canvas& c) { c.line(60, 60, 200, 180, 0, 2, 13, 1); };
    auto across = [](rt::Canvas& c, int colour) {
        c.line(40, 120, 300, 120, colour, 0, -1, 3, rt::LineRole::givesWay);
    };
    struct Case {
        const char* what;
        std::function<void(rt::Canvas&)> withLines, without;
    };
    const Case cases[] = {
        {"a line the screen before",
         [&](rt::Canvas& c) {
             across(c, 1);
             c.clear();
             shade(c);
         },
         shade},
        {"a line under a fill",
         [&](rt::Canvas& c) {
             across(c, 1);
             shade(c);
         },
         shade},
        {"a line under a text",
         [&](rt::Canvas& c) {
             across(c, 1);
             c.symbol("8", 130, 100, 3, 3, 2, digits);
         },
         [&](rt::Canvas& c) { c.symbol("8", 130, 100, 3, 3, 2, digits); }},
        {"two lines over a fill",
         [&](rt::Canvas& c) {
             shade(c);
             across(c, 1);
             across(c, 8);
         },
         shade},
        {"a graph's pen dots over a fill",
         [&](rt::Canvas& c) {
             shade(c);
             for (float x = 40; x < 300; x += 0.5f)
                 c.circle(x, 120 + (x - 40) / 20, 1, 1, 0, 0, true, -1, 3, rt::LineRole::givesWay);
         },
         shade},
    };
    for (const Case& t : cases) {
        rt::Canvas crossed(2), plain(2);
        t.withLines(crossed);
        t.without(plain);
        for (rt::Canvas* c : {&crossed, &plain}) {
            c->beginHalo();
            c->symbol("x=9", 100, 100, 3, 3, 3, digits);
            c->endHalo();
        }
        const rt::UnitBox ink = plain.textInk("x=9", 100, 100, 3, 3, digits);
        EXPECT_EQ(pixelsDifferingInGround(crossed, plain, ink), 0) << t.what;
    }
}

// A later label's ground leaves an earlier label's strokes, its minus among
// them, as they are.
TEST(LabelHalo, AGroundKeepsAnEarlierLabelsMinus) {
    rt::Canvas c(2);
    const rt::TextStyle digits{"ゴシック", 16, true, false};
    c.beginHalo();
    c.line(100, 120, 130, 120, 3, 0, -1, 5);
    c.endHalo();
    const int before = pixelsOf(c, 3, 90, 110, 140, 130);
    c.beginHalo();
    c.symbol("1", 132, 100, 3, 3, 5, digits);
    c.endHalo();
    EXPECT_EQ(pixelsOf(c, 3, 90, 110, 140, 130), before);
    EXPECT_GT(before, 0);
}

// A grid line stops at a label's ground until the label is erased.
TEST(LabelHalo, AnEraseTakesTheGroundAway) {
    rt::Canvas c(2);
    const rt::TextStyle digits{"ゴシック", 16, true, false};
    c.beginHalo();
    c.symbol("7", 100, 100, 3, 3, 3, digits);
    c.endHalo();
    c.line(90, 124, 150, 124, 1, 0, -1, 3, rt::LineRole::givesWay);
    EXPECT_EQ(pixelsOf(c, 1, 100, 122, 120, 126), 0) << "the label's ground";
    // A line of meaning crosses the ground as it is.
    c.line(90, 124, 150, 124, 4, 0, -1, 3);
    EXPECT_GT(pixelsOf(c, 4, 100, 122, 120, 126), 0) << "a line of meaning";
    c.line(80, 80, 160, 160, 15, 2, 15, 1);
    c.line(90, 124, 150, 124, 1, 0, -1, 3, rt::LineRole::givesWay);
    EXPECT_GT(pixelsOf(c, 1, 100, 122, 120, 126), 0) << "erased";
}

// A clear drops whatever a halo held back: it would have been painted over.
TEST(LabelHalo, AClearInsideAHaloLeavesAPlainPage) {
    rt::Canvas c(1);
    c.beginHalo();
    c.line(10, 10, 100, 10, 0, 0, -1, 5);
    c.clear();
    c.endHalo();
    EXPECT_EQ(pixelsOf(c, 0, 0, 0, 200, 40), 0);
}

// Where a reference "0" stands after lines are drawn across its place: the
// offset of its last drawing from where it was asked for, as the trace
// writes it (x, y).
std::pair<float, float> referenceAfter(rt::Placing placing, const std::function<void(rt::Runtime&)>& lines) {
    rt::HeadlessRuntime r({.scale = 1});
    std::ostringstream trace;
    r.setTrace(&trace);
    r.setFontName("ゴシック");
    r.setFontSize(20);
    r.setFontBold(true);
    r.setDrawWidth(4);
    r.segment(100, 100, 300, 100, ink::text);  // the x axis
    r.segment(200, 20, 200, 180, ink::text);   // the y axis
    {
        rt::HaloScope ground(r, placing);
        r.symbol("0", 176, 107, 2, 1, ink::text);
    }
    lines(r);
    std::istringstream in(trace.str());
    std::pair<float, float> at{-1, -1};
    for (std::string l; std::getline(in, l);) {
        std::istringstream f(l);
        std::string op;
        float x, y;
        int h, v, colour;
        if (f >> op >> x >> y >> h >> v >> colour && op == "text" && colour == 0) at = {x - 176, y - 107};
    }
    return at;
}

// The origin's "0" stays where the plane puts it, unless a line of meaning
// (a slope arrow's run, a dotted dimension arc) is drawn through it: then
// it steps a little aside, never far from the origin.
TEST(ReferenceLabel, StepsALittleAsideOnlyForALineOfMeaning) {
    auto run = [](rt::Runtime& r) { r.segment(120, 118, 240, 118, ink::keyBox); };
    auto dotted = [](rt::Runtime& r) {
        r.setDrawWidth(5);
        for (float x = 120; x < 240; x += 10) r.disc(x, 118, 0.5f, ink::heading);
    };
    auto grid = [](rt::Runtime& r) {
        rt::LineRoleScope role(r, rt::LineRole::givesWay);
        r.segment(120, 118, 240, 118, ink::blue);
    };
    auto walled = [](rt::Runtime& r) {
        for (float y = 70; y <= 170; y += 8) r.segment(60, y, 340, y, ink::keyBox);
    };
    const struct {
        const char* what;
        rt::Placing placing;
        std::function<void(rt::Runtime&)> lines;
        bool moves;
    } cases[] = {
        {"an arrow's run through it", rt::Placing::reference, run, true},
        {"a dotted arc through it", rt::Placing::reference, dotted, true},
        {"a grid line gives way to it", rt::Placing::reference, grid, false},
        {"nothing across it", rt::Placing::reference, [](rt::Runtime&) {}, false},
        {"a fixed label stays under an arrow", rt::Placing::fixed, run, false},
        {"no free place within reach", rt::Placing::reference, walled, false},
    };
    for (const auto& c : cases) {
        const auto [dx, dy] = referenceAfter(c.placing, c.lines);
        const float d = std::hypot(dx, dy);
        if (c.moves) {
            EXPECT_GT(d, 0) << c.what;
            EXPECT_LE(d, rt::reading::kReferenceReach) << c.what;
        } else {
            EXPECT_EQ(d, 0) << c.what;
        }
    }
}

}  // namespace
}  // namespace lesson::testing
