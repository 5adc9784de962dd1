// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate plane: axes with grid and scale numbers, plotted points and
// function graphs.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine.h"
#include "figure_helpers.h"
#include "runtime/text.h"

namespace lesson {

using fig::bareNumber;
using fig::countedLoop;
using fig::whole;

namespace {

bool multipleOf5(Num k) { return std::fmod(k, 5.0f) == 0; }

// 0 counts as 1 and a negative value as its size.
Num normalisedStep(Num v) {
    if (v == 0) return 1;
    return std::fabs(v);
}

}  // namespace

void Engine::PlaceAxes() {
    TATE = A41 + NAKA * std::fabs(XJ1);
    t0001 = I_top + NAKA * X_yTop;
    HI = A41;
    ZX = I_top;
    GY1 = TATE + NAKA * YJ1;
    GX3 = t0001 + NAKA * std::fabs(B4);
    NAGASA = NAKA < 40 ? 26 : 30;
    Rt().setFontSize(whole(NAGASA));
}

void Engine::DrawAxes() {
    BB1 = static_cast<Num>(Rt().drawWidth());
    const int pen = Rt().drawWidth();
    t0000 = normalisedStep(t0000);
    GGX = normalisedStep(GGX);
    XJ1 /= t0000;
    YJ1 /= t0000;
    B4 /= GGX;
    X_yTop /= GGX;
    if (A41 == 0 && I_top == 0) {
        A41 = 640;
        I_top = 180;
    }
    PlaceAxes();
    planes_.push_back({HI, ZX, GY1, GX3});

    if (NO != 0) {
        Rt().setDrawWidth(1);
        countedLoop(XJ1, YJ1, 1, [&](Num k) {
            const Num x = TATE + NAKA * k - 0.5f;
            Rt().line(x, ZX, x, GX3, 0);
        });
        countedLoop(B4, X_yTop, 1, [&](Num k) {
            const Num y = t0001 - NAKA * k - 0.5f;
            Rt().line(HI, y, GY1, y, 0);
        });
        auto numberText = [&](Num k) -> std::string {
            if (k == 0 || N == -1) return {};
            return bareNumber(k);
        };
        countedLoop(XJ1, YJ1, 1, [&](Num k) {
            if (!multipleOf5(k)) return;
            Rt().setDrawWidth(3);
            const Num x = TATE + NAKA * k;
            Rt().line(x, ZX, x, GX3, 1);
            const std::string text = numberText(k);
            if (!text.empty()) ScaleNumber(text, x - NAGASA * rt::klen(text) / 2, t0001 + kScaleGap);
        });
        countedLoop(B4, X_yTop, 1, [&](Num k) {
            if (!multipleOf5(k)) return;
            Rt().setDrawWidth(3);
            const Num y = t0001 - NAKA * k;
            Rt().line(HI, y, GY1, y, 1);
            const std::string text = numberText(k);
            if (!text.empty())
                ScaleNumber(text, TATE - NAGASA * rt::klen(text) - kScaleGap, y - NAGASA / 2 - 4);
        });
    }

    Rt().setDrawWidth(4);
    Rt().line(TATE, ZX, TATE, GX3, 0);
    Rt().line(HI, t0001, GY1, t0001, 0);

    Rt().setFontBold(true);
    Rt().setFontName("Times New Roman");
    Rt().setFontSize(whole(0.8f * NAGASA));
    Rt().setFontItalic(true);
    Rt().symbol("x", GY1 - 0.8f * NAGASA, t0001 - 1.5f * NAGASA, 3, 2, 0);
    Rt().setFontName("ゴシック");
    Rt().setFontSize(whole(NAGASA));
    Rt().setFontItalic(false);
    ScaleNumber("0", TATE - NAGASA - kScaleGap, t0001 + kScaleGap);
    Rt().symbol("y", TATE, ZX - NAGASA / 2, 2, 1, 0);

    Rt().setFontBold(false);
    Rt().setFontSize(16);
    Rt().setDrawWidth(pen);
    N = 0;
    YMOTO = 0;
    KKAI_s.clear();
}

void Engine::LabelAxisScales() {
    Rt().setFontSize(whole(NAGASA));
    // The value with at most one decimal, truncated; the point is drawn on
    // its own between the whole part and the tenths digit.
    auto write = [&](Num v, bool onX, Num k) {
        const bool negative = v < 0;
        const Num a = std::fabs(v);
        const Num whole_part = std::floor(a);
        const Num tenth = std::clamp(std::floor(10 * a) - 10 * whole_part, 0.0f, 9.0f);
        std::string intText = bareNumber(whole_part);
        if (negative && (whole_part != 0 || tenth != 0)) intText = "-" + intText;
        std::string digits = intText;
        if (tenth != 0) digits += bareNumber(tenth);
        const int c = rt::klen(digits);
        Num x, y;
        if (onX) {
            x = TATE + NAKA * k - NAGASA * c / 2;
            y = t0001 + kScaleGap;
        } else {
            x = TATE - NAGASA * c - kScaleGap;
            y = t0001 - NAKA * k - NAGASA / 2;
        }
        rt::HaloScope ground(Rt(), rt::Placing::yielding);
        Rt().symbol(digits, x, y, 2, 1, 0);
        if (tenth != 0) Rt().symbol(".", x + NAGASA * rt::klen(intText) - 6, y + 4, 2, 1, 0);
    };
    countedLoop(XJ1, YJ1, 1, [&](Num k) {
        if (k != 0 && std::fmod(k, 5.0f) == 0) write(k * t0000, true, k);
    });
    countedLoop(B4, X_yTop, 1, [&](Num k) {
        if (k != 0 && std::fmod(k, 5.0f) == 0) write(k * GGX, false, k);
    });
    Rt().setFontSize(16);
    YMOTO = 0;
}

bool Engine::InsidePlane(Num x, Num y) const {
    // A text's place is its top-left corner: one placed on the right or the
    // bottom edge hangs outside the box.
    for (const Box& b : planes_)
        if (b.left <= x && x < b.right && b.top <= y && y < b.bottom) return true;
    return false;
}

void Engine::ErasedBox(Num x1, Num y1, Num x2, Num y2) {
    const Num left = std::min(x1, x2), right = std::max(x1, x2);
    const Num top = std::min(y1, y2), bottom = std::max(y1, y2);
    std::erase_if(planes_, [&](const Box& b) {
        return left <= b.left && b.right <= right && top <= b.top && b.bottom <= bottom;
    });
}

// A scale number stands on a ground of its own, clear of the axis it labels,
// so that no grid line or graph runs through its sign or digits.
void Engine::ScaleNumber(const std::string& text, Num x, Num y) {
    rt::HaloScope ground(Rt(), rt::Placing::yielding);
    Rt().symbol(text, x, y, 2, 1, 0);
}

// Labels of points and graphs stand on a ground and move off what they would
// meet; the plane's axis letters do not.
void Engine::PlotPoint() {
    if (t0000 == 0) t0000 = 1;
    if (GGX == 0) GGX = 1;
    HOUKOU = TATE + NAKA * KAKUDAI / t0000;
    N2 = t0001 - NAKA * SENTAKU / GGX;
    Rt().circle(HOUKOU, N2, GY0, whole(TKAI2), 0, 0, true, -1);
    YMOTO = TKAI2;
    DSM1 = HOUKOU - 20 + JYOU;
    DSM2 = N2 - 40 + AINP_labelDy;
    KKAI_s = IB8_s;
    {
        rt::HaloScope halo(Rt(), rt::Placing::movable);
        DrawMathText();
    }
    JYOU = 0;
    AINP_labelDy = 0;
    t0000 = 1;
    GGX = 1;
}

void Engine::DrawGraph() {
    BB1 = static_cast<Num>(Rt().drawWidth());
    // The label's DrawMathText reuses BB1, so the caller's width is kept here.
    const int pen = Rt().drawWidth();
    if (t0000 == 0) t0000 = 1;
    if (GGX == 0) GGX = 1;

    bool labelled = false;
    if (Y_kind == 4 && AAA == 0) {
        // 0x + 0y = c is no line at all: nothing is drawn.
        if (AA_coef != 0) {
            R1B_rhs = R1B_rhs / AA_coef;
            if (R1B_rhs == 0) R1B_rhs = 0;
            DrawVerticalLine();
            labelled = true;
        }
    } else {
        if (Y_kind == 4) {
            AA_coef = -AA_coef / AAA;
            if (AA_coef == 0) AA_coef = 0;
            AAA = R1B_rhs / AAA;
            if (AAA == 0) AAA = 0;
            Y_kind = 3;
        }
        TraceCurve();
        // A graph with no dot inside the plane has no end to label.
        labelled = TRACE_HIT != 0;
    }

    if (labelled) {
        YMOTO = TKAI2;
        DSM1 = DSM1 + JYOU;
        DSM2 = DSM2 + AINP_labelDy;
        KKAI_s = IB8_s;
        rt::HaloScope halo(Rt(), rt::Placing::movable);
        DrawMathText();
    }
    JYOU = 0;
    AINP_labelDy = 0;
    t0000 = 1;
    GGX = 1;
    Rt().setDrawWidth(pen);
}

void Engine::TraceCurve() {
    constexpr int kSteps = 5000;
    const int kind = whole(Y_kind);
    const bool awayFromZero = kind == 1 || kind == 2;
    const Num a = AA_coef, b = AAA;
    auto f = [&](Num x) -> Num {
        if (kind == 1) return a / x;
        if (kind == 2) return a * x * x;
        return a * x + b;
    };
    const Num step = (YJ1 - XJ1) / kSteps;
    Num x = XJ1;
    if (awayFromZero && x == 0) x = 0.002f;
    Num y = f(x);
    const int colour = whole(TKAI2);
    TRACE_HIT = 0;
    for (int i = 0; i <= kSteps; ++i) {
        const Num sx = TATE + NAKA * x / t0000;
        const Num sy = t0001 - NAKA * y / GGX;
        if (ZX <= sy && sy <= GX3) {
            Rt().circle(sx, sy, 1, colour, 0, 0, true, -1);
            DSM1 = sx;
            DSM2 = sy;
            TRACE_HIT = -1;
        }
        x += step;
        if (awayFromZero && x == 0) x += step;
        y = f(x);
    }
}

void Engine::DrawVerticalLine() {
    const int pen = Rt().drawWidth();
    Rt().setDrawWidth(5);
    // B4 and X_yTop are grid counts already (DrawAxes divided them by GGX).
    const Num x = TATE + NAKA * R1B_rhs;
    Rt().line(x, t0001 - NAKA * B4, x, t0001 - NAKA * X_yTop, whole(TKAI2));
    Rt().setDrawWidth(pen);
    DSM1 = x + 10;
    DSM2 = t0001 - NAKA * X_yTop;
}

}  // namespace lesson
