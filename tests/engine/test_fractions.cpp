// SPDX-License-Identifier: GPL-3.0-or-later
// Fraction texts, text clean-up, and the number and sign utilities.
#include <gtest/gtest.h>

#include <string>

#include "engine/fractions.h"
#include "headless_fixture.h"

namespace {

using lesson::FractionCase;
using lesson::testing::Headless;

TEST(FormatFraction, WorkedResults) {
    struct Case {
        float num, den;
        FractionCase kind;
        float sign, reducedNum, reducedDen;
        const char *text, *signedText, *working, *signedWorking, *given, *plain, *plainSigned;
    } cases[] = {
        {6, 4, FractionCase::reduced, 1, 3, 2, "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ6/4ﾀ=ﾀ3/2ﾀ", "+ﾀ6/4ﾀ=+ﾀ3/2ﾀ", "ﾀ6/4ﾀ",
         "3/2", "+3/2"},
        {-3, 9, FractionCase::reduced, -1, -1, 3, "-ﾀ1/3ﾀ", "-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ",
         "ﾀ-3/9ﾀ", "-1/3", "-1/3"},
        {3, -9, FractionCase::reduced, -1, -1, 3, "-ﾀ1/3ﾀ", "-ﾀ1/3ﾀ", "ﾀ3/-9ﾀ=-ﾀ1/3ﾀ", "ﾀ3/-9ﾀ=-ﾀ1/3ﾀ",
         "ﾀ3/-9ﾀ", "-1/3", "-1/3"},
        {-3, -9, FractionCase::reduced, 1, 1, 3, "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ-3/-9ﾀ=ﾀ1/3ﾀ", "+ﾀ-3/-9ﾀ=+ﾀ1/3ﾀ",
         "ﾀ-3/-9ﾀ", "1/3", "+1/3"},
        {-2, 3, FractionCase::reduced, -1, -2, 3, "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ-2/3ﾀ=-ﾀ2/3ﾀ", "ﾀ-2/3ﾀ=-ﾀ2/3ﾀ",
         "ﾀ-2/3ﾀ", "-2/3", "-2/3"},
        {2, 3, FractionCase::asGiven, 1, 2, 3, "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "2/3", "+2/3"},
        {8, 4, FractionCase::whole, 1, 2, 1, "2", "+2", "ﾀ8/4ﾀ=2", "+ﾀ8/4ﾀ=+2", "ﾀ8/4ﾀ", "2", "+2"},
        {6, -3, FractionCase::whole, -1, -2, 1, "-2", "-2", "ﾀ6/-3ﾀ=-2", "ﾀ6/-3ﾀ=-2", "ﾀ6/-3ﾀ", "-2", "-2"},
        {-3, 1, FractionCase::whole, -1, -3, 1, "-3", "-3", "ﾀ-3/1ﾀ=-3", "ﾀ-3/1ﾀ=-3", "ﾀ-3/1ﾀ", "-3", "-3"},
        {0, 5, FractionCase::whole, 1, 0, 1, "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "ﾀ0/5ﾀ", "0", "+0"},
        {7, 7, FractionCase::whole, 1, 1, 1, "1", "+1", "ﾀ7/7ﾀ=1", "+ﾀ7/7ﾀ=+1", "ﾀ7/7ﾀ", "1", "+1"},
        {5, -1, FractionCase::whole, -1, -5, 1, "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ", "-5", "-5"},
        // No value: every text shows the fraction as given.
        {5, 0, FractionCase::zeroDenominator, 1, 5, 0, "ﾀ5/0ﾀ", "+ﾀ5/0ﾀ", "ﾀ5/0ﾀ", "+ﾀ5/0ﾀ", "ﾀ5/0ﾀ", "5/0",
         "+5/0"},
    };
    for (const Case& c : cases) {
        const lesson::FormattedFraction f = lesson::FormatFraction(c.num, c.den);
        std::string given = std::to_string(int(c.num)) + "/" + std::to_string(int(c.den));
        EXPECT_EQ(f.kind, c.kind) << given;
        EXPECT_EQ(f.sign, c.sign) << given;
        EXPECT_EQ(f.plusSign, c.sign == 1 ? "+" : "") << given;
        EXPECT_EQ(f.num, c.reducedNum) << given;
        EXPECT_EQ(f.den, c.reducedDen) << given;
        EXPECT_EQ(f.text, c.text) << given;
        EXPECT_EQ(f.signedText, c.signedText) << given;
        EXPECT_EQ(f.working, c.working) << given;
        EXPECT_EQ(f.signedWorking, c.signedWorking) << given;
        EXPECT_EQ(f.given, c.given) << given;
        EXPECT_EQ(f.plainText, c.plain) << given;
        EXPECT_EQ(f.plainSigned, c.plainSigned) << given;
    }
}

TEST(GcdLcm, SignsFollowTheRemainders) {
    struct Case {
        float a, b, gcd, lcm;
    } cases[] = {{12, 18, 6, 36},   {18, 12, 6, 36}, {-4, 6, 2, -12},   {4, -6, -2, 12},
                 {-4, -6, -2, -12}, {5, 0, 5, 0},    {0.5f, 2, 0.5f, 2}};
    for (const Case& c : cases) {
        const lesson::GcdLcmResult r = lesson::GcdLcm(c.a, c.b);
        EXPECT_EQ(r.gcd, c.gcd) << c.a << "," << c.b;
        EXPECT_EQ(r.lcm, c.lcm) << c.a << "," << c.b;
    }
}

TEST(GcdLcm, BothZeroEndsInTheErrorHandler) {
    Headless h;
    int status = h.run([](lesson::Engine&) { lesson::GcdLcm(0, 0); });
    EXPECT_EQ(status, 3);
    EXPECT_NE(h.text().find("error "), std::string::npos);
}

TEST(FormatFractionSum, CommonDenominator) {
    struct Case {
        float num1, den1, num2, den2;
        float den, first, second, sum;
        const char *firstText, *firstSigned, *secondText, *secondSigned, *total, *totalSigned, *overOneBar,
            *added, *firstUnsigned, *secondUnsigned;
    } cases[] = {
        {1, 2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3+2/6ﾀ",
         "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
        {-1, 2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ", "ﾀ-3+2/6ﾀ",
         "-ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
        {1, -2, 1, 3, 6, -3, 2, -1, "-ﾀ3/6ﾀ", "-ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ", "ﾀ-3+2/6ﾀ",
         "-ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
        // Both signs negative: the fraction is positive, and so are its numerators.
        {-1, -2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3+2/6ﾀ",
         "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
        {1, 2, -3, -1, 2, 1, 6, 7, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "ﾀ6/2ﾀ", "+ﾀ6/2ﾀ", "ﾀ7/2ﾀ", "+ﾀ7/2ﾀ", "ﾀ1+6/2ﾀ",
         "ﾀ1/2ﾀ+ﾀ6/2ﾀ", "ﾀ1/2ﾀ", "ﾀ6/2ﾀ"},
        // A numerator or a sum of 0 never reads -0.
        {0, -2, 1, 3, 6, 0, 2, 2, "ﾀ0/6ﾀ", "+ﾀ0/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ0+2/6ﾀ",
         "ﾀ0/6ﾀ+ﾀ2/6ﾀ", "ﾀ0/6ﾀ", "ﾀ2/6ﾀ"},
        {1, 2, -1, 2, 2, 1, -1, 0, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ0/2ﾀ", "+ﾀ0/2ﾀ", "ﾀ1-1/2ﾀ",
         "ﾀ1/2ﾀ-ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "ﾀ1/2ﾀ"},
        // A whole number is over the other's denominator.
        {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ", "ﾀ6+1/3ﾀ",
         "ﾀ6/3ﾀ+ﾀ1/3ﾀ", "ﾀ6/3ﾀ", "ﾀ1/3ﾀ"},
    };
    for (const Case& c : cases) {
        const lesson::FractionSum s = lesson::FormatFractionSum(c.num1, c.den1, c.num2, c.den2);
        const std::string given = std::to_string(c.num1) + "/" + std::to_string(c.den1) + "+" +
                                  std::to_string(c.num2) + "/" + std::to_string(c.den2);
        EXPECT_EQ(s.den, c.den) << given;
        EXPECT_EQ(s.num1, c.first) << given;
        EXPECT_EQ(s.num2, c.second) << given;
        EXPECT_EQ(s.sum, c.sum) << given;
        EXPECT_EQ(s.first, c.firstText) << given;
        EXPECT_EQ(s.firstSigned, c.firstSigned) << given;
        EXPECT_EQ(s.second, c.secondText) << given;
        EXPECT_EQ(s.secondSigned, c.secondSigned) << given;
        EXPECT_EQ(s.total, c.total) << given;
        EXPECT_EQ(s.totalSigned, c.totalSigned) << given;
        EXPECT_EQ(s.overOneBar, c.overOneBar) << given;
        EXPECT_EQ(s.added, c.added) << given;
        EXPECT_EQ(s.firstUnsigned, c.firstUnsigned) << given;
        EXPECT_EQ(s.secondUnsigned, c.secondUnsigned) << given;
    }
}

TEST(FormatFractionSum, ZeroDenominatorEndsInTheErrorHandler) {
    for (auto [den1, den2] : {std::pair{0.0f, 3.0f}, std::pair{2.0f, 0.0f}}) {
        Headless h;
        EXPECT_EQ(h.run([&](lesson::Engine&) { lesson::FormatFractionSum(1, den1, 1, den2); }), 3);
    }
}

TEST(TextCleanUp, RemoveSpacesAndStripMarkup) {
    const std::pair<const char*, const char*> spaces[] = {
        {"", ""}, {"   ", ""}, {" -3", "-3"}, {"1　2 3", "1　23"}};
    for (auto [in, out] : spaces) EXPECT_EQ(lesson::RemoveSpaces(in), out) << in;
    const std::pair<const char*, const char*> marks[] = {
        {"-ﾀ1/3ﾀ", "-1/3"}, {"+ﾀ6/4ﾀ=+ﾀ3/2ﾀ", "+6/4+3/2"}, {"ﾀﾀ12ﾀ", "12"}, {"x^2ﾝ", "x2"}, {"abc", "abc"}};
    for (auto [in, out] : marks) EXPECT_EQ(lesson::StripMarkup(in), out) << in;
}

TEST(SquareRoot, TakesOutSquareFactors) {
    struct Case {
        float given, factor, left;
        const char *factorText, *whole, *before, *rest;
    } cases[] = {
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
        {3, 1, 3, "", "!3ﾝ", "", "!3ﾝ"},
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
        {16, 4, 1, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
        {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {200, 10, 2, "10", "10!2ﾝ", "!200ﾝ=", "!2ﾝ"},
        {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},
        {40401, 201, 1, "201", "201ﾝ", "!40401ﾝ=", "ﾝ"},
    };
    for (const Case& c : cases) {
        const lesson::SquareRoot r = lesson::SimplifySquareRoot(c.given);
        EXPECT_EQ(r.given, c.given) << c.given;
        EXPECT_EQ(r.factor, c.factor) << c.given;
        EXPECT_EQ(r.radicand, c.left) << c.given;
        EXPECT_EQ(r.factorText, c.factorText) << c.given;
        EXPECT_EQ(r.text, c.whole) << c.given;
        EXPECT_EQ(r.working, c.before) << c.given;
        EXPECT_EQ(r.rootText, c.rest) << c.given;
    }
}

TEST(SquareRoot, RadicandBelowOneEndsInTheErrorHandler) {
    Headless h;
    EXPECT_EQ(h.run([](lesson::Engine&) { lesson::SimplifySquareRoot(0); }), 3);
}

TEST(SignRoutines, Table) {
    struct Case {
        std::string (*routine)(std::string_view);
        const char *in, *out;
    } cases[] = {
        {&lesson::FlipLeadingSign, "-", "+"},         {&lesson::FlipLeadingSign, "+", "-"},
        {&lesson::FlipLeadingSign, "3x", "-3x"},      {&lesson::FlipLeadingSign, "", ""},
        {&lesson::StripLeadingPlus, "+", ""},         {&lesson::StripLeadingPlus, "-2", "-2"},
        {&lesson::StripLeadingMinus, "+2", "2"},      {&lesson::StripLeadingMinus, "-2", "2"},
        {&lesson::BracketNegative, "2x-3", "(2x-3)"}, {&lesson::BracketNegative, "23", "23"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.routine(c.in), c.out) << c.in;
}

TEST(ListDivisors, PairsMultiplyToTheNumber) {
    const lesson::Divisors d = lesson::ListDivisors(-12);
    ASSERT_EQ(d.pairs.size(), 6u);
    EXPECT_EQ(d.halfCount, 3);
    const float up[] = {1, 2, 3, 4, 6, 12};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(d.pairs[i].divisor, up[i]);
        EXPECT_EQ(d.pairs[i].cofactor, up[5 - i]);
    }
    const lesson::Divisors zero = lesson::ListDivisors(0);
    ASSERT_EQ(zero.pairs.size(), 1u);
    EXPECT_EQ(zero.pairs[0].divisor, 1);
    EXPECT_EQ(zero.pairs[0].cofactor, 0);
}

TEST(ListDivisors, ListsEveryDivisorOfANumberWithMany) {
    const lesson::Divisors d = lesson::ListDivisors(2520);  // 48 divisors
    ASSERT_EQ(d.pairs.size(), 48u);
    EXPECT_EQ(d.halfCount, 24);
    for (const lesson::DivisorPair& p : d.pairs) EXPECT_EQ(p.divisor * p.cofactor, 2520) << p.divisor;
}

TEST(ListDivisors, PastTwoToTheTwentyFourthEndsInTheErrorHandler) {
    Headless h;
    EXPECT_EQ(h.run([](lesson::Engine&) { lesson::ListDivisors(16777218.0f); }), 3);
}

}  // namespace
