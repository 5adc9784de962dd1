// SPDX-License-Identifier: GPL-3.0-or-later
// Grebe's random examples 3-1, 3-2 and 3-3 over many seeds: every problem
// shown is checked against the slope and intercept worked out afresh from
// the two points it shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

std::string Text(Num v) { return std::to_string(static_cast<int>(v)); }
std::string Signed(Num v) { return (v > 0 ? "+" : "") + Text(v); }
std::string Coefficient(Num v) { return v == 1 ? "" : v == -1 ? "-" : Text(v); }

// A point "(x,y)" as shown.
bool ParsePoint(const std::string& s, Num& x, Num& y) {
    int a = 0, b = 0;
    if (std::sscanf(s.c_str(), "(%d,%d)", &a, &b) != 2) return false;
    x = static_cast<Num>(a);
    y = static_cast<Num>(b);
    return true;
}

struct Shown {
    Num x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<ScreenTextRecord> texts;  // the problem's texts, from its heading on
    bool has(const std::string& text, Colour colour) const {
        for (const auto& r : texts)
            if (r.text == text && r.colour == colour) return true;
        return false;
    }
};

// The problems of a run, split at each heading.
std::vector<Shown> Problems(const GrebeRun& run, const std::string& heading) {
    std::vector<Shown> out;
    for (std::size_t i = 0; i < run.texts.size(); ++i) {
        if (run.texts[i].text == heading) out.emplace_back();
        if (!out.empty()) out.back().texts.push_back(run.texts[i]);
    }
    for (auto& p : out) {
        EXPECT_TRUE(p.texts.size() > 4 && ParsePoint(p.texts[2].text, p.x1, p.y1) &&
                    ParsePoint(p.texts[4].text, p.x2, p.y2));
    }
    return out;
}

struct TopicCase {
    const char* name;
    GrebeUnderTest::Entry topic;
    const char* heading;
    int keys;
};

class GrebeRandomAnswers : public ::testing::TestWithParam<TopicCase> {};

TEST_P(GrebeRandomAnswers, EveryProblemIsRightForItsPoints) {
    const TopicCase& c = GetParam();
    constexpr int kSeeds = 12, kProblems = 15;
    std::string keys;
    for (int s = 0; s < kSeeds; ++s) {
        for (int k = 0; k < kProblems; ++k)
            keys += steps(c.keys) + (k + 1 < kProblems ? " 2 Enter" : " 1 Enter");
    }
    GrebeRun run(RunOptions{.keys = keys, .traced = false}, [&](Grebe& g) {
        for (int s = 0; s < kSeeds; ++s) {
            g.Rt().randomize(100 + s);
            (g.*c.topic)();
        }
    });
    ASSERT_EQ(run.status, 0);
    const auto problems = Problems(run, c.heading);
    ASSERT_EQ(problems.size(), static_cast<std::size_t>(kSeeds * kProblems));
    for (const Shown& p : problems) {
        const std::string where =
            "(" + Text(p.x1) + "," + Text(p.y1) + ") (" + Text(p.x2) + "," + Text(p.y2) + ")";
        ASSERT_NE(p.x1, p.x2) << where;
        const Num a = (p.y2 - p.y1) / (p.x2 - p.x1);
        const Num b = p.y1 - a * p.x1;
        EXPECT_EQ(a, std::floor(a)) << where;
        EXPECT_NE(a, 0) << where;
        if (c.keys == 11) {
            // By subtraction: point 1 minus point 2.
            EXPECT_TRUE(
                p.has("  a=ﾀ" + Text(p.y1 - p.y2) + "/" + Text(p.x1 - p.x2) + "ﾀ=" + Text(a), ink::emphasis))
                << where;
            EXPECT_TRUE(p.has("答 y=" + Text(a) + "x" + Signed(b), ink::answer)) << where;
            EXPECT_TRUE(p.has("=" + Text(b), ink::emphasis)) << where;
        } else {
            EXPECT_TRUE(p.has("=ﾀ" + Text(p.y2 - p.y1) + "/" + Text(p.x2 - p.x1) + "ﾀ", ink::text)) << where;
            EXPECT_TRUE(p.has("=" + Text(a), ink::answer)) << where;
        }
        if (c.keys == 8) {
            EXPECT_TRUE(p.has("b=" + Text(p.y2) + Signed(-a * p.x2) + "=" + Text(b), ink::text)) << where;
            EXPECT_TRUE(p.has("y=" + Coefficient(a) + "x" + Signed(b), ink::answer)) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GrebeRandomAnswers,
    ::testing::Values(TopicCase{"Slope", &Grebe::RandomTwoPointSlopeExample, "例3-1　", 4},
                      TopicCase{"Equation", &Grebe::RandomTwoPointEquationExample, "例3-2　", 8},
                      TopicCase{"System", &Grebe::RandomTwoPointsSystemExample, "例3-3　", 11}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lesson::testing
