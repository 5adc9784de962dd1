// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' one window: the canvas shown scaled to fit, keys from the
// keyboard, the real clock.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "runtime/runtime.h"

namespace rt {

// Opens a window titled title, fitted to the screen and maximised,, runs program in it and returns its
// exit status. Closing the window (or Ctrl+Q) ends the program at once. iconPng, a PNG image, is
// the window's icon.
int runInWindow(const char* title, const std::function<int(Runtime&)>& program,
                std::span<const std::uint8_t> iconPng = {});

}  // namespace rt
