// The game's dialogs in the page: what each shows when it opens, what its
// buttons do, and which answers close it, as on Windows. The page holds
// their titles, texts and controls (web/site/index.html).
#include <cstdio>
#include <string>

#include "core/texts.h"
#include "model/field_sizes.h"
#include "model/wall_of_fame.h"
#include "web/web_game.h"
#include "web/web_page.h"

namespace {

constexpr int kAccept = 1;
constexpr int kCancel = 2;
// The other buttons: Save on the next-level box, Clear on the Wall of Fame.
constexpr int kOtherButton = 3;

constexpr const char* kThemeNames = "Classic\nDesert\nForest\nMars\nNight\nOcean\nSky";
constexpr const char* kSpeedNames = "Slow\nNormal\nFast";
constexpr const char* kNameMissing = "You must enter user's name";
// The list offers the percentages but the last, 90, which only a settings
// file can ask for.
constexpr int kListedPercents = kPercentCount - 1;

// What a dialog does with the player's answers. `accept` returns true to
// close it; `other` returns true when the button closed it.
struct WebDialog {
    DialogKind kind;
    const char* element;
    void (*initialise)(GameDoor& door);
    bool (*accept)(GameDoor& door);
    bool (*other)(GameDoor& door);
};

std::string number(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

void showSlot(const SavedGameSlot* slot, const std::string& prefix) {
    if (slot == nullptr || slot->level < 0) {
        pageSetText((prefix + "date").c_str(), "");
        pageSetText((prefix + "level").c_str(), "");
        pageSetText((prefix + "desc").c_str(), "");
        return;
    }
    char date[32];
    formatSlotDate(*slot, date, sizeof date);
    char description[kDescriptionBufferSize];
    std::snprintf(description, sizeof description, "%.*s", kDescriptionChars, slot->description);
    pageSetText((prefix + "date").c_str(), date);
    pageSetText((prefix + "level").c_str(), number(slot->level).c_str());
    pageSetText((prefix + "desc").c_str(), description);
}

// Display Options: grid lines, sound, theme and speed.
void initialiseDisplay(GameDoor& door) {
    const DisplayOptions options = door.displayOptions();
    pageSetChecked("display-grid", options.grid);
    pageSetChecked("display-sound", options.sound);
    // A theme or speed from a hand-edited settings file leaves its list
    // without a selection.
    pageSetList("display-theme", kThemeNames,
                options.theme >= 0 && options.theme < kThemeCount ? options.theme : -1);
    pageSetList("display-speed", kSpeedNames,
                options.speed >= 0 && options.speed <= 2 ? options.speed : -1);
}

bool acceptDisplay(GameDoor& door) {
    DisplayOptions options = door.displayOptions();
    options.grid = pageGetChecked("display-grid") == 1;
    options.sound = pageGetChecked("display-sound") == 1;
    const int theme = pageGetSelected("display-theme");
    if (theme >= 0) {
        options.theme = theme;
    }
    const int speed = pageGetSelected("display-speed");
    if (speed >= 0) {
        options.speed = speed;
    }
    door.applyDisplayOptions(options);
    return true;
}

// Game Options: the share of the field to release and the field's size.
void initialiseGameOptions(GameDoor& door) {
    const GameOptions options = door.gameOptions();
    std::string percents;
    int percentAt = -1;
    for (int i = 0; i < kListedPercents; ++i) {
        percents += (i > 0 ? "\n" : "") + number(kPercentsToComplete[i]) + "%";
        if (kPercentsToComplete[i] == options.percentToComplete) {
            percentAt = i;
        }
    }
    pageSetList("game-percent", percents.c_str(), percentAt);
    std::string sizes;
    for (int i = 0; i < kFieldSizeCount; ++i) {
        sizes += (i > 0 ? "\n" : "") + number(kFieldRows[i]) + " * " + number(kFieldCols[i]);
    }
    pageSetList("game-size", sizes.c_str(), fieldSizeIndex(options.rows, options.cols));
}

bool acceptGameOptions(GameDoor& door) {
    const GameOptions current = door.gameOptions();
    GameOptions chosen = current;
    const int percent = pageGetSelected("game-percent");
    if (percent >= 0 && percent < kListedPercents) {
        chosen.percentToComplete = kPercentsToComplete[percent];
    } else if (!isPercentToComplete(current.percentToComplete)) {
        chosen.percentToComplete = kDefaultPercentToComplete;
    }
    const int size = pageGetSelected("game-size");
    if (size >= 0 && size < kFieldSizeCount) {
        chosen.rows = kFieldRows[size];
        chosen.cols = kFieldCols[size];
    }
    // Refused, the dialog stays open with the player's choices.
    return door.changeGameOptions(chosen);
}

// The game is over and the score earns a place on the Wall of Fame.
void initialiseGameOver(GameDoor& door) {
    pageSetText("over-score", number(door.shownScore()).c_str());
    const int reason = door.lastEndReason();
    pageSetText("over-reason",
                reason >= 0 && reason < 3 ? texts::kEndReasons[reason] : "The game is over");
    pageSetText("over-name", door.playerName());
}

bool acceptGameOver(GameDoor& door) {
    char name[kNameBufferSize] = {};
    pageGetText("over-name", name, sizeof name);
    door.setPlayerName(name);
    if (name[0] == '\0') {
        door.showInfo(kNameMissing);
        return false;
    }
    return true;
}

// Between two levels: carry on, or save the game first; whatever the Save
// Game dialog ends with, this one stays open.
bool saveFromNextLevel(GameDoor& door) {
    door.openDialog(DialogKind::kSaveGame);
    return false;
}

// The Wall of Fame: the list ends at the first empty entry.
void initialiseWallOfFame(GameDoor& door) {
    bool restEmpty = false;
    for (int r = 0; r < kWallOfFameSize; ++r) {
        const WallOfFameEntry& entry = door.wallOfFameEntries().entries[r];
        const std::string prefix = "fame-" + number(r + 1) + "-";
        restEmpty = restEmpty || entry.score < 0;
        char name[kNameBufferSize];
        copyName(name, sizeof name, entry.name);
        pageSetText((prefix + "name").c_str(), restEmpty ? "" : name);
        pageSetText((prefix + "score").c_str(), restEmpty ? "" : number(entry.score).c_str());
        pageSetText((prefix + "level").c_str(), restEmpty ? "" : number(entry.level).c_str());
    }
}

bool clearWallOfFame(GameDoor& door) {
    return door.askToClearWallOfFame();
}

// Save Game: a slot number and a description.
void initialiseSaveGame(GameDoor& door) {
    std::string numbers;
    for (int i = 0; i < kSlotCount; ++i) {
        numbers += (i > 0 ? "\n" : "") + number(i + 1);
    }
    pageSetList("save-slot", numbers.c_str(), firstEmptySlot(door.savedGameSlots()));
    pageSetText("save-desc", "");
}

bool acceptSaveGame(GameDoor& door) {
    const int slot = pageGetSelected("save-slot");
    if (slot < 0 || slot >= kSlotCount) {
        // Every slot is in use and none was picked: the player picks one.
        pageFocus("save-slot");
        return false;
    }
    char description[kDescriptionBufferSize];
    pageGetText("save-desc", description, sizeof description);
    door.saveGame(slot, description);
    return true;
}

// Open saved game: the used slots can be chosen, the first is.
void initialiseSlotList(GameDoor& door, const char* prefix) {
    const int firstUsed = firstUsedSlot(door.savedGameSlots());
    for (int i = 0; i < kSlotCount; ++i) {
        const SavedGameSlot& slot = door.savedGameSlots().slots[i];
        const std::string row = std::string(prefix) + number(i + 1) + "-";
        pageSetEnabled((row + "radio").c_str(), slot.level >= 0);
        pageSetChecked((row + "radio").c_str(), i == firstUsed);
        showSlot(&slot, row);
    }
}

int chosenSlot(const char* prefix) {
    for (int i = 0; i < kSlotCount; ++i) {
        const std::string radio = std::string(prefix) + number(i + 1) + "-radio";
        if (pageGetChecked(radio.c_str()) == 1) {
            return i;
        }
    }
    return -1;
}

void initialiseOpenGame(GameDoor& door) {
    initialiseSlotList(door, "open-");
}

bool acceptOpenGame(GameDoor& door) {
    const int slot = chosenSlot("open-");
    if (slot >= 0) {
        door.openGame(slot);
    }
    return true;
}

// The warning before a saved game is replaced.
void initialiseOverwrite(GameDoor& door) {
    const int slot = door.slotToOverwrite();
    if (slot < 0 || slot >= kSlotCount) {
        return;
    }
    pageSetText("overwrite-number", number(slot + 1).c_str());
    showSlot(&door.savedGameSlots().slots[slot], "overwrite-");
}

const WebDialog kDialogs[] = {
    {DialogKind::kDisplayOptions, "display-options", initialiseDisplay, acceptDisplay, nullptr},
    {DialogKind::kGameOptions, "game-options", initialiseGameOptions, acceptGameOptions, nullptr},
    {DialogKind::kGameOver, "game-over", initialiseGameOver, acceptGameOver, nullptr},
    {DialogKind::kNextLevel, "next-level", nullptr, nullptr, saveFromNextLevel},
    {DialogKind::kHelp, "help", nullptr, nullptr, nullptr},
    {DialogKind::kAbout, "about", nullptr, nullptr, nullptr},
    {DialogKind::kWallOfFame, "wall-of-fame", initialiseWallOfFame, nullptr, clearWallOfFame},
    {DialogKind::kSaveGame, "save-game", initialiseSaveGame, acceptSaveGame, nullptr},
    {DialogKind::kOpenGame, "open-game", initialiseOpenGame, acceptOpenGame, nullptr},
    {DialogKind::kOverwrite, "overwrite", initialiseOverwrite, nullptr, nullptr},
};

bool runDialog(GameDoor& door, const WebDialog& dialog) {
    pageOpenDialog(dialog.element);
    if (dialog.initialise != nullptr) {
        dialog.initialise(door);
    }
    for (;;) {
        const int answer = pageWaitDialog(dialog.element);
        if (answer == kAccept && (dialog.accept == nullptr || dialog.accept(door))) {
            pageCloseDialog(dialog.element);
            return true;
        }
        if (answer == kCancel) {
            pageCloseDialog(dialog.element);
            return false;
        }
        if (answer == kOtherButton && dialog.other != nullptr && dialog.other(door)) {
            pageCloseDialog(dialog.element);
            return false;
        }
    }
}

}  // namespace

bool runWebDialog(GameDoor& door, DialogKind kind) {
    for (const WebDialog& dialog : kDialogs) {
        if (dialog.kind == kind) {
            return runDialog(door, dialog);
        }
    }
    return false;
}

int chooseSlotToDownload(GameDoor& door) {
    const WebDialog chooser = {DialogKind::kOpenGame, "download-game", nullptr, nullptr, nullptr};
    pageOpenDialog(chooser.element);
    initialiseSlotList(door, "download-");
    const bool accepted = pageWaitDialog(chooser.element) == kAccept;
    const int slot = accepted ? chosenSlot("download-") : -1;
    pageCloseDialog(chooser.element);
    return slot;
}
