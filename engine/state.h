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
//   AINP          the typed number (status line)
//   AINP_labelDy  AINP as the label's y offset of PlotPoint and DrawGraph
//   DS2_s         DS2$, the characters typed at the status line
//   TANI_2        TANI as the command-key number (TANI itself: the cell
//                 width, also the brace height and the dot step of a
//                 half-ellipse)
//   X, R1B        numerator and denominator of the fraction routines
//   X_yTop        X as the y range's upper end of the coordinate plane
//   X_3           X as the table-text switch of an angle or segment label
//   Y_kind        Y as the graph kind of DrawGraph
//   Y_rowH        Y as the row height of DrawEliminationColumns
//   Y_3           Y as the height of a half-ellipse (DrawArcOverSegment,
//                 TurnArrowHead)
//   R1B_rhs       R1B as the right-hand side c of a kind-4 graph
//   AA_coef       AA as the first coefficient a of a graph
//   I_top         I as the top edge of a plane or a graph-paper frame
//   B1_slope2     B1 as the slope of line 2 in IntersectLines
//   B_intercept   B as the intercept left by FindLineBoundPoint
//   B2_row        B2 (not the array B2()) as the row of the lower equation
//                 left by DrawEliminationColumns
//                 and the chapters' text row: one variable
//   BX_cases      BX as the top of Plover's moving-point case figures (BX
//                 itself: a point of line 1 in IntersectLines)
#pragma once

#include <string>

#include "basic.h"

namespace lesson {

struct EngineState {
    // ---- Start-up ----------------------------------------------------------
    Num ENZAN = 0;      // the random seed at start-up; scratch afterwards
    Num YMOTO = 4;      // text colour
    Num Y5 = 1056;      // x of the status-line entry field
    Num Y6 = 648;       // y of the status line
    std::string II1_s;  // the program's title

    Arr<std::string, 40> TITLE_s;
    Arr<Num, 40> F;
    Arr<std::string, 80> A1_s;
    Arr<Num, 80> T;
    Arr2<Num, 10, 2> R1A;
    Arr<Num, 40> GY5;
    Arr<Num, 40> t0014;
    Arr<Num, 10> Y7;
    Arr<std::string, 20> X_s;
    Arr<Num, 5> HH;
    Arr<Num, 5> R;

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
    Num NO = 0;        // outline colour of a cell's box (also a figure line colour)
    Num TKAI2 = 0;     // fill colour of a cell's box
    std::string YY_s;  // upper text of a two-line cell; the given fraction
    std::string T_s;   // lower text of a two-line cell; the reduced fraction

    // ---- Fractions, text clean-up, number and sign utilities ----------------
    Num X = 0;                    // numerator of the fraction routines (reduced on return)
    Num R1B = 0;                  // denominator of the fraction routines (reduced on return)
    Num DB = 0;                   // case: 0 zero denominator, 1 whole, 2 reduced or signed, 3 unchanged
    Num DB1 = 0;                  // sign of the value: -1 or 1
    std::string F_s;              // reduced value with an explicit sign
    std::string U_s;              // the given fraction = the reduced value
    std::string DB_s;             // the same with explicit signs
    std::string DX_s;             // the reduced value without mark-up
    std::string XX_s;             // "+" for a value that is not negative, else ""
    Num TKAI = 0;                 // greatest common divisor
    Num TBBOYAKY = 0;             // least common multiple
    Num KJ2 = 0, X2 = 0, X4 = 0;  // sum: numerators over the common denominator
    Num DS_2 = 0, A31 = 0, YAK1 = 0, LB8 = 0;           // sum: the two fractions
    std::string RABM_s, V_s, DBM2_s, E1_s, A4_s, A5_s;  // sum: its texts
    std::string R_s;                                    // the text RemoveSpaces left
    Num H_2 = 0, ZX5 = 0, ZY5 = 0;                      // where StripMarkup last cut a mark
    Num TBSI1 = 0, HH4 = 0, ZY12 = 0;              // square root: radicand, factor taken out, given radicand
    std::string R1A_s, TBSIYAKY_s, AA_A_s, R1B_s;  // square root: its texts
    Num AAAX = 0, XW = 0, TXM = 0, RABM = 0;       // divisors: number, count, pairs

    // ---- Status line ---------------------------------------------------------
    std::string DS2_s;   // the characters typed at the status line, as the keys gave them
    Num AINP = 0;        // the typed number (an empty or a "/0" entry gives 0)
    std::string MIGI_s;  // the last key taken from the key poll; "" when none waited
    Num Q = 0;           // x of the next typed character
    Num GX2 = 0;         // y of the next typed character
    Num ZX0 = 0;         // 1 when MIGI_s is one of the ten command keys, else 0
    Num TANI_2 = 0;      // number of the command key, 1 to 10; kept when none matched
    // ---- Figures and coordinate plane -------------------------------------
    // Coordinate plane. A value v of x lies at TATE + NAKA*v/t0000, a value w
    // of y at t0001 - NAKA*w/GGX.
    Num A41 = 0;     // left edge of the plane or frame
    Num I_top = 0;   // top edge of the plane or frame
    Num XJ1 = 0;     // x range, lower end (values in, grid counts out); graph's first x
    Num YJ1 = 0;     // x range, upper end; graph's last x
    Num B4 = 0;      // y range, lower end
    Num X_yTop = 0;  // y range, upper end
    Num NAKA = 0;    // units per grid step
    Num t0000 = 0;   // value per grid step on x (0 counts as 1)
    Num GGX = 0;     // value per grid step on y (0 counts as 1)
    Num N = 0;       // -1: grid without scale numbers
    Num TATE = 0;    // origin x
    Num t0001 = 0;   // origin y
    Num HI = 0;      // left edge of the plane
    Num ZX = 0;      // top edge
    Num GY1 = 0;     // right edge
    Num GX3 = 0;     // bottom edge
    Num NAGASA = 0;  // scale-number font size; pen width of a polygon's sides
    Num ZX1 = 0;     // graph paper: number of columns (X8 the rows)

    // Points and graphs.
    Num KAKUDAI = 0;       // point's x, value
    Num SENTAKU = 0;       // point's y, value
    Num GY0 = 0;           // dot radius
    std::string IB8_s;     // label of a point, graph, angle or segment; polygon label mode
    Num JYOU = 0;          // label shift right
    Num AINP_labelDy = 0;  // label shift down
    Num HOUKOU = 0;        // screen x of the last point
    Num N2 = 0;            // screen y of the last point
    Num Y_kind = 0;        // graph kind: 1 a/x, 2 a*x^2, 3 a*x+b, 4 a*x+b*y=c
    Num AA_coef = 0;       // a
    Num AAA = 0;           // b
    Num R1B_rhs = 0;       // c; the x of a vertical line afterwards
    Num TRACE_HIT = 0;     // -1 when the last traced graph drew a dot inside the plane

    // Segment and angle marks, arrows.
    Num P2 = 0, BB = 0;          // first point, vertex, or an arrow's second end
    Num ZY0 = 0, A21 = 0;        // second point, or a point on the first ray
    Num FMAESU = 0, KAKKO1 = 0;  // a point on the second ray
    Num XI0 = 0, SITA = 0;       // an arrow's first end; a point found
    Num P = 0;                   // size: mark side, label distance, arrow head length
    Num P1 = 0;                  // polygon label distance
    Num BAIY = 0;                // -1: exchange the two rays; tick origin shift
    Num SIZE = 0, CCC3 = 0;      // label shift right and down
    Num X_3 = 0;                 // 1: label drawn as table text
    Num Y_3 = 0;                 // height of a half-ellipse across its segment
    Num XG = 0;                  // side of a half-ellipse: > 0 right of the direction
    Num YY1 = 0, ZX2 = 0;        // direction angles of the two rays
    Num XX1 = 0, AIDA1 = 0;      // their arc fractions
    Num ZY2 = 0;                 // bisector direction
    Num AX = 0;                  // 3.14159, the value of pi of the angle routines
    Num NAGASA1 = 0;             // direction of a segment, radians
    Num t0004 = 0;               // the same in degrees
    Num XX = 0;                  // number of marks or arcs
    Num GX1 = 0;                 // distance between two equal-length strokes
    Num B_1 = 0;                 // second part of a division ratio (ENZAN the first)
    std::string HH2_s;           // an angle in degrees, as text
    Num IROIRO = 0;              // -1: arrow head at (P2, BB); else at (XI0, SITA)
    Num UE = 0;                  // 2: draw the arrow a second time with its ends exchanged

    // Slope triangle.
    Num ZY = 0, AA1 = 0;      // first point
    Num GY3 = 0, HIDARI = 0;  // second point
    std::string HENK3_s;      // "y"/"n": write the run, write the rise
    std::string BB2_s;        // the run, as text
    std::string R1B1_s;       // the rise, as text

    // Two lines: (TAKASA, BX)-(YA, CX) and (CCC0, HYOUJI)-(CY, AAAX).
    Num TAKASA = 0, BX = 0, YA = 0, CX = 0;
    Num CCC0 = 0, HYOUJI = 0, CY = 0;  // AAAX is shared with ListDivisors
    Num LT1 = 0;                       // slope of line 1 (1000 when vertical)
    Num GY2 = 0;                       // intercept of line 1
    Num B1_slope2 = 0;                 // slope of line 2 (1000 when vertical)
    Num TBSI = 0;                      // intercept of line 2
    Num AY1 = 0, BY1 = 0;              // the intersection
    Num VERT1 = 0, VERT2 = 0;          // -1 when line 1 / line 2 is vertical
    Num MEET = 0;                      // -1 when AY1, BY1 hold this call's single intersection
    Num DY = 0, Y22 = 0;               // foot of a perpendicular
    Num DS1 = 0, HENKA = 0;            // point of a line at a given x or y
    Num B_intercept = 0;               // its intercept (ENZAN the slope)

    // Brace and elimination columns.
    std::string FY_s;  // operator of the elimination
    Num Y_rowH = 0;    // distance between the two rows
    Num B2_row = 0;    // y of the lower row afterwards (the chapters' text row)
    Num GX5 = 0;       // x of the equation column

    // Polygons and factors.
    Num t0006 = 0;     // number of vertices in R1A()
    Num TX = 0;        // the number to factor
    Num KASANARI = 0;  // number of distinct prime factors
    Num KAKUDO = 0;    // angle of a point on a half-ellipse, degrees
    // ---- Chapter conventions ------------------------------------------------
    Num B1 = 0;  // left margin of the current text column
    // B2_row, the top y of the current text row, is declared with the brace
    // columns above, which also write it.
    Num YI1 = 0;  // x where the last drawn text ended
    Num A = 0;    // the sub-menu's choice, copied from AINP

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
