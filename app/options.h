// The program's own options; the other words are the command line that
// the switches "-F", "-f", "-p" and "-a" are read from.
#pragma once

#include <string>
#include <vector>

struct programoptions {
    bool help = false, version = false, headless = false;
    std::string script, out;
    int timeout = 60;                 // seconds
    bool lenient = false;             // the scripted front answers what the script leaves waiting
    std::vector<std::string> words;   // the rest, in order
};

// False with a message for a usage error.
bool parseoptions(int argc, const char* const* argv, programoptions& options, std::string& error);

extern const char usagetext[];
