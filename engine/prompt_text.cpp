// SPDX-License-Identifier: GPL-3.0-or-later
// Prompt shorthand: half-width prompt text and typed keys shown as full-width
// glyphs on a fixed grid of 16-unit cells.
#include "engine.h"
#include "figure_helpers.h"
#include "runtime/text.h"

namespace lesson {
namespace {

// Each half-width character stands for the character at the same position of
// its partner table.
const std::string kLetters = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
const std::string kLetterGlyphs = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
const std::string kSymbols = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const std::string kSymbolGlyphs =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△"
    "：";

}  // namespace

std::string Engine::ToFullWidthChar(std::string_view ch) {
    // The half-width tables hold single-byte characters only, so a character
    // position in them is also a byte position.
    std::string glyph(ch);
    if (glyph.empty()) return glyph;  // nothing to show either way; the cell still advances
    if (int at = rt::kinstr(kLetters, glyph); at != 0) glyph = rt::kmid(kLetterGlyphs, at, 1);
    if (int at = rt::kinstr(kSymbols, glyph); at != 0) glyph = rt::kmid(kSymbolGlyphs, at, 1);
    return glyph;
}

Point Engine::DrawTextChars(const PenText& text) {
    rt::Runtime& r = Rt();
    std::string bare;
    for (char c : text.text)
        if (c != ' ') bare += c;
    const std::vector<std::string> cs = rt::chars(bare);
    Num x = text.at.x;
    const Num y = text.at.y;
    rt::StyleScope style(r);
    r.setTextStyle(rt::gothic(16, true));
    // A counted loop runs its body once even for an empty text: that pass
    // draws nothing and still takes a cell.
    const int count = static_cast<int>(cs.size());
    for (int i = 1; i == 1 || i <= count; ++i) {
        std::string ch = i <= count ? cs[static_cast<std::size_t>(i - 1)] : std::string();
        if (ch == "^") {
            glyphMode_.exponent = true;
            continue;
        }
        if (!glyphMode_.exponent)
            ch = ToFullWidthChar(ch);
        else
            glyphMode_.exponent = false;
        // A glyph left half-width sits 4 units higher than the full-width ones.
        const Num raise = rt::blen(ch) == 1 ? 4 : 0;
        if (ch == "．") x -= 4;
        if (!ch.empty()) r.symbol(ch, x, y - raise, 1, 1, text.colour);
        if (ch == "．") x -= 12;
        x += 16;
    }
    return {x, y};
}

Point Engine::DrawPromptText(const PenText& text) {
    std::string rest(text.text);
    Point pen = text.at;
    while (!rest.empty()) {
        const std::string ch = rt::kleft(rest, 1);
        rest.erase(0, ch.size());
        if (ch == "^") {
            glyphMode_.exponent = true;
            continue;
        }
        pen = DrawTextChars({ch, pen, text.colour});
    }
    return pen;
}

}  // namespace lesson
