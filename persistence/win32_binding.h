// The platform binding of the persistence layer (Windows only): the real
// private-profile functions, the program file's path, where the settings
// file lives, and the file operations the platform does better.
#pragma once

#include <string>

#include "persistence/file_system.h"
#include "persistence/profile_store.h"
#include "persistence/settings.h"

// GetPrivateProfileStringA / WritePrivateProfileStringA on one file.
class Win32ProfileStore : public ProfileStore {
  public:
    explicit Win32ProfileStore(std::string path);
    int getString(const char* section, const char* key, const char* defaultValue, char* buffer,
                  int size) override;
    void writeString(const char* section, const char* key, const char* value) override;

  private:
    std::string path_;
};

// ANSI paths, creation dates, a close that reaches the disk, and
// MoveFileExA for the atomic replace.
class Win32FileSystem : public FileSystem {
  public:
    bool exists(const std::string& path) override;
    bool createFolder(const std::string& path) override;
    bool fileDate(const std::string& path, FileDate* date) override;
    bool closeFile(std::FILE* file) override;
    bool replaceFile(const std::string& source, const std::string& target) override;
    bool removeFile(const std::string& path) override;
};

// The program file's full path (GetModuleFileNameA); the empty text when it
// does not fit a path buffer.
std::string programFilePath();

// The player's own saved-game folder, "Zembal\\games" under the roaming
// application data folder (not created here); the empty text when that
// folder is unknown or the path does not fit.
std::string perUserSavedGamesFolder();

// The settings files of this run: "ts_zembal.ini" in a "Zembal" folder under
// the roaming application data folder (created when missing), read once
// from the Windows folder's file while the new one does not exist yet.
SettingsFiles win32SettingsFiles(FileSystem& files);
