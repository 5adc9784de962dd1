// SPDX-License-Identifier: GPL-3.0-or-later
// How long a coordinate plane with two traced graphs takes to draw headless.
#include <benchmark/benchmark.h>

#include "headless_fixture.h"

namespace {

using lesson::testing::Headless;

void BM_PlaneWithTwoGraphs(benchmark::State& state) {
    Headless h;
    h.start();
    h.runtime->setTrace(nullptr);
    lesson::Engine& e = h.e();
    for (auto _ : state) {
        e.A41 = 380;
        e.I_top = 100;
        e.XJ1 = -6;
        e.YJ1 = 6;
        e.B4 = -6;
        e.X_yTop = 6;
        e.NAKA = 40;
        e.NO = 14;
        e.N = 0;
        e.DrawAxes();
        // Two lines of 5001 dots each, wholly inside the plane.
        for (float a : {0.5f, -0.75f}) {
            e.Y_kind = 3;
            e.AA_coef = a;
            e.AAA = 1;
            e.TKAI2 = 5;
            e.IB8_s = "y=ax+b";
            e.DrawGraph();
        }
    }
}
BENCHMARK(BM_PlaneWithTwoGraphs)->Unit(benchmark::kMillisecond);

}  // namespace
