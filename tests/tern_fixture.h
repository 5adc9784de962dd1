// Tern run headless: from start-up with a key script, or one entry alone
// (a topic, or a problem handed chosen numbers).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "program_run.h"
#include "tern/tern_program.h"

namespace lesson::testing {

// Tern whose main menu is replaced by entry, when given.
using TernUnderTest = ProgramUnderTest<Tern>;

struct TernRun : RecordedRun {
    // Runs Tern (or only entry) with the blank-separated key script; the run
    // stops at the program's end or when the keys run out.
    explicit TernRun(const std::string& keys, std::function<void(Tern&)> entry = nullptr, int seed = 1) {
        startRuntime(keys);  // the runtime's own canvases, which Tern's tests were written on
        program = std::make_unique<TernUnderTest>(*runtime, std::move(entry));
        run(*program, seed);
    }

    std::unique_ptr<TernUnderTest> program;
};

// A topic as an entry.
inline std::function<void(Tern&)> topic(void (Tern::*member)()) { return member; }

}  // namespace lesson::testing
