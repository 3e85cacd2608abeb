// The text of a statistics box: printf-style pieces in one buffer of
// 2048 characters, the terminator's place included.
#pragma once

#include <string>

struct boxtext {
    std::string text;

    // Appends the formatted piece; what passes the buffer's end is cut.
    void add(const char* format, ...) __attribute__((format(printf, 2, 3)));
};
