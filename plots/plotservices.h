// Small services of the plots that other parts call too: the STOP
// request, drawing brackets and the 16-bit text sums (the guard that
// hides the status box is statushidden, screen/statushidden.h).  The busy state's guard is busyscope
// (formula/services.h), which holds menustate::busybegin and busyend.
#pragma once

#include <cstdint>

// True while a confirmed STOP request is pending (menustate::resetbusy
// clears it).
bool breakrequested();

// Empty hooks around every drawing section.
inline void drawbegin() {}
inline void drawend() {}

// The low byte plus the second byte shifted left by 8.
inline uint16_t makeword(uint8_t low, uint8_t high)
{
    return uint16_t(low | high << 8);
}
// The sum of a text's bytes modulo 65536 (the first of a Fletcher pair).
uint16_t sumstring(const char* text);
