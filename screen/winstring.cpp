#include "screen/winstring.h"

#include "platform/core/codepage.h"
#include "screen/dialogrunner.h"
#include "screen/screen.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

int dialogowner = 0;
int winreadstate = readstate::number;

namespace {

constexpr int editid = 1000, promptid = 1001, okid = 1;
constexpr int numberbuffer = 400;

}  // namespace

// The dialog shows the characters that the screen's code page gives the
// bytes, and its answer comes back in that code page.
platform::dialogtemplate stringdialog(const char* prompt, const char* text, int limit)
{
    using platform::controlkind;
    bool oem = !fontisansi();
    return {"WINSTRINGDIALOG",
            "",
            "Fixedsys",
            {{promptid, controlkind::text, platform::codepageutf8(prompt ? prompt : "", oem)},
             {editid, controlkind::edit, "", platform::codepageutf8(text ? text : "", oem), limit, true},
             {okid, controlkind::button, "OK"},
             {2, controlkind::button, "Abbrechen"}}};
}

char* winstring(char* buffer, int size, const char* prompt)
{
    if (!buffer || size <= 1)
        return nullptr;
    platform::dialogtemplate d = stringdialog(prompt, buffer, size - 1);
    int result = rundialog(d);
    dialogowner = 0;
    repaintmain();
    if (result != okid)
        return nullptr;
    std::string line = platform::utf8codepage(d.control(editid)->value, !fontisansi()).substr(0, size - 1);
    std::memcpy(buffer, line.c_str(), line.size() + 1);
    return buffer;
}

double winreadnumber(double value, const char* prompt)
{
    winreadstate = readstate::open;
    char buffer[numberbuffer] = "";
    if (!winstring(buffer, sizeof buffer, prompt)) {
        winreadstate = readstate::cancelled;
        return value;
    }
    if (!*buffer) {
        winreadstate = readstate::empty;
        return value;
    }
    errno = 0;
    double x = std::strtod(buffer, nullptr);
    winreadstate = errno == ERANGE ? readstate::range : readstate::number;
    return x;
}
