// Code of operands and assignments, and the emission into the shared
// buffers.
#include <cstdarg>

#include "base/report.h"
#include "formula/compiler.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/rkshape.h"
#include "formula/tokens.h"
#include "formula/usagerefs.h"
#include "formula/varman.h"

void compiler::fail(int code, int16_t state, const char* format, ...)
{
    stop = true;
    if (dia.iserror())
        return;
    va_list args;
    va_start(args, format);
    dia.vset(code, state, tokenstart, format, args);
    va_end(args);
}

void compiler::issuedia(int code, char letter)
{
    switch (code) {
    case 33:
        dia.set(code, diagstate::syntax, tokenstart, " \"_\" is allowed only as part of a larger name ");
        break;
    case 42:
        dia.set(code, diagstate::syntax, tokenstart, "Syntax error in the variable declaration part! \n\r");
        break;
    case 43:
        dia.set(code, diagstate::semantic, tokenstart,
                " Attempt to redeclare an argument ('%c') as a variable ", letter);
        break;
    case 44:
        dia.set(code, diagstate::semantic, tokenstart,
                " Attempt to redeclare variable '%c' with a different type \n\r (first declaration was as #%s) ",
                letter, markset::classname(char(marks.classof(letter))));
        break;
    case 62:
        dia.set(code, diagstate::warning, tokenstart,
                " Undeclared variable '%c'. It will be treated as \"#global\" ", letter);
        return;
    default:
        reportf(reportkind::unexpected, "\n Error of unknown type %d encountered in parser::issuedia \n", code);
        return;
    }
    stop = true;
}

varrecord* compiler::variablerecord(char letter)
{
    int cls = marks.classof(letter);
    if (cls == classglobal)
        return shared.globals->record(letter);
    if ((cls == classstatic || cls == classconst) && p.vars)
        return p.vars->record(letter);
    return nullptr;
}

void compiler::emittoken(int token)
{
    // Room is kept for the closing END tokens.
    if (ntokens + 3 >= shared.buffersize) {
        fail(13, diagstate::stack, " Compilation stack overflowed. Compilation aborted! ");
        return;
    }
    shared.tokenbuffer[++ntokens] = (unsigned char)token;
}

void compiler::emitcell(const operand& c)
{
    if (ncells + 2 >= shared.buffersize) {
        fail(13, diagstate::stack, " Compilation stack overflowed. Compilation aborted! ");
        return;
    }
    shared.operandbuffer[ncells++] = c;
}

// Argument slot i: FEED ARG 1 to 5 for the first five, else FEED ARG Nr.
void compiler::emitargument(int index)
{
    constant = false;
    if (index < 5) {
        emittoken(tk::FEED_ARG_1 + index);
        return;
    }
    emitcell(operand::ofindex(short(index)));
    emittoken(tk::FEED_ARG_NR);
}

namespace {
operand withletter(operand c, char letter)
{
    c.letter = letter;
    return c;
}
}

void compiler::compilenum()
{
    const rkshape& shape = installedrkshape();
    switch ((unsigned char)operandkind) {
    case tk::FEED_RCL:
    case tk::FEED_ANSWER:
    case tk::FEED_SUBLEVEL:
    case tk::FEED_STACKUSED:
    case tk::FEED_STACKLEFT:
    case tk::FEED_MAXSUBLVL:
        constant = false;
        return emittoken((unsigned char)operandkind);
    case opkind::rkref:
        return emitargument(cell.index);
    case tk::PLUS:  // "arc"
        if (!(shape.arclength && shape.second))
            return fail(67, diagstate::syntax,
                        " Symbol \"arc\" is reserved for use in clipper formulae, where \n\r the reference calculator must be in RKA-mode ! ");
        return emitargument(0);
    case tk::FEED_D0:
    case tk::FEED_D1:
    case tk::FEED_D2:
    case tk::FEED_D3:
        derivative = true;
        constant = false;
        return emittoken((unsigned char)operandkind);
    case opkind::number:  // numbers and named constants
        emitcell(cell);
        return emittoken(tk::FEED_CONSTANT);
    case opkind::variable:
        return compilevariable(cell.letter);
    case opkind::assumed:
        if (cell.index > assumecount)
            return fail(47, diagstate::syntax,
                        " Undefined assume##-value referenced \n\r There have only %d values been defined yet ",
                        assumecount);
        emitcell(cell);
        return emittoken(tk::FEED_ASSUME_NR);
    case opkind::assumerange:
        if (cell.argc + cell.valc - 1 > assumecount)
            return fail(47, diagstate::syntax,
                        " Found assume##-reference to squares %d..%d \n\r But there have been only %d values defined ",
                        cell.argc, cell.argc + cell.valc - 1, assumecount);
        emitcell(cell);
        return emittoken(tk::FEED_ASSUMEVALS);
    case opkind::object:
    case opkind::multiobject:
        objectcall = true;
        emitcell(cell);
        return emittoken(operandkind == opkind::object ? tk::CALL_USER_FUNC : tk::CALL_MULTIFUNC);
    default:
        fail(28, diagstate::internal, " Unexpected: reached case 30 with error flag not set ");
    }
}

void compiler::compilevariable(char letter)
{
    int cls = marks.classof(letter);
    marks.markreferenced(letter);
    constant = false;
    switch (cls) {
    case classauto:
        if (!marks.varcontrol(letter))
            return fail(38, diagstate::semantic, " Undefined auto-variable '%c' referenced ", letter);
        emitcell(withletter(operand::ofindex(short(marks.autoindex(letter) + 1)), letter));
        return emittoken(tk::FEED_AUTO);
    case classconst:
    case classglobal:
    case classstatic:
        usagerefs().addref(letter, true, false, char(cls), p.owner);
        emitcell(operand::ofvariable(variablerecord(letter), letter));
        return emittoken(cls == classconst ? tk::FEED_CONST : cls == classglobal ? tk::FEED_GLOBAL : tk::FEED_STATIC);
    case classargument: {
        const rkshape& shape = installedrkshape();
        int index = marks.argindex(letter);
        if (shape.order > 0 && letter != shape.independent) {
            index += shape.order * shape.dimension;
            if (shape.arclength && shape.second)
                ++index;
        }
        return emitargument(index);
    }
    default:
        stop = true;
        reportf(reportkind::unexpected,
                "\n Unexpected error in compilenum:\n\r varcontrol returns '%c' for character '%c'\n ",
                cls, letter);
    }
}

void compiler::compileassign(char letter)
{
    constant = false;
    int cls = marks.classof(letter);
    switch (cls) {
    case classauto:
        emitcell(withletter(operand::ofindex(short(marks.autoindex(letter) + 1)), letter));
        emittoken(tk::ASSIGN_TO_AUTO);
        break;
    case classconst:
        return fail(39, diagstate::semantic,
                    " Attempt to assign a value to the #const-variable '%c' \n\r", letter);
    case classglobal:
    case classstatic:
        usagerefs().addref(letter, false, true, char(cls), p.owner);
        emitcell(operand::ofvariable(variablerecord(letter), letter));
        emittoken(cls == classglobal ? tk::ASSIGN_GLOBAL : tk::ASSIGN_STATIC);
        break;
    case classargument:
        emitcell(withletter(operand::ofindex(short(marks.argindex(letter))), letter));
        return emittoken(tk::ASSIGN_TO_ARG);
    default:
        stop = true;
        reportf(reportkind::unexpected,
                "\n Unexpected error in compileassign:\n\r varcontrol returns '%c' for character '%c'\n ",
                cls, letter);
        return;
    }
    marks.markassigned(letter);
}
