// The fraction recognizer: simple closed forms of a computed number.  It
// expands the fractional part into a continued fraction, tries convergents
// and mediants as fractions, takes (nearly) periodic tails for quadratic
// irrationals (A sqrt(Q) + P) / R, and rates each candidate by the digits
// it matches against the digits it takes to write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fraction is A / R with Q = P = 0; a quadratic irrational
// (A sqrt(Q) + P) / R with R > 0.  All four are whole numbers.
struct recresult {
    double significance;
    double precision;   // matched digits, at most 16
    double A, Q, P, R;
};

class recognizer {
public:
    static constexpr int16_t maxterms = 40;

    recognizer();
    // The results sorted by significance, highest first.
    const std::vector<recresult>& run(double x, double maxsig, double ilimit, double flimit);
    const std::vector<recresult>& results() const { return found; }

    bool failed = false;
    double value = 0.0;
    double fraction = 0.0;   // of |value|
    double whole = 0.0;      // of |value|
    int16_t terms = maxterms;
    double ilimit = 1.0;
    double flimit = 0.5;
    double remainders[maxterms + 1] = {};
    double scales[maxterms + 1] = {};
    double quotients[maxterms + 1] = {};
    double bestdistance[maxterms + 1] = {};

private:
    std::vector<recresult> found;

    void testconvergent(double p, double p1, double q, double q1);
    void tryfraction(double n, double d);
    void periodicity(int i);
    void tryquadratic(int b, int i);
    void addquadratic(double A, double Q, double P, double R);
    void add(const recresult& r);
};

// The program's settings of the recognizer ("oo_r" edits them).
struct recsettings {
    double maxsig = 0.1;
    double ilimit = 1.0;
    double flimit = 0.5;
};
recsettings& recognizersettings();

// The text of a result: "3 / 4", "(sqr(5)+1) / 2", ...; bracketed puts a
// sum or a negated text in brackets, for pasting into a formula.
std::string representation(const recresult& r, bool bracketed);
