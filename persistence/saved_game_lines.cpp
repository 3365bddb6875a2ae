#include "persistence/saved_game_lines.h"

#include <cstring>

SavedGameError forEachSavedGameLine(const char* data, size_t size,
                                    const SavedGameLineHandler& onLine) {
    size_t start = 0;
    while (start < size) {
        const char* begin = data + start;
        const void* found = std::memchr(begin, '\n', size - start);
        const char* newline = found != nullptr ? static_cast<const char*>(found) : data + size;
        size_t length = static_cast<size_t>(newline - begin);
        start += length + 1;
        // One line end comes off: LF, with a CR before it.
        if (found != nullptr && length > 0 && begin[length - 1] == '\r') {
            --length;
        }
        if (length > static_cast<size_t>(kMaxSavedGameLineChars)) {
            return SavedGameError::kLineTooLong;
        }
        if (length == 0) {
            continue;
        }
        char text[kMaxSavedGameLineChars + 1];
        std::memcpy(text, begin, length);
        text[length] = '\0';
        const char* value = text;
        size_t valueLength = length;
        char* colon = static_cast<char*>(std::memchr(text, ':', length));
        if (colon != nullptr) {
            *colon = '\0';
            value = colon + 1;
            valueLength = length - static_cast<size_t>(value - text);
        } else if (text[length - 1] == '\r') {
            // A copy that writes CR LF in text mode ends its lines with
            // CR CR LF: a marker keeps no CR. Values read as numbers stop
            // before it, and a "DATA" row keeps its cells, a CR among them.
            text[length - 1] = '\0';
        }
        const SavedGameError error = onLine(text, value, valueLength);
        if (error != SavedGameError::kNone) {
            return error;
        }
    }
    return SavedGameError::kNone;
}
