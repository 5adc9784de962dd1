// Tern run headless: from start-up with a key script, or one entry alone
// (a topic, or a problem handed chosen numbers).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "lesson_run.h"
#include "tern/tern_program.h"

namespace lesson::testing {

// Tern whose main menu is replaced by entry, when given.
class TernUnderTest : public Tern {
public:
    using Tern::Tern;
    std::function<void(Tern&)> entry;

protected:
    void ProgramMainMenu() override {
        if (entry)
            entry(*this);
        else
            Tern::ProgramMainMenu();
    }
};

struct TernRun : RecordedRun {
    // Runs Tern (or only entry) with the blank-separated key script; the run
    // stops at the program's end or when the keys run out.
    explicit TernRun(const std::string& keys, std::function<void(Tern&)> entry = nullptr, int seed = 1) {
        startRuntime(keys);
        program = std::make_unique<TernUnderTest>(*runtime);
        program->entry = std::move(entry);
        run(*program, seed);
    }

    // The text drawn at (x, y), the last time; "" when none.
    std::string textAt(Num x, Num y) const {
        std::string found;
        for (const auto& r : texts)
            if (r.x == x && r.y == y) found = r.text;
        return found;
    }

    std::unique_ptr<TernUnderTest> program;
};

// A topic as an entry.
inline std::function<void(Tern&)> topic(void (Tern::*member)()) {
    return [member](Tern& t) { (t.*member)(); };
}

// n step keys.
inline std::string keys(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " a";
    return s;
}

// The keys that type an entry at the status line and end it with Enter.
inline std::string typed(const std::string& entry) {
    std::string s;
    for (char c : entry) s += std::string(1, c) + " ";
    return s + "Enter ";
}

}  // namespace lesson::testing
