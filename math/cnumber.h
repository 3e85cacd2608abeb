// Numbers in files and records are written and read in the "C" numeric
// locale, whatever locale the process runs in.
#pragma once

#include <cstddef>

// printf's "%.<digits>g"; infinities and NaN as "inf", "-inf", "nan",
// "-nan".  Returns the length (the text is cut to size - 1).
int printnumber(char* buffer, size_t size, double value, int digits);

// strtod: true when a number was read; *end (when given) points behind it.
bool scannumber(const char* text, double& value, const char** end = nullptr);
