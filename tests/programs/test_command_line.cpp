// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, answered before any window opens: --help and --version
// on stdout with status 0, anything else a one-line usage on stderr with
// status 2; all without a display. And a program without a display says only
// its own why, not the Wayland library's line on XDG_RUNTIME_DIR.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "programs/command_line.h"
#include "programs/version.h"

namespace {

namespace fs = std::filesystem;

struct Answer {
    int status = -1;
    std::string out, err;
};

// Runs command with DISPLAY unset (or set to display), stdout and stderr apart;
// in English whatever the tester's locale (messages_test.sh has the others).
Answer run(const std::string& command, const char* display = nullptr) {
    const fs::path errFile =
        fs::path(::testing::TempDir()) / ("command_line_err_" + std::to_string(::getpid()));
    const std::string english = "env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=C.UTF-8 ";
    const std::string env =
        english + (display ? std::string("env -u WAYLAND_DISPLAY DISPLAY=") + display + " "
                           : "env -u WAYLAND_DISPLAY -u DISPLAY ");
    Answer a;
    FILE* p = popen((env + "timeout 60 " + command + " 2>" + errFile.string()).c_str(), "r");
    if (!p) return a;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) a.out.append(buf, n);
    const int raw = pclose(p);
    a.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errFile);
    std::stringstream all;
    all << in.rdbuf();
    a.err = all.str();
    fs::remove(errFile);
    return a;
}

fs::path binDir() { return fs::path(REPLAY_PATH).parent_path(); }

int lines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

const char* const kCommands[] = {"kestrel", "plover", "tern", "grebe", "replay"};
// What each help names: a lesson's keys, and the key script's names.
const char* const kLessonKeys[] = {"0-9 - . /", "Enter", "any key", "F11", "fullscreen", "Ctrl+Q"};
const char* const kReplayKeys[] = {"Enter", "PageDown", "Escape", "Close", nullptr, nullptr};

TEST(CommandLine, HelpSaysWhatTheProgramIsAndItsKeys) {
    for (const char* name : kCommands) {
        // A display that does not exist: nothing tries to reach it.
        for (const char* display : {static_cast<const char*>(nullptr), ":999"}) {
            const Answer a = run((binDir() / name).string() + " --help", display);
            EXPECT_EQ(a.status, 0) << name << ": " << a.err;
            EXPECT_EQ(a.err, "") << name;
            EXPECT_EQ(a.out.rfind(std::string("usage: ") + name + " ", 0), 0u) << name << ": " << a.out;
            const bool lesson = std::string(name) != "replay";
            for (const char* said : lesson ? kLessonKeys : kReplayKeys) {
                if (!said) continue;
                EXPECT_NE(a.out.find(said), std::string::npos) << name << " says nothing of " << said;
            }
        }
    }
    EXPECT_NE(run((binDir() / "tern").string() + " -h").out.find("Tern: equations in two unknowns"),
              std::string::npos);
}

TEST(CommandLine, VersionIsTheProjectsOne) {
    for (const char* name : kCommands) {
        const Answer a = run((binDir() / name).string() + " --version");
        EXPECT_EQ(a.status, 0) << name;
        EXPECT_EQ(a.out, std::string(name) + " " + lesson::kVersion + "\n");
        EXPECT_EQ(a.err, "") << name;
    }
}

TEST(CommandLine, AnyOtherArgumentGetsAOneLineUsage) {
    struct Case {
        const char* name;
        const char* args;
    } cases[] = {
        {"kestrel", "--bogus"},
        {"plover", "extra"},
        {"tern", "--help --version"},
        {"grebe", "-v"},
        {"kestrel", "--version x"},
        {"kestrel", "--"},
        {"replay", "--bogus"},
        {"replay", "kestrel --seed"},
        {"replay", ""},
        {"replay", "nosuchprogram"},
        // What replay cannot read, and anything beside --help or --version.
        {"replay", "--seed abc"},
        {"replay", "kestrel --seed abc"},
        {"replay", "kestrel --seed 7x"},
        {"replay", "kestrel --seed 99999999999"},
        {"replay", "kestrel --clock 99:99:99"},
        {"replay", "kestrel --clock 1a:00:00"},
        {"replay", "--text x --at 1,2,3"},
        {"replay", "--text x --colour red"},
        {"replay", "--text x --colour 16"},  // no such palette entry
        {"replay", "--version garbage"},
        {"replay", "--help x"},
        {"replay", "kestrel --help"},
    };
    for (const Case& c : cases) {
        const Answer a = run((binDir() / c.name).string() + " " + c.args);
        const std::string what = std::string(c.name) + " " + c.args;
        EXPECT_EQ(a.status, 2) << what;
        EXPECT_EQ(a.out, "") << what;
        EXPECT_EQ(lines(a.err), 1) << what << ": " << a.err;
        EXPECT_NE(a.err.find(std::string("usage: ") + c.name), std::string::npos) << what << ": " << a.err;
    }
}

TEST(CommandLine, AnUnknownArgumentIsQuotedShortAndAsValidText) {
    const std::string longest(lesson::kShownArgumentChars, 'a');
    const auto kana = [](std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i) s += "あ";
        return s;
    };
    struct Case {
        std::string arg, shown;
    } cases[] = {
        {"--bogus", "\"--bogus\""},
        {"", "\"\""},
        {"日本語", "\"日本語\""},
        {longest, "\"" + longest + "\""},
        {longest + "b", "\"" + longest + "...\""},
        {std::string(120000, 'x'), "\"" + std::string(lesson::kShownArgumentChars, 'x') + "...\""},
        // Forty characters of several bytes each, whole.
        {kana(50), "\"" + kana(lesson::kShownArgumentChars) + "...\""},
        // Bytes that are not UTF-8: a lone continuation, a cut sequence, an
        // overlong form, a surrogate, past U+10FFFF; control characters; a backslash.
        {"a\x80"
         "b",
         "\"a\\x80b\""},
        {"\xe3\x81", "\"\\xe3\\x81\""},
        {"\xc0\xaf", "\"\\xc0\\xaf\""},
        {"\xed\xa0\x80", "\"\\xed\\xa0\\x80\""},
        {"\xf4\x90\x80\x80", "\"\\xf4\\x90\\x80\\x80\""},
        {"tab\there\n", "\"tab\\x09here\\x0a\""},
        {"a\\b", "\"a\\\\b\""},
    };
    for (const Case& c : cases) EXPECT_EQ(lesson::QuotedArgument(c.arg), c.shown) << c.arg.substr(0, 60);

    // On the command line: one short line whatever the argument.
    for (const char* name : {"kestrel", "replay"}) {
        const Answer a =
            run((binDir() / name).string() + " " + std::string(120000, 'x') + "$(printf '\\377')");
        EXPECT_EQ(a.status, 2) << name;
        EXPECT_EQ(lines(a.err), 1) << name;
        EXPECT_LT(a.err.size(), 300u) << name << ": " << a.err.substr(0, 300);
        EXPECT_NE(a.err.find(std::string(lesson::kShownArgumentChars, 'x') + "...\""), std::string::npos)
            << name << ": " << a.err.substr(0, 300);
    }
}

TEST(CommandLine, NamesTheCommandAsItWasStarted) {
    // Installed under another name, the answers use that name.
    const fs::path dir = fs::path(::testing::TempDir()) / ("renamed_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::create_symlink(binDir() / "kestrel", dir / "ichiji-kestrel");
    const Answer version = run((dir / "ichiji-kestrel").string() + " --version");
    EXPECT_EQ(version.out, std::string("ichiji-kestrel ") + lesson::kVersion + "\n");
    const Answer help = run((dir / "ichiji-kestrel").string() + " --help");
    EXPECT_EQ(help.out.rfind("usage: ichiji-kestrel ", 0), 0u) << help.out;
    const Answer wrong = run((dir / "ichiji-kestrel").string() + " --bogus");
    EXPECT_NE(wrong.err.find("usage: ichiji-kestrel "), std::string::npos) << wrong.err;
    fs::remove_all(dir);
}

TEST(CommandLine, WithoutADisplayOnlyTheProgramsOwnMessage) {
    for (const char* runtimeDir : {"-u XDG_RUNTIME_DIR", "XDG_RUNTIME_DIR=relative"}) {
        const Answer a =
            run(std::string("env -u SDL_VIDEODRIVER ") + runtimeDir + " " + (binDir() / "kestrel").string());
        EXPECT_EQ(a.status, 1) << runtimeDir;
        EXPECT_EQ(a.err.find("XDG_RUNTIME_DIR"), std::string::npos) << runtimeDir << ": " << a.err;
        EXPECT_NE(a.err.find("no display"), std::string::npos) << runtimeDir << ": " << a.err;
    }
}

}  // namespace
