// Whole-file reads and writes for the Win32 tests.
#pragma once

#include <string>

void writeFile(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);
