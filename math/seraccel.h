// Limits of infinite series by repeated pairwise averaging of partial sums;
// slowly rotating or one-signed series are first split into alternating
// sub-series on blocks of doubling width.
#pragma once

#include "math/complex.h"

class seriesterm;

class seraccel {
public:
    // status after a limit computation
    enum : int {
        converged = 0,
        nomemory = 1,
        toodeep = 2,      // more nested limits than levels
        columnfull = 3,   // averaging found no exact repetition
        runaway = 4,      // too many pieces, or blocks too wide
        evalfailed = 5,
        userbreak = 6,
    };
    static constexpr int levels = 5;

    seraccel();
    seraccel(const seraccel&) = delete;
    seraccel& operator=(const seraccel&) = delete;
    ~seraccel();

    static void freelevel(int level);
    bool prepare(int level, bool needpieces);

    // Term k carries (-1)^k; the result is sign times the real part.
    double altlimit(seriesterm* f, double first, double step, short sign);
    double reallimit(seriesterm* f, double first, double step);
    // Term k is f(x_k) e^(i(x_k rot + phase)), x_k = first + k step.
    complex cplxlimit(seriesterm* f, double first, double step, double phase, double rot);

    // Angles a (of the first term) and b (between terms) in units of pi.
    complex blocksum(seriesterm* f, double x0, double step, double a, double b, int n);
    complex oscsum(seriesterm* f, double x0, double step, double p, double w);
    short mittel(complex& z);
    void resetmittel() { ncolumn = 0; }
    complex tailsum() const;
    double slowlimit() const { return 1.0 / (slowdiv + 1); }
    double blocklength(double d) const;

    int status = 0;
    double curindex = 0;   // index of the term being evaluated
    short ncolumn = 0;
    complex* column = nullptr;
    complex* pieces = nullptr;
    double lead = 20.0;        // terms summed directly before each block sum averages
    double oscillead = 20.0;   // terms summed directly before a rotating sum splits
    short slowdiv = 2;
    short maxpieces = 1000;
    short maxcolumn = 100;
    short npieces = 0;
    double nblocks = 0;
    double nterms = 0;
    double lastspan = 0;
    short lastblock = 0;

private:
    bool addterms(seriesterm* f, complex& sum, complex& factor, complex rot, double& x, double step, double count);
    void failure();
    bool enter(bool needpieces);
};
