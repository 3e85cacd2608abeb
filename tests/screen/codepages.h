// The same characters in the text font's two code pages: the switches that
// select the code page and the characters' bytes in it.
#pragma once

#include <string>
#include <vector>

struct codepagecase {
    std::vector<std::string> switches;
    std::string bytes;
};

// What every case's bytes show.
inline const std::string codepagetext = "äöüß µ±";

inline const codepagecase codepagecases[] = {
    {{}, "\x84\x94\x81\xE1 \xE6\xF1"},                                // OEM (cp437), the default
    {{"-F", "ANSI", "18", "10", "400"}, "\xE4\xF6\xFC\xDF \xB5\xB1"},   // ANSI (cp1252)
};
