// printf-style appending to a message text.
#pragma once

#include <string>

// Appends the formatted text, cut at the shared text buffer's size.
void appendf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
