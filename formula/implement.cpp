#include <cstdint>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/hooks.h"
#include "formula/parser.h"
#include "formula/services.h"
#include "formula/slist.h"
#include "formula/tokens.h"
#include "formula/usagerefs.h"
#include "formula/varman.h"

static bool listed(const reflist& list, const void* object)
{
    for (const slistnode* node = list.headnode(); node; node = node->next)
        if (node->payload == object)
            return true;
    return false;
}

// A top-level implementation starts a new pass: the called components and
// the variable references of the last pass are forgotten.
static void startpass(fu* owner)
{
    if (shared.compiling || shared.implementing || shared.passmode == 0)
        return;
    shared.called->clear();
    if (owner)
        shared.called->append(owner);
    usagerefs().clear();
    --shared.passmode;
}

static bool readycallee(fu* callee)
{
    if (listed(*shared.called, callee))
        return true;
    shared.called->append(callee);
    shared.implementing = 1;
    return readyobject(callee);
}

static void lowbyte(fingerprint& print, long value)
{
    print.addbyte(static_cast<uint8_t>(value & 0xff));
}

// The storage class of the variable that a FEED or ASSIGN token names.
static char variableclass(int token)
{
    switch (token) {
    case tk::FEED_GLOBAL:
    case tk::ASSIGN_GLOBAL: return classglobal;
    case tk::FEED_CONST: return classconst;
    default: return classstatic;
    }
}

static void notready(diagnostics& dia, fu* callee)
{
    dia.set(31, diagstate::component, 0, "    component \"%s\" not ready \n\r", fullname(callee).c_str());
    dia.object = callee;
}

bool parser::implement()
{
    if (!isimplemented())
        return false;
    startpass(owner);
    if (shared.passmode != 0)
        shared.passmode = 2;
    diagnostics& dia = diag ? *diag : globaldiagnostics();
    fingerprint& print = *shared.print;
    rpncursor at(code);
    for (;;) {
        int token = at.next();
        switch (token) {
        case tk::END:
        case tk::ENDMULTI:
        case tk::ABORT:
            shared.implementing = 0;
            diag = nullptr;
            return token != tk::ABORT;
        case tk::FEED_GLOBAL:
        case tk::FEED_STATIC:
        case tk::FEED_CONST: {
            const operand& cell = at.take();
            usagerefs().addref(cell.letter, true, false, variableclass(token), owner);
            print.addrecord(token == tk::FEED_GLOBAL ? printglobal : printvalue, cell.variable->value);
            break;
        }
        case tk::ASSIGN_STATIC:
        case tk::ASSIGN_GLOBAL: {
            const operand& cell = at.take();
            usagerefs().addref(cell.letter, false, true, variableclass(token), owner);
            print.addbyte(static_cast<uint8_t>(cell.letter));
            break;
        }
        case tk::FEED_CONSTANT:
            print.addrecord(printvalue, at.take().constant);
            break;
        case tk::FEED_ASSUMEVALS: {
            const operand& cell = at.take();
            lowbyte(print, cell.argc);
            lowbyte(print, cell.valc);
            break;
        }
        case tk::CALL_USER_FUNC:
        case tk::CALL_MULTIFUNC: {
            fu* callee = at.take().object;
            if (!readycallee(callee)) {
                notready(dia, callee);
                shared.implementing = 0;
                diag = nullptr;
                return false;
            }
            lowbyte(print, reinterpret_cast<intptr_t>(callee));
            break;
        }
        case tk::FEED_ARG_NR:
        case tk::FEED_AUTO:
        case tk::FEED_ASSUME_NR:
        case tk::ASSIGN_TO_AUTO:
        case tk::ASSIGN_TO_ARG:
            lowbyte(print, at.take().index);
            break;
        default:
            if (takescell(token))
                at.take();
        }
    }
}
