// SPDX-License-Identifier: GPL-3.0-or-later
// Every topic screen of the four programs, and their random topics over many
// seeds, read as a pupil reads them: no label (a text standing on a ground)
// may meet another text or a dot, no scale number a dot or another text, no
// sign mark between two rows of equations either row, and no line across a
// text's minus (a table's rule at its end reads as a tee, one through it as
// a plus).
// Lines before or after a label stop at its ground (the canvas sees to
// that), so they do not count. What remains fails the test unless it is one
// of the few accepted exceptions below, each with its reason.
//
// LEGIBILITY_SEEDS sets how many seeds each random topic runs (fewer under a
// sanitizer); LEGIBILITY_NO_GROUND=1 also reports the lines crossing a
// label's box, as a halo that cleared only around the strokes left them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "grebe_fixture.h"
#include "kestrel_fixture.h"
#include "plover_fixture.h"
#include "runtime/canvas.h"
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

// ---- Geometry ------------------------------------------------------------------------

struct Rect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    Rect grown(float m) const { return {x0 - m, y0 - m, x1 + m, y1 + m}; }
    bool meets(const Rect& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
    bool holds(float x, float y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
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

std::string boxText(const Rect& r) {
    std::ostringstream s;
    s << "(" << r.x0 << "," << r.y0 << ")-(" << r.x1 << "," << r.y1 << ")";
    return s.str();
}

// The ink boxes of glyphs, from the canvas's own placing.
rt::UnitBox inkOf(const Glyph& g) {
    static rt::Canvas canvas(1);
    return canvas.textInk(g.text, g.x, g.y, g.h, g.v, rt::FontState{g.face, g.size, g.bold, g.italic});
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
        if (g.colour == 15) {
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
            if (s.colour == 15) return;
        } else if (s.colour == 15) {
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
        return s.kind == 0 && s.colour == 3 && s.width == 3 &&
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
        if (d.colour == 15 && (!d.filled || d.fillColour == 15 || d.fillColour < 0)) {
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
        if (p.colour == 15) {
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

// ---- The accepted exceptions ------------------------------------------------------------

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
};

bool accepted(const std::string& program, const Finding& f) {
    for (const Exception& e : kAccepted)
        if (program == e.program && f.label == e.label && f.other == e.other) return true;
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
    return 2;
#else
    return 8;
#endif
}

class Legibility : public ::testing::TestWithParam<Walk> {};

TEST_P(Legibility, EveryLabelStandsClear) {
    const Walk& w = GetParam();
    const bool lines = std::getenv("LEGIBILITY_NO_GROUND") != nullptr;
    const int seeds = seedsToWalk();
    const std::string chapter = std::to_string(w.chapter) + " Enter ";
    // What the chapter's menu draws after a number that names no topic.
    auto afterEntry = [&](const std::string& typed) {
        const std::string t = w.run({.keys = chapter + typed + " Enter Space"})->trace.str();
        return t.substr(t.rfind("key Enter"));
    };
    const std::string none = afterEntry("0");
    int runs = 0, waits = 0, findings = 0;
    std::set<std::string> reported;
    for (int item = 1; item <= 9; ++item) {
        // A number that names no topic, and the chapter's own exit, are no topic.
        const auto opened = w.run({.keys = chapter + std::to_string(item) + " Enter Space"});
        if (afterEntry(std::to_string(item)) == none || opened->count(w.heading) > 1) continue;
        const std::string keys = topicKeys(w.chapter, item, 6);
        auto first = w.run({.keys = keys, .seed = 1});
        // A topic that draws the same with another seed is not random.
        auto second = w.run({.keys = keys, .seed = 2});
        const bool random = first->trace.str() != second->trace.str();
        std::vector<std::unique_ptr<RecordedRun>> all;
        all.push_back(std::move(first));
        if (random) {
            all.push_back(std::move(second));
            for (int seed = 3; seed <= seeds; ++seed) all.push_back(w.run({.keys = keys, .seed = seed}));
        }
        int seed = 0;
        for (const auto& run : all) {
            ++seed;
            ++runs;
            const Trace trace = run->records();
            waits += trace.count(TraceRecord::Kind::key);
            for (const Finding& f : illegible(trace, lines)) {
                if (accepted(w.program, f)) continue;
                ++findings;
                if (reported.insert(f.label + "|" + f.other).second)
                    ADD_FAILURE() << w.program << " chapter " << w.chapter << " topic " << item << " seed "
                                  << seed << " after " << f.waits << " keys: " << f.label << " meets "
                                  << f.other << " at " << f.where;
            }
        }
    }
    std::cout << w.program << " chapter " << w.chapter << ": " << runs << " runs, " << waits << " key waits, "
              << findings << " findings\n";
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
