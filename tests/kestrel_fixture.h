// Kestrel run headless: from start-up with a key script, or one topic alone.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "kestrel/kestrel_program.h"
#include "lesson_run.h"

namespace lesson::testing {

// Kestrel whose main menu is replaced by one member function, when given.
class KestrelUnderTest : public Kestrel {
public:
    using Entry = void (Kestrel::*)();
    KestrelUnderTest(rt::Runtime& r, Entry entry) : Kestrel(r), entry_(entry) {}
    std::function<void(Kestrel&)> before;  // runs after start-up, before the entry

protected:
    void ProgramMainMenu() override {
        if (before) before(*this);
        if (entry_)
            (this->*entry_)();
        else
            Kestrel::ProgramMainMenu();
    }

private:
    Entry entry_;
};

struct KestrelRun : RecordedRun {
    // Runs Kestrel (or only entry) with the blank-separated key script; the
    // run stops at the program's end or when the keys run out.
    explicit KestrelRun(const std::string& keys, KestrelUnderTest::Entry entry = nullptr,
                        std::function<void(Kestrel&)> before = nullptr) {
        startRuntime(keys);
        program = std::make_unique<KestrelUnderTest>(*runtime, entry);
        program->before = std::move(before);
        run(*program, 1);
    }

    std::unique_ptr<KestrelUnderTest> program;
};

// n step keys.
inline std::string steps(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " a";
    return s;
}

}  // namespace lesson::testing
