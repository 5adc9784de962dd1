// The Tern program: equations in two unknowns as lines. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>

#include "engine/chapter.h"

namespace lesson {

class Tern : public Lesson {
public:
    explicit Tern(rt::Runtime& runtime);

    // The main menu's items: the chapters, the spare items and the exit.
    // A chapter not built yet redraws the menu as a spare item does.
    static const std::array<MenuEntry<Tern>, 6>& MenuEntries();

    void EquationGraphsMainMenu();

    // ---- Chapter 1: graphs of ax+by=c ----------------------------------

    // ---- Chapter 2: x=k and y=k ----------------------------------------

    // ---- Chapter 3: systems as intersecting lines ----------------------

    // ---- Chapter 4: basic problems -------------------------------------

protected:
    void ProgramMainMenu() override { EquationGraphsMainMenu(); }
};

}  // namespace lesson
