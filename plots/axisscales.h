// Axis scales of a plot: the choice of major and minor ticks for a range,
// where the two labels of an axis go, their text, and the drawing of
// ticks and labels along a pixel rectangle.
#pragma once

#include <cstdint>
#include <string>

#include "math/drect.h"

// Mode 1: the smallest multiple of u strictly above a; otherwise the
// largest multiple strictly below a.
double roundmultiple(double a, double u, int mode);

struct tickplan {
    double first = 0;    // the smallest minor tick above a
    double unit = 0;     // major step
    int zeroindex = 0;   // tick at 0, counted from 1; 0 when none
    int anchorindex = 0; // the roundest tick (the zero tick when there is one)
    int minors = 0;      // minor ticks per major step
    int firstmajor = 0;  // index of the first major tick
    double step() const { return unit / minors; }
};

// Ticks for a .. b with a budget of n minor ticks; false for an empty,
// reversed or not finite range.
bool tickchoice(double a, double b, int n, tickplan& plan);

struct ticklabels {
    int label1 = 0, label2 = 0;  // tick indices, 0 for none
    double step = 0;             // the precision the labels show
};
// last: index of the last tick that may carry a label.
ticklabels labelticks(const tickplan& plan, int last);

// "0" for 0; "%.*e" with precision ceil(-log10(step)) + floor(log10|x|).
std::string eformatlabel(double x, double step);
// "0" for 0; "%.*f" with precision ceil(-log10(step)), at least 0.
std::string fformatlabel(double x, double step);
// x at the resolution of pixels over range; empty for range < 0 or fewer
// than 10 pixels.
std::string resolutionlabel(double x, double range, int pixels);

struct scalestyle {
    int16_t majorlength = 0, minorlength = 0;
    int16_t xlabeloffset = 0, ylabeloffset = 0;
    int16_t trianglesize = 0;
    uint8_t tickcolour = 0;
    uint8_t xtextcolour = 0, xbackcolour = 0;
    uint8_t ytextcolour = 0, ybackcolour = 0;
    int16_t labelright = 0, labelbottom = 0;   // the last column and row labels may reach; 0: any
};

enum scaleparts { scaleticks = 1, scalelabels = 2, wholescales = 3 };
// Ticks across r and labels below and right of it for world window w (or
// only the parts asked for, so that lines can go between them); false when
// a tick layout cannot be made.
bool drawaxisscales(const drect& w, const screenrect& r, const scalestyle& style, int parts = wholescales);
