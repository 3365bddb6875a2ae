// The Game's settings: read from the settings file while the Game is built,
// the two bars' keys while the view is built, everything written back when
// the Game is destroyed (also after a fatal error has ended the run) and
// whenever a saved game, a Wall of Fame entry or an option changes.
#include <memory>

#include "model/wall_of_fame.h"
#include "presentation/game.h"

namespace {

SettingsFilesProvider settingsFilesProvider = nullptr;

// Stands in for the settings file while none is installed: every key reads
// as missing and nothing is written.
class NoSettingsFile : public ProfileStore {
  public:
    int getString(const char*, const char*, const char* defaultValue, char* buffer,
                  int size) override {
        if (buffer == nullptr || size <= 0) {
            return 0;
        }
        int length = 0;
        for (; defaultValue != nullptr && defaultValue[length] != '\0' && length < size - 1;
             ++length) {
            buffer[length] = defaultValue[length];
        }
        buffer[length] = '\0';
        return length;
    }
    void writeString(const char*, const char*, const char*) override {}
};

std::unique_ptr<ProfileStore> openProfile(const std::string& path) {
    if (path.empty()) {
        return std::make_unique<NoSettingsFile>();
    }
    return std::make_unique<Win32ProfileStore>(path);
}

}  // namespace

void setSettingsFilesProvider(SettingsFilesProvider provider) {
    settingsFilesProvider = provider;
}

void Game::loadSettings() {
    settingsFiles =
        settingsFilesProvider != nullptr ? settingsFilesProvider(fileSystem) : SettingsFiles{};
    std::unique_ptr<ProfileStore> profile = openProfile(settingsFiles.readPath);
    GameSettings settings;
    ::loadSettings(*profile, *this, settings, wallOfFameTable, userName, slots, slotFolders(),
                   fileSystem);
    soundOn = settings.soundOn == 1;
    themeIndex = settings.themeIndex;
    zoomWanted = settings.zoom;
}

bool Game::readBarSetting(const char* key) {
    std::unique_ptr<ProfileStore> profile = openProfile(settingsFiles.readPath);
    return readBarVisible(*profile, key) == 1;
}

void Game::saveSettings() {
    GameSettings settings;
    settings.soundOn = soundOn ? 1 : 0;
    settings.themeIndex = themeIndex;
    settings.toolbarVisible = toolbar.visible ? 1 : 0;
    settings.statusBarVisible = statusBar.visible ? 1 : 0;
    settings.zoom = zoomWanted;
    std::unique_ptr<ProfileStore> profile = openProfile(settingsFiles.writePath);
    ::saveSettings(*profile, *this, settings, wallOfFameTable, userName, slots, slotFolders(),
                   fileSystem);
}
