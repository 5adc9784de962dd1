// SPDX-License-Identifier: GPL-3.0-or-later
// A program run headless and recorded: from start-up with a key script, or
// with a member function or a body of test code in place of its main menu.
// The run keeps its trace and screen texts with the questions the program
// tests ask of them. Every program's run is a ProgramRun (KestrelRun,
// TernRun ... only name it), so no two fixtures define the same helper.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/lesson.h"
#include "runtime/headless.h"
#include "trace.h"

namespace lesson::testing {

// A logged text's palette number; -1 for one handed to an engine routine.
inline int colourNumber(std::optional<Colour> c) { return c ? rt::paletteIndex(*c) : -1; }

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

// How a program is run: its key script (blank-separated), the seed of its
// random topics, the scale of its canvases and whether its drawing is traced
// (long runs of many problems need only the screen texts).
struct RunOptions {
    std::string keys;
    int seed = 1;
    int scale = 1;  // the pictures are not looked at; small canvases keep tests quick
    bool traced = true;
    // Called as each wait begins, with the screen as drawn so far.
    std::function<void(rt::HeadlessRuntime&)> atWait;
};

// What a run leaves to check. A fixture's run starts the runtime, makes its
// program on it, and runs it.
struct RecordedRun {
    // The contract suite holds every program's run through this base.
    virtual ~RecordedRun() = default;

    std::vector<std::string> lines() const { return records().lines(); }
    // The trace read into typed records.
    Trace records() const { return Trace(trace.str()); }
    bool ended() const { return records().count(TraceRecord::Kind::end) > 0; }
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
        s << d.front().x << ' ' << d.front().y << ' ' << colourNumber(d.front().colour);
        return s.str();
    }
    // Where the text was first drawn at a place of its own (not handed to an
    // engine routine as a label): "x y colour", or "" when never.
    std::string ownPlace(const std::string& text) const {
        for (const auto& r : drawn(text)) {
            if (!r.colour) continue;
            std::ostringstream s;
            s << r.x << ' ' << r.y << ' ' << colourNumber(r.colour);
            return s.str();
        }
        return "";
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
            s << r.y << ' ' << colourNumber(r.colour) << ' ' << r.text;
            out.push_back(s.str());
        }
        return out;
    }

    std::ostringstream trace;
    std::vector<ScreenTextRecord> texts;
    std::unique_ptr<rt::HeadlessRuntime> runtime;
    int status = 0;

protected:
    void startRuntime(const RunOptions& o) {
        rt::HeadlessRuntime::Options ro;
        ro.keys = rt::HeadlessRuntime::splitKeys(o.keys);
        ro.scale = o.scale;
        ro.atWait = o.atWait;
        runtime = std::make_unique<rt::HeadlessRuntime>(ro);
        if (o.traced) runtime->setTrace(&trace);
    }
    // Runs the program made on that runtime, recording its texts; the run
    // stops at the program's end or when the keys run out.
    void run(Lesson& program, int seed) {
        program.screenTextLog = &texts;
        program.OverrideSeed(seed);
        status = program.Run();
    }
};

// Every program's recorded run: the program run on the options, from
// start-up or with only entry (a member function or a body); before runs
// after start-up, ahead of the entry (where a test hands in chosen problems).
template <class Program>
struct ProgramRun : RecordedRun {
    using UnderTest = ProgramUnderTest<Program>;
    using Body = typename UnderTest::Body;

    explicit ProgramRun(const RunOptions& options, Body entry = nullptr, Body before = nullptr) {
        startRuntime(options);
        program = std::make_unique<UnderTest>(*runtime, std::move(entry));
        program->before = std::move(before);
        run(*program, options.seed);
    }
    explicit ProgramRun(const std::string& keys, Body entry = nullptr, Body before = nullptr)
        : ProgramRun(RunOptions{.keys = keys}, std::move(entry), std::move(before)) {}

    std::unique_ptr<UnderTest> program;
};

// The first line where two traces differ, or "" when they are the same;
// the segments skipped asks for (when given) are left out of both.
inline std::string firstDifference(const RecordedRun& a, const RecordedRun& b,
                                   const std::optional<SegmentQuery>& skipped = {}) {
    auto kept = [&](const RecordedRun& run) {
        std::vector<std::string> lines;
        for (const auto& r : run.records().records())
            if (!skipped || !isSegment(r, *skipped)) lines.push_back(r.line);
        return lines;
    };
    return firstDifferentLine(kept(a), kept(b));
}

// The trace as it shows on screen: a topic's clear (a box in the background
// colour from the corner) looks the same whatever pen width it was drawn with.
inline std::vector<std::string> onScreen(const RecordedRun& run) {
    std::vector<std::string> out;
    for (const auto& r : run.records().records()) {
        const bool clear = r.kind == TraceRecord::Kind::segment && r.segment.x1 == 0 && r.segment.y1 == 0 &&
                           r.segment.colour == ink::page && r.segment.fill == ink::page;
        out.push_back(clear ? r.line.substr(0, r.line.rfind(' ')) : r.line);
    }
    return out;
}

// The first line where two runs differ on screen, or "" when they do not.
inline std::string firstScreenDifference(const RecordedRun& a, const RecordedRun& b) {
    return firstDifferentLine(onScreen(a), onScreen(b));
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

// What keeps a replay tool's trace from reaching the program's own end
// without entering the error handler, or "" when nothing does.
inline std::string replayTraceFault(const Trace& t) {
    if (t.records().empty()) return "the replay tool failed";
    for (const auto& r : t.records())
        if (r.kind == TraceRecord::Kind::error) return r.line;
    if (t.count(TraceRecord::Kind::end) == 0) return "no end";
    return "";
}

// What keeps the replay tool from running program on keys to the program's
// own end, or "" when nothing does.
inline std::string replayFault(const std::string& program, const std::string& keys, int seed = 1) {
    return replayTraceFault(Trace(replayTrace(program, keys, seed)));
}

}  // namespace lesson::testing
