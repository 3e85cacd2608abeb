// The resolver's reading of library files.
#include <cstring>
#include <sstream>
#include <string>

#include "base/chain.h"
#include "base/limits.h"
#include "base/report.h"
#include "formula/compile.h"
#include "formula/evalstate.h"
#include "formula/namesused.h"
#include "formula/recordio.h"
#include "formula/services.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "objects/libfile.h"
#include "objects/resolver.h"
#include "objects/saveable.h"
#include "platform/core/files.h"
#include "screen/statusbox.h"

namespace {
// Shows "searching: <library>" on its own level of the status box.
class searching {
public:
    explicit searching(int library) : box(programstatus())
    {
        if (!box || !box->open()) {
            box = nullptr;
            return;
        }
        box->setcursor(1, 3);
        const char* name = libraryname(library);
        box->print("searching: %s", name ? name : "");
    }
    ~searching()
    {
        if (box)
            box->close();
    }
    searching(const searching&) = delete;
    searching& operator=(const searching&) = delete;

private:
    statusbox* box;
};
}

fu* componentsearch::findandread(int library, int situation)
{
    if (shared.passmode == compilemode::quiet || tried(library))
        return nullptr;
    if (databaseinuse() && !databaselists(library, name, argc, valuecount))
        return nullptr;
    triedlibs.push_back(library);
    std::unique_ptr<std::istream> in;
    {
        searching status(library);
        in = findinlib(name, argc, valuecount, librarypath(library), &names);
    }
    if (!in)
        return nullptr;
    fu* object = readanobject(*in);
    in.reset();
    if (!object) {
        report(reportkind::unexpected,
               " despite apparent success in findinlib: readanobject returned error code 0 ");
        return nullptr;
    }
    object->origin = uint16_t(library);
    names.flag(object->nargs);
    if (situation != 0 && !confirm(object, situation)) {
        delete object;
        return nullptr;
    }
    resolutioncontext()->append(object);
    pass().components.push_back(object);
    return object;
}

std::unique_ptr<std::istream> findinlib(const char* name, int argc, int valuecount, const std::string& path,
                                        namesused* names)
{
    std::string bytes;
    if (path.empty() || !loadfile(path, bytes))
        return nullptr;
    auto in = std::make_unique<std::istringstream>(std::move(bytes));
    for (;;) {
        std::streampos start = in->tellg();
        int type = readtypetag(*in);
        if (!*in)
            return nullptr;
        if (type == 0) {
            report(reportkind::message, "\n read error in findinlib \n");
            return nullptr;
        }
        // A header that cannot be read whole (reported) names no object.
        idable header;
        bool whole = header.readheader(*in);
        if (!*in)
            return nullptr;
        if (whole && std::strcmp(header.name, name) == 0) {
            if (names && header.nvalues == valuecount)
                names->flag(header.nargs);
            if (header.nargs == argc && header.nvalues == valuecount) {
                in->seekg(start);
                return in;
            }
        }
        skiprestofobject(*in);
        if (!*in)
            return nullptr;
    }
}

void skiprestofobject(std::istream& in)
{
    std::string line;
    for (int depth = 1; depth > 0 && std::getline(in, line);) {
        if (line.compare(0, 5, "@@END") == 0)
            --depth;
        else if (line.compare(0, 2, "@@") == 0)
            ++depth;
    }
    // A last line without its line end is no failure.
    if (in.fail()) {
        if (line.size() > size_t(limits::commentlength))
            line.resize(limits::commentlength);
        libreaderror(line.c_str(), " skiprestofobject ");
    }
}
