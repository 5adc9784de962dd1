// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/lesson.h"

#include <cmath>

#include "engine/figure_helpers.h"
#include "runtime/text.h"

namespace lesson {

Num Lesson::DefinedOrZero(Num v) { return std::isfinite(v) ? v : 0; }

std::string Lesson::ScreenText(std::string_view text) {
    if (screenTextLog) screenTextLog->push_back({std::string(text)});
    return std::string(text);
}

// ---- Main menu ----------------------------------------------------------------

MenuPick Lesson::MainMenuChoice(const MainMenuLayout& menu) {
    const int exitItem = static_cast<int>(menu.items.size());

    engine_.ClearWorkArea();
    ClearBox(area::screen);
    engine_.Rt().filledBox(22, 10, 1342, 610, ink::page, ink::panel);
    Label(264, 30, ink::page, "＜" + engine_.Title() + "　メニュー＞");
    for (int k = 1; k < exitItem; ++k) {
        Label(44, static_cast<Num>(120 + 60 * (k - 1)), k % 2 == 1 ? ink::accent : ink::page,
              menu.items[k - 1]);
    }
    Label(menu.exitX, menu.exitY, menu.exitColour, menu.items[exitItem - 1]);

    if (menu.promptFirst)
        engine_.DrawPromptText({.text = "番号を入力して下さい。",
                                .at = {engine_.Entry().x - 240, engine_.Entry().y},
                                .colour = ink::text});
    const NumberEntry typed = engine_.AskMenuNumber();
    engine_.ClearMenuPrompt();

    const Num value = DefinedOrZero(typed.value);
    if (value == exitItem) return {MenuPick::Exit, exitItem};
    if (value < 1 || value > exitItem) return {};

    ClearBox(area::screen);
    // The jump follows the number the typed text begins with ("3/2" opens 3).
    // When that number names no item ("20/4", "0.5/0.25") the menu is drawn
    // again rather than falling into whatever item comes first.
    const Num leading = Int(DefinedOrZero(rt::val(typed.text)));
    if (leading < 1 || leading > exitItem - 1) return {};
    return {MenuPick::Item, static_cast<int>(leading)};
}

// ---- Chapter ------------------------------------------------------------------

void Lesson::ChapterGoalScreen(bool ownClear, std::span<const std::string_view> goalLines) {
    if (ownClear) ClearBox(area::screen);
    cursor.margin = 44;
    cursor.row = 240;
    Put(cursor.margin, cursor.row, ink::emphasis, "<めあて>");
    for (std::string_view line : goalLines) NewRow(65, ink::text, line, ownClear ? 0 : 32);
}

int Lesson::ChapterSubMenu(std::string_view itemLine, int items) {
    for (;;) {
        subMenuTyped = DefinedOrZero(engine_.AskChoice(ScreenText(itemLine)));
        engine_.ClearPromptBand();
        if (subMenuTyped < 1 || subMenuTyped > items) continue;
        return static_cast<int>(Int(subMenuTyped));
    }
}

// ---- Topic screen -------------------------------------------------------------

void Lesson::ClearBox(Num width, Num height) { EraseBox(0, 0, width, height); }

void Lesson::EraseBox(Num x1, Num y1, Num x2, Num y2) {
    engine_.Rt().filledBox(x1, y1, x2, y2, ink::page, ink::page);
    engine_.ErasedBox(x1, y1, x2, y2);
}

void Lesson::TopicScreen(Num clearWidth, Num clearHeight, Num margin) {
    ClearBox(clearWidth, clearHeight);
    cursor.margin = margin;
    cursor.row = 30;
}

void Lesson::PenWidth(int width) { engine_.Rt().setDrawWidth(width); }

// ---- Text cursor ----------------------------------------------------------------

Point Lesson::DrawWith(Point (Engine::*routine)(const PenText&), Num x, Num y, Colour colour,
                       std::string_view text, bool movable) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, colour});
    const PenText at{.text = text, .at = {x, y}, .colour = colour};
    if (engine_.InsidePlane(x, y)) {
        rt::HaloScope halo(engine_.Rt(), movable ? rt::Placing::movable : rt::Placing::fixed);
        return (engine_.*routine)(at);
    }
    return (engine_.*routine)(at);
}

Point Lesson::Draw(Num x, Num y, Colour colour, std::string_view text) {
    return DrawWith(&Engine::DrawMathText, x, y, colour, text);
}

void Lesson::Put(Num x, Num y, Colour colour, std::string_view text) {
    const Point end = Draw(x, y, colour, text);
    cursor.end = end.x;
    cursor.row = end.y;
}

void Lesson::NewRow(Num step, Colour colour, std::string_view text, Num indent) {
    Put(cursor.margin + indent, cursor.row + step, colour, text);
}

void Lesson::Next(Colour colour, std::string_view text, Num gap) {
    Put(cursor.end + gap, cursor.row, colour, text);
}

void Lesson::Label(Num x, Num y, Colour colour, std::string_view text, bool movable) {
    DrawWith(&Engine::DrawMathText, x, y, colour, text, movable);
}

void Lesson::TableText(Num x, Num y, Colour colour, std::string_view text) {
    DrawWith(&Engine::DrawTableText, x, y, colour, text);
}

void Lesson::Cell(Num x, Num y, const CellStyle& style, std::string_view text) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, style.colour});
    const TextCell cell{.at = {x, y},
                        .width = style.width,
                        .height = style.height,
                        .outline = style.border,
                        .fill = style.fill,
                        .colour = style.colour};
    const Point next = engine_.DrawMathCell(cell, text);
    cursor.end = next.x;
    cursor.row = next.y;
}

const Lesson::CellStyle Lesson::kPageCell{396, 44, ink::answer, ink::keyBox, ink::accent};
const Lesson::CellStyle Lesson::kProblemCell{38, 44, ink::keyBox, ink::emphasis, ink::accent};

void Lesson::PageHeading(Num x, Num y, std::string_view page, Num numberWidth, std::string_view number) {
    Cell(x, y, kPageCell, page);
    CellStyle numberCell = kProblemCell;
    numberCell.width = numberWidth;
    Cell(cursor.end + 44, y, numberCell, number);
}

// ---- Figures ------------------------------------------------------------------

Lesson::PlaneView Lesson::PlaneAt(const Plane& p) { return ViewOf(engine_.DrawAxes(p)); }

Lesson::PlaneView Lesson::PlaceOfPlane(const Plane& p) { return ViewOf(engine_.PlaceAxes(p)); }

Point Lesson::PlaneView::PointAt(Num x, Num y, const Dot& d) const {
    Dot dot = d;
    const std::string label = d.label.empty() ? std::string() : lesson_->ScreenText(d.label);
    dot.label = label;
    return lesson_->engine_.PlotPoint(frame, x, y, dot);
}

void Lesson::PlaneView::GraphOf(const Graph& graph) const {
    GraphOf(graph, {frame.steps.xFrom, frame.steps.xTo, frame.xPerStep, frame.yPerStep});
}

void Lesson::PlaneView::GraphOf(const Graph& graph, const GraphSpan& span) const {
    Graph g = graph;
    const std::string label = lesson_->ScreenText(g.label);
    g.label = label;
    lesson_->engine_.DrawGraph(frame, g, span);
}

void Lesson::PlaneView::ScaleNumbers(Num xPerStep, Num yPerStep) const {
    lesson_->engine_.LabelAxisScales(frame, xPerStep, yPerStep);
}

void Lesson::KeepClear(Point at, Num radius) {
    engine_.Rt().keepClear(at.x - radius, at.y - radius, at.x + radius, at.y + radius);
}

void Lesson::KeepClear(Point from, Point to) { engine_.Rt().keepClear(from.x, from.y, to.x, to.y); }

Lesson::PlaneView Lesson::GridFrame(Num left, Num top, Num columns, Num rows, Num step, Colour colour) {
    return ViewOf(engine_.DrawGrid(
        {.corner = {left, top}, .columns = columns, .rows = rows, .step = step, .colour = colour}));
}

void Lesson::ArcOver(const Arc& a) {
    engine_.DrawArcOverSegment({.from = a.from,
                                .to = a.to,
                                .height = a.height,
                                .side = a.side,
                                .stepDegrees = a.stepDegrees,
                                .dotColour = a.dotColour,
                                .label = ScreenText(a.label),
                                .labelColour = a.labelColour,
                                .labelDx = a.labelDx,
                                .labelDy = a.labelDy,
                                .labelOnGround = a.labelOnGround});
}

void Lesson::ArrowTo(Num x1, Num y1, Num x2, Num y2, Colour colour, Num headLength, Num twice) {
    engine_.DrawArrow(
        {.from = {x1, y1}, .to = {x2, y2}, .colour = colour, .headLength = headLength, .twice = twice == 2});
}

void Lesson::BracedSystem(Num x, Num y, std::string_view first, std::string_view second, Colour colour) {
    engine_.DrawBrace({x, y}, 100, colour);
    cursor.end = x + 40;
    cursor.row = y;
    Label(cursor.end, cursor.row, colour, first);
    Put(cursor.end, cursor.row + 50, colour, second);
}

namespace {
// The rows' ink, below a row's top: digits and letters reach from 4 to 40.
constexpr Num kInkTop = 4, kInkBottom = 40;
// How much lower the lower row stands for sign marks: a mark 10 units high
// then has 5 units clear above and below it.
constexpr Num kSignRoom = 10;
}  // namespace

Lesson::Columns Lesson::ColumnsAt(Num x, Num y, std::string_view upper, std::string_view lower,
                                  std::string_view op, bool signsToCome) {
    const Engine::ColumnsLayout drawn =
        engine_.DrawEliminationColumns({.at = {x, y},
                                        .upper = ScreenText(upper),
                                        .lower = ScreenText(lower),
                                        .op = std::string(op),
                                        .signRoom = signsToCome ? kSignRoom : 0});
    cursor.row = drawn.lowerRow;
    return {.left = x, .upperRow = y, .lowerRow = drawn.lowerRow, .column = drawn.column};
}

void Lesson::ColumnSigns(const Columns& columns, std::string_view signs) {
    if (screenTextLog)
        screenTextLog->push_back({std::string(signs), columns.left, columns.lowerRow - 25, ink::emphasis});
    // Small strokes in the middle of the gap between the rows' ink, one
    // character cell (27 units) each as a text would set them: signs of full
    // size there touch both rows, so that a "-" under a "+" reads as "±".
    constexpr Num kCell = 27, kHalf = 5;
    const Num y = ((columns.upperRow + kInkBottom) + (columns.lowerRow + kInkTop)) / 2;
    rt::StyleScope pen(engine_.Rt(), 3);
    Num x = columns.left + kCell / 2;
    for (char sign : signs) {
        if (sign == '+' || sign == '-') engine_.Rt().segment(x - kHalf, y, x + kHalf, y, ink::emphasis);
        if (sign == '+') engine_.Rt().segment(x, y - kHalf, x, y + kHalf, ink::emphasis);
        x += kCell;
    }
}

// ---- Shared figures ----------------------------------------------------------------

void Lesson::Frame(Point at, Num width, Num height, Colour colour) {
    engine_.Rt().box(at.x, at.y, at.x + width, at.y + height, colour);
}

void Lesson::BigDot(Point at, Colour colour) { Disc(at, 8, colour); }

void Lesson::Segment(Point from, Point to, Colour colour) {
    engine_.Rt().segment(from.x, from.y, to.x, to.y, colour);
}

void Lesson::FilledBox(Point from, Point to, Colour outline, Colour fill) {
    engine_.Rt().filledBox(from.x, from.y, to.x, to.y, outline, fill);
}

void Lesson::Disc(Point at, Num radius, Colour colour) { engine_.Rt().disc(at.x, at.y, radius, colour); }

void Lesson::FilledPolygon(std::span<const Point> corners, Colour outline, Colour fill) {
    std::vector<rt::Point> ring;
    for (const Point& corner : corners) ring.push_back({corner.x, corner.y});
    if (!ring.empty()) ring.push_back(ring.front());
    engine_.Rt().connectFilled(outline, fill, ring);
}

void Lesson::ScaledText(Point at, std::string_view text, Num across, Num down, Colour colour,
                        const TextStyle& style) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), at.x, at.y, colour});
    rt::StyleScope kept(engine_.Rt());
    engine_.Rt().setTextStyle(style);
    engine_.Rt().symbol(text, at.x, at.y, fig::whole(across), fig::whole(down), colour);
}

std::optional<Point> Lesson::Crossing(Point a1, Point a2, Point b1, Point b2) {
    return engine_.IntersectLines(a1, a2, b1, b2).at;
}

void Lesson::LetteredPolygon(std::initializer_list<Point> corners, Num letterDistance) {
    engine_.DrawPolygon({.corners = corners,
                         .width = 5,
                         .colour = ink::text,
                         .firstLetter = "A",
                         .letterDistance = letterDistance,
                         .letterColour = ink::text});
}

void Lesson::RightAngleMark(Point vertex, Point first, Point second, Num size, Colour colour) {
    engine_.DrawRightAngleMark({.vertex = vertex, .first = first, .second = second}, size, colour);
}

void Lesson::FramedScreen(WorkArea area, Num width, Num height, std::string_view heading) {
    TopicScreen(area, 76);
    PenWidth(10);
    Frame({38, 16}, width, height, ink::onBox);
    Put(76, 30, ink::emphasis, heading);
}

void Lesson::RunLeg(const SlopeSteps& s) {
    ArrowTo(s.from.x, s.from.y, s.to.x, s.from.y, s.legsColour.value_or(ink::heading));
}

void Lesson::RiseLeg(const SlopeSteps& s) {
    ArrowTo(s.to.x, s.from.y, s.to.x, s.to.y, s.legsColour.value_or(ink::emphasis));
}

void Lesson::RunLabel(const SlopeSteps& s, std::string_view text, Num dy) {
    Label((s.from.x + s.to.x) / 2 - 14, s.from.y + dy, s.legsColour.value_or(ink::heading), text);
}

void Lesson::RiseLabel(const SlopeSteps& s, std::string_view text) {
    Label(s.to.x, (s.from.y + s.to.y) / 2 - 16, s.legsColour.value_or(ink::emphasis), text);
}

Lesson::SlopeCorners Lesson::PlaneView::SlopeTriangle(const SlopeSteps& s) const {
    const Point corner{s.to.x, s.from.y};
    if (s.legsColour) {
        lesson_->ArrowTo(s.from.x, s.from.y, corner.x, corner.y, *s.legsColour, 16, 2);
        lesson_->ArrowTo(corner.x, corner.y, s.to.x, s.to.y, *s.legsColour, 16, 2);
        return {s.from, corner, s.to};
    }
    const IncreaseArrows legs =
        lesson_->engine_.DrawIncreaseArrows(s.from, s.to, frame.step, s.runLabel, s.riseLabel);
    return {legs.start, legs.corner, legs.end};
}

// ---- Steps ----------------------------------------------------------------------

void Lesson::StepReveal() { engine_.WaitForKey(); }

// ---- Random exercises -------------------------------------------------------------

void Lesson::RestartProblem(Wipe wipe) {
    const Point o = problemOrigin_;
    if (wipe == Wipe::FromOriginRow)
        EraseBox(0, o.y, area::wide.width, o.y + area::wide.height);
    else
        ClearBox(area::wide.width, area::wide.height);
    cursor.margin = o.x;
    cursor.row = o.y;
}

Num Lesson::RandomWhole(Num count, Num from) { return Int(engine_.Rt().rnd() * count + from); }

Num Lesson::RandomSign12(Num& magnitude) {
    const Num selector = Int(engine_.Rt().rnd() * 2 + 1);
    if (selector == 2) magnitude = -magnitude;
    return selector;
}

Num Lesson::RandomSign01(Num& magnitude) {
    const Num selector = Int(engine_.Rt().rnd() * 2);
    if (selector == 0) magnitude = -magnitude;
    return selector;
}

bool Lesson::RepeatsKept(Num value, Num& kept) {
    if (value == kept) return true;
    kept = value;
    return false;
}

std::string Lesson::CoefficientForm(Num value, std::string_view text) {
    if (value == 1) return "";
    if (value == -1) return "-";
    return std::string(text);
}

std::string Lesson::LaterTermForm(Num value, std::string_view text) {
    return value > 0 ? "+" + std::string(text) : std::string(text);
}

std::string Lesson::SubstitutedForm(Num value, std::string_view text) {
    return value < 0 ? "(" + std::string(text) + ")" : std::string(text);
}

Lesson::ReducedFraction Lesson::Reduced(Num num, Num den) {
    const FormattedFraction f = FormatFraction(num, den);
    return {f.text, f.working, f.num, f.den};
}

Num Lesson::MathTextWidth(std::string_view text) { return engine_.MeasureMathText(text); }

std::string Lesson::NumberText(Num value) { return lesson::RemoveSpaces(rt::str(value)); }

// ---- Mark-up check ---------------------------------------------------------------

std::string MarkupFault(std::string_view text) {
    int rootsOpen = 0;
    int fractionMarks = 0;
    for (const std::string& ch : rt::chars(text)) {
        if (ch == "!" || ch == "#") {
            ++rootsOpen;
        } else if (ch == "ﾝ") {
            if (rootsOpen > 0) --rootsOpen;
        } else if (ch == "ﾀ") {
            ++fractionMarks;
        }
    }
    if (rootsOpen > 0) return "a root opened with \"!\" or \"#\" is not closed with \"ﾝ\"";
    if (fractionMarks % 2 != 0) return "a \"ﾀ\" without its partner";
    if (!text.empty() && text.back() == '^') return "the text ends with \"^\"";
    return "";
}

}  // namespace lesson
