// The file operations of the saved games and the settings location, in one
// class so the program can route them to the platform and tests can fail
// any of them. This class is the portable implementation (standard library
// only); the Windows binding overrides what the platform does better
// (creation dates, the atomic replace, ANSI paths).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// A calendar date: day 1 to 31, month counted from 0 (January), four-digit year.
struct FileDate {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
};

enum class ReadFileResult { kRead, kNotOpened, kTooLarge };

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // True when the status of the file or folder can be read.
    virtual bool exists(const std::string& path);
    // Creates one folder; true when it exists afterwards.
    virtual bool createFolder(const std::string& path);
    // The local date of the file's creation time, or of its modification time
    // where no creation time is recorded. False when the file has no status.
    virtual bool fileDate(const std::string& path, FileDate* date);
    // Puts `source` in the place of `target` in one step: afterwards
    // `target` is either the old file or the complete new one.
    virtual bool replaceFile(const std::string& source, const std::string& target);
    virtual bool removeFile(const std::string& path);

    // Reads a whole file of at most maxBytes bytes.
    virtual ReadFileResult readFile(const std::string& path, size_t maxBytes,
                                    std::string* contents);

    // Writing a new file, byte for byte (no line-end translation). Every
    // write of the saved-game writer goes through writeBytes, so a test can
    // make any one of them fail.
    virtual std::FILE* createFile(const std::string& path);
    virtual bool writeBytes(std::FILE* file, const char* data, size_t size);
    virtual bool closeFile(std::FILE* file);

    // True when the folder exists or can be created, and a file can be
    // created in it (a probe file, removed again).
    bool canWriteIn(const std::string& folder);
};

// Today's date in local time.
FileDate localDateNow();
