// A program run headless and recorded: its trace, its screen texts, and the
// questions the program tests ask of them. Each program's fixture adds how
// its program is made.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/chapter.h"
#include "runtime/headless.h"
#include "trace_lines.h"

namespace lesson::testing {

struct RecordedRun {
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
    int status = 0;

protected:
    // A runtime that takes the blank-separated key script and traces here.
    void startRuntime(const std::string& keys) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
    }
    // Runs the program made on that runtime, recording its texts.
    void run(Lesson& program, int seed) {
        program.screenTextLog = &texts;
        program.OverrideSeed(seed);
        status = program.Run();
    }
};

// The first line where two traces differ, or "" when they are the same.
inline std::string firstDifference(const RecordedRun& a, const RecordedRun& b) {
    const auto la = a.lines(), lb = b.lines();
    for (std::size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "(none)";
        const std::string y = i < lb.size() ? lb[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "";
}

// The trace of the replay tool run on a program with a key script; empty
// when the tool failed.
inline std::string replayTrace(const std::string& program, const std::string& keys) {
    const auto dir = std::filesystem::temp_directory_path() / (program + "_replay_trace");
    std::filesystem::create_directories(dir);
    const auto trace = dir / "trace.txt";
    const std::string command =
        std::string(REPLAY_PATH) + " " + program + " --seed 1 --keys \"" + keys + "\" --trace " + trace.string();
    std::string t;
    if (std::system(command.c_str()) == 0) {
        std::ifstream in(trace);
        std::stringstream all;
        all << in.rdbuf();
        t = all.str();
    }
    std::filesystem::remove_all(dir);
    return t;
}

}  // namespace lesson::testing
