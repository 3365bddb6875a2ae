// The game's decisions on a front end that only records what it was asked,
// one line a call ("box 1 Stop current game ? paused"), and answers boxes
// and dialogs as the test says.
#pragma once

#include <string>
#include <vector>

#include "core/game_core.h"
#include "persistence/ini_profile.h"
#include "tests/support/scratch_test.h"
#include "tests/support/silent_game.h"

using Lines = std::vector<std::string>;

// What a box or dialog shown over a running level logs: the pause around it.
inline Lines held(const std::string& shown) {
    return {"pause 1", shown + " paused", "pause 0"};
}
inline Lines operator+(Lines first, const Lines& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

class RecordingFrontEnd : public FrontEnd {
  public:
    void playSound(Sound sound) override { log("sound " + number(sound)); }
    bool showBox(BoxKind kind, const char* text) override {
        log("box " + number(kind) + " " + text + pausedNow());
        return answerYes;
    }
    bool runDialog(DialogKind dialog) override {
        log("dialog " + number(dialog) + pausedNow());
        if (onDialog) {
            onDialog(dialog);
        }
        return acceptDialogs;
    }
    void showStatusText(const char* text) override { log(std::string("status ") + text); }
    void pauseChanged(bool paused) override { log("pause " + number(paused)); }
    void orientationChanged(bool horizontal) override { log("across " + number(horizontal)); }
    void repaint(bool now) override { log(now ? "repaint now" : "repaint later"); }
    void themeChanged(int theme) override { log("theme " + number(theme)); }
    void speedChanged(int speed) override { log("speed " + number(speed)); }
    void fieldSizeChanged() override { log("layout"); }
    void endProgram() override { log("end"); }
    std::unique_ptr<ProfileStore> openSettings(SettingsAccess) override {
        return std::make_unique<IniProfile>(settingsPath);
    }
    FileSystem& fileSystem() override { return *files; }

    Lines calls;
    bool answerYes = true;
    bool acceptDialogs = true;
    std::function<void(DialogKind)> onDialog;
    const GameModel* game = nullptr;
    std::string settingsPath;
    FileSystem plainFiles;
    FileSystem* files = &plainFiles;

  private:
    template <typename T>
    static std::string number(T value) {
        return std::to_string(static_cast<int>(value));
    }
    std::string pausedNow() const { return game != nullptr && game->isPaused() ? " paused" : ""; }
    void log(const std::string& line) { calls.push_back(line); }
};

// The core with a field laid out as the program lays it out at first, on
// the tests' clock, and its state open to the tests.
class CoreGame : public GameCore {
  public:
    explicit CoreGame(RecordingFrontEnd& frontEnd) : GameCore(frontEnd) {
        setClock(clock);
        frontEnd.game = this;
    }
    FieldCorner neededCorner(int32_t, int32_t) const override { return {10, 10}; }

    using GameCore::horizontalBars;
    using GameCore::paused;
    using GameCore::statusPending;
    ManualClock clock;
};

// A core game set up from a scratch folder: its settings file and its
// saved games live there.
class CoreTest : public ScratchTest {
  protected:
    CoreTest() {
        front.settingsPath = path("ts_zembal.ini");
        gameRunning = 0;
        clearWallOfFame(wallOfFameTable);
        userName[0] = '\0';
    }
    void setUp() {
        game.setUp(path("games").c_str(), "");
        game.seedGenerator(1);
        game.newGame();
        front.calls.clear();
    }

    RecordingFrontEnd front;
    CoreGame game{front};
};

// The same on a new game from the start.
class StartedCoreTest : public CoreTest {
    void SetUp() override { setUp(); }
};
