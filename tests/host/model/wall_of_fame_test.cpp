// The table of the ten best games: where a finished game goes, what a
// cancelled name does, and how the end of a game enters its score.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/model/test_game.h"

namespace {

// Entry i is named "Pi" and reached level i + 1.
void fill(WallOfFameTable& table, const std::vector<int>& scores) {
    clearWallOfFame(table);
    for (size_t i = 0; i < scores.size(); ++i) {
        copyName(table.entries[i].name, kNameBufferSize, ("P" + std::to_string(i)).c_str());
        table.entries[i].score = scores[i];
        table.entries[i].level = static_cast<int>(i) + 1;
    }
}

// "name score level" of every entry.
std::vector<std::string> entries(const WallOfFameTable& table) {
    std::vector<std::string> out;
    for (const auto& e : table.entries) {
        out.push_back(std::string(e.name) + " " + std::to_string(e.score) + " " +
                      std::to_string(e.level));
    }
    return out;
}

std::vector<int> scores(const WallOfFameTable& table) {
    std::vector<int> out;
    for (const auto& e : table.entries) {
        out.push_back(e.score);
    }
    return out;
}

TEST(WallOfFame, InsertionKeepsTheTableOrdered) {
    const std::vector<int> full{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    struct {
        const char* what;
        std::vector<int> before;
        int score, place;
        std::vector<int> after;  // -1 is empty
    } cases[] = {
        {"empty table", {}, 1, 0, {1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {"an equal score goes below",
         {500, 400, 300},
         400,
         2,
         {500, 400, 400, 300, -1, -1, -1, -1, -1, -1}},
        {"full table, equal to the last", full, 100, 10, full},
        {"full table, just better",
         full,
         101,
         9,
         {1000, 900, 800, 700, 600, 500, 400, 300, 200, 101}},
        {"full table, best", full, 5000, 0, {5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200}},
        {"an entry without a score is overwritten",
         {500, 0, 300},
         100,
         1,
         {500, 100, 300, -1, -1, -1, -1, -1, -1, -1}},
        // The walk stops at the first lower score, so 300 moves and the
        // entry without a score after it is pushed along.
        {"a zero entry further down moves",
         {500, 400, 300, 0},
         350,
         2,
         {500, 400, 350, 300, 0, -1, -1, -1, -1, -1}},
    };
    for (const auto& c : cases) {
        TestGame g;
        fill(g.fame, c.before);
        EXPECT_EQ(addToWallOfFame(g.fame, g, c.score, 42), c.place) << c.what;
        EXPECT_EQ(scores(g.fame), c.after) << c.what;
        // The name is asked only for a place, with that place.
        EXPECT_EQ(g.calls.size(), c.place < 10 ? 1u : 0u) << c.what;
        EXPECT_EQ(g.calls.empty() ? 10 : g.calls[0].a, c.place) << c.what;
    }
    // Names and levels move down with their scores.
    TestGame g;
    fill(g.fame, {500, 400, 300});
    addToWallOfFame(g.fame, g, 400, 9);
    EXPECT_EQ(entries(g.fame)[1] + "," + entries(g.fame)[2] + "," + entries(g.fame)[3],
              "P1 400 2,Tester 400 9,P2 300 3");
}

TEST(WallOfFame, ACancelledNameLeavesTheTableAndLongNamesAreCut) {
    TestGame g;
    fill(g.fame, {500, 400, 300});
    const std::vector<std::string> before = entries(g.fame);
    g.askAnswer = 0;
    EXPECT_EQ(addToWallOfFame(g.fame, g, 450, 3), 1);
    EXPECT_EQ(g.hookNames(), Names{"askPlayerName"});
    EXPECT_EQ(entries(g.fame), before);

    g.askAnswer = 1;
    g.playerName = std::string(35, 'x');
    EXPECT_EQ(addToWallOfFame(g.fame, g, 10, 1), 3);
    EXPECT_EQ(std::string(g.fame.entries[3].name), std::string(29, 'x'));
    clearWallOfFame(g.fame);
    EXPECT_EQ(scores(g.fame), std::vector<int>(10, -1));
    EXPECT_EQ(g.fame.entries[0].name[0], '\0');
}

// The end of a game enters the truncated score with the level reached (7),
// stored before the new game resets it.
TEST(GameOver, EntersTheTruncatedScoreWithTheLevelReached) {
    struct {
        double score;
        std::vector<int> table;
        int askAnswer, rank;
        const char* entry;  // entry 0 afterwards
    } cases[] = {
        {0.9, {}, 1, -1, " -1 0"},
        {0.0, {}, 1, -1, " -1 0"},
        {-4.5, {}, 1, -1, " -1 0"},
        {1.0, {}, 1, 0, "Tester 1 7"},
        {75.9, {}, 1, 0, "Tester 75 7"},
        {350.0, {500, 400, 300}, 0, 2, "P0 500 1"},
        {100.99, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}, 1, 10, "P0 1000 1"},
    };
    for (const auto& c : cases) {
        TestGame g;
        g.clearField(2, 7);
        fill(g.fame, c.table);
        g.askAnswer = c.askAnswer;
        g.lvl.SCORE = c.score;
        g.endGame(kEndTimeExpired);
        Names hooks{"onGameEnding", "askPlayerName", "onGameOver", "onLevelStarted"};
        if (c.rank < 0 || c.rank == 10) {
            hooks.erase(hooks.begin() + 1);
        }
        EXPECT_EQ(g.hookNames(), hooks) << c.score;
        EXPECT_EQ(g.calls[0].running, 0);
        EXPECT_EQ(g.last("onGameOver")->a, kEndTimeExpired);
        EXPECT_EQ(g.last("onGameOver")->b, c.rank) << c.score;
        EXPECT_EQ(g.last("onGameOver")->levelNumber, 0) << c.score;
        EXPECT_EQ(entries(g.fame)[0], c.entry) << c.score;
        EXPECT_EQ(g.lvl.NBLLS, 1);
    }
    TestGame g;  // without a table nothing is entered
    g.clearField(2, 7);
    g.wallOfFame = nullptr;
    g.lvl.SCORE = 50.0;
    g.endGame(kEndNoMoreLives);
    EXPECT_EQ(g.hookNames(), (Names{"onGameEnding", "onGameOver", "onLevelStarted"}));
    EXPECT_EQ(g.last("onGameOver")->b, -1);
}

}  // namespace
