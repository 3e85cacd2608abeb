// Curves for the samplers' tests: a graph over a C++ function that notes
// every abscissa it is asked for, calling objects over formulas, and
// sampling requests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "calculator/calcfunm.h"
#include "calculator/funm.h"
#include "formula/parser.h"
#include "plots/canplot.h"
#include "plots/curves.h"

// y = f(x); NaN is undefined.
struct functiongraph : graphcurve {
    std::function<double(double)> f;
    std::vector<double> asked;

    explicit functiongraph(std::function<double(double)> f) : f(std::move(f)) {}
    bool implement() override
    {
        argcount = valuecount = 1;
        return sizework() && plotted;
    }
    const char* argsymbols() override { return "x"; }
    uint32_t generation() override { return 0; }
    canplot* copyto(plot*) override { return nullptr; }
    double valueat(double x, double) override
    {
        asked.push_back(x);
        *plotted = x;
        work[1] = f(x);
        status = std::isnan(work[1]) ? undefined : defined;
        return work[1];
    }
    double toundefined(double&, double, double) override { return 0; }
    double toclipper(double&, double, double) override { return 0; }
    bool prepare(samplerequest) override { return true; }
};

// A calling object over a called object with that formula, implemented.
struct callingobject {
    calcfunm object;
    callingobject(const char* formula, const char* letters)
    {
        auto* f = new funm;
        f->setformula(formula, letters);
        object.setcalled(f);
        EXPECT_TRUE(object.implement(1, 0)) << formula;
    }
};

inline samplerequest makerequest(const drect& world, const screenrect& screen, int resolution, double low = 0,
                                 double high = 0, uint16_t first = 1, uint16_t second = 1)
{
    samplerequest r;
    r.world = world;
    r.unit = {0, 1, 1, 0};
    r.screen = screen;
    r.resolution = resolution;
    r.rangelow = low;
    r.rangehigh = high;
    r.component1 = first;
    r.component2 = second;
    return r;
}

// The commands of a point list without position 0.
inline std::vector<plotcmd> commandsof(const sampleresult& result)
{
    std::vector<plotcmd> c;
    if (result.points)
        for (uint32_t i = 1; i < result.points->count; ++i)
            c.push_back(result.points->at(i));
    return c;
}

// The device position of a world point, unrounded.
inline double devicex(const drect& w, const screenrect& s, double x)
{
    return (x - w.left) * (s.right - s.left) / (w.right - w.left) + s.left;
}
inline double devicey(const drect& w, const screenrect& s, double y)
{
    return (w.top - y) * (s.bottom - s.top) / (w.top - w.bottom) + s.top;
}
