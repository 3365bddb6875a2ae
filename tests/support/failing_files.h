// A file system that fails its n-th step (0: none), a creation, a write, a
// close or a replace, on top of the portable files or the platform's.
#pragma once

#include <string>

#include "persistence/file_system.h"

template <typename Files = FileSystem>
class FailingFiles : public Files {
  public:
    explicit FailingFiles(int n = 0) : failAt(n) {}
    std::FILE* createFile(const std::string& path) override {
        return fails() ? nullptr : Files::createFile(path);
    }
    bool writeBytes(std::FILE* file, const char* data, size_t size) override {
        return !fails() && Files::writeBytes(file, data, size);
    }
    bool closeFile(std::FILE* file) override { return Files::closeFile(file) && !fails(); }
    bool replaceFile(const std::string& source, const std::string& target) override {
        return !fails() && Files::replaceFile(source, target);
    }
    bool fails() { return ++steps == failAt; }
    int steps = 0, failAt;
};
