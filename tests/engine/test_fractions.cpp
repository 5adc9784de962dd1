// SPDX-License-Identifier: GPL-3.0-or-later
// Fraction texts, text clean-up, and the number and sign utilities.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

using lesson::testing::Headless;

TEST(FormatFraction, WorkedResults) {
    struct Case {
        float num, den;
        float db, db1, x, r1b;
        const char *t, *f, *u, *dbText, *yy, *dx;
    } cases[] = {
        {6, 4, 2, 1, 3, 2, "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ6/4ﾀ=ﾀ3/2ﾀ", "+ﾀ6/4ﾀ=+ﾀ3/2ﾀ", "ﾀ6/4ﾀ", "3/2"},
        {-3, 9, 2, -1, -1, 3, "-ﾀ1/3ﾀ", "-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ", "-1/3"},
        {3, -9, 2, -1, -1, 3, "-ﾀ1/3ﾀ", "-ﾀ1/3ﾀ", "ﾀ3/-9ﾀ=-ﾀ1/3ﾀ", "ﾀ3/-9ﾀ=-ﾀ1/3ﾀ", "ﾀ3/-9ﾀ", "-1/3"},
        {-3, -9, 2, 1, 1, 3, "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ-3/-9ﾀ=ﾀ1/3ﾀ", "+ﾀ-3/-9ﾀ=+ﾀ1/3ﾀ", "ﾀ-3/-9ﾀ", "1/3"},
        {-2, 3, 2, -1, -2, 3, "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ-2/3ﾀ=-ﾀ2/3ﾀ", "ﾀ-2/3ﾀ=-ﾀ2/3ﾀ", "ﾀ-2/3ﾀ", "-2/3"},
        {2, 3, 3, 1, 2, 3, "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "2/3"},
        {8, 4, 1, 1, 2, 1, "2", "+2", "ﾀ8/4ﾀ=2", "+ﾀ8/4ﾀ=+2", "ﾀ8/4ﾀ", "2"},
        {6, -3, 1, -1, -2, 1, "-2", "-2", "ﾀ6/-3ﾀ=-2", "ﾀ6/-3ﾀ=-2", "ﾀ6/-3ﾀ", "-2"},
        {-3, 1, 1, -1, -3, 1, "-3", "-3", "ﾀ-3/1ﾀ=-3", "ﾀ-3/1ﾀ=-3", "ﾀ-3/1ﾀ", "-3"},
        {0, 5, 1, 1, 0, 1, "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "ﾀ0/5ﾀ", "0"},
        {7, 7, 1, 1, 1, 1, "1", "+1", "ﾀ7/7ﾀ=1", "+ﾀ7/7ﾀ=+1", "ﾀ7/7ﾀ", "1"},
        {5, -1, 1, -1, -5, 1, "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ", "-5"},
    };
    Headless h;
    h.start();
    auto& e = h.e();
    for (const Case& c : cases) {
        e.X = c.num;
        e.R1B = c.den;
        e.FormatFraction();
        std::string given = std::to_string(int(c.num)) + "/" + std::to_string(int(c.den));
        EXPECT_EQ(e.DB, c.db) << given;
        EXPECT_EQ(e.DB1, c.db1) << given;
        EXPECT_EQ(e.X, c.x) << given;
        EXPECT_EQ(e.R1B, c.r1b) << given;
        EXPECT_EQ(e.T_s, c.t) << given;
        EXPECT_EQ(e.F_s, c.f) << given;
        EXPECT_EQ(e.U_s, c.u) << given;
        EXPECT_EQ(e.DB_s, c.dbText) << given;
        EXPECT_EQ(e.YY_s, c.yy) << given;
        EXPECT_EQ(e.DX_s, c.dx) << given;
    }
}

TEST(FormatFraction, ZeroDenominatorLeavesNothingOfTheLastCall) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.X = 6;
    e.R1B = 4;
    e.FormatFraction();
    e.X = 5;
    e.R1B = 0;
    e.FormatFraction();
    EXPECT_EQ(e.DB, 0);
    EXPECT_EQ(e.DB1, 1);
    EXPECT_EQ(e.X, 5);
    EXPECT_EQ(e.R1B, 0);
    EXPECT_EQ(e.YY_s, "ﾀ5/0ﾀ");
    EXPECT_EQ(e.XX_s, "+");
    for (const std::string* text : {&e.T_s, &e.F_s, &e.U_s, &e.DB_s, &e.DX_s})
        EXPECT_EQ(text->find("3/2"), std::string::npos) << *text;
}

TEST(GcdLcm, SignsFollowTheRemainders) {
    struct Case {
        float x, r1b, gcd, lcm;
    } cases[] = {{12, 18, 6, 36},   {18, 12, 6, 36}, {-4, 6, 2, -12},   {4, -6, -2, 12},
                 {-4, -6, -2, -12}, {5, 0, 5, 0},    {0.5f, 2, 0.5f, 2}};
    Headless h;
    h.start();
    auto& e = h.e();
    for (const Case& c : cases) {
        e.X = c.x;
        e.R1B = c.r1b;
        e.GcdLcm();
        EXPECT_EQ(e.TKAI, c.gcd) << c.x << "," << c.r1b;
        EXPECT_EQ(e.TBBOYAKY, c.lcm) << c.x << "," << c.r1b;
        EXPECT_EQ(e.X, c.x);
        EXPECT_EQ(e.R1B, c.r1b);
    }
}

TEST(GcdLcm, BothZeroEndsInTheErrorHandler) {
    Headless h;
    int status = h.run([](lesson::Engine& e) {
        e.X = 0;
        e.R1B = 0;
        e.GcdLcm();
    });
    EXPECT_EQ(status, 3);
    EXPECT_NE(h.text().find("error "), std::string::npos);
}

TEST(FormatFractionSum, CommonDenominator) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DS_2 = 1, e.A31 = 2, e.YAK1 = 1, e.LB8 = 3;
    e.FormatFractionSum();
    EXPECT_EQ(e.R1B, 6);
    EXPECT_EQ(e.KJ2, 3);
    EXPECT_EQ(e.X2, 2);
    EXPECT_EQ(e.X4, 5);
    EXPECT_EQ(e.YY_s, "ﾀ3/6ﾀ");
    EXPECT_EQ(e.RABM_s, "+ﾀ3/6ﾀ");
    EXPECT_EQ(e.T_s, "ﾀ2/6ﾀ");
    EXPECT_EQ(e.F_s, "+ﾀ2/6ﾀ");
    EXPECT_EQ(e.V_s, "ﾀ5/6ﾀ");
    EXPECT_EQ(e.DBM2_s, "+ﾀ5/6ﾀ");
    EXPECT_EQ(e.U_s, "ﾀ3+2/6ﾀ");
    EXPECT_EQ(e.E1_s, "ﾀ3/6ﾀ+ﾀ2/6ﾀ");
    EXPECT_EQ(e.A4_s, "ﾀ3/6ﾀ");
    EXPECT_EQ(e.A5_s, "ﾀ2/6ﾀ");

    e.DS_2 = -1, e.A31 = 2, e.YAK1 = 1, e.LB8 = 3;
    e.FormatFractionSum();
    EXPECT_EQ(e.KJ2, -3);
    EXPECT_EQ(e.X4, -1);
    EXPECT_EQ(e.YY_s, "-ﾀ3/6ﾀ");
    EXPECT_EQ(e.V_s, "-ﾀ1/6ﾀ");
    EXPECT_EQ(e.U_s, "ﾀ-3+2/6ﾀ");
    EXPECT_EQ(e.E1_s, "-ﾀ3/6ﾀ+ﾀ2/6ﾀ");
}

TEST(TextCleanUp, RemoveSpacesAndStripMarkup) {
    Headless h;
    h.start();
    auto& e = h.e();
    const std::pair<const char*, const char*> spaces[] = {
        {"", ""}, {"   ", ""}, {" -3", "-3"}, {"1　2 3", "1　23"}};
    for (auto [in, out] : spaces) {
        e.A_s = in;
        e.RemoveSpaces();
        EXPECT_EQ(e.A_s, out);
        EXPECT_EQ(e.R_s, out);
    }
    const std::pair<const char*, const char*> marks[] = {
        {"-ﾀ1/3ﾀ", "-1/3"}, {"+ﾀ6/4ﾀ=+ﾀ3/2ﾀ", "+6/4+3/2"}, {"ﾀﾀ12ﾀ", "12"}, {"x^2ﾝ", "x2"}, {"abc", "abc"}};
    for (auto [in, out] : marks) {
        e.A_s = in;
        e.StripMarkup();
        EXPECT_EQ(e.A_s, out) << in;
    }
}

TEST(SquareRoot, TakesOutSquareFactors) {
    struct Case {
        float given, factor, left;
        const char *r1a, *whole, *before, *rest;
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
    Headless h;
    h.start();
    auto& e = h.e();
    for (const Case& c : cases) {
        e.TBSI1 = c.given;
        e.SimplifySquareRoot();
        EXPECT_EQ(e.HH4, c.factor) << c.given;
        EXPECT_EQ(e.TBSI1, c.left) << c.given;
        EXPECT_EQ(e.R1A_s, c.r1a) << c.given;
        EXPECT_EQ(e.TBSIYAKY_s, c.whole) << c.given;
        EXPECT_EQ(e.AA_A_s, c.before) << c.given;
        EXPECT_EQ(e.R1B_s, c.rest) << c.given;
    }
}

TEST(SquareRoot, RadicandBelowOneEndsInTheErrorHandler) {
    Headless h;
    EXPECT_EQ(h.run([](lesson::Engine& e) {
        e.TBSI1 = 0;
        e.SimplifySquareRoot();
    }),
              3);
}

TEST(SignRoutines, Table) {
    Headless h;
    h.start();
    auto& e = h.e();
    struct Case {
        void (lesson::Engine::*routine)();
        const char *in, *out;
    } cases[] = {
        {&lesson::Engine::FlipLeadingSign, "-", "+"},         {&lesson::Engine::FlipLeadingSign, "+", "-"},
        {&lesson::Engine::FlipLeadingSign, "3x", "-3x"},      {&lesson::Engine::FlipLeadingSign, "", ""},
        {&lesson::Engine::StripLeadingPlus, "+", ""},         {&lesson::Engine::StripLeadingPlus, "-2", "-2"},
        {&lesson::Engine::StripLeadingMinus, "+2", "2"},      {&lesson::Engine::StripLeadingMinus, "-2", "2"},
        {&lesson::Engine::BracketNegative, "2x-3", "(2x-3)"}, {&lesson::Engine::BracketNegative, "23", "23"},
    };
    for (const Case& c : cases) {
        e.A_s = c.in;
        (e.*c.routine)();
        EXPECT_EQ(e.A_s, c.out) << c.in;
    }
}

TEST(ListDivisors, PairsMultiplyToTheNumber) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.AAAX = -12;
    e.ListDivisors();
    EXPECT_EQ(e.AAAX, 12);
    EXPECT_EQ(e.XW, 6);
    EXPECT_EQ(e.TXM, 3);
    const float up[] = {1, 2, 3, 4, 6, 12};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(e.GY5(i), up[i - 1]);
        EXPECT_EQ(e.t0014(i), up[6 - i]);
    }
    e.AAAX = 0;
    e.ListDivisors();
    EXPECT_EQ(e.XW, 1);
    EXPECT_EQ(e.GY5(1), 1);
    EXPECT_EQ(e.t0014(1), 0);
}

TEST(ListDivisors, TooManyDivisorsIsARuntimeErrorNotAnOverrun) {
    Headless h;
    EXPECT_EQ(h.run([](lesson::Engine& e) {
        e.AAAX = 2520;  // 48 divisors, more than the arrays hold
        e.ListDivisors();
    }),
              3);
}

}  // namespace
