// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface: logical units rendered without antialiasing at an
// integer multiple of their size, so that over-painting in the background
// colour erases without a fringe; smoothing happens only when the picture is
// shown or saved (box-filtered down).
#pragma once

#include <cairo.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/reading_rules.h"
#include "runtime/runtime.h"

namespace rt {

class Fonts;
struct FaceSource;

// Throws FatalError, naming the face and its package, unless fontconfig gives
// src's own family and that face draws src's sample.
void checkFace(const FaceSource& src);

// Loads the faces the lessons draw in, once per process; throws FatalError
// naming a missing face and the package that provides it. A canvas loads them
// too; a program calls this first so that it stops before it opens a window.
void loadFonts();

// A box of canvas pixels, [x0, x1) x [y0, y1).
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

// A box in logical units, [x0, x1) x [y0, y1).
struct UnitBox {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

// How far a label is moved from where it was asked for, in logical units.
struct Offset {
    float dx = 0, dy = 0;
};

// A run of set pixels of a rasterised shape, relative to its origin pixel.
struct PixelSpan {
    std::int16_t dy, dx, len;
};

class Canvas {
public:
    // The logical surface; the programs draw within x 0..1342, y 0..720 and
    // clear a little further.
    static constexpr int kWidth = 1440;
    static constexpr int kHeight = 900;
    // The part a window or a saved picture shows.
    static constexpr int kViewWidth = 1366;
    static constexpr int kViewHeight = 768;

    // Throws FatalError when the faces or the pixels cannot be had.
    explicit Canvas(int scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int scale() const { return scale_; }

    // role says whether a line stroke (a line, a polyline, a pen dot, a
    // large circle or an arc) may give way to a label's ground.
    void line(float x1, float y1, float x2, float y2, int colour, int kind, int fill, int width,
              LineRole role = LineRole::meaning);
    void circle(float x, float y, float r, int colour, float start, float end, bool filled, int fillColour,
                int width, LineRole role = LineRole::meaning);
    void symbol(std::string_view text, float x, float y, int h, int v, int colour, const TextStyle& font);
    void connect(int colour, std::span<const Point> points, int width, LineRole role = LineRole::meaning);
    void connectFilled(int outline, int fill, std::span<const Point> points, int width);
    void clear();

    // Operations from beginHalo to the matching endHalo (a label) are held
    // back; at the end the lines within the label's ground (the box of its
    // ink widened by kGroundMargin) give way to what lay under them, then
    // the operations are drawn as usual; lines drawn later stop at the ground
    // too, until a clear, an erase or a fill covers the label. Only lines give
    // way: texts, dots, arrow heads and filled shapes keep every pixel, and a
    // label's own strokes are never cleared by another's ground.
    void beginHalo() { ++haloDepth_; }
    void endHalo();
    // How far a label's ground reaches beyond its ink, in logical units: the
    // least that still shows a clear gap once the picture is smoothed.
    static constexpr int kGroundMargin = 3;
    // What set the pixel (px, py) last, as the line layer keeps it: no line,
    // a line of either role, or a line a ground cleared there.
    enum class LineMark { none, meaning, givesWay, clearedMeaning, clearedGivesWay };
    LineMark lineAt(int px, int py);
    // Where a label whose ink has the box ink meets no text, point, arrow
    // head or other label on the screen (the point drawn just before it, its
    // own, aside, though not from its minus) and stays on the page above the
    // status band: no offset when it does as it is, else the nearest such
    // place within reach (on a grid of 4 units, 120 across and down, or
    // nearer than within), else none.
    // A lesson's text already there whose box is one of parts' is the label's
    // own, drawn again (in another colour, say); another label is never, even
    // of the same extent ("①" and "②").
    static constexpr float kAnyReach = 1e9f;
    Offset freePlace(const UnitBox& ink, std::span<const UnitBox> parts, bool ownDotAside = true,
                     float within = kAnyReach) const;
    // The number of the label laid last, and whether a label still stands.
    int lastLabel() const { return labels_; }
    bool labelStands(int label) const;
    // A place labels keep clear of, as of a text or point drawn later.
    void keepClear(const UnitBox& box) { marks_.push_back({box, false, true}); }
    // The top and bottom of the band the status line and its prompts use.
    static constexpr float kStatusTop = reading::kStatusTop, kStatusBottom = reading::kStatusBottom;

    // The box of the pixels symbol() would set, in logical units; empty
    // when it sets none.
    UnitBox textInk(std::string_view text, float x, float y, int h, int v, const TextStyle& font);

    // ARGB32 pixels at the internal scale.
    const std::uint8_t* pixels();
    int stride() const;
    int pixelWidth() const { return kWidth * scale_; }
    int pixelHeight() const { return kHeight * scale_; }

    // The shown area box-filtered to one pixel per unit, as 0x00RRGGBB.
    std::vector<std::uint32_t> view();
    bool writePng(const std::string& path);

    // The pixels changed since the last call (empty when none), so a window
    // shows only what changed.
    PixelRect takeDamage();

private:
    struct StampKey {
        void* face;
        unsigned long index;
        long sx, sy;  // glyph scale in 1/64 pixel
        int fx, fy;   // origin's quarter-pixel phase
        bool operator==(const StampKey&) const = default;
    };
    struct StampHash {
        std::size_t operator()(const StampKey& k) const {
            std::size_t h = std::hash<void*>()(k.face);
            for (long v : {static_cast<long>(k.index), k.sx, k.sy, static_cast<long>(k.fx * 4 + k.fy)})
                h = h * 1000003u ^ std::hash<long>()(v);
            return h;
        }
    };
    const std::vector<PixelSpan>& stamp(void* face, unsigned long index, double sx, double sy, int fx,
                                        int fy);

    const std::vector<PixelSpan>& disc(double radius, int fx, int fy);
    // Hands put(spans, ox, oy) each glyph of text as symbol() places it.
    template <class Put>
    void placeGlyphs(std::string_view text, float x, float y, int h, int v, const TextStyle& font, Put put);
    // Sets the spans' pixels, placed at the origin pixel (ox, oy), to colour.
    // A line stroke (a graph is drawn as a chain of pen dots) marks them as
    // line pixels; anything else as kept, and as what lies under later lines.
    void fill(const std::vector<PixelSpan>& spans, long ox, long oy, int colour, bool lineStroke = false,
              LineRole role = LineRole::meaning);
    // The last fill, while nothing else has drawn since (set by fill, emptied
    // by every other operation that changes the picture, its layers, the
    // grounds or the damage): the same fill again changes nothing.
    struct LastFill {
        const std::vector<PixelSpan>* spans = nullptr;
        long ox = 0, oy = 0;
        int colour = 0;
        bool lineStroke = false;
        LineRole role = LineRole::meaning;
        bool intoMask = false, drawingLabel = false;
        bool operator==(const LastFill&) const = default;
    };
    LastFill lastFill_;

    // What each pixel was last set by, kept beside the picture: line pixels
    // are what a label's ground clears. pathOn builds the shape on a context.
    // Strokes the shape pathOn builds; a line stroke stays off the labels'
    // grounds.
    template <class Path>
    void stroke(double width, bool lineStroke, Path pathOn, LineRole role = LineRole::meaning);
    void clipOutGrounds(cairo_t* c);
    // Drops the grounds of the labels an erase or a fill over the box (in
    // logical units) covers: lines may cross where they stood.
    void uncover(double x0, double y0, double x1, double y1);
    // A fill in the current colour: its pixels are no line any more, and
    // what lies under the lines drawn over them later.
    template <class Path>
    void markFill(Path pathOn);
    // Clears the line pixels within the held-back operations' ground.
    void layGround(const std::vector<std::function<void()>>& ops);
    // Clears the lines that give way within the box (canvas pixels), and
    // what is left of a line it cut across its width beside it; it becomes
    // one of the grounds.
    void clearGround(PixelRect box);
    // Clears what is left of a line that gives way, cut across its width,
    // beside the ground (canvas pixels): a sliver would read as a stroke of
    // the label.
    void trimSlivers(const PixelRect& ground);
    // The minuses of the label whose ground is being laid, as their ink.
    std::vector<UnitBox> minusInk_;
    // Whether a line of meaning lies within the box (logical units).
    bool meaningWithin(const UnitBox& box) const;

    void setColour(int c);
    int colour_ = 15;  // the colour setColour last set
    // Adds a box in logical units (a cairo extent) or in pixels to the damage.
    void damageUnits(double x0, double y0, double x1, double y1);
    void damagePixels(long x0, long y0, long x1, long y1);
    // Strokes the current path and adds its extent to the damage.
    void strokeDamaged();
    // Throws FatalError once the context has failed.
    void checkDrawing();
    int scale_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    Fonts* fonts_;
    PixelRect damage_;
    std::unordered_map<StampKey, std::vector<PixelSpan>, StampHash> stamps_;

    int haloDepth_ = 0;
    std::vector<std::function<void()>> heldBack_;
    // The line layer: an A8 surface as large as the picture, 255 where a
    // line set the pixel last. A label's own operations mark nothing as line.
    // It is 0 outside lineRows_, so that a clear, and an operation that is
    // no line, touch only where lines have been.
    cairo_surface_t* layer_ = nullptr;
    cairo_t* layerCr_ = nullptr;  // draws 0 (no line), for offLines
    // Under the lines: for each line pixel, the colour (its palette number)
    // that the pixel had before the first line over it, which a ground shows
    // where it clears the line. Taken from the picture as the pixel becomes
    // a line pixel; meaningless where the layer is 0, so never cleared.
    cairo_surface_t* beneath_ = nullptr;
    // Per pixel row, the columns [x0, x1) where the layer may be 255 (x0 >=
    // x1: none); rows lineTop_ to lineBottom_ (exclusive) may have some.
    // Set by what draws a line, emptied by clear().
    struct RowSpan {
        int x0 = 0, x1 = 0;
    };
    std::vector<RowSpan> lineRows_;
    int lineTop_ = 0, lineBottom_ = 0;
    void reachLines(long row, long x0, long x1);
    // The box of the pixels of the box lines may have set; empty when none.
    PixelRect linesWithin(long x0, long y0, long x1, long y1) const;
    // A line pixel from now on: what the picture holds there is what lies
    // under it, unless it is a line pixel already.
    void becomeLine(std::uint32_t* picture, std::uint8_t* layer, std::uint8_t* beneath, LineRole role);
    // Strokes the shape pathOn builds at width into the mask (with clipped,
    // off the labels' grounds, as a line is drawn), calls visit(row, from,
    // to) for each run of pixels it sets and clears the mask again.
    template <class Path, class Visit>
    void shapePixels(double width, bool clipped, Path pathOn, Visit visit);
    // No line any more where the shape pathOn builds (stroked at width, or
    // filled) sets pixels: drawn into the layer, where lines may be.
    template <class Path>
    void offLines(bool stroked, double width, Path pathOn);
    bool drawingLabel_ = false;
    // The grounds of the labels on the screen, in canvas pixels.
    std::vector<PixelRect> grounds_;
    // fill()'s: the grounds that meet the region (canvas pixels), while valid.
    std::vector<PixelRect> nearGrounds_;
    struct NearRegion {
        bool valid = false;
        long x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    };
    NearRegion nearRegion_;
    // The box of a span list's pixels (relative to its origin), kept for
    // some lists by where the list lies: they live as long as the canvas,
    // unchanged. spans must not be empty.
    struct SpanBox {
        const std::vector<PixelSpan>* spans = nullptr;
        long x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    };
    std::array<SpanBox, 64> spanBoxes_{};
    const SpanBox& boxOf(const std::vector<PixelSpan>& spans);
    // What a label must keep clear of: the boxes of texts, points, arrow
    // heads and labels on the screen, in logical units.
    struct Mark {
        UnitBox box;
        bool text = false;
        bool kept = false;  // kept clear for a point to come, which takes its place
        int label = 0;      // a label's number (from 1), which knows it again, not its box
    };
    int labels_ = 0;  // labels laid since the canvas was made
    std::vector<Mark> marks_;
    int ownDot_ = -1;  // the mark of a point drawn by the last operation
    void addMark(const UnitBox& box, bool text, bool dot = false);
    // While a label's extent is taken, operations draw opaque into this
    // canvas-sized mask instead; maskBox_ collects where. shapePixels draws
    // there too. All 0 between uses.
    bool intoMask_ = false;
    cairo_surface_t* mask_ = nullptr;
    cairo_t* maskCr_ = nullptr;
    PixelRect maskBox_;
};

}  // namespace rt
