// The revolver: the ring of calculators that the arrow keys turn, a spare
// that keeps the last deleted calculator, the value history, the
// user-defined differential operator, the calculators' own variable store
// and the transfer formula of "fp"/"fd".  Its state lives in "vemo.rev"
// in the work directory: read at construction, written at destruction.
#pragma once

#include "base/rects.h"
#include "formula/formulaholder.h"
#include "formula/varman.h"
#include "math/drect.h"
#include "revolver/cmdreader.h"

#include <cstdint>
#include <string>

class calculator;
class fu1;
class rksetup;

// The latest two values computed, for the match indicator.
struct valuepair {
    double previous = 0, current = 0;
    void clear() { previous = current = 0; }
    void push(double v)
    {
        previous = current;
        current = v;
    }
    // Decimal digits in which the two agree; 0 before anything to compare.
    double match() const;
};

class revolver : public cmdreader {
public:
    explicit revolver(int n);
    ~revolver();
    revolver(const revolver&) = delete;
    revolver& operator=(const revolver&) = delete;

    calculator* currentcalc() const;
    void next();
    void prev();
    // Moves the calculator at from to to; those between shift one place
    // towards from.
    void movethem(int from, int to);
    // An empty calculator brought to the current index, or null.
    calculator* findempty();
    // A calling calculator for the object in an empty slot; true when one
    // was made (the redraw of the rectangle, when given, is extra).
    bool createcalc(fu1* object, const rect* area);

    // The state file: the number of calculators read, -1 when the file
    // cannot be opened or is of another format.
    int readrevolver(const std::string& name);
    bool writerevolver(const std::string& name);

    // Until the user quits.
    void mainloop();

    calculator** calculators = nullptr;   // the ring, owned
    calculator* current = nullptr;
    calculator* spare = nullptr;          // owned
    int16_t ncalcs = 0;                   // calculators in the ring
    int16_t index = 1;
    bool failed = false;
    valuepair history;
    formulaholder diffop;                 // "f9"
    varman own;
    varman* active = nullptr;             // the calculators' arguments
    bool redrawtitle = false;
    rksetup* transfer = nullptr;          // owned
    int16_t statusrow = 7;
    drect plotwindow{};
    rect fastplotrect;
    bool quitting = false;
    // The state file read with faults: kept as vemo.bad before any write.
    bool readfaults = false;
};

// The program's revolver while the main loop runs.
extern revolver* rev1;

// The work directory's state file and the names of its keepers.
constexpr const char* revolverfile = "vemo.rev";
