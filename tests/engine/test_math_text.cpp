// The maths-text renderer, checked through the operations it hands the runtime.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

using lesson::testing::Headless;

struct Drawn {
    Headless h;
    explicit Drawn(const std::string& text, float x = 100, float y = 100, float small = 0) {
        h.start();
        auto& e = h.e();
        e.KKAI_s = text;
        e.DSM1 = x;
        e.DSM2 = y;
        e.YMOTO = 0;
        e.RTASKAI1 = small;
        if (small == 1) {
            e.A_s = text;
            e.DrawGlyphRun();
        } else {
            e.DrawMathText();
        }
    }
    std::vector<std::string> lines() const { return h.lines(); }
};

TEST(MathText, LinearEquationAdvancesByItsGlyphs) {
    Drawn d("y=2x+3");
    EXPECT_EQ(d.h.e().DSM1, 100 + 167);
    EXPECT_EQ(d.h.e().DSM2, 100);
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
    EXPECT_EQ(d.h.e().DSM1, 100 + 59 + 32);
    EXPECT_EQ(d.lines(), (std::vector<std::string>{
                             "text 100 100 3 3 0 ゴシック 16 1 0 y",
                             "text 131 100 3 3 0 ゴシック 14 1 0 =",
                             "line 159 125 191 125 0 0 -1 4",
                             "text 163 112 12 5 0 Times New Roman 8 1 1 x",
                             "text 159 90 4 2 0 ゴシック 16 1 0 6",
                         }));
    EXPECT_EQ(d.h.e().RTASKAI1, 0);

    Drawn wide("ﾀ12/3ﾀ");
    auto l = wide.lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "line 100 125 164 125 0 0 -1 4");
    EXPECT_EQ(l[1], "text 116 128 4 2 0 ゴシック 16 1 0 3");  // denominator moved right by half of 32
    EXPECT_EQ(l[2], "text 100 90 4 2 0 ゴシック 16 1 0 1");
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
    EXPECT_EQ(l[0], "text 104 78 10 7 0 Times New Roman 8 1 1 c");
    EXPECT_EQ(l[1], "text 127 100 3 3 0 ゴシック 16 1 0 m");
    EXPECT_EQ(l[2], "text 154 100 3 2 0 ゴシック 16 1 0 2");
    EXPECT_EQ(d.h.e().DSM1, 100 + 27 + 27 + 24);
    EXPECT_EQ(d.h.e().X1, 0);

    Drawn small("^2", 100, 100, 1);
    EXPECT_EQ(small.lines().at(0), "text 100 96 6 3 0 ゴシック 8 1 0 2");

    // "=" after "^" is drawn as usual and the flag waits for the next glyph.
    Drawn eq("^=2");
    EXPECT_EQ(eq.lines().at(1), "text 132 100 3 2 0 ゴシック 16 1 0 2");

    // A pending "\" goes before a pending "^".
    Drawn both("\\^23");
    EXPECT_EQ(both.lines().at(0), "text 100 90 6 3 0 ゴシック 8 1 0 2");
    EXPECT_EQ(both.lines().at(1), "text 124 100 3 2 0 ゴシック 16 1 0 3");

    Drawn trailing("x^");
    EXPECT_EQ(trailing.h.e().X1, 1);
}

TEST(MathText, SmallModeAdvances) {
    Drawn d("2*3", 100, 100, 1);
    EXPECT_EQ(d.h.e().DSM1, 100 + 102);
    auto l = d.lines();
    EXPECT_EQ(l.at(1), "text 132 100 3 3 0 ゴシック 11 1 0 ×");
    Drawn n("2*3");
    EXPECT_EQ(n.h.e().DSM1, 100 + 81);
    EXPECT_EQ(n.lines().at(1), "text 123 100 2 3 0 ゴシック 16 1 0 ×");
}

TEST(MathText, RootBarGrowsUntilClosed) {
    Drawn d("!2ﾝ3");
    auto l = d.lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "poly 0 3 5 104 136 108 124 116 140 124 96 132 96");
    EXPECT_EQ(l[1], "text 128 100 3 3 0 ゴシック 16 1 0 2");
    EXPECT_EQ(l[2], "line 128 96 155 96 0 0 -1 3");
    EXPECT_EQ(l[3], "text 155 100 3 3 0 ゴシック 16 1 0 3");
    EXPECT_EQ(d.h.e().DSM1, 182);
    EXPECT_EQ(d.h.e().SIZE1, 0);
    EXPECT_EQ(d.h.e().AY, 182);

    Drawn open("!23");
    EXPECT_EQ(open.h.e().SIZE1, 1);
    EXPECT_EQ(open.h.e().AY, 128);
    EXPECT_EQ(open.lines().back(), "line 128 96 182 96 0 0 -1 3");
}

TEST(MathText, TallRootCoversAFraction) {
    Drawn d("#ﾀ1/2ﾀﾝ");
    auto l = d.lines();
    EXPECT_EQ(l.at(0), "poly 0 3 5 104 136 108 124 116 160 130 86 138 86");
    EXPECT_EQ(l.at(1), "line 132 125 164 125 0 0 -1 4");
    EXPECT_EQ(l.at(2), "line 132 86 164 86 0 0 -1 3");
    EXPECT_EQ(d.h.e().SIZE1, 0);
}

TEST(MathText, UnclosedFractionMarkIsDropped) {
    Drawn d("ﾀ1/2");
    auto l = d.lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1], "text 123 100 2 3 0 ゴシック 16 1 0 ÷");
}

TEST(MathText, EmptyTextDrawsNothing) {
    Drawn d("");
    EXPECT_TRUE(d.lines().empty());
    EXPECT_EQ(d.h.e().DSM1, 100);
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

TEST(MathText, MeasuringHandsBackPenAndTextAndDrawsNothing) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DSM1 = 40;
    e.DSM2 = 50;
    e.A_s = "y=ﾀ6/xﾀ+ﾀ12/3ﾀ";
    e.MeasureMathText();
    EXPECT_EQ(e.BAI, 59 + 32 + 27 + 64);
    EXPECT_EQ(e.DSM1, 40);
    EXPECT_EQ(e.DSM2, 50);
    EXPECT_EQ(e.A_s, "y=ﾀ6/xﾀ+ﾀ12/3ﾀ");
    EXPECT_TRUE(e.KKAI_s.empty());
    EXPECT_TRUE(h.lines().empty());

    e.A_s = "";
    e.MeasureMathText();
    EXPECT_EQ(e.BAI, 0);
}

}  // namespace
