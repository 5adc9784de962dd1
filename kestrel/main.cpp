#include <cstdio>

#include "kestrel/kestrel.h"
#include "runtime/window.h"

int main() {
    if (!lesson::kKestrelBuilt) {
        std::fputs("Kestrel is not built yet.\n", stderr);
        return 1;
    }
    return rt::runInWindow("Kestrel", [](rt::Runtime& r) { return lesson::makeKestrel(r)->Run(); });
}
