#include "persistence/win32_binding.h"

#include <windows.h>

#include <io.h>
#include <shlobj.h>

#include <cstdio>

#include <utility>

#include "persistence/slots.h"

Win32ProfileStore::Win32ProfileStore(std::string path) : path_(std::move(path)) {}

int Win32ProfileStore::getString(const char* section, const char* key, const char* defaultValue,
                                 char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    return static_cast<int>(GetPrivateProfileStringA(section, key, defaultValue, buffer,
                                                     static_cast<DWORD>(size), path_.c_str()));
}

void Win32ProfileStore::writeString(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, path_.c_str());
}

bool Win32FileSystem::exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::createFolder(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::fileDate(const std::string& path, FileDate* date) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return false;
    }
    // Where the file system records no creation time, the modification
    // time stands in.
    FILETIME when = data.ftCreationTime;
    if (when.dwLowDateTime == 0 && when.dwHighDateTime == 0) {
        when = data.ftLastWriteTime;
    }
    FILETIME local;
    SYSTEMTIME parts;
    if (!FileTimeToLocalFileTime(&when, &local) || !FileTimeToSystemTime(&local, &parts)) {
        return false;
    }
    date->day = parts.wDay;
    date->month = parts.wMonth - 1;
    date->year = parts.wYear;
    return true;
}

bool Win32FileSystem::closeFile(std::FILE* file) {
    // The new save must be on the disk before it replaces the old one.
    bool ok = std::fflush(file) == 0 && std::ferror(file) == 0;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    ok = handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0 && ok;
    return std::fclose(file) == 0 && ok;
}

bool Win32FileSystem::replaceFile(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileSystem::removeFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

std::string programFilePath() {
    char path[kPathBufferSize];
    const DWORD length = GetModuleFileNameA(GetModuleHandleA(nullptr), path, sizeof path);
    // A full buffer means the path was cut.
    if (length == 0 || length >= sizeof path) {
        return std::string();
    }
    return std::string(path, length);
}

std::string perUserSavedGamesFolder() {
    char appData[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        return std::string();
    }
    const std::string folder =
        std::string(appData) + "\\" + kSettingsFolderName + "\\" + kSavedGamesFolderName;
    return folder.size() < static_cast<size_t>(kPathBufferSize) ? folder : std::string();
}

SettingsFiles win32SettingsFiles(FileSystem& files) {
    std::vector<std::string> legacyFiles;
    char windows[MAX_PATH];
    const UINT windowsLength = GetWindowsDirectoryA(windows, MAX_PATH);
    if (windowsLength > 0 && windowsLength < MAX_PATH) {
        const std::string windowsFolder(windows, windowsLength);
        legacyFiles.push_back(windowsFolder + "\\" + kSettingsFileName);
        // What Windows redirected there for an older program: the same path
        // without its drive, under the user's VirtualStore folder.
        char localAppData[MAX_PATH];
        const size_t colon = windowsFolder.find(':');
        if (colon != std::string::npos &&
            SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                       localAppData))) {
            legacyFiles.push_back(std::string(localAppData) + "\\VirtualStore" +
                                  windowsFolder.substr(colon + 1) + "\\" + kSettingsFileName);
        }
    } else {
        // The bare name: the private-profile service finds it in the Windows folder.
        legacyFiles.push_back(kSettingsFileName);
    }
    std::string userFile;
    char appData[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                   SHGFP_TYPE_CURRENT, appData))) {
        const std::string folder = std::string(appData) + "\\" + kSettingsFolderName;
        if (files.exists(folder) || files.createFolder(folder)) {
            userFile = folder + "\\" + kSettingsFileName;
        }
    }
    return chooseSettingsFiles(userFile, legacyFiles, files);
}
