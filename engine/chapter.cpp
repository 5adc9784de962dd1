#include "chapter.h"

#include <cmath>

#include "runtime/text.h"

namespace lesson {

namespace {

constexpr Num kScreenWidth = 1760;
constexpr Num kScreenHeight = 1800;

}  // namespace

Num Lesson::DefinedOrZero(Num v) { return std::isfinite(v) ? v : 0; }

std::string Lesson::ScreenText(std::string_view text) {
    if (screenTextLog) screenTextLog->push_back({std::string(text)});
    return std::string(text);
}

// ---- Main menu ----------------------------------------------------------------

MenuPick Lesson::MainMenuChoice(const MainMenuLayout& menu) {
    const int exitItem = static_cast<int>(menu.items.size());

    ClearWorkArea();
    ClearBox(kScreenWidth, kScreenHeight);
    Rt().line(22, 10, 1342, 610, 15, 2, 10);
    Label(264, 30, 15, "＜" + II1_s + "　メニュー＞");
    for (int k = 1; k < exitItem; ++k) {
        Label(44, static_cast<Num>(120 + 60 * (k - 1)), k % 2 == 1 ? 13 : 15, menu.items[k - 1]);
    }
    Label(menu.exitX, menu.exitY, menu.exitColour, menu.items[exitItem - 1]);

    if (menu.promptFirst) {
        KKAI_s = "番号を入力して下さい。";
        DSM1 = Y5 - 240;
        DSM2 = Y6;
        YMOTO = 0;
        DrawPromptText();
    }
    AskMenuNumber();
    ClearMenuPrompt();

    const Num value = DefinedOrZero(AINP);
    if (value == exitItem) return {MenuPick::Exit, exitItem};
    if (value < 1 || value > exitItem) return {};

    ClearBox(kScreenWidth, kScreenHeight);
    // The jump follows the number the typed text begins with ("3/2" opens 3).
    // When that number names no item ("20/4", "0.5/0.25") the menu is drawn
    // again rather than falling into whatever item comes first.
    const Num leading = Int(DefinedOrZero(rt::val(DS2_s)));
    if (leading < 1 || leading > exitItem - 1) return {};
    return {MenuPick::Item, static_cast<int>(leading)};
}

// ---- Chapter ------------------------------------------------------------------

void Lesson::ChapterGoalScreen(bool ownClear, std::initializer_list<std::string_view> goalLines) {
    if (ownClear) ClearBox(kScreenWidth, kScreenHeight);
    B1 = 44;
    B2_row = 240;
    Put(B1, B2_row, 3, "<めあて>");
    for (std::string_view line : goalLines) NewRow(65, 0, line, ownClear ? 0 : 32);
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

void Lesson::Draw(Num x, Num y, Num colour, std::string_view text) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, colour});
    KKAI_s = text;
    DSM1 = x;
    DSM2 = y;
    YMOTO = colour;
    if (InsidePlane(x, y)) {
        rt::HaloScope halo(Rt());
        DrawMathText();
    } else {
        DrawMathText();
    }
}

void Lesson::Put(Num x, Num y, Num colour, std::string_view text) {
    Draw(x, y, colour, text);
    YI1 = DSM1;
    B2_row = DSM2;
}

void Lesson::NewRow(Num step, Num colour, std::string_view text, Num indent) {
    Put(B1 + indent, B2_row + step, colour, text);
}

void Lesson::Next(Num colour, std::string_view text, Num gap) { Put(YI1 + gap, B2_row, colour, text); }

void Lesson::Label(Num x, Num y, Num colour, std::string_view text) { Draw(x, y, colour, text); }

void Lesson::TableText(Num x, Num y, Num colour, std::string_view text) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, colour});
    KKAI_s = text;
    DSM1 = x;
    DSM2 = y;
    YMOTO = colour;
    if (InsidePlane(x, y)) {
        rt::HaloScope halo(Rt());
        DrawTableText();
    } else {
        DrawTableText();
    }
}

void Lesson::Cell(Num x, Num y, const CellStyle& style, std::string_view text) {
    if (screenTextLog) screenTextLog->push_back({std::string(text), x, y, style.colour});
    A_s = text;
    DSM1 = x;
    DSM2 = y;
    TANI = style.width;
    X8 = style.height;
    NO = style.border;
    TKAI2 = style.fill;
    YMOTO = style.colour;
    DrawMathCell();
    YI1 = DSM1;
    B2_row = DSM2;
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

void Lesson::PlaneAt(Num left, Num top, Num xFrom, Num xTo, Num yFrom, Num yTo, Num step, Num grid,
                     Num numbers, Num xPerStep, Num yPerStep) {
    A41 = left;
    I_top = top;
    XJ1 = xFrom;
    YJ1 = xTo;
    B4 = yFrom;
    X_yTop = yTo;
    NAKA = step;
    NO = grid;
    N = numbers;
    t0000 = xPerStep;
    GGX = yPerStep;
    DrawAxes();
}

void Lesson::GraphOf(Num kind, Num a, Num b, Num colour, std::string_view label, Num labelDx,
                     Num labelDy) {
    Y_kind = kind;
    AA_coef = a;
    AAA = b;
    TKAI2 = colour;
    IB8_s = ScreenText(label);
    JYOU = labelDx;
    AINP_labelDy = labelDy;
    DrawGraph();
}

void Lesson::PointAt(Num x, Num y, Num radius, Num colour, Num xPerStep, Num yPerStep) {
    PointAt(x, y, radius, colour, "", 0, 0, xPerStep, yPerStep);
}

void Lesson::PointAt(Num x, Num y, Num radius, Num colour, std::string_view label, Num labelDx, Num labelDy,
                     Num xPerStep, Num yPerStep) {
    KAKUDAI = x;
    SENTAKU = y;
    GY0 = radius;
    TKAI2 = colour;
    t0000 = xPerStep;
    GGX = yPerStep;
    IB8_s = label.empty() ? std::string() : ScreenText(label);
    JYOU = labelDx;
    AINP_labelDy = labelDy;
    PlotPoint();
}

void Lesson::StorePlanePoint(int k, Num u, Num v) {
    GY5(k) = TATE + NAKA * u;
    t0014(k) = t0001 - NAKA * v;
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

void Lesson::ArcOver(Num x1, Num y1, Num x2, Num y2, Num height, Num side, Num stepDegrees,
                     Num dotColour, Num labelColour, std::string_view label, Num labelDown,
                     Num labelRight) {
    P2 = x1;
    BB = y1;
    ZY0 = x2;
    A21 = y2;
    Y_3 = height;
    XG = side;
    TANI = stepDegrees;
    NO = dotColour;
    YMOTO = labelColour;
    IB8_s = ScreenText(label);
    SIZE = labelRight;
    CCC3 = labelDown;
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

void Lesson::ColumnsAt(Num x, Num y, std::string_view upper, std::string_view lower, std::string_view op) {
    DSM1 = x;
    DSM2 = y;
    YY_s = ScreenText(upper);
    T_s = ScreenText(lower);
    FY_s = op;
    Y_rowH = 50;
    NO = 0;
    YMOTO = 0;
    DrawEliminationColumns();
}

// ---- Steps ----------------------------------------------------------------------

void Lesson::StepReveal() { WaitForKey(); }

// ---- Random exercises -------------------------------------------------------------

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
