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
    std::deque<ChosenLine> chosen;              // handed to the random topics first, in order

    void PickTwoPointProblem() override {
        if (!Take()) return Grebe::PickTwoPointProblem();
        T(4) = T(3) - T(2);
        F(4) = F(3) - F(2);
    }
    void PickTwoPointsSystemProblem() override {
        if (!Take()) Grebe::PickTwoPointsSystemProblem();
    }

protected:
    void ProgramMainMenu() override {
        if (body)
            body(*this);
        else
            ProgramUnderTest<Grebe>::ProgramMainMenu();
    }

    // Puts the next chosen line in the generator's slots.
    bool Take() {
        if (chosen.empty()) return false;
        const ChosenLine c = chosen.front();
        chosen.pop_front();
        T(1) = c.a;
        F(1) = c.b;
        T(2) = c.x1;
        T(3) = c.x2;
        F(2) = c.a * c.x1 + c.b;
        F(3) = c.a * c.x2 + c.b;
        return true;
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
        program->chosen = std::move(chosen);
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
