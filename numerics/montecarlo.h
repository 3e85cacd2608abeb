// Monte Carlo runs ("z"): the current formula evaluated over and over at
// the current argument, with statistics of the results kept in the
// calculator so that a later run continues them.  Display intervals adapt
// to the speed (tick-calibrated chunks); a breakpoint, any key or STOP
// interrupt a run; runtime errors stop it or, once the user says so, are
// discarded silently.
#pragma once

#include <cstdint>

class boxframe;
class fu;
struct mcstat;

// Codes of mciterate and mcrun.
namespace mccodes {
constexpr int16_t reached = 0, error = 1, keywaiting = 2, stopped = 3, breakpoint = 4;
}

// Iterations count + 1 .. until of f at x; one failing iteration is not
// counted.  With errors not reported, a failing iteration is computed
// again.
int16_t mciterate(fu& f, double x, mcstat& stats, double until);
// The run loop in the box: calibration, display chunks, the menus after
// an interruption; returns the count.
double mcrun(fu& f, double x, mcstat* stats, boxframe* box);
// The "z" command's dialogue; stats is created when null.  False when the
// statistics cannot be made or the user leaves at the first menu.  The
// caller stores the mean as the result unless stats->isempty().
bool montecarlo(fu& f, double x, mcstat*& stats);

void mcshow(const mcstat& stats);
int mcmenu();
void mcinfo();
void mcfooter(int16_t which, boxframe* box);
void setbreakpoint(mcstat& stats);
