// SPDX-License-Identifier: GPL-3.0-or-later
// Fractions as maths text, text clean-up, and the number and sign utilities.
#include <cmath>

#include "engine.h"
#include "runtime/text.h"

namespace lesson {
namespace {

// A number's text without the blank the conversion puts before it.
std::string numberText(Num v) {
    std::string s = rt::str(v);
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

}  // namespace

void Engine::GcdLcm() {
    if (X == 0 && R1B == 0) raiseError(kDivisionByZero);
    Num a = X, b = R1B;
    const Num product = a * b;
    // Euclid on single-precision values; values that are not whole may never
    // leave a remainder of exactly 0, so give up after a generous bound.
    for (int step = 0; b != 0; ++step) {
        if (step > 1000 || !std::isfinite(a) || !std::isfinite(b)) raiseError(kIllegalFunctionCall);
        a = a - b * Int(a / b);
        std::swap(a, b);
    }
    TKAI = a;
    TBBOYAKY = product / TKAI;
}

void Engine::FormatFraction() {
    const Num givenDen = R1B, givenNum = X;
    DB1 = X * R1B < 0 ? -1 : 1;
    Num num, den;
    if (R1B == 0) {
        DB = 0;
        num = X;
        den = R1B;
    } else if (R1B == 1) {
        DB = 1;
        num = X;
        den = 1;
    } else {
        X = std::fabs(X);
        R1B = std::fabs(R1B);
        GcdLcm();
        num = DB1 * X / TKAI;
        den = R1B / TKAI;
        if (num == 0 || den == 1)
            DB = 1;
        else if (den == givenDen && DB1 == 1)
            DB = 3;
        else
            DB = 2;
    }
    X = num;
    R1B = den;

    const std::string givenNumText = numberText(givenNum);
    const std::string givenDenText = numberText(givenDen);
    const std::string d = numberText(R1B);
    std::string n = numberText(X);
    YY_s = "ﾀ" + givenNumText + "/" + givenDenText + "ﾀ";
    if (!n.empty() && n[0] == '-') n.erase(0, 1);
    XX_s = DB1 == 1 ? "+" : "";

    const bool positive = DB1 == 1;
    if (DB == 0) {
        // No value to reduce to: every text shows the fraction as given, so
        // nothing of an earlier call survives.
        T_s = YY_s;
        F_s = (positive ? "+" : "") + YY_s;
    } else if (DB == 1) {
        T_s = positive ? n : "-" + n;
        F_s = positive ? "+" + n : T_s;
    } else if (DB == 2) {
        T_s = (positive ? "ﾀ" : "-ﾀ") + n + "/" + d + "ﾀ";
        F_s = positive ? "+" + T_s : T_s;
    } else {
        T_s = "ﾀ" + givenNumText + "/" + givenDenText + "ﾀ";
        F_s = "+" + T_s;
    }
    if (DB == 3 || DB == 0) {
        U_s = T_s;
        DB_s = F_s;
    } else {
        U_s = YY_s + "=" + T_s;
        DB_s = XX_s + YY_s + "=" + F_s;
    }
    A_s = T_s;
    StripMarkup();
    DX_s = A_s;
    A_s = F_s;
    StripMarkup();
}

void Engine::FormatFractionSum() {
    if (A31 == 0 || LB8 == 0) raiseError(kDivisionByZero);
    if (A31 * DS_2 < 0) {
        DS_2 = -std::fabs(DS_2);
        A31 = std::fabs(A31);
    }
    if (YAK1 * LB8 < 0) {
        YAK1 = -std::fabs(YAK1);
        LB8 = std::fabs(LB8);
    }
    if (A31 == 1 && LB8 == 1) {
        R1B = 1;
        KJ2 = DS_2;
        X2 = YAK1;
    } else if (A31 == 1) {
        R1B = LB8;
        KJ2 = DS_2 * LB8;
        X2 = YAK1;
    } else if (LB8 == 1) {
        R1B = A31;
        KJ2 = DS_2;
        X2 = YAK1 * A31;
    } else {
        R1B = std::fabs(LB8);
        X = std::fabs(A31);
        FormatFraction();
        R1B = TBBOYAKY;
        KJ2 = DS_2 * LB8 / TKAI;
        X2 = YAK1 * A31 / TKAI;
    }
    X4 = KJ2 + X2;

    std::string first = numberText(std::fabs(KJ2));
    const std::string den = numberText(R1B);
    std::string second = numberText(std::fabs(X2));
    const std::string sum = numberText(std::fabs(X4));
    const std::string firstUnsigned = first, secondUnsigned = second;

    if (DS_2 > 0) {
        YY_s = "ﾀ" + first + "/" + den + "ﾀ";
        RABM_s = "+" + YY_s;
    } else {
        YY_s = "-ﾀ" + first + "/" + den + "ﾀ";
        RABM_s = YY_s;
    }
    if (YAK1 > 0) {
        T_s = "ﾀ" + second + "/" + den + "ﾀ";
        F_s = "+" + T_s;
    } else {
        T_s = "-ﾀ" + second + "/" + den + "ﾀ";
        F_s = T_s;
    }
    if (DS_2 < 0) first = "-" + first;
    second = (YAK1 < 0 ? "-" : "+") + second;
    if (X4 > 0) {
        V_s = "ﾀ" + sum + "/" + den + "ﾀ";
        DBM2_s = "+" + V_s;
    } else {
        V_s = "-ﾀ" + sum + "/" + den + "ﾀ";
        DBM2_s = V_s;
    }
    U_s = "ﾀ" + first + second + "/" + den + "ﾀ";
    // A first numerator of 0 is written without a sign, like a positive one.
    E1_s = (DS_2 < 0 ? "-ﾀ" : "ﾀ") + firstUnsigned + "/" + den + "ﾀ" + F_s;
    A4_s = "ﾀ" + firstUnsigned + "/" + den + "ﾀ";
    A5_s = "ﾀ" + secondUnsigned + "/" + den + "ﾀ";
}

void Engine::RemoveSpaces() {
    R_s.clear();
    for (char c : A_s)
        if (c != ' ') R_s += c;
    A_s = R_s;
}

void Engine::StripMarkup() {
    for (const char* mark : {"^", "ﾝ", "ﾀ", "="}) {
        while (int at = rt::kinstr(A_s, mark)) {
            const Num bytePos = static_cast<Num>(rt::binstr(A_s, mark));
            if (std::string_view(mark) == "^")
                H_2 = bytePos;
            else if (std::string_view(mark) == "ﾝ")
                ZX5 = bytePos;
            else
                ZY5 = bytePos;
            A_s = rt::kleft(A_s, at - 1) + rt::kmid(A_s, at + 1);
        }
    }
}

void Engine::SimplifySquareRoot() {
    // Below 1 the search for square factors would never end.
    if (!(TBSI1 >= 1) || !std::isfinite(TBSI1)) raiseError(kIllegalFunctionCall);
    HH4 = 1;
    ZY12 = TBSI1;
    for (long trial = 2; trial <= 200;) {
        const long radicand = std::lround(TBSI1);
        if (radicand % (trial * trial) != 0) {
            ++trial;
            continue;
        }
        HH4 *= static_cast<Num>(trial);
        TBSI1 = TBSI1 / static_cast<Num>(trial * trial);
        trial = 2;
    }
    const std::string root = TBSI1 == 1 ? "" : "!" + numberText(TBSI1);
    R1A_s = TBSI1 == 1 && HH4 == 1 ? "1" : HH4 == 1 ? "" : numberText(HH4);
    TBSIYAKY_s = R1A_s + root + "ﾝ";
    AA_A_s = TBSI1 == ZY12 ? "" : "!" + numberText(ZY12) + "ﾝ=";
    R1B_s = root + "ﾝ";
}

void Engine::FlipLeadingSign() {
    if (A_s.empty()) return;
    if (A_s[0] == '-')
        A_s = "+" + A_s.substr(1);
    else if (A_s[0] == '+')
        A_s = "-" + A_s.substr(1);
    else
        A_s = "-" + A_s;
}

void Engine::StripLeadingPlus() {
    if (!A_s.empty() && A_s[0] == '+') A_s.erase(0, 1);
}

void Engine::StripLeadingMinus() {
    if (!A_s.empty() && (A_s[0] == '+' || A_s[0] == '-')) A_s.erase(0, 1);
}

void Engine::BracketNegative() {
    H_2 = static_cast<Num>(rt::binstr(A_s, "-"));
    if (H_2 != 0) A_s = "(" + A_s + ")";
}

void Engine::ListDivisors() {
    AAAX = std::fabs(AAAX);
    // Past 2^24 a single-precision counter stops counting.
    if (!(AAAX <= 16777216.0f)) raiseError(kOverflow);
    XW = 0;
    RABM = 1;
    const Num bound = AAAX;
    for (Num a = 1;; a += 1) {
        const Num q = AAAX / a;
        if (q - Int(q) == 0) {
            XW += 1;
            GY5(XW) = a;
            t0014(XW) = q;
        }
        if (a + 1 > bound) break;
    }
    TXM = std::nearbyint(XW / 2);
}

}  // namespace lesson
