// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the canvas in a window of any size: the view area is fitted to the
// window keeping its aspect (letterboxed in the background colour) and each
// window pixel is the area average of the canvas pixels it covers, so the
// unantialiased canvas looks smooth without fringes. At a window of the view's
// size this is exactly the box filter of Canvas::view().
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/canvas.h"

namespace rt {

// A box of window pixels, [x0, x1) x [y0, y1).
using WindowRect = PixelRect;

class ViewScaler {
public:
    // The window's size in pixels and the canvas's supersampling scale.
    void resize(int windowWidth, int windowHeight, int canvasScale);

    int windowWidth() const { return windowW_; }
    int windowHeight() const { return windowH_; }
    // Where the picture lies in the window.
    WindowRect picture() const { return picture_; }

    // The window pixels whose value depends on the canvas pixels in damage.
    WindowRect affected(const PixelRect& damage) const;

    // Writes the window pixels of r (inside picture()) as 0x00RRGGBB into dst,
    // whose rows are dstStride bytes apart and whose first pixel is r's top-left.
    // Throws std::bad_alloc, on this thread only, when this thread cannot get
    // the memory for filtering; a helper thread that cannot start or cannot
    // get its memory leaves its rows to this one.
    void render(const std::uint8_t* canvas, int canvasStride, const WindowRect& r, std::uint32_t* dst,
                int dstStride) const;

    // How many threads a large render shares (1 or 2): by default 2 when the
    // machine has two cores.
    void setThreads(int threads) { threads_ = threads; }

    // The supersampling scale for a window of this size: 2 at least for smooth
    // edges, more on a large window so text stays crisp.
    static int scaleFor(int windowWidth, int windowHeight);

private:
    // Scratch of a render (one per thread): the slots of column sums and the
    // canvas row each holds (per tile of columns in the vector filter); per
    // tile, the canvas pixels [x0, x1) under it and the colour of the window
    // row being filtered there, if it has one; the portable filter's sums of
    // the rows a window row averages. Once grown it filters a frame of the
    // same size without allocating.
    struct Scratch {
        std::vector<std::uint32_t> sums;
        std::vector<const std::uint32_t*> rowSums;
        std::vector<int> slotRow;
        std::size_t slotStride = 0;
        int tiles = 1;
        std::vector<int> tileSpan;
        std::vector<std::uint32_t> tileColour;
    };
    // The canvas pixels one window column (or row) averages, with weights.
    struct Taps {
        int first = 0;
        std::vector<std::uint16_t> weights;
        std::uint32_t total = 0;
    };
    static std::vector<Taps> taps(int outCount, int inCount);

    // The filter is separable: each canvas row a window row needs is first
    // reduced across to one sum per window column (kept while later window
    // rows still need it), then the rows' sums are weighted down and divided.
    // Integer sums throughout, so the result is exactly the two-dimensional
    // area average above.
    void prepareFilter();
    // The column sums of one canvas row for window columns [c0, c1)
    // (picture-relative): per pair of columns a and b, 8 lanes, blue a,
    // green a, blue b, green b, red a, unused, red b, unused.
    void sumAcross(const std::uint8_t* row, int c0, int c1, std::uint32_t* out) const;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    void sumAcrossAvx2(const std::uint8_t* row, int c0, int c1, std::uint32_t* out) const;
#endif
    void renderPortable(Scratch& s, const std::uint8_t* canvas, int canvasStride, const WindowRect& r,
                        std::uint32_t* dst, int dstStride) const;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    void renderAvx2(Scratch& s, const std::uint8_t* canvas, int canvasStride, const WindowRect& r,
                    std::uint32_t* dst, int dstStride) const;
#endif
    // The column sums of a canvas row, from the render's slots: reduced once
    // and kept while the next window rows need it.
    const std::uint32_t* sumsOf(Scratch& s, const std::uint8_t* canvas, int canvasStride, int canvasRow,
                                int c0, int c1) const;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // The column sums of a canvas row under tiles [t0, t1) into its slot,
    // those not there yet, as the tiles are found to need them.
    void sumTiles(Scratch& s, std::size_t slot, const std::uint8_t* canvas, int canvasStride, int canvasRow,
                  int c0, int n, int t0, int t1) const;
#endif
    void beginSums(Scratch& s, int columns, int tiles) const;

    // The vector filter takes the window's columns in tiles of this many: a
    // tile whose canvas pixels are all one colour is that colour, found by
    // comparing; the others are summed. Wide enough that comparing costs
    // little where nothing is one colour.
    static constexpr int kTile = 32;

    int windowW_ = 0, windowH_ = 0, scale_ = 1;
    WindowRect picture_;
    std::vector<Taps> cols_, rows_;

    // For the vector filter: per window column the first canvas pixel of its
    // 4 * chunks_ loaded pixels and their weights as pairs of 16-bit lanes;
    // 0 chunks when the taps are too wide (a tiny window) for it.
    int chunks_ = 0;
    std::vector<std::int32_t> colStart_;
    std::vector<std::int16_t> colLanes_;
    // Each column's whole weight and its reciprocal, twice over (and a spare
    // column), so two neighbours' read as one 16-byte load.
    std::vector<std::uint32_t> colTotal2_;
    std::vector<float> colRecip2_;
    std::size_t maxRowTaps_ = 1;

    // A large render is shared by two threads, each with its scratch.
    mutable Scratch scratch_[2];
    int threads_ = 0;
};

}  // namespace rt
