// A silent game that is also the view of its field, as the program's Game
// is for the saved-game files: a view at its needed size puts the field's
// corner at `neededAt`, and laying the field out again moves it by
// (layoutShiftX, layoutShiftY).
#pragma once

#include "persistence/saved_game.h"
#include "tests/support/silent_game.h"

class ViewedGame : public SilentGame, public FieldView {
  public:
    using SilentGame::SilentGame;

    FieldCorner neededCorner(int32_t, int32_t) const override { return neededAt; }
    void recomputeGeometry() override {
        placeField(fieldLeft + layoutShiftX, fieldTop + layoutShiftY);
    }

    FieldCorner neededAt{10, 10};
    int layoutShiftX = 0;
    int layoutShiftY = 0;
};
