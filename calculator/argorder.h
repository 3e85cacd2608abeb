// Order of argument letters: alphabetical without regard to case, the
// lower-case letter before the upper-case one of the same letter.
#pragma once

// -1, 0 or 1.
int argorder(char a, char b);
// Sorts the letters of a NUL-terminated string in place (insertion sort).
void sortargs(char* letters);
