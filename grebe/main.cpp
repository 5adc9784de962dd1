#include <cstdio>

#include "grebe/grebe.h"
#include "runtime/window.h"

int main() {
    if (!lesson::kGrebeBuilt) {
        std::fputs("Grebe is not built yet.\n", stderr);
        return 1;
    }
    return rt::runInWindow("Grebe", [](rt::Runtime& r) { return lesson::makeGrebe(r)->Run(); });
}
