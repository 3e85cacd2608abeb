// Drives m weighted residuals of n unknowns towards zero, exactly or in
// the least-squares sense: Gauss-Newton steps on a finite-difference
// Jacobian, solved by the QR solver with rank control, and a backtracking
// line search on IQ, the sum of the squared residuals.  The rank
// threshold krit adapts from step to step; a stall detector (the banana
// condition) raises it or ends the run.
#pragma once

#include "math/qrsolver.h"
#include "numerics/nliter.h"

class NLsolver : public nliter {
public:
    NLsolver(int m, int n);
    ~NLsolver() override;

    int kind() const override { return 14; }
    double lastgain() const override;
    double value() const override;
    bool report(linelist* status, linelist* detail, linelist* verdict) override;
    int singlestep() override;
    void setscaling(const double* newscale) override;
    // The residuals at the scaled point into out[1..m]; false on an
    // evaluation error (values that are not finite count as one too).
    virtual bool residuals(const double* point, double* out) = 0;
    // 1 when the current values match the targets to 12 digits, -1 below
    // 6, else 0; 0 without targets.
    virtual int stepcheck() { return 0; }

    void ini();
    void restart();
    // start: n doubles, 0-based; then ini and a scaling proposal.
    void setstart(const double* start);
    // w[1..m].
    void setweights(const double* weights);
    void markprogress();
    void logmatrix(linelist* list, const double* matrix, int rows, int cols);

    std::vector<double> r, rnew, J, w, best;
    QRsolver qr;
    int mactive;
    double epsJ = 1e-5;
    double IQ = 0, IQnew = 0, q = 1.0;
    double krit = 1e-7, longkrit = 1e-7;
    int maxrank = 0;
    double override = 0.0;     // one step: krit below 1, the rank from 1 up
    double stepkrit = 0;
    int banana = 0;
    double bananaIQ = 0;       // IQ of the last banana trigger
    double bestfactor = 1.0, beststep = 0;
    int bestiteration = 0;
    double IQstart = 0;
    int progressiteration = 0;
    double progressIQ = 0;
    double match = 0;          // agreement digits of the latest stepcheck

protected:
    bool evalresiduals(const double* point, double* out);

private:
    void step();
    bool jacobian();
    bool linesearch();
    void progresscontrol();
    void logstep();
};
