#include "tools/assets/icons.h"

#include "tools/assets/canvas.h"
#include "tools/assets/synth.h"

namespace assets {

namespace {

// The tool icons and the program icon are designed on a 16 x 16 grid.
constexpr double kToolUnit = 16.0;

std::vector<Point> arc(Point centre, double radius, double fromTurns, double toTurns, int steps) {
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double t = fromTurns + (toTurns - fromTurns) * i / steps;
        points.push_back(
            {centre.x + radius * cosineOfTurns(t), centre.y + radius * sineOfTurns(t)});
    }
    return points;
}

// A corner of the field: a growing pair of bars beside a released wall,
// and a red and white ball.
Image programIcon(int size) {
    Canvas c(size);
    c.setUnit(kToolUnit);
    c.fillRect(0.5, 0.5, 15.5, 15.5, rgb(192, 192, 192));
    c.fillRect(12, 0.5, 15.5, 15.5, rgb(0, 0, 0));
    c.fillRect(8, 1, 10, 8, rgb(255, 0, 0));
    c.fillRect(8, 8, 10, 15, rgb(0, 0, 255));
    const Point ball{4.5, 10.5};
    c.fillEllipse(ball.x, ball.y, 3.4, 3.4, rgb(0, 0, 0));
    c.fillEllipse(ball.x, ball.y, 2.7, 2.7, rgb(255, 0, 0));
    c.fillPolygon(arc(ball, 2.7, -0.25, 0.25, 24), rgb(255, 255, 255));
    c.frameRect(0, 0, 16, 16, 1, rgb(64, 64, 64));
    return c.image();
}

// An open door with an arrow leading out of it.
Image exitIcon() {
    Canvas c(16);
    c.fillRect(2, 1, 10, 15, rgb(96, 64, 32));
    c.fillRect(3, 2, 9, 15, rgb(28, 28, 36));
    c.fillPolygon({{3, 2}, {6.5, 3.2}, {6.5, 15.8}, {3, 15}}, rgb(176, 116, 56));
    c.fillRect(7, 7.4, 11.5, 9.6, rgb(208, 32, 32));
    c.fillPolygon({{10.5, 4.5}, {15, 8.5}, {10.5, 12.5}}, rgb(208, 32, 32));
    return c.image();
}

// A screen showing a ball and a bar.
Image displayOptionsIcon() {
    Canvas c(16);
    c.fillRect(1, 2, 15, 12, rgb(104, 104, 116));
    c.fillRect(2.5, 3.5, 13.5, 10.5, rgb(40, 92, 172));
    c.fillEllipse(5.8, 7, 1.9, 1.9, rgb(240, 48, 48));
    c.fillRect(9.5, 4.5, 11, 9.5, rgb(240, 220, 64));
    c.fillRect(6.5, 12, 9.5, 13.5, rgb(104, 104, 116));
    c.fillRect(4, 13.5, 12, 15, rgb(80, 80, 92));
    return c.image();
}

Image playIcon() {
    Canvas c(16);
    c.fillPolygon({{3.2, 1.2}, {14.8, 8}, {3.2, 14.8}}, rgb(20, 104, 36));
    c.fillPolygon({{4.5, 3.4}, {12.4, 8}, {4.5, 12.6}}, rgb(64, 192, 84));
    return c.image();
}

Image pauseIcon() {
    Canvas c(16);
    for (double left : {3.0, 9.5}) {
        c.fillRect(left, 2, left + 3.5, 14, rgb(28, 56, 140));
        c.fillRect(left + 0.8, 2.8, left + 2.7, 13.2, rgb(72, 120, 216));
    }
    return c.image();
}

// A folder with its front flap open.
Image openIcon() {
    Canvas c(16);
    c.fillPolygon({{1, 3}, {6, 3}, {7.2, 4.5}, {14, 4.5}, {14, 14}, {1, 14}}, rgb(184, 140, 32));
    c.fillPolygon({{3.5, 7}, {15.5, 7}, {13.5, 14}, {1, 14}}, rgb(248, 208, 84));
    c.line({3.5, 7}, {15.5, 7}, 0.6, rgb(150, 110, 20));
    return c.image();
}

// A diskette with its shutter and label.
Image saveIcon() {
    Canvas c(16);
    c.fillPolygon({{1.5, 1.5}, {13, 1.5}, {14.5, 3}, {14.5, 14.5}, {1.5, 14.5}}, rgb(40, 60, 140));
    c.fillRect(4.5, 1.5, 11.5, 6, rgb(192, 196, 208));
    c.fillRect(9, 2.2, 10.5, 5.3, rgb(40, 60, 140));
    c.fillRect(3.5, 8.5, 12.5, 14.5, rgb(245, 245, 245));
    c.fillRect(4.5, 10, 11.5, 10.8, rgb(150, 150, 160));
    c.fillRect(4.5, 12, 11.5, 12.8, rgb(150, 150, 160));
    return c.image();
}

// A fat arrow pointing right, to the button beside it.
Image saveHintIcon() {
    Canvas c(32);
    const std::vector<Point> arrow = {{3, 12},  {17, 12}, {17, 5}, {29, 16},
                                      {17, 27}, {17, 20}, {3, 20}};
    c.fillPolygon(arrow, rgb(56, 176, 72));
    for (std::size_t i = 0; i < arrow.size(); ++i) {
        c.line(arrow[i], arrow[(i + 1) % arrow.size()], 1.4, rgb(24, 96, 36));
    }
    return c.image();
}

}  // namespace

std::vector<IconPictures> icons() {
    return {{102, {programIcon(16), programIcon(32), programIcon(48)}},
            {134, {exitIcon()}},
            {135, {displayOptionsIcon()}},
            {136, {playIcon()}},
            {137, {pauseIcon()}},
            {146, {saveHintIcon()}},
            {148, {openIcon()}},
            {149, {saveIcon()}}};
}

}  // namespace assets
