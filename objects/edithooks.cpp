#include "objects/edithooks.h"

#include "formula/report.h"

namespace {
int notavailable()
{
    return report(reportkind::message, "\n This editor is not available yet. \n");
}
}

int showtextpage(const char* caption, const char*, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line;
    return report(reportkind::message, text, caption);
}

int editnumbers(double*, int, const char*)
{
    notavailable();
    return 27;
}

bool showrpncode(parser&)
{
    notavailable();
    return true;
}
