// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/command_line.h"

#include "programs/version.h"
#include "runtime/messages.h"

namespace lesson {

const std::string_view kKeysHelp =
    N_("Keys:\n"
       "  0-9 - . /    type a number where the lesson asks for one (with an input\n"
       "               method on too; full-width forms count as these)\n"
       "  Enter        enter the number: choose a chapter or an item, go on\n"
       "  Backspace    clear the number (Delete too)\n"
       "  any key      step on where the lesson waits for a key (not Shift, Ctrl,\n"
       "               Alt or the Windows key alone)\n"
       "  F11          fullscreen on and off\n"
       "  Ctrl+Q       quit, as closing the window does\n");

std::string CommandName(const char* argv0, std::string_view fallback) {
    std::string_view name = argv0 ? argv0 : "";
    if (const auto slash = name.rfind('/'); slash != std::string_view::npos) name.remove_prefix(slash + 1);
    return std::string(name.empty() ? fallback : name);
}

std::optional<int> AnswerCommandLine(const ProgramInfo& program, std::string_view command,
                                     std::span<const char* const> args, std::ostream& out,
                                     std::ostream& err) {
    if (args.empty()) return std::nullopt;
    const std::string usage = rt::say(N_("usage: %1 [--help | --version]"), {command}).local;
    const std::string_view arg = args[0] ? args[0] : "";
    if (args.size() == 1 && (arg == "--help" || arg == "-h")) {
        out << usage << "\n\n"
            << rt::say(N_("%1: %2.\nA maths tutorial for junior-high pupils, in a window of its own,\n"
                          "used with the keyboard alone.\n\n"),
                       {program.title, rt::say(std::string(program.subject).c_str())})
                   .local
            << rt::translate(std::string(kKeysHelp).c_str());
        out.flush();
        return 0;
    }
    if (args.size() == 1 && arg == "--version") {
        out << command << ' ' << kVersion << '\n';
        out.flush();
        return 0;
    }
    // The first argument not understood, or the second when each is but
    // only one is taken.
    std::string_view wrong = args.size() > 1 && args[1] ? args[1] : "";
    for (const char* a : args) {
        const std::string_view v = a ? a : "";
        if (v != "--help" && v != "-h" && v != "--version") {
            wrong = v;
            break;
        }
    }
    err << rt::say(N_("%1: unknown argument \"%2\"; %3"), {command, wrong, usage}).local << '\n';
    return 2;
}

}  // namespace lesson
