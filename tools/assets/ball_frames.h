// The ball frames of every theme, in the order of their bitmap ids
// (110 to 139). Every frame's pixel (0, 0) carries its transparent colour.
#pragma once

#include <vector>

#include "tools/assets/image.h"

namespace assets {

struct BallFrame {
    int id;
    Image image;
};

constexpr int kFirstBallFrameId = 110;
constexpr int kLastBallFrameId = 139;

std::vector<BallFrame> ballFrames();

// The Classic frames alone: frame i (0 to 7) shows the red and white ball
// turned by i eighths of a turn, on black.
Image classicFrame(int index);

}  // namespace assets
