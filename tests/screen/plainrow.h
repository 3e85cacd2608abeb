// A row of the text dump with the double-line frame glyphs as ASCII:
// corners '+', vertical '|', horizontal '='; one byte per cell.
#pragma once

#include <fstream>
#include <string>

inline std::string plainrow(const std::string& utf8)
{
    std::string out;
    for (size_t i = 0; i < utf8.size(); i++) {
        unsigned char c = utf8[i];
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        char32_t u = 0;
        int more = c >= 0xE0 ? 2 : 1;
        u = c & (more == 2 ? 0x0F : 0x1F);
        for (int k = 0; k < more && i + 1 < utf8.size(); k++)
            u = u << 6 | (utf8[++i] & 0x3F);
        out += u == U'═' ? '=' : u == U'║' ? '|' : (u == U'╔' || u == U'╗' || u == U'╚' || u == U'╝') ? '+' : '?';
    }
    return out;
}

// A text dump file with each row made plain.
inline std::string plainfile(const std::string& path)
{
    std::ifstream in(path);
    std::string out, line;
    while (std::getline(in, line))
        out += plainrow(line) + "\n";
    return out;
}
