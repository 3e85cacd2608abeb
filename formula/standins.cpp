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

std::string fullname(const fu*)
{
    return "?";
}

int originlibrary(const fu*)
{
    return 0;
}

bool implementcomponent(fu*, int)
{
    return false;
}

void messagebox(const char* caption, int footer, const char* text)
{
    report(reportkind::message, text, caption, footer);
}
