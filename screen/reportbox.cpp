#include "screen/reportbox.h"

#include "screen/boxsettings.h"
#include "screen/listbox.h"
#include "screen/msgbox.h"
#include "screen/textlist.h"

namespace {

// In the colours of the domain error page, with the footer of the code
// given; 27 when the list was left with Esc, else 13.
int showpage(const std::string& text, const char* caption, int footer)
{
    textpage page;
    page.addtext(text.c_str());
    if (caption)
        setboxtitle(caption);
    setfootercode(footer);
    setboxcolors(15, 4, 14, 0, 0);
    setlistcolors(16, 15, 16, 11);
    page.show(1);
    return listkey == 27 ? 27 : 13;
}

}  // namespace

int reportbox::report(reportkind kind, const std::string& text, const char* caption, int footer)
{
    switch (kind) {
    case reportkind::unexpected:
        return unexpectederror(text.c_str());
    case reportkind::bug:
        msgstyle(2);
        return tell("\n Unexpected Error in \"%s\"! \n", text.c_str());
    case reportkind::libread:
    case reportkind::error:
        msgstyle(1);
        break;
    case reportkind::fault:
        msgstyle(2);
        break;
    case reportkind::message:
        break;
    case reportkind::page:
        return showpage(text, caption, footer);
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
