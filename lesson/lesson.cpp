// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/lesson.h"

#include <cmath>

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

    ClearWorkArea();
    ClearBox(area::screen);
    Rt().line(22, 10, 1342, 610, 15, 2, 10);
    Label(264, 30, ink::page, "＜" + II1_s + "　メニュー＞");
    for (int k = 1; k < exitItem; ++k) {
        Label(44, static_cast<Num>(120 + 60 * (k - 1)), k % 2 == 1 ? ink::accent : ink::page,
              menu.items[k - 1]);
    }
    Label(menu.exitX, menu.exitY, menu.exitColour, menu.items[exitItem - 1]);

    if (menu.promptFirst)
        DrawPromptText({.text = "番号を入力して下さい。", .at = {Y5 - 240, Y6}, .colour = 0});
    AskMenuNumber();
    ClearMenuPrompt();

    const Num value = DefinedOrZero(AINP);
    if (value == exitItem) return {MenuPick::Exit, exitItem};
    if (value < 1 || value > exitItem) return {};

    ClearBox(area::screen);
    // The jump follows the number the typed text begins with ("3/2" opens 3).
    // When that number names no item ("20/4", "0.5/0.25") the menu is drawn
    // again rather than falling into whatever item comes first.
    const Num leading = Int(DefinedOrZero(rt::val(DS2_s)));
    if (leading < 1 || leading > exitItem - 1) return {};
    return {MenuPick::Item, static_cast<int>(leading)};
}

// ---- Chapter ------------------------------------------------------------------

void Lesson::ChapterGoalScreen(bool ownClear, std::span<const std::string_view> goalLines) {
    if (ownClear) ClearBox(area::screen);
    B1 = 44;
    B2_row = 240;
    Put(B1, B2_row, ink::emphasis, "<めあて>");
    for (std::string_view line : goalLines) NewRow(65, ink::text, line, ownClear ? 0 : 32);
}

int Lesson::ChapterSubMenu(std::string_view itemLine, int items) {
    for (;;) {
        KKAI_s = ScreenText(itemLine);
        AskChoice();
        A = DefinedOrZero(AINP);
        ClearPromptBand();
        if (A < 1 || A > items) continue;
        return static_cast<int>(Int(A));
    }
}

// ---- Topic screen -------------------------------------------------------------

void Lesson::ClearBox(Num width, Num height) { EraseBox(0, 0, width, height); }

void Lesson::EraseBox(Num x1, Num y1, Num x2, Num y2) {
    Rt().line(x1, y1, x2, y2, 15, 2, 15);
    ErasedBox(x1, y1, x2, y2);
}

void Lesson::TopicScreen(Num clearWidth, Num clearHeight, Num margin) {
    ClearBox(clearWidth, clearHeight);
    B1 = margin;
    B2_row = 30;
}

void Lesson::PenWidth(int width) { Rt().setDrawWidth(width); }

// ---- Text cursor ----------------------------------------------------------------

Point Lesson::DrawWith(Point (Engine::*routine)(const PenText&), Num x, Num y, Num colour,
                       std::string_view text, bool movable) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, colour});
    // The figure routines still draw in the colour of the last text.
    YMOTO = colour;
    const PenText at{.text = text, .at = {x, y}, .colour = colour};
    if (InsidePlane(x, y)) {
        rt::HaloScope halo(Rt(), movable ? rt::Placing::movable : rt::Placing::fixed);
        return (this->*routine)(at);
    }
    return (this->*routine)(at);
}

Point Lesson::Draw(Num x, Num y, Num colour, std::string_view text) {
    return DrawWith(&Engine::DrawMathText, x, y, colour, text);
}

void Lesson::Put(Num x, Num y, Num colour, std::string_view text) {
    const Point end = Draw(x, y, colour, text);
    YI1 = end.x;
    B2_row = end.y;
}

void Lesson::NewRow(Num step, Num colour, std::string_view text, Num indent) {
    Put(B1 + indent, B2_row + step, colour, text);
}

void Lesson::Next(Num colour, std::string_view text, Num gap) { Put(YI1 + gap, B2_row, colour, text); }

void Lesson::Label(Num x, Num y, Num colour, std::string_view text, bool movable) {
    DrawWith(&Engine::DrawMathText, x, y, colour, text, movable);
}

void Lesson::TableText(Num x, Num y, Num colour, std::string_view text) {
    DrawWith(&Engine::DrawTableText, x, y, colour, text);
}

void Lesson::Cell(Num x, Num y, const CellStyle& style, std::string_view text) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, style.colour});
    // The figure routines still take these as their colours.
    NO = style.border;
    TKAI2 = style.fill;
    YMOTO = style.colour;
    const Point next = DrawMathCell({.at = {x, y},
                                     .width = style.width,
                                     .height = style.height,
                                     .outline = style.border,
                                     .fill = style.fill,
                                     .colour = style.colour},
                                    text);
    YI1 = next.x;
    B2_row = next.y;
}

const Lesson::CellStyle Lesson::kPageCell{396, 44, 5, 4, 13};
const Lesson::CellStyle Lesson::kProblemCell{38, 44, 4, 3, 13};

void Lesson::PageHeading(Num x, Num y, std::string_view page, Num numberWidth, std::string_view number) {
    Cell(x, y, kPageCell, page);
    CellStyle numberCell = kProblemCell;
    numberCell.width = numberWidth;
    Cell(YI1 + 44, y, numberCell, number);
}

// ---- Figures ------------------------------------------------------------------

void Lesson::GraphOf(Num kind, Num a, Num b, Num colour, std::string_view label, Num labelDx, Num labelDy) {
    Y_kind = kind;
    AA_coef = a;
    AAA = b;
    TKAI2 = colour;
    IB8_s = ScreenText(label);
    JYOU = labelDx;
    AINP_labelDy = labelDy;
    DrawGraph();
}

PlaneFrame Lesson::PlaneAt(const Plane& p) {
    A41 = p.left;
    I_top = p.top;
    XJ1 = p.xFrom;
    YJ1 = p.xTo;
    B4 = p.yFrom;
    X_yTop = p.yTo;
    NAKA = p.step;
    NO = p.gridColour;
    N = p.scaleNumbers ? 0 : -1;
    t0000 = p.xPerStep;
    GGX = p.yPerStep;
    DrawAxes();
    return LastPlane();
}

PlaneFrame Lesson::LastPlane() const { return {{TATE, t0001}, HI, ZX, GY1, GX3, NAGASA, NAKA}; }

void Lesson::ScaleNumbers(Num xPerStep, Num yPerStep) {
    t0000 = xPerStep;
    GGX = yPerStep;
    LabelAxisScales();
}

Point Lesson::OnPlane(Num x, Num y) const { return {TATE + NAKA * x, t0001 - NAKA * y}; }

void Lesson::KeepClear(Point at, Num radius) {
    Rt().keepClear(at.x - radius, at.y - radius, at.x + radius, at.y + radius);
}

void Lesson::KeepClear(Point from, Point to) { Rt().keepClear(from.x, from.y, to.x, to.y); }

Point Lesson::PointAt(Num x, Num y, const Dot& d) {
    KAKUDAI = x;
    SENTAKU = y;
    GY0 = d.radius;
    TKAI2 = d.colour;
    t0000 = d.xPerStep;
    GGX = d.yPerStep;
    IB8_s = d.label.empty() ? std::string() : ScreenText(d.label);
    JYOU = d.labelDx;
    AINP_labelDy = d.labelDy;
    PlotPoint();
    return {HOUKOU, N2};
}

void Lesson::GridFrame(Num left, Num top, Num columns, Num rows, Num step, Num colour) {
    A41 = left;
    I_top = top;
    ZX1 = columns;
    X8 = rows;
    NAKA = step;
    NO = colour;
    DrawGrid();
}

void Lesson::ArcOver(const Arc& a) {
    P2 = a.from.x;
    BB = a.from.y;
    ZY0 = a.to.x;
    A21 = a.to.y;
    Y_3 = a.height;
    XG = a.side;
    TANI = a.stepDegrees;
    NO = a.dotColour;
    YMOTO = a.labelColour;
    IB8_s = ScreenText(a.label);
    SIZE = a.labelDx;
    CCC3 = a.labelDy;
    X_3 = 0;
    DrawArcOverSegment();
}

void Lesson::ArrowTo(Num x1, Num y1, Num x2, Num y2, Num colour, Num headLength, Num twice) {
    P2 = x1;
    BB = y1;
    XI0 = x2;
    SITA = y2;
    IROIRO = 1;
    UE = twice;
    NO = colour;
    P = headLength;
    DrawArrow();
}

void Lesson::BracedSystem(Num x, Num y, std::string_view first, std::string_view second, Num colour) {
    YMOTO = colour;
    DSM1 = x;
    DSM2 = y;
    TANI = 100;
    DrawBrace();
    YI1 = x + 40;
    B2_row = y;
    Label(YI1, B2_row, colour, first);
    Put(YI1, B2_row + 50, colour, second);
}

Lesson::Columns Lesson::ColumnsAt(Num x, Num y, std::string_view upper, std::string_view lower,
                                  std::string_view op) {
    DSM1 = x;
    DSM2 = y;
    YY_s = ScreenText(upper);
    T_s = ScreenText(lower);
    FY_s = op;
    Y_rowH = 50;
    NO = 0;
    YMOTO = 0;
    DrawEliminationColumns();
    return {x, B2_row, GX5};
}

void Lesson::ColumnSigns(const Columns& columns, std::string_view signs) {
    if (screenTextLog)
        screenTextLog->push_back({std::string(signs), columns.left, columns.lowerRow - 25, ink::emphasis});
    // Small strokes in the narrow gap between the rows, one character cell
    // (27 units) each as a text would set them: signs of full size there
    // touch both rows, so that a "-" under a "+" reads as "±".
    constexpr Num kCell = 27, kHalf = 5, kGapMiddle = 4;
    const Num y = columns.lowerRow - kGapMiddle;
    const int pen = Rt().drawWidth();
    Rt().setDrawWidth(3);
    Num x = columns.left + kCell / 2;
    for (char sign : signs) {
        if (sign == '+' || sign == '-')
            Rt().line(x - kHalf, y, x + kHalf, y, static_cast<int>(ink::emphasis), 0, -1);
        if (sign == '+') Rt().line(x, y - kHalf, x, y + kHalf, static_cast<int>(ink::emphasis), 0, -1);
        x += kCell;
    }
    Rt().setDrawWidth(pen);
}

// ---- Shared figures ----------------------------------------------------------------

void Lesson::Frame(Point at, Num width, Num height, Num colour) {
    Rt().line(at.x, at.y, at.x + width, at.y + height, static_cast<int>(colour), 1);
}

void Lesson::BigDot(Point at, Num colour) {
    Rt().circle(at.x, at.y, 8, static_cast<int>(colour), 0, 0, true, -1);
}

void Lesson::FramedScreen(WorkArea area, Num width, Num height, std::string_view heading) {
    TopicScreen(area, 76);
    PenWidth(10);
    Frame({38, 16}, width, height, ink::onBox);
    Put(76, 30, ink::emphasis, heading);
}

void Lesson::RunLeg(const SlopeSteps& s) { ArrowTo(s.from.x, s.from.y, s.to.x, s.from.y, s.legsColour); }

void Lesson::RiseLeg(const SlopeSteps& s) { ArrowTo(s.to.x, s.from.y, s.to.x, s.to.y, s.legsColour); }

void Lesson::RunLabel(const SlopeSteps& s, std::string_view text, Num dy) {
    Label((s.from.x + s.to.x) / 2 - 14, s.from.y + dy, s.legsColour, text);
}

void Lesson::RiseLabel(const SlopeSteps& s, std::string_view text) {
    Label(s.to.x, (s.from.y + s.to.y) / 2 - 16, s.legsColour, text);
}

Lesson::SlopeCorners Lesson::SlopeTriangle(const SlopeSteps& s) {
    const Point corner{s.to.x, s.from.y};
    if (s.legsColour >= 0) {
        ArrowTo(s.from.x, s.from.y, corner.x, corner.y, s.legsColour, 16, 2);
        ArrowTo(corner.x, corner.y, s.to.x, s.to.y, s.legsColour, 16, 2);
        return {s.from, corner, s.to};
    }
    ZY = s.from.x;
    AA1 = s.from.y;
    GY3 = s.to.x;
    HIDARI = s.to.y;
    HENK3_s = std::string(s.runLabel ? "y" : "n") + (s.riseLabel ? "y" : "n");
    DrawIncreaseArrows();
    return {{ZY, AA1}, {GY3, AA1}, {GY3, HIDARI}};
}

// ---- Steps ----------------------------------------------------------------------

void Lesson::StepReveal() { WaitForKey(); }

// ---- Random exercises -------------------------------------------------------------

void Lesson::RestartProblem(Wipe wipe) {
    const Point o = problemOrigin_;
    if (wipe == Wipe::FromOriginRow)
        EraseBox(0, o.y, area::wide.width, o.y + area::wide.height);
    else
        ClearBox(area::wide.width, area::wide.height);
    B1 = o.x;
    B2_row = o.y;
}

Num Lesson::RandomWhole(Num count, Num from) { return Int(Rt().rnd() * count + from); }

Num Lesson::RandomSign12(Num& magnitude) {
    const Num selector = Int(Rt().rnd() * 2 + 1);
    if (selector == 2) magnitude = -magnitude;
    return selector;
}

Num Lesson::RandomSign01(Num& magnitude) {
    const Num selector = Int(Rt().rnd() * 2);
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
    X = num;
    R1B = den;
    FormatFraction();
    return {T_s, U_s, X, R1B};
}

Num Lesson::MathTextWidth(std::string_view text) { return MeasureMathText(text); }

std::string Lesson::NumberText(Num value) {
    A_s = rt::str(value);
    RemoveSpaces();
    return A_s;
}

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
