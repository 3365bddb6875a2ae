// The game's files in the browser: the program's own in-memory file system,
// with every file that must outlast the page (the settings, the saved
// games) kept in the browser's storage as well. The page puts the stored
// files back before the game starts.
#pragma once

#include <string>

#include "persistence/file_system.h"

// Where the browser edition keeps its files.
inline constexpr const char* kWebHomeFolder = "/zembal";
inline constexpr const char* kWebGamesFolder = "/zembal/games";
inline constexpr const char* kWebSettingsPath = "/zembal/ts_zembal.ini";
inline constexpr const char* kWebPickedPath = "/zembal/picked.zmb";

class WebFileSystem : public FileSystem {
  public:
    // A saved game takes its place only once the storage holds it: when the
    // storage refuses, the new file goes and the old one stays, here and
    // there.
    bool replaceFile(const std::string& source, const std::string& target) override;
    bool removeFile(const std::string& path) override;
    // The date the file was saved on, kept beside it in the storage.
    bool fileDate(const std::string& path, FileDate* date) override;

    // Copies the file as it stands into the storage; false when refused.
    bool keep(const std::string& path, const FileDate& date);

  private:
    // The file at `path` stored under `storedPath`.
    bool keepAs(const std::string& path, const std::string& storedPath, const FileDate& date);
};
