#include "persistence/file_system.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

FileDate localDateOf(std::time_t when) {
    FileDate date;
    const std::tm* local = std::localtime(&when);
    if (local != nullptr) {
        date.day = local->tm_mday;
        date.month = local->tm_mon;
        date.year = local->tm_year + 1900;
    }
    return date;
}

}  // namespace

bool FileSystem::exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::status(path, error));
}

bool FileSystem::createFolder(const std::string& path) {
    std::error_code error;
    fs::create_directory(path, error);
    return fs::is_directory(path, error);
}

bool FileSystem::fileDate(const std::string& path, FileDate* date) {
    // The standard library knows no creation time; the modification time
    // stands in for it.
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(path, error);
    if (error) {
        return false;
    }
    const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        written - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
    *date = localDateOf(std::chrono::system_clock::to_time_t(system));
    return true;
}

bool FileSystem::replaceFile(const std::string& source, const std::string& target) {
    std::error_code error;
    fs::rename(source, target, error);
    return !error;
}

bool FileSystem::removeFile(const std::string& path) {
    std::error_code error;
    return fs::remove(path, error);
}

ReadFileResult FileSystem::readFile(const std::string& path, size_t maxBytes,
                                    std::string* contents) {
    contents->clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return ReadFileResult::kNotOpened;
    }
    char chunk[4096];
    size_t n = 0;
    ReadFileResult result = ReadFileResult::kRead;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (contents->size() + n > maxBytes) {
            result = ReadFileResult::kTooLarge;
            contents->clear();
            break;
        }
        contents->append(chunk, n);
    }
    std::fclose(file);
    return result;
}

std::FILE* FileSystem::createFile(const std::string& path) {
    return std::fopen(path.c_str(), "wb");
}

bool FileSystem::writeBytes(std::FILE* file, const char* data, size_t size) {
    return std::fwrite(data, 1, size, file) == size;
}

bool FileSystem::closeFile(std::FILE* file) {
    // A buffered write error shows up at the flush or the close.
    const bool flushed = std::fflush(file) == 0 && std::ferror(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return flushed && closed;
}

FileDate localDateNow() {
    return localDateOf(std::time(nullptr));
}

bool FileSystem::canWriteIn(const std::string& folder) {
    if (folder.empty() || (!exists(folder) && !createFolder(folder))) {
        return false;
    }
    const std::string probe = folder + kPathSeparator + "zembal-write-probe.tmp";
    std::FILE* file = createFile(probe);
    if (file == nullptr) {
        return false;
    }
    const bool closed = closeFile(file);
    removeFile(probe);
    return closed;
}
