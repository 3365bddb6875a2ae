// Where the Game's settings file lives on Windows, and the store that
// reads and writes it.
#include <memory>

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

}  // namespace

void setSettingsFilesProvider(SettingsFilesProvider provider) {
    settingsFilesProvider = provider;
}

SettingsFiles installedSettingsFiles(FileSystem& files) {
    return settingsFilesProvider != nullptr ? settingsFilesProvider(files) : SettingsFiles{};
}

std::unique_ptr<ProfileStore> Game::openSettings(SettingsAccess access) {
    const std::string& path =
        access == SettingsAccess::kRead ? settingsFiles.readPath : settingsFiles.writePath;
    if (path.empty()) {
        return std::make_unique<NoSettingsFile>();
    }
    return std::make_unique<Win32ProfileStore>(path);
}
