// Hand-assembled code and a small user object for the evaluator tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/objectcalls.h"
#include "formula/parser.h"
#include "formula/tokens.h"

// A parser that holds the given code and counts as implemented.
struct program : parser {
    program(std::vector<unsigned char> tokens = {tk::END}, std::vector<operand> cells = {})
    {
        load(std::move(tokens), std::move(cells));
    }
    void load(std::vector<unsigned char> tokens, std::vector<operand> cells = {})
    {
        tokens.insert(tokens.begin(), tk::ABORT);
        code.store(tokens.data(), int(tokens.size()), cells.data(), int(cells.size()));
        stamp = shared.implstamp;
    }
};

// Stands in for a user object of the object family: a name, an argument
// count and a formula that it owns.
struct testobject {
    std::string name;
    short argc;
    program* formula;

    testobject(std::string n, short a, program* f) : name(std::move(n)), argc(a), formula(f)
    {
        f->owner = asfu();
    }

    fu* asfu() { return reinterpret_cast<fu*>(this); }
    static testobject* of(const fu* f) { return reinterpret_cast<testobject*>(const_cast<fu*>(f)); }

    // The program's own calls, kept at the first install.
    static const objectcalls& original()
    {
        static const objectcalls calls = objectcall();
        return calls;
    }
    static void uninstall() { setobjectcalls(original()); }
    static void install()
    {
        original();
        setobjectcalls({
            [](fu* f, double* args) { return of(f)->formula->calc(args); },
            [](fu* f, double* args) {
                of(f)->formula->calc(args);
                return shared.result;
            },
            [](const fu* f) { return of(f)->name.c_str(); },
            [](const fu* f) { return of(f)->name.c_str(); },
            [](const fu* f) { return of(f)->argc; },
        });
    }
};

// A sink that answers every report with one key.
struct keysink : reportsink {
    int key;
    std::vector<std::string> texts;
    explicit keysink(int k) : key(k) { setreportsink(this); }
    ~keysink() override { setreportsink(nullptr); }
    int report(reportkind, const std::string& text, const char*, int) override
    {
        texts.push_back(text);
        return key;
    }
};

struct evaluator : ::testing::Test {
    parser keeper;  // holds the shared state
    void SetUp() override
    {
        testobject::install();
        shared.reportswitch = 1;
        clearrecordedreports();
    }
    void TearDown() override { testobject::uninstall(); }
    static int reportscontaining(const char* text)
    {
        int n = 0;
        for (const reportentry& r : recordedreports())
            n += r.text.find(text) != std::string::npos;
        return n;
    }
};

inline operand cst(double v) { return operand::ofconstant(v); }
inline operand idx(short i) { return operand::ofindex(i); }
inline operand fn(short argc, short valc = 1) { return operand::offunction(argc, valc); }
