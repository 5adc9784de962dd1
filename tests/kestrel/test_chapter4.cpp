// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel chapter 4, graph and intercept: where each sub-menu entry leads,
// the keys each topic waits for, and the figures of its fixed topics at the
// places their screens give.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

const std::string kHeading = "＜Kestrel　メニュー＞";
const std::string kGoal1 = "①　1次関数のグラフをかき、特徴を調べよう。";
const std::string kChoiceLine = "①復習　②Q課題　③問1　④移動　⑤問2　⑥説明　⑦切片　⑧問3　⑨終了";

// A text only topic n (1 to 8) draws.
const char* const kTopicMarks[] = {
    "次の点はどれでしょう。",
    "教科書P65のQを考えよう。",
    "教科書P65　問1の解答",
    "y=2x+3 と y=2x の関係を調べよう",
    "教科書P66の問2　解答",
    "y=ax のグラフを",
    "<切片>",
    "教科書P66の問3　解答",
};

// ---- The sub-menu -------------------------------------------------------------------

TEST(KestrelChapter4, MainMenuItem4ShowsTheGoalAndTheChoiceLineWithoutAKey) {
    KestrelRun run(typed("4"));
    EXPECT_EQ(run.place("<めあて>"), "44 240 3");
    EXPECT_EQ(run.place(kGoal1), "76 305 0");
    EXPECT_EQ(run.place("②　比例のグラフとの関係を調べよう。"), "76 370 0");
    EXPECT_EQ(run.count(kChoiceLine), 1);
    EXPECT_EQ(run.waits(), 2);  // the main menu's entry, then the choice line's
    EXPECT_EQ(Kestrel::kMainMenu.items[3].chapter, &Kestrel::kGraphIntercept);
}

struct Choice {
    const char* typed;
    int topic;  // 1..8, 9 the main menu, 0 the choice line again
};

class Chapter4SubMenu : public ::testing::TestWithParam<Choice> {};

// After the entry the keys run out at the next wait: the topic's first
// screen, the main menu, or the choice line drawn again.
TEST_P(Chapter4SubMenu, EachEntryLeadsToItsTarget) {
    const Choice& c = GetParam();
    KestrelRun run(typed("4") + typed(c.typed));
    EXPECT_EQ(run.status, 0);
    for (int t = 1; t <= 8; ++t)
        EXPECT_EQ(run.count(kTopicMarks[t - 1]), t == c.topic ? 1 : 0) << c.typed << " " << t;
    EXPECT_EQ(run.count(kHeading), c.topic == 9 ? 2 : 1) << c.typed;
    // Topic 6 has no key wait: its screen is under the choice line at once.
    EXPECT_EQ(run.count(kChoiceLine), c.topic == 0 || c.topic == 6 ? 2 : 1) << c.typed;
    EXPECT_EQ(run.count(kGoal1), 1) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    TypedEntries, Chapter4SubMenu,
    ::testing::Values(Choice{"1", 1}, Choice{"2", 2}, Choice{"3", 3}, Choice{"4", 4}, Choice{"5", 5},
                      Choice{"6", 6}, Choice{"7", 7}, Choice{"8", 8}, Choice{"9", 9},
                      // Out of range, empty and without a value: the line again.
                      Choice{"0", 0}, Choice{"10", 0}, Choice{"-3", 0}, Choice{"", 0}, Choice{"-", 0},
                      Choice{"5/0", 0}, Choice{"0/0", 0}, Choice{"/", 0}, Choice{"1/2", 0}, Choice{"9.5", 0},
                      // A fraction inside the range is made whole downwards.
                      Choice{"2.5", 2}, Choice{"5/2", 2}, Choice{"8.9", 8}, Choice{"18/2", 9}));

TEST(KestrelChapter4, Item9ReturnsAndEnteringAgainShowsTheGoalAgain) {
    KestrelRun run(typed("4") + typed("9") + typed("4"));
    EXPECT_EQ(run.count(kGoal1), 2);
    EXPECT_EQ(run.count(kHeading), 2);
}

// ---- Key waits of every topic -------------------------------------------------------------

struct TopicKeys {
    int item;
    const char* keys;       // from the topic's first screen back to the choice line
    const char* shortKeys;  // one wait short of it
};

class Chapter4TopicKeys : public ::testing::TestWithParam<TopicKeys> {};

// The choice line comes back over the finished screen after exactly the
// topic's keys, with nothing cleared in between, and not one key earlier.
TEST_P(Chapter4TopicKeys, ChoiceLineComesBackAfterTheTopicsKeys) {
    const TopicKeys& c = GetParam();
    const std::string start = typed("4") + typed(std::to_string(c.item));
    KestrelRun full(start + c.keys);
    EXPECT_EQ(full.count(kChoiceLine), 2) << c.item;
    EXPECT_EQ(full.count(kGoal1), 1) << c.item;
    const auto trace = full.records();
    const int keys = trace.count(TraceRecord::Kind::key);
    ASSERT_GT(keys, 0);
    EXPECT_TRUE(trace.after(keys).segments({.from = At(0, 0)}).empty()) << c.item;

    KestrelRun shortOfOne(start + c.shortKeys);
    EXPECT_EQ(shortOfOne.count(kChoiceLine), 1) << c.item;
}

const std::string k42 = steps(42), k41 = steps(41), k9 = steps(9), k8 = steps(8), k12 = steps(12),
                  k11 = steps(11), k3 = steps(3), k2 = steps(2), k1 = steps(1);

INSTANTIATE_TEST_SUITE_P(
    EveryTopic, Chapter4TopicKeys,
    ::testing::Values(TopicKeys{1, "a 1 Enter a 1 Enter", "a 1 Enter a"},
                      TopicKeys{2, k42.c_str(), k41.c_str()}, TopicKeys{3, k9.c_str(), k8.c_str()},
                      TopicKeys{4, k12.c_str(), k11.c_str()}, TopicKeys{5, k3.c_str(), k2.c_str()},
                      TopicKeys{7, k2.c_str(), k1.c_str()}, TopicKeys{8, k2.c_str(), k1.c_str()}));

// Only a value of 1 leaves a loop of the drill; "5/0" has none and counts as 0.
TEST(QuadrantPointDrill, AnyOtherNumberMakesANewProblem) {
    KestrelRun run(typed("4") + typed("1") +
                   "a 2 Enter a 5 / 0 Enter a - 1 Enter a 1 Enter a 0 . 5 Enter a 1 Enter");
    EXPECT_EQ(run.count("次の点はどれでしょう。"), 4);
    EXPECT_EQ(run.count("次の点の座標をいいなさい。"), 2);
    EXPECT_EQ(run.count(kChoiceLine), 2);
}

// ---- Resting state ------------------------------------------------------------------------

struct Resting {
    const char* name;
    KestrelUnderTest::Entry topic;
    const char* keys;
    bool ownWidth = false;  // the topic sets its pen width after its clear
};

class Chapter4Resting : public ::testing::TestWithParam<Resting> {};

// Whatever an earlier screen left in the pen width, the values per grid step
// and the label shifts, each topic draws the screens of its first entry.
TEST_P(Chapter4Resting, SameScreenWhateverRanBefore) {
    const Resting& c = GetParam();
    KestrelRun fresh(c.keys, c.topic);
    KestrelRun afterOthers(c.keys, c.topic, [&c](Kestrel& k) {
        if (!c.ownWidth) k.Rt().setDrawWidth(15);
        k.PlaceOfPlane({.xTo = 10, .yTo = 10, .step = 20, .xPerStep = 4, .yPerStep = 0.5f});
    });
    EXPECT_TRUE(fresh.ended()) << c.name;
    EXPECT_EQ(firstDifference(fresh, afterOthers), "") << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryTopic, Chapter4Resting,
    ::testing::Values(Resting{"QuadrantPointDrill", &Kestrel::QuadrantPointDrill,
                              "a 2 Enter a 1 Enter a 1 Enter"},
                      Resting{"DensePointsDemo", &Kestrel::DensePointsDemo, k42.c_str()},
                      Resting{"PointsOnLineAnswer", &Kestrel::PointsOnLineAnswer, k9.c_str()},
                      Resting{"TranslationTopic", &Kestrel::TranslationTopic, k12.c_str(), true},
                      Resting{"TranslationDownAnswer", &Kestrel::TranslationDownAnswer, k3.c_str(), true},
                      Resting{"MovedProportionTopic", &Kestrel::MovedProportionTopic, "", true},
                      Resting{"InterceptTopic", &Kestrel::InterceptTopic, k2.c_str(), true},
                      Resting{"InterceptAnswer", &Kestrel::InterceptAnswer, k2.c_str(), true}),
    [](const auto& info) { return std::string(info.param.name); });

// The drill and the first two worked topics draw with the start-up pen width.
TEST(KestrelChapter4, TopicsWithoutAWidthOfTheirOwnDrawWithTheStartUpWidth) {
    KestrelRun dense(steps(11), &Kestrel::DensePointsDemo);
    EXPECT_FALSE(dense.records()
                     .segments({.colour = ink::text,
                                .from = At(38, 160),
                                .to = At(98, 210),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    EXPECT_FALSE(
        dense.records().dots(Disc{.at = At(832, 620), .r = 8, .colour = ink::emphasis, .width = 3}).empty());
    KestrelRun answer(steps(4), &Kestrel::PointsOnLineAnswer);
    EXPECT_FALSE(
        answer.records().dots(Disc{.at = At(1104, 220), .r = 8, .colour = ink::answer, .width = 3}).empty());
}

// ---- Ever denser points ----------------------------------------------------------------------

// The values of a table row, in colour 3, drawn so far.
int valuesIn(const KestrelRun& run, Num rowTop) {
    int n = 0;
    for (const auto& r : run.texts)
        if (r.y == rowTop && r.colour == ink::emphasis && !r.text.empty()) ++n;
    return n;
}

TEST(DensePointsDemo, TablesAndPointsFillOneKeyAtATime) {
    struct Stage {
        int keys, wholeValues, halfValues, bigDots;
    };
    // Two keys before the first value; every value and every point a key.
    for (const Stage s : {Stage{0, 0, 0, 0}, Stage{1, 0, 0, 0}, Stage{2, 1, 0, 0}, Stage{9, 8, 0, 0},
                          Stage{10, 8, 0, 0}, Stage{11, 8, 0, 1}, Stage{18, 8, 0, 8}, Stage{21, 8, 0, 8},
                          Stage{22, 8, 1, 8}, Stage{28, 8, 7, 8}, Stage{29, 8, 7, 9}, Stage{35, 8, 7, 15}}) {
        KestrelRun run(steps(s.keys), &Kestrel::DensePointsDemo);
        EXPECT_EQ(valuesIn(run, 210), s.wholeValues) << s.keys;
        EXPECT_EQ(valuesIn(run, 310), s.halfValues) << s.keys;
        EXPECT_EQ(run.records().dots({.r = 8, .colour = ink::emphasis}).size(),
                  static_cast<std::size_t>(s.bigDots))
            << s.keys;
    }
}

TEST(DensePointsDemo, CellsTextsAndScale) {
    KestrelRun run(steps(42), &Kestrel::DensePointsDemo);
    const auto lines = run.lines();
    const Trace trace(lines);
    // A value is drawn over its empty cell with the same box.
    EXPECT_EQ(trace
                  .segments({.colour = ink::text,
                             .from = At(98, 210),
                             .to = At(158, 260),
                             .kind = 2,
                             .fill = ink::page,
                             .width = 3})
                  .size(),
              2u);
    EXPECT_EQ(trace
                  .segments({.colour = ink::text,
                             .from = At(478, 310),
                             .to = At(573, 360),
                             .kind = 2,
                             .fill = ink::page,
                             .width = 3})
                  .size(),
              2u);
    EXPECT_EQ(run.place("-4"), "98 160 0");
    EXPECT_EQ(run.place("9"), "518 210 3");
    // Halfway x with their 0 before the point, whatever the number text is.
    // The half table's "x" column is 60 wide like the whole table's and its
    // values 95, so that "-3.5" (89 wide) keeps its minus off the rule.
    EXPECT_EQ(run.place("-0.5"), "383 260 0");
    EXPECT_EQ(run.place("0.5"), "478 260 0");
    EXPECT_EQ(run.count("00.5"), 0);
    EXPECT_EQ(run.count(".5"), 0);
    EXPECT_EQ(run.place("-3.5"), "98 260 0");
    EXPECT_EQ(
        trace
            .segments(
                {.colour = ink::text, .from = At(38, 260), .to = At(98, 310), .kind = 2, .fill = ink::page})
            .size(),
        1u);
    EXPECT_EQ(run.place("8"), "668 310 3");
    // Only the topic's own four scale numbers, three across and two down;
    // "-4" lower than "3", its minus off the grid line under the axis.
    for (const auto& [text, at] : {std::pair{"3", At(1102, 424)}, std::pair{"-4", At(812, 428)},
                                   std::pair{"5", At(972, 210)}, std::pair{"-5", At(952, 610)}}) {
        EXPECT_FALSE(trace
                         .glyphs({.text = text,
                                  .colour = ink::text,
                                  .face = "ゴシック",
                                  .near = at,
                                  .h = 3,
                                  .v = 2,
                                  .size = 16,
                                  .bold = false,
                                  .italic = false})
                         .empty())
            << text;
    }
    const auto glyphs = trace.glyphs();
    EXPECT_EQ(
        std::count_if(glyphs.begin(), glyphs.end(),
                      [](const Glyph& g) { return g.h == 3 && g.v == 2 && g.face == "ゴシック" && !g.bold; }),
        4);
    // Every fine point lies on y=2x+3 inside the plane.
    int fine = 0;
    for (const Dot& d : trace.dots({.r = 2, .colour = ink::emphasis})) {
        EXPECT_NEAR(d.y, 300 - 2 * (d.x - 992), 0.01f) << d.x << ' ' << d.y;
        EXPECT_TRUE(d.x >= 832 - 0.01f && d.x <= 1112 + 0.01f && d.y >= 60 - 0.01f && d.y <= 620 + 0.01f)
            << d.x << ' ' << d.y;
        ++fine;
    }
    EXPECT_EQ(fine, 29 + 57 + 85 + 141);
    EXPECT_EQ(run.place("もっと細かく点をとるとどうなるだろう。"), "38 370 7");
    EXPECT_EQ(run.place("グラフは直線になる。"), "38 430 5");
    EXPECT_EQ(run.place("y=2x+3 を満たす点(x,y)の集まり"), "38 480 3");
    EXPECT_EQ(run.place("教科書P65の問1 をしなさい。"), "38 595 7");  // clear of the status band
}

// ---- Textbook problem 1 ---------------------------------------------------------------------------

TEST(PointsOnLineAnswer, SubstitutionsAndPointsOnTheLine) {
    KestrelRun run(steps(9), &Kestrel::PointsOnLineAnswer);
    EXPECT_EQ(run.place("A"), "38 80 3");
    EXPECT_EQ(run.drawn("y=")[0].x, 76);
    EXPECT_EQ(run.drawn("y=")[0].y, 130);
    EXPECT_EQ(run.place("B"), "38 220 3");
    EXPECT_EQ(run.drawn("y=")[1].y, 270);
    EXPECT_EQ(run.drawn("-7 ")[0].colour, ink::emphasis);
    EXPECT_EQ(run.drawn("B(-5,-7)")[0].colour, ink::answer);
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(trace
                     .segments({.colour = ink::page,
                                .from = At(0, 0),
                                .to = At(1900, 1500),
                                .kind = 2,
                                .fill = ink::page,
                                .width = 3})
                     .empty());
    // The line passes both dots.
    EXPECT_FALSE(trace.dots(Disc{.at = At(1104, 220), .r = 8, .colour = ink::answer, .width = 3}).empty());
    EXPECT_FALSE(trace.dots(Disc{.at = At(934, 560), .r = 8, .colour = ink::answer, .width = 3}).empty());
    auto onLine = [&](float x, float y) {
        return !trace.dots({.r = 1, .colour = ink::emphasis, .near = Near{x, y, 0.1f, 0.3f}}).empty();
    };
    EXPECT_TRUE(onLine(1104, 220));
    EXPECT_TRUE(onLine(934, 560));
}

// ---- y=2x moved -------------------------------------------------------------------------------------

// The bars of the trace (boxes in colour 5 on fill 5, pen 5), each with the
// number of keys pressed before it.
std::vector<std::pair<Segment, int>> barsWithKeys(const KestrelRun& run) {
    std::vector<std::pair<Segment, int>> out;
    for (const auto& r : run.records().records()) {
        const Segment& s = r.segment;
        if (r.kind == TraceRecord::Kind::segment && s.colour == ink::answer && s.kind == 2 &&
            s.fill == ink::answer && s.width == 5)
            out.push_back({s, r.keys});
    }
    return out;
}

// A bar standing at x from top to bottom.
bool isBar(const Segment& s, float x, float top, float bottom) {
    return s.x1 == x && s.y1 == top && s.x2 == x && s.y2 == bottom;
}

TEST(TranslationTopic, TableThenOnePairAKeyThenAnEmptyWait) {
    KestrelRun run(steps(12), &Kestrel::TranslationTopic);
    const auto trace = run.records();
    // Row 3 (2x+3) is row 2 (2x) plus 3, cell by cell.
    for (int x = -4; x <= 3; ++x) {
        const float left = 148 + 60 * (x + 4);
        EXPECT_FALSE(trace
                         .segments({.colour = ink::emphasis,
                                    .from = At(left, 140),
                                    .to = At(left + 60, 190),
                                    .kind = 2,
                                    .fill = ink::accent,
                                    .width = 5})
                         .empty())
            << x;
    }
    EXPECT_EQ(run.place("2x+3"), "38 190 0");
    EXPECT_EQ(run.place("-5"), "148 190 0");
    EXPECT_EQ(run.place("(1)"), "38 260 3");
    EXPECT_EQ(run.place("xのどの値でも、2x+3の値が3大きい"), "152 310 5");
    EXPECT_EQ(run.place("(2)"), "38 380 3");

    const auto bars = barsWithKeys(run);
    ASSERT_EQ(bars.size(), 8u);
    for (int i = 1; i <= 8; ++i) {
        const int x = i - 5;
        const int px = 1049 + 35 * x;
        EXPECT_TRUE(isBar(bars[i - 1].first, px, 375 - 70 * x, 270 - 70 * x)) << x;
        EXPECT_EQ(bars[i - 1].second, i + 1) << x;
        for (const float y : {375 - 70 * x, 270 - 70 * x}) {
            EXPECT_FALSE(trace.dots(Disc{.at = At(px, y), .r = 6, .colour = ink::answer, .width = 5}).empty())
                << x << ' ' << y;
        }
    }
    // The conclusion after the second key past the last pair.
    KestrelRun nine(steps(10), &Kestrel::TranslationTopic);
    EXPECT_EQ(nine.count("y=2x+3のグラフはy=2xのグラフを"), 0);
    EXPECT_EQ(run.place("y=2x+3のグラフはy=2xのグラフを"), "152 430 3");
    EXPECT_EQ(run.place("上に３だけ移動させたもの"), "152 480 5");
    EXPECT_EQ(run.place("教科書P66の問2 をしなさい。"), "38 595 7");  // clear of the status band
    // The pairs stand where the plane puts them: its axes cross at (1049, 375)
    // and a step is 35, so x = -4 lies at 909 and y=2x+3 at x = 3 at 60.
    EXPECT_FALSE(
        trace.segments({.colour = ink::text, .from = At(1049, 60), .to = At(1049, 655), .width = 4}).empty());
    EXPECT_FALSE(
        trace.segments({.colour = ink::text, .from = At(874, 375), .to = At(1224, 375), .width = 4}).empty());
    EXPECT_EQ(bars[0].first.x1, 1049 - 35 * 4);
    EXPECT_EQ(bars[7].first.y2, 375 - 35 * (2 * 3 + 3));
}

TEST(TranslationDownAnswer, PlaneOnTheFirstKeyAllPairsOnTheSecond) {
    KestrelRun one(steps(1), &Kestrel::TranslationDownAnswer);
    EXPECT_TRUE(barsWithKeys(one).empty());
    KestrelRun run(steps(3), &Kestrel::TranslationDownAnswer);
    EXPECT_EQ(run.place("(1)"), "38 80 3");
    EXPECT_EQ(run.place("-11"), "148 270 0");
    EXPECT_FALSE(run.records()
                     .segments({.colour = ink::emphasis,
                                .from = At(778, 270),
                                .to = At(868, 320),
                                .kind = 2,
                                .fill = ink::paleCyan,
                                .width = 5})
                     .empty());
    const auto bars = barsWithKeys(run);
    ASSERT_EQ(bars.size(), 7u);
    for (int x = -2; x <= 4; ++x) {
        EXPECT_TRUE(isBar(bars[x + 2].first, 1062 + 30 * x, 330 - 60 * x, 420 - 60 * x)) << x;
        EXPECT_EQ(bars[x + 2].second, 2) << x;
    }
    EXPECT_EQ(run.place("(2)"), "38 340 3");
    EXPECT_EQ(run.place("y=2x-3のグラフはy=2xのグラフを"), "152 390 3");
    EXPECT_EQ(run.place("下に3だけ移動させたもの"), "152 440 5");
}

// ---- y=ax+b as y=ax moved, and the intercept --------------------------------------------------------

TEST(MovedProportionTopic, TwoPlanesWithArrowsToB) {
    KestrelRun run("", &Kestrel::MovedProportionTopic);
    EXPECT_TRUE(run.ended());
    const auto lines = run.lines();
    const Trace trace(lines);
    EXPECT_FALSE(
        trace.segments({.colour = ink::onBox, .from = At(38, 16), .to = At(608, 291), .kind = 1, .width = 10})
            .empty());
    EXPECT_EQ(run.place("させた"), "76 230 0");
    EXPECT_EQ(run.drawn("直線")[0].y, 230);
    // The axes of the two planes, pen 4.
    const Near axes[][2] = {{At(212, 320), At(212, 620)},
                            {At(152, 560), At(272, 560)},
                            {At(478, 320), At(478, 620)},
                            {At(418, 440), At(538, 440)}};
    for (const auto& a : axes) {
        EXPECT_FALSE(
            trace.segments(Stroke{.from = a[0], .to = a[1], .colour = ink::text, .width = 4}).empty())
            << a[0].x << ' ' << a[0].y << ' ' << a[1].x << ' ' << a[1].y;
    }
    // Up from the origin to (0,3) on the left, down to (0,-3) on the right,
    // each with its head at (0,b).
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(212, 560), .to = At(212, 470), .colour = ink::answer, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(220, 486), .to = At(212, 470), .colour = ink::answer, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(478, 440), .to = At(478, 530), .colour = ink::answer, .width = 4})
            .empty());
    EXPECT_FALSE(
        trace.segments(Stroke{.from = At(470, 514), .to = At(478, 530), .colour = ink::answer, .width = 4})
            .empty());
    const auto b = run.drawn("b");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].x, 232);
    EXPECT_EQ(b[0].y, 470);
    EXPECT_EQ(b[1].x, 498);
    EXPECT_EQ(b[1].y, 470);
    EXPECT_EQ(b[1].colour, ink::answer);
    // The graph labels where the lines end, moved by their shifts; those
    // that would cross a y axis stand wholly beside it instead: y=ax+b left
    // of the left plane's axis, y=ax left and y=ax+b right of the right one's.
    EXPECT_FALSE(
        trace.glyphs({.text = "y", .colour = ink::emphasis, .near = Near{39, 380, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "y", .colour = ink::heading, .near = Near{218, 570, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "y", .colour = ink::emphasis, .near = Near{485, 540, 1.5f, 1.5f}}).empty());
    EXPECT_FALSE(
        trace.glyphs({.text = "y", .colour = ink::heading, .near = Near{355, 350, 1.5f, 1.5f}}).empty());
}

TEST(InterceptTopic, BoxesPlaneThenParallelLineThenAssignment) {
    KestrelRun entry("", &Kestrel::InterceptTopic);
    const auto first = entry.lines();
    EXPECT_FALSE(
        Trace(first)
            .segments({.colour = ink::onBox, .from = At(38, 16), .to = At(760, 191), .kind = 1, .width = 10})
            .empty());
    EXPECT_FALSE(
        Trace(first)
            .segments(
                {.colour = ink::emphasis, .from = At(38, 210), .to = At(646, 435), .kind = 1, .width = 10})
            .empty());
    EXPECT_FALSE(
        Trace(first).dots(Disc{.at = At(986, 310), .r = 8, .colour = ink::answer, .width = 5}).empty());
    EXPECT_EQ(entry.place("<切片>"), "76 220 5");
    EXPECT_EQ(entry.place("②y軸と交わる点(0,b)のy座標"), "76 370 0");
    EXPECT_EQ(entry.place("(0,b)"), "851 285 5");
    EXPECT_FALSE(entry.records()
                     .glyphs({.text = "y", .colour = ink::emphasis, .near = Near{1005, 80, 1.5f, 1.5f}})
                     .empty());
    EXPECT_EQ(entry.count("平行"), 0);

    KestrelRun run(steps(2), &Kestrel::InterceptTopic);
    EXPECT_EQ(run.place("y=ax+b　のグラフは、y=ax のグラフに"), "38 450 0");
    EXPECT_EQ(run.place("平行"), "38 500 5");
    EXPECT_FALSE(run.records()
                     .glyphs({.text = "y", .colour = ink::text, .near = Near{1032, 260, 1.5f, 1.5f}})
                     .empty());
    EXPECT_EQ(run.place("教科書P66の問3 をしなさい。"), "114 570 0");
}

TEST(InterceptAnswer, AnswersOneAKey) {
    KestrelRun one(steps(1), &Kestrel::InterceptAnswer);
    EXPECT_EQ(one.count("(0,4)"), 1);
    EXPECT_EQ(one.count("(2) 切片 "), 1);
    EXPECT_EQ(one.count("4"), 0);
    KestrelRun run(steps(2), &Kestrel::InterceptAnswer);
    EXPECT_EQ(run.place("(1) y軸と交わる点の座標 "), "570 80 0");
    EXPECT_EQ(run.drawn("(0,4)")[0].y, 80);
    EXPECT_EQ(run.place("(2) 切片 "), "570 130 0");
    EXPECT_EQ(run.drawn("4")[0].colour, ink::answer);
    EXPECT_FALSE(
        run.records().dots(Disc{.at = At(234, 380), .r = 8, .colour = ink::answer, .width = 5}).empty());
    EXPECT_FALSE(run.records()
                     .glyphs({.text = "y", .colour = ink::emphasis, .near = Near{293, 250, 1.5f, 1.5f}})
                     .empty());
}

// ---- Every text -----------------------------------------------------------------------------------

// Every topic stepped to its end through the sub-menu, then the exit: the
// run ends by its own exit and every screen text has whole mark-up.
TEST(KestrelChapter4, EveryTopicToTheExitWithWholeMarkup) {
    const std::string keys = typed("4") + typed("1") + "a 1 Enter a 1 Enter " + typed("2") + k42 + " " +
                             typed("3") + k9 + " " + typed("4") + k12 + " " + typed("5") + k3 + " " +
                             typed("6") + typed("7") + k2 + " " + typed("8") + k2 + " " + typed("9") +
                             typed("9");
    KestrelRun run(keys);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(run.status, 0);
    for (const char* mark : kTopicMarks) EXPECT_EQ(run.count(mark), 1) << mark;
    for (const auto& r : run.texts) EXPECT_EQ(MarkupFault(r.text), "") << r.text;
}

}  // namespace
}  // namespace lesson::testing
