// The calculator's commands on its fastplots (computing thread).  Each
// ends by redrawing the calculator.
#pragma once

#include "math/drect.h"

class calculator;
class fastplot;

// Space: the "<space> - Commands" menu.
void spacemenu(calculator& c);

// Plot #1 of the value over the window's span (empty: the argument
// window, the ordinates from a sample).
void simpleplot(calculator& c, drect window);
// The window asked first, then simpleplot.
void enterwindowplot(calculator& c);
// The axis assignment and the parameter range, then plot #1.
void parametricplot(calculator& c);
// Shift-Space: the current plot computed again in its window.
void refreshfastplot(calculator& c);
// The window fitted to the curve's sample.
void adaptwindow(calculator& c);
// The current plot computed in the window (an empty one does nothing).
void setplotwindow(calculator& c, drect window);

// The saved window of the revolver.
void savewindow(calculator& c);
// False (told) without a saved window.
bool loadwindow(calculator& c);
// "ppl": the current designer plot's window.
void loaddesignerwindow(calculator& c);

// Close box (601): the current plot goes; closing #1 while #2 exists
// moves #2 into slot #1.
void closecurrentplot(calculator& c);
// Del: both plots go.
void removeplots(calculator& c);
// "1": plot #2, when current, becomes plot #1.
void swapplots(calculator& c);

// The " Edit Plot Properties " box; true when the window, the range or
// the clippers were changed and the box left with Enter.
bool editplotproperties(fastplot& p);
// "S": the figures of the current plot in a native box.
void plotstatistics(calculator& c);

// The notice that a curve has fewer than two points in the range.
void msgtwopoints(double low, double high);
