#include "tern/tern.h"

#include "tern/tern_program.h"

namespace lesson {

Tern::Tern(rt::Runtime& runtime) : Lesson(runtime, "Tern") {}

const std::array<MenuEntry<Tern>, 6>& Tern::MenuEntries() {
    static const std::array<MenuEntry<Tern>, 6> entries{{
        {"1　2元1次方程式のグラフ", &Tern::LinearEquationGraphChapter},
        {"2　x=k,y=kのグラフ", &Tern::AxisParallelLinesChapter},
        {"3　連立方程式とグラフ", nullptr},
        {"4　P82 基本の問題", nullptr},
        {"5　", nullptr},
        {"6　終了", nullptr},
    }};
    return entries;
}

void Tern::EquationGraphsMainMenu() { RunMainMenu(*this, MenuEntries(), 44, 420, 15, true); }

std::unique_ptr<Engine> makeTern(rt::Runtime& runtime) { return std::make_unique<Tern>(runtime); }

}  // namespace lesson
