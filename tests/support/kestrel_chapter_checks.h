// SPDX-License-Identifier: GPL-3.0-or-later
// Checks shared by the tests of Kestrel's later chapters: the places of many
// texts at once, and a screen's drawing without its clear.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "kestrel_fixture.h"

namespace lesson::testing {

inline const std::string kMenuHeading = "＜Kestrel　メニュー＞";

// Each text first drawn at its "x y colour".
inline void expectPlaces(const KestrelRun& run,
                         std::initializer_list<std::pair<const char*, const char*>> places) {
    for (const auto& [text, place] : places) EXPECT_EQ(run.place(text), place) << text;
}

}  // namespace lesson::testing
