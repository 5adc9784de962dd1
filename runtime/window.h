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

// SIGTERM and SIGINT end a program with status 0, as a close does: once
// runInWindow has started SDL's events SDL turns them into a quit; before
// (and after), from the process's first code on (a program calls this before
// anything else), they end it at once. One ignored at the start stays so.
void endOnSignalsAtStart();

}  // namespace rt
