// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel run headless: from start-up with a key script, or one topic alone.
#pragma once

#include "kestrel/kestrel_program.h"
#include "program_run.h"

namespace lesson::testing {

using KestrelUnderTest = ProgramUnderTest<Kestrel>;
using KestrelRun = ProgramRun<Kestrel>;

}  // namespace lesson::testing
