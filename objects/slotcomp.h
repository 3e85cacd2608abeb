// One formula of a composite object: its text, its compiled parser or the
// value it folds to, its value count, its stamp and the labels that name it
// in the dialogues.  Components compile with one shared spare parser and
// swap parsers with it, so that a recompile allocates none.
#pragma once

#include <cstdint>
#include <iosfwd>

#include "base/limits.h"
#include "base/listnode.h"
#include "objects/saveable.h"
#include "objects/viewable.h"

class fu;
class linelist;
class markset;
class parser;

class slotcomp : public saveable, public viewable, public listnode {
public:
    slotcomp();
    // A copy of source (failed set for a null source): text, labels and
    // value count; no parser code, not current.
    explicit slotcomp(const slotcomp* source);
    slotcomp(const slotcomp&) = delete;
    slotcomp& operator=(const slotcomp&) = delete;
    ~slotcomp() override;

    void assign(const slotcomp* source);
    // A text buffer for n characters; the old text is not kept.
    bool reserve(int n);
    bool settext(const char* formula);

    int16_t countvalues();
    bool compile(int mode, markset* marks);
    double value(double* args);
    double* values(double* args);
    // Hands the compiled state to the global fingerprint.
    bool implement();
    bool iscurrent() const;
    void setcurrent();
    void setnotcurrent() { stamp = 0; }

    // One line of the owner's record: the formula text.
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;
    const char* tag() const override { return "@SLOTCOMP"; }
    // "<label>: " and the formula, for the composite kinds' view pages.
    void print(linelist& lines) const;
    int show() override;
    int edit() override;

    // Deletes the spare parser (it lives until the program ends otherwise,
    // and with it the shared state).
    static void dropspare();

    const char* formula() const { return text ? text : ""; }
    const char* caption() const { return description ? description : label; }

    uint8_t mode = 0;        // 0 not compiled, 1 code in parser, 2 folded constant
    double constant = 0;
    uint8_t failed = 0;
    char* text = nullptr;    // owned
    int16_t capacity = 0;
    parser* code = nullptr;  // owned
    uint32_t stamp = 0;
    int16_t nvalues = 0;
    fu* owner = nullptr;
    const char* label = nullptr;
    const char* description = nullptr;

private:
    bool compiletext(int mode);
    void postcompile();
    void fold(parser& p);
};

// Copies of the n components of source into slot for a copy of their owner
// (a missing component stays missing); false at the first that fails, the
// copies made so far staying in slot.
bool copycomponents(slotcomp* const* source, slotcomp** slot, int n, fu* owner);

// Argument letters that, when not empty, replace the owner's letters for
// the next component compile (a kind's letters plus its summation index or
// integration parameter).
extern char extraargs[limits::arglistlength + 2];
// Set by a component edit during a composite object's edit.
extern bool componentedited;

// The question at the end or undo of a composite edit: mode 0 confirms the
// discard, 1 after a good, 2 after a failed implementation.  The key.
int exitchoice(int mode);
