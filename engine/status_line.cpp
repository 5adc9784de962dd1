// SPDX-License-Identifier: GPL-3.0-or-later
// Status line: menu, choice and next-step prompts, number entry, key waits,
// the work-area clear, value texts and command keys.
#include <cmath>
#include <string>

#include "engine.h"
#include "runtime/keys.h"
#include "runtime/text.h"

namespace lesson {

namespace {

// The blink period of the entry's cursor dot, in seconds (about 2 Hz).
constexpr double kBlinkPeriod = 0.5;

}  // namespace

void Engine::AskMenuNumber() {
    YMOTO = 0;
    DSM1 = Y5 - 240;
    DSM2 = Y6;
    KKAI_s = "番号を入力して下さい。";
    DrawPromptText();
    ReadNumber();
    ParseAnswer();
}

void Engine::ClearMenuPrompt() { Rt().line(Y5 - 240, Y6 - 8, Y5 - 240 + 1056, Y6 - 8 + 50, 15, 2, 15); }

void Engine::AskChoice() {
    YMOTO = 0;
    DSM1 = 16;
    DSM2 = 666;
    DrawPromptText();
    ReadNumber();
    ParseAnswer();
}

void Engine::ClearPromptBand() { Rt().line(0, 657, 992, 720, 15, 2, 15); }

void Engine::AskNextStep() {
    BB1 = static_cast<Num>(Rt().drawWidth());
    // DrawPromptText may draw maths text, which reuses BB1: keep our own copy.
    const int pen = Rt().drawWidth();
    Rt().setDrawWidth(2);
    Rt().line(96, 639, 400, 675, 13, 2, 12);
    YMOTO = 9;
    DSM1 = 128;
    DSM2 = 648;
    KKAI_s = "次のステップは１を入力。";
    DrawPromptText();
    ReadNumber();
    ParseAnswer();
    Rt().line(Y5 - 48, Y6 - 9, Y5 - 48 + 160, Y6 - 9 + 27, 15, 2, 15);
    Rt().line(96, 639, 400, 675, 15, 2, 15);
    Rt().setDrawWidth(pen);
}

void Engine::ReadNumber() {
    Q = Y5;
    GX2 = Y6;
    DS2_s.clear();
    YMOTO = 0;
    DSM1 = Q - 48;
    DSM2 = GX2;
    KKAI_s = "入力";
    DrawPromptText();
    EditNumberEntry();
    Rt().line(Y5 - 48, Y6 - 8, Y5 - 48 + 240, Y6 - 8 + 30, 15, 2, 15);
}

void Engine::EditNumberEntry() {
    bool shown = false;
    auto dot = [&](bool on) {
        Rt().circle(Q + 8, GX2 + 8, 4, on ? 5 : 15, 0, 0, true, -1);
        shown = on;
    };
    // The dot is on screen before the wait begins, so a snapshot shows it.
    dot(true);
    double blinkStart = Rt().seconds();

    rt::WaitScope wait(Rt(), true);
    for (;;) {
        const bool want = std::fmod(Rt().seconds() - blinkStart, kBlinkPeriod) < kBlinkPeriod / 2;
        if (want != shown) dot(want);

        TakeKey();
        if (MIGI_s.empty()) continue;

        if (MIGI_s == "\b" || MIGI_s == "\x0c" || rt::klen(DS2_s) > 9) {
            // The whole entry goes; with ten characters even Enter only clears.
            // A leading "." is drawn 4 units left of the entry: the box
            // reaches it, or a stray dot would stay.
            const Num left = DS2_s.starts_with('.') ? Y5 - 4 : Y5;
            Rt().line(left, Y6 - 8, Y5 + 192, Y6 - 8 + 30, 15, 2, 15);
            DS2_s.clear();
            Q = Y5;
            GX2 = Y6;
            MIGI_s.clear();
            dot(true);
            blinkStart = Rt().seconds();
            continue;
        }
        if (MIGI_s == "\r") {
            dot(false);
            return;
        }
        if (MIGI_s >= "-" && MIGI_s <= "9" && !SecondPoint(MIGI_s)) {
            dot(false);
            YMOTO = 5;
            A_s = MIGI_s;
            DSM1 = Q;
            DSM2 = GX2;
            DrawTextChars();
            Q = DS4;
            DS2_s += MIGI_s;
            dot(true);
            blinkStart = Rt().seconds();
        }
    }
}

bool Engine::SecondPoint(const std::string& key) const {
    // A "." takes no cell, so a second one in a number would not show, yet
    // the number would be read only up to it: "1..2" looks like 1.2 and reads
    // as 1. Refused like any key the entry does not take. Each side of a "/"
    // is a number of its own.
    if (key != ".") return false;
    const std::size_t part = DS2_s.rfind('/');
    return DS2_s.find('.', part == std::string::npos ? 0 : part + 1) != std::string::npos;
}

void Engine::ParseAnswer() {
    const int n1 = rt::klen(DS2_s);
    const int sosu = rt::kinstr(DS2_s, "/");
    if (sosu == 0) {
        AINP = rt::val(DS2_s);
        return;
    }
    A_s = rt::kleft(DS2_s, sosu - 1);
    LT_s = rt::kright(DS2_s, n1 - sosu);
    const Num den = rt::val(LT_s);
    // "3/0", "5/" or a lone "/" has no value: it reads as 0, like an empty
    // entry, so menus redraw and exercise loops go on.
    AINP = den == 0 ? 0 : rt::val(A_s) / den;
    if (!std::isfinite(AINP)) AINP = 0;
    if (AINP == 0) AINP = 0;  // "0/-5" gives 0, not -0
}

void Engine::WaitForKey() {
    const Num henk2 = YMOTO;
    BB1 = static_cast<Num>(Rt().drawWidth());
    const int pen = Rt().drawWidth();
    Rt().setDrawWidth(3);
    Rt().line(96, 657, 400, 693, 13, 2, 4);
    YMOTO = 9;
    DSM1 = 128;
    DSM2 = 666;
    KKAI_s = "何かキーを押して下さい。";
    DrawPromptText();
    WaitAnyKey();
    Rt().line(0, 657, 400, 693, 15, 2, 15);
    YMOTO = henk2;
    Rt().setDrawWidth(pen);
}

void Engine::ShowMessageWaitKey() {
    const Num henk2 = YMOTO;
    BB1 = static_cast<Num>(Rt().drawWidth());
    const int pen = Rt().drawWidth();
    Rt().setDrawWidth(3);
    Rt().line(16, 657, 16 + 480, 657 + 36, 13, 2, 4);
    YMOTO = 9;
    DSM1 = 48;
    DSM2 = 666;
    DrawPromptText();
    WaitAnyKey();
    Rt().line(0, 657, 992, 720, 15, 2, 15);
    YMOTO = henk2;
    Rt().setDrawWidth(pen);
}

void Engine::ClearWorkArea() {
    Rt().line(0, 54, 1440, 900, 15, 2, 15);
    ErasedBox(0, 54, 1440, 900);
}

void Engine::ClearEntryBand() {
    DSM1 = Y5 + 80;
    DSM2 = Y6 - 72;
    Rt().line(DSM1, DSM2, DSM1 + 1440, DSM2 + 90, 15, 2, 15);
}

void Engine::NumbersToText() {
    for (int i = 1; i <= 80; ++i) {
        A_s = rt::str(T(i));
        RemoveSpaces();
        A1_s(i) = A_s;
    }
    for (int i = 1; i <= 40; ++i) {
        A_s = rt::str(F(i));
        RemoveSpaces();
        TITLE_s(i) = A_s;
    }
    DecodeCommandKey();
}

void Engine::DecodeCommandKey() {
    static const char* const kKeys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int k = 0; k < 10; ++k) {
        if (MIGI_s == kKeys[k]) {
            ZX0 = 1;
            TANI_2 = static_cast<Num>(k + 1);
            return;
        }
    }
    ZX0 = 0;
}

void Engine::FlushKeys() {
    do {
        TakeKey();
    } while (!MIGI_s.empty());
}

void Engine::TakeKey() { MIGI_s = rt::halfWidthKey(Rt().inkey()); }

void Engine::WaitAnyKey() {
    rt::WaitScope wait(Rt());
    do {
        TakeKey();
    } while (MIGI_s.empty());
}

}  // namespace lesson
