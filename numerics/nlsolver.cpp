#include "numerics/nlsolver.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "base/report.h"
#include "math/vecfuncs.h"
#include "screen/linelist.h"

namespace {
double sumofsquares(const std::vector<double>& v, int m)
{
    double sum = 0;
    for (int i = 1; i <= m; i++)
        sum += v[i] * v[i];
    return sum;
}
}  // namespace

NLsolver::NLsolver(int rows, int dim) : nliter(dim, rows, 50), mactive(rows)
{
    if (!allocate())
        return;
    try {
        for (auto* v : {&r, &rnew})
            v->assign(m + 1, 0.0);
        w.assign(m + 1, 1.0);
        J.assign(m * n + 1, 0.0);
        best.assign(n + 1, 0.0);
    } catch (const std::bad_alloc&) {
        status = nlnomemory;
    }
}

NLsolver::~NLsolver() = default;

bool NLsolver::evalresiduals(const double* point, double* out)
{
    evaluations++;
    if (!residuals(point, out))
        return false;
    for (int i = 1; i <= mactive; i++)
        if (!std::isfinite(out[i]))
            return false;
    return true;
}

void NLsolver::ini()
{
    counter = 0;
    maxrank = 0;
    override = 0.0;
    krit = longkrit;
    bestfactor = 1.0;
    q = 1.0;
    state = nlrunning;
    status = nlready;
    lastdisplay = 0;
    clearlog();
    x0 = x;
    restart();
}

void NLsolver::restart()
{
    const double* at = counter >= 1 ? x.data() : x0.data();
    // Unknown until a step finds the domain error.
    IQ = evalresiduals(at, r.data()) ? sumofsquares(r, mactive) : NAN;
    if (counter < 1)
        IQstart = IQ;
    banana = 0;
    markprogress();
}

void NLsolver::markprogress()
{
    littleprogress = 0;
    progressiteration = counter;
    progressIQ = IQ;
}

void NLsolver::setstart(const double* start)
{
    for (int i = 1; i <= n; i++)
        x[i] = start[i - 1];
    std::fill(scale.begin(), scale.end(), 1.0);
    ini();
    proposescaling();
}

void NLsolver::setweights(const double* weights)
{
    veccopy(w.data(), weights, 1, m);
    restart();
}

void NLsolver::setscaling(const double* newscale)
{
    std::vector<double> old(scale);
    nliter::setscaling(newscale);
    if (q < 1.0)
        for (int i = 1; i <= n; i++)
            best[i] *= old[i] / newscale[i];
}

double NLsolver::value() const
{
    return std::sqrt(IQ);
}

double NLsolver::lastgain() const
{
    if (counter < 1 || IQ < 0 || IQnew < 0)
        return 0.0;
    return std::fabs(std::sqrt(IQ) - std::sqrt(IQnew));
}

// Forward differences reuse the residuals at x (r); central ones when krit
// is tiny, the banana condition repeats or the last step gained much.
bool NLsolver::jacobian()
{
    if (!(epsJ > 0))
        return false;
    bool central = krit < 1e-14 || banana > 1 || q < 0.25;
    std::vector<double>& plus = rnew;
    std::vector<double>& minus = scratch1;
    for (int j = 1; j <= n; j++) {
        double old = x[j];
        x[j] = old + (central ? epsJ / 2 : epsJ);
        bool ok = evalresiduals(x.data(), plus.data());
        if (ok && central) {
            x[j] = old - epsJ / 2;
            ok = evalresiduals(x.data(), minus.data());
        }
        x[j] = old;
        if (!ok)
            return false;
        const double* base = central ? minus.data() : r.data();
        for (int i = 1; i <= mactive; i++) {
            double d = (plus[i] - base[i]) / epsJ;
            // Finite residuals can still give differences that overflow.
            if (!std::isfinite(d))
                return false;
            J[(i - 1) * n + j] = d;
        }
    }
    return true;
}

bool NLsolver::linesearch()
{
    lamda = 1.0;
    evaluationreports(false);
    bool accepted = false;
    while (!accepted && lamda > 1e-15 && state != nluserbreak) {
        veclincomb(1.0, x.data(), lamda, s.data(), 1, n, xnew.data());
        bool ok = evalresiduals(xnew.data(), rnew.data());
        IQnew = ok ? sumofsquares(rnew, mactive) : NAN;
        if (ok && IQnew < IQ)
            accepted = true;
        else
            lamda *= golden;
    }
    // Reports back on, so that later evaluations outside the solver are
    // not silenced.
    evaluationreports(true);
    return accepted;
}

int NLsolver::singlestep()
{
    if (notinitialized("NLsolver"))
        return state = nlunexpected;
    if (state == nlrunaway)
        runawayradius *= 100;
    state = nlrunning;
    detailed = false;
    if (rescale)
        scalingdialog();
    stepkrit = krit;
    step();
    override = -1.0;
    logalert();
    logf("%s", std::string(75, '-').c_str());
    return state;
}

void NLsolver::step()
{
    if (!evalresiduals(x.data(), r.data()) || !jacobian())
        return fail(nldomain, " DOMAIN ERROR while computing Jacobian ! ");
    IQ = sumofsquares(r, mactive);

    double threshold = krit;
    int rankcap = maxrank;
    if (override > 0) {
        if (override < 1.0)
            threshold = override;
        else
            rankcap = int(std::min(std::round(override), 1e9));
    }
    const double* z = qr.qrsetup(J.data(), r.data(), mactive, n, threshold, rankcap);
    if (!z) {
        ::report(reportkind::fault,
                 std::string("\n Execution has to terminate here. \n\r") +
                     (qr.rank < 1 ? "\n Abnormal Jacobi matrix could not be QR-decomposed. \n\r"
                                  : "\n Insufficient memory for QR-decomposition ! \n\r"));
        return fail(nlunexpected, nullptr);
    }
    for (int j = 1; j <= n; j++)
        s[j] = -z[j];

    bool accepted = linesearch();
    if (state == nluserbreak)
        return;
    if (counter == 0) {
        IQstart = IQ;
        runawayradius = 100 * std::max(lamda * vecnorm(s.data(), 1, n), vecnorm(x0.data(), 1, n));
    }
    if (krit > 3 * longkrit)
        krit *= 0.9;
    else if (krit < 0.3 * longkrit)
        krit *= 1.1;
    runawaytest();
    progresscontrol();
    logstep();
    if (accepted) {
        x = xnew;
        r.swap(rnew);
        std::swap(IQ, IQnew);
        counter++;
    }
}

void NLsolver::progresscontrol()
{
    if (state != nlrunning)
        return;
    q = IQ > 0 ? IQnew / IQ : 1.0;
    // A search that ended on a failed evaluation made no progress.
    if (!(q >= 0))
        q = 1.0;
    double walk = vecdist(x.data(), xnew.data(), 1, n);
    if (q < bestfactor) {
        bestfactor = q;
        bestiteration = counter + 1;
        beststep = walk;
        best = xnew;
    }
    if (!(q >= 0.94 && walk <= 0.03 * distancefromstart(true))) {
        littleprogress = 0;
        progressiteration = counter + 1;
        progressIQ = IQnew;
    }
    littleprogress++;
    if (q < 0.999)
        return;
    if (q < 1.0 && (littlelimit <= 0 || littleprogress < littlelimit))
        return;
    if (q >= 1.0) {
        if (krit < 1e-14)
            state = nlnoprogress;
        else
            krit = 1e-15;
        return;
    }
    double d = std::max(vecdist(xnew.data(), x0.data(), 1, n), vecnorm(x0.data(), 1, n));
    if (vecnorm(s.data(), 1, n) >= 1e-9 * d || littleprogress >= 2 * littlelimit) {
        detailed = true;
        double c = std::sqrt(qr.smallestcolumn());
        if (c < 0.01) {
            krit = 2 * c;
            logf(" krit has been raised ! ");
            return;
        }
        logf(" banana condition has been triggered ! ");
        if (banana == 4) {
            state = nllittleprogress;
            return;
        }
        if (banana > 0) {
            if (IQnew < 0.8 * bananaIQ)
                banana = 0;
            else if (IQnew < 0.9 * bananaIQ)
                banana--;
        }
        banana++;
        bananaIQ = IQnew;
        if (littlelimit > 0)
            littleprogress = littlelimit - 10;
    }
    krit = 1e-15;
}

void NLsolver::logmatrix(linelist* list, const double* matrix, int rows, int cols)
{
    std::string row;
    char cell[64];
    for (int i = 1; i <= rows; i++) {
        row.clear();
        for (int j = 1; j <= cols; j++) {
            snprintf(cell, sizeof cell, "%12g ", matrix[(i - 1) * cols + j]);
            row += cell;
        }
        if (list)
            list->addlinef("%s\n\r", row.c_str());
        else
            logf("%s\n\r", row.c_str());
    }
}

void NLsolver::logstep()
{
    if (!level)
        return;
    logiteration(IQ);
    loglamda();
    if (loglevel() >= 2) {
        if (n < 7 && mactive < 15) {
            logf("\nJacobi matrix:");
            logmatrix(nullptr, J.data(), mactive, n);
        }
        logf("\nProposed Newton step:");
        for (int j = 1; j <= n; j++)
            logf(" %ld   %.15g ", long(j), s[j]);
        logf("\n\r krit = %g ", stepkrit);
        logf(" rank of jacobian = %d ", qr.rank);
        logf(" smallestcolumn = %g \n\r", qr.smallestcolumn());
    }
    logf("Step length: %15.6g   Improvement: %15.6g", lamda * vecnorm(s.data(), 1, n),
         std::sqrt(IQ) - std::sqrt(IQnew));
    logf("sqrt(IQ) = %.15g   littleprogresssince = %ld \n\rbananacounter = %d   newkrit = %g\n\r",
         std::sqrt(IQ), long(littleprogress), banana, krit);
}
