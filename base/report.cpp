#include "base/report.h"

#include <cstdarg>
#include <cstdio>

#include "base/limits.h"

namespace {
class recordingsink : public reportsink {
public:
    int report(reportkind kind, const std::string& text, const char* caption, int footer) override
    {
        entries.push_back({kind, text, caption ? caption : "", footer});
        return 13;
    }
    std::vector<reportentry> entries;
};

recordingsink recorder;
reportsink* current = &recorder;
}

void setreportsink(reportsink* sink)
{
    current = sink ? sink : &recorder;
}

int report(reportkind kind, const std::string& text, const char* caption, int footer)
{
    return current->report(kind, text, caption, footer);
}

int reportf(reportkind kind, const char* format, ...)
{
    char buffer[limits::textbuffersize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return report(kind, buffer);
}

holdreports::holdreports(reportkind kind) : held(kind), outer(current)
{
    current = this;
}

holdreports::~holdreports()
{
    current = outer;
}

int holdreports::report(reportkind kind, const std::string& text, const char* caption, int footer)
{
    if (kind != held)
        return outer->report(kind, text, caption, footer);
    if (count++ == 0)
        first = text;
    return 27;
}

const std::vector<reportentry>& recordedreports()
{
    return recorder.entries;
}

void clearrecordedreports()
{
    recorder.entries.clear();
}
