// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as the lessons take them: the window's reading of each key press, the
// key scripts' names for the same keys, and full-width characters read as the
// half-width ones numbers are written with.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "runtime/headless.h"
#include "runtime/keys.h"
#include "runtime/window_keys.h"

namespace {

TEST(HalfWidthKey, ReadsFullWidthNumberCharactersAsHalfWidth) {
    struct Case {
        const char* key;
        const char* read;
    } cases[] = {
        {"０", "0"},
        {"１", "1"},
        {"５", "5"},
        {"９", "9"},
        {"－", "-"},
        {"．", "."},
        {"／", "/"},
        // Everything else as it is: half-width keys, control codes, other
        // full-width characters and the characters either side of the range.
        {"1", "1"},
        {"-", "-"},
        {"\r", "\r"},
        {"PageDown", "PageDown"},
        {"", ""},
        {"ａ", "ａ"},
        {"，", "，"},
        {"：", "："},
        {"ー", "ー"},
        {"。", "。"},
        {"１２", "１２"},
    };
    for (const Case& c : cases) EXPECT_EQ(rt::halfWidthKey(c.key), c.read) << c.key;
}

TEST(NamedKeys, ScriptsAndWindowShareOneTable) {
    std::set<std::string_view> names, texts;
    for (const rt::NamedKey& k : rt::namedKeys()) {
        EXPECT_TRUE(names.insert(k.name).second) << "twice: " << k.name;
        EXPECT_TRUE(texts.insert(k.text).second) << "two keys give the text of " << k.name;
        EXPECT_EQ(rt::HeadlessRuntime::keyOf(std::string(k.name)), k.text) << k.name;
        // No named key is one a number entry takes.
        EXPECT_FALSE(k.text >= "-" && k.text <= "9") << k.name;
    }
    // A script's other tokens are the characters they spell; Close is no key.
    EXPECT_EQ(rt::HeadlessRuntime::keyOf("a"), "a");
    EXPECT_EQ(rt::HeadlessRuntime::keyOf("１"), "１");
    EXPECT_EQ(rt::HeadlessRuntime::keyOf("Close"), "");
    // The window keeps F11 for itself: no script names it.
    EXPECT_FALSE(rt::namedKeyText("F11"));
}

SDL_Keysym key(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    SDL_Keysym k{};
    k.sym = sym;
    k.mod = mod;
    return k;
}

TEST(WindowKeys, EachKeyPressAsTheLessonTakesIt) {
    struct Case {
        SDL_Keycode sym;
        Uint16 mod;
        const char* text;  // "" when the lesson takes no key
    } cases[] = {
        // What a number is typed with, with and without Num Lock's light.
        {SDLK_0, KMOD_NONE, "0"},
        {SDLK_7, KMOD_NUM, "7"},
        {SDLK_MINUS, KMOD_NONE, "-"},
        {SDLK_PERIOD, KMOD_NONE, "."},
        {SDLK_SLASH, KMOD_NONE, "/"},
        {SDLK_KP_1, KMOD_NUM, "1"},
        {SDLK_KP_0, KMOD_NUM, "0"},
        {SDLK_KP_9, KMOD_NUM, "9"},
        {SDLK_KP_PERIOD, KMOD_NUM, "."},
        {SDLK_KP_MINUS, KMOD_NONE, "-"},
        {SDLK_KP_DIVIDE, KMOD_NONE, "/"},
        // A keypad without Num Lock moves, as the keys printed on it say.
        {SDLK_KP_1, KMOD_NONE, "End"},
        {SDLK_KP_3, KMOD_NONE, "PageDown"},
        {SDLK_KP_PERIOD, KMOD_NONE, "\x0c"},
        {SDLK_KP_5, KMOD_NONE, "Other"},
        // A layout whose keypad types full-width digits: the character, read
        // as half-width where the lesson takes keys.
        {0xFF11, KMOD_NUM, "１"},
        {0xFF0F, KMOD_NONE, "／"},
        // Control keys as the lessons were written for.
        {SDLK_RETURN, KMOD_NONE, "\r"},
        {SDLK_KP_ENTER, KMOD_NUM, "\r"},
        {SDLK_BACKSPACE, KMOD_NONE, "\b"},
        {SDLK_DELETE, KMOD_NONE, "\x0c"},
        {SDLK_ESCAPE, KMOD_NONE, "\x1b"},
        {SDLK_TAB, KMOD_NONE, "\t"},
        {SDLK_SPACE, KMOD_NONE, " "},
        {SDLK_RIGHT, KMOD_NONE, "\x1c"},
        {SDLK_DOWN, KMOD_NONE, "\x1f"},
        // A presenter's remote and the rest of the keyboard: key presses all.
        {SDLK_PAGEDOWN, KMOD_NONE, "PageDown"},
        {SDLK_PAGEUP, KMOD_NONE, "PageUp"},
        {SDLK_F5, KMOD_NONE, "F5"},
        {SDLK_F5, KMOD_SHIFT, "F5"},
        {SDLK_HOME, KMOD_NONE, "Home"},
        {SDLK_END, KMOD_NONE, "End"},
        {SDLK_F1, KMOD_NONE, "F1"},
        {SDLK_F12, KMOD_NONE, "F12"},
        {SDLK_MENU, KMOD_NONE, "Other"},
        {SDLK_PRINTSCREEN, KMOD_NONE, "Other"},
        // Letters as typed; with Shift a character other than a letter is not
        // known, and with Ctrl, Alt or the Windows key none is typed: a key
        // press still, never a digit for the entry.
        {SDLK_a, KMOD_NONE, "a"},
        {SDLK_a, KMOD_LSHIFT, "A"},
        {SDLK_a, KMOD_CAPS, "A"},
        {SDLK_a, KMOD_CAPS | KMOD_RSHIFT, "a"},
        {SDLK_1, KMOD_LSHIFT, "Other"},
        {SDLK_MINUS, KMOD_RSHIFT, "Other"},
        {SDLK_1, KMOD_LCTRL, "Other"},
        {SDLK_2, KMOD_LALT, "Other"},
        {SDLK_3, KMOD_LGUI, "Other"},
        {SDLK_q, KMOD_LALT, "Other"},
        // A modifier or lock key alone is no key press.
        {SDLK_LSHIFT, KMOD_LSHIFT, ""},
        {SDLK_RSHIFT, KMOD_NONE, ""},
        {SDLK_LCTRL, KMOD_LCTRL, ""},
        {SDLK_RCTRL, KMOD_NONE, ""},
        {SDLK_LALT, KMOD_NONE, ""},
        {SDLK_RALT, KMOD_NONE, ""},
        {SDLK_LGUI, KMOD_NONE, ""},
        {SDLK_RGUI, KMOD_NONE, ""},
        {SDLK_MODE, KMOD_NONE, ""},
        {SDLK_CAPSLOCK, KMOD_CAPS, ""},
        {SDLK_NUMLOCKCLEAR, KMOD_NUM, ""},
        {SDLK_SCROLLLOCK, KMOD_NONE, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::windowKey(key(c.sym, c.mod)), rt::WindowKey::none) << SDL_GetKeyName(c.sym);
        EXPECT_EQ(rt::keyText(key(c.sym, c.mod)), c.text) << SDL_GetKeyName(c.sym) << " mod " << c.mod;
    }
}

TEST(WindowKeys, F11AndCtrlQAreTheWindows) {
    struct Case {
        SDL_Keycode sym;
        Uint16 mod;
        rt::WindowKey is;
    } cases[] = {
        {SDLK_F11, KMOD_NONE, rt::WindowKey::fullscreen},
        {SDLK_F11, KMOD_NUM | KMOD_CAPS, rt::WindowKey::fullscreen},
        {SDLK_q, KMOD_LCTRL, rt::WindowKey::quit},
        {SDLK_q, KMOD_RCTRL | KMOD_CAPS, rt::WindowKey::quit},
        {SDLK_q, KMOD_NONE, rt::WindowKey::none},
        {SDLK_q, KMOD_LSHIFT, rt::WindowKey::none},
        {SDLK_w, KMOD_LCTRL, rt::WindowKey::none},
        {SDLK_F10, KMOD_NONE, rt::WindowKey::none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rt::windowKey(key(c.sym, c.mod)), c.is) << SDL_GetKeyName(c.sym) << " mod " << c.mod;
}

}  // namespace
