// A growable list of owned text lines, 1-based; reports and listings are
// collected in one before a text window shows them.
#pragma once

#include <cstdarg>
#include <cstdint>

class linelist {
public:
    linelist();
    linelist(const linelist& other);
    linelist& operator=(const linelist&) = delete;
    ~linelist();

    bool isempty() const { return count == 1; }
    void clear();
    int16_t freeslot() const;
    int16_t grow();
    // Takes a heap line that already has its prefix bytes; false leaves it
    // with the caller.
    bool append(char* line);
    bool addline(const char* text);
    bool addsegment(const char* text, int length, int indent);
    int addtext(const char* text);
    int addlinef(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int addlinev(const char* format, va_list args);
    // Every line's text concatenated; the caller frees it; null when empty.
    char* join() const;

    const char* text(int i) const { return lines[i] + prefixbytes; }

    char** lines = nullptr;
    int16_t count = 1;
    int16_t capacity = 0;
    int16_t prefixbytes = 0;
    int16_t maxlength;
    int16_t widest = 1;
    bool split = false;
    bool failed = false;
};
