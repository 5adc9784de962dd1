#include "plover/plover.h"

#include "plover/plover_program.h"

namespace lesson {

Plover::Plover(rt::Runtime& runtime) : Lesson(runtime, "Plover") {}

const std::array<MenuEntry<Plover>, 8>& Plover::MenuEntries() {
    static const std::array<MenuEntry<Plover>, 8> entries{{
        {"1　飲み物はいつまで冷たく保てる", &Plover::CoolBagChapter},
        {"2　1次関数とみて", &Plover::AltitudeChapter},
        {"3　グラフの利用", &Plover::FerryChartChapter},
        {"4　図形の問題", &Plover::MovingPointChapter},
        {"5　P92 章の問題A", &Plover::ExercisesAChapter},
        {"6　P93 章の問題B", &Plover::ExercisesBChapter},
        {"7　", nullptr},
        {"8　終了", nullptr},
    }};
    return entries;
}

void Plover::ApplicationsMainMenu() { RunMainMenu(*this, MenuEntries(), 44, 540, 15, true); }

std::unique_ptr<Engine> makePlover(rt::Runtime& runtime) { return std::make_unique<Plover>(runtime); }

}  // namespace lesson
