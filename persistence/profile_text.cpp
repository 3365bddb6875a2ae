#include "persistence/profile_text.h"

#include "persistence/text.h"

namespace {

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

bool isLostOnReading(char c) {
    return isBlank(c) || c == '\x1a';
}

}  // namespace

std::string profileText(const char* text) {
    std::string value = text != nullptr ? text : "";
    for (char& c : value) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    if (value.empty()) {
        return value;
    }
    const char first = value.front();
    const char last = value.back();
    const bool quoted = value.size() >= 2 && isQuote(first) && last == first;
    if (isLostOnReading(first) || isLostOnReading(last) || quoted) {
        return "\"" + value + "\"";
    }
    return value;
}
