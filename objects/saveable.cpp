#include "objects/saveable.h"

#include <cstdarg>
#include <cstring>
#include <istream>
#include <ostream>

#include "formula/recordio.h"
#include "math/cnumber.h"

namespace {
constexpr size_t keylinelength = 79;
}

const recordtag recordtags[19] = {
    {typeids::saveable, "@@SAVEABLE"},
    {typeids::comment, "@@COMMENT"},
    {typeids::varman, "@@VARMAN"},
    {typeids::sumrecord, "@@SUMRECORD"},
    {typeids::fuconst, "@@FUCONST"},
    {typeids::fuvector, "@@FUVECTOR"},
    {typeids::funmx, "@@FUNMX"},
    {typeids::funm, "@@FUNM"},
    {typeids::fu1, "@@FU1"},
    {typeids::fuparin, "@@FUPARIN"},
    {typeids::fufinitsum, "@@FUFINITSUM"},
    {typeids::fuconditional, "@@FUCONDITIONAL"},
    {typeids::furekur, "@@FUREKUR"},
    {typeids::fumultibranch, "@@FUMULTIBRANCH"},
    {typeids::fuinfinite, "@@FUINFINITE"},
    {typeids::furk, "@@FURK"},
    {typeids::fuwrapper, "@@FUWRAPPER"},
    {typeids::fu, "@@FU"},
    {0, "NEVER USE"},
};

void saveable::writetag(std::ostream& out) const
{
    out << tag() << '\n';
}

void saveable::writeend(std::ostream& out) const
{
    const char* t = tag();
    out << "@@END " << (std::strncmp(t, "@@", 2) == 0 ? t + 2 : t) << '\n';
}

static bool startswith(const char* text, const char* key)
{
    return *key && std::strncmp(text, key, std::strlen(key)) == 0;
}

int tagtotype(const char* line)
{
    for (const recordtag* row = recordtags; row->type != 0; ++row)
        if (startswith(line, row->tag))
            return row->type;
    return 0;
}

int readtypetag(std::istream& in)
{
    std::string line;
    if (!readrecordline(in, line, 79))
        return 0;
    return tagtotype(line.c_str());
}

int16_t matchany(const char* text, ...)
{
    va_list keys;
    va_start(keys, text);
    int16_t found = 0;
    for (int16_t i = 1; const char* key = va_arg(keys, const char*); ++i)
        if (startswith(text, key)) {
            found = i;
            break;
        }
    va_end(keys);
    return found;
}

bool readrecordline(std::istream& in, std::string& line, size_t limit, bool* cut)
{
    line.clear();
    if (cut)
        *cut = false;
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > limit) {
        line.resize(limit);
        if (cut)
            *cut = true;
    }
    return true;
}

bool readvalueline(std::istream& in, double& value, const char* where)
{
    std::string line;
    if (readrecordline(in, line, keylinelength) && scannumber(line.c_str(), value))
        return true;
    libreaderror(line.c_str(), where);
    return false;
}

bool readendline(std::istream& in, const char* where)
{
    std::string line;
    if (readrecordline(in, line, keylinelength) && line.compare(0, 5, "@@END") == 0)
        return true;
    libreaderror(line.c_str(), where);
    return false;
}

