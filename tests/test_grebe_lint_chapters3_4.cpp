// Every screen text of Grebe's chapters 3 and 4, reached by running every
// topic to its end: the mark-up of each must be whole, and the replay tool
// runs the same path to the program's own end.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "grebe_chosen_fixture.h"

namespace lesson::testing {
namespace {

// Chapters 3 and 4, every topic to its end (two problems of each random
// example), back to the menu, exit.
std::string everyTopic() {
    return "3 Enter 1 Enter" + grebeSteps(4) + " 2 Enter" + grebeSteps(4) + " 1 Enter" +  //
           " 2 Enter" + grebeSteps(8) + " 0 Enter" + grebeSteps(8) + " 1 Enter" +          //
           " 3 Enter" + grebeSteps(11) + " Enter" + grebeSteps(11) + " 1 Enter" +          //
           " 4 Enter" + grebeSteps(2) + " 5 Enter" + grebeSteps(3) + " 6 Enter" +          //
           " 4 Enter 1 Enter" + grebeSteps(2) + " 2 Enter 3 Enter 4 Enter 5 Enter 7 Enter";
}

TEST(GrebeChapters3And4ScreenTexts, EveryTextHasWholeMarkup) {
    ChosenGrebeRun run(everyTopic());
    ASSERT_TRUE(run.ended());
    std::set<std::string> distinct;
    for (const auto& r : run.texts) {
        distinct.insert(r.text);
        EXPECT_EQ(MarkupFault(r.text), "") << r.text;
    }
    for (const char* first : {"例3-1　", "例3-2　", "例3-3　", "<まとめ>", "問4(1)　解答", "問4(2)　解答", "1", "4",
                              "5", "6"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
}

TEST(GrebeChapters3And4Replay, EveryTopicToTheExit) {
    const std::string t = ReplayTrace("grebe", 7, everyTopic());
    EXPECT_NE(t.find("\nend\n"), std::string::npos);
    EXPECT_EQ(t.find("\nerror "), std::string::npos);
}

}  // namespace
}  // namespace lesson::testing
