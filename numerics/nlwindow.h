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

// What the minimizer's and the solver's main windows do differently.
struct nlwindowparts {
    const char* title;
    const char* initial;                       // the caption of the start value
    bool (*userstep)(nliter& e);               // 'u': true to take the step; null: not built
    void (*options)(nliter& e);                // 'o'
    void (*afterreport)(nliter& e, int key);   // the key that closed a report that did not adopt
};
// The main window in its frame: Enter and 'n' run a block (until
// termination, or as many steps as asked), '1' a single step, 'a' adopts
// the position, 'v' the views, F1 help.  True on Esc and on adopting;
// false when the frame or the log window cannot be opened.
bool nlmainwindow(nliter& e, calculator& c, const nlwindowparts& parts);

// The keys of a views window: 'x', 's' (the first step done, else a
// notice), third and Esc are returned; logkey shows the log file while
// there is one (then 0 is returned), other keys say "no such command".
int nlviewkey(nliter& e, int third, int logkey);
// The minimizer's views and options (minwindow.cpp), the solver's
// (solwindow.cpp).
void minviewoptions(nliter& e);
void solviewoptions(nliter& e);

// The commands: "Mi" and "Ma" (sign +1 maximizes), "n0" and "nn" (edit the
// targets first).
bool runminimizer(calculator& c, int sign);
bool runsolver(calculator& c, bool edit);
