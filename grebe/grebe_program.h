// The Grebe program: finding a line's equation. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>

#include "engine/chapter.h"

namespace lesson {

class Grebe : public Lesson {
public:
    explicit Grebe(rt::Runtime& runtime);

    // The main menu's items: the chapters, the spare items and the exit.
    // A chapter not built yet redraws the menu as a spare item does.
    static const std::array<MenuEntry<Grebe>, 7>& MenuEntries();

    void EquationMainMenu();

    // ---- Chapter 1: the equation from a graph --------------------------

    // ---- Chapter 2: from one point and the slope or the intercept ------

    // ---- Chapter 3: from two points ------------------------------------

    // ---- Chapter 4: basic problems -------------------------------------

protected:
    void ProgramMainMenu() override { EquationMainMenu(); }
};

}  // namespace lesson
