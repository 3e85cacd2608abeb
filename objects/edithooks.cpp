#include "objects/edithooks.h"

#include "ui/msgbox.h"

namespace {
int notavailable()
{
    return tell("\n This editor is not available yet. \n");
}
}

int editline(std::string&, int, const char*)
{
    notavailable();
    return 27;
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

int showtextpage(const char*, const char*, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line;
    return msgbox(text.c_str());
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
