// SPDX-License-Identifier: GPL-3.0-or-later
// Table cells and plain table labels.
#include "engine.h"
#include "figure_helpers.h"
#include "runtime/text.h"

namespace lesson {
namespace {

// Centring offset of a text in its cell; a text wider than its cell starts at
// the left edge.
Num centred(Num cellWidth, Num textWidth) {
    Num offset = (cellWidth - textWidth) / 2;
    return offset < 0 ? 0 : offset;
}

}  // namespace

Point Engine::DrawMathCell(const TextCell& cell, std::string_view text) {
    const Num x = cell.at.x, y = cell.at.y;
    const bool fraction = rt::kinstr(text, "ﾀ") != 0;
    const Num offset = centred(cell.width, MeasureMathText(text));
    // A plain line counts as 44 units high, one with a fraction as 50.
    const Num top = y + Int((cell.height - (fraction ? 50 : 44)) / 2);
    Rt().filledBox(x, y, x + cell.width, y + cell.height, cell.outline, cell.fill);
    DrawMathText({text, {x + offset, top}, cell.colour});
    return {x + cell.width, y};
}

Point Engine::DrawMathCellRaised(const TextCell& cell, std::string_view text) {
    const Num x = cell.at.x, y = cell.at.y;
    const Num offset = centred(cell.width, MeasureMathText(text));
    const Num lift = Int((cell.height - 44) / 2);
    Rt().filledBox(x, y - lift, x + cell.width, y + cell.height - lift, cell.outline, cell.fill);
    DrawMathText({text, {x + offset, y}, cell.colour});
    return {x + cell.width, y};
}

Point Engine::DrawMathCellTwoLines(const TextCell& cell, std::string_view upper, std::string_view lower) {
    const Num x = cell.at.x, y = cell.at.y, height = cell.height;

    bool fraction = rt::kinstr(upper, "ﾀ") != 0;
    Num offset = centred(cell.width, MeasureMathText(upper));
    const Num top = y + Int((height / 2 - (fraction ? 50 : 44)) / 2);
    Rt().filledBox(x, y, x + cell.width, y + height, cell.outline, cell.fill);
    // A cell without a second line has its one line lowered.
    DrawMathText({upper, {x + offset, lower.empty() ? top + 25 : top}, cell.colour});

    fraction = rt::kinstr(lower, "ﾀ") != 0;
    offset = centred(cell.width, MeasureMathText(lower));
    const Num lowerTop = fraction ? y + 50 + Int((height / 2 - 50) / 2) : y + 44 + Int((height / 2 - 44) / 2);
    DrawMathText({lower, {x + offset, lowerTop}, cell.colour});
    return {x + cell.width, y};
}

Point Engine::DrawTableText(const PenText& text) {
    rt::Runtime& r = Rt();
    rt::StyleScope style(r);
    r.setTextStyle(rt::gothic(15, true));
    const Colour colour = text.colour;
    std::string rest(text.text);
    Num x = text.at.x;
    const Num y = text.at.y;
    while (!rest.empty()) {
        const std::string ch = rt::kleft(rest, 1);
        rest.erase(0, ch.size());
        r.setFontBold(true);
        r.setFontSize(15);
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
    }
    return {x, y};
}

Num Engine::MeasureTableText(std::string_view text) {
    return MeasureHidden([&](Point at) { return DrawTableText({text, at, ink::text}); });
}

Point Engine::DrawTableCell(const TextCell& cell, std::string_view text) {
    const Num x = cell.at.x, y = cell.at.y;
    const Num offset = centred(cell.width, MeasureTableText(text));
    // A label line counts as 26 units high.
    const Num top = y + Int((cell.height - 26) / 2);
    Rt().filledBox(x, y, x + cell.width, y + cell.height, cell.outline, cell.fill);
    DrawTableText({text, {x + offset, top}, cell.colour});
    return {x + cell.width, y};
}

Point Engine::DrawTableCellTwoLines(const TextCell& cell, std::string_view upper, std::string_view lower) {
    const Num x = cell.at.x, y = cell.at.y;
    Num offset = centred(cell.width, MeasureTableText(upper));
    const Num top = y + Int((cell.height / 2 - 26) / 2);
    Rt().filledBox(x, y, x + cell.width, y + cell.height, cell.outline, cell.fill);
    DrawTableText({upper, {x + offset, lower.empty() ? top + 15 : top}, cell.colour});
    offset = centred(cell.width, MeasureTableText(lower));
    // The lower label stands 30 below the upper label's unlowered top.
    DrawTableText({lower, {x + offset, top + 30}, cell.colour});
    return {x + cell.width, y};
}

}  // namespace lesson
