// The solver's target editor: a list of the formula's values with their
// targets; an emptied target drops the value from the system.
#include <vector>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/varman.h"
#include "numerics/formulanl.h"
#include "numerics/nltargets.h"
#include "platform/core/codepage.h"
#include "screen/askinput.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/lineeditor.h"
#include "screen/list2way.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"

namespace {

const char helptext[] =
    "In dieser Liste editieren Sie die Sollwerte für den Output \n\r der aktuellen Formel. Sie erscheint, "
    "wenn Sie den Befehl \"nn\" \n\r geben (im Gegensatz zu \"n0\", wobei alle Sollwerte als 0 \n\r"
    " angenommen werden). Der nichtlineare Solver versucht alle \n\r Sollwerte zu treffen, exakt oder im "
    "Sinne der \"kleinsten \n\r Quadrate\". Er ignoriert alle Formelwerte, deren Sollwerte \n\r Sie gelöscht "
    "haben. \n\r Nach dem Editieren eines Wertes drücken Sie (statt <Enter>) \n\r Hoch-/Tiefpfeil, um zum "
    "nächsten zu wechseln. Um einen Soll- \n\r wert zu löschen, löschen Sie seine Editorzeile (z.B. mit der "
    "\n\r <Pos 1>-Taste, gefolgt von <Bild Hochpfeil>). Mit <Enter> \n\r schließen Sie den Editor. Um von "
    "hier aus in den Editor \n\r zurückzugelangen, drücken Sie <e>. \n\r";

class targetwindow : public list2way {
public:
    explicit targetwindow(std::vector<targetentry>& list)
        : list2way(31, 11, int16_t(screencols()), int16_t(screenrows() - 1), 1, int32_t(list.size()), 0,
                   nullptr, 3, 0, colorof(203), colorof(204), colorof(205), colorof(206)),
          entries(list)
    {
        if (!bad)
            showtop();
    }
    void formatline() override
    {
        const targetentry& e = entries[current - 1];
        if (e.active)
            linef(" %-4ld  %15g %24.15g", long(current), e.value, e.target);
        else
            linef(" %-4ld  %15g", long(current), e.value);
    }
    // F1 is the editor's own help, not the general list help.
    void filterkey(int& key) override
    {
        if (key == key::f1) {
            help();
            key = nokey;
        }
    }
    void otherkey(int& key) override
    {
        if (key == ' ' || key == 'e')
            edit();
        else if (key == 's')
            save();
    }
    void edit()
    {
        int key;
        do {
            targetentry& e = entries[current - 1];
            double v = e.target;
            if (e.active) {
                key = entrybox(&v, 160, 0, " Edit Target ");
            } else {
                v = inputdouble(v, " New Target, if any ");
                key = lastinputkey;
            }
            if (inputstate == inputstates::taken) {
                e.target = v;
                e.active = 1;
            } else if (inputstate == inputstates::empty) {
                e.active = 0;
            }
        } while (stepedit(key));
    }
    void save()
    {
        int k = msgbox("\n Which variable ? \n");
        if (shared.globals && k < 128 && varman::letternumber(char(k)) >= 0)
            shared.globals->setvalue(char(k), entries[current - 1].value);
    }
    static void help()
    {
        msgstyle(3);
        setboxtitle(" Help on editing Targets ");
        // The text is kept as UTF-8 here; the screen shows code-page bytes.
        msgbox(platform::utf8codepage(helptext, !fontisansi()).c_str());
    }

    std::vector<targetentry>& entries;
};

// Runs the window on the entries; true on Enter.
bool runtargetwindow(std::vector<targetentry>& entries)
{
    setboxtitle(" Nr.            Value                  Target ");
    setfootertext(" Vertical arrow keys: edit next line\n\r <enter> done     <esc> cancel\n\r"
                  " <F1>    Help     <e> resume editing ");
    targetwindow w(entries);
    if (w.bad)
        return false;
    // The page is drawn with the bar on its last line: the edit starts on
    // the first.
    w.showfrom(w.first);
    w.run('e');
    return listkey == key::enter;
}

}  // namespace

bool formulasolver::edittargets(bool fresh)
{
    if (!targets || targets->failed) {
        ::report(reportkind::unexpected, "\n Cannot edit targets! \n");
        return false;
    }
    int values = valuecount();
    std::vector<targetentry> entries(targets->entries.begin(), targets->entries.begin() + values);
    if (const double* v = evaluate())
        for (int k = 0; k < values; k++)
            entries[k].value = v[k];
    if (fresh) {
        for (targetentry& e : entries)
            e.active = 0;
        for (int i = 1; i <= mactive; i++) {
            entries[map[i]].active = 1;
            entries[map[i]].target = t[i];
        }
    }
    for (;;) {
        if (!runtargetwindow(entries))
            break;
        int c = 0;
        for (const targetentry& e : entries)
            c += e.active;
        if (c == 0) {
            msgstyle(1);
            setboxtitle(" Bad Input ");
            int key = msgbox("\n Your input is invalid because you deactivated \n\r"
                             " all targets. There must be at least one active target ! \n\n\r"
                             " <esc>    cancel, keep the old version \n\r <enter>  resume editing \n\r");
            if (key == key::enter || key == 'e')
                continue;
            break;
        }
        std::copy(entries.begin(), entries.end(), targets->entries.begin());
        int row = 0;
        for (int k = 0; k < values; k++)
            if (entries[k].active) {
                row++;
                map[row] = k;
                t[row] = entries[k].target;
            }
        if (!fresh && c != n) {
            targetmismatch(n, c);
        } else if (fresh && c == mactive) {
            setboxtitle(" Confirming Changes ");
            tell("\n Changes accepted. A new run from the current position \n\r is being initialized. \n\r"
                 " Number of arguments: %ld \n\r Number of target values: %ld \n\r"
                 " Number of values of the target function: %ld\n\r",
                 long(n), long(c), long(values));
        } else if (fresh) {
            msgstyle(1);
            setboxtitle(" W A R N I N G ");
            tell("\n You've changed the number of targets from %ld to %ld. \n\r"
                 " Changes accepted. Hope you know what you're doing ! \n",
                 long(mactive), long(c));
        }
        mactive = c;
        counter = -1;
        return true;
    }
    if (!fresh)
        targetmismatch(n, mactive);
    else
        tell("\n No changes made \n");
    return false;
}
