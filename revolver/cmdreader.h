// The key-command reader: collects the keys of one command (up to ten,
// case-sensitive) with the mouse cell at each key, and tests them against
// command strings.  The revolver and the summation menu read through it.
#pragma once

#include "screen/keys.h"

#include <cstdint>

class cmdreader {
public:
    static constexpr int maxkeys = 10;
    // state: keys are being collected or complete.
    static constexpr int32_t collecting = 2, leftclick = 0, plotpending = 3;

    cmdreader();
    ~cmdreader();
    cmdreader(const cmdreader&) = delete;
    cmdreader& operator=(const cmdreader&) = delete;

    void reset();
    void nokeys() { reset(); }
    int16_t count() const { return n; }

    // Waits for one key.  With the stop flag set the keys become Alt-X.
    // A left click sets the state to leftclick; other mouse codes are
    // skipped.
    void readonekey();
    // Reads until min(n, 10) keys are collected, the state is no longer
    // collecting, or the stop flag is set.
    void readkeys(int n);
    void addkey(keycode k);

    // With a key collected: the characters of text equal the collected keys
    // at their places (keys beyond the text do not matter).
    bool match(const char* text) const;
    // The same for key codes, zero-terminated; cmdkey::digit stands for
    // any digit.
    bool matchcodes(const keycode* codes) const;
    bool matchkey(keycode k) const { return n == 1 && keys[0] == k; }
    bool matchkeys(keycode a, keycode b) const { return n == 2 && keys[0] == a && keys[1] == b; }
    // The n-th key (1-based), 0 outside 1..count.
    keycode keyat(int i) const { return i >= 1 && i <= n ? keys[i - 1] : 0; }
    // Reads keys while the collected ones begin the command codes and it
    // is longer; then matchcodes.
    bool readandmatch(const keycode* codes);

    int32_t state = collecting;
    int16_t click1 = 0;
    int16_t mousex = 0, mousey = 0;   // cell of the mouse at the last key
    int16_t secondx = 0, secondy = 0;
    int16_t click2 = 0;

private:
    keycode keys[maxkeys] = {};
    int16_t n = 0;
};

// Whether the collected keys a (count na) begin the command codes.
bool beginscommand(const keycode* a, int na, const keycode* codes);
