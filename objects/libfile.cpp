#include "objects/libfile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <locale>
#include <unordered_map>

#include "base/chain.h"
#include "base/limits.h"
#include "base/report.h"
#include "math/cnumber.h"
#include "objects/context.h"
#include "objects/factory.h"
#include "objects/fu1.h"
#include "objects/librarylist.h"
#include "objects/saveable.h"
#include "platform/core/files.h"
#include "screen/filenames.h"

// One trailing CR of every line goes, so files with CR LF ends read the
// same as those written here.  cuts gets the places in the text where one
// went.
static std::string stripcr(const std::string& bytes, std::vector<size_t>& cuts)
{
    std::string text;
    text.reserve(bytes.size());
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        size_t stop = end == std::string::npos ? bytes.size() : end;
        size_t keep = stop > start && bytes[stop - 1] == '\r' ? stop - 1 : stop;
        text.append(bytes, start, keep - start);
        if (keep != stop)
            cuts.push_back(text.size());
        if (end == std::string::npos)
            break;
        text.push_back('\n');
        start = end + 1;
    }
    return text;
}

libraryinput::libraryinput(const std::string& path)
{
    stream.imbue(std::locale::classic());
    if (!fileexists(path)) {
        status = missing;
        return;
    }
    if (!loadfile(path, bytes)) {
        status = unreadable;
        return;
    }
    stream.str(stripcr(bytes, cuts));
}

// The place in the file of a place in the text: one more for every CR
// that went before it.
size_t libraryinput::where(size_t at) const
{
    return at + (std::lower_bound(cuts.begin(), cuts.end(), at) - cuts.begin());
}

std::string libraryinput::original(size_t from, size_t to) const
{
    return bytes.substr(where(from), where(to) - where(from));
}

// Whether a line begins a record of an object (not a comment, variable
// store or summation record, which stand inside one).
static bool recordhead(const std::string& line)
{
    return tagtotype(line.c_str()) >= typeids::fu;
}

// The lines of a record after its tag line, up to and including its end
// line ("@@END " and the tag without "@@", blanks after it allowed); a
// record without its end line ends before the next record's tag line,
// which stays in the stream, or at the end of the stream.  A record read
// from these alone never reaches into the next one, however its reader
// fails.
static std::string recordlines(std::istream& in, const fu1* object)
{
    const std::string end = std::string("@@END ") + (object->tag() + 2);
    std::string text, line;
    for (std::streampos at = in.tellg(); std::getline(in, line); at = in.tellg()) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (recordhead(line) && at >= 0) {
            in.clear();
            in.seekg(at);
            break;
        }
        text += line;
        text += '\n';
        if (line.compare(0, end.size(), end) == 0 && line.find_first_not_of(' ', end.size()) == std::string::npos)
            break;
    }
    return text;
}

// Reads a record's lines after the tag line into object and gives what it
// writes back; deletes it and gives null when they could not be read.
static fu1* learnrecord(const std::string& lines, fu1* object, std::string& written)
{
    std::istringstream record(lines);
    record.imbue(std::locale::classic());
    // Lines left after the reader stopped were not understood; a NUL byte
    // would cut a text field short.
    bool read = lines.find('\0') == std::string::npos && !object->failed && object->learn(record) &&
                (record >> std::ws).eof();
    if (read) {
        std::ostringstream probe;
        probe.imbue(std::locale::classic());
        object->save(probe);
        written = probe.str();
    }
    // An object that would write nothing back loses its record at the
    // next save; it counts as not read.
    if (read && !written.empty())
        return object;
    delete object;
    return nullptr;
}

// Whether a record as written reads back as itself; if not, the reading
// took in less than the record holds, and the next save would change it.
static bool holds(int type, const std::string& written)
{
    std::istringstream in(written);
    in.imbue(std::locale::classic());
    std::string tagline;
    std::getline(in, tagline);
    fu1* copy = tagtotype(tagline.c_str()) == type ? makeobject(type) : nullptr;
    std::string again;
    copy = copy ? learnrecord(recordlines(in, copy), copy, again) : nullptr;
    bool same = copy && again == written;
    delete copy;
    return same;
}

static std::string trimmed(const std::string& line)
{
    size_t end = line.find_last_not_of(" \t\r");
    return line.substr(0, end == std::string::npos ? 0 : end + 1);
}

// Lines that say the same: equal but for blanks and CRs at their ends, or
// the same number spelled another way.
static bool sameline(const std::string& a, const std::string& b)
{
    std::string x = trimmed(a), y = trimmed(b);
    if (x == y)
        return true;
    double u, v;
    const char *endu, *endv;
    return scannumber(x.c_str(), u, &endu) && !*endu && scannumber(y.c_str(), v, &endv) && !*endv &&
           (u == v || (std::isnan(u) && std::isnan(v)));
}

// The first line of the record as it stands that the record as written
// does not say again; empty when the reader took it all.
static std::string firstnottaken(const std::string& original, const std::string& written)
{
    std::istringstream a(original), b(written);
    std::string x, y;
    for (;;) {
        bool more = bool(std::getline(a, x)), again = bool(std::getline(b, y));
        if (!more)
            return again ? "(end of record)" : "";
        if (!again || !sameline(x, y))
            return x.empty() ? "(blank line)" : x;
    }
}

// Reads one record.  bad tells that a record was there but could not be
// read into a usable object, or not whole (notread names the first line
// that was not taken); its lines are consumed.
static fu1* readrecord(std::istream& in, bool& bad, std::string* notread = nullptr)
{
    bad = false;
    if (!in.good() || in.peek() == EOF)
        return nullptr;
    std::string tagline;
    std::getline(in, tagline);
    int type = tagtotype(tagline.c_str());
    if (type == 0 || !in.good())
        return nullptr;
    fu1* object = makeobject(type);
    if (!object)
        return nullptr;
    const std::string lines = recordlines(in, object);
    std::string written;
    object = learnrecord(lines, object, written);
    if (object && !holds(type, written)) {
        delete object;
        object = nullptr;
    }
    std::string lost = object ? firstnottaken(tagline + "\n" + lines, written) : std::string();
    if (object && !lost.empty()) {
        delete object;
        object = nullptr;
        if (notread)
            *notread = lost;
    }
    bad = !object;
    return object;
}

fu1* readanobject(std::istream& in, bool* skipped)
{
    bool bad;
    fu1* object = readrecord(in, bad);
    if (object && object->origin == currentlibrary)
        object->origin = 0;
    if (skipped)
        *skipped = bad;
    return object;
}

// Where the stream stands in its text of size bytes.
static size_t offset(std::istream& in, size_t size)
{
    in.clear();
    std::streamoff at = in.tellg();
    return at < 0 ? size : size_t(at);
}

// Keeps the file's bytes of text from..to (a record, or the rest after a
// fault) for the next save, line ends as they stand, so that the next
// reading finds the same record; blank lines alone are not worth keeping.
static void keep(libraryread* rest, const libraryinput& file, size_t from, size_t to)
{
    std::string part = file.original(from, to);
    if (!rest || part.find_first_not_of(" \t\r\n") == std::string::npos)
        return;
    if (part.back() != '\n')
        part.push_back('\n');
    rest->unread.push_back({part, rest->read.size()});
}

namespace {
// Identities told apart by their occurrence, so that a file holding one
// identity twice places the records kept behind the right one.
class identities {
public:
    std::string next(const fu1* object)
    {
        std::string identity = object->fullnamecount();
        return identity + "#" + std::to_string(++seen[identity]);
    }

private:
    std::unordered_map<std::string, int> seen;
};
}

// Whether path is the file of the context's library, whose objects are
// its own even when they name it as their origin.
static bool contextfile(const std::string& path)
{
    std::string own = currentlibrary != 0 ? librarypath(currentlibrary) : std::string();
    return !own.empty() && resolvepath(own) == resolvepath(path);
}

int readlib(const std::string& path, chain& list, libraryread* rest)
{
    libraryinput file(path);
    if (file.status == libraryinput::missing)
        return 0;
    if (file.status == libraryinput::unreadable) {
        if (rest)
            rest->unreadable = true;
        reportf(reportkind::message, "\n could not read the library file \"%s\" ! \n\r %s \n", path.c_str(),
                fileerror().c_str());
        return -1;
    }
    std::istream& in = file.stream;
    const std::string text = file.stream.str();
    const bool own = contextfile(path);
    int count = 0, kept = 0;
    bool fault = false;
    std::string notread;
    identities names;
    while (in.good() && in.peek() != EOF) {
        size_t start = offset(in, text.size());
        bool bad;
        fu1* object = readrecord(in, bad, notread.empty() ? &notread : nullptr);
        if (object) {
            if (own && object->origin == currentlibrary)
                object->origin = 0;
            object->written = 1;
            list.append(object);
            if (rest)
                rest->read.push_back(names.next(object));
            ++count;
        } else if (bad) {
            ++kept;
            keep(rest, file, start, offset(in, text.size()));
        } else {
            report(reportkind::unexpected, " readanobject returns 0 but no EOF (readlib) ");
            keep(rest, file, start, text.size());
            fault = true;
            break;
        }
    }
    if (kept > 0)
        reportf(reportkind::message,
                "\n %d record(s) of \"%s\" could not be read. \n\r They are kept as they stand and saved unchanged. \n%s",
                kept, path.c_str(),
                notread.empty() ? "" : (" Not taken as written: \"" + notread.substr(0, 60) + "\" \n").c_str());
    return fault ? -1 : count;
}

std::string backupname(const std::string& path)
{
    size_t slash = path.rfind('/');
    size_t base = slash == std::string::npos ? 0 : slash + 1;
    std::vector<char> name(path.begin() + base, path.end());
    name.resize(std::max(name.size(), size_t(limits::shortnamelength)) + sizeof ".bak", 0);
    shortname(name.data(), "bak");
    return path.substr(0, base) + name.data();
}

// Which objects a file gets: with foreign, own objects and the foreign
// copies that were read or changed; without, own objects only.
static bool iswritten(const fu1* object, bool foreign)
{
    if (foreign)
        return object->origin == 0 || object->written || object->marks[0];
    return object->origin == 0 || object->origin == currentlibrary;
}

// The records kept unread go back where they stood: behind the last
// object read before them that is written again, known by its identity
// (slot i + 1 is behind saved[i], slot 0 before all).  Objects gone since
// the reading are passed over.
static std::vector<std::vector<const std::string*>> placekept(const std::vector<fu1*>& saved,
                                                              const libraryread* rest)
{
    std::vector<std::vector<const std::string*>> behind(saved.size() + 1);
    if (!rest)
        return behind;
    std::unordered_map<std::string, size_t> slot;
    identities names;
    for (size_t i = 0; i < saved.size(); ++i)
        slot.emplace(names.next(saved[i]), i + 1);
    for (const libraryread::record& r : rest->unread) {
        size_t at = 0;
        for (size_t j = std::min(r.after, rest->read.size()); j > 0 && at == 0; --j) {
            auto found = slot.find(rest->read[j - 1]);
            if (found != slot.end())
                at = found->second;
        }
        behind[at].push_back(&r.text);
    }
    return behind;
}

static bool deletefile(const std::string& path)
{
    std::string text = "\n you are deleting the file \"" + path + "\" \n\n\r <1>    OK \n\r <esc>  cancel \n";
    if (report(reportkind::message, text) != '1') {
        report(reportkind::message, "\n OK file is kept \n", nullptr, 10);
        return true;
    }
    if (!renamefile(path, backupname(path), true)) {
        report(reportkind::message, "\n " + fileerror() + " \n");
        return false;
    }
    return true;
}

bool writelib(const std::string& path, chain& list, bool foreign, savemode mode, const libraryread* rest)
{
    if (rest && rest->unreadable) {
        reportf(reportkind::message, "\n The library file \"%s\" could not be read; \n\r it is not overwritten. \n",
                path.c_str());
        return false;
    }
    bool empty = list.count == 0 && (!rest || rest->unread.empty());
    if (empty) {
        bool done = !fileexists(path) || deletefile(path);
        // The context's deletions are saved once its file is gone.
        if (done && mode == savemode::context && !fileexists(path))
            changerecclear();
        return done;
    }

    std::vector<fu1*> saved;
    for (listnode* node = list.head; node; node = node->next) {
        fu1* object = static_cast<fu1*>(node);
        if (iswritten(object, foreign))
            saved.push_back(object);
    }
    std::ostringstream out;
    out.imbue(std::locale::classic());
    std::vector<std::vector<const std::string*>> behind = placekept(saved, rest);
    for (size_t i = 0; i <= saved.size(); ++i) {
        if (i > 0)
            saved[i - 1]->save(out);
        for (const std::string* record : behind[i])
            out << *record;
    }

    atomicsave file(path, backupname(resolvepath(path)));
    if (!file.stream()) {
        reportf(reportkind::message, " could not open file %s for writing ", path.c_str());
        return false;
    }
    if (!out || !file.write(out.str()) || !file.commit()) {
        reportf(reportkind::message,
                "\n bad file status after writing %d objects \n\r %s \n\r The old file is kept. \n",
                int(saved.size()), fileerror().c_str());
        return false;
    }
    if (mode == savemode::context) {
        for (fu1* object : saved) {
            object->written = 1;
            object->setmark(0);
        }
        changerecclear();
    }
    return true;
}
