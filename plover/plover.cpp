// SPDX-License-Identifier: GPL-3.0-or-later
#include "plover/plover_program.h"

namespace lesson {

Plover::Plover(rt::Runtime& runtime) : Lesson(runtime, "Plover") {}

const MainMenu<Plover> Plover::kMainMenu{
    // One item a line, from item 1; the last is the exit.
    // clang-format off
    .items = {
        {"1　飲み物はいつまで冷たく保てる", &kCoolBag},
        {"2　1次関数とみて", &kAltitude},
        {"3　グラフの利用", &kFerryChart},
        {"4　図形の問題", &kMovingPoint},
        {"5　P92 章の問題A", &kExercisesA},
        {"6　P93 章の問題B", &kExercisesB},
        {"7　"},
        {"8　終了"},
    },
    // clang-format on
    .exitX = 44,
    .exitY = 540,
    .exitColour = ink::page,
    .promptFirst = true,
};

}  // namespace lesson
