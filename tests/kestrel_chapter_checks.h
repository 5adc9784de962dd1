// Checks shared by the tests of Kestrel's later chapters: typed entries, the
// places of many texts at once, and a screen's drawing without its clear.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "kestrel_fixture.h"

namespace lesson::testing {

inline const std::string kMenuHeading = "＜Kestrel　メニュー＞";

// The keys that type entry at the status line and press Enter.
inline std::string typed(const std::string& entry) {
    std::string keys;
    for (char c : entry) keys += std::string(1, c) + " ";
    return keys + "Enter ";
}

// Each text first drawn at its "x y colour".
inline void expectPlaces(const KestrelRun& run,
                         std::initializer_list<std::pair<const char*, const char*>> places) {
    for (const auto& [text, place] : places) EXPECT_EQ(run.place(text), place) << text;
}

// The trace without the topic's clear box, whose border (colour 15 on 15)
// takes whatever pen it finds.
inline std::vector<std::string> drawingWithoutClear(const KestrelRun& run) {
    auto lines = run.lines();
    std::erase_if(lines, [](const std::string& l) { return l.rfind("line 0 0 1320 1300 15 2 15 ", 0) == 0; });
    return lines;
}

}  // namespace lesson::testing
