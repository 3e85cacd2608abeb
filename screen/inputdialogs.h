// Input dialogs: one text or one number, in place at the cursor or as a bar
// dialog over whole screen lines (title bar, field, key bar).  A number is
// typed as a formula and evaluated by the input parser, so any single-valued
// expression is an answer.  Each dialog leaves how it ended in lastinputkey
// (screen/lineeditor.h) and inputstate.
#pragma once

#include <cstdint>

#include "screen/lineeditor.h"

class parser;

namespace inputstates {
constexpr int32_t empty = 0;      // the field was left empty; the value is unchanged
constexpr int32_t cancelled = 1;  // Esc
constexpr int32_t novalue = 2;    // the text gave no value; the value is unchanged
constexpr int32_t taken = 3;      // the text was evaluated and its value taken
constexpr int32_t range = 4;      // outside the requested integer type; unchanged
}
extern int32_t inputstate;

// The parser that evaluates typed numbers; its answer is the value slot
// (the notepad's latest value).  Made at start with the editors.
parser& inputparser();
void makeinputparser();
void dropinputparser();
// The parser holds code and its last evaluation succeeded.
bool inputok(const parser& p);

// Colours: 0 takes the default role.  Width 0: the window's (screen's)
// width; row 0: the cursor's row (bar dialogs: the row below the cursor).
keycode inputbox(char* buffer, int16_t width = 0, int16_t row = 0, int text = 0, int back = 0,
                 int clear = 0, int unused = 0);
// inputbox with the math editor.
keycode lineinput(char* buffer, int16_t width = 0, int16_t row = 0, int text = 0, int back = 0,
                  int clear = 0, int unused = 0);
keycode keyedinput(char* buffer, int16_t width, int16_t row, const char* title, int text = 0,
                   int back = 0, int clear = 0, int bartext = 0, int barback = 0, int unused = 0);
// keyedinput with a one-line field of width characters from the column
// on, in the default colours.
keycode keyedinputat(char* buffer, int16_t column, int16_t width, int16_t row, const char* title);
// Edits *value written with 16 significant digits; state 2 shows the
// compile diagnostics.
keycode entrybox(double* value, int16_t width, int16_t row, const char* title, int text = 0,
                 int back = 0, int clear = 0, int bartext = 0, int barback = 0, int unused = 0);
double inputdouble(double value, const char* title, int16_t row = 0, int text = 0, int back = 0,
                   int clear = 0, int bartext = 0, int barback = 0, int unused = 0);
// In place at the cursor, after the prompt (may be null).
double numberbox(double value, const char* prompt);
int16_t readshortbox(int16_t value, const char* prompt);
// At the bottom of the screen.
int32_t readint(int32_t value, const char* title);
int16_t readshort(int16_t value, const char* title);

// Ask until the check accepts the value; false when the user gave up (the
// target is unchanged).  Without explanation or check any value counts.
using valuecheck = bool (*)(double);
bool inputchecked(double* target, const char* title, const char* explanation, valuecheck check);
bool inputnumber(double* target, const char* title, const char* explanation, valuecheck check);
