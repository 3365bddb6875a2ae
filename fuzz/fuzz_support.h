// Pieces the fuzz targets share: a check that stops the run, the tests' game
// model with a clock fixed at ten minutes, and a file system that keeps
// written files in memory.
#pragma once

#include <cstdlib>
#include <map>
#include <string>

#include "persistence/file_system.h"
#include "tests/support/viewed_game.h"

inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class FuzzGame : public ViewedGame {
  public:
    FuzzGame() {
        clock.now = 600000;
        clock.calendar = 1;
    }

    // setFieldSize(-1, -1) of the program, with a layout that moves the
    // field as a larger field would move it in the view.
    void recomputeGeometry() override { placeField(10 + (40 - cols) * 7, 10 + (30 - rows) * 7); }
};

// Files written into memory; the handle is only a token.
class MemoryFiles : public FileSystem {
  public:
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool createFolder(const std::string&) override { return true; }
    bool replaceFile(const std::string& source, const std::string& target) override {
        files[target] = files[source];
        return files.erase(source) != 0;
    }
    bool removeFile(const std::string& path) override { return files.erase(path) != 0; }
    std::FILE* createFile(const std::string& path) override {
        current = &files[path];
        current->clear();
        return reinterpret_cast<std::FILE*>(this);
    }
    bool writeBytes(std::FILE*, const char* data, size_t size) override {
        current->append(data, size);
        return true;
    }
    bool closeFile(std::FILE*) override { return true; }

    std::map<std::string, std::string> files;
    std::string* current = nullptr;  // the file being written
};
