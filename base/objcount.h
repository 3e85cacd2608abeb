// Instance accounting: every constructor reports its class number n > 0,
// every destructor -n.  At the end of a run a count and sum of 0 mean that
// every object was destroyed.
#pragma once

int objcount(int n);

struct objcounts {
    double sum;
    double live;
};
objcounts objcountstate();
void objcountreset();
