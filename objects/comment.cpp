#include "objects/comment.h"

#include <cstring>
#include <istream>
#include <new>
#include <ostream>

#include "base/limits.h"
#include "base/objcount.h"
#include "base/report.h"
#include "formula/recordio.h"
#include "objects/edithooks.h"
#include "objects/idable.h"

namespace {
constexpr int commentclass = 11;
constexpr int commentgrowth = 100;
}

comment::comment()
{
    objcount(commentclass);
}

comment::comment(const char* t) : comment()
{
    settext(t);
}

comment::comment(const comment& other) : comment()
{
    settext(other.text());
}

comment::~comment()
{
    objcount(-commentclass);
    delete[] buffer;
}

bool comment::reserve(int n)
{
    if (n < capacity)
        return true;
    int size = std::min(n + commentgrowth, limits::commentlength + 1);
    char* grown = new (std::nothrow) char[size];
    if (!grown)
        return false;
    grown[0] = 0;
    delete[] buffer;
    buffer = grown;
    capacity = int16_t(size);
    return true;
}

bool comment::settext(const char* t)
{
    int n = int(std::min(std::strlen(t ? t : ""), size_t(limits::commentlength)));
    if (t == buffer && n < capacity)
        return true;
    std::string copy(t ? t : "", n);
    if (!reserve(n))
        return false;
    std::memcpy(buffer, copy.c_str(), n + 1);
    return true;
}

void comment::assign(const comment& other)
{
    if (other.buffer != buffer)
        settext(other.text());
}

int comment::length() const
{
    return buffer ? int(std::strlen(buffer)) : 0;
}

void comment::save(std::ostream& out)
{
    if (length() == 0)
        return;
    writetag(out);
    out << buffer << '\n';
    writeend(out);
}

bool comment::learn(std::istream& in)
{
    std::string line;
    bool cut = false;
    bool stored = false;
    if (readrecordline(in, line, limits::commentlength, &cut)) {
        if (cut)
            libreaderror(line.c_str(), "comment::learn");
        stored = settext(line.c_str());
        while (readrecordline(in, line, 79) && std::strncmp(line.c_str(), "@@END", 5) != 0)
            ;
    }
    return stored && !cut;
}

int comment::show()
{
    if (length() == 0)
        return 0;
    return report(reportkind::message, buffer, " Comment ");
}

int comment::editfor(const idable* object)
{
    std::string edited = text();
    std::string title = object ? object->signature() : " edit the comment ";
    int key = editline(edited, limits::commentlength, title.c_str());
    if (key == 13)
        settext(edited.c_str());
    return key;
}
