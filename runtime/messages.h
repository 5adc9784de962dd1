// SPDX-License-Identifier: GPL-3.0-or-later
// What the programs say outside their lessons (the command line, a start-up
// failure) in the user's language, through gettext: English is the text each
// message is looked up by and what is said where no catalogue answers.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the catalogue where it is looked up later (by say()).
#define N_(text) text

namespace rt {

// One message in English and in the user's language (the English again when
// there is no translation): a message box that cannot show the one shows
// the other, and stderr carries both.
struct Message {
    std::string english;
    std::string local;

    // Whether there is a translation to show at all.
    bool translated() const { return local != english; }
};

// A value put into a message: a text the same in every language (a path, a
// family name), or a message of its own.
struct MessageArg {
    MessageArg(std::string_view same) : english(same), local(same) {}
    MessageArg(const char* same) : MessageArg(std::string_view(same)) {}
    MessageArg(const std::string& same) : MessageArg(std::string_view(same)) {}
    MessageArg(const Message& m) : english(m.english), local(m.local) {}
    std::string english;
    std::string local;
};

// Takes the messages' language from the locale (LC_ALL, LC_MESSAGES, LANG
// and LANGUAGE, as every program does) for the rest of the run, and finds
// the catalogues: beside the executable's folder (bin/../share/locale, the
// build tree's and any relocated install's) or else the installed prefix's.
// Only LC_MESSAGES is set: numbers and text are read and written as before.
// Without this call every message is English.
void chooseMessageLanguage();

// msgid translated, with %1 to %9 replaced by args (in either language's
// order); %% is a percent sign.
Message say(const char* msgid, std::initializer_list<MessageArg> args = {});

// One line of text translated, for what has no English twin (--help).
std::string translate(const char* msgid);

}  // namespace rt
