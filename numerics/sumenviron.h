// The summation environment ("+"): the calculator's formula summed
// finitely or infinitely, directly or accelerated, in one of six types;
// the monotony test, the options and the installation assistant.
#pragma once

#include <functional>

#include "math/seriesterm.h"
#include "objects/fu.h"
#include "objects/suminstall.h"

class boxframe;
class sumrecord;

// A user object's one-value evaluation as the terms of a series.
class futerm : public seriesterm {
public:
    explicit futerm(fu* f) : f(f) {}
    double calcx(double x) override { return f->calcx(x); }

private:
    fu* f;
};

// What the environment needs of its calculator.
struct sumcalc {
    sumrecord* record = nullptr;   // the calculator's, kept for its life
    seriesterm* term = nullptr;    // the summand at the index
    sumbase base{};                // for the installation assistant
    // After an installation: 0 go on, 1 end (the calculator is no longer
    // implemented), 2 end without restoring the screen (it is no longer
    // the current calculator).
    std::function<int()> afterinstall;
};

// The menu loop; true when the calculator is to show the record's result.
bool sumenviron(sumcalc& c);
// Paints the menu into the box's window; index is the summation index.
void summenu(sumrecord& r, bool active, boxframe& box, char index);
// array[k] = F(first + k*step) for k = 0 .. n-1, under "computing...".
void monotonydata(seriesterm* f, double* array, int n, double first, double step);
