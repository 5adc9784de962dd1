// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/programs.h"

#include <array>

namespace lesson {

std::span<const ProgramInfo> Programs() {
    static const std::array<ProgramInfo, 4> table{KestrelProgram(), PloverProgram(), TernProgram(),
                                                  GrebeProgram()};
    return table;
}

const ProgramInfo* FindProgram(std::string_view name) {
    for (const ProgramInfo& p : Programs()) {
        if (p.name == name) return &p;
    }
    return nullptr;
}

}  // namespace lesson
