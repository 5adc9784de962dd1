// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel chapter 4's coordinates drill: the points it draws over many seeds
// against the random numbers it took, and its no-repeat rule on chosen draws.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

// Hands out scripted draws first, then the seeded ones, and keeps them all.
class RecordingRuntime : public rt::HeadlessRuntime {
public:
    using HeadlessRuntime::HeadlessRuntime;
    float rnd() override {
        float r;
        if (!script.empty()) {
            r = script.front();
            script.pop_front();
        } else {
            r = HeadlessRuntime::rnd();
        }
        draws.push_back(r);
        return r;
    }
    std::deque<float> script;
    std::vector<float> draws;
};

// A draw that gives the whole number n from INT(r*count + 1).
float drawFor(int n, int count) { return (static_cast<float>(n) - 0.5f) / static_cast<float>(count); }

// ---- The no-repeat rule on chosen draws -----------------------------------------------

struct RepeatCase {
    int remembered;  // the quadrant kept from the last problem
    int drawn;       // the quadrant drawn now
    int shown;       // the quadrant of the point shown
    int kept;        // the quadrant kept afterwards
};

class QuadrantNoRepeat : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(QuadrantNoRepeat, ARepeatBecomesQuadrant1AndKeepsTheMemory) {
    const RepeatCase& c = GetParam();
    RecordingRuntime runtime(rt::HeadlessRuntime::Options{});
    Kestrel k(runtime);
    k.lastDrillQuadrant = static_cast<Num>(c.remembered);
    runtime.script = {drawFor(3, 5), drawFor(2, 5), drawFor(c.drawn, 4)};
    const Kestrel::QuadrantPoint point = k.PickQuadrantPoint();

    static const char* const points[] = {"(3,2)", "(-3,2)", "(-3,-2)", "(3,-2)"};
    static const int signs[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    EXPECT_EQ(k.CoordinatesText(point), points[c.shown - 1]);
    EXPECT_EQ(point.x, 3 * signs[c.shown - 1][0]);
    EXPECT_EQ(point.y, 2 * signs[c.shown - 1][1]);
    EXPECT_EQ(k.lastDrillQuadrant, c.kept);
}

INSTANTIATE_TEST_SUITE_P(RememberedAndDrawn, QuadrantNoRepeat,
                         ::testing::Values(RepeatCase{0, 1, 1, 1},
                                           RepeatCase{0, 3, 3, 3},  // first problem: any
                                           RepeatCase{3, 3, 1, 3},  // a repeat becomes 1, memory stays
                                           RepeatCase{3, 1, 1, 1},  // so 1 may follow 1
                                           RepeatCase{1, 1, 1, 1}, RepeatCase{2, 2, 1, 2},
                                           RepeatCase{4, 4, 1, 4}, RepeatCase{1, 2, 2, 2},
                                           RepeatCase{2, 4, 4, 4}, RepeatCase{4, 3, 3, 3}));

// ---- Many seeds against the draws ----------------------------------------------------------

// The trace cut at the whole-screen clear each problem starts with.
std::vector<Trace> problemScreens(const std::string& trace) {
    return Trace(trace).parts([](const TraceRecord& r) {
        const Segment& s = r.segment;
        return r.kind == TraceRecord::Kind::segment && s.x1 == 0 && s.y1 == 0 && s.x2 == 1760 &&
               s.y2 == 1800 && s.colour == ink::page && s.kind == 2 && s.fill == ink::page && s.width == 3;
    });
}

std::string pointText(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

// Two visits to the drill through the chapter's sub-menu, four problems in
// each loop of the first and one in each of the second: every point and its
// text follow from the three draws of its problem and the remembered quadrant,
// which carries across loops and visits.
TEST(QuadrantPointDrill, EveryProblemFollowsItsDrawsOverManySeeds) {
    std::string loop;
    for (int p = 0; p < 3; ++p) loop += "a 2 Enter ";
    loop += "a 1 Enter ";
    const std::string keys = "1 Enter " + loop + loop + "1 Enter a 1 Enter a 1 Enter 9 Enter";
    const int problems = 10;

    for (int seed = 1; seed <= 60; ++seed) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        RecordingRuntime runtime(o);
        std::ostringstream trace;
        runtime.setTrace(&trace);
        std::vector<ScreenTextRecord> texts;
        KestrelUnderTest k(runtime, [](Kestrel& p) { RunChapter(p, Kestrel::kGraphIntercept, 4); });
        k.screenTextLog = &texts;
        k.OverrideSeed(seed);
        ASSERT_EQ(k.Run(), 0);
        ASSERT_GT(Trace(trace.str()).count(TraceRecord::Kind::end), 0) << seed;

        ASSERT_EQ(runtime.draws.size(), 3u * problems) << seed;
        const auto screens = problemScreens(trace.str());
        ASSERT_EQ(screens.size(), static_cast<std::size_t>(problems)) << seed;
        std::vector<std::string> pointTexts;
        for (const auto& r : texts)
            if (r.x == 88 && r.y == 110) pointTexts.push_back(r.text);
        ASSERT_EQ(pointTexts.size(), static_cast<std::size_t>(problems)) << seed;

        int remembered = 0;
        for (int p = 0; p < problems; ++p) {
            const int xw = static_cast<int>(std::floor(runtime.draws[3 * p] * 5 + 1));
            const int b = static_cast<int>(std::floor(runtime.draws[3 * p + 1] * 5 + 1));
            int q = static_cast<int>(std::floor(runtime.draws[3 * p + 2] * 4 + 1));
            if (q == remembered)
                q = 1;
            else
                remembered = q;
            ASSERT_TRUE(xw >= 1 && xw <= 5 && b >= 1 && b <= 5) << seed;
            const int x = (q == 1 || q == 4) ? xw : -xw;
            const int y = (q == 1 || q == 2) ? b : -b;
            const std::string where = "seed " + std::to_string(seed) + " problem " + std::to_string(p);
            EXPECT_EQ(pointTexts[p], pointText(x, y)) << where;

            const bool whichPoint = p < 4 || p == 8;  // loop 1 of each visit
            // The points and their marks, not the plane's own dots.
            auto d = screens[p].dots();
            std::erase_if(d, [](const Dot& dot) { return dot.r != 12 && dot.r != 15; });
            if (whichPoint) {
                // A, B, C, D: the mirror images, in quadrants 1 to 4; then the
                // chosen one marked over its own dot.
                ASSERT_EQ(d.size(), 5u) << where;
                const int sx[4] = {1, -1, -1, 1}, sy[4] = {1, 1, -1, -1};
                for (int m = 0; m < 4; ++m) {
                    EXPECT_EQ(d[m].x, 704 + 44 * sx[m] * xw) << where;
                    EXPECT_EQ(d[m].y, 364 - 44 * sy[m] * b) << where;
                    EXPECT_EQ(d[m].r, 12) << where;
                    EXPECT_EQ(d[m].colour, ink::emphasis) << where;
                }
                EXPECT_EQ(d[4].x, 704 + 44 * x) << where;
                EXPECT_EQ(d[4].y, 364 - 44 * y) << where;
                EXPECT_EQ(d[4].r, 15) << where;
                EXPECT_EQ(d[4].colour, ink::answer) << where;
                EXPECT_EQ(d[4].x, d[q - 1].x) << where;
                EXPECT_EQ(d[4].y, d[q - 1].y) << where;
            } else {
                ASSERT_EQ(d.size(), 1u) << where;
                EXPECT_EQ(d[0].x, 704 + 44 * x) << where;
                EXPECT_EQ(d[0].y, 364 - 44 * y) << where;
                EXPECT_EQ(d[0].colour, ink::emphasis) << where;
            }
        }
        EXPECT_EQ(k.lastDrillQuadrant, remembered) << seed;
    }
}

// ---- The letters of the mirrored points read apart ----------------------------------------

// Every point the drill can draw, in quadrant 1 so that A to D are its
// mirrors: each letter (its glyph's ink about 4 to 41 under its top, 24
// across) keeps off every dot, off the x axis, and 10 across or 4 stacked
// from the y axis's "5" and "-5".
TEST(QuadrantPointDrill, LettersKeepOffTheAxisTheDotsAndTheFives) {
    struct Box {
        float x0, y0, x1, y1;
    };
    auto meets = [](const Box& a, const Box& b, float across, float stacked) {
        const float overlap = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
        const float apart = std::max(b.x0 - a.x1, a.x0 - b.x1);
        const float down = std::max(b.y0 - a.y1, a.y0 - b.y1);
        return overlap > 0 ? apart < across : apart < 0 && down < stacked;
    };
    for (int xw = 1; xw <= 5; ++xw)
        for (int b = 1; b <= 5; ++b) {
            rt::HeadlessRuntime::Options o;
            o.keys = rt::HeadlessRuntime::splitKeys("1 Enter a");
            RecordingRuntime runtime(o);
            std::ostringstream trace;
            runtime.setTrace(&trace);
            runtime.script = {drawFor(xw, 5), drawFor(b, 5), drawFor(1, 4)};
            KestrelUnderTest k(runtime, [](Kestrel& p) { RunChapter(p, Kestrel::kGraphIntercept, 4); });
            ASSERT_EQ(k.Run(), 0);
            const Trace t(trace.str());
            const std::string where = "point (" + std::to_string(xw) + "," + std::to_string(b) + ")";
            std::vector<Box> dots, fives;
            for (const Dot& d : t.dots())
                if (d.r == 12 || d.r == 15) dots.push_back({d.x - d.r, d.y - d.r, d.x + d.r, d.y + d.r});
            for (const Glyph& g : t.glyphs({.h = 2, .v = 1}))
                if (g.text == "5" || g.text == "-5") fives.push_back({g.x, g.y, g.x + 30, g.y + 22});
            int letters = 0;
            for (const char* name : {"A", "B", "C", "D"})
                for (const Glyph& g : t.glyphs({.text = name, .colour = ink::emphasis})) {
                    ++letters;
                    const Box ink{g.x, g.y + 4, g.x + 24, g.y + 41};
                    for (const Box& d : dots)
                        EXPECT_FALSE(meets(ink, d, 0, 0)) << where << " " << name << " on a dot";
                    EXPECT_FALSE(ink.y0 < 364 + 4 && ink.y1 > 364 - 4)
                        << where << " " << name << " on the x axis";
                    for (const Box& f : fives)
                        EXPECT_FALSE(meets(ink, f, 10, 4)) << where << " " << name << " by a 5";
                }
            EXPECT_EQ(letters, 4) << where;
            EXPECT_FALSE(fives.empty()) << where;
        }
}

}  // namespace
}  // namespace lesson::testing
