// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes every chapter of the four programs is written in: the main menu,
// a chapter's goal screen and sub-menu, topic screens laid out with one text
// cursor, step reveals, and loops of random exercises.
//
// A program derives from Lesson. A chapter is a member function whose
// sub-menu is a loop; a topic is a member function that returns to that loop;
// returning from ProgramMainMenu ends the program.
#pragma once

#include <any>
#include <array>
#include <cstddef>
#include <deque>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "lesson/values.h"

namespace lesson {

// A program's main menu: its item texts, in order from item 1, and where its
// exit item (the last one) stands.
struct MainMenuLayout {
    std::span<const std::string_view> items;  // items 1 .. exit; the last is the exit
    Num exitX = 44;
    Num exitY = 0;
    Colour exitColour = ink::accent;
    // Plover, Tern and Grebe show the prompt with DrawPromptText before
    // AskMenuNumber draws it again; Kestrel's menu does not.
    bool promptFirst = false;
};

// What a main-menu pick leads to.
struct MenuPick {
    enum Kind { Redraw, Item, Exit } kind = Redraw;
    int item = 0;  // 1 .. exit-1 when kind is Item
};

// A screen text as a topic or menu handed it on: drawn at (x, y) in a colour,
// or, with x and y at -1 and no colour, given to an engine routine to draw.
struct ScreenTextRecord {
    std::string text;
    Num x = -1;
    Num y = -1;
    std::optional<Colour> colour;
};

// A dotted half-ellipse over the segment from-to, on the side given by side
// (> 0: right of the direction), with its label shifted by (labelDx, labelDy).
struct Arc {
    Point from, to;
    Num height = 20;
    Num side = 1;
    Num stepDegrees = 4;
    Colour dotColour = ink::emphasis;
    Colour labelColour = ink::text;
    std::string_view label = {};
    Num labelDx = 0, labelDy = 0;
    bool labelOnGround = false;  // off a plane too, where a figure's line runs through the label
};

// Problems a test hands in: a random topic takes the next one of its kind in
// place of its draws (see Lesson::Problem).
class ChosenProblems {
public:
    template <class P>
    void Add(P problem) {
        queues_[typeid(P)].emplace_back(std::move(problem));
    }
    template <class P>
    std::optional<P> Take() {
        auto it = queues_.find(typeid(P));
        if (it == queues_.end() || it->second.empty()) return std::nullopt;
        P problem = std::any_cast<P>(std::move(it->second.front()));
        it->second.pop_front();
        return problem;
    }

private:
    std::map<std::type_index, std::deque<std::any>> queues_;
};

// Where the chapters' text goes next. Chapters place it; Put, NewRow and the
// other text-cursor methods below move it.
struct TextCursor {
    // Left edge of the current text column: set by a chapter (or a goal
    // screen, a topic screen) at the start of a layout; read by NewRow.
    Num margin = 0;
    // Top y of the current text row: set by a chapter or by Put and NewRow;
    // read by every text-cursor method and by chapters placing figures.
    Num row = 0;
    // x where the last drawn text ended: set by Put and the methods built on
    // it; read by the next text on the same row and by chapters.
    Num end = 0;
};

// A program's lessons, drawn through the engine it owns. Chapters reach the
// engine only through the methods below.
class Lesson {
public:
    Lesson(rt::Runtime& runtime, std::string title) : engine_(runtime, std::move(title)) {}
    virtual ~Lesson() = default;
    Lesson(const Lesson&) = delete;
    Lesson& operator=(const Lesson&) = delete;

    // The engine's start-up, then the program's main menu; returns the
    // process exit status.
    int Run() {
        return engine_.Run([this] { ProgramMainMenu(); });
    }
    // Seed the random numbers with this instead of the clock sum.
    void OverrideSeed(int seed) { engine_.OverrideSeed(seed); }
    // The runtime, for tests that leave a pen or font behind on purpose.
    // Chapters draw through the verbs below.
    rt::Runtime& Rt() { return engine_.Rt(); }
    // What the soak counts topics by: a chapter the main menu offers, a topic begun.
    void ChapterOffered(int chapter, int topics) { engine_.Rt().chapterOffered(chapter, topics); }
    void TopicEntered(int chapter, int topic) { engine_.Rt().topicEntered(chapter, topic); }
    const std::string& Title() const { return engine_.Title(); }
    // Where the status line's number entry stands.
    const StatusEntry& Entry() const { return engine_.Entry(); }

    TextCursor cursor;

    // Problems handed in by a test, taken before any random draw.
    ChosenProblems chosen;

    // A problem of kind P: a handed-in one, else draw() (which makes the
    // random draws in the lesson's order).
    template <class P, class Draw>
    P Problem(Draw&& draw) {
        if (auto p = chosen.Take<P>()) return *p;
        return draw();
    }

    // When set, every screen text is recorded here, so that tests can check
    // the mark-up and the places of a whole program's texts.
    std::vector<ScreenTextRecord>* screenTextLog = nullptr;

    // ---- Main menu ------------------------------------------------------------
    // Draws the menu, reads the pupil's number and says where it leads. Exit
    // and range tests look at the typed value; the item is the number the
    // typed text begins with, made whole. An entry whose leading number names
    // no item, or that has no defined value, redraws the menu.
    MenuPick MainMenuChoice(const MainMenuLayout& menu);

    // ---- Chapter ----------------------------------------------------------------
    // "<めあて>" and the goal lines. With its own clear the lines stand at x 44,
    // on the screen the main menu cleared at x 76.
    void ChapterGoalScreen(bool ownClear, std::span<const std::string_view> goalLines);
    void ChapterGoalScreen(bool ownClear, std::initializer_list<std::string_view> goalLines) {
        ChapterGoalScreen(ownClear, std::span<const std::string_view>(goalLines.begin(), goalLines.size()));
    }

    // One pass of a sub-menu: draws the choice line, reads a number and erases
    // the band until the value lies within 1..items; returns the chosen item.
    int ChapterSubMenu(std::string_view itemLine, int items);
    // The value last typed at a sub-menu, before it was made whole: set by
    // ChapterSubMenu; read by tests of how a typed fraction picks an item.
    Num subMenuTyped = 0;

    // ---- Topic screen -------------------------------------------------------------
    // Clears the box (0,0)-(width,height) in ink::page.
    void ClearBox(Num width, Num height);
    void ClearBox(WorkArea area) { ClearBox(area.width, area.height); }
    // Paints the box (x1,y1)-(x2,y2) in ink::page.
    void EraseBox(Num x1, Num y1, Num x2, Num y2);
    // The clear of a topic and its layout origin (margin, row 30).
    void TopicScreen(WorkArea area, Num margin) { TopicScreen(area.width, area.height, margin); }
    void TopicScreen(Num clearWidth, Num clearHeight, Num margin);
    void PenWidth(int width);

    // ---- Text cursor ----------------------------------------------------------------
    // Draws maths text at (x, y) in a colour and moves the cursor behind it.
    void Put(Num x, Num y, Colour colour, std::string_view text);
    // A new row: margin + indent, the row step below the current row.
    void NewRow(Num step, Colour colour, std::string_view text, Num indent = 0);
    // The same row, right after the last text (plus a gap).
    void Next(Colour colour, std::string_view text, Num gap = 0);
    // A label beside a figure: drawn at (x, y), the cursor stays. Inside a
    // plane it moves a little where it would meet a text, a point or another
    // label, unless it must stay.
    void Label(Num x, Num y, Colour colour, std::string_view text, bool movable = true);
    // Bold table lettering at (x, y); the cursor stays.
    void TableText(Num x, Num y, Colour colour, std::string_view text);

    // A table cell at (x, y); the cursor moves to the next cell's left edge.
    struct CellStyle {
        Num width = 44;
        Num height = 50;
        Colour border = ink::text;
        Colour fill = ink::page;
        Colour colour = ink::text;
    };
    void Cell(Num x, Num y, const CellStyle& style, std::string_view text);
    // A textbook page's heading cell, and a problem number's cell.
    static const CellStyle kPageCell;
    static const CellStyle kProblemCell;
    // A textbook page's heading cell at (x, y) and, numberWidth wide, the
    // problem-number cell 44 right of it on the same row.
    void PageHeading(Num x, Num y, std::string_view page, Num numberWidth, std::string_view number);

    // A text handed to an engine routine (a graph or arc label, a choice line).
    std::string ScreenText(std::string_view text);

    // ---- Figures ------------------------------------------------------------------
    // A slope triangle: the run across from `from`, then the rise to `to`.
    struct SlopeSteps {
        Point from, to;
        bool runLabel = false;   // the run's length written by it
        bool riseLabel = false;  // the rise's length written by it
        // Given: both legs as double-headed arrows in this colour, without
        // labels; otherwise the run in ink::heading and the rise in
        // ink::emphasis.
        std::optional<Colour> legsColour;
    };
    // Its corners as drawn, the run always left to right.
    struct SlopeCorners {
        Point start, corner, end;
    };
    // A plane (or a frame of graph paper) on the screen, as drawing or placing
    // it returned it: where it lies and the lesson that draws on it. Its
    // verbs draw on this plane, whatever was drawn since.
    class PlaneView {
    public:
        // Where the plane lies: set when it is drawn or placed; a chapter may
        // read it, or change it for a plane of its own reckoning.
        PlaneFrame frame;

        // The screen place of (x, y), counted in grid steps from the origin
        // (the value point on a plane of one value a step).
        Point At(Num x, Num y) const { return frame.ToScreen(x, y); }
        // A dot at the value point (x, y); returns where it was drawn.
        Point PointAt(Num x, Num y, const Dot& dot) const;
        // A graph over the plane's x range as counted in grid steps and at
        // its values per step.
        void GraphOf(const Graph& graph) const;
        // The same over a span of its own.
        void GraphOf(const Graph& graph, const GraphSpan& span) const;
        // Scale numbers in values along both axes, every fifth step, at these
        // values per step.
        void ScaleNumbers(Num xPerStep, Num yPerStep) const;
        // A slope triangle over the plane's grid: the legs' lengths are
        // counted in its grid steps.
        SlopeCorners SlopeTriangle(const SlopeSteps& steps) const;

    private:
        friend class Lesson;
        PlaneView(Lesson& lesson, const PlaneFrame& f) : frame(f), lesson_(&lesson) {}
        Lesson* lesson_;
    };
    // A coordinate plane, its values per grid step set here (not left to
    // whatever the last figure left).
    PlaneView PlaneAt(const Plane& plane);
    // Where that plane would lie, for the points and graphs of a plane a
    // chapter draws itself, without drawing anything.
    PlaneView PlaceOfPlane(const Plane& plane);
    // Where a point of that radius will stand, for the labels drawn before
    // it to keep clear of.
    void KeepClear(Point at, Num radius);
    // The box from one corner to the other, as of a text drawn later.
    void KeepClear(Point from, Point to);
    void ArcOver(const Arc& arc);
    // A frame of graph paper, its lines in colour (ink::page: none, only its place),
    // origin at its bottom-left corner, a grid step a value; returns where it
    // lies (no scale numbers, no range of its own).
    PlaneView GridFrame(Num left, Num top, Num columns, Num rows, Num step, Colour colour = ink::page);

    // ---- Shapes -------------------------------------------------------------------------
    // Each in the pen width in force.
    void Segment(Point from, Point to, Colour colour);
    // The box between two corners, filled and outlined.
    void FilledBox(Point from, Point to, Colour outline, Colour fill);
    // A filled dot.
    void Disc(Point at, Num radius, Colour colour);
    // The closed polygon through the corners, filled over whatever lay inside.
    void FilledPolygon(std::span<const Point> corners, Colour outline, Colour fill);
    // Plain text (no maths mark-up) at its top-left corner, magnified across
    // and down, in a style of its own; the style in force stays.
    void ScaledText(Point at, std::string_view text, Num across, Num down, Colour colour,
                    const TextStyle& style);
    // Lines drawn while the scope lives are grid lines or a graph's: they give
    // way to a label's ground.
    [[nodiscard]] rt::LineRoleScope GivingWay() {
        return rt::LineRoleScope(engine_.Rt(), rt::LineRole::givesWay);
    }

    // ---- Shared figures ----------------------------------------------------------------
    // A rectangular frame with its top-left corner at `at`.
    void Frame(Point at, Num width, Num height, Colour colour);
    // A filled dot of radius 8, drawn straight on the screen.
    void BigDot(Point at, Colour colour);
    // Where the line through a1 and a2 crosses the line through b1 and b2;
    // none for parallel lines.
    std::optional<Point> Crossing(Point a1, Point a2, Point b1, Point b2);
    // The closed polygon through the corners at pen 5 in ink::text, lettered
    // A, B, C, ... letterDistance out along each corner's bisector.
    void LetteredPolygon(std::initializer_list<Point> corners, Num letterDistance = 0);
    // The right-angle mark in a corner at vertex between the rays to first
    // and second, its sides size long.
    void RightAngleMark(Point vertex, Point first, Point second, Num size, Colour colour);
    // A topic screen that opens with a framed explanation: the area cleared,
    // pen width 10, a frame from (38,16) in ink::onBox and its heading inside at
    // (76,30), the margin at 76.
    void FramedScreen(WorkArea area, Num width, Num height, std::string_view heading);

    // A slope triangle (see PlaneView::SlopeTriangle) leg by leg, when the legs and their lengths come a
    // key step apart: single-headed arrows and labels in legsColour (or the
    // whole triangle's colours), the labels where the whole triangle writes
    // them (the run's dy below it).
    void RunLeg(const SlopeSteps& steps);
    void RiseLeg(const SlopeSteps& steps);
    void RunLabel(const SlopeSteps& steps, std::string_view text, Num dy = 0);
    void RiseLabel(const SlopeSteps& steps, std::string_view text);

    // An arrow from (x1, y1) to (x2, y2) with its head at the second end;
    // twice = 2 draws it again with its ends exchanged (still one head).
    void ArrowTo(Num x1, Num y1, Num x2, Num y2, Colour colour, Num headLength = 16, Num twice = 0);
    // Two equations under a brace at (x, y): both 40 right of it, one row
    // (50) apart; the cursor ends after the second.
    void BracedSystem(Num x, Num y, std::string_view first, std::string_view second,
                      Colour colour = ink::text);
    // Two equations in columns at (x, y), the lower one added or subtracted
    // by op, with its rule. The cursor row ends on the lower row. When sign
    // marks are to come between the rows (ColumnSigns), the lower row and
    // all under it stand lower, so that the marks have clear space around them.
    struct Columns {
        Num left = 0;      // where the rows start
        Num upperRow = 0;  // the upper row's top
        Num lowerRow = 0;  // the lower row's top
        Num column = 0;    // where the equations' column starts: results go under it
    };
    Columns ColumnsAt(Num x, Num y, std::string_view upper, std::string_view lower, std::string_view op,
                      bool signsToCome = false);
    // The signs the lower row's terms take when it is subtracted, between the rows.
    void ColumnSigns(const Columns& columns, std::string_view signs);

    // ---- Prompts and cells straight from the engine ------------------------------
    // The choice line in the prompt band; returns the typed value.
    Num AskChoice(std::string_view line) { return engine_.AskChoice(line); }
    void ClearPromptBand() { engine_.ClearPromptBand(); }
    // Clears the work area above the status line.
    void ClearWorkArea() { engine_.ClearWorkArea(); }
    // The message in the prompt band; returns the key that answered it.
    std::string ShowMessageWaitKey(std::string_view message) { return engine_.ShowMessageWaitKey(message); }
    Point DrawMathCellTwoLines(const TextCell& cell, std::string_view upper, std::string_view lower) {
        return engine_.DrawMathCellTwoLines(cell, upper, lower);
    }

    // ---- Steps ------------------------------------------------------------------
    // Waits for any key; what follows is drawn on the same screen.
    void StepReveal();

    // ---- Random exercises -------------------------------------------------------------
    // Runs makeProblem (draw, test, texts, clear, problem and solution) and
    // AskNextStep until the pupil types a value of 1.
    template <class F>
    void RandomExerciseLoop(F&& makeProblem) {
        Num typed = 3;
        while (typed != 1) {
            makeProblem();
            typed = DefinedOrZero(engine_.AskNextStep());
        }
    }
    // A screen of random problems: the area cleared once with its margin,
    // pen width 5, and the layout origin (margin, row 30) kept as the place
    // each problem starts; then makeProblem until the pupil types 1.
    template <class F>
    void RandomProblemScreen(WorkArea area, Num margin, F&& makeProblem) {
        TopicScreen(area, margin);
        PenWidth(5);
        problemOrigin_ = {cursor.margin, cursor.row};
        RandomExerciseLoop(makeProblem);
    }
    // How a problem wipes the last one: from the origin's row down, or the
    // whole wide area.
    enum class Wipe { FromOriginRow, WholeArea };
    // Wipes the last problem and puts the cursor at the origin.
    void RestartProblem(Wipe wipe);
    Point ProblemOrigin() const { return problemOrigin_; }

    // A whole number from floor(r*count + from): from .. from+count-1.
    Num RandomWhole(Num count, Num from = 1);
    // Sign selectors: floor(r*2+1), negating on 2; floor(r*2), negating on 0.
    Num RandomSign12(Num& magnitude);
    Num RandomSign01(Num& magnitude);
    // True when value repeats the kept one (the caller draws again);
    // otherwise value becomes the kept one.
    static bool RepeatsKept(Num value, Num& kept);

    // Text forms of a drawn number whose bare text is text.
    static std::string CoefficientForm(Num value, std::string_view text);  // 1: "", -1: "-"
    static std::string LaterTermForm(Num value, std::string_view text);    // "+3", "-3"
    static std::string SubstitutedForm(Num value, std::string_view text);  // "(-2)", "3"

    // The bare text of a number: STR$ without its blanks.
    static std::string NumberText(Num value);

    // num/den reduced: its text, the text "as given = reduced" (only one
    // when they agree), and the reduced numerator and denominator.
    struct ReducedFraction {
        std::string text, working;
        Num num = 0, den = 0;
    };
    static ReducedFraction Reduced(Num num, Num den);
    // The width of a maths text as it would be drawn.
    Num MathTextWidth(std::string_view text);

    // A typed value that is not a number (a "/" followed by 0) counts as 0.
    static Num DefinedOrZero(Num v);

private:
    Point Draw(Num x, Num y, Colour colour, std::string_view text);
    PlaneView ViewOf(const PlaneFrame& frame) { return PlaneView(*this, frame); }
    // A text drawn by routine at (x, y), on a cleared ground inside a plane's
    // box, moved off what it would meet when movable; returns where the pen
    // ended.
    Point DrawWith(Point (Engine::*routine)(const PenText&), Num x, Num y, Colour colour,
                   std::string_view text, bool movable = false);

    Engine engine_;
    Point problemOrigin_;

protected:
    // The program's main menu; returning from it ends the program.
    virtual void ProgramMainMenu() = 0;
};

// A chapter: its goal screen (none when goal is empty), the choice line of
// its sub-menu and its topics from item 1; the item after the last topic
// returns to the main menu.
template <class Program>
struct Chapter {
    std::vector<std::string_view> goal;
    bool goalClears = false;  // the goal screen clears the screen itself
    std::string_view choices;
    std::vector<void (Program::*)()> topics;
};

// One item of a program's main menu: its text and the chapter it opens;
// spare items and the exit item open nothing.
template <class Program>
struct MenuItem {
    std::string_view text;
    const Chapter<Program>* chapter = nullptr;
};

// A program's main menu: its items from item 1, the last being the exit, and
// where the exit item stands.
template <class Program>
struct MainMenu {
    std::vector<MenuItem<Program>> items;
    Num exitX = 44;
    Num exitY = 0;
    Colour exitColour = ink::accent;
    bool promptFirst = false;  // see MainMenuLayout
};

// A chapter's sub-menu loop, after its goal screen; number is its item of
// the main menu.
template <class Program>
void RunChapter(Program& program, const Chapter<Program>& chapter, int number) {
    if (!chapter.goal.empty()) program.ChapterGoalScreen(chapter.goalClears, chapter.goal);
    const int exitItem = static_cast<int>(chapter.topics.size()) + 1;
    for (;;) {
        const int item = program.ChapterSubMenu(chapter.choices, exitItem);
        if (item >= exitItem) return;
        program.TopicEntered(number, item);
        (program.*chapter.topics[item - 1])();
    }
}

// The main-menu loop of a program; returns when the pupil picks the exit.
template <class Program>
void RunMainMenu(Program& program, const MainMenu<Program>& menu) {
    std::vector<std::string_view> texts;
    for (const auto& item : menu.items) texts.push_back(item.text);
    const MainMenuLayout layout{texts, menu.exitX, menu.exitY, menu.exitColour, menu.promptFirst};
    for (std::size_t i = 0; i < menu.items.size(); ++i)
        if (const auto* chapter = menu.items[i].chapter)
            program.ChapterOffered(static_cast<int>(i) + 1, static_cast<int>(chapter->topics.size()));
    for (;;) {
        const MenuPick pick = program.MainMenuChoice(layout);
        if (pick.kind == MenuPick::Exit) return;
        if (pick.kind == MenuPick::Item) {
            if (const auto* chapter = menu.items[pick.item - 1].chapter)
                RunChapter(program, *chapter, pick.item);
        }
    }
}

// The first fault in a screen text's mark-up, or "" when it has none: a root
// opened with "!" or "#" not closed by "ﾝ", a text ending with "^", a "ﾀ"
// without its partner.
std::string MarkupFault(std::string_view text);

}  // namespace lesson
