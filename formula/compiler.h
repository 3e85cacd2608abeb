// The compiler's working state for one compilation: the scanner that cuts
// the formula text into tokens and the table-driven shift-reduce parser
// that emits RPN code into the shared buffers.
#pragma once

#include <cstdint>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/namesused.h"
#include "formula/nfv.h"
#include "formula/rpncode.h"

class parser;
class markset;

// Token kinds that the scanner returns (9 and 15 are not used).
namespace kind {
constexpr int plus = 0, minus = 1, times = 2, divide = 3, power = 4, comma = 5;
constexpr int open = 6, close = 7, operand = 8, function = 10, end = 11;
constexpr int error = 12, separator = 13, assignment = 14;
constexpr int multifunction = 16, multioperand = 17, backslash = 18;
}

// Operand kinds besides an RPN token code.
namespace opkind {
constexpr char variable = 'R', number = 'S', assumed = 'U', assumerange = 'V';
constexpr char object = '[', multiobject = '\\', rkref = 5;
}

// The rule message of a function with any number of arguments; null when
// n arguments are fine.
const char* checkargcount(const char* name, int n);

class compiler {
public:
    compiler(parser& p, const char* text, const char* letters, int mode);
    // The formula type; the parser's value count is set.
    int16_t run();

private:
    // scanner.cpp
    int scantoken();
    int scanoperator();
    int scannumber();
    int scanname();
    int scanletter(char letter);
    int scanassume();
    int scanrkref();
    int scanlongname(const char* name, int selector);
    int countarguments(bool& brackets);
    int predefined(const char* name, int argc, int selector, bool brackets);
    int notfound(const char* name, int argc, int valuecount);
    void calltarget(fu* target);
    bool declaredletter(char letter);
    varrecord* variablerecord(char letter);
    int scanerror(int code, int position, const char* format, ...)
        __attribute__((format(printf, 4, 5)));

    // declarations.cpp
    bool declarations();
    bool declaregroup(char cls);
    bool declarearguments();

    // grammar.cpp
    bool parse();
    void step(int state);
    void expectoperand(int state);
    void shift(int state);
    void reduce(int rule);
    void endstatement();
    compileentry reducecall();
    compileentry reduceassign();
    int transition(int rule);
    void push(const compileentry& e, int state);
    compileentry pop();
    void setpending(int n);

    // codegen.cpp
    void compilenum();
    void compilevariable(char letter);
    void compileassign(char letter);
    void emitargument(int index);
    void emittoken(int token);
    void emitcell(const operand& cell);
    void fail(int code, int16_t state, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    void issuedia(int code, char letter);

    // compile.cpp
    bool prologue();
    int16_t classify() const;
    int16_t finish(int marker);

    parser& p;
    diagnostics& dia;
    markset& marks;
    const char* letters;
    int mode;

    const char* text = nullptr;   // the compiler's copy
    bracketpairs paired;          // the brackets of the copy
    int pos = 0;                  // scan position
    int tokenstart = 0;
    int kind = 0;                 // kind of the lookahead token
    compileentry item{};          // the lookahead token's item
    namesused names;
    char operandkind = 0;
    operand cell{};
    int top = -1;                 // compile-stack top
    int ntokens = 0;              // last written token byte
    int ncells = 0;               // cells written
    int pending = 0;
    int assumecount = 0;
    int autos = 0;
    int valuecount = 0;
    bool stop = false;
    bool nothingshifted = true;
    bool constant = true;
    bool objectcall = false;
    bool derivative = false;
    bool accepted = false;
};
