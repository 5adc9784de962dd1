#include "plover/plover.h"

namespace lesson {

std::unique_ptr<Engine> makePlover(rt::Runtime&) { return nullptr; }

}  // namespace lesson
