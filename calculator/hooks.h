// The calculator's calls up to the plots, which own the fastplot class:
// startplots (plots/start.h) fills the table.  Without it a calculator
// has no ready plot and draws none.
#pragma once

#include <cstdint>

class fastplot;

struct calculatorhooks {
    // The plot is computed (state 3).
    bool (*plotready)(const fastplot* p) = nullptr;
    // Its number of curves (a simple plot has one).
    uint16_t (*plotcurves)(const fastplot* p) = nullptr;
    // Takes the calculator's state; true when the plot's flags changed.
    bool (*plotupdate)(fastplot* p) = nullptr;
    // Draws the plot into its rectangle.
    void (*plotdraw)(fastplot* p) = nullptr;
    // Deletes the plot (the owner forgets it).
    void (*plotdelete)(fastplot* p) = nullptr;
};

calculatorhooks& calculatorhook();
