// Engines on native callbacks of the user's coordinates (0-based), and a
// runner that steps an engine until it sets a state, within a step budget.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "numerics/nlminimizer.h"
#include "numerics/nlsolver.h"

using objectivefn = std::function<double(const double*)>;
using residualfn = std::function<void(const double*, double*)>;

class fnminimizer : public NLminimizer {
public:
    fnminimizer(int n, objectivefn fn, int sign = -1) : NLminimizer(n), fn(std::move(fn))
    {
        this->sign = sign;
    }
    double objective(const double* p) override
    {
        std::vector<double> u(n);
        for (int i = 1; i <= n; i++)
            u[i - 1] = p[i] * scale[i];
        double v = fn(u.data());
        return sign > 0 ? -v : v;
    }
    objectivefn fn;
};

class fnsolver : public NLsolver {
public:
    fnsolver(int m, int n, residualfn fn) : NLsolver(m, n), fn(std::move(fn)) {}
    bool residuals(const double* p, double* out) override
    {
        std::vector<double> u(n);
        for (int i = 1; i <= n; i++)
            u[i - 1] = p[i] * scale[i];
        fn(u.data(), out + 1);
        for (int i = 1; i <= mactive; i++)
            out[i] *= w[i];
        return true;
    }
    residualfn fn;
};

// Steps until a state is set; -1 when the budget runs out first.
inline int runengine(nliter& e, int budget = 5000)
{
    for (int k = 0; k < budget; k++)
        if (int st = e.singlestep())
            return st;
    return -1;
}

// The user's coordinates of the engine's point.
inline std::vector<double> position(nliter& e)
{
    std::vector<double> u(e.n + 1);
    e.unscaled(u.data());
    return std::vector<double>(u.begin() + 1, u.end());
}
