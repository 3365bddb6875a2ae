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

using ProfileLine = IniProfile::Line;

// Parses raw from `begin` on (past a byte order mark, say).
ProfileLine parseLine(std::string raw, size_t begin = 0) {
    ProfileLine line;
    line.raw = std::move(raw);
    const std::string& text = line.raw;
    size_t end = text.size();
    while (begin < end && isProfileBlank(text[begin])) {
        ++begin;
    }
    if (begin == end) {
        return line;
    }
    if (text[begin] == '[') {
        const size_t close = text.rfind(']');
        if (close != std::string::npos && close > begin) {
            // Blanks inside the brackets are not part of the name: "[ General ]"
            // is the section General, as the platform reads it.
            size_t nameBegin = begin + 1;
            size_t nameEnd = close;
            while (nameBegin < nameEnd && isProfileBlank(text[nameBegin])) {
                ++nameBegin;
            }
            while (nameEnd > nameBegin && isProfileBlank(text[nameEnd - 1])) {
                --nameEnd;
            }
            line.kind = ProfileLine::kSection;
            line.nameBegin = nameBegin;
            line.nameLength = nameEnd - nameBegin;
            return line;
        }
    }
    while (end > begin && isProfileBlank(text[end - 1])) {
        --end;
    }
    line.kind = ProfileLine::kKey;
    const size_t equals = text.find('=', begin);
    if (equals == std::string::npos || equals >= end) {
        line.nameBegin = begin;
        line.nameLength = end - begin;
        return line;
    }
    size_t nameEnd = equals;
    while (nameEnd > begin && isProfileBlank(text[nameEnd - 1])) {
        --nameEnd;
    }
    size_t valueBegin = equals + 1;
    while (valueBegin < end && isProfileBlank(text[valueBegin])) {
        ++valueBegin;
    }
    line.nameBegin = begin;
    line.nameLength = nameEnd - begin;
    line.hasValue = true;
    line.valueBegin = valueBegin;
    line.valueLength = end - valueBegin;
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
        std::string raw = text.substr(start, newline - start);
        // A UTF-8 byte order mark before the first line is not part of it,
        // but stays in the file.
        const bool marked = start == 0 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0;
        lines.push_back(parseLine(std::move(raw), marked ? 3 : 0));
        start = newline + 1;
    }
    return lines;
}

std::string keyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append(1, '=').append(value);
    return line;
}

std::string joinLines(const std::vector<ProfileLine>& lines) {
    size_t length = 0;
    for (const ProfileLine& line : lines) {
        length += line.raw.size() + 2;
    }
    std::string text;
    text.reserve(length);
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
// it is dropped, the rest is cut to the buffer. A value ends at its first
// NUL byte.
int copyEntry(char* buffer, int size, std::string_view value) {
    value = value.substr(0, value.find('\0'));
    const size_t length = value.size();
    const bool quoted =
        length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0];
    if (quoted) {
        value.remove_prefix(1);
    }
    size_t copied = std::min(value.size(), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, value.data(), copied);
    // The closing quote is dropped only when it was copied along.
    if (quoted && static_cast<size_t>(size) >= length - 1 && copied > 0) {
        --copied;
    }
    buffer[copied] = '\0';
    return static_cast<int>(copied);
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

bool IniProfile::Line::named(std::string_view other) const {
    return nameLength == other.size() && equalsIgnoringCase(name(), other);
}

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

size_t IniProfile::findSection(std::string_view name) {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == ProfileLine::kSection && lines_[i].named(name)) {
            return i;
        }
    }
    return lines_.size();
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
    std::string_view fallback = defaultValue != nullptr ? defaultValue : "";
    while (!fallback.empty() && fallback.back() == ' ') {
        fallback.remove_suffix(1);
    }
    // Only the first section of a name is searched, and in it the first key.
    const std::string_view keyName = key;
    for (size_t i = findSection(section) + 1; i < lines_.size(); ++i) {
        const ProfileLine& line = lines_[i];
        if (line.kind == ProfileLine::kSection) {
            break;
        }
        if (line.kind == ProfileLine::kKey && line.named(keyName)) {
            if (!line.hasValue) {
                break;
            }
            return copyEntry(buffer, size, line.value());
        }
    }
    return copyEntry(buffer, size, fallback);
}

void IniProfile::writeString(const char* section, const char* key, const char* value) {
    refresh();
    const std::string_view text = value != nullptr ? value : "";
    const std::string_view keyName = key;
    const size_t header = findSection(section);
    if (header == lines_.size()) {
        if (!lines_.empty() && lines_.back().kind != ProfileLine::kOther) {
            lines_.push_back(parseLine(""));
        }
        lines_.push_back(parseLine(std::string("[") + section + "]"));
        lines_.push_back(parseLine(keyLine(keyName, text)));
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
        if (line.kind == ProfileLine::kKey && line.named(keyName)) {
            lines_[i] = parseLine(keyLine(line.name(), text));
            store();
            return;
        }
        if (line.kind != ProfileLine::kOther) {
            insertAt = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  parseLine(keyLine(keyName, text)));
    store();
}
