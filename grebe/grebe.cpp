#include "grebe/grebe.h"

namespace lesson {

std::unique_ptr<Engine> makeGrebe(rt::Runtime&) { return nullptr; }

}  // namespace lesson
