#include "objects/edithooks.h"

#include <vector>

#include "formula/report.h"
#include "ui/boxsettings.h"
#include "ui/codelist.h"
#include "ui/inputdialogs.h"
#include "ui/numlist.h"
#include "ui/textlist.h"

namespace {
int notavailable()
{
    return report(reportkind::message, "\n This editor is not available yet. \n");
}
}

int editline(std::string& text, int limit, const char* title)
{
    std::vector<char> buffer(size_t(limit) + 1, 0);
    text.copy(buffer.data(), size_t(limit));
    keycode key = keyedinput(buffer.data(), int16_t(limit), 0, title);
    if (key == 13)
        text = buffer.data();
    return key;
}

bool editfunction(fu1&)
{
    notavailable();
    return false;
}

bool endeditcheck(fu1&, int)
{
    return true;
}

void seteditcaption(const char*)
{
}

bool additem(attrlines&, int, const std::string&)
{
    return false;
}

int showtextpage(const char* caption, const char* footer, const std::vector<std::string>& lines)
{
    textpage page;
    for (const std::string& line : lines)
        page.addtext(line.c_str());
    setboxtitle(caption);
    setfootertext(footer);
    return page.show();
}

int editnumbers(double* values, int n, const char* caption)
{
    setboxtitle(caption);
    return shownumlist(values, 0, n - 1);
}

bool showrpncode(parser& p)
{
    return showcode(p);
}
