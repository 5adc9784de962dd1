// SPDX-License-Identifier: GPL-3.0-or-later
// What showing the picture in a window costs, against the memory floor: the
// whole frame (after a resize, an expose or a new screen) of a topic's screen,
// of a dense screenful of maths text and of noise, the filter's worst case;
// one blink of the entry cursor, which shows only the pixels it changed; the
// time to read once every canvas byte a whole frame filters; and a new screen,
// drawn and shown whole. At the view's size, full HD and 4K, each at the
// canvas scale its window uses.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "headless_fixture.h"
#include "programs/programs.h"
#include "runtime/canvas.h"
#include "runtime/view_scaler.h"
#include "screenful.h"

namespace {

struct Window {
    rt::Canvas& canvas;
    rt::ViewScaler scaler;
    std::vector<std::uint32_t> surface;
    Window(rt::Canvas& c, int w, int h) : canvas(c), surface(static_cast<std::size_t>(w) * h) {
        scaler.resize(w, h, canvas.scale());
    }
    void show(const rt::PixelRect& r) {
        if (r.empty()) return;
        auto* dst = surface.data() + static_cast<std::size_t>(r.y0) * scaler.windowWidth() + r.x0;
        scaler.render(canvas.pixels(), canvas.stride(), r, dst, scaler.windowWidth() * 4);
    }
};

int width(const benchmark::State& s) { return static_cast<int>(s.range(0)); }
int height(const benchmark::State& s) { return static_cast<int>(s.range(1)); }

// A lesson's screen at a window's canvas scale: a screenful of maths text.
struct LessonScreen {
    rt::HeadlessRuntime runtime;
    lesson::testing::ScriptEngine engine;
    explicit LessonScreen(int scale)
        : runtime(rt::HeadlessRuntime::Options{{}, "00:00:00", "", scale}),
          engine(runtime, [](lesson::testing::ScriptEngine&) {}) {
        engine.Run();
        draw();
    }
    explicit LessonScreen(const benchmark::State& state)
        : LessonScreen(rt::ViewScaler::scaleFor(width(state), height(state))) {}
    rt::Canvas& canvas() { return runtime.canvas(); }
    void draw() {
        canvas().clear();
        lesson::testing::DrawScreenfulOfMathsText(engine);
        canvas().takeDamage();
    }
};

// A topic's last screen as the pupil sees it: Tern's worked example of points
// on a line, with its plane, its graph and twelve lines of working.
struct TopicScreen {
    rt::HeadlessRuntime runtime;
    explicit TopicScreen(const benchmark::State& state)
        : runtime(rt::HeadlessRuntime::Options{
              rt::HeadlessRuntime::splitKeys("1 Enter 2 Enter a a a a a a a a a a a a a"), "00:00:00", "",
              rt::ViewScaler::scaleFor(width(state), height(state))}) {
        lesson::FindProgram("tern")->make(runtime)->Run();
        runtime.canvas().takeDamage();
    }
};

// The canvas bytes a whole-frame present reads: the view's rows, at the scale.
std::int64_t viewBytes(const rt::Canvas& c) {
    return std::int64_t(rt::Canvas::kViewWidth) * c.scale() * rt::Canvas::kViewHeight * c.scale() * 4;
}

void BM_ReadCanvas(benchmark::State& state) {
    LessonScreen d(state);
    const std::uint8_t* px = d.canvas().pixels();
    const int stride = d.canvas().stride();
    const std::size_t rowBytes = std::size_t(rt::Canvas::kViewWidth) * d.canvas().scale() * 4;
    const int rows = rt::Canvas::kViewHeight * d.canvas().scale();
    for (auto _ : state) {
        // Every byte once, 64 bits at a time, in as many independent lanes as
        // the compiler's vectors take.
        std::uint64_t acc[8] = {};
        for (int y = 0; y < rows; ++y) {
            const std::uint8_t* row = px + static_cast<std::ptrdiff_t>(y) * stride;
            for (std::size_t i = 0; i + 64 <= rowBytes; i += 64)
                for (int k = 0; k < 8; ++k) {
                    std::uint64_t v;
                    std::memcpy(&v, row + i + 8 * k, 8);
                    acc[k] |= v;
                }
        }
        benchmark::DoNotOptimize(acc);
    }
    state.SetBytesProcessed(state.iterations() * viewBytes(d.canvas()));
}

void BM_PresentWholeFrame(benchmark::State& state) {
    LessonScreen d(state);
    Window w(d.canvas(), width(state), height(state));
    for (auto _ : state) {
        w.show(w.scaler.picture());
        benchmark::DoNotOptimize(w.surface.data());
    }
    state.SetBytesProcessed(state.iterations() * viewBytes(d.canvas()));
}

// A topic's screen, on one core.
void BM_PresentWholeFrameTopic(benchmark::State& state) {
    TopicScreen d(state);
    Window w(d.runtime.canvas(), width(state), height(state));
    w.scaler.setThreads(1);
    for (auto _ : state) {
        w.show(w.scaler.picture());
        benchmark::DoNotOptimize(w.surface.data());
    }
    state.SetBytesProcessed(state.iterations() * viewBytes(d.runtime.canvas()));
}

// The screenful of text on one core.
void BM_PresentWholeFrameOneCore(benchmark::State& state) {
    LessonScreen d(state);
    Window w(d.canvas(), width(state), height(state));
    w.scaler.setThreads(1);
    for (auto _ : state) {
        w.show(w.scaler.picture());
        benchmark::DoNotOptimize(w.surface.data());
    }
    state.SetBytesProcessed(state.iterations() * viewBytes(d.canvas()));
}

// The worst case for the filter, on one core: no two neighbouring pixels
// alike, so nothing is one colour.
void BM_PresentWholeFrameNoise(benchmark::State& state) {
    const int scale = rt::ViewScaler::scaleFor(width(state), height(state));
    const int w = rt::Canvas::kViewWidth * scale, h = rt::Canvas::kViewHeight * scale;
    std::vector<std::uint32_t> canvas(static_cast<std::size_t>(w) * h);
    std::uint32_t x = 12345;
    for (std::uint32_t& p : canvas) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        p = x;
    }
    rt::ViewScaler scaler;
    scaler.resize(width(state), height(state), scale);
    scaler.setThreads(1);
    std::vector<std::uint32_t> surface(static_cast<std::size_t>(width(state)) * height(state));
    const rt::PixelRect r = scaler.picture();
    for (auto _ : state) {
        scaler.render(reinterpret_cast<const std::uint8_t*>(canvas.data()), w * 4, r,
                      surface.data() + static_cast<std::size_t>(r.y0) * width(state) + r.x0,
                      width(state) * 4);
        benchmark::DoNotOptimize(surface.data());
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(w) * h * 4);
}

void BM_PresentCursorBlink(benchmark::State& state) {
    LessonScreen d(state);
    Window w(d.canvas(), width(state), height(state));
    bool on = false;
    for (auto _ : state) {
        on = !on;
        // The entry cursor's dot, as number entry draws it.
        w.canvas.circle(1064, 656, 4, on ? 5 : 15, 0, 0, true, -1, 3);
        w.show(w.scaler.affected(w.canvas.takeDamage()));
        benchmark::DoNotOptimize(w.surface.data());
    }
}

// A key that brings a new screen: the canvas cleared, a screenful of maths
// text drawn at the window's scale, and the whole frame shown.
void BM_NewScreen(benchmark::State& state) {
    LessonScreen d(state);
    Window w(d.canvas(), width(state), height(state));
    for (auto _ : state) {
        d.draw();
        w.show(w.scaler.picture());
        benchmark::DoNotOptimize(w.surface.data());
    }
}

// Side by side at each size: the floor, the whole frame, the blink, a new
// screen; in wall-clock time, as a whole frame may share two cores.
void sizes(benchmark::internal::Benchmark* b) {
    b->Args({1366, 768})
        ->Args({1920, 1080})
        ->Args({3840, 2160})
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}
BENCHMARK(BM_ReadCanvas)->Apply(sizes);
BENCHMARK(BM_PresentWholeFrame)->Apply(sizes);
BENCHMARK(BM_PresentWholeFrameOneCore)->Apply(sizes);
BENCHMARK(BM_PresentWholeFrameTopic)->Apply(sizes);
BENCHMARK(BM_PresentWholeFrameNoise)->Apply(sizes);
BENCHMARK(BM_PresentCursorBlink)->Apply(sizes);
BENCHMARK(BM_NewScreen)->Apply(sizes);

}  // namespace
