#include "tools/assets/canvas.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

constexpr int kGrid = 4;

// Even-odd rule.
bool insidePolygon(const std::vector<Point>& points, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

std::uint8_t toByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::floor(value + 0.5), 0.0, 255.0));
}

}  // namespace

template <typename Inside>
void Canvas::fill(double left, double top, double right, double bottom, Colour colour,
                  Inside inside) {
    const int x0 = std::max(0, static_cast<int>(std::floor(left * scale_)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top * scale_)));
    const int x1 = std::min(image_.width() - 1, static_cast<int>(std::ceil(right * scale_)));
    const int y1 = std::min(image_.height() - 1, static_cast<int>(std::ceil(bottom * scale_)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kGrid; ++sy) {
                for (int sx = 0; sx < kGrid; ++sx) {
                    const double ux = (x + (sx + 0.5) / kGrid) / scale_;
                    const double uy = (y + (sy + 0.5) / kGrid) / scale_;
                    hits += inside(ux, uy) ? 1 : 0;
                }
            }
            if (hits > 0) {
                blend(x, y, colour, static_cast<double>(hits) / (kGrid * kGrid));
            }
        }
    }
}

// Paints colour over the pixel with the given coverage ("over" compositing).
void Canvas::blend(int x, int y, Colour colour, double coverage) {
    const Colour under = image_.at(x, y);
    const double a = coverage * colour.a / 255.0;
    const double b = under.a / 255.0 * (1.0 - a);
    const double outA = a + b;
    if (outA <= 0.0) {
        return;
    }
    auto mix = [&](std::uint8_t top, std::uint8_t bottom) {
        return toByte((top * a + bottom * b) / outA);
    };
    image_.set(x, y,
               Colour{mix(colour.r, under.r), mix(colour.g, under.g), mix(colour.b, under.b),
                      toByte(outA * 255.0)});
}

void Canvas::fillPolygon(const std::vector<Point>& points, Colour colour) {
    double left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    fill(left, top, right, bottom, colour,
         [&](double x, double y) { return insidePolygon(points, x, y); });
}

void Canvas::fillRect(double left, double top, double right, double bottom, Colour colour) {
    fill(left, top, right, bottom, colour,
         [&](double x, double y) { return x >= left && x < right && y >= top && y < bottom; });
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, Colour colour) {
    fill(cx - rx, cy - ry, cx + rx, cy + ry, colour, [&](double x, double y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    });
}

void Canvas::line(Point from, Point to, double width, Colour colour) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double ux = dx / length * width / 2;
    const double uy = dy / length * width / 2;
    fillPolygon({{from.x - ux + uy, from.y - uy - ux},
                 {to.x + ux + uy, to.y + uy - ux},
                 {to.x + ux - uy, to.y + uy + ux},
                 {from.x - ux - uy, from.y - uy + ux}},
                colour);
}

void Canvas::frameRect(double left, double top, double right, double bottom, double width,
                       Colour colour) {
    fillRect(left, top, right, top + width, colour);
    fillRect(left, bottom - width, right, bottom, colour);
    fillRect(left, top + width, left + width, bottom - width, colour);
    fillRect(right - width, top + width, right, bottom - width, colour);
}

}  // namespace assets
