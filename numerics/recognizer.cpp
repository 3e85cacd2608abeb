#include "numerics/recognizer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "math/numtheory.h"
#include "math/sqrpart.h"

namespace {
// Whole numbers beyond 2^53 are no longer exact: such a try ends.
constexpr double exactlimit = 9007199254740992.0;

bool exact(double v)
{
    return std::fabs(v) <= exactlimit;
}

double gcd3(double a, double b, double c)
{
    return gcd2(gcd2(a, b), c);
}

// D, B and V share no square factor s (with s dividing B and V); false
// when the numbers leave the exact range.
bool normalise(double& D, double& B, double& V)
{
    double g = gcd2(B, V);
    if (!exact(g * g) || !exact(D) || D < 1)
        return false;
    double g2 = gcd2(g * g, D);
    if (g2 == 0)
        return false;
    double s = sqrpart(g2);
    D /= s * s;
    B /= s;
    V /= s;
    return true;
}

double log10whole(double v)
{
    v = std::fabs(v);
    return v >= 1 ? std::log10(v) : 0.0;
}
}

recognizer::recognizer() = default;

recsettings& recognizersettings()
{
    static recsettings settings;
    return settings;
}

const std::vector<recresult>& recognizer::run(double x, double maxsig, double ilim, double flim)
{
    ilimit = ilim;
    flimit = flim;
    found.clear();
    value = x;
    if (failed || !std::isfinite(x) || std::fabs(x) >= exactlimit)
        return found;
    whole = std::floor(std::fabs(x));
    fraction = std::fabs(x) - whole;
    remainders[0] = fraction;
    std::fill(std::begin(bestdistance), std::end(bestdistance), maxsig);
    scales[0] = 1;
    quotients[0] = 0;
    double p = 0, p1 = 1, q = 1, q1 = 0;
    testconvergent(p, p1, q, q1);
    for (int i = 1; fraction > 0 && i <= terms && scales[i - 1] < 1e16; ++i) {
        scales[i] = scales[i - 1] / (fraction * fraction);
        double inverse = 1 / fraction;
        quotients[i] = std::floor(inverse);
        remainders[i] = inverse - quotients[i];
        double a = quotients[i];
        double pn = p * a + p1, qn = q * a + q1;
        p1 = p;
        p = pn;
        q1 = q;
        q = qn;
        testconvergent(p, p1, q, q1);
        periodicity(i);
        fraction = remainders[i];
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const recresult& a, const recresult& b) { return a.significance > b.significance; });
    return found;
}

void recognizer::testconvergent(double p, double p1, double q, double q1)
{
    if (matchdigits(p / q + whole, std::fabs(value)) > 2.5)
        tryfraction(p, q);
    if (matchdigits((p + p1) / (q + q1), remainders[0]) > 2.5)
        tryfraction(p + p1, q + q1);
}

void recognizer::tryfraction(double n, double d)
{
    double N = n + d * whole;
    if (!exact(N) || !exact(d))
        return;
    double sign = value < 0 ? -1 : 1;
    double precision = std::min(matchdigits(sign * N / d, value), 16.0);
    double significance = precision - (log10whole(N) + log10whole(d));
    if (significance >= flimit)
        add({significance, precision, std::round(N) * sign, 0, 0, std::round(d)});
}

void recognizer::periodicity(int i)
{
    for (int j = i - 1; j >= 0; --j) {
        double distance = std::fabs(remainders[i] - remainders[j]) * scales[j] / scales[i];
        if (distance < bestdistance[i - j]) {
            tryquadratic(j + 1, i);
            bestdistance[i - j] = distance;
        }
    }
}

void recognizer::tryquadratic(int b, int i)
{
    // The tail t = [0; a_b .. a_i + t] solves k' t^2 + (k - h') t - h = 0.
    double h = 0, h1 = 1, k = 1, k1 = 0;
    for (int m = b; m <= i; ++m) {
        double hn = h * quotients[m] + h1, kn = k * quotients[m] + k1;
        h1 = h;
        h = hn;
        k1 = k;
        k = kn;
    }
    double c2 = k1, c1 = k - h1, c0 = -h;
    if (!exact(c2) || !exact(c1) || !exact(c0))
        return;
    double g = gcd3(c2, c1, c0);
    if (g == 0)
        return;
    c2 /= g;
    c1 /= g;
    c0 /= g;
    double D = c1 * c1 - 4 * c2 * c0, B = -c1, V = 2 * c2, A = 1;
    if (!normalise(D, B, V))
        return;
    // Up through the earlier quotients: t <- 1 / (a_m + t).
    for (int m = b - 1; m >= 1; --m) {
        double e = V * quotients[m] + B;
        double na = V * A, nb = -V * e, nv = A * A * D - e * e;
        if (!exact(na) || !exact(nb) || !exact(nv) || !exact(A * A * D))
            return;
        double gg = gcd3(na, nb, nv);
        if (gg == 0 || nv == 0)
            return;
        gg *= nv < 0 ? -1 : 1;
        A = na / gg;
        B = nb / gg;
        V = nv / gg;
        if (!normalise(D, B, V))
            return;
    }
    if (D > 0) {
        double s = sqrpart(D);
        D /= s * s;
        A *= s;
        addquadratic(A, D, B, V);
    }
}

void recognizer::addquadratic(double A, double Q, double P, double R)
{
    // A square root of 1 is no irrational: the fraction routes have it.
    if (Q <= 1)
        return;
    P += R * whole;
    if (R < 0) {
        A = -A;
        P = -P;
        R = -R;
    }
    double v = (A * std::sqrt(Q) + P) / R;
    if ((v < 0) != (value < 0)) {
        A = -A;
        P = -P;
    }
    if (!exact(P))
        return;
    double precision = std::min(matchdigits((A * std::sqrt(Q) + P) / R, value), 16.0);
    double significance = precision - (log10whole(Q) + log10whole(A) + std::log10(std::fabs(P) + 1) + log10whole(R));
    if (significance >= ilimit)
        add({significance, precision, std::round(A), std::round(Q), std::round(P), std::round(R)});
}

void recognizer::add(const recresult& r)
{
    for (const recresult& f : found)
        if (f.A == r.A && f.Q == r.Q && f.P == r.P && f.R == r.R)
            return;
    found.push_back(r);
}

namespace {
std::string whole0(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", v);
    return text;
}
}

std::string representation(const recresult& r, bool bracketed)
{
    std::string text;
    bool sum = false, negated = false;
    if (r.Q <= 0) {
        text = r.R < 1.5 ? whole0(r.A) : whole0(r.A) + " / " + whole0(r.R);
        negated = r.A < 0;
    } else {
        double A = r.A, P = r.P;
        bool negall = A < 0 && P < 0;
        if (negall) {
            A = -A;
            P = -P;
        }
        std::string root = "sqr(" + whole0(r.Q) + ")";
        if (std::fabs(A) != 1)
            root = whole0(std::fabs(A)) + "*" + root;
        if (P != 0) {
            text = A < 0 ? whole0(std::fabs(P)) + "-" + root : root + (P > 0 ? "+" : "") + whole0(P);
            sum = true;
        } else {
            text = (A < 0 ? "-" : "") + root;
            negated = A < 0;
        }
        if (r.R > 1)
            text = (sum ? "(" + text + ")" : text) + " / " + whole0(r.R);
        if (negall) {
            text = "-(" + text + ")";
            negated = true;
        }
    }
    return bracketed && (sum || negated) ? "(" + text + ")" : text;
}
