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

// SIGTERM and SIGINT end a running program with status 0, as a close does;
// SDL turns them into a quit once runInWindow has started its video. Held
// from the process's first code on (a program calls this before anything
// else), one that comes earlier waits for that instead of ending the program
// with the signal's status; a start that fails takes it as the end of its
// message box.
void holdEndingSignals();

}  // namespace rt
