// The declarations part of a formula ("#auto", "#static", "#global",
// "#const" groups) and the argument list.
#include <cstring>

#include "base/limits.h"
#include "base/report.h"
#include "formula/compiler.h"
#include "formula/letters.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/rkshape.h"
#include "formula/varman.h"

namespace {
struct keyword {
    const char* word;
    char cls;
};
const keyword keywords[] = {
    {"auto", classauto}, {"static", classstatic}, {"global", classglobal}, {"const", classconst}};

// A letter given twice, or a character that is no letter: false.
bool repeatedletters(diagnostics& dia)
{
    dia.set(16, diagstate::arguments, -1, "No repetitions allowed in an argument list\n\r");
    return false;
}
}

bool compiler::declarations()
{
    for (;;) {
        while (text[pos] == ' ')
            ++pos;
        if (text[pos] != '#')
            return true;
        tokenstart = pos++;
        char cls = 0;
        for (const keyword& k : keywords) {
            size_t n = std::strlen(k.word);
            if (std::strncmp(text + pos, k.word, n) == 0 && text[pos + n] == ' ') {
                cls = k.cls;
                pos += int(n);
                break;
            }
        }
        if (!cls) {
            issuedia(42, 0);
            return false;
        }
        if (!declaregroup(cls))
            return false;
    }
}

// Letters separated by commas, closed by ";".
bool compiler::declaregroup(char cls)
{
    for (;;) {
        while (text[pos] == ' ')
            ++pos;
        tokenstart = pos;
        char letter = text[pos];
        if (!isletter(letter)) {
            issuedia(42, 0);
            return false;
        }
        ++pos;
        char now = marks.declare(letter, cls);
        if (now != cls) {
            issuedia(now == classargument ? 43 : 44, letter);
            return false;
        }
        if ((cls == classstatic || cls == classconst) && !p.vars)
            p.vars = new varman;
        while (text[pos] == ' ')
            ++pos;
        char c = text[pos++];
        if (c == ';')
            return true;
        if (c != ',') {
            tokenstart = pos - 1;
            issuedia(42, 0);
            return false;
        }
    }
}

bool compiler::declarearguments()
{
    // A list longer than the letters allow cannot be free of repetitions.
    if (std::strlen(letters) > size_t(limits::arglistlength)) {
        report(reportkind::unexpected, " parser::compile() called with argument list exceeding maximum length ");
        return repeatedletters(dia);
    }
    for (const char* a = letters; *a; ++a) {
        int cls = marks.classof(*a);
        if (cls >= 0 && cls != classargument && cls != classundeclared) {
            dia.set(41, diagstate::arguments, -1,
                    "\n Character '%c', which has been declared a variable, \n\r is redeclared as an argument here \n",
                    *a);
            return false;
        }
    }
    const rkshape& shape = installedrkshape();
    marks.cleararguments();
    marks.declarearguments(letters, shape.order != 0, shape.independent);
    if (!shape.installed() && marks.countclass(classargument) != int(std::strlen(letters)))
        return repeatedletters(dia);
    return true;
}
