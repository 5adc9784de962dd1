#pragma once

#include <memory>

#include "engine/engine.h"

namespace lesson {

inline constexpr bool kTernBuilt = true;

// The program, ready to run; nullptr while it is not built.
std::unique_ptr<Engine> makeTern(rt::Runtime& runtime);

}  // namespace lesson
