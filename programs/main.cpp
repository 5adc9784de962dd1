// SPDX-License-Identifier: GPL-3.0-or-later
// A program in its window; which one is fixed when the executable is built.
#include <string>

#include "programs/programs.h"
#include "runtime/window.h"

int main() {
    const lesson::ProgramInfo* program = lesson::FindProgram(LESSON_PROGRAM);
    const std::string title(program->title);
    return rt::runInWindow(title.c_str(), [program](rt::Runtime& r) { return program->make(r)->Run(); });
}
