// A graph that computes nothing, for the tests of the plot model.
#pragma once

#include "plots/canplot.h"
#include "plots/plot.h"

struct stubgraph : canplot {
    explicit stubgraph(plot* owner = nullptr)
    {
        if (owner) {
            source = owner;
            sourcekind = designer;
            components = &owner->components;
        }
    }
    bool implement() override { return implementable; }
    bool sampler(samplerequest&, sampleresult&) override { return false; }
    uint32_t generation() override { return generationcounter; }
    canplot* copyto(plot* target) override
    {
        if (!cancopyto(target))
            return nullptr;
        auto* copy = new stubgraph(target);
        chain none;
        if (!completecopy(*copy, *target, none, true)) {
            delete copy;
            return nullptr;
        }
        return copy;
    }
    bool implementable = true;
};
