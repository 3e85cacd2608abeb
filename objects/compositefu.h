// The common base of the user objects built from several formulas, each
// held in a slot component.  It adds no fields to fu1, only three slots
// and the defaults that the kinds inherit.
#pragma once

#include "objects/fu1.h"

class compositefu : public fu1 {
public:
    compositefu() = default;
    compositefu(const compositefu& source) = default;

    double* mcalc(double* args) override;
    void edittitle() override {}
    bool edititems(attrlines& lines) override { return true; }

    // Slots 23 to 25: ask the user for every component (true when all were
    // given), the kind's caption, whether every needed component exists.
    virtual bool makeslots() = 0;
    virtual const char* longname() const = 0;
    virtual bool complete() = 0;
};
