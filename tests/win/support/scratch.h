// Files for the Win32 tests: a scratch folder per test, and whole-file
// reads and writes.
#pragma once

#include <windows.h>

#include <string>

class WinScratch {
  public:
    WinScratch();
    ~WinScratch();
    WinScratch(const WinScratch&) = delete;
    WinScratch& operator=(const WinScratch&) = delete;
    std::string path(const std::string& name) const { return folder_ + "\\" + name; }

  private:
    std::string folder_;
};

void writeFile(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);
