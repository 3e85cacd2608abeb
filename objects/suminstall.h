// The installation assistant of the infinite sum: the calculator's formula
// and the summation settings become a new infinite-sum object of the
// local context.
#pragma once

class sumrecord;

// What the assistant takes from the calculator.
struct sumbase {
    const char* formula;
    const char* arguments;   // the argument letters
    char index;              // the selected argument: the summation index
    int values;              // how many values the formula returns
};

// True when a new object was installed; the record is only copied.
bool suminstall(const sumbase* calc, const sumrecord* r);
// Whether the angle becomes an argument: its letter, or 0 to keep it
// constant.
char askextraarg(const char* name, const char* letters, double value);

// Removes every c from text; nothing for c 0.
void dropchar(char* text, char c);
// Puts c in front of text (which has room for it); nothing for c 0.
void prependchar(char* text, char c);
