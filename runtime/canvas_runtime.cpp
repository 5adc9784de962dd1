#include "runtime/canvas_runtime.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace rt {

std::string traceNumber(float v) {
    if (v == 0) return "0";
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

template <class Op>
void CanvasRuntime::perform(const UnitBox& box, Op op) {
    if (haloDepth_ > 0)
        held_.push_back({box, op});
    else
        op(0, 0);
}

namespace {

UnitBox around(float x0, float y0, float x1, float y1, float reach) {
    return {std::min(x0, x1) - reach, std::min(y0, y1) - reach, std::max(x0, x1) + reach,
            std::max(y0, y1) + reach};
}

}  // namespace

void CanvasRuntime::line(float x1, float y1, float x2, float y2, int colour, int kind, int fill) {
    if (hidden()) return;
    const int width = width_;
    perform(around(x1, y1, x2, y2, std::max(1, width) / 2.0f), [=, this](float dx, float dy) {
        canvas_.line(x1 + dx, y1 + dy, x2 + dx, y2 + dy, colour, kind, fill, width);
        if (auto* trace = traceOp())
            *trace << "line " << traceNumber(x1 + dx) << ' ' << traceNumber(y1 + dy) << ' '
                   << traceNumber(x2 + dx) << ' ' << traceNumber(y2 + dy) << ' ' << colour << ' ' << kind
                   << ' ' << fill << ' ' << width << '\n';
        drew();
    });
}

void CanvasRuntime::circle(float x, float y, float r, int colour, float start, float end, bool filled,
                           int fillColour) {
    if (hidden()) return;
    const int width = width_;
    const float reach = std::fabs(r) + std::max(1, width) / 2.0f;
    perform(around(x, y, x, y, reach), [=, this](float dx, float dy) {
        canvas_.circle(x + dx, y + dy, r, colour, start, end, filled, fillColour, width);
        if (auto* trace = traceOp())
            *trace << "circle " << traceNumber(x + dx) << ' ' << traceNumber(y + dy) << ' ' << traceNumber(r)
                   << ' ' << colour << ' ' << traceNumber(start) << ' ' << traceNumber(end) << ' '
                   << (filled ? 1 : 0) << ' ' << fillColour << ' ' << width << '\n';
        drew();
    });
}

void CanvasRuntime::symbol(std::string_view text, float x, float y, int h, int v, int colour) {
    if (hidden()) return;
    const FontState font = font_;
    const UnitBox box = haloDepth_ > 0 ? canvas_.textInk(text, x, y, h, v, font) : UnitBox{};
    perform(box, [=, this, text = std::string(text)](float dx, float dy) {
        canvas_.symbol(text, x + dx, y + dy, h, v, colour, font);
        if (auto* trace = traceOp())
            *trace << "text " << traceNumber(x + dx) << ' ' << traceNumber(y + dy) << ' ' << h << ' ' << v
                   << ' ' << colour << ' ' << font.face << ' ' << font.size << ' ' << (font.bold ? 1 : 0)
                   << ' ' << (font.italic ? 1 : 0) << ' ' << text << '\n';
        drew();
    });
}

namespace {

UnitBox boxOf(std::span<const Point> points, int width) {
    if (points.empty()) return {};
    UnitBox b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        b.x0 = std::min(b.x0, p.x), b.x1 = std::max(b.x1, p.x);
        b.y0 = std::min(b.y0, p.y), b.y1 = std::max(b.y1, p.y);
    }
    const float reach = std::max(1, width) / 2.0f;
    return {b.x0 - reach, b.y0 - reach, b.x1 + reach, b.y1 + reach};
}

std::vector<Point> moved(std::span<const Point> points, float dx, float dy) {
    std::vector<Point> out;
    for (const Point& p : points) out.push_back({p.x + dx, p.y + dy});
    return out;
}

}  // namespace

void CanvasRuntime::connect(int colour, std::span<const Point> points) {
    if (hidden()) return;
    const int width = width_;
    perform(boxOf(points, width),
            [=, this, points = std::vector<Point>(points.begin(), points.end())](float dx, float dy) {
                const std::vector<Point> at = moved(points, dx, dy);
                canvas_.connect(colour, at, width);
                if (auto* trace = traceOp()) {
                    *trace << "poly " << colour << ' ' << width << ' ' << at.size();
                    for (const Point& p : at) *trace << ' ' << traceNumber(p.x) << ' ' << traceNumber(p.y);
                    *trace << '\n';
                }
                drew();
            });
}

void CanvasRuntime::connectFilled(int outline, int fill, std::span<const Point> points) {
    if (hidden()) return;
    const int width = width_;
    perform(boxOf(points, width),
            [=, this, points = std::vector<Point>(points.begin(), points.end())](float dx, float dy) {
                const std::vector<Point> at = moved(points, dx, dy);
                canvas_.connectFilled(outline, fill, at, width);
                if (auto* trace = traceOp()) {
                    *trace << "fpoly " << outline << ' ' << fill << ' ' << width << ' ' << at.size();
                    for (const Point& p : at) *trace << ' ' << traceNumber(p.x) << ' ' << traceNumber(p.y);
                    *trace << '\n';
                }
                drew();
            });
}

void CanvasRuntime::cls() {
    // Whatever an open label held would have been painted over.
    held_.clear();
    canvas_.clear();
    if (trace_) *trace_ << "cls\n";
    drew();
}

std::ostream* CanvasRuntime::traceOp() { return trace_; }

// A label shows in the trace only around the operations it holds: "halo on"
// before the first, "halo off" after the last.
void CanvasRuntime::beginHalo(bool movable) {
    if (haloDepth_++ == 0) movable_ = movable;
}

void CanvasRuntime::endHalo() {
    if (haloDepth_ == 0 || --haloDepth_ > 0 || held_.empty()) return;
    const std::vector<Held> ops = std::move(held_);
    held_.clear();
    UnitBox ink;
    std::vector<UnitBox> parts;
    for (const Held& op : ops) {
        if (op.box.empty()) continue;
        parts.push_back(op.box);
        ink = ink.empty() ? op.box
                          : UnitBox{std::min(ink.x0, op.box.x0), std::min(ink.y0, op.box.y0),
                                    std::max(ink.x1, op.box.x1), std::max(ink.y1, op.box.y1)};
    }
    const Offset at = movable_ && !ink.empty() ? canvas_.freePlace(ink, parts) : Offset{};
    if (trace_) *trace_ << "halo on\n";
    canvas_.beginHalo();
    for (const Held& op : ops) op.draw(at.dx, at.dy);
    canvas_.endHalo();
    if (trace_) *trace_ << "halo off\n";
}

float CanvasRuntime::rnd() {
    // 24 random bits: exactly representable, never 1.
    return static_cast<float>(rng_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace rt
