#include "objects/edithooks.h"

#include <vector>

#include "screen/boxsettings.h"
#include "screen/numlist.h"
#include "screen/textlist.h"

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
