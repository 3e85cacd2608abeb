// Text lists (a scrolling list over the lines of a line list) and text
// pages (a line list that knows its screen rectangle and shows itself).
#pragma once

#include <cstdint>

#include "screen/linelist.h"
#include "screen/list2way.h"

// Global hooks of the next text lists.  The key hook translates every key
// (default: unchanged); the help hook answers F1 (default: showlisthelp).
using textlistkeyfn = int (*)(int key);
using textlisthelpfn = void (*)();
extern textlistkeyfn textlistkeyhook;
extern textlisthelpfn textlisthelphook;
// Both hooks back to their defaults.
void resettextlisthooks();

class textlist : public list2way {
public:
    textlist(int16_t left, int16_t top, int16_t right, int16_t bottom, char** lines, int32_t first,
             int32_t last, int16_t prefix);
    ~textlist() override;

    void formatline() override;
    void filterkey(int& key) override;
    void otherkey(int& key) override;
    void enterkey(int& key) override;

    char** lines;
    int16_t prefix;
};

class textpage : public linelist {
public:
    textpage();
    textpage(const textpage& other);

    // Each edge is taken only when usable; the rest is the whole screen.
    // Sets maxlength to the interior width: set the bounds before adding.
    void setbounds(int16_t left, int16_t top, int16_t right, int16_t bottom);
    // Shows the page with the bar on line start (at most the last) and
    // returns the line current when it was left; 0 when the list failed.
    int16_t show(int16_t start = 1);

    int16_t left = 1, top = 1, right = 0, bottom = 0;
};
