// What the game asks of the edition it runs in (a window on Windows, a page
// in the browser): the game decides what happens, the front end shows it.
#pragma once

#include <memory>

#include "persistence/file_system.h"
#include "persistence/profile_store.h"

enum class Sound { kClick, kLevelStart, kLevelDone, kLifeLost };

// Boxes captioned "Zembal": a notice, a Yes/No question, and the error that
// ends the program.
enum class BoxKind { kInformation, kQuestion, kFatal };

// Every dialog of the game.
enum class DialogKind {
    kNextLevel,
    kGameOver,
    kOverwrite,
    kSaveGame,
    kOpenGame,
    kDisplayOptions,
    kGameOptions,
    kHelp,
    kAbout,
    kWallOfFame,
};

// Opening the settings file to read it, or to write it.
enum class SettingsAccess { kRead, kWrite };

class FrontEnd {
  public:
    virtual ~FrontEnd() = default;

    virtual void playSound(Sound sound) = 0;
    // Shows the box and waits for the player: true when a question was
    // answered Yes. The game is paused around it already.
    virtual bool showBox(BoxKind kind, const char* text) = 0;
    // Runs the dialog until the player closes it: true when accepted. The
    // game is paused around it already.
    virtual bool runDialog(DialogKind dialog) = 0;
    // The message pane's text; the empty text clears it.
    virtual void showStatusText(const char* text) = 0;
    // Play or Pause is offered.
    virtual void pauseChanged(bool paused) = 0;
    // The bars the next click launches: up and down, or left and right.
    virtual void orientationChanged(bool horizontal) = 0;
    // Shows the field and the information lines anew, at once or with the
    // next frame.
    virtual void repaint(bool now) = 0;
    // The theme's pictures and colours, the game timer for the speed, the
    // layout around a field of a new size.
    virtual void themeChanged(int themeIndex) = 0;
    virtual void speedChanged(int speed) = 0;
    virtual void fieldSizeChanged() = 0;
    // After the fatal error's box: the program ends once the model's
    // operation that failed has returned.
    virtual void endProgram() = 0;

    // Where the game keeps its files.
    virtual std::unique_ptr<ProfileStore> openSettings(SettingsAccess access) = 0;
    virtual FileSystem& fileSystem() = 0;
};
