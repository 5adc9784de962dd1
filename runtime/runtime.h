// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing, keyboard, clock and random-number services every program is
// written against. Positions are logical units (x right, y down, origin at the
// top-left corner); colours are the palette's entries.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/messages.h"
#include "runtime/palette.h"

namespace rt {

struct Point {
    float x = 0;
    float y = 0;
};

// A text's face, size, weight and slant: the font every later symbol() call
// draws in.
struct TextStyle {
    std::string face = "ゴシック";
    int size = 16;
    bool bold = false;
    bool italic = false;
    bool operator==(const TextStyle&) const = default;
};

// Thrown out of any runtime call once the pupil has closed the window (or a
// headless key script has run out): the program ends at once from any wait
// or drawing loop.
struct WindowClosed {};

// The program cannot go on at all (a face it draws in is missing, no memory
// for its picture): it ends with this message instead of showing a lesson,
// never through the lesson's own error screen.
// what() is the English; local the same in the user's language.
struct FatalError : std::runtime_error {
    explicit FatalError(const Message& why) : std::runtime_error(why.english), local(why.local) {}
    explicit FatalError(const std::string& english) : std::runtime_error(english), local(english) {}
    Message message() const { return {what(), local}; }
    std::string local;
};

// Where a label goes: where it is asked to; to the nearest place where it
// meets nothing already there; where asked, stepping aside for a point; or
// where asked, stepping a little aside, still by what it names, for a line
// of meaning drawn through it later (the origin's "0" under a slope arrow).
enum class Placing { fixed, movable, yielding, reference };

// What a line means to the pupil. A grid line or a graph's line may give way
// to a label's ground; any other line (an axis, an arrow, a bar, an arc, an
// outline, a table's rule) says something and is never cleared: a label
// moves off it instead.
enum class LineRole { meaning, givesWay };

class Runtime {
public:
    virtual ~Runtime() = default;

    // Font state applies to every later symbol() call.
    virtual void setFontName(std::string_view face) = 0;
    virtual void setFontSize(int size) = 0;
    virtual void setFontBold(bool on) = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual TextStyle textStyle() const = 0;
    void setTextStyle(const TextStyle& style) {
        setFontName(style.face);
        setFontSize(style.size);
        setFontBold(style.bold);
        setFontItalic(style.italic);
    }

    // Pen width in units for lines, polylines and circles.
    virtual void setDrawWidth(int width) = 0;
    virtual int drawWidth() const = 0;

    // Each shape in the pen width in force; box corners are absolute.
    virtual void segment(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void box(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // Filled with fill over whatever lay inside, then outlined in outline.
    virtual void filledBox(float x1, float y1, float x2, float y2, Colour outline, Colour fill) = 0;
    void filledBox(float x1, float y1, float x2, float y2, Colour colour) {
        filledBox(x1, y1, x2, y2, colour, colour);
    }

    // start and end are fractions of a turn: f is the direction 2*pi*(1-f)
    // counted counter-clockwise on the screen from the right, and the arc runs
    // from start to end through growing fractions (clockwise on the screen).
    // 0 and 0 is the whole circle.
    virtual void circle(float x, float y, float r, Colour colour, float start = 0, float end = 0) = 0;
    // The whole circle filled in its colour: a point, a pen dot.
    virtual void disc(float x, float y, float r, Colour colour) = 0;
    // The arc's sector filled with fill, outlined in outline.
    virtual void sector(float x, float y, float r, Colour outline, Colour fill, float start, float end) = 0;

    // text at its cell's top-left corner (x, y), magnified h across and v down.
    virtual void symbol(std::string_view text, float x, float y, int h, int v, Colour colour) = 0;

    virtual void connect(Colour colour, std::span<const Point> points) = 0;
    // The closed polygon through points, filled with fill over whatever lay
    // inside, then outlined in outline.
    virtual void connectFilled(Colour outline, Colour fill, std::span<const Point> points) = 0;

    virtual void cls() = 0;

    // The waiting key as a one-character text, or "" when none waits.
    virtual std::string inkey() = 0;

    // "HH:MM:SS"
    virtual std::string time() = 0;
    // Seconds since an arbitrary start, for blinking; monotonic.
    virtual double seconds() = 0;

    virtual void randomize(int seed) = 0;
    // Uniform in [0, 1).
    virtual float rnd() = 0;

    // The program starts / stops waiting for the pupil (a key or a typed
    // number). A window uses this to sleep, waking now and then only when the
    // wait animates (a blinking cursor); the headless runtime hands out
    // scripted keys only inside a wait and snapshots the screen as it begins.
    virtual void beginWait(bool /*animated*/) {}
    virtual void endWait() {}

    // While hidden, drawing operations draw and record nothing; font and pen
    // state still change. Text measuring draws this way.
    void setHidden(bool hidden) { hidden_ = hidden; }
    bool hidden() const { return hidden_; }

    // The role of the lines, polylines and pen dots drawn from now on (pen
    // state, as the width is); meaning unless a LineRoleScope says otherwise.
    void setLineRole(LineRole role) { lineRole_ = role; }
    LineRole lineRole() const { return lineRole_; }

    // The drawing operations between these are one label: it stands on a
    // ground cleared of lines (those drawn before it and after it), so that
    // it stays readable across grid lines and graphs. A movable label that
    // would meet a text, a point or another label already there is drawn at
    // the nearest place where it meets none; a yielding one (a scale number)
    // steps aside so when a point is drawn over it later. Pairs may nest; the
    // outermost decides how the label is placed.
    virtual void beginHalo(Placing /*placing*/ = Placing::fixed) {}
    virtual void endHalo() {}
    // A place movable labels keep clear of until it is cleared, as of a
    // point drawn later; it draws nothing.
    virtual void keepClear(float /*x0*/, float /*y0*/, float /*x1*/, float /*y1*/) {}

    // The program ended by its own exit.
    virtual void programEnded() {}
    // The error handler was entered, with the failing place and error code.
    virtual void errorEntered(int /*place*/, int /*code*/) {}
    // The main menu offers chapter (its item number) with topics topics, once
    // as the menu first shows; a topic of it begins (its sub-menu's item).
    // What the soak counts the topics its runs reach by.
    virtual void chapterOffered(int /*chapter*/, int /*topics*/) {}
    virtual void topicEntered(int /*chapter*/, int /*topic*/) {}

private:
    bool hidden_ = false;
    LineRole lineRole_ = LineRole::meaning;
};

// The style the lessons write in unless they say otherwise, and the one the
// start-up puts in force.
inline TextStyle gothic(int size = 16, bool bold = false) { return {.size = size, .bold = bold}; }

// Brackets lines drawn in one role (a plane's grid, a graph), restoring the
// role before it.
class LineRoleScope {
public:
    LineRoleScope(Runtime& r, LineRole role) : r_(r), was_(r.lineRole()) { r_.setLineRole(role); }
    ~LineRoleScope() { r_.setLineRole(was_); }
    LineRoleScope(const LineRoleScope&) = delete;
    LineRoleScope& operator=(const LineRoleScope&) = delete;

private:
    Runtime& r_;
    LineRole was_;
};

// The text style, pen width and line role as the scope found them, put back
// when it ends, so that whatever a routine sets for its own drawing is not
// left for the next one.
class StyleScope {
public:
    explicit StyleScope(Runtime& r)
        : r_(r), style_(r.textStyle()), width_(r.drawWidth()), role_(r.lineRole()) {}
    // The same, drawing in this pen width until it ends.
    StyleScope(Runtime& r, int width) : StyleScope(r) { r.setDrawWidth(width); }
    ~StyleScope() {
        r_.setTextStyle(style_);
        r_.setDrawWidth(width_);
        r_.setLineRole(role_);
    }
    StyleScope(const StyleScope&) = delete;
    StyleScope& operator=(const StyleScope&) = delete;

private:
    Runtime& r_;
    TextStyle style_;
    int width_;
    LineRole role_;
};

// Brackets one wait for the pupil.
class WaitScope {
public:
    explicit WaitScope(Runtime& r, bool animated = false) : r_(r) { r_.beginWait(animated); }
    ~WaitScope() { r_.endWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    Runtime& r_;
};

// Brackets operations drawn with a halo.
class HaloScope {
public:
    explicit HaloScope(Runtime& r, Placing placing = Placing::fixed) : r_(r) { r_.beginHalo(placing); }
    ~HaloScope() { r_.endHalo(); }
    HaloScope(const HaloScope&) = delete;
    HaloScope& operator=(const HaloScope&) = delete;

private:
    Runtime& r_;
};

}  // namespace rt
