// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' one window: the canvas shown scaled to fit, keys from the
// keyboard, the real clock.
#pragma once

#include <functional>

#include "runtime/runtime.h"

namespace rt {

// Opens a window titled title, fitted to the screen and maximised,, runs program in it and returns its
// exit status. Closing the window ends the program at once.
int runInWindow(const char* title, const std::function<int(Runtime&)>& program);

}  // namespace rt
