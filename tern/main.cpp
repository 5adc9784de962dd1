#include <cstdio>

#include "tern/tern.h"
#include "runtime/window.h"

int main() {
    if (!lesson::kTernBuilt) {
        std::fputs("Tern is not built yet.\n", stderr);
        return 1;
    }
    return rt::runInWindow("Tern", [](rt::Runtime& r) { return lesson::makeTern(r)->Run(); });
}
