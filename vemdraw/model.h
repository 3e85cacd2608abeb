// The model of a loaded transfer file: a list of diagrams, each a list of
// polylines of points in the 0 to 20000 device square (y downwards) plus
// the settings of the file's trailer.
#pragma once

#include "vemdraw/nodelist.h"
#include "vemdraw/printer.h"

#include <array>
#include <cstdint>
#include <vector>

// The device square of the points.
constexpr uint32_t devicesize = 20000;

struct plotpoint {
    uint32_t code = 0;   // 1 move, 2 or 3 draw
    uint32_t x = 0, y = 0;
};

// Element 0 of the points is no drawing command: the points read start
// at index 1.
class polyline : public listnode {
public:
    polyline();
    // False (nothing stored) when the vector cannot grow.
    bool append(const plotpoint& p);
    bool haspoints() const { return points.size() > 1; }

    std::vector<plotpoint> points;
    uint32_t growstep = 10;
    pen linepen;
};

struct worldrect {
    double left = 0, top = 0, right = 0, bottom = 0;
};

class diagram : public listnode {
public:
    explicit diagram(printerdate* printer);
    // Everything from the anchors flag on, as a new diagram has it.
    void defaults();

    bool xaxisinside() const;
    bool yaxisinside() const;
    bool axisinside() const { return xaxisinside() || yaxisinside(); }
    bool ticksdrawable() const;
    bool griddrawable() const;
    // The diagram's rectangle on the paper in the printer's orientation.
    mmrect paperrect() const;
    std::array<double, 4> margins() const { return {marginleft, margintop, marginright, marginbottom}; }

    nodelist polylines;
    printerdate* printer;
    double width = 141.0, height = 100.0;        // mm
    uint32_t interpretation = 1;                 // 0 strict, 1 adapt, 2 fill
    double marginleft = 15.0, margintop = 15.0, marginright = 15.0, marginbottom = 15.0;
    bool anchorsgiven = false;
    uint32_t deviceanchorx = 0, deviceanchory = 0;
    double anchorx = 0, anchory = 0;
    bool unitsgiven = false;
    uint32_t deviceunitx = 0, deviceunity = 0;
    double unitx = 1.0, unity = 1.0;
    bool devicegridgiven = false;
    uint32_t devicegridx = 0, devicegridy = 0;
    bool windowgiven = false;
    worldrect window;
    double gridx = 1.0, gridy = 1.0;
    bool tickorders[4] = {true, true, true, false};
    uint32_t factorsx[3] = {2, 10, 20}, factorsy[3] = {2, 10, 20};
    bool gridsynchronised = true;
    uint32_t griddensity = 1;
    uint32_t gridstyle = 0;                      // 2 thick, 1 thin, other dotted
    uint32_t gridcolour = 0;
    uint32_t axisdiameter = 3;
    bool xaxis = true, yaxis = true, box = true, tickmarks = true;
    bool autosize = false;
    bool largershape = false;
};

// The first diagram of a list, or none.
diagram* firstdiagram(const nodelist& list);
