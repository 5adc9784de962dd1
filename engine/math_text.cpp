// SPDX-License-Identifier: GPL-3.0-or-later
// The maths-text renderer: one line of text with stacked fractions, root
// signs, exponents and symbol substitutions, drawn glyph by glyph with fixed
// advances so that every screen lays out the same on every machine.
#include <array>
#include <string_view>

#include "engine.h"
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

}  // namespace

void Engine::DrawGlyphRun() {
    rt::Runtime& r = Rt();
    Num x = DSM1;
    const Num y = DSM2;
    BB1 = static_cast<Num>(r.drawWidth());
    const bool small = RTASKAI1 == 1;
    const int colour = static_cast<int>(YMOTO);
    r.setFontName(kGothic);
    r.setFontSize(16);
    r.setFontBold(true);

    auto text = [&](std::string_view ch, Num px, Num py, int h, int v) {
        r.symbol(ch, px, py, h, v, colour);
    };
    auto poly = [&](std::initializer_list<rt::Point> pts) {
        r.connect(colour, std::span(pts.begin(), pts.size()));
    };
    auto stroke = [&](Num px, Num py, Num dx, Num dy) { r.line(px, py, px + dx, py + dy, colour, 0, -1); };

    for (const std::string& raw : rt::chars(A_s)) {
        LT_s = std::string(substitute(raw));
        const std::string_view ch = LT_s;

        // Control characters and figure signs: no overbar step.
        if (ch == "^") {
            X1 = 1;
            continue;
        }
        if (ch == "\\") {
            TBSIYAKX = 1;
            continue;
        }
        if (ch == "ﾝ") {
            SIZE1 = 0;
            continue;
        }
        if (ch == "√") {
            r.setDrawWidth(3);
            if (small) {
                poly({{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}});
                x += 26;
                SIZE1 = 11;
            } else {
                poly({{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}});
                x += 28;
                SIZE1 = 1;
            }
            r.setDrawWidth(3);
            AY = x;
            continue;
        }
        if (ch == "&") {
            r.setDrawWidth(5);
            poly({{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8}, {x + 4, y + 40}});
            r.setDrawWidth(3);
            x += 36;
            AY = x;
            continue;
        }

        const bool doubleByte = !rt::isSingleByte(ch);
        if (ch == ".") {
            text(ch, x - 3, y + 14, 3, 2);
            x += 8;
        } else if (ch == "'" || ch == "°") {
            text(ch, x, y, 3, 3);
            x += 12;
        } else if (ch == "=") {
            r.setFontSize(14);
            r.setFontBold(true);
            text(ch, x + 4, y, 3, 3);
            x += 32;
            r.setFontSize(16);
        } else if (TBSIYAKX == 1) {
            r.setFontSize(8);
            text(ch, x, y - 10, 6, 3);
            x += 24;
            TBSIYAKX = 0;
            r.setFontSize(16);
        } else if (X1 == 1 && small) {
            r.setFontSize(8);
            text(ch, x, y - 4, 6, 3);
            x += 24;
            X1 = 0;
            r.setFontSize(16);
        } else if (X1 == 1) {
            text(ch, x, y, 3, 2);
            x += 24;
            X1 = 0;
        } else if (ch == "a" || ch == "x" || ch == "c") {
            r.setFontName(kSerif);
            r.setFontSize(8);
            r.setFontItalic(true);
            if (small) {
                text(ch, x + 4, y - 16, 12, 5);
                x += 32;
            } else {
                text(ch, x + 4, y - 22, 10, 7);
                x += 27;
            }
            r.setFontName(kGothic);
            r.setFontSize(16);
            r.setFontItalic(false);
        } else if (ch == "l") {
            r.setFontName("MT Extra");
            r.setFontSize(16);
            r.setFontBold(true);
            text(ch, x, y, 6, 3);
            x += 32;
            r.setFontName(kGothic);
            r.setFontSize(16);
            r.setFontBold(false);
        } else if ((ch == "-" || ch == "+") && small) {
            r.setDrawWidth(5);
            stroke(x + 6, y + 14, 20, 0);
            if (ch == "+") stroke(x + 16, y + 4, 0, 20);
            r.setDrawWidth(3);
            x += 32;
        } else if (ch == "-") {
            r.setDrawWidth(5);
            stroke(x + 4, y + 20, 19, 0);
            r.setDrawWidth(3);
            x += 27;
        } else if (ch == "+") {
            r.setDrawWidth(5);
            stroke(x + 4, y + 22, 19, 0);
            stroke(x + 13, y + 10, 0, 24);
            r.setDrawWidth(3);
            x += 27;
        } else if ((ch == "×" || ch == "÷" || ch == "±") && !small) {
            text(ch, x - 4, y, 2, 3);
            x += 27;
        } else if (ch == " ") {
            x += 27;
        } else if (doubleByte && small) {
            r.setFontSize(11);
            text(ch, x, y, 3, 3);
            x += 38;
            r.setFontSize(16);
        } else if (doubleByte) {
            text(ch, x, y, 2, 3);
            x += 34;
        } else if (small) {
            text(ch, x, y, 4, 2);
            x += 32;
        } else {
            text(ch, x, y, 3, 3);
            x += 27;
        }

        // The open root's overbar grows with the text under it.
        if (SIZE1 == 1 || SIZE1 == 11 || (SIZE1 == 22 && !small)) {
            Num barY = SIZE1 == 1 ? y - 4 : SIZE1 == 11 ? y - 6 : y - 14;
            r.setDrawWidth(3);
            r.line(AY, barY, x, barY, colour, 0, -1);
            r.setDrawWidth(3);
        } else {
            AY = x;
        }
    }

    DSM1 = x;
    DSM2 = y;
    r.setFontBold(false);
    r.setDrawWidth(static_cast<int>(BB1));
}

void Engine::DrawMathText() {
    rt::Runtime& r = Rt();
    for (;;) {
        BB1 = static_cast<Num>(r.drawWidth());
        if (KKAI_s.empty()) {
            r.setDrawWidth(static_cast<int>(BB1));
            return;
        }
        A_s = rt::kleft(KKAI_s, 1);
        KKAI_s.erase(0, A_s.size());
        if (A_s == "ﾀ") {
            int close = rt::kinstr(KKAI_s, "ﾀ");
            if (close == 0) continue;  // an unclosed fraction mark is dropped
            A_s = rt::kleft(KKAI_s, close - 1);
            std::string rest = rt::kmid(KKAI_s, close + 1);
            DrawStackedFraction();
            KKAI_s = std::move(rest);
            continue;
        }
        if (A_s == "#") {
            const Num x = DSM1, y = DSM2;
            r.setDrawWidth(3);
            const rt::Point pts[] = {
                {x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 60}, {x + 30, y - 14}, {x + 38, y - 14}};
            r.connect(static_cast<int>(YMOTO), pts);
            LT_s.clear();
            SIZE1 = 22;
            r.setDrawWidth(static_cast<int>(BB1));
            DSM1 = x + 32;
            AY = DSM1;
            continue;
        }
        if (A_s == "^") {
            X1 = 1;
            continue;
        }
        DrawGlyphRun();
    }
}

void Engine::DrawStackedFraction() {
    rt::Runtime& r = Rt();
    const Num x = DSM1, y = DSM2;
    const std::string text = A_s;
    const bool hasRoot = rt::kinstr(text, "!") != 0 || rt::kinstr(text, "√") != 0;
    const int slash = rt::kinstr(text, "/");
    const std::string numerator = slash ? rt::kleft(text, slash - 1) : text;
    const std::string denominator = slash ? rt::kmid(text, slash + 1) : std::string();

    auto measure = [&](const std::string& part) {
        DSM1 = x;
        DSM2 = y;
        A_s = part;
        RTASKAI1 = 1;
        MeasureMathText();
        return BAI;
    };
    const Num numWidth = measure(numerator);
    const Num denWidth = measure(denominator);
    RTASKAI1 = 0;

    const Num width = numWidth >= denWidth ? numWidth : denWidth;
    const Num numOffset = (width - numWidth) / 2;
    const Num denOffset = (width - denWidth) / 2;
    const int colour = static_cast<int>(YMOTO);

    r.setDrawWidth(4);
    r.line(x, y + 25, x + width, y + 25, colour, 0, -1);
    r.setDrawWidth(static_cast<int>(BB1));
    if (SIZE1 == 22) {
        // Under a tall root the fraction carries the root's overbar itself.
        r.setDrawWidth(3);
        r.line(x, y - 14, x + width, y - 14, colour, 0, -1);
        r.setDrawWidth(static_cast<int>(BB1));
    }

    const bool raised = rt::kinstr(denominator, "√") != 0 || rt::kinstr(denominator, "^") != 0;
    Num denTop = y + (raised ? 36 : 28) + (hasRoot ? 8 : 0);

    DSM1 = x + denOffset;
    DSM2 = denTop;
    RTASKAI1 = 1;
    A_s = denominator;
    DrawGlyphRun();

    DSM1 = x + numOffset;
    DSM2 = y - 10;
    RTASKAI1 = 1;
    A_s = numerator;
    DrawGlyphRun();

    RTASKAI1 = 0;
    DSM1 = x + width;
    DSM2 = y;
}

void Engine::MeasureHidden(void (Engine::*draw)()) {
    // Each call keeps its own copy of the pen: a fraction's parts are
    // measured by calls nested inside this one.
    const Num savedX = DSM1, savedY = DSM2;
    rt::Runtime& r = Rt();
    const bool wasHidden = r.hidden();
    r.setHidden(true);
    DSM1 = 0;
    DSM2 = 1800;
    KKAI_s = A_s;
    (this->*draw)();
    r.setHidden(wasHidden);
    BAI = DSM1;
    DSM1 = savedX;
    DSM2 = savedY;
}

void Engine::MeasureMathText() {
    const std::string savedText = A_s;
    MeasureHidden(&Engine::DrawMathText);
    A_s = savedText;
}

}  // namespace lesson
