#pragma once

#include <memory>

#include "engine/engine.h"

namespace lesson {

inline constexpr bool kGrebeBuilt = true;

// The program, ready to run; nullptr while it is not built.
std::unique_ptr<Engine> makeGrebe(rt::Runtime& runtime);

}  // namespace lesson
