// SPDX-License-Identifier: GPL-3.0-or-later
// Every topic screen of the four programs, and their random topics over many
// seeds, read as a pupil reads them: each screen, as each key wait begins, is
// measured in the picture (its ink and its line layer) against the reading
// rules of runtime/reading_rules.h:
//   R1 numbers read apart: a label or scale number that holds a number keeps
//      10 units across from another text on its line, 4 from one stacked;
//   R2 a minus stands alone: no ink of anything else within 4 units to its
//      left, above and below, and no line within 2 units of its height for 8
//      units to its left;
//   R3 no slivers: where a ground clears a line it clears its whole width;
//   R4 meaning is never cleared: no ground clears a line other than a grid
//      line or a graph's line, and no such line runs through a label;
//   R5 references stay put: the origin's "0" does not move (but a little,
//      off a line of meaning drawn through it), a highlight that redraws a
//      text stands on it, no line crosses an axis letter or unit;
//   R6 the status band is the status line's: no lesson text reaches into it
//      or within 4 units above it.
// The trace's boxes are read too: no label or scale number may meet another
// text, a dot or an arrow head (reported as rule 0). A breach fails the test
// unless it is one of the few accepted exceptions below, each with its reason.
//
// LEGIBILITY_SEEDS sets how many seeds each random topic runs (fewer under a
// sanitizer); LEGIBILITY_REPORT=1 prints the breaches found per rule, those
// accepted among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "grebe_fixture.h"
#include "kestrel_fixture.h"
#include "plover_fixture.h"
#include "runtime/canvas.h"
#include "runtime/reading_rules.h"
#include "tern_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
#define LEGIBILITY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LEGIBILITY_SANITIZED 1
#endif
#endif

namespace lesson::testing {
namespace {

namespace rr = rt::reading;

struct Rect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    Rect grown(float m) const { return {x0 - m, y0 - m, x1 + m, y1 + m}; }
    bool meets(const Rect& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
    bool holds(float x, float y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    float w() const { return x1 - x0; }
    float h() const { return y1 - y0; }
    void add(const Rect& o) {
        if (o.empty()) return;
        if (empty()) {
            *this = o;
            return;
        }
        x0 = std::min(x0, o.x0), y0 = std::min(y0, o.y0);
        x1 = std::max(x1, o.x1), y1 = std::max(y1, o.y1);
    }
};

std::string boxText(const Rect& r) {
    std::ostringstream s;
    s << "(" << r.x0 << "," << r.y0 << ")-(" << r.x1 << "," << r.y1 << ")";
    return s.str();
}

rt::UnitBox inkOf(const std::string& text, float x, float y, const Glyph& g) {
    static rt::Canvas canvas(1);
    return canvas.textInk(text, x, y, g.h, g.v, rt::TextStyle{g.face, g.size, g.bold, g.italic});
}
Rect rectOf(const rt::UnitBox& b) { return {b.x0, b.y0, b.x1, b.y1}; }

// ---- What a screen holds ----------------------------------------------------------------

// A text as a pupil reads it: a label (what one halo held), a scale number,
// an axis letter, a unit or the lesson's own text.
struct Text {
    enum class Kind { label, scale, axisLetter, unit, text } kind = Kind::text;
    Rect box;
    std::string text;
    Colour colour = ink::text;
    std::vector<Rect> minuses;
    bool number() const { return text.find_first_of("0123456789") != std::string::npos; }
    bool placed() const { return kind == Kind::label || kind == Kind::scale; }
};

bool isScaleNumber(const Glyph& g) {
    return g.h == 2 && g.v == 1 && (g.size == 26 || g.size == 30) &&
           g.text.find_first_not_of("-.0123456789") == std::string::npos;
}
bool isAxisLetter(const Glyph& g) {
    return g.bold && ((g.text == "x" && g.face == "Times New Roman" && g.h == 3 && g.v == 2) ||
                      (g.text == "y" && g.h == 2 && g.v == 1 && (g.size == 26 || g.size == 30)));
}
bool isUnit(const std::string& t) {
    static const std::set<std::string> units{"km", "cm", "cm²", "m", "分", "時", "℃", "L", "g", "円", "秒"};
    return units.contains(t);
}

// The minuses of a glyph's text, each as its ink box.
void minusesOf(const Glyph& g, std::vector<Rect>& out) {
    float pen = g.x;
    for (std::size_t i = 0; i < g.text.size();) {
        const auto lead = static_cast<unsigned char>(g.text[i]);
        const std::size_t n = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
        const std::string ch = g.text.substr(i, n);
        const float cell = static_cast<float>(n == 1 ? g.size / 2 : g.size) * static_cast<float>(g.h);
        if (ch == "-" || ch == "−" || ch == "－") {
            const Rect r = rectOf(inkOf(ch, pen, g.y, g));
            if (!r.empty()) out.push_back(r);
        }
        pen += cell;
        i += n;
    }
}

// A breach: the rule, what breaks it, against what, how near.
struct Breach {
    int rule = 0;
    std::string subject, other;
    float distance = 0;
    Rect at;
    int waits = 0;
    Rect otherAt{};     // where the other text stands, for R1
    std::string where;  // the boxes that meet, for rule 0
    std::string key() const { return std::to_string(rule) + "|" + subject + "|" + other; }
};

// The screen as the trace has drawn it so far, and the picture it measures.
class Reader {
public:
    // Reads the trace up to the wait, then the picture.
    void atWait(rt::Canvas& canvas, std::string_view trace) {
        ++waits_;
        if (trace.size() > read_) {
            const std::string chunk(trace.substr(read_));
            const std::size_t last = chunk.rfind('\n');
            if (last != std::string::npos) {
                read_ += last + 1;
                for (const auto& r : Trace(chunk.substr(0, last + 1)).records()) add(r);
            }
        }
        measure(canvas);
    }
    const std::vector<Breach>& breaches() const { return breaches_; }

private:
    void add(const TraceRecord& r) {
        lastErase_ = std::exchange(erase_, std::nullopt);
        if (r.line == "halo on") {
            halo_ = true;
            held_ = {};
            held_.kind = Text::Kind::label;
            scaleOnly_ = true;
            axisLetter_ = false;
            return;
        }
        if (r.line == "halo off") {
            halo_ = false;
            if (!held_.box.empty()) {
                if (scaleOnly_) held_.kind = Text::Kind::scale;
                if (axisLetter_) held_.kind = Text::Kind::axisLetter;
                placedText(held_);
            }
            return;
        }
        switch (r.kind) {
            case TraceRecord::Kind::cls:
                texts_.clear();
                bars_.clear();
                lastBar_.reset();
                zeroErased_.reset();
                break;
            case TraceRecord::Kind::glyph:
                addGlyph(r.glyph);
                break;
            case TraceRecord::Kind::segment:
                addSegment(r.segment);
                break;
            default:
                break;
        }
    }

    void addGlyph(const Glyph& g) {
        const Rect box = rectOf(inkOf(g.text, g.x, g.y, g));
        if (box.empty()) return;
        if (g.colour == ink::page) {
            if (g.text == "0" && isScaleNumber(g)) zeroErased_ = box;
            erased(box.grown(1));
            return;
        }
        // A fraction's denominator, set just under the bar drawn before it:
        // that bar is the fraction's.
        if (lastBar_ && g.h == 4 && g.v == 2 && g.x >= lastBar_->x0 && g.x <= lastBar_->x1 &&
            g.y - lastBar_->y0 >= 0 && g.y - lastBar_->y0 <= 24)
            bars_.push_back(*lastBar_);
        lastBar_.reset();
        if (halo_) {
            scaleOnly_ = scaleOnly_ && isScaleNumber(g);
            axisLetter_ = held_.text.empty() && isAxisLetter(g);
            held_.box.add(box);
            held_.text += g.text;
            held_.colour = g.colour;
            minusesOf(g, held_.minuses);
            return;
        }
        Text t;
        t.box = box;
        t.text = g.text;
        t.colour = g.colour;
        t.kind = isAxisLetter(g)  ? Text::Kind::axisLetter
                 : isUnit(g.text) ? Text::Kind::unit
                                  : Text::Kind::text;
        minusesOf(g, t.minuses);
        texts_.push_back(t);
    }

    void addSegment(const Segment& s) {
        const float h = std::max(1, s.width) / 2.0f;
        const Rect box{std::min(s.x1, s.x2) - h, std::min(s.y1, s.y2) - h, std::max(s.x1, s.x2) + h,
                       std::max(s.y1, s.y2) + h};
        if (s.colour == ink::page || s.kind == 2) {
            erased(box);
            return;
        }
        if (s.kind == 0 && s.width == 4 && s.y1 == s.y2 && std::fabs(s.x2 - s.x1) > 24) lastBar_ = box;
        // The upright of a plus, drawn just after its bar: that bar is no minus.
        if (s.kind == 0 && s.width >= 3 && s.x1 == s.x2 && std::fabs(s.y2 - s.y1) <= 24) {
            plusOver(box);
            return;
        }
        // A maths text's minus is drawn as a stroke.
        const bool minus = s.kind == 0 && s.width >= 3 && s.y1 == s.y2 && std::fabs(s.x2 - s.x1) <= 24;
        if (!minus) return;
        if (halo_) {
            held_.box.add(box);
            held_.text = held_.text.empty() ? "-" : held_.text;
            held_.minuses.push_back(box);
            scaleOnly_ = false;
            return;
        }
        texts_.push_back({Text::Kind::text, box, "-", s.colour, {box}});
    }

    void plusOver(const Rect& upright) {
        auto crosses = [&](const Rect& m) { return upright.holds((m.x0 + m.x1) / 2, (m.y0 + m.y1) / 2); };
        if (halo_) {
            if (!held_.minuses.empty() && crosses(held_.minuses.back())) held_.minuses.pop_back();
            return;
        }
        if (texts_.empty()) return;
        Text& t = texts_.back();
        if (t.text != "-" || t.minuses.size() != 1 || !crosses(t.minuses.front())) return;
        t.text = "+";
        t.minuses.clear();
        t.box.add(upright);
    }

    void placedText(Text t) {
        // The origin's "0" erased and drawn again elsewhere has moved, unless
        // it stepped a little off a line of meaning now through its place.
        if (t.kind == Text::Kind::scale && t.text == "0" && zeroErased_) {
            const float dx = t.box.x0 - zeroErased_->x0, dy = t.box.y0 - zeroErased_->y0;
            const float d = std::hypot(dx, dy);
            const bool offMeaning = d <= rr::kReferenceReach && meaningIn(*zeroErased_);
            if ((std::fabs(dx) >= 1 || std::fabs(dy) >= 1) && !offMeaning)
                report({5, "the origin's \"0\"", "moved", d, t.box});
            zeroErased_.reset();
        }
        texts_.push_back(std::move(t));
    }

    // A label drawn in pieces (a minus stroke, then its digits; a glyph at a
    // time) is erased piece by piece: erases one after another, side by
    // side, are one.
    void erased(const Rect& box) {
        constexpr float kSideBySide = 24;  // wider than any gap between a text's glyphs ("," and "1")
        Rect e = box;
        if (lastErase_ && lastErase_->grown(kSideBySide).meets(box)) e.add(*lastErase_);
        erase_ = e;
        cover(e);
    }

    // An erase or a fill takes what it covers off the screen.
    void cover(const Rect& r) {
        std::erase_if(texts_, [&](const Text& t) {
            return r.holds((t.box.x0 + t.box.x1) / 2, (t.box.y0 + t.box.y1) / 2);
        });
        std::erase_if(bars_, [&](const Rect& b) { return r.holds((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2); });
    }

    static std::string name(const Text& t) {
        static const char* kinds[] = {"label", "scale number", "axis letter", "unit", "text"};
        return std::string(kinds[static_cast<int>(t.kind)]) + " \"" + t.text + "\"";
    }
    static bool sameText(const Text& a, const Text& b) {
        return a.text == b.text && std::fabs(a.box.x0 - b.box.x0) < 2 && std::fabs(a.box.y0 - b.box.y0) < 2;
    }

    void report(Breach b) {
        b.waits = waits_;
        if (seen_.insert(b.key() + boxText(b.at)).second) breaches_.push_back(b);
    }

    // ---- The rules, measured -----------------------------------------------------------

    void measure(rt::Canvas& canvas) {
        canvas_ = &canvas;
        for (const Text& t : texts_) {
            if (t.placed() && t.number()) apart(t);
            for (const Rect& m : t.minuses) alone(t, m);
            if (t.placed()) {
                slivers(t);
                meaning(t);
            }
            if (t.kind == Text::Kind::axisLetter || t.kind == Text::Kind::unit) crossed(t);
            if (t.kind == Text::Kind::label) highlight(t);
        }
        band();
    }

    // R1.
    void apart(const Text& s) {
        for (const Text& o : texts_) {
            if (&o == &s || sameText(o, s)) continue;
            const float overlap = std::min(s.box.y1, o.box.y1) - std::max(s.box.y0, o.box.y0);
            const float across = std::max(o.box.x0 - s.box.x1, s.box.x0 - o.box.x1);
            if (overlap > rr::kSameLineOverlap * std::min(s.box.h(), o.box.h())) {
                if (across < rr::kApart) report({1, name(s), name(o), across, s.box, 0, o.box});
            } else if (across < 0) {
                const float down = std::max(o.box.y0 - s.box.y1, s.box.y0 - o.box.y1);
                if (down < rr::kStacked) report({1, name(s), name(o), down, s.box, 0, o.box});
            }
        }
    }

    rt::Canvas::LineMark lineAt(int x, int y) const { return canvas_->lineAt(x, y); }
    bool meaningIn(const Rect& r) const {
        for (int y = static_cast<int>(r.y0); y < static_cast<int>(r.y1); ++y)
            for (int x = static_cast<int>(r.x0); x < static_cast<int>(r.x1); ++x)
                if (lineAt(x, y) == rt::Canvas::LineMark::meaning) return true;
        return false;
    }
    bool isLine(int x, int y) const {
        const auto m = lineAt(x, y);
        return m == rt::Canvas::LineMark::meaning || m == rt::Canvas::LineMark::givesWay;
    }
    std::uint32_t pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= canvas_->pixelWidth() || y >= canvas_->pixelHeight()) return 0xFFFFFF;
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            canvas_->pixels() + static_cast<std::size_t>(y) * canvas_->stride());
        return row[x] & 0xFFFFFF;
    }
    // The colour most pixels of the box have: the page the text stands on.
    std::uint32_t pageOf(const Rect& r) const {
        std::map<std::uint32_t, int> n;
        for (int y = static_cast<int>(r.y0); y < static_cast<int>(r.y1); ++y)
            for (int x = static_cast<int>(r.x0); x < static_cast<int>(r.x1); ++x) ++n[pixel(x, y)];
        std::uint32_t best = 0xFFFFFF;
        int most = -1;
        for (auto [c, k] : n)
            if (k > most) best = c, most = k;
        return best;
    }
    static float gap(const Rect& r, float x, float y) {
        const float dx = std::max({r.x0 - (x + 1), 0.0f, x - r.x1}),
                    dy = std::max({r.y0 - (y + 1), 0.0f, y - r.y1});
        return std::hypot(dx, dy);
    }

    // R2: a placed text's minus meets no ink of anything else; no text's
    // minus has a line running in line with it on its left.
    void alone(const Text& t, const Rect& m) {
        const float c = rr::kMinusClear;
        if (t.placed()) {
            const Rect zone{m.x0 - c, m.y0 - c, m.x1, m.y1 + c};
            const std::uint32_t page = pageOf(m.grown(12));
            float nearest = c;
            for (int y = static_cast<int>(std::floor(zone.y0)); y < static_cast<int>(std::ceil(zone.y1)); ++y)
                for (int x = static_cast<int>(std::floor(zone.x0)); x < static_cast<int>(std::ceil(zone.x1));
                     ++x) {
                    if (m.holds(x + 0.5f, y + 0.5f)) continue;
                    const bool own = t.box.holds(x + 0.5f, y + 0.5f);
                    if (isLine(x, y) || (!own && pixel(x, y) != page))
                        nearest = std::min(nearest, gap(m, x, y));
                }
            if (nearest < c) report({2, "the minus of " + name(t), "ink", nearest, m});
        }
        // In line: a line that runs along the minus's height towards it,
        // not one that only crosses that height, nor the bar of the fraction
        // the minus follows: set under the minus's ink, it reads as the
        // fraction's, the minus as the sign after it.
        auto fractionBar = [&](int x, int y) {
            return std::any_of(bars_.begin(), bars_.end(), [&](const Rect& b) {
                return b.y0 >= m.y1 && b.grown(1).holds(x + 0.5f, y + 0.5f);
            });
        };
        const float cy0 = m.y0 - rr::kMinusLineHeight, cy1 = m.y1 + rr::kMinusLineHeight;
        const int from = static_cast<int>(std::floor(m.x0 - rr::kMinusInLine)), to = static_cast<int>(m.x0);
        constexpr int kAlong = 6;
        for (int y = static_cast<int>(std::floor(cy0)); y < static_cast<int>(std::ceil(cy1)); ++y) {
            int run = 0;
            for (int x = from; x < to; ++x) {
                run = isLine(x, y) && !t.box.holds(x + 0.5f, y + 0.5f) && !fractionBar(x, y) ? run + 1 : 0;
                if (run >= kAlong) {
                    report({2, "the minus of " + name(t), "a line in line", m.x0 - x - 1, m});
                    return;
                }
            }
        }
    }

    // R3: along each edge of a placed text's ground, a line the ground
    // cleared beside it goes on for at least its width, or is gone.
    void slivers(const Text& t) {
        const int g = rt::Canvas::kGroundMargin;
        const int x0 = static_cast<int>(std::floor(t.box.x0)) - g,
                  x1 = static_cast<int>(std::ceil(t.box.x1)) + g;
        const int y0 = static_cast<int>(std::floor(t.box.y0)) - g,
                  y1 = static_cast<int>(std::ceil(t.box.y1)) + g;
        using M = rt::Canvas::LineMark;
        // A line of meaning is never cleared: only one that gives way leaves a sliver.
        auto cleared = [&](int x, int y) { return lineAt(x, y) == M::clearedGivesWay; };
        auto givesWay = [&](int x, int y) { return lineAt(x, y) == M::givesWay; };
        constexpr int kSliver = 3;
        // The piece of line beside the edge at (x, y), outward by (dx, dy):
        // a sliver when it lies wholly within kSliver of the edge. A line
        // that goes on beyond that (a slanting graph leaving the ground, a
        // line crossing at a corner) is a line, not its rest.
        auto edge = [&](int x, int y, int dx, int dy) {
            if (!givesWay(x, y) || !cleared(x - dx, y - dy)) return;
            const int ex = dx != 0 ? x : 0, ey = dy != 0 ? y : 0;
            auto depth = [&](int px, int py) { return dx != 0 ? (px - ex) * dx : (py - ey) * dy; };
            auto lateral = [&](int px, int py) {
                const int along = dx != 0 ? py : px, lo = dx != 0 ? y0 : x0, hi = dx != 0 ? y1 : x1;
                return along < lo - kSliver || along >= hi + kSliver;
            };
            std::set<std::pair<int, int>> seen{{x, y}};
            std::vector<std::pair<int, int>> todo{{x, y}};
            int deepest = 0;
            while (!todo.empty() && seen.size() < 4000) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                deepest = std::max(deepest, depth(px, py) + 1);
                if (deepest >= kSliver || lateral(px, py)) return;
                for (int ny = py - 1; ny <= py + 1; ++ny)
                    for (int nx = px - 1; nx <= px + 1; ++nx)
                        if (depth(nx, ny) >= 0 && givesWay(nx, ny) && seen.insert({nx, ny}).second)
                            todo.push_back({nx, ny});
            }
            report({3, name(t), "a sliver of a line", static_cast<float>(deepest), t.box});
        };
        for (int y = y0; y < y1; ++y) {
            edge(x1, y, 1, 0);
            edge(x0 - 1, y, -1, 0);
        }
        for (int x = x0; x < x1; ++x) {
            edge(x, y1, 0, 1);
            edge(x, y0 - 1, 0, -1);
        }
    }

    // R4: no meaning line cleared by a placed text's ground, nor through it.
    void meaning(const Text& t) {
        const Rect g = t.box.grown(rt::Canvas::kGroundMargin);
        bool cleared = false, through = false;
        for (int y = static_cast<int>(g.y0); y < static_cast<int>(g.y1); ++y)
            for (int x = static_cast<int>(g.x0); x < static_cast<int>(g.x1); ++x) {
                const auto m = lineAt(x, y);
                cleared = cleared || m == rt::Canvas::LineMark::clearedMeaning;
                through = through || (m == rt::Canvas::LineMark::meaning && t.box.holds(x + 0.5f, y + 0.5f));
            }
        if (cleared) report({4, name(t), "a meaning line cleared", 0, t.box});
        if (through) report({4, name(t), "a meaning line through it", 0, t.box});
    }

    // R5: an axis letter or a unit crossed by a grid line or a graph (its
    // own axis may reach it).
    void crossed(const Text& t) {
        for (int y = static_cast<int>(t.box.y0); y < static_cast<int>(t.box.y1); ++y)
            for (int x = static_cast<int>(t.box.x0); x < static_cast<int>(t.box.x1); ++x)
                if (lineAt(x, y) == rt::Canvas::LineMark::givesWay) {
                    report({5, name(t), "a line across it", 0, t.box});
                    return;
                }
    }
    // R5: a label that redraws a text in another colour stands on it.
    void highlight(const Text& t) {
        for (const Text& o : texts_) {
            if (o.text != t.text || o.colour == t.colour || &o == &t) continue;
            const float dx = t.box.x0 - o.box.x0, dy = t.box.y0 - o.box.y0;
            if (std::fabs(t.box.w() - o.box.w()) > 2 || std::fabs(t.box.h() - o.box.h()) > 2) continue;
            const float d = std::hypot(dx, dy);
            if (d >= 1 && d < 40) report({5, name(t), "the " + name(o) + " it redraws, moved", d, t.box});
        }
    }

    // R6: the texts that reach into the band or near it, as one row: a
    // pupil reads a line of text, not its glyphs. What stands mostly in the
    // band is the status line's own, or a prompt the band shows.
    void band() {
        Rect row;
        std::vector<const Text*> in;
        for (const Text& t : texts_) {
            if (t.box.y0 >= rr::kStatusTop - 1 || t.box.y1 <= rr::kStatusTop - rr::kStacked) continue;
            if ((t.box.y0 + t.box.y1) / 2 >= rr::kStatusTop) continue;
            in.push_back(&t);
            row.add(t.box);
        }
        if (in.empty()) return;
        std::sort(in.begin(), in.end(), [](const Text* a, const Text* b) { return a->box.x0 < b->box.x0; });
        std::string text;
        for (const Text* t : in) text += t->text;
        Text line = *in.front();
        line.text = text;
        line.box = row;
        report({6, name(line), "the status band", rr::kStatusTop - row.y1, row});
    }

    std::size_t read_ = 0;
    int waits_ = 0;
    std::vector<Text> texts_;
    std::vector<Rect> bars_;  // fractions' bars
    std::optional<Rect> lastBar_;
    bool halo_ = false, scaleOnly_ = true, axisLetter_ = false;
    Text held_;
    std::optional<Rect> zeroErased_;
    std::optional<Rect> erase_, lastErase_;  // the erase the last record made, and the one before
    rt::Canvas* canvas_ = nullptr;
    std::vector<Breach> breaches_;
    std::set<std::string> seen_;
};

// ---- Boxes that meet, read from the trace -----------------------------------------------
// No label may meet another text or a dot, no scale number a dot or another
// text, no sign mark between two rows of equations either row, and no line
// run across a text's minus (a table's rule at its end reads as a tee, one
// through it as a plus).
namespace boxes {

// ---- Geometry ------------------------------------------------------------------------

// The part of the segment a..b inside r, as parameters [t0, t1]; false when none.
bool clip(float ax, float ay, float bx, float by, const Rect& r, float& t0, float& t1) {
    t0 = 0, t1 = 1;
    const float dx = bx - ax, dy = by - ay;
    const float p[4] = {-dx, dx, -dy, dy}, q[4] = {ax - r.x0, r.x1 - ax, ay - r.y0, r.y1 - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const float t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// ---- What a screen holds ----------------------------------------------------------------

// A line piece (a segment of a given half width), a mark (a dot, a ring or an
// arrow head, as a disc or a box), a text or a label.
struct Item {
    enum class Kind { line, mark, text, scale, label } kind;
    Rect box;                                        // texts and labels: their ink; marks: their extent
    float ax = 0, ay = 0, bx = 0, by = 0, half = 0;  // a line piece
    float cx = 0, cy = 0, radius = -1;               // a disc mark
    std::string text;
    int waits = 0;  // keys read before it was drawn
};

bool lineMeets(const Item& l, const Rect& r) {
    float t0, t1;
    return clip(l.ax, l.ay, l.bx, l.by, r.grown(l.half), t0, t1);
}
bool markMeets(const Item& m, const Rect& r) {
    if (m.radius < 0) return m.box.meets(r);
    const float dx = std::max({r.x0 - m.cx, 0.0f, m.cx - r.x1}),
                dy = std::max({r.y0 - m.cy, 0.0f, m.cy - r.y1});
    return dx * dx + dy * dy < m.radius * m.radius;
}

// How far a label's box reaches beyond its ink; the ground clears a little
// more, so a line this check passes is a line the ground cleared.
constexpr float kMargin = 2;

struct Finding {
    std::string label, other;
    int waits = 0;
    std::string where;  // the label's box and the other's
};

// The ink boxes of glyphs, from the canvas's own placing.
rt::UnitBox inkOf(const Glyph& g) {
    static rt::Canvas canvas(1);
    return canvas.textInk(g.text, g.x, g.y, g.h, g.v, rt::TextStyle{g.face, g.size, g.bold, g.italic});
}

// The screen as drawn so far: what lies on it and what a pupil would misread.
class Screen {
public:
    explicit Screen(bool lines) : lines_(lines) {}

    void clear() {
        items_.clear();
        labels_.clear();
    }

    void add(const TraceRecord& r, bool inHalo) {
        if (inHalo) {
            label_.push_back(r);
            return;
        }
        ownDot_ = nullptr;
        switch (r.kind) {
            case TraceRecord::Kind::cls:
                clear();
                break;
            case TraceRecord::Kind::glyph:
                addGlyph(r);
                break;
            case TraceRecord::Kind::segment:
                addSegment(r);
                break;
            case TraceRecord::Kind::dot:
                addDot(r);
                break;
            case TraceRecord::Kind::polygon:
                addPolygon(r);
                break;
            default:
                break;
        }
    }

    // The halo closed: its records are one label.
    void closeLabel() {
        Item l{.kind = Item::Kind::label};
        std::vector<std::pair<float, std::string>> parts;
        bool scaleOnly = true;
        for (const auto& r : label_) {
            scaleOnly = scaleOnly && r.kind == TraceRecord::Kind::glyph && isScaleNumber(r.glyph);
            if (r.kind == TraceRecord::Kind::glyph) {
                const rt::UnitBox b = inkOf(r.glyph);
                if (b.empty()) continue;
                l.box.add({b.x0, b.y0, b.x1, b.y1});
                parts.emplace_back(b.x0, r.glyph.text);
            } else if (r.kind == TraceRecord::Kind::segment) {
                const Segment& s = r.segment;
                const float h = std::max(1, s.width) / 2.0f;
                l.box.add({std::min(s.x1, s.x2) - h, std::min(s.y1, s.y2) - h, std::max(s.x1, s.x2) + h,
                           std::max(s.y1, s.y2) + h});
                if (s.y1 == s.y2) parts.emplace_back(std::min(s.x1, s.x2), "-");
            } else if (r.kind == TraceRecord::Kind::dot) {
                const Dot& d = r.dot;
                const float rr = d.r + std::max(1, d.width) / 2.0f;
                l.box.add({d.x - rr, d.y - rr, d.x + rr, d.y + rr});
            }
        }
        label_.clear();
        const Item* own = ownDot_;
        ownDot_ = nullptr;
        if (l.box.empty()) return;
        ownDot_ = own;
        std::sort(parts.begin(), parts.end(), [](auto& a, auto& b) { return a.first < b.first; });
        for (const auto& p : parts) l.text += p.second;
        l.waits = waits_;
        if (scaleOnly) l.kind = Item::Kind::scale;
        const Rect ground = l.box.grown(kMargin);
        for (const Item& o : labels_) {
            // The same label drawn again, or with more after it.
            if (o.box.x0 >= l.box.x0 - 2 && o.box.x1 <= l.box.x1 + 2 && o.box.y0 >= l.box.y0 - 2 &&
                o.box.y1 <= l.box.y1 + 2 && l.text.starts_with(o.text))
                continue;
            if (o.box.meets(ground)) report(l, describe(o), o.box);
        }
        for (const Item& o : items_) {
            if (o.kind == Item::Kind::line) {
                if (lines_ && lineMeets(o, ground)) report(l, "a line");
            } else if (o.kind == Item::Kind::mark) {
                // A point's own label may touch its dot, drawn just before it.
                if (&o != ownDot_ && markMeets(o, ground)) report(l, "a dot or arrow head", o.box);
            } else if (o.box.meets(ground)) {
                report(l, describe(o), o.box);
            }
        }
        ownDot_ = nullptr;
        labels_.push_back(l);
    }

    void keyRead() { ++waits_; }
    const std::vector<Finding>& findings() const { return findings_; }

private:
    static std::string describe(const Item& o) {
        switch (o.kind) {
            case Item::Kind::label:
                return "the label \"" + o.text + "\"";
            case Item::Kind::scale:
                return "the scale number \"" + o.text + "\"";
            default:
                return "the text \"" + o.text + "\"";
        }
    }

    void report(const Item& l, const std::string& other, const Rect& at = {}) {
        const std::string what =
            l.kind == Item::Kind::text
                ? "minus"
                : (l.kind == Item::Kind::scale ? "scale number \"" : "label \"") + l.text + "\"";
        const std::string key = what + "|" + other;
        if (!seen_.insert(key).second) return;
        findings_.push_back({what, other, l.waits, boxText(l.box) + " " + boxText(at)});
    }

    // A maths text's minus, and a line that runs across a minus's height
    // (not the upright of a plus, which is the same text's).
    static bool isMinus(const Item& t) {
        return t.kind == Item::Kind::text && t.text == "-" && t.box.x1 - t.box.x0 > t.box.y1 - t.box.y0;
    }
    // Less clear page than this between a minus and a line, and the two join.
    static constexpr float kMinusClear = 1;
    static bool across(const Item& l) {
        const bool upright = l.ax == l.bx && l.half >= 2 && std::fabs(l.by - l.ay) <= 24;
        return l.kind == Item::Kind::line && l.ay != l.by && !upright;
    }

    // An item drawn after the labels: what it does to each it meets.
    void against(const Item& n) {
        for (const Item& o : items_) {
            if (isMinus(n) && across(o) && lineMeets(o, n.box.grown(kMinusClear))) report(n, "a line", o.box);
            if (across(n) && isMinus(o) && lineMeets(n, o.box.grown(kMinusClear))) report(o, "a line", n.box);
        }
        for (const Item& o : labels_) {
            const Rect ground = o.box.grown(o.kind == Item::Kind::label ? kMargin : 0);
            if (n.kind == Item::Kind::line) {
                if (lines_ && o.kind == Item::Kind::label && lineMeets(n, ground)) report(o, "a line");
            } else if (n.kind == Item::Kind::mark) {
                if (markMeets(n, ground)) report(o, "a dot or arrow head", n.box);
            } else if (n.box.meets(ground)) {
                report(o, describe(n), n.box);
            }
        }
        items_.push_back(n);
    }

    // Anything drawn in the page colour, and any filled box, covers what
    // lies under it.
    void cover(const Rect& r) {
        std::erase_if(labels_, [&](const Item& o) {
            return r.holds((o.box.x0 + o.box.x1) / 2, (o.box.y0 + o.box.y1) / 2);
        });
        std::vector<Item> kept;
        for (Item& o : items_) {
            if (o.kind == Item::Kind::line) {
                float t0, t1;
                if (!clip(o.ax, o.ay, o.bx, o.by, r, t0, t1)) {
                    kept.push_back(o);
                    continue;
                }
                const float dx = o.bx - o.ax, dy = o.by - o.ay, len = std::hypot(dx, dy);
                if (t0 * len > 0.5f) {
                    Item a = o;
                    a.bx = o.ax + t0 * dx, a.by = o.ay + t0 * dy;
                    kept.push_back(a);
                }
                if ((1 - t1) * len > 0.5f) {
                    Item b = o;
                    b.ax = o.ax + t1 * dx, b.ay = o.ay + t1 * dy;
                    kept.push_back(b);
                }
                continue;
            }
            const float cx = (o.box.x0 + o.box.x1) / 2, cy = (o.box.y0 + o.box.y1) / 2;
            if (!r.holds(cx, cy)) kept.push_back(o);
        }
        items_ = std::move(kept);
    }

    void addGlyph(const TraceRecord& r) {
        const Glyph& g = r.glyph;
        const rt::UnitBox b = inkOf(g);
        if (b.empty()) return;
        const Rect box{b.x0, b.y0, b.x1, b.y1};
        if (g.colour == ink::page) {
            cover(box.grown(1));
            return;
        }
        const bool scale = isScaleNumber(g);
        Item t{.kind = scale ? Item::Kind::scale : Item::Kind::text,
               .box = box,
               .text = g.text,
               .waits = waits_};
        if (scale) {
            // A scale number meets the dots and texts already there.
            for (const Item& o : items_)
                if ((o.kind == Item::Kind::mark && markMeets(o, box)) ||
                    (o.kind == Item::Kind::text && o.box.meets(box)))
                    report(t, o.kind == Item::Kind::mark ? "a dot or arrow head" : describe(o), o.box);
            for (const Item& o : labels_)
                if (o.box.meets(box)) report(t, describe(o), o.box);
            against(t);
            labels_.push_back(items_.back());
            items_.pop_back();
            return;
        }
        against(t);
    }

    void addLine(float ax, float ay, float bx, float by, int width) {
        against(Item{.kind = Item::Kind::line,
                     .box = {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)},
                     .ax = ax,
                     .ay = ay,
                     .bx = bx,
                     .by = by,
                     .half = std::max(1, width) / 2.0f,
                     .waits = waits_});
    }

    void addSegment(const TraceRecord& r) {
        const Segment& s = r.segment;
        const float h = std::max(1, s.width) / 2.0f;
        const Rect box{std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2),
                       std::max(s.y1, s.y2)};
        if (s.kind == 2) {
            cover(box.grown(h));
            if (s.colour == ink::page) return;
        } else if (s.colour == ink::page) {
            cover(box.grown(h));
            return;
        }
        if (s.kind != 0) {
            addLine(box.x0, box.y0, box.x1, box.y0, s.width);
            addLine(box.x1, box.y0, box.x1, box.y1, s.width);
            addLine(box.x1, box.y1, box.x0, box.y1, s.width);
            addLine(box.x0, box.y1, box.x0, box.y0, s.width);
            return;
        }
        if (isSignMark(s)) {
            addSignMark(box.grown(h));
            return;
        }
        // A maths text's minus, and the bar of its plus, are text.
        if (s.width >= 4 && s.y1 == s.y2 && std::fabs(s.x2 - s.x1) <= 24) {
            against(Item{.kind = Item::Kind::text, .box = box.grown(h), .text = "-", .waits = waits_});
            return;
        }
        addLine(s.x1, s.y1, s.x2, s.y2, s.width);
    }

    // The subtraction columns' sign marks: strokes 10 long between two rows
    // of equations. One touching a row's ink makes a "+" over a minus read
    // as "±", so each stands clear of every text like a label.
    static bool isSignMark(const Segment& s) {
        return s.kind == 0 && s.colour == ink::emphasis && s.width == 3 &&
               ((s.y1 == s.y2 && std::fabs(s.x2 - s.x1) == 10) ||
                (s.x1 == s.x2 && std::fabs(s.y2 - s.y1) == 10));
    }
    void addSignMark(const Rect& box) {
        const Item m{.kind = Item::Kind::label, .box = box, .text = "sign mark", .waits = waits_};
        const Rect ground = box.grown(kMargin);
        for (const Item& o : items_)
            if ((o.kind == Item::Kind::text || o.kind == Item::Kind::scale) && o.box.meets(ground))
                report(m, describe(o), o.box);
        for (const Item& o : labels_)
            if (o.text != m.text && o.box.meets(ground)) report(m, describe(o), o.box);
        labels_.push_back(m);
    }

    void addDot(const TraceRecord& r) {
        const Dot& d = r.dot;
        const float w = std::max(1, d.width), rr = d.r + w / 2;
        const Rect box{d.x - rr, d.y - rr, d.x + rr, d.y + rr};
        const bool whole = d.start == 0 && d.end == 0;
        if (d.colour == ink::page && (!d.filled || d.fillColour == ink::page || !d.fillColour)) {
            cover(box);
            return;
        }
        if (whole && d.r <= 2) {
            // A pen dot: a piece of a graph.
            against(Item{.kind = Item::Kind::line,
                         .box = box,
                         .ax = d.x,
                         .ay = d.y,
                         .bx = d.x,
                         .by = d.y,
                         .half = rr,
                         .waits = waits_});
            return;
        }
        if (d.filled || d.r <= 12) {
            against(Item{
                .kind = Item::Kind::mark, .box = box, .cx = d.x, .cy = d.y, .radius = rr, .waits = waits_});
            ownDot_ = &items_.back();
            return;
        }
        // A circle or an arc: line pieces along it.
        const float a0 = whole ? 0 : 6.2831853f * d.start, a1 = whole ? 6.2831853f : 6.2831853f * d.end;
        constexpr int n = 24;
        for (int i = 0; i < n; ++i) {
            const float p = a0 + (a1 - a0) * i / n, q = a0 + (a1 - a0) * (i + 1) / n;
            addLine(d.x + d.r * std::cos(p), d.y + d.r * std::sin(p), d.x + d.r * std::cos(q),
                    d.y + d.r * std::sin(q), d.width);
        }
    }

    void addPolygon(const TraceRecord& r) {
        const Polygon& p = r.polygon;
        if (p.points.empty()) return;
        Rect box{p.points[0].x, p.points[0].y, p.points[0].x, p.points[0].y};
        for (const auto& v : p.points) {
            box.x0 = std::min(box.x0, v.x), box.x1 = std::max(box.x1, v.x);
            box.y0 = std::min(box.y0, v.y), box.y1 = std::max(box.y1, v.y);
        }
        if (p.filled && box.x1 - box.x0 <= 30 && box.y1 - box.y0 <= 30) {
            // An arrow head: a mark.
            against(Item{.kind = Item::Kind::mark, .box = box.grown(p.width / 2.0f), .waits = waits_});
            return;
        }
        if (p.colour == ink::page) {
            cover(box);
            return;
        }
        const std::size_t n = p.points.size();
        for (std::size_t i = 0; i + 1 < n + (p.filled ? 1 : 0); ++i) {
            const auto& a = p.points[i];
            const auto& b = p.points[(i + 1) % n];
            addLine(a.x, a.y, b.x, b.y, p.width);
        }
    }

    // The plane's scale numbers: Gothic digits at the axes' size, two across.
    static bool isScaleNumber(const Glyph& g) {
        return g.h == 2 && g.v == 1 && (g.size == 26 || g.size == 30) &&
               g.text.find_first_not_of("-.0123456789") == std::string::npos;
    }

    bool lines_;
    std::vector<Item> items_;       // lines, marks and texts
    std::vector<Item> labels_;      // labels and scale numbers
    const Item* ownDot_ = nullptr;  // the dot drawn just before, a point's own
    std::vector<TraceRecord> label_;
    std::vector<Finding> findings_;
    std::set<std::string> seen_;
    int waits_ = 0;
};

// What a run's trace holds that a pupil could misread.
std::vector<Finding> illegible(const Trace& trace, bool lines) {
    Screen screen(lines);
    bool inHalo = false;
    for (const auto& r : trace.records()) {
        if (r.line == "halo on") {
            inHalo = true;
        } else if (r.line == "halo off") {
            inHalo = false;
            screen.closeLabel();
        } else if (r.kind == TraceRecord::Kind::key) {
            screen.keyRead();
        } else {
            screen.add(r, inHalo);
        }
    }
    return screen.findings();
}

struct Exception {
    const char* program;
    const char* label;  // as a finding names it
    const char* other;
    const char* reason;
};

const Exception kAccepted[] = {
    {"plover", "scale number \"240\"", "a dot or arrow head",
     "the ferry chart's own time axis: the boat leaves at 255 minutes, its dot on the axis just above the "
     "tick number 240's last digit, which still reads; the chart's numbers and the dot are the page's"},
    {"*", "scale number \"0\"", "a dot or arrow head",
     "the origin's \"0\" is the plane's reference and stays where the plane puts it; a point at the origin "
     "touches its corner and both still read"},
    {"*", "label \"x\"", "a dot or arrow head",
     "the axis letter is the plane's reference and stays at the end of its axis; a point the problem puts "
     "there (Tern's B(5.2, 0.6) beside the x axis's end) touches the letter's corner, and both still read"},
    {"*", "label \"y\"", "a dot or arrow head",
     "the axis letter is the plane's reference and stays at the top of its axis; a point the problem puts "
     "on the y axis at the plane's top edge touches the letter's foot, and both still read"},
};

bool accepted(const std::string& program, const Finding& f) {
    for (const Exception& e : kAccepted)
        if ((program == e.program || std::string(e.program) == "*") && f.label == e.label &&
            f.other == e.other)
            return true;
    return false;
}

}  // namespace boxes

// ---- The accepted exceptions ------------------------------------------------------------

struct Exception {
    const char* program;
    int chapter, topic;  // 0: any
    int rule;
    const char* subject;  // as a breach names it, a part of it
    const char* reason;
};

const Exception kAccepted[] = {
    {"", 0, 0, -1, "", ""},
};

bool accepted(const std::string& program, int chapter, int topic, const Breach& b) {
    for (const Exception& e : kAccepted)
        if (program == e.program && (e.chapter == 0 || e.chapter == chapter) &&
            (e.topic == 0 || e.topic == topic) && e.rule == b.rule &&
            b.subject.find(e.subject) != std::string::npos)
            return true;
    return false;
}

// ---- The walk ---------------------------------------------------------------------------

struct Walk {
    const char* program;
    int chapter;
    std::unique_ptr<RecordedRun> (*run)(const RunOptions&);
    const char* heading;  // the main menu's, drawn again when a choice leads back to it
};

template <class P>
std::unique_ptr<RecordedRun> runOf(const RunOptions& o) {
    return std::make_unique<ProgramRun<P>>(o);
}

std::string spaces(int n) { return steps(n, "Space"); }

// A topic walked to its end: a random topic asks for problem after problem,
// then is left.
std::string topicKeys(int chapter, int item, int problems) {
    std::string keys = std::to_string(chapter) + " Enter " + std::to_string(item) + " Enter" + spaces(80);
    for (int i = 0; i < problems; ++i) keys += " 2 Enter" + spaces(60);
    keys += " Enter" + spaces(60) + " 1 Enter" + spaces(60);
    return keys;
}

int seedsToWalk() {
    if (const char* s = std::getenv("LEGIBILITY_SEEDS")) return std::max(1, std::atoi(s));
#ifdef LEGIBILITY_SANITIZED
    return 4;
#else
    return 40;
#endif
}

// Counts per rule over the whole walk, for the report.
struct Counts {
    std::array<int, 7> found{}, accepted{};
};
Counts& counts() {
    static Counts c;
    return c;
}

class Legibility : public ::testing::TestWithParam<Walk> {
protected:
    static void TearDownTestSuite() {
        if (!std::getenv("LEGIBILITY_REPORT")) return;
        const Counts& c = counts();
        std::cout << "legibility: breaches per rule (accepted among them)\n";
        for (int r = 0; r <= 6; ++r)
            std::cout << "  " << (r == 0 ? "boxes meeting" : "R" + std::to_string(r)) << ": " << c.found[r]
                      << " (" << c.accepted[r] << ")\n";
    }
};

// A run measured at every wait, and its trace's boxes that meet (as rule 0).
std::vector<Breach> measured(const Walk& w, RunOptions o) {
    Reader reader;
    // The run's trace is read as it grows.
    o.atWait = [&reader](rt::HeadlessRuntime& r) {
        reader.atWait(r.canvas(), static_cast<std::ostringstream*>(r.trace())->view());
    };
    const auto run = w.run(o);
    std::vector<Breach> out = reader.breaches();
    for (const boxes::Finding& f : boxes::illegible(run->records(), false))
        if (!boxes::accepted(w.program, f))
            out.push_back({0, f.label, "meets " + f.other, 0, {}, f.waits, {}, f.where});
    return out;
}

TEST_P(Legibility, EveryScreenReads) {
    const Walk& w = GetParam();
    const int seeds = seedsToWalk();
    const std::string chapter = std::to_string(w.chapter) + " Enter ";
    // What the chapter's menu draws after a number that names no topic.
    auto afterEntry = [&](const std::string& typed) {
        const std::string t = w.run({.keys = chapter + typed + " Enter Space"})->trace.str();
        return t.substr(t.rfind("key Enter"));
    };
    const std::string none = afterEntry("0");
    int runs = 0, found = 0;
    std::set<std::string> reported;
    for (int item = 1; item <= 9; ++item) {
        // A number that names no topic, and the chapter's own exit, are no topic.
        const auto opened = w.run({.keys = chapter + std::to_string(item) + " Enter Space"});
        if (afterEntry(std::to_string(item)) == none || opened->count(w.heading) > 1) continue;
        const std::string keys = topicKeys(w.chapter, item, 6);
        // A topic that draws the same with another seed is not random.
        const bool random =
            w.run({.keys = keys, .seed = 1})->trace.str() != w.run({.keys = keys, .seed = 2})->trace.str();
        for (int seed = 1; seed <= (random ? seeds : 1); ++seed) {
            ++runs;
            for (const Breach& b : measured(w, {.keys = keys, .seed = seed})) {
                ++counts().found[b.rule];
                if (accepted(w.program, w.chapter, item, b)) {
                    ++counts().accepted[b.rule];
                    continue;
                }
                ++found;
                if (reported.insert(std::to_string(item) + b.key()).second)
                    ADD_FAILURE() << w.program << " chapter " << w.chapter << " topic " << item << " seed "
                                  << seed << " after " << b.waits << " waits: R" << b.rule << " " << b.subject
                                  << " / " << b.other << ", " << b.distance << " units, at " << boxText(b.at)
                                  << (b.otherAt.empty() ? "" : ", the other at " + boxText(b.otherAt))
                                  << (b.where.empty() ? "" : ", boxes " + b.where);
            }
        }
    }
    std::cout << w.program << " chapter " << w.chapter << ": " << runs << " runs, " << found << " breaches\n";
}

std::vector<Walk> walks() {
    std::vector<Walk> out;
    auto add = [&](const char* program, std::initializer_list<int> chapters, auto run, const char* heading) {
        for (int c : chapters) out.push_back({program, c, run, heading});
    };
    add("kestrel", {1, 2, 3, 4, 5, 6, 7}, &runOf<Kestrel>, "＜Kestrel　メニュー＞");
    add("plover", {1, 2, 3, 4, 5, 6}, &runOf<Plover>, "＜Plover　メニュー＞");
    add("tern", {1, 2, 3, 4}, &runOf<Tern>, "＜Tern　メニュー＞");
    add("grebe", {1, 2, 3, 4}, &runOf<Grebe>, "＜Grebe　メニュー＞");
    return out;
}

INSTANTIATE_TEST_SUITE_P(AllTopics, Legibility, ::testing::ValuesIn(walks()),
                         [](const ::testing::TestParamInfo<Walk>& i) {
                             return std::string(i.param.program) + "_chapter" +
                                    std::to_string(i.param.chapter);
                         });

}  // namespace
}  // namespace lesson::testing
