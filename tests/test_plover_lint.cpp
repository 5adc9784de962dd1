// Every screen text of Plover's menu and chapters 1 to 3, reached by running
// every topic to its end: the mark-up of each must be whole.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "plover_fixture.h"

namespace lesson::testing {
namespace {

// Chapters 1 to 3, every topic stepped to its end, back to the menu, exit.
std::string everyTopic() {
    return "1 Enter 1 Enter" + stepKeys(4) + " 2 Enter" + stepKeys(17) + " 3 Enter" + stepKeys(13) + " 4 Enter" +
           stepKeys(13) + " 5 Enter" + stepKeys(15) + " 6 Enter" + stepKeys(6) + " 7 Enter" + stepKeys(7) +
           " 8 Enter" +  //
           " 2 Enter 1 Enter" + stepKeys(2) + " 2 Enter" + stepKeys(8) + " 3 Enter" +  //
           " 3 Enter 1 Enter" + stepKeys(18) + " 2 Enter" + stepKeys(15) + " 3 Enter 8 Enter";
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
TEST(PloverReplay, EveryTopicToTheExit) {
    const auto dir = std::filesystem::temp_directory_path() / "plover_replay_every_topic";
    std::filesystem::create_directories(dir);
    const auto trace = dir / "trace.txt";
    const std::string command = std::string(REPLAY_PATH) + " plover --seed 1 --keys \"" + everyTopic() +
                                "\" --trace " + trace.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(trace);
    std::stringstream all;
    all << in.rdbuf();
    const std::string t = all.str();
    EXPECT_NE(t.find("\nend\n"), std::string::npos);
    EXPECT_EQ(t.find("\nerror "), std::string::npos);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lesson::testing
