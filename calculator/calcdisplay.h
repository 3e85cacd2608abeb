// Pieces of the calculator display that others use.
#pragma once

#include <string>

// The status row of a calculator: status text, its background (a palette
// index) and the value text written from column 17.
struct calcstatusline {
    std::string text;
    int back = 0;
    std::string value;
};

// The F1 help of the #global line while it is shown; null otherwise.
extern void (*calcf1hook)();

// n doubles as "%.15g   " at the cursor.
void printvalues(const double* values, int n);
