#include "objects/edithooks.h"

#include <vector>

#include "screen/boxsettings.h"
#include "screen/listbox.h"
#include "screen/numlist.h"
#include "screen/palette.h"
#include "screen/textlist.h"

namespace {
int showpage(textpage& page, const char* caption, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        page.addtext(line.c_str());
    setboxtitle(caption);
    return page.show();
}
}

int showtextpage(const char* caption, const char* footer, const std::vector<std::string>& lines)
{
    textpage page;
    setfootertext(footer);
    return showpage(page, caption, lines);
}

int showtextpage(const char* caption, int footercode, const std::vector<std::string>& lines, int16_t left,
                 int16_t top)
{
    textpage page;
    page.setbounds(left, top, 0, 0);
    setfootercode(footercode);
    return showpage(page, caption, lines);
}

void pagecolors(int role)
{
    setboxcolors(colorof(role), colorof(role + 1), colorof(role + 2), colorof(role + 3), colorof(role + 4));
    setlistcolors(colorof(role + 5), colorof(role + 6), colorof(role + 7), colorof(role + 8));
}

int editnumbers(double* values, int n, const char* caption)
{
    setboxtitle(caption);
    return shownumlist(values, 0, n - 1);
}
