// Pieces the fuzz targets share: a game with silent hooks built as the
// program builds its model, and a file system that keeps written files in
// memory.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "model/game_model.h"
#include "persistence/file_system.h"

class FixedClock : public GameClock {
  public:
    int32_t nowMs() override { return 600000; }
    int64_t calendarSeconds() override { return 1; }
};

class FuzzGame : public GameModel {
  public:
    FuzzGame() {
        level = &theLevel;
        setClock(clock);
        rows = 20;
        cols = 30;
        fieldLeft = 10;
        fieldTop = 10;
        ballRadius = 7;
        setFrameCount(kAnimationFrames);
        fieldRight = fieldLeft + cols * kCellPixels;
        fieldBottom = fieldTop + rows * kCellPixels;
        initGeometry();
    }
    void onPauseChanged(int) override {}
    void onLevelStarted() override {}
    void onGameOver(int, int) override {}
    void onLevelCompleted() override {}
    void onLifeLost() override {}
    void onGameEnding() override {}
    int askPlayerName(char*, int) override { return 0; }
    void showMessage(const char*) override {}
    void fatalError(const char*) override {}
    void showStatus(const char*) override {}

    // setFieldSize(-1, -1) of the program, with a layout that moves the
    // field as a larger field would move it in the view.
    void recomputeGeometry() {
        fieldLeft = 10 + (40 - cols) * 7;
        fieldTop = 10 + (30 - rows) * 7;
        fieldRight = fieldLeft + cols * kCellPixels;
        fieldBottom = fieldTop + rows * kCellPixels;
        computeCellsToComplete();
    }

    Level theLevel;
    FixedClock clock;
};

// Files written into memory; the handle is only a token.
class MemoryFiles : public FileSystem {
  public:
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool createFolder(const std::string&) override { return true; }
    bool replaceFile(const std::string& source, const std::string& target) override {
        files[target] = files[source];
        files.erase(source);
        return true;
    }
    bool removeFile(const std::string& path) override { return files.erase(path) != 0; }
    std::FILE* createFile(const std::string& path) override {
        current = path;
        files[path].clear();
        return reinterpret_cast<std::FILE*>(this);
    }
    bool writeBytes(std::FILE*, const char* data, size_t size) override {
        files[current].append(data, size);
        return true;
    }
    bool closeFile(std::FILE*) override { return true; }

    std::map<std::string, std::string> files;
    std::string current;
};
