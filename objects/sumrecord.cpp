#include "objects/sumrecord.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <numbers>
#include <ostream>
#include <string>

#include "formula/recordio.h"
#include "math/cnumber.h"
#include "objects/fuinfinite.h"

sumrecord::sumrecord() : rot(std::numbers::pi / 2)
{
    reset();
}

void sumrecord::reset()
{
    dispstop = first - 3 * step;
    maxterm = 0;
    quiet = 0;
    if (acceleratedinfinite())
        return;
    doneindex = first - step;
    partial = {0, 0};
    runstate = 0;
}

bool sumrecord::hasfactor() const
{
    return mode && std::strchr("ecs", mode);
}

char sumrecord::indexvar() const
{
    if (ownerfu)
        return ownerfu->sumvar;
    return '0';
}

bool sumrecord::hasresult() const
{
    if (acceleratedinfinite())
        return accdone;
    return runstate != 0;
}

complex sumrecord::current() const
{
    return acceleratedinfinite() ? accresult : partial;
}

void sumrecord::swapmode()
{
    if (infinite) {
        infstate = runstate, infindex = doneindex, infpartial = partial;
        runstate = finstate, doneindex = finindex, partial = finpartial;
    } else {
        finstate = runstate, finindex = doneindex, finpartial = partial;
        runstate = infstate, doneindex = infindex, partial = infpartial;
    }
    infinite = !infinite;
}

namespace {
const char* modetext(char mode, bool altplus)
{
    switch (mode) {
    case '-': return altplus ? "+-" : "-+";
    case 'c': return "c";
    case 's': return "s";
    case 'e': return "e";
    default: return "++";
    }
}

void writenumber(std::ostream& out, const char* key, double value)
{
    char number[40];
    printnumber(number, sizeof number, value, 16);
    out << key << '\n' << number << '\n';
}
}

void sumrecord::save(std::ostream& out)
{
    if (!ownerfu && !ownercalc)
        return;
    out << tag() + 1 << '\n';
    out << "@MODE\n" << modetext(mode, altplus) << '\n';
    out << (accel ? "ACCEL" : "NOACCEL") << '\n';
    if (!infinite)
        writenumber(out, "@LASTINDEX", last);
    if (leadin != defaultleadin)
        out << "@VORLAUF\n" << leadin << '\n';
    if (kritconv != defaultkritconv)
        out << "@KRITCONV\n" << kritconv << '\n';
    out << "@END " << tag() + 2 << '\n';
}

namespace {
constexpr int keylength = 80;

// The next line, cut to keylength characters.  A blank line is a line
// like any other (and no key).
bool readkey(std::istream& in, std::string& line)
{
    return readline(in, line, keylength);
}

bool startswith(const std::string& line, const char* key)
{
    return line.compare(0, std::strlen(key), key) == 0;
}

bool readdouble(std::istream& in, double& value)
{
    std::string word;
    return readword(in, word) && scannumber(word.c_str(), value);
}

bool readshort(std::istream& in, short& value)
{
    double v;
    if (!readdouble(in, v) || !(std::fabs(v) <= 32767))
        return false;
    value = short(v);
    return true;
}

void readmode(const std::string& line, char& mode, bool& altplus)
{
    if (startswith(line, "+-"))
        mode = '-', altplus = true;
    else if (startswith(line, "+"))
        mode = '+';
    else if (startswith(line, "-"))
        mode = '-', altplus = false;
    else if (!line.empty() && std::strchr("ces", line[0]))
        mode = line[0];
}
}

bool sumrecord::learn(std::istream& in)
{
    std::string line;
    while (readkey(in, line)) {
        bool ok = true;
        double unused;
        short state;
        if (startswith(line, "@END"))
            return true;
        if (startswith(line, "@MODE")) {
            ok = readkey(in, line);
            readmode(line, mode, altplus);
        } else if (startswith(line, "ACCEL"))
            accel = true;
        else if (startswith(line, "NOACCEL"))
            accel = false;
        else if (startswith(line, "@FIRSTINDEX")) {
            ok = readdouble(in, first);
            skipline(in);
        } else if (startswith(line, "@STEP")) {
            ok = readdouble(in, step);
            skipline(in);
        } else if (startswith(line, "@LASTINDEX")) {
            infinite = false;
            ok = readdouble(in, last);
            skipline(in);
        } else if (startswith(line, "@VORLAUF")) {
            ok = readshort(in, leadin);
            skipline(in);
        } else if (startswith(line, "@KRITCONV")) {
            ok = readshort(in, kritconv);
            skipline(in);
        } else if (startswith(line, "@ROTSTATE") || startswith(line, "@PHASESTATE")) {
            ok = readshort(in, state) && readdouble(in, unused);
            skipline(in);
        } else
            ok = false;
        if (!ok)
            break;
    }
    libreaderror(line.c_str(), "sumrecord::learn");
    return false;
}
