// The engines on a calculator's formula: the minimizer on one of its
// values (negated for a maximizer), the solver on its values against a
// target list with weights.
#pragma once

#include <vector>

#include "numerics/nlminimizer.h"
#include "numerics/nlsolver.h"

class fu;
class targetlist;

// Evaluates a formula object at scaled points; user breaks set state 9.
class formulapoint {
public:
    formulapoint(fu* formula, int n);
    // The formula's values at the user's coordinates of the scaled point;
    // null on an evaluation error (a user break sets *state to 9).
    const double* values(const double* x, const std::vector<double>& scale, int* state);

    fu* formula;
    std::vector<double> buffer;
    std::vector<double*> pointers;
};

class formulaminimizer : public NLminimizer {
public:
    // k: the value index, 1-based; sign +1 maximizes, -1 minimizes; start:
    // n doubles, 0-based.
    formulaminimizer(fu* formula, int n, int k, int sign, const double* start);
    double objective(const double* point) override;
    void evaluationreports(bool on) override;

    formulapoint at;
    int k;
};

class formulasolver : public NLsolver {
public:
    // m is the formula's number of values; a target list with fewer
    // entries is not used.
    formulasolver(fu* formula, int n, targetlist* targets);
    bool residuals(const double* point, double* out) override;
    void evaluationreports(bool on) override;
    int stepcheck() override;
    // The formula's values at the current point (valuecount of them), or
    // null on an error.
    const double* evaluate();
    int valuecount() const;
    // The target editor (nltargetedit.cpp); fresh: opened from the
    // options, where a change restarts the run.
    bool edittargets(bool fresh);

    formulapoint at;
    targetlist* targets;
    std::vector<double> t;     // targets of the residual rows
    std::vector<int> map;      // the formula value (0-based) of each row
};

// Agreement of two vectors in decimal digits: log10 |t| - log10 |t - v|,
// 102.4 when they are equal.
double agreementdigits(const double* t, const double* v, int first, int last);
// The warning when the numbers of unknowns and targets differ.
void targetmismatch(int n, int c);
