// SPDX-License-Identifier: GPL-3.0-or-later
// Table cells and plain table labels.
#include "engine.h"
#include "runtime/text.h"

namespace lesson {
namespace {

// Centring offset of a text BAI wide in a cell TANI wide; a text wider than
// its cell starts at the left edge.
Num centred(Num cellWidth, Num textWidth) {
    Num offset = (cellWidth - textWidth) / 2;
    return offset < 0 ? 0 : offset;
}

}  // namespace

void Engine::DrawMathCell() {
    const Num x = DSM1, y = DSM2;
    const std::string text = A_s;
    const bool fraction = rt::kinstr(A_s, "ﾀ") != 0;
    MeasureMathText();
    const Num offset = centred(TANI, BAI);
    // A plain line counts as 44 units high, one with a fraction as 50.
    const Num top = y + Int((X8 - (fraction ? 50 : 44)) / 2);
    Rt().line(x, y, x + TANI, y + X8, static_cast<int>(NO), 2, static_cast<int>(TKAI2));
    DSM1 = x + offset;
    DSM2 = top;
    KKAI_s = text;
    DrawMathText();
    DSM1 = x + TANI;
    DSM2 = y;
}

void Engine::DrawMathCellRaised() {
    const Num x = DSM1, y = DSM2;
    const std::string text = A_s;
    MeasureMathText();
    const Num offset = centred(TANI, BAI);
    const Num lift = Int((X8 - 44) / 2);
    Rt().line(x, y - lift, x + TANI, y + X8 - lift, static_cast<int>(NO), 2, static_cast<int>(TKAI2));
    DSM1 = x + offset;
    DSM2 = y;
    KKAI_s = text;
    DrawMathText();
    DSM1 = x + TANI;
    DSM2 = y;
}

void Engine::DrawMathCellTwoLines() {
    const Num x = DSM1, y = DSM2;
    const std::string upper = YY_s, lower = T_s;

    A_s = upper;
    bool fraction = rt::kinstr(upper, "ﾀ") != 0;
    MeasureMathText();
    Num offset = centred(TANI, BAI);
    const Num top = y + Int((X8 / 2 - (fraction ? 50 : 44)) / 2);
    Rt().line(x, y, x + TANI, y + X8, static_cast<int>(NO), 2, static_cast<int>(TKAI2));
    // A cell without a second line has its one line lowered.
    DSM1 = x + offset;
    DSM2 = lower.empty() ? top + 25 : top;
    KKAI_s = upper;
    DrawMathText();

    A_s = lower;
    fraction = rt::kinstr(lower, "ﾀ") != 0;
    MeasureMathText();
    offset = centred(TANI, BAI);
    DSM1 = x + offset;
    DSM2 = fraction ? y + 50 + Int((X8 / 2 - 50) / 2) : y + 44 + Int((X8 / 2 - 44) / 2);
    KKAI_s = lower;
    DrawMathText();
    DSM1 = x + TANI;
    DSM2 = y;
}

void Engine::DrawTableText() {
    rt::Runtime& r = Rt();
    const int colour = static_cast<int>(YMOTO);
    for (;;) {
        Num x = DSM1;
        const Num y = DSM2;
        BB1 = static_cast<Num>(r.drawWidth());
        if (KKAI_s.empty()) {
            r.setFontBold(false);
            r.setDrawWidth(static_cast<int>(BB1));
            r.setFontSize(16);
            return;
        }
        A_s = rt::kleft(KKAI_s, 1);
        KKAI_s.erase(0, A_s.size());
        LT_s = A_s;
        r.setFontBold(true);
        r.setFontSize(15);
        const std::string& ch = LT_s;
        if (ch == "." || ch == ",") {
            r.symbol(ch, x, y, 3, 2, colour);
            x += 8;
        } else if (ch == "(") {
            r.symbol(ch, x - 8, y, 3, 2, colour);
            x += 12;
        } else if (ch == ")") {
            r.symbol(ch, x, y, 3, 2, colour);
            x += 8;
        } else if (ch == " ") {
            x += 20;
        } else if (!rt::isSingleByte(ch)) {
            r.symbol(ch, x, y, 2, 2, colour);
            x += 30;
        } else if (ch == "a" || ch == "x" || ch == "c") {
            r.setFontName("Times New Roman");
            r.setFontSize(8);
            r.setFontItalic(true);
            r.symbol(ch, x + 4, y - 12, 7, 4, colour);
            r.setFontName("ゴシック");
            r.setFontItalic(false);
            x += 20;
        } else if (ch == "y") {
            r.symbol(ch, x, y - 6, 3, 2, colour);
            x += 20;
        } else {
            r.symbol(ch, x, y, 3, 2, colour);
            x += 20;
        }
        DSM1 = x;
        DSM2 = y;
    }
}

void Engine::MeasureTableText() {
    const std::string label = A_s;
    MeasureHidden(&Engine::DrawTableText);
    // As the drawing left them: the label back in KKAI$, its last character in A$.
    KKAI_s = label;
}

void Engine::DrawTableCell() {
    const Num x = DSM1, y = DSM2;
    const std::string label = A_s;
    MeasureTableText();
    const Num offset = centred(TANI, BAI);
    // A label line counts as 26 units high.
    const Num top = y + Int((X8 - 26) / 2);
    Rt().line(x, y, x + TANI, y + X8, static_cast<int>(NO), 2, static_cast<int>(TKAI2));
    DSM1 = x + offset;
    DSM2 = top;
    KKAI_s = label;
    DrawTableText();
    DSM1 = x + TANI;
    DSM2 = y;
}

void Engine::DrawTableCellTwoLines() {
    const Num x = DSM1, y = DSM2;
    const std::string upper = YY_s, lower = T_s;
    A_s = upper;
    MeasureTableText();
    Num offset = centred(TANI, BAI);
    const Num top = y + Int((X8 / 2 - 26) / 2);
    Rt().line(x, y, x + TANI, y + X8, static_cast<int>(NO), 2, static_cast<int>(TKAI2));
    DSM1 = x + offset;
    DSM2 = lower.empty() ? top + 15 : top;
    KKAI_s = upper;
    DrawTableText();
    A_s = lower;
    MeasureTableText();
    offset = centred(TANI, BAI);
    // The lower label stands 30 below the upper label's unlowered top.
    DSM1 = x + offset;
    DSM2 = top + 30;
    KKAI_s = lower;
    DrawTableText();
    DSM1 = x + TANI;
    DSM2 = y;
}

}  // namespace lesson
