#include "numerics/formulanl.h"

#include <cmath>

#include "calculator/derivatives.h"
#include "formula/evalstate.h"
#include "math/vecfuncs.h"
#include "numerics/nltargets.h"
#include "objects/fu.h"
#include "platform/core/pausegate.h"
#include "screen/boxsettings.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"

formulapoint::formulapoint(fu* object, int n) : formula(object), buffer(n), pointers(n + 1, nullptr)
{
    for (int i = 0; i < n; i++)
        pointers[i] = &buffer[i];
}

const double* formulapoint::values(const double* x, const std::vector<double>& scale, int* state)
{
    int n = int(buffer.size());
    for (int i = 1; i <= n; i++)
        buffer[i - 1] = x[i] * scale[i];
    const double* v = callobject(formula, pointers.data());
    unsigned char error = shared.error;
    // A confirmed STOP ends the step as a user break, like a break inside
    // the evaluation.
    platform::checkpoint();
    if (error == evalbreak || menus().aborted()) {
        *state = nluserbreak;
        return nullptr;
    }
    return error ? nullptr : v;
}

formulaminimizer::formulaminimizer(fu* formula, int n, int index, int sgn, const double* start)
    : NLminimizer(n), at(formula, n), k(index - 1)
{
    if (status != nlready)
        return;
    if (!formula || !start || (sgn != 1 && sgn != -1) || index < 1) {
        status = nlbadargs;
        return;
    }
    sign = sgn;
    ini(start);
}

double formulaminimizer::objective(const double* point)
{
    const double* v = at.values(point, scale, &state);
    if (!v)
        return NAN;
    return sign > 0 ? -v[k] : v[k];
}

void formulaminimizer::evaluationreports(bool on)
{
    shared.reportswitch = on ? 100 : 0;
}

formulasolver::formulasolver(fu* formula, int n, targetlist* list)
    : NLsolver(formula ? formula->nvalues : 1, n), at(formula, n), targets(list)
{
    if (!formula) {
        status = nlbadargs;
        return;
    }
    if (targets && targets->size() < m)
        targets = nullptr;
    if (status != nlready)
        return;
    t.assign(m + 1, 0.0);
    map.assign(m + 1, 0);
    for (int i = 1; i <= m; i++)
        map[i] = i - 1;
    // The list's active entries are the residual rows.
    if (targets) {
        int c = 0;
        for (int e = 0; e < m; e++)
            if (targets->entries[e].active) {
                c++;
                map[c] = e;
                t[c] = targets->entries[e].target;
            }
        if (c > 0)
            mactive = c;
    }
}

bool formulasolver::residuals(const double* point, double* out)
{
    const double* v = at.values(point, scale, &state);
    if (!v)
        return false;
    for (int i = 1; i <= mactive; i++)
        out[i] = (v[map[i]] - t[i]) * w[i];
    return true;
}

void formulasolver::evaluationreports(bool on)
{
    shared.reportswitch = on ? 100 : 0;
}

int formulasolver::valuecount() const
{
    return at.formula ? at.formula->nvalues : 0;
}

const double* formulasolver::evaluate()
{
    int ignored = nlrunning;
    return at.values(x.data(), scale, &ignored);
}

int formulasolver::stepcheck()
{
    bool zero = true;
    for (int i = 1; i <= mactive; i++) {
        scratch1[i] = r[i] / w[i] + t[i];
        zero = zero && t[i] == 0;
    }
    if (zero)
        return 0;
    match = agreementdigits(t.data(), scratch1.data(), 1, mactive);
    return match >= 12 ? 1 : match < 6 ? -1 : 0;
}

double agreementdigits(const double* t, const double* v, int first, int last)
{
    double diff = vecdist(t, v, first, last);
    if (diff == 0)
        return 102.4;
    return std::log10(vecnorm(t, first, last)) - std::log10(diff);
}

void targetmismatch(int n, int c)
{
    if (n == c)
        return;
    msgstyle(1);
    setboxtitle(" W A R N I N G ");
    tell("\n Mismatch between number of arguments (%ld) and target values (%ld). \n\r"
         " Input accepted. Hope you know what you're doing ! \n",
         long(n), long(c));
}
