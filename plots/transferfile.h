// The transfer file: one perspective's visible curves resampled in the
// device square, then the trailer with the world window and the print
// options.  The bytes are built in memory and saved atomically.
#pragma once

#include <cstdint>
#include <string>

#include "math/drect.h"

class autoprint;
class plotcmdlist;
class plotpsp;
struct printoptions;
struct samplerequest;

// The power of ten for which range / unit lies in (L / 10, L], L =
// sqrt(10) n; the anchor is 0.  False for an empty range (unit 1).
bool nicestep(double low, double high, double& unit, double& anchor, double n);
// Anchors and main units of a world window; (0, 0) and (1, 1) and false
// for an empty window.
bool tickunits(const drect& w, double anchors[2], double units[2], double n);

// Pen record and the colour record of the curve colour table's entry.
void putpen(std::string& out, uint16_t pen, uint16_t colour);
// The point records of a point-form list; a point outside the square
// (x 0 is the samplers' outside answer) is left out and lifts the pen.
void putpolyline(std::string& out, const plotcmdlist& list);
// Samples one entry for the request and writes it; false for an entry
// not shown or a failed sample.
bool putcurves(autoprint& entry, std::string& out, samplerequest& request);
// The trailer records for the world window, the flag word last; false
// for a window that is not finite.
bool puttrailer(std::string& out, const drect& w, const printoptions& options);
// The flag word of the last record.
uint16_t flagword(const printoptions& options);

// The whole file of a perspective; false, after telling the user, when
// its mapped window is empty.
bool transferbytes(plotpsp& p, std::string& out);
// Writes the perspective's file into dir through the atomic save; false
// without entries, without a name, or (after a message that names the
// file) on any failure, the old file of that name kept.  path is set to
// the file written.
bool maketransferfile(plotpsp& p, const std::string& dir, std::string& path);

// The transfer file name of the perspective ("NAME.RKP") for a file of
// directory, asked with its last name shown; empty for cancel.  The
// answer keeps the name and the program-wide start flag.
std::string asktransfername(plotpsp& p, const std::string& directory);
