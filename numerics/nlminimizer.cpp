#include "numerics/nlminimizer.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "math/vecfuncs.h"

namespace {
// Passes of the diagonal shift before a Hessian counts as unusable: a
// finite matrix is positive definite after the first.
constexpr int shiftpasses = 100;
// The extrapolation stops at this step factor even when the objective
// keeps falling.
constexpr double extrapolationlimit = 1e10;

// The smallest of H[i][i] - 1.0001 * (sum of |H[i][j]|, j != i): its
// negative makes H diagonally dominant.
double diagonalshift(const std::vector<double>& h, int n)
{
    double low = HUGE_VAL;
    for (int i = 1; i <= n; i++) {
        double off = 0;
        for (int j = 1; j <= n; j++)
            if (j != i)
                off += std::fabs(h[(i - 1) * n + j]);
        low = std::min(low, h[(i - 1) * n + i] - 1.0001 * off);
    }
    return low;
}

}  // namespace

NLminimizer::NLminimizer(int dim) : nliter(dim, dim, 100), eigen(dim)
{
    if (dim < 2) {
        status = nlbadargs;
        return;
    }
    if (!allocate())
        return;
    try {
        g.assign(n + 1, 0.0);
        for (auto* v : {&H, &L, &Hreport})
            v->assign(n * n + 1, 0.0);
        anglegrad.assign(n + 1, 0.0);
        anglestep.assign(n + 1, 0.0);
    } catch (const std::bad_alloc&) {
        status = nlnomemory;
        return;
    }
    if (values.allocfailed || steps.allocfailed || eigen.failed)
        status = nlnomemory;
}

NLminimizer::~NLminimizer() = default;

double NLminimizer::f(const double* point)
{
    evaluations++;
    double v = objective(point);
    if (!std::isfinite(v))
        evalerror = true;
    return v;
}

void NLminimizer::ini(const double* start)
{
    counter = 0;
    littleprogress = 0;
    clearlog();
    state = nlrunning;
    status = nlready;
    lastdisplay = 0;
    for (int i = 1; i <= n; i++)
        x[i] = start[i - 1];
    x0 = x;
    std::fill(scale.begin(), scale.end(), 1.0);
    proposescaling();
    values.clear();
    steps.clear();
    evalerror = false;
    fc = f(x.data());
    values.push(fc);
}

double NLminimizer::value() const
{
    return sign > 0 ? -fc : fc;
}

double NLminimizer::lastgain() const
{
    if (counter < 1 || values.size() < 2)
        return 0.0;
    return (values.at(1) - values.at(2)) * (sign > 0 ? -1 : 1);
}

bool NLminimizer::gradient()
{
    evalerror = false;
    for (int i = 1; i <= n; i++) {
        double old = x[i];
        x[i] = old + epsG;
        double plus = f(x.data());
        if (evalerror) {
            x[i] = old;
            return false;
        }
        x[i] = old - epsG;
        double minus = f(x.data());
        g[i] = (plus - minus) * (0.5 / epsG);
        x[i] = old;
        if (evalerror)
            return false;
    }
    return true;
}

// Central differences of step epsH into h (n x n); fc is refreshed.
bool NLminimizer::hessian(double* h)
{
    double step = epsH, d = step / 2, hh = step * step;
    evalerror = false;
    fc = f(x.data());
    if (evalerror)
        return false;
    for (int i = 1; i <= n; i++) {
        double old = x[i];
        x[i] = old + step;
        double plus = f(x.data());
        x[i] = old - step;
        double minus = f(x.data());
        x[i] = old;
        h[(i - 1) * n + i] = (plus + minus - 2 * fc) / hh;
    }
    if (evalerror)
        return false;
    for (int i = 1; i < n; i++) {
        for (int j = i + 1; j <= n; j++) {
            double oi = x[i], oj = x[j];
            auto at = [&](double di, double dj) {
                x[i] = oi + di;
                x[j] = oj + dj;
                return f(x.data());
            };
            double f1 = at(d, d), f2 = at(d, -d), f3 = at(-d, -d), f4 = at(-d, d);
            x[i] = oi;
            x[j] = oj;
            h[(j - 1) * n + i] = h[(i - 1) * n + j] = (f1 + f3 - f4 - f2) / hh;
        }
        if (evalerror)
            return false;
    }
    // Finite values can still give differences that overflow.
    for (int k = 1; k <= n * n; k++)
        if (!std::isfinite(h[k]))
            return false;
    return true;
}

// L L^T = H, row by row; a matrix that is not positive definite fails
// (a zero pivot too: it would make the step infinite).
bool NLminimizer::cholesky()
{
    auto h = [&](int i, int j) { return H[(i - 1) * n + j]; };
    auto l = [&](int i, int j) -> double& { return L[(i - 1) * n + j]; };
    for (int i = 1; i <= n; i++) {
        double d = h(i, i);
        for (int k = 1; k < i; k++)
            d -= l(i, k) * l(i, k);
        if (!(d > 0))
            return false;
        l(i, i) = std::sqrt(d);
        for (int j = i + 1; j <= n; j++) {
            double sum = h(i, j);
            for (int k = 1; k < i; k++)
                sum -= l(i, k) * l(j, k);
            l(j, i) = sum / l(i, i);
        }
    }
    return true;
}

// s = -(L L^T)^-1 g.
void NLminimizer::substitute()
{
    auto l = [&](int i, int j) { return L[(i - 1) * n + j]; };
    for (int i = 1; i <= n; i++) {
        double sum = g[i];
        for (int k = 1; k < i; k++)
            sum -= l(i, k) * s[k];
        s[i] = sum / l(i, i);
    }
    for (int i = n; i >= 1; i--) {
        double sum = s[i];
        for (int k = i + 1; k <= n; k++)
            sum -= l(k, i) * s[k];
        s[i] = sum / l(i, i);
    }
    for (int i = 1; i <= n; i++)
        s[i] = -s[i];
}

// Shifts the diagonal until H is positive definite, then (refine) shrinks
// the shift again by halving.  False when no shift makes it so.
bool NLminimizer::perturb()
{
    auto shift = [&](double by) {
        for (int i = 1; i <= n; i++)
            H[(i - 1) * n + i] += by;
        mutotal += by;
    };
    mu = -diagonalshift(H, n);
    if (!(mu > 0))
        mu = vecnorm(H.data(), 1, n * n);
    if (!(mu > 0))
        mu = 1.0;
    logf("Hessian was perturbed by mu= %.16g", mu);
    double raw = mu;
    int passes = 0;
    do
        shift(mu);
    while (!cholesky() && ++passes < shiftpasses);
    if (passes == shiftpasses)
        return false;
    if (refine) {
        mu = mu / -2;
        shift(mu);
        for (int k = 0; k < 51 && cholesky(); k++) {
            mu /= 2;
            shift(mu);
        }
        shift(-1.1 * mu);
        // Rounding can leave the last factorization short of success.
        for (passes = 0; !cholesky(); passes++) {
            if (passes == shiftpasses)
                return false;
            shift(raw);
        }
        logf("Hessian was perturbed by mu= %.16g", mutotal);
    }
    return true;
}

bool NLminimizer::linesearch(bool extrapolation)
{
    lamda = 1.0;
    evaluationreports(false);
    bool accepted = false;
    while (!accepted && lamda > 1e-15 && state != nluserbreak) {
        veclincomb(1.0, x.data(), lamda, s.data(), 1, n, xnew.data());
        evalerror = false;
        fnew = f(xnew.data());
        if (fnew < fc && !evalerror)
            accepted = true;
        else
            lamda *= golden;
    }
    if (accepted && lamda == 1.0 && extrapolation) {
        double kept;
        do {
            kept = fnew;
            lamda /= golden;
            veclincomb(1.0, x.data(), lamda, s.data(), 1, n, xnew.data());
            evalerror = false;
            fnew = f(xnew.data());
        } while (fnew < kept && !evalerror && lamda < extrapolationlimit);
        fnew = kept;
        lamda *= golden;
        veclincomb(1.0, x.data(), lamda, s.data(), 1, n, xnew.data());
    }
    evalerror = false;
    evaluationreports(true);
    return accepted;
}

void NLminimizer::setbounds()
{
    if (counter == 0) {
        f0 = fc;
        runawayradius = std::max(1000 * lamda * vecnorm(s.data(), 1, n), 100 * vecnorm(x0.data(), 1, n));
    } else if (counter == 1) {
        safetybound = -10000 * std::max(std::fabs(f0), std::fabs(f0 - fnew));
    }
}

void NLminimizer::loggradient()
{
    if (!level)
        return;
    logf("Gradient %-3ld", long(counter) + 1);
    for (int i = 1; i <= n; i++)
        logf("gc[%3ld] = %.16g\n\r", long(i), g[i]);
    logf("\n\r");
}

void NLminimizer::logeigen()
{
    if (!level)
        return;
    eigen.decompose();
    logf("\n\rEigenwerte der Hessematrix: %-3ld", long(counter) + 1);
    logf("\n\r Nr.        Eigenwert    Winkel mit gc    Winkel mit sN \n\r");
    std::vector<double> v(n + 1);
    for (int i = 1; i <= n; i++) {
        const double* e = eigen.vector(i);
        std::copy(e, e + n, v.begin() + 1);
        logf(" %3ld  %15.8g  %12.6f  %12.6f", long(i), eigen.value(i),
             vecangle(v.data(), g.data(), 1, n), vecangle(v.data(), s.data(), 1, n));
    }
}

int NLminimizer::singlestep()
{
    mu = mutotal = 0;
    if (notinitialized("NLminimizer"))
        return state = nlunexpected;
    if (state == nlunbounded)
        safetybound -= 10000 * (f0 - fc);
    if (state == nlrunaway)
        runawayradius *= 100;
    state = nlrunning;
    if (rescale)
        scalingdialog();
    logiteration(fc);
    step();
    logalert();
    return state;
}

void NLminimizer::step()
{
    if (!hessian(H.data()))
        return fail(nldomain, "\n HESSIAN DOMAIN ERROR !\n");
    if (level)
        eigen.load(&H[1], n);
    if (!gradient())
        return fail(nldomain, "\n GRADIENT DOMAIN ERROR !\n");
    loggradient();
    if (!cholesky() && !perturb())
        return fail(nldomain, "\n HESSIAN DOMAIN ERROR !\n");
    substitute();
    if (!linesearch(extrapolate && mu != 0)) {
        fail(nlnoprogress, nullptr);
        return logeigen();
    }
    if (state == nluserbreak)
        return;
    loglamda();
    logf("Schrittweite: %15.6g", lamda * vecnorm(s.data(), 1, n));
    logf("Winkel Newtonschritt-Gradient: %15.6g", vecangle(g.data(), s.data(), 1, n));
    logeigen();
    setbounds();
    steps.push(vecdist(x.data(), xnew.data(), 1, n));
    values.push(fnew);
    if (fnew < safetybound && counter >= 5)
        state = nlunbounded;
    runawaytest();
    if (state == nlrunning) {
        if (fc - fnew > 0.03 * (f0 - fnew))
            littleprogress = 0;
        if (littleprogress >= littlelimit) {
            state = nllittleprogress;
            littleprogress = -1;
        }
        littleprogress++;
    }
    x = xnew;
    fc = fnew;
    counter++;
    logeigen();
}
