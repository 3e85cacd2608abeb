#include <cstdio>
#include <cstring>
#include <string>

#include "calculator/rknames.h"
#include "plots/clippereditor.h"

namespace {
// The letters separated by ", " up to 19 of them, by "," up to 29, else
// unseparated.
std::string interleave(const char* names)
{
    size_t n = std::strlen(names);
    const char* separator = n <= 19 ? ", " : n <= 29 ? "," : "";
    std::string text;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0)
            text += separator;
        text += names[i];
    }
    return text;
}
}

std::string clipperhelp(const char* names, const clipperorigin& origin)
{
    std::string text =
        "\n Clipper formulae should return a single value, whose sign \n\r determines which parts of the curve are visible. Whereever that \n\r value is 0 or negative, the curve will be masked out. \n\r As arguments, clipper formulae will accept all arguments of the \n\r calculator where they originated, plus the symbols designating \n\r its values. \n\r In the current situation, you can use as arguments:\n\r";
    char line[200];
    if (origin.order > 0) {
        snprintf(line, sizeof line, origin.arclength ? "\n\r %c   arc\n\r" : "\n\r %c\n\r", origin.independent);
        text += line;
    } else {
        const char* letters = names ? names : "";
        std::string list = interleave(letters);
        if (std::strlen(letters) >= 2)
            text += "\n\r" + list + " \n\r(where " + std::string(1, origin.independent) + " is the selected argument)\n\r";
        else
            text += "\n\r" + list + " \n\r";
    }
    int rows = origin.order > 0 ? origin.order : 1;
    return text + symbolrows(origin, rows) + "\n\r";
}
