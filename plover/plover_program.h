// The Plover program: applications of linear functions. Its main menu and its chapters; each
// chapter is a member function running its sub-menu loop, each topic a member
// function that returns to that loop.
#pragma once

#include <array>

#include "engine/chapter.h"

namespace lesson {

class Plover : public Lesson {
public:
    explicit Plover(rt::Runtime& runtime);

    // The main menu's items: the chapters, the spare items and the exit.
    // A chapter not built yet redraws the menu as a spare item does.
    static const std::array<MenuEntry<Plover>, 8>& MenuEntries();

    void ApplicationsMainMenu();

    // ---- Chapter 1: the cool bag ---------------------------------------

    // ---- Chapter 2: altitude and temperature ---------------------------

    // ---- Chapter 3: the ferry chart ------------------------------------

    // ---- Chapter 4: the moving point -----------------------------------

    // ---- Chapter 5: exercises A ----------------------------------------

    // ---- Chapter 6: exercises B ----------------------------------------

protected:
    void ProgramMainMenu() override { ApplicationsMainMenu(); }
};

}  // namespace lesson
