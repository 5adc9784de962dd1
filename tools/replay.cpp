// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program, or one text, headless: keys from a script, a fixed seed and
// clock, a picture of the screen at every wait and a trace of every drawing
// operation. Tests and reviewers rely on this interface.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "programs/programs.h"
#include "programs/version.h"
#include "runtime/headless.h"
#include "runtime/keys.h"

namespace {

const char* kUsage =
    "usage: replay PROGRAM [--seed N] [--clock HH:MM:SS] [--keys \"TOKENS\"] [--keys-file FILE]\n"
    "                      [--png DIR] [--trace FILE]\n"
    "       replay --text \"MATHS TEXT\" [--at X,Y] [--colour C] [--png DIR] [--trace FILE]\n"
    "       replay --prompt \"TEXT\" [--at X,Y] [--png DIR] [--trace FILE]\n"
    "       replay --help | --version\n";

const char* kShortUsage =
    "usage: replay PROGRAM [OPTION]... | --text TEXT | --prompt TEXT (replay --help for more)";

// The key names a script may use, from the one table the window shares,
// in lines of at most 80 characters.
std::string keyNames() {
    std::string names = "Key names:", line = names;
    for (const rt::NamedKey& k : rt::namedKeys()) {
        const std::string next = " " + std::string(k.name) + ",";
        if (line.size() + next.size() > 80) {
            names += "\n";
            line.clear();
        }
        names += next;
        line += next;
    }
    names.back() = '.';
    return names + "\n";
}

void help() {
    std::cout << kUsage
              << "\nRuns a lesson program, or draws one text, without a window: keys from a script,\n"
                 "a fixed clock and seed, a picture of the screen each time the program waits\n"
                 "for the pupil (--png) and a line per drawing operation (--trace).\n"
                 "PROGRAM is kestrel, plover, tern or grebe. Keys are blank-separated tokens:\n"
                 "a single character, one of the key names below, or Close (the window's close\n"
                 "button). When they run out the program ends as if its window were closed.\n"
              << keyNames();
}

// Draws one text on a cleared screen, then ends.
class OneText : public lesson::Engine {
public:
    OneText(rt::Runtime& r, std::string text, bool prompt, float x, float y, int colour)
        : Engine(r, "replay"), text_(std::move(text)), prompt_(prompt), x_(x), y_(y), colour_(colour) {}

    int Run() {
        return Engine::Run([this] { Draw(); });
    }

private:
    void Draw() {
        Rt().cls();
        const lesson::PenText text{.text = text_, .at = {x_, y_}, .colour = static_cast<float>(colour_)};
        if (prompt_)
            DrawPromptText(text);
        else
            DrawMathText(text);
    }

    std::string text_;
    bool prompt_;
    float x_, y_;
    int colour_;
};

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "replay: " << problem << "; " << kShortUsage << "\n";
    std::exit(2);
}

int run(const std::vector<std::string>& args) {
    std::string program, text, keys, pngDir, tracePath, clock = "00:00:00";
    bool haveText = false, prompt = false, haveSeed = false;
    int seed = 0, colour = 0;
    float atX = 100, atY = 100;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) usage(a + " needs a value");
            return args[++i];
        };
        if (a == "--seed") {
            seed = std::atoi(value().c_str());
            haveSeed = true;
        } else if (a == "--clock") {
            clock = value();
            if (clock.size() != 8 || clock[2] != ':' || clock[5] != ':') usage("--clock takes HH:MM:SS");
        } else if (a == "--keys") {
            keys += " " + value();
        } else if (a == "--keys-file") {
            std::ifstream in(value());
            if (!in) usage("cannot read the keys file");
            std::stringstream ss;
            ss << in.rdbuf();
            keys += " " + ss.str();
        } else if (a == "--png") {
            pngDir = value();
        } else if (a == "--trace") {
            tracePath = value();
        } else if (a == "--text" || a == "--prompt") {
            text = value();
            haveText = true;
            prompt = a == "--prompt";
        } else if (a == "--at") {
            if (std::sscanf(value().c_str(), "%f,%f", &atX, &atY) != 2) usage("--at takes X,Y");
        } else if (a == "--colour") {
            colour = std::atoi(value().c_str());
        } else if (a == "-h" || a == "--help") {
            help();
            return 0;
        } else if (a == "--version") {
            std::cout << "replay " << lesson::kVersion << "\n";
            return 0;
        } else if (!a.empty() && a[0] != '-' && program.empty()) {
            program = a;
        } else {
            usage("unknown argument " + a);
        }
    }
    if (haveText == !program.empty()) usage("name a program or give --text/--prompt");

    rt::HeadlessRuntime::Options options;
    options.keys = rt::HeadlessRuntime::splitKeys(keys);
    options.clock = clock;
    options.pngDir = pngDir;
    rt::HeadlessRuntime runtime(options);
    std::ofstream trace;
    if (!tracePath.empty()) {
        trace.open(tracePath);
        if (!trace) usage("cannot write the trace file");
        runtime.setTrace(&trace);
    }

    int status = 0;
    if (haveText) {
        OneText one(runtime, text, prompt, atX, atY, colour);
        if (haveSeed) one.OverrideSeed(seed);
        status = one.Run();
    } else {
        const lesson::ProgramInfo* info = lesson::FindProgram(program);
        if (!info) usage("unknown program " + program);
        const std::unique_ptr<lesson::Lesson> lessons = info->make(runtime);
        if (haveSeed) lessons->OverrideSeed(seed);
        status = lessons->Run();
    }
    runtime.finish();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // A missing face or no memory for the picture ends the run with a message
    // and status 1, never an abort.
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::cerr << "replay: out of memory\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "replay: " << e.what() << "\n";
        return 1;
    }
}
