// The parts that the minimizer's and the solver's windows share: status
// and block lines, menus, help, the termination report, the run with its
// iteration log, positions and epsilons.  They branch on the engine's
// kind (13 minimizer, 14 solver).
#pragma once

#include <vector>

class calculator;
class nliter;

void nlstatusline(nliter& e, int colour);
void nlblockline(nliter& e, int first, double walk, double startvalue);
void nlmainmenu();
void nltermmenu();
// situation: 0 main window, 1 after a single iteration, 2 after a block,
// 3 the termination window.
void nlhelp(int kind, int situation);
// The report in its window; returns the key that closed it (Esc when the
// window cannot be opened).
int nltermreport(nliter& e);
// The engine's unscaled point into target[0..n-1].
void nlcopyposition(double* target, nliter& e);
// The current position into the calculator's arguments, then " OK ".
void nladopt(nliter& e, calculator& c);
// The object that the calculator's formula calls (null when there is
// none), with the calculator's arguments bound to it and their values in
// start[0..n-1].
class fu;
fu* startpoint(calculator& c, std::vector<double>& start);
bool editepsilon(nliter& e, double& epsilon, const char* prompt);
void msgnotyet();

// Runs count steps (0: until a termination state) with the iteration log
// below the window: 0 the log window cannot be opened, 1 the count was
// reached, 2 the user quit at an interrupt, 3 a termination state is set.
int minrunlog(nliter& e, int count);
int solrunlog(nliter& e, int count);

// How a main window's command ended: the window stays, the position was
// adopted (the window closes), or the log window could not be opened.
enum nlend { nlstay, nladopted, nlfailed };
// Enter (several false: until termination) or 'n' (asks how many steps):
// the run, the termination report when a state is set, the block lines.
// afterreport sees the key that closed the report when it did not adopt.
nlend nlrunblock(nliter& e, calculator& c, bool several, void (*afterreport)(nliter& e, int key));
// '1': one step, the report when it sets a state, the status lines.
nlend nlsinglestep(nliter& e, calculator& c);

// The minimizer's views and options (minwindow.cpp), the solver's
// (solwindow.cpp).
void minviewoptions(nliter& e);
void solviewoptions(nliter& e);

// The commands: "Mi" and "Ma" (sign +1 maximizes), "n0" and "nn" (edit the
// targets first).
bool runminimizer(calculator& c, int sign);
bool runsolver(calculator& c, bool edit);
