#include "grebe/grebe.h"

#include "grebe/grebe_program.h"

namespace lesson {

Grebe::Grebe(rt::Runtime& runtime) : Lesson(runtime, "Grebe") {}

const std::array<MenuEntry<Grebe>, 7>& Grebe::MenuEntries() {
    static const std::array<MenuEntry<Grebe>, 7> entries{{
        {"1　グラフから", &Grebe::EquationFromGraphChapter},
        {"2　1点と傾き(切片)から", &Grebe::EquationFromPointChapter},
        {"3　2点から", &Grebe::EquationFromTwoPointsChapter},
        {"4　P74 基本の問題", &Grebe::BasicProblemsChapter},
        {"5　", nullptr},
        {"6　", nullptr},
        {"7　終了", nullptr},
    }};
    return entries;
}

void Grebe::EquationMainMenu() { RunMainMenu(*this, MenuEntries(), 44, 480, 13, true); }

std::unique_ptr<Engine> makeGrebe(rt::Runtime& runtime) { return std::make_unique<Grebe>(runtime); }

}  // namespace lesson
