// Commands whose tools come later.  Each is defined in standins.cpp, one
// line a command, showing "Feature not implemented !" (the fastplot hooks
// do nothing).  A tool that comes deletes its line there and defines the
// function with the same signature in its own file.
#pragma once

class calculator;

// Calculator commands.
void recognizecalc(calculator& c);     // F3: fraction recognizer
void summation(calculator& c);         // "+": finite and infinite summation
void integratecmd(calculator& c);      // "ii": Romberg integration
void goldenmin(calculator& c);         // "mi": one-dimensional minimum
void goldenmax(calculator& c);         // "ma": one-dimensional maximum
void dsminimize(calculator& c);        // "Mi": n-dimensional minimum
void dsmaximize(calculator& c);        // "Ma": n-dimensional maximum
void solvezero(calculator& c);         // "n0": nonlinear system, right sides 0
void solvetargets(calculator& c);      // "nn": nonlinear system, right sides entered
void searchzero(calculator& c);        // "r0": zero, extremal point or point of inflection
void searchvalue(calculator& c);       // "rf": a value
void montecarlocmd(calculator& c);     // "z": Monte Carlo run
void newdesignerplot(calculator& c);   // "ppn": designer plot from the fastplot
void adddesignershown(calculator& c);  // "pp+": add the fastplot's curve and show it
void adddesignerplot(calculator& c);   // "p+": add the fastplot's curve
void loaddesignerwindow(calculator& c);  // "ppl": the designer plot's window to the fastplot

// Fastplot hooks (no-ops until the fastplots exist).
void closecurrentplot(calculator& c);  // 601: close the plot (promotes plot 2)
void fastplotloop(calculator& c);      // a left click or a pending plot action
void spacemenu(calculator& c);         // " ": the plot menu
void refreshfastplot(calculator& c);   // Shift-" ": recreate the fastplot

// Revolver commands.
void recognizerconstants();            // "oo_r"
void plotmenucmd();                    // "ppp"
void eraseplotcmd();                   // "pp" Del
