// The state file "vemo.rev": one block a calculator that is not empty, in
// ring order, each with its index.  The reader takes every block that it
// can: after a bad block it goes on at the next "@CALCULATOR" line.  A
// block that the calculator read from it does not write back as it stands
// (but for blanks at line ends and numbers spelled otherwise) was not
// taken whole: it counts as damaged.
#include "revolver/revolver.h"

#include "base/limits.h"
#include "base/report.h"
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "calculator/rkiterator.h"
#include "math/cnumber.h"
#include "math/valtable.h"
#include "platform/core/files.h"
#include "screen/msgbox.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char filetag[] = "VE REVOLVERFILE";

bool startswith(const std::string& line, const char* head)
{
    return line.compare(0, std::strlen(head), head) == 0;
}

// The file's lines without their LF.  A file whose first line ends in
// CR LF has CR LF ends: its lines lose one CR each; in a file of LF ends
// a CR is part of the line.
std::vector<std::string> splitlines(const std::string& bytes)
{
    size_t first = bytes.find('\n');
    bool crlf = first != std::string::npos && first > 0 && bytes[first - 1] == '\r';
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (crlf && !line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool blank(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

// A decimal index, blanks around it allowed; false for anything else.
bool readindex(const std::string& line, long& value)
{
    const char* text = line.c_str();
    char* end;
    value = std::strtol(text, &end, 10);
    if (end == text)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    return *end == 0 && size_t(end - text) == line.size();
}

// The lines of one block: from its "@CALCULATOR" line to the next one.
struct blockreader {
    const std::vector<std::string>& lines;
    size_t at, end;

    bool more() const { return at < end; }
    const std::string& take() { return lines[at++]; }
};

bool learnrk(calculator& c, blockreader& in)
{
    std::string record;
    bool ended = false;
    while (in.more() && !ended) {
        const std::string& line = in.take();
        record += line + '\n';
        ended = startswith(line, "@END");
    }
    if (!ended)
        return false;
    RK rk;
    std::istringstream text(record);
    bool ok = RKiterator(rk).learn(text);
    return ok && rk.table && c.takesystem(rk, rk.table->startvector, rk.statelength());
}

// One calculator block after its index line, up to its end line; false
// when it is cut short or holds a line of no kind (what was read stays in
// the calculator).
bool learncalc(calculator& c, blockreader& in)
{
    while (in.more()) {
        const std::string& line = in.take();
        if (startswith(line, "@END")) {
            c.setstatus(calcstatus::mustimplement);
            return true;
        }
        if (startswith(line, "@DIRECTMODE")) {
            if (in.end - in.at < 2)
                return false;
            const std::string& args = in.take();
            const std::string& formula = in.take();
            if (!c.isempty() || !c.setformula(formula.c_str(), args.c_str()))
                return false;
        } else if (startswith(line, "@RKITERATOR")) {
            if (!c.isempty() || !learnrk(c, in))
                return false;
        } else {
            return false;
        }
    }
    return false;
}

void savecalc(std::ostream& out, calculator& c, int index)
{
    out << "@CALCULATOR\n" << index << '\n';
    if (c.isdirectmode()) {
        const char* args = c.argstring();
        const char* formula = c.formulatext();
        out << "@DIRECTMODE\n" << (args ? args : "") << '\n' << (formula ? formula : "") << '\n';
    } else {
        RKiterator(*c.solver).save(out, true);
    }
    out << "@END CALCULATOR\n";
}

// A line as the notice names it: control characters (a CR would move
// the box's text) shown as '?'.
std::string shown(std::string line)
{
    for (char& c : line)
        if (static_cast<unsigned char>(c) < ' ')
            c = '?';
    return line.empty() ? "(blank line)" : line;
}

bool isnumber(const std::string& line, double& value)
{
    const char* end;
    return scannumber(line.c_str(), value, &end) && blank(end);
}

// Lines that say the same: equal but for blanks at their ends, or one
// number spelled in two ways.
bool sameline(const std::string& a, const std::string& b)
{
    size_t x = a.find_last_not_of(" \t") + 1, y = b.find_last_not_of(" \t") + 1;
    if (a.compare(0, x, b, 0, y) == 0)
        return true;
    double u, v;
    return isnumber(a, u) && isnumber(b, v) && (u == v || (std::isnan(u) && std::isnan(v)));
}

// Start values that are all zero stand for none: a record without them
// reads as one with zeros.
void dropzerostart(std::vector<std::string>& written)
{
    auto head = std::find(written.begin(), written.end(), "@INIVALSCONST");
    auto tail = std::find(head, written.end(), "@END RKITERATOR");
    double v;
    if (head != written.end() && std::all_of(head + 1, tail, [&](const std::string& l) { return isnumber(l, v) && v == 0; }))
        written.erase(head, tail);
}

// The first line of the block that what the calculator writes does not say
// again; empty when the reader took the block whole.
std::string firstnottaken(calculator& c, int index, const std::vector<std::string>& lines, size_t from, size_t to)
{
    std::vector<std::string> written;
    if (!c.isempty()) {
        std::ostringstream out;
        savecalc(out, c, index);
        written = splitlines(out.str());
    } else if (to - from == 3) {
        return std::string();   // an empty block
    }
    bool nostart = std::find(lines.begin() + long(from), lines.begin() + long(to), "@INIVALSCONST") ==
                   lines.begin() + long(to);
    if (nostart)
        dropzerostart(written);
    for (size_t i = 0; from + i < to; ++i)
        if (i >= written.size() || !sameline(lines[from + i], written[i]))
            return shown(lines[from + i]);
    return written.size() > to - from ? "(end of block)" : std::string();
}

// The end of the block that begins at from: the next "@CALCULATOR" line.
size_t blockend(const std::vector<std::string>& lines, size_t from)
{
    size_t end = from + 1;
    while (end < lines.size() && !startswith(lines[end], "@CALCULATOR"))
        ++end;
    return end;
}

}  // namespace

// Reads the block from..to into the ring; the first line that it did not
// take whole goes to nottaken (unless one is there).  False when the block
// is damaged.
bool revolver::readblock(const std::vector<std::string>& lines, size_t from, size_t to, int& count,
                         std::string& nottaken)
{
    long i;
    std::string lost;
    if (to - from < 2 || !readindex(lines[from + 1], i) || i < 0 || i >= ncalcs || !calculators[i]->isempty()) {
        lost = shown(lines[to - from < 2 ? from : from + 1]);
    } else {
        calculator& c = *calculators[i];
        blockreader in{lines, from + 2, to};
        bool read = learncalc(c, in);
        count += !c.isempty();
        size_t taken = in.at;
        while (in.more() && blank(lines[in.at]))
            ++in.at;
        if (!read)
            lost = taken > from + 2 ? shown(lines[taken - 1]) : "(no end line)";
        else if (in.more())
            lost = shown(lines[in.at]);
        else
            lost = firstnottaken(c, int(i), lines, from, taken);
    }
    if (!lost.empty() && nottaken.empty())
        nottaken = lost;
    return lost.empty();
}

int revolver::readrevolver(const std::string& name)
{
    readnotice.clear();
    readfaults = 0;
    writeback = true;
    std::string bytes;
    if (!fileexists(name))
        return -1;
    char text[600];
    if (!loadfile(name, bytes)) {
        writeback = false;
        std::snprintf(text, sizeof text,
                      "\n File %s cannot be read: \n\r %s \n\r It is kept as it is: the calculators of this run \n\r "
                      "are not saved in it. \n",
                      name.c_str(), fileerror().c_str());
        readnotice = text;
        return -1;
    }
    std::vector<std::string> lines = splitlines(bytes);
    bool ourformat = !lines.empty() && lines[0] == filetag;
    int count = 0;
    std::string nottaken;
    if (!ourformat) {
        readfaults = 1;
    } else {
        holdreports quiet(reportkind::libread);   // told once below
        size_t at = 1;
        while (at < lines.size() && blank(lines[at]))
            ++at;
        if (at < lines.size() && !startswith(lines[at], "@CALCULATOR")) {
            ++readfaults;
            nottaken = shown(lines[at]);
            at = blockend(lines, at);
        }
        for (size_t end; at < lines.size(); at = end) {
            end = blockend(lines, at);
            readfaults += !readblock(lines, at, end, count, nottaken);
        }
    }
    if (!readfaults)
        return count;
    std::string bad = keepername(name, "bad");
    bool kept = savefile(bad, bytes);
    if (!ourformat)
        std::snprintf(text, sizeof text, "\n File %s is of invalid format - \n\r could not read revolver contents ! \n",
                      name.c_str());
    else
        std::snprintf(text, sizeof text,
                      "\n File %s holds %d damaged block(s); \n\r %d calculator(s) were read. \n\r Not taken as "
                      "written: \"%.40s\" \n",
                      name.c_str(), readfaults, count, nottaken.c_str());
    readnotice = text;
    if (kept) {
        readnotice += "\r The file as it was is kept as " + bad + ". \n";
    } else {
        writeback = false;
        readnotice += "\r It could not be kept as " + bad + ": \n\r " + fileerror() +
                      " \n\r so it is not written over at the end. \n";
    }
    return ourformat ? count : -1;
}

bool revolver::writerevolver(const std::string& name)
{
    std::ostringstream out;
    out << filetag << '\n';
    for (int i = 0; i < ncalcs; ++i)
        if (!calculators[i]->isempty())
            savecalc(out, *calculators[i], i);
    if (!savefile(name, out.str(), keepername(name, "bak"))) {
        msgstyle(1);
        tell(" Could not write the file %s: \n\r %s \n\r The previous contents stay. ", name.c_str(),
             fileerror().c_str());
        return false;
    }
    return true;
}
