// SPDX-License-Identifier: GPL-3.0-or-later
#include "tern/tern_program.h"

namespace lesson {

Tern::Tern(rt::Runtime& runtime) : Lesson(runtime, "Tern") {}

const MainMenu<Tern> Tern::kMainMenu{
    // One item a line, from item 1; the last is the exit.
    // clang-format off
    .items = {
        {"1　2元1次方程式のグラフ", &kLinearEquationGraph},
        {"2　x=k,y=kのグラフ", &kAxisParallelLines},
        {"3　連立方程式とグラフ", &kSimultaneousEquationsGraph},
        {"4　P82 基本の問題", &kEquationGraphProblems},
        {"5　"},
        {"6　終了"},
    },
    // clang-format on
    .exitX = 44,
    .exitY = 420,
    .exitColour = ink::page,
    .promptFirst = true,
};

}  // namespace lesson
