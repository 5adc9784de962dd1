// A program run headless: from start-up with a key script, or one member
// function alone in place of its main menu. Each program's fixture names its
// own instance (KestrelRun, PloverRun ...).
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chapter.h"
#include "runtime/headless.h"
#include "trace_lines.h"

namespace lesson::testing {

// The program whose main menu is replaced by one member function, when given.
template <class Program>
class ProgramUnderTest : public Program {
public:
    using Entry = void (Program::*)();
    ProgramUnderTest(rt::Runtime& r, Entry entry) : Program(r), entry_(entry) {}
    std::function<void(Program&)> before;  // runs after start-up, before the entry

protected:
    void ProgramMainMenu() override {
        if (before) before(*this);
        if (entry_)
            (this->*entry_)();
        else
            Program::ProgramMainMenu();
    }

private:
    Entry entry_;
};

template <class Program>
struct ProgramRun {
    using Entry = typename ProgramUnderTest<Program>::Entry;

    // Runs the program (or only entry) with the blank-separated key script;
    // the run stops at the program's end or when the keys run out.
    explicit ProgramRun(const std::string& keys, Entry entry = nullptr,
                        std::function<void(Program&)> before = nullptr) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        o.scale = 1;  // the pictures are not looked at; small canvases keep tests quick
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
        program = std::make_unique<ProgramUnderTest<Program>>(*runtime, entry);
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
    std::unique_ptr<ProgramUnderTest<Program>> program;
    int status = 0;
};

// The first line where two traces differ, or "" when they are the same;
// lines beginning with skipped (when given) are left out of both.
template <class Program>
std::string firstDifference(const ProgramRun<Program>& a, const ProgramRun<Program>& b,
                            std::string_view skipped = {}) {
    auto kept = [&](std::vector<std::string> lines) {
        if (!skipped.empty()) std::erase_if(lines, [&](const std::string& l) { return l.starts_with(skipped); });
        return lines;
    };
    const auto la = kept(a.lines()), lb = kept(b.lines());
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

// The replay tool's trace of program run on keys (seed 1), or "" when the
// tool failed.
inline std::string replayTrace(const std::string& program, const std::string& keys) {
    const auto dir = std::filesystem::temp_directory_path() / (program + "_replay_trace");
    std::filesystem::create_directories(dir);
    const auto trace = dir / "trace.txt";
    const std::string command =
        std::string(REPLAY_PATH) + " " + program + " --seed 1 --keys \"" + keys + "\" --trace " + trace.string();
    std::string out;
    if (std::system(command.c_str()) == 0) {
        std::ifstream in(trace);
        std::stringstream all;
        all << in.rdbuf();
        out = all.str();
    }
    std::filesystem::remove_all(dir);
    return out;
}

}  // namespace lesson::testing
