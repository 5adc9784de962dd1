// SPDX-License-Identifier: GPL-3.0-or-later
// What the window makes of a key press. The keyboard is read key by key, not
// through the input method: the lessons only ever need digits, a sign, a
// point and a slash, and an input method switched on would hold those back
// in its composition until Enter.
#pragma once

#include <SDL.h>

#include <string>

namespace rt {

enum class WindowKey {
    none,        // the lesson's
    fullscreen,  // F11: the picture fills the screen, or goes back into the window
    quit,        // Ctrl+Q: ends the program as closing the window does
};

WindowKey windowKey(const SDL_Keysym& key);

// The key's text for Runtime::inkey() (runtime/keys.h): "" for a modifier or
// lock key pressed alone, which is no key press to the lesson.
std::string keyText(const SDL_Keysym& key);

}  // namespace rt
