// SPDX-License-Identifier: GPL-3.0-or-later
// The window's filter against a plain implementation of its rule, on random
// canvases: each window pixel the area average of the canvas pixels it covers,
// with weights in 1/256 of a pixel, floored. Whole and fractional ratios,
// letterboxed windows, tiny and huge ones, and damage boxes at the picture's edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "runtime/canvas.h"
#include "runtime/view_scaler.h"

namespace {

using rt::Canvas;
using rt::PixelRect;
using rt::ViewScaler;

struct Taps {
    int first = 0;
    std::vector<std::uint32_t> weights;
    std::uint64_t total = 0;
};

// The rule, written out plainly: the canvas pixels window column (or row) o
// covers, each weighted by the rounded 256ths of it that lie inside.
std::vector<Taps> referenceTaps(int outCount, int inCount) {
    std::vector<Taps> out(static_cast<std::size_t>(outCount));
    const double ratio = inCount / double(outCount);
    for (int o = 0; o < outCount; ++o) {
        const double from = o * ratio, to = std::min((o + 1) * ratio, double(inCount));
        Taps& t = out[static_cast<std::size_t>(o)];
        t.first = static_cast<int>(std::floor(from));
        for (int i = t.first; i < to; ++i) {
            const double cover = std::min(to, i + 1.0) - std::max(from, double(i));
            const auto w = static_cast<std::uint32_t>(std::lround(cover * 256));
            if (w == 0 && !t.weights.empty()) break;
            t.weights.push_back(w);
            t.total += w;
        }
        if (t.total == 0) {
            t.weights.assign(1, 1);
            t.total = 1;
        }
    }
    return out;
}

// A canvas of exactly the view's pixels at the scale, so that any read past
// them is caught by the sanitizers.
struct RandomCanvas {
    // Noise with runs of few colours; or a drawing: flat colours, with lone
    // pixels that differ anywhere (a filter that takes a run of one colour as
    // its colour must see them), and noise in the unused alpha throughout.
    enum class Content { Noise, Drawing };
    int scale, width, height;
    std::vector<std::uint32_t> px;
    RandomCanvas(int s, std::uint32_t seed, Content content = Content::Noise)
        : scale(s),
          width(Canvas::kViewWidth * s),
          height(Canvas::kViewHeight * s),
          px(static_cast<std::size_t>(width) * height) {
        std::mt19937 rng(seed);
        if (content == Content::Noise) {
            for (std::size_t i = 0; i < px.size(); ++i)
                px[i] = (i / 97) % 3 == 0 ? rng() : (rng() % 4 == 0 ? 0xFF000000u : 0xFFFFFFFFu);
            return;
        }
        const auto at = [&](int x, int y) -> std::uint32_t& {
            return px[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)];
        };
        for (std::uint32_t& p : px) p = 0x00F0F0F0u;
        for (int k = 0; k < 60; ++k) {
            const int x0 = static_cast<int>(rng() % width), y0 = static_cast<int>(rng() % height);
            const int x1 = std::min(width, x0 + 1 + static_cast<int>(rng() % 400));
            const int y1 = std::min(height, y0 + 1 + static_cast<int>(rng() % 300));
            const std::uint32_t colour = rng() & 0x00FFFFFFu;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) at(x, y) = colour;
        }
        for (int k = 0; k < 3000; ++k)
            at(static_cast<int>(rng() % width), static_cast<int>(rng() % height)) ^= 1u << (rng() % 24);
        for (std::uint32_t& p : px) p |= rng() << 24;
    }
    const std::uint8_t* bytes() const { return reinterpret_cast<const std::uint8_t*>(px.data()); }
    int stride() const { return width * 4; }
};

// The window's pixels of r by the plain rule.
std::uint32_t referencePixel(const RandomCanvas& c, const Taps& tx, const Taps& ty) {
    std::uint64_t red = 0, green = 0, blue = 0;
    for (std::size_t j = 0; j < ty.weights.size(); ++j)
        for (std::size_t i = 0; i < tx.weights.size(); ++i) {
            const std::uint32_t p = c.px[static_cast<std::size_t>(ty.first + static_cast<int>(j)) * c.width +
                                         static_cast<std::size_t>(tx.first + static_cast<int>(i))];
            const std::uint64_t w = std::uint64_t(tx.weights[i]) * ty.weights[j];
            red += ((p >> 16) & 0xFF) * w;
            green += ((p >> 8) & 0xFF) * w;
            blue += (p & 0xFF) * w;
        }
    const std::uint64_t total = tx.total * ty.total;
    return static_cast<std::uint32_t>(((red / total) << 16) | ((green / total) << 8) | (blue / total));
}

// Renders r into a window-sized buffer filled with a marker and checks every
// pixel: the reference inside r, the marker untouched outside it.
void expectRectMatches(const RandomCanvas& c, const ViewScaler& s, const PixelRect& r,
                       const std::vector<Taps>& cols, const std::vector<Taps>& rows) {
    const int w = s.windowWidth(), h = s.windowHeight();
    const std::uint32_t marker = 0xAB123456;
    std::vector<std::uint32_t> window(static_cast<std::size_t>(w) * h, marker);
    s.render(c.bytes(), c.stride(), r, window.data() + static_cast<std::size_t>(r.y0) * w + r.x0, w * 4);
    const PixelRect p = s.picture();
    int mismatches = 0;
    for (int y = 0; y < h && mismatches < 5; ++y)
        for (int x = 0; x < w && mismatches < 5; ++x) {
            const std::uint32_t got = window[static_cast<std::size_t>(y) * w + x];
            const bool inside = x >= r.x0 && x < r.x1 && y >= r.y0 && y < r.y1;
            const std::uint32_t want = inside ? referencePixel(c, cols[static_cast<std::size_t>(x - p.x0)],
                                                               rows[static_cast<std::size_t>(y - p.y0)])
                                              : marker;
            if (got != want) {
                ADD_FAILURE() << w << "x" << h << " scale " << c.scale << " rect " << r.x0 << "," << r.y0
                              << "-" << r.x1 << "," << r.y1 << ": pixel " << x << "," << y << " is "
                              << std::hex << got << ", the rule gives " << want;
                ++mismatches;
            }
        }
}

struct Size {
    int w, h, scale;
};

void checkSize(const Size& size, bool wholeFrame, std::uint32_t seed,
               RandomCanvas::Content content = RandomCanvas::Content::Noise) {
    const RandomCanvas c(size.scale, seed, content);
    ViewScaler s;
    s.resize(size.w, size.h, size.scale);
    const PixelRect p = s.picture();
    const auto cols = referenceTaps(p.x1 - p.x0, c.width);
    const auto rows = referenceTaps(p.y1 - p.y0, c.height);
    if (wholeFrame) expectRectMatches(c, s, p, cols, rows);
    // Boxes at each edge and corner of the picture, of odd and even widths,
    // and what the damage of small canvas boxes there affects.
    std::mt19937 rng(seed + 1);
    const int pw = p.x1 - p.x0, ph = p.y1 - p.y0;
    for (int k = 0; k < 12; ++k) {
        const int bw = std::min(pw, 1 + static_cast<int>(rng() % 13)),
                  bh = std::min(ph, 1 + static_cast<int>(rng() % 9));
        const int x0 = k % 3 == 0   ? p.x0
                       : k % 3 == 1 ? p.x1 - bw
                                    : p.x0 + static_cast<int>(rng() % (pw - bw + 1));
        const int y0 = k / 3 % 2 == 0 ? p.y0 : p.y1 - bh;
        expectRectMatches(c, s, {x0, y0, x0 + bw, y0 + bh}, cols, rows);
    }
    for (const PixelRect& d :
         {PixelRect{0, 0, 7, 5}, PixelRect{c.width - 9, c.height - 3, c.width, c.height},
          PixelRect{c.width - 1, 0, c.width, c.height}, PixelRect{0, c.height - 11, c.width, c.height}}) {
        const PixelRect r = s.affected(d);
        ASSERT_FALSE(r.empty());
        expectRectMatches(c, s, r, cols, rows);
    }
}

TEST(ViewScalerFilter, EqualsThePlainRuleAtWholeRatios) {
    // 2 and 4 canvas pixels a window pixel, 3 at scale 3 and 6 at scale 3 (a
    // window of half the view's size).
    for (const Size& s : {Size{1366, 768, 2}, Size{2732, 1536, 4}, Size{1366, 768, 3}, Size{683, 384, 3}})
        checkSize(s, true, static_cast<std::uint32_t>(s.w * 7 + s.scale));
}

TEST(ViewScalerFilter, EqualsThePlainRuleAtFractionalRatios) {
    for (const Size& s : {Size{1920, 1080, 3}, Size{1000, 700, 2}, Size{1600, 900, 3}, Size{1365, 767, 2}})
        checkSize(s, true, static_cast<std::uint32_t>(s.w * 7 + s.scale));
}

TEST(ViewScalerFilter, EqualsThePlainRuleAt4K) { checkSize({3840, 2160, 4}, true, 4321); }

TEST(ViewScalerFilter, EqualsThePlainRuleOnDrawings) {
    for (const Size& s : {Size{1366, 768, 2}, Size{1920, 1080, 3}, Size{1000, 700, 2}, Size{2000, 768, 3}})
        checkSize(s, true, static_cast<std::uint32_t>(s.w * 5 + s.scale), RandomCanvas::Content::Drawing);
    checkSize({3840, 2160, 4}, true, 99, RandomCanvas::Content::Drawing);
}

TEST(ViewScalerFilter, EqualsThePlainRuleLetterboxed) {
    // Bars above and below, at the sides; a small screen; a window wider than
    // the canvas, and one of exactly its pixels; and tiny windows whose pixels
    // each cover many canvas pixels.
    for (const Size& s : {Size{800, 600, 2}, Size{2000, 768, 3}, Size{1366, 1000, 2}, Size{6000, 3000, 4},
                          Size{5464, 3072, 4}, Size{300, 200, 2}, Size{97, 61, 4}})
        checkSize(s, s.w * s.h < 8'000'000, static_cast<std::uint32_t>(s.w * 7 + s.scale));
}

}  // namespace
