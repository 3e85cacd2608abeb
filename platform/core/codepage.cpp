#include "platform/core/codepage.h"

#include "platform/core/glyphs.h"

namespace platform {

int codepagebyte(int ch, bool oem)
{
    if (ch >= 0 && ch < 0x80)
        return ch;
    // The ANSI table shows unused bytes as blanks; a blank is ASCII, so
    // never found here.
    for (int b = 0x80; b < 0x100; ++b)
        if (glyphunicode(static_cast<unsigned char>(b), oem) == static_cast<char32_t>(ch))
            return b;
    return -1;
}

int decodeutf8(std::string_view text, size_t& i)
{
    unsigned char c = text[i++];
    if (c < 0x80)
        return c;
    int extra = c >= 0xF8 ? -1 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    if (extra < 0)
        return -1;
    int cp = c & (0x3F >> extra);
    for (int n = 0; n < extra; ++n) {
        if (i >= text.size() || (text[i] & 0xC0) != 0x80)
            return -1;
        cp = cp << 6 | (text[i++] & 0x3F);
    }
    constexpr int shortest[] = {0, 0x80, 0x800, 0x10000};
    return cp < shortest[extra] ? -1 : cp;
}

std::string codepageutf8(std::string_view text, bool oem)
{
    std::string out;
    for (unsigned char b : text)
        appendutf8(out, b < 0x20 ? char32_t(b) : glyphunicode(b, oem));
    return out;
}

std::string utf8codepage(std::string_view text, bool oem)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        int ch = decodeutf8(text, i);
        int b = ch < 0 ? -1 : codepagebyte(ch, oem);
        if (b >= 0)
            out += char(b);
    }
    return out;
}

}  // namespace platform
