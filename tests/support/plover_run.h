// Checks of Plover's chapters 4 to 6 on top of the Plover fixture: glyphs and
// dots found in a trace.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "plover_fixture.h"
#include "trace.h"

namespace lesson::testing {

// A glyph of a drawn text within a tenth of a unit of (x, y).
inline bool glyphAt(const Trace& trace, float x, float y, const std::string& glyph) {
    return !trace.glyphs({.text = glyph, .near = Near{x, y, 0.1f, 0.1f}}).empty();
}

// The centres of the dots of radius r in a colour that lie in the box.
inline std::vector<std::pair<float, float>> dotsIn(const Trace& trace, float r, int colour, float x1,
                                                   float x2, float y1, float y2) {
    std::vector<std::pair<float, float>> out;
    for (const Dot& d : trace.dots({.r = r, .colour = colour, .in = Box{x1, x2, y1, y2}}))
        out.emplace_back(d.x, d.y);
    return out;
}

}  // namespace lesson::testing
