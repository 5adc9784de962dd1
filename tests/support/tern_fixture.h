// SPDX-License-Identifier: GPL-3.0-or-later
// Tern run headless: from start-up with a key script, or one entry alone
// (a topic, or a problem handed chosen numbers).
#pragma once

#include <functional>

#include "program_run.h"
#include "tern/tern_program.h"

namespace lesson::testing {

using TernUnderTest = ProgramUnderTest<Tern>;
using TernRun = ProgramRun<Tern>;

// A topic as an entry.
inline std::function<void(Tern&)> topic(void (Tern::*member)()) { return member; }

}  // namespace lesson::testing
