// SPDX-License-Identifier: GPL-3.0-or-later
#include "grebe/grebe_program.h"

namespace lesson {

Grebe::Grebe(rt::Runtime& runtime) : Lesson(runtime, "Grebe") {}

const MainMenu<Grebe> Grebe::kMainMenu{
    // One item a line, from item 1; the last is the exit.
    // clang-format off
    .items = {
        {"1　グラフから", &kEquationFromGraph},
        {"2　1点と傾き(切片)から", &kEquationFromPoint},
        {"3　2点から", &kEquationFromTwoPoints},
        {"4　P74 基本の問題", &kBasicProblems},
        {"5　"},
        {"6　"},
        {"7　終了"},
    },
    // clang-format on
    .exitX = 44,
    .exitY = 480,
    .exitColour = ink::accent,
    .promptFirst = true,
};

}  // namespace lesson
