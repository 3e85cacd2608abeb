#include "plots/clipper.h"

#include <cmath>
#include <cstring>
#include <new>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"

uint8_t clipperstop = 0;
clipper* maskingclipper = nullptr;

namespace {
constexpr double nomask = -1e300;
constexpr int singlevalue = 34;   // the diagnosis of a formula that must yield one value

// The sign changes still to pass in the run's direction, and its limit.
uint16_t& counter(clipper& c, bool upward)
{
    return upward ? c.upcount : c.downcount;
}
uint16_t limit(const clipper& c, bool upward)
{
    return upward ? c.uplimit : c.downlimit;
}
}

clipper::clipper(const clipper& source)
    : listnode(),
      upcount(source.upcount),
      downcount(source.downcount),
      uplimit(source.uplimit),
      downlimit(source.downlimit),
      sign(source.sign),
      mode(source.mode)
{
}

double clipper::value(const double*)
{
    return 0.0;
}

void clipper::start(const double* point, bool upward)
{
    clipperstop = 0;
    if (following())
        following()->start(point, upward);
}

void clipper::signchange() {}

bool clipper::check(int kind, const char* names)
{
    if (kind != checkall)
        return true;
    return following() ? following()->check(kind, names) : true;
}

clipper* clipper::clone() const
{
    return new (std::nothrow) clipper(*this);
}

bool clipper::applies() const
{
    return true;
}

double clipper::maskvalue(const double* point, bool upward)
{
    double rest = following() ? following()->maskvalue(point, upward) : nomask;
    double mine = nomask;
    if (applies() && !(mode == searching && limit(*this, upward) == 0)) {
        mine = sign * value(point);
        if (mine > 0) {
            if (mode == masking) {
                maskingclipper = this;
            } else {
                uint16_t& left = counter(*this, upward);
                if (left > 0)
                    --left;
                if (left > 0) {
                    signchange();
                    mine = -mine;
                } else if (mine > rest) {
                    clipperstop = 1;
                    maskingclipper = this;
                }
            }
        }
    }
    return mine > rest ? mine : rest;
}

void clipper::setorigin(const clipperorigin& origin)
{
    for (clipper* c = this; c; c = c->following()) {
        if (auto* f = dynamic_cast<formulaclipper*>(c)) {
            f->origin = origin;
            f->edited = 1;
        }
    }
}

boundclipper::boundclipper(uint32_t index, double first, double second) : first(first), second(second), index(index)
{
    uplimit = downlimit = 1;
}

double boundclipper::value(const double* point)
{
    double x = point[index];
    if (uplimit && downlimit)
        return (x - first) * (x - second);
    if (downlimit)
        return first - x;
    if (uplimit)
        return x - second;
    return 0.0;
}

clipper* boundclipper::clone() const
{
    return new (std::nothrow) boundclipper(*this);
}

rectclipper::rectclipper(const drect& rect, uint16_t xindex, uint16_t yindex)
    : rect(rect), xindex(xindex), yindex(yindex)
{
}

double rectclipper::value(const double* point)
{
    double x = point[xindex], y = point[yindex];
    double p = (x - rect.left) * (x - rect.right);
    double q = (y - rect.top) * (y - rect.bottom);
    return p > q ? p : q;
}

clipper* rectclipper::clone() const
{
    return new (std::nothrow) rectclipper(*this);
}

formulaclipper::formulaclipper()
{
    sign = -1;
}

formulaclipper::formulaclipper(const clipperorigin& origin) : origin(origin)
{
    sign = -1;
}

formulaclipper::formulaclipper(const formulaclipper& source)
    : clipper(source), origin(source.origin), edited(source.edited), argcount(source.argcount)
{
    if (source.formula)
        setformula(source.formula);
    edited = source.edited;
}

formulaclipper::~formulaclipper()
{
    dropparser();
    delete diag;
    delete[] formula;
}

clipper* formulaclipper::clone() const
{
    auto* copy = new (std::nothrow) formulaclipper(*this);
    if (copy && formula && !copy->formula) {
        delete copy;
        return nullptr;
    }
    return copy;
}

bool formulaclipper::isimplemented() const
{
    return myparser && implstamp != 0 && implstamp == shared.implstamp;
}

double formulaclipper::value(const double* point)
{
    if (!isimplemented())
        return -sign;
    int order = origin.order > 0 ? origin.order : 1;
    int n = order * int(origin.dimension) + int(argcount) + (origin.arclength ? 1 : 0);
    double* r = myparser->calcarray(point, short(n));
    double v = r && shared.error == evalok ? *r : NAN;
    if (mode == masking && !(v != 0))
        return sign;
    return v;
}

void formulaclipper::start(const double* point, bool upward)
{
    clipper::start(point, upward);
    if (mode != searching || limit(*this, upward) == 0)
        return;
    if (sign * value(point) > 0)
        sign = int16_t(-sign);
    counter(*this, upward) = limit(*this, upward);
}

void formulaclipper::signchange()
{
    sign = int16_t(-sign);
}

bool formulaclipper::setformula(const char* text)
{
    size_t n = std::strlen(text) + 1;
    if (n > formulasize) {
        char* buffer = new (std::nothrow) char[n];
        if (!buffer)
            return false;
        delete[] formula;
        formula = buffer;
        formulasize = uint32_t(n);
    }
    std::memcpy(formula, text, n);
    edited = 1;
    return true;
}

bool formulaclipper::prepareparser()
{
    if (myparser) {
        if (myparser->constructing) {
            dropparser();
            return false;
        }
        myparser->clearflags();
        return true;
    }
    myparser = new (std::nothrow) parser;
    return myparser != nullptr;
}

void formulaclipper::dropparser()
{
    delete myparser;
    myparser = nullptr;
    implstamp = 0;
}

bool formulaclipper::implement(int kind, const char* names)
{
    if (kind == checkall && following())
        following()->check(kind, names);
    if (!formula || !*formula || !prepareparser())
        return false;
    if (!diag && !(diag = new (std::nothrow) diagnostics))
        return false;
    diag->clear();
    implstamp = 0;
    argcount = names && *names ? uint32_t(std::strlen(names)) : 1;
    myparser->diag = diag;
    rkshape shape = origin;
    shape.second = true;
    installrkshape(shape);
    bool compiled = myparser->compile(formula, names && *names ? names : nullptr, 3) != 0;
    clearrkshape();
    if (compiled) {
        valuecount = uint32_t(myparser->valuecount);
        if (valuecount == 1 && myparser->implement())
            implstamp = shared.implstamp;
        else if (valuecount != 1)
            diag->set(singlevalue, diagstate::valuecount, -1,
                      "\n Clipper formulae must return a single value. \n\r But this formula returns %d values ",
                      int(valuecount));
    }
    edited = 0;
    return isimplemented();
}

clipper* cliplistcopy(const clipper* first)
{
    clipper* head = nullptr;
    clipper* last = nullptr;
    for (const clipper* c = first; c; c = c->following()) {
        clipper* copy = c->clone();
        if (!copy) {
            cliplistdestroy(head);
            return nullptr;
        }
        if (last)
            last->next = copy;
        else
            head = copy;
        last = copy;
    }
    return head;
}

void cliplistdestroy(clipper* first)
{
    while (first) {
        clipper* next = first->following();
        delete first;
        first = next;
    }
}

uint32_t cliplistcount(const clipper* first)
{
    uint32_t n = 0;
    for (; first; first = first->following())
        ++n;
    return n;
}

clipper* clipperat(uint32_t n, clipper* privatelist, clipper* sharedlist)
{
    if (n < 1)
        return nullptr;
    for (clipper* c = privatelist; c; c = c->following())
        if (--n == 0)
            return c;
    for (clipper* c = sharedlist; c; c = c->following())
        if (--n == 0)
            return c;
    return nullptr;
}
