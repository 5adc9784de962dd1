// SPDX-License-Identifier: GPL-3.0-or-later
// Fractions as maths text, text clean-up, and the number and sign utilities.
#include "fractions.h"

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

GcdLcmResult GcdLcm(Num a, Num b) {
    if (a == 0 && b == 0) raiseError(kDivisionByZero);
    const Num product = a * b;
    // Euclid on single-precision values; values that are not whole may never
    // leave a remainder of exactly 0, so give up after a generous bound.
    for (int step = 0; b != 0; ++step) {
        if (step > 1000 || !std::isfinite(a) || !std::isfinite(b)) raiseError(kIllegalFunctionCall);
        a = a - b * Int(a / b);
        std::swap(a, b);
    }
    return {.gcd = a, .lcm = product / a};
}

FormattedFraction FormatFraction(Num givenNum, Num givenDen) {
    FormattedFraction f;
    f.sign = givenNum * givenDen < 0 ? -1 : 1;
    if (givenDen == 0) {
        f.kind = FractionCase::zeroDenominator;
        f.num = givenNum;
        f.den = givenDen;
    } else if (givenDen == 1) {
        f.kind = FractionCase::whole;
        f.num = givenNum;
        f.den = 1;
    } else {
        const Num num = std::fabs(givenNum);
        const Num den = std::fabs(givenDen);
        const Num gcd = GcdLcm(num, den).gcd;
        f.num = f.sign * num / gcd;
        f.den = den / gcd;
        if (f.num == 0 || f.den == 1)
            f.kind = FractionCase::whole;
        else if (f.den == givenDen && f.sign == 1)
            f.kind = FractionCase::asGiven;
        else
            f.kind = FractionCase::reduced;
    }

    const std::string givenNumText = numberText(givenNum);
    const std::string givenDenText = numberText(givenDen);
    const std::string d = numberText(f.den);
    std::string n = numberText(f.num);
    f.given = "ﾀ" + givenNumText + "/" + givenDenText + "ﾀ";
    if (!n.empty() && n[0] == '-') n.erase(0, 1);
    f.plusSign = f.sign == 1 ? "+" : "";

    const bool positive = f.sign == 1;
    switch (f.kind) {
        case FractionCase::zeroDenominator:
            f.text = f.given;
            f.signedText = (positive ? "+" : "") + f.given;
            break;
        case FractionCase::whole:
            f.text = positive ? n : "-" + n;
            f.signedText = positive ? "+" + n : f.text;
            break;
        case FractionCase::reduced:
            f.text = (positive ? "ﾀ" : "-ﾀ") + n + "/" + d + "ﾀ";
            f.signedText = positive ? "+" + f.text : f.text;
            break;
        case FractionCase::asGiven:
            f.text = "ﾀ" + givenNumText + "/" + givenDenText + "ﾀ";
            f.signedText = "+" + f.text;
            break;
    }
    if (f.kind == FractionCase::asGiven || f.kind == FractionCase::zeroDenominator) {
        f.working = f.text;
        f.signedWorking = f.signedText;
    } else {
        f.working = f.given + "=" + f.text;
        f.signedWorking = f.plusSign + f.given + "=" + f.signedText;
    }
    f.plainText = StripMarkup(f.text);
    f.plainSigned = StripMarkup(f.signedText);
    return f;
}

FractionSum FormatFractionSum(Num num1, Num den1, Num num2, Num den2) {
    if (den1 == 0 || den2 == 0) raiseError(kDivisionByZero);
    // A negative denominator hands its sign to the numerator (0 - keeps a 0
    // numerator from becoming -0): the common denominator must be positive,
    // or the numerators over it come out with the wrong signs.
    if (den1 < 0) {
        num1 = 0 - num1;
        den1 = -den1;
    }
    if (den2 < 0) {
        num2 = 0 - num2;
        den2 = -den2;
    }
    FractionSum s;
    if (den1 == 1 && den2 == 1) {
        s.den = 1;
        s.num1 = num1;
        s.num2 = num2;
    } else if (den1 == 1) {
        s.den = den2;
        s.num1 = num1 * den2;
        s.num2 = num2;
    } else if (den2 == 1) {
        s.den = den1;
        s.num1 = num1;
        s.num2 = num2 * den1;
    } else {
        const GcdLcmResult common = GcdLcm(std::fabs(den1), std::fabs(den2));
        s.den = common.lcm;
        s.num1 = num1 * den2 / common.gcd;
        s.num2 = num2 * den1 / common.gcd;
    }
    s.sum = s.num1 + s.num2;

    std::string first = numberText(std::fabs(s.num1));
    const std::string den = numberText(s.den);
    std::string second = numberText(std::fabs(s.num2));
    const std::string sum = numberText(std::fabs(s.sum));
    const std::string firstUnsigned = first, secondUnsigned = second;

    // A numerator of 0 is written like a positive one: a fraction never reads -0.
    if (num1 >= 0) {
        s.first = "ﾀ" + first + "/" + den + "ﾀ";
        s.firstSigned = "+" + s.first;
    } else {
        s.first = "-ﾀ" + first + "/" + den + "ﾀ";
        s.firstSigned = s.first;
    }
    if (num2 >= 0) {
        s.second = "ﾀ" + second + "/" + den + "ﾀ";
        s.secondSigned = "+" + s.second;
    } else {
        s.second = "-ﾀ" + second + "/" + den + "ﾀ";
        s.secondSigned = s.second;
    }
    if (num1 < 0) first = "-" + first;
    second = (num2 < 0 ? "-" : "+") + second;
    if (s.sum >= 0) {
        s.total = "ﾀ" + sum + "/" + den + "ﾀ";
        s.totalSigned = "+" + s.total;
    } else {
        s.total = "-ﾀ" + sum + "/" + den + "ﾀ";
        s.totalSigned = s.total;
    }
    s.overOneBar = "ﾀ" + first + second + "/" + den + "ﾀ";
    s.added = s.first + s.secondSigned;
    s.firstUnsigned = "ﾀ" + firstUnsigned + "/" + den + "ﾀ";
    s.secondUnsigned = "ﾀ" + secondUnsigned + "/" + den + "ﾀ";
    return s;
}

std::string RemoveSpaces(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

std::string StripMarkup(std::string_view text) {
    std::string out(text);
    for (const char* mark : {"^", "ﾝ", "ﾀ", "="})
        while (int at = rt::kinstr(out, mark)) out = rt::kleft(out, at - 1) + rt::kmid(out, at + 1);
    return out;
}

SquareRoot SimplifySquareRoot(Num radicand) {
    // Below 1 the search for square factors would never end.
    if (!(radicand >= 1) || !std::isfinite(radicand)) raiseError(kIllegalFunctionCall);
    SquareRoot r;
    r.factor = 1;
    r.given = radicand;
    r.radicand = radicand;
    for (long trial = 2; trial <= 200;) {
        const long whole = std::lround(r.radicand);
        if (whole % (trial * trial) != 0) {
            ++trial;
            continue;
        }
        r.factor *= static_cast<Num>(trial);
        r.radicand = r.radicand / static_cast<Num>(trial * trial);
        trial = 2;
    }
    const std::string root = r.radicand == 1 ? "" : "!" + numberText(r.radicand);
    r.factorText = r.radicand == 1 && r.factor == 1 ? "1" : r.factor == 1 ? "" : numberText(r.factor);
    r.text = r.factorText + root + "ﾝ";
    r.working = r.radicand == r.given ? "" : "!" + numberText(r.given) + "ﾝ=";
    r.rootText = root + "ﾝ";
    return r;
}

std::string FlipLeadingSign(std::string_view text) {
    if (text.empty()) return {};
    if (text[0] == '-') return "+" + std::string(text.substr(1));
    if (text[0] == '+') return "-" + std::string(text.substr(1));
    return "-" + std::string(text);
}

std::string StripLeadingPlus(std::string_view text) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    return std::string(text);
}

std::string StripLeadingMinus(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    return std::string(text);
}

std::string BracketNegative(std::string_view text) {
    if (rt::binstr(text, "-") != 0) return "(" + std::string(text) + ")";
    return std::string(text);
}

Divisors ListDivisors(Num n) {
    n = std::fabs(n);
    // Past 2^24 a single-precision counter stops counting.
    if (!(n <= 16777216.0f)) raiseError(kOverflow);
    Divisors d;
    Num count = 0;
    const Num bound = n;
    for (Num a = 1;; a += 1) {
        const Num q = n / a;
        if (q - Int(q) == 0) {
            count += 1;
            d.pairs.push_back({.divisor = a, .cofactor = q});
        }
        if (a + 1 > bound) break;
    }
    d.halfCount = std::nearbyint(count / 2);
    return d;
}

}  // namespace lesson
