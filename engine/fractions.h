// SPDX-License-Identifier: GPL-3.0-or-later
// Fractions as maths text, text clean-up, and the number and sign utilities.
// None of them needs the engine: each takes its values and returns what it made.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "basic.h"

namespace lesson {

// Euclid's remainders decide the signs: gcd(-4, 6) is 2 and the lcm -12, gcd(4, -6) is -2.
// Both 0 is a division by zero; values that never leave a remainder of 0 are an illegal call.
struct GcdLcmResult {
    Num gcd = 0;
    Num lcm = 0;
};
GcdLcmResult GcdLcm(Num a, Num b);

// How FormatFraction wrote a fraction.
enum class FractionCase {
    zeroDenominator,  // no value: every text shows the fraction as given
    whole,            // a whole number (also any numerator 0)
    reduced,          // reduced, or its sign moved in front
    asGiven,          // already in lowest terms with a positive denominator
};

// num/den in lowest terms, and its texts in maths-text mark-up.
struct FormattedFraction {
    Num num = 0;  // reduced numerator, signed; as given when den is 0 or 1
    Num den = 0;  // reduced denominator, positive; as given when it is 0 or 1
    FractionCase kind = FractionCase::zeroDenominator;
    Num sign = 1;               // of the value: -1 or 1
    std::string plusSign;       // "+" for a value that is not negative, else ""
    std::string given;          // the fraction as given, "ﾀ6/4ﾀ"
    std::string text;           // the reduced value, "ﾀ3/2ﾀ", "-2"
    std::string signedText;     // the same with an explicit sign, "+ﾀ3/2ﾀ"
    std::string working;        // as given = reduced, "ﾀ6/4ﾀ=ﾀ3/2ﾀ" (only one when they agree)
    std::string signedWorking;  // the same with explicit signs
    std::string plainText;      // text without mark-up, "3/2"
    std::string plainSigned;    // signedText without mark-up, "+3/2"
};
FormattedFraction FormatFraction(Num num, Num den);

// num1/den1 and num2/den2 over their common denominator, and their sum. A
// negative denominator moves its sign to the numerator first.
struct FractionSum {
    Num den = 0;                 // the common denominator
    Num num1 = 0, num2 = 0;      // the two numerators over it
    Num sum = 0;                 // num1 + num2
    std::string first;           // first fraction, "ﾀ3/6ﾀ", "-ﾀ3/6ﾀ"
    std::string firstSigned;     // the same with an explicit sign
    std::string second;          // second fraction
    std::string secondSigned;    // the same with an explicit sign
    std::string total;           // the sum
    std::string totalSigned;     // the same with an explicit sign
    std::string overOneBar;      // both numerators over one bar, "ﾀ3+2/6ﾀ"
    std::string added;           // the two fractions written as a sum, "ﾀ3/6ﾀ+ﾀ2/6ﾀ"
    std::string firstUnsigned;   // first fraction without its sign
    std::string secondUnsigned;  // second fraction without its sign
};
FractionSum FormatFractionSum(Num num1, Num den1, Num num2, Num den2);

// The text without its blanks (half-width ones only).
std::string RemoveSpaces(std::string_view text);
// The text without the maths-text marks ^, ﾝ, ﾀ and =.
std::string StripMarkup(std::string_view text);

// The square factors taken out of a root: √72 = 6√2.
struct SquareRoot {
    Num factor = 1;          // the factor taken out, 6
    Num radicand = 0;        // what stays under the root, 2
    Num given = 0;           // the radicand as given, 72
    std::string factorText;  // "6"; "" for 1, "1" when nothing stays under the root
    std::string text;        // the simplified root, "6!2ﾝ"
    std::string working;     // "!72ﾝ=" when anything was taken out, else ""
    std::string rootText;    // the root left without its factor, "!2ﾝ"
};
// A radicand below 1 is an illegal call: its square factors never end.
SquareRoot SimplifySquareRoot(Num radicand);

// "-x" → "+x", "+x" → "-x", "x" → "-x"; "" stays "".
std::string FlipLeadingSign(std::string_view text);
// Without a leading "+".
std::string StripLeadingPlus(std::string_view text);
// Without a leading "+" or "-".
std::string StripLeadingMinus(std::string_view text);
// In brackets when it holds a "-" anywhere.
std::string BracketNegative(std::string_view text);

// Every divisor of |n| in increasing order, each with its cofactor. 0 counts
// as having the one divisor 1 (cofactor 0); past 2^24 is an overflow.
struct DivisorPair {
    Num divisor = 0;
    Num cofactor = 0;
};
struct Divisors {
    std::vector<DivisorPair> pairs;
    Num halfCount = 0;  // pairs.size() / 2 rounded to the nearest, ties to even
};
Divisors ListDivisors(Num n);

}  // namespace lesson
