// The table-driven shift-reduce parser: 36 states on the shared compile
// stack, 20 reduction rules that emit the RPN code.
#include <initializer_list>

#include "formula/compiler.h"
#include "formula/functable.h"
#include "formula/tokens.h"

namespace {
bool among(int state, std::initializer_list<int> states)
{
    for (int s : states)
        if (s == state)
            return true;
    return false;
}

// Statement or argument start (A) and operand position (B).
bool isstart(int s) { return among(s, {0, 20, 31, 32, 35}); }
bool isoperandpos(int s) { return among(s, {9, 12, 13, 14, 15, 16}); }
bool isassignable(int s) { return among(s, {0, 32, 35}); }
bool isoperandstate(int s) { return among(s, {0, 5, 9, 12, 13, 14, 15, 16, 20, 31, 32, 35}); }
}

bool compiler::parse()
{
    push(compileentry{}, 0);
    if (stop)
        return false;
    kind = scantoken();
    pending = 0;
    while (!stop && !accepted)
        step(shared.compilestack[top].state);
    return accepted && !stop;
}

void compiler::push(const compileentry& e, int state)
{
    if (top + 1 >= shared.buffersize) {
        fail(13, diagstate::stack, " Compilation stack overflowed. Compilation aborted! ");
        return;
    }
    compileentry& slot = shared.compilestack[++top];
    slot = e;
    slot.state = (unsigned char)state;
}

compileentry compiler::pop()
{
    return top >= 0 ? shared.compilestack[top--] : compileentry{};
}

void compiler::setpending(int n)
{
    if (pending == 0)
        pending = n;
}

void compiler::shift(int state)
{
    if (stop)
        return;
    nothingshifted = false;
    push(item, state);
    if (!stop)
        kind = scantoken();
}

// States A and B: an operand, a function, a minus or a bracket is due.
void compiler::expectoperand(int state)
{
    bool start = isstart(state);
    bool assignable = isassignable(state);
    switch (kind) {
    case kind::assignment:
        if (assignable)
            return shift(32);
        return fail(19, diagstate::syntax,
                    " Misplaced assignment. \n\r Assignments may occur: At the beginning of a formula, \n\r behind a separator (comma or semicolon) at call level 0, \n\r or behind another assignment or a backslash. ");
    case kind::backslash:
        if (assignable)
            return shift(35);
        return fail(49, diagstate::syntax,
                    " Misplaced backslash (\"\\\") \n\r The backslash is allowed whereever assignments may stand: \n\r At the beginning of a formula, \n\r behind a separator (comma or semicolon) at call level 0, \n\r or behind an assignment or other backslash. ");
    case kind::multifunction:
    case kind::multioperand:
        if (!start)
            return fail(48, diagstate::syntax,
                        " Misplaced vector, multifunction call or multi-assume##-reference. \n\r Such multi-value tokens are allowed only: \n\r At the beginning of a new formula, \n\r behind a separator (comma or semicolon), \n\r behind the left parenthesis of a function call \n\r or an assignment. \n\r");
        if (kind == kind::multioperand)
            compilenum();
        setpending(item.cell.valc);
        return shift(kind == kind::multioperand ? 10 : 11);
    case kind::operand:
        setpending(1);
        compilenum();
        return shift(10);
    case kind::function:
        setpending(1);
        return shift(11);
    case kind::minus:
        setpending(1);
        return shift(5);
    case kind::open:
        return shift(9);
    case kind::end:
    case kind::separator:
        if (nothingshifted)
            return fail(21, diagstate::syntax,
                        " formula with no output value \n\r (there must be at least a constant, even if unused) ");
        return fail(20, diagstate::syntax, " Premature end of formula ");
    default:
        return fail(19, diagstate::syntax, " Expecting a constant or a name but found '%c' ",
                    pos > 0 ? text[pos - 1] : ' ');
    }
}

void compiler::step(int state)
{
    if (isstart(state) || isoperandpos(state))
        return expectoperand(state);
    switch (state) {
    case 1:
        if (kind == kind::end || kind == kind::separator || kind == kind::comma)
            return reduce(17);
        if (kind == kind::plus || kind == kind::minus)
            return shift(kind == kind::plus ? 12 : 13);
        return fail(22, diagstate::syntax, " Expecting an operator or end of formula \n\r");
    case 2:
    case 21:
    case 22:
        if (kind == kind::times || kind == kind::divide)
            return shift(kind == kind::times ? 14 : 15);
        return reduce(state == 2 ? 3 : state == 21 ? 1 : 2);
    case 3:
        return reduce(6);
    case 4:
        if (kind == kind::power)
            return shift(16);
        return reduce(8);
    case 5:
        if (kind == kind::operand) {
            compilenum();
            return shift(10);
        }
        if (kind == kind::function || kind == kind::open)
            return shift(kind == kind::function ? 11 : 9);
        return fail(23, diagstate::syntax,
                    " \"-\" must be followed by a constant, name or left parenthesis \n\r");
    case 6:
        return reduce(10);
    case 8:
        return reduce(12);
    case 17:
        return reduce(9);
    case 10:
        return reduce(kind == kind::power ? 10 : 15);
    case 11:
        if (kind == kind::open)
            return shift(20);
        return fail(24, diagstate::syntax, " Function name must be followed by a left parenthesis ");
    case 19:
        if (kind == kind::plus || kind == kind::minus)
            return shift(kind == kind::plus ? 12 : 13);
        if (kind == kind::close)
            return shift(27);
        return fail(26, diagstate::syntax, " Expecting  ) or +,-,*,/,^ \n\r");
    case 23: return reduce(4);
    case 24: return reduce(5);
    case 25: return reduce(7);
    case 27: return reduce(14);
    case 29: return reduce(16);
    case 28:
        if (kind == kind::plus || kind == kind::minus)
            return shift(kind == kind::plus ? 12 : 13);
        if (kind == kind::close || kind == kind::comma)
            return shift(kind == kind::close ? 29 : 31);
        return fail(27, diagstate::syntax, " Expecting  ),+,-,*,/,^ or a comma \n\r");
    case 30:
        return fail(28, diagstate::internal,
                    " Unexpected: reached case 30 with error flag not set ");
    case 33:
        return endstatement();
    case 34:
        return reduce(18);
    default:
        return fail(25, diagstate::internal, " Unexpected error, parser, case %d", state);
    }
}

void compiler::endstatement()
{
    if (kind == kind::end) {
        valuecount += pending;
        accepted = true;
    } else if (kind == kind::separator || kind == kind::comma) {
        reduce(kind == kind::separator ? 19 : 20);
        valuecount = kind == kind::separator ? 0 : valuecount + pending;
        pending = 0;
        if (!stop)
            kind = scantoken();
    } else {
        fail(28, diagstate::internal, " Unexpected: reached case 30 with error flag not set ");
    }
}

void compiler::reduce(int rule)
{
    compileentry result;
    switch (rule) {
    case 1: case 2: case 4: case 5: case 7: {
        pop();
        pop();
        result = pop();
        static const unsigned char ops[] = {0, tk::PLUS, tk::MINUS, 0, tk::TIMES, tk::DIVIDE, 0, tk::POWER};
        emittoken(ops[rule]);
        break;
    }
    case 9:
        result = pop();
        pop();
        emittoken(tk::CHANGE_SIGN);
        break;
    case 14:
        pop();
        result = pop();
        pop();
        break;
    case 16:
        result = reducecall();
        break;
    case 18:
        result = reduceassign();
        break;
    case 19:
    case 20:
        pop();
        result = pop();
        if (rule == 19)
            emittoken(tk::SEMICOLON);
        break;
    default:
        result = pop();
        break;
    }
    if (!stop)
        push(result, transition(rule));
}

compileentry compiler::reducecall()
{
    pop();  // the closing bracket
    int sum = 0;
    while (top >= 0 && (shared.compilestack[top].state == 28 || shared.compilestack[top].state == 31)) {
        compileentry e = pop();
        if (e.state == 28)
            sum += e.cell.valc;
    }
    if (top < 0 || shared.compilestack[top].state != 20) {
        fail(14, diagstate::internal,
             " Unexpected error ! \n\r In reduce(16) there was no left parenthesis found \n\r but instead state = %d ",
             top >= 0 ? shared.compilestack[top].state : -1);
        return {};
    }
    pop();
    compileentry name = pop();
    if (name.cell.argc != anyargs && name.cell.argc != sum) {
        fail(15, diagstate::internal,
             "\n Unexpected error: argument count mismatch in case 16 . \n\r Expected arguments: %d, found arguments: %d \n",
             name.cell.argc, sum);
        return {};
    }
    int token = name.token;
    emittoken(token);
    if (cellof(token) == operandcell::call)
        emitcell(operand::ofcall(name.cell.object, short(sum), name.cell.valc));
    else if (cellof(token) == operandcell::function)
        emitcell(operand::offunction(short(sum), name.cell.valc));
    if (token == tk::CALL_USER_FUNC || token == tk::CALL_MULTIFUNC) {
        constant = false;
        objectcall = true;
    }
    if (token == tk::RANDOM_NUMBER)
        constant = false;
    if (token == tk::ASSUME)
        assumecount += sum;
    return name;
}

compileentry compiler::reduceassign()
{
    compileentry statement = pop();
    compileentry below = pop();
    if (below.state == 32) {
        compileassign(below.cell.letter);
    } else if (pending < 2) {
        fail(52, diagstate::syntax,
             " Found excessive \"\\\" trying to discard the \n\r very last number on the computation stack \n");
    } else {
        emittoken(tk::BACKSLASH);
        --pending;
    }
    return statement;
}

int compiler::transition(int rule)
{
    int s = top >= 0 ? shared.compilestack[top].state : -1;
    if (rule <= 3) {
        if (among(s, {0, 32, 35}))
            return 1;
        if (s == 9)
            return 19;
        return among(s, {20, 31}) ? 28 : 30;
    }
    if (rule <= 6) {
        if (among(s, {0, 9, 20, 31, 32, 35}))
            return 2;
        return s == 12 ? 21 : s == 13 ? 22 : 30;
    }
    if (rule <= 8) {
        if (rule == 7 && s == 5)
            return 17;
        if (among(s, {0, 9, 12, 13, 20, 31, 32, 35}))
            return 3;
        return s == 14 ? 23 : s == 15 ? 24 : s == 16 ? 25 : 30;
    }
    if (rule <= 10)
        return isoperandstate(s) ? 4 : 30;
    if (rule <= 12) {
        if (s == 5)
            return 17;
        return isoperandstate(s) ? 6 : 30;
    }
    if (rule <= 16)
        return isoperandstate(s) ? (rule == 15 ? 8 : 10) : 30;
    if (rule <= 18)
        return s == 0 ? 33 : among(s, {32, 35}) ? 34 : 30;
    return 0;
}
