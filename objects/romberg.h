// Romberg integration of a user object of one argument: trapezoid sums on
// ever finer grids (one block per halving of the step) and Richardson
// extrapolation, until two successive rows agree in the requested digits.
// The "ii" command uses one program-wide instance; every parameter
// integral owns one.
#pragma once

#include <cstdint>

class fu;

// True while neither a confirmed STOP request nor the evaluator's error
// byte is set; every long loop of the tools and objects polls it after
// each evaluation.  A checkpoint of the computing thread (the scripted
// front types into running computations there).
bool canproceed();
// The user took a STOP back: the menus' busy state again, the abort flag
// and a user break of the error byte cleared; the run goes on.
void resumeafterbreak();

// The largest L with 2^L <= n (n limited to 2^31); 0 for n <= 1.
int16_t floorlog2(uint32_t n);
// 2^k for 0 <= k <= 31, else 0.
uint32_t pow2(int16_t k);

class romberg {
public:
    // Maximum block length, target digits, block length from which a run
    // enters its trace mode.
    romberg(uint32_t maxblock, double targetdigits, uint32_t traceblock);
    ~romberg();
    romberg(const romberg&) = delete;
    romberg& operator=(const romberg&) = delete;

    // Takes d when 0 <= d <= 15; returns the setting.
    double setdigits(double d);
    // The level of n becomes the highest level when it fits the table;
    // returns the block length of the setting.
    uint32_t setmaxblock(uint32_t n);
    uint32_t settraceblock(uint32_t n);

    // The integral of f over [a, b] through f's calcx; the caller has
    // implemented f.  digitsout (may be null) gets the digits of agreement
    // after every block (-1000 before the first comparison).
    double integrate(fu& f, double a, double b, double* digitsout, bool trace);

    int16_t levels() const { return maxlevel; }
    int16_t tracestart() const { return tracelevel; }

    double* table = nullptr;   // row entries 1 .. level; entry 0 unused
    double best = 0.0;
    int16_t tablesize = 0;
    double digits = 15.0;
    int16_t maxlevel = 0;
    int16_t tracelevel = 0;
    double bestdigits = -1000.0;
    double step = 0.0;
    bool allocfailed = false;

private:
    double block(fu& f, double a, double b, int16_t k);
    double extrapolate(double t, double& bestout, int16_t level, bool trace);
    bool interruptquery(uint32_t step, uint32_t length);
    void failreport(int16_t level);
    // Esc, or the last level reached: the run ends.
    bool tracedialogue(int16_t k, bool first);
    void resetbest() { bestdigits = -1000.0; }
    // A trace block as long as the longest block means no trace mode: such
    // a run ends silently after its last level.
    bool hastracemode() const { return tracelevel < maxlevel; }
};
