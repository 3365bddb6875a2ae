#include "tools/assets/ball_frames.h"

#include <cmath>

#include "tools/assets/sphere.h"
#include "tools/assets/synth.h"

namespace assets {

namespace {

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kGrass = rgb(34, 139, 34);

// A set of frames: the ball turned by equal steps of one whole turn. The
// mean colour of every themed frame keeps a contrast ratio of at least 3:1
// with its theme's field (core/themes.h), so the ball stands out.
struct FrameSet {
    int firstId;
    int frameCount;
    int largeFrame;  // index of the 15 x 15 frame, or -1
    Colour background;
    SurfacePattern pattern;
};

bool nearAny(const Vec3& p, const std::vector<Vec3>& centres, double cosineRadius) {
    for (const Vec3& c : centres) {
        if (dot(p, c) > cosineRadius) {
            return true;
        }
    }
    return false;
}

std::vector<Vec3> normalisedAll(std::vector<Vec3> points) {
    for (Vec3& p : points) {
        p = normalised(p);
    }
    return points;
}

// The twelve corners of an icosahedron, tipped so that no spot faces the
// viewer head-on: the patches of a football.
std::vector<Vec3> footballPatches() {
    constexpr double kGolden = 1.6180339887498949;
    const std::vector<Vec3> corners = {{0, 1, kGolden},   {0, -1, kGolden},  {0, 1, -kGolden},
                                       {0, -1, -kGolden}, {1, kGolden, 0},   {-1, kGolden, 0},
                                       {1, -kGolden, 0},  {-1, -kGolden, 0}, {kGolden, 0, 1},
                                       {-kGolden, 0, 1},  {kGolden, 0, -1},  {-kGolden, 0, -1}};
    const double c = cosineOfTurns(0.07);
    const double s = sineOfTurns(0.07);
    std::vector<Vec3> tipped;
    for (const Vec3& p : corners) {
        tipped.push_back({p.x, p.y * c - p.z * s, p.y * s + p.z * c});
    }
    return normalisedAll(tipped);
}

// The black patches are wide enough to keep the ball darker than the
// light green field.
Colour football(const Vec3& p) {
    static const std::vector<Vec3> kPatches = footballPatches();
    return nearAny(p, kPatches, 0.91) ? rgb(20, 20, 20) : rgb(236, 236, 230);
}

// A ball of sand darker than the field, with an equator and one meridian
// seam, so each of its three frames shows the seam in a different place.
Colour desert(const Vec3& p) {
    const bool seam = std::fabs(p.x) < 0.12 || std::fabs(p.y) < 0.09;
    return seam ? rgb(110, 60, 25) : rgb(212, 156, 84);
}

// A rusty planet with a few craters, each with a lighter rim.
Colour mars(const Vec3& p) {
    static const std::vector<Vec3> kCraters = normalisedAll({{0.5, -0.3, 0.8},
                                                             {-0.6, 0.4, 0.7},
                                                             {0.2, 0.7, -0.7},
                                                             {-0.8, -0.2, -0.5},
                                                             {0.9, 0.35, 0.1},
                                                             {-0.1, -0.8, -0.4}});
    if (nearAny(p, kCraters, 0.93)) {
        return rgb(120, 42, 22);
    }
    if (nearAny(p, kCraters, 0.88)) {
        return rgb(222, 118, 72);
    }
    return rgb(188, 74, 38);
}

// A pale moonlit ball strewn with golden stars: light, so it shows on the
// dusky field.
Colour night(const Vec3& p) {
    static const std::vector<Vec3> kStars = normalisedAll({{0.3, -0.4, 0.85},
                                                           {-0.5, 0.2, 0.8},
                                                           {0.8, 0.3, -0.3},
                                                           {-0.7, -0.5, -0.4},
                                                           {0.1, 0.6, -0.8},
                                                           {0.6, -0.7, -0.3},
                                                           {-0.2, 0.9, 0.3}});
    return nearAny(p, kStars, 0.95) ? rgb(255, 220, 80) : rgb(196, 214, 255);
}

// A deep-blue ball with a band of foam that rolls like a wave.
Colour ocean(const Vec3& p) {
    const double wave = 0.5 * p.x * p.z;
    return std::fabs(p.y - wave) < 0.17 ? rgb(214, 236, 248) : rgb(28, 96, 186);
}

// A deep sky-blue ball with puffs of cloud, darker than the pale field.
Colour sky(const Vec3& p) {
    static const std::vector<Vec3> kPuffs = normalisedAll({{0.4, -0.3, 0.85},
                                                           {0.6, -0.35, 0.7},
                                                           {0.5, -0.1, 0.85},
                                                           {-0.6, 0.3, 0.7},
                                                           {-0.75, 0.2, 0.6},
                                                           {-0.2, 0.4, -0.9},
                                                           {0.1, 0.35, -0.95},
                                                           {0.8, 0.4, -0.4}});
    return nearAny(p, kPuffs, 0.94) ? rgb(244, 246, 250) : rgb(62, 126, 212);
}

// The Classic ball turns in exact eighths, so its halves meet on whole
// pixel boundaries at the quarter turns.
void classicTurn(int index, double& cosine, double& sine) {
    const double h = std::sqrt(0.5);
    static const double kCos[8] = {1, h, 0, -h, -1, -h, 0, h};
    static const double kSin[8] = {0, h, 1, h, 0, -h, -1, -h};
    cosine = kCos[index];
    sine = kSin[index];
}

Colour classic(const Vec3& p) {
    return p.z > 0.0 ? kRed : kWhite;
}

std::vector<FrameSet> themedSets() {
    return {{118, 8, 5, kGrass, football}, {126, 3, -1, kWhite, desert}, {129, 4, -1, kWhite, mars},
            {133, 3, -1, kWhite, night},   {136, 1, -1, kWhite, ocean},  {137, 3, -1, kWhite, sky}};
}

}  // namespace

Image classicFrame(int index) {
    SphereView view;
    view.size = index == 5 ? 15 : 14;
    view.background = kBlack;
    view.shaded = false;
    classicTurn(index, view.turnCosine, view.turnSine);
    return renderSphere(view, classic);
}

std::vector<BallFrame> ballFrames() {
    std::vector<BallFrame> frames;
    for (int i = 0; i < 8; ++i) {
        frames.push_back({kFirstBallFrameId + i, classicFrame(i)});
    }
    for (const FrameSet& set : themedSets()) {
        for (int i = 0; i < set.frameCount; ++i) {
            SphereView view;
            view.size = i == set.largeFrame ? 15 : 14;
            view.background = set.background;
            const double turn = static_cast<double>(i) / set.frameCount;
            view.turnCosine = cosineOfTurns(turn);
            view.turnSine = sineOfTurns(turn);
            frames.push_back({set.firstId + i, renderSphere(view, set.pattern)});
        }
    }
    return frames;
}

}  // namespace assets
