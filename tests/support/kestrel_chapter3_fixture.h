// SPDX-License-Identifier: GPL-3.0-or-later
// Kestrel's chapter 3 run headless: key scripts, glyphs read from the trace,
// and the screen texts of one worked example.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "kestrel_fixture.h"

namespace lesson::testing::chapter3 {

inline const std::string kChoiceLine =
    "①Q1ずつ　②Q2ずつ　③変化の割合　④問1　⑤a,b変化　⑥説明,問2問3　⑦問4　⑧終了";
inline const std::string kGoal = "1次関数の値の変化について調べよう。";

// The text records of each worked example, from "例 1次関数 " to its rate.
inline std::vector<std::vector<ScreenTextRecord>> examples(const KestrelRun& run) {
    std::vector<std::vector<ScreenTextRecord>> out;
    int left = -1;  // records still to take after the ratio's label
    for (const auto& r : run.texts) {
        if (r.text == "例 1次関数 ") {
            out.emplace_back();
            left = -1;
        }
        if (out.empty() || left == 0) continue;
        out.back().push_back(r);
        if (left > 0) --left;
        if (r.text == "ﾀyの増加量/xの増加量ﾀ=") left = 2;
    }
    return out;
}

// Where each text is drawn first: "x y colour".
struct Place {
    const char* text;
    const char* where;
};
inline void expectPlaces(const KestrelRun& run, std::initializer_list<Place> places) {
    for (const Place& p : places) EXPECT_EQ(run.place(p.text), p.where) << p.text;
}

// The keys of one worked example: its 16 steps, then the next-step entry.
inline std::string exampleKeys(const std::string& next) { return steps(16) + " " + typed(next); }

}  // namespace lesson::testing::chapter3
