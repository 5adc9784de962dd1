// What a program run headless leaves to check: the trace of its drawing and
// the screen texts it handed on, with ways to find them.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
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
};

// A text and where it should first be drawn ("x y colour").
struct Placed {
    const char* text;
    const char* place;
};

// The texts of the table not drawn where it says, each with where it was
// drawn instead ("" when nowhere); empty when all are in place.
inline std::vector<std::string> misplaced(const RecordedRun& run, std::initializer_list<Placed> table) {
    std::vector<std::string> out;
    for (const Placed& p : table)
        if (run.place(p.text) != p.place) out.push_back(std::string(p.text) + " at \"" + run.place(p.text) + "\"");
    return out;
}

// The trace of the replay tool run on a program with a seed and keys, or ""
// when the tool failed.
inline std::string ReplayTrace(const std::string& program, int seed, const std::string& keys) {
    const auto dir = std::filesystem::temp_directory_path() / (program + "_replay_trace");
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

}  // namespace lesson::testing
