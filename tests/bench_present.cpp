// What showing the picture in a window costs: the whole frame (after a resize
// or an expose) against one blink of the entry cursor, which shows only the
// pixels it changed. Both through the window's scaler, at the view's size and
// at a full-HD window.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "runtime/canvas.h"
#include "runtime/view_scaler.h"

namespace {

struct Window {
    rt::Canvas canvas;
    rt::ViewScaler scaler;
    std::vector<std::uint32_t> surface;
    Window(int w, int h) : canvas(rt::ViewScaler::scaleFor(w, h)), surface(static_cast<std::size_t>(w) * h) {
        scaler.resize(w, h, canvas.scale());
        canvas.line(22, 10, 1342, 610, 15, 2, 10, 2);
        canvas.takeDamage();
    }
    void show(const rt::PixelRect& r) {
        if (r.empty()) return;
        auto* dst = surface.data() + static_cast<std::size_t>(r.y0) * scaler.windowWidth() + r.x0;
        scaler.render(canvas.pixels(), canvas.stride(), r, dst, scaler.windowWidth() * 4);
    }
};

void BM_PresentWholeFrame(benchmark::State& state) {
    Window w(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        w.show(w.scaler.picture());
        benchmark::DoNotOptimize(w.surface.data());
    }
}
BENCHMARK(BM_PresentWholeFrame)->Args({1366, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void BM_PresentCursorBlink(benchmark::State& state) {
    Window w(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    bool on = false;
    for (auto _ : state) {
        on = !on;
        // The entry cursor's dot, as number entry draws it.
        w.canvas.circle(1064, 656, 4, on ? 5 : 15, 0, 0, true, -1, 3);
        w.show(w.scaler.affected(w.canvas.takeDamage()));
        benchmark::DoNotOptimize(w.surface.data());
    }
}
BENCHMARK(BM_PresentCursorBlink)->Args({1366, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace
