// SPDX-License-Identifier: GPL-3.0-or-later
// The four programs: each row in a source of its own, which its executable
// links alone (an installed command carries its own program only); the table
// of all four is the replay tool's and the tests'. Adding a program is adding
// its row and its place in the table.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "lesson/lesson.h"

namespace lesson {

struct ProgramInfo {
    std::string_view name;     // the executable's name and replay's argument
    std::string_view title;    // the window's title
    std::string_view subject;  // what it teaches, for --help
    std::unique_ptr<Lesson> (*make)(rt::Runtime& runtime);
};

// A row's make: the program P on the runtime.
template <class P>
std::unique_ptr<Lesson> Make(rt::Runtime& runtime) {
    return std::make_unique<P>(runtime);
}

// Each program's row.
const ProgramInfo& KestrelProgram();
const ProgramInfo& PloverProgram();
const ProgramInfo& TernProgram();
const ProgramInfo& GrebeProgram();

std::span<const ProgramInfo> Programs();

// The program of that name, or nullptr.
const ProgramInfo* FindProgram(std::string_view name);

}  // namespace lesson
