// Every screen text of Plover's menu and chapters 1 to 3, reached by running
// every topic to its end: the mark-up of each must be whole.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "plover_fixture.h"

namespace lesson::testing {
namespace {

// Chapters 1 to 3, every topic stepped to its end, back to the menu, exit.
std::string everyTopic() {
    return "1 Enter 1 Enter" + steps(4) + " 2 Enter" + steps(17) + " 3 Enter" + steps(13) + " 4 Enter" +
           steps(13) + " 5 Enter" + steps(15) + " 6 Enter" + steps(6) + " 7 Enter" + steps(7) +
           " 8 Enter" +                                                          //
           " 2 Enter 1 Enter" + steps(2) + " 2 Enter" + steps(8) + " 3 Enter" +  //
           " 3 Enter 1 Enter" + steps(18) + " 2 Enter" + steps(15) + " 3 Enter 8 Enter";
}

TEST(PloverScreenTexts, EveryTextHasWholeMarkup) {
    PloverRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
    }
    // The run reached every topic: a text of each is among them.
    for (const char* first : {"飲み物を冷たいと感じる温度は、10℃以下といわれている。", "表で調べよう。",
                              "グラフで調べよう。", "式で調べよう。", "温度は時間の1次関数とみなして考えた。",
                              "①点をうつと ", "観測所", " =6.9", "P86 Q すれちがう回数は?", "問1解答"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
    EXPECT_GT(distinct.size(), 150u);
}

// The same path through the replay tool: it runs to the program's own end
// without entering the error handler.
TEST(PloverReplay, EveryTopicToTheExit) { EXPECT_EQ(replayFault("plover", everyTopic()), ""); }

}  // namespace
}  // namespace lesson::testing
