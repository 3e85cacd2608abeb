// Compiled code: a stream of token bytes (tk::code) and a parallel stream
// of operand cells, read with one cursor each.  Byte 0 of the token stream
// holds ABORT and is never executed: readers advance first, then read.  Only
// the tokens with a cell kind (cellof) consume a cell, strictly in order.
#pragma once

class fu;
struct execform;
struct varrecord;

// One operand cell.  Which fields a token uses follows from cellof(token):
//   constant  constant
//   variable  variable (the record in a varman), letter
//   index     index (signed)
//   call      object, argc, valc
//   function  index = argc, argc, valc
//   assumed   argc = first assumed slot, valc = number of values
struct operand {
    union {
        double constant;
        varrecord* variable;
        fu* object;
        short index;
    };
    short argc;
    short valc;
    char letter;

    static operand ofconstant(double value);
    static operand ofindex(short index);
    static operand ofvariable(varrecord* record, char letter);
    static operand ofcall(fu* object, short argc, short valc);
    static operand offunction(short argc, short valc);
    static operand ofassumed(short first, short count);
};
static_assert(sizeof(void*) <= 8 && sizeof(operand) == 16);

// The shared one-byte stream of every parser that holds no code.
unsigned char* emptystream();

struct rpncode {
    unsigned char* tokens;      // owned unless it is emptystream()
    operand* operands;          // owned; null when there are none
    unsigned short tokencap;
    unsigned short operandcap;
    unsigned short compilerword;  // kept for the compiler's own use
    // The evaluator's translation (execform.h), made on the first run and
    // dropped whenever the code changes; owned.
    execform* form = nullptr;

    rpncode();
    ~rpncode();
    rpncode(const rpncode&) = delete;
    rpncode& operator=(const rpncode&) = delete;

    bool isempty() const { return tokens == emptystream(); }
    // Copies ntok token bytes (byte 0 included) and nops cells into the own
    // streams, reusing them when they are large enough.  False when memory
    // fails or a count exceeds 16 bits; the code is then empty.
    bool store(const unsigned char* tok, int ntok, const operand* ops, int nops);
    // Frees the streams; the code is empty afterwards.
    void clear();

private:
    void dropform();
};

// Reads code the way every reader does: next() advances and reads a token,
// take() consumes the next cell.
struct rpncursor {
    const unsigned char* token;
    const operand* cell;

    explicit rpncursor(const rpncode& code) : token(code.tokens), cell(code.operands) {}
    int next() { return *++token; }
    const operand& take() { return *cell++; }
};
