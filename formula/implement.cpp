#include <cstdint>

#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/hooks.h"
#include "formula/parser.h"
#include "formula/slist.h"
#include "formula/tokens.h"
#include "formula/varman.h"

static bool listed(const reflist& list, const void* object)
{
    for (const slistnode* node = list.headnode(); node; node = node->next)
        if (node->payload == object)
            return true;
    return false;
}

// A top-level implementation starts a new pass: the called components of
// the last pass are forgotten.
static void startpass(fu* owner)
{
    if (shared.compiling || shared.implementing || shared.passmode == 0)
        return;
    shared.called->clear();
    if (owner)
        shared.called->append(owner);
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

bool parser::implement()
{
    if (!isimplemented())
        return false;
    startpass(owner);
    if (shared.passmode != 0)
        shared.passmode = 2;
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
            print.addrecord(printglobal, at.take().variable->value);
            break;
        case tk::FEED_STATIC:
        case tk::FEED_CONST:
            print.addrecord(printvalue, at.take().variable->value);
            break;
        case tk::ASSIGN_STATIC:
        case tk::ASSIGN_GLOBAL:
            print.addbyte(static_cast<uint8_t>(at.take().letter));
            break;
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
