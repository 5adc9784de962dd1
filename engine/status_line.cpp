// SPDX-License-Identifier: GPL-3.0-or-later
// Status line: menu, choice and next-step prompts, number entry, key waits,
// the work-area clear, value texts and command keys.
#include <cmath>
#include <string>

#include "engine.h"
#include "figure_helpers.h"
#include "runtime/keys.h"
#include "runtime/text.h"

namespace lesson {

namespace {

// The blink period of the entry's cursor dot, in seconds (about 2 Hz).
constexpr double kBlinkPeriod = 0.5;

}  // namespace

NumberEntry Engine::AskMenuNumber() {
    DrawPromptText({"番号を入力して下さい。", {entry_.x - 240, entry_.y}, ink::text});
    return ReadNumber();
}

void Engine::ClearMenuPrompt() {
    Rt().filledBox(entry_.x - 240, entry_.y - 8, entry_.x - 240 + 1056, entry_.y - 8 + 50, ink::page);
}

Num Engine::AskChoice(std::string_view line) {
    DrawPromptText({line, {16, 666}, ink::text});
    return ReadNumber().value;
}

void Engine::ClearPromptBand() { Rt().filledBox(0, 657, 992, 720, ink::page); }

Num Engine::AskNextStep() {
    const rt::StyleScope pen(Rt(), 2);
    Rt().filledBox(96, 639, 400, 675, ink::accent, ink::nextBox);
    DrawPromptText({"次のステップは１を入力。", {128, 648}, ink::onBox});
    const Num typed = ReadNumber().value;
    Rt().filledBox(entry_.x - 48, entry_.y - 9, entry_.x - 48 + 160, entry_.y - 9 + 27, ink::page);
    Rt().filledBox(96, 639, 400, 675, ink::page);
    return typed;
}

NumberEntry Engine::ReadNumber() {
    DrawPromptText({"入力", {entry_.x - 48, entry_.y}, ink::text});
    NumberEntry typed{.text = EditNumberEntry()};
    Rt().filledBox(entry_.x - 48, entry_.y - 8, entry_.x - 48 + 240, entry_.y - 8 + 30, ink::page);
    typed.value = ParseAnswer(typed.text);
    return typed;
}

std::string Engine::EditNumberEntry() {
    std::string typed;
    Point next{entry_.x, entry_.y};  // where the next typed character goes
    bool shown = false;
    auto dot = [&](bool on) {
        Rt().disc(next.x + 8, next.y + 8, 4, on ? ink::answer : ink::page);
        shown = on;
    };
    // The dot is on screen before the wait begins, so a snapshot shows it.
    dot(true);
    double blinkStart = Rt().seconds();

    rt::WaitScope wait(Rt(), true);
    for (;;) {
        const bool want = std::fmod(Rt().seconds() - blinkStart, kBlinkPeriod) < kBlinkPeriod / 2;
        if (want != shown) dot(want);

        const std::string key = TakeKey();
        if (key.empty()) continue;

        if (key == "\b" || key == "\x0c" || rt::klen(typed) > 9) {
            // The whole entry goes; with ten characters even Enter only clears.
            // A leading "." is drawn 4 units left of the entry: the box
            // reaches it, or a stray dot would stay.
            const Num left = typed.starts_with('.') ? entry_.x - 4 : entry_.x;
            Rt().filledBox(left, entry_.y - 8, entry_.x + 192, entry_.y - 8 + 30, ink::page);
            typed.clear();
            next = {entry_.x, entry_.y};
            dot(true);
            blinkStart = Rt().seconds();
            continue;
        }
        if (key == "\r") {
            dot(false);
            return typed;
        }
        if (key >= "-" && key <= "9" && !SecondPoint(typed, key)) {
            dot(false);
            next.x = DrawTextChars({key, next, ink::answer}).x;
            typed += key;
            dot(true);
            blinkStart = Rt().seconds();
        }
    }
}

bool Engine::SecondPoint(const std::string& typed, const std::string& key) {
    // A "." takes no cell, so a second one in a number would not show, yet
    // the number would be read only up to it: "1..2" looks like 1.2 and reads
    // as 1. Refused like any key the entry does not take. Each side of a "/"
    // is a number of its own.
    if (key != ".") return false;
    const std::size_t part = typed.rfind('/');
    return typed.find('.', part == std::string::npos ? 0 : part + 1) != std::string::npos;
}

Num Engine::ParseAnswer(const std::string& typed) {
    const int length = rt::klen(typed);
    const int slash = rt::kinstr(typed, "/");
    if (slash == 0) return rt::val(typed);
    const Num den = rt::val(rt::kright(typed, length - slash));
    // "3/0", "5/" or a lone "/" has no value: it reads as 0, like an empty
    // entry, so menus redraw and exercise loops go on.
    Num value = den == 0 ? 0 : rt::val(rt::kleft(typed, slash - 1)) / den;
    if (!std::isfinite(value)) value = 0;
    if (value == 0) value = 0;  // "0/-5" gives 0, not -0
    return value;
}

std::string Engine::WaitForKey() {
    const rt::StyleScope pen(Rt(), 3);
    Rt().filledBox(96, 657, 400, 693, ink::accent, ink::keyBox);
    DrawPromptText({"何かキーを押して下さい。", {128, 666}, ink::onBox});
    std::string key = WaitAnyKey();
    Rt().filledBox(0, 657, 400, 693, ink::page);
    return key;
}

std::string Engine::ShowMessageWaitKey(std::string_view message) {
    const rt::StyleScope pen(Rt(), 3);
    Rt().filledBox(16, 657, 16 + 480, 657 + 36, ink::accent, ink::keyBox);
    DrawPromptText({message, {48, 666}, ink::onBox});
    std::string key = WaitAnyKey();
    Rt().filledBox(0, 657, 992, 720, ink::page);
    return key;
}

void Engine::ClearWorkArea() {
    Rt().filledBox(0, 54, 1440, 900, ink::page);
    ErasedBox(0, 54, 1440, 900);
}

void Engine::ClearEntryBand() {
    const Num left = entry_.x + 80, top = entry_.y - 72;
    Rt().filledBox(left, top, left + 1440, top + 90, ink::page);
}

std::vector<std::string> Engine::NumbersToText(std::span<const Num> numbers) {
    std::vector<std::string> texts;
    texts.reserve(numbers.size());
    for (Num v : numbers) texts.push_back(fig::bareNumber(v));
    return texts;
}

int Engine::DecodeCommandKey(std::string_view key) {
    static const char* const kKeys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int k = 0; k < 10; ++k)
        if (key == kKeys[k]) return k + 1;
    return 0;
}

void Engine::FlushKeys() {
    while (!TakeKey().empty()) {
    }
}

std::string Engine::TakeKey() { return rt::halfWidthKey(Rt().inkey()); }

std::string Engine::WaitAnyKey() {
    rt::WaitScope wait(Rt());
    for (;;) {
        std::string key = TakeKey();
        if (!key.empty()) return key;
    }
}

}  // namespace lesson
