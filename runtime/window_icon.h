// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own icon on its window, for task lists and window switchers
// that show the window's icon rather than the menu entry's.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <span>

namespace rt {

// Sets the icon from a PNG image (straight alpha) and hands the window back.
// An icon that cannot be read leaves the window with none: nothing a pupil
// needs depends on it.
SDL_Window* withIcon(SDL_Window* window, std::span<const std::uint8_t> png);

}  // namespace rt
