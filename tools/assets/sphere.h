// Draws a ball as a lit sphere whose surface pattern turns about the
// vertical axis, so a series of frames makes it appear to spin.
#pragma once

#include <functional>

#include "tools/assets/image.h"

namespace assets {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;  // down the picture
    double z = 0.0;  // toward the viewer
};

inline double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 normalised(const Vec3& v);

// The surface colour at a point of the unit sphere, in the ball's own turning frame.
using SurfacePattern = std::function<Colour(const Vec3&)>;

struct SphereView {
    int size = 14;            // width and height of the picture in pixels
    Colour background;        // every pixel outside the disc, and the key colour
    double turnCosine = 1.0;  // the ball's turn about the vertical axis
    double turnSine = 0.0;
    bool shaded = true;  // light from the upper left with a highlight
};

// A disc of the picture's full size. No pixel of the ball takes the
// background colour: such a pixel would turn transparent.
Image renderSphere(const SphereView& view, const SurfacePattern& pattern);

}  // namespace assets
