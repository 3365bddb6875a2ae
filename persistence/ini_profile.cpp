#include "persistence/ini_profile.h"

#include <algorithm>
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
    // Names of one section often differ only in their last character.
    const size_t length = std::strlen(b);
    return length == a.size() &&
           (length == 0 || equalsIgnoringCase(a.c_str() + length - 1, b + length - 1)) &&
           equalsIgnoringCase(a.c_str(), b);
}

using ProfileLine = IniProfile::Line;

ProfileLine parseLine(const std::string& raw) {
    ProfileLine line;
    line.raw = raw;
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
            // Blanks inside the brackets are not part of the name: "[ General ]"
            // is the section General, as the platform reads it.
            size_t nameBegin = begin + 1;
            size_t nameEnd = close;
            while (nameBegin < nameEnd && isProfileBlank(raw[nameBegin])) {
                ++nameBegin;
            }
            while (nameEnd > nameBegin && isProfileBlank(raw[nameEnd - 1])) {
                --nameEnd;
            }
            line.kind = ProfileLine::kSection;
            line.name = raw.substr(nameBegin, nameEnd - nameBegin);
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

std::vector<ProfileLine> splitLines(const std::string& text) {
    std::vector<ProfileLine> lines;
    // Room for every line and for the keys a save adds, so the lines are
    // not moved again and again.
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 64);
    size_t start = 0;
    while (start < text.size()) {
        size_t newline = text.find('\n', start);
        if (newline == std::string::npos) {
            newline = text.size();
        }
        const std::string raw = text.substr(start, newline - start);
        // A UTF-8 byte order mark before the first line is not part of it,
        // but stays in the file.
        if (start == 0 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            lines.push_back(parseLine(raw.substr(3)));
            lines.back().raw = raw;
        } else {
            lines.push_back(parseLine(raw));
        }
        start = newline + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<ProfileLine>& lines) {
    std::string text;
    for (const ProfileLine& line : lines) {
        const std::string& raw = line.raw;
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
    profile.lines_ = splitLines(text);
    profile.memory_ = std::move(text);
    return profile;
}

std::string IniProfile::text() const {
    if (inMemory_) {
        return written_ ? joinLines(lines_) : memory_;
    }
    std::string text;
    readWholeFile(path_, &text);
    return text;
}

void IniProfile::refresh() {
    if (!inMemory_) {
        std::string text;
        readWholeFile(path_, &text);
        lines_ = splitLines(text);
    }
}

void IniProfile::store() {
    written_ = true;
    if (inMemory_) {
        return;
    }
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) {
        return;
    }
    const std::string text = joinLines(lines_);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

int IniProfile::getString(const char* section, const char* key, const char* defaultValue,
                          char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    refresh();
    // Trailing blanks of the default are dropped, as the platform does.
    std::string fallback = defaultValue != nullptr ? defaultValue : "";
    while (!fallback.empty() && fallback.back() == ' ') {
        fallback.pop_back();
    }
    // Only the first section of a name is searched, and in it the first key.
    bool inSection = false;
    bool sectionSeen = false;
    for (const ProfileLine& line : lines_) {
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
    refresh();
    const std::string text = value != nullptr ? value : "";
    size_t header = lines_.size();
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == ProfileLine::kSection && sameName(lines_[i].name, section)) {
            header = i;
            break;
        }
    }
    if (header == lines_.size()) {
        if (!lines_.empty() && lines_.back().kind != ProfileLine::kOther) {
            lines_.push_back(parseLine(""));
        }
        lines_.push_back(parseLine(std::string("[") + section + "]"));
        lines_.push_back(parseLine(std::string(key) + "=" + text));
        store();
        return;
    }
    // Replace the key where it stands, or add it after the section's last
    // line that is not blank.
    size_t insertAt = header + 1;
    for (size_t i = header + 1; i < lines_.size(); ++i) {
        const ProfileLine& line = lines_[i];
        if (line.kind == ProfileLine::kSection) {
            break;
        }
        if (line.kind == ProfileLine::kKey && sameName(line.name, key)) {
            lines_[i] = parseLine(line.name + "=" + text);
            store();
            return;
        }
        if (line.kind != ProfileLine::kOther) {
            insertAt = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  parseLine(std::string(key) + "=" + text));
    store();
}
