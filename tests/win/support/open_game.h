// The Game with its working state open to tests and benchmarks: the one way
// they look inside it, as OpenModel is for the model. A test that builds its
// own view makes an OpenGame; the Game the program's frame builds is reached
// through the member pointers, formed here where the steps are accessible.
#pragma once

#include "presentation/game.h"

class OpenGame : public Game {
  public:
    using Game::applyTheme;
    using Game::ballFrame;
    using Game::fieldBrush;
    using Game::instance;
    using Game::loadFrames;
    using Game::paint;
    using Game::setFieldSize;
    using GameModel::cols;
    using GameModel::fieldBottom;
    using GameModel::fieldLeft;
    using GameModel::fieldRight;
    using GameModel::fieldTop;
    using GameModel::frame;
    using GameModel::frameCount;
    using GameModel::level;
    using GameModel::rows;

    static constexpr void (GameModel::*kEndGame)(int) = &OpenGame::endGame;
    static constexpr void (Game::*kSetFieldSize)(int, int) = &OpenGame::setFieldSize;
};

// The same Game that shows no boxes, for tests that play on unattended.
class QuietGame : public OpenGame {
  public:
    void onGameOver(int, int) override {}
    void showMessage(const char*) override {}
};
