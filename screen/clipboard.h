// The five text clipboards that every edit shares (F5..F9 insert, Shift+F5..
// Shift+F9 copy the marked block), and the help text on block marking.
#pragma once

#include <cstdint>
#include <memory>

class msgbuffer;

struct clipboard {
    std::unique_ptr<char[]> block;
    int32_t capacity = 0;

    void clipinit();
    void clipfree();
    // Empty: no capacity or a zero-length text.
    bool clipempty() const;
    int32_t cliplength() const;
    // Copies n characters and a terminator; a new block replaces the old one
    // when n is not below the capacity.  False when n is negative.
    bool clipset(const char* text, int32_t n);
    // Null when empty.
    const char* cliptext() const;
    // Takes ownership of a terminated block of that capacity.
    void setclipbuffer(std::unique_ptr<char[]> newblock, int32_t newcapacity);
};

constexpr int textclipboards = 5;
// Clipboard 1 to 5 (F5 to F9).
clipboard& textclipboard(int n);

// Appends the explanation of block marking and the clipboards.
void blockhelp(msgbuffer& m);
