// Plover run headless, as `replay plover` runs it: from start-up with a key
// script, or one topic alone; the trace and the screen texts kept for checks.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
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
    explicit PloverRun(const std::string& keys, PloverUnderTest::Entry entry = nullptr,
                       std::function<void(Plover&)> before = nullptr) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        o.scale = 1;
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
    // Only the lines of one kind ("text", "line", "circle", "fpoly" ...).
    std::vector<std::string> lines(const std::string& kind) const {
        std::vector<std::string> out;
        for (auto& l : lines())
            if (l.rfind(kind + " ", 0) == 0) out.push_back(l);
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
    // "x y colour" of the text's first drawing, or "" when never drawn.
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

// A glyph of a drawn text: "text X Y ... GLYPH".
inline bool glyphAt(const std::vector<std::string>& lines, float x, float y, const std::string& glyph) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
        const auto f = fields(l);
        return f.size() >= 11 && f[0] == "text" && std::abs(std::stof(f[1]) - x) < 0.1f &&
               std::abs(std::stof(f[2]) - y) < 0.1f &&
               f.back() == glyph;
    });
}

// Dots of radius r in a colour whose centres lie in the box.
inline std::vector<std::pair<float, float>> dotsIn(const std::vector<std::string>& lines, const std::string& r,
                                            int colour, float x1, float x2, float y1, float y2) {
    std::vector<std::pair<float, float>> out;
    for (const auto& l : lines) {
        const auto f = fields(l);
        if (f.size() < 5 || f[0] != "circle" || f[3] != r || std::stoi(f[4]) != colour) continue;
        const float x = std::stof(f[1]), y = std::stof(f[2]);
        if (x >= x1 && x <= x2 && y >= y1 && y <= y2) out.emplace_back(x, y);
    }
    return out;
}

inline std::string firstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(none)", y = i < b.size() ? b[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "";
}

// n step keys.
inline std::string keyPresses(int n, const std::string& key = "a") {
    std::string s;
    for (int i = 0; i < n; ++i) s += " " + key;
    return s;
}

// A typed entry at the status line, then Enter.
inline std::string typedEntry(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter ";
}

}  // namespace lesson::testing
