// SPDX-License-Identifier: GPL-3.0-or-later
// The programs start, or end at once with a message saying why: no display,
// a face missing, no memory for the picture.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "runtime/canvas.h"
#include "runtime/faces.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;  // the exit status, or 128 + the signal
    std::string output;
};

// Runs a shell command line, stdout and stderr together.
Outcome runCommand(const std::string& command) {
    Outcome o;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return o;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) o.output.append(buf, n);
    const int raw = pclose(p);
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : -1;
    return o;
}

std::string binary(const std::string& name) { return (fs::path(REPLAY_PATH).parent_path() / name).string(); }

TEST(FaceCheck, NamesTheMissingFaceAndItsPackage) {
    struct Case {
        rt::FaceSource face;
        const char* expected;  // "" when the face must pass
    } cases[] = {
        {rt::kGothicFace, ""},
        {rt::kSerifFace, ""},
        {{"No Such Face Anywhere", "fonts-nowhere", "abc"}, "\"No Such Face Anywhere\" is missing"},
        // Present, but without the Japanese text: the lessons would show blanks.
        {{rt::kSerifFace.family, "fonts-liberation2", "abc番号"}, "has no \"番\""},
    };
    for (const Case& c : cases) {
        if (!*c.expected) {
            EXPECT_NO_THROW(rt::checkFace(c.face)) << c.face.family;
            continue;
        }
        try {
            rt::checkFace(c.face);
            ADD_FAILURE() << c.face.family << " passed";
        } catch (const rt::FatalError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(c.expected), std::string::npos) << what;
            EXPECT_NE(what.find(std::string("install the Debian package ") + c.face.package),
                      std::string::npos)
                << what;
        }
    }
}

TEST(CanvasAllocation, FailureEndsWithAMessage) {
    // Far beyond any image Cairo makes: the failure is reported, not drawn into.
    try {
        rt::Canvas c(100);
        ADD_FAILURE() << "a canvas of 144000x90000 pixels was made";
    } catch (const rt::FatalError& e) {
        EXPECT_NE(std::string(e.what()).find("cannot allocate the picture"), std::string::npos) << e.what();
    }
}

// A font configuration as on a machine without the Japanese font package.
class WithoutJapaneseFont : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) / "no-japanese-font";
        fs::create_directories(dir_);
        std::ofstream(dir_ / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                                              "  <dir>/usr/share/fonts/truetype/liberation2</dir>\n"
                                              "  <cachedir>"
                                           << (dir_ / "cache").string() << "</cachedir>\n</fontconfig>\n";
    }
    std::string env() const { return "FONTCONFIG_FILE=" + (dir_ / "fonts.conf").string() + " "; }
    fs::path dir_;
};

TEST_F(WithoutJapaneseFont, EveryProgramStopsNamingThePackage) {
    const std::string message = std::string("\"") + rt::kGothicFace.family + "\" is missing";
    const std::string package = std::string("install the Debian package ") + rt::kGothicFace.package;
    for (const char* command : {"kestrel", "plover", "tern", "grebe", "replay kestrel --keys \"1 Enter\""}) {
        // Without a display too: the faces are checked before any window.
        const Outcome o = runCommand("env -u DISPLAY -u WAYLAND_DISPLAY " + env() + binary(command));
        EXPECT_EQ(o.status, 1) << command << ": " << o.output;
        EXPECT_NE(o.output.find(message), std::string::npos) << command << ": " << o.output;
        EXPECT_NE(o.output.find(package), std::string::npos) << command << ": " << o.output;
    }
}

TEST(NoDisplay, EveryProgramEndsNamingTheDisplay) {
    struct Case {
        const char* program;
        const char* display;  // nullptr: unset
        const char* named;
    } cases[] = {
        {"kestrel", nullptr, "DISPLAY is not set"},
        {"kestrel", ":999", "cannot open display \":999\""},
        {"kestrel", "", "DISPLAY is not set"},
        {"plover", nullptr, "DISPLAY is not set"},
        {"tern", ":999", "cannot open display \":999\""},
        {"grebe", nullptr, "DISPLAY is not set"},
    };
    for (const Case& c : cases) {
        std::string env = "env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ";
        env += c.display ? std::string("DISPLAY='") + c.display + "' " : std::string("-u DISPLAY ");
        // The watchdog only turns a program that runs on invisibly into a
        // failure instead of a hung test; how fast it ends is measured by
        // tools/measure_start.sh, not asserted here.
        const Outcome o = runCommand("timeout 120 " + env + binary(c.program));
        const std::string what = std::string(c.program) + " DISPLAY=" + (c.display ? c.display : "(unset)");
        EXPECT_EQ(o.status, 1) << what << ": " << o.output;
        EXPECT_NE(o.output.find("no display: set DISPLAY or run from a desktop session"), std::string::npos)
            << what << ": " << o.output;
        EXPECT_NE(o.output.find(c.named), std::string::npos) << what << ": " << o.output;
        // A display that is named but cannot be opened: SDL's reason follows.
        if (c.display && *c.display) {
            EXPECT_NE(o.output.find(std::string(c.named) + "): "), std::string::npos)
                << what << ": " << o.output;
        }
    }
}

TEST(NoDisplay, ADriverTheUserAskedForIsKept) {
    // The user's own choice of the dummy driver runs the lesson; it ends
    // when killed, not with the no-display message. Still running when
    // killed passes on any machine; a slow one only checks less.
    const Outcome o = runCommand("env -u DISPLAY SDL_VIDEODRIVER=dummy timeout 5 " + binary("kestrel"));
    EXPECT_EQ(o.status, 124) << o.output;
    EXPECT_EQ(o.output.find("no display"), std::string::npos) << o.output;
}

TEST(AddressSpaceLimit, ReplayEndsWithAMessageNotASignal) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves";
#else
    if (runCommand("command -v prlimit").status != 0) GTEST_SKIP() << "prlimit is not installed";
    // Limits from just above what the libraries take to beyond the picture
    // (20 MB at scale 2): what runs out first, a face or the picture, depends
    // on the libraries mapped. Either is out of memory, never a missing font.
    bool pictureReported = false, faceReported = false;
    for (long mb = 16; mb <= 40; mb += 2) {
        const Outcome o = runCommand("prlimit --as=" + std::to_string(mb * 1000000) + " " + binary("replay") +
                                     " kestrel --keys \"1 Enter\"");
        // Too little for the loader to map the libraries: nothing of ours ran.
        if (o.output.find("error while loading shared libraries") != std::string::npos) continue;
        EXPECT_EQ(o.status, 1) << mb << " MB: " << o.output;
        EXPECT_EQ(o.output.rfind("replay: ", 0), 0u) << mb << " MB: " << o.output;
        EXPECT_NE(o.output.find("out of memory"), std::string::npos) << mb << " MB: " << o.output;
        EXPECT_EQ(o.output.find("install the Debian package"), std::string::npos)
            << mb << " MB: " << o.output;
        if (o.output.find("cannot allocate the picture") != std::string::npos) pictureReported = true;
        if (o.output.find("font") != std::string::npos) faceReported = true;
    }
    EXPECT_TRUE(faceReported);
    EXPECT_TRUE(pictureReported);
#endif
}

}  // namespace
