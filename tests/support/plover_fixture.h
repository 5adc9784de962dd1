// SPDX-License-Identifier: GPL-3.0-or-later
// Plover run headless: from start-up with a key script, or one member alone.
#pragma once

#include "plover/plover_program.h"
#include "program_run.h"

namespace lesson::testing {

using PloverUnderTest = ProgramUnderTest<Plover>;
using PloverRun = ProgramRun<Plover>;

}  // namespace lesson::testing
