// Reading one line in the modal dialog "WINSTRINGDIALOG".
#pragma once

#include "platform/core/dialog.h"

// The owner of the next one-line dialog: 0 is the main window; plot
// dialogs may set another one, winstring resets it.
extern int dialogowner;

// The state of the last winreadnumber.
namespace readstate {
constexpr int number = 0, range = 1, cancelled = 2, empty = 3, open = 4;
}
extern int winreadstate;

// The dialog's template: prompt 1001 above edit field 1000, OK (1) and
// "Abbrechen" (2).
platform::dialogtemplate stringdialog(const char* prompt, const char* text, int limit);

// None for a missing buffer, size <= 1, or Cancel; else the buffer with
// the line (at most size - 1 characters).
char* winstring(char* buffer, int size, const char* prompt);
// The line as a decimal number; the default value on Cancel or an empty
// line; the state says which.
double winreadnumber(double value, const char* prompt);
