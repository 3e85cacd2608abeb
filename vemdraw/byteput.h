// Little-endian fields appended to a file image.
#pragma once

#include <cstdint>
#include <string>

inline void put16(std::string& s, uint32_t v)
{
    s += char(v & 0xFF);
    s += char(v >> 8 & 0xFF);
}

inline void put32(std::string& s, uint32_t v)
{
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
