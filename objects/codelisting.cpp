#include "objects/codelisting.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/objcount.h"
#include "formula/parser.h"
#include "formula/rpncode.h"
#include "formula/services.h"
#include "formula/tokens.h"
#include "formula/varman.h"
#include "objects/context.h"

namespace {

// Rows that no compilation emits.
bool listed(int code)
{
    using namespace tk;
    switch (code) {
    case ABORT: case TENPOWX: case FEED_ARRAY_1: case FEED_ARRAY_2: case PERIODE: case UNUSED93: case UNUSED126:
        return false;
    default:
        return true;
    }
}

bool endsstatement(int code)
{
    return code == tk::SEMICOLON || code == tk::ENDMULTI || code == tk::END2;
}

bool endscode(int code)
{
    return code == tk::END || code == tk::ENDMULTI || code == tk::END2;
}

}  // namespace

codelisting::codelisting(const parser& p) : source(&p)
{
    objcount(classnumber);
    lines.prefixbytes = sizeof(fu*);
    if (p.code.isempty())
        return;
    rpncursor cursor(p.code);
    for (int i = 1; i < p.code.tokencap && !failed; ++i) {
        int code = cursor.next();
        if (code >= tokencount) {
            failed = true;
            break;
        }
        addtoken(code, cursor);
        if (endscode(code))
            break;
    }
}

codelisting::~codelisting()
{
    objcount(-classnumber);
}

fu* codelisting::callee(int n) const
{
    if (n < 1 || n >= lines.count)
        return nullptr;
    fu* object = nullptr;
    std::memcpy(&object, lines.lines[n], sizeof object);
    return object;
}

void codelisting::addline(fu* object, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int added = lines.addlinev(format, args);
    va_end(args);
    if (added <= 0 || lines.failed) {
        failed = true;
        return;
    }
    std::memcpy(lines.lines[lines.count - 1], &object, sizeof object);
}

void codelisting::addtoken(int code, rpncursor& cursor)
{
    using namespace tk;
    const operand* cell = takescell(code) ? &cursor.take() : nullptr;
    if (!listed(code))
        return;
    unsigned u = unsigned(code);
    const char* name = tokenname(code);
    int count = tokentable[code].count;
    auto number = [&](const char* label, double value) {
        depth = int16_t(depth + 1 - (count < 0 ? 0 : count));
        addline(nullptr, "%3u %15.16s  %7s%-25.16g %3d ", u, name, label, value, depth);
    };
    auto letter = [&](char ch) {
        depth = int16_t(depth + 1 - count);
        addline(nullptr, "%3u %15.16s  %c                                %3d ", u, name, ch, depth);
    };
    switch (code) {
    case FEED_ARG_NR: case ASSIGN_TO_ARG: return number("", cell->index + 1);
    case FEED_ASSUME_NR: case MAKE_AUTOSPACE: return number("", cell->index);
    case STACKPTR_UP: case STACKPTR_DOWN: return number("", count);
    case FEED_CONSTANT: return number("", cell->constant);
    case FEED_RCL: return number("", source->memory);
    case FEED_ANSWER: return number("", source->answer);
    case FEED_GLOBAL: case FEED_STATIC: case FEED_CONST: {
        char label[8];
        std::snprintf(label, sizeof label, "%-7c", cell->letter);
        return number(label, cell->variable ? cell->variable->value : 0.0);
    }
    case FEED_AUTO: case ASSIGN_TO_AUTO: case ASSIGN_STATIC: case ASSIGN_GLOBAL: return letter(cell->letter);
    case FEED_ASSUMEVALS:
        depth = int16_t(depth + cell->valc);
        return addline(nullptr, "%3u %15.16s  %3d..%-3d                         %3d ", u, name, cell->argc,
                       cell->argc + cell->valc - 1, depth);
    case CALL_USER_FUNC: case CALL_MULTIFUNC: {
        int values = code == CALL_USER_FUNC ? 1 : cell->valc;
        std::string callee = cell->object ? fullname(cell->object) : "?";
        depth = int16_t(depth + values - cell->argc);
        return addline(cell->object, "%3u %15.16s  %30s   %3d ", u, name, callee.c_str(), depth);
    }
    }
    if (count == countfromcell) {
        depth = int16_t(depth + 1 - cell->argc);
    } else if (count == severalvalues) {
        depth = int16_t(depth + cell->valc - cell->argc);
        return addline(nullptr, "%3u %15.16s                    %3d --> %-3d    %3d ", u, name, cell->argc, cell->valc,
                       depth);
    } else {
        depth = endsstatement(code) ? int16_t(0) : int16_t(depth + 1 - count);
    }
    addline(nullptr, "%3u %15.16s                                   %3d ", u, name, depth);
}

void codecaption(const parser& p, char* caption, int size)
{
    if (!p.owner) {
        std::snprintf(caption, size_t(size), " RPN code ");
        return;
    }
    std::string name = fullname(p.owner);
    int origin = originlibrary(p.owner);
    if (origin == 0)
        std::snprintf(caption, size_t(size), " %s (local) ", name.c_str());
    else
        std::snprintf(caption, size_t(size), " %s (%s) ", name.c_str(), libraryname(origin));
}
