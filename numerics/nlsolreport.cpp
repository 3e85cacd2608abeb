// The solver's termination report.
#include <cmath>

#include "math/vecfuncs.h"
#include "numerics/nlsolver.h"
#include "screen/linelist.h"

namespace {

const char* statetext(int state)
{
    switch (state) {
    case nlnoprogress: return "No further progress";
    case nllittleprogress: return "Little further progress";
    case nldomain: return "Domain error";
    case nlrunaway: return "Runaway behaviour";
    case nluserbreak: return "User break";
    case nlunexpected: return "Error of type \"unexpected\" ";
    default: return "";
    }
}

bool printed(int state)
{
    return state == 4 || state == 5 || (state >= 7 && state <= 10);
}

}  // namespace

bool NLsolver::report(linelist* status, linelist* detail, linelist* verdict)
{
    if (state == nlrunning || (!status && !detail))
        return false;
    if (IQ <= 0)   // a failed evaluation leaves IQ no number: its state stands
        state = nlnoprogress;
    if (status)
        status->addlinef("Termination condition %ld encountered:  %s",
                         long(printed(state) ? state - 3 : 0), statetext(state));
    match = 0;
    int v = bestfactor == 0 ? 2 : 2 * stepcheck();
    if (!detail || !verdict)
        return true;
    if (match != 0)
        detail->addlinef("- Match between target and current values: %4.1f\n\r", match);
    double newton = vecnorm(s.data(), 1, n);
    switch (state) {
    case nlnoprogress: {
        double d1 = beststep > 0 ? vecdist(x.data(), best.data(), 1, n) / beststep : 0.0;
        double from = distancefromstart(true);
        double d2 = from > 0 ? newton / from : HUGE_VAL;
        int k = std::min(n, mactive);
        if (v == 0) {
            if (bestfactor < 1e-5 && d1 < 0.1 && d2 < 0.01) {
                v = 1;
                if (bestfactor < 1e-9 && d1 < 1e-4 && d2 < 1e-7) {
                    v = 2;
                    state = nlsolved;
                }
            } else if (qr.rank < k || n < mactive || d2 > 1.0) {
                v = -1;
            }
        }
        if (v > 0 || bestfactor < 0.01) {
            if (bestfactor <= 0) {
                detail->addlinef("- The target was precisely hit in iteration %ld. \n\r", long(bestiteration));
            } else {
                bool older = bestiteration < counter;
                detail->addlinef("- The best improvement factor in a single step has been \n\r  1 / %-15.1f %s",
                                 1 / std::sqrt(bestfactor),
                                 older ? "" : " (occurred in this iteration). \n\r");
                if (older) {
                    detail->addlinef(" (in step %ld).\n\r", long(bestiteration));
                    if (d1 >= 0.01)
                        detail->addlinef("  Distance covered thereafter: %g times step %d \n\r", d1, bestiteration);
                    else
                        detail->addlinef("- After step %ld, the total distance covered was only \n\r"
                                         "  %g times the length of step %ld.\n\r",
                                         long(bestiteration), d1, long(bestiteration));
                }
            }
        }
        if (maxrank > 0 && maxrank < k)
            verdict->addlinef(" This result was reached with Jacobian rank limited to %d. \n\r"
                              " Why don't you disable rank control, restart and obtain a more \n\r"
                              " conclusive result.\n\r", maxrank);
        else if (v == 2)
            verdict->addlinef(" The equation system has been solved !");
        else if (v == 1)
            verdict->addlinef(" This may be a solution of the equation system. You can inspect \n\r"
                              " it by <v><x>.\n\r");
        else if (v == -2)
            verdict->addlinef(" The procedure has not reached its target. Instead, it returns \n\r"
                              " a local best approximation. There may be no exact solution at all,\n\r"
                              " or you may have to change the starting point. \n\r");
        else if (v == -1)
            verdict->addlinef(" It looks as if the procedure has reached a local best approximation.\n\r"
                              " There may be no exact solution, or you may have to change the\n\r"
                              " starting point.");
        else
            verdict->addlinef("The situation is inconclusive. It does not bear the clear \n\r"
                              "signature of success, of local optimality or of being \n\r"
                              "trapped in a narrow valley.");
        if (v < 0)
            detail->addlinef("- Length of proposed Newton step: %g\n\r", newton);
        break;
    }
    case nllittleprogress:
        detail->addlinef("- Improvement factors: \n\r  latest iteration: %.12g \n\r"
                         "  latest %ld iterations: %.12g \n\r  current against starting point: %.12g \n\r",
                         std::sqrt(q), long(counter - progressiteration - 1),
                         std::sqrt(IQ / progressIQ), std::sqrt(IQ / IQstart));
        detail->addlinef("- Length of proposed Newton step %g\n\r", newton);
        verdict->addlinef(" You have reached an area where progress is still possible\n\r"
                          " but ineffective. You may want to quit or to continue and\n\r"
                          " improve on the current approximation.");
        break;
    case nldomain:
        verdict->addlinef("The procedure has reached a point close to the domain border \n\r"
                          "where the Jacobi matrix could no longer be evaluated.\n\r"
                          "Execution has to terminate here. You may want to restart \n\r"
                          "it but you should quit and choose a different starting point. \n\r");
        break;
    case nlrunaway:
        detail->addlinef(" The procedure has left the circle of radius %g \n\r around the origin.\n\r",
                         runawayradius);
        verdict->addlinef(" It looks as if we are heading toward infinity rather than \n\r"
                          " finding a match for the target values !\n\r");
        if (proposescaling())
            verdict->addlinef(" Anyway, argument scaling needs adaptation to the new\n\r position.\n\r");
        break;
    default:
        break;
    }
    detail->addlinef("- krit = %g \n\r", stepkrit);
    return true;
}
