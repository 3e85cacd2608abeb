// The information boxes of the simple objects.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/limits.h"
#include "base/report.h"
#include "math/cnumber.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/edithooks.h"
#include "objects/fuconst.h"
#include "objects/fuvector.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"

namespace {
const char* fuhelp =
    "\n You are executing the <v>iew command for a \n\r user defined function. \n\r There is no editing option here. \n\n\r \"ref2.wri\" has all about editing functions. \n\r \"lib2.wri\" explains the use of user defined \n\r functions. \"syntax.wri\" explains the lan- \n\r guage which is being used in all formulae. \n\r";

std::string format(const char* f, const std::string& text)
{
    std::vector<char> buffer(text.size() + std::strlen(f) + 1);
    std::snprintf(buffer.data(), buffer.size(), f, text.c_str());
    return buffer.data();
}

// The widest line of a box text (lines end with "\n\r").
int widestline(const std::string& text)
{
    size_t widest = 0, start = 0;
    while (start <= text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        widest = std::max(widest, line.size());
        start = end + 1;
    }
    return int(widest);
}

// Screen lines that a text of n characters takes in a box.
int screenlines(int n)
{
    int width = limits::screencolumns - 2;
    return (n + width - 1) / width;
}
}

std::string fu1::contextline(const char* ownformat, const char* foreignformat) const
{
    if (origin == 0)
        return format(ownformat, libraryname(currentlibrary) ? libraryname(currentlibrary) : "");
    const char* library = libraryname(origin);
    return format(foreignformat, library ? library : "");
}

bool fu1::commentfits(int width, int usedlines) const
{
    if (!hascomment())
        return false;
    int n = note->length();
    return n + 10 < width && usedlines + screenlines(n) + 1 < limits::screenrows;
}

int fu1::show()
{
    // Fifty blanks widen the box, as far as the screen allows.
    std::string head = "Function: " + signature() + " ";
    int width = std::min(int(head.size()) + 50, limits::screencolumns - 2);
    std::string text = head + std::string(std::max(0, width - int(head.size())), ' ') + "\n\r";
    if (ownvars)
        text += "has static local variables\n\r";
    text += contextline("Context: local (\"%s\")\n\r", "Context: \"%s\"\n\r");
    text += formula && *formula ? "\n\r" + std::string(formula) : "\n\rOBJECT CONTAINS NO FORMULA !! ";
    if (commentfits(width, screenlines(int(std::strlen(fu::text())))))
        text += "\n\n\r" + std::string(note->text());
    for (;;) {
        setfootertext("<esc> <enter>");
        int key = report(reportkind::message, text, " User defined Function ");
        if (key != key::f1)
            return key;
        report(reportkind::message, fuhelp, " I N F O ");
    }
}

int fuconst::show()
{
    char number[40];
    printnumber(number, sizeof number, val, 15);
    std::string text = format(" The constant \"%s\" \n\r", name);
    text += contextline(" (local: %s) \n\r", " from %s \n\r");
    text += std::string(" has the value: \n\r ") + number + "                 ";
    if (commentfits(widestline(text), 0))
        text += "\n\n\r" + std::string(note->text());
    return report(reportkind::message, text);
}

int fuvector::show()
{
    if (nvalues < 1 || !elements)
        return 0;
    std::vector<std::string> lines;
    lines.push_back(format(" Vector \"%s\" \n\r", signature()));
    lines.push_back(contextline(" (local: %s) \n\n\r", " from %s \n\n\r"));
    char number[40], line[80];
    for (int i = 0; i < nvalues; ++i) {
        printnumber(number, sizeof number, elements[i], 16);
        std::snprintf(line, sizeof line, "%3d          %s  ", i + 1, number);
        lines.push_back(line);
    }
    if (hascomment())
        lines.push_back("\n\n\r" + std::string(note->text()));
    pagecolors(171);
    return showtextpage(" constant vector ", " <enter> ", lines);
}
