// A calculator with a fastplot on the headless front.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "calculator/calculator.h"
#include "plots/fastplot.h"
#include "plots/fastplotwindow.h"
#include "tests/calculator/calcfixture.h"

struct fastplotsitting : calcsitting {
    // The pane's mouse trackers save cells of the sitting's screen: they
    // go with it.
    hostrun withcalc(const std::string& keys, std::function<void(calculator&)> body)
    {
        return calcsitting::withcalc(keys, [&](calculator& c) {
            body(c);
            droptrackers();
        });
    }
    // A ready calculator of the formula, its plot rectangle 600 by 300.
    static void ready(calculator& c, const char* formula, const char* args = "x")
    {
        c.owner->fastplotrect = {10, 100, 610, 400};
        c.setformula(formula, args);
        c.reimplement();
        c.proceed(true);
    }
    // A new plot #1 of the type over the range (state 1).
    static fastplot& specified(calculator& c, uint32_t type, double lo, double hi)
    {
        auto* f = new fastplot(&c);
        c.plot1 = f;
        f->spec.type = type;
        f->spec.rangelow = lo;
        f->spec.rangehigh = hi;
        return *f;
    }
    // Plot #1 of the calculator over the range, set up for the window
    // and computed.
    static fastplot& plotof(calculator& c, uint32_t type, double lo, double hi, drect window = {})
    {
        fastplot* f = &specified(c, type, lo, hi);
        EXPECT_TRUE(f->ini(window));
        EXPECT_TRUE(f->compute());
        return *f;
    }
    // Pairs (x, y) of 0-based value columns for a parametric plot.
    static void setpairs(fastplot& f, std::initializer_list<std::pair<uint16_t, uint16_t>> pairs)
    {
        f.spec.owns = 1;
        f.spec.count = uint16_t(pairs.size());
        f.spec.pairs = new uint32_t[pairs.size()];
        int i = 0;
        for (auto [x, y] : pairs)
            f.spec.pairs[i++] = uint32_t(x) | uint32_t(y) << 16;
    }
    static bool has(const hostrun& run, const std::string& dump, const std::string& part)
    {
        return dumptext(run, dump).find(part) != std::string::npos;
    }
};
