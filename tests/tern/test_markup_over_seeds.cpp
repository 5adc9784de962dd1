// Every screen text of Tern's chapters 3 and 4, reached by running every
// topic to its end (the random ones for several problems, over seeds): the
// mark-up of each must be whole and no number reads "-0".
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tern_fixture.h"

namespace lesson::testing {
namespace {

std::string everyTopic() {
    return "3 Enter 1 Enter" + steps(20) +                                                       //
           " 2 Enter" + steps(3) + " 2 Enter" + steps(3) + " 0 Enter" + steps(3) + " 1 Enter" +  //
           " 3 Enter" + steps(8) +                                                               //
           " 4 Enter" + steps(10) + " 2 Enter" + steps(10) + " -1 Enter" + steps(10) + " 1 Enter" + steps(1) +
           " 5 Enter" + steps(13) + " 6 Enter" + steps(3) + " 7 Enter" + steps(13) + " 8 Enter" +  //
           " 4 Enter 1 Enter" + steps(11) + " 2 Enter 3 Enter" + steps(19) + " 4 Enter 6 Enter";
}

TEST(TernChapters3And4Texts, EveryTextHasWholeMarkupOverSeeds) {
    std::set<std::string> distinct;
    for (int seed = 1; seed <= 12; ++seed) {
        TernRun run(RunOptions{.keys = everyTopic(), .seed = seed});
        ASSERT_TRUE(run.ended()) << seed;
        for (const auto& r : run.texts) {
            distinct.insert(r.text);
            EXPECT_EQ(MarkupFault(r.text), "") << r.text;
            EXPECT_EQ(r.text.find("-0"), std::string::npos) << r.text;
        }
    }
    for (const char* first :
         {"連立方程式の", "例 連立方程式の解を、", "問1 解答", "例　", "問2 解答", "問3 解答",
          "問4 連立方程式", "P82 基本の問題", "答 x=3,y=-2", "答 (-ﾀ10/3ﾀ,ﾀ8/3ﾀ)"}) {
        EXPECT_TRUE(distinct.count(first)) << first;
    }
}

// The same path through the replay tool: it runs to the program's own end
// without entering the error handler.
TEST(TernReplay, ChaptersThreeAndFourToTheExit) { EXPECT_EQ(replayFault("tern", everyTopic()), ""); }

}  // namespace
}  // namespace lesson::testing
