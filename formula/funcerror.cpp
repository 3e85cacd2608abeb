#include "formula/funcerror.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "formula/limits.h"
#include "formula/report.h"

namespace {
const char* kindtext(int kind, const char* text)
{
    switch (kind) {
    case funcdomain: return " domain error! ";
    case funcsingular: return " domain error - singularity! ";
    case funcoverflow: return "Overflow! ";
    case funccapacity: return "Sorry, this goes beyond the program's capacity! ";
    case funcestimate: return "the result can only be estimated! ";
    case functext:
    case functextwarning: return text ? text : "";
    case funcnonsense: return "this argument collection doesn't make sense:";
    default: return "unknown error code ";
    }
}

bool iswarning(int kind)
{
    return kind == funcestimate || kind == functextwarning || kind == funcnonsense;
}

void append(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void append(std::string& out, const char* format, ...)
{
    char buffer[limits::textbuffersize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    out += buffer;
}
}

void reportfuncerror(int kind, const char* name, const char* text, int n, ...)
{
    bool warning = iswarning(kind);
    int shown = limits::screenrows - (warning ? 9 : 7);
    std::string box;
    append(box, "\n %s \n\n\r", kindtext(kind, text));
    append(box, " Function \"%s\" was called with argument(s): ", name);
    va_list args;
    va_start(args, n);
    for (int i = 0; i < n && i < shown; i++)
        append(box, "\n\r %25.15g ", va_arg(args, double));
    va_end(args);
    if (n > shown)
        box += " and more. ";
    if (warning)
        box += "\n\r <enter> resume computation\n\r <esc>   abort";
    box += "\n";
    report(reportkind::message, box);
}
