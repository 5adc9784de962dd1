// SPDX-License-Identifier: GPL-3.0-or-later
// No routine leaves a font or pen for the next one, and none writes in what
// an earlier one left.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "headless_fixture.h"

namespace {

namespace ink = lesson::ink;
using lesson::Engine;
using lesson::testing::Headless;

struct Routine {
    const char* name;
    std::function<void(Engine&)> draw;
};

const lesson::Plane kPlane{
    .left = 100, .top = 100, .xFrom = -5, .xTo = 5, .yFrom = -5, .yTo = 5, .grid = true};

const Routine kRoutines[] = {
    {"maths text",
     [](Engine& e) {
         e.DrawMathText({"y=ﾀ1/2ﾀx^2+√3ﾝ", {100, 100}, ink::text});
     }},
    {"prompt text",
     [](Engine& e) {
         e.DrawPromptText({"①例　②終了", {16, 666}, ink::text});
     }},
    {"table text",
     [](Engine& e) {
         e.DrawTableText({"x(a,c)y", {100, 100}, ink::text});
     }},
    {"plane", [](Engine& e) { e.DrawAxes(kPlane); }},
    {"plane placed", [](Engine& e) { e.PlaceAxes(kPlane); }},
    {"scale numbers", [](Engine& e) { e.LabelAxisScales(e.PlaceAxes(kPlane), 2, 0.5f); }},
    {"point", [](Engine& e) { e.PlotPoint(e.PlaceAxes(kPlane), 1, 2, {.radius = 8, .label = "A"}); }},
    {"graph",
     [](Engine& e) {
         e.DrawGraph(e.PlaceAxes(kPlane), {.a = 2, .b = 1, .label = "y=2x+1"}, {-5, 5, 1, 1});
     }},
    {"slope triangle",
     [](Engine& e) {
         e.DrawIncreaseArrows({100, 300}, {180, 220}, 40, true, true);
     }},
};

// A style no routine writes in, left behind on purpose.
const rt::TextStyle kOdd{.face = "Times New Roman", .size = 40, .bold = true, .italic = true};

TEST(Style, EveryRoutineLeavesTheFontAndPenAsItFoundThem) {
    for (const Routine& r : kRoutines) {
        Headless h;
        h.start();
        h.rt().setTextStyle(kOdd);
        h.rt().setDrawWidth(9);
        r.draw(h.e());
        EXPECT_EQ(h.rt().textStyle(), kOdd) << r.name;
        EXPECT_EQ(h.rt().drawWidth(), 9) << r.name;
        EXPECT_EQ(h.rt().lineRole(), rt::LineRole::meaning) << r.name;
    }
}

// What a routine writes does not depend on the style an earlier one left:
// a plane after a prompt (which writes bold) has its scale numbers in
// regular weight, as every other plane.
TEST(Style, EveryRoutineWritesTheSameWhateverWasLeft) {
    for (const Routine& r : kRoutines) {
        Headless fresh, afterOthers;
        fresh.start();
        afterOthers.start();
        afterOthers.rt().setTextStyle(kOdd);
        r.draw(fresh.e());
        r.draw(afterOthers.e());
        EXPECT_EQ(fresh.lines("text"), afterOthers.lines("text")) << r.name;
    }
}

TEST(Style, ScaleNumbersInRegularWeight) {
    Headless h;
    h.start();
    h.e().DrawPromptText({"①例", {16, 666}, ink::text});
    h.clear();
    h.e().DrawAxes(kPlane);
    const auto five = h.records().glyphs({.text = "5"});
    ASSERT_FALSE(five.empty());
    for (const auto& g : five) {
        EXPECT_FALSE(g.bold);
        EXPECT_EQ(g.face, "ゴシック");
        EXPECT_EQ(g.size, 30);
    }
}

}  // namespace
