// The Monotony Test window's model, the same on both fronts: the sequence
// it shows and the painting of the sign triangle of its difference
// scheme.  The computing thread hands over a copy of its array with every
// show request; the window thread paints from a copy of its own, so that
// neither ever reads the other's memory.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace platform {

// Any thread.
void monotonypublish(const double* values, int n);
std::vector<double> monotonyvalues();

// Square size in pixels from the text cell: ceil(w*h/100), at least 1.
int monotonyunit(int cellwidth, int cellheight);
// The client area is 103 squares wide and high.
inline int monotonyside(int unit) { return 103 * unit; }

// Row i shows the signs of the i-th differences a[j] - a[j+1], one square
// of u pixels at ((j+2)u, (i+2)u): green for > 0, red otherwise.
void monotonypaint(cairo_t* cr, std::vector<double> values, int unit);
// The client area (grey background and the triangle) as a PNG file.
bool monotonypng(const std::string& path, int unit);

}  // namespace platform
