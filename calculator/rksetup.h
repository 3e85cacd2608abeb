// The record that collects a Runge-Kutta system step by step while it is
// set up, and that holds the formula picked up with "fp" (kind 9: a
// Direct-mode formula with its argument letters).
#pragma once

#include <cstdint>

#include "formula/rkshape.h"

class varman;

struct rksetup {
    rksetup();
    rksetup(const rksetup& source);
    rksetup& operator=(const rksetup&) = delete;
    ~rksetup();

    // Values, order, formula (not empty), variable and start values given.
    bool complete() const;
    bool setformula(const char* text);
    // state-length zeros as the start values.
    bool zerostart();
    void setallgiven();

    rkshape shape;
    char* formula = nullptr;       // owned
    double* start = nullptr;       // owned
    varman* variables = nullptr;   // owned copy or none
    char* arguments = nullptr;     // owned; a Direct-mode formula's letters
    uint32_t kind = 0;             // 9: a Direct-mode formula
    uint32_t formulalength = 0;
    uint32_t startcount = 0;
    uint8_t valuesgiven = 0;
    uint8_t ordergiven = 0;
    uint8_t formulagiven = 1;
    uint8_t variablegiven = 0;
    uint8_t startgiven = 0;
};

namespace rkkind {
constexpr uint32_t direct = 9;
}
