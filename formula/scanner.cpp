// The scanner: cuts the formula text into tokens, classifies every name and
// checks calls against their argument counts.
#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/limits.h"
#include "formula/compile.h"
#include "formula/compiler.h"
#include "formula/functable.h"
#include "formula/hooks.h"
#include "formula/markset.h"
#include "formula/nfv.h"
#include "formula/objectcalls.h"
#include "formula/rkshape.h"
#include "formula/services.h"
#include "formula/slist.h"
#include "formula/tokens.h"

namespace {
constexpr int selectormulti = 32767;  // name written with "##"

struct constantvalue {
    const char* name;
    double value;
};
const constantvalue constants[] = {
    {"pi", 3.141592653589793},
    {"eul", 0.5772156649015329},
    {"cata", 0.915965594177219},
};

bool namedas(const char* name, const char* const* list)
{
    for (; *list; ++list)
        if (std::strcmp(name, *list) == 0)
            return true;
    return false;
}

int firstflag(const namesused& names)
{
    for (int k = 0; k < 54; ++k)
        if (names.isset(k))
            return k;
    return -1;
}

std::string shownname(const char* name, int valuecount)
{
    char shown[64];
    std::snprintf(shown, sizeof shown, valuecount >= 2 ? "%s#%d" : "%s", name, valuecount);
    return shown;
}
}

const char* checkargcount(const char* name, int n)
{
    static const char* const twoormore[] = {"OR", "Poly", "Tser", "min", "max", "ggt", "kgv",
                                            "Pser", "nth", "Cser", "Sser", "Fser", nullptr};
    static const char* const even[] = {"innerprod", "dist", nullptr};
    if (namedas(name, twoormore) && n < 2)
        return " the predefined function \"%s\" is called for %d arguments. \n\r It must have at least two arguments!";
    if (namedas(name, even) && n % 2 != 0)
        return " the predefined function \"%s\" is called for %d arguments. \n\r But it needs an even number of arguments!";
    if (std::strcmp(name, "det") == 0) {
        int k = 0;
        while (k * k < n)
            ++k;
        if (k * k != n || n == 0)
            return " the predefined function \"%s\" is called for %d arguments. \n\r But it needs a square number of arguments!";
    }
    return nullptr;
}

int compiler::scanerror(int code, int position, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    dia.vset(code, diagstate::syntax, position, format, args);
    va_end(args);
    stop = true;
    return kind::error;
}

int compiler::scantoken()
{
    while (text[pos] == ' ')
        ++pos;
    tokenstart = pos;
    item = compileentry{};
    item.cell.valc = 1;
    operandkind = 0;
    cell = operand{};
    char c = text[pos];
    if (c == 0)
        return kind::end;
    if (isdigitchar(c) || c == '.')
        return scannumber();
    if (isnamestart(c))
        return scanname();
    return scanoperator();
}

int compiler::scanoperator()
{
    char c = text[pos++];
    switch (c) {
    case '(': case '[': case '{': return kind::open;
    case ')': case ']': case '}': return kind::close;
    case '*': return kind::times;
    case '+': return kind::plus;
    case ',': return kind::comma;
    case '-': return kind::minus;
    case '/': return kind::divide;
    case '^': return kind::power;
    case '\\':
        item.cell.argc = int16_t(tokenstart);
        return kind::backslash;
    case ';':
        while (text[pos] == ' ')
            ++pos;
        return text[pos] ? kind::separator : kind::end;
    case '=':
        return scanerror(12, tokenstart, " No assignment allowed here ! \n\r");
    default:
        return scanerror(12, tokenstart, " Found invalid character: %c \n\r", c);
    }
}

int compiler::scannumber()
{
    int start = pos;
    bool dot = false;
    while (isdigitchar(text[pos]) || (text[pos] == '.' && !dot)) {
        dot = dot || text[pos] == '.';
        ++pos;
    }
    if (pos - start == 1 && text[start] == '.')
        return scanerror(1, tokenstart,
                         " Invalid symbol: dot that isn't part of a number or assume##-reference ");
    if (text[pos] == 'E' || text[pos] == 'e') {
        ++pos;
        if (text[pos] == '+' || text[pos] == '-')
            ++pos;
        for (int i = 0; i < limits::exponentdigits && isdigitchar(text[pos]); ++i)
            ++pos;
    }
    std::string number(text + start, size_t(pos - start));
    // from_chars: the "C" number format whatever the locale.
    double value = 0.0;
    const char* first = number.c_str();
    if (std::from_chars(first, first + number.size(), value).ec == std::errc::result_out_of_range)
        return scanerror(2, tokenstart, " Could not convert the numeric string: \"%s\" ",
                         number.c_str());
    operandkind = opkind::number;
    cell = operand::ofconstant(value);
    return kind::operand;
}

int compiler::scanname()
{
    int start = pos;
    while (isnamechar(text[pos]))
        ++pos;
    std::string name(text + start, size_t(pos - start));
    int selector = 1;
    if (text[pos] == '#' && text[pos + 1] == '#') {
        selector = selectormulti;
        pos += 2;
    } else if (text[pos] == '#' && isdigitchar(text[pos + 1])) {
        ++pos;
        selector = parseunsigned(text, pos);
    }
    if (name.size() == 1)
        return scanletter(name[0]);
    if (int(name.size()) > limits::namelength)
        return scanerror(5, tokenstart, " Maximum length of a name (%d characters) exceeded ",
                         limits::namelength);
    return scanlongname(name.c_str(), selector);
}

// The assignment test: blanks skipped, "=" consumed when present.
int compiler::scanletter(char letter)
{
    if (letter == '_')
        return scanerror(33, tokenstart, " \"_\" is allowed only as part of a larger name ");
    int at = pos;
    while (text[at] == ' ')
        ++at;
    if (text[at] == '=') {
        pos = at + 1;
        if (!declaredletter(letter))
            return kind::error;
        item.cell.argc = letter;
        item.cell.letter = letter;
        return kind::assignment;
    }
    if (text[pos] == '.' && isdigitchar(text[pos + 1]) && letter == 'a')
        return scanassume();
    if (text[pos] == '.' && letter == 'f')
        return scanrkref();
    if (!declaredletter(letter))
        return kind::error;
    operandkind = opkind::variable;
    item.cell.argc = letter;
    item.cell.letter = letter;
    cell = operand::ofvariable(variablerecord(letter), letter);
    return kind::operand;
}

// An undeclared letter becomes #global with warning 62.
bool compiler::declaredletter(char letter)
{
    if (marks.classof(letter) == '-') {
        marks.declare(letter, 'g');
        issuedia(62, letter);
    }
    return !stop;
}

int compiler::scanassume()
{
    ++pos;  // the dot
    int n = parseunsigned(text, pos);
    int m = 1;
    if (text[pos] == '#') {
        ++pos;
        m = isdigitchar(text[pos]) ? parseunsigned(text, pos) : 0;
    }
    if (m == 0 || n == 0)
        return scanerror(3, tokenstart, " Invalid syntax of an assume##-reference ");
    if (m == 1) {
        operandkind = opkind::assumed;
        cell = operand::ofindex(int16_t(n));
        return kind::operand;
    }
    operandkind = opkind::assumerange;
    cell = operand::ofassumed(int16_t(n), int16_t(m));
    item.cell.valc = int16_t(m);
    return kind::multioperand;
}

int compiler::scanrkref()
{
    ++pos;  // the dot
    if (!isdigitchar(text[pos]) || text[pos] == '0')
        return scanerror(63, tokenstart, " Expecting a nonzero integer after \"f.\" ");
    const rkshape& shape = installedrkshape();
    if (!shape.installed())
        return scanerror(64, tokenstart,
                         " f. - tokens are allowed only in Runge-Kutta mode or in \n\r a clipper formula. ");
    int n = parseunsigned(text, pos);
    int apostrophes = 0;
    while (text[pos] == '\'') {
        ++apostrophes;
        ++pos;
    }
    if (n > shape.dimension)
        return scanerror(65, tokenstart,
                         " Found \"f.%d\" with address %d exceeding dimension %d \n\r of Runge Kutta problem or of reference formula ",
                         n, n, shape.dimension);
    int maxorder = shape.order > 0 ? shape.order - 1 : 0;
    if (apostrophes > maxorder)
        return scanerror(66, tokenstart,
                         " The number %d of apostrophes exceeds the maximum derivative \n\r order which is %d in this Runge-Kutta or clipper setting ",
                         apostrophes, maxorder);
    int index = apostrophes * shape.dimension + n;
    if (shape.second) {
        index += int(std::strlen(letters)) - 1;
        if (shape.arclength)
            ++index;
    }
    operandkind = opkind::rkref;
    cell = operand::ofindex(int16_t(index));
    return kind::operand;
}

// The total value count of the bracketed list behind a name; -1 when the
// bracket is not closed.
int compiler::countarguments(bool& brackets)
{
    int at = pos;
    while (text[at] == ' ')
        ++at;
    brackets = isopenbracket(text[at]);
    if (!brackets)
        return 0;
    int close = paired.partner(at);
    if (close < 0)
        return -1;
    return nfvitems(paired, text, at + 1, close);
}

int compiler::scanlongname(const char* name, int selector)
{
    names.clear();
    bool brackets = false;
    int argc = countarguments(brackets);
    if (argc < 0)
        return scanerror(4, pos, " Unmatched left parenthesis! ");
    if (selector == selectormulti) {
        int count = nfvmultiname(name, argc);
        if (count < 0)
            return scanerror(50, pos, " There is no such function: \"%s##\" . \n\r", name);
        if (count == 0)
            return scanerror(50, pos,
                             " Function \"%s##\" must not be called for %d arguments! \n\r For its specification, see \"ref3.wri\". \n\r",
                             name, argc);
        item.cell.valc = int16_t(count);
    } else {
        item.cell.valc = int16_t(selector);
    }
    int valuecount = item.cell.valc;
    std::unique_ptr<componentlookup> search = lookupcomponent(name, argc, valuecount, names, marks.components);
    fu* target = nullptr;
    if (selector != selectormulti)
        target = search->own();
    if (!target) {
        int found = predefined(name, argc, selector, brackets);
        if (found >= 0 || stop)
            return stop ? kind::error : found;
        target = search->others();
    }
    if (!target)
        return notfound(name, argc, valuecount);
    calltarget(target);
    bool multi = valuecount > 1;
    if (!brackets) {
        operandkind = multi ? opkind::multiobject : opkind::object;
        cell = operand::ofcall(target, 0, int16_t(valuecount));
        return multi ? kind::multioperand : kind::operand;
    }
    item.cell.object = target;
    item.token = multi ? tk::CALL_MULTIFUNC : tk::CALL_USER_FUNC;
    item.cell.argc = int16_t(argc);
    return multi ? kind::multifunction : kind::function;
}

// A found object is implemented by postcompile unless the caller does it.
void compiler::calltarget(fu* target)
{
    if (marks.components && !calledobject(*marks.components, ::objectcall().name(target), -1, -1))
        marks.components->append(target);
    std::vector<fu*>& queue = pass().components;
    if (mode != compilemode::noqueue && std::find(queue.begin(), queue.end(), target) == queue.end())
        queue.push_back(target);
}

// The predefined table; -1 when the name is not taken here.
int compiler::predefined(const char* name, int argc, int selector, bool brackets)
{
    const funcrow* row = findfunction(name);
    if (!row)
        return -1;
    if (row->argc == 0) {
        if (selector == 1)
            names.flag(0);
        if (brackets || selector != 1)
            return -1;
        operandkind = char(row->token);
        for (const constantvalue& c : constants)
            if (std::strcmp(c.name, name) == 0)
                cell = operand::ofconstant(c.value);
        return kind::operand;
    }
    if (row->argc != anyargs && row->argc != multivalued)
        names.flag(row->argc);
    if (row->argc == multivalued) {
        if (selector != selectormulti)
            return -1;
        item.token = uint16_t(row->token);
        item.cell.argc = int16_t(argc);
        return kind::multifunction;
    }
    if (selector != 1)
        return -1;
    if (!brackets) {
        // The grammar reports the missing bracket.
        item.token = uint16_t(row->token);
        item.cell.argc = row->argc;
        return kind::function;
    }
    if (row->argc != argc && row->argc != anyargs)
        return -1;
    if (row->argc == anyargs) {
        if (const char* rule = checkargcount(name, argc)) {
            scanerror(51, pos, rule, name, argc);
            return kind::error;
        }
    }
    item.token = uint16_t(row->token);
    item.cell.argc = row->argc;
    return kind::function;
}

int compiler::notfound(const char* name, int argc, int valuecount)
{
    std::string shown = shownname(name, valuecount);
    const char* s = shown.c_str();
    bool assisted = databaseinuse();
    if (assisted)
        databasecollect(name, valuecount, names);
    int versions = names.count;
    if (names.isset(argc) && assisted)
        return scanerror(7, tokenstart, "\n can't find \"%s\" \n", s);
    if (names.isset(argc))
        return scanerror(7, tokenstart,
                         "\n There are no further versions available \n\r for \"%s\" with %d arguments! \n",
                         s, argc);
    if (versions >= 2)
        return scanerror(10, tokenstart,
                         "\n There are %d different versions of \"%s\", but none \n\r expecting %d arguments! \n",
                         versions, s, argc);
    if (versions == 1 && names.isset(0))
        return scanerror(8, tokenstart, "\n \"%s\" is a constant, not a function! \n\r", s);
    if (versions == 1)
        return scanerror(9, tokenstart,
                         "\n Call to function \"%s\" with invalid number of arguments: \n\n\r %3d  arguments expected\n\r %3d  arguments found\n\r",
                         s, firstflag(names), argc);
    int known = assisted ? databasevalues(name) : 0;
    if (known != 0 && known != valuecount)
        return scanerror(6, tokenstart, "\n could not find \"%s\" \n\n\r (you might be looking for \"%s#%d\") \n", s,
                         name, known);
    return scanerror(6, tokenstart, "\n could not find \"%s\" \n", s);
}
