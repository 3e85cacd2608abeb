// Test driver of the formula engine: reads lines LETTERS|FORMULA|VALUES,
// compiles each formula with those argument letters, evaluates it on the
// values and writes one line with the outcome.  Runs in a fresh empty
// temporary work directory.
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/hooks.h"

namespace {
struct request {
    std::string letters;
    std::string formula;
    std::vector<double> values;
};

bool parsevalues(const std::string& text, std::vector<double>& values)
{
    if (text.empty())
        return true;
    size_t at = 0;
    for (;;) {
        size_t comma = text.find(',', at);
        std::string item = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        char* end = nullptr;
        errno = 0;
        double v = std::strtod(item.c_str(), &end);
        while (end && *end == ' ')
            ++end;
        if (item.empty() || end == item.c_str() || *end != 0)
            return false;
        values.push_back(v);
        if (comma == std::string::npos)
            return true;
        at = comma + 1;
    }
}

bool parseline(const std::string& line, request& r)
{
    size_t first = line.find('|');
    size_t last = line.rfind('|');
    if (first == std::string::npos || first == last)
        return false;
    r.letters = line.substr(0, first);
    r.formula = line.substr(first + 1, last - first - 1);
    return parsevalues(line.substr(last + 1), r.values) && r.values.size() == r.letters.size();
}

void resetglobals()
{
    for (varrecord& v : shared.globals->records)
        v = varrecord{0.0, 0};
}

void run(const request& r)
{
    parser p;
    resetglobals();
    diagnostics& dia = globaldiagnostics();
    dia.clear();
    shared.errorcode = 0;  // evaluations set it on errors only
    shared.reportswitch = 0;
    int type = p.compile(r.formula.c_str(), r.letters.c_str(), 3);
    int error = -1;
    std::string result;
    if (type != 0) {
        double* values = p.calcarray(r.values.data(), short(r.values.size()));
        error = shared.error;
        for (int i = 0; error == 0 && i < p.valuecount; ++i) {
            char number[40];
            std::snprintf(number, sizeof number, "%s%.17g", i ? "," : "", values[i]);
            result += number;
        }
    }
    std::printf("type=%d values=%d diag=%d state=%d pos=%d error=%d code=%d result=%s\n", type,
                int(p.valuecount), int(dia.code), int(dia.state), int(dia.position), error,
                error < 0 ? 0 : int(shared.errorcode), result.c_str());
}

std::string enterworkdirectory()
{
    char path[] = "/tmp/evalformulaXXXXXX";
    if (mkdtemp(path) && chdir(path) == 0)
        return path;
    std::perror("evalformula: work directory");
    std::exit(2);
}

bool isblankline(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

// One output line per request line; 1 when a line was malformed.
int readlines()
{
    parser anchor;  // keeps the shared state from line to line
    int status = 0;
    std::string line;
    int c;
    while ((c = std::getchar()) != EOF || !line.empty()) {
        if (c != EOF && c != '\n') {
            line += char(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!isblankline(line) && line[0] != '#') {
            request r;
            if (parseline(line, r)) {
                run(r);
            } else {
                std::printf("input-error\n");
                status = 1;
            }
            std::fflush(stdout);
        }
        line.clear();
        if (c == EOF)
            break;
    }
    return status;
}
}

int main()
{
    startobjects();
    std::setlocale(LC_ALL, "C");
    std::string directory = enterworkdirectory();
    int status = readlines();
    if (chdir("/") == 0)
        std::filesystem::remove_all(directory);
    return status;
}
