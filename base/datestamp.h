// The current local date and time, and a random seed made of it.
#pragma once

struct datestamp {
    short year = 0;
    unsigned char month = 0, day = 0;
    unsigned char hour = 0, minute = 0, second = 0;
    unsigned short millisecond = 0;

    datestamp() = default;  // empty
    void now();             // fills it from the system clock
};

unsigned short timeseed(const datestamp& stamp);
