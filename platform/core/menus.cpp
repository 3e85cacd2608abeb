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

}  // namespace

const menuentry* menutable(const std::string& name, size_t& count)
{
    if (strcasecmp(name.c_str(), "STOPMENU") == 0) {
        count = std::size(stopmenu);
        return stopmenu;
    }
    if (name == "DERAruri") {
        count = std::size(debugmenu);
        return debugmenu;
    }
    count = 0;
    return nullptr;
}

}  // namespace platform
