// A named vector of constants: no arguments, nvalues elements; record
// body: one element per line.
#pragma once

#include "objects/fu1.h"

class fuvector : public fu1 {
public:
    fuvector();
    // The values of source (implemented, no arguments) evaluated once;
    // failed when that is not possible.
    explicit fuvector(fu* source);
    fuvector(const fuvector& source);
    ~fuvector() override;

    int countvalues() override { return nvalues; }
    bool implement(uint8_t force, uint16_t level) override;
    bool recordfingerprint() override;
    fu1* clone() const override;
    double tcalc(double* args) override { return nvalues > 0 && elements ? elements[0] : 0.0; }
    double* mcalc(double* args) override { return elements; }
    const char* shortname() const override { return "Vector"; }

    int typenumber() const override { return typeids::fuvector; }
    const char* tag() const override { return "@@FUVECTOR"; }
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;

    int show() override;
    int edit() override;

    // Room for n elements: true when n < capacity; else a new array of
    // n + 1 (contents not kept).  False when memory fails or n + 1 does not
    // fit the capacity field.
    bool reserve(int n);

    double* elements = nullptr;   // owned
    int16_t capacity = 0;
};
