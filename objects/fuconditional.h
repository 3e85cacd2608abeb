// The user object "2-formula object": a condition and two formulas; called
// with its arguments it gives the first formula's values when the
// condition is true (neither 0 nor NaN), else the second's.
#pragma once

#include "objects/compositeslots.h"

class fuconditional : public compositeslots {
public:
    enum { condition, formula1, formula2, slots };

    fuconditional();
    fuconditional(const fuconditional& source) = default;

    // Formula 1's count when the condition has one value and both formulas
    // the same nonzero count, else 0.
    int countvalues() override;
    bool implement(uint8_t force, uint16_t level) override;
    fu1* clone() const override;
    double tcalc(double* args) override;
    double* mcalc(double* args) override;
    void edittitle() override;
    const char* shortname() const override { return "2-formula"; }
    bool makeslots() override;
    const char* longname() const override { return " 2-formula-object "; }

    int typenumber() const override { return typeids::fuconditional; }
    const char* tag() const override { return "@@FUCONDITIONAL"; }
    int show() override;

private:
    // The formula the condition picks for args; null after an error.
    slotcomp* chosen(double* args);
};
