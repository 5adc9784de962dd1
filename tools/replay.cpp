// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program, or one text, headless: keys from a script, a fixed seed and
// clock, a picture of the screen at every wait and a trace of every drawing
// operation. Tests and reviewers rely on this interface.
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "programs/command_line.h"
#include "programs/programs.h"
#include "programs/version.h"
#include "runtime/headless.h"
#include "runtime/keys.h"

namespace {

const char* kUsage =
    "usage: replay PROGRAM [--seed N] [--clock HH:MM:SS] [--keys \"TOKENS\"] [--keys-file FILE]\n"
    "                      [--png DIR] [--trace FILE] [--topics FILE]\n"
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
                 "--topics FILE writes a line \"chapter C N\" for each chapter the main menu\n"
                 "offers (N topics) and \"topic C I\" as each topic begins.\n"
              << keyNames();
}

// Draws one text on a cleared screen, then ends.
class OneText : public lesson::Engine {
public:
    OneText(rt::Runtime& r, std::string text, bool prompt, float x, float y, rt::Colour colour)
        : Engine(r, "replay"), text_(std::move(text)), prompt_(prompt), x_(x), y_(y), colour_(colour) {}

    int Run() {
        return Engine::Run([this] { Draw(); });
    }

private:
    void Draw() {
        Rt().cls();
        const lesson::PenText text{.text = text_, .at = {x_, y_}, .colour = colour_};
        if (prompt_)
            DrawPromptText(text);
        else
            DrawMathText(text);
    }

    std::string text_;
    bool prompt_;
    float x_, y_;
    rt::Colour colour_;
};

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "replay: " << problem << "; " << kShortUsage << "\n";
    std::exit(2);
}

// The whole of s as a whole number in [least, most], or nothing.
std::optional<int> wholeNumber(const std::string& s, int least, int most) {
    int n = 0;
    const char* end = s.data() + s.size();
    const auto [at, error] = std::from_chars(s.data(), end, n);
    if (s.empty() || error != std::errc() || at != end || n < least || n > most) return std::nullopt;
    return n;
}

// HH:MM:SS of a day, two digits each.
bool isClock(const std::string& s) {
    if (s.size() != 8 || s[2] != ':' || s[5] != ':') return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7})
        if (s[i] < '0' || s[i] > '9') return false;
    return wholeNumber(s.substr(0, 2), 0, 23) && wholeNumber(s.substr(3, 2), 0, 59) &&
           wholeNumber(s.substr(6, 2), 0, 59);
}

int run(const std::vector<std::string>& args) {
    // --help and --version answer alone, as the programs' do.
    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
        help();
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "replay " << lesson::kVersion << "\n";
        return 0;
    }
    std::string program, text, keys, pngDir, tracePath, topicsPath, clock = "00:00:00";
    bool haveText = false, prompt = false, haveSeed = false;
    int seed = 0;
    rt::Colour colour = rt::Colour::black;
    float atX = 100, atY = 100;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) usage(a + " needs a value");
            return args[++i];
        };
        if (a == "--seed") {
            const std::optional<int> n = wholeNumber(value(), INT_MIN, INT_MAX);
            if (!n) usage("--seed takes a whole number, not " + lesson::QuotedArgument(args[i]));
            seed = *n;
            haveSeed = true;
        } else if (a == "--clock") {
            clock = value();
            if (!isClock(clock))
                usage("--clock takes a time of day HH:MM:SS, not " + lesson::QuotedArgument(clock));
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
        } else if (a == "--topics") {
            topicsPath = value();
        } else if (a == "--text" || a == "--prompt") {
            text = value();
            haveText = true;
            prompt = a == "--prompt";
        } else if (a == "--at") {
            int used = 0;
            const std::string& at = value();
            if (std::sscanf(at.c_str(), "%f,%f%n", &atX, &atY, &used) != 2 ||
                static_cast<std::size_t>(used) != at.size())
                usage("--at takes X,Y, not " + lesson::QuotedArgument(at));
        } else if (a == "--colour") {
            const std::optional<int> n = wholeNumber(value(), 0, 15);
            if (!n)
                usage("--colour takes a palette number from 0 to 15, not " + lesson::QuotedArgument(args[i]));
            colour = rt::paletteEntry(*n);
        } else if (a == "-h" || a == "--help" || a == "--version") {
            usage(a + " takes no other argument");
        } else if (!a.empty() && a[0] != '-' && program.empty()) {
            program = a;
        } else {
            usage("unknown argument " + lesson::QuotedArgument(a));
        }
    }
    if (haveText == !program.empty()) usage("name a program or give --text/--prompt");

    rt::HeadlessRuntime::Options options;
    options.keys = rt::HeadlessRuntime::splitKeys(keys);
    options.clock = clock;
    options.pngDir = pngDir;
    std::ofstream topics;
    if (!topicsPath.empty()) {
        topics.open(topicsPath);
        if (!topics) usage("cannot write the topics file");
        options.topics = &topics;
    }
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
        if (!info) usage("unknown program " + lesson::QuotedArgument(program));
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
