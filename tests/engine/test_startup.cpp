// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the error handler, and the replay tool's contract.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "headless_fixture.h"
#include "runtime/canvas_runtime.h"

namespace {

namespace ink = lesson::ink;
using lesson::testing::Glyph;
using lesson::testing::Headless;
using lesson::testing::TraceRecord;

TEST(StartUp, SeedsFromTheClockAndSetsTheScreenValues) {
    struct Case {
        const char* clock;
        float seed;
    } cases[] = {{"00:00:00", 0}, {"23:59:59", 141}, {"12:34:56", 102}};
    for (const Case& c : cases) {
        Headless h({}, c.clock);
        h.start();
        auto& e = h.e();
        EXPECT_EQ(e.Entry().x, 1056);
        EXPECT_EQ(e.Entry().y, 648);
        EXPECT_EQ(e.Title(), "Test");
        EXPECT_EQ(h.rt().font().face, "ゴシック");
        EXPECT_EQ(h.rt().font().size, 16);
        EXPECT_EQ(h.rt().drawWidth(), 3);
        // The clock still reads the same: reseeding gives the start-up seed.
        EXPECT_EQ(e.ReseedRandom(), c.seed) << c.clock;
    }
}

TEST(StartUp, SameSeedSameRandomNumbers) {
    auto draw = [](const char* clock) {
        Headless h({}, clock);
        h.start();
        return std::vector<float>{h.rt().rnd(), h.rt().rnd(), h.rt().rnd()};
    };
    EXPECT_EQ(draw("01:02:03"), draw("03:02:01"));
    EXPECT_NE(draw("01:02:03"), draw("01:02:04"));
    for (float v : draw("10:00:00")) {
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 1);
    }
}

TEST(ErrorHandler, ShowsPlaceCodeAndMessageThenIgnoresKeys) {
    Headless h({"1", "Enter", "x"});
    int status = h.run([](lesson::Engine& e) {
        e.Rt().setFontSize(8);
        lesson::Arr<lesson::Num, 80> numbers;
        numbers(81) = 1;  // past the end
    });
    EXPECT_EQ(status, 3);
    const auto texts = h.records().glyphs();
    ASSERT_EQ(texts.size(), 1u);
    const Glyph& g = texts[0];
    EXPECT_EQ(rt::traceNumber(g.x) + " " + rt::traceNumber(g.y), "288 432");
    EXPECT_TRUE(g.h == 1 && g.v == 1 && g.colour == ink::accent && g.face == "ゴシック" && g.size == 8 &&
                !g.bold && !g.italic)
        << g.text;
    // Place and code come from the number-to-text conversion: a leading blank each.
    EXPECT_TRUE(g.text.starts_with(" ")) << g.text;
    EXPECT_NE(g.text.find(", 9エラーが発生しました。マウスで×をクリックして下さい。"), std::string::npos)
        << g.text;
    EXPECT_EQ(h.records().count(TraceRecord::Kind::cls), 1);
    // The keys were taken and did nothing; the end came when they ran out.
    EXPECT_EQ(h.records().keys().size(), 3u);
    EXPECT_FALSE(h.rt().keysLeft());
}

TEST(ErrorHandler, ArrayIndexIsCheckedBothWays) {
    for (float index : {-1.0f, 41.0f, 1e9f}) {
        Headless h;
        EXPECT_EQ(h.run([index](lesson::Engine&) {
            lesson::Arr<lesson::Num, 40> numbers;
            numbers(index) = 0;
        }),
                  3)
            << index;
    }
    Headless ok;
    EXPECT_EQ(ok.run([](lesson::Engine&) {
        lesson::Arr<lesson::Num, 40> numbers;
        numbers(40) = 1, numbers(0.4f) = 2;
    }),
              0);
}

// The replay executable, as tools and reviewers use it.
struct Replay {
    int status = -1;
    std::string trace;
    std::filesystem::path dir;

    explicit Replay(const std::string& args) {
        dir = std::filesystem::temp_directory_path() /
              ("replay-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::string cmd = std::string(REPLAY_PATH) + " " + args + " --trace " + (dir / "trace.txt").string() +
                          " --png " + (dir / "png").string() + " >/dev/null 2>&1";
        int raw = std::system(cmd.c_str());
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream in(dir / "trace.txt");
        std::stringstream ss;
        ss << in.rdbuf();
        trace = ss.str();
    }
    ~Replay() { std::filesystem::remove_all(dir); }
    int pictures() const {
        int n = 0;
        if (std::filesystem::exists(dir / "png"))
            for ([[maybe_unused]] auto& f : std::filesystem::directory_iterator(dir / "png")) ++n;
        return n;
    }
};

TEST(ReplayTool, DrawsOneMathsText) {
    Replay r("--text 'y=2x+3' --at 10,20 --colour 3");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.trace,
              "cls\n"
              "text 10 20 3 3 3 ゴシック 16 1 0 y\n"
              "text 41 20 3 3 3 ゴシック 14 1 0 =\n"
              "text 69 20 3 3 3 ゴシック 16 1 0 2\n"
              "text 100 -2 10 7 3 Times New Roman 8 1 1 x\n"
              "line 127 42 146 42 3 0 -1 5\n"
              "line 136 30 136 54 3 0 -1 5\n"
              "text 150 20 3 3 3 ゴシック 16 1 0 3\n"
              "end\n");
    EXPECT_EQ(r.pictures(), 1);
}

TEST(ReplayTool, DrawsOnePrompt) {
    Replay r("--prompt '12'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.trace,
              "cls\n"
              "text 100 100 1 1 0 ゴシック 16 1 0 １\n"
              "text 116 100 1 1 0 ゴシック 16 1 0 ２\n"
              "end\n");
}

TEST(ReplayTool, RejectsBadArguments) {
    EXPECT_EQ(Replay("").status, 2);
    EXPECT_EQ(Replay("nosuchprogram").status, 2);
    EXPECT_EQ(Replay("kestrel --clock 99").status, 2);
}

}  // namespace
