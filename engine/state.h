// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's shared variables: parameters, results and state that outlive a
// call. Chapters set parameters here, call a routine, and read its results.
//
// Names follow the lessons' own variables; a text variable's trailing "$" is
// written "_s" (KKAI$ is KKAI_s, A1$() is A1_s).
//
// One name, several variables. Where the lessons reuse a name for unrelated
// values, each use is its own member, so that one routine cannot clobber
// another's value through the shared name:
//
//   member        what it holds
//   ------------  --------------------------------------------------------
//   I_top         I as the top edge of a plane or a graph-paper frame
//   B2_row        B2 (not the array B2()) as the chapters' text row
//   BX_cases      BX as the top of Plover's moving-point case figures
#pragma once

#include <string>

#include "basic.h"

namespace lesson {

// Where the status line's number entry stands: its typed characters begin at
// x, and its prompts stand on the line whose top is y.
struct StatusEntry {
    Num x = 1056;
    Num y = 648;
};

struct EngineState {
    // ---- Chapter conventions ------------------------------------------------
    Num B1 = 0;      // left margin of the current text column
    Num B2_row = 0;  // the top y of the current text row
    Num YI1 = 0;     // x where the last drawn text ended
    Num A = 0;       // the sub-menu's choice, as typed

    // ---- Kestrel -----------------------------------------------------------------
    // The rate of change (chapter 3).
    Num KASANARIY = 0;  // 1: every worked example is y=2x+3; 0: random a and b
    // The quadrant of the drill's last point (chapter 4) and the domain-and-range
    // practice's last accepted slope (chapter 7), kept for the whole run so the
    // next problem differs (0 at start, never reset).
    Num AAAY = 0;
    Num ZY1 = 0;

    // ---- Plover -------------------------------------------------------------------
    // The moving point (chapter 4).
    Num BX_cases = 0;  // the top of the case figures' band
    Num GY = 0;        // P's step from A along A-B-C-D, 0 to 20

    // ---- Grebe --------------------------------------------------------------------
    // The last problem of Grebe's random examples, kept for the whole run so
    // the next one differs (0 at start, never reset; apart from A21).
    Num ZENKAI = 0;
};

}  // namespace lesson
