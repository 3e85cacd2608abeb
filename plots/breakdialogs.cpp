#include "plots/breakdialogs.h"

#include "screen/menustate.h"

breakanswers& standinbreakanswers()
{
    static breakanswers answers;
    return answers;
}

int samplebreakdialog(int i, int n, bool partialallowed)
{
    if (!isidle())
        return 0;
    breakanswers& a = standinbreakanswers();
    a.asked++;
    return a.sample == 1 && !partialallowed ? 0 : a.sample;
}

bool plotbreakdialog(int i, int n)
{
    if (!isidle())
        return false;
    breakanswers& a = standinbreakanswers();
    a.asked++;
    return a.plot;
}

bool curvebreakdialog(int k)
{
    if (!isidle())
        return false;
    breakanswers& a = standinbreakanswers();
    a.asked++;
    return a.curve;
}
