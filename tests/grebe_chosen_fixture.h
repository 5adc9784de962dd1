// Grebe run headless: from start-up with a key script, one topic alone, or a
// body of test code; its random topics may be handed chosen problems.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "grebe/grebe_program.h"
#include "program_run.h"

namespace lesson::testing {

// A line y = a x + b and the x of its two points.
struct ChosenLine {
    Num a, b, x1, x2;
};

class ChosenGrebe : public ProgramUnderTest<Grebe> {
public:
    ChosenGrebe(rt::Runtime& r, Entry entry) : ProgramUnderTest<Grebe>(r, entry) {}
    std::function<void(ChosenGrebe&)> body;  // runs after start-up instead of the entry

protected:
    void ProgramMainMenu() override {
        if (body)
            body(*this);
        else
            ProgramUnderTest<Grebe>::ProgramMainMenu();
    }
};

struct ChosenGrebeRun : RecordedRun {
    // Runs Grebe (or only entry) with the blank-separated key script; the run
    // stops at the program's end or when the keys run out.
    explicit ChosenGrebeRun(const std::string& keys, ChosenGrebe::Entry entry = nullptr,
                      std::deque<ChosenLine> chosen = {}, std::function<void(ChosenGrebe&)> body = nullptr,
                      int seed = 1, bool traced = true) {
        startRuntime(keys, 1, traced);
        program = std::make_unique<ChosenGrebe>(*runtime, entry);
        // Handed to the random topics of chapter 3 first, in order.
        for (const ChosenLine& c : chosen)
            program->chosen.Add(Grebe::TwoPointLine{c.a, c.b, c.x1, c.a * c.x1 + c.b, c.x2, c.a * c.x2 + c.b});
        program->body = std::move(body);
        run(*program, seed);
    }

    std::unique_ptr<ChosenGrebe> program;
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

}  // namespace lesson::testing
