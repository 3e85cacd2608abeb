// One slot of the revolver: a formula in Direct mode (9), reached through
// a calling object that calls the formula's funm, or a Runge-Kutta system
// (10, or 11 by arc length) held as a solver with its table of start
// values.  It binds its argument letters to the owner's active store,
// keeps the values of its last computation and a status (calcstatus) that
// says what the user has to do next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "base/checksumcell.h"
#include "calculator/calcowner.h"
#include "formula/rkshape.h"

class calcfunm;
class diagnostics;
class fastplot;
class fu;
class listnode;
class RK;
class sumrecord;
class valtable;
class varman;
struct rksetup;

namespace calcmode {
constexpr int32_t direct = 9, rungekutta = 10, arclength = 11;
}

namespace calcstatus {
constexpr int32_t valid = 1;          // values are valid
constexpr int32_t runtime = 2;        // runtime error in the last computation
constexpr int32_t ready = 3;          // implemented, ready to compute
constexpr int32_t userbreak = 4;      // stopped by the user
constexpr int32_t undefglobals = 5;   // #global dependencies without a value
constexpr int32_t mustimplement = 6;
constexpr int32_t component = 7;      // error in a called object
constexpr int32_t failed = 8;         // implementation failed
}

// Up to 54 argument letters, each bound to its value cell in a store.
struct argbinding {
    static constexpr int maxletters = 54;
    double* cells[maxletters + 1] = {};   // null-terminated for the evaluator
    varman* store = nullptr;
};

// Binds each letter (up to the first NUL, at most 54) to its cell in store.
void bindargs(const char* letters, argbinding* binding, varman* store);

class calculator {
public:
    explicit calculator(calcowner* owner);
    ~calculator();
    calculator(const calculator&) = delete;
    calculator& operator=(const calculator&) = delete;

    void reset();
    // Deletes what it owns (every member forgotten once deleted), then reset.
    void release();

    // Queries; an empty calculator answers 0, 0.0 or false.
    bool isempty() const;
    bool isdirectmode(bool tell = false) const;
    int formulakind() const;
    bool isderivativemode() const;
    int argcount() const;
    int valuecount() const;
    uint16_t& argindex();
    uint16_t& valueindex();
    rkshape shape() const;
    char argchar() const;
    // The argument letters: the called function's, or the independent
    // variable alone; null when empty.
    const char* argstring() const;
    const char* formulatext() const;
    double argvalue() const;
    double firstargvalue() const;
    void setargvalue(double v);
    double componentvalue() const;
    double shownvalue() const;
    // c is one of the argument letters that the formula never reads.
    bool hasargletter(char c) const;
    void argwarning() const;
    varman* formulaaux() const;
    bool isimplemented() const;
    bool isready() const;
    bool isactive(bool tell) const;
    bool readytest(bool tell);
    bool cancompute(bool tell);
    // The store where the arguments live (the owner's active store).
    varman* argstore() const;
    // The called function's diagnostics, or the solver's.
    diagnostics* diag() const;

    // The only writer of the status.
    void setstatus(int32_t s) { status = s; }

    // Actions.
    bool setformula(const char* formula, const char* args);
    void reimplement();
    // The implement check before computing, searching and the tools.
    void implement();
    int32_t calctask();
    int32_t proceed(bool enter);
    int32_t inputargs();
    int32_t rechnen();
    bool refreshfingerprint();
    double* copyvalues(const double* source, uint32_t n);

    // Display (calcdisplay.cpp).
    void redraw();
    void drawformula();
    void drawmodeline();
    void drawmatch();
    void drawstatus();
    void drawvaluebox();
    void drawplotarea();
    int firstrow() const;
    int lastformularow() const;
    void drawargbox();
    struct calcstatusline statusline() const;
    int valueindex1() const;
    bool diffoperator(int mode);
    // Loads the shared argument box with this calculator's letters.
    void loadargbox();

    // Plots (calcplots.cpp, through the calculator's hooks).
    // Plot #2 when it is current and exists, else plot #1 (may be null).
    fastplot* currentplot() const;
    // Ready plots: 0 (a plot #2 above an unready #1 is deleted), 1 or 2.
    int plotcount();
    // The implementation stamp is older than the last global change.
    bool plotstale() const;
    bool canparametric() const;
    bool canzoom() const;
    void showplot();
    // The current plot drawn (or only refreshed when it is the one shown);
    // without a ready plot the pane is cleared.
    void drawplot();
    // The zoom pictogram at the end of the status row (key 602).
    void drawzoomspot();
    // The pane below the calculator emptied when a plot was drawn there.
    void clearpane();
    void dropplots();
    bool plotready() const;

    // Runge-Kutta mode (calcrk.cpp): a complete set-up record becomes the
    // solver.
    bool makemyrk();
    // "dd": into a Runge-Kutta mode (the kept solver, else a new one set up
    // in the initialisation dialogue) or back to Direct.
    void switchmode();
    // The information window ("e" in a Runge-Kutta mode); true on a change.
    bool rkinfo();
    // "x" in a Runge-Kutta mode; true when the letter changed.
    bool chooseindependent();
    // An empty calculator takes a copy of a system (the solver of a
    // Runge-Kutta function object): shape, formula, variable store and at
    // most the state length of start values; status 6.  False, the
    // calculator left empty, when the system is incomplete.
    bool takesystem(const RK& source, const double* start, size_t count);
    // A window of width 10 ending at the current argument value.
    void argwindow(double& low, double& high) const;

    calcowner* owner;
    int32_t mode = calcmode::direct;
    rksetup* setup = nullptr;            // owned while a system is being set up
    calcfunm* calling = nullptr;         // owned
    argbinding binding;
    RK* solver = nullptr;                // owned
    std::shared_ptr<valtable> initvalues;  // the solver's table, shared with it
    double* valuecopy = nullptr;         // owned
    uint32_t copycapacity = 0;
    void* mcsettings = nullptr;          // owned by the Monte Carlo command; freed with free()
    listnode* toolobject = nullptr;      // owned
    listnode* targets = nullptr;         // owned; the nonlinear solver's target list
    sumrecord* sums = nullptr;           // owned; the summation menu's settings and runs
    uint16_t rkvalueindex = 1;
    uint16_t valueboxtop = 1;
    uint16_t argboxtop = 1;
    uint8_t fixed = 0;
    uint8_t active = 1;
    int32_t status = calcstatus::mustimplement;
    uint8_t errorcode = 0;
    uint8_t onevalue = 0;
    double fixedvalue = 0.0;
    const char* fixedlabel = nullptr;    // not owned
    double latest = 0.0;
    double* values = nullptr;
    uint8_t focus = 1;                   // 1 the argument box, 0 the value box
    fastplot* plot1 = nullptr;           // owned
    fastplot* plot2 = nullptr;
    uint8_t plotnumber = 1;              // the current plot, 1 or 2
    uint8_t plotshown = 0;
    uint8_t plotredraw = 0;
    uint8_t boxoverplot = 0;
    char* absent = nullptr;              // owned; argument letters the formula never reads
    char* globals = nullptr;             // owned; #global letters the formula depends on
    uint32_t plotstamp = 0;
    checksumcell print{};
    mutable char independent[2] = {};    // argstring in the Runge-Kutta modes

private:
    bool implementrk();
    bool implementdirect();
    void rkfingerprint();
    void checkonevalue();
    void takeabsent();
    void enterrk();
    bool setrkcount(bool order);
    bool togglearclength();
    bool editrkformula();
    void afterimplement(bool ok);
    void takevalues(double* result);
    void dropoperator();
};

// "fp": the calculator's formula or system into the transfer record.
bool pickupformula(const calculator& c, rksetup*& transfer);
// "fd": the transfer record into an empty calculator (status 6).
bool dropformula(calculator& c, const rksetup* transfer);

// The selected argument in the Runge-Kutta modes (only the independent
// variable exists there).
extern uint16_t rkargindex;
