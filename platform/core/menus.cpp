#include "platform/core/menus.h"

#include <strings.h>

namespace platform {

namespace {

const menuentry stopmenu[] = {
    {"STOP", 40042},
    {"Options", -1},
    {"Auto-jump Behavior          \"oj\"", 40064, true},
    {"Args / Vars coinciding      \"oa\"", 40043, true},
    {"Random Seed Value           \"or\"", 40044},
    {"Open Textfile               \"ot\"", 40053},
    {"Printer Font", 40050},
    {"Rarely needed", -1},
    {"Compile without database    \"od\"", 40056, true},
    {"Show Font Properties        \"ooF\"", 40051},
    {"Process Priority            \"op\"", 40060},
    {"Recognizer internal Data", 40052},
    {nullptr, 0},
    {"Debug Experimental Menu", 40048},
    {nullptr, -2},
    {nullptr, -2},
    {"Help", -1},
    {"Help             <F1>", 40045},
    {"about...        <F10>", 40046},
    {nullptr, -2},
};

const menuentry debugmenu[] = {
    {"Test", -1},
    {"graphic functions", 40031},
    {"mouseframedialog", 40034},
    {"drawrectangle", 40035},
    {"testmaus", 40036},
    {"testcontamination", 40039},
    {"decontaminate", 40040},
    {"keyboard", 40041},
    {"clockticks        oot", 40062},
    {"putch               oop", 40063},
    {nullptr, -2},
    {"snapshot", -1},
    {"number of handles", 40032},
    {"snapshot", 40033},
    {nullptr, -2},
    {"statusscreen", 40038},
    {"Exit Debug", 40049},
};

// VEMDRAW's menu bar: Axes, Grid, Size and Shape Preview are commands
// of the bar itself.
const menuentry vdwmenu[] = {
    {"File", -1},
    {"Open", 40013},
    {"Print", 40015},
    {"Write to GIF / BMP", 40026},
    {nullptr, 0},
    {"Delete", 40028},
    {nullptr, -2},
    {"Axes", 40020},
    {"Grid", 40018},
    {"Size", 40019},
    {"Shape Preview", 40029},
    {"Inspect", -1},
    {"Printer Data", 40023},
    {nullptr, -2},
    {"?", -1},
    {"About", 40022},
    {"Help", 40024},
    {nullptr, -2},
};

}  // namespace

const menuentry* menutable(const std::string& name, size_t& count)
{
    if (strcasecmp(name.c_str(), "STOPMENU") == 0) {
        count = std::size(stopmenu);
        return stopmenu;
    }
    if (name == "vdwmenu") {
        count = std::size(vdwmenu);
        return vdwmenu;
    }
    if (name == "DERAruri") {
        count = std::size(debugmenu);
        return debugmenu;
    }
    count = 0;
    return nullptr;
}

}  // namespace platform
