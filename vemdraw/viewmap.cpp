#include "vemdraw/viewmap.h"

#include <algorithm>
#include <climits>
#include <cmath>

int todevice(double v)
{
    if (!(v > INT_MIN))
        return v != v ? 0 : INT_MIN;
    if (!(v < INT_MAX))
        return INT_MAX;
    return int(v);
}

void viewmap::set(const worldrect& world, const pixelbox& device)
{
    world_ = world;
    device_ = device;
    worldwidth_ = world.right - world.left;
    worldheight_ = world.top - world.bottom;
    devwidth_ = double(device.right) - device.left;
    devheight_ = double(device.bottom) - device.top;
}

int viewmap::worldx(double x) const
{
    if (!(world_.left <= x && x <= world_.right))
        return 0;
    return todevice(device_.left + (x - world_.left) * devwidth_ / worldwidth_);
}

int viewmap::worldy(double y) const
{
    return todevice(device_.top - (y - world_.top) * devheight_ / worldheight_);
}

double viewmap::devicex(double u) const
{
    return (u - device_.left) * worldwidth_ / devwidth_ + world_.left;
}

double viewmap::devicey(double v) const
{
    return world_.top - (v - device_.top) * worldheight_ / devheight_;
}

double viewmap::devicewidth(double u) const
{
    return u * worldwidth_ / devwidth_;
}

double viewmap::deviceheight(double v) const
{
    return -(v * worldheight_ / devheight_);
}

int viewmap::worldwidth(double w) const
{
    return todevice(w * devwidth_ / worldwidth_);
}

int viewmap::worldheight(double h) const
{
    return todevice(h * devheight_ / worldheight_);
}

worldrect torect(const pixelbox& r)
{
    return {double(r.left), double(r.top), double(r.right), double(r.bottom)};
}

pixelbox topixels(const worldrect& r)
{
    auto px = [](double v) { return uint32_t(std::max(0, todevice(v))); };
    return {px(r.left), px(r.top), px(r.right), px(r.bottom)};
}

worldrect placerect(const worldrect& r, const worldrect& f)
{
    if (r.left == r.right || r.bottom == r.top || f.left == f.right || f.bottom == f.top)
        return {};
    double w = r.right - r.left, h = r.top - r.bottom;
    return {r.left + f.left * w, r.bottom + f.top * h, r.left + f.right * w, r.bottom + f.bottom * h};
}

worldrect fractionsof(const worldrect& a, const worldrect& r)
{
    if (r.left == r.right || r.bottom == r.top || a.left == a.right || a.bottom == a.top)
        return {};
    double w = r.right - r.left, h = r.top - r.bottom;
    return {(a.left - r.left) / w, (a.top - r.bottom) / h, (a.right - r.left) / w, (a.bottom - r.bottom) / h};
}
