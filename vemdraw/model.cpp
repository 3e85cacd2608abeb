#include "vemdraw/model.h"

#include <algorithm>
#include <new>

polyline::polyline() : points(1)
{
    defaultpen(linepen);
}

bool polyline::append(const plotpoint& p)
{
    if (points.size() == points.capacity()) {
        size_t capacity = points.capacity();
        size_t grow = std::max<size_t>({1, capacity / 8, growstep});
        try {
            points.reserve(capacity + grow);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    points.push_back(p);
    return true;
}

diagram::diagram(printerdate* p) : printer(p)
{
    if (p && p->valid) {
        double leftright, topbottom;
        p->defaultmargins(orientation::portrait, leftright, topbottom);
        marginleft = marginright = leftright;
        margintop = marginbottom = topbottom;
    }
    defaults();
}

void diagram::defaults()
{
    anchorsgiven = unitsgiven = devicegridgiven = windowgiven = false;
    anchorx = anchory = 0;
    unitx = unity = 1.0;
    window = worldrect{};
    gridx = unitx;
    gridy = unity;
    std::copy_n((const bool[]){true, true, true, false}, 4, tickorders);
    for (uint32_t* f : {factorsx, factorsy})
        std::copy_n((const uint32_t[]){2, 10, 20}, 3, f);
    gridsynchronised = true;
    griddensity = 1;
    gridstyle = 0;
    gridcolour = 0;
    axisdiameter = 3;
    xaxis = yaxis = box = tickmarks = true;
    autosize = largershape = false;
}

bool diagram::xaxisinside() const
{
    if (!anchorsgiven && !windowgiven)
        return false;
    return window.bottom <= anchory && anchory <= window.top;
}

bool diagram::yaxisinside() const
{
    if (!anchorsgiven && !windowgiven)
        return false;
    return window.left <= anchorx && anchorx <= window.right;
}

bool diagram::ticksdrawable() const
{
    return anchorsgiven && unitsgiven && (axisinside() || box) && unitx > 0 && unity > 0;
}

bool diagram::griddrawable() const
{
    if (windowgiven)
        return true;
    if (!anchorsgiven)
        return false;
    return unitsgiven || !gridsynchronised;
}

mmrect diagram::paperrect() const
{
    static const printerdate none;
    const printerdate& p = printer ? *printer : none;
    return diagramrect(p, p.orientation, interpretation, margins().data(), width, height);
}

diagram* firstdiagram(const nodelist& list)
{
    return static_cast<diagram*>(list.first());
}
