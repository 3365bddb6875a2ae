#include "shell/kit/status_bar.h"

#include "shell/kit/clock_time.h"
#include "shell/kit/kit_scale.h"

namespace {

constexpr int kHeightAt96Dpi = 21;
constexpr int kClockWidth = 60;
// The clock pane's width plus the gap that ends the bar.
constexpr int kClockSpace = 62;
// From the bar's top to the panes' top is the height less this.
constexpr int kPaneDrop = 18;

void placePane(StatusBar& bar, Label& pane, int x, int y, int width) {
    if (pane.window == nullptr) {
        pane.create(&bar, "", x, y, width, 0);
        return;
    }
    MoveWindow(pane.window, x, y, width, pane.textHeight(), TRUE);
}

}  // namespace

int StatusBar::height() {
    return kitPixels(kHeightAt96Dpi);
}

StatusBar::StatusBar() {
    messagePane.edgeKind = EdgeKind::kClient;
    clockPane.edgeKind = EdgeKind::kClient;
}

void StatusBar::arrange() {
    RECT client{};
    GetClientRect(parentWindow, &client);
    const int parentWidth = client.right;
    const int parentHeight = client.bottom;
    const int barHeight = height();
    MoveWindow(window, 0, parentHeight - barHeight, parentWidth, barHeight + kHiddenRows, TRUE);

    const int paneTop = barHeight - kitPixels(kPaneDrop);
    const int clockSpace = kitPixels(kClockSpace);
    placePane(*this, clockPane, parentWidth - clockSpace, paneTop, kitPixels(kClockWidth));
    placePane(*this, messagePane, 0, paneTop, parentWidth - clockSpace);
}

void StatusBar::setMessage(LPCSTR text) {
    messagePane.setText(text);
}

void StatusBar::updateClock() {
    clockPane.setText(ClockTime::now().text().c_str());
}
