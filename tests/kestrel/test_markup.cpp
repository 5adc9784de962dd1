// Every screen text of Kestrel's menu and chapters 1 and 2, reached by
// running every topic to its end: the mark-up of each must be whole.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "kestrel_fixture.h"

namespace lesson::testing {
namespace {

// Chapter 1 and 2, every topic stepped to its end, back to the menu, exit.
std::string everyTopic() {
    return "1 Enter 1 Enter" + steps(15) + " 2 Enter" + steps(6) + " 3 Enter" +  //
           " 2 Enter 1 Enter" + steps(20) + " 2 Enter" + steps(14) + " 3 Enter" + steps(9) + " 4 Enter" +
           steps(3) + " 5 Enter" + steps(13) + " 6 Enter" + steps(27) + " 7 Enter" + steps(3) + " 8 Enter" +
           steps(10) + " 9 Enter 9 Enter";
}

TEST(KestrelScreenTexts, EveryTextHasWholeMarkup) {
    KestrelRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
    }
    // The run reached every topic: the first text of each is among them.
    for (const char* first : {"課1 ", "課2 ", "お湯を沸かすとき、中火と強火ではどちらが安い？",
                              "x分後の水の温度をy℃として、", "教科書P60 問1　解答", "<１次関数の意味>",
                              "例１　深さ3cmのところまで水が入っている。", "例2　長さ16cmの線香に火をつけると、",
                              "教科書P61 問3　解答", "問4(1)"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
    EXPECT_GT(distinct.size(), 200u);
}

// The same path through the replay tool: it runs to the program's own end
// without entering the error handler.
TEST(KestrelReplay, EveryTopicToTheExit) {
    EXPECT_EQ(replayFault("kestrel", everyTopic()), "");
}

}  // namespace
}  // namespace lesson::testing
