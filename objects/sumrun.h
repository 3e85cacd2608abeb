// The summation engine: adds the terms of a series directly, or hands an
// infinite series to the accelerator; and the texts of its results.
#pragma once

#include <string>

#include "math/complex.h"

class seraccel;
class seriesterm;
class sumrecord;

// Run codes; 1 to 4 are the accelerator's failures (seraccel::status).
enum : int {
    sumpaused = 0,
    sumevalerror = 5,
    suminterrupted = 6,   // stop request or breakpoint
    sumcomplete = 7,
};

// Adds the terms from record->doneindex + step up to the next stop into
// record->result, or puts the accelerated limit there.
int sumrun(seriesterm* f, sumrecord* record, seraccel* accel);

// "%.15g" of the real part, "%.15g +i* %.15g" for type 'e'; the text lives
// until the next call.
const char* sumformat(complex z, char type);
// Chooses the record's label and returns the result line "\n <label> <value>".
std::string sumresult(sumrecord& record);
// The report of a run code; null for the codes that report nothing.
const char* sumerrortext(int code);
void sumerror(int code);
