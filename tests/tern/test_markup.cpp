// Every screen text of Tern's menu and chapters 1 and 2, reached by running
// every topic to its end (the random ones for two problems): the mark-up of
// each must be whole.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tern_fixture.h"

namespace lesson::testing {
namespace {

std::string everyTopic() {
    return "1 Enter 1 Enter" + steps(33) + " 2 Enter" + steps(13) +                                 //
           " 3 Enter" + steps(5) + " 2 Enter" + steps(5) + " 1 Enter" +                             //
           " 4 Enter" + steps(6) + " 2 Enter" + steps(6) + " 1 Enter" + steps(1) +                   //
           " 5 Enter" + steps(11) +                                                                //
           " 6 Enter" + steps(11) + " 2 Enter" + steps(11) + " 1 Enter" + steps(1) +                 //
           " 7 Enter" + steps(15) + " 8 Enter" +                                                   //
           " 2 Enter 1 Enter" + steps(13) + " 2 Enter" + steps(9) + " 3 Enter" + steps(13) +         //
           " 4 Enter" + steps(12) + " 5 Enter 6 Enter 6 Enter";
}

TEST(TernScreenTexts, EveryTextHasWholeMarkup) {
    TernRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
        EXPECT_EQ(r.text.find("-0"), std::string::npos) << r.text;
    }
    // The run reached every topic: the first text of each is among them.
    for (const char* first : {"2元1次方程式", "問1 ", "例1-1", "例1", "教科書P77 問2　解答", "例2", "教科書P78 問3　解答",
                              "方程式 2y=6 のグラフを2点を求めてかきなさい。", "教科書P79 問4　解答",
                              "方程式 3x=6 のグラフを2点を求めてかきなさい。", "教科書P79 問5　解答",
                              "<2元1次方程式のグラフ>", "教科書P77 問2 をやってみよう。", "教科書P78 問3　をやってみよう。"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
    EXPECT_GT(distinct.size(), 150u);
}

// The same path through the replay tool: it runs to the program's own end
// without entering the error handler.
TEST(TernReplay, EveryTopicToTheExit) {
    EXPECT_EQ(replayFault("tern", everyTopic()), "");
}

}  // namespace
}  // namespace lesson::testing
