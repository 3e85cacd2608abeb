#include "revolver/program.h"

#include "base/limits.h"
#include "plots/start.h"
#include "calculator/valuebox.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "math/random.h"
#include "numerics/start.h"
#include "objects/fudaba.h"
#include "objects/contextlist.h"
#include "objects/hooks.h"
#include "plots/curvecolor.h"
#include "plots/fastplotwindow.h"
#include "plots/plotenv.h"
#include "platform/core/cmdline.h"
#include "revolver/revolver.h"
#include "screen/calcmain.h"
#include "screen/host.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

#include <memory>
#include <string>

namespace {

// "-p": a class the system refused is told once the screen stands.
bool applypriority(std::string& error)
{
    std::string line;
    for (const std::string& w : platform::commandline())
        line += (line.empty() ? "" : " ") + w;
    return setpriority(line.c_str(), error);
}

void tellstartfaults(bool priorityok, const std::string& error)
{
    if (!priorityok) {
        msgstyle(1);
        tell("\n The process priority of option -p was refused: \n\r %s \n", error.c_str());
    }
    if (!rev1->readnotice.empty()) {
        msgstyle(1);
        msgbox(rev1->readnotice.c_str());
    }
}

bool globalstoreactive()
{
    return rev1 && rev1->activestore == shared.globals;
}

bool calculatorfor(fu1* object)
{
    return rev1 && rev1->createcalc(object, nullptr);
}

}  // namespace

void runprogram()
{
    std::string priorityerror;
    bool priorityok = applypriority(priorityerror);
    auto first = std::make_unique<parser>();   // opens the local context
    makedatabase();
    rev1 = new revolver(limits::calculatorcount);
    if (rev1->failed) {
        unexpectederror(" main rev1 ");
    } else {
        makevalueboxes(rev1->activestore);
        menus().setchecksource(menuid::argsvars, globalstoreactive);
        createcalculator = calculatorfor;
        clrscr(7);
        seedrandom();
        makecurvecolors();
        maketrackers();
        tellstartfaults(priorityok, priorityerror);
        rev1->mainloop();
        droptrackers();
        createcalculator = nullptr;
        dropvalueboxes();
    }
    closeplotwindow();
    dropcurvecolors();
    delete rev1;
    rev1 = nullptr;
    dropdatabase();
    first.reset();
}

void startrevolver()
{
    startplots();
    startnumerics();
    setmainloop(runprogram);
}
