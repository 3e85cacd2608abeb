// The clippers in force during one sampling run: the curve's own list with
// the request's extra clippers behind it; a parametric run puts its
// rectangle clipper in front and its bound clipper before the extras.
// When the run ends the curve's own list is as it was, the run's
// clippers are gone and the curve has no run chain.
#pragma once

#include <memory>

#include "plots/clipper.h"

class canplot;

class runchain {
public:
    runchain(canplot& curve, clipper* extra, std::unique_ptr<clipper> front = nullptr,
             std::unique_ptr<clipper> bound = nullptr);
    ~runchain();
    runchain(const runchain&) = delete;
    runchain& operator=(const runchain&) = delete;

private:
    canplot& curve;
    clipper* ownlast = nullptr;
    std::unique_ptr<clipper> front, bound;
};
