// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrel/kestrel_program.h"

namespace lesson {

Kestrel::Kestrel(rt::Runtime& runtime) : Lesson(runtime, "Kestrel") {}

const MainMenu<Kestrel> Kestrel::kMainMenu{
    // One item a line, from item 1; the last is the exit.
    // clang-format off
    .items = {
        {"1　関数の振り返り", &kFunctionReview},
        {"2　1次関数", &kLinearFunction},
        {"3　変化の割合", &kRateOfChange},
        {"4　グラフ、切片", &kGraphIntercept},
        {"5　傾き、グラフのかきかた", &kSlopeDrawing},
        {"6　表、式、グラフの関係", &kTableEquationGraph},
        {"7　変域", &kDomainRange},
        {"8　"},
        {"9　終了"},
    },
    // clang-format on
    .exitX = 704,
    .exitY = 120,
    .exitColour = ink::accent,
};

}  // namespace lesson
