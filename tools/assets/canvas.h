// Anti-aliased filling of simple shapes onto an RGBA picture, for the
// icons. Coordinates are in pixels; pixel (x, y) covers [x, x+1) x [y, y+1).
// Each pixel's coverage is measured on a fixed 4 x 4 grid of sample points.
#pragma once

#include <vector>

#include "tools/assets/image.h"

namespace assets {

struct Point {
    double x;
    double y;
};

class Canvas {
  public:
    explicit Canvas(int size) : image_(size, size) {}

    // The design is drawn in a square of unit x unit; it scales to the picture.
    void setUnit(double unit) { scale_ = image_.width() / unit; }

    void fillPolygon(const std::vector<Point>& points, Colour colour);
    void fillRect(double left, double top, double right, double bottom, Colour colour);
    void fillEllipse(double cx, double cy, double rx, double ry, Colour colour);
    // A straight stroke of the given width with square ends.
    void line(Point from, Point to, double width, Colour colour);
    // The outline of a rectangle, drawn inside its edges.
    void frameRect(double left, double top, double right, double bottom, double width,
                   Colour colour);

    const Image& image() const { return image_; }

  private:
    template <typename Inside>
    void fill(double left, double top, double right, double bottom, Colour colour, Inside inside);
    void blend(int x, int y, Colour colour, double coverage);

    Image image_;
    double scale_ = 1.0;
};

}  // namespace assets
