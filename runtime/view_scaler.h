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
    void render(const std::uint8_t* canvas, int canvasStride, const WindowRect& r, std::uint32_t* dst,
                int dstStride) const;

    // The supersampling scale for a window of this size: 2 at least for smooth
    // edges, more on a large window so text stays crisp.
    static int scaleFor(int windowWidth, int windowHeight);

private:
    // The canvas pixels one window column (or row) averages, with weights.
    struct Taps {
        int first = 0;
        std::vector<std::uint16_t> weights;
        std::uint32_t total = 0;
    };
    static std::vector<Taps> taps(int outCount, int inCount);

    int windowW_ = 0, windowH_ = 0, scale_ = 1;
    WindowRect picture_;
    std::vector<Taps> cols_, rows_;
};

}  // namespace rt
