// What the four curve kinds share below the samplers: the compile scope of
// designer-plot curves, the display of a failed compilation, the status
// of an evaluation and the work vector's layout.
#pragma once

#include <cstdint>

class canplot;
class chain;
class fastplot;
class plot;
class diagnostics;
class varman;

// While a designer plot's curve compiles its sources, its store copy is
// the global store and its component copies are where names resolve;
// both come back on every path.
class compilescope {
public:
    explicit compilescope(const canplot& curve);
    ~compilescope();
    compilescope(const compilescope&) = delete;
    compilescope& operator=(const compilescope&) = delete;

private:
    varman* globals;
    chain* resolution;
};

// Shows a failed compilation's diagnosis (pending codes 58 and 62 are
// dropped first).
void showcompilefailure(diagnostics* collector);

// The point status after an evaluation whose values were read: 0 when
// the evaluator reported no error and no value is a NaN (a user break
// counts as defined), else 5.
uint32_t evalstatus(bool valuesread, double a, double b = 0);

// The work vector sized for the curve's counts; kept as it is when the
// counts did not change.  False without memory.
bool fitwork(canplot& curve, uint16_t args, uint16_t values);

// The owner of a curve: a fastplot, or the designer plot that holds it.
void ownedby(canplot& curve, fastplot* owner);
void ownedby(canplot& curve, plot* owner);
