// The calculator's calling object: it evaluates the called object (the
// calculator's formula, a funm) as it is (mode 0), its first to third
// numeric derivative by the selected argument (1 to 3), the curvature of
// its graph (4), or a differential operator applied to it (9).  Its own
// formula is that operator, in the argument x; the operator reads f, f',
// f'' and f''' as d0 to d3.
#pragma once

#include <cstdint>

#include "calculator/derivatives.h"
#include "calculator/funm.h"

class formulaholder;

// A plot's record of what a curve depends on; it shares its parser and
// formula with the calling object it is attached to.
struct deprecord {
    uint32_t changeserial = 0;
};

class calcfunm : public funm {
public:
    calcfunm();
    // A copy that owns a copy of the called object; failed set when any
    // part could not be made.
    calcfunm(const calcfunm& source);
    ~calcfunm() override;

    double calcx(double x) override;                         // 3
    bool implement(uint8_t force, uint16_t level) override;  // 5

    // True when the object is in that mode afterwards.
    bool setmode(uint8_t mode, uint16_t level = 0);
    // Takes the called object; owned unless borrowed.
    void setcalled(funm* object, bool borrow = false);
    // The record shares the parser and formula from now on.
    void setdeprecord(deprecord* record);
    // The operator becomes the holder's (the revolver's "f9"): its parser
    // and text (a buffer of limits::formulalength + 1 bytes) are used,
    // never freed, from now on.  A holder without a parser or text, or
    // none, changes nothing.
    void linkoperator(formulaholder* holder);
    // The newest of the called object's change serial and the own one,
    // which follows a newer version of the linked operator; 0 without a
    // called object.
    uint32_t changestamp();

    uint8_t mode = 0;
    uint32_t version = 0;            // drawn at every change of the mode
    deprecord* deps = nullptr;       // not owned
    formulaholder* holder = nullptr; // not owned; the shared operator
    uint32_t borrowed = 0;
    double** argvector = nullptr;    // the calculator's argument pointers
    uint16_t selectedarg = 1;        // 1-based
    uint16_t selectedvalue = 1;      // 1-based, at most the called object's value count
    uint8_t operatorrunning = 0;
    uint8_t derivsready = 0;
    funm* called = nullptr;
    scalarderivative modefunction = nullptr;
    vectorderivative modevector = nullptr;
    const char* modename;
    scalarderivative derivs[3] = {};

private:
    // Installs the mode's functions, label and counts; false for modes
    // that do not exist or do not fit the called object.
    bool applymode(uint8_t m);
    bool compileoperator();
    double operatorvalue(double x);
};

// The calling object's values for the argument pointers: the mode's
// vector function when it has one, else the called object's values; null
// when the calling object is not implemented.
double* evalobject(calcfunm* object, double** args);

// The label of a mode; null for none.
const char* modelabel(int mode);
