// SPDX-License-Identifier: GPL-3.0-or-later
// The part of a runtime shared by the window and the headless runner: font and
// pen state, drawing onto a Canvas, the operation trace and random numbers.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

#include "runtime/canvas.h"
#include "runtime/runtime.h"

namespace rt {

class CanvasRuntime : public Runtime {
public:
    explicit CanvasRuntime(int scale) : canvas_(scale) {}

    void setFontName(std::string_view face) override { font_.face = std::string(face); }
    void setFontSize(int size) override { font_.size = size; }
    void setFontBold(bool on) override { font_.bold = on; }
    void setFontItalic(bool on) override { font_.italic = on; }
    TextStyle textStyle() const override { return font_; }
    void setDrawWidth(int width) override { width_ = width; }
    int drawWidth() const override { return width_; }

    void segment(float x1, float y1, float x2, float y2, Colour colour) override {
        line(x1, y1, x2, y2, paletteIndex(colour), 0, -1);
    }
    void box(float x1, float y1, float x2, float y2, Colour colour) override {
        line(x1, y1, x2, y2, paletteIndex(colour), 1, -1);
    }
    void filledBox(float x1, float y1, float x2, float y2, Colour outline, Colour fill) override {
        line(x1, y1, x2, y2, paletteIndex(outline), 2, paletteIndex(fill));
    }
    using Runtime::filledBox;
    void circle(float x, float y, float r, Colour colour, float start, float end) override {
        arc(x, y, r, paletteIndex(colour), start, end, false, -1);
    }
    void disc(float x, float y, float r, Colour colour) override {
        arc(x, y, r, paletteIndex(colour), 0, 0, true, -1);
    }
    void sector(float x, float y, float r, Colour outline, Colour fill, float start, float end) override {
        arc(x, y, r, paletteIndex(outline), start, end, true, paletteIndex(fill));
    }
    void symbol(std::string_view text, float x, float y, int h, int v, Colour colour) override;
    void connect(Colour colour, std::span<const Point> points) override;
    void connectFilled(Colour outline, Colour fill, std::span<const Point> points) override;
    void cls() override;
    void beginHalo(Placing placing = Placing::fixed) override;
    void endHalo() override;
    void keepClear(float x0, float y0, float x1, float y1) override { canvas_.keepClear({x0, y0, x1, y1}); }

    void randomize(int seed) override { rng_.seed(static_cast<std::uint32_t>(seed)); }
    float rnd() override;

    // Every operation from now on is written to out, one line each.
    void setTrace(std::ostream* out) { trace_ = out; }
    std::ostream* trace() { return trace_; }

    Canvas& canvas() { return canvas_; }
    const TextStyle& font() const { return font_; }

protected:
    // Called after every drawing operation; a window checks for a close there.
    virtual void drew() {}

private:
    // The shapes in the canvas's terms (palette numbers, a kind of line, a
    // flag for a filled arc), as the trace records them.
    void line(float x1, float y1, float x2, float y2, int colour, int kind, int fill);
    void arc(float x, float y, float r, int colour, float start, float end, bool filled, int fillColour);
    // The trace to write an operation's line to, or nullptr; an operation
    // inside a halo is preceded by the halo's opening record.
    std::ostream* traceOp();
    // Runs op at once, or holds it back with its box while a label is open.
    template <class Op>
    void perform(const UnitBox& box, Op op, std::string text = {});

    Canvas canvas_;
    TextStyle font_;
    int width_ = 1;
    std::mt19937 rng_{0};
    std::ostream* trace_ = nullptr;
    int haloDepth_ = 0;
    Placing placing_ = Placing::fixed;
    // The open label's operations, drawn (and traced) where it is placed once
    // it closes; each is handed the offset of that place, and a colour to
    // draw in instead of its own (-1: its own).
    struct Held {
        UnitBox box;
        std::function<void(float dx, float dy, int as)> draw;
        std::string text;  // what a text operation writes, to know the label again
    };
    std::vector<Held> held_;
    // The yielding labels on the screen, with where they stand.
    struct Yielding {
        std::vector<Held> ops;
        Offset at;
        UnitBox ink;  // where they were asked for
    };
    std::vector<Yielding> yielding_;
    // The movable and reference labels on the screen, by the boxes they were
    // asked for, with where they were placed: the same text asked for there
    // again (a highlight redrawing it in another colour) stands on it, not
    // beside it.
    struct Placed {
        std::vector<Held> ops;
        Offset at;
        int label = 0;                    // the canvas's number for it
        UnitBox ink;                      // where it was asked for
        float reach = Canvas::kAnyReach;  // how far it may step aside
    };
    std::vector<Placed> placed_;
    // Draws a label's operations at an offset, on its ground.
    void drawLabel(const std::vector<Held>& ops, Offset at);
    // Steps the yielding labels a point of that box would meet aside.
    void makeWayFor(const UnitBox& point, const std::function<void()>& drawPoint);
    // Steps the movable labels a line of meaning drawn through them aside.
    void makeWayForLine(float x1, float y1, float x2, float y2, float half,
                        const std::function<void()>& drawLine);
};

// Numbers in a trace: shortest form, integers without a point.
std::string traceNumber(float v);

}  // namespace rt
