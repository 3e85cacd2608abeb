// The evaluator: runs a parser's code on the shared value stack.
#include <atomic>
#include <cmath>
#include <cstring>
#include <string>

#include "formula/appendf.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/funcerror.h"
#include "formula/mathlib.h"
#include "formula/objectcalls.h"
#include "formula/parser.h"
#include "formula/report.h"
#include "formula/runtimeerror.h"
#include "formula/smallfuncs.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "formula/varman.h"

namespace {
constexpr double divisionbyzero = 1e300;

double notimplemented(const parser* p)
{
    std::string box;
    appendf(box, "\n UNEXPECTED ERROR\n\r parser::calc#0 called for: \n\r this=%p \n\r isimplemented()=%d\n",
            static_cast<const void*>(p), int(p->isimplemented()));
    report(reportkind::message, box);
    shared.error = evalinternal;
    return 0.0;
}

// The stack cannot take what the code pushes: a runtime error.
void stackfull(const parser* p)
{
    reportstackspace(fullnameof(p->owner, "formula"));
    shared.error = evalruntime;
}

void calllevelerror(const parser* p)
{
    shared.error = evalruntime;
    reportcalllevel(shared.calllimit, fullnameof(p->owner, "formula"));
    shared.errorcode = errcalllevel;
}

// k rounded, as an index from 1 to n; 0 when outside.
int pick(double k, int n)
{
    int i = builtin::toint(builtin::roundnear(k), 0, n + 1);
    return i <= n ? i : 0;
}

void endmismatch()
{
    report(reportkind::message, "\n ERROR in parser::calc#0 \n\r PA_END exit reached with avalptr != top \n");
}
}

// Locals: top mirrors shared.top, which is written back before a handler
// or a call runs and read again after.
double parser::calc(double* args)
{
    if (!isimplemented())
        return notimplemented(this);
    double* top = shared.top;
    double* const last = shared.valuestack + shared.valuecapacity - 1;
    calcframe f{this, args, top, top, top + 1, rpncursor(code)};
    rpncursor cur = f.cur;

#define PUSH(v)                 \
    do {                        \
        if (top >= last)        \
            goto full;          \
        double pushed = (v);    \
        *++top = pushed;        \
    } while (0)
#define ROOM(n)                  \
    do {                         \
        if (last - top < (n))    \
            goto full;           \
    } while (0)

    for (;;) {
        if (shared.error.load(std::memory_order_relaxed))
            goto failed;
        switch (cur.next()) {
        case tk::FEED_ARG_1: PUSH(args[0]); break;
        case tk::FEED_ARG_2: PUSH(args[1]); break;
        case tk::FEED_ARG_3: PUSH(args[2]); break;
        case tk::FEED_ARG_4: PUSH(args[3]); break;
        case tk::FEED_ARG_5: PUSH(args[4]); break;
        case tk::FEED_ARG_NR: PUSH(args[cur.take().index]); break;
        case tk::FEED_CONSTANT: PUSH(cur.take().constant); break;
        case tk::FEED_GLOBAL:
        case tk::FEED_STATIC:
        case tk::FEED_CONST: PUSH(cur.take().variable->value); break;
        case tk::FEED_AUTO: PUSH(f.entry[cur.take().index]); break;
        case tk::FEED_ASSUME_NR: PUSH(f.assumed[cur.take().index]); break;
        case tk::FEED_D0:
        case tk::FEED_D1:
        case tk::FEED_D2:
        case tk::FEED_D3: PUSH(d[cur.token[0] - tk::FEED_D0]); break;
        case tk::FEED_ANSWER: PUSH(answer); break;
        case tk::FEED_RCL: PUSH(memory); break;
        case tk::FEED_SUBLEVEL: PUSH(shared.calllevel); break;
        case tk::FEED_MAXSUBLVL: PUSH(shared.calllimit); break;
        case tk::FEED_STACKUSED: PUSH(double(top + 1 - shared.valuestack) - 1); break;
        case tk::FEED_STACKLEFT: PUSH(double(last - (top + 1))); break;

        case tk::PLUS: --top; *top += top[1]; break;
        case tk::MINUS: --top; *top += -top[1]; break;
        case tk::TIMES: --top; *top *= top[1]; break;
        case tk::DIVIDE:
            --top;
            *top = top[1] == 0.0 ? divisionbyzero : *top / top[1];
            break;
        case tk::POWER: --top; *top = mathlib::pow(top[0], top[1]); break;
        case tk::CHANGE_SIGN: *top = -*top; break;
        case tk::SQUARE: *top *= *top; break;

        // The common functions, ahead of the handler table.
        case tk::ABSOLUTE_VALUE: *top = std::fabs(*top); break;
        case tk::SQUARE_ROOT: *top = mathlib::sqrt(*top); break;
        case tk::EXP: *top = mathlib::exp(*top); break;
        case tk::LN: *top = mathlib::log(*top); break;
        case tk::LOG: *top = mathlib::log10(*top); break;
        case tk::SIN: *top = mathlib::sin(*top); break;
        case tk::COS: *top = mathlib::cos(*top); break;
        case tk::TAN: *top = mathlib::tan(*top); break;
        case tk::ARCTAN: *top = mathlib::atan(*top); break;
        case tk::HYP_TAN: *top = mathlib::tanh(*top); break;

        case tk::STO: memory = *top; break;
        case tk::ASSIGN_STATIC: cur.take().variable->value = *top; break;
        case tk::ASSIGN_GLOBAL: {
            varrecord* v = cur.take().variable;
            v->value = *top;
            v->cls = classglobal;
            nextserial();
            break;
        }
        case tk::ASSIGN_TO_AUTO: f.entry[cur.take().index] = *top; break;
        case tk::ASSIGN_TO_ARG: args[cur.take().index] = *top; break;

        case tk::SEMICOLON: top = f.statement - 1; break;
        case tk::BACKSLASH: --top; break;
        case tk::MAKE_AUTOSPACE: {
            short n = cur.take().index;
            ROOM(n);
            top += n;
            f.assumed += n;
            f.statement += n;
            break;
        }
        case tk::ASSUME: {
            short n = cur.take().argc;
            ROOM(n);
            double* r = f.statement;
            std::memmove(r + n, r, (top - r + 1) * sizeof(double));
            std::memcpy(r, top + 1, n * sizeof(double));
            top += n;
            f.statement += n;
            break;
        }
        case tk::FEED_ASSUMEVALS: {
            const operand& c = cur.take();
            ROOM(c.valc);
            for (short i = 0; i < c.valc; i++)
                *++top = f.assumed[c.argc + i];
            break;
        }
        case tk::NTH_ARGUMENT: {
            int k = pick(*top, int(f.entry - args));
            if (k)
                *top = args[k - 1];
            else
                reportfuncerror(functext, "ntharg", "Nonexisting argument referenced", 1, *top);
            break;
        }
        case tk::NTH_ASSUMED_VAL: {
            int k = pick(*top, int(f.statement - f.assumed - 1));
            if (k)
                *top = f.assumed[k];
            else
                reportfuncerror(functext, "nthass", "Nonexisting assume##-reference used ", 1, *top);
            break;
        }
        case tk::ASSERT:
            if (*top < 0.5) {
                reportassert(*this, *top);
                shared.error = evalruntime;
            }
            break;
        case tk::DOMAINCHECK:
            if (*top == 0.0) {
                reportbadargs(*this, args);
                shared.error = evalruntime;
            }
            break;

        case tk::CALL_USER_FUNC:
        case tk::CALL_MULTIFUNC: {
            const operand& c = cur.take();
            if (shared.calllevel >= shared.calllimit) {
                calllevelerror(this);
                break;
            }
            ROOM(1);
            double* p = top - (c.argc - 1);
            ++shared.calllevel;
            shared.top = top + 1;  // the callee's entry slot
            if (cur.token[0] == tk::CALL_USER_FUNC) {
                *p = objectcall().tcalc(c.object, p);
                --shared.calllevel;
                top = p;
                break;
            }
            double* values = objectcall().mcalc(c.object, p);
            --shared.calllevel;
            ROOM(c.valc - c.argc);
            std::memmove(p, values, c.valc * sizeof(double));
            top = p + c.valc - 1;
            break;
        }

        case tk::END:
            if (f.statement != top)
                endmismatch();
            shared.result = top;
            answer = *top;
            shared.top = top - 1;
            return answer;
        case tk::ENDMULTI:
            shared.top = f.entry;
            shared.result = f.statement;
            answer = *f.statement;
            return answer;
        case tk::ABORT:
            report(reportkind::unexpected, " parser::calc#0 encounters PA_ABORT token ");
            shared.top = top;
            answer = *top;
            return answer;

        default:
            // A handler may push one value (AND and OR of no values do).
            if (top >= last)
                goto full;
            shared.top = top;
            f.cur = cur;
            gettokenhandler(*cur.token)(f);
            cur = f.cur;
            top = shared.top;
            break;
        }
    }
#undef PUSH
#undef ROOM

full:
    stackfull(this);
failed:
    shared.top = top;
    reportcalltrace(*this, args);
    shared.result = f.statement;
    return 0.0;
}
