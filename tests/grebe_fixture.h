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
#include "program_run.h"

namespace lesson::testing {

using GrebeBody = std::function<void(Grebe&)>;

// Grebe whose main menu is replaced by a body, when given.
using GrebeUnderTest = ProgramUnderTest<Grebe>;

// A topic as a body.
inline GrebeBody topic(void (Grebe::*t)()) { return t; }

struct GrebeRun : RecordedRun {
    // Runs Grebe (or only body) with the blank-separated key script; the run
    // stops at the program's end or when the keys run out.
    explicit GrebeRun(const std::string& keys, GrebeBody body = nullptr, int seed = 1) {
        startRuntime(keys, 1);
        program = std::make_unique<GrebeUnderTest>(*runtime, std::move(body));
        run(*program, seed);
    }

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

    std::unique_ptr<GrebeUnderTest> program;
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
    return firstDifferentLine(la, lb);
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

}  // namespace lesson::testing
