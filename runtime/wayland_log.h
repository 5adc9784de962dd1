// SPDX-License-Identifier: GPL-3.0-or-later
// SDL tries Wayland before giving up on a display; without a runtime folder
// the Wayland library says so on stderr ("error: XDG_RUNTIME_DIR is invalid
// or not set in the environment."), ahead of the program's own message.
#pragma once

namespace rt {

// Without an absolute XDG_RUNTIME_DIR no Wayland display can be reached by
// name, so the Wayland client library's log is silenced: SDL loads the same
// library and shares the handler. Call before SDL_Init.
void quietWaylandWithoutRuntimeDir();

}  // namespace rt
