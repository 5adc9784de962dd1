// How the four programs hand their main menu to the shared start-up.
#pragma once

#include <memory>
#include <string_view>

#include "engine.h"

namespace lesson {

using ProgramFactory = std::unique_ptr<Engine> (*)(rt::Runtime&);

// The program of that name ("kestrel", "plover", "tern", "grebe"), or nullptr
// when it is unknown or not built yet. Defined by the tool or executable that
// links the programs in.
ProgramFactory findProgram(std::string_view name);

}  // namespace lesson
