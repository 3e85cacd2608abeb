#include "formula/standins.h"

#include "formula/report.h"

void messagebox(const char* caption, int footer, const char* text)
{
    report(reportkind::message, text, caption, footer);
}
