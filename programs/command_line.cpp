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

namespace {

// The length of the valid UTF-8 sequence at the start of s, or 0.
std::size_t utf8Length(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t n = 0;
    char32_t c = 0, least = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    // No overlong form, surrogate or code point past U+10FFFF.
    if (c < least || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0;
    return n;
}

}  // namespace

std::string QuotedArgument(std::string_view arg) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    std::size_t shown = 0;
    while (!arg.empty() && shown < kShownArgumentChars) {
        const std::size_t n = utf8Length(arg);
        const auto first = static_cast<unsigned char>(arg[0]);
        if (n == 0 || first < 0x20 || first == 0x7F) {
            out += "\\x";
            out += kHex[first >> 4];
            out += kHex[first & 0xF];
            arg.remove_prefix(1);
        } else if (first == '\\') {
            out += "\\\\";
            arg.remove_prefix(1);
        } else {
            out += arg.substr(0, n);
            arg.remove_prefix(n);
        }
        ++shown;
    }
    out += arg.empty() ? "\"" : "...\"";
    return out;
}

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
    err << rt::say(N_("%1: unknown argument %2; %3"), {command, QuotedArgument(wrong), usage}).local << '\n';
    return 2;
}

}  // namespace lesson
