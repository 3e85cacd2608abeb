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
        if (line.starts_with("#"))
            continue;
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

// A sweep table (sweep/NAME.txt): the formula that computes the function,
// its letters, the error bound in units in the last place, the floor below
// which errors count against the floor's last place, and the points, whose
// true values are read in long double.
struct sweeptable {
    std::string letters, formula;
    double bound = 0, floor = 0;
    std::vector<std::vector<double>> in;
    std::vector<long double> expected;
};

inline sweeptable readsweep(const std::string& dir, const std::string& name)
{
    sweeptable t;
    std::ifstream file(dir + "/sweep/" + name + ".txt");
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string w;
        if (line.starts_with("#")) {
            words >> w >> w;
            if (w == "formula") {
                std::getline(words >> std::ws, w);
                t.letters = w.substr(0, w.find('|'));
                t.formula = w.substr(w.find('|') + 1);
            } else if (w == "bound") {
                words >> t.bound;
            } else if (w == "floor") {
                words >> t.floor;
            }
            continue;
        }
        std::vector<std::string> items;
        while (words >> w)
            items.push_back(w);
        if (items.size() < 2)
            continue;
        t.expected.push_back(std::strtold(items.back().c_str(), nullptr));
        items.pop_back();
        std::vector<double> in;
        for (const std::string& item : items)
            in.push_back(std::strtod(item.c_str(), nullptr));
        t.in.push_back(in);
    }
    return t;
}

// |got - expected| in units in the last place of the double nearest to
// max(|expected|, floor); infinite when got is no number.
inline double ulperror(double got, long double expected, double floor)
{
    if (!std::isfinite(got))
        return INFINITY;
    double scale = std::max(std::fabs(double(expected)), floor);
    long double ulp = std::ldexp(1.0L, std::ilogb(scale) - 52);
    return double(std::fabs(got - expected) / ulp);
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}
