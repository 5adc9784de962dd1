// SPDX-License-Identifier: GPL-3.0-or-later
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
void CanvasRuntime::perform(const UnitBox& box, Op op, std::string text) {
    if (haloDepth_ > 0)
        held_.push_back({box, op, std::move(text)});
    else
        op(0, 0, -1);
}

namespace {

// Drawing in the background colour erases: no line to step aside for, and
// a label is erased by drawing it again in it.
constexpr int kBackground = paletteIndex(Colour::white);

UnitBox around(float x0, float y0, float x1, float y1, float reach) {
    return {std::min(x0, x1) - reach, std::min(y0, y1) - reach, std::max(x0, x1) + reach,
            std::max(y0, y1) + reach};
}

}  // namespace

void CanvasRuntime::line(float x1, float y1, float x2, float y2, int colour, int kind, int fill) {
    if (hidden()) return;
    if (haloDepth_ == 0 && (kind == 2 || colour == kBackground)) {
        // An erase or a fill over a yielding label takes it off the screen.
        const UnitBox cover = around(x1, y1, x2, y2, 0);
        std::erase_if(yielding_, [&](const Yielding& y) {
            const float cx = (y.ink.x0 + y.ink.x1) / 2 + y.at.dx, cy = (y.ink.y0 + y.ink.y1) / 2 + y.at.dy;
            return cx >= cover.x0 && cx <= cover.x1 && cy >= cover.y0 && cy <= cover.y1;
        });
    }
    const int width = width_;
    const LineRole role = lineRole();
    auto op = [=, this](float dx, float dy, int as) {
        const int c = as < 0 ? colour : as;
        canvas_.line(x1 + dx, y1 + dy, x2 + dx, y2 + dy, c, kind, fill, width, role);
        if (auto* trace = traceOp())
            *trace << "line " << traceNumber(x1 + dx) << ' ' << traceNumber(y1 + dy) << ' '
                   << traceNumber(x2 + dx) << ' ' << traceNumber(y2 + dy) << ' ' << c << ' ' << kind << ' '
                   << fill << ' ' << width << '\n';
        drew();
    };
    const float half = std::max(1, width) / 2.0f;
    if (haloDepth_ == 0 && kind == 0 && colour != kBackground && role == LineRole::meaning &&
        (!placed_.empty() || !yielding_.empty()))
        makeWayForLine(x1, y1, x2, y2, half, [&] { op(0, 0, -1); });
    else
        perform(around(x1, y1, x2, y2, half), op);
}

void CanvasRuntime::arc(float x, float y, float r, int colour, float start, float end, bool filled,
                        int fillColour) {
    if (hidden()) return;
    const int width = width_;
    const LineRole role = lineRole();
    const float reach = std::fabs(r) + std::max(1, width) / 2.0f;
    const bool whole = start == 0 && end == 0;
    const bool point = haloDepth_ == 0 && colour != kBackground && !(whole && std::fabs(r) <= 2) &&
                       (filled || std::fabs(r) <= 12);
    auto op = [=, this](float dx, float dy, int as) {
        const int c = as < 0 ? colour : as;
        canvas_.circle(x + dx, y + dy, r, c, start, end, filled, fillColour, width, role);
        if (auto* trace = traceOp())
            *trace << "circle " << traceNumber(x + dx) << ' ' << traceNumber(y + dy) << ' ' << traceNumber(r)
                   << ' ' << c << ' ' << traceNumber(start) << ' ' << traceNumber(end) << ' '
                   << (filled ? 1 : 0) << ' ' << fillColour << ' ' << width << '\n';
        drew();
    };
    const UnitBox box = around(x, y, x, y, reach);
    if (point && !yielding_.empty())
        makeWayFor(box, [&] { op(0, 0, -1); });
    else if (haloDepth_ == 0 && colour != kBackground && whole && std::fabs(r) <= 2 &&
             role == LineRole::meaning && (!placed_.empty() || !yielding_.empty()))
        // A pen dot of a dotted line of meaning (a dimension arc).
        makeWayForLine(x, y, x, y, reach, [&] { op(0, 0, -1); });
    else
        perform(box, op);
}

void CanvasRuntime::symbol(std::string_view text, float x, float y, int h, int v, Colour colour) {
    if (hidden()) return;
    const TextStyle font = font_;
    const UnitBox box = haloDepth_ > 0 ? canvas_.textInk(text, x, y, h, v, font) : UnitBox{};
    perform(
        box,
        [=, this, text = std::string(text)](float dx, float dy, int as) {
            const int c = as < 0 ? paletteIndex(colour) : as;
            canvas_.symbol(text, x + dx, y + dy, h, v, c, font);
            if (auto* trace = traceOp())
                *trace << "text " << traceNumber(x + dx) << ' ' << traceNumber(y + dy) << ' ' << h << ' ' << v
                       << ' ' << c << ' ' << font.face << ' ' << font.size << ' ' << (font.bold ? 1 : 0)
                       << ' ' << (font.italic ? 1 : 0) << ' ' << text << '\n';
            drew();
        },
        std::string(text));
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

void CanvasRuntime::connect(Colour colour, std::span<const Point> points) {
    if (hidden()) return;
    const int width = width_;
    const LineRole role = lineRole();
    perform(boxOf(points, width),
            [=, this, points = std::vector<Point>(points.begin(), points.end())](float dx, float dy, int as) {
                const std::vector<Point> at = moved(points, dx, dy);
                const int c = as < 0 ? paletteIndex(colour) : as;
                canvas_.connect(c, at, width, role);
                if (auto* trace = traceOp()) {
                    *trace << "poly " << c << ' ' << width << ' ' << at.size();
                    for (const Point& p : at) *trace << ' ' << traceNumber(p.x) << ' ' << traceNumber(p.y);
                    *trace << '\n';
                }
                drew();
            });
}

void CanvasRuntime::connectFilled(Colour outline, Colour fill, std::span<const Point> points) {
    if (hidden()) return;
    const int width = width_;
    perform(boxOf(points, width),
            [=, this, points = std::vector<Point>(points.begin(), points.end())](float dx, float dy, int as) {
                const std::vector<Point> at = moved(points, dx, dy);
                const int o = as < 0 ? paletteIndex(outline) : as, f = as < 0 ? paletteIndex(fill) : as;
                canvas_.connectFilled(o, f, at, width);
                if (auto* trace = traceOp()) {
                    *trace << "fpoly " << o << ' ' << f << ' ' << width << ' ' << at.size();
                    for (const Point& p : at) *trace << ' ' << traceNumber(p.x) << ' ' << traceNumber(p.y);
                    *trace << '\n';
                }
                drew();
            });
}

void CanvasRuntime::cls() {
    // Whatever an open label held would have been painted over.
    held_.clear();
    yielding_.clear();
    placed_.clear();
    canvas_.clear();
    if (trace_) *trace_ << "cls\n";
    drew();
}

std::ostream* CanvasRuntime::traceOp() { return trace_; }

// A label shows in the trace only around the operations it holds: "halo on"
// before the first, "halo off" after the last.
void CanvasRuntime::beginHalo(Placing placing) {
    if (haloDepth_++ == 0) placing_ = placing;
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
    Offset at{};
    // A topic that never clears the screen would otherwise keep every label
    // an erase took away.
    if (placing_ == Placing::movable || placing_ == Placing::reference)
        std::erase_if(placed_, [&](const Placed& p) { return !canvas_.labelStands(p.label); });
    if (placing_ == Placing::movable && !ink.empty()) {
        auto same = [&](const Placed& p) {
            return std::equal(
                p.ops.begin(), p.ops.end(), ops.begin(), ops.end(), [](const Held& a, const Held& b) {
                    return a.text == b.text && std::fabs(a.box.x0 - b.box.x0) < 0.5f &&
                           std::fabs(a.box.y0 - b.box.y0) < 0.5f && std::fabs(a.box.x1 - b.box.x1) < 0.5f &&
                           std::fabs(a.box.y1 - b.box.y1) < 0.5f;
                });
        };
        // Only while the first still stands: once gone, its place is taken afresh.
        const auto again = std::find_if(placed_.begin(), placed_.end(), same);
        if (again != placed_.end()) {
            at = again->at;
        } else {
            at = canvas_.freePlace(ink, parts);
            drawLabel(ops, at);
            placed_.push_back({ops, at, canvas_.lastLabel(), ink});
            return;
        }
    }
    drawLabel(ops, at);
    if (placing_ == Placing::yielding && !ink.empty()) yielding_.push_back({ops, at, ink});
    if (placing_ == Placing::reference && !ink.empty())
        placed_.push_back({ops, at, canvas_.lastLabel(), ink, reading::kReferenceReach});
}

void CanvasRuntime::drawLabel(const std::vector<Held>& ops, Offset at) {
    if (trace_) *trace_ << "halo on\n";
    canvas_.beginHalo();
    for (const Held& op : ops) op.draw(at.dx, at.dy, -1);
    canvas_.endHalo();
    if (trace_) *trace_ << "halo off\n";
}

// A point drawn over a yielding label (a scale number under a point on the
// axis): the label is erased, the point drawn, and the label drawn again at
// the nearest place where it meets neither, so that both read.
void CanvasRuntime::makeWayFor(const UnitBox& point, const std::function<void()>& drawPoint) {
    const float m = Canvas::kGroundMargin;
    std::vector<Yielding> moving;
    std::erase_if(yielding_, [&](const Yielding& y) {
        const UnitBox b{y.ink.x0 + y.at.dx - m, y.ink.y0 + y.at.dy - m, y.ink.x1 + y.at.dx + m,
                        y.ink.y1 + y.at.dy + m};
        if (!(b.x0 < point.x1 && point.x0 < b.x1 && b.y0 < point.y1 && point.y0 < b.y1)) return false;
        moving.push_back(y);
        return true;
    });
    for (const Yielding& y : moving)
        for (const Held& op : y.ops) op.draw(y.at.dx, y.at.dy, kBackground);
    drawPoint();
    for (Yielding& y : moving) {
        std::vector<UnitBox> parts;
        for (const Held& op : y.ops) parts.push_back(op.box);
        y.at = canvas_.freePlace(y.ink, parts, false);
        drawLabel(y.ops, y.at);
        yielding_.push_back(y);
    }
}

namespace {

// Whether the segment a..b, half wide, passes through the box.
bool through(float ax, float ay, float bx, float by, float half, const UnitBox& box) {
    const float x0 = box.x0 - half, y0 = box.y0 - half, x1 = box.x1 + half, y1 = box.y1 + half;
    float t0 = 0, t1 = 1;
    const float dx = bx - ax, dy = by - ay;
    const float p[4] = {-dx, dx, -dy, dy}, q[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0) return false;
            continue;
        }
        const float t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 >= t1) return false;
    }
    return true;
}

}  // namespace

// A line of meaning drawn later through a label that may move (a slope
// arrow over a point's label, an arrow along a scale number's grid line):
// the label is erased, the line drawn, and the label drawn again at the
// nearest place it meets neither, as a label drawn after the line would
// stand.
void CanvasRuntime::makeWayForLine(float x1, float y1, float x2, float y2, float half,
                                   const std::function<void()>& drawLine) {
    auto crossed = [&](const UnitBox& ink, Offset at) {
        return through(x1, y1, x2, y2, half,
                       {ink.x0 + at.dx, ink.y0 + at.dy, ink.x1 + at.dx, ink.y1 + at.dy});
    };
    std::vector<Placed*> moving;
    for (Placed& p : placed_)
        if (crossed(p.ink, p.at) && canvas_.labelStands(p.label)) moving.push_back(&p);
    std::vector<Yielding> yielding;
    std::erase_if(yielding_, [&](const Yielding& y) {
        if (!crossed(y.ink, y.at)) return false;
        yielding.push_back(y);
        return true;
    });
    for (const Placed* p : moving)
        for (const Held& op : p->ops) op.draw(p->at.dx, p->at.dy, kBackground);
    for (const Yielding& y : yielding)
        for (const Held& op : y.ops) op.draw(y.at.dx, y.at.dy, kBackground);
    drawLine();
    auto partsOf = [](const std::vector<Held>& ops) {
        std::vector<UnitBox> parts;
        for (const Held& op : ops)
            if (!op.box.empty()) parts.push_back(op.box);
        return parts;
    };
    for (Placed* p : moving) {
        p->at = canvas_.freePlace(p->ink, partsOf(p->ops), false, p->reach);
        drawLabel(p->ops, p->at);
        p->label = canvas_.lastLabel();
    }
    for (Yielding& y : yielding) {
        y.at = canvas_.freePlace(y.ink, partsOf(y.ops), false);
        drawLabel(y.ops, y.at);
        yielding_.push_back(y);
    }
}

float CanvasRuntime::rnd() {
    // 24 random bits: exactly representable, never 1.
    return static_cast<float>(rng_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace rt
