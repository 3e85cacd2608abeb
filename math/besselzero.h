// J0, J1, Y0 and Y1 next to their first zeros, where the library's values
// keep only an absolute accuracy: the Taylor series about the zero.
#pragma once

enum class besselkind { J0, J1, Y0, Y1 };

// True, with the value in result, when x lies next to one of the first
// zeros (up to about 315); false elsewhere.
bool besselnearzero(besselkind kind, double x, double& result);
