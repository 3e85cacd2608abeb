// The view page of an infinite sum.
#include <cstdio>
#include <string>
#include <vector>

#include "objects/comment.h"
#include "objects/compositenames.h"
#include "objects/edithooks.h"
#include "objects/fuinfinite.h"
#include "objects/slotcomp.h"
#include "objects/sumrecord.h"

std::string fuinfinite::typeline() const
{
    char text[80];
    switch (settings->mode) {
    case '-':
        std::snprintf(text, sizeof text, "Summation alternating, starting with '%c' ", settings->altplus ? '+' : '-');
        break;
    case 'c': std::snprintf(text, sizeof text, "Summation with factor cos(%c*rot+phase)", sumvar); break;
    case 's': std::snprintf(text, sizeof text, "Summation with factor sin(%c*rot+phase)", sumvar); break;
    case 'e': std::snprintf(text, sizeof text, "Summation with factor exp(i*(%c*rot+phase))", sumvar); break;
    default: std::snprintf(text, sizeof text, "Summation: unmodified"); break;
    }
    return text;
}

std::string fuinfinite::accelline() const
{
    return std::string("Acceleration: ") + (settings->accel ? "on" : "off");
}

std::string slottext(const slotcomp* c)
{
    return componentlabel(c);
}

int fuinfinite::show()
{
    if (!complete())
        return 0;
    std::vector<std::string> lines;
    lines.push_back(typeline() + "\n\r");
    lines.push_back(accelline() + "\n\r");
    lines.push_back("\n\r");
    char index[40];
    std::snprintf(index, sizeof index, "Summation Index: '%c'\n\n\r", sumvar);
    lines.push_back(index);
    for (int i = firstindex; i < slots && used(i); i++)
        lines.push_back(slottext(slot[i]));
    lines.push_back(slottext(slot[summand]));
    if (hascomment())
        lines.push_back(std::string("\n\r") + note->text());
    pagecolors(171);
    return showtextpage(longname(), 11, lines, 20, 7);
}
