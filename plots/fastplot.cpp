// The fastplot's life: construction, state, set-up for a window and the
// quick sample.
#include "plots/fastplot.h"

#include "base/objcount.h"
#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "math/valtable.h"
#include "plots/autorange.h"
#include "plots/autowindow.h"
#include "plots/curves.h"
#include "plots/fastplotcommands.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/statusbox.h"

#include <algorithm>
#include <limits>
#include <new>

fastplot::fastplot(calculator* owner) : calc(owner)
{
    objcount(classnumber);
    if (owner && owner->owner)
        screen = owner->owner->fastplotrect;
    margintop = marginleft = marginright = marginbottom = uint16_t(charheight());
}

fastplot::~fastplot()
{
    clear();
    objcount(-classnumber);
}

uint16_t fastplot::state() const
{
    if (spec.type == plottype::none || isemptyrange(spec.rangelow, spec.rangehigh))
        return 0;
    if (!graph || world.isempty() || (isparametric() && !table))
        return 1;
    return computed ? 3 : 2;
}

bool fastplot::is(uint32_t type, int32_t mode) const
{
    return (type == 0 || type == spec.type) && (mode == 0 || (calc && mode == calc->mode));
}

void fastplot::clear()
{
    delete graph;
    graph = nullptr;
    graphkind = nograph;
    sharedtable.reset();
    table = nullptr;
    ordinates.reset();
    abscissae.reset();
    samplecount = 0;
    spec.clear();
    computed = 0;
    stamp.mode = 0;
}

void fastplot::pairof(uint16_t curve, uint16_t& x, uint16_t& y) const
{
    uint32_t p = spec.pairs && curve < spec.count ? spec.pairs[curve] : 0x10000u;
    x = uint16_t((p & 0xffff) + 1);
    y = uint16_t((p >> 16) + 1);
}

bool fastplot::makegraph()
{
    bool direct = calc->mode == calcmode::direct;
    bool param = isparametric();
    if (direct)
        graph = param ? static_cast<canplot*>(new (std::nothrow) directparam(this, calc->calling))
                      : new (std::nothrow) directgraph(this, calc->calling);
    else
        graph = param ? static_cast<canplot*>(new (std::nothrow) rkparam(this, calc->solver))
                      : new (std::nothrow) rkgraph(this, calc->solver);
    graphkind = graph ? (param ? paramkind : simplekind) : nograph;
    return graph != nullptr;
}

bool fastplot::ini(drect window)
{
    if (state() == 0 || !calc)
        return false;
    int32_t mode = calc->mode;
    if (mode != calcmode::direct && mode != calcmode::rungekutta && mode != calcmode::arclength) {
        unexpectederror("fastplot::ini");
        return false;
    }
    if (mode != calcmode::direct)
        table = calc->initvalues.get();
    if (state() < 2 && !graph && !makegraph()) {
        clear();
        return false;
    }
    return isparametric() ? iniparam(window) : inigraph(window);
}

bool fastplot::inigraph(drect window)
{
    world = window;
    world.left = spec.rangelow;
    world.right = spec.rangehigh;
    if (!world.isempty())
        return true;
    uint32_t n = uint32_t(width() + 1);
    uint32_t got = sample(n, 0);
    bool ok = got >= 2 && autowindow(ordinates.get(), int(n), world.bottom, world.top);
    if (!ok) {
        msgfailed();
        ordinates.reset();
        samplecount = 0;
    }
    return ok;
}

bool fastplot::iniparam(drect window)
{
    if (calc->mode == calcmode::direct && !table) {
        uint32_t dim = spec.curves() == 1 ? 3 : uint32_t(calc->valuecount() + 1);
        sharedtable = std::make_shared<valtable>(dim);
        table = sharedtable.get();
        table->startreplaceable = 1;
        table->flush();
        table->stamp = table->fillstamp = calc->print;
    }
    if (!graph || !table) {
        clear();
        return false;
    }
    world = window;
    if (!world.isempty())
        return true;
    uint32_t n = uint32_t(width() + 1);
    uint16_t curves = spec.curves();
    std::unique_ptr<double[]> xr(new (std::nothrow) double[2u * curves]);
    std::unique_ptr<double[]> yr(new (std::nothrow) double[2u * curves]);
    if (!xr || !yr)
        return false;
    for (uint16_t k = 0; k < curves; ++k) {
        if (sample(n, k) < 2) {
            msgtwopoints(spec.rangelow, spec.rangehigh);
            ordinates.reset();
            abscissae.reset();
            samplecount = 0;
            return false;
        }
        autowindow(abscissae.get(), int(n), xr[2u * k], xr[2u * k + 1]);
        autowindow(ordinates.get(), int(n), yr[2u * k], yr[2u * k + 1]);
    }
    rangeofintervals(xr.get(), curves, world.left, world.right);
    rangeofintervals(yr.get(), curves, world.bottom, world.top);
    return true;
}

samplerequest fastplot::request(uint16_t curve, bool fullrange) const
{
    samplerequest q;
    q.world = world;
    q.unit = {0, 1, 1, 0};
    q.screen = screen;
    q.resolution = isparametric() ? width() : 0;  // explicit curves: one sample a column
    q.table = table;
    q.rangelow = spec.rangelow;
    q.rangehigh = spec.rangehigh;
    if (isparametric()) {
        pairof(curve, q.component1, q.component2);
        q.plottedarg = calc->argindex();
    } else {
        q.component1 = calc->argindex();
        q.component2 = calc->valueindex();
        if (!fullrange)
            q.rangelow = q.rangehigh = 0;
    }
    return q;
}

uint32_t fastplot::sample(uint32_t n, uint16_t curve)
{
    constexpr double undefined = std::numeric_limits<double>::infinity();
    samplerequest q = request(curve, true);
    ordinates.reset(new (std::nothrow) double[n]);
    if (isparametric())
        abscissae.reset(new (std::nothrow) double[n]);
    if (!ordinates || (isparametric() && !abscissae) || !graph)
        return 0;
    std::fill_n(ordinates.get(), n, undefined);
    statusbox::scope status(programstatus(), "\n generating sample... \n");
    if (auto* g = dynamic_cast<graphcurve*>(simplegraph())) {
        samplecount = n;
        return uint32_t(std::max(0, g->tabulategraph(ordinates.get(), int32_t(n), q)));
    }
    std::fill_n(abscissae.get(), n, undefined);
    auto* p = dynamic_cast<paramcurve*>(paramgraph());
    int32_t got = p ? p->tabulateparam(abscissae.get(), ordinates.get(), int32_t(n), q) : 0;
    samplecount = uint32_t(std::max(0, got));
    return samplecount;
}

void rangeofintervals(const double* pairs, uint16_t count, double& lo, double& hi)
{
    lo = pairs[0];
    hi = pairs[1];
    for (uint16_t i = 1; i < count; ++i) {
        lo = std::min(lo, pairs[2 * i]);
        hi = std::max(hi, pairs[2 * i + 1]);
    }
    if (count >= 5)
        autowindow(pairs, 2 * count, lo, hi);
}

bool inwindow(const drect& w, double x, double y)
{
    return x > w.left && x < w.right && y > w.bottom && y < w.top;
}
