// Switches a word for the outermost of nested scopes only: the first guard
// of a slot saves the word and writes the new value, the last one to go
// restores it.
#pragma once

#include <cstdint>

class nestguard {
public:
    static constexpr int slots = 8;

    nestguard(int16_t& word, int16_t value, int slot);
    ~nestguard();
    nestguard(const nestguard&) = delete;
    nestguard& operator=(const nestguard&) = delete;

    // The nesting depth of a slot.
    static int16_t depth(int slot);

private:
    int16_t* word;
    int16_t saved = 0;
    int slot;
};
