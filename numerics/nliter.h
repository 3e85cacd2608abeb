// The common base of the nonlinear minimizer and solver: dimension, the
// point in scaled coordinates (the user's argument i is x[i] * scale[i]),
// start point, step, scaling, termination state, counters, the runaway
// radius and the iteration log.  Vectors are 1-based (math/vecfuncs.h).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "calculator/ringbuf.h"

class linelist;
class textpage;

// The latest values, newest first: at(1) is the newest.
class doublering : public ringbuf<double> {
public:
    explicit doublering(uint32_t size) : ringbuf<double>(size) {}
    double at(int i) const { return newest(uint32_t(i - 1)); }
    int size() const { return int(held()); }
    double sum() const;
};

// Termination states; a report prints the state less 3.
enum nlstate : int {
    nlrunning = 0,
    nlsolved = 1,        // set by a report that finds clear success
    nlnoprogress = 4,
    nllittleprogress = 5,
    nlunbounded = 6,     // minimizer: the objective fell below the safety bound
    nldomain = 7,        // an evaluation of a derivative failed
    nlrunaway = 8,
    nluserbreak = 9,     // set by the driver only
    nlunexpected = 10,
};

// Construction status.
enum nlstatus : int { nlready = 0, nlbadargs = 2, nlnomemory = 3 };

class nliter {
public:
    nliter(int n, int m, int littlelimit);
    virtual ~nliter();
    nliter(const nliter&) = delete;
    nliter& operator=(const nliter&) = delete;

    virtual int kind() const = 0;   // 13 minimizer, 14 solver
    virtual void setscaling(const double* newscale);
    virtual double lastgain() const = 0;
    virtual double value() const = 0;
    virtual bool report(linelist* status, linelist* detail, linelist* verdict) = 0;
    virtual int singlestep() = 0;
    // Runtime-error reports of the evaluations on (after a search) or off.
    virtual void evaluationreports(bool on) {}

    // A proposed scaling vector (first scratch vector) when the largest
    // scaled coordinate reaches 2000; sets the rescale flag.  Null: none.
    const double* proposescaling();
    // The user's coordinates; into the second scratch vector without buffer.
    double* unscaled(double* buffer = nullptr);
    double distancefromstart(bool scaled) const;
    double laststeplength(bool scaled) const;
    void runawaytest();

    // The scaling dialogue, run by the next step when rescale is set.
    void scalingdialog();
    // Copies source[first..last] into the proposal (first scratch vector)
    // and lets the user edit it; false on Esc or a non-positive entry.
    bool editscaling(const double* source, int first, int last, const char* caption);

    void setlogging(int on);
    int loglevel() const;
    void logf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void logiteration(double v);
    void loglamda();
    void logalert();
    void clearlog();
    // The alert word of the current state ("" for none).
    const char* alertword() const;

    int n, m;
    std::vector<double> x, xnew, s, x0, scratch1, scratch2, scale;
    int status = nlready;
    int state = nlrunning;
    int counter = -1;            // completed steps; -1 until ini
    const double golden;         // (sqrt(5) - 1) / 2
    double lamda = 0;
    bool rescale = false;
    int littleprogress = 0;
    int littlelimit;
    double runawayradius = 0;
    int level = 0;
    bool detailed = false;
    std::unique_ptr<textpage> log;
    int16_t lastdisplay = 0;
    long evaluations = 0;        // objective or residual-vector evaluations

protected:
    // Allocates the work vectors: false (status 3, nothing kept) on failure.
    bool allocate();
    // Shows the routine's "called without ini" error; true when that is the case.
    bool notinitialized(const char* routine);
    // Ends the step in newstate (a user break that the driver set during
    // the step is kept) and logs the line, if any.
    void fail(int newstate, const char* logline);
};
