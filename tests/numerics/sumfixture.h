// The summation menu on the headless front over a formula of its own, as
// a calculator would give it: the formula in its letters, the index the
// first of them.
#pragma once

#include <functional>
#include <string>

#include "calculator/funm.h"
#include "numerics/sumenviron.h"
#include "objects/sumrecord.h"
#include "tests/objects/libfixture.h"
#include "tests/screen/editrun.h"

struct sumfront : libdir {
    sumrecord record;
    bool returned = false;
    hostrun run;

    // Runs the menu on the keys, then after (in the same run); false when
    // the formula does not compile.
    bool menu(const char* formula, const char* letters, const std::string& keys,
              std::function<void()> after = nullptr)
    {
        bool compiled = false;
        run = rundialogue(keys, [&] {
            open();
            funm f;
            f.setformula(formula, letters);
            if (!(compiled = f.implement(1, 0)))
                return;
            futerm term(&f);
            sumcalc c;
            c.record = &record;
            c.term = &term;
            c.base = {formula, letters, letters[0], 1};
            returned = sumenviron(c);
            if (after)
                after();
        });
        return compiled;
    }
    std::string screen(const std::string& dump) const { return dumptext(run, dump); }
    bool shows(const std::string& dump, const std::string& part) const
    {
        return screen(dump).find(part) != std::string::npos;
    }
};
