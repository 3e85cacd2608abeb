#include "plots/printoptions.h"

printoptions& activeprintoptions()
{
    static printoptions active;
    return active;
}

printoptions& workingprintoptions()
{
    static printoptions working;
    return working;
}
