// SPDX-License-Identifier: GPL-3.0-or-later
// A plane a chapter holds: its points, graphs and scale numbers land on it,
// whatever plane was drawn or placed since.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tern_fixture.h"

namespace lesson::testing {
namespace {

TEST(PlaneView, DrawsOnItsOwnPlaneWhateverWasDrawnSince) {
    TernRun run(RunOptions{}, [](Tern& t) {
        const auto left =
            t.PlaneAt({.left = 100, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -5, .yTo = 5, .grid = true});
        const auto right = t.PlaneAt({.left = 700,
                                      .top = 100,
                                      .xFrom = 0,
                                      .xTo = 20,
                                      .yFrom = 0,
                                      .yTo = 10,
                                      .step = 20,
                                      .xPerStep = 2,
                                      .yPerStep = 1});
        t.PlaceOfPlane({.left = 300, .top = 500, .xTo = 3, .yTo = 3, .step = 10});
        left.PointAt(1, 2, {.radius = 8, .colour = ink::emphasis});
        right.PointAt(4, 3, {.radius = 6, .colour = ink::answer, .xPerStep = 2});
        left.GraphOf({.a = 1, .b = 0, .colour = ink::answer});
        right.ScaleNumbers(2, 1);
    });
    ASSERT_TRUE(run.ended());
    // The left plane's origin stands at (300, 300), 40 units a step.
    EXPECT_EQ(run.records().dots({.r = 8}).front().x, 340);
    EXPECT_EQ(run.records().dots({.r = 8}).front().y, 220);
    // The right one's at (700, 300), 20 units a step of 2 across.
    EXPECT_EQ(run.records().dots({.r = 6}).front().x, 740);
    EXPECT_EQ(run.records().dots({.r = 6}).front().y, 240);
    // The graph's pen dots run over the left plane's range only.
    const auto graph = run.records().dots({.r = 1});
    ASSERT_FALSE(graph.empty());
    for (const auto& d : graph) {
        EXPECT_GE(d.x, 100);
        EXPECT_LE(d.x, 500);
    }
    // Scale numbers along the right plane's x axis, every fifth step.
    EXPECT_FALSE(run.records().glyphs({.text = "10"}).empty());
    EXPECT_FALSE(run.records().glyphs({.text = "20"}).empty());
}

}  // namespace
}  // namespace lesson::testing
