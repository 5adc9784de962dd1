// SPDX-License-Identifier: GPL-3.0-or-later
// Grebe run headless: from start-up with a key script, or with a topic (or a
// topic's exercise on chosen problems) in place of its main menu.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "grebe/grebe_program.h"
#include "program_run.h"

namespace lesson::testing {

using GrebeBody = std::function<void(Grebe&)>;
using GrebeUnderTest = ProgramUnderTest<Grebe>;
using GrebeRun = ProgramRun<Grebe>;

// A topic as a body.
inline GrebeBody topic(void (Grebe::*t)()) { return t; }

// A line y = a x + b and the x of its two points.
struct ChosenLine {
    Num a, b, x1, x2;
};

// A before-body handing the lines, in order, to the random topics of
// chapter 3 as their two-point problems.
inline GrebeBody chosenLines(std::deque<ChosenLine> lines) {
    return [lines](Grebe& g) {
        for (const ChosenLine& c : lines)
            g.chosen.Add(Grebe::TwoPointLine{c.a, c.b, c.x1, c.a * c.x1 + c.b, c.x2, c.a * c.x2 + c.b});
    };
}

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
        if (run.place(p.text) != p.place)
            out.push_back(std::string(p.text) + " at \"" + run.place(p.text) + "\"");
    return out;
}

}  // namespace lesson::testing
