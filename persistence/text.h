// Small text helpers shared by the settings and the saved-game format:
// decimal conversion as the C library reads numbers, and copies into
// fixed buffers that never overflow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Reads a decimal integer the way strtol does: leading blanks, an optional
// sign, then digits up to the first other character. A value beyond the
// 32-bit range saturates instead of overflowing. Returns false, with 0 in
// *value, when no digit follows the blanks and the sign.
bool scanDecimal(const char* text, int32_t* value);

// scanDecimal's value alone: text without digits reads as 0.
int32_t decimalValue(const char* text);

// The decimal text of value, as "%d" writes it.
std::string decimalText(int32_t value);

// The name of the index-th key of a numbered set: "User_3".
std::string numberedKey(const char* word, int index);

// Copies at most capacity - 1 characters of source into target and
// terminates it. Returns the number of characters copied. A capacity of 0
// or less copies nothing; a null source copies the empty text.
int copyText(char* target, int capacity, const char* source);

// Case-insensitive comparison of two ASCII texts.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// True for the characters the C library's isspace accepts in the "C" locale.
inline bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
