// Grebe run headless: from start-up with a key script, or with a topic (or a
// topic's exercise on chosen numbers) in place of its main menu.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "grebe/grebe_program.h"
#include "runtime/headless.h"
#include "trace_lines.h"

namespace lesson::testing {

using GrebeBody = std::function<void(Grebe&)>;

// Grebe whose main menu is replaced by body, when given.
class GrebeUnderTest : public Grebe {
public:
    GrebeUnderTest(rt::Runtime& r, GrebeBody body) : Grebe(r), body_(std::move(body)) {}

protected:
    void ProgramMainMenu() override {
        if (body_)
            body_(*this);
        else
            Grebe::ProgramMainMenu();
    }

private:
    GrebeBody body_;
};

// A topic as a body.
inline GrebeBody topic(void (Grebe::*t)()) {
    return [t](Grebe& g) { (g.*t)(); };
}

struct GrebeRun {
    // Runs Grebe (or only body) with the blank-separated key script; the run
    // stops at the program's end or when the keys run out.
    explicit GrebeRun(const std::string& keys, GrebeBody body = nullptr, int seed = 1) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        o.scale = 1;
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
        program = std::make_unique<GrebeUnderTest>(*runtime, std::move(body));
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
    // Where the text was first drawn at a place of its own (not handed to an
    // engine routine as a label): "x y colour", or "" when never.
    std::string place(const std::string& text) const {
        for (const auto& r : drawn(text)) {
            if (r.colour < 0) continue;
            std::ostringstream s;
            s << r.x << ' ' << r.y << ' ' << r.colour;
            return s.str();
        }
        return "";
    }

    std::ostringstream trace;
    std::vector<ScreenTextRecord> texts;
    std::unique_ptr<rt::HeadlessRuntime> runtime;
    std::unique_ptr<GrebeUnderTest> program;
    int status = 0;
};

// A trace line as it shows on screen: a box in the background colour (a
// clear) looks the same whatever pen width its outline was drawn with.
inline std::string onScreen(const std::string& line) {
    const auto f = fields(line);
    if (f.size() == 9 && f[0] == "line" && f[5] == "15" && f[7] == "15") return line.substr(0, line.rfind(' '));
    return line;
}

// The first line where two traces differ on screen, or "" when they do not.
inline std::string firstDifference(const GrebeRun& a, const GrebeRun& b) {
    auto la = a.lines(), lb = b.lines();
    for (auto& l : la) l = onScreen(l);
    for (auto& l : lb) l = onScreen(l);
    for (std::size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "(none)";
        const std::string y = i < lb.size() ? lb[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "";
}

// A filled dot of that radius and colour within tolerance of (x, y).
inline bool dotNear(const std::vector<std::string>& lines, float x, float y, int radius, int colour,
                    float tolerance = 0.5f) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
        const auto f = fields(l);
        return f.size() > 4 && f[0] == "circle" && std::stoi(f[3]) == radius && std::stoi(f[4]) == colour &&
               std::abs(std::stof(f[1]) - x) <= tolerance && std::abs(std::stof(f[2]) - y) <= tolerance;
    });
}

// n step keys.
inline std::string keyPresses(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " a";
    return s;
}

// The keys that type entry and Enter ("2/2" gives "2 / 2 Enter").
inline std::string typed(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter ";
}

}  // namespace lesson::testing
