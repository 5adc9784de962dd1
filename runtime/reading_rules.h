// SPDX-License-Identifier: GPL-3.0-or-later
// How a pupil reads a screen, in logical units: what keeps a number or a sign
// from being misread. The canvas places labels by these, and the legibility
// check measures every screen against them.
#pragma once

namespace rt::reading {

// Numbers read apart: a text that is or holds a number keeps this much page
// across from another text on its line (one whose height overlaps it by more
// than a third) ...
constexpr float kApart = 10;
constexpr float kSameLineOverlap = 1.0f / 3;
// ... and this much from one stacked over or under it.
constexpr float kStacked = 4;
// A minus stands alone: no ink of anything else this near it, to its left,
// above and below ...
constexpr float kMinusClear = 4;
// ... and no line within this much of its height for kMinusInLine to its left.
constexpr float kMinusLineHeight = 2;
constexpr float kMinusInLine = 8;
// References stay put: a reference a line of meaning is drawn through later
// (the origin's "0" under a slope arrow) steps aside no farther than this,
// so it still stands by what it names.
constexpr float kReferenceReach = 40;
// The status line's band: no lesson text reaches into it, nor comes nearer
// than kStacked above it.
constexpr float kStatusTop = 644, kStatusBottom = 700;

}  // namespace rt::reading
