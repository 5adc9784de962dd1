// Every screen text of Grebe's menu and chapters 1 and 2, reached by running
// every topic to its end: the mark-up of each must be whole.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

// Chapters 1 and 2, every topic stepped to its end (the random ones for two
// problems), back to the menu, exit.
std::string everyTopic() {
    const std::string twoGraphs = steps(3) + " 2 Enter" + steps(3) + " 1 Enter";
    const std::string twoExamples = steps(7) + " 2 Enter" + steps(7) + " 1 Enter";
    return "1 Enter 1 Enter" + steps(10) + " 2 Enter" + twoGraphs + " 3 Enter" + twoGraphs + " a 4 Enter" +
           " 5 Enter 2 Enter 1 Enter" + twoExamples + " 2 Enter" + twoExamples + " 3 Enter" + steps(4) +
           " 4 Enter" + steps(13) + " 5 Enter" + steps(5) + " 6 Enter 7 Enter";
}

TEST(GrebeScreenTexts, EveryTextHasWholeMarkup) {
    GrebeRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
        EXPECT_EQ(r.text.find("-0"), std::string::npos) << r.text;
    }
    // The run reached every topic: the first text of each is among them.
    for (const char* first : {"図の直線は、1次関数 y=ax+b のグラフです。", "練習1 図の直線の式を求めなさい。",
                              "練習2 図の直線の式を求めなさい。", "教科書P71 問1 をしなさい。",
                              "教科書P71 問1　解答", "例2-1　", "例2-2　", "1次関数の式を求める", "問2　解答",
                              "問3　解答", "答 y=-2x+5"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
    EXPECT_GT(distinct.size(), 150u);
}

// The same path through the replay tool: it runs to the program's own end
// without entering the error handler.
TEST(GrebeReplay, EveryTopicToTheExit) {
    EXPECT_EQ(replayFault("grebe", everyTopic()), "");
}

}  // namespace
}  // namespace lesson::testing
