// SPDX-License-Identifier: GPL-3.0-or-later
// What every program promises alike, checked over the four of them from one
// table: the main menu's dispatch (its items, the range test, fractions such
// as 3/2, entries without a value such as 5/0, the exit item), the sub-menus'
// dispatch and redraws, the way back from a topic, and the rules every screen
// text keeps on a tour of every topic.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "grebe_fixture.h"
#include "kestrel_fixture.h"
#include "plover_fixture.h"
#include "runtime/canvas.h"
#include "tern_fixture.h"

namespace lesson::testing {
namespace {

using AnyRun = std::unique_ptr<RecordedRun>;

template <class P>
AnyRun runOf(const RunOptions& options) {
    return std::make_unique<ProgramRun<P>>(options);
}

// A program as the contract sees it: how to run it, its menu's heading, and
// for each chapter the main menu opens the texts that show once when it does
// (its goal, or its choice line when it has no goal screen).
struct Program {
    const char* name;
    AnyRun (*run)(const RunOptions&);
    std::string heading;
    std::vector<std::vector<std::string>> chapters;
};

const Program kKestrel{"kestrel",
                       runOf<Kestrel>,
                       "＜Kestrel　メニュー＞",
                       {{"比例、反比例の復習をしよう。"},
                        {"1次関数の意味を知り、式に表そう。"},
                        {"1次関数の値の変化について調べよう。"}}};
const Program kPlover{"plover",
                      runOf<Plover>,
                      "＜Plover　メニュー＞",
                      {{"保冷バックに入れた飲み物が、10℃以下に保てる時間を考えよう。",
                        "①P83Q問題　②表　③グラフ　④式　⑤まとめ　⑥表ヒント　⑦グラフヒント　⑧終了"},
                       {"1次関数とみて、問題を解決しよう。", "①Q問題　②解答　③終了"},
                       {"1次関数のグラフを利用して、問題を解決しよう。", "①Q運行図　②問1　③終了"},
                       {"①Q(1で次へ)　②式と変域　③グラフ　④終了"},
                       {"P92 章の問題A ①1,2　②3　③4　④5　⑤6　⑥終了"},
                       {"P93 章の問題B ①1　②2　③3　④終了"}}};
const Program kTern{"tern",
                    runOf<Tern>,
                    "＜Tern　メニュー＞",
                    {{"2元1次方程式のグラフをかこう。"},
                     {"y=3 や x=2 のような2元1次方程式のグラフをかこう。"},
                     {"2つの2元1次方程式のグラフの交点の意味を考えよう。"},
                     {"P82 基本の問題 ①1　②2　③3　④終了"}}};
const Program kGrebe{
    "grebe",
    runOf<Grebe>,
    "＜Grebe　メニュー＞",
    {{"グラフから直線の式を求めよう。", "①P71Q　②練習１　③練習２　④問１　⑤終了"},
     {"傾きや切片がわかっているとき、1次関数の式を求めよう。",
      "①傾きと1点　②切片と1点　③まとめ　④問2　⑤問3　⑥終了"},
     {"2点を通る直線の式を求めよう。", "①例３傾き　②傾きと式　③連立方程式　④まとめ　⑤問４　⑥終了"},
     {"P74 基本の問題 ①1,2,3　②4　③5　④6　⑤終了"}}};

// A test name for a typed entry: "3/2" is "3_over_2", "-2" "minus2".
std::string entryName(const std::string& typed) {
    std::string name;
    for (char c : typed) {
        if (c == '/')
            name += "_over_";
        else if (c == '.')
            name += "_point_";
        else if (c == '-')
            name += "minus";
        else
            name += c;
    }
    return name.empty() ? "empty" : name;
}

// ---- The main menu's dispatch ----------------------------------------------------------

constexpr int kMenu = 0, kEnd = -1;  // where an entry leads besides chapter k (1, 2 ...)

struct Entry {
    const Program* program;
    const char* typed;
    int leads;  // the chapter opened, kMenu or kEnd
};

class MainMenuDispatch : public ::testing::TestWithParam<Entry> {};

// After the entry the script runs out at the next wait: the screen reached is
// the chapter's sub-menu, the menu drawn again, or nothing (the program ended).
TEST_P(MainMenuDispatch, EachEntryLeadsToItsTarget) {
    const Entry& e = GetParam();
    const AnyRun run = e.program->run({.keys = typed(e.typed)});
    EXPECT_EQ(run->status, 0);
    EXPECT_EQ(run->ended(), e.leads == kEnd) << e.typed;
    EXPECT_EQ(run->count(e.program->heading), e.leads == kMenu ? 2 : 1) << e.typed;
    for (std::size_t c = 1; c <= e.program->chapters.size(); ++c) {
        for (const std::string& text : e.program->chapters[c - 1])
            EXPECT_EQ(run->count(text), e.leads == static_cast<int>(c) ? 1 : 0)
                << e.typed << " chapter " << c;
    }
}

std::vector<Entry> entries(const Program& p, std::initializer_list<std::pair<const char*, int>> table) {
    std::vector<Entry> out;
    for (const auto& [typed, leads] : table) out.push_back({&p, typed, leads});
    return out;
}

std::vector<Entry> allEntries() {
    std::vector<Entry> out;
    for (auto part :
         {entries(kKestrel, {{"1", 1},
                             {"2", 2},
                             {"1.5", 1},
                             {"2/1", 2},
                             {"3", 3},
                             {"3/2", 3},
                             // The spare item and bad numbers.
                             {"8", kMenu},
                             {"", kMenu},
                             {"0", kMenu},
                             {"10", kMenu},
                             {"-3", kMenu},
                             {"-", kMenu},
                             {"20/4", kMenu},
                             {"0.5/0.25", kMenu},
                             {"12/4", kMenu},
                             {"5/0", kMenu},
                             {"0/0", kMenu},
                             // The exit.
                             {"9", kEnd},
                             {"9.0", kEnd},
                             {"18/2", kEnd}}),
          entries(kPlover, {{"1", 1},
                            {"2", 2},
                            {"3", 3},
                            {"1.5", 1},
                            {"2/1", 2},
                            // Passes the range test on its value 1.5 and opens the number it begins with.
                            {"3/2", 3},
                            {"4", 4},
                            {"5", 5},
                            {"6", 6},
                            // 7 is the spare item; "7/2" and "7.5" are the spare item's.
                            {"7", kMenu},
                            {"7/2", kMenu},
                            {"7.5", kMenu},
                            // Values within the range whose leading number names no item.
                            {"9/2", kMenu},
                            {"-2/-1", kMenu},
                            {"20/4", kMenu},
                            // Out of range, empty, and entries without a value.
                            {"", kMenu},
                            {"0", kMenu},
                            {"9", kMenu},
                            {"-3", kMenu},
                            {"-", kMenu},
                            {"5/0", kMenu},
                            {"0/0", kMenu},
                            // The exit.
                            {"8", kEnd},
                            {"8.0", kEnd},
                            {"16/2", kEnd}}),
          entries(kTern, {{"1", 1},
                          {"2", 2},
                          {"1.5", 1},
                          {"2/1", 2},
                          {"2.9", 2},
                          // "3/2" and "4/3" open chapters 3 and 4; the spare item 5 (and
                          // "5/2") comes straight back.
                          {"3", 3},
                          {"4", 4},
                          {"3/2", 3},
                          {"4/3", 4},
                          {"5", kMenu},
                          {"5/2", kMenu},
                          // Out of range, or a leading number that names no item.
                          {"", kMenu},
                          {"0", kMenu},
                          {"7", kMenu},
                          {"-3", kMenu},
                          {"-", kMenu},
                          {"9/2", kMenu},
                          {"-3/-1", kMenu},
                          {"20/4", kMenu},
                          {"5/0", kMenu},
                          {"0/0", kMenu},
                          // The exit.
                          {"6", kEnd},
                          {"6.0", kEnd},
                          {"12/2", kEnd}}),
          entries(kGrebe, {{"1", 1},
                           {"2", 2},
                           {"1.5", 1},
                           {"2/1", 2},
                           {"1/0.5", 1},
                           {"3", 3},
                           {"3/2", 3},
                           {"4", 4},
                           // The spare items, and values that pass the range test while
                           // the leading number names no item.
                           {"5", kMenu},
                           {"6", kMenu},
                           {"12/2", kMenu},
                           {"20/4", kMenu},
                           {"6.6", kMenu},
                           // Out of range, or no value at all.
                           {"", kMenu},
                           {"0", kMenu},
                           {"8", kMenu},
                           {"-3", kMenu},
                           {"1/2", kMenu},
                           {"-", kMenu},
                           {"5/0", kMenu},
                           {"0/0", kMenu},
                           {"7.5", kMenu},
                           // Only a value of exactly 7 ends the program.
                           {"7", kEnd},
                           {"7.0", kEnd},
                           {"14/2", kEnd}})})
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

INSTANTIATE_TEST_SUITE_P(TypedEntries, MainMenuDispatch, ::testing::ValuesIn(allEntries()),
                         [](const auto& info) {
                             return std::string(info.param.program->name) + "_" + entryName(info.param.typed);
                         });

// ---- The sub-menus -----------------------------------------------------------------------

struct SubMenuCase {
    const Program* program;
    std::string keys;
    std::string line;  // the chapter's choice line
    int choiceLines;   // times the choice line is drawn
    int menus;         // times the main menu is drawn
    // Texts counted as well (a goal, the first text of each topic), each with
    // the times it is drawn.
    std::vector<std::pair<std::string, int>> counted;
    bool ends = false;  // the keys leave the program
};

class SubMenuRange : public ::testing::TestWithParam<SubMenuCase> {};

// A choice outside the items, or without a value, draws only the choice line
// again; an item opens its topic (a fraction by its whole part); the last
// item leads back to the main menu.
TEST_P(SubMenuRange, OutOfRangeRedrawsTheLineAndTheLastItemReturns) {
    const SubMenuCase& c = GetParam();
    const AnyRun run = c.program->run({.keys = c.keys});
    EXPECT_EQ(run->status, 0) << c.keys;
    EXPECT_EQ(run->ended(), c.ends) << c.keys;
    EXPECT_EQ(run->count(c.line), c.choiceLines) << c.keys;
    EXPECT_EQ(run->count(c.program->heading), c.menus) << c.keys;
    for (const auto& [text, times] : c.counted) EXPECT_EQ(run->count(text), times) << c.keys << ": " << text;
}

const std::string kKestrelLine1 = " ①表式,変化の様子　②グラフ　③終了";
const std::string kKestrelLine2 = "①58Qお湯　②60Q　③問1,2　④意味　⑤例１　⑥例2　⑦問３　⑧問4　⑨終了";
const std::string kTernLine1 = "①導入Q　②問１　③例1変形　④グラフ　⑤問２　⑥例2　⑦問3　⑧終了";
const std::string kTernLine2 = "①例3　②問4　③例4　④問5　⑤まとめ　⑥終了";
const std::string kTernLine3 = "①P80Q　②グラフから例　③問１　④交点例　⑤問2　⑥問3　⑦問4　⑧終了";
const std::string kGoal = "<めあて>";

// Plover's chapter c with the choices typed after its number.
SubMenuCase plover(int c, const char* choices, int choiceLines, int menus) {
    return {&kPlover, typed(std::to_string(c)) + choices, kPlover.chapters[c - 1][1], choiceLines,
            menus,    {{kPlover.chapters[c - 1][0], 1}}};
}

constexpr const char* kToMenu = "menu";
// Plover's chapter c (4 to 6) with one entry typed at its choice line: opens
// is a text only the chosen topic draws before its first wait, "" when the
// choice line comes again, kToMenu for the main menu.
SubMenuCase ploverExercise(int c, const char* entry, const char* opens) {
    const std::string o = opens;
    SubMenuCase out{&kPlover,
                    typed(std::to_string(c)) + typed(entry),
                    kPlover.chapters[c - 1][0],
                    o.empty() ? 2 : 1,
                    o == kToMenu ? 2 : 1,
                    {}};
    if (!o.empty() && o != kToMenu) out.counted.emplace_back(o, 1);
    return out;
}

// Tern's case, with the times a goal screen is shown.
SubMenuCase tern(const std::string& keys, const std::string& line, int choiceLines, int menus,
                 int goals = 1) {
    return {&kTern, keys, line, choiceLines, menus, {{kGoal, goals}}};
}

const std::string kKestrelLine5 =
    "①傾き　②説明　③問4　④y=-2x+3のグラフ　⑤問５　⑥整数練習　⑦分数練習　⑧問６　⑨終了";
const std::string kKestrelGoal5 = "①　1次関数のグラフの傾きぐあいを調べよう。";
// The first text of each topic of Kestrel's chapter 5, item 1 to 8.
const char* const kKestrelFirsts5[] = {
    "変化の割合は、グラフではどのようなことを表している？",
    "<1次関数のグラフ>",
    "教科書P68 問4の解答",
    "問　1次関数 y=-2x+3 のグラフを、",
    "問5　1次関数 y=ﾀ1/2ﾀx+1 のグラフを、",
    "Q1 次の1次関数のグラフをかきなさい。",
    "Q2 次の1次関数のグラフをかきなさい。",
    "教科書P69 問6　解答",
};
// Kestrel's chapter 5 with one entry typed at its choice line. leads is the
// item opened (1 to 8), 0 for the choice line again, 9 for the main menu; the
// keys run out at a topic's first wait, or at the choice line again after
// topic 8, which has none.
SubMenuCase kestrel5(const char* entry, int leads) {
    std::vector<std::pair<std::string, int>> counted{{kKestrelGoal5, 1}};
    for (int item = 1; item <= 8; ++item)
        counted.emplace_back(kKestrelFirsts5[item - 1], item == leads ? 1 : 0);
    const bool choiceAgain = leads == 0 || leads == 8;
    return {&kKestrel,           typed("5") + typed(entry), kKestrelLine5,
            choiceAgain ? 2 : 1, leads == 9 ? 2 : 1,        counted};
}

std::vector<SubMenuCase> allSubMenuCases() {
    const std::string& ternLine4 = kTern.chapters[3][0];
    const std::string& grebeLine1 = kGrebe.chapters[0][1];
    const std::string& grebeLine2 = kGrebe.chapters[1][1];
    std::vector<SubMenuCase> out{
        {&kKestrel, "1 Enter 4 Enter", kKestrelLine1, 2, 1},
        {&kKestrel, "1 Enter 0 Enter Enter 5 / 0 Enter", kKestrelLine1, 4, 1},
        {&kKestrel, "1 Enter 3 Enter", kKestrelLine1, 1, 2},
        {&kKestrel, "1 Enter 9 / 3 Enter", kKestrelLine1, 1, 2},
        {&kKestrel, "2 Enter 1 0 Enter", kKestrelLine2, 2, 1},
        {&kKestrel, "2 Enter 9 Enter", kKestrelLine2, 1, 2},

        plover(1, "0 Enter 9 Enter Enter 5 / 0 Enter - 1 Enter", 6, 1),
        plover(1, "8 Enter", 1, 2),
        plover(1, "1 6 / 2 Enter", 1, 2),
        plover(1, "8 . 5 Enter", 2, 1),
        plover(2, "0 Enter 4 Enter 0 / 0 Enter", 4, 1),
        plover(2, "3 Enter", 1, 2),
        plover(2, "3 . 5 Enter", 2, 1),
        plover(3, "4 Enter - 3 Enter 7 / 2 Enter", 4, 1),
        plover(3, "3 Enter", 1, 2),
        plover(3, "9 / 3 Enter", 1, 2),

        tern(typed("1") + typed("0") + typed("9") + typed("-1"), kTernLine1, 4, 1),
        tern(typed("1") + typed("") + typed("5/0") + typed("0/0"), kTernLine1, 4, 1),
        tern(typed("1") + typed("8"), kTernLine1, 1, 2),
        tern(typed("1") + typed("8.5"), kTernLine1, 2, 1),
        tern(typed("1") + typed("16/2"), kTernLine1, 1, 2),
        tern(typed("2") + typed("0") + typed("7") + typed("-1"), kTernLine2, 4, 1),
        tern(typed("2") + typed("6"), kTernLine2, 1, 2),
        tern(typed("2") + typed("13/2"), kTernLine2, 2, 1),
        tern(typed("2") + typed("6.0"), kTernLine2, 1, 2),
        tern(typed("3") + typed("0") + typed("9") + typed("-1"), kTernLine3, 4, 1),
        tern(typed("3") + typed("") + typed("5/0") + typed("17/2"), kTernLine3, 4, 1),
        tern(typed("3") + typed("8"), kTernLine3, 1, 2),
        tern(typed("3") + typed("16/2"), kTernLine3, 1, 2),
        // Chapter 4 has no goal screen.
        tern(typed("4") + typed("0") + typed("5") + typed("-1"), ternLine4, 4, 1, 0),
        tern(typed("4") + typed("") + typed("4.5") + typed("9/2"), ternLine4, 4, 1, 0),
        tern(typed("4") + typed("4"), ternLine4, 1, 2, 0),
        tern(typed("4") + typed("8/2"), ternLine4, 1, 2, 0),

        {&kGrebe, "1 Enter 6 Enter", grebeLine1, 2, 1},
        {&kGrebe, "1 Enter 0 Enter Enter 5 / 0 Enter 1 1 / 2 Enter", grebeLine1, 5, 1},
        {&kGrebe, "1 Enter 5 Enter", grebeLine1, 1, 2},
        {&kGrebe, "1 Enter 1 0 / 2 Enter", grebeLine1, 1, 2},
        {&kGrebe, "2 Enter 7 Enter", grebeLine2, 2, 1},
        {&kGrebe, "2 Enter 1 3 / 2 Enter - 1 Enter", grebeLine2, 3, 1},
        {&kGrebe, "2 Enter 6 Enter", grebeLine2, 1, 2},
        {&kGrebe, "2 Enter 1 2 / 2 Enter", grebeLine2, 1, 2},
    };
    // Plover's exercise chapters: items 1 to 4, 1 to 6 and 1 to 4.
    for (const auto& [c, entry, opens] : std::initializer_list<std::tuple<int, const char*, const char*>>{
             {4, "0", ""},
             {4, "5", ""},
             {4, "-1", ""},
             {4, "", ""},
             {4, "5/0", ""},
             {4, "4.5", ""},
             {4, "4", kToMenu},
             {4, "1", "長方形ABCDで、点PはAを出発して、辺B,Cを通ってDまで動きます。"},
             {4, "2.5", "(1)～(3)の場合に、yをxの式で表し、xの変域も求めよう。"},
             {4, "10/3", "(1)～(3)の場合をグラフに表そう。"},
             {5, "0", ""},
             {5, "7", ""},
             {5, "-2", ""},
             {5, "6.5", ""},
             {5, "6", kToMenu},
             {5, "1", "x=-3を代入して"},
             {5, "7/3", "変化の割合がﾀ2/5ﾀ"},
             {5, "9/2", "①の直線の式は"},
             {5, "5.9", "6"},
             {6, "0", ""},
             {6, "5", ""},
             {6, "9/2", ""},
             {6, "0.5", ""},
             {6, "", ""},
             {6, "4", kToMenu},
             {6, "1", "y=x-6 とx軸上で交わる"},
             {6, "2", "ycm^2"},
             {6, "10/3", "3"}})
        out.push_back(ploverExercise(c, entry, opens));
    // Chapter 4's goal is drawn again when the chapter is entered again.
    out.push_back({&kPlover,
                   typed("4") + typed("4") + typed("4"),
                   kPlover.chapters[3][0],
                   2,
                   2,
                   {{"図形の面積の変化について調べよう。", 2}}});
    // Kestrel's chapter 5: a fraction is cut to its whole part.
    for (const auto& [entry, leads] : std::initializer_list<std::pair<const char*, int>>{
             {"1", 1},
             {"2", 2},
             {"3", 3},
             {"4", 4},
             {"5", 5},
             {"6", 6},
             {"7", 7},
             {"8", 8},
             {"9", 9},
             {"3/2", 1},
             {"8.6", 8},
             {"18/2", 9},
             // Out of range, empty, and entries without a value.
             {"0", 0},
             {"10", 0},
             {"-3", 0},
             {"9.5", 0},
             {"0.5", 0},
             {"", 0},
             {"5/0", 0},
             {"0/0", 0},
             {"/", 0},
             {"-", 0}})
        out.push_back(kestrel5(entry, leads));
    // After topic 8, which has no key wait, item 9 returns to the main menu and its exit ends the program.
    out.push_back(
        {&kKestrel, typed("5") + typed("8") + typed("9") + typed("9"), kKestrelLine5, 2, 2, {}, true});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Chapters, SubMenuRange, ::testing::ValuesIn(allSubMenuCases()),
                         [](const auto& info) {
                             return std::string(info.param.program->name) + "_" + std::to_string(info.index);
                         });

// ---- Back from a topic ------------------------------------------------------------------

struct ReturnCase {
    const Program* program;
    const char* name;
    std::string keys;  // a chapter, then a topic stepped to its end
    std::string line;  // the chapter's choice line
    std::string goal;
};

class BackFromATopic : public ::testing::TestWithParam<ReturnCase> {};

// The choice line comes again over the topic's last screen: nothing is
// cleared after the topic's last key, and the goal is not drawn again.
TEST_P(BackFromATopic, KeepsItsScreenAndSkipsTheGoal) {
    const ReturnCase& c = GetParam();
    const AnyRun run = c.program->run({.keys = c.keys});
    EXPECT_EQ(run->count(c.line), 2);
    EXPECT_EQ(run->count(c.goal), 1);
    const auto records = run->records().records();
    auto r = records.rbegin();
    while (r != records.rend() && !(r->kind == TraceRecord::Kind::key && r->key == "a")) ++r;
    ASSERT_NE(r, records.rend()) << "no step key";
    for (auto after = records.rbegin(); after != r; ++after) {
        const bool clear =
            after->kind == TraceRecord::Kind::segment && after->segment.x1 == 0 && after->segment.y1 == 0;
        EXPECT_FALSE(clear) << after->line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chapters, BackFromATopic,
    ::testing::Values(ReturnCase{&kKestrel, "kestrel_chapter1", "1 Enter 1 Enter" + steps(15),
                                 " ①表式,変化の様子　②グラフ　③終了", kKestrel.chapters[0][0]},
                      ReturnCase{&kKestrel, "kestrel_chapter5", typed("5") + typed("4") + steps(10),
                                 kKestrelLine5, kKestrelGoal5},
                      ReturnCase{&kPlover, "plover_chapter1", typed("1") + typed("1") + steps(4),
                                 kPlover.chapters[0][1], kPlover.chapters[0][0]},
                      ReturnCase{&kPlover, "plover_chapter4", typed("4") + typed("3") + steps(3),
                                 kPlover.chapters[3][0], "図形の面積の変化について調べよう。"},
                      ReturnCase{&kGrebe, "grebe_chapter1", "1 Enter 1 Enter" + steps(10),
                                 kGrebe.chapters[0][1], kGrebe.chapters[0][0]}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Every screen text on a tour of every topic ------------------------------------------

struct Tour {
    const Program* program;
    const char* name;
    std::string keys;                 // every topic of some chapters to its end, then the exit
    int seeds;                        // the tour runs on seeds 1 to seeds
    std::vector<std::string> firsts;  // a text of each topic: the tour reached them all
    std::size_t distinctOver;         // more distinct texts than this (0: not counted)
    int replaySeed = 1;
    bool noMinusZeroAtAll = false;            // not even "-0.5"
    std::optional<PolygonQuery> replayDraws;  // a polygon the replay draws on the way, when given
};

// A number that reads "-0": "-0" not going on with a digit or a decimal point.
bool readsMinusZero(const std::string& text) {
    for (auto at = text.find("-0"); at != std::string::npos; at = text.find("-0", at + 1)) {
        const char next = at + 2 < text.size() ? text[at + 2] : ' ';
        if (next != '.' && (next < '0' || next > '9')) return true;
    }
    return false;
}

constexpr float kStatusBandTop = 640;

class ScreenTexts : public ::testing::TestWithParam<Tour> {};

// The mark-up of every text is whole and no number reads "-0".
TEST_P(ScreenTexts, EveryTextHasWholeMarkupAndNoMinusZero) {
    const Tour& t = GetParam();
    std::set<std::string> distinct;
    for (int seed = 1; seed <= t.seeds; ++seed) {
        const AnyRun run = t.program->run({.keys = t.keys, .seed = seed});
        ASSERT_TRUE(run->ended()) << seed;
        for (const auto& r : run->texts) {
            distinct.insert(r.text);
            EXPECT_EQ(MarkupFault(r.text), "") << r.text;
            EXPECT_FALSE(readsMinusZero(r.text)) << r.text;
            if (t.noMinusZeroAtAll) {
                EXPECT_EQ(r.text.find("-0"), std::string::npos) << r.text;
            }
        }
    }
    for (const std::string& first : t.firsts) EXPECT_TRUE(distinct.count(first)) << first;
    EXPECT_GT(distinct.size(), t.distinctOver);
}

// Every text placed on screen stands on the part of the surface a window
// shows, and in the status band (from y 640) stand only the prompts: the
// status line's glyphs (ゴシック 16 bold, from their top-left corner) on its
// rows 648 and 666. (A glyph of maths text may be anchored off its line, a
// raised x above the top row, so the surface rule reads the texts' places.)
TEST_P(ScreenTexts, EveryGlyphOnTheSurfaceAndOnlyPromptsInTheStatusBand) {
    const Tour& t = GetParam();
    for (int seed = 1; seed <= t.seeds; ++seed) {
        const AnyRun run = t.program->run({.keys = t.keys, .seed = seed});
        for (const ScreenTextRecord& r : run->texts) {
            if (r.x < 0) continue;  // a label handed to a routine, which places it
            EXPECT_TRUE(r.x < rt::Canvas::kViewWidth && r.y >= 0 && r.y < rt::Canvas::kViewHeight)
                << r.text << " at " << r.x << " " << r.y;
        }
        for (const Glyph& g : run->records().glyphs()) {
            if (g.y < kStatusBandTop) continue;
            const std::string where = g.text + " at " + std::to_string(g.x) + " " + std::to_string(g.y);
            EXPECT_TRUE(g.y == 648 || g.y == 666) << where;
            EXPECT_TRUE(g.face == "ゴシック" && g.size == 16 && g.bold && g.h == 1 && g.v == 1) << where;
        }
    }
}

// The same path through the replay tool: it runs to the program's own end
// without entering the error handler.
TEST_P(ScreenTexts, ReplayRunsTheTourToTheExit) {
    const Tour& t = GetParam();
    const Trace trace(replayTrace(t.program->name, t.keys, t.replaySeed));
    EXPECT_EQ(replayTraceFault(trace), "");
    if (t.replayDraws) {
        EXPECT_FALSE(trace.polygons(*t.replayDraws).empty()) << t.name;
    }
}

std::vector<Tour> allTours() {
    const std::string twoGraphs = steps(3) + " 2 Enter" + steps(3) + " 1 Enter";
    const std::string twoExamples = steps(7) + " 2 Enter" + steps(7) + " 1 Enter";
    return {
        {&kKestrel,
         "chapters1and2",
         "1 Enter 1 Enter" + steps(15) + " 2 Enter" + steps(6) + " 3 Enter" +  //
             " 2 Enter 1 Enter" + steps(20) + " 2 Enter" + steps(14) + " 3 Enter" + steps(9) + " 4 Enter" +
             steps(3) + " 5 Enter" + steps(13) + " 6 Enter" + steps(27) + " 7 Enter" + steps(3) + " 8 Enter" +
             steps(10) + " 9 Enter 9 Enter",
         1,
         {"課1 ", "課2 ", "お湯を沸かすとき、中火と強火ではどちらが安い？", "x分後の水の温度をy℃として、",
          "教科書P60 問1　解答", "<１次関数の意味>", "例１　深さ3cmのところまで水が入っている。",
          "例2　長さ16cmの線香に火をつけると、", "教科書P61 問3　解答", "問4(1)"},
         200},
        {&kPlover,
         "chapters1to3",
         "1 Enter 1 Enter" + steps(4) + " 2 Enter" + steps(17) + " 3 Enter" + steps(13) + " 4 Enter" +
             steps(13) + " 5 Enter" + steps(15) + " 6 Enter" + steps(6) + " 7 Enter" + steps(7) +
             " 8 Enter" +                                                          //
             " 2 Enter 1 Enter" + steps(2) + " 2 Enter" + steps(8) + " 3 Enter" +  //
             " 3 Enter 1 Enter" + steps(18) + " 2 Enter" + steps(15) + " 3 Enter 8 Enter",
         1,
         {"飲み物を冷たいと感じる温度は、10℃以下といわれている。", "表で調べよう。", "グラフで調べよう。",
          "式で調べよう。", "温度は時間の1次関数とみなして考えた。", "①点をうつと ", "観測所", " =6.9",
          "P86 Q すれちがう回数は?", "問1解答"},
         150},
        // Chapters 4 to 6 from the main menu, every topic stepped to its end.
        {&kPlover,
         "chapters4to6",
         typed("4") + typed("1") + "a" + steps(21) + " 1" + steps(4) + " " + typed("2") + steps(13) + " " +
             typed("3") + steps(3) + " " + typed("4") + typed("5") + typed("1") + "a " + typed("2") + "a " +
             typed("3") + typed("4") + steps(4) + " " + typed("5") + steps(3) + " " + typed("6") +
             typed("6") + typed("1") + steps(10) + " " + typed("2") + steps(3) + " " + typed("3") +
             steps(30) + " " + typed("4") + typed("8"),
         1,
         {"△APDは減少する", "(7≦x≦10)", "y=20-2x(7≦x≦10)", "-3", "答 y=-3x+2", "x=ﾀ3/2ﾀ", "答 (ﾀ5/3ﾀ,ﾀ2/3ﾀ)",
          "家から6kmの地点", "答 y=3x-5", "(4≦x≦7)", "答 y=-4x+16"},
         0,
         1,
         false,
         PolygonQuery{.filled = true,
                      .colour = ink::text,
                      .fillColour = ink::accent,
                      .width = 5,
                      .points = {{{790, 460}, {1150, 460}, {910, 220}, {790, 460}}}}},
        {&kTern,
         "chapters1and2",
         "1 Enter 1 Enter" + steps(33) + " 2 Enter" + steps(13) +                               //
             " 3 Enter" + steps(5) + " 2 Enter" + steps(5) + " 1 Enter" +                       //
             " 4 Enter" + steps(6) + " 2 Enter" + steps(6) + " 1 Enter" + steps(1) +            //
             " 5 Enter" + steps(11) +                                                           //
             " 6 Enter" + steps(11) + " 2 Enter" + steps(11) + " 1 Enter" + steps(1) +          //
             " 7 Enter" + steps(15) + " 8 Enter" +                                              //
             " 2 Enter 1 Enter" + steps(13) + " 2 Enter" + steps(9) + " 3 Enter" + steps(13) +  //
             " 4 Enter" + steps(12) + " 5 Enter 6 Enter 6 Enter",
         1,
         {"2元1次方程式", "問1 ", "例1-1", "例1", "教科書P77 問2　解答", "例2", "教科書P78 問3　解答",
          "方程式 2y=6 のグラフを2点を求めてかきなさい。", "教科書P79 問4　解答",
          "方程式 3x=6 のグラフを2点を求めてかきなさい。", "教科書P79 問5　解答", "<2元1次方程式のグラフ>",
          "教科書P77 問2 をやってみよう。", "教科書P78 問3　をやってみよう。"},
         150,
         1,
         true},
        // The random topics for several problems, over seeds.
        {&kTern,
         "chapters3and4",
         "3 Enter 1 Enter" + steps(20) +                                                           //
             " 2 Enter" + steps(3) + " 2 Enter" + steps(3) + " 0 Enter" + steps(3) + " 1 Enter" +  //
             " 3 Enter" + steps(8) +                                                               //
             " 4 Enter" + steps(10) + " 2 Enter" + steps(10) + " -1 Enter" + steps(10) + " 1 Enter" +
             steps(1) + " 5 Enter" + steps(13) + " 6 Enter" + steps(3) + " 7 Enter" + steps(13) +
             " 8 Enter" +  //
             " 4 Enter 1 Enter" + steps(11) + " 2 Enter 3 Enter" + steps(19) + " 4 Enter 6 Enter",
         12,
         {"連立方程式の", "例 連立方程式の解を、", "問1 解答", "例　", "問2 解答", "問3 解答",
          "問4 連立方程式", "P82 基本の問題", "答 x=3,y=-2", "答 (-ﾀ10/3ﾀ,ﾀ8/3ﾀ)"},
         0,
         1,
         true},
        {&kGrebe,
         "chapters1and2",
         "1 Enter 1 Enter" + steps(10) + " 2 Enter" + twoGraphs + " 3 Enter" + twoGraphs + " a 4 Enter" +
             " 5 Enter 2 Enter 1 Enter" + twoExamples + " 2 Enter" + twoExamples + " 3 Enter" + steps(4) +
             " 4 Enter" + steps(13) + " 5 Enter" + steps(5) + " 6 Enter 7 Enter",
         1,
         {"図の直線は、1次関数 y=ax+b のグラフです。", "練習1 図の直線の式を求めなさい。",
          "練習2 図の直線の式を求めなさい。", "教科書P71 問1 をしなさい。", "教科書P71 問1　解答", "例2-1　",
          "例2-2　", "1次関数の式を求める", "問2　解答", "問3　解答", "答 y=-2x+5"},
         150,
         1,
         true},
        // Two problems of each random example.
        {&kGrebe,
         "chapters3and4",
         "3 Enter 1 Enter" + steps(4) + " 2 Enter" + steps(4) + " 1 Enter" +  //
             " 2 Enter" + steps(8) + " 0 Enter" + steps(8) + " 1 Enter" +     //
             " 3 Enter" + steps(11) + " Enter" + steps(11) + " 1 Enter" +     //
             " 4 Enter" + steps(2) + " 5 Enter" + steps(3) + " 6 Enter" +     //
             " 4 Enter 1 Enter" + steps(2) + " 2 Enter 3 Enter 4 Enter 5 Enter 7 Enter",
         1,
         {"例3-1　", "例3-2　", "例3-3　", "<まとめ>", "問4(1)　解答", "問4(2)　解答", "1", "4", "5", "6"},
         0,
         7},
    };
}

INSTANTIATE_TEST_SUITE_P(EveryTopic, ScreenTexts, ::testing::ValuesIn(allTours()), [](const auto& info) {
    return std::string(info.param.program->name) + "_" + info.param.name;
});

}  // namespace
}  // namespace lesson::testing
