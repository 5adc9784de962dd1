// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/canvas_runtime.h"

#include <charconv>
#include <cmath>

namespace rt {

std::string traceNumber(float v) {
    if (v == 0) return "0";
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

void CanvasRuntime::line(float x1, float y1, float x2, float y2, int colour, int kind, int fill) {
    if (hidden()) return;
    canvas_.line(x1, y1, x2, y2, colour, kind, fill, width_);
    if (auto* trace = traceOp())
        *trace << "line " << traceNumber(x1) << ' ' << traceNumber(y1) << ' ' << traceNumber(x2) << ' '
               << traceNumber(y2) << ' ' << colour << ' ' << kind << ' ' << fill << ' ' << width_ << '\n';
    drew();
}

void CanvasRuntime::circle(float x, float y, float r, int colour, float start, float end, bool filled,
                           int fillColour) {
    if (hidden()) return;
    canvas_.circle(x, y, r, colour, start, end, filled, fillColour, width_);
    if (auto* trace = traceOp())
        *trace << "circle " << traceNumber(x) << ' ' << traceNumber(y) << ' ' << traceNumber(r) << ' '
               << colour << ' ' << traceNumber(start) << ' ' << traceNumber(end) << ' ' << (filled ? 1 : 0)
               << ' ' << fillColour << ' ' << width_ << '\n';
    drew();
}

void CanvasRuntime::symbol(std::string_view text, float x, float y, int h, int v, int colour) {
    if (hidden()) return;
    canvas_.symbol(text, x, y, h, v, colour, font_);
    if (auto* trace = traceOp())
        *trace << "text " << traceNumber(x) << ' ' << traceNumber(y) << ' ' << h << ' ' << v << ' ' << colour
               << ' ' << font_.face << ' ' << font_.size << ' ' << (font_.bold ? 1 : 0) << ' '
               << (font_.italic ? 1 : 0) << ' ' << text << '\n';
    drew();
}

void CanvasRuntime::connect(int colour, std::span<const Point> points) {
    if (hidden()) return;
    canvas_.connect(colour, points, width_);
    if (auto* trace = traceOp()) {
        *trace << "poly " << colour << ' ' << width_ << ' ' << points.size();
        for (const Point& p : points) *trace << ' ' << traceNumber(p.x) << ' ' << traceNumber(p.y);
        *trace << '\n';
    }
    drew();
}

void CanvasRuntime::connectFilled(int outline, int fill, std::span<const Point> points) {
    if (hidden()) return;
    canvas_.connectFilled(outline, fill, points, width_);
    if (auto* trace = traceOp()) {
        *trace << "fpoly " << outline << ' ' << fill << ' ' << width_ << ' ' << points.size();
        for (const Point& p : points) *trace << ' ' << traceNumber(p.x) << ' ' << traceNumber(p.y);
        *trace << '\n';
    }
    drew();
}

void CanvasRuntime::cls() {
    canvas_.clear();
    if (trace_) *trace_ << "cls\n";
    drew();
}

std::ostream* CanvasRuntime::traceOp() {
    if (!trace_) return nullptr;
    if (haloDepth_ > 0 && !haloTraced_) {
        *trace_ << "halo on\n";
        haloTraced_ = true;
    }
    return trace_;
}

// A halo shows in the trace only around the operations it holds: "halo on"
// before the first, "halo off" after the last.
void CanvasRuntime::beginHalo() {
    ++haloDepth_;
    canvas_.beginHalo();
}

void CanvasRuntime::endHalo() {
    if (haloDepth_ == 0) return;
    canvas_.endHalo();
    if (--haloDepth_ > 0) return;
    if (haloTraced_ && trace_) *trace_ << "halo off\n";
    haloTraced_ = false;
}

float CanvasRuntime::rnd() {
    // 24 random bits: exactly representable, never 1.
    return static_cast<float>(rng_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace rt
