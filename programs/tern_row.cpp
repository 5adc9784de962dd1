// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/programs.h"
#include "runtime/messages.h"
#include "tern/tern_program.h"

namespace lesson {

const ProgramInfo& TernProgram() {
    static constexpr ProgramInfo row{"tern", "Tern", N_("equations in two unknowns as lines"), &Make<Tern>};
    return row;
}

}  // namespace lesson
