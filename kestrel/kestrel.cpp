#include "kestrel/kestrel.h"

#include "kestrel/kestrel_program.h"

namespace lesson {

Kestrel::Kestrel(rt::Runtime& runtime) : Lesson(runtime, "Kestrel") {}

const std::array<MenuEntry<Kestrel>, 9>& Kestrel::MenuEntries() {
    static const std::array<MenuEntry<Kestrel>, 9> entries{{
        {"1　関数の振り返り", &Kestrel::FunctionReviewChapter},
        {"2　1次関数", &Kestrel::LinearFunctionChapter},
        {"3　変化の割合", &Kestrel::RateOfChangeChapter},
        {"4　グラフ、切片", &Kestrel::GraphInterceptChapter},
        {"5　傾き、グラフのかきかた", &Kestrel::SlopeDrawingChapter},
        {"6　表、式、グラフの関係", &Kestrel::TableEquationGraphChapter},
        {"7　変域", &Kestrel::DomainRangeChapter},
        {"8　", nullptr},
        {"9　終了", nullptr},
    }};
    return entries;
}

void Kestrel::LinearFunctionsMainMenu() { RunMainMenu(*this, MenuEntries(), 704, 120, 13); }

std::unique_ptr<Engine> makeKestrel(rt::Runtime& runtime) { return std::make_unique<Kestrel>(runtime); }

}  // namespace lesson
