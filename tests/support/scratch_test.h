// A test with a folder of its own under the system's temporary folder,
// removed with the test. Shared by the persistence and the core tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "persistence/file_system.h"

class ScratchTest : public testing::Test {
  protected:
    ScratchTest() { std::filesystem::create_directories(root_); }
    ~ScratchTest() override { std::filesystem::remove_all(root_); }
    std::string path(const std::string& name) const { return (root_ / name).string(); }

    FileSystem files;

  private:
    const std::filesystem::path root_ =
        std::filesystem::temp_directory_path() / ("zembal-test-" + std::to_string(getpid()));
};
