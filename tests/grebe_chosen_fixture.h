// Grebe run headless: from start-up with a key script, one topic alone, or a
// body of test code; its random topics may be handed chosen problems.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grebe/grebe_program.h"
#include "runtime/headless.h"
#include "recorded_run.h"

namespace lesson::testing {

// A line y = a x + b and the x of its two points.
struct ChosenLine {
    Num a, b, x1, x2;
};

class ChosenGrebe : public Grebe {
public:
    using Entry = void (Grebe::*)();
    ChosenGrebe(rt::Runtime& r, Entry entry) : Grebe(r), entry_(entry) {}
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
        else if (entry_)
            (this->*entry_)();
        else
            Grebe::ProgramMainMenu();
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

private:
    Entry entry_;
};

struct ChosenGrebeRun : RecordedRun {
    // Runs Grebe (or only entry) with the blank-separated key script; the run
    // stops at the program's end or when the keys run out.
    explicit ChosenGrebeRun(const std::string& keys, ChosenGrebe::Entry entry = nullptr,
                      std::deque<ChosenLine> chosen = {}, std::function<void(ChosenGrebe&)> body = nullptr,
                      int seed = 1, bool traced = true) {
        rt::HeadlessRuntime::Options o;
        o.keys = rt::HeadlessRuntime::splitKeys(keys);
        o.scale = 1;
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        // Long runs of many problems need only the screen texts.
        if (traced) runtime->setTrace(&trace);
        program = std::make_unique<ChosenGrebe>(*runtime, entry);
        program->chosen = std::move(chosen);
        program->body = std::move(body);
        program->screenTextLog = &texts;
        program->OverrideSeed(seed);
        status = program->Run();
    }

    std::unique_ptr<ChosenGrebe> program;
};

// n step keys.
inline std::string grebeSteps(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " a";
    return s;
}

// The keys that type entry and Enter.
inline std::string typedEntry(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter ";
}

}  // namespace lesson::testing
