// The evaluator as it was before its execution form: the differential
// test's reference.  parser::calc must agree with it bit for bit.
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <string>

#include "base/report.h"
#include "formula/appendf.h"
#include "formula/evalstate.h"
#include "formula/execform.h"
#include "formula/fingerprint.h"
#include "formula/objectcalls.h"
#include "formula/parser.h"
#include "formula/runtimeerror.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "formula/varman.h"
#include "math/funcerror.h"
#include "math/mathlib.h"
#include "math/smallfuncs.h"
#include "math/smallpower.h"
#include "referencecalc.h"

namespace {

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
    report(reportkind::fault, "\n ERROR in parser::calc#0 \n\r PA_END exit reached with avalptr != top \n");
}
}

// The tokens the evaluator runs itself; every other one goes to its handler.
#define INLINETOKENS(X) \
    X(FEED_ARG_1) X(FEED_ARG_2) X(FEED_ARG_3) X(FEED_ARG_4) X(FEED_ARG_5) X(FEED_ARG_NR) \
    X(FEED_CONSTANT) X(FEED_GLOBAL) X(FEED_STATIC) X(FEED_CONST) X(FEED_AUTO) \
    X(FEED_ASSUME_NR) X(FEED_D0) X(FEED_D1) X(FEED_D2) X(FEED_D3) X(FEED_ANSWER) X(FEED_RCL) \
    X(FEED_SUBLEVEL) X(FEED_MAXSUBLVL) X(FEED_STACKUSED) X(FEED_STACKLEFT) X(PLUS) X(MINUS) \
    X(TIMES) X(DIVIDE) X(POWER) X(CHANGE_SIGN) X(SQUARE) X(ABSOLUTE_VALUE) X(SQUARE_ROOT) \
    X(EXP) X(LN) X(LOG) X(SIN) X(COS) X(TAN) X(ARCTAN) X(HYP_TAN) X(STO) X(ASSIGN_STATIC) \
    X(ASSIGN_GLOBAL) X(ASSIGN_TO_AUTO) X(ASSIGN_TO_ARG) X(SEMICOLON) X(BACKSLASH) \
    X(MAKE_AUTOSPACE) X(ASSUME) X(FEED_ASSUMEVALS) X(NTH_ARGUMENT) X(NTH_ASSUMED_VAL) \
    X(ASSERT) X(DOMAINCHECK) X(CALL_USER_FUNC) X(CALL_MULTIFUNC) X(END) X(ENDMULTI) X(ABORT)

namespace {
// Token code -> place in the jump table; 0 is the handler call.
constexpr std::array<unsigned char, 256> inlineslots = [] {
    std::array<unsigned char, 256> slots{};
#define SLOT(t) slots[tk::t] = ++n;
    unsigned char n = 0;
    INLINETOKENS(SLOT)
#undef SLOT
    return slots;
}();

// The jump table by token code, from the labels in slot order.
std::array<const void*, 256> spread(const void* const* labels)
{
    std::array<const void*, 256> jumps;
    for (int code = 0; code < 256; code++)
        jumps[code] = labels[inlineslots[code]];
    return jumps;
}
}

// Locals: top mirrors shared.top, which is written back before a handler
// or a call runs and read again after.
double referencecalc(parser& self, double* args)
{
    if (!self.isimplemented())
        return notimplemented(&self);
    double* top = shared.top;
    double* const last = shared.valuestack + shared.valuecapacity - 1;
    calcframe f{&self, args, top, top, top + 1, rpncursor(self.code)};
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

    // Threaded dispatch: every token jumps to the next one's code itself.
    // Tokens that cannot fail go on at once; the others test the error
    // first, which also sees a break from the window thread.
    static const void* const labels[] = {
#define LABEL(t) &&op_##t,
        &&other, INLINETOKENS(LABEL)
#undef LABEL
    };
    static const std::array<const void*, 256> jumps = spread(labels);
#define NEXT goto* jumps[cur.next()]
#define CHECKNEXT                                       \
    do {                                                \
        if (shared.error.load(std::memory_order_relaxed)) \
            goto failed;                                \
        NEXT;                                           \
    } while (0)

    if (shared.error.load(std::memory_order_relaxed))
        goto failed;
    NEXT;

    op_FEED_ARG_1: PUSH(args[0]); NEXT;
    op_FEED_ARG_2: PUSH(args[1]); NEXT;
    op_FEED_ARG_3: PUSH(args[2]); NEXT;
    op_FEED_ARG_4: PUSH(args[3]); NEXT;
    op_FEED_ARG_5: PUSH(args[4]); NEXT;
    op_FEED_ARG_NR: PUSH(args[cur.take().index]); NEXT;
    op_FEED_CONSTANT: PUSH(cur.take().constant); NEXT;
    op_FEED_GLOBAL:
    op_FEED_STATIC:
    op_FEED_CONST: PUSH(cur.take().variable->value); NEXT;
    op_FEED_AUTO: PUSH(f.entry[cur.take().index]); NEXT;
    op_FEED_ASSUME_NR: PUSH(f.assumed[cur.take().index]); NEXT;
    op_FEED_D0:
    op_FEED_D1:
    op_FEED_D2:
    op_FEED_D3: PUSH(self.d[cur.token[0] - tk::FEED_D0]); NEXT;
    op_FEED_ANSWER: PUSH(self.answer); NEXT;
    op_FEED_RCL: PUSH(self.memory); NEXT;
    op_FEED_SUBLEVEL: PUSH(shared.calllevel); NEXT;
    op_FEED_MAXSUBLVL: PUSH(shared.calllimit); NEXT;
    op_FEED_STACKUSED: PUSH(double(top + 1 - shared.valuestack) - 1); NEXT;
    op_FEED_STACKLEFT: PUSH(double(last - (top + 1))); NEXT;

    op_PLUS: --top; *top += top[1]; NEXT;
    op_MINUS: --top; *top += -top[1]; NEXT;
    op_TIMES: --top; *top *= top[1]; NEXT;
    op_DIVIDE:
        --top;
        *top = top[1] == 0.0 ? divisionbyzero : *top / top[1];
        NEXT;
    op_POWER:
        --top;
        if (smallpower(top[0], top[1], *top))
            NEXT;
        *top = mathlib::powguarded(top[0], top[1]);
        CHECKNEXT;
    op_CHANGE_SIGN: *top = -*top; NEXT;
    op_SQUARE: *top *= *top; NEXT;

    // The common functions, ahead of the handler table.
    op_ABSOLUTE_VALUE: *top = std::fabs(*top); NEXT;
    op_SQUARE_ROOT: *top = mathlib::sqrt(*top); CHECKNEXT;
    op_EXP: *top = mathlib::exp(*top); CHECKNEXT;
    op_LN: *top = mathlib::log(*top); CHECKNEXT;
    op_LOG: *top = mathlib::log10(*top); CHECKNEXT;
    op_SIN: *top = mathlib::sin(*top); CHECKNEXT;
    op_COS: *top = mathlib::cos(*top); CHECKNEXT;
    op_TAN: *top = mathlib::tan(*top); CHECKNEXT;
    op_ARCTAN: *top = mathlib::atan(*top); CHECKNEXT;
    op_HYP_TAN: *top = mathlib::tanh(*top); CHECKNEXT;

    op_STO: self.memory = *top; NEXT;
    op_ASSIGN_STATIC: cur.take().variable->value = *top; NEXT;
    op_ASSIGN_GLOBAL: {
        varrecord* v = cur.take().variable;
        v->value = *top;
        v->cls = classglobal;
        nextserial();
        CHECKNEXT;
    }
    op_ASSIGN_TO_AUTO: f.entry[cur.take().index] = *top; NEXT;
    op_ASSIGN_TO_ARG: args[cur.take().index] = *top; NEXT;

    op_SEMICOLON: top = f.statement - 1; NEXT;
    op_BACKSLASH: --top; NEXT;
    op_MAKE_AUTOSPACE: {
        short n = cur.take().index;
        ROOM(n);
        top += n;
        f.assumed += n;
        f.statement += n;
        NEXT;
    }
    op_ASSUME: {
        short n = cur.take().argc;
        ROOM(n);
        double* r = f.statement;
        std::memmove(r + n, r, (top - r + 1) * sizeof(double));
        std::memcpy(r, top + 1, n * sizeof(double));
        top += n;
        f.statement += n;
        NEXT;
    }
    op_FEED_ASSUMEVALS: {
        const operand& c = cur.take();
        ROOM(c.valc);
        for (short i = 0; i < c.valc; i++)
            *++top = f.assumed[c.argc + i];
        NEXT;
    }
    op_NTH_ARGUMENT: {
        int k = pick(*top, int(f.entry - args));
        if (k)
            *top = args[k - 1];
        else
            reportfuncerror(functext, "ntharg", "Nonexisting argument referenced", 1, *top);
        CHECKNEXT;
    }
    op_NTH_ASSUMED_VAL: {
        int k = pick(*top, int(f.statement - f.assumed - 1));
        if (k)
            *top = f.assumed[k];
        else
            reportfuncerror(functext, "nthass", "Nonexisting assume##-reference used ", 1, *top);
        CHECKNEXT;
    }
    op_ASSERT:
        if (*top < 0.5) {
            reportassert(self, *top);
            shared.error = evalruntime;
        }
        CHECKNEXT;
    op_DOMAINCHECK:
        if (*top == 0.0) {
            reportbadargs(self, args);
            shared.error = evalruntime;
        }
        CHECKNEXT;

    op_CALL_USER_FUNC:
    op_CALL_MULTIFUNC: {
        const operand& c = cur.take();
        if (shared.calllevel >= shared.calllimit) {
            calllevelerror(&self);
            CHECKNEXT;
        }
        ROOM(1);
        double* p = top - (c.argc - 1);
        ++shared.calllevel;
        shared.top = top + 1;  // the callee's entry slot
        if (cur.token[0] == tk::CALL_USER_FUNC) {
            *p = objectcall().tcalc(c.object, p);
            --shared.calllevel;
            top = p;
            CHECKNEXT;
        }
        double* values = objectcall().mcalc(c.object, p);
        --shared.calllevel;
        ROOM(c.valc - c.argc);
        std::memmove(p, values, c.valc * sizeof(double));
        top = p + c.valc - 1;
        CHECKNEXT;
    }

    op_END:
        if (shared.error.load(std::memory_order_relaxed))
            goto failed;
        if (f.statement != top)
            endmismatch();
        shared.result = top;
        self.answer = *top;
        shared.top = top - 1;
        return self.answer;
    op_ENDMULTI:
        if (shared.error.load(std::memory_order_relaxed))
            goto failed;
        shared.top = f.entry;
        shared.result = f.statement;
        self.answer = *f.statement;
        return self.answer;
    op_ABORT:
        if (shared.error.load(std::memory_order_relaxed))
            goto failed;
        report(reportkind::unexpected, " parser::calc#0 encounters PA_ABORT token ");
        shared.top = top;
        self.answer = *top;
        return self.answer;

    other:
        // A handler may push one value (AND and OR of no values do).
        if (top >= last)
            goto full;
        shared.top = top;
        f.cur = cur;
        gettokenhandler(*cur.token)(f);
        cur = f.cur;
        top = shared.top;
        CHECKNEXT;
#undef PUSH
#undef NEXT
#undef CHECKNEXT
#undef INLINETOKENS
#undef ROOM

full:
    stackfull(&self);
failed:
    shared.top = top;
    reportcalltrace(self, args);
    shared.result = f.statement;
    return 0.0;
}
