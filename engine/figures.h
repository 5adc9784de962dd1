// SPDX-License-Identifier: GPL-3.0-or-later
// What the figure and mark routines take and give back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "basic.h"

namespace lesson {

// A corner: its vertex and a point on each of its two rays. The angle runs
// from the first ray round to the second; exchanged turns it the other way.
struct Corner {
    Point vertex, first, second;
    bool exchanged = false;
};

// A direction from one point to another, counter-clockwise as seen on the
// screen, 0 to the right.
struct Direction {
    Num radians = 0;
    Num degrees = 0;
};

// The two rays of a corner (after any exchange): their directions in
// radians, the same as the fractions of a turn the runtime's arcs take, and
// the direction of the bisector.
struct RayAngles {
    Num first = 0, second = 0;
    Num firstArc = 0, secondArc = 0;
    Num bisector = 0;
};

// A label on a corner's bisector, `distance` from the vertex, shifted by
// (dx, dy); as table text when tableText.
struct AngleLabel {
    Corner corner;
    std::string text;
    Num distance = 0;
    Num dx = 0, dy = 0;
    Colour colour = ink::text;
    bool tableText = false;
    bool onGround = false;  // cleared like a plane's label even off a plane: a line runs through it
};

// Arcs inside a corner: count concentric arcs (outermost radius - 8), or for
// a count of 0 or less one sector of the radius filled with fill; labelled
// at the radius.
struct AngleArcs {
    Corner corner;
    Num count = 0;
    Num radius = 0;
    Colour colour = ink::text;
    Colour fill = ink::text;
    AngleLabel label;  // its corner and distance are the arcs'
};

// A dotted half-ellipse over the segment from-to: height across the segment
// (0 < height < 16 counts sixteen-fold, a negative one by its size), on the
// right of the direction when side > 0, a dot every stepDegrees; its label
// at the top, on the same side (side -1 puts it inside).
struct SegmentArc {
    Point from, to;
    Num height = 0;
    Num side = 0;
    Num stepDegrees = 0;
    Colour dotColour = ink::text;
    std::string label;
    Colour labelColour = ink::text;
    Num labelDx = 0, labelDy = 0;
    bool tableText = false;
    bool labelOnGround = false;
};

// Ticks across the segment from-to where it divides as first : second, count
// of them (1 to 6; others count as 1), size the length of their strokes.
struct DivisionTicks {
    Point from, to;
    Num first = 0, second = 0;
    Num count = 0;
    Num size = 0;
    Colour colour = ink::text;
};

// Strokes across the middle of the segment from-to marking equal lengths:
// count of them (0 to 6; others count as 1), gap apart (0 or over 30: 8),
// moved shift along the segment, size their half length.
struct EqualLengthTicks {
    Point from, to;
    Num count = 0;
    Num gap = 0;
    Num shift = 0;
    Num size = 0;
    Colour colour = ink::text;
};

// An arrow from `from` to `to`, its head headLength long at `to`, or at
// `from` when headAtFrom. twice draws it a second time with its ends
// exchanged: the same single head again, or with headAtFrom a head at each end.
struct Arrow {
    Point from, to;
    Colour colour = ink::text;
    Num headLength = 16;
    bool headAtFrom = false;
    bool twice = false;
};

// The legs of a slope triangle as drawn: the run left to right from start
// to corner, the rise from corner to end; their lengths in grid steps as
// text, and where each was written, if it was.
struct IncreaseArrows {
    Point start, corner, end;
    std::string run, rise;
    std::optional<Point> runAt, riseAt;
};

// A closed polygon through its corners, in pen width and colour; lettered
// from firstLetter on ("A": A, B, C, ...) or, when names are given, named
// corner by corner, letterDistance out along each corner's bisector.
struct Polygon {
    std::vector<Point> corners;
    Num width = 0;
    Colour colour = ink::text;
    std::string firstLetter;
    std::vector<std::string> names;
    Num letterDistance = 0;
    Colour letterColour = ink::text;
};

// Graph paper with its top-left corner at `corner`: columns by rows grid
// steps, its lines in colour (ink::page: no lines), every fifth heavy.
struct GridPaper {
    Point corner;
    Num columns = 0, rows = 0;
    Num step = 0;
    Colour colour = ink::page;
};

// Two lines, each through two points: their slopes (1000 when vertical) and
// intercepts (none for a vertical), and the one point where they cross (none
// for parallel lines).
struct LineCrossing {
    Num slope1 = 0, slope2 = 0;
    std::optional<Num> intercept1, intercept2;
    bool vertical1 = false, vertical2 = false;
    std::optional<Point> at;
};

// The point of a line at a given x or y, with the line's slope and
// intercept where it has them.
struct LineBoundPoint {
    std::optional<Point> at;
    std::optional<Num> slope, intercept;
};

// A number as prime powers (primes up to 23) and what is left over.
struct PrimeFactors {
    struct Power {
        Num prime = 0, exponent = 0;
    };
    std::vector<Power> powers;
    Num rest = 0;
};

}  // namespace lesson
