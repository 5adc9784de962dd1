// SPDX-License-Identifier: GPL-3.0-or-later
// How long a coordinate plane with two traced graphs takes to draw headless,
// on a cleared canvas.
#include <benchmark/benchmark.h>

#include "headless_fixture.h"

namespace {

namespace ink = lesson::ink;
using lesson::testing::Headless;

void BM_PlaneWithTwoGraphs(benchmark::State& state) {
    Headless h;
    h.start();
    h.runtime->setTrace(nullptr);
    lesson::Engine& e = h.e();
    for (auto _ : state) {
        // A new screen each time, as a lesson draws it: the labels' grounds
        // and marks of the last would otherwise pile up without end.
        h.runtime->canvas().clear();
        const lesson::PlaneFrame plane =
            e.DrawAxes({.left = 380, .top = 100, .xFrom = -6, .xTo = 6, .yFrom = -6, .yTo = 6, .grid = true});
        // Two lines of 5001 dots each, wholly inside the plane.
        for (float a : {0.5f, -0.75f})
            e.DrawGraph(plane, {.a = a, .b = 1, .colour = ink::answer, .label = "y=ax+b"},
                        {.xFrom = -6, .xTo = 6});
    }
}
BENCHMARK(BM_PlaneWithTwoGraphs)->Unit(benchmark::kMillisecond);

}  // namespace
