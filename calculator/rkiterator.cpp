#include "calculator/rkiterator.h"

#include <charconv>
#include <cstring>
#include <istream>
#include <memory>
#include <new>
#include <ostream>
#include <string>

#include "calculator/rk.h"
#include "formula/letters.h"
#include "formula/recordio.h"
#include "math/cnumber.h"
#include "math/valtable.h"

void RKiterator::save(std::ostream& out, bool startvalues) const
{
    const rkshape& s = solver.shape;
    out << "@RKITERATOR\n@ORDER\n" << s.order << "\n@DIM\n" << s.dimension << '\n';
    if (s.arclength)
        out << "ARCLENGTH\n";
    out << "@IV\n" << s.independent << "\n@FORMULA\n";
    out << (solver.formula && *solver.formula ? solver.formula : " ") << '\n';
    if (startvalues && solver.table && solver.table->startvector) {
        out << "@INIVALSCONST\n";
        size_t n = solver.statelength();
        for (size_t i = 0; i < n && i < solver.table->dimension; ++i) {
            char number[40];
            printnumber(number, sizeof number, solver.table->startvector[i], 16);
            out << number << '\n';
        }
    }
    out << "@END RKITERATOR\n";
}

namespace {
constexpr size_t keylength = 79;
constexpr size_t formulalength = 1040;

bool startswith(const std::string& line, const char* key)
{
    return line.compare(0, std::strlen(key), key) == 0;
}

// A count on the next line: digits after blanks, the rest of the line
// ignored; within 1 .. most.
bool readcount(std::istream& in, uint16_t& value, int most)
{
    std::string line;
    if (!readline(in, line, keylength))
        return false;
    size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos)
        return false;
    unsigned v = 0;
    auto done = std::from_chars(line.data() + at, line.data() + line.size(), v);
    if (done.ec != std::errc() || v < 1 || v > unsigned(most))
        return false;
    value = uint16_t(v);
    return true;
}

// A number on the next line (strtod: "nan" and "inf" too), the rest of
// the line ignored.
bool readvalue(std::istream& in, double& value)
{
    std::string line;
    return readline(in, line, 80) && scannumber(line.c_str(), value);
}

const char* const noletter = "\n Runge-Kutta record: the independent variable must be a letter \n";
const char* const badshape = "\n Runge-Kutta record: order 1 to 12 and 1 to 40 values expected, \n\r arclength mode only for one "
                             "first-order value \n";
}

bool RKiterator::learn(std::istream& in)
{
    rkshape& s = solver.shape;
    s.arclength = false;
    solver.table.reset();
    startvalues = false;
    std::string line;
    const char* failure = nullptr;
    while (!failure && readline(in, line, keylength)) {
        if (startswith(line, "@END")) {
            if (!s.supported()) {
                failure = badshape;
                break;
            }
            if (letterindex(s.independent) < 0) {   // no "@IV" line
                failure = noletter;
                break;
            }
            if (!solver.table)
                solver.table.reset(new (std::nothrow) valtable(uint32_t(s.statelength())));
            return solver.table != nullptr;
        }
        if (startswith(line, "@ORDER")) {
            if (!readcount(in, s.order, rkshape::maxorder))
                failure = badshape;
        } else if (startswith(line, "@DIM")) {
            if (!readcount(in, s.dimension, rkshape::maxdimension))
                failure = badshape;
        } else if (startswith(line, "ARCLENGTH")) {
            s.arclength = true;
        } else if (startswith(line, "@IV")) {
            std::string word;
            if (!readword(in, word) || letterindex(word[0]) < 0)
                failure = noletter;
            else
                s.independent = word[0];
            skipline(in);
        } else if (startswith(line, "@FORMULA")) {
            if (!readline(in, line, formulalength) || !solver.setformula(line.c_str()))
                failure = "\n Runge-Kutta record: formula line missing \n";
        } else if (startswith(line, "@INIVALSCONST")) {
            if (!s.supported()) {
                failure = badshape;
                break;
            }
            size_t n = s.statelength();
            std::unique_ptr<valtable> table(new (std::nothrow) valtable(uint32_t(n)));
            if (!table || !table->startvector)
                continue;
            for (size_t i = 0; i < n && !failure; ++i)
                if (!readvalue(in, table->startvector[i]))
                    failure = "\n Runge-Kutta record: fewer start values than the state length, or one that is no "
                              "number \n";
            if (!failure) {
                solver.table = std::move(table);
                startvalues = true;
            }
        } else {
            break;
        }
    }
    if (failure)
        libreaderror((failure + line).c_str(), "RKiterator::learn");
    else
        libreaderror(line.c_str(), "RKiterator::learn");
    return false;
}
