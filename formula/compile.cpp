// parser::compile: a compilation from the formula text to the stored code.
#include <cstring>
#include <string>

#include "base/limits.h"
#include "base/report.h"
#include "formula/compile.h"
#include "formula/compiler.h"
#include "formula/hooks.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/rkshape.h"
#include "formula/services.h"
#include "formula/tokens.h"
#include "formula/usagerefs.h"
#include "formula/varman.h"

namespace {
markset* installed = nullptr;
rkshape shape;

// The compiler's copy of the formula, grown to the text length plus a margin.
const char* copyformula(const char* text)
{
    static std::string buffer;
    size_t n = std::strlen(text);
    if (buffer.capacity() < n + 1)
        buffer.reserve(n + limits::formulamargin);
    buffer.assign(text, n);
    return buffer.c_str();
}

markset& marksfor()
{
    if (installed)
        return *installed;
    shared.marks->reset();
    return *shared.marks;
}
}

void installrkshape(const rkshape& s) { shape = s; }
void clearrkshape() { shape = rkshape{}; }
const rkshape& installedrkshape() { return shape; }

void installmarkset(markset* marks) { installed = marks; }

short parser::compile(const char* text, const char* args, int mode)
{
    compiler c(*this, text ? text : "", args ? args : "", mode);
    return c.run();
}

compiler::compiler(parser& p, const char* formula, const char* args, int mode)
    : p(p), dia(p.diag ? *p.diag : globaldiagnostics()), marks(marksfor()), letters(args),
      mode(mode), text(formula)
{
}

namespace {
// A new implementation pass begins unless this compilation runs inside one.
int beginpass(parser& p, int mode)
{
    implpass& s = pass();
    if (!s.current && s.passswitch != 0) {
        s.components.clear();
        if (s.listreset && !s.keeplist)
            usagerefs().clear();
        if (p.owner && (mode == compilemode::normal || mode == compilemode::fingerprint))
            s.components.push_back(p.owner);
        s.callerlibs.clear();
        s.root = p.owner;
        if (mode != 0)
            shared.passmode = shared.passmode2 = short(mode);
        s.passswitch = s.passswitch - 1 != 0 ? 2 : 0;
    }
    s.callerlib = p.owner ? originlibrary(p.owner) : 0;
    return int(s.components.size());
}
}

int16_t compiler::run()
{
    // Implementations that this compilation starts belong to its pass.
    unsigned char outer = shared.compiling;
    shared.compiling = 1;
    p.type = 0;
    p.valuecount = 0;
    if (shared.resolution && shared.resolution != residentobjects())
        mode = compilemode::quiet;
    dia.compilertext = text;
    int16_t type = 0;
    if (declarearguments()) {
        int marker = beginpass(p, mode);
        statusscope status(p.owner ? " Compiling:\n\r \"" + fullname(p.owner) + "\""
                                   : std::string("\n Compiling..."));
        text = copyformula(text);
        paired = bracketpairs(text);
        if (declarations() && prologue() && parse())
            type = finish(marker);
    }
    p.code.compilerword = (unsigned short)autos;
    installed = nullptr;
    p.diag = nullptr;
    pass().current = nullptr;
    shared.resolution = nullptr;
    shared.compiling = outer;
    return type;
}

// MAKE AUTOSPACE when the formula has auto letters.
bool compiler::prologue()
{
    autos = marks.countclass(classauto);
    if (autos > 0) {
        emitcell(operand::ofindex(short(autos)));
        emittoken(tk::MAKE_AUTOSPACE);
    }
    return !stop;
}

int16_t compiler::classify() const
{
    if (derivative)
        return 4;
    if (constant)
        return valuecount == 1 ? (objectcall ? 3 : 1) : 5;
    return *letters ? 2 : 3;
}

// Stores the code in the parser and implements the new callees.
int16_t compiler::finish(int marker)
{
    int16_t type = classify();
    if (autos > 0 || valuecount > 1)
        emittoken(tk::ENDMULTI);
    emittoken(tk::END);
    if (stop)
        return 0;
    if (p.vars)
        p.vars->declarestatics(marks);
    shared.tokenbuffer[0] = tk::ABORT;
    if (!p.code.store(shared.tokenbuffer, ntokens + 1, shared.operandbuffer, ncells + 1)) {
        dia.set(29, diagstate::memory, tokenstart,
                " Compilation successful but could not allocate memory \n\r for the generated code ");
        p.reset();
        return 0;
    }
    p.valuecount = short(valuecount);
    p.type = type;
    p.stamp = shared.implstamp;
    if (!postcompile(p, marker)) {
        p.type = 0;
        p.stamp = 0;
        return 0;
    }
    return type;
}
