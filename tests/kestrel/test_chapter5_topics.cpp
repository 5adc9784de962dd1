// SPDX-License-Identifier: GPL-3.0-or-later
// Chapter 5's fixed topics, each run alone: their key waits, the slope
// triangles and lines at the places their screens give, and the same
// screens whatever an earlier screen left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

struct TopicCase {
    const char* name;
    KestrelUnderTest::Entry topic;
    const char* keys;  // from entry to the end
    int waits;
};

const TopicCase kTopics[] = {
    {"SlopeOnGraph", &Kestrel::SlopeOnGraphTopic, "a a a a a a a a a a a a a a a a a a", 18},
    {"SlopeIntercept", &Kestrel::SlopeInterceptTopic, "a a a a a 1 Enter a", 7},
    {"SlopeInterceptAnswers", &Kestrel::SlopeInterceptAnswers, "a a a a", 4},
    {"GraphFromSlopeExample", &Kestrel::GraphFromSlopeExample, "a a a a a a a a a a", 10},
    {"GraphFromSlopeProblem5", &Kestrel::GraphFromSlopeProblem5, "a a a a a a a a a a a", 11},
    {"IntegerSlopePractice", &Kestrel::IntegerSlopePractice, "a a a a a a 1 Enter", 7},
    {"FractionSlopePractice", &Kestrel::FractionSlopePractice, "a a a a a a 1 Enter", 7},
    {"GraphDrawingAnswers", &Kestrel::GraphDrawingAnswers, "", 0},
};

class KestrelChapter5Topic : public ::testing::TestWithParam<TopicCase> {};

// Exactly its keys take a topic to its end, and one key less does not.
TEST_P(KestrelChapter5Topic, RunsToItsEndOnItsKeys) {
    const TopicCase& c = GetParam();
    KestrelRun full(c.keys, c.topic);
    EXPECT_TRUE(full.ended()) << c.name;
    EXPECT_EQ(full.status, 0) << c.name;
    EXPECT_EQ(full.waits(), c.waits) << c.name;
    const std::string keys = c.keys;
    if (!keys.empty()) {
        KestrelRun shortOfOne(keys.substr(0, keys.rfind(' ') == std::string::npos ? 0 : keys.rfind(' ')),
                              c.topic);
        EXPECT_FALSE(shortOfOne.ended()) << c.name;
    }
    for (const auto& r : full.texts) EXPECT_EQ(MarkupFault(r.text), "") << c.name << ": " << r.text;
}

// Whatever an earlier screen left in the values per grid step, the label
// offsets, the scale-number switch and the pen width, the topic draws the
// same screens.
TEST_P(KestrelChapter5Topic, SameScreensWhateverRanBefore) {
    const TopicCase& c = GetParam();
    KestrelRun fresh(c.keys, c.topic);
    KestrelRun afterOthers(c.keys, c.topic, [](Kestrel& k) {
        k.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
        k.Rt().setDrawWidth(15);
    });
    // The clears are drawn before the topic sets its pen: their outline
    // width, in the background colour, shows nothing.
    auto drawing = [](const KestrelRun& run) {
        std::vector<std::string> out;
        for (const auto& r : run.records().records())
            if (r.kind != TraceRecord::Kind::segment || r.segment.x1 != 0 || r.segment.y1 != 0)
                out.push_back(r.line);
        return out;
    };
    const auto a = drawing(fresh), b = drawing(afterOthers);
    ASSERT_EQ(a.size(), b.size()) << c.name;
    for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], b[i]) << c.name << " line " << i;
}

INSTANTIATE_TEST_SUITE_P(Chapter5, KestrelChapter5Topic, ::testing::ValuesIn(kTopics),
                         [](const auto& info) { return std::string(info.param.name); });

// The extreme pixels of a graph's one-unit dots of a colour: left end, right end.
struct Ends {
    float x1 = 1e9f, y1 = 0, x2 = -1e9f, y2 = 0;
};
Ends graphEnds(const Trace& trace, Colour colour) {
    Ends e;
    for (const Dot& d : trace.dots({.r = 1, .colour = colour})) {
        const float x = d.x, y = d.y;
        if (x < e.x1) e = {x, y, e.x2, e.y2};
        if (x > e.x2) e = {e.x1, e.y1, x, y};
    }
    return e;
}

// ---- Topic 1: slope on the graph ----------------------------------------------------

TEST(SlopeOnGraph, StaircasesAndLargeTriangles) {
    KestrelRun run(steps(18), &Kestrel::SlopeOnGraphTopic);
    const auto lines = run.lines();
    const Trace trace(lines);
    // Screen 1: unit steps drawn twice (run labels, then rise labels), pen 4.
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(878, 540), .to = At(918, 540), .colour = ink::heading, .width = 4})
            .size(),
        2u);
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(1038, 220), .to = At(1078, 220), .colour = ink::heading, .width = 4})
            .size(),
        2u);
    EXPECT_EQ(
        trace
            .segments(Stroke{.from = At(1078, 220), .to = At(1078, 140), .colour = ink::emphasis, .width = 4})
            .size(),
        2u);
    // The large triangle in colour 5, at the pen width the staircase left.
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(878, 540), .to = At(998, 540), .colour = ink::answer, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(998, 540), .to = At(998, 300), .colour = ink::answer, .width = 4})
            .empty());
    EXPECT_EQ(run.place("3"), "924 540 5");
    EXPECT_EQ(run.place("6"), "998 404 5");
    // Screen 2: falling steps; the triangle hangs below its run arrow.
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(878, 140), .to = At(918, 140), .colour = ink::heading, .width = 4})
            .size(),
        2u);
    EXPECT_EQ(
        trace.segments(Stroke{.from = At(918, 140), .to = At(918, 220), .colour = ink::emphasis, .width = 4})
            .size(),
        2u);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(878, 140), .to = At(1038, 140), .colour = ink::answer, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(1038, 140), .to = At(1038, 460), .colour = ink::answer, .width = 4})
            .empty());
    EXPECT_EQ(run.place("4"), "944 96 5");
    EXPECT_EQ(run.place("-8"), "1038 284 5");

    EXPECT_EQ(run.place("問　1次関数y=2x+3では、x軸方向を"), "40 80 0");
    EXPECT_EQ(run.drawn("右へ1ずつ進むとy軸方向はどうなりますか。")[0].x, 76);
    EXPECT_EQ(run.drawn("右へ1ずつ進むとy軸方向はどうなりますか。")[1].x, 114);
    EXPECT_EQ(run.place(" 右へ１ずつ進むと　上へ2ずつ進む"), "76 200 3");
    EXPECT_EQ(run.place("① xの値が3だけ増加すると、"), "40 270 7");
    EXPECT_EQ(run.place("2*3="), "76 370 0");
    EXPECT_EQ(run.drawn("6 (だけ増加する。)")[0].y, 370);
    EXPECT_EQ(run.place("② 右へ3だけ進むとy軸方向はどうなる？"), "40 440 7");
    EXPECT_EQ(run.place(" 上へ6だけ進む"), "76 490 3");
    EXPECT_EQ(run.place(" 下へ8だけ進む"), "76 490 3");

    // Screen 3: the family of lines, the conclusion and the identity.
    EXPECT_EQ(run.place("問　直線y=ax+bは、"), "38 30 0");
    EXPECT_EQ(run.place("aの値が変わるとどうなりますか。"), "76 80 0");
    EXPECT_EQ(run.place("直線の傾きぐあいが急になる。"), "38 180 3");
    EXPECT_EQ(run.drawn("傾き")[0].colour, ink::answer);
    EXPECT_EQ(run.place("変化の割合=ﾀyの増加量/xの増加量ﾀ=a=傾き"), "38 320 5");
    EXPECT_EQ(run.place("傾きaは、xが1増加したときのyの増加量"), "38 410 3");
}

TEST(SlopeOnGraph, LinesClippedToThePlane) {
    KestrelRun run(steps(18), &Kestrel::SlopeOnGraphTopic);
    const auto lines = run.lines();
    const Trace trace(lines);
    // y=2x+3 from x = -2.5 to 3.5; y=-2x+5 from x = -0.5 to 5: both in
    // colour 0, so each screen is looked at alone.
    const auto screens = trace.parts([](const TraceRecord& r) {
        const Segment& s = r.segment;
        return r.kind == TraceRecord::Kind::segment && s.x1 == 0 && s.y1 == 0 && s.x2 == 1320 &&
               s.y2 == 1300 && s.colour == ink::page && s.kind == 2 && s.fill == ink::page;
    });
    ASSERT_EQ(screens.size(), 3u);
    const Trace &screen1 = screens[0], &screen2 = screens[1], &screen3 = screens[2];
    Ends a = graphEnds(screen1, ink::text);
    EXPECT_NEAR(a.x1, 958 - 2.5f * 40, 1);
    EXPECT_NEAR(a.y1, 580, 1);
    EXPECT_NEAR(a.x2, 958 + 3.5f * 40, 1);
    EXPECT_NEAR(a.y2, 100, 1);
    Ends b = graphEnds(screen2, ink::text);
    EXPECT_NEAR(b.x1, 878 - 0.5f * 40, 1);
    EXPECT_NEAR(b.y1, 100, 1);
    EXPECT_NEAR(b.x2, 1078, 1);
    EXPECT_NEAR(b.y2, 540, 1);
    // Screen 3: y=x+2 to the right edge, y=2x+2 and y=3x+2 to the top.
    EXPECT_NEAR(graphEnds(screen3, ink::text).x2, 1118, 1);
    EXPECT_NEAR(graphEnds(screen3, ink::text).y2, 540 - 7 * 40, 1);
    EXPECT_NEAR(graphEnds(screen3, ink::emphasis).x2, 918 + 4.5f * 40, 1);
    EXPECT_NEAR(graphEnds(screen3, ink::heading).x2, 918 + 3 * 40, 1);
    // Labels moved from the last dot: y=2x+3 108 left and 50 up from the
    // top edge, y=-2x+5 135 left at the bottom edge, the family's first two
    // 54 left and down, the third right at its end.
    EXPECT_FALSE(screen1.glyphs({.text = "y", .near = Near{1098 - 108 + 4, 100 - 50, 1, 1}}).empty())
        << "4 right, off the y axis's letter";
    EXPECT_FALSE(screen2.glyphs({.text = "y", .near = Near{1078 - 135, 540, 1, 1}}).empty());
    EXPECT_FALSE(screen3.glyphs({.text = "y", .near = Near{1118 - 54, 260 + 75, 1, 1}}).empty());
    EXPECT_FALSE(screen3.glyphs({.text = "y", .near = Near{1098 - 54, 100 + 120, 1, 1}}).empty());
    EXPECT_FALSE(screen3.glyphs({.text = "y", .near = Near{1038, 100, 1, 1}}).empty());
}

// ---- Topic 2: the rule and the two lines -----------------------------------------------

TEST(SlopeIntercept, PlanesTrianglesAndLabels) {
    KestrelRun run("a a a a a 1 Enter a", &Kestrel::SlopeInterceptTopic);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.segments({.colour = ink::onBox, .from = At(38, 16), .to = At(608, 191), .kind = 1, .width = 10})
            .empty());
    EXPECT_EQ(run.place("傾きがa,切片がbの直線"), "76 130 5");
    EXPECT_EQ(run.place("a>0のとき"), "59 230 3");
    EXPECT_EQ(run.place("y=ax+b"), "194 520 3");
    EXPECT_FALSE(trace.dots({.r = 8, .colour = ink::answer, .near = Near{194, 480, 0.6f, 0.6f}}).empty());
    EXPECT_EQ(run.place("(0,b)"), "59 460 5");
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(214, 450), .to = At(294, 450), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(294, 450), .to = At(294, 330), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_EQ(run.place("1"), "240 450 5");
    EXPECT_EQ(run.place("a"), "294 374 5");
    EXPECT_EQ(run.place("右上がりの直線"), "76 592 7");
    // The falling line: its run number over the arrow, the rise pointing down.
    EXPECT_EQ(run.place("a<0のとき"), "439 230 3");
    EXPECT_FALSE(trace.dots({.r = 8, .colour = ink::answer, .near = Near{574, 320, 0.6f, 0.6f}}).empty());
    EXPECT_EQ(run.drawn("(0,b)")[1].x, 439);
    EXPECT_EQ(run.drawn("(0,b)")[1].y, 300);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(594, 350), .to = At(674, 350), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(674, 350), .to = At(674, 470), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_EQ(run.drawn("1")[1].x, 620);
    EXPECT_EQ(run.drawn("1")[1].y, 300);
    EXPECT_EQ(run.drawn("a")[1].x, 674);
    EXPECT_EQ(run.drawn("a")[1].y, 394);
    EXPECT_EQ(run.place("右下がりの直線"), "584 592 7");
    // The drill area is cleared per problem; the assignment after one more key.
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(720, 30),
                                .to = At(1320, 330),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 5})
                     .empty());
    EXPECT_EQ(run.place("傾きと切片をいいなさい。"), "756 80 0");
    EXPECT_EQ(run.place("傾き…"), "756 130 0");
    EXPECT_EQ(run.place("切片…"), "756 180 0");
    EXPECT_EQ(run.place("教科書P68 問4 をしなさい。"), "720 270 7");
    KestrelRun beforeLastKey("a a a a a 1 Enter", &Kestrel::SlopeInterceptTopic);
    EXPECT_EQ(beforeLastKey.count("教科書P68 問4 をしなさい。"), 0);
}

// ---- Topic 3: answers of problem 4 ------------------------------------------------------

TEST(SlopeInterceptAnswers, TwoColumns) {
    KestrelRun run(steps(4), &Kestrel::SlopeInterceptAnswers);
    EXPECT_EQ(run.place("教科書P68 問4の解答"), "114 30 3");
    EXPECT_EQ(run.place("(1)y=-2x-1"), "38 80 3");
    EXPECT_EQ(run.place("(2)y=x-2"), "38 250 3");
    EXPECT_EQ(run.place("(3)y=-4x"), "684 30 3");
    EXPECT_EQ(run.place("(4)y=ﾀ3/2ﾀx-6"), "684 200 3");
    const auto slopes = run.drawn("傾き…");
    const auto intercepts = run.drawn("切片…");
    ASSERT_EQ(slopes.size(), 4u);
    ASSERT_EQ(intercepts.size(), 4u);
    const int slopeRows[4][2] = {{114, 130}, {114, 300}, {760, 80}, {760, 260}};
    const int interceptRows[4][2] = {{114, 180}, {114, 350}, {760, 130}, {760, 320}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(slopes[k].x, slopeRows[k][0]) << k;
        EXPECT_EQ(slopes[k].y, slopeRows[k][1]) << k;
        EXPECT_EQ(intercepts[k].x, interceptRows[k][0]) << k;
        EXPECT_EQ(intercepts[k].y, interceptRows[k][1]) << k;
    }
    EXPECT_EQ(run.drawn("0")[0].colour, ink::answer);
    EXPECT_EQ(run.drawn("ﾀ3/2ﾀ")[0].y, 260);
    // Key 4 shows the answers of (4) and nothing more.
    KestrelRun three(steps(3), &Kestrel::SlopeInterceptAnswers);
    EXPECT_EQ(three.count("ﾀ3/2ﾀ"), 0);
    EXPECT_EQ(three.count("(4)y=ﾀ3/2ﾀx-6"), 1);
}

// ---- Topics 4 and 5: a line from its intercept and slope --------------------------------

TEST(GraphFromSlopeExample, PointsArrowsAndLine) {
    KestrelRun run(steps(10), &Kestrel::GraphFromSlopeExample);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(run.place("直線だから、2点がわかればかける。"), "38 130 5");
    EXPECT_EQ(run.place("①切片が3 だから、"), "38 210 0");
    EXPECT_EQ(run.drawn("(0,3)に点をうつ")[0].y, 210);
    EXPECT_EQ(run.drawn("(0,3)に点をうつ")[0].colour, ink::emphasis);
    EXPECT_FALSE(trace.dots({.r = 8, .colour = ink::emphasis, .near = Near{872, 250, 0.6f, 0.6f}}).empty());
    EXPECT_EQ(run.place("②傾きが-2だから、右へ1進むと、"), "38 290 0");
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(872, 250), .to = At(922, 250), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_EQ(run.place("1"), "883 200 5");
    EXPECT_EQ(run.place("下へ2進むから　"), "76 340 0");
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(922, 250), .to = At(922, 350), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_EQ(run.place("-2"), "922 284 5");
    EXPECT_EQ(run.place("(1,1)に点をうつ"), "76 390 3");
    EXPECT_FALSE(trace.dots({.r = 8, .colour = ink::emphasis, .near = Near{922, 350, 0.6f, 0.6f}}).empty());
    EXPECT_EQ(run.place("③2点を通る直線をひく。"), "38 470 0");
    // The line from the top edge at x = -1.5 to the bottom edge at x = 3.5.
    const Ends e = graphEnds(lines, ink::emphasis);
    EXPECT_NEAR(e.x1, 797, 1);
    EXPECT_NEAR(e.y1, 100, 1);
    EXPECT_NEAR(e.x2, 1047, 1);
    EXPECT_NEAR(e.y2, 600, 1);
    for (const char* label : {"(0,3)", "(1,1)", "y=-2x+3"}) EXPECT_EQ(run.count(label), 1) << label;
    EXPECT_FALSE(trace.glyphs({.text = "y", .near = Near{1047 - 54, 600 - 16, 1, 1}}).empty())
        << "16 up, clear of the status band";
}

TEST(GraphFromSlopeExample, LabelsLeftOfTheirDots) {
    // A point label's corner is 20 left of and 40 above its dot, then shifted;
    // (1,1) steps left off the line through its dot.
    KestrelRun run(steps(10), &Kestrel::GraphFromSlopeExample);
    const Trace trace = run.records();
    EXPECT_FALSE(trace.glyphs({.near = Near{717, 230, 0, 0}}).empty());  // (0,3)
    EXPECT_FALSE(trace.glyphs({.near = Near{739, 330, 0, 0}}).empty());  // (1,1)
}

TEST(GraphFromSlopeProblem5, PointsArrowsAndLine) {
    KestrelRun run(steps(11), &Kestrel::GraphFromSlopeProblem5);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_EQ(run.place("傾きと切片を使ってかきなさい。"), "76 90 0");
    EXPECT_EQ(run.place("直線だから、2点がわかればかける。"), "38 140 5");
    EXPECT_EQ(run.place("①切片が1 だから、"), "38 220 0");
    EXPECT_FALSE(trace.dots({.r = 8, .colour = ink::emphasis, .near = Near{962, 300, 0.6f, 0.6f}}).empty());
    EXPECT_EQ(run.place("②傾きがﾀ1/2ﾀだから、"), "38 300 0");
    EXPECT_EQ(run.drawn("右へ2進むと、")[0].colour, ink::emphasis);
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(962, 300), .to = At(1042, 300), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_EQ(run.place("2"), "988 300 5");
    EXPECT_EQ(run.place("上へ1進むから　"), "76 360 0");
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(1042, 300), .to = At(1042, 260), .colour = ink::answer, .width = 5})
            .empty());
    EXPECT_EQ(run.place("1"), "1042 264 5");
    EXPECT_EQ(run.place("(2,2)に点をうつ"), "76 410 3");
    EXPECT_FALSE(trace.dots({.r = 8, .colour = ink::emphasis, .near = Near{1042, 260, 0.6f, 0.6f}}).empty());
    EXPECT_EQ(run.place("③2点を通る直線をひく。"), "38 490 0");
    const Ends e = graphEnds(lines, ink::emphasis);
    EXPECT_NEAR(e.x1, 722, 1);
    EXPECT_NEAR(e.y1, 420, 1);
    EXPECT_NEAR(e.x2, 1202, 1);
    EXPECT_NEAR(e.y2, 180, 1);
    // (2,2) right of its dot and of the rise's 1; the line's label 108 left of and 70 above its end.
    EXPECT_FALSE(trace.glyphs({.text = "(", .near = Near{1042 + 31, 240, 1, 1}}).empty())
        << "31 right, 10 of page clear of the rise's 1";
    EXPECT_FALSE(trace.glyphs({.text = "y", .near = Near{1202 - 108, 180 - 70, 1, 1}}).empty());
    // The run arrow comes one key after the slope's line.
    KestrelRun six(steps(5), &Kestrel::GraphFromSlopeProblem5);
    EXPECT_EQ(six.count("②傾きがﾀ1/2ﾀだから、"), 1);
    EXPECT_TRUE(
        six.records()
            .segments(Stroke{.from = At(962, 300), .to = At(1042, 300), .colour = ink::answer, .width = 5})
            .empty());
}

// ---- Topic 8: answers of problem 6 ---------------------------------------------------------

TEST(GraphDrawingAnswers, FourLinesAndTheirPointsAtOnce) {
    KestrelRun run("", &Kestrel::GraphDrawingAnswers);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(0, 0),
                                .to = At(1320, 1300),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_EQ(run.place("教科書P69 問6　解答"), "38 30 3");
    // Points in the colour of the next answer's line, (4)'s in (1)'s.
    struct P {
        float x, y;
        Colour colour;
    };
    for (const P& p :
         {P{0, -1, ink::emphasis}, P{1, 1, ink::emphasis}, P{0, 1, ink::answer}, P{1, 2, ink::answer},
          P{0, 2, ink::heading}, P{1, 0, ink::heading}, P{0, -3, ink::text}, P{3, -4, ink::text}}) {
        EXPECT_FALSE(
            trace.dots({.r = 8, .colour = p.colour, .near = Near{582 + 40 * p.x, 340 - 40 * p.y, 0.6f, 0.6f}})
                .empty())
            << p.x << "," << p.y;
    }
    // (1) to the top at x = 3.5, (2) at x = 5, (3) to the bottom at x = 4,
    // (4) to the right edge at y = -5.
    EXPECT_NEAR(graphEnds(lines, ink::text).x2, 582 + 3.5f * 40, 1);
    EXPECT_NEAR(graphEnds(lines, ink::emphasis).x2, 582 + 5 * 40, 1);
    EXPECT_NEAR(graphEnds(lines, ink::answer).x2, 582 + 4 * 40, 1);
    EXPECT_NEAR(graphEnds(lines, ink::answer).y2, 580, 1);
    EXPECT_NEAR(graphEnds(lines, ink::heading).x2, 822, 1);
    EXPECT_NEAR(graphEnds(lines, ink::heading).y2, 340 + 5 * 40, 1);
    for (const char* label : {"(1)", "(2)", "(3)", "(4)"}) EXPECT_EQ(run.count(label), 1) << label;
    EXPECT_FALSE(trace.glyphs({.text = "(", .near = Near{722 - 54, 100 - 50, 1, 1}}).empty());
    EXPECT_FALSE(trace.glyphs({.text = "(", .near = Near{782 - 27, 100 - 50, 1, 1}}).empty());
    EXPECT_FALSE(trace.glyphs({.text = "(", .near = Near{742, 580, 1, 1}}).empty());
    EXPECT_FALSE(trace.glyphs({.text = "(", .near = Near{822 - 54, 540 - 50, 1, 1}}).empty());
}

}  // namespace
}  // namespace lesson::testing
