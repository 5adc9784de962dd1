// SPDX-License-Identifier: GPL-3.0-or-later
// The maths-text renderer: one line of text with stacked fractions, root
// signs, exponents and symbol substitutions, drawn glyph by glyph with fixed
// advances so that every screen lays out the same on every machine.
#include <array>
#include <string_view>

#include "engine.h"
#include "figure_helpers.h"
#include "runtime/text.h"

namespace lesson {
namespace {

constexpr std::string_view kGothic = "ゴシック";
constexpr std::string_view kSerif = "Times New Roman";

// ASCII stand-ins for the signs that are awkward to type.
std::string_view substitute(std::string_view ch) {
    if (ch == "%") return "°";
    if (ch == "*") return "×";
    if (ch == "/") return "÷";
    if (ch == "@") return "±";
    if (ch == "!") return "√";
    return ch;
}

// What a glyph form draws with: the runtime, the run's colour and size, and
// the mode the run carries from glyph to glyph.
struct GlyphPen {
    rt::Runtime& r;
    Colour colour;
    bool small;
    GlyphMode& mode;

    void text(std::string_view ch, Num x, Num y, int h, int v) const { r.symbol(ch, x, y, h, v, colour); }
    void poly(std::initializer_list<rt::Point> pts) const {
        r.connect(colour, std::span(pts.begin(), pts.size()));
    }
    void stroke(Num x, Num y, Num dx, Num dy) const { r.segment(x, y, x + dx, y + dy, colour); }
};

// One way of drawing a glyph: when it applies, and how; draw returns the
// advance. The first form of kGlyphForms that applies draws the glyph.
struct GlyphForm {
    bool (*applies)(std::string_view ch, const GlyphPen& pen);
    Num (*draw)(std::string_view ch, const GlyphPen& pen, Num x, Num y);
};

bool isOneOf(std::string_view ch, std::initializer_list<std::string_view> set) {
    for (std::string_view s : set)
        if (ch == s) return true;
    return false;
}

const GlyphForm kGlyphForms[] = {
    // A decimal point sits low and close.
    {[](std::string_view ch, const GlyphPen&) { return ch == "."; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.text(ch, x - 3, y + 14, 3, 2);
         return 8;
     }},
    {[](std::string_view ch, const GlyphPen&) { return ch == "'" || ch == "°"; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.text(ch, x, y, 3, 3);
         return 12;
     }},
    {[](std::string_view ch, const GlyphPen&) { return ch == "="; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setFontSize(14);
         p.r.setFontBold(true);
         p.text(ch, x + 4, y, 3, 3);
         p.r.setFontSize(16);
         return 32;
     }},
    // The small raised form after "\".
    {[](std::string_view, const GlyphPen& p) { return p.mode.raised; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setFontSize(8);
         p.text(ch, x, y - 10, 6, 3);
         p.mode.raised = false;
         p.r.setFontSize(16);
         return 24;
     }},
    // Exponents after "^".
    {[](std::string_view, const GlyphPen& p) { return p.mode.exponent && p.small; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setFontSize(8);
         p.text(ch, x, y - 4, 6, 3);
         p.mode.exponent = false;
         p.r.setFontSize(16);
         return 24;
     }},
    {[](std::string_view, const GlyphPen& p) { return p.mode.exponent; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.text(ch, x, y, 3, 2);
         p.mode.exponent = false;
         return 24;
     }},
    // The letters of formulas, in italic serif.
    {[](std::string_view ch, const GlyphPen&) {
         return isOneOf(ch, {"a", "x", "c"});
     },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setFontName(kSerif);
         p.r.setFontSize(8);
         p.r.setFontItalic(true);
         Num advance = 0;
         if (p.small) {
             p.text(ch, x + 4, y - 16, 12, 5);
             advance = 32;
         } else {
             p.text(ch, x + 4, y - 22, 10, 7);
             advance = 27;
         }
         p.r.setFontName(kGothic);
         p.r.setFontSize(16);
         p.r.setFontItalic(false);
         return advance;
     }},
    {[](std::string_view ch, const GlyphPen&) { return ch == "l"; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setFontName("MT Extra");
         p.r.setFontSize(16);
         p.r.setFontBold(true);
         p.text(ch, x, y, 6, 3);
         p.r.setFontName(kGothic);
         p.r.setFontSize(16);
         p.r.setFontBold(false);
         return 32;
     }},
    // Plus and minus are drawn as strokes, so that they line up with the digits.
    {[](std::string_view ch, const GlyphPen& p) { return (ch == "-" || ch == "+") && p.small; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setDrawWidth(5);
         p.stroke(x + 6, y + 14, 20, 0);
         if (ch == "+") p.stroke(x + 16, y + 4, 0, 20);
         p.r.setDrawWidth(3);
         return 32;
     }},
    {[](std::string_view ch, const GlyphPen&) { return ch == "-"; },
     [](std::string_view, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setDrawWidth(5);
         p.stroke(x + 4, y + 20, 19, 0);
         p.r.setDrawWidth(3);
         return 27;
     }},
    {[](std::string_view ch, const GlyphPen&) { return ch == "+"; },
     [](std::string_view, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setDrawWidth(5);
         p.stroke(x + 4, y + 22, 19, 0);
         p.stroke(x + 13, y + 10, 0, 24);
         p.r.setDrawWidth(3);
         return 27;
     }},
    {[](std::string_view ch, const GlyphPen& p) {
         return isOneOf(ch, {"×", "÷", "±"}) && !p.small;
     },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.text(ch, x - 4, y, 2, 3);
         return 27;
     }},
    {[](std::string_view ch, const GlyphPen&) { return ch == " "; },
     [](std::string_view, const GlyphPen&, Num, Num) -> Num { return 27; }},
    // Full-width characters, then everything else, by size.
    {[](std::string_view ch, const GlyphPen& p) { return !rt::isSingleByte(ch) && p.small; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.r.setFontSize(11);
         p.text(ch, x, y, 3, 3);
         p.r.setFontSize(16);
         return 38;
     }},
    {[](std::string_view ch, const GlyphPen&) { return !rt::isSingleByte(ch); },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.text(ch, x, y, 2, 3);
         return 34;
     }},
    {[](std::string_view, const GlyphPen& p) { return p.small; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.text(ch, x, y, 4, 2);
         return 32;
     }},
    {[](std::string_view, const GlyphPen&) { return true; },
     [](std::string_view ch, const GlyphPen& p, Num x, Num y) -> Num {
         p.text(ch, x, y, 3, 3);
         return 27;
     }},
};

// A root sign opens a bar over what follows it; returns the advance.
Num drawRootSign(const GlyphPen& p, Num x, Num y) {
    p.r.setDrawWidth(3);
    Num advance = 0;
    if (p.small) {
        p.poly({{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}});
        advance = 26;
        p.mode.rootBar = RootBar::Small;
    } else {
        p.poly({{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}});
        advance = 28;
        p.mode.rootBar = RootBar::Normal;
    }
    p.r.setDrawWidth(3);
    return advance;
}

// The parallelogram sign; returns the advance.
Num drawParallelogramSign(const GlyphPen& p, Num x, Num y) {
    p.r.setDrawWidth(5);
    p.poly({{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8}, {x + 4, y + 40}});
    p.r.setDrawWidth(3);
    return 36;
}

// The open root's overbar grows with the text under it, up to x.
void extendRootBar(const GlyphPen& p, Num x, Num y) {
    const RootBar bar = p.mode.rootBar;
    if (bar == RootBar::Normal || bar == RootBar::Small || (bar == RootBar::Tall && !p.small)) {
        Num barY = bar == RootBar::Normal ? y - 4 : bar == RootBar::Small ? y - 6 : y - 14;
        p.r.setDrawWidth(3);
        p.r.segment(p.mode.barFrom, barY, x, barY, p.colour);
        p.r.setDrawWidth(3);
    } else {
        p.mode.barFrom = x;
    }
}

}  // namespace

Point Engine::DrawGlyphRun(const PenText& run, bool small) {
    rt::Runtime& r = Rt();
    Num x = run.at.x;
    const Num y = run.at.y;
    rt::StyleScope style(r);
    const GlyphPen p{r, run.colour, small, glyphMode_};
    r.setTextStyle(rt::gothic(16, true));

    for (const std::string& raw : rt::chars(run.text)) {
        const std::string_view ch = substitute(raw);

        // Control characters and figure signs: no overbar step.
        if (ch == "^") {
            glyphMode_.exponent = true;
            continue;
        }
        if (ch == "\\") {
            glyphMode_.raised = true;
            continue;
        }
        if (ch == "ﾝ") {
            glyphMode_.rootBar = RootBar::None;
            continue;
        }
        if (ch == "√" || ch == "&") {
            x += ch == "√" ? drawRootSign(p, x, y) : drawParallelogramSign(p, x, y);
            glyphMode_.barFrom = x;
            continue;
        }

        for (const GlyphForm& form : kGlyphForms) {
            if (form.applies(ch, p)) {
                x += form.draw(ch, p, x, y);
                break;
            }
        }
        extendRootBar(p, x, y);
    }
    return {x, y};
}

Point Engine::DrawMathText(const PenText& text) { return DrawMathText(text, false); }

Point Engine::DrawMathText(const PenText& text, bool small) {
    rt::Runtime& r = Rt();
    std::string rest(text.text);
    Point pen = text.at;
    while (!rest.empty()) {
        const std::string ch = rt::kleft(rest, 1);
        rest.erase(0, ch.size());
        if (ch == "ﾀ") {
            int close = rt::kinstr(rest, "ﾀ");
            if (close == 0) continue;  // an unclosed fraction mark is dropped
            const std::string fraction = rt::kleft(rest, close - 1);
            rest = rt::kmid(rest, close + 1);
            pen = DrawStackedFraction({fraction, pen, text.colour});
            continue;
        }
        if (ch == "#") {
            const Num x = pen.x, y = pen.y;
            {
                rt::StyleScope width(r, 3);
                const rt::Point pts[] = {
                    {x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}};
                r.connect(text.colour, pts);
                glyphMode_.rootBar = RootBar::Tall;
            }
            pen.x = x + 32;
            glyphMode_.barFrom = pen.x;
            continue;
        }
        if (ch == "^") {
            glyphMode_.exponent = true;
            continue;
        }
        pen = DrawGlyphRun({ch, pen, text.colour}, small);
    }
    return pen;
}

Point Engine::DrawStackedFraction(const PenText& fraction) {
    rt::Runtime& r = Rt();
    const Num x = fraction.at.x, y = fraction.at.y;
    const std::string_view text = fraction.text;
    const bool hasRoot = rt::kinstr(text, "!") != 0 || rt::kinstr(text, "√") != 0;
    const int slash = rt::kinstr(text, "/");
    const std::string numerator = slash ? rt::kleft(text, slash - 1) : std::string(text);
    const std::string denominator = slash ? rt::kmid(text, slash + 1) : std::string();

    const Num numWidth = MeasureMathText(numerator, true);
    const Num denWidth = MeasureMathText(denominator, true);

    const Num width = numWidth >= denWidth ? numWidth : denWidth;
    const Num numOffset = (width - numWidth) / 2;
    const Num denOffset = (width - denWidth) / 2;
    const Colour colour = fraction.colour;

    {
        rt::StyleScope pen(r, 4);
        r.segment(x, y + 25, x + width, y + 25, colour);
    }
    if (glyphMode_.rootBar == RootBar::Tall) {
        // Under a tall root the fraction carries the root's overbar itself.
        rt::StyleScope pen(r, 3);
        r.segment(x, y - 14, x + width, y - 14, colour);
    }

    const bool raised = rt::kinstr(denominator, "√") != 0 || rt::kinstr(denominator, "^") != 0;
    Num denTop = y + (raised ? 36 : 28) + (hasRoot ? 8 : 0);

    DrawGlyphRun({denominator, {x + denOffset, denTop}, fraction.colour}, true);
    DrawGlyphRun({numerator, {x + numOffset, y - 10}, fraction.colour}, true);
    return {x + width, y};
}

Num Engine::MeasureHidden(const std::function<Point(Point)>& draw) {
    rt::Runtime& r = Rt();
    const bool wasHidden = r.hidden();
    r.setHidden(true);
    const Point end = draw({0, 1800});
    r.setHidden(wasHidden);
    return end.x;
}

Num Engine::MeasureMathText(std::string_view text) { return MeasureMathText(text, false); }

Num Engine::MeasureMathText(std::string_view text, bool small) {
    return MeasureHidden([&](Point at) { return DrawMathText({text, at, ink::text}, small); });
}

}  // namespace lesson
