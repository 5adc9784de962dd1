// The drawing surface: logical units rendered without antialiasing at an
// integer multiple of their size, so that over-painting in the background
// colour erases without a fringe; smoothing happens only when the picture is
// shown or saved (box-filtered down).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/runtime.h"

namespace rt {

struct FontState {
    std::string face = "ｺﾞｼｯｸ";
    int size = 16;
    bool bold = false;
    bool italic = false;
};

class Fonts;

class Canvas {
public:
    // The logical surface; the programs draw within x 0..1342, y 0..720 and
    // clear a little further.
    static constexpr int kWidth = 1440;
    static constexpr int kHeight = 900;
    // The part a window or a saved picture shows.
    static constexpr int kViewWidth = 1366;
    static constexpr int kViewHeight = 768;

    explicit Canvas(int scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int scale() const { return scale_; }

    void line(float x1, float y1, float x2, float y2, int colour, int kind, int fill, int width);
    void circle(float x, float y, float r, int colour, float start, float end, bool filled, int fillColour,
                int width);
    void symbol(std::string_view text, float x, float y, int h, int v, int colour, const FontState& font);
    void connect(int colour, std::span<const Point> points, int width);
    void clear();

    // ARGB32 pixels at the internal scale.
    const std::uint8_t* pixels();
    int stride() const;
    int pixelWidth() const { return kWidth * scale_; }
    int pixelHeight() const { return kHeight * scale_; }

    // The shown area box-filtered to one pixel per unit, as 0x00RRGGBB.
    std::vector<std::uint32_t> view() ;
    bool writePng(const std::string& path);

    // Bumped by every change, so a window knows when to show the picture again.
    std::uint64_t generation() const { return generation_; }

private:
    void setColour(int c);
    int scale_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    Fonts* fonts_;
    std::uint64_t generation_ = 0;
};

}  // namespace rt
