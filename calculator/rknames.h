// Names of the calculator modes and plot kinds, and of the components of
// a Runge-Kutta state vector, as lists and value tables show them.
#pragma once

#include <string>

#include "formula/rkshape.h"

// "Direct", "Runge Kutta", "Runge Kutta Arclength" for the modes 9 to 11,
// "Simple", "Parametric", "Contour" for the plot kinds 12 to 14; null for
// any other code.
const char* modename(int code);

// The sought function index (0: "f", else "f.<index>") at a derivative
// level: that many primes when the level is at most limit, else the level
// in parentheses.
std::string rkvarname(int level, int index, int limit);

// The name of state component n: "arc" for 0 in arclength mode, else the
// independent letter for the parameter, then the sought functions grouped
// by derivative level.
std::string rkcolname(int n, const rkshape& shape, int limit);

// The header of value-table column n of a calculator in that mode (11:
// arclength): the component name with primes up to 4, padded to a column.
std::string modecolname(int n, int mode, rkshape shape);

// The table of the symbols of a calculator's values: rows 0 .. rows - 1 of
// derivative orders, columns of max(order + 5, 12) characters for the
// first two values, a filler for the middle ones and the last value (all
// four of exactly four).  Beyond order 4 rows 2 and 3 are fillers and
// later rows are left out.
std::string symbolrows(const rkshape& shape, int rows);

// What the formula of a Runge-Kutta system (or of a calculator of that
// shape) may use to refer to its values.
std::string showformulasymbols(const rkshape& shape);
