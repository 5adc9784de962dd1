#include <cstdio>

#include "plover/plover.h"
#include "runtime/window.h"

int main() {
    if (!lesson::kPloverBuilt) {
        std::fputs("Plover is not built yet.\n", stderr);
        return 1;
    }
    return rt::runInWindow("Plover", [](rt::Runtime& r) { return lesson::makePlover(r)->Run(); });
}
