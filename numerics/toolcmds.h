// The calculator commands of the numeric tools on the current formula:
// each checks the calculator, builds the function to work on, runs its
// tool and puts the result on the calculator.
#pragma once

#include <memory>

class calculator;
class fu;
class fuwrapper;
class romberg;

void integratecmd(calculator& c);    // "ii": Romberg integration
void goldenmin(calculator& c);       // "mi": one-dimensional minimum
void goldenmax(calculator& c);       // "ma": one-dimensional maximum
void searchzero(calculator& c);      // "r0": zero, extremal point or point of inflection
void searchvalue(calculator& c);     // "rf": a value
void montecarlocmd(calculator& c);   // "z": Monte Carlo run
void recognizecalc(calculator& c);   // F3: the recognizer on the number shown
void recognizerconstants();          // "oo_r": the recognizer's settings
// The recognizer's window on a number (the notepad's F3 too).
void recognizevalue(double value);

// The calculator's selected value as a function of its selected argument:
// the calling object itself for one argument and one value in Direct
// mode, else a wrapper made into holder (the solver's component in the
// Runge-Kutta modes).  Null when the wrapper cannot attach.
fu* toolfunction(calculator& c, std::unique_ptr<fuwrapper>& holder);
// The point becomes the selected argument's value (through the argument
// box when it shows this calculator).
void adoptargument(calculator& c, double x);

// "ii": limits asked in a box, the integral by the program's integrator;
// ok false when an entry was cancelled or the integrand was never
// implemented.
double numintegration(fu& integrand, bool trace, bool& ok);
// The program-wide integrator (maximum block 2^25, 15 digits, trace from
// 1024 points on).
romberg& programintegrator();
// Whether "ii" runs in trace mode from its first block.
extern bool integrationtrace;

// "r0" and "rf": true when the user adopted the point found.
bool zerosearch(calculator& c, double target);
// "mi" and "ma": true when the user adopted the point found.
bool goldensession(calculator& c, int sense);
