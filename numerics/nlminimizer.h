// Local minimum of a smooth function of n >= 2 arguments: Newton steps on
// a central-difference Hessian, shifted by a multiple of the identity until
// it is positive definite, and a backtracking line search.  The objective
// is the subclass's; a maximizer minimizes the negated function.
#pragma once

#include <cmath>

#include "math/symeigen.h"
#include "numerics/nliter.h"

class NLminimizer : public nliter {
public:
    explicit NLminimizer(int n);
    ~NLminimizer() override;

    int kind() const override { return 13; }
    double lastgain() const override;
    double value() const override;
    bool report(linelist* status, linelist* detail, linelist* verdict) override;
    int singlestep() override;
    // The engine's function at the scaled point x[1..n] (always minimized);
    // a value that is not finite counts as an evaluation error.
    virtual double objective(const double* point) = 0;

    // start: n doubles, 0-based.
    void ini(const double* start);

    // Report queries, also for the window's views.
    bool hessiananalysis();
    bool stationarity();
    double recentgain() const;
    double recentpath() const;
    int steplengthgrowth() const;
    int progressdecline() const;
    int spangrowth() const;
    // "min" or "max", "lower" or "upper", "bottom" or "ceiling".
    const char* extremum() const { return sign > 0 ? "max" : "min"; }

    double fc = 0;
    std::vector<double> g, H, L, Hreport, anglegrad, anglestep;
    doublering values{30}, steps{30};
    symeigen eigen;
    int sign = -1;
    double epsG = 1e-5, epsH = 2e-4;
    double mu = 0, mutotal = 0;
    double fnew = 0;
    bool extrapolate = false;
    bool boundretry = false;
    bool refine = true;
    double f0 = 0;
    double safetybound = -HUGE_VAL;
    double span = 0;
    int negatives = 0;
    bool gradientzero = false;
    bool stepzero = false;

protected:
    double f(const double* point);

private:
    void step();
    bool gradient();
    bool hessian(double* h);
    bool cholesky();
    void substitute();
    bool perturb();
    bool linesearch(bool extrapolation);
    void setbounds();
    void logeigen();
    void loggradient();
    bool evalerror = false;
};

// Counts how many of the newest entries keep a trend: order 1 compares
// neighbours, order 2 second differences; sense +1 or -1 picks the sign.
int ringtrend(const doublering& ring, int sense, int order);
// Orders of magnitude spanned by the non-zero entries v[1..n], counting
// only those within 15 orders of the largest.
double magnitudespan(const double* v, int n);
