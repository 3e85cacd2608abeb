// Reads the mpmath reference tables of this folder and measures errors.
#pragma once

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct refcase {
    std::vector<double> in;
    double expected;
};

inline std::vector<refcase> readreftable(const std::string& dir, const std::string& name)
{
    std::vector<refcase> cases;
    std::ifstream file(dir + "/" + name + ".txt");
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::vector<double> values;
        for (std::string w; words >> w;)
            values.push_back(std::strtod(w.c_str(), nullptr));
        if (values.size() < 2)
            continue;
        double expected = values.back();
        values.pop_back();
        cases.push_back({values, expected});
    }
    return cases;
}

// Relative error, taken as absolute below floor (near zeros).
inline double referror(double got, double expected, double floor)
{
    if (got == expected)
        return 0;
    return std::fabs(got - expected) / std::max(std::fabs(expected), floor);
}

struct errorstat {
    double worst = 0;
    std::vector<double> at;
};

template <class F>
errorstat measure(const std::vector<refcase>& cases, double floor, F f)
{
    errorstat s;
    for (const refcase& c : cases) {
        double e = referror(f(c.in), c.expected, floor);
        if (!(e <= s.worst)) {
            s.worst = e;
            s.at = c.in;
        }
    }
    return s;
}
