// Extremum search on a function of one argument near a start point: a
// probe for the improving direction, a bracketing walk with steps growing
// by the golden ratio, and a golden-section refinement of the bracket.
// sense +1 searches a maximum, -1 a minimum.
#pragma once

#include <cmath>
#include <cstdint>

class fu;

// The golden ratio and its inverse, the walk's growth and the refinement's
// section.
inline const double phi = (std::sqrt(5.0) + 1) / 2;
inline const double invphi = 1 / phi;

class extremesearch {
public:
    // Outcomes in status.
    static constexpr int32_t found = 4, leftdomain = 7, nodirection = 11, noextremum = 12;

    // True when an extremum was found: x and fbest; else status says why.
    bool run(fu& f, int16_t sense, double x0, double step);
    void reset() { status = 0; }
    static double minstep(double x);

    int32_t status = 0;
    double fbest = 0.0;
    double next = 0.0;
    double lo = 0.0, hi = 0.0;
    double x = 0.0;
    double step = 0.0;

private:
    bool probe(fu& f, int16_t sense, double x0);
    bool bracket(fu& f, int16_t sense, double x0, double x1);
    bool golden(fu& f, int16_t sense, double a, double m, double b);
};

// The words of the reports: kind 1 "max"/"min", 2 "Max"/"Min", 3
// "upper"/"lower", 4 "ceiling"/"bottom" (sense 1 the first); null for other
// kinds.
const char* searchword(int16_t sense, int16_t kind);
