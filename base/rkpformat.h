// The transfer file's stream: 6-byte records (code, a, b little-endian,
// frame mark 0xFF) and numbers as "%.16g" text in 6-byte chunks.  Shared
// by the program that writes the file and the one that reads it.
#pragma once

#include <cstdint>
#include <string>

namespace rkp {

enum : uint8_t {
    point = 1,          // also the colour record after a pen
    drawpoint = 2,
    margins = 16,       // left, top
    interpretation = 17,
    flagword = 18,
    pen = 19,
    numberhead = 21,
    worldwindow = 22,
    anchors = 23,
    units = 24,
    gridstyle = 25,
    diagramsize = 27,
    margins2 = 28,      // right, bottom
};

constexpr uint16_t square = 20000;  // device units on each axis
constexpr uint8_t framemark = 0xFF;
constexpr int recordsize = 6;

// Appends one record byte by byte.
void putrecord(std::string& out, uint8_t code, uint16_t a, uint16_t b);
// Appends the head record and the chunks of a text (no zero byte in it).
void puttext(std::string& out, const std::string& text);
// "%.16g" in the C locale whatever the process's locale; empty for a
// value that is not finite.
std::string numbertext(double value);
// Appends a number; false (nothing appended) for a value not finite.
bool putnumber(std::string& out, double value);

// Takes a chunk of n bytes (fewer at the end of a file) into text; true
// when the text ended in it (a zero byte, or the frame mark in the last
// place).
bool takechunk(const unsigned char* chunk, int n, std::string& text);
// The leading number of a text in the C locale, the rest ignored; 0 when
// it holds none.
double textvalue(const std::string& text);

}  // namespace rkp
