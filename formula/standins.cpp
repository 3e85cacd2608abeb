#include "formula/standins.h"

#include "formula/report.h"

fu* resolvecomponent(const char*, int, int, bool, namesused&)
{
    return nullptr;
}

bool databaseinuse()
{
    return false;
}

void messagebox(const char* caption, int footer, const char* text)
{
    report(reportkind::message, text, caption, footer);
}
