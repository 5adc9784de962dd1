// SPDX-License-Identifier: GPL-3.0-or-later
// Keys other than those the lessons were first typed with, over the four
// programs: full-width digits, minus, point and slash (what an input method
// commits, a pasted number) draw exactly what the half-width ones draw, and
// any key at all steps a key wait as Space does, while a number entry
// refuses it as it refuses Space.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "grebe_fixture.h"
#include "kestrel_fixture.h"
#include "plover_fixture.h"
#include "runtime/headless.h"
#include "tern_fixture.h"

namespace lesson::testing {
namespace {

using AnyRun = std::unique_ptr<RecordedRun>;

struct Program {
    const char* name;
    AnyRun (*run)(const RunOptions&);
    int exitItem;  // the main menu's item that ends the program
};

template <class P>
AnyRun runOf(const RunOptions& options) {
    return std::make_unique<ProgramRun<P>>(options);
}

const Program kPrograms[] = {
    {"kestrel", runOf<Kestrel>, 9},
    {"plover", runOf<Plover>, 8},
    {"tern", runOf<Tern>, 6},
    {"grebe", runOf<Grebe>, 7},
};

// The drawing of a run, without the keys' own records.
std::vector<std::string> drawing(const RecordedRun& run) {
    std::vector<std::string> out;
    for (const auto& r : run.records().records())
        if (r.kind != TraceRecord::Kind::key) out.push_back(r.line);
    return out;
}

// Each token of a script rewritten by change.
std::string rewritten(const std::string& keys, const std::function<std::string(const std::string&)>& change) {
    std::string out;
    for (const std::string& token : rt::HeadlessRuntime::splitKeys(keys)) out += change(token) + " ";
    return out;
}

std::string fullWidth(const std::string& token) {
    static const std::map<std::string, std::string> kFull{
        {"0", "０"}, {"1", "１"}, {"2", "２"}, {"3", "３"}, {"4", "４"}, {"5", "５"}, {"6", "６"},
        {"7", "７"}, {"8", "８"}, {"9", "９"}, {"-", "－"}, {".", "．"}, {"/", "／"},
    };
    const auto it = kFull.find(token);
    return it == kFull.end() ? token : it->second;
}

// Space replaced in turn by the keys a presenter's remote and the rest of the
// keyboard send.
std::function<std::string(const std::string&)> otherStepKeys() {
    static const char* const kKeys[] = {"PageDown", "Escape", "F5",   "PageUp", "Home", "End",    "Down",
                                        "Up",       "Right",  "Left", "Tab",    "F1",   "Insert", "Other"};
    auto next = std::make_shared<std::size_t>(0);
    return [next](const std::string& token) {
        if (token != "Space") return token;
        return std::string(kKeys[(*next)++ % std::size(kKeys)]);
    };
}

std::string spaces(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "Space ";
    return s;
}

// Every chapter's first two items walked through: steps, a new problem ("2"),
// and leaving a random topic ("1"), as the pupil types them; then menu
// entries with a sign, a point and a fraction, and the exit item as 9.0 or
// 18/2 would be.
std::vector<std::string> scripts(const Program& p) {
    std::vector<std::string> out;
    for (int chapter = 1; chapter < p.exitItem; ++chapter)
        for (int item = 1; item <= 2; ++item)
            out.push_back(typed(std::to_string(chapter)) + typed(std::to_string(item)) + spaces(40) +
                          typed("2") + spaces(40) + typed("-1.5") + spaces(20) + typed("1") + spaces(20) +
                          typed("3/2") + spaces(20));
    out.push_back(typed("-3") + typed("3/2") + spaces(3) + typed("1.5") + typed("2/1") +
                  typed(std::to_string(p.exitItem) + ".0"));
    return out;
}

class OtherKeys : public ::testing::TestWithParam<Program> {};

TEST_P(OtherKeys, FullWidthEntriesDrawWhatHalfWidthOnesDraw) {
    const Program& p = GetParam();
    for (const std::string& keys : scripts(p)) {
        const AnyRun half = p.run({.keys = keys});
        const AnyRun full = p.run({.keys = rewritten(keys, fullWidth)});
        EXPECT_EQ(firstDifferentLine(drawing(*half), drawing(*full)), "") << keys;
        EXPECT_EQ(full->status, half->status) << keys;
    }
}

TEST_P(OtherKeys, AnyKeyStepsAKeyWaitAsSpaceDoes) {
    const Program& p = GetParam();
    for (const std::string& keys : scripts(p)) {
        const AnyRun space = p.run({.keys = keys});
        const AnyRun other = p.run({.keys = rewritten(keys, otherStepKeys())});
        EXPECT_EQ(firstDifferentLine(drawing(*space), drawing(*other)), "") << keys;
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, OtherKeys, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lesson::testing
