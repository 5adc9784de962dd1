// SPDX-License-Identifier: GPL-3.0-or-later
// Prompt shorthand: half-width prompt text and typed keys shown as full-width
// glyphs on a fixed grid of 16-unit cells.
#include "engine.h"
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

void Engine::ToFullWidthChar() {
    // The half-width tables hold single-byte characters only, so a character
    // position in them is also a byte position.
    if (LT_s.empty()) return;  // nothing to show either way; the cell still advances
    if (int at = rt::kinstr(kLetters, LT_s); at != 0) LT_s = rt::kmid(kLetterGlyphs, at, 1);
    if (int at = rt::kinstr(kSymbols, LT_s); at != 0) LT_s = rt::kmid(kSymbolGlyphs, at, 1);
}

void Engine::DrawTextChars() {
    rt::Runtime& r = Rt();
    RemoveSpaces();
    const std::vector<std::string> cs = rt::chars(A_s);
    DS4 = DSM1;
    r.setFontBold(true);
    // A counted loop runs its body once even for an empty text: that pass
    // draws nothing and still takes a cell.
    const int count = static_cast<int>(cs.size());
    for (int i = 1; i == 1 || i <= count; ++i) {
        LT_s = i <= count ? cs[static_cast<std::size_t>(i - 1)] : std::string();
        if (LT_s == "^") {
            X1 = 1;
            continue;
        }
        if (X1 != 1)
            ToFullWidthChar();
        else
            X1 = 0;
        // A glyph left half-width sits 4 units higher than the full-width ones.
        const Num raise = rt::blen(LT_s) == 1 ? 4 : 0;
        if (LT_s == "．") DS4 -= 4;
        if (!LT_s.empty()) r.symbol(LT_s, DS4, DSM2 - raise, 1, 1, static_cast<int>(YMOTO));
        if (LT_s == "．") DS4 -= 12;
        DS4 += 16;
    }
}

void Engine::DrawPromptText() {
    while (!KKAI_s.empty()) {
        A_s = rt::kleft(KKAI_s, 1);
        KKAI_s.erase(0, A_s.size());
        if (A_s == "^") {
            X1 = 1;
            continue;
        }
        DrawTextChars();
        DSM1 = DS4;
    }
}

}  // namespace lesson
