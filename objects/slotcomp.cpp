#include "objects/slotcomp.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>
#include <string>

#include "base/limits.h"
#include "base/objcount.h"
#include "base/report.h"
#include "formula/compile.h"
#include "formula/destroyparser.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/nfv.h"
#include "formula/parser.h"
#include "objects/edithooks.h"
#include "objects/fu.h"
#include "screen/boxframe.h"
#include "screen/linelist.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {
constexpr int slotclass = 73;
constexpr int textgrowth = 11;
constexpr int textmax = limits::formulalength + 1;

// The parser every component compiles with; out of its place while a
// compile runs, so that a compile inside it makes its own.
parser* spare = nullptr;
}

char extraargs[limits::arglistlength + 2] = {};
bool componentedited = false;

slotcomp::slotcomp()
{
    objcount(slotclass);
}

slotcomp::slotcomp(const slotcomp* source) : slotcomp()
{
    if (!source) {
        failed = 1;
        return;
    }
    owner = source->owner;
    assign(source);
}

bool copycomponents(slotcomp* const* source, slotcomp** slot, int n, fu* owner)
{
    for (int i = 0; i < n; i++) {
        if (!source[i])
            continue;
        slot[i] = new (std::nothrow) slotcomp(source[i]);
        if (!slot[i] || slot[i]->failed)
            return false;
        slot[i]->owner = owner;
    }
    return true;
}

slotcomp::~slotcomp()
{
    objcount(-slotclass);
    delete[] text;
    // The store a compiled component uses is its owner's, also when it is
    // the owner's former store kept aside during an edit.
    if (code && owner)
        code->vars = nullptr;
    destroyparser(code);
}

void slotcomp::assign(const slotcomp* source)
{
    mode = 0;
    stamp = 0;
    nvalues = 0;
    label = source->label;
    description = source->description;
    if (!source->text)
        return;
    if (!settext(source->text)) {
        failed = 1;
        return;
    }
    nvalues = source->nvalues;
}

bool slotcomp::reserve(int n)
{
    if (n == 0 || (text && capacity >= n + 1))
        return true;
    int size = std::min(n + textgrowth, textmax);
    if (size < n + 1)
        return false;
    char* buffer = new (std::nothrow) char[size];
    if (!buffer)
        return false;
    delete[] text;
    text = buffer;
    capacity = int16_t(size);
    return true;
}

bool slotcomp::settext(const char* formula)
{
    int n = int(std::strlen(formula));
    if (!reserve(std::max(n, 1)))
        return false;
    std::memcpy(text, formula, n + 1);
    return true;
}

void slotcomp::dropspare()
{
    if (spare)
        spare->vars = nullptr;
    destroyparser(spare);
    spare = nullptr;
}

int16_t slotcomp::countvalues()
{
    nvalues = text && *text ? nfvformula(text) : 0;
    return nvalues;
}

bool slotcomp::compile(int compilemode, markset* marks)
{
    if (!text)
        return false;
    installmarkset(marks);
    // A compile ends the implementation pass it runs in; the owner's next
    // component must still run inside the pass that implements the owner.
    fu* current = pass().current;
    bool compiled = compiletext(compilemode);
    pass().current = current;
    if (!compiled) {
        stamp = 0;
        return false;
    }
    postcompile();
    return iscurrent();
}

bool slotcomp::compiletext(int compilemode)
{
    if (!spare && !(spare = new (std::nothrow) parser))
        return false;
    parser* p = spare;
    spare = nullptr;
    p->vars = nullptr;   // a store left here is an object's, never the spare's
    p->reset();
    p->owner = owner;
    p->diag = owner ? owner->diag : nullptr;
    p->vars = owner ? owner->ownvars : nullptr;
    const char* letters = extraargs[0] ? extraargs : owner ? owner->argletters : "";
    p->compile(text, letters, compilemode);
    if (owner && p->vars)
        owner->ownvars = p->vars;   // a #static made the object's store
    if (spare)
        destroyparser(spare);
    spare = p;
    return true;
}

// Constants fold to their value; other formulas keep the fresh parser,
// whose place as the spare the component's old parser takes.
void slotcomp::postcompile()
{
    stamp = 0;
    if (!spare->isimplemented()) {
        spare->vars = nullptr;
        return;
    }
    if (spare->type == 1 && spare->valuecount == 1) {
        fold(*spare);
    } else {
        mode = 1;
        std::swap(code, spare);
        if (code->valuecount != nvalues) {
            reportf(reportkind::message, "\n Unexpected error:\n\r Mismatch between the parser's (%d) and the calcnfv()-system's (%d) \n\r number of return values.\n\n\r Execution resumed with the parser's result\n",
                 int(code->valuecount), int(nvalues));
            nvalues = code->valuecount;
        }
        if (spare) {
            spare->vars = nullptr;
            spare->reset();
        }
    }
    if (spare)
        spare->vars = nullptr;
    if (!spare)
        spare = new (std::nothrow) parser;
    setcurrent();
}

// Above the top of any evaluation under way, so that a compile during an
// evaluation leaves its values alone.
void slotcomp::fold(parser& p)
{
    mode = 2;
    shared.error = evalok;
    p.calcnested(nullptr, 0);
    constant = p.answer;
    nvalues = 1;
}

double slotcomp::value(double* args)
{
    if (mode == 2)
        return constant;
    return code ? code->calc(args) : 0.0;
}

double* slotcomp::values(double* args)
{
    if (mode == 2)
        return &constant;
    if (code)
        code->calc(args);
    return shared.result;
}

bool slotcomp::implement()
{
    if (!iscurrent())
        return false;
    if (mode == 2) {
        if (shared.print)
            shared.print->addrecord(2, constant);
        return true;
    }
    code->diag = owner ? owner->diag : nullptr;
    return code->implement();
}

bool slotcomp::iscurrent() const
{
    return stamp == shared.implstamp;
}

void slotcomp::setcurrent()
{
    stamp = shared.implstamp;
}

void slotcomp::save(std::ostream& out)
{
    out << formula() << '\n';
}

bool slotcomp::learn(std::istream& in)
{
    std::string line;
    readrecordline(in, line, limits::formulalength);
    return settext(line.c_str());
}

void slotcomp::print(linelist& lines) const
{
    lines.addlinef("%s: \n\r", label ? label : "");
    lines.addlinef(" %s\n\n\r", formula());
}

int slotcomp::show()
{
    unexpectederror("\nslotcomp::show() called\n");
    return 0;
}

int slotcomp::edit()
{
    setboxcolors(7, 1, 15, 7, 15);
    eschint(3);
    std::string line = formula();
    int key;
    {
        boxframe box(5, 5, int16_t(screencols() - 5), int16_t(screenrows()));
        textbackground(7);
        textcolor(4);
        clrwindow(7);
        pushcursor();
        textcolor(16);
        textbackground(15);
        cprintf("%s\r", owner ? owner->signature().c_str() : "");
        popcursor();
        cprintf("\nEdit the component: \n\r%s\n\n\r", caption() ? caption() : "");
        key = editline(line, limits::formulalength, "");
    }
    if (key == 27 || !settext(line.c_str()))
        return false;
    if (owner)
        clearimplemented(owner);
    componentedited = true;
    return true;
}
