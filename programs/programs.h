// SPDX-License-Identifier: GPL-3.0-or-later
// The four programs, in one table that the window's main and the replay tool
// both read: adding a program is adding its row.
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

std::span<const ProgramInfo> Programs();

// The program of that name, or nullptr.
const ProgramInfo* FindProgram(std::string_view name);

}  // namespace lesson
