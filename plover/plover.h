#pragma once

#include <memory>

#include "engine/engine.h"

namespace lesson {

inline constexpr bool kPloverBuilt = true;

// The program, ready to run; nullptr while it is not built.
std::unique_ptr<Engine> makePlover(rt::Runtime& runtime);

}  // namespace lesson
