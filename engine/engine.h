// SPDX-License-Identifier: GPL-3.0-or-later
// The shared lesson engine. Routines take no arguments and return nothing:
// a caller sets the shared variables of EngineState, calls the routine and
// reads the variables it leaves behind.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/runtime.h"
#include "state.h"
#include "text.h"

namespace lesson {

class Engine : public EngineState {
public:
    Engine(rt::Runtime& runtime, std::string title);
    virtual ~Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Start-up, then the program's main menu until the pupil leaves or closes
    // the window; a runtime error ends in the error handler. Returns the
    // process exit status: 0, or 3 after the error handler.
    int Run();

    // Seed the random numbers with this instead of the clock sum (replays and tests).
    void OverrideSeed(int seed) { seedOverride_ = seed; }

    // The runtime (not R(): R is one of the shared arrays).
    rt::Runtime& Rt() { return rt_; }

    // ---- Start-up and error handler ----------------------------------------
    void StartUp();
    void ErrorHandler(const RuntimeError& e);
    void ReseedRandom();

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
    // Bridge for callers still in registers; goes in the final sweep.
    void DrawMathText();
    // Bridge for callers still in registers; goes in the final sweep.
    void MeasureMathText();

    // ---- Prompt shorthand ---------------------------------------------------
    // The full-width glyph a half-width prompt character stands for.
    static std::string ToFullWidthChar(std::string_view ch);
    Point DrawTextChars(const PenText& text);
    Point DrawPromptText(const PenText& text);
    // Bridge for callers still in registers; goes in the final sweep.
    void DrawTextChars();
    // Bridge for callers still in registers; goes in the final sweep.
    void DrawPromptText();

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
    // Bridge for callers still in registers; goes in the final sweep.
    void DrawTableText();

    // ---- Fractions, text clean-up, number and sign utilities ----------------
    void FormatFraction();
    void FormatFractionSum();
    void GcdLcm();
    void RemoveSpaces();
    void StripMarkup();
    void SimplifySquareRoot();
    void FlipLeadingSign();
    void StripLeadingPlus();
    void StripLeadingMinus();
    void BracketNegative();
    void ListDivisors();

    // ---- Status line ---------------------------------------------------------
    void AskMenuNumber();
    void ClearMenuPrompt();
    void AskChoice();
    void ClearPromptBand();
    void AskNextStep();
    void ReadNumber();
    void EditNumberEntry();
    // key is a "." the typed number already holds: the entry refuses it.
    bool SecondPoint(const std::string& key) const;
    void ParseAnswer();
    void WaitForKey();
    void ShowMessageWaitKey();
    void ClearWorkArea();
    void ClearEntryBand();
    void NumbersToText();
    void DecodeCommandKey();
    void FlushKeys();

    // ---- Figures and coordinate plane -------------------------------------
    // Segment and angle marks.
    void GetDirectionAngle();
    void DrawArcOverSegment();
    void DrawDivisionTicks();
    void DrawEqualLengthTicks();
    void GetRayAngles();
    void DrawRightAngleMark();
    void DrawAngleLabel();
    void DrawAngleArcs();
    void FormatAngleDegrees();
    // Coordinate plane.
    void DrawAxes();
    // Where a plane drawn at (A41, I_top) with step NAKA, ranges already in
    // steps, has its axes, edges and scale size; sets that font size.
    void PlaceAxes();
    void LabelAxisScales();
    void PlotPoint();
    void DrawGraph();
    void TraceCurve();
    void DrawVerticalLine();
    // Figures.
    void DrawGrid();
    void DrawPolygon();
    void LabelVerticesByLetter();
    void LabelVerticesByName();
    void IntersectLines();
    void MarkPerpendicularFoot();
    void DrawBrace();
    void DrawEliminationColumns();
    void DrawArrow();
    void DrawIncreaseArrows();
    void LabelRun();
    void LabelRise();
    void FindLineBoundPoint();
    void FactorWithPrimes();
    void TurnArrowHead();

protected:
    // The running program's main menu; returning from it ends the program.
    virtual void ProgramMainMenu() = 0;

    // True when (x, y) lies inside the box of a plane on the screen: a text
    // placed there gets a halo, so that the plane's lines leave it readable.
    // Labels of points and graphs get one wherever they stand.
    bool InsidePlane(Num x, Num y) const;
    // How far the scale numbers stand from the axes, in units.
    static constexpr Num kScaleGap = 4;
    void ScaleNumber(const std::string& text, Num x, Num y);
    // An erase that covers a plane's whole box takes the plane off the screen.
    void ErasedBox(Num x1, Num y1, Num x2, Num y2);

private:
    struct Box {
        Num left, top, right, bottom;
    };
    // The planes drawn since their screen was last cleared.
    std::vector<Box> planes_;

    // How far draw moves the pen from (0, 1800), drawing out of sight.
    Num MeasureHidden(const std::function<Point(Point)>& draw);
    Point DrawMathText(const PenText& text, bool small);
    Num MeasureMathText(std::string_view text, bool small);
    // Set and read by the maths and prompt text routines (see GlyphMode).
    GlyphMode glyphMode_;

    // The next key into MIGI$, "" when none waits: every key the status line
    // reads comes through here, full-width digits as their half-width forms.
    void TakeKey();
    // Waits for a key press, any key, and leaves it in MIGI$.
    void WaitAnyKey();

    rt::Runtime& rt_;
    std::optional<int> seedOverride_;
};

}  // namespace lesson
