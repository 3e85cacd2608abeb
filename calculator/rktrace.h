// The step trace: every accepted Runge-Kutta step of the program leaves a
// record in one ring of 5555, so that the latest steps of the last run
// can be inspected.
#pragma once

#include <cstdint>

#include "calculator/ringbuf.h"

class RK;

struct rktracerecord {
    uint32_t serial;    // 1 for the first step of a run
    double parameter;   // state element 0 after the step
    double first;       // state element 1 after the step
};

struct rktracering : ringbuf<rktracerecord> {
    static constexpr uint32_t size = 5555;
    rktracering() : ringbuf(size) {}
    uint32_t serial = 0;
};

rktracering& rktrace();

// Serial 0 and an empty ring: RK::integrate starts every run with it.
void rktracerestart();

// The default step callback: the next serial with the state's elements 0
// and 1.
void rktracewriter(RK& solver, const double* increment);
