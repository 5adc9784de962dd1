// SPDX-License-Identifier: GPL-3.0-or-later
// How long a screenful of maths text takes to draw headless.
#include <benchmark/benchmark.h>

#include "headless_fixture.h"
#include "screenful.h"

namespace {

using lesson::testing::Headless;

void BM_ScreenfulOfMathsText(benchmark::State& state) {
    Headless h;
    // Drawn at the window's smallest scale, not the tests' quick one.
    h.runtime = std::make_unique<rt::HeadlessRuntime>(rt::HeadlessRuntime::Options{{}, "00:00:00", "", 2});
    h.engine =
        std::make_unique<lesson::testing::ScriptEngine>(*h.runtime, [](lesson::testing::ScriptEngine&) {});
    h.engine->Run();
    lesson::Engine& e = h.e();
    for (auto _ : state) lesson::testing::DrawScreenfulOfMathsText(e);
}
BENCHMARK(BM_ScreenfulOfMathsText)->Unit(benchmark::kMicrosecond);

}  // namespace
