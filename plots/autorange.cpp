#include "plots/autorange.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <utility>

#include "math/sortvalues.h"
#include "screen/uiutil.h"

namespace {

bool validcount(int n)
{
    return n >= 1 && n <= INT16_MAX;
}

// The window grown outward from the median: indices of its ends and why
// growing stopped.
struct medianwindow {
    int lo, hi;
    bool rejected;
};

medianwindow growwindow(const double* v, int n, double amplitude, double power)
{
    int m = n / 2;
    medianwindow w{m - 1, m + 1, false};
    double sum = v[m - 1] + v[m] + v[m + 1];
    double sumsq = v[m - 1] * v[m - 1] + v[m] * v[m] + v[m + 1] * v[m + 1];
    int k = 3;
    while (w.lo > 0 && w.hi < n - 1) {
        double a = v[w.lo - 1], b = v[w.hi + 1], width = b - a;
        double s = spreadratio(k + 2, sum + a + b, sumsq + a * a + b * b, width);
        if (width > 0) {
            s *= std::fmin(1.0, std::pow(amplitude / width, power));
            if (20.0 * n * s < k + 2) {
                w.rejected = true;
                break;
            }
        }
        w.lo--;
        w.hi++;
        sum += a + b;
        sumsq += a * a + b * b;
        k += 2;
    }
    return w;
}

}  // namespace

double spreadratio(int n, double sum, double sumsq, double w)
{
    if (n < 1 || w == 0)
        return 0.0;
    double dn = n;
    return 4 * (sumsq / dn - sum * sum / (dn * dn)) / (w * w);
}

double* dropbadvalues(const double* values, int& n)
{
    if (!values || !validcount(n))
        return nullptr;
    int good = 0;
    for (int i = 0; i < n; i++)
        good += !isbadvalue(values[i], 1e100);
    if (good == 0)
        return nullptr;
    double* out = new (std::nothrow) double[good];
    if (!out)
        return nullptr;
    int k = 0;
    for (int i = 0; i < n; i++)
        if (!isbadvalue(values[i], 1e100))
            out[k++] = values[i];
    n = good;
    return out;
}

void oscillation(const double* v, uint32_t n, double& amplitude, double& coverage)
{
    amplitude = coverage = 0.0;
    if (n < 10)
        return;
    bool rising = v[1] >= v[0];
    double product = 1.0, intervals = 0;
    int turns = 0;
    bool haveturn = false;
    uint32_t t = 0;
    double r = 0;
    for (uint32_t i = 2; i < n; i++) {
        bool up = v[i] >= v[i - 1];
        if (up == rising)
            continue;
        rising = up;
        if (haveturn) {
            double d = std::fabs(r - v[i]);
            double k = double(i - t);
            if (d > 0) {
                product *= std::pow(d, k / n);
                intervals += k;
                turns++;
            }
        }
        haveturn = true;
        t = i;
        r = v[i - 1];
    }
    if (intervals <= 0)
        return;
    coverage = intervals / (n - 1);
    amplitude = std::pow(product, 1 / coverage);
    double mean = intervals / turns;
    amplitude *= mean < 10 ? 100 / (mean * mean) : turns;
}

bool autorange(const double* values, int n, double& lo, double& hi, double fallback)
{
    double* v = dropbadvalues(values, n);
    if (!v)
        return false;
    if (n < 3) {
        // No median window: the plain extremes.
        lo = *std::min_element(v, v + n);
        hi = *std::max_element(v, v + n);
        delete[] v;
        return true;
    }
    double amplitude, power;
    oscillation(v, uint32_t(n), amplitude, power);
    if (amplitude > 0) {
        power = std::sqrt(power);
    } else {
        amplitude = fallback;
        power = 0.2;
    }
    sortvalues(v, 0, n - 1);
    medianwindow w = growwindow(v, n, amplitude, power);
    double low = v[w.lo], high = v[w.hi];
    double tolerated = high - low;
    if (tolerated > amplitude)
        tolerated = std::pow(amplitude, power) * std::pow(tolerated, 1 - power);
    int best = w.hi - w.lo + (w.rejected ? 7 : 5), start = -1;
    for (int i = 0, j = 1; j < n - 1 && i < n; i++) {
        while (j < n - 1 && v[j + 1] - v[i] <= tolerated)
            j++;
        if (j - i > best) {
            best = j - i;
            start = i;
        }
    }
    if (start >= 0) {
        low = v[start];
        high = v[start + best];
    }
    lo = low;
    hi = high;
    delete[] v;
    return true;
}

void widenrange(double& lo, double& hi)
{
    if (lo > hi)
        std::swap(lo, hi);
    if (lo != hi)
        return;
    double v = lo;
    if (v == 0) {
        lo = -1e-15;
        hi = 1e-15;
        return;
    }
    lo = 0.9 * v;
    hi = 1.1 * v;
    if (hi < lo)
        std::swap(lo, hi);
}
