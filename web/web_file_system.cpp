#include "web/web_file_system.h"

#include <cstdio>

#include "web/web_page.h"

namespace {
// Saved games are a few tens of kilobytes; the settings file less.
constexpr size_t kMaxKeptBytes = 1 << 20;
}  // namespace

bool WebFileSystem::keep(const std::string& path, const FileDate& date) {
    return keepAs(path, path, date);
}

bool WebFileSystem::keepAs(const std::string& path, const std::string& storedPath,
                           const FileDate& date) {
    std::string bytes;
    if (readFile(path, kMaxKeptBytes, &bytes) != ReadFileResult::kRead) {
        return false;
    }
    char dateText[40];
    std::snprintf(dateText, sizeof dateText, "%d %d %d", date.day, date.month, date.year);
    return pageStoreFile(storedPath.c_str(), bytes.data(), static_cast<int>(bytes.size()),
                         dateText) == 1;
}

bool WebFileSystem::replaceFile(const std::string& source, const std::string& target) {
    // The storage replaces a file in one step, so it holds the old one or
    // the new one; only once it holds the new one does the file here move.
    if (!keepAs(source, target, localDateNow())) {
        return false;
    }
    return FileSystem::replaceFile(source, target);
}

bool WebFileSystem::removeFile(const std::string& path) {
    pageForgetFile(path.c_str());
    return FileSystem::removeFile(path);
}

bool WebFileSystem::fileDate(const std::string& path, FileDate* date) {
    char text[40] = {};
    if (pageFileDate(path.c_str(), text, sizeof text) == 1 && date != nullptr &&
        std::sscanf(text, "%d %d %d", &date->day, &date->month, &date->year) == 3) {
        return exists(path);
    }
    return FileSystem::fileDate(path, date);
}
