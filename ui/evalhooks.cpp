#include "ui/evalhooks.h"

#include "formula/evalstate.h"
#include "formula/random.h"
#include "formula/stophook.h"
#include "ui/hoststate.h"
#include "ui/menustate.h"

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
}

void installevalhooks()
{
    host().evaluating = evaluationruns;
    host().userbreak = breakevaluation;
    setdisablestophook(disablemenustop);
    seedrandom();
}
