// The "@RKITERATOR" record: the text form of a Runge-Kutta system (shape,
// independent letter, formula and, when asked, the start values), written
// from a solver and read back into a fresh one.  Lines end in LF; numbers
// carry 16 significant digits in the C locale.
#pragma once

#include <iosfwd>

class RK;

class RKiterator {
public:
    explicit RKiterator(RK& solver) : solver(solver) {}

    // The record from its head line to its end line; with startvalues the
    // value table's start vector follows "@INIVALSCONST".
    void save(std::ostream& out, bool startvalues) const;
    // Reads the lines after the head line into the solver, up to "@END".
    // The start values go into a new value table that the solver points to
    // and the caller owns; a record without them gets a table of zeros.
    // False, with a read-error report, on a line that matches no key, an
    // order or number of values the solver does not support, or a start
    // value that is missing or no number.
    bool learn(std::istream& in);

    RK& solver;
    // Set by learn when the record brought start values.
    bool startvalues = false;
};
