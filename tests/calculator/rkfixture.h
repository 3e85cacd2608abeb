// A Runge-Kutta system for the solver's tests: a solver with its value
// table (owned here, as a calculator owns it), compiled from a formula.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "calculator/rk.h"
#include "formula/compile.h"
#include "math/valtable.h"

struct rksystem {
    RK rk;
    std::shared_ptr<valtable> table;

    rksystem(int order, int dimension, char independent, bool arclength, const char* formula,
             std::initializer_list<double> start)
    {
        rk.shape = {uint16_t(order), uint16_t(dimension), independent, arclength};
        rk.setformula(formula);
        table = std::make_shared<valtable>(uint32_t(rk.statelength()));
        int i = 0;
        for (double v : start)
            table->startvector[i++] = v;
        rk.table = table;
    }
    bool compile() { return rk.compile(compilemode::normal, nullptr, nullptr, nullptr); }
    // The state at target; the status must be "reached".
    const double* at(double target)
    {
        const double* y = rk.integrate(target, 0.0);
        EXPECT_EQ(rk.status, RK::reached) << "at " << target;
        return y;
    }
};
