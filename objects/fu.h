// The user-defined object: the base of every function, constant, vector
// and composite kind.  Bases in this order: listnode (the link of the
// object lists), saveable (library record), idable (identity).  The
// evaluator reaches an object through its virtual slots only; their order
// below is the interface.
//
// Implementation stamp: an object is implemented while stamp equals
// shared.implstamp (nextgeneration() makes every object stale); tcalc,
// mcalc, recordfingerprint and the editors implement again when needed.
#pragma once

#include <cstdint>

#include "base/listnode.h"
#include "formula/fingerprint.h"
#include "objects/idable.h"
#include "objects/saveable.h"

class diagnostics;
class parser;
class varman;

// Three Fletcher sum pairs.
struct fletcher3 {
    fletcherpair pair[3];
};
void clearsums(fletcher3& sums);

class fu : public listnode, public saveable, public idable {
public:
    fu();
    // Identity (no comment), serial and formula copied; a new diagnostics
    // collector, a copy of the own store; no parser, stamp 0.  failed set
    // when memory fails.
    fu(const fu& source);
    fu& operator=(const fu&) = delete;

    // Main slots, in this order:
    ~fu() override;                                     // 0 destroy
    // Makes the parser when there is none; it names this object its owner.
    virtual bool makeparser();                          // 1
    // The value count from the formula text (0 without formula).
    virtual int countvalues();                          // 2
    virtual double calcx(double x) = 0;                 // 3
    virtual double value() { return 0.0; }              // 4
    // force 1: nothing to do when implemented; level: nesting of this
    // implementation.  True when implemented afterwards.
    virtual bool implement(uint8_t force, uint16_t level) = 0;  // 5
    virtual bool recordfingerprint();                   // 6
    virtual bool listcode();                            // 7
    virtual void setimplemented();                      // 8
    virtual int maxargs() const { return limits::arglistlength; }  // 9
    virtual void fpregister(uint32_t nbytes, uint32_t nrecords) {}  // 10
    virtual uint32_t fpsize() const { return 0; }       // 11
    virtual fletcher3 fpsums() const;                   // 12

    int typenumber() const override { return typeids::fu; }
    const char* tag() const override { return "@@FU"; }

    bool isimplemented() const;
    // Grows the formula buffer to the text length + 11 (at most 1041 bytes)
    // and copies text (null keeps the buffer), then letters (at most 53)
    // into argletters; nargs from the letters, nvalues through slot 2; the
    // stamp is cleared.  False (failed set) when memory fails.
    bool setformula(const char* text, const char* letters);
    const char* text() const { return formula ? formula : ""; }
    void newversion();
    // Deletes p (made null); the own store survives it.
    void dropparser(parser*& p);
    // The own store becomes store (null for none); the old one is deleted.
    void replacestore(varman* store);

    uint32_t serial = 0;          // change serial
    int16_t textcap = 0;          // capacity of formula
    uint32_t stamp = 0;           // implementation stamp
    varman* ownvars = nullptr;    // owned; static and const variables; lent to myparser
    parser* myparser = nullptr;   // owned; made by makeparser
    char* formula = nullptr;      // owned
    diagnostics* diag = nullptr;  // owned; made by the constructor

protected:
    // The start of an implementation: a parser and cleared diagnostics;
    // false when there is no formula or no memory.
    bool startimplement();
    // The parser compiles with the object's own store (one it held before
    // is deleted); a store the compilation makes becomes the object's.
    void lendstore();
    // After a compilation: the parser's value count replaces the one that
    // counted from the text gave, and a difference is reported.
    void takevaluecount(int counted);
};

void clearimplemented(fu* object);
// Same name (bytes), nargs, nvalues and origin.
bool namecmp(const fu* a, const fu* b);
void copyword(uint32_t& target, uint32_t source);

// The report of a component that could not be implemented when called,
// limited by the report switch (no report while it is negative; each
// report uses one).  The caller then sets the evaluator's error byte to 2.
void jitfailure(fu* object);
// The same budget: jitfailure spends the report switch.
extern short& jitreportsleft;
