// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/canvas.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "runtime/faces.h"
#include "runtime/palette.h"
#include "runtime/reading_rules.h"
#include "runtime/text.h"

namespace rt {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// The line layer's values: what set a pixel last, and what a ground cleared.
// A line that gives way is 128 or more (a ground clears it, back to what lay
// under it); one drawn over a line of meaning goes back to that line.
constexpr std::uint8_t kNoLine = 0, kClearedGivingWay = 16, kClearedMeaning = 32, kMeaningLine = 96,
                       kGivingWayOverMeaning = 200, kGivingWay = 255;
// How far beside a ground what is left of a line it cut across may reach
// and still be cleared: more is the line going on.
constexpr long kSliver = 6;
// The font size at which formulas set their magnified italic letters.
constexpr int kFormulaSize = 8;

char32_t codepoint(std::string_view ch) {
    auto c = static_cast<unsigned char>(ch.empty() ? 0 : ch[0]);
    if (c < 0x80 || ch.size() < 2) return c;
    int n = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
    char32_t cp = c & (0x7F >> n);
    for (int i = 1; i < n && i < static_cast<int>(ch.size()); ++i) cp = (cp << 6) | (ch[i] & 0x3F);
    return cp;
}

enum class Family { Gothic, Serif, Extra };

Family familyOf(std::string_view face) {
    if (face == "Times New Roman") return Family::Serif;
    if (face == "MT Extra") return Family::Extra;
    // "ｺﾞｼｯｸ", "ゴシック" and anything unknown.
    return Family::Gothic;
}

std::size_t charBytes(char lead) {
    auto c = static_cast<unsigned char>(lead);
    return c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
}

[[noreturn]] void missing(const FaceSource& src, const Message& why) {
    throw FatalError(
        say(N_("the font \"%1\" %2: install the Debian package %3"), {src.family, why, src.package}));
}

// Whether the file could not be mapped for want of memory: FreeType reads a
// face through a mapping of its file and reports that failure as one to
// open the file, which would blame an installed font.
bool noMemoryToMap(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOMEM;
    struct stat st {};
    bool lacking = false;
    if (fstat(fd, &st) == 0 && st.st_size > 0) {
        void* map = mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (map == MAP_FAILED)
            lacking = errno == ENOMEM;
        else
            munmap(map, static_cast<std::size_t>(st.st_size));
    }
    close(fd);
    return lacking;
}

// The file fontconfig gives for pattern; with want set, only if it is
// that family (fontconfig answers every request with some face).
FT_Face openFace(FT_Library lib, const std::string& pattern, const FaceSource* want = nullptr) {
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (!pat) throw FatalError(say(N_("fontconfig cannot read the pattern %1"), {pattern}));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    if (!match) {
        if (want) missing(*want, say(N_("is missing (fontconfig finds no fonts at all)")));
        throw FatalError(say(N_("fontconfig finds no font for %1"), {pattern}));
    }
    if (want) {
        bool same = false;
        FcChar8* family = nullptr;
        std::string got;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            if (i == 0) got = reinterpret_cast<const char*>(family);
            if (FcStrCmpIgnoreCase(family, reinterpret_cast<const FcChar8*>(want->family)) == 0) same = true;
        }
        if (!same) {
            FcPatternDestroy(match);
            missing(*want, say(N_("is missing (fontconfig offers \"%1\" in its place)"), {got}));
        }
    }
    FcChar8* file = nullptr;
    int index = 0;
    FcPatternGetString(match, FC_FILE, 0, &file);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FT_Face face = nullptr;
    const std::string path = file ? reinterpret_cast<const char*>(file) : "";
    FT_Error err = file ? FT_New_Face(lib, path.c_str(), index, &face) : 1;
    FcPatternDestroy(match);
    if (err == FT_Err_Out_Of_Memory || (err != 0 && file && noMemoryToMap(path)))
        throw FatalError(say(N_("out of memory while opening the font file %1"), {path}));
    if (err != 0) {
        const Message why =
            say(N_("cannot be opened from %1 (FreeType error %2)"), {path, std::to_string(err)});
        if (want) missing(*want, why);
        throw FatalError(say(N_("the font for %1 %2"), {pattern, why}));
    }
    return face;
}

// src's own face, which must have a glyph of its own for every character of
// its sample: without them the lessons' text would silently be missing.
FT_Face openFamily(FT_Library lib, const FaceSource& src) {
    FT_Face face = openFace(lib, src.family, &src);
    const std::string_view sample = src.sample;
    for (std::size_t i = 0; i < sample.size();) {
        const std::string_view ch = sample.substr(i, charBytes(sample[i]));
        if (FT_Get_Char_Index(face, codepoint(ch)) == 0) {
            FT_Done_Face(face);
            missing(src, say(N_("cannot draw the lessons' text (it has no \"%1\")"), {ch}));
        }
        i += ch.size();
    }
    return face;
}

// Loads fontconfig's configuration. Parsing it loses two small blocks for
// good; under LeakSanitizer they are left out of the leak check, which
// would otherwise start a symbolizer at every exit only to find them
// suppressed.
void startFontconfig() {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
    FcInit();
    __lsan_enable();
#else
    FcInit();
#endif
}

}  // namespace

void checkFace(const FaceSource& src) {
    startFontconfig();
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) throw FatalError(say(N_("the font library FreeType did not start")));
    try {
        FT_Done_Face(openFamily(lib, src));
    } catch (...) {
        FT_Done_FreeType(lib);
        throw;
    }
    FT_Done_FreeType(lib);
}

// One loaded face with the four style variants the lessons use.
struct FaceSet {
    FT_Face regular = nullptr;
    FT_Face bold = nullptr;    // nullptr: emboldened from regular
    FT_Face italic = nullptr;  // nullptr: slanted from regular
    FT_Face boldItalic = nullptr;
    // Cairo faces per style: 0 regular, 1 bold, 2 italic, 3 bold italic.
    cairo_font_face_t* cairo[4] = {nullptr, nullptr, nullptr, nullptr};
    FT_Face ft[4] = {nullptr, nullptr, nullptr, nullptr};
    // Where the baseline lies inside a glyph cell, as a fraction of its height.
    double baseline = 0.88;
    // The same for the formula size (font size 8 and below), where it differs.
    double formulaBaseline = 0.88;
    // How wide a glyph is drawn against its em. The lessons magnify the serif
    // letters 10 or 12 times across from size 8 and advance them by only 27 to
    // 32 units: at full width neighbouring letters would run into each other.
    double widthScale = 1.0;
};

class Fonts {
public:
    Fonts() {
        try {
            if (FT_Init_FreeType(&lib_) != 0)
                throw FatalError(say(N_("the font library FreeType did not start")));
            startFontconfig();
            // Every face sits in its cell as the Gothic face does (its metrics fit
            // its 1 em cell), so a label lands where its position puts it. The
            // exception: formulas set their italic letters at font size 8,
            // magnified into a cell the lessons place well above the line top, so
            // at that size the serif baseline lies below the cell to meet the
            // Gothic digits' baseline.
            load(gothic_, kGothicFace, 0.86, 0.86, 1.0);
            load(serif_, kSerifFace, 0.86, 1.12, 0.64);
            // The script l stands in an ordinary Gothic-sized cell.
            load(extra_, kSerifFace, 0.86, 0.86, 1.0);
        } catch (...) {
            release();
            throw;
        }
    }
    ~Fonts() { release(); }

    struct Glyph {
        cairo_font_face_t* face;
        unsigned long index;
        double advance;          // in ems
        double baseline;         // fraction of the cell height
        double formulaBaseline;  // the same at the formula size
        double widthScale;       // across, against the em
    };

    Glyph glyph(Family family, bool bold, bool italic, char32_t cp) {
        // The lessons use this face for its script small l.
        if (family == Family::Extra && cp == U'l') cp = U'\u2113';
        int style = (bold ? 1 : 0) + (italic ? 2 : 0);
        std::uint64_t key =
            (static_cast<std::uint64_t>(family) << 40) | (static_cast<std::uint64_t>(style) << 32) | cp;
        if (auto it = cache_.find(key); it != cache_.end()) return it->second;
        FaceSet* set = family == Family::Serif ? &serif_ : family == Family::Extra ? &extra_ : &gothic_;
        unsigned long index = FT_Get_Char_Index(set->ft[style], cp);
        if (index == 0 && set != &gothic_) {
            // Japanese and anything else the face lacks come from the Gothic face.
            set = &gothic_;
            index = FT_Get_Char_Index(set->ft[style], cp);
        }
        double advance = 0.5;
        if (FT_Load_Glyph(set->ft[style], index, FT_LOAD_NO_SCALE) == 0)
            advance = static_cast<double>(set->ft[style]->glyph->advance.x) / set->ft[style]->units_per_EM;
        Glyph g{set->cairo[style],    index,          advance * set->widthScale, set->baseline,
                set->formulaBaseline, set->widthScale};
        cache_.emplace(key, g);
        return g;
    }

private:
    void release() {
        for (FaceSet* f : {&gothic_, &serif_, &extra_}) {
            for (auto*& c : f->cairo)
                if (c) cairo_font_face_destroy(c);
            for (FT_Face face : {f->regular, f->bold, f->italic, f->boldItalic})
                if (face) FT_Done_Face(face);
            *f = FaceSet{};
        }
        if (lib_) FT_Done_FreeType(lib_);
        lib_ = nullptr;
    }

    void load(FaceSet& set, const FaceSource& src, double baseline, double formulaBaseline,
              double widthScale) {
        set.baseline = baseline;
        set.formulaBaseline = formulaBaseline;
        set.widthScale = widthScale;
        set.regular = openFamily(lib_, src);
        const std::string family = src.family;
        auto styled = [&](const char* style, bool wantBold, bool wantItalic) -> FT_Face {
            FT_Face f = openFace(lib_, family + ":" + style);
            bool isBold = (f->style_flags & FT_STYLE_FLAG_BOLD) != 0;
            bool isItalic = (f->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
            bool sameFamily = f->family_name && set.regular->family_name &&
                              std::string(f->family_name) == set.regular->family_name;
            if (sameFamily && isBold == wantBold && isItalic == wantItalic) return f;
            FT_Done_Face(f);
            return nullptr;
        };
        set.bold = styled("bold", true, false);
        set.italic = styled("italic", false, true);
        set.boldItalic = styled("bold:italic", true, true);
        FT_Face real[4] = {set.regular, set.bold, set.italic, set.boldItalic};
        for (int s = 0; s < 4; ++s) {
            FT_Face f = real[s] ? real[s] : set.regular;
            set.ft[s] = f;
            set.cairo[s] = cairo_ft_font_face_create_for_ft_face(f, 0);
            unsigned synth = 0;
            if ((s & 1) && !real[s]) synth |= CAIRO_FT_SYNTHESIZE_BOLD;
            if ((s & 2) && !real[s]) synth |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
            if (synth) cairo_ft_font_face_set_synthesize(set.cairo[s], synth);
        }
    }

    FT_Library lib_ = nullptr;
    FaceSet gothic_, serif_, extra_;
    std::unordered_map<std::uint64_t, Glyph> cache_;
};

// Faces are loaded once per process: a test run makes many canvases.
Fonts& sharedFonts() {
    static Fonts fonts;
    return fonts;
}

void loadFonts() { sharedFonts(); }

namespace {

// An image surface, or the end of the program with a message: drawing into a
// surface Cairo could not allocate would write through a null pointer.
cairo_surface_t* newSurface(cairo_format_t format, int w, int h, const char* what) {
    cairo_surface_t* s = cairo_image_surface_create(format, w, h);
    const cairo_status_t status = cairo_surface_status(s);
    if (status == CAIRO_STATUS_SUCCESS) return s;
    cairo_surface_destroy(s);
    throw FatalError(say(N_("cannot allocate %1 (%2x%3 pixels): %4"),
                         {say(what), std::to_string(w), std::to_string(h), cairo_status_to_string(status)}));
}

cairo_t* newContext(cairo_surface_t* s, const char* what) {
    cairo_t* cr = cairo_create(s);
    const cairo_status_t status = cairo_status(cr);
    if (status == CAIRO_STATUS_SUCCESS) return cr;
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    throw FatalError(say(N_("cannot draw on %1: %2"), {say(what), cairo_status_to_string(status)}));
}

// A context that draws as the canvas does: in logical units, unantialiased.
cairo_t* canvasContext(cairo_surface_t* surface, int scale, const char* what) {
    cairo_t* cr = newContext(surface, what);
    cairo_scale(cr, scale, scale);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, opts);
    cairo_font_options_destroy(opts);
    return cr;
}

}  // namespace

Canvas::Canvas(int scale) : scale_(std::max(1, scale)), fonts_(&sharedFonts()) {
    surface_ = newSurface(CAIRO_FORMAT_ARGB32, pixelWidth(), pixelHeight(), N_("the picture"));
    cr_ = canvasContext(surface_, scale_, N_("the picture"));
    // New image surfaces are all 0: the layer starts without lines, and
    // the pages of these three stay untouched until something is drawn there.
    layer_ = newSurface(CAIRO_FORMAT_A8, pixelWidth(), pixelHeight(), N_("the line layer"));
    layerCr_ = canvasContext(layer_, scale_, N_("the line layer"));
    cairo_set_operator(layerCr_, CAIRO_OPERATOR_SOURCE);
    beneath_ = newSurface(CAIRO_FORMAT_A8, pixelWidth(), pixelHeight(), N_("what lies under the lines"));
    mask_ = newSurface(CAIRO_FORMAT_A8, pixelWidth(), pixelHeight(), N_("the label mask"));
    maskCr_ = canvasContext(mask_, scale_, N_("the label mask"));
    lineRows_.resize(static_cast<std::size_t>(pixelHeight()));
    clear();
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
    cairo_destroy(layerCr_);
    cairo_surface_destroy(layer_);
    cairo_surface_destroy(beneath_);
    cairo_destroy(maskCr_);
    cairo_surface_destroy(mask_);
}

void Canvas::setColour(int c) {
    colour_ = c;
    const Rgb& rgb = paletteColour(c);
    cairo_set_source_rgb(cr_, rgb.r / 255.0, rgb.g / 255.0, rgb.b / 255.0);
}

void Canvas::clear() {
    lastFill_ = {};
    // Whatever a halo held back would have been painted over.
    heldBack_.clear();
    setColour(15);
    cairo_paint(cr_);
    checkDrawing();
    std::uint8_t* layer = cairo_image_surface_get_data(layer_);
    const long layerSt = cairo_image_surface_get_stride(layer_);
    for (int row = lineTop_; row < lineBottom_; ++row) {
        RowSpan& span = lineRows_[static_cast<std::size_t>(row)];
        if (span.x1 > span.x0) std::fill(layer + row * layerSt + span.x0, layer + row * layerSt + span.x1, 0);
        span = {};
    }
    lineTop_ = lineBottom_ = 0;
    grounds_.clear();
    nearRegion_.valid = false;
    marks_.clear();
    ownDot_ = -1;
    damagePixels(0, 0, pixelWidth(), pixelHeight());
}

template <class Path>
void Canvas::stroke(double width, bool lineStroke, Path pathOn, LineRole role) {
    // A line that gives way, drawn after a label, stops at its ground as one
    // drawn before it does; a line of meaning is what lies under such lines.
    const bool line = lineStroke && !drawingLabel_;
    const bool clipped = line && role == LineRole::givesWay && !intoMask_ && !grounds_.empty();
    if (clipped) {
        cairo_save(cr_);
        clipOutGrounds(cr_);
    }
    if (!intoMask_) {
        // The layer first, while the picture still shows what lies under the line.
        cairo_surface_flush(surface_);
        auto* data = cairo_image_surface_get_data(surface_);
        std::uint8_t* layer = cairo_image_surface_get_data(layer_);
        std::uint8_t* beneath = cairo_image_surface_get_data(beneath_);
        const long st = stride(), layerSt = cairo_image_surface_get_stride(layer_);
        PixelRect drawn{static_cast<int>(pixelWidth()), static_cast<int>(pixelHeight()), 0, 0};
        if (line)
            shapePixels(width, clipped, pathOn, [&](long row, long from, long to) {
                if (role == LineRole::meaning) {
                    std::fill(layer + row * layerSt + from, layer + row * layerSt + to, kMeaningLine);
                } else {
                    auto* picture = reinterpret_cast<std::uint32_t*>(data + row * st);
                    for (long col = from; col < to; ++col)
                        becomeLine(picture + col, layer + row * layerSt + col, beneath + row * layerSt + col,
                                   role);
                }
                reachLines(row, from, to);
                drawn = {std::min(drawn.x0, static_cast<int>(from)),
                         std::min(drawn.y0, static_cast<int>(row)), std::max(drawn.x1, static_cast<int>(to)),
                         std::max(drawn.y1, static_cast<int>(row) + 1)};
            });
        if (!line) offLines(true, width, pathOn);
        if (clipped)
            // Where the grounds stopped it, the line is as if cleared: what
            // is left beside them is measured as a cleared line's rest.
            shapePixels(width, false, pathOn, [&](long row, long from, long to) {
                for (const PixelRect& g : grounds_) {
                    if (row < g.y0 || row >= g.y1) continue;
                    const long a = std::max<long>(from, g.x0), b = std::min<long>(to, g.x1);
                    for (long col = a; col < b; ++col)
                        if (layer[row * layerSt + col] == kNoLine)
                            layer[row * layerSt + col] = kClearedGivingWay;
                    if (a < b) reachLines(row, a, b);
                }
            });
        // A line drawn beside a ground (one of meaning across what a ground
        // left of a line that gives way, or one that gives way, stopped by
        // it) can leave a sliver of a line that gives way: that goes too.
        if ((clipped || (line && role == LineRole::meaning)) && !drawn.empty()) {
            const int near = static_cast<int>(kSliver) * scale_;
            for (const PixelRect& g : grounds_)
                if (g.x0 - near < drawn.x1 && drawn.x0 < g.x1 + near && g.y0 - near < drawn.y1 &&
                    drawn.y0 < g.y1 + near)
                    trimSlivers(g);
        }
    }
    cairo_new_path(cr_);
    pathOn(cr_);
    strokeDamaged();
    if (clipped) cairo_restore(cr_);
}

namespace {

// The palette number of a picture pixel: every pixel is set to one of the
// palette's colours.
std::uint8_t paletteNumber(std::uint32_t pixel) {
    const auto is = [pixel](const Rgb& c) {
        return (pixel & 0xFFFFFFu) == ((static_cast<std::uint32_t>(c.r) << 16) | (c.g << 8) | c.b);
    };
    // The page first: most lines are drawn on it.
    if (is(kPalette[15])) return 15;
    for (std::uint8_t i = 0; i < 15; ++i)
        if (is(kPalette[i])) return i;
    return 15;
}

}  // namespace

void Canvas::becomeLine(std::uint32_t* picture, std::uint8_t* layer, std::uint8_t* beneath, LineRole role) {
    if (role == LineRole::meaning) {
        *layer = kMeaningLine;
        return;
    }
    if (*layer >= 128) return;
    *beneath = paletteNumber(*picture);
    *layer = *layer == kMeaningLine ? kGivingWayOverMeaning : kGivingWay;
}

void Canvas::reachLines(long row, long x0, long x1) {
    RowSpan& span = lineRows_[static_cast<std::size_t>(row)];
    if (span.x1 <= span.x0) {
        span = {static_cast<int>(x0), static_cast<int>(x1)};
    } else {
        span.x0 = std::min(span.x0, static_cast<int>(x0));
        span.x1 = std::max(span.x1, static_cast<int>(x1));
    }
    if (lineBottom_ <= lineTop_) {
        lineTop_ = static_cast<int>(row);
        lineBottom_ = static_cast<int>(row) + 1;
    } else {
        lineTop_ = std::min(lineTop_, static_cast<int>(row));
        lineBottom_ = std::max(lineBottom_, static_cast<int>(row) + 1);
    }
}

PixelRect Canvas::linesWithin(long x0, long y0, long x1, long y1) const {
    PixelRect lines{static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x0), static_cast<int>(y0)};
    for (long row = std::max<long>(y0, lineTop_), end = std::min<long>(y1, lineBottom_); row < end; ++row) {
        const RowSpan& span = lineRows_[static_cast<std::size_t>(row)];
        const int from = std::max(span.x0, static_cast<int>(x0)),
                  to = std::min(span.x1, static_cast<int>(x1));
        if (from >= to) continue;
        lines.x0 = std::min(lines.x0, from);
        lines.x1 = std::max(lines.x1, to);
        lines.y0 = std::min(lines.y0, static_cast<int>(row));
        lines.y1 = std::max(lines.y1, static_cast<int>(row) + 1);
    }
    return lines;
}

namespace {

// The box of pixels a shape built on c sets, stroked at width or filled: its
// extent and a pixel of margin, as for the damage (an unantialiased edge may
// set the pixel the extent touches), within the canvas.
PixelRect shapeBox(cairo_t* c, bool stroked, double width, int scale, int w, int h) {
    double x0, y0, x1, y1;
    if (stroked) {
        cairo_set_line_width(c, width);
        cairo_stroke_extents(c, &x0, &y0, &x1, &y1);
    } else {
        cairo_fill_extents(c, &x0, &y0, &x1, &y1);
    }
    return {std::max(static_cast<int>(std::floor(x0 * scale)) - 1, 0),
            std::max(static_cast<int>(std::floor(y0 * scale)) - 1, 0),
            std::min(static_cast<int>(std::ceil(x1 * scale)) + 1, w),
            std::min(static_cast<int>(std::ceil(y1 * scale)) + 1, h)};
}

// Where the bytes [at, end) stop being zero (end if they never do), and,
// with set, where they stop being 128 or more: 32 at a time where they can.
// The first and one past the last of the line layer's bytes [from, to)
// under 128 (no line that gives way yet); an empty range when none is.
std::pair<long, long> notLinesYet(const std::uint8_t* kinds, long from, long to) {
    long first = to, last = from;
    if constexpr (std::endian::native == std::endian::little) {
        // Eight at a time: a byte's top bit is clear where it is under 128.
        constexpr std::uint64_t kTops = 0x8080808080808080u;
        auto word = [&](long at, std::uint64_t keep) {
            std::uint64_t w;
            std::memcpy(&w, kinds + at, 8);
            const std::uint64_t under = ~w & kTops & keep;
            if (under == 0) return;
            first = std::min(first, at + std::countr_zero(under) / 8);
            last = at + (63 - std::countl_zero(under)) / 8 + 1;
        };
        long at = from;
        for (; at + 8 <= to; at += 8) word(at, ~std::uint64_t{0});
        // The rest as the last eight bytes of the run, those already seen left out.
        if (at < to && to - from >= 8)
            word(to - 8, ~std::uint64_t{0} << (8 * (8 - (to - at))));
        else
            for (; at < to; ++at)
                if (kinds[at] < 128) {
                    first = std::min(first, at);
                    last = at + 1;
                }
    } else {
        for (long at = from; at < to; ++at)
            if (kinds[at] < 128) {
                first = std::min(first, at);
                last = at + 1;
            }
    }
    return first < last ? std::pair{first, last} : std::pair{from, from};
}

const std::uint8_t* skipRun(const std::uint8_t* at, const std::uint8_t* end, bool set) {
    const std::uint64_t all = set ? ~std::uint64_t{0} : 0;
    while (end - at >= 32) {
        std::uint64_t w[4];
        std::memcpy(w, at, 32);
        if (((w[0] ^ all) | (w[1] ^ all) | (w[2] ^ all) | (w[3] ^ all)) != 0) break;
        at += 32;
    }
    while (at < end && (set ? *at >= 128 : *at == 0)) ++at;
    return at;
}

}  // namespace

template <class Path, class Visit>
void Canvas::shapePixels(double width, bool clipped, Path pathOn, Visit visit) {
    cairo_t* c = maskCr_;
    cairo_save(c);
    if (clipped) clipOutGrounds(c);
    cairo_new_path(c);
    pathOn(c);
    cairo_set_line_join(c, cairo_get_line_join(cr_));
    const PixelRect box = shapeBox(c, true, width, scale_, pixelWidth(), pixelHeight());
    if (box.empty()) {
        cairo_new_path(c);
        cairo_restore(c);
        return;
    }
    cairo_set_source_rgba(c, 0, 0, 0, 1);
    cairo_stroke(c);
    cairo_restore(c);
    cairo_surface_flush(mask_);
    std::uint8_t* mask = cairo_image_surface_get_data(mask_);
    const long maskSt = cairo_image_surface_get_stride(mask_);
    for (long row = box.y0; row < box.y1; ++row) {
        std::uint8_t* m = mask + row * maskSt;
        const std::uint8_t* end = m + box.x1;
        for (const std::uint8_t* at = m + box.x0; at < end;) {
            at = skipRun(at, end, false);
            if (at == end) break;
            const std::uint8_t* to = skipRun(at, end, true);
            if (to == at)
                ++to;  // a stray value under 128: no pixel of the shape
            else
                visit(row, at - m, to - m);
            std::fill(m + (at - m), m + (to - m), 0);
            at = to;
        }
    }
    cairo_surface_mark_dirty(mask_);
}

template <class Path>
void Canvas::offLines(bool stroked, double width, Path pathOn) {
    if (lineBottom_ <= lineTop_) return;
    // Elsewhere the layer is written directly: Cairo is told before it
    // draws there and waited for after.
    cairo_surface_mark_dirty(layer_);
    cairo_t* c = layerCr_;
    cairo_save(c);
    cairo_new_path(c);
    pathOn(c);
    cairo_set_line_join(c, cairo_get_line_join(cr_));
    PixelRect box = shapeBox(c, stroked, width, scale_, pixelWidth(), pixelHeight());
    if (!box.empty()) box = linesWithin(box.x0, box.y0, box.x1, box.y1);
    if (!box.empty()) {
        // A clip on whole pixels leaves the pixels within it as they would be
        // without it.
        const double k = scale_;
        cairo_new_path(c);
        cairo_rectangle(c, box.x0 / k, box.y0 / k, (box.x1 - box.x0) / k, (box.y1 - box.y0) / k);
        cairo_clip(c);
        cairo_new_path(c);
        pathOn(c);
        cairo_set_source_rgba(c, 0, 0, 0, 0);
        if (stroked)
            cairo_stroke(c);
        else
            cairo_fill(c);
    }
    cairo_new_path(c);
    cairo_restore(c);
    cairo_surface_flush(layer_);
    // What it covered may cut a line beside a ground off from the rest of it.
    if (!box.empty()) {
        const int near = static_cast<int>(kSliver) * scale_;
        for (const PixelRect& g : grounds_)
            if (g.x0 - near < box.x1 && box.x0 < g.x1 + near && g.y0 - near < box.y1 && box.y0 < g.y1 + near)
                trimSlivers(g);
    }
}

void Canvas::clipOutGrounds(cairo_t* c) {
    cairo_rectangle_int_t all{0, 0, pixelWidth(), pixelHeight()};
    cairo_region_t* open = cairo_region_create_rectangle(&all);
    for (const PixelRect& g : grounds_) {
        cairo_rectangle_int_t r{g.x0, g.y0, g.x1 - g.x0, g.y1 - g.y0};
        cairo_region_subtract_rectangle(open, &r);
    }
    const double k = scale_;
    cairo_new_path(c);
    for (int i = 0, n = cairo_region_num_rectangles(open); i < n; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(open, i, &r);
        cairo_rectangle(c, r.x / k, r.y / k, r.width / k, r.height / k);
    }
    cairo_region_destroy(open);
    cairo_clip(c);
}

void Canvas::uncover(double x0, double y0, double x1, double y1) {
    lastFill_ = {};
    if (intoMask_ || drawingLabel_) return;
    const double k = scale_;
    auto covered = [&](double cx, double cy) { return cx >= x0 && cx <= x1 && cy >= y0 && cy <= y1; };
    nearRegion_.valid = false;
    std::erase_if(grounds_, [&](const PixelRect& g) {
        return covered((g.x0 + g.x1) / (2 * k), (g.y0 + g.y1) / (2 * k));
    });
    std::erase_if(
        marks_, [&](const Mark& m) { return covered((m.box.x0 + m.box.x1) / 2, (m.box.y0 + m.box.y1) / 2); });
    ownDot_ = -1;
}

void Canvas::addMark(const UnitBox& box, bool text, bool dot) {
    if (intoMask_) return;
    ownDot_ = -1;
    if (drawingLabel_ || box.empty()) return;
    if (dot) {
        const float cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
        std::erase_if(marks_, [&](const Mark& m) {
            return m.kept && cx >= m.box.x0 && cx <= m.box.x1 && cy >= m.box.y0 && cy <= m.box.y1;
        });
    }
    marks_.push_back({box, text});
    if (dot) ownDot_ = static_cast<int>(marks_.size()) - 1;
}

bool Canvas::labelStands(int label) const {
    return label > 0 &&
           std::any_of(marks_.begin(), marks_.end(), [&](const Mark& m) { return m.label == label; });
}

Offset Canvas::freePlace(const UnitBox& ink, std::span<const UnitBox> parts, bool ownDotAside,
                         float within) const {
    // Its ink widened as far as its ground: what it meets there, a pupil
    // reads as one with it.
    const float m = kGroundMargin;
    // The label may touch its own dot, but its minus stands alone: a sign
    // stroke among its parts (not a plus's bar) keeps clear of the dot to
    // its left, above and below, the dot's partly covered edge pixels too.
    auto minusNearDot = [&](const UnitBox& dot, float dx, float dy) {
        const float cx = (dot.x0 + dot.x1) / 2, cy = (dot.y0 + dot.y1) / 2;
        const float reach = (dot.x1 - dot.x0) / 2 + 1.5f, c = reading::kMinusClear;
        auto upright = [](const UnitBox& p) { return p.x1 - p.x0 <= 6 && p.y1 - p.y0 > p.x1 - p.x0; };
        for (const UnitBox& p : parts) {
            const float w = p.x1 - p.x0, h = p.y1 - p.y0;
            if (h > 6 || w < 3 * h) continue;
            const float mx = (p.x0 + p.x1) / 2, my = (p.y0 + p.y1) / 2;
            if (std::any_of(parts.begin(), parts.end(), [&](const UnitBox& q) {
                    return upright(q) && q.x0 < mx && mx < q.x1 && q.y0 < my && my < q.y1;
                }))
                continue;
            const UnitBox zone{p.x0 + dx - c, p.y0 + dy - c, p.x1 + dx, p.y1 + dy + c};
            const float ox = std::max({zone.x0 - cx, 0.0f, cx - zone.x1}),
                        oy = std::max({zone.y0 - cy, 0.0f, cy - zone.y1});
            if (std::hypot(ox, oy) < reach) return true;
        }
        return false;
    };
    auto free = [&](float dx, float dy) {
        const UnitBox at{ink.x0 + dx, ink.y0 + dy, ink.x1 + dx, ink.y1 + dy};
        const UnitBox b{at.x0 - m, at.y0 - m, at.x1 + m, at.y1 + m};
        if (b.x0 < 0 || b.y0 < 0 || b.x1 > kViewWidth ||
            (b.y1 > reading::kStatusTop - reading::kStacked && b.y0 < kStatusBottom))
            return false;
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            const UnitBox& o = marks_[i].box;
            if (ownDotAside && static_cast<int>(i) == ownDot_) {
                if (minusNearDot(o, dx, dy)) return false;
                continue;
            }
            auto same = [&](const UnitBox& p) {
                return std::fabs(p.x0 - o.x0) < 1 && std::fabs(p.x1 - o.x1) < 1 &&
                       std::fabs(p.y0 - o.y0) < 1 && std::fabs(p.y1 - o.y1) < 1;
            };
            if (marks_[i].text && marks_[i].label == 0 && std::any_of(parts.begin(), parts.end(), same))
                continue;
            if (marks_[i].text) {
                // Texts read apart: across on one line, less when stacked.
                const float overlap = std::min(at.y1, o.y1) - std::max(at.y0, o.y0);
                const float across = std::max(o.x0 - at.x1, at.x0 - o.x1);
                if (overlap > reading::kSameLineOverlap * std::min(at.y1 - at.y0, o.y1 - o.y0)) {
                    if (across < reading::kApart) return false;
                } else if (across < 0 && std::max(o.y0 - at.y1, at.y0 - o.y1) < reading::kStacked) {
                    return false;
                }
            }
            // Nor does anything stand on its ground, a text corner to corner either.
            if (b.x0 < o.x1 && o.x0 < b.x1 && b.y0 < o.y1 && o.y0 < b.y1) return false;
        }
        // A line of meaning is never cleared: the label stands off it, as
        // far as a minus keeps from any ink.
        constexpr float kOff = reading::kMinusClear;
        return !meaningWithin({at.x0 - kOff, at.y0 - kOff, at.x1 + kOff, at.y1 + kOff});
    };
    if (free(0, 0)) return {};
    // The nearest free place on a grid of 4 units, within 120: the first
    // free one in order of distance, and of across then down among equals.
    constexpr int kStep = 4, kReach = 30;
    struct Step {
        int i, j;
    };
    static const std::vector<Step> order = [] {
        std::vector<Step> steps;
        for (int i = -kReach; i <= kReach; ++i)
            for (int j = -kReach; j <= kReach; ++j)
                if (i != 0 || j != 0) steps.push_back({i, j});
        std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
            return a.i * a.i + a.j * a.j < b.i * b.i + b.j * b.j;
        });
        return steps;
    }();
    const float farthest = within / kStep;
    for (const Step& s : order) {
        // In order of distance: the first beyond reach ends the search.
        if (static_cast<float>(s.i * s.i + s.j * s.j) > farthest * farthest) break;
        if (free(static_cast<float>(s.i * kStep), static_cast<float>(s.j * kStep)))
            return {static_cast<float>(s.i * kStep), static_cast<float>(s.j * kStep)};
    }
    return {};
}

template <class Path>
void Canvas::markFill(Path pathOn) {
    if (!intoMask_) offLines(false, 0, pathOn);
}

bool Canvas::meaningWithin(const UnitBox& box) const {
    const std::uint8_t* layer = cairo_image_surface_get_data(layer_);
    const long st = cairo_image_surface_get_stride(layer_);
    const long x0 = std::max(0L, static_cast<long>(std::floor(box.x0 * scale_))),
               y0 = std::max<long>(lineTop_, static_cast<long>(std::floor(box.y0 * scale_))),
               x1 = std::min<long>(pixelWidth(), static_cast<long>(std::ceil(box.x1 * scale_))),
               y1 = std::min<long>(lineBottom_, static_cast<long>(std::ceil(box.y1 * scale_)));
    for (long row = y0; row < y1; ++row) {
        const RowSpan& span = lineRows_[static_cast<std::size_t>(row)];
        const long from = std::max<long>(x0, span.x0), to = std::min<long>(x1, span.x1);
        const std::uint8_t* line = layer + row * st;
        for (long col = from; col < to; ++col)
            if (line[col] == kMeaningLine || line[col] == kGivingWayOverMeaning) return true;
    }
    return false;
}

Canvas::LineMark Canvas::lineAt(int px, int py) {
    if (px < 0 || py < 0 || px >= pixelWidth() || py >= pixelHeight()) return LineMark::none;
    cairo_surface_flush(layer_);
    const std::uint8_t* data = cairo_image_surface_get_data(layer_);
    switch (data[static_cast<std::size_t>(py) * cairo_image_surface_get_stride(layer_) + px]) {
        case kMeaningLine:
            return LineMark::meaning;
        case kGivingWay:
        case kGivingWayOverMeaning:
            return LineMark::givesWay;
        case kClearedMeaning:
            return LineMark::clearedMeaning;
        case kClearedGivingWay:
            return LineMark::clearedGivesWay;
        default:
            return LineMark::none;
    }
}

void Canvas::damageUnits(double x0, double y0, double x1, double y1) {
    // A pixel of margin: unantialiased edges may set the pixel the extent touches.
    damagePixels(
        static_cast<long>(std::floor(x0 * scale_)) - 1, static_cast<long>(std::floor(y0 * scale_)) - 1,
        static_cast<long>(std::ceil(x1 * scale_)) + 1, static_cast<long>(std::ceil(y1 * scale_)) + 1);
}

void Canvas::damagePixels(long x0, long y0, long x1, long y1) {
    x0 = std::max(x0, 0L);
    y0 = std::max(y0, 0L);
    x1 = std::min<long>(x1, pixelWidth());
    y1 = std::min<long>(y1, pixelHeight());
    if (x1 <= x0 || y1 <= y0) return;
    PixelRect& d = intoMask_ ? maskBox_ : damage_;
    if (d.empty()) {
        d = {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1)};
        return;
    }
    d.x0 = std::min(d.x0, static_cast<int>(x0));
    d.y0 = std::min(d.y0, static_cast<int>(y0));
    d.x1 = std::max(d.x1, static_cast<int>(x1));
    d.y1 = std::max(d.y1, static_cast<int>(y1));
}

PixelRect Canvas::takeDamage() {
    lastFill_ = {};
    PixelRect d = damage_;
    damage_ = {};
    return d;
}

void Canvas::line(float x1, float y1, float x2, float y2, int colour, int kind, int fill, int width,
                  LineRole role) {
    if (haloDepth_ > 0) {
        heldBack_.push_back([=, this] { line(x1, y1, x2, y2, colour, kind, fill, width, role); });
        return;
    }
    lastFill_ = {};
    cairo_set_line_width(cr_, std::max(1, width));
    // Anything in the page colour erases: what it leaves is no line.
    const bool lineStroke = colour != 15;
    if (kind == 0) {
        auto path = [=](cairo_t* c) {
            cairo_move_to(c, x1, y1);
            cairo_line_to(c, x2, y2);
        };
        if (!lineStroke) uncover(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
        // A maths text's sign strokes (a minus, the bar of a plus) are text.
        const float half = std::max(1, width) / 2.0f;
        if (lineStroke && width >= 4 && y1 == y2 && std::fabs(x2 - x1) <= 24)
            addMark({std::min(x1, x2) - half, std::min(y1, y2) - half, std::max(x1, x2) + half,
                     std::max(y1, y2) + half},
                    true);
        else if (!intoMask_)
            ownDot_ = -1;
        if (intoMask_ && lineStroke && width >= 4 && y1 == y2 && std::fabs(x2 - x1) <= 24)
            minusInk_.push_back({std::min(x1, x2) - half, y1 - half, std::max(x1, x2) + half, y1 + half});
        setColour(colour);
        stroke(std::max(1, width), lineStroke, path, role);
    } else {
        double x = std::min(x1, x2), y = std::min(y1, y2);
        double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
        auto path = [=](cairo_t* c) { cairo_rectangle(c, x, y, w, h); };
        // A filled box covers what lies under it, a label among them.
        if (kind == 2 || !lineStroke) uncover(x, y, x + w, y + h);
        if (!intoMask_) ownDot_ = -1;
        if (kind == 2) {
            setColour(fill < 0 ? colour : fill);
            path(cr_);
            cairo_fill(cr_);
            checkDrawing();
            markFill(path);
        }
        // Square corners: a box is a box, even with a thick pen.
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
        setColour(colour);
        stroke(std::max(1, width), lineStroke, path, role);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    }
}

void Canvas::strokeDamaged() {
    double x0, y0, x1, y1;
    cairo_stroke_extents(cr_, &x0, &y0, &x1, &y1);
    damageUnits(x0, y0, x1, y1);
    cairo_stroke(cr_);
    checkDrawing();
}

void Canvas::checkDrawing() {
    // Cairo stops drawing for good after a failed allocation: end with a
    // message instead of a picture that silently no longer changes.
    const cairo_status_t status = cairo_status(cr_);
    if (status != CAIRO_STATUS_SUCCESS)
        throw FatalError(say(N_("cannot draw: %1"), {cairo_status_to_string(status)}));
}

void Canvas::circle(float x, float y, float r, int colour, float start, float end, bool filled,
                    int fillColour, int width, LineRole role) {
    if (haloDepth_ > 0) {
        heldBack_.push_back(
            [=, this] { circle(x, y, r, colour, start, end, filled, fillColour, width, role); });
        return;
    }
    double w = std::max(1, width);
    r = std::fabs(r);
    bool whole = start == 0 && end == 0;
    const float reach = r + static_cast<float>(w) / 2;
    if (colour == 15 || (filled && (fillColour < 0 ? colour : fillColour) == 15)) {
        if (!(whole && r <= 2)) uncover(x - reach, y - reach, x + reach, y + reach);
    } else if (!(whole && r <= 2) && (filled || r <= 12)) {
        // A point (a dot, a small ring) is a mark; a pen dot, a circle and
        // an arc are lines.
        addMark({x - reach, y - reach, x + reach, y + reach}, false, true);
    } else if (!intoMask_) {
        ownDot_ = -1;
    }
    if (whole && r < w) {
        // A dot: at least the pen's width across. A graph is thousands of
        // them, so each is a cached run list rather than a path to fill; a
        // dot of a pen's size is a piece of a line, a larger one a point.
        const long qx = std::lround(x * scale_ * 4), qy = std::lround(y * scale_ * 4);
        fill(disc((r + w / 2) * scale_, static_cast<int>(qx & 3), static_cast<int>(qy & 3)), qx >> 2, qy >> 2,
             colour, r <= 2 && colour != 15, role);
        return;
    }
    lastFill_ = {};
    cairo_set_line_width(cr_, w);
    double a0 = whole ? 0 : kTwoPi * start, a1 = whole ? kTwoPi : kTwoPi * end;
    auto sector = [=](cairo_t* c) {
        if (!whole) cairo_move_to(c, x, y);
        cairo_arc(c, x, y, r, a0, a1);
        cairo_close_path(c);
    };
    if (filled) {
        setColour(fillColour < 0 ? colour : fillColour);
        cairo_new_path(cr_);
        sector(cr_);
        cairo_fill(cr_);
        checkDrawing();
        markFill(sector);
    }
    setColour(colour);
    // A filled point and a small ring (an open end point) are marks; a large
    // circle or an arc is a line.
    stroke(
        w, !filled && r > 12 && colour != 15,
        [=](cairo_t* c) {
            if (filled && !whole)
                sector(c);
            else
                cairo_arc(c, x, y, r, a0, a1);
        },
        role);
}

namespace {

// A glyph is rasterised once into runs of set pixels (PixelSpan). Filling runs is far cheaper than
// compositing a glyph mask, and the lessons draw the same few glyphs over and over.
cairo_font_options_t* crispOptions() {
    static cairo_font_options_t* opts = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
        return o;
    }();
    return opts;
}

std::vector<PixelSpan> rasterise(cairo_font_face_t* face, unsigned long index, double sx, double sy,
                                 double fx, double fy) {
    cairo_surface_t* probe = newSurface(CAIRO_FORMAT_A8, 1, 1, N_("a glyph's probe"));
    cairo_t* pc = newContext(probe, N_("a glyph's probe"));
    cairo_set_font_face(pc, face);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, sx, sy);
    cairo_set_font_matrix(pc, &m);
    cairo_set_font_options(pc, crispOptions());
    cairo_glyph_t g{index, 0, 0};
    cairo_text_extents_t ext;
    cairo_glyph_extents(pc, &g, 1, &ext);
    cairo_destroy(pc);
    cairo_surface_destroy(probe);

    const int pad = 2;
    const int left = static_cast<int>(std::floor(ext.x_bearing)) - pad;
    const int top = static_cast<int>(std::floor(ext.y_bearing)) - pad;
    const int w = static_cast<int>(std::ceil(ext.width)) + 2 * pad + 2;
    const int h = static_cast<int>(std::ceil(ext.height)) + 2 * pad + 2;
    std::vector<PixelSpan> spans;
    if (ext.width <= 0 || ext.height <= 0) return spans;

    cairo_surface_t* mask = newSurface(CAIRO_FORMAT_A8, w, h, N_("a glyph's mask"));
    cairo_t* mc = newContext(mask, N_("a glyph's mask"));
    cairo_set_antialias(mc, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_face(mc, face);
    cairo_set_font_matrix(mc, &m);
    cairo_set_font_options(mc, crispOptions());
    g.x = -left + fx;
    g.y = -top + fy;
    cairo_show_glyphs(mc, &g, 1);
    cairo_destroy(mc);
    cairo_surface_flush(mask);
    const std::uint8_t* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    for (int row = 0; row < h; ++row) {
        const std::uint8_t* line = data + static_cast<std::size_t>(row) * stride;
        for (int col = 0; col < w;) {
            if (line[col] < 128) {
                ++col;
                continue;
            }
            int run = col;
            while (run < w && line[run] >= 128) ++run;
            spans.push_back({static_cast<std::int16_t>(row + top), static_cast<std::int16_t>(col + left),
                             static_cast<std::int16_t>(run - col)});
            col = run;
        }
    }
    cairo_surface_destroy(mask);
    return spans;
}

}  // namespace

const std::vector<PixelSpan>& Canvas::stamp(void* face, unsigned long index, double sx, double sy, int fx,
                                            int fy) {
    StampKey key{
        face, index, static_cast<long>(std::lround(sx * 64)), static_cast<long>(std::lround(sy * 64)),
        fx,   fy};
    auto it = stamps_.find(key);
    if (it == stamps_.end())
        it = stamps_
                 .emplace(key,
                          rasterise(static_cast<cairo_font_face_t*>(face), index, sx, sy, fx / 4.0, fy / 4.0))
                 .first;
    return it->second;
}

void Canvas::symbol(std::string_view text, float x, float y, int h, int v, int colour,
                    const TextStyle& font) {
    if (haloDepth_ > 0) {
        heldBack_.push_back(
            [=, this, text = std::string(text), font = font] { symbol(text, x, y, h, v, colour, font); });
        return;
    }
    lastFill_ = {};
    if (intoMask_ && colour != 15) {
        // A label's minuses: what its ground keeps clear around.
        double pen = x;
        for (const std::string& ch : chars(text)) {
            if (ch == "-" || ch == "\u2212" || ch == "\uFF0D") {
                const UnitBox m = textInk(ch, static_cast<float>(pen), y, h, v, font);
                if (!m.empty()) minusInk_.push_back(m);
            }
            pen += (isSingleByte(ch) ? font.size / 2.0 : font.size) * h;
        }
    }
    if (!intoMask_ && !drawingLabel_) {
        const UnitBox ink = textInk(text, x, y, h, v, font);
        if (colour == 15)
            uncover(ink.x0, ink.y0, ink.x1, ink.y1);
        else
            addMark(ink, true);
    }
    placeGlyphs(text, x, y, h, v, font,
                [&](const std::vector<PixelSpan>& spans, long ox, long oy) { fill(spans, ox, oy, colour); });
}

UnitBox Canvas::textInk(std::string_view text, float x, float y, int h, int v, const TextStyle& font) {
    long x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool any = false;
    placeGlyphs(text, x, y, h, v, font, [&](const std::vector<PixelSpan>& spans, long ox, long oy) {
        if (spans.empty()) return;
        const SpanBox& box = boxOf(spans);
        x0 = any ? std::min(x0, ox + box.x0) : ox + box.x0;
        x1 = any ? std::max(x1, ox + box.x1) : ox + box.x1;
        y0 = any ? std::min(y0, oy + box.y0) : oy + box.y0;
        y1 = any ? std::max(y1, oy + box.y1) : oy + box.y1;
        any = true;
    });
    if (!any) return {};
    const float k = static_cast<float>(scale_);
    return {x0 / k, y0 / k, x1 / k, y1 / k};
}

template <class Put>
void Canvas::placeGlyphs(std::string_view text, float x, float y, int h, int v, const TextStyle& font,
                         Put put) {
    const Family family = familyOf(font.face);
    const double size = font.size;
    const double cellH = size * v;
    double pen = x;
    for (const std::string& ch : chars(text)) {
        const double cellW = (isSingleByte(ch) ? size / 2 : size) * h;
        const char32_t cp = codepoint(ch);
        const Fonts::Glyph glyph = fonts_->glyph(family, font.bold, font.italic, cp);
        if (glyph.index != 0 && cp == U'\u00D7') {
            // A multiplication sign: magnified alike across and down (a
            // stretched one reads as a capital X), centred across its cell
            // and on the cell's middle, where the digits' middle lies.
            const double em = size * std::min(h, v);
            const double gx = pen + (cellW - glyph.advance * em) / 2;
            const long qx = std::lround(gx * scale_ * 4);
            const auto& probe =
                stamp(glyph.face, glyph.index, em * scale_, em * scale_, static_cast<int>(qx & 3), 0);
            if (!probe.empty()) {
                int inkTop = probe.front().dy, inkBottom = probe.front().dy;
                for (const PixelSpan& sp : probe) {
                    inkTop = std::min<int>(inkTop, sp.dy);
                    inkBottom = std::max<int>(inkBottom, sp.dy);
                }
                const long oy = std::lround((y + cellH / 2) * scale_ - (inkTop + inkBottom + 1) / 2.0);
                put(probe, qx >> 2, oy);
            }
        } else if (glyph.index != 0) {
            // Full-width faces fill their cells; narrowed letters start at the pen.
            // The script l is magnified alike across and down and starts at
            // the pen: stretched across, it reads as a dash and an e.
            const bool script = family == Family::Extra;
            // The Gothic face's half-width letters are proportional, the lessons'
            // layout fixed-pitch: one wider than its cell is narrowed to it, or
            // neighbouring digits touch; a point or comma starts at the pen as in
            // a fixed-pitch face, since a decimal point is given less than its
            // cell and centred would sit under the next digit.
            const bool halfWidth = family == Family::Gothic && isSingleByte(ch);
            const double fit = halfWidth ? std::min(1.0, 0.5 / glyph.advance) : 1.0;
            const bool atPen = halfWidth && (cp == U'.' || cp == U',');
            const double across = script ? cellH : size * h * glyph.widthScale * fit;
            const double gx = glyph.widthScale == 1.0 && !script && !atPen
                                  ? pen + (cellW - glyph.advance * fit * size * h) / 2
                                  : pen;
            const double gy = y + (size <= kFormulaSize ? glyph.formulaBaseline : glyph.baseline) * cellH;
            // The origin to a quarter pixel, so the cache stays small.
            const long qx = std::lround(gx * scale_ * 4), qy = std::lround(gy * scale_ * 4);
            put(stamp(glyph.face, glyph.index, across * scale_, cellH * scale_, static_cast<int>(qx & 3),
                      static_cast<int>(qy & 3)),
                qx >> 2, qy >> 2);
        }
        pen += cellW;
    }
}

const std::vector<PixelSpan>& Canvas::disc(double radius, int fx, int fy) {
    StampKey key{nullptr, 0, std::lround(radius * 64), 0, fx, fy};
    auto it = stamps_.find(key);
    if (it != stamps_.end()) return it->second;
    // Pixels whose centres lie inside the circle, as the unantialiased fill
    // of the same circle would set them.
    std::vector<PixelSpan> spans;
    const double cx = fx / 4.0, cy = fy / 4.0;
    const int reach = static_cast<int>(std::ceil(radius)) + 1;
    for (int dy = -reach; dy <= reach; ++dy) {
        const double yc = dy + 0.5 - cy;
        if (std::fabs(yc) > radius) continue;
        const double half = std::sqrt(radius * radius - yc * yc);
        const long from = static_cast<long>(std::ceil(cx - half - 0.5));
        const long to = static_cast<long>(std::floor(cx + half - 0.5));
        if (to >= from)
            spans.push_back({static_cast<std::int16_t>(dy), static_cast<std::int16_t>(from),
                             static_cast<std::int16_t>(to - from + 1)});
    }
    return stamps_.emplace(key, std::move(spans)).first->second;
}

const Canvas::SpanBox& Canvas::boxOf(const std::vector<PixelSpan>& spans) {
    SpanBox& box = spanBoxes_[(reinterpret_cast<std::uintptr_t>(&spans) / sizeof(spans)) % spanBoxes_.size()];
    if (box.spans != &spans) {
        long x0 = spans.front().dx, x1 = x0 + spans.front().len, y0 = spans.front().dy, y1 = y0 + 1;
        for (const PixelSpan& sp : spans) {
            x0 = std::min<long>(x0, sp.dx), x1 = std::max<long>(x1, sp.dx + sp.len);
            y0 = std::min<long>(y0, sp.dy), y1 = std::max<long>(y1, sp.dy + 1);
        }
        box = {&spans, x0, y0, x1, y1};
    }
    return box;
}

void Canvas::fill(const std::vector<PixelSpan>& spans, long ox, long oy, int colour, bool lineStroke,
                  LineRole role) {
    // The same fill again, nothing else drawn between (a graph's dots where
    // it moves less than a quarter pixel), sets nothing new.
    const LastFill now{&spans, ox, oy, colour, lineStroke, role, intoMask_, drawingLabel_};
    if (lastFill_ == now) return;
    lastFill_ = now;
    if (intoMask_) {
        cairo_surface_flush(mask_);
        std::uint8_t* data = cairo_image_surface_get_data(mask_);
        const long st = cairo_image_surface_get_stride(mask_), pw = pixelWidth(), ph = pixelHeight();
        for (const PixelSpan& sp : spans) {
            const long row = oy + sp.dy;
            if (row < 0 || row >= ph) continue;
            const long from = std::max(ox + sp.dx, 0L), to = std::min(ox + sp.dx + sp.len, pw);
            if (from >= to) continue;
            std::fill(data + row * st + from, data + row * st + to, std::uint8_t{255});
            damagePixels(from, row, to, row + 1);
        }
        cairo_surface_mark_dirty(mask_);
        return;
    }
    const Rgb& rgb = paletteColour(colour);
    const std::uint32_t pixel = 0xFF000000u | (rgb.r << 16) | (rgb.g << 8) | rgb.b;
    const bool line = lineStroke && !drawingLabel_;
    const bool givesWay = line && role == LineRole::givesWay;
    cairo_surface_flush(surface_);
    std::uint8_t* data = cairo_image_surface_get_data(surface_);
    std::uint8_t* layer = cairo_image_surface_get_data(layer_);
    std::uint8_t* beneath = cairo_image_surface_get_data(beneath_);
    // The line layer and the layer under the lines are alike in size and format: one stride.
    const long st = stride(), layerSt = cairo_image_surface_get_stride(layer_), pw = pixelWidth(),
               ph = pixelHeight();
    long bx0 = pw, by0 = ph, bx1 = 0, by1 = 0;
    // The grounds a line's pen dot may meet: seldom any, and a graph is
    // thousands of dots, so the grounds near a region around a dot are kept
    // for the next dots while they stay within it and the grounds stay as
    // they are. A ground there that a dot does not reach changes nothing.
    std::span<const PixelRect> near;
    if (givesWay && !grounds_.empty() && !spans.empty()) {
        const SpanBox& box = boxOf(spans);
        const long x0 = box.x0 + ox, x1 = box.x1 + ox, y0 = box.y0 + oy, y1 = box.y1 + oy;
        NearRegion& r = nearRegion_;
        if (!r.valid || x0 < r.x0 || y0 < r.y0 || x1 > r.x1 || y1 > r.y1) {
            constexpr long kAround = 64;
            r = {true, x0 - kAround, y0 - kAround, x1 + kAround, y1 + kAround};
            nearGrounds_.clear();
            for (const PixelRect& g : grounds_)
                if (g.x0 < r.x1 && r.x0 < g.x1 && g.y0 < r.y1 && r.y0 < g.y1) nearGrounds_.push_back(g);
        }
        near = nearGrounds_;
    }
    for (const PixelSpan& sp : spans) {
        const long row = oy + sp.dy;
        if (row < 0 || row >= ph) continue;
        const long from = std::max(ox + sp.dx, 0L), to = std::min(ox + sp.dx + sp.len, pw);
        if (from >= to) continue;
        auto* target = reinterpret_cast<std::uint32_t*>(data + row * st);
        std::uint8_t* kinds = layer + row * layerSt;
        if (line && !givesWay) {
            // A line of meaning crosses the grounds: no label is cleared for it.
            std::fill(kinds + from, kinds + to, kMeaningLine);
            std::fill(target + from, target + to, pixel);
            reachLines(row, from, to);
        } else if (line) {
            std::uint8_t* under = beneath + row * layerSt;
            const bool crossesGround = std::any_of(near.begin(), near.end(), [&](const PixelRect& g) {
                return row >= g.y0 && row < g.y1 && from < g.x1 && g.x0 < to;
            });
            bool fresh = crossesGround;
            if (!crossesGround) {
                // A graph's next dot lies nearly all over the line drawn so
                // far, whose pixels change only in the picture: the new ones
                // lie between the first and the last that are no line yet.
                const auto [first, last] = notLinesYet(kinds, from, to);
                fresh = first < last;
                // Without a branch, so that it runs a vector at a time: the
                // new pixels lie scattered along a dot's edge, and nearly all
                // of them on the page; any other colour is looked up after.
                constexpr std::uint8_t kLookUp = 0xFF;
                std::uint8_t lookUp = 0;
                for (long col = first; col < last; ++col) {
                    const std::uint8_t page = (target[col] & 0xFFFFFFu) == 0xFFFFFFu ? 15 : kLookUp;
                    const bool wasLine = kinds[col] >= 128;
                    const std::uint8_t now = wasLine ? under[col] : page;
                    under[col] = now;
                    lookUp |= now == kLookUp;
                    kinds[col] = wasLine                      ? kinds[col]
                                 : kinds[col] == kMeaningLine ? kGivingWayOverMeaning
                                                              : kGivingWay;
                }
                if (lookUp)
                    for (long col = first; col < last; ++col)
                        if (under[col] == kLookUp) under[col] = paletteNumber(target[col]);
                std::fill(target + from, target + to, pixel);
            } else {
                for (long col = from; col < to; ++col) {
                    // A line's pen dot leaves the labels' grounds alone.
                    const bool onGround = std::any_of(near.begin(), near.end(), [&](const PixelRect& g) {
                        return col >= g.x0 && col < g.x1 && row >= g.y0 && row < g.y1;
                    });
                    if (onGround) {
                        if (kinds[col] == kNoLine) kinds[col] = kClearedGivingWay;
                        continue;
                    }
                    becomeLine(target + col, kinds + col, under + col, role);
                    target[col] = pixel;
                }
            }
            // Pixels that are lines already lie within the rows' reach.
            if (fresh) reachLines(row, from, to);
        } else {
            std::fill(target + from, target + to, pixel);
            const RowSpan& lines = lineRows_[static_cast<std::size_t>(row)];
            if (lines.x0 < to && from < lines.x1)
                std::fill(kinds + std::max<long>(from, lines.x0), kinds + std::min<long>(to, lines.x1), 0);
        }
        bx0 = std::min(bx0, from);
        bx1 = std::max(bx1, to);
        by0 = std::min(by0, row);
        by1 = std::max(by1, row + 1);
    }
    cairo_surface_mark_dirty(surface_);
    damagePixels(bx0, by0, bx1, by1);
    // A pen dot the grounds cut leaves no sliver beside them; one that ends
    // farther off than a sliver reaches cannot leave one.
    const long reach = kSliver * scale_;
    for (const PixelRect& g : nearGrounds_)
        if (g.x0 - reach < bx1 && bx0 < g.x1 + reach && g.y0 - reach < by1 && by0 < g.y1 + reach)
            trimSlivers(g);
}

void Canvas::connect(int colour, std::span<const Point> points, int width, LineRole role) {
    if (points.empty()) return;
    if (haloDepth_ > 0) {
        heldBack_.push_back([=, this, pts = std::vector<Point>(points.begin(), points.end())] {
            connect(colour, pts, width, role);
        });
        return;
    }
    lastFill_ = {};
    if (!intoMask_) ownDot_ = -1;
    cairo_set_line_width(cr_, std::max(1, width));
    setColour(colour);
    auto path = [points](cairo_t* c) {
        cairo_move_to(c, points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(c, points[i].x, points[i].y);
        if (points.size() == 1) cairo_line_to(c, points[0].x, points[0].y);
    };
    if (colour == 15) {
        float x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
        for (const Point& p : points) {
            x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
        }
        uncover(x0, y0, x1, y1);
    }
    stroke(std::max(1, width), colour != 15, path, role);
}

void Canvas::connectFilled(int outline, int fill, std::span<const Point> points, int width) {
    if (points.empty()) return;
    if (haloDepth_ > 0) {
        heldBack_.push_back([=, this, pts = std::vector<Point>(points.begin(), points.end())] {
            connectFilled(outline, fill, pts, width);
        });
        return;
    }
    lastFill_ = {};
    auto path = [points](cairo_t* c) {
        cairo_move_to(c, points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(c, points[i].x, points[i].y);
        cairo_close_path(c);
    };
    float x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point& p : points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    uncover(x0, y0, x1, y1);
    if (x1 - x0 <= 30 && y1 - y0 <= 30) {
        const float half = std::max(1, width) / 2.0f;
        addMark({x0 - half, y0 - half, x1 + half, y1 + half}, false);
    }
    cairo_new_path(cr_);
    path(cr_);
    setColour(fill);
    cairo_fill(cr_);
    checkDrawing();
    markFill(path);
    cairo_set_line_width(cr_, std::max(1, width));
    setColour(outline);
    // An arrow head is a mark; a larger shape's outline is a line.
    stroke(std::max(1, width), outline != 15 && (x1 - x0 > 30 || y1 - y0 > 30), path);
}

void Canvas::endHalo() {
    if (haloDepth_ == 0 || --haloDepth_ > 0 || heldBack_.empty()) return;
    lastFill_ = {};
    const std::vector<std::function<void()>> ops = std::move(heldBack_);
    heldBack_.clear();
    layGround(ops);
    drawingLabel_ = true;
    for (const auto& op : ops) op();
    drawingLabel_ = false;
}

void Canvas::layGround(const std::vector<std::function<void()>>& ops) {
    // The label's ink, drawn by the same code into the mask: its extent is
    // the label's box.
    cairo_surface_flush(mask_);
    intoMask_ = true;
    maskBox_ = {};
    minusInk_.clear();
    std::swap(cr_, maskCr_);
    for (const auto& op : ops) op();
    std::swap(cr_, maskCr_);
    intoMask_ = false;
    cairo_surface_flush(mask_);
    if (maskBox_.empty()) return;
    std::uint8_t* mask = cairo_image_surface_get_data(mask_);
    const long maskStride = cairo_image_surface_get_stride(mask_);
    long x0 = maskBox_.x1, y0 = maskBox_.y1, x1 = maskBox_.x0, y1 = maskBox_.y0;
    for (long row = maskBox_.y0; row < maskBox_.y1; ++row) {
        std::uint8_t* line = mask + row * maskStride;
        for (long col = maskBox_.x0; col < maskBox_.x1; ++col) {
            if (line[col] < 128) continue;
            x0 = std::min(x0, col);
            x1 = std::max(x1, col + 1);
            y0 = std::min(y0, row);
            y1 = std::max(y1, row + 1);
        }
        std::fill(line + maskBox_.x0, line + maskBox_.x1, std::uint8_t{0});
    }
    cairo_surface_mark_dirty(mask_);
    if (x1 <= x0 || y1 <= y0) return;
    const float k = static_cast<float>(scale_);
    // A label is a text to the labels placed after it: they read apart from it.
    marks_.push_back({{x0 / k, y0 / k, x1 / k, y1 / k}, true, false, ++labels_});
    ownDot_ = -1;

    const long reach = static_cast<long>(kGroundMargin) * scale_;
    clearGround({static_cast<int>(x0 - reach), static_cast<int>(y0 - reach), static_cast<int>(x1 + reach),
                 static_cast<int>(y1 + reach)});
    // A minus stands alone: the lines that give way go from around it, and
    // from in line with it further to its left.
    const float c = reading::kMinusClear, h = reading::kMinusLineHeight, left = reading::kMinusInLine;
    for (const UnitBox& m : minusInk_) {
        auto pixelsOf = [&](float bx0, float by0, float bx1, float by1) {
            return PixelRect{
                static_cast<int>(std::floor(bx0 * scale_)), static_cast<int>(std::floor(by0 * scale_)),
                static_cast<int>(std::ceil(bx1 * scale_)), static_cast<int>(std::ceil(by1 * scale_))};
        };
        clearGround(pixelsOf(m.x0 - c, m.y0 - c, m.x1, m.y1 + c));
        clearGround(pixelsOf(m.x0 - left, m.y0 - h, m.x0, m.y1 + h));
    }
    minusInk_.clear();
}

void Canvas::clearGround(PixelRect box) {
    lastFill_ = {};
    const long pw = pixelWidth(), ph = pixelHeight();
    const long x0 = std::max<long>(box.x0, 0L), y0 = std::max<long>(box.y0, 0L);
    const long x1 = std::min<long>(box.x1, pw), y1 = std::min<long>(box.y1, ph);
    if (x1 <= x0 || y1 <= y0) return;
    cairo_surface_flush(surface_);
    cairo_surface_flush(layer_);
    cairo_surface_flush(beneath_);
    std::uint8_t* data = cairo_image_surface_get_data(surface_);
    std::uint8_t* layer = cairo_image_surface_get_data(layer_);
    const std::uint8_t* beneath = cairo_image_surface_get_data(beneath_);
    const long st = stride(), layerSt = cairo_image_surface_get_stride(layer_);
    for (long row = y0; row < y1; ++row) {
        auto* target = reinterpret_cast<std::uint32_t*>(data + row * st);
        std::uint8_t* kinds = layer + row * layerSt;
        for (long col = x0; col < x1; ++col) {
            if (kinds[col] < 128) continue;
            const Rgb& under = paletteColour(beneath[row * layerSt + col]);
            target[col] = 0xFF000000u | (under.r << 16) | (under.g << 8) | under.b;
            kinds[col] = kinds[col] == kGivingWayOverMeaning ? kMeaningLine : kClearedGivingWay;
        }
    }
    trimSlivers({static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1)});
    cairo_surface_mark_dirty(layer_);
    cairo_surface_mark_dirty(surface_);
    damagePixels(x0, y0, x1, y1);
    nearRegion_.valid = false;
    grounds_.push_back(
        {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1)});
}

void Canvas::trimSlivers(const PixelRect& ground) {
    const long pw = pixelWidth(), ph = pixelHeight();
    const long x0 = ground.x0, y0 = ground.y0, x1 = ground.x1, y1 = ground.y1;
    cairo_surface_flush(surface_);
    cairo_surface_flush(layer_);
    std::uint8_t* data = cairo_image_surface_get_data(surface_);
    std::uint8_t* layer = cairo_image_surface_get_data(layer_);
    const std::uint8_t* beneath = cairo_image_surface_get_data(beneath_);
    const long st = stride(), layerSt = cairo_image_surface_get_stride(layer_);
    // A line cut across its width beside the ground goes whole: the rest of
    // its width, left standing, would read as a stroke of the label.
    const long sliver = kSliver * scale_;
    auto clearAt = [&](long col, long row) {
        std::uint8_t& kind = layer[row * layerSt + col];
        const Rgb& under = paletteColour(beneath[row * layerSt + col]);
        reinterpret_cast<std::uint32_t*>(data + row * st)[col] =
            0xFF000000u | (under.r << 16) | (under.g << 8) | under.b;
        kind = kind == kGivingWayOverMeaning ? kMeaningLine : kClearedGivingWay;
    };
    // From (col, row), the inner neighbour cleared, outward by (dc, dr).
    auto rest = [&](long col, long row, long dc, long dr) {
        if (layer[(row - dr) * layerSt + col - dc] != kClearedGivingWay) return;
        long n = 0;
        for (; n <= sliver; ++n) {
            const long cc = col + n * dc, r = row + n * dr;
            if (cc < 0 || r < 0 || cc >= pw || r >= ph || layer[r * layerSt + cc] < 128) break;
        }
        if (n == 0 || n > sliver) return;
        for (long k = 0; k < n; ++k) clearAt(col + k * dc, row + k * dr);
    };
    for (long row = y0; row < y1; ++row) {
        if (x1 < pw) rest(x1, row, 1, 0);
        if (x0 > 0) rest(x0 - 1, row, -1, 0);
    }
    for (long col = x0; col < x1; ++col) {
        if (y1 < ph) rest(col, y1, 0, 1);
        if (y0 > 0) rest(col, y0 - 1, 0, -1);
    }
    // A piece that the ground, a neighbouring ground or what was drawn over
    // the line has cut off from it (a slanting line's corner, a stub between
    // the ground and a point) reads as a fleck of the label: it goes whole
    // when it lies within sliver of the ground, touching what was cleared.
    const long bx0 = std::max(0L, x0 - sliver), by0 = std::max(0L, y0 - sliver),
               bx1 = std::min(pw, x1 + sliver), by1 = std::min(ph, y1 + sliver);
    auto isLine = [&](long col, long row) { return layer[row * layerSt + col] >= 128; };
    auto touchesCleared = [&](long col, long row) {
        for (long r = std::max(0L, row - 1); r <= std::min(ph - 1, row + 1); ++r)
            for (long c = std::max(0L, col - 1); c <= std::min(pw - 1, col + 1); ++c)
                if (layer[r * layerSt + c] == kClearedGivingWay) return true;
        return false;
    };
    std::vector<std::pair<long, long>> piece, todo;
    std::vector<std::uint8_t> seen(static_cast<std::size_t>((bx1 - bx0) * (by1 - by0)));
    auto seenAt = [&](long col, long row) -> std::uint8_t& {
        return seen[static_cast<std::size_t>((row - by0) * (bx1 - bx0) + col - bx0)];
    };
    for (long row = by0; row < by1; ++row)
        for (long col = bx0; col < bx1; ++col) {
            if (col >= x0 && col < x1 && row >= y0 && row < y1) col = x1;
            if (col >= bx1 || !isLine(col, row) || seenAt(col, row) || !touchesCleared(col, row)) continue;
            piece.clear();
            todo = {{col, row}};
            seenAt(col, row) = 1;
            bool goesOn = false;
            while (!todo.empty()) {
                const auto [c, r] = todo.back();
                todo.pop_back();
                piece.push_back({c, r});
                for (long nr = r - 1; nr <= r + 1; ++nr)
                    for (long nc = c - 1; nc <= c + 1; ++nc) {
                        if (nc < 0 || nr < 0 || nc >= pw || nr >= ph || !isLine(nc, nr)) continue;
                        if (nc < bx0 || nr < by0 || nc >= bx1 || nr >= by1) {
                            goesOn = true;
                            continue;
                        }
                        if (!seenAt(nc, nr)) seenAt(nc, nr) = 1, todo.push_back({nc, nr});
                    }
            }
            if (!goesOn)
                for (const auto& [c, r] : piece) clearAt(c, r);
        }
    cairo_surface_mark_dirty(layer_);
    cairo_surface_mark_dirty(surface_);
    damagePixels(x0 - sliver, y0 - sliver, x1 + sliver, y1 + sliver);
}

const std::uint8_t* Canvas::pixels() {
    cairo_surface_flush(surface_);
    return cairo_image_surface_get_data(surface_);
}

int Canvas::stride() const { return cairo_image_surface_get_stride(surface_); }

std::vector<std::uint32_t> Canvas::view() {
    const std::uint8_t* data = pixels();
    int st = stride();
    int k = scale_;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(kViewWidth) * kViewHeight);
    int area = k * k;
    for (int y = 0; y < kViewHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            unsigned r = 0, g = 0, b = 0;
            for (int dy = 0; dy < k; ++dy) {
                auto* row =
                    reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y * k + dy) * st);
                for (int dx = 0; dx < k; ++dx) {
                    std::uint32_t p = row[x * k + dx];
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                }
            }
            out[static_cast<std::size_t>(y) * kViewWidth + x] =
                ((r / area) << 16) | ((g / area) << 8) | (b / area);
        }
    }
    return out;
}

bool Canvas::writePng(const std::string& path) {
    std::vector<std::uint32_t> px = view();
    // A picture that cannot be saved is reported, not drawn into.
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kViewWidth, kViewHeight);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    cairo_surface_flush(s);
    std::uint8_t* dst = cairo_image_surface_get_data(s);
    int st = cairo_image_surface_get_stride(s);
    for (int y = 0; y < kViewHeight; ++y)
        std::copy_n(px.data() + static_cast<std::size_t>(y) * kViewWidth, kViewWidth,
                    reinterpret_cast<std::uint32_t*>(dst + static_cast<std::size_t>(y) * st));
    cairo_surface_mark_dirty(s);
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

}  // namespace rt
