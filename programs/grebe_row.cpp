// SPDX-License-Identifier: GPL-3.0-or-later
#include "grebe/grebe_program.h"
#include "programs/programs.h"
#include "runtime/messages.h"

namespace lesson {

const ProgramInfo& GrebeProgram() {
    static constexpr ProgramInfo row{"grebe", "Grebe", N_("finding a line's equation"), &Make<Grebe>};
    return row;
}

}  // namespace lesson
