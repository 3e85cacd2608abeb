#include "objects/libfile.h"

#include <algorithm>
#include <cstring>
#include <locale>

#include "base/chain.h"
#include "base/limits.h"
#include "base/report.h"
#include "objects/context.h"
#include "objects/factory.h"
#include "objects/fu1.h"
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

// The lines of a record after its tag line, up to and including its end
// line ("@@END " and the tag without "@@", blanks after it allowed), or to
// the end of the stream.  A record read from these alone never reaches
// into the next one, however its reader fails.
static std::string recordlines(std::istream& in, const fu1* object)
{
    const std::string end = std::string("@@END ") + (object->tag() + 2);
    std::string text, line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        text += line;
        text += '\n';
        if (line.compare(0, end.size(), end) == 0 && line.find_first_not_of(' ', end.size()) == std::string::npos)
            break;
    }
    return text;
}

// Reads the record lines after the tag line into object and gives what it
// writes back; deletes it and gives null when they could not be read.
static fu1* learnrecord(std::istream& in, fu1* object, std::string& written)
{
    const std::string lines = recordlines(in, object);
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
    fu1* copy = readtypetag(in) == type ? makeobject(type) : nullptr;
    std::string again;
    copy = copy ? learnrecord(in, copy, again) : nullptr;
    bool same = copy && again == written;
    delete copy;
    return same;
}

// Reads one record.  bad tells that a record was there but could not be
// read into a usable object (its lines are consumed).
static fu1* readrecord(std::istream& in, bool& bad)
{
    bad = false;
    if (!in.good() || in.peek() == EOF)
        return nullptr;
    int type = readtypetag(in);
    if (type == 0 || !in.good())
        return nullptr;
    fu1* object = makeobject(type);
    if (!object)
        return nullptr;
    std::string written;
    object = learnrecord(in, object, written);
    if (object && !holds(type, written)) {
        delete object;
        object = nullptr;
    }
    if (!object) {
        bad = true;
        return nullptr;
    }
    if (object->origin == currentlibrary)
        object->origin = 0;
    return object;
}

fu1* readanobject(std::istream& in, bool* skipped)
{
    bool bad;
    fu1* object = readrecord(in, bad);
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
    rest->unread.push_back(part);
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
    int count = 0, kept = 0;
    bool fault = false;
    while (in.good() && in.peek() != EOF) {
        size_t start = offset(in, text.size());
        bool bad;
        fu1* object = readrecord(in, bad);
        if (object) {
            object->written = 1;
            list.append(object);
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
                "\n %d record(s) of \"%s\" could not be read. \n\r They are kept as they stand and saved unchanged. \n",
                kept, path.c_str());
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

    std::ostringstream out;
    out.imbue(std::locale::classic());
    std::vector<fu1*> saved;
    for (listnode* node = list.head; node; node = node->next) {
        fu1* object = static_cast<fu1*>(node);
        if (iswritten(object, foreign)) {
            object->save(out);
            saved.push_back(object);
        }
    }
    if (rest)
        for (const std::string& record : rest->unread)
            out << record;

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
