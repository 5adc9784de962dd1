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
    // ---- Start-up ----------------------------------------------------------
    Num ENZAN = 0;  // scratch of the figure routines
    Num YMOTO = 4;  // text colour

    // ---- Maths-text renderer ----------------------------------------------
    std::string KKAI_s;  // the text to draw; consumed
    Num DSM1 = 0;        // pen x
    Num DSM2 = 0;        // pen y: top of the text line
    Num BB1 = 0;         // the pen width a routine saved and puts back
    std::string A_s;     // general text parameter and result of the text routines
    std::string LT_s;    // the current character
    Num BAI = 0;         // width of the text last measured
    Num DS4 = 0;         // prompt shorthand: x after the last cell

    // ---- Cells and table text ---------------------------------------------
    Num TANI = 0;      // cell width
    Num X8 = 0;        // cell height
    Num NO = 0;        // outline colour of a cell's box; a plane's grid colour
    Num TKAI2 = 0;     // fill colour of a cell's box
    std::string YY_s;  // upper text of a two-line cell; the given fraction
    std::string T_s;   // lower text of a two-line cell; the reduced fraction

    // ---- Fractions, text clean-up, number and sign utilities ----------------
    Num AAAX = 0;  // y of the second point of line 2 (IntersectLines)

    // ---- Status line ---------------------------------------------------------
    // ---- Figures and coordinate plane -------------------------------------
    // Where the plane last placed puts its scale numbers' size (PlaceAxes
    // sets it); also the pen width of a polygon's sides.
    Num NAGASA = 0;

    // Labels.
    std::string IB8_s;  // label of an angle or segment; polygon label mode
};

}  // namespace lesson
