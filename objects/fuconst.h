// A named constant: no arguments, one value; record body: the value.
#pragma once

#include "objects/fu1.h"

class fuconst : public fu1 {
public:
    explicit fuconst(double v = 0.0);
    fuconst(const fuconst& source);

    int countvalues() override { return 1; }
    bool implement(uint8_t force, uint16_t level) override;
    bool recordfingerprint() override;
    fu1* clone() const override;
    double tcalc(double* args) override { return val; }
    double* mcalc(double* args) override;
    const char* shortname() const override { return "Constant"; }

    int typenumber() const override { return typeids::fuconst; }
    const char* tag() const override { return "@@FUCONST"; }
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;

    int show() override;
    int edit() override;

    double val = 0.0;   // the value
};
