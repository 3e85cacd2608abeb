// The test series, their summation types and their reference limits
// (series.txt, made by gen_series.py with mpmath).
#pragma once

#include <cmath>
#include <fstream>
#include <map>
#include <string>

#include "math/seriesterm.h"

namespace testseries {

// Term k without the sign or the rotating factor of its summation type.
struct series {
    const char* name;
    char mode;      // '+', '-', 'c', 's'
    double first;
    double rot;     // radians per index unit, for 'c' and 's'
    double (*term)(double k);
    // The signed term, for summing methods that take plain terms.
    double (*signedterm)(double k);
};

inline const series all[] = {
    {"ln2", '-', 0, 0, [](double k) { return 1 / (k + 1); },
     [](double k) { return std::pow(-1.0, k) / (k + 1); }},
    {"pi2over12", '-', 1, 0, [](double k) { return 1 / (k * k); },
     [](double k) { return -std::pow(-1.0, k) / (k * k); }},
    {"zeta2", '+', 1, 0, [](double k) { return 1 / (k * k); }, [](double k) { return 1 / (k * k); }},
    {"zeta3", '+', 1, 0, [](double k) { return 1 / (k * k * k); },
     [](double k) { return 1 / (k * k * k); }},
    {"altlog", '-', 2, 0, [](double k) { return 1 / std::log(k); },
     [](double k) { return std::pow(-1.0, k) / std::log(k); }},
    {"cos1overk", 'c', 1, 1, [](double k) { return 1 / k; }, [](double k) { return std::cos(k) / k; }},
    {"sin1overk", 's', 1, 1, [](double k) { return 1 / k; }, [](double k) { return std::sin(k) / k; }},
};

// A term function that counts its evaluations.
struct counted : seriesterm {
    double (*f)(double);
    long calls = 0;
    explicit counted(double (*term)(double)) : f(term) {}
    double calcx(double x) override
    {
        calls++;
        return f(x);
    }
};

// One line of series.txt.
struct reference {
    double value;
    long nsumterms;
    double nsumdigits;
};

inline std::map<std::string, reference> references(const std::string& file)
{
    std::map<std::string, reference> table;
    std::ifstream in(file);
    std::string name;
    reference r;
    while (in >> name >> r.value >> r.nsumterms >> r.nsumdigits)
        table[name] = r;
    return table;
}

// Correct decimal digits of x against a reference, 17 for an exact match.
inline double digits(double x, double ref)
{
    double error = std::fabs(x - ref) / std::fabs(ref);
    return error == 0 ? 17.0 : std::fmin(17.0, -std::log10(error));
}

}
