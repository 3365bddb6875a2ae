// The game model with its working state open to tests: the program reaches
// it only through the model's operations, a test also looks inside.
#pragma once

#include "model/game_model.h"

class OpenModel : public GameModel {
  public:
    using GameModel::addScore;
    using GameModel::completeLevel;
    using GameModel::defineCellForBalls;
    using GameModel::fail;
    using GameModel::moveBall;
    using GameModel::releaseChambers;
    using GameModel::setBarTo;
    using GameModel::setChamber;
    using GameModel::tryMove;

    using GameModel::ballRadius;
    using GameModel::ballStep;
    using GameModel::barStep;
    using GameModel::cellHeight;
    using GameModel::cellWidth;
    using GameModel::chamberLabels;
    using GameModel::cols;
    using GameModel::endReason;
    using GameModel::fieldBottom;
    using GameModel::fieldLeft;
    using GameModel::fieldRight;
    using GameModel::fieldTop;
    using GameModel::frame;
    using GameModel::frameCount;
    using GameModel::frameTick;
    using GameModel::horizontalBars;
    using GameModel::level;
    using GameModel::paused;
    using GameModel::percentToComplete;
    using GameModel::releasedThisShot;
    using GameModel::rows;
    using GameModel::wallOfFame;
};
