#include "objects/factory.h"

#include <new>

#include "base/report.h"
#include "objects/fuconditional.h"
#include "objects/fuconst.h"
#include "objects/fufinitsum.h"
#include "objects/fuinfinite.h"
#include "objects/fuparin.h"
#include "objects/fumultibranch.h"
#include "objects/furekur.h"
#include "objects/hooks.h"
#include "objects/fuvector.h"
#include "screen/msgbox.h"

namespace {
fu1* stray(const char* text)
{
    msgstyle(2);
    report(reportkind::message, text);
    return nullptr;
}
}

fu1* makeobject(int type)
{
    switch (type) {
    case typeids::fu1: return new (std::nothrow) fu1;
    case typeids::fuconst: return new (std::nothrow) fuconst(0.0);
    case typeids::fuvector: return new (std::nothrow) fuvector;
    // The composite kinds add their constructors here.
    case typeids::fuparin: return new (std::nothrow) fuparin;
    case typeids::fufinitsum: return new (std::nothrow) fufinitsum;
    case typeids::fuconditional: return new (std::nothrow) fuconditional;
    case typeids::fuinfinite: return new (std::nothrow) fuinfinite;
    case typeids::furekur: return new (std::nothrow) furekur;
    case typeids::fumultibranch: return new (std::nothrow) fumultibranch;
    case typeids::furk: return objectshook().makefurk ? objectshook().makefurk() : nullptr;
    case typeids::comment: return stray("readanobject finds COMMENT-object");
    case typeids::varman: return stray("readanobject finds naked VARMAN");
    case typeids::sumrecord: return stray("readanobject finds naked SUMRECORD");
    default: return nullptr;
    }
}
