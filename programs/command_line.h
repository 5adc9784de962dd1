// SPDX-License-Identifier: GPL-3.0-or-later
// What a program's command line asks for before any window opens.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "programs/programs.h"

namespace lesson {

// The keys every program takes, as --help lists them (in English; --help
// gives them in the user's language).
extern const std::string_view kKeysHelp;

// The name a command was started by (argv[0] without its folder), or fallback
// when it has none.
std::string CommandName(const char* argv0, std::string_view fallback);

// An argument as a usage line shows it: in double quotes, its first
// kShownArgumentChars characters and "..." when it is longer, each byte that
// is not part of valid UTF-8 (and each control character) as \xNN and a
// backslash doubled, so that
// the line stays one short line of valid text whatever was typed.
inline constexpr std::size_t kShownArgumentChars = 40;
std::string QuotedArgument(std::string_view arg);

// No argument runs the lesson: nothing is returned. --help (-h) and
// --version answer on out, status 0; anything else gets a one-line usage on
// err, status 2. args are the arguments after the command's name.
std::optional<int> AnswerCommandLine(const ProgramInfo& program, std::string_view command,
                                     std::span<const char* const> args, std::ostream& out, std::ostream& err);

}  // namespace lesson
