// The minimizer's termination report and the analyses behind it.
#include <cmath>

#include "math/vecfuncs.h"
#include "numerics/nlminimizer.h"
#include "screen/linelist.h"

int ringtrend(const doublering& ring, int sense, int order)
{
    int c = 0;
    for (int i = 1; i <= ring.size() - order; i++) {
        double d = order == 1 ? ring.at(i) - ring.at(i + 1)
                              : ring.at(i) + ring.at(i + 2) - 2 * ring.at(i + 1);
        if (d * sense <= 0)
            break;
        c++;
    }
    return c;
}

double magnitudespan(const double* v, int n)
{
    auto magnitude = [](double e) { return e != 0 ? std::log10(std::fabs(e)) : -1e300; };
    double top = -1e300;
    for (int i = 1; i <= n; i++)
        top = std::fmax(top, magnitude(v[i]));
    double span = 0;
    for (int i = 1; i <= n; i++) {
        double d = top - magnitude(v[i]);
        if (d < 15 && d > span)
            span = d;
    }
    return span;
}

double NLminimizer::recentgain() const
{
    if (fc == f0 || values.size() < 1)
        return 0.0;
    return (values.at(1) - values.at(values.size())) / (fc - f0);
}

double NLminimizer::recentpath() const
{
    double d = distancefromstart(true);
    return d == 0 ? 0.0 : steps.sum() / d;
}

int NLminimizer::steplengthgrowth() const { return ringtrend(steps, 1, 1); }
int NLminimizer::progressdecline() const { return ringtrend(values, 1, 2); }
int NLminimizer::spangrowth() const { return ringtrend(values, -1, 2); }

// Eigenvalues at the current point into the first scratch vector; after a
// step those of the latest (shifted) Hessian, less the shift, into the
// second with the angles of their eigenvectors.
bool NLminimizer::hessiananalysis()
{
    if (!hessian(Hreport.data()) || !eigen.compute(&Hreport[1], n))
        return false;
    negatives = 0;
    for (int i = 1; i <= n; i++) {
        scratch1[i] = eigen.value(i);
        if (scratch1[i] < 0)
            negatives++;
    }
    span = magnitudespan(scratch1.data(), n);
    veczero(scratch2.data(), 1, n);
    veczero(anglegrad.data(), 1, n);
    veczero(anglestep.data(), 1, n);
    if (counter < 1 || !eigen.compute(&H[1], n))
        return true;
    std::vector<double> v(n + 1);
    for (int i = 1; i <= n; i++) {
        const double* e = eigen.vector(i);
        std::copy(e, e + n, v.begin() + 1);
        scratch2[i] = eigen.value(i) - mutotal;
        anglegrad[i] = vecangle(v.data(), g.data(), 1, n);
        anglestep[i] = vecangle(v.data(), s.data(), 1, n);
    }
    return true;
}

// The latest step into the first scratch vector, the gradient at the
// current point into the second.
bool NLminimizer::stationarity()
{
    if (!gradient())
        return false;
    double steplength = lamda * vecnorm(s.data(), 1, n);
    gradientzero = true;
    for (int i = 1; i <= n; i++) {
        scratch1[i] = lamda * s[i];
        scratch2[i] = g[i];
        if (std::fabs(g[i]) > std::fabs(H[(i - 1) * n + i]) * 1e-7)
            gradientzero = false;
    }
    stepzero = distancefromstart(true) >= 1e12 * steplength;
    // Where a coordinate is too large for the difference step to change
    // it, the difference quotient says nothing about the gradient.
    for (int i = 1; i <= n; i++)
        if (x[i] + epsG == x[i])
            gradientzero = false;
    return true;
}

namespace {

const char* statetext(int state, int sign)
{
    switch (state) {
    case nlnoprogress: return "No further progress";
    case nllittleprogress: return "Little further progress";
    case nlunbounded: return sign > 0 ? "Cannot reach ceiling" : "Cannot reach bottom";
    case nldomain: return "Domain error";
    case nlrunaway: return "Runaway behaviour";
    case nluserbreak: return "User break";
    default: return "Unexpected error";
    }
}

}  // namespace

bool NLminimizer::report(linelist* status, linelist* detail, linelist* verdict)
{
    if (state == nlrunning || (!status && !detail))
        return false;
    if (status)
        status->addlinef("Termination condition %ld encountered:  %s",
                         long(state >= 4 && state <= 10 ? state - 3 : 0), statetext(state, sign));
    if (!detail || !verdict)
        return true;
    const char* ext = extremum();
    auto hessianlines = [&](bool flagill) {
        if (negatives)
            detail->addlinef("- Hesse matrix: still has %ld negative eigenvalue(s)\n\r", long(negatives));
        else
            detail->addlinef("- Hesse matrix: is positive definite\n\r");
        if (flagill && span > 4.0)
            detail->addlinef(" ill conditioned:");
        detail->addlinef("  eigenvalues spanning %4.1f orders of magnitude\n\r", span);
    };
    switch (state) {
    case nlnoprogress:
        if (!hessiananalysis() || !stationarity())
            return false;
        if (gradientzero)
            detail->addlinef("- gradient close to 0\n\r");
        if (stepzero)
            detail->addlinef("- latest step is almost 0\n\r");
        hessianlines(false);
        if (negatives) {
            verdict->addlinef(" You've reached what looks like a saddle point.");
        } else if (gradientzero && stepzero) {
            verdict->addlinef(" By all accounts, you should have reached a local %simum.", ext);
            state = nlsolved;
        } else {
            verdict->addlinef(" You may have reached a local %simum.", ext);
        }
        break;
    case nllittleprogress:
    case nlrunaway:
        if (state == nlrunaway) {
            detail->addlinef("- The procedure has left the circle of radius %g\n\r  around the origin\n\r",
                             runawayradius);
            if (int c = steplengthgrowth(); c > 4)
                detail->addlinef("- There has been a continuous increase of step length\n\r"
                                 "  during the latest %ld steps\n\r", long(c));
            if (int c = progressdecline(); c > 4)
                detail->addlinef("- The progress per step has been decreasing during\n\r"
                                 "  the latest %ld steps\n\r", long(c));
            verdict->addlinef("It looks as if we are heading toward infinity rather than finding\n\r"
                              "a local %simum.\n\r", ext);
            if (proposescaling())
                verdict->addlinef(" Anyway, argument scaling needs adaptation to the new position.");
        } else {
            detail->addlinef("- Target improvement during the latest 30 iterations:\n\r"
                             "  %.7f%% of the total span covered\n\r", 100 * recentgain());
            detail->addlinef("- Sum of the latest 30 step lengths:\n\r"
                             "  %.7f%% of the actual distance to the start position\n\r",
                             100 * recentpath());
        }
        if (hessiananalysis())
            hessianlines(true);
        break;
    case nlunbounded:
        detail->addlinef("- The safety bound of %g has been overstepped.\n\r",
                         sign > 0 ? -safetybound : safetybound);
        if (int c = spangrowth(); c > 3)
            detail->addlinef("- There has been a constant increase of improvement spans\n\r"
                             "  during the latest %ld iterations\n\r", long(c));
        verdict->addlinef(" It looks as if the target function has no %s bound.",
                          sign > 0 ? "upper" : "lower");
        break;
    case nldomain:
        verdict->addlinef(" The procedure has reached a point close to the domain border\n\r"
                          " where the Hesse matrix could no longer be evaluated.\n\r"
                          " Execution has to terminate here. You may want to restart \n\r"
                          " it but you should quit and choose a different starting point.\n\r");
        break;
    default:
        break;
    }
    return true;
}
