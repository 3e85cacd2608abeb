// The user object "parameter integral": a function of its arguments whose
// value is the integral of a formula over a parameter letter between two
// limits, all formulas of the arguments, by Romberg integration to a
// precision and within a number of iterations that are formulas too.
#pragma once

#include "objects/compositeslots.h"

class romberg;

class fuparin : public compositeslots {
public:
    enum { left, right, integrand, precision, maxiter, slots };

    fuparin();
    // The components copied, a new integrator of the first settings.
    fuparin(const fuparin& source);
    ~fuparin() override;

    // The integrand at parameter x with the arguments of the integration
    // under way; outside one an evaluation error.
    double calcx(double x) override;
    bool implement(uint8_t force, uint16_t level) override;
    fu1* clone() const override;
    double tcalc(double* args) override;
    void edittitle() override;
    const char* shortname() const override { return "Integral"; }
    bool makeslots() override;
    const char* longname() const override { return " parameter integral "; }
    bool complete() override;

    int typenumber() const override { return typeids::fuparin; }
    const char* tag() const override { return "@@FUPARIN"; }
    int show() override;

    romberg* integrator = nullptr;   // owned
    double* callargs = nullptr;      // the arguments of the integration under way

private:
    // The integral with the settings for args; digits is the precision in
    // force, reached what the run reached.
    double integrate(double* args, double& digits, double& reached);
    void reportprecision(double arg, double reached, double digits) const;
};
