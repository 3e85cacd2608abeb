#include "calculator/rkdialog.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/limits.h"
#include "calculator/rknames.h"
#include "calculator/rksetup.h"
#include "formula/evalstate.h"
#include "formula/varman.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/lineeditor.h"
#include "screen/list2way.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/uiutil.h"

namespace {

const char orderrefusal[] = " Not accepted. Expecting a value between 1 and %d. \n\r";

// One line per state component: its name padded to the longest, "=" and
// the value.
class startvaluelist : public list2way {
public:
    startvaluelist(double* v, const rkshape& s, int32_t n)
        : list2way(int16_t(screencols() - 44), 6, int16_t(screencols() - 2), int16_t(screenrows() - 1), 1, n),
          values(v), shape(s)
    {
        for (int32_t i = 0; i < n; i++)
            namewidth = std::max(namewidth, rkcolname(i, shape, 4).size());
    }
    void formatline() override
    {
        std::string name = rkcolname(current - 1, shape, 4);
        name.resize(namewidth, ' ');
        linef(" %s = %.15g", name.c_str(), values[current - 1]);
    }
    void otherkey(int& key) override
    {
        if (key == ' ' || key == 'e') {
            do {
                lastinputkey = 0;
                editline();
            } while (stepedit(lastinputkey));
        } else if (key == 's') {
            savevalue();
        }
    }

private:
    double* values;
    rkshape shape;
    size_t namewidth = 1;

    void editline()
    {
        std::string title = " " + rkcolname(current - 1, shape, 4) + " ";
        double v = values[current - 1];
        entrybox(&v, 0, int16_t(screenrows()), title.c_str());
        if (inputstate == inputstates::taken)
            values[current - 1] = v;
    }
    // Only a letter names a variable.
    void savevalue()
    {
        int k = msgbox("\n Which variable ? \n");
        if (k > 0 && k < 128 && varman::letternumber(char(k)) >= 0 && shared.globals) {
            shared.globals->setvalue(char(k), values[current - 1]);
            redraw();
        }
    }
};

void showknown(const rksetup& s)
{
    clrwindow(0);
    gotoxy(1, 1);
    if (s.ordergiven)
        cprintf(" Order = %d\n\r", int(s.shape.order));
    if (s.valuesgiven)
        cprintf(" Number of values = %d\n\r", int(s.shape.dimension));
    if (s.variablegiven)
        cprintf(" Independent variable: '%c'", s.shape.independent);
}

bool askformula(rksetup& s, const char* proposal)
{
    std::vector<char> buffer(size_t(limits::formulalength) + 1, 0);
    const char* start = s.formula && *s.formula ? s.formula : proposal ? proposal : "";
    std::strncpy(buffer.data(), start, buffer.size() - 1);
    cputs("\n\n\r Formula of Differential Equation ?\n\r");
    keycode k = lineinput(buffer.data(), 0, 0);
    if (k == key::esc)
        return false;
    if (!buffer[0]) {
        msgstyle(1);
        msgbox("\n This component needs a nonempty formula. \n\r Input will be repeated... \n");
        return true;
    }
    if (!proposal || std::strcmp(buffer.data(), proposal) != 0 || !s.formula)
        s.setformula(buffer.data());
    s.formulagiven = 1;
    return true;
}

bool askstart(rksetup& s)
{
    if (!s.zerostart())
        return false;
    for (;;) {
        setboxtitle(" Edit the Initial Values ");
        setfootertext(" <e> edit   <enter> done ");
        bool done = editstartvalues(s.start, s.shape);
        if (done) {
            s.startgiven = 1;
            return true;
        }
        msgstyle(1);
        if (isyes(msgbox("\n Cancel and delete all input (y/n) ? \n")))
            return false;
    }
}

bool formulamissing(const rksetup& s)
{
    return !s.formula || !*s.formula;
}

}  // namespace

bool askcount(const char* title, const char* refusal, int limit, uint16_t& target)
{
    for (;;) {
        double v = target;
        keycode k = entrybox(&v, 0, int16_t(screenrows()), title);
        if (k == key::esc)
            return false;
        if (inputstate != inputstates::novalue && v >= 1 && v <= limit) {
            target = uint16_t(v);
            return true;
        }
        msgstyle(1);
        tell(refusal, limit);
    }
}

char askletter()
{
    for (;;) {
        keycode k = getkey();
        if (k == key::esc)
            return 0;
        if (k > 0 && k < 128 && std::isalpha(k))
            return char(k);
    }
}

bool editstartvalues(double* values, const rkshape& shape, int32_t line)
{
    int32_t n = int32_t(shape.statelength());
    startvaluelist list(values, shape, n);
    if (list.bad)
        return false;
    list.showfrom(std::clamp(line, 1, n));
    list.run();
    return listkey == key::enter;
}

bool rkinitdialogue(rksetup& s, const char* proposal)
{
    setboxtitle(" Initializing Runge-Kutta Mode ");
    boxframe box(3, 3, int16_t(screencols() - 3), int16_t(screenrows() - 3));
    while (!s.complete()) {
        showknown(s);
        bool ok = true;
        if (!s.ordergiven) {
            ok = askcount(" Order of Differential Equation ? ", orderrefusal, rkshape::maxorder, s.shape.order);
            s.ordergiven = ok;
        } else if (!s.valuesgiven) {
            ok = askcount(" Number of Values ? ", orderrefusal, rkshape::maxdimension, s.shape.dimension);
            s.valuesgiven = ok;
        } else if (!s.variablegiven) {
            cputs("\n\n\r Character to be used as independent variable ? ");
            char c = askletter();
            ok = c != 0;
            s.shape.independent = c;
            s.variablegiven = ok;
        } else if (formulamissing(s)) {
            ok = askformula(s, proposal);
        } else {
            ok = askstart(s);
        }
        if (!ok)
            return false;
    }
    return true;
}

std::string rkdescription(const rkshape& shape, const char* formula)
{
    char line[160];
    std::string out;
    snprintf(line, sizeof line, "Order     = %d\n\r", int(shape.order));
    out += line;
    snprintf(line, sizeof line, "Dimension = %d\n\r", int(shape.dimension));
    out += line;
    snprintf(line, sizeof line, "Arclength Mode: %s\n\r", shape.arclength ? "on" : "off");
    out += line;
    snprintf(line, sizeof line, "Independent Variable: %c\n\r", shape.independent);
    out += line;
    std::string left = "f" + std::string(shape.order, '\'');
    snprintf(line, sizeof line, "\n\rEquation: %s = ...\n\r", left.c_str());
    out += line;
    out += formula ? formula : "";
    return out;
}
