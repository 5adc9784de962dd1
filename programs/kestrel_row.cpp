// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrel/kestrel_program.h"
#include "programs/programs.h"
#include "runtime/messages.h"

namespace lesson {

const ProgramInfo& KestrelProgram() {
    static constexpr ProgramInfo row{"kestrel", "Kestrel", N_("linear functions, the main course"),
                                     &Make<Kestrel>};
    return row;
}

}  // namespace lesson
