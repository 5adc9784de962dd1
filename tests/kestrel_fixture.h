// Kestrel run headless: from start-up with a key script, or one topic alone.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "kestrel/kestrel_program.h"
#include "runtime/headless.h"
#include "recorded_run.h"

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
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
        program = std::make_unique<KestrelUnderTest>(*runtime, entry);
        program->before = std::move(before);
        program->screenTextLog = &texts;
        program->OverrideSeed(1);
        status = program->Run();
    }

    std::unique_ptr<KestrelUnderTest> program;
};

// The first line where two traces differ, or "" when they are the same.
inline std::string firstDifference(const KestrelRun& a, const KestrelRun& b) {
    const auto la = a.lines(), lb = b.lines();
    for (std::size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "(none)";
        const std::string y = i < lb.size() ? lb[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "";
}

// n step keys.
inline std::string steps(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " a";
    return s;
}

}  // namespace lesson::testing
