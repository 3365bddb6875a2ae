#include "persistence/text.h"

#include <charconv>

bool scanDecimal(const char* text, int32_t* value) {
    *value = 0;
    if (text == nullptr) {
        return false;
    }
    const char* p = text;
    while (isBlank(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    if (*p < '0' || *p > '9') {
        return false;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range.
    const int64_t limit = negative ? int64_t{INT32_MAX} + 1 : int64_t{INT32_MAX};
    int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= limit) {
            magnitude = magnitude * 10 + (*p - '0');
        }
    }
    if (magnitude > limit) {
        magnitude = limit;
    }
    *value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

int32_t decimalValue(const char* text) {
    int32_t value = 0;
    scanDecimal(text, &value);
    return value;
}

std::string decimalText(int32_t value) {
    char digits[12];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end.ptr);
}

std::string numberedKey(const char* word, int index) {
    return std::string(word) + '_' + decimalText(index);
}

int copyText(char* target, int capacity, const char* source) {
    if (target == nullptr || capacity <= 0) {
        return 0;
    }
    int n = 0;
    if (source != nullptr) {
        while (n < capacity - 1 && source[n] != '\0') {
            target[n] = source[n];
            ++n;
        }
    }
    target[n] = '\0';
    return n;
}

namespace {
char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    // Names of one section often differ only in their last character.
    for (size_t i = a.size(); i > 0; --i) {
        if (lowerAscii(a[i - 1]) != lowerAscii(b[i - 1])) {
            return false;
        }
    }
    return true;
}
