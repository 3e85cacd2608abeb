#include "revolver/optioncmds.h"

#include "platform/core/files.h"
#include "platform/core/priority.h"
#include "screen/boxsettings.h"
#include "screen/host.h"
#include "screen/inputdialogs.h"
#include "screen/listbox.h"
#include "screen/msgbox.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The figure of memory in use stands fixed, as the page reports it.
constexpr unsigned long memoryfigure = 10000000;
unsigned long laststart = 0;

void threadline(int thread, int& priority, const char*& name)
{
    bool known = platform::threadpriority(thread, priority);
    name = threadpriorityname(known ? &priority : nullptr);
    if (!known)
        priority = 0;
}

}  // namespace

const char* priorityname(int cls)
{
    switch (cls) {
    case platform::priorityclass::normal: return "normal priority";
    case platform::priorityclass::idle: return "idle";
    case platform::priorityclass::high: return "high";
    case platform::priorityclass::realtime: return "realtime";
    default: return "unknown";
    }
}

const char* threadpriorityname(const int* priority)
{
    if (!priority)
        return "## invalid thread handle ##";
    switch (*priority) {
    case -15: return "idle";
    case -2: return "lowest";
    case -1: return "below normal";
    case 0: return "normal";
    case 1: return "above normal";
    case 2: return "highest";
    case 15: return "time critical";
    default: return "unknown";
    }
}

void prioritycmd()
{
    int p1, p2;
    const char *n1, *n2;
    threadline(1, p1, n1);
    threadline(2, p2, n2);
    tell("\n Process priority class is \"%s\" \n\n\r Priority of thread 1 is %d (%s) \n\n\r Priority of "
         "thread 2 is %d (%s) \n\r",
         priorityname(platform::processclass()), p1, n1, p2, n2);
    setboxtitle(" Change of Priority Class ");
    msgstyle(2);
    int k = msgbox("\n The priority class should be \"normal\" unless the program performs \n\r"
                   " sluggishly; then try \"high\". \"realtime\" might block the operating system. \n\r"
                   " The command line options -p n, -p h and -p i set the class at start. \n\n\r"
                   " <n>    normal \n\r <h>    high \n\r <r>    realtime \n\r <i>    idle \n\r"
                   " <esc>  quit without action \n");
    int cls = k == 'h' ? platform::priorityclass::high
              : k == 'i' ? platform::priorityclass::idle
              : k == 'n' ? platform::priorityclass::normal
              : k == 'r' ? platform::priorityclass::realtime
                         : 0;
    if (!cls)
        return;
    std::string error;
    if (!platform::setprocessclass(cls, error)) {
        msgstyle(1);
        tell("\n The priority class \"%s\" was refused: \n\r %s \n", priorityname(cls), error.c_str());
        return;
    }
    setboxtitle(" Confirmation ");
    tell("\n Process priority class has been set to: \n\n\r %s \n", priorityname(platform::processclass()));
}

void autojumpcmd()
{
    setboxtitle(" Auto-jump Feature ");
    int k = tell("\n While auto-jump is enabled, the application window repositions \n\r"
                 " itself whenever needed to display a message, an input line or a plot. \n\r"
                 " Switch it off when it gets in the way of other programs. \n\n\r%s"
                 "\n\n Should auto-jump be enabled ?\n\n\r <y>   yes\n\r <n>   no\n\r <esc> cancel\n\r",
                 autojump() ? " Current status: enabled" : " Current status: disabled");
    if (k == 'n' && autojump()) {
        setboxtitle(" N O T I C E ");
        msgbox("\n Without auto-jump you may miss the program's reactions while its \n\r"
               " window is only partly visible; an incompletely drawn plot screen \n\r"
               " is no crash. \n");
    }
    if (k == 'y' || k == 'Y') {
        setautojump(true);
        msgbox("\n Feature enabled \n", 500);
    } else if (k == 'n' || k == 'N') {
        setautojump(false);
        msgbox("\n Feature disabled \n", 500);
    }
}

std::unique_ptr<textpage> textfilepage(const std::string& name)
{
    unsigned long start = memoryfigure;
    auto page = std::make_unique<textpage>();
    std::FILE* in = std::fopen(resolvepath(name).c_str(), "rb");
    if (!in) {
        page->addlinef("\n could not open file \n\n\r %-30s \n\r", name.c_str());
        return page;
    }
    long lines = 0, characters = 0, longest = 0;
    std::string line;
    int c;
    bool atend = false;
    for (;;) {
        c = std::fgetc(in);
        if (c == EOF || c == '\n') {
            if (c == EOF && line.empty())
                break;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.size() > 9999)
                line.resize(9999);
            page->addtext(line.c_str());
            ++lines;
            characters += long(line.size());
            longest = std::max(longest, long(line.size()));
            line.clear();
            if (c == EOF)
                break;
        } else {
            line += char(c);
        }
    }
    atend = std::feof(in);
    std::fclose(in);
    page->addlinef("\n\n\rstatistics: %ld lines\n\r %ld characters\n\r longest line: %ld characters\n\n\r"
                   " memory used: %lu bytes\n\r memory when starting: %lu bytes\n\r memory when starting "
                   "last time: %lu bytes",
                   lines, characters, longest, memoryfigure, start, laststart);
    laststart = start;
    if (!atend)
        page->addtext("\n\n\rpremature termination before end of file! ");
    return page;
}

void textfileshow()
{
    char name[261] = "";
    if (keyedinput(name, 260, 0, " enter file name ") != key::enter || !name[0])
        return;
    std::unique_ptr<textpage> page = textfilepage(name);
    if (!page)
        return;
    setboxcolors(12, 4, 11, 14, 11);
    setfootercode(7);
    setboxtitle(name);
    setlistcolors(1, 7, 8, 15);
    page->show();
}

void textstatcmd()
{
    textfileshow();
    okbox();
}
