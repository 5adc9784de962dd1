// A program run headless and recorded: from start-up with a key script, or
// with a member function or a body of test code in place of its main menu.
// The run keeps its trace and screen texts with the questions the program
// tests ask of them. Each program's fixture names its own run (KestrelRun,
// TernRun, GrebeRun ...); every fixture builds on this one header, so no two
// define the same test helper.
#pragma once

#include <unistd.h>

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

#include "lesson/lesson.h"
#include "runtime/headless.h"
#include "trace_lines.h"

namespace lesson::testing {

// The program whose main menu is replaced by entry, when given.
template <class Program>
class ProgramUnderTest : public Program {
public:
    using Entry = void (Program::*)();
    using Body = std::function<void(Program&)>;

    // entry may be a member function (Entry) as well as a body.
    explicit ProgramUnderTest(rt::Runtime& r, Body entry = nullptr) : Program(r), entry(std::move(entry)) {}

    Body before;  // runs after start-up, before the entry
    Body entry;

protected:
    void ProgramMainMenu() override {
        if (before) before(*this);
        if (entry)
            entry(*this);
        else
            Program::ProgramMainMenu();
    }
};

// What a run leaves to check. A fixture's run starts the runtime, makes its
// program on it, and runs it.
struct RecordedRun {
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
    // The text drawn at (x, y), the last time; "" when none.
    std::string textAt(Num x, Num y) const {
        std::string found;
        for (const auto& r : texts)
            if (r.x == x && r.y == y) found = r.text;
        return found;
    }
    // The texts drawn at a place, in order, as "y colour text".
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (const auto& r : texts) {
            if (r.x < 0) continue;
            std::ostringstream s;
            s << r.y << ' ' << r.colour << ' ' << r.text;
            out.push_back(s.str());
        }
        return out;
    }

    std::ostringstream trace;
    std::vector<ScreenTextRecord> texts;
    std::unique_ptr<rt::HeadlessRuntime> runtime;
    int status = 0;

protected:
    // A runtime that takes the blank-separated key script, with canvases of
    // that scale, tracing here unless untraced (long runs of many problems
    // need only the screen texts).
    void startRuntime(const std::string& keys, int scale = rt::HeadlessRuntime::Options{}.scale,
                      bool traced = true) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        o.scale = scale;
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        if (traced) runtime->setTrace(&trace);
    }
    // Runs the program made on that runtime, recording its texts; the run
    // stops at the program's end or when the keys run out.
    void run(Lesson& program, int seed) {
        program.screenTextLog = &texts;
        program.OverrideSeed(seed);
        status = program.Run();
    }
};

// The program run with the key script (seed 1), from start-up or with only
// entry (a member function or a body); before runs after start-up, ahead of
// the entry.
template <class Program>
struct ProgramRun : RecordedRun {
    using UnderTest = ProgramUnderTest<Program>;
    using Entry = typename UnderTest::Entry;

    explicit ProgramRun(const std::string& keys, typename UnderTest::Body entry = nullptr,
                        typename UnderTest::Body before = nullptr) {
        startRuntime(keys, 1);  // the pictures are not looked at; small canvases keep tests quick
        program = std::make_unique<UnderTest>(*runtime, entry);
        program->before = std::move(before);
        run(*program, 1);
    }

    std::unique_ptr<UnderTest> program;
};

// The first place where two lists of lines differ, or "" when they are the same.
inline std::string firstDifferentLine(const std::vector<std::string>& la, const std::vector<std::string>& lb) {
    for (std::size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "(none)";
        const std::string y = i < lb.size() ? lb[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "";
}

// The first line where two traces differ, or "" when they are the same;
// lines beginning with skipped (when given) are left out of both.
inline std::string firstDifference(const RecordedRun& a, const RecordedRun& b, std::string_view skipped = {}) {
    auto kept = [&](std::vector<std::string> lines) {
        if (!skipped.empty()) std::erase_if(lines, [&](const std::string& l) { return l.starts_with(skipped); });
        return lines;
    };
    return firstDifferentLine(kept(a.lines()), kept(b.lines()));
}

// n presses of a step key ("a" unless given).
inline std::string steps(int n, const std::string& key = "a") {
    std::string s;
    for (int i = 0; i < n; ++i) s += " " + key;
    return s;
}

// The keys that type entry at the status line and press Enter ("2/2" gives
// "2 / 2 Enter ").
inline std::string typed(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter ";
}

// The replay tool's trace of program run on keys, or "" when the tool failed.
inline std::string replayTrace(const std::string& program, const std::string& keys, int seed = 1) {
    // A directory of this process's own: tests of one program run in parallel.
    const auto dir =
        std::filesystem::temp_directory_path() / (program + "_replay_trace_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto file = dir / "trace.txt";
    const std::string command = std::string(REPLAY_PATH) + " " + program + " --seed " + std::to_string(seed) +
                                " --keys \"" + keys + "\" --trace " + file.string();
    std::string out;
    if (std::system(command.c_str()) == 0) {
        std::ifstream in(file);
        std::stringstream all;
        all << in.rdbuf();
        out = all.str();
    }
    std::filesystem::remove_all(dir);
    return out;
}

// What keeps the replay tool from running program on keys to the program's
// own end without entering the error handler, or "" when nothing does.
inline std::string replayFault(const std::string& program, const std::string& keys, int seed = 1) {
    const std::string t = replayTrace(program, keys, seed);
    if (t.empty()) return "the replay tool failed";
    if (const auto error = t.find("\nerror "); error != std::string::npos)
        return t.substr(error + 1, t.find('\n', error + 1) - error - 1);
    if (t.find("\nend\n") == std::string::npos) return "no end";
    return "";
}

}  // namespace lesson::testing
