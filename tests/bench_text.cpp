// How long a screenful of maths text takes to draw headless.
#include <benchmark/benchmark.h>

#include "headless_fixture.h"

namespace {

using lesson::testing::Headless;

const char* kLines[] = {
    "y=2x+3のグラフは、y=2xのグラフをy軸の正の方向に3だけ平行移動したものです。",
    "y=ﾀ6/xﾀのとき、xの値が2倍、3倍…になると、yの値はﾀ1/2ﾀ倍、ﾀ1/3ﾀ倍…となる",
    "変化の割合=ﾀyの増加量/xの増加量ﾀ=ﾀ-6/3ﾀ=-2",
    "面積が24cm^2の長方形の縦の長さをxcm、横の長さをycmとする",
    "#ﾀ2/3ﾀﾝ+!12ﾝ=2!3ﾝ+ﾀ!6ﾝ/3ﾀ",
    "1次関数y=ax+bでは、変化の割合は一定で、aに等しい。",
};

void BM_ScreenfulOfMathsText(benchmark::State& state) {
    Headless h;
    // Drawn at the window's smallest scale, not the tests' quick one.
    h.runtime = std::make_unique<rt::HeadlessRuntime>(rt::HeadlessRuntime::Options{{}, "00:00:00", "", 2});
    h.engine =
        std::make_unique<lesson::testing::ScriptEngine>(*h.runtime, [](lesson::testing::ScriptEngine&) {});
    h.engine->Run();
    lesson::Engine& e = h.e();
    for (auto _ : state) {
        // Fourteen lines, as many as a topic screen holds.
        for (int row = 0; row < 14; ++row) {
            e.KKAI_s = kLines[row % 6];
            e.DSM1 = 16;
            e.DSM2 = 60 + row * 44;
            e.YMOTO = 0;
            e.DrawMathText();
        }
    }
}
BENCHMARK(BM_ScreenfulOfMathsText)->Unit(benchmark::kMicrosecond);

}  // namespace
