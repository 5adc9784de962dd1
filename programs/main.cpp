// SPDX-License-Identifier: GPL-3.0-or-later
// A program in its window; which one is fixed when the executable is built
// (LESSON_PROGRAM_ROW names its row).
#include <algorithm>
#include <iostream>
#include <span>
#include <string>

#include "programs/command_line.h"
#include "programs/icon.h"
#include "programs/programs.h"
#include "runtime/messages.h"
#include "runtime/window.h"

namespace {

// Before the libraries' own start-up code, the first code of the program's
// that runs: the loader's work alone comes earlier.
[[gnu::section(".preinit_array"), gnu::used]] void (*const endOnSignalsFirst)() = rt::endOnSignalsAtStart;

}  // namespace

int main(int argc, char** argv) {
    rt::chooseMessageLanguage();
    const lesson::ProgramInfo* program = &lesson::LESSON_PROGRAM_ROW();
    const std::string command = lesson::CommandName(argc > 0 ? argv[0] : nullptr, program->name);
    const std::span<const char* const> args(argv + std::min(argc, 1), argv + argc);
    if (const auto status = lesson::AnswerCommandLine(*program, command, args, std::cout, std::cerr))
        return *status;
    const std::string title(program->title);
    return rt::runInWindow(
        title.c_str(), [program](rt::Runtime& r) { return program->make(r)->Run(); }, lesson::kIconPng);
}
