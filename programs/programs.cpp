// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/programs.h"

#include <array>

#include "grebe/grebe_program.h"
#include "kestrel/kestrel_program.h"
#include "plover/plover_program.h"
#include "tern/tern_program.h"

namespace lesson {

namespace {

template <class Program>
std::unique_ptr<Lesson> make(rt::Runtime& runtime) {
    return std::make_unique<Program>(runtime);
}

constexpr std::array<ProgramInfo, 4> kPrograms{{
    {"kestrel", "Kestrel", "linear functions, the main course", &make<Kestrel>},
    {"plover", "Plover", "linear functions put to use", &make<Plover>},
    {"tern", "Tern", "equations in two unknowns as lines", &make<Tern>},
    {"grebe", "Grebe", "finding a line's equation", &make<Grebe>},
}};

}  // namespace

std::span<const ProgramInfo> Programs() { return kPrograms; }

const ProgramInfo* FindProgram(std::string_view name) {
    for (const ProgramInfo& p : kPrograms) {
        if (p.name == name) return &p;
    }
    return nullptr;
}

}  // namespace lesson
