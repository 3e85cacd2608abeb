#include "formula/recordio.h"

#include <istream>

#include "base/report.h"

namespace {
bool separates(int c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
}

bool readword(std::istream& in, std::string& word)
{
    word.clear();
    int c = in.get();
    while (c != EOF && separates(c))
        c = in.get();
    while (c != EOF && !separates(c)) {
        word.push_back(char(c));
        c = in.get();
    }
    if (c != EOF)
        in.unget();
    return !word.empty();
}

bool readline(std::istream& in, std::string& line, size_t limit)
{
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > limit)
        line.resize(limit);
    return true;
}

void skipline(std::istream& in)
{
    int c = in.get();
    while (c != EOF && c != '\n')
        c = in.get();
}

void libreaderror(const char* buffer, const char* where)
{
    reportf(reportkind::libread, "\n Read error in %s \n\r Buffer contents: \n\r %.1000s", where, buffer);
}
