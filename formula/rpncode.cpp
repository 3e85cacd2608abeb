#include "formula/rpncode.h"

#include <cstring>
#include <new>

#include "formula/execform.h"
#include "formula/tokens.h"

operand operand::ofconstant(double value)
{
    operand c{};
    c.constant = value;
    return c;
}

operand operand::ofindex(short index)
{
    operand c{};
    c.index = index;
    return c;
}

operand operand::ofvariable(varrecord* record, char letter)
{
    operand c{};
    c.variable = record;
    c.letter = letter;
    return c;
}

operand operand::ofcall(fu* object, short argc, short valc)
{
    operand c{};
    c.object = object;
    c.argc = argc;
    c.valc = valc;
    return c;
}

operand operand::offunction(short argc, short valc)
{
    operand c{};
    c.index = argc;
    c.argc = argc;
    c.valc = valc;
    return c;
}

operand operand::ofassumed(short first, short count)
{
    operand c{};
    c.argc = first;
    c.valc = count;
    return c;
}

unsigned char* emptystream()
{
    static unsigned char abort = tk::ABORT;
    return &abort;
}

rpncode::rpncode()
    : tokens(emptystream()), operands(nullptr), tokencap(0), operandcap(0), compilerword(0)
{
}

rpncode::~rpncode()
{
    clear();
}

void rpncode::clear()
{
    dropform();
    if (!isempty())
        delete[] tokens;
    delete[] operands;
    tokens = emptystream();
    operands = nullptr;
    tokencap = operandcap = 0;
}

void rpncode::dropform()
{
    delete form;
    form = nullptr;
}

bool rpncode::store(const unsigned char* tok, int ntok, const operand* ops, int nops)
{
    constexpr int most = 65535;
    if (ntok < 1 || ntok > most || nops < 0 || nops > most) {
        clear();
        return false;
    }
    if (isempty() || tokencap < ntok) {
        clear();
        tokens = new (std::nothrow) unsigned char[ntok];
        if (!tokens) {
            tokens = emptystream();
            return false;
        }
        tokencap = static_cast<unsigned short>(ntok);
    }
    if (nops > operandcap) {
        delete[] operands;
        operands = new (std::nothrow) operand[nops];
        operandcap = operands ? static_cast<unsigned short>(nops) : 0;
        if (!operands) {
            clear();
            return false;
        }
    }
    dropform();
    std::memcpy(tokens, tok, ntok);
    if (nops)
        std::memcpy(operands, ops, nops * sizeof(operand));
    return true;
}
