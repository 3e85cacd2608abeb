#include "objects/dabascan.h"

#include <climits>
#include <cstdlib>

#include "base/report.h"
#include "formula/recordio.h"
#include "objects/context.h"
#include "objects/saveable.h"
#include "platform/core/files.h"

namespace {

int16_t count16(const std::string& line)
{
    long n = std::strtol(line.c_str(), nullptr, 10);
    return int16_t(n < SHRT_MIN ? SHRT_MIN : n > SHRT_MAX ? SHRT_MAX : n);
}

// The origin named on the line after "@HERKUNFT".
int originof(const std::string& name, int library)
{
    int n = librarynumber(name.substr(0, librarynamelength).c_str());
    return n == library ? 0 : n;
}

// A comment: its one text line, then lines up to "@@END".
bool readcomment(linereader& in, std::string& comment)
{
    std::string line;
    if (!in.next(comment))
        return false;
    while (!linestarts(comment, "@@END") && in.next(line))
        if (linestarts(line, "@@END"))
            return true;
    return !in.failed();
}

// True when the file has ended (no read error, no line left).
bool atend(linereader& in)
{
    std::string line;
    return !in.failed() && !in.next(line) && !in.failed();
}

}  // namespace

bool linestarts(const std::string& line, const char* key)
{
    return line.compare(0, std::char_traits<char>::length(key), key) == 0;
}

bool readid(linereader& in, dabaheader& header, int library)
{
    header = dabaheader();
    std::string line;
    int plain = 0;
    for (int run = 0; run < 9; run++) {
        if (!in.next(line))
            return false;
        if (linestarts(line, "@DATA"))
            return true;
        if (linestarts(line, "@HERKUNFT")) {
            if (!in.next(line))
                return false;
            header.origin = originof(line, library);
        } else if (linestarts(line, "@@COMMENT")) {
            if (!readcomment(in, header.comment))
                return false;
        } else if (plain == 0) {
            header.name = line;
            plain++;
        } else if (plain == 1) {
            header.arguments = count16(line);
            plain++;
        } else if (plain == 2) {
            header.values = count16(line);
            plain++;
        } else {
            libreaderror(" ", " idable::readid() ");
            return false;
        }
    }
    libreaderror(" 10 runs in ", " idable::readid ");
    return false;
}

bool skiprestofobject(linereader& in)
{
    std::string line;
    int depth = 1;
    while (depth > 0 && in.next(line))
        if (linestarts(line, "@@END"))
            depth--;
        else if (linestarts(line, "@@"))
            depth++;
    return depth == 0;
}

std::unique_ptr<dabarec> readecho(linereader& in, int library, int& counter, bool& end, bool& bad)
{
    end = bad = false;
    std::string line;
    if (!in.next(line)) {
        end = !in.failed();
        bad = !end;
        return nullptr;
    }
    dabaheader header;
    if (tagtotype(line.c_str()) == 0 || !readid(in, header, library)) {
        reportf(reportkind::message, "\n Error reading %s after the %d'th element \n\r (in readecho) \n",
                libraryname(library), counter);
        end = atend(in);
        bad = !end;
        return nullptr;
    }
    // A file cut off inside its last object ends the scan without it.
    if (!skiprestofobject(in)) {
        end = !in.failed();
        bad = !end;
        return nullptr;
    }
    if (header.origin != 0)
        return nullptr;
    auto record = std::make_unique<dabarec>(header.name.c_str(), header.arguments, header.values,
                                            uint16_t(counter + 1), int16_t(library));
    counter++;
    if (record->invalid)
        return nullptr;
    return record;
}
