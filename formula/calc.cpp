// The evaluator: runs a parser's code on the shared value stack.
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <new>
#include <string>

#include "base/report.h"
#include "formula/appendf.h"
#include "formula/evalstate.h"
#include "formula/execform.h"
#include "formula/fingerprint.h"
#include "formula/objectcalls.h"
#include "formula/parser.h"
#include "formula/runsum.h"
#include "formula/runtimeerror.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "formula/varman.h"
#include "math/funcerror.h"
#include "math/mathlib.h"
#include "math/smallfuncs.h"
#include "math/smallpower.h"

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

// Here, so that the evaluator's own test is inlined.
bool parser::isimplemented() const
{
    return stamp != 0 && stamp == shared.implstamp;
}

namespace {
#if defined(__x86_64__)
// The exact products by the processor's fused multiply-subtract where it
// has one: the same products as Dekker's, sooner.  Written as the
// instruction, so that it runs inline in a loop built without fma.
struct fusedproduct {
    static double product(double a, double b, double& e)
    {
        double p = a * b;
        e = p;
        asm("vfmsub231sd %2, %1, %0" : "+x"(e) : "x"(a), "x"(b));  // e = a b - p
        return p;
    }
    static double rounded(double v)
    {
        asm("" : "+x"(v));  // keeps the compiler from fusing it with a sum
        return v;
    }
};

const bool hasfma = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("fma") != 0;
}();

// x^y for y 2 or 3 by smallpower, its exact products by fma where it can.
inline bool fastsmallpower(double x, double y, double& r)
{
    return hasfma ? smallpowerby<fusedproduct>(x, y, r) : smallpower(x, y, r);
}
#else
inline bool fastsmallpower(double x, double y, double& r)
{
    return smallpower(x, y, r);
}
#endif

// n copies of x added one by one: by the run's table where it reaches.
double sumofrun(const runsum& run, double x)
{
    double s;
    if (run.sum(x, s))
        return s;
    s = x;
    for (int i = run.copies(); i > 1; --i)
        s = s + x;
    return s;
}

// The library's power where the exact products cannot decide.
[[gnu::cold, gnu::noinline]] double coldpow(double x, double y)
{
    return mathlib::powguarded(x, y);
}

// x^y for y 2 or 3, as the power token computes it; false when the
// error test after it fails.
inline bool argumentpower(double x, double y, double& r)
{
    if (y == 2.0 ? fastsmallpower(x, 2.0, r) : fastsmallpower(x, 3.0, r))
        return true;
    r = coldpow(x, y);
    return !shared.error.load(std::memory_order_relaxed);
}

// The code's translation, made on its first run; null when memory fails.
execform* formof(parser& p)
{
    if (!p.code.form) {
        p.code.form = new (std::nothrow) execform;
        if (p.code.form)
            translate(*p.code.form, p);
    }
    return p.code.form;
}
}

// Both loops go on with NEXT after a token that cannot fail; after the
// others they test the error first, which also sees a break from the
// window thread.
#define CHECKNEXT                                         \
    do {                                                  \
        if (shared.error.load(std::memory_order_relaxed)) \
            goto failed;                                  \
        NEXT;                                             \
    } while (0)

// The general loop, for code that the execution form does not cover.
// Locals: top mirrors shared.top, which is written back before a handler
// or a call runs and read again after.
double parser::calcloop(double* args)
{
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
    op_FEED_D3: PUSH(d[cur.token[0] - tk::FEED_D0]); NEXT;
    op_FEED_ANSWER: PUSH(answer); NEXT;
    op_FEED_RCL: PUSH(memory); NEXT;
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

    op_STO: memory = *top; NEXT;
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
            reportassert(*this, *top);
            shared.error = evalruntime;
        }
        CHECKNEXT;
    op_DOMAINCHECK:
        if (*top == 0.0) {
            reportbadargs(*this, args);
            shared.error = evalruntime;
        }
        CHECKNEXT;

    op_CALL_USER_FUNC:
    op_CALL_MULTIFUNC: {
        const operand& c = cur.take();
        if (shared.calllevel >= shared.calllimit) {
            calllevelerror(this);
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
        answer = *top;
        shared.top = top - 1;
        return answer;
    op_ENDMULTI:
        if (shared.error.load(std::memory_order_relaxed))
            goto failed;
        shared.top = f.entry;
        shared.result = f.statement;
        answer = *f.statement;
        return answer;
    op_ABORT:
        if (shared.error.load(std::memory_order_relaxed))
            goto failed;
        report(reportkind::unexpected, " parser::calc#0 encounters PA_ABORT token ");
        shared.top = top;
        answer = *top;
        return answer;

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
#undef INLINETOKENS
#undef ROOM

full:
    stackfull(this);
failed:
    shared.top = top;
    reportcalltrace(*this, args);
    shared.result = f.statement;
    return 0.0;
}

// A handler token of the form: the stack as the general loop leaves it
// for the handler, the new top slot back.
double* parser::formhandler(const execform& form, int n, double* args, double* entry, double* t, double acc)
{
    *t = acc;
    shared.top = t;
    calcframe f{this, args, entry, entry, entry + 1, form.cursors[n]};
    gettokenhandler(*f.cur.token)(f);
    return shared.top;
}

// An error in the form: the state the general loop leaves.
[[gnu::noinline]] double parser::formfailed(double* args, double* entry, double* t, double acc)
{
    if (t > entry)
        *t = acc;
    shared.top = t;
    reportcalltrace(*this, args);
    shared.result = entry + 1;
    return 0.0;
}

namespace {
// The jumps of the form to the labels of the interpreter that runs it.
void threadform(const execform& form, const void* const* labels)
{
    for (const xop& o : form.ops)
        o.jump = labels[o.code];
    form.threaded = true;
}
}

// Both interpreters: the top value is in acc, the values below it on the
// shared stack up to t, the slot of the top value.  The error is tested
// after the same source tokens as in the general loop.
#define DISPATCH goto* op->jump
#define NEXT      \
    do {          \
        ++op;     \
        DISPATCH; \
    } while (0)
#define DIVIDED(a, b) ((b) == 0.0 ? divisionbyzero : (a) / (b))
#define POWERED(a, b)                    \
    do {                                 \
        double r;                        \
        if (fastsmallpower(a, b, r)) {   \
            acc = r;                     \
            NEXT;                        \
        }                                \
        acc = coldpow(a, b);             \
        CHECKNEXT;                       \
    } while (0)
// The library function straight, its guarded call where the value is not
// plain: that call computes the same value again and handles the error.
#define LIBRARY(fn)                                     \
    do {                                                \
        double r = std::fn(acc);                        \
        acc = mathlib::plain(r) ? r : mathlib::fn(acc); \
        CHECKNEXT;                                      \
    } while (0)

// The jumps set on the first run, the first operation.
#define START                                         \
    if (!form.threaded)                               \
        threadform(form, labels);                     \
    double* t = entry;                                \
    double acc = 0.0;                                 \
    const xop* op = form.ops.data();                  \
    if (shared.error.load(std::memory_order_relaxed)) \
        goto failed;                                  \
    DISPATCH

// Runs the form with the arguments at args from the entry slot.
double parser::runform(const execform& form, double* args, double* entry)
{
    static const void* const labels[] = {
        &&LOADA, &&LOADK, &&LOADP, &&PUSHA, &&PUSHK, &&PUSHP, &&ADD, &&SUB, &&MUL, &&DIV, &&POW,
        &&ADDA, &&SUBA, &&MULA, &&DIVA, &&ADDK, &&SUBK, &&MULK, &&DIVK, &&ADDP, &&SUBP, &&MULP, &&DIVP,
        &&LOADKMULA, &&PUSHKMULA, &&ADDKMULA, &&SUBKMULA, &&MULAADDK, &&MULASUBK, &&ADDRUNA, &&LOADSUMA, &&PUSHSUMA,
        &&LOADPOWA, &&PUSHPOWA, &&ADDPOWA, &&SUBPOWA, &&MULPOWA, &&DIVPOWA, &&POW1, &&POW2, &&POW3, &&POWK,
        &&NEG, &&SQUARE, &&ABS, &&SQRT, &&EXP, &&LN, &&LOG, &&SIN, &&COS, &&TAN, &&ATAN, &&TANH,
        &&FN1, &&FN2, &&FNLIST, &&HANDLER, &&POLL, &&END,
    };
    static_assert(std::size(labels) == xo::count);
    START;

#include "formula/formops.inc"
LOADPOWA: {
    double r;
    bool ok = argumentpower(args[op->n], op->k2, r);
    t = entry + 1;
    acc = r;
    if (!ok)
        goto failed;
    NEXT;
}
PUSHPOWA: {
    double r;
    bool ok = argumentpower(args[op->n], op->k2, r);
    *t++ = acc;
    acc = r;
    if (!ok)
        goto failed;
    NEXT;
}
// The power first, as its own token: where it fails, the stack as it leaves it.
#define POWEROPERAND(combine)                                    \
    do {                                                         \
        double r;                                                \
        if (!argumentpower(args[op->n], op->k2, r)) {            \
            *t++ = acc;                                          \
            acc = r;                                             \
            goto failed;                                         \
        }                                                        \
        acc = combine;                                           \
        NEXT;                                                    \
    } while (0)
ADDPOWA: POWEROPERAND(acc + r);
SUBPOWA: POWEROPERAND(acc + -r);
MULPOWA: POWEROPERAND(acc * r);
DIVPOWA: POWEROPERAND(DIVIDED(acc, r));
#undef POWEROPERAND
POW1:  // pow(x, 1) is x for a plain x: its error stays below one ulp
    if (mathlib::plain(acc))
        NEXT;
    acc = mathlib::powguarded(acc, 1.0);
    CHECKNEXT;
POW2: POWERED(acc, 2.0);
POW3: POWERED(acc, 3.0);
POW: {  // any exponent: the library's pow is the common way
    double a = *--t, b = acc;
    if (fastsmallpower(a, b, acc))
        NEXT;
    acc = mathlib::powguarded(a, b);
    CHECKNEXT;
}
POWK: {  // not 1, 2 or 3: what smallpower would refuse, straight to the library
    double r = std::pow(acc, op->k);
    acc = mathlib::plain(r) ? r : mathlib::powguarded(acc, op->k);
    CHECKNEXT;
}
SQRT: LIBRARY(sqrt);
EXP: LIBRARY(exp);
LN: LIBRARY(log);
LOG: LIBRARY(log10);
SIN: LIBRARY(sin);
COS: LIBRARY(cos);
TAN: LIBRARY(tan);
ATAN: LIBRARY(atan);
TANH: LIBRARY(tanh);
// A handler's plain function, on the stack as the handler would find it.
FN1:
    *t = acc;
    shared.top = t;
    acc = op->unary(acc);
    CHECKNEXT;
FN2:
    *t = acc;
    shared.top = --t;
    acc = op->binary(*t, acc);
    CHECKNEXT;
FNLIST: {
    *t = acc;
    double* first = t - op->n + 1;
    shared.top = t;
    acc = op->list(op->n, first);
    t = first;
    CHECKNEXT;
}
HANDLER:
    t = formhandler(form, op->n, args, entry, t, acc);
    acc = *t;
    CHECKNEXT;

failed:
    return formfailed(args, entry, t, acc);
}

// Runs a form of operations that call no function: as runform, without
// saving the registers a call would take.
double parser::runleaf(const execform& form, double* args, double* entry)
{
    static const void* const labels[] = {
        &&LOADA, &&LOADK, &&LOADP, &&PUSHA, &&PUSHK, &&PUSHP, &&ADD, &&SUB, &&MUL, &&DIV, &&other,
        &&ADDA, &&SUBA, &&MULA, &&DIVA, &&ADDK, &&SUBK, &&MULK, &&DIVK, &&ADDP, &&SUBP, &&MULP, &&DIVP,
        &&LOADKMULA, &&PUSHKMULA, &&ADDKMULA, &&SUBKMULA, &&MULAADDK, &&MULASUBK, &&ADDRUNA, &&LOADSUMA, &&PUSHSUMA,
        &&other, &&other, &&other, &&other, &&other, &&other, &&other, &&other, &&other, &&other,
        &&NEG, &&SQUARE, &&ABS, &&other, &&other, &&other, &&other, &&other, &&other, &&other, &&other, &&other,
        &&other, &&other, &&other, &&other, &&POLL, &&END,
    };
    static_assert(std::size(labels) == xo::count);
    START;

#include "formula/formops.inc"
other:
    __builtin_unreachable();

failed:
    return formfailed(args, entry, t, acc);
}
#undef DISPATCH
#undef NEXT
#undef CHECKNEXT
#undef DIVIDED
#undef POWERED
#undef LIBRARY
#undef START

// Runs the code's execution form when it covers the code and the stack
// has the room it needs, else the general loop.
double parser::calc(double* args)
{
    if (!isimplemented())
        return notimplemented(this);
    execform* fp = formof(*this);
    if (!fp || !fp->usable || fp->room > shared.valuestack + shared.valuecapacity - 1 - shared.top)
        return calcloop(args);
    return fp->leaf ? runleaf(*fp, args, shared.top) : runform(*fp, args, shared.top);
}
