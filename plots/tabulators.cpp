// Curves tabulated at equidistant abscissae or parameters, for the
// fastplots' value arrays and value tables.
#include <limits>

#include "formula/evalstate.h"
#include "formula/services.h"
#include "plots/breakdialogs.h"
#include "plots/curves.h"
#include "plots/plotservices.h"
#include "screen/menustate.h"

namespace {
constexpr double undefinedvalue = std::numeric_limits<double>::infinity();

enum afterbreak { again, endzero, endreached };

// The question after a STOP at index i (1-based) of n.
afterbreak askafterbreak(int32_t i, int32_t n, bool partial)
{
    int answer = samplebreakdialog(int(i), int(n), partial);
    if (answer == 2) {
        menus().resetbusy();
        return again;
    }
    return answer == 1 && partial ? endreached : endzero;
}
}

bool paramcurve::componentsfit() const
{
    return xcomponent >= 1 && xcomponent <= valuecount && ycomponent >= 1 && ycomponent <= valuecount;
}

int32_t graphcurve::tabulategraph(double* values, int32_t n, samplerequest request)
{
    busyscope busy;
    plottedarg = request.component1;
    plottedvalue = request.component2;
    if (!implement() || !prepare(request) || plottedvalue < 1 || plottedvalue > valuecount || n < 2)
        return 0;
    const double d = (request.rangehigh - request.rangelow) / (n - 1);
    int32_t defined = 0;
    for (int32_t i = 0; i < n; ++i) {
        double v = valueat(request.rangelow + i * d, 0);
        if (breakrequested()) {
            if (askafterbreak(i + 1, n, false) != again)
                return 0;
            --i;
            continue;
        }
        values[i] = status == canplot::defined ? v : undefinedvalue;
        defined += status == canplot::defined;
    }
    return defined;
}

int32_t paramcurve::tabulateparam(double* xs, double* ys, int32_t n, samplerequest request)
{
    busyscope busy;
    if (!prepare(request) || !implement())
        return 0;
    xcomponent = request.component1;
    ycomponent = request.component2;
    if (!componentsfit() || n < 2)
        return 0;
    shared.reportswitch = 0;
    const double d = (request.rangehigh - request.rangelow) / (n - 1);
    int32_t defined = 0;
    for (int32_t i = 0; i < n; ++i) {
        curvepoint p = pointat(request.rangelow + i * d, 0);
        if (breakrequested()) {
            afterbreak a = askafterbreak(i + 1, n, true);
            if (a != again)
                return a == endreached ? i + 1 : 0;
            --i;
            continue;
        }
        bool ok = status == canplot::defined;
        if (xs && ys) {
            xs[i] = ok ? p.x : undefinedvalue;
            ys[i] = ok ? p.y : undefinedvalue;
        }
        if (ok) {
            defined++;
            record(work, 0);
        }
    }
    return defined;
}

int32_t paramcurve::tabulate(int32_t count, samplerequest request)
{
    return tabulateparam(nullptr, nullptr, count, request);
}
