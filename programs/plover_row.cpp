// SPDX-License-Identifier: GPL-3.0-or-later
#include "plover/plover_program.h"
#include "programs/programs.h"
#include "runtime/messages.h"

namespace lesson {

const ProgramInfo& PloverProgram() {
    static constexpr ProgramInfo row{"plover", "Plover", N_("linear functions put to use"), &Make<Plover>};
    return row;
}

}  // namespace lesson
