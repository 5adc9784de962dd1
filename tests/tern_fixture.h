// Tern run headless: from start-up with a key script, or one entry alone
// (a topic, or a problem handed chosen numbers).
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/headless.h"
#include "tern/tern_program.h"
#include "trace_lines.h"

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

struct TernRun {
    // Runs Tern (or only entry) with the blank-separated key script; the run
    // stops at the program's end or when the keys run out.
    explicit TernRun(const std::string& keys, std::function<void(Tern&)> entry = nullptr, int seed = 1) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
        program = std::make_unique<TernUnderTest>(*runtime);
        program->entry = std::move(entry);
        program->screenTextLog = &texts;
        program->OverrideSeed(seed);
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
    // The text drawn at (x, y), the last time; "" when none.
    std::string textAt(Num x, Num y) const {
        std::string found;
        for (const auto& r : texts)
            if (r.x == x && r.y == y) found = r.text;
        return found;
    }

    std::ostringstream trace;
    std::vector<ScreenTextRecord> texts;
    std::unique_ptr<rt::HeadlessRuntime> runtime;
    std::unique_ptr<TernUnderTest> program;
    int status = 0;
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
