// The help screens of the summation menu and of its monitored run.
#pragma once

// The menu's help, which goes on to the finite, infinite (and from there
// acceleration) and installation screens by key.
void summenuhelp();
void monotonyhelp();
// F1 in the interrupt dialog.
void suminterrupthelp();
