#include "ui/reportbox.h"

#include "ui/boxsettings.h"
#include "ui/msgbox.h"

int reportbox::report(reportkind kind, const std::string& text, const char* caption, int footer)
{
    switch (kind) {
    case reportkind::unexpected:
        return unexpectederror(text.c_str());
    case reportkind::bug:
        msgstyle(2);
        return tell("\n Unexpected Error in \"%s\"! \n", text.c_str());
    case reportkind::libread:
        msgstyle(1);
        break;
    case reportkind::message:
        break;
    }
    if (caption)
        setboxtitle(caption);
    setfootercode(footer);
    return msgbox(text.c_str());
}

reportsink& boxreports()
{
    static reportbox sink;
    return sink;
}
