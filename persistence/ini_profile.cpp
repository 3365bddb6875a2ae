#include "persistence/ini_profile.h"

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "persistence/text.h"

namespace {

// The loader treats the DOS end-of-file mark like a blank, as Windows does.
bool isProfileBlank(char c) {
    return isBlank(c) || c == '\x1a';
}

bool sameName(const std::string& a, const char* b) {
    return std::strlen(b) == a.size() && equalsIgnoringCase(a.c_str(), b);
}

struct ProfileLine {
    enum Kind { kOther, kSection, kKey };
    Kind kind = kOther;
    std::string name;  // the section's or the key's name
    bool hasValue = false;
    std::string value;
};

ProfileLine parseLine(const std::string& raw) {
    ProfileLine line;
    size_t begin = 0;
    size_t end = raw.size();
    while (begin < end && isProfileBlank(raw[begin])) {
        ++begin;
    }
    if (begin == end) {
        return line;
    }
    if (raw[begin] == '[') {
        const size_t close = raw.rfind(']');
        if (close != std::string::npos && close > begin) {
            // The section name is taken as it stands between the brackets.
            line.kind = ProfileLine::kSection;
            line.name = raw.substr(begin + 1, close - begin - 1);
            return line;
        }
    }
    while (end > begin && isProfileBlank(raw[end - 1])) {
        --end;
    }
    line.kind = ProfileLine::kKey;
    const size_t equals = raw.find('=', begin);
    if (equals == std::string::npos || equals >= end) {
        line.name = raw.substr(begin, end - begin);
        return line;
    }
    size_t nameEnd = equals;
    while (nameEnd > begin && isProfileBlank(raw[nameEnd - 1])) {
        --nameEnd;
    }
    size_t valueBegin = equals + 1;
    while (valueBegin < end && isProfileBlank(raw[valueBegin])) {
        ++valueBegin;
    }
    line.name = raw.substr(begin, nameEnd - begin);
    line.hasValue = true;
    line.value = raw.substr(valueBegin, end - valueBegin);
    return line;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t newline = text.find('\n', start);
        if (newline == std::string::npos) {
            newline = text.size();
        }
        lines.push_back(text.substr(start, newline - start));
        start = newline + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& raw : lines) {
        size_t end = raw.size();
        if (end > 0 && raw[end - 1] == '\r') {
            --end;
        }
        text.append(raw, 0, end);
        text += "\r\n";
    }
    return text;
}

// Copies a value as the platform does: one pair of matching quotes around
// it is dropped, the rest is cut to the buffer.
int copyEntry(char* buffer, int size, const char* value) {
    const size_t length = std::strlen(value);
    bool quoted = false;
    if ((value[0] == '"' || value[0] == '\'') && length >= 2 && value[length - 1] == value[0]) {
        quoted = true;
        ++value;
    }
    copyText(buffer, size, value);
    // The closing quote is dropped only when it was copied along.
    if (quoted && static_cast<size_t>(size) >= length - 1) {
        const size_t copied = std::strlen(buffer);
        if (copied > 0) {
            buffer[copied - 1] = '\0';
        }
    }
    return static_cast<int>(std::strlen(buffer));
}

bool readWholeFile(const std::string& path, std::string* text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char chunk[4096];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text->append(chunk, n);
    }
    std::fclose(file);
    return true;
}

}  // namespace

IniProfile::IniProfile(std::string path) : path_(std::move(path)) {}

IniProfile IniProfile::fromText(std::string text) {
    IniProfile profile;
    profile.inMemory_ = true;
    profile.memory_ = std::move(text);
    return profile;
}

std::string IniProfile::text() const {
    if (inMemory_) {
        return memory_;
    }
    std::string text;
    readWholeFile(path_, &text);
    return text;
}

void IniProfile::store(const std::string& text) {
    if (inMemory_) {
        memory_ = text;
        return;
    }
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) {
        return;
    }
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

int IniProfile::getString(const char* section, const char* key, const char* defaultValue,
                          char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    // Trailing blanks of the default are dropped, as the platform does.
    std::string fallback = defaultValue != nullptr ? defaultValue : "";
    while (!fallback.empty() && fallback.back() == ' ') {
        fallback.pop_back();
    }
    // Only the first section of a name is searched, and in it the first key.
    bool inSection = false;
    bool sectionSeen = false;
    for (const std::string& raw : splitLines(text())) {
        const ProfileLine line = parseLine(raw);
        if (line.kind == ProfileLine::kSection) {
            if (sectionSeen) {
                break;
            }
            inSection = sameName(line.name, section);
            sectionSeen = inSection;
        } else if (line.kind == ProfileLine::kKey && inSection && sameName(line.name, key)) {
            if (!line.hasValue) {
                break;
            }
            return copyEntry(buffer, size, line.value.c_str());
        }
    }
    return copyEntry(buffer, size, fallback.c_str());
}

void IniProfile::writeString(const char* section, const char* key, const char* value) {
    std::vector<std::string> lines = splitLines(text());
    const std::string entry = std::string(key) + "=" + (value != nullptr ? value : "");
    size_t header = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        const ProfileLine line = parseLine(lines[i]);
        if (line.kind == ProfileLine::kSection && sameName(line.name, section)) {
            header = i;
            break;
        }
    }
    if (header == lines.size()) {
        if (!lines.empty() && parseLine(lines.back()).kind != ProfileLine::kOther) {
            lines.emplace_back();
        }
        lines.push_back(std::string("[") + section + "]");
        lines.push_back(entry);
        store(joinLines(lines));
        return;
    }
    // Replace the key where it stands, or add it after the section's last
    // line that is not blank.
    size_t insertAt = header + 1;
    for (size_t i = header + 1; i < lines.size(); ++i) {
        const ProfileLine line = parseLine(lines[i]);
        if (line.kind == ProfileLine::kSection) {
            break;
        }
        if (line.kind == ProfileLine::kKey && sameName(line.name, key)) {
            lines[i] = line.name + "=" + (value != nullptr ? value : "");
            store(joinLines(lines));
            return;
        }
        if (line.kind != ProfileLine::kOther) {
            insertAt = i + 1;
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    store(joinLines(lines));
}
