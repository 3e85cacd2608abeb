#include "objects/fuconst.h"

#include <istream>
#include <new>
#include <ostream>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/recordio.h"
#include "math/cnumber.h"

namespace {
constexpr int savedigits = 16;
}

fuconst::fuconst(double v) : val(v)
{
    nargs = 0;
    nvalues = 1;
    setimplemented();
}

fuconst::fuconst(const fuconst& source) : fu1(source), val(source.val)
{
}

bool fuconst::implement(uint8_t, uint16_t)
{
    nvalues = 1;
    setimplemented();
    return true;
}

bool fuconst::recordfingerprint()
{
    shared.print->addrecord(printvalue, val);
    return true;
}

fu1* fuconst::clone() const
{
    return new (std::nothrow) fuconst(*this);
}

double* fuconst::mcalc(double*)
{
    report(reportkind::unexpected, " Call to fuconst::mcalc() ");
    return nullptr;
}

void fuconst::save(std::ostream& out)
{
    char number[40];
    printnumber(number, sizeof number, val, savedigits);
    writetag(out);
    writeheader(out);
    out << number << '\n';
    writeend(out);
}

bool fuconst::learn(std::istream& in)
{
    if (!readheader(in))
        return false;
    nvalues = 1;
    if (!readvalueline(in, val, "fuconst::learn") || !readendline(in, "fuconst::learn"))
        return false;
    implement(0, 0);
    return true;
}
