// The state file "vemo.rev": one block a calculator that is not empty, in
// ring order, each with its index.  The reader takes every block that it
// can: after a bad block it goes on at the next "@CALCULATOR" line.
#include "revolver/revolver.h"

#include "base/limits.h"
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "calculator/rkiterator.h"
#include "math/valtable.h"
#include "platform/core/files.h"
#include "screen/msgbox.h"

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

std::string cut(const std::string& line, size_t limit)
{
    return line.size() > limit ? line.substr(0, limit) : line;
}

// The file's lines without their LF and one trailing CR each.
std::vector<std::string> splitlines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
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
    return *end == 0;
}

struct blockreader {
    const std::vector<std::string>& lines;
    size_t at;

    bool more() const { return at < lines.size(); }
    const std::string& take() { return lines[at++]; }
    // A line that begins the next block stays for the outer reader.
    bool atblock() const { return more() && startswith(lines[at], "@CALCULATOR"); }
};

bool learnrk(calculator& c, blockreader& in)
{
    std::string record;
    bool ended = false;
    while (in.more() && !in.atblock() && !ended) {
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

// One calculator block after its index line; false when it is cut short
// or holds a line of no kind (what was read stays in the calculator).
bool learncalc(calculator& c, blockreader& in)
{
    while (in.more() && !in.atblock()) {
        const std::string& line = cut(in.take(), 79);
        if (startswith(line, "@END")) {
            c.setstatus(calcstatus::mustimplement);
            return true;
        }
        if (startswith(line, "@DIRECTMODE")) {
            if (!in.more() || in.atblock())
                return false;
            std::string args = cut(in.take(), 79);
            if (!in.more() || in.atblock())
                return false;
            std::string formula = cut(in.take(), limits::formulalength + 1);
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

}  // namespace

int revolver::readrevolver(const std::string& name)
{
    std::string bytes;
    if (!loadfile(name, bytes))
        return -1;
    std::vector<std::string> lines = splitlines(bytes);
    bool ourformat = !lines.empty() && cut(lines[0], 49) == filetag;
    readfaults = ourformat ? 0 : 1;
    int count = 0;
    blockreader in{lines, 1};
    while (in.more()) {
        if (!in.atblock()) {
            ++readfaults;
            while (in.more() && !in.atblock())
                in.take();
            continue;
        }
        in.take();
        long i;
        if (!in.more() || in.atblock() || !readindex(in.take(), i) || i < 0 || i >= ncalcs) {
            ++readfaults;
            continue;
        }
        calculator& c = *calculators[i];
        bool wasempty = c.isempty();
        if (!wasempty || !learncalc(c, in))
            ++readfaults;
        if (wasempty && !c.isempty())
            ++count;
    }
    readnotice.clear();
    if (!readfaults)
        return count;
    std::string bad = keepername(name, "bad");
    bool kept = savefile(bad, bytes);
    char text[600];
    if (!ourformat)
        std::snprintf(text, sizeof text, "\n File %s is of invalid format - \n\r could not read revolver contents ! \n",
                      name.c_str());
    else
        std::snprintf(text, sizeof text, "\n File %s holds %d faulty part(s); \n\r %d calculator(s) were read. \n",
                      name.c_str(), readfaults, count);
    readnotice = text;
    readnotice += kept ? " The file as it was is kept as " + bad + ". \n"
                       : " It could not be kept as " + bad + ": " + fileerror() + " \n";
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
