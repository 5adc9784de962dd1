// Plover run headless: from start-up with a key script, or one member alone.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "plover/plover_program.h"
#include "runtime/headless.h"
#include "trace_lines.h"

namespace lesson::testing {

// Plover whose main menu is replaced by one member function, when given.
class PloverUnderTest : public Plover {
public:
    using Entry = void (Plover::*)();
    PloverUnderTest(rt::Runtime& r, Entry entry) : Plover(r), entry_(entry) {}
    std::function<void(Plover&)> before;  // runs after start-up, before the entry

protected:
    void ProgramMainMenu() override {
        if (before) before(*this);
        if (entry_)
            (this->*entry_)();
        else
            Plover::ProgramMainMenu();
    }

private:
    Entry entry_;
};

struct PloverRun {
    // Runs Plover (or only entry) with the blank-separated key script; the
    // run stops at the program's end or when the keys run out.
    explicit PloverRun(const std::string& keys, PloverUnderTest::Entry entry = nullptr,
                       std::function<void(Plover&)> before = nullptr) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        o.scale = 1;  // the pictures are not looked at
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
        program = std::make_unique<PloverUnderTest>(*runtime, entry);
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
    // The trace lines of one kind ("line", "circle", "text"), split in fields.
    std::vector<std::vector<std::string>> ops(const std::string& kind) const {
        std::vector<std::vector<std::string>> out;
        for (const auto& l : lines()) {
            auto f = fields(l);
            if (!f.empty() && f[0] == kind) out.push_back(std::move(f));
        }
        return out;
    }
    bool ended() const { return hasLine(lines(), "end"); }
    int waits() const { return runtime->waits(); }

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
    std::unique_ptr<PloverUnderTest> program;
    int status = 0;
};

// The keys that type entry at the status line and press Enter.
inline std::string typed(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter ";
}

// n step keys.
inline std::string stepKeys(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " a";
    return s;
}

}  // namespace lesson::testing
