// The diagram renderer: grid layer (tint and lines), box, axes, tick marks
// and curves, in that order, on the window's drawing rectangle.
#pragma once

#include "vemdraw/gdi.h"
#include "vemdraw/model.h"
#include "vemdraw/viewmap.h"

#include <cairo.h>

// Grid lines this many printer pixels apart or closer are left out.
constexpr double printergate = 7.0;

// The step of the first-order grid lines: the grid unit, or the world
// units per centimetre of paper when the grid is not synchronised.
double firststep(const diagram& d, bool horizontal);
// The world window onto a pixel rectangle.
viewmap mapof(const diagram& d, const pixelbox& r);

// Black text on one line, centred in the rectangle.
void centredtext(cairo_t* cr, const char* text, double x, double y, double width, double height, const char* font);

// The client area less 2 % on every side.
pixelbox screenwindow(int width, int height);
// The diagram's paper rectangle in the printer's pixels.
pixelbox printerrect(const diagram& d);

// The window: the first diagram in the drawing rectangle; a missing
// diagram is a bug box.
bool paintdiag(cairo_t* cr, const diagram* d, const pixelbox& area);
// The grid layer, box and axes, and curves with the window's pens.
void drawdiag(const diagram& d, gdi& g, const pixelbox& area);
void paintdiagram(const diagram& d, gdi& g, const pixelbox& area);
void paintboxaxes(const diagram& d, gdi& g, const pixelbox& area);
void drawboxaxes(const diagram& d, gdi& g, const viewmap& map, const gdipen& pen1, const gdipen& pen2);
void drawticks(const diagram& d, gdi& g, const viewmap& map, bool alongx, double position, double step,
               double length);
// One direction of grid lines: pens of the first to third order (null:
// that order is not drawn), an optional background fill.
void drawgrid(const diagram& d, gdi& g, const viewmap& map, const gdipen* pens[3], const uint32_t* brush,
              bool horizontal);
bool paintcurve(gdi& g, const polyline& line, const viewmap& square);
// A polyline's moves and lines with the pen selected.
void drawpoints(gdi& g, const polyline& line, const viewmap& square);

// The printer: the first diagram in its printer rectangle, grid lines
// more than 7 printer pixels apart in the style's pens, box and axes in
// the axis diameter, curves in their pens' widths; a missing diagram is
// a bug box.
bool printdiag(cairo_t* cr, const diagram* d);
void printdiagram(const diagram& d, gdi& g, const pixelbox& area);
void printboxaxes(const diagram& d, gdi& g, const pixelbox& area);
bool printcurve(gdi& g, polyline& line, const viewmap& square, uint32_t dpi);

gdipen penbystyle(uint32_t style, uint32_t colour);
// n <= 0: a quarter of the colour over white; 1: half; 2 and more: all.
uint32_t gridshade(uint32_t colour, int n);
// The smallest anchor + n x step strictly above low.
double firstgridvalue(double anchor, double step, double low, double high);
