#include "objects/dabafind.h"

#include <algorithm>
#include <cstring>

#include "base/limits.h"
#include "base/report.h"
#include "formula/nfv.h"
#include "objects/dabascan.h"
#include "platform/core/files.h"

namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// One occurrence of the call name at `at`.
bool callat(const char* line, size_t at, size_t length, int arguments)
{
    if (at > 0 && isnamechar(line[at - 1]))
        return false;
    size_t behind = at + length;
    size_t j = behind;
    while (line[j] == ' ')
        j++;
    if (!isopenbracket(line[j]))
        return arguments == 0 && line[behind] != '#' && !isnamechar(line[behind]);
    if (arguments >= 254)
        return true;
    int close = matchbracket(line, int(j));
    return close > 0 && nfvitems(line, int(j) + 1, close) == arguments;
}

// Skips up to and including the line after the first "@IV" line.
void skipiterator(linereader& in)
{
    std::string line;
    for (int i = 0; i < 9 && in.next(line); i++)
        if (linestarts(line, "@IV")) {
            in.next(line);
            return;
        }
}

void skipsumrecord(linereader& in)
{
    std::string line;
    for (int i = 0; i < 99 && in.next(line); i++)
        if (linestarts(line, "@END"))
            return;
}

}  // namespace

bool texttest(const std::string& line, const std::string& text, bool casesensitive)
{
    if (casesensitive)
        return line.find(text) != std::string::npos;
    auto same = [](char a, char b) { return upper(a) == upper(b); };
    return std::search(line.begin(), line.end(), text.begin(), text.end(), same) != line.end();
}

bool calltest(const std::string& line, const std::string& name, int arguments)
{
    if (name.empty())
        return false;
    for (size_t at = line.find(name); at != std::string::npos; at = line.find(name, at + 1))
        if (callat(line.c_str(), at, name.size(), arguments))
            return true;
    return false;
}

bool findbytest(linereader& in, const std::string& comment, const linetest& test)
{
    if (!comment.empty() && test(comment))
        return skiprestofobject(in);
    bool found = false;
    std::string line;
    for (int run = 0; run < 100; run++) {
        if (!in.next(line))
            return false;
        if (linestarts(line, "@ARGS"))
            in.next(line);
        else if (linestarts(line, "@@VARMAN"))
            skiprestofobject(in);
        else if (linestarts(line, "@RKITERATOR"))
            skipiterator(in);
        else if (linestarts(line, "@INIVALSCONST") || linestarts(line, "@END"))
            return skiprestofobject(in) && found;
        else if (linestarts(line, "@SUMRECORD"))
            skipsumrecord(in);
        else if (linestarts(line, "@@END"))
            return found;
        else if (in.next(line))
            found = test(line) || found;
        if (in.failed())
            return false;
    }
    report(reportkind::unexpected, " Loop in findbytest() aborted after 100 runs ");
    return false;
}
