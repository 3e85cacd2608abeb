// The recursion object: a loop of an initializing part, a while condition
// at the head and an until condition at the foot of every iteration, a
// body, an evaluation part that gives the values once the loop has ended,
// and an iteration limit.  All six share the object's letters and store;
// the evaluation part recalls the iteration count with rcl.
#pragma once

#include <cstdint>

#include "objects/compositeslots.h"

class markset;

class furekur : public compositeslots {
public:
    furekur();

    int countvalues() override;
    bool implement(uint8_t force, uint16_t level) override;
    bool listcode() override;
    fu1* clone() const override;
    double tcalc(double* args) override;
    double* mcalc(double* args) override;
    void edittitle() override;
    const char* shortname() const override { return "Recursion"; }
    bool makeslots() override;
    const char* longname() const override { return " Recursion object "; }

    int typenumber() const override { return typeids::furekur; }
    const char* tag() const override { return "@@FUREKUR"; }
    int show() override;

    // The components in the order of the editor, the view page, the code
    // menu, the fingerprint and the record.
    enum { ini, whilepart, body, untilpart, evalpart, itermax, slots };

    // Kind 1 a runtime error, 2 too many loops (error byte 3 always);
    // shows its box within the report budget; 0.0.
    double reporterror(int kind, uint64_t count);
    // The limit that the value of itermax gives: 0 none, at most 4e9,
    // truncated toward zero, a negative value modulo 2^32, NaN none.
    static uint32_t iterationlimit(double value);

protected:
    // Longer argument lists are cut to the letters a function takes.
    bool learnargline(std::istream& in) override;

private:
    bool compileall(markset& marks, int mode);
    // Runs the initializing part and the loop, counting the iterations;
    // false after a failure that is reported.  strict: a pending stop ends
    // the run too.
    bool runloop(double* args, bool strict, uint64_t& iterations);
    bool proceed(bool strict) const;
};
