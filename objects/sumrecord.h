// Settings and running state of one summation: finite or infinite, direct
// or accelerated, with one of five summation types.
#pragma once

#include <iosfwd>

#include "math/complex.h"
#include "objects/saveable.h"

class fuinfinite;
class calculator;

// The process-wide defaults of the lead-in and convergence counts.
constexpr short defaultleadin = 20;
constexpr short defaultkritconv = 30;

class sumrecord : public saveable {
public:
    sumrecord();
    sumrecord(const sumrecord& other) = default;
    sumrecord& operator=(const sumrecord&) = default;
    ~sumrecord() override = default;

    void reset();
    bool hasfactor() const;
    char indexvar() const;
    bool hasresult() const;
    complex current() const;
    void swapmode();
    bool acceleratedinfinite() const { return infinite && accel; }

    // The "@SUMRECORD" block; nothing without an owner.
    void save(std::ostream& out) override;
    // Reads the lines after the tag line up to its end line.
    bool learn(std::istream& in) override;
    int typenumber() const override { return typeids::sumrecord; }
    const char* tag() const override { return "@@SUMRECORD"; }

    fuinfinite* ownerfu = nullptr;
    calculator* ownercalc = nullptr;
    bool infinite = true;
    bool accel = true;
    char mode = '+';       // '+' plain, '-' alternating, 'c' 's' 'e' rotating factor
    bool altplus = true;   // the alternating type starts with +
    double rot;            // radians per unit of the index
    double phase = 0;
    double first = 1.0;
    double last = 0;
    double step = 1.0;
    short leadin = defaultleadin;
    double breakpoint = 0;
    double dispstop = 0;
    complex result{0, 0};
    unsigned char runstate = 0;   // 0 none, 1 interrupted, 2 finished
    double doneindex = 0;
    complex partial{0, 0};
    bool accdone = false;
    complex accresult{0, 0};
    char lastmode = 0;
    double maxterm = 0;
    short quiet = 0;
    short kritconv = defaultkritconv;
    unsigned char infstate = 0;
    unsigned char finstate = 0;
    double infindex = 0;
    double finindex = 0;
    complex infpartial{0, 0};
    complex finpartial{0, 0};
    const char* label = nullptr;
};
