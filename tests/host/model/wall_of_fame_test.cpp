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

TEST(WallOfFame, InsertionKeepsTheTableOrdered) {
    const std::vector<int> full{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    struct {
        const char* what;
        std::vector<int> before;
        int score, place;
        std::vector<int> after;  // scores; -1 is empty
        int askedRank;           // -1: no name asked
    } cases[] = {
        {"empty table", {}, 1, 0, {1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 0},
        {"an equal score goes below",
         {500, 400, 300},
         400,
         2,
         {500, 400, 400, 300, -1, -1, -1, -1, -1, -1},
         2},
        {"full table, equal to the last", full, 100, 10, full, -1},
        {"full table, just better",
         full,
         101,
         9,
         {1000, 900, 800, 700, 600, 500, 400, 300, 200, 101},
         9},
        {"full table, best",
         full,
         5000,
         0,
         {5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200},
         0},
        {"an entry without a score is overwritten",
         {500, 0, 300},
         100,
         1,
         {500, 100, 300, -1, -1, -1, -1, -1, -1, -1},
         1},
        // The walk stops at the first lower score, so 300 moves and the
        // entry without a score after it is pushed along.
        {"a zero entry further down moves",
         {500, 400, 300, 0},
         350,
         2,
         {500, 400, 350, 300, 0, -1, -1, -1, -1, -1},
         2},
    };
    for (const auto& c : cases) {
        TestGame g;
        fill(g.fame, c.before);
        std::vector<std::string> expected = entries(g.fame);
        EXPECT_EQ(addToWallOfFame(g.fame, g, c.score, 42), c.place) << c.what;
        std::vector<int> scores;
        for (const auto& e : g.fame.entries) {
            scores.push_back(e.score);
        }
        EXPECT_EQ(scores, c.after) << c.what;
        EXPECT_EQ(g.count("askPlayerName"), c.askedRank >= 0 ? 1 : 0) << c.what;
        if (c.askedRank >= 0) {
            EXPECT_EQ(g.calls[0].a, c.askedRank) << c.what;
            // The new entry is in its place and everything below it moved
            // down by one, names and levels too.
            expected.insert(expected.begin() + c.place,
                            "Tester " + std::to_string(c.score) + " 42");
            expected.resize(kWallOfFameSize);
            if (c.before.size() > static_cast<size_t>(c.place) && c.before[c.place] == 0) {
                expected.erase(expected.begin() + c.place + 1);
                expected.push_back(" -1 0");
            }
            EXPECT_EQ(entries(g.fame), expected) << c.what;
        }
    }
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
    EXPECT_EQ(entries(g.fame), std::vector<std::string>(10, " -1 0"));
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
