// The Game's life in the browser, and the front end through which the
// game's decisions reach the page.
#include "web/web_game.h"

#include <emscripten.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "core/field_picture.h"
#include "core/texts.h"
#include "core/themes.h"
#include "model/process_state.h"
#include "persistence/ini_profile.h"
#include "persistence/persistence_texts.h"
#include "persistence/settings.h"
#include "web/web_page.h"

namespace {
// Where the Windows edition's view, at its needed size, puts the field's
// corner: half the margin of 12 around the field less the view's one-pixel
// border, and two rows more at the bottom while the status bar is shown.
// Saved games hold positions relative to it.
constexpr int kNeededCornerX = 5;
constexpr int kNeededCornerYWithStatusBar = 6;
constexpr int kNeededCornerYWithout = 5;

// The canvas takes red, green, blue and alpha bytes: little-endian words
// 0xAABBGGRR.
uint32_t canvasPixel(uint32_t rgb) {
    return 0xFF000000u | (rgb & 0x0000FFu) << 16 | (rgb & 0x00FF00u) | (rgb & 0xFF0000u) >> 16;
}
}  // namespace

int32_t WebClock::nowMs() {
    if (held) {
        return heldMs;
    }
    return static_cast<int32_t>(static_cast<int64_t>(emscripten_get_now()));
}

int64_t WebClock::calendarSeconds() {
    return static_cast<int64_t>(std::time(nullptr));
}

WebGame::WebGame() : GameCore(static_cast<FrontEnd&>(*this)) {
    setClock(realClock);
}

void WebGame::start() {
    files.createFolder(kWebHomeFolder);
    setUp(kWebGamesFolder, "");
    GameCore::toolbarWanted = readBarSetting(kToolbarKey);
    GameCore::statusBarWanted = readBarSetting(kStatusbarKey);
    placeField();
    setFrameCount(themeAt(themeIndex).frameCount);
    applySpeed();
    newGame();
    show();
}

void WebGame::animationFrame(double elapsedMs) {
    if (ended) {
        return;
    }
    if (realClock.isHeld()) {
        elapsedMs = 0;
    }
    clockTime += elapsedMs;
    if (clockTime >= kClockPeriodMs) {
        clockTime -= kClockPeriodMs * static_cast<int>(clockTime / kClockPeriodMs);
        clockSecond();
    }
    tickTime += elapsedMs;
    int ticks = static_cast<int>(tickTime / tickPeriodMs);
    tickTime -= static_cast<double>(ticks) * tickPeriodMs;
    if (ticks > kMostTicksPerFrame) {
        ticks = kMostTicksPerFrame;
    }
    const int waitsBefore = waits;
    for (int i = 0; i < ticks && !ended; ++i) {
        advance();
        if (waits != waitsBefore) {
            // A box or dialog stopped time while it was up; the ticks that
            // were due before it are not made up after it.
            tickTime = 0;
            break;
        }
    }
    show();
}

void WebGame::clickAt(int x, int y) {
    launchBarsAt(x + fieldLeft, y + fieldTop);
    show();
}

void WebGame::pageHidden() {
    if (gameRunning == 1 && !isPaused()) {
        togglePause();
    }
    storeSettings();
    show();
}

void WebGame::showBars(bool toolbar, bool statusBar) {
    setBarsShown(toolbar, statusBar);
    placeField();
    show();
}

void WebGame::placeField() {
    // The field stands where the Windows edition's view at its needed size
    // puts it, so that a saved game's positions are written alike.
    const FieldCorner corner = neededCorner(rows, cols);
    moveFieldTo(corner.left, corner.top, corner.left + cols * kCellPixels,
                corner.top + rows * kCellPixels);
}

void WebGame::storeSettings() {
    saveSettings();
    files.keep(kWebSettingsPath, localDateNow());
}

bool WebGame::saveGame(int slot, const char* description) {
    const bool saved = GameCore::saveGame(slot, description);
    if (saved) {
        storeSettings();
    }
    return saved;
}

void WebGame::downloadSlot(int slot) {
    char path[kPathBufferSize];
    std::string bytes;
    if (!findSlotFile(slotFolders(), slot, files, path, sizeof path) ||
        files.readFile(path, 1 << 20, &bytes) != ReadFileResult::kRead) {
        return;
    }
    char name[16];
    std::snprintf(name, sizeof name, "%d.%s", slot + 1, kSavedGameExtension);
    pageDownload(name, bytes.data(), static_cast<int>(bytes.size()));
}

void WebGame::openPickedFile() {
    if (gameRunning == 1 && !askYesNo(texts::kStopCurrentGame)) {
        files.FileSystem::removeFile(kWebPickedPath);
        return;
    }
    // Any file the player picks exists: a file that cannot be read is as
    // damaged as one that is rejected.
    if (readGameFile(kWebPickedPath, *this, *this, files) == ReadResult::kRead) {
        applySpeed();
    } else {
        showMessage(kCanNotOpenGameText);
    }
    files.FileSystem::removeFile(kWebPickedPath);
    show();
}

FieldCorner WebGame::neededCorner(int32_t, int32_t) const {
    return FieldCorner{kNeededCornerX, GameCore::statusBarWanted ? kNeededCornerYWithStatusBar
                                                                 : kNeededCornerYWithout};
}

void WebGame::show() {
    composePicture();
    pageDrawField(picture.rgba.data(), picture.width, picture.height);
    InfoTexts info{};
    if (gameRunning != 0) {
        formatInformation(info);
    }
    std::string lines;
    for (int line = 0; line < kInfoLines; ++line) {
        lines += info.text[line][0];
        lines += '\t';
        lines += info.text[line][1];
        lines += line + 1 < kInfoLines ? "\n" : "";
    }
    pageShowInformation(lines.c_str());
}

void WebGame::composePicture() {
    const int width = fieldRight - fieldLeft;
    const int height = fieldBottom - fieldTop;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (width != picture.width || height != picture.height) {
        picture.width = width;
        picture.height = height;
        picture.frame.assign(count, 0);
        picture.rgba.assign(count, 0);
    }
    const Theme& theme = themeAt(themeIndex);
    const FieldShape shape = {width, height, rows, cols, cellWidth, cellHeight};
    const int frameIndex = theme.firstFrame + frame;
    const BallImage* ballFrame =
        frame >= 0 && frame < theme.frameCount ? ballImage(frameIndex) : nullptr;
    FieldScene scene = {level, shape, fieldLeft, fieldTop, theme.colours, ballFrame, cursorBox()};
    composeField(PixelBuffer{picture.frame.data(), width, height}, scene);
    for (size_t i = 0; i < count; ++i) {
        picture.rgba[i] = canvasPixel(picture.frame[i]);
    }
}

void WebGame::playSound(Sound sound) {
    if (soundWanted()) {
        pagePlaySound(static_cast<int>(sound));
    }
}

bool WebGame::showBox(BoxKind kind, const char* text) {
    ++waits;
    show();
    return pageShowBox(static_cast<int>(kind), text) == 1;
}

bool WebGame::runDialog(DialogKind dialog) {
    ++waits;
    show();
    return runWebDialog(*this, dialog);
}

void WebGame::showStatusText(const char* text) {
    pageShowStatus(text);
}

void WebGame::pauseChanged(bool pausedNow) {
    pageShowPaused(pausedNow ? 1 : 0);
}

void WebGame::orientationChanged(bool horizontal) {
    pageShowOrientation(horizontal ? 1 : 0);
}

void WebGame::repaint(bool) {
    show();
}

void WebGame::themeChanged(int index) {
    setFrameCount(themeAt(index).frameCount);
}

void WebGame::speedChanged(int speed) {
    const int asked = gameTimerSettingFor(speed).periodMs;
    tickPeriodMs = asked > kShortestTimerMs ? asked : kShortestTimerMs;
}

void WebGame::fieldSizeChanged() {
    placeField();
}

void WebGame::endProgram() {
    ended = true;
    pageEndProgram();
}

std::unique_ptr<ProfileStore> WebGame::openSettings(SettingsAccess) {
    return std::make_unique<IniProfile>(kWebSettingsPath);
}
