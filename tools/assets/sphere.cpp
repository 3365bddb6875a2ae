#include "tools/assets/sphere.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::floor(value + 0.5), 0.0, 255.0));
}

// Light from the upper left and in front; the highlight sits where the
// surface faces halfway between the light and the viewer.
Colour shade(Colour base, const Vec3& normal) {
    static const Vec3 kLight = normalised({-0.5, -0.6, 0.65});
    static const Vec3 kHalfway = normalised({-0.5, -0.6, 1.65});
    const double diffuse = std::max(0.0, dot(normal, kLight));
    double highlight = std::max(0.0, dot(normal, kHalfway));
    for (int i = 0; i < 4; ++i) {
        highlight *= highlight;  // the 16th power: a small bright spot
    }
    const double lit = 0.45 + 0.6 * diffuse;
    const double shine = 110.0 * highlight;
    return rgb(channel(base.r * lit + shine), channel(base.g * lit + shine),
               channel(base.b * lit + shine));
}

}  // namespace

Vec3 normalised(const Vec3& v) {
    const double length = std::sqrt(dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}

Image renderSphere(const SphereView& view, const SurfacePattern& pattern) {
    Image image(view.size, view.size, view.background);
    const double radius = view.size / 2.0;
    for (int py = 0; py < view.size; ++py) {
        for (int px = 0; px < view.size; ++px) {
            const double x = (px + 0.5 - radius) / radius;
            const double y = (py + 0.5 - radius) / radius;
            const double r2 = x * x + y * y;
            if (r2 > 1.0) {
                continue;
            }
            const Vec3 normal{x, y, std::sqrt(1.0 - r2)};
            const Vec3 turned{normal.x * view.turnCosine + normal.z * view.turnSine, normal.y,
                              normal.z * view.turnCosine - normal.x * view.turnSine};
            Colour c = pattern(turned);
            if (view.shaded) {
                c = shade(c, normal);
            }
            if (c == view.background) {
                c.r = static_cast<std::uint8_t>(c.r ^ 1);
            }
            image.set(px, py, c);
        }
    }
    return image;
}

}  // namespace assets
