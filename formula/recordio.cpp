#include "formula/recordio.h"

#include <algorithm>
#include <cstring>
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

namespace {
constexpr size_t shownbuffer = 1000;   // characters of the buffer shown
constexpr size_t boxline = 70;         // the longest line of the box

// The text as box lines of at most boxline characters, broken at blanks
// (a longer word where it must be), each new line begun with "\n\r ".
std::string boxlines(const std::string& text)
{
    std::string out, line;
    auto flush = [&] {
        out += (out.empty() ? "" : " \n\r ") + line;
        line.clear();
    };
    size_t at = text.find_first_not_of("\r\n");
    while (at != std::string::npos) {
        size_t end = text.find_first_of("\r\n", at);
        std::string source = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        for (size_t word = 0; word < source.size();) {
            size_t stop = std::min(source.find(' ', word + 1), source.size());
            std::string piece = source.substr(word, stop - word);
            if (!line.empty() && line.size() + piece.size() > boxline) {
                flush();
                piece.erase(0, std::min(piece.find_first_not_of(' '), piece.size()));
            }
            for (; piece.size() > boxline; piece.erase(0, boxline)) {
                line = piece.substr(0, boxline);
                flush();
            }
            line += piece;
            word = stop;
        }
        flush();
        at = end == std::string::npos ? end : text.find_first_not_of("\r\n", end);
    }
    return out;
}
}

void libreaderror(const char* buffer, const char* where)
{
    std::string text(buffer, strnlen(buffer, shownbuffer));
    reportf(reportkind::libread, "\n Read error in %s \n\r Buffer contents: \n\r %s", where, boxlines(text).c_str());
}
