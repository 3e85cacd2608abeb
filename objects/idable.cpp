#include "objects/idable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>

#include "base/objcount.h"
#include "formula/recordio.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/saveable.h"

namespace {
constexpr int headerlines = 9;
constexpr size_t headerlinelength = 79;
constexpr size_t skippedlength = 1000;
}

idable::idable()
{
    name[0] = 0;
    std::memset(argletters, 0, sizeof argletters);
}

idable::~idable()
{
    delete note;
}

void idable::setname(const char* text)
{
    std::strncpy(name, text ? text : "", limits::namelength);
    name[limits::namelength] = 0;
}

void idable::copy(const idable& source)
{
    setname(source.name);
    nargs = source.nargs;
    nvalues = source.nvalues;
    origin = source.origin;
    failed = source.failed;
}

void idable::writeheader(std::ostream& out) const
{
    if (name[0]) {
        // Counts through to_string: no stream locale can group their digits.
        out << name << '\n' << std::to_string(nargs) << '\n' << std::to_string(nvalues) << '\n';
        if (origin != 0) {
            const char* library = libraryname(origin);
            out << "@HERKUNFT\n" << (library ? library : "") << '\n';
        }
        if (hascomment())
            note->save(out);
    }
    out << "@DATA\n";
}

bool idable::readheader(std::istream& in)
{
    std::string line;
    int plain = 0;
    // A name or comment that the fields cannot hold whole fails the header
    // once it is read to its end, so that the record is not saved altered.
    bool whole = true;
    for (int run = 0; run < headerlines; ++run) {
        if (!readrecordline(in, line, headerlinelength))
            return false;
        switch (matchany(line.c_str(), "@DATA", "@HERKUNFT", "@@COMMENT", nullptr)) {
        case 1:
            return whole;
        case 2:
            if (!readrecordline(in, line, skippedlength))
                return false;
            line.resize(std::min(line.size(), size_t(librarynamelength)));
            origin = uint16_t(originlibrary(line));
            break;
        case 3:
            if (!note && !(note = new (std::nothrow) comment))
                return false;
            whole = note->learn(in) && whole;
            break;
        default:
            if (plain == 0 && line.size() > size_t(limits::namelength)) {
                libreaderror(line.c_str(), " name too long: idable::readheader() ");
                whole = false;
            }
            if (plain == 0)
                setname(line.c_str());
            else if (plain == 1)
                nargs = int16_t(std::atoi(line.c_str()));
            else if (plain == 2)
                nvalues = int16_t(std::atoi(line.c_str()));
            else {
                libreaderror(" ", " idable::readheader() ");
                return false;
            }
            ++plain;
        }
    }
    libreaderror(" 10 runs of ", " idable::readheader ");
    return false;
}

bool idable::hascomment() const
{
    return note && note->length() > 0;
}

std::string fullname(const char* name, int nvalues)
{
    std::string text = name;
    if (nvalues >= 2)
        text += "#" + std::to_string(nvalues);
    return text;
}

std::string idable::fullname() const
{
    return ::fullname(name, nvalues);
}

std::string idable::signature(bool withspecial) const
{
    std::string text = fullname();
    if (!argletters[0])
        return text;
    char special = withspecial ? specialargument() : 0;
    text += '(';
    for (int i = 0; i < limits::arglistlength && argletters[i]; ++i) {
        if (i > 0)
            text += ',';
        if (special && argletters[i] == special)
            text += "arc";
        else
            text += argletters[i];
    }
    return text + ')';
}

std::string idable::fullnamecount() const
{
    return fullname() + "(" + std::to_string(nargs) + ")";
}
