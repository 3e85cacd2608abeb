#include "base/rkpformat.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace rkp {

void putrecord(std::string& out, uint8_t code, uint16_t a, uint16_t b)
{
    out.push_back(char(code));
    out.push_back(char(a & 0xFF));
    out.push_back(char(a >> 8));
    out.push_back(char(b & 0xFF));
    out.push_back(char(b >> 8));
    out.push_back(char(framemark));
}

void puttext(std::string& out, const std::string& text)
{
    putrecord(out, numberhead, uint16_t(text.size()), 0);
    size_t whole = text.size() / recordsize * recordsize;
    out.append(text, 0, whole);
    std::string last = text.substr(whole);
    last.resize(recordsize - 1, '\0');
    out += last;
    out.push_back(char(framemark));
}

std::string numbertext(double value)
{
    if (!std::isfinite(value))
        return std::string();
    char buffer[40];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 16);
    return std::string(buffer, r.ptr);
}

bool putnumber(std::string& out, double value)
{
    std::string text = numbertext(value);
    if (text.empty())
        return false;
    puttext(out, text);
    return true;
}

bool takechunk(const unsigned char* chunk, int n, std::string& text)
{
    for (int i = 0; i < n; ++i) {
        if (chunk[i] == 0 || (i == recordsize - 1 && chunk[i] == framemark))
            return true;
        text += char(chunk[i]);
    }
    return false;
}

double textvalue(const std::string& text)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(text.c_str(), nullptr, c);
}

}  // namespace rkp
