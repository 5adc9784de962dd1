// Chapter 4: worked answers to the basic problems of the textbook's page 74.
#include <array>
#include <string_view>

#include "grebe/grebe_program.h"

namespace lesson {

const Chapter<Grebe> Grebe::kBasicProblems{
    .choices = "P74 基本の問題 ①1,2,3　②4　③5　④6　⑤終了",
    .topics = {
        &Grebe::BasicProblemsOneToThree,
        &Grebe::BasicProblemFourGraphs,
        &Grebe::BasicProblemFiveGraphs,
        &Grebe::BasicProblemSixAnswers,
    },
};

void Grebe::BasicProblemsOneToThree() {
    TopicScreen(1760, 1800, 114);
    PenWidth(3);
    Cell(B1, B2_row, kPageCell, "P74 基本の問題");

    Cell(B1 - 76, B2_row + 60, kProblemCell, "1");
    Next(3, "(1)");
    Next(5, "3L");
    NewRow(50, 0, "(11-2)/3=");
    Next(3, "3");
    NewRow(60, 3, "(2)", -38);
    Next(5, "y=3x+2");
    StepReveal();

    Cell(B1 - 76, B2_row + 60, kProblemCell, "2");
    Next(3, "変化の割合…");
    Next(5, "4");
    StepReveal();

    Cell(B1 - 76, B2_row + 60, kProblemCell, "3");
    Next(3, "傾き…");
    Next(5, "5");
    NewRow(60, 3, "切片…", -38);
    Next(5, "-3");
}

void Grebe::ProblemHeadingCells(std::string_view number) {
    TopicScreen(1760, 1800, 76);
    PenWidth(5);
    PageHeading(B1, B2_row, "P74 基本の問題", 44, number);
}

void Grebe::GraphProblemOpening(std::string_view number) {
    ProblemHeadingCells(number);
    PlaneAt(380, 100, -6, 6, -6, 6, 40, 14);
}

void Grebe::BasicProblemFourGraphs() {
    GraphProblemOpening("4");
    GraphOf(3, 3, -4, 3, "(1)", -27, -44);
    GraphOf(3, 1.0f / 3, 2, 5, "(2)", -27, -44);
}

void Grebe::BasicProblemFiveGraphs() {
    GraphProblemOpening("5");

    static constexpr ArrowedLine lines[] = {
        {2, 1, "(1)", -27, -44, {{0, 1}, {1, 1}, {1, 3}}},
        {-2.0f / 3, -3, "(2)", -54, 0, {{0, -3}, {3, -3}, {3, -5}}},
    };
    for (int k = 0; k < 2; ++k) LineWithSlopeArrows(lines[k], 1 + 3 * k);

    NewRow(70, 0, "(1)");
    Next(5, "y=2x+1");
    NewRow(70, 0, "(2)");
    Next(5, "y=-ﾀ2/3ﾀx-3");
}

void Grebe::BasicProblemSixAnswers() {
    ProblemHeadingCells("6");
    NewRow(60, 0, "(1)", -38);
    Next(3, "求める式をy=2x+b");
    Next(0, "とする。");
    NewRow(50, 0, "x=1,y=-1を代入して");
    NewRow(50, 0, "-1=2*1+b=2+b");
    NewRow(50, 0, "b=-1-2=-3");
    NewRow(50, 5, "答 y=2x-3");
    NewRow(80, 0, "(2)", -38);
    Next(3, "求める式をy=ax+b");
    Next(0, "とする。");
    NewRow(50, 0, "x=-3,y=3とx=3,y=5を代入して");
    BracedSystem(B1, B2_row + 50, "3=-3a+b…①", "5= 3a+b…②");

    B1 = 760;
    B2_row = 30;
    Put(B1, B2_row, 3, "①+②");
    ColumnsAt(B1, B2_row + 50, "3=-3a+b", "5= 3a+b", "+");
    Put(GX5, B2_row + 50, 0, "8=   2b");
    Put(GX5, B2_row + 50, 3, "b=4");
    NewRow(50, 3, "b=4 を①に代入して");
    NewRow(50, 0, "3=-3a+4");
    NewRow(50, 0, "-3a=3-4=-1");
    NewRow(70, 3, "  a=ﾀ1/3ﾀ");
    NewRow(70, 5, "答 y=ﾀ1/3ﾀx+4");
}

}  // namespace lesson
