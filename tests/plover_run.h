// Checks of Plover's chapters 4 to 6 on top of the Plover fixture: glyphs and
// dots found in a trace.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "plover_fixture.h"
#include "trace_lines.h"

namespace lesson::testing {

// A glyph of a drawn text: "text X Y ... GLYPH".
inline bool glyphAt(const std::vector<std::string>& lines, float x, float y, const std::string& glyph) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
        const auto f = fields(l);
        return f.size() >= 11 && f[0] == "text" && std::abs(std::stof(f[1]) - x) < 0.1f &&
               std::abs(std::stof(f[2]) - y) < 0.1f && f.back() == glyph;
    });
}

// Dots of radius r in a colour whose centres lie in the box.
inline std::vector<std::pair<float, float>> dotsIn(const std::vector<std::string>& lines,
                                                   const std::string& r, int colour, float x1, float x2,
                                                   float y1, float y2) {
    std::vector<std::pair<float, float>> out;
    for (const auto& l : lines) {
        const auto f = fields(l);
        if (f.size() < 5 || f[0] != "circle" || f[3] != r || std::stoi(f[4]) != colour) continue;
        const float x = std::stof(f[1]), y = std::stof(f[2]);
        if (x >= x1 && x <= x2 && y >= y1 && y <= y2) out.emplace_back(x, y);
    }
    return out;
}

// The first line where two traces differ, or "" when they are the same.
inline std::string firstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(none)", y = i < b.size() ? b[i] : "(none)";
        if (x != y) return "line " + std::to_string(i + 1) + ": " + x + " | " + y;
    }
    return "";
}

}  // namespace lesson::testing
