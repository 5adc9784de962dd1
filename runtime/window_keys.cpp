// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/window_keys.h"

#include "runtime/keys.h"
#include "runtime/text.h"

namespace rt {

namespace {

std::string named(std::string_view name) { return std::string(namedKeyText(name).value_or(key::kOther)); }

// The keypad's digits and point with Num Lock off are the keys printed
// beneath them.
std::string keypadWithoutNumLock(SDL_Keycode k) {
    switch (k) {
        case SDLK_KP_0:
            return named("Insert");
        case SDLK_KP_1:
            return named("End");
        case SDLK_KP_2:
            return named("Down");
        case SDLK_KP_3:
            return named("PageDown");
        case SDLK_KP_4:
            return named("Left");
        case SDLK_KP_6:
            return named("Right");
        case SDLK_KP_7:
            return named("Home");
        case SDLK_KP_8:
            return named("Up");
        case SDLK_KP_9:
            return named("PageUp");
        case SDLK_KP_PERIOD:
            return named("Delete");
        default:
            return std::string(key::kOther);
    }
}

}  // namespace

WindowKey windowKey(const SDL_Keysym& key) {
    if (key.sym == SDLK_F11) return WindowKey::fullscreen;
    if (key.sym == SDLK_q && (key.mod & KMOD_CTRL)) return WindowKey::quit;
    return WindowKey::none;
}

std::string keyText(const SDL_Keysym& key) {
    const SDL_Keycode k = key.sym;
    switch (k) {
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
        case SDLK_LCTRL:
        case SDLK_RCTRL:
        case SDLK_LALT:
        case SDLK_RALT:
        case SDLK_LGUI:
        case SDLK_RGUI:
        case SDLK_MODE:
        case SDLK_CAPSLOCK:
        case SDLK_NUMLOCKCLEAR:
        case SDLK_SCROLLLOCK:
            return "";
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return named("Enter");
        case SDLK_BACKSPACE:
            return named("Backspace");
        case SDLK_DELETE:
            return named("Delete");
        case SDLK_SPACE:
            return named("Space");
        case SDLK_ESCAPE:
            return named("Escape");
        case SDLK_TAB:
            return named("Tab");
        case SDLK_RIGHT:
            return named("Right");
        case SDLK_LEFT:
            return named("Left");
        case SDLK_UP:
            return named("Up");
        case SDLK_DOWN:
            return named("Down");
        case SDLK_PAGEUP:
            return named("PageUp");
        case SDLK_PAGEDOWN:
            return named("PageDown");
        case SDLK_HOME:
            return named("Home");
        case SDLK_END:
            return named("End");
        case SDLK_INSERT:
            return named("Insert");
        case SDLK_KP_MINUS:
            return "-";
        case SDLK_KP_DIVIDE:
            return "/";
        case SDLK_KP_PLUS:
            return "+";
        case SDLK_KP_MULTIPLY:
            return "*";
        default:
            break;
    }
    if (k >= SDLK_F1 && k <= SDLK_F12) return named("F" + std::to_string(k - SDLK_F1 + 1));
    if ((k >= SDLK_KP_1 && k <= SDLK_KP_0) || k == SDLK_KP_PERIOD) {
        if (!(key.mod & KMOD_NUM)) return keypadWithoutNumLock(k);
        if (k == SDLK_KP_PERIOD) return ".";
        return std::string(1, k == SDLK_KP_0 ? '0' : static_cast<char>('1' + (k - SDLK_KP_1)));
    }
    // A key that types a character gives the layout's own, unshifted; with
    // Shift only a letter is known (its capital), with Ctrl, Alt or the
    // Windows key none is typed.
    if (k & SDLK_SCANCODE_MASK || k < 0x20 || k == 0x7F) return std::string(key::kOther);
    if (key.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI | KMOD_MODE)) return std::string(key::kOther);
    const bool letter = k >= 'a' && k <= 'z';
    if (letter && !(key.mod & KMOD_SHIFT) != !(key.mod & KMOD_CAPS))
        return std::string(1, static_cast<char>(k - 'a' + 'A'));
    if (!letter && (key.mod & KMOD_SHIFT)) return std::string(key::kOther);
    return codePointText(static_cast<char32_t>(k));
}

}  // namespace rt
