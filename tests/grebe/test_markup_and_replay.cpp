// Every screen text of Grebe's chapters 3 and 4, reached by running every
// topic to its end: the mark-up of each must be whole, and the replay tool
// runs the same path to the program's own end.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "grebe_fixture.h"

namespace lesson::testing {
namespace {

// Chapters 3 and 4, every topic to its end (two problems of each random
// example), back to the menu, exit.
std::string everyTopic() {
    return "3 Enter 1 Enter" + steps(4) + " 2 Enter" + steps(4) + " 1 Enter" +  //
           " 2 Enter" + steps(8) + " 0 Enter" + steps(8) + " 1 Enter" +         //
           " 3 Enter" + steps(11) + " Enter" + steps(11) + " 1 Enter" +         //
           " 4 Enter" + steps(2) + " 5 Enter" + steps(3) + " 6 Enter" +         //
           " 4 Enter 1 Enter" + steps(2) + " 2 Enter 3 Enter 4 Enter 5 Enter 7 Enter";
}

TEST(GrebeChapters3And4ScreenTexts, EveryTextHasWholeMarkup) {
    GrebeRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
    }
    for (const char* first :
         {"例3-1　", "例3-2　", "例3-3　", "<まとめ>", "問4(1)　解答", "問4(2)　解答", "1", "4", "5", "6"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
}

TEST(GrebeChapters3And4Replay, EveryTopicToTheExit) { EXPECT_EQ(replayFault("grebe", everyTopic(), 7), ""); }

}  // namespace
}  // namespace lesson::testing
