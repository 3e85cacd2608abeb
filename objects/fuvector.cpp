#include "objects/fuvector.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>

#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/parser.h"
#include "math/cnumber.h"

namespace {
constexpr int savedigits = 16;
}

fuvector::fuvector() = default;

fuvector::fuvector(fu* source)
{
    if (!source || !source->isimplemented() || source->nargs != 0 || !source->myparser
        || !reserve(source->nvalues)) {
        failed = 1;
        return;
    }
    source->myparser->calc0();
    if (shared.error != evalok) {
        failed = 1;
        return;
    }
    nvalues = source->nvalues;
    std::copy(shared.result, shared.result + nvalues, elements);
}

fuvector::fuvector(const fuvector& source) : fu1(source)
{
    if (!reserve(source.nvalues)) {
        failed = 1;
        return;
    }
    std::copy(source.elements, source.elements + source.nvalues, elements);
}

fuvector::~fuvector()
{
    delete[] elements;
}

bool fuvector::reserve(int n)
{
    if (n < capacity)
        return true;
    if (n >= INT16_MAX)
        return false;
    double* grown = new (std::nothrow) double[n + 1]();
    if (!grown)
        return false;
    delete[] elements;
    elements = grown;
    capacity = int16_t(n + 1);
    return true;
}

bool fuvector::implement(uint8_t, uint16_t)
{
    setimplemented();
    return true;
}

bool fuvector::recordfingerprint()
{
    shared.print->addpairs(elements, nvalues);
    return true;
}

fu1* fuvector::clone() const
{
    return new (std::nothrow) fuvector(*this);
}

void fuvector::save(std::ostream& out)
{
    writetag(out);
    writeheader(out);
    char number[40];
    for (int i = 0; i < nvalues; ++i) {
        printnumber(number, sizeof number, elements[i], savedigits);
        out << number << '\n';
    }
    writeend(out);
}

bool fuvector::learn(std::istream& in)
{
    if (!readheader(in))
        return false;
    if (nvalues < 1)
        nvalues = 1;
    if (!reserve(nvalues))
        return false;
    for (int i = 0; i < nvalues; ++i)
        if (!readvalueline(in, elements[i], "fuvector::learn"))
            return false;
    if (!readendline(in, "fuvector::learn"))
        return false;
    implement(0, 0);
    return true;
}
