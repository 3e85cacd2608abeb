#include "screen/listrange.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/limits.h"
#include "platform/core/files.h"
#include "screen/askinput.h"
#include "screen/boxsettings.h"
#include "screen/filenames.h"
#include "screen/list2way.h"
#include "screen/msgbox.h"
#include "screen/printjob.h"
#include "screen/uiutil.h"

namespace {

// Asks the first and last line of a range: from must not lie beyond the
// last line, until not before from.  Values are truncated and clamped.
bool askrange(list2way& list, const char* fromtitle, const char* untiltitle, int32_t& from, int32_t& until)
{
    double value = list.first;
    if (!asknumber(fromtitle, value) || !(value <= list.last))
        return false;
    from = int32_t(std::trunc(std::max(value, double(list.first))));
    value = list.last;
    if (!asknumber(untiltitle, value) || !(value >= from))
        return false;
    until = int32_t(std::trunc(std::min(value, double(list.last))));
    return true;
}

}  // namespace

listwrite writelines(list2way& list, int32_t from, int32_t until, const std::string& path)
{
    atomicsave save(path);
    if (!save.stream())
        return listwrite::notopened;
    int32_t keep = list.current;
    bool ok = true;
    for (int32_t line = from; ok && line <= until; line++)
        ok = fprintf(save.stream(), "%s\n", list.textof(line)) >= 0;
    list.current = keep;
    return ok && save.commit() ? listwrite::written : listwrite::notwritten;
}

bool printlines(list2way& list, int32_t from, int32_t until)
{
    int32_t keep = list.current;
    bool ok = true;
    for (int32_t line = from; ok && line <= until; line++)
        ok = printline(list.textof(line));
    list.current = keep;
    return enddoc() && ok;
}

void printrange(list2way& list)
{
    int32_t from, until;
    if (!askrange(list, " print from line nr. ? ", " print until line nr. ? ", from, until) || !begindoc())
        return;
    if (!printlines(list, from, until)) {
        msgstyle(1);
        msgbox("\n Could not print the list \n");
    }
}

void writerange(list2way& list)
{
    int32_t from, until;
    if (!askrange(list, " Write to file: from line nr. ? ", " until line nr. ? ", from, until))
        return;
    char name[limits::pathlength] = "";
    if (!*newfilename(name, "*2OK", nullptr))
        return;
    if (existsindir(name)) {
        setfootertext(" y/n ");
        if (!isyes(tell("\n \x9a" "berschreibe existierende Datei \"%s\" ? \n", name)))
            return;
    }
    switch (writelines(list, from, until, resolvefile(std::string(), name))) {
    case listwrite::notopened:
        msgstyle(1);
        msgbox("\n Could not open file ! \n");
        break;
    case listwrite::notwritten:
        msgstyle(1);
        tell("\n Could not write file \"%s\" \n", name);
        break;
    case listwrite::written:
        setfootercode(10);
        tell("\n File \"%s\" has been written \n", name);
        break;
    }
}
