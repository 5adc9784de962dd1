// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "runtime/text.h"

namespace {

TEST(NumberText, WritesNumbersAsTheLessonsShowThem) {
    struct Case {
        float v;
        const char* text;
    } cases[] = {
        {0, " 0"},
        {-0.0f, " 0"},
        {3, " 3"},
        {-3, "-3"},
        {0.5f, " .5"},
        {-0.5f, "-.5"},
        {1.5f, " 1.5"},
        {0.1f, " .1"},
        {100, " 100"},
        {1234567, " 1234567"},
        {1.0f / 3, " .3333333"},
        {-2.0f / 3, "-.6666667"},
        {0.05f, " .05"},
        {12345678, " 1.234568E+07"},
    };
    for (const Case& c : cases) EXPECT_EQ(rt::str(c.v), c.text) << c.v;
}

TEST(NumberText, ReadsTheLeadingNumber) {
    EXPECT_EQ(rt::val(" 12"), 12);
    EXPECT_EQ(rt::val("-3.5abc"), -3.5f);
    EXPECT_EQ(rt::val(".25"), 0.25f);
    EXPECT_EQ(rt::val("abc"), 0);
    EXPECT_EQ(rt::val(""), 0);
    EXPECT_EQ(rt::val("00"), 0);
    EXPECT_EQ(rt::val("59"), 59);
}

TEST(TextCounting, CountsCharactersAndDoubleByteBytes) {
    EXPECT_EQ(rt::klen("y=ﾀ6/xﾀ"), 7);
    EXPECT_EQ(rt::blen("y=ﾀ6/xﾀ"), 7);  // half-width katakana take one byte
    EXPECT_EQ(rt::klen("①表"), 2);
    EXPECT_EQ(rt::blen("①表"), 4);
    EXPECT_EQ(rt::kmid("あいうえお", 2, 2), "いう");
    EXPECT_EQ(rt::kleft("あいう", 0), "");
    EXPECT_EQ(rt::kright("あいう", 2), "いう");
    EXPECT_EQ(rt::kinstr("aﾀbﾀc", "ﾀ"), 2);
    EXPECT_EQ(rt::kinstr("aﾀbﾀc", "ﾀ", 3), 4);
    EXPECT_EQ(rt::kinstr("abc", "z"), 0);
    EXPECT_EQ(rt::binstr("表-1", "-"), 3);
    EXPECT_TRUE(rt::isSingleByte("ﾝ"));
    EXPECT_FALSE(rt::isSingleByte("　"));
}

}  // namespace
