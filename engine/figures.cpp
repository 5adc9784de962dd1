// SPDX-License-Identifier: GPL-3.0-or-later
// Figures: graph paper, polygons with vertex labels, two lines' intersection,
// braces and elimination columns, arrows and slope triangles, and the spare
// geometry and number routines.
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "engine.h"
#include "figure_helpers.h"
#include "runtime/text.h"

namespace lesson {

using fig::bareNumber;
using fig::countedLoop;
using fig::whole;

namespace {

char32_t firstCodePoint(const std::string& s) {
    if (s.empty()) return 0;
    const auto u = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = u(0);
    if (b < 0x80) return b;
    if ((b & 0xE0) == 0xC0 && s.size() >= 2) return ((b & 0x1F) << 6) | (u(1) & 0x3F);
    if ((b & 0xF0) == 0xE0 && s.size() >= 3) return ((b & 0x0F) << 12) | ((u(1) & 0x3F) << 6) | (u(2) & 0x3F);
    if (s.size() >= 4)
        return ((b & 0x07) << 18) | ((u(1) & 0x3F) << 12) | ((u(2) & 0x3F) << 6) | (u(3) & 0x3F);
    return b;
}

}  // namespace

void Engine::DrawGrid() {
    const int pen = Rt().drawWidth();
    HI = A41;
    ZX = I_top;
    GY1 = HI + NAKA * ZX1;
    GX3 = ZX + NAKA * X8;
    TATE = HI;
    t0001 = GX3;
    if (NO == 15) {
        Rt().setDrawWidth(pen);
        return;
    }
    TKAI2 = 14;
    auto style = [&](Num j) {
        if (std::fmod(j, 5.0f) == 0) {
            Rt().setDrawWidth(3);
            return whole(TKAI2);
        }
        Rt().setDrawWidth(1);
        return whole(NO);
    };
    countedLoop(0, ZX1, 1, [&](Num j) {
        const int c = style(j);
        const Num x = HI + NAKA * j;
        Rt().line(x, ZX, x, GX3, c);
    });
    countedLoop(0, X8, 1, [&](Num j) {
        const int c = style(j);
        const Num y = GX3 - NAKA * j;
        Rt().line(HI, y, GY1, y, c);
    });
    Rt().setDrawWidth(pen);
}

void Engine::DrawPolygon() {
    const int pen = Rt().drawWidth();
    const Num count = t0006;
    countedLoop(1, count, 1, [&](Num k) {
        const Num next = k == count ? 1 : k + 1;
        Rt().setDrawWidth(whole(NAGASA));
        Rt().line(R1A(k, 1), R1A(k, 2), R1A(next, 1), R1A(next, 2), whole(NO));
    });
    P1 = P;
    if (IB8_s == "1")
        LabelVerticesByName();
    else if (!IB8_s.empty())
        LabelVerticesByLetter();
    IB8_s.clear();
    Rt().setDrawWidth(pen);
}

namespace {

// Vertex k's label sits on the bisector of the turn from the ray to the
// vertex after next round to the ray to the next vertex.
template <class Label>
void labelVertices(Engine& e, Label labelOf) {
    const Num count = e.t0006;
    countedLoop(1, count, 1, [&](Num k) {
        Num k1 = k + 1, k2 = k + 2;
        if (k1 > count) k1 -= count;
        if (k2 > count) k2 -= count;
        e.P2 = e.R1A(k, 1);
        e.BB = e.R1A(k, 2);
        e.ZY0 = e.R1A(k1, 1);
        e.A21 = e.R1A(k1, 2);
        e.FMAESU = e.R1A(k2, 1);
        e.KAKKO1 = e.R1A(k2, 2);
        e.BAIY = -1;
        e.P = e.P1;
        e.IB8_s = labelOf(k);
        e.DrawAngleLabel();
    });
}

}  // namespace

void Engine::LabelVerticesByLetter() {
    const char32_t first = firstCodePoint(IB8_s);
    labelVertices(*this,
                  [&](Num k) { return rt::codePointText(first + static_cast<char32_t>(whole(k)) - 1); });
}

void Engine::LabelVerticesByName() {
    labelVertices(*this, [&](Num k) { return X_s(k); });
}

void Engine::IntersectLines() {
    MEET = 0;
    VERT1 = 0;
    VERT2 = 0;
    if (CX == BX) {
        LT1 = 0;
        GY2 = BX;
    } else if (YA == TAKASA) {
        LT1 = 1000;
        VERT1 = -1;
        AY1 = TAKASA;
    } else {
        LT1 = (CX - BX) / (YA - TAKASA);
        GY2 = BX - LT1 * TAKASA;
    }
    if (HYOUJI == AAAX) {
        B1_slope2 = 0;
        TBSI = HYOUJI;
    } else if (CCC0 == CY) {
        B1_slope2 = 1000;
        VERT2 = -1;
        AY1 = CCC0;
    } else {
        B1_slope2 = (AAAX - HYOUJI) / (CY - CCC0);
        TBSI = HYOUJI - B1_slope2 * CCC0;
    }
    // Parallel lines (two verticals included) have no single intersection;
    // the flags, not a slope of 1000, tell a vertical line.
    if (VERT1 != 0 && VERT2 != 0) return;
    if (VERT1 == 0 && VERT2 == 0 && LT1 == B1_slope2) return;
    if (VERT1 != 0) {
        BY1 = B1_slope2 * AY1 + TBSI;
    } else if (VERT2 != 0) {
        BY1 = LT1 * AY1 + GY2;
    } else {
        const Num d = B1_slope2 - LT1;
        AY1 = -(TBSI - GY2) / d;
        BY1 = (-LT1 * (TBSI - GY2) + d * GY2) / d;
    }
    MEET = -1;
}

void Engine::MarkPerpendicularFoot() {
    if (YA == TAKASA) {
        DY = TAKASA;
        Y22 = HYOUJI;
    } else if (CX == BX) {
        DY = CCC0;
        Y22 = BX;
    } else {
        // Kept apart from the plane's ranges, which share these names.
        const Num m = (CX - BX) / (YA - TAKASA);
        const Num b = BX - m * TAKASA;
        const Num m2 = -1 / m;
        const Num b2 = HYOUJI - m2 * CCC0;
        DY = -(b - b2) / (m - m2);
        Y22 = (m * b2 - m2 * b) / (m - m2);
    }
    Rt().circle(DY, Y22, 2, 15, 0, 0, true, -1);
}

void Engine::DrawBrace() {
    const int pen = Rt().drawWidth();
    Rt().setDrawWidth(5);
    const Num x = DSM1, y = DSM2;
    const Num top = y + 5, bottom = y + TANI - 10, middle = (top + bottom) / 2;
    const rt::Point pts[] = {{x + 35, top},   {x + 23, top + 3},    {x + 23, middle - 7},
                             {x + 8, middle}, {x + 23, middle + 7}, {x + 23, bottom - 3},
                             {x + 35, bottom}};
    Rt().connect(whole(YMOTO), pts);
    Rt().setDrawWidth(pen);
}

Engine::ColumnsLayout Engine::DrawEliminationColumns(const EliminationColumns& c) {
    fig::PenScope pen(Rt());
    const Num x = c.at.x, y = c.at.y, r = c.rowHeight;
    YMOTO = c.textColour;
    A_s = c.upper;
    MeasureMathText();
    Num w = BAI;
    A_s = c.lower;
    MeasureMathText();
    if (BAI > w) w = BAI;

    DSM1 = x + 54;
    DSM2 = y;
    KKAI_s = c.upper;
    DrawMathText();
    const Num room = c.signRoom;
    DSM1 = x;
    DSM2 = y + r + room + 6;
    KKAI_s = c.op;
    DrawMathText();
    KKAI_s.assign(1, ')');
    DrawMathText();
    DSM1 = x + 54;
    DSM2 = y + r + room;
    KKAI_s = c.lower;
    DrawMathText();

    Rt().setDrawWidth(3);
    Rt().line(x + 27, y + 2 * r + room, x + 27 + w + 30, y + 2 * r + room, whole(c.ruleColour));
    return {.lowerRow = y + r + room, .column = x + 54};
}

void Engine::DrawArrow() {
    auto pass = [&] {
        std::swap(XI0, P2);
        std::swap(SITA, BB);
        if (IROIRO == -1) {
            std::swap(XI0, P2);
            std::swap(SITA, BB);
        }
        // Now (XI0, SITA) is the tail and (P2, BB) the head.
        const int c = whole(NO);
        Rt().line(XI0, SITA, P2, BB, c);
        const Num dx = P2 - XI0, dy = BB - SITA;
        const Num len = std::sqrt(dx * dx + dy * dy);
        if (len == 0 || !std::isfinite(len)) return;  // no direction, no head
        const Num ux = dx / len, uy = dy / len;
        const Num qx = P2 - P * ux, qy = BB - P * uy;
        const Num half = P / 2;
        Rt().line(qx - half * uy, qy + half * ux, P2, BB, c);
        Rt().line(qx + half * uy, qy - half * ux, P2, BB, c);
    };
    pass();
    if (UE == 2) {
        UE = 0;
        std::swap(XI0, P2);
        std::swap(SITA, BB);
        pass();
    }
    IROIRO = 0;
}

void Engine::DrawIncreaseArrows() {
    if (GY3 < ZY) {
        std::swap(ZY, GY3);
        std::swap(AA1, HIDARI);
    }
    Rt().setDrawWidth(4);
    P2 = ZY;
    BB = AA1;
    XI0 = GY3;
    SITA = AA1;
    IROIRO = 1;
    NO = 7;
    P = 16;
    DrawArrow();
    P2 = GY3;
    BB = AA1;
    XI0 = GY3;
    SITA = HIDARI;
    IROIRO = 1;
    NO = 3;
    P = 16;
    DrawArrow();

    const Num run = NAKA != 0 ? (GY3 - ZY) / NAKA : 0;
    const Num rise = NAKA != 0 ? (AA1 - HIDARI) / NAKA : 0;
    BB2_s = bareNumber(run);
    R1B1_s = bareNumber(rise);
    if (R1B1_s.starts_with("."))
        R1B1_s = "0" + R1B1_s;
    else if (R1B1_s.starts_with("-."))
        R1B1_s = "-0" + R1B1_s.substr(1);

    if (rt::kleft(HENK3_s, 1) == "y") LabelRun();
    if (rt::kmid(HENK3_s, 2, 1) == "y") LabelRise();
}

// On a plane the run and rise stand on a ground, clear of the arrows, points
// and texts they would meet.
void Engine::LabelRun() {
    YMOTO = 7;
    DSM1 = (ZY + GY3) / 2 - 14;
    DSM2 = HIDARI < AA1 ? AA1 - 44 : AA1;
    KKAI_s = BB2_s;
    std::optional<rt::HaloScope> halo;
    if (InsidePlane(DSM1, DSM2)) halo.emplace(Rt(), rt::Placing::movable);
    DrawMathText();
}

void Engine::LabelRise() {
    YMOTO = 3;
    DSM1 = GY3;
    DSM2 = (AA1 + HIDARI) / 2 - 16;
    KKAI_s = R1B1_s;
    std::optional<rt::HaloScope> halo;
    if (InsidePlane(DSM1, DSM2)) halo.emplace(Rt(), rt::Placing::movable);
    DrawMathText();
}

void Engine::FindLineBoundPoint() {
    const bool atY = CCC0 < 0;
    const bool atX = HYOUJI < 0;
    if (CX == BX) {
        // Horizontal (or both points equal): every x lies on it at y = BX.
        ENZAN = 0;
        B_intercept = BX;
        if (atX) {
            DS1 = CCC0;
            HENKA = BX;
        } else if (atY) {
            DS1 = TAKASA;
            HENKA = BX;
        }
        return;
    }
    if (YA == TAKASA) {
        // Vertical: it has no slope; every y lies on it at x = TAKASA.
        if (atX) {
            DS1 = TAKASA;
            HENKA = BX;
        } else if (atY) {
            DS1 = TAKASA;
            HENKA = HYOUJI;
        }
        return;
    }
    ENZAN = (CX - BX) / (YA - TAKASA);
    B_intercept = BX - ENZAN * TAKASA;
    if (atY) {
        DS1 = (HYOUJI - B_intercept) / ENZAN;
        HENKA = HYOUJI;
    }
    if (atX) {
        DS1 = CCC0;
        HENKA = ENZAN * CCC0 + B_intercept;
    }
}

void Engine::FactorWithPrimes() {
    for (int row = 1; row <= 10; ++row) {
        R1A(row, 1) = 0;
        R1A(row, 2) = 0;
    }
    static constexpr Num kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int i = 0; i < 10; ++i) Y7(i + 1) = kPrimes[i];
    TX = std::fabs(TX);
    const Num kept = TX;
    // 0 is divisible by every prime: it has no factors, and the loop would
    // not end.
    if (TX == 0 || !std::isfinite(TX)) {
        KASANARI = 0;
        R1A(10, 1) = TX;
        R1A(10, 2) = 1;
        return;
    }
    int k = 1;
    for (int i = 1; i < 10;) {
        const Num p = Y7(i);
        const Num whole_tx = Int(TX);
        if (whole_tx != 0 && std::fmod(whole_tx, p) == 0) {
            R1A(k, 1) = p;
            R1A(k, 2) = R1A(k, 2) + 1;
            TX = TX / p;
            continue;
        }
        if (R1A(k, 1) != 0) ++k;
        ++i;
    }
    KASANARI = static_cast<Num>(k - 1);
    R1A(10, 1) = TX;
    R1A(10, 2) = 1;
    TX = kept;
}

void Engine::TurnArrowHead() {
    const Num sx = P2, sy = BB;
    const Num h = std::sqrt((ZY0 - sx) * (ZY0 - sx) + (A21 - sy) * (A21 - sy)) / 2;
    GetDirectionAngle();
    const Num alpha = NAGASA1;
    const Num t = KAKUDO * AX / 180;
    ZY0 = sx + h + h * std::cos(t);
    A21 = sy - Y_3 * std::sin(t);
    GetDirectionAngle();
    const Num beta = NAGASA1;
    const Num d = std::sqrt((ZY0 - sx) * (ZY0 - sx) + (A21 - sy) * (A21 - sy));
    XI0 = sx + d * std::cos(alpha + beta);
    SITA = sy - d * std::sin(alpha + beta);
}

}  // namespace lesson
