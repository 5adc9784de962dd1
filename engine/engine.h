// SPDX-License-Identifier: GPL-3.0-or-later
// The shared lesson engine. Its routines take what they need as arguments and
// return what they made (where a text ended, a plane's frame, the number
// typed). What outlives a call is held in small named fields of the engine,
// each saying who sets and who reads it: the planes on the screen, the status
// line's entry, the glyph mode one text hands on to the next.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "figures.h"
#include "fractions.h"
#include "runtime/runtime.h"
#include "text.h"

namespace lesson {

// What the pupil typed at the status line: the characters as the keys gave
// them, and the number they read as (an empty or a "/0" entry reads as 0).
struct NumberEntry {
    std::string text;
    Num value = 0;
};

// Where the status line's number entry stands: its typed characters begin at
// x, and its prompts stand on the line whose top is y.
struct StatusEntry {
    Num x = 1056;
    Num y = 648;
};

class Engine {
public:
    Engine(rt::Runtime& runtime, std::string title);
    virtual ~Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Start-up, then the program's main menu until the pupil leaves or closes
    // the window; a runtime error ends in the error handler. Returns the
    // process exit status: 0, or 3 after the error handler. Returning from
    // mainMenu ends the program.
    int Run(const std::function<void()>& mainMenu);

    // Seed the random numbers with this instead of the clock sum (replays and tests).
    void OverrideSeed(int seed) { seedOverride_ = seed; }

    // The runtime.
    rt::Runtime& Rt() { return rt_; }

    // The program's title, as its main menu shows it.
    const std::string& Title() const { return title_; }
    // Where the status line's number entry stands.
    const StatusEntry& Entry() const { return entry_; }

    // ---- Start-up and error handler ----------------------------------------
    void StartUp();
    void ErrorHandler(const RuntimeError& e);
    // Seeds the random numbers with hour + minute + second; returns that seed.
    Num ReseedRandom();

    // ---- Maths-text renderer ------------------------------------------------
    // Each draws its text with the pen at text.at and returns where the pen
    // ended. small: the size of a stacked fraction's parts.
    Point DrawGlyphRun(const PenText& run, bool small = false);
    Point DrawMathText(const PenText& text);
    // text is "numerator/denominator".
    Point DrawStackedFraction(const PenText& fraction);
    // The width text takes when drawn; nothing is drawn.
    Num MeasureMathText(std::string_view text);
    // What the last text left for the glyphs after it.
    const GlyphMode& LeftGlyphMode() const { return glyphMode_; }

    // ---- Prompt shorthand ---------------------------------------------------
    // The full-width glyph a half-width prompt character stands for.
    static std::string ToFullWidthChar(std::string_view ch);
    Point DrawTextChars(const PenText& text);
    Point DrawPromptText(const PenText& text);

    // ---- Cells and table text -----------------------------------------------
    // A cell's text centred in its box; each returns the next cell's top-left
    // corner.
    Point DrawMathCell(const TextCell& cell, std::string_view text);
    Point DrawMathCellRaised(const TextCell& cell, std::string_view text);
    Point DrawMathCellTwoLines(const TextCell& cell, std::string_view upper, std::string_view lower);
    Point DrawTableText(const PenText& text);
    Num MeasureTableText(std::string_view text);
    Point DrawTableCell(const TextCell& cell, std::string_view text);
    Point DrawTableCellTwoLines(const TextCell& cell, std::string_view upper, std::string_view lower);

    // ---- Fractions, text clean-up, number and sign utilities ----------------
    // The routines themselves are free functions (fractions.h).

    // ---- Status line ---------------------------------------------------------
    // The prompts that take a number return what was typed; the key waits,
    // the key that ended them.
    NumberEntry AskMenuNumber();
    void ClearMenuPrompt();
    // line stays on the status line while the pupil types.
    Num AskChoice(std::string_view line);
    void ClearPromptBand();
    Num AskNextStep();
    NumberEntry ReadNumber();
    // The typed characters, when Enter ends the entry.
    std::string EditNumberEntry();
    // key is a "." the typed number already holds: the entry refuses it.
    static bool SecondPoint(const std::string& typed, const std::string& key);
    static Num ParseAnswer(const std::string& typed);
    std::string WaitForKey();
    std::string ShowMessageWaitKey(std::string_view message);
    void ClearWorkArea();
    void ClearEntryBand();
    // Each number as a text without blanks.
    static std::vector<std::string> NumbersToText(std::span<const Num> numbers);
    // The command key's number, 1 to 10, or 0 when key is none of them.
    static int DecodeCommandKey(std::string_view key);
    void FlushKeys();

    // ---- Figures and coordinate plane -------------------------------------
    // Segment and angle marks.
    static Direction GetDirectionAngle(Point from, Point to);
    // Returns the top of the half-ellipse, where its label stands.
    Point DrawArcOverSegment(const SegmentArc& arc);
    void DrawDivisionTicks(const DivisionTicks& ticks);
    void DrawEqualLengthTicks(const EqualLengthTicks& ticks);
    static RayAngles GetRayAngles(const Corner& corner);
    // Its sides size long.
    void DrawRightAngleMark(const Corner& corner, Num size, Colour colour);
    // Returns where the label was drawn.
    Point DrawAngleLabel(const AngleLabel& label);
    void DrawAngleArcs(const AngleArcs& arcs);
    // The corner's angle in degrees, to a tenth.
    static std::string FormatAngleDegrees(const Corner& corner);
    // Coordinate plane.
    // Draws the plane: grid, scale numbers every fifth step, axes and their
    // letters; it becomes the last plane on the screen. Returns where it lies.
    PlaneFrame DrawAxes(const Plane& plane);
    // Where the plane would lie, without drawing it; sets the font size of
    // its scale numbers.
    PlaneFrame PlaceAxes(const Plane& plane);
    // Scale numbers in values, every fifth grid step of the frame's ranges,
    // at these values per step.
    void LabelAxisScales(const PlaneFrame& plane, Num xPerStep, Num yPerStep);
    // A dot at the value point (x, y) with its label; returns where it was drawn.
    Point PlotPoint(const PlaneFrame& plane, Num x, Num y, const Dot& dot);
    // The graph over the span with its label at the end last drawn inside the plane;
    // returns that end (before the label's shift), none when nothing was
    // drawn inside the plane.
    std::optional<Point> DrawGraph(const PlaneFrame& plane, const Graph& graph, const GraphSpan& span);
    // The dots of y = f(x) inside the plane's height; returns the last one.
    std::optional<Point> TraceCurve(const PlaneFrame& plane, const Graph& graph, const GraphSpan& span);
    // The line x = c (c in grid steps) over the plane's height; returns where
    // its label goes.
    Point DrawVerticalLine(const PlaneFrame& plane, Num c, Colour colour);
    // Figures.
    // Returns where the paper lies, its origin at the bottom-left corner.
    PlaneFrame DrawGrid(const GridPaper& paper);
    void DrawPolygon(const Polygon& polygon);
    void LabelVerticesByLetter(const std::vector<Point>& corners, const std::string& firstLetter,
                               Num distance, Colour colour);
    void LabelVerticesByName(const std::vector<Point>& corners, const std::vector<std::string>& names,
                             Num distance, Colour colour);
    static LineCrossing IntersectLines(Point a1, Point a2, Point b1, Point b2);
    // The foot of the perpendicular from `from` to the line through a1 and
    // a2, marked with a dot; returns it.
    Point MarkPerpendicularFoot(Point a1, Point a2, Point from);
    // A brace height high with its top-left corner at `at`.
    void DrawBrace(Point at, Num height, Colour colour);
    // Two equations in columns, the lower one under the upper, the operator
    // (followed by ")") before the lower one and a rule under both.
    struct EliminationColumns {
        Point at;           // the left edge, and the top of the upper row
        std::string upper;  // spelled with blanks so that its terms stand over the lower's
        std::string lower;
        std::string op;  // "-" or "+"
        Num rowHeight = 50;
        Colour ruleColour = ink::text;
        Colour textColour = ink::text;
        // Extra room between the rows: the lower row, the operator and the
        // rule stand this much lower.
        Num signRoom = 0;
    };
    struct ColumnsLayout {
        Num lowerRow = 0;  // the lower row's top
        Num column = 0;    // where both equations start
    };
    ColumnsLayout DrawEliminationColumns(const EliminationColumns& columns);
    void DrawArrow(const Arrow& arrow);
    // A slope triangle from `from` to `to` (either way round) on a plane of
    // step units a grid step: the run in ink::heading and the rise in
    // ink::emphasis as arrows at pen 4, their lengths written when asked.
    IncreaseArrows DrawIncreaseArrows(Point from, Point to, Num step, bool runLabel, bool riseLabel);
    // The run's and the rise's lengths beside a triangle from start (left)
    // to end; each returns where it was drawn.
    Point LabelRun(Point start, Point end, const std::string& text);
    Point LabelRise(Point start, Point end, const std::string& text);
    // The point of the line through a1 and a2 at x (when y < 0) or at y
    // (when x < 0; both negative: at x).
    static LineBoundPoint FindLineBoundPoint(Point a1, Point a2, Num x, Num y);
    static PrimeFactors FactorWithPrimes(Num n);
    // The point of the half-ellipse height high over the segment from-to, at
    // degrees along it, turned onto the segment.
    static Point TurnArrowHead(Point from, Point to, Num degrees, Num height);

    // True when (x, y) lies inside the box of a plane on the screen: a text
    // placed there gets a halo, so that the plane's lines leave it readable.
    // Labels of points and graphs get one wherever they stand.
    bool InsidePlane(Num x, Num y) const;
    // How far the scale numbers stand from the axes, in units.
    static constexpr Num kScaleGap = 4;
    void ScaleNumber(const std::string& text, Num x, Num y);
    static Num YScaleLeft(const PlaneFrame& f, Num top, int chars);
    // An erase that covers a plane's whole box takes the plane off the screen.
    void ErasedBox(Num x1, Num y1, Num x2, Num y2);

private:
    // The planes on the screen.
    struct PlanesOnScreen {
        struct Box {
            Num left, top, right, bottom;
        };
        // Each drawn plane's box: DrawAxes adds it, ErasedBox takes it away
        // when its screen is cleared; InsidePlane reads them.
        std::vector<Box> boxes;
        // The screen was cleared: no plane stands on it any more.
        void clear() { boxes.clear(); }
    };
    PlanesOnScreen planes_;

    // How far draw moves the pen from (0, 1800), drawing out of sight.
    Num MeasureHidden(const std::function<Point(Point)>& draw);
    Point DrawMathText(const PenText& text, bool small);
    Num MeasureMathText(std::string_view text, bool small);
    // Set and read by the maths and prompt text routines (see GlyphMode).
    GlyphMode glyphMode_;

    // The next key, "" when none waits: every key the status line reads
    // comes through here, full-width digits as their half-width forms.
    std::string TakeKey();
    // Waits for a key press, any key, and returns it.
    std::string WaitAnyKey();

    // Given by the program; read by its main menu.
    std::string title_;
    // Set by StartUp; read by every prompt that takes a number and by the
    // main menu's prompt.
    StatusEntry entry_;
    rt::Runtime& rt_;
    std::optional<int> seedOverride_;
};

}  // namespace lesson
