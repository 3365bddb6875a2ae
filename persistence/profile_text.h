// Texts the player typed (names, descriptions) written so that reading them
// back gives the same text.
#pragma once

#include <string>

// The private-profile service drops blanks around a value and one pair of
// matching quotes around it; such a text is written inside one more pair of
// quotes, which the reading drops again. A line end would split the line
// and could forge other keys, so it becomes a blank.
std::string profileText(const char* text);
