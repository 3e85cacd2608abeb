#include "numerics/nliter.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <new>

#include "base/report.h"
#include "math/vecfuncs.h"
#include "screen/textlist.h"

double doublering::sum() const
{
    double t = 0;
    for (int i = 1; i <= size(); i++)
        t += at(i);
    return t;
}

nliter::nliter(int dim, int rows, int limit)
    : n(dim), m(rows), golden((std::sqrt(5.0) - 1) / 2), littlelimit(limit)
{
}

nliter::~nliter() = default;

bool nliter::allocate()
{
    if (n < 1 || m < 1) {
        status = nlbadargs;
        return false;
    }
    try {
        int big = std::max(n, m);
        for (auto* v : {&x, &xnew, &s, &x0})
            v->assign(n + 1, 0.0);
        scratch1.assign(big + 1, 0.0);
        scratch2.assign(big + 1, 0.0);
        scale.assign(n + 1, 1.0);
    } catch (const std::bad_alloc&) {
        for (auto* v : {&x, &xnew, &s, &x0, &scratch1, &scratch2, &scale})
            std::vector<double>().swap(*v);
        status = nlnomemory;
        return false;
    }
    return true;
}

bool nliter::notinitialized(const char* routine)
{
    if (counter >= 0)
        return false;
    std::string text = std::string("\n ") + routine + "::singlestep called without calling ini() first \n";
    ::report(reportkind::unexpected, text);
    return true;
}

void nliter::fail(int newstate, const char* logline)
{
    if (state != nluserbreak)
        state = newstate;
    if (logline)
        logf("%s", logline);
}

void nliter::setscaling(const double* newscale)
{
    for (int i = 1; i <= n; i++) {
        double f = scale[i] / newscale[i];
        x[i] *= f;
        x0[i] *= f;
        scale[i] = newscale[i];
    }
}

const double* nliter::proposescaling()
{
    double big = vecmaxabs(x.data(), 1, n);
    if (!(big >= 2000.0))
        return nullptr;
    double floor = big / 1e7;
    for (int i = 1; i <= n; i++)
        scratch1[i] = std::fmax(std::fabs(x[i] * scale[i]), floor);
    rescale = true;
    return scratch1.data();
}

double* nliter::unscaled(double* buffer)
{
    double* out = buffer ? buffer : scratch2.data();
    for (int i = 1; i <= n; i++)
        out[i] = x[i] * scale[i];
    return out;
}

double nliter::distancefromstart(bool scaled) const
{
    if (scaled)
        return vecdist(x.data(), x0.data(), 1, n);
    double sum = 0;
    for (int i = 1; i <= n; i++) {
        double d = (x[i] - x0[i]) * scale[i];
        sum += d * d;
    }
    return std::sqrt(sum);
}

double nliter::laststeplength(bool scaled) const
{
    if (counter < 1)
        return 0.0;
    if (scaled)
        return lamda * vecnorm(s.data(), 1, n);
    double sum = 0;
    for (int i = 1; i <= n; i++) {
        double d = s[i] * scale[i];
        sum += d * d;
    }
    return lamda * std::sqrt(sum);
}

void nliter::runawaytest()
{
    if (state == nlrunning && counter >= 1 && vecnorm(xnew.data(), 1, n) > runawayradius)
        state = nlrunaway;
}

void nliter::setlogging(int on)
{
    if (!on) {
        level = 0;
        return;
    }
    if (!log)
        log.reset(new (std::nothrow) textpage);
    level = log ? on : 0;
}

int nliter::loglevel() const
{
    if (!level)
        return 0;
    return detailed ? 2 : level;
}

void nliter::logf(const char* format, ...)
{
    if (!level || !log)
        return;
    va_list args;
    va_start(args, format);
    int added = log->addlinev(format, args);
    va_end(args);
    if (!added)
        level = 0;
}

void nliter::logiteration(double v)
{
    logf("\nIteration %ld\n\rDistance = %.15g \n\r", long(counter) + 1, std::sqrt(v));
    if (loglevel() < 2)
        return;
    for (int i = 1; i <= n; i++)
        logf("%3ld  %.16g\n\r", long(i), x[i]);
    logf("\nfc=%.16g\n\r", v);
}

void nliter::loglamda()
{
    logf("lamda = %.16g", lamda);
}

const char* nliter::alertword() const
{
    switch (state) {
    case nlnoprogress: return "  ALERT NO PROGRESS";
    case nllittleprogress: return "  ALERT LITTLE PROGRESS";
    case nlunbounded: return "  ALERT UNBOUNDED";
    case nldomain: return "  ALERT DOMAIN";
    case nlrunaway: return "  ALERT RUNAWAY";
    case nluserbreak: return "  ALERT USER BREAK";
    case nlunexpected: return "  ALERT UNEXPECTED";
    default: return "";
    }
}

void nliter::logalert()
{
    if (*alertword())
        logf("%s", alertword());
}

void nliter::clearlog()
{
    if (log)
        log->clear();
    else
        level = 0;
}
