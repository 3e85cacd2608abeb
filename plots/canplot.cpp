#include "plots/canplot.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "base/objcount.h"
#include "calculator/calcfunm.h"
#include "plots/clipper.h"
#include "plots/plot.h"
#include "screen/msgbox.h"

// The entries live in malloc'd storage (a plot command is a plain
// aggregate): growing reallocates without constructing the spare room.
plotcmdlist::plotcmdlist(uint32_t n)
{
    objcount(classnumber);
    n = std::max(n, 1u);
    entries = static_cast<plotcmd*>(std::calloc(n, sizeof(plotcmd)));
    if (!entries) {
        n = 1;
        entries = static_cast<plotcmd*>(std::calloc(1, sizeof(plotcmd)));
        if (!entries)
            throw std::bad_alloc();
    }
    capacity = count = n;
}

plotcmdlist::~plotcmdlist()
{
    std::free(entries);
    objcount(-classnumber);
}

uint32_t plotcmdlist::grown(uint32_t n) const
{
    uint64_t wanted = std::max<uint64_t>({n, 2 * uint64_t(capacity), uint64_t(capacity) + growthstep});
    return uint32_t(std::min<uint64_t>(wanted, UINT32_MAX));
}

bool plotcmdlist::reserve(uint32_t n)
{
    void* block = std::realloc(entries, size_t(n) * sizeof(plotcmd));
    if (!block)
        return false;
    entries = static_cast<plotcmd*>(block);
    capacity = n;
    return true;
}

bool plotcmdlist::setcount(uint32_t n)
{
    if (n > capacity && !reserve(grown(n)) && !reserve(n))
        return false;
    if (n > count)
        std::fill(entries + count, entries + n, plotcmd{});
    count = n;
    return true;
}

bool plotcmdlist::append(const plotcmd& c)
{
    if (count == capacity && !reserve(grown(count + 1)))
        return false;
    entries[count++] = c;
    return true;
}

sampleresult::sampleresult()
{
    objcount(classnumber);
}

sampleresult::~sampleresult()
{
    clear();
    objcount(-classnumber);
}

void sampleresult::dropcolumns()
{
    delete columns;
    columns = nullptr;
    arcs = 0;
}

void sampleresult::droppoints()
{
    delete points;
    points = nullptr;
    arcs = 0;
}

void sampleresult::clear()
{
    dropcolumns();
    droppoints();
}

int32_t sampleresult::count() const
{
    if (points)
        return int32_t(points->count);
    if (columns)
        return int32_t(columns->count);
    return -1;
}

canplot::canplot()
{
    objcount(classnumber);
}

canplot::~canplot()
{
    delete[] work;
    delete[] argvector;
    objcount(-classnumber);
}

const char* canplot::argsymbols()
{
    return "";
}

void canplot::startpoint(rkshape& start)
{
    start.order = 0;
}

bool canplot::sample(samplerequest& request, sampleresult& result)
{
    return sampler(request, result);
}

int32_t canplot::tabulate(int32_t, samplerequest)
{
    return 0;
}

bool canplot::isready()
{
    return true;
}

void canplot::rangeoptions(rangerecord&) {}

bool canplot::spare()
{
    return false;
}

bool canplot::canmousecreate()
{
    return false;
}

plotcurve* canplot::mousecreate(autoprint&, double, double)
{
    return nullptr;
}

bool canplot::firstimplement()
{
    if (implement())
        return true;
    unexpectederror(" canplot::firstimplement \n\r Implementation of the plot's component copies has failed! \n\r Aborted. Registry will be undone. ");
    return false;
}

bool canplot::cancopyto(const plot* target) const
{
    return sourcekind == designer && target && target != source;
}

bool canplot::completecopy(canplot& copy, plot& target, chain& componentcopies, bool witharguments) const
{
    target.adoptcomponents(componentcopies);
    copy.components = &target.components;
    if (varstore)
        copy.varstore = target.varstore();
    copy.argcount = argcount;
    copy.valuecount = valuecount;
    copy.plottedarg = plottedarg;
    if (!copy.sizework())
        return false;
    if (witharguments && work)
        std::copy(work, work + argcount, copy.work);
    clipper* own = ownclipperlist();
    clipper* clippers = cliplistcopy(own);
    if (own && !clippers)
        return false;
    copy.ownclippers.clear();
    for (clipper* c = clippers; c;) {
        clipper* next = c->following();
        c->next = nullptr;
        copy.ownclippers.append(c);
        c = next;
    }
    return copy.firstimplement();
}

bool canplot::sizework()
{
    size_t n = size_t(argcount) + valuecount;
    auto* block = new (std::nothrow) double[n > 0 ? n : 1]();
    if (!block)
        return false;
    delete[] work;
    work = block;
    plotted = plottedarg >= 1 && plottedarg <= argcount ? work + plottedarg - 1 : nullptr;
    return true;
}

clipper* canplot::ownclipperlist() const
{
    return static_cast<clipper*>(ownclippers.head);
}

plot* graphsource(const canplot* graph)
{
    return graph && graph->sourcekind == canplot::designer ? static_cast<plot*>(graph->source) : nullptr;
}

void* fastplotsource(const canplot* graph)
{
    return graph && graph->sourcekind == canplot::fastplotsource ? graph->source : nullptr;
}

void setrect16(screenrect& r, int left, int top, int right, int bottom)
{
    r.left = int16_t(left);
    r.top = int16_t(top);
    r.right = int16_t(right);
    r.bottom = int16_t(bottom);
}

void pairinit(uint16_t pair[2])
{
    pair[0] = pair[1] = 0;
}

bool issimplecomponent(const calcfunm* object)
{
    return object && object->called && object->nvalues == 1 && object->called->nargs == 1
           && object->called->nvalues == 1;
}
