// A calculator's curve put into a designer plot: the calculator commands,
// the choice of perspective, window and colour, and the sample of a
// designer plot's curve.
#pragma once

#include "math/drect.h"

class autoprint;
class calculator;
class plot;
class plotcurve;
class plotpsp;
struct samplerequest;
struct sampleresult;

// "ppn": a new designer plot from the calculator's fastplot (without a
// computed fastplot, over a window the user gives).
void newdesignerplot(calculator& k);
// "pp+" (show: the plot environment opens afterwards) and "p+".
void adddesignerplot(calculator& k, bool show);
void adddesignershown(calculator& k);
void adddesignerplot(calculator& k);
void newdesignerplotwindow(calculator& k);
void adddesignerplotwindow(calculator& k, bool show);

// The perspective and world window of a new curve shown as in the window
// f; true when the pending curve and entry exist.
bool choosemapping(plot& p, const drect& f);
// Mode 2 (the mapping would have matched) or 3 (a new perspective); the
// curve window, nowindow for cancel.
drect mappingdialog(plot& p, int mode, const drect& f, plotpsp*& a);

// The request filled from the curve, its value table made when needed,
// then the graph's sample slot (generatesample) or its sampler
// (generatesampleprint).  False for a disabled curve and on failure.
bool generatesample(plotcurve& c, samplerequest& q, sampleresult& result);
bool generatesampleprint(plotcurve& c, samplerequest& q, sampleresult& result);
