#include "formula/standins.h"

#include "formula/report.h"

bool databaseinuse()
{
    return false;
}

int databaseversions(const char*, int, int)
{
    return 0;
}

bool databaselists(int, const char*, int, int)
{
    return false;
}

void messagebox(const char* caption, int footer, const char* text)
{
    report(reportkind::message, text, caption, footer);
}
