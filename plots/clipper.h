// Clippers hide parts of a curve.  The clippers of one curve are linked
// through their next pointer; a sampler asks the first of them for the
// mask value of every point, and a point is drawn only where that value
// is not positive.  A clipper in searching mode lets the curve pass its
// first n - 1 sign changes and stops the run at the n-th.
//
// The point handed to a clipper is the curve's work vector: the source's
// arguments followed by its values (and their derivatives).
#pragma once

#include <cstdint>

#include "base/listnode.h"
#include "formula/rkshape.h"
#include "math/drect.h"

class diagnostics;
class parser;

// The symbol set of the calculator a formula clipper was made on: order,
// number of values, argument letter and arclength flag.
using clipperorigin = rkshape;

class clipper : public listnode {
public:
    enum : uint8_t { masking = 0, searching = 1 };
    // check kinds: 2 implement this clipper, 4 this and every later one.
    enum : int { checkone = 2, checkall = 4 };

    clipper() = default;
    clipper(const clipper& source);   // the next link is not copied
    clipper& operator=(const clipper&) = delete;
    ~clipper() override = default;

    virtual double value(const double* point);                 // 1
    virtual void start(const double* point, bool upward);      // 2
    virtual void signchange();                                 // 3
    virtual bool check(int kind, const char* names);           // 4
    virtual clipper* clone() const;                            // 5
    virtual bool applies() const;                              // 6

    // The largest signed value of this clipper and the ones after it;
    // -1e300 when none applies.
    double maskvalue(const double* point, bool upward);
    // Gives this formula clipper and every later one the origin.
    void setorigin(const clipperorigin& origin);
    clipper* following() const { return static_cast<clipper*>(next); }

    uint16_t upcount = 0, downcount = 0;  // sign changes still to pass
    uint16_t uplimit = 0, downlimit = 0;  // searching: 0 is off
    int16_t sign = 1;
    uint8_t mode = masking;
};

// Set when a searching clipper reached its n-th sign change; cleared at
// the start of a run.
extern uint8_t clipperstop;
// The last clipper that masked a point.
extern clipper* maskingclipper;

// Masks coordinate index outside [first, second]; uplimit and downlimit
// say which bound is in use (downward: first, upward: second).
class boundclipper : public clipper {
public:
    boundclipper(uint32_t index, double first, double second);
    double value(const double* point) override;
    clipper* clone() const override;

    double first = 0, second = 0;
    uint32_t index = 0;
};

// Masks points whose coordinates xindex, yindex lie outside the rectangle.
class rectclipper : public clipper {
public:
    rectclipper(const drect& rect, uint16_t xindex, uint16_t yindex);
    double value(const double* point) override;
    clipper* clone() const override;

    drect rect;
    uint16_t xindex = 0, yindex = 0;
};

// A clipper formula compiled with the formula language on the arguments
// and value symbols of the calculator where it was made.
class formulaclipper : public clipper {
public:
    formulaclipper();
    explicit formulaclipper(const clipperorigin& origin);
    formulaclipper(const formulaclipper& source);  // not implemented
    ~formulaclipper() override;

    double value(const double* point) override;
    void start(const double* point, bool upward) override;
    void signchange() override;
    bool check(int kind, const char* names) override { return implement(kind, names); }
    clipper* clone() const override;

    // Compiles the formula with the argument names; true when it yields a
    // single value.  Kind 4 checks the later clippers first.
    bool implement(int kind, const char* names);
    bool isimplemented() const;
    // A copy of text; the edited flag is set.  False without memory.
    bool setformula(const char* text);
    const char* text() const { return formula ? formula : ""; }

    clipperorigin origin;
    uint8_t edited = 0;
    uint32_t argcount = 1;
    uint32_t valuecount = 0;
    char* formula = nullptr;
    uint32_t formulasize = 0;
    parser* myparser = nullptr;
    diagnostics* diag = nullptr;
    uint32_t implstamp = 0;         // the global stamp while implemented

private:
    bool prepareparser();
    void dropparser();
};

// A deep copy of the run of clippers from first on; null for null and
// when memory runs out (the partial copy is deleted).
clipper* cliplistcopy(const clipper* first);
// Deletes every clipper of the run.
void cliplistdestroy(clipper* first);
// The number of clippers in the run.
uint32_t cliplistcount(const clipper* first);
// The n-th clipper (1-based) counting the private run first and the
// shared one after it; null past the end.
clipper* clipperat(uint32_t n, clipper* privatelist, clipper* sharedlist);
