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
#include "trace_lines.h"

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

struct KestrelRun {
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

    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        std::istringstream in(trace.str());
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    bool ended() const { return hasLine(lines(), "end"); }
    int waits() const { return runtime->waits(); }

    // The records of a text, in drawing order.
    std::vector<ScreenTextRecord> drawn(const std::string& text) const {
        std::vector<ScreenTextRecord> out;
        for (const auto& r : texts)
            if (r.text == text) out.push_back(r);
        return out;
    }
    int count(const std::string& text) const { return static_cast<int>(drawn(text).size()); }
    // Where the text was drawn the first time: "x y colour", or "" when never.
    std::string place(const std::string& text) const {
        auto d = drawn(text);
        if (d.empty()) return "";
        std::ostringstream s;
        s << d.front().x << ' ' << d.front().y << ' ' << d.front().colour;
        return s.str();
    }

    std::ostringstream trace;
    std::vector<ScreenTextRecord> texts;
    std::unique_ptr<rt::HeadlessRuntime> runtime;
    std::unique_ptr<KestrelUnderTest> program;
    int status = 0;
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
