#include "formula/parser.h"
#include "formula/rkshape.h"

#include "base/objcount.h"
#include "base/report.h"
#include "formula/destroyparser.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/hooks.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "formula/varman.h"

constexpr int parserclass = 197;

parser::parser()
{
    objcount(parserclass);
    installhandlers();
    constructing = 1;
    *emptystream() = tk::ABORT;
    clearrkshape();
    bool first = shared.parsercount == 0;
    if (first && !buildshared()) {
        report(reportkind::unexpected, " parser constructor ");
    } else {
        // Counted before the context opens, so that parsers made while it
        // reads its objects share this state instead of building another.
        ++shared.parsercount;
        counted = true;
        if (first)
            openlocalcontext();
    }
    constructing = 0;
}

parser::~parser()
{
    objcount(-parserclass);
    delete vars;
    // Parsers of objects deleted with the context no longer count.
    if (counted && shared.parsercount > 0 && --shared.parsercount == 0) {
        freelocalcontext();
        freeshared();
    }
}

void destroyparser(parser* p)
{
    delete p;
}

void parser::reset()
{
    owner = nullptr;
    delete vars;
    vars = nullptr;
    *emptystream() = tk::ABORT;
    stamp = 0;
    shared.resolution = residentobjects();
    if (diag)
        diag->clear();
    answer = memory = 0.0;
    type = 0;
    clearrkshape();
}

void parser::clearflags()
{
    type = 0;
    stamp = 0;
    if (diag)
        diag->clear();
}
