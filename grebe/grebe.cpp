#include "grebe/grebe_program.h"

namespace lesson {

Grebe::Grebe(rt::Runtime& runtime) : Lesson(runtime, "Grebe") {}

const MainMenu<Grebe> Grebe::kMainMenu{
    .items = {
        {"1　グラフから", &kEquationFromGraph},
        {"2　1点と傾き(切片)から", &kEquationFromPoint},
        {"3　2点から", &kEquationFromTwoPoints},
        {"4　P74 基本の問題", &kBasicProblems},
        {"5　"},
        {"6　"},
        {"7　終了"},
    },
    .exitX = 44,
    .exitY = 480,
    .exitColour = ink::accent,
    .promptFirst = true,
};

}  // namespace lesson
