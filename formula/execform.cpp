#include "formula/execform.h"

#include <algorithm>
#include <cmath>

#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/runsum.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "formula/varman.h"
#include "math/mathlib.h"
#include "math/smallpower.h"

namespace {

// Values a handler token takes (it leaves one); 0 for tokens that do not
// run in the form; -1: as many as its cell says.
int handlerarity(int code)
{
    switch (code) {
    case tk::ARCSIN: case tk::ARCCOS: case tk::HYP_SIN: case tk::HYP_COS:
    case tk::HYP_ARCCOS: case tk::HYP_ARCSIN: case tk::HYP_ARCTAN: case tk::CUBIC_ROOT:
    case tk::BESSEL_J0: case tk::BESSEL_J1: case tk::BESSEL_Y0: case tk::BESSEL_Y1:
    case tk::TRUNCATE: case tk::ROUND_DOWN: case tk::ROUND_UP: case tk::ROUND:
    case tk::DECIMAL_PART: case tk::SIGN: case tk::RANDOM_NUMBER: case tk::SQRPART:
    case tk::BOOL: case tk::NOT: case tk::GAMMA: case tk::FACTORIAL: case tk::LNGAMMA:
    case tk::LNFACTORIAL: case tk::ERROR_INTEGRAL: case tk::LN1PX: case tk::EXPM1:
        return 1;
    case tk::ATAN2: case tk::BESSEL_JN: case tk::BESSEL_YN: case tk::EQUAL: case tk::NOT_EQUAL:
    case tk::LESS_THAN: case tk::LESS_EQUAL: case tk::GREATER_THAN: case tk::GREATER_EQUAL:
    case tk::EXCLUSIVE_OR: case tk::NCR: case tk::REMAINDER:
        return 2;
    case tk::BETWEEN: case tk::X_BETWEEN: case tk::LX_BETWEEN: case tk::RX_BETWEEN:
        return 3;
    case tk::MINIMUM: case tk::MAXIMUM: case tk::LOGIC_AND: case tk::LOGIC_OR:
        return -1;
    default:
        return 0;
    }
}

// The library functions the form runs itself; they test the error after.
xo::code functionop(int code)
{
    switch (code) {
    case tk::SQUARE_ROOT: return xo::SQRT;
    case tk::EXP: return xo::EXP;
    case tk::LN: return xo::LN;
    case tk::LOG: return xo::LOG;
    case tk::SIN: return xo::SIN;
    case tk::COS: return xo::COS;
    case tk::TAN: return xo::TAN;
    case tk::ARCTAN: return xo::ATAN;
    case tk::HYP_TAN: return xo::TANH;
    default: return xo::count;
    }
}

// The library's own function behind each, for folding: where it returns
// a plain value the guarded call returns the same without an error.
double (*functionof(xo::code op))(double)
{
    switch (op) {
    case xo::SQRT: return [](double x) { return std::sqrt(x); };
    case xo::EXP: return [](double x) { return std::exp(x); };
    case xo::LN: return [](double x) { return std::log(x); };
    case xo::LOG: return [](double x) { return std::log10(x); };
    case xo::SIN: return [](double x) { return std::sin(x); };
    case xo::COS: return [](double x) { return std::cos(x); };
    case xo::TAN: return [](double x) { return std::tan(x); };
    case xo::ATAN: return [](double x) { return std::atan(x); };
    default: return [](double x) { return std::tanh(x); };
    }
}

// Operations that never call a function, on no way.
bool callsnothing(int code)
{
    return (code < xo::LOADPOWA && code != xo::POW) || code == xo::NEG || code == xo::SQUARE || code == xo::ABS ||
           code == xo::POLL || code == xo::END;
}

// The arithmetic exactly as the general loop computes it.
double arithmetic(int token, double a, double b)
{
    switch (token) {
    case tk::PLUS: return a + b;
    case tk::MINUS: return a + -b;
    case tk::TIMES: return a * b;
    default: return b == 0.0 ? divisionbyzero : a / b;
    }
}

// The form under construction; depth counts the values above the entry
// slot as the source code leaves them.  A token the form does not cover
// throws false: the whole code then runs in the general loop.
struct builder {
    execform& form;
    int depth = 0;

    xop& last(int back = 1) { return form.ops[form.ops.size() - back]; }
    bool constantat(int back)
    {
        if (int(form.ops.size()) < back)
            return false;
        unsigned short c = last(back).code;
        return c == xo::LOADK || c == xo::PUSHK;
    }

    void emit(xo::code code, double k = 0, int n = 0)
    {
        xop op{};
        op.code = code;
        op.k = k;
        op.n = n;
        form.ops.push_back(op);
    }
    void emitpointer(xo::code code, const double* p)
    {
        xop op{};
        op.code = code;
        op.p = p;
        form.ops.push_back(op);
    }

    // A push; kind 0 argument n, 1 constant k, 2 pointer p.
    void push(int kind, double k, int n, const double* p)
    {
        xo::code code = xo::code((depth ? xo::PUSHA : xo::LOADA) + kind);
        if (kind == 2)
            emitpointer(code, p);
        else
            emit(code, k, n);
        depth++;
        form.room = std::max(form.room, depth);
    }

    // PLUS, MINUS, TIMES, DIVIDE.
    void binary(int token)
    {
        int slot = token - tk::PLUS;
        depth--;
        if (constantat(1) && constantat(2)) {
            double b = last().k;
            form.ops.pop_back();
            last().k = arithmetic(token, last().k, b);
            return;
        }
        xop& top = last();
        if (top.code >= xo::PUSHA && top.code <= xo::PUSHP) {
            top.code = xo::code(xo::ADDA + 4 * (top.code - xo::PUSHA) + slot);
            fuse();
            return;
        }
        if (top.code == xo::PUSHPOWA) {
            top.code = xo::code(xo::ADDPOWA + slot);
            return;
        }
        if (top.code == xo::PUSHKMULA && (token == tk::PLUS || token == tk::MINUS)) {
            top.code = token == tk::PLUS ? xo::ADDKMULA : xo::SUBKMULA;
            return;
        }
        emit(xo::code(xo::ADD + slot));
    }

    // Pairs and runs of fused operations.
    void fuse()
    {
        xop& top = last();
        if (form.ops.size() < 2)
            return;
        xop& before = last(2);
        if (top.code == xo::MULA && (before.code == xo::LOADK || before.code == xo::PUSHK)) {
            before.code = before.code == xo::LOADK ? xo::LOADKMULA : xo::PUSHKMULA;
            before.n = top.n;
            form.ops.pop_back();
        } else if ((top.code == xo::ADDK || top.code == xo::SUBK) && before.code == xo::MULA) {
            before.code = top.code == xo::ADDK ? xo::MULAADDK : xo::MULASUBK;
            before.k2 = top.k;
            form.ops.pop_back();
        } else if (top.code == xo::ADDA && before.code == xo::ADDA && top.n == before.n) {
            before.code = xo::ADDRUNA;
            before.k2 = 2;
            form.ops.pop_back();
        } else if (top.code == xo::ADDA && before.code == xo::ADDRUNA && top.n == before.n) {
            before.k2 += 1;
            form.ops.pop_back();
        }
    }

    void power()
    {
        depth--;
        double r;
        if (constantat(1) && constantat(2) && smallpower(last(2).k, last().k, r)) {
            form.ops.pop_back();
            last().k = r;
            return;
        }
        xop& top = last();
        if (top.code != xo::PUSHK) {
            emit(xo::POW);
            return;
        }
        xop& base = last(2);
        if ((top.k == 2.0 || top.k == 3.0) && (base.code == xo::LOADA || base.code == xo::PUSHA)) {
            base.code = base.code == xo::LOADA ? xo::LOADPOWA : xo::PUSHPOWA;
            base.k2 = top.k;
            form.ops.pop_back();
            return;
        }
        top.code = top.k == 1.0 ? xo::POW1 : top.k == 2.0 ? xo::POW2 : top.k == 3.0 ? xo::POW3 : xo::POWK;
    }

    // CHANGE SIGN, SQUARE, ABSOLUTE VALUE: no error, no effect.
    void unary(xo::code op)
    {
        if (!constantat(1)) {
            emit(op);
            return;
        }
        double& k = last().k;
        k = op == xo::NEG ? -k : op == xo::SQUARE ? k * k : std::fabs(k);
    }

    // A library function folds when the library returns a plain value,
    // which it does without an error; the error test stays.
    void function(xo::code op)
    {
        if (constantat(1)) {
            double r = functionof(op)(last().k);
            if (mathlib::plain(r)) {
                last().k = r;
                emit(xo::POLL);
                return;
            }
        }
        emit(op);
    }

    void handler(const rpncursor& at, int arity)
    {
        if (arity < 0)
            arity = at.cell->argc;
        // The general loop makes room for one push before every handler.
        form.room = std::max(form.room, depth + 1);
        if (depth < arity || depth == 0)
            throw false;
        depth += 1 - arity;
        const handlerentry& entry = gettokenentry(*at.token);
        xop op{};
        if (entry.unary) {
            op.code = xo::FN1;
            op.unary = entry.unary;
        } else if (entry.binary) {
            op.code = xo::FN2;
            op.binary = entry.binary;
        } else if (entry.list) {
            op.code = xo::FNLIST;
            op.list = entry.list;
            op.n = arity;
        } else {
            emit(xo::HANDLER, 0, int(form.cursors.size()));
            form.cursors.push_back(at);
            return;
        }
        form.ops.push_back(op);
    }

    void step(const parser& p, rpncursor& cur, int token)
    {
        switch (token) {
        case tk::FEED_ARG_1: case tk::FEED_ARG_2: case tk::FEED_ARG_3: case tk::FEED_ARG_4:
        case tk::FEED_ARG_5:
            return push(0, 0, token - tk::FEED_ARG_1, nullptr);
        case tk::FEED_ARG_NR: return push(0, 0, cur.take().index, nullptr);
        case tk::FEED_CONSTANT: return push(1, cur.take().constant, 0, nullptr);
        case tk::FEED_GLOBAL: case tk::FEED_STATIC: case tk::FEED_CONST:
            return push(2, 0, 0, &cur.take().variable->value);
        case tk::FEED_D0: case tk::FEED_D1: case tk::FEED_D2: case tk::FEED_D3:
            return push(2, 0, 0, &p.d[token - tk::FEED_D0]);
        case tk::FEED_ANSWER: return push(2, 0, 0, &p.answer);
        case tk::FEED_RCL: return push(2, 0, 0, &p.memory);
        case tk::PLUS: case tk::MINUS: case tk::TIMES: case tk::DIVIDE:
            if (depth < 2)
                throw false;
            return binary(token);
        case tk::POWER:
            if (depth < 2)
                throw false;
            return power();
        }
        if (depth < 1)
            throw false;
        switch (token) {
        case tk::CHANGE_SIGN: return unary(xo::NEG);
        case tk::SQUARE: return unary(xo::SQUARE);
        case tk::ABSOLUTE_VALUE: return unary(xo::ABS);
        case tk::END:
            if (depth != 1)
                throw false;
            return emit(xo::END);
        }
        if (xo::code op = functionop(token); op != xo::count)
            return function(op);
        if (int arity = handlerarity(token)) {
            rpncursor at = cur;
            if (takescell(token))
                cur.take();
            return handler(at, arity);
        }
        throw false;
    }
};
}

namespace {
// An argument pushed and then added to itself n - 1 times: the sum of n
// copies, from its table where one exists.
void fuseruns(std::vector<xop>& ops)
{
    for (size_t i = 1; i < ops.size(); i++) {
        xop& push = ops[i - 1];
        const xop& run = ops[i];
        if (run.code != xo::ADDRUNA || (push.code != xo::LOADA && push.code != xo::PUSHA) || push.n != run.n)
            continue;
        const runsum* table = runsum::get(int(run.k2) + 1);
        if (!table)
            continue;
        push.code = push.code == xo::LOADA ? xo::LOADSUMA : xo::PUSHSUMA;
        push.run = table;
        ops.erase(ops.begin() + std::ptrdiff_t(i));
    }
}
}

void translate(execform& form, const parser& p)
{
    form = execform{};
    builder b{form};
    rpncursor cur(p.code);
    try {
        for (;;) {
            int token = cur.next();
            b.step(p, cur, token);
            if (token == tk::END)
                break;
        }
        fuseruns(form.ops);
        form.usable = true;
        // the arguments above the two bottom slots, the entry slot, the room
        form.toplimit = shared.valuecapacity - 2 - form.room;
        form.leaf = std::all_of(form.ops.begin(), form.ops.end(), [](const xop& o) { return callsnothing(o.code); });
    } catch (bool) {
        form = execform{};
    }
}
