#include "screen/evalhooks.h"

#include "formula/evalstate.h"
#include "formula/services.h"
#include "formula/stophook.h"
#include "math/random.h"
#include "screen/hoststate.h"
#include "screen/menustate.h"
#include "screen/statusbox.h"

namespace {
bool evaluationruns()
{
    return shared.running.load(std::memory_order_relaxed) != 0;
}

// A user break: the evaluator stops at its next token.
void breakevaluation()
{
    shared.error.store(evalbreak);
}

void disablemenustop()
{
    menus().disablestop();
}

void busybegin()
{
    menus().busybegin();
}

void busyend()
{
    menus().busyend();
}

bool openstatus(const char* text)
{
    statusbox* box = programstatus();
    if (!box)
        return false;
    box->printf("%s", text);
    return true;
}

void closestatus()
{
    if (statusbox* box = programstatus())
        box->close();
}
}

void installevalhooks()
{
    host().evaluating = evaluationruns;
    host().userbreak = breakevaluation;
    setdisablestophook(disablemenustop);
    setbusyhooks({busybegin, busyend, openstatus, closestatus});
    seedrandom();
}
