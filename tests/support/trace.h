// SPDX-License-Identifier: GPL-3.0-or-later
// The headless trace read once into typed records, one finder for each kind.
// Tests ask for what was drawn by name (a glyph's colour, a dot's radius),
// never by a field's position in a trace line.
#pragma once

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/basic.h"

namespace rt {
// A colour in a failing test's message.
inline std::ostream& operator<<(std::ostream& out, Colour c) { return out << "colour " << paletteIndex(c); }
}  // namespace rt

namespace lesson::testing {

// "text X Y H V COLOUR FACE SIZE BOLD ITALIC TEXT"
struct Glyph {
    float x = 0, y = 0;
    int h = 0, v = 0;
    Colour colour = ink::text;
    std::string face;
    int size = 0;
    bool bold = false, italic = false;
    std::string text;
};

// "line X1 Y1 X2 Y2 COLOUR KIND FILL WIDTH": a segment or a box (a fill
// only for a filled box, kind 2).
struct Segment {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour colour = ink::text;
    int kind = 0;
    std::optional<Colour> fill;
    int width = 0;
};

// "circle X Y R COLOUR START END FILLED FILLCOLOUR WIDTH": a dot, a circle,
// an arc or a sector (a fill colour only for a sector).
struct Dot {
    float x = 0, y = 0, r = 0;
    Colour colour = ink::text;
    float start = 0, end = 0;
    bool filled = false;
    std::optional<Colour> fillColour;
    int width = 0;
};

// "poly COLOUR WIDTH N X Y ..." or "fpoly OUTLINE FILL WIDTH N X Y ...".
struct Polygon {
    bool filled = false;
    Colour colour = ink::text;
    std::optional<Colour> fillColour;
    int width = 0;
    struct Vertex {
        float x = 0, y = 0;
        bool operator==(const Vertex&) const = default;
    };
    std::vector<Vertex> points;
};

// A query's field left unset matches any value.
template <class T, class U>
bool unsetOrEqual(const std::optional<T>& wanted, const U& value) {
    return !wanted || *wanted == value;
}

// Where a finder looks: less than dx, dy from (x, y); a distance of 0 asks
// for exactly x or y.
struct Near {
    float x = 0, y = 0, dx = 0.5f, dy = 0.5f;
    bool holds(float px, float py) const { return within(px, x, dx) && within(py, y, dy); }
    static bool within(float p, float q, float d) { return d == 0 ? p == q : std::fabs(p - q) < d; }
};
// Exactly at (x, y).
constexpr Near At(float x, float y) { return Near{x, y, 0, 0}; }
// A box, bounds included.
struct Box {
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    bool holds(float px, float py) const { return px >= x1 && px <= x2 && py >= y1 && py <= y2; }
};

// What the glyph finder asks; an unset field matches anything.
struct GlyphQuery {
    std::optional<std::string> text;
    std::optional<Colour> colour;
    std::optional<std::string> face;
    std::optional<Near> near;
    std::optional<Box> in;
    std::optional<int> h, v, size;
    std::optional<bool> bold, italic;
};
// What the dot finder asks; an unset field matches anything.
struct DotQuery {
    std::optional<float> r;
    std::optional<Colour> colour;
    std::optional<Near> near;
    std::optional<Box> in;
    std::optional<int> keys;  // drawn after exactly that many keys
    std::optional<float> start, end;
    std::optional<bool> filled;
    std::optional<Colour> fillColour;
    std::optional<int> width;
};
// What the segment finder asks; an unset field matches anything.
struct SegmentQuery {
    std::optional<Colour> colour;
    std::optional<Near> from;  // (x1, y1)
    std::optional<Near> to;    // (x2, y2)
    std::optional<int> kind;
    std::optional<Colour> fill;
    std::optional<int> width;

    bool holds(const Segment& s) const {
        return unsetOrEqual(colour, s.colour) && (!from || from->holds(s.x1, s.y1)) &&
               (!to || to->holds(s.x2, s.y2)) && unsetOrEqual(kind, s.kind) && unsetOrEqual(fill, s.fill) &&
               unsetOrEqual(width, s.width);
    }
};
// The two shapes most drawings are made of, asked for whole: a filled disc
// (a point on a plane, a dot of a graph) and a plain stroke.
struct Disc {
    Near at;
    float r = 0;
    Colour colour = ink::text;
    int width = 0;
    operator DotQuery() const {  // NOLINT: a disc is asked for wherever a dot query is
        return {.r = r, .colour = colour, .near = at, .start = 0, .end = 0, .filled = true, .width = width};
    }
};
struct Stroke {
    Near from, to;
    Colour colour = ink::text;
    int width = 0;
    operator SegmentQuery() const {  // NOLINT: a stroke is asked for wherever a segment query is
        return {.colour = colour, .from = from, .to = to, .kind = 0, .width = width};
    }
};
// A glyph asked for whole, every field exact; the defaults are those of the
// maths text's digits and signs (bold Gothic at 16, magnified 3 by 3, ink::text).
struct Typeset {
    std::string text;
    Colour colour = ink::text;
    std::string face = "ゴシック";
    Near at;
    int h = 3, v = 3, size = 16;
    bool bold = true, italic = false;
    operator GlyphQuery() const {  // NOLINT: asked for wherever a glyph query is
        return {.text = text,
                .colour = colour,
                .face = face,
                .near = at,
                .h = h,
                .v = v,
                .size = size,
                .bold = bold,
                .italic = italic};
    }
};
// What the polygon finder asks; an unset field matches anything, the points
// match exactly and in order.
struct PolygonQuery {
    std::optional<bool> filled;
    std::optional<Colour> colour, fillColour;
    std::optional<int> width;
    std::optional<std::vector<Polygon::Vertex>> points;

    bool holds(const Polygon& p) const {
        return unsetOrEqual(filled, p.filled) && unsetOrEqual(colour, p.colour) &&
               unsetOrEqual(fillColour, p.fillColour) && unsetOrEqual(width, p.width) &&
               unsetOrEqual(points, p.points);
    }
};

// One record of the trace in drawing order; keys counts the keys read before it.
struct TraceRecord {
    enum class Kind { glyph, segment, dot, polygon, key, cls, end, error, other };
    Kind kind = Kind::other;
    int keys = 0;
    std::string line;  // the record as the runtime wrote it
    Glyph glyph;
    Segment segment;
    Dot dot;
    Polygon polygon;
    std::string key;  // the key's name, or the error's "PLACE CODE"
};

// Whether a record is a glyph (dot, segment, polygon) the query asks for.
inline bool isGlyph(const TraceRecord& r, const GlyphQuery& q) {
    const Glyph& g = r.glyph;
    return r.kind == TraceRecord::Kind::glyph && unsetOrEqual(q.text, g.text) &&
           unsetOrEqual(q.colour, g.colour) && unsetOrEqual(q.face, g.face) &&
           (!q.near || q.near->holds(g.x, g.y)) && (!q.in || q.in->holds(g.x, g.y)) &&
           unsetOrEqual(q.h, g.h) && unsetOrEqual(q.v, g.v) && unsetOrEqual(q.size, g.size) &&
           unsetOrEqual(q.bold, g.bold) && unsetOrEqual(q.italic, g.italic);
}
inline bool isDot(const TraceRecord& r, const DotQuery& q) {
    const Dot& d = r.dot;
    return r.kind == TraceRecord::Kind::dot && unsetOrEqual(q.r, d.r) && unsetOrEqual(q.colour, d.colour) &&
           (!q.near || q.near->holds(d.x, d.y)) && (!q.in || q.in->holds(d.x, d.y)) &&
           unsetOrEqual(q.keys, r.keys) && unsetOrEqual(q.start, d.start) && unsetOrEqual(q.end, d.end) &&
           unsetOrEqual(q.filled, d.filled) && unsetOrEqual(q.fillColour, d.fillColour) &&
           unsetOrEqual(q.width, d.width);
}
inline bool isSegment(const TraceRecord& r, const SegmentQuery& q) {
    return r.kind == TraceRecord::Kind::segment && q.holds(r.segment);
}
inline bool isPolygon(const TraceRecord& r, const PolygonQuery& q) {
    return r.kind == TraceRecord::Kind::polygon && q.holds(r.polygon);
}

class Trace {
public:
    explicit Trace(const std::string& text) {
        std::istringstream in(text);
        int keys = 0;
        for (std::string l; std::getline(in, l);) {
            records_.push_back(parse(l, keys));
            if (records_.back().kind == TraceRecord::Kind::key) ++keys;
        }
    }

    // The trace's lines, as a run's lines() gives them.
    Trace(const std::vector<std::string>& lines) {  // NOLINT: read wherever a test holds the lines
        int keys = 0;
        for (const auto& l : lines) {
            records_.push_back(parse(l, keys));
            if (records_.back().kind == TraceRecord::Kind::key) ++keys;
        }
    }

    // Records taken from another trace.
    explicit Trace(std::vector<TraceRecord> records) : records_(std::move(records)) {}

    // The trace cut before each record that starts a part (a screen's clear,
    // say); what comes before the first such record belongs to no part.
    template <class StartsPart>
    std::vector<Trace> parts(StartsPart startsPart) const {
        std::vector<std::vector<TraceRecord>> cut;
        for (const auto& r : records_) {
            if (startsPart(r)) cut.emplace_back();
            if (!cut.empty()) cut.back().push_back(r);
        }
        return {std::make_move_iterator(cut.begin()), std::make_move_iterator(cut.end())};
    }

    const std::vector<TraceRecord>& records() const& { return records_; }
    std::vector<TraceRecord> records() && { return std::move(records_); }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const auto& r : records_) out.push_back(r.line);
        return out;
    }

    std::vector<Glyph> glyphs(const GlyphQuery& q = {}) const {
        std::vector<Glyph> out;
        for (const auto& r : records_)
            if (isGlyph(r, q)) out.push_back(r.glyph);
        return out;
    }
    std::vector<Dot> dots(const DotQuery& q = {}) const {
        std::vector<Dot> out;
        for (const auto& r : records_)
            if (isDot(r, q)) out.push_back(r.dot);
        return out;
    }
    std::vector<Segment> segments(const SegmentQuery& q = {}) const {
        std::vector<Segment> out;
        for (const auto& r : records_)
            if (isSegment(r, q)) out.push_back(r.segment);
        return out;
    }
    std::vector<Polygon> polygons(const PolygonQuery& q = {}) const {
        std::vector<Polygon> out;
        for (const auto& r : records_)
            if (isPolygon(r, q)) out.push_back(r.polygon);
        return out;
    }
    // The records drawn once at least n keys were read, and those drawn
    // before the nth key was read.
    Trace after(int n) const {
        return where([n](const TraceRecord& r) { return r.keys >= n; });
    }
    Trace before(int n) const {
        return where([n](const TraceRecord& r) { return r.keys < n; });
    }
    // How many keys were read before the first (last) key of that name; -1 when none.
    int firstKey(const std::string& name) const {
        const auto k = keys();
        const auto at = std::find(k.begin(), k.end(), name);
        return at == k.end() ? -1 : static_cast<int>(at - k.begin());
    }
    int lastKey(const std::string& name) const {
        const auto k = keys();
        const auto at = std::find(k.rbegin(), k.rend(), name);
        return at == k.rend() ? -1 : static_cast<int>(k.rend() - at) - 1;
    }

    // The records from the first (last) segment the query holds on; none when no segment does.
    Trace fromFirst(const SegmentQuery& q) const {
        const auto at = std::find_if(records_.begin(), records_.end(),
                                     [&q](const TraceRecord& r) { return isSegment(r, q); });
        return Trace(std::vector<TraceRecord>(at, records_.end()));
    }
    Trace fromLast(const SegmentQuery& q) const {
        const auto at = std::find_if(records_.rbegin(), records_.rend(),
                                     [&q](const TraceRecord& r) { return isSegment(r, q); });
        if (at == records_.rend()) return Trace(std::vector<TraceRecord>{});
        return Trace(std::vector<TraceRecord>(std::prev(at.base()), records_.end()));
    }

    std::vector<std::string> keys() const {
        std::vector<std::string> out;
        for (const auto& r : records_)
            if (r.kind == TraceRecord::Kind::key) out.push_back(r.key);
        return out;
    }
    int count(TraceRecord::Kind kind) const {
        int n = 0;
        for (const auto& r : records_) n += r.kind == kind;
        return n;
    }

private:
    template <class Keep>
    Trace where(Keep keep) const {
        std::vector<TraceRecord> out;
        std::copy_if(records_.begin(), records_.end(), std::back_inserter(out), keep);
        return Trace(std::move(out));
    }

    static TraceRecord parse(const std::string& l, int keys) {
        TraceRecord r;
        r.line = l;
        r.keys = keys;
        std::istringstream in(l);
        std::string kind;
        in >> kind;
        using K = TraceRecord::Kind;
        if (kind == "text") {
            if (parseGlyph(l, r.glyph)) r.kind = K::glyph;
        } else if (kind == "line") {
            Segment& s = r.segment;
            int colour = 0, fill = 0;
            if (in >> s.x1 >> s.y1 >> s.x2 >> s.y2 >> colour >> s.kind >> fill >> s.width) {
                s.colour = rt::paletteEntry(colour);
                s.fill = given(fill);
                r.kind = K::segment;
            }
        } else if (kind == "circle") {
            Dot& d = r.dot;
            int filled = 0, colour = 0, fill = 0;
            if (in >> d.x >> d.y >> d.r >> colour >> d.start >> d.end >> filled >> fill >> d.width) {
                d.colour = rt::paletteEntry(colour);
                d.fillColour = given(fill);
                d.filled = filled;
                r.kind = K::dot;
            }
        } else if (kind == "poly" || kind == "fpoly") {
            Polygon& p = r.polygon;
            p.filled = kind == "fpoly";
            std::size_t n = 0;
            int colour = 0, fill = -1;
            if (p.filled ? !(in >> colour >> fill >> p.width >> n) : !(in >> colour >> p.width >> n))
                return r;
            p.colour = rt::paletteEntry(colour);
            p.fillColour = given(fill);
            for (Polygon::Vertex v; p.points.size() < n && in >> v.x >> v.y;) p.points.push_back(v);
            r.kind = K::polygon;
        } else if (kind == "key") {
            in >> r.key;
            r.kind = K::key;
        } else if (kind == "cls") {
            r.kind = K::cls;
        } else if (kind == "end") {
            r.kind = K::end;
        } else if (kind == "error") {
            std::getline(in >> std::ws, r.key);
            r.kind = K::error;
        }
        return r;
    }

    // A trace's palette number, -1 where a shape has no fill of its own.
    static std::optional<Colour> given(int n) {
        if (n < 0) return std::nullopt;
        return rt::paletteEntry(n);
    }

    // The face ("MT Extra") and the text may hold blanks: the face ends
    // before the first "SIZE BOLD ITALIC" run, the text is the rest.
    static bool parseGlyph(const std::string& l, Glyph& g) {
        std::vector<std::pair<std::size_t, std::size_t>> words;  // start, length
        for (std::size_t i = 0; i < l.size();) {
            const std::size_t start = l.find_first_not_of(' ', i);
            if (start == std::string::npos) break;
            const std::size_t end = std::min(l.find(' ', start), l.size());
            words.emplace_back(start, end - start);
            i = end;
        }
        auto word = [&](std::size_t k) { return l.substr(words[k].first, words[k].second); };
        auto isInt = [&](std::size_t k) {
            const std::string w = word(k);
            return !w.empty() && w.find_first_not_of("-0123456789") == std::string::npos;
        };
        auto isFlag = [&](std::size_t k) { return word(k) == "0" || word(k) == "1"; };
        if (words.size() < 10) return false;
        std::size_t size = 7;  // the first word the size may be: the face has at least one
        while (size + 3 < words.size() && !(isInt(size) && isFlag(size + 1) && isFlag(size + 2))) ++size;
        if (size + 3 >= words.size()) return false;
        g.x = std::stof(word(1));
        g.y = std::stof(word(2));
        g.h = std::stoi(word(3));
        g.v = std::stoi(word(4));
        g.colour = rt::paletteEntry(std::stoi(word(5)));
        g.face = l.substr(words[6].first, words[size - 1].first + words[size - 1].second - words[6].first);
        g.size = std::stoi(word(size));
        g.bold = word(size + 1) == "1";
        g.italic = word(size + 2) == "1";
        const std::size_t text = words[size + 2].first + words[size + 2].second + 1;
        g.text = text < l.size() ? l.substr(text) : "";
        return true;
    }

    std::vector<TraceRecord> records_;
};

// The first place where two lists of lines differ, or "" when they are the same.
inline std::string firstDifferentLine(const std::vector<std::string>& la,
                                      const std::vector<std::string>& lb) {
    for (std::size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "(none)";
        const std::string y = i < lb.size() ? lb[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "";
}

}  // namespace lesson::testing
