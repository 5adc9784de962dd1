// Table cells and table labels.
#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

using lesson::testing::Headless;

struct Cell {
    Headless h;
    Cell() {
        h.start();
        auto& e = h.e();
        e.DSM1 = 100;
        e.DSM2 = 200;
        e.TANI = 90;
        e.NO = 0;
        e.TKAI2 = 15;
        e.YMOTO = 0;
    }
};

TEST(MathCell, PlacesPlainTextsAndFractionsByCellHeight) {
    struct Case {
        const char* text;
        float height;
        const char* firstGlyph;
    } cases[] = {
        {"12", 50, "text 118 203 3 3 0 ゴシック 16 1 0 1"},
        {"ﾀ3/2ﾀ", 50, "text 129 190 4 2 0 ゴシック 16 1 0 3"},
        {"12", 80, "text 118 218 3 3 0 ゴシック 16 1 0 1"},
        {"ﾀ3/2ﾀ", 80, "text 129 205 4 2 0 ゴシック 16 1 0 3"},
        {"12", 55, "text 118 205 3 3 0 ゴシック 16 1 0 1"},
    };
    for (const Case& c : cases) {
        Cell cell;
        auto& e = cell.h.e();
        e.X8 = c.height;
        e.A_s = c.text;
        e.DrawMathCell();
        auto l = cell.h.lines();
        EXPECT_EQ(l.at(0),
                  "line 100 200 190 " + std::to_string(200 + static_cast<int>(c.height)) + " 0 2 15 3");
        bool found = false;
        for (auto& s : l) found = found || s == c.firstGlyph;
        EXPECT_TRUE(found) << c.text << " " << c.height << "\n" << cell.h.text();
        EXPECT_EQ(e.DSM1, 190);
        EXPECT_EQ(e.DSM2, 200);
        EXPECT_TRUE(e.KKAI_s.empty());
    }
}

TEST(MathCell, WideAndEmptyTexts) {
    Cell wide;
    wide.h.e().TANI = 20;
    wide.h.e().X8 = 50;
    wide.h.e().A_s = "1234";
    wide.h.e().DrawMathCell();
    EXPECT_EQ(wide.h.lines().at(1), "text 100 203 3 3 0 ゴシック 16 1 0 1");
    EXPECT_EQ(wide.h.e().DSM1, 120);

    Cell empty;
    empty.h.e().X8 = 50;
    empty.h.e().A_s = "";
    empty.h.e().DrawMathCell();
    EXPECT_EQ(empty.h.lines().size(), 1u);
    EXPECT_EQ(empty.h.e().BAI, 0);
    EXPECT_EQ(empty.h.e().DSM1, 190);
}

TEST(MathCell, TwoLines) {
    Cell two;
    auto& e = two.h.e();
    e.X8 = 100;
    e.YY_s = "気温";
    e.T_s = "(℃)";
    e.DrawMathCellTwoLines();
    auto l = two.h.lines();
    EXPECT_EQ(l.at(1), "text 111 203 2 3 0 ゴシック 16 1 0 気");
    // Lower line 47 below the top.
    EXPECT_EQ(l.at(3).substr(0, 13), "text 101 247 ");

    Cell one;
    one.h.e().X8 = 100;
    one.h.e().YY_s = "観測所";
    one.h.e().T_s = "";
    one.h.e().DrawMathCellTwoLines();
    EXPECT_EQ(one.h.lines().at(1).substr(0, 13), "text 100 228 ");
    EXPECT_EQ(one.h.e().DSM1, 190);
}

TEST(TableText, AdvancesByCharacterClass) {
    struct Case {
        const char* label;
        float advance;
    } cases[] = {{"分", 30}, {"12", 40}, {"1.5", 48}, {"(1)", 40}, {"x y", 60}, {"", 0}};
    for (const Case& c : cases) {
        Headless h;
        h.start();
        auto& e = h.e();
        e.DSM1 = 10;
        e.DSM2 = 20;
        e.KKAI_s = c.label;
        e.DrawTableText();
        EXPECT_EQ(e.DSM1, 10 + c.advance) << c.label;
        EXPECT_EQ(e.DSM2, 20);
        EXPECT_FALSE(h.rt().font().bold);
        EXPECT_EQ(h.rt().font().size, 16);
    }
}

TEST(TableText, RaisedYAndItalicLetters) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DSM1 = 0;
    e.DSM2 = 100;
    e.YMOTO = 7;
    h.rt().setFontName("ゴシック");
    e.KKAI_s = "yx";
    e.DrawTableText();
    EXPECT_EQ(h.lines(), (std::vector<std::string>{
                             "text 0 94 3 2 7 ゴシック 15 1 0 y",
                             "text 24 88 7 4 7 Times New Roman 8 1 1 x",
                         }));
}

TEST(TableText, MeasuringLeavesTheLabelToDraw) {
    Headless h;
    h.start();
    auto& e = h.e();
    e.DSM1 = 5;
    e.DSM2 = 6;
    e.A_s = "12分";
    e.MeasureTableText();
    EXPECT_EQ(e.BAI, 70);
    EXPECT_EQ(e.DSM1, 5);
    EXPECT_EQ(e.KKAI_s, "12分");
    EXPECT_EQ(e.A_s, "分");
    EXPECT_TRUE(h.lines().empty());
}

TEST(TableCell, LabelPlacement) {
    Cell cell;
    auto& e = cell.h.e();
    e.X8 = 50;
    e.A_s = "12";
    e.DrawTableCell();
    EXPECT_EQ(cell.h.lines().at(1), "text 125 212 3 2 0 ｺﾞｼｯｸ 15 1 0 1");

    Cell two;
    two.h.e().X8 = 100;
    two.h.e().YY_s = "12";
    two.h.e().T_s = "34";
    two.h.e().DrawTableCellTwoLines();
    auto l = two.h.lines();
    EXPECT_EQ(l.at(1), "text 125 212 3 2 0 ｺﾞｼｯｸ 15 1 0 1");
    EXPECT_EQ(l.at(3), "text 125 242 3 2 0 ｺﾞｼｯｸ 15 1 0 3");
}

}  // namespace
