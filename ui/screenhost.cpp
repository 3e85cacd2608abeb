#include "ui/screenhost.h"

#include <mutex>
#include <vector>

namespace {
std::recursive_mutex onelock;
std::vector<uint32_t> surface;
canvas pixels{nullptr, 0, 0, 0};
}

screenlock::screenlock()
{
    onelock.lock();
}

screenlock::~screenlock()
{
    onelock.unlock();
}

const canvas& screenlock::pixels() const
{
    return ::pixels;
}

void screensurface(int width, int height)
{
    screenlock lock;
    surface.assign(size_t(width) * height, 0);
    pixels = {surface.data(), width, width, height};
}

void screenchanged(pixelrect) {}

void caretrequest(int) {}

bool mainhasfocus()
{
    return true;
}

void desktopmetrics(int& width, int& height, pixelrect& workarea)
{
    width = 1280;
    height = 1024;
    workarea = {0, 0, width, height};
}

pixelpoint clientorigin()
{
    return {0, 0};
}
