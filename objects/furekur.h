// The recursion object: a loop of an initializing part, a while condition
// at the head and an until condition at the foot of every iteration, a
// body, an evaluation part that gives the values once the loop has ended,
// and an iteration limit.  All six share the object's letters and store;
// the evaluation part recalls the iteration count with rcl.
#pragma once

#include <cstdint>

#include "objects/compositefu.h"

class markset;
class slotcomp;

class furekur : public compositefu {
public:
    furekur();
    furekur(const furekur& source);
    ~furekur() override;

    int countvalues() override;
    bool implement(uint8_t force, uint16_t level) override;
    bool recordfingerprint() override;
    bool listcode() override;
    fu1* clone() const override;
    double tcalc(double* args) override;
    double* mcalc(double* args) override;
    void edittitle() override;
    bool edititems(attrlines& lines) override;
    bool beginedit() override;
    bool restoreedit(uint8_t withparser) override;
    bool commitedit() override;
    const char* shortname() const override { return "Recursion"; }
    bool makeslots() override;
    const char* longname() const override { return " Recursion object "; }
    bool complete() override;

    int typenumber() const override { return typeids::furekur; }
    const char* tag() const override { return "@@FUREKUR"; }
    void save(std::ostream& out) override;
    bool learn(std::istream& in) override;
    int show() override;
    int edit() override;

    // The components in the order of the fields.
    enum { ini, itermax, whilepart, body, untilpart, evalpart, slots };
    slotcomp* slot[slots] = {};

    // Kind 1 a runtime error, 2 too many loops (error byte 3 always);
    // shows its box within the report budget; 0.0.
    double reporterror(int kind, uint64_t count);
    // The limit that the value of itermax gives: 0 none, at most 4e9,
    // truncated toward zero, a negative value modulo 2^32, NaN none.
    static uint32_t iterationlimit(double value);

    // Label, help line, editor key and record key of each component.
    struct slotinfo {
        const char* label;
        const char* help;
        char key;
        const char* recordkey;
    };
    static const slotinfo info[slots];
    // The body was read under "@FORMULA" (older records) and is written so.
    bool formulakey = false;

private:
    void labelslots();
    bool compileall(markset& marks, int mode);
    // Runs the initializing part and the loop, counting the iterations;
    // false after a failure that is reported.  strict: a pending stop ends
    // the run too.
    bool runloop(double* args, bool strict, uint64_t& iterations);
    bool proceed(bool strict) const;

    slotcomp* kept[slots] = {};
};
