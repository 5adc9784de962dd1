// Plover run headless: from start-up with a key script, or one member alone.
#pragma once

#include <string>

#include "plover/plover_program.h"
#include "program_run.h"

namespace lesson::testing {

using PloverUnderTest = ProgramUnderTest<Plover>;
using PloverRun = ProgramRun<Plover>;

// The keys that type entry at the status line and press Enter.
inline std::string typed(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter ";
}

}  // namespace lesson::testing
