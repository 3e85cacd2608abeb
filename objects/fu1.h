// The object given by one formula, and the base of fuconst, fuvector and
// the composite kinds.  Adds the view/edit interface, the change marks and
// the written flag, and extends the main slots to 23.
#pragma once

#include <iosfwd>
#include <string>

#include "objects/fu.h"
#include "objects/viewable.h"

class attrlines;

class fu1 : public fu, public viewable {
public:
    fu1();
    fu1(const fu1& source);

    double calcx(double x) override { return 0.0; }     // 3
    double value() override;                            // 4
    bool implement(uint8_t force, uint16_t level) override;  // 5

    // Slots 13 to 22, in this order:
    virtual fu1* clone() const;                         // 13
    // Evaluates with the arguments at args; implements first when stale
    // (failure: jitfailure, error byte 2, 0.0).  All values stand in
    // shared.result.
    virtual double tcalc(double* args);                 // 14
    // The same; the pointer to the values (args on failure).
    virtual double* mcalc(double* args);                // 15
    // Function editor: caption and the kind's item lines.
    virtual void edittitle();                           // 16
    virtual bool edititems(attrlines& lines);           // 17
    // The edit transaction.  beginedit keeps the current version (text,
    // letters, counts, comment, parser and own store) in editstate and
    // leaves the object unimplemented; false without memory.  restoreedit
    // brings the kept text, letters and comment back: with withparser also
    // the kept parser and store (the edit ends), without them the object is
    // implemented again when next used (the edit goes on); false.  commitedit drops the kept
    // version, marks the object changed ('C' comment, 'e' the rest) and
    // runs the identity check; true.
    virtual bool beginedit();                           // 18
    virtual bool restoreedit(uint8_t withparser);       // 19
    virtual bool commitedit();                          // 20
    virtual const char* shortname() const { return " Function"; }  // 21
    virtual void xcommands();                           // 22

    int typenumber() const override { return typeids::fu1; }
    const char* tag() const override { return "@@FU1"; }
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;

    int show() override;
    int edit() override;

    // A zero letter clears the marks; otherwise the letter moves to the end
    // (at most 6 distinct marks).  Advances the evaluation serial.
    void setmark(char letter);

    static constexpr int maxmarks = 6;
    char marks[maxmarks + 1] = {};
    uint8_t written = 0;

protected:
    // Implemented, or implemented now; else the just-in-time report and
    // error byte 2.
    bool ready();

    // The "Context:" line of the information boxes.
    std::string contextline(const char* ownformat, const char* foreignformat) const;
    // The comment when it fits beside lines already used on the screen.
    bool commentfits(int width, int usedlines) const;
};

constexpr int editbuffersize = 1051;

// The editor's shared state: the changed flag and the version kept by
// beginedit (one editor at a time).  The kept parser's code refers to the
// kept store, so both come back together.
struct editsave {
    bool changed = false;
    char* text = nullptr;          // 1051 bytes, allocated once
    int16_t nargs = 0;
    int16_t nvalues = 0;
    parser* keptparser = nullptr;
    varman* keptvars = nullptr;
    char argletters[limits::arglistlength + 1] = {};
    bool wasimplemented = false;
    // The comment before the edit.
    bool hadnote = false;
    std::string note;
};
extern editsave editstate;
