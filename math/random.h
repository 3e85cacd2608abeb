// The formula language's random numbers: a linear congruential generator of
// 15-bit values (0 to 32767) with its seed.
#pragma once

constexpr int randommax = 32767;

// Stores the seed and restarts the generator from it.
void setseed(unsigned seed);
unsigned currentseed();
// Seeds from the current date and time (once, at start-up).
void seedrandom();
// The next 15-bit value.
int randomvalue();
// Uniform in [0, 1) with 60 random bits.
double randomuniform();
// "rand": uniform in [0, 1) for x <= 0 or NaN, a whole number from 0 to
// x - 1 for a whole x up to 1e15; beyond that a function error and -1.
double randomarg(double x);
