// The table of the ten best games: where a finished game goes, what a
// cancelled name does, and how the end of a game enters its score.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/host/model/test_game.h"

namespace {

void fill(WallOfFameTable& table, const std::vector<int>& scores) {
    clearWallOfFame(table);
    for (size_t i = 0; i < scores.size(); ++i) {
        std::string name = "P" + std::to_string(i);
        std::strcpy(table.entries[i].name, name.c_str());
        table.entries[i].score = scores[i];
        table.entries[i].level = static_cast<int>(i) + 1;
    }
}

std::vector<int> scoresOf(const WallOfFameTable& table) {
    std::vector<int> out;
    for (const auto& entry : table.entries) {
        out.push_back(entry.score);
    }
    return out;
}

std::vector<std::string> namesOf(const WallOfFameTable& table) {
    std::vector<std::string> out;
    for (const auto& entry : table.entries) {
        out.push_back(entry.name);
    }
    return out;
}

TEST(WallOfFame, ClearingEmptiesEveryEntry) {
    WallOfFameTable table;
    fill(table, {500, 400, 300, 200, 100, 90, 80, 70, 60, 50});
    clearWallOfFame(table);
    for (const auto& entry : table.entries) {
        EXPECT_STREQ(entry.name, "");
        EXPECT_EQ(entry.score, -1);
    }
}

TEST(WallOfFame, TheFirstGameOfAnEmptyTableTakesTheTop) {
    TestGame g;
    clearWallOfFame(g.fame);
    g.playerName = "Ann";
    EXPECT_EQ(addToWallOfFame(g.fame, g, 1, 2), 0);
    EXPECT_EQ(g.hookNames(), std::vector<std::string>{"askPlayerName"});
    EXPECT_EQ(g.calls[0].a, 0);
    EXPECT_STREQ(g.fame.entries[0].name, "Ann");
    EXPECT_EQ(g.fame.entries[0].score, 1);
    EXPECT_EQ(g.fame.entries[0].level, 2);
    EXPECT_EQ(g.fame.entries[1].score, -1);
}

TEST(WallOfFame, AnEqualScoreGoesBelowAndLowerOnesMoveDown) {
    TestGame g;
    fill(g.fame, {500, 400, 300});
    g.playerName = "New";
    EXPECT_EQ(addToWallOfFame(g.fame, g, 400, 9), 2);
    EXPECT_EQ(g.calls[0].a, 2);
    EXPECT_EQ(scoresOf(g.fame), (std::vector<int>{500, 400, 400, 300, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(namesOf(g.fame)[2], "New");
    EXPECT_EQ(namesOf(g.fame)[3], "P2");
    EXPECT_EQ(g.fame.entries[2].level, 9);
    EXPECT_EQ(g.fame.entries[3].level, 3);
}

TEST(WallOfFame, AFullTableTakesOnlyABetterScore) {
    TestGame g;
    const std::vector<int> full{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    fill(g.fame, full);
    EXPECT_EQ(addToWallOfFame(g.fame, g, 100, 4), 10);
    EXPECT_TRUE(g.calls.empty());  // no name is asked
    EXPECT_EQ(scoresOf(g.fame), full);

    EXPECT_EQ(addToWallOfFame(g.fame, g, 101, 4), 9);
    EXPECT_EQ(scoresOf(g.fame),
              (std::vector<int>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 101}));
    EXPECT_STREQ(g.fame.entries[9].name, "Tester");

    EXPECT_EQ(addToWallOfFame(g.fame, g, 5000, 4), 0);
    EXPECT_EQ(scoresOf(g.fame),
              (std::vector<int>{5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200}));
    EXPECT_EQ(namesOf(g.fame)[9], "P8");
}

TEST(WallOfFame, ACancelledNameLeavesTheTableButKeepsThePlace) {
    TestGame g;
    fill(g.fame, {500, 400, 300});
    WallOfFameTable before = g.fame;
    g.askAnswer = 0;
    EXPECT_EQ(addToWallOfFame(g.fame, g, 450, 3), 1);
    EXPECT_EQ(g.count("askPlayerName"), 1);
    EXPECT_EQ(std::memcmp(&before, &g.fame, sizeof before), 0);
}

TEST(WallOfFame, AnEntryWithoutAScoreIsOverwrittenNotMoved) {
    TestGame g;
    fill(g.fame, {500, 0, 300});
    EXPECT_EQ(addToWallOfFame(g.fame, g, 100, 6), 1);
    EXPECT_EQ(scoresOf(g.fame), (std::vector<int>{500, 100, 300, -1, -1, -1, -1, -1, -1, -1}));

    fill(g.fame, {500, 400, 300, 0});
    EXPECT_EQ(addToWallOfFame(g.fame, g, 350, 6), 2);
    // The walk stops at the first lower score, so 300 moves and the
    // entry without a score after it is pushed along.
    EXPECT_EQ(scoresOf(g.fame), (std::vector<int>{500, 400, 350, 300, 0, -1, -1, -1, -1, -1}));
}

TEST(WallOfFame, NamesKeepAtMost29Characters) {
    TestGame g;
    clearWallOfFame(g.fame);
    g.playerName = std::string(35, 'x');
    EXPECT_EQ(addToWallOfFame(g.fame, g, 10, 1), 0);
    EXPECT_EQ(std::string(g.fame.entries[0].name), std::string(29, 'x'));

    char target[kNameBufferSize];
    std::memset(target, '#', sizeof target);
    copyName(target, kNameBufferSize, std::string(40, 'y').c_str());
    EXPECT_EQ(std::string(target), std::string(29, 'y'));
    copyName(target, kNameBufferSize, "Bo");
    EXPECT_STREQ(target, "Bo");
}

struct Ending {
    double score;
    bool tableSet;
    int rank;     // handed to onGameOver
    int entered;  // the score in entry 0, or -1
};

class GameOverEntry : public ::testing::TestWithParam<Ending> {};

TEST_P(GameOverEntry, EntersTheTruncatedScoreWithTheLevelReached) {
    const Ending& c = GetParam();
    TestGame g;
    g.clearField(2, 7);
    clearWallOfFame(g.fame);
    if (!c.tableSet) {
        g.wallOfFame = nullptr;
    }
    g.lvl.SCORE = c.score;
    g.endGame(kEndNoMoreLives);
    const HookCall* over = g.last("onGameOver");
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(over->a, kEndNoMoreLives);
    EXPECT_EQ(over->b, c.rank);
    EXPECT_EQ(g.count("askPlayerName"), c.entered >= 0 ? 1 : 0);
    EXPECT_EQ(g.fame.entries[0].score, c.entered);
    if (c.entered >= 0) {
        EXPECT_EQ(g.fame.entries[0].level, 7);
    }
    EXPECT_EQ(g.lvl.NBLLS, 1);  // a new game runs
}

INSTANTIATE_TEST_SUITE_P(Scores, GameOverEntry,
                         ::testing::Values(Ending{0.9, true, -1, -1}, Ending{0.0, true, -1, -1},
                                           Ending{-4.5, true, -1, -1}, Ending{1.0, true, 0, 1},
                                           Ending{75.9, true, 0, 75}, Ending{50.0, false, -1, -1}));

TEST(GameOver, HooksComeInOrderAndTheLevelIsStoredBeforeTheReset) {
    TestGame g;
    g.clearField(2, 12);
    clearWallOfFame(g.fame);
    g.lvl.SCORE = 33.3;
    g.endGame(kEndTimeExpired);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"onGameEnding", "askPlayerName",
                                                       "onGameOver", "onLevelStarted"}));
    EXPECT_EQ(g.calls[0].running, 0);
    EXPECT_EQ(g.calls[1].levelNumber, 12);
    EXPECT_EQ(g.calls[1].endReason, kEndTimeExpired);
    EXPECT_EQ(g.calls[2].levelNumber, 0);
    EXPECT_EQ(g.fame.entries[0].level, 12);
    EXPECT_EQ(g.fame.entries[0].score, 33);
    EXPECT_EQ(g.endReason, kEndTimeExpired);
}

TEST(GameOver, ACancelledNameStillGivesThePlace) {
    TestGame g;
    g.clearField(2, 5);
    fill(g.fame, {500, 400, 300});
    g.askAnswer = 0;
    g.lvl.SCORE = 350.0;
    g.endGame(kEndNoMoreLives);
    EXPECT_EQ(g.last("onGameOver")->b, 2);
    EXPECT_EQ(scoresOf(g.fame), (std::vector<int>{500, 400, 300, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(GameOver, ALowScoreOnAFullTableGetsRankTen) {
    TestGame g;
    g.clearField(2, 5);
    fill(g.fame, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100});
    g.lvl.SCORE = 100.99;
    g.endGame(kEndNoMoreLives);
    EXPECT_EQ(g.last("onGameOver")->b, 10);
    EXPECT_EQ(g.count("askPlayerName"), 0);
}

}  // namespace
