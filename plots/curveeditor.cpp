// The curve editor's key loop beside the "Curve Properties" dialog.
#include "plots/curveeditor.h"

#include "base/serial.h"
#include "platform/core/requests.h"
#include "plots/clippereditor.h"
#include "plots/curvedialog.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "plots/envcommands.h"
#include "plots/plotpanel.h"
#include "plots/printoptionsdialog.h"
#include "screen/host.h"
#include "screen/infowin.h"
#include "screen/keys.h"
#include "screen/msgbox.h"

uint32_t editornumber = 0;

namespace {

// "g": the go-to number as the selected curve; its entry, when it has
// one, becomes active.
void gotocurve(plotpsp& p, uint32_t n)
{
    uint32_t count = p.owner ? p.owner->countenabled() : 0;
    if (uint16_t(n) > count)
        return;
    editornumber = n;
    editorselection = n ? p.entryofnumber(n) : nullptr;
    if (editorselection)
        p.apnr = uint16_t(p.indexof(editorselection));
    p.paintedit(0);
}

// "#": a curve without an entry gets one; a curve with one is sampled anew.
bool searchcurve(plotpsp& p)
{
    bool added = false;
    if (!editorselection) {
        if (plotcurve* c = p.owner ? p.owner->enabledcurve(editornumber) : nullptr) {
            editorselection = new autoprint(&p, c);
            p.consider.append(editorselection);
            p.apnr = uint16_t(p.consider.count);
            added = true;
        }
    } else if (editorselection->curve) {
        editorselection->curve->generation = newserial();
    }
    p.paintedit(1);
    return added;
}

// "C": the clipper editor on the text screen, dialog and panel hidden.
void editclippers(plotpsp& p)
{
    curvedialoghide(true);
    sendtomain(msg::panelhide);
    p.paintedit(0);
    flushkeys();
    if (autoprint* a = p.activeentry(); a && a->curve)
        curveclippers(*a->curve);
    sendtomain(msg::panelshow);
    curvedialoghide(false);
    p.paintedit(0);
}

// One key of the editor; false when it leaves.
bool editorkey(plotpsp& p, keycode k, bool& changed)
{
    switch (k) {
    case 'g':
        gotocurve(p, uint32_t(gotonumber.load()));
        break;
    case '+':
    case '-':
        p.stepcurve(k == '+' ? 1 : -1);
        gotocurve(p, editornumber);
        break;
    case '#':
        changed |= searchcurve(p);
        break;
    case 'a':
        changed |= p.togglevisible();
        break;
    case 339:
        changed |= p.removeentry();
        break;
    case '2': {
        std::string message;
        if (p.copycurve(message)) {
            curvedialogmessage(message);
            changed = true;
        }
        p.paintedit(0);
        break;
    }
    case 'A':
        if (p.owner)
            printoptionsdialog(*p.owner);
        p.paintedit(0);
        break;
    case 64:
        p.paintedit(0);
        break;
    case 'C':
        editclippers(p);
        break;
    case 'e':
    case key::esc:
        return false;
    default:
        break;
    }
    return true;
}

}  // namespace

bool plotpsp::runedit()
{
    if (fixapnr(true))
        return false;
    editorselection = activeentry();
    editornumber = owner ? owner->curvenumber(editorselection->curve) : 0;
    paintedit(0);
    curvedialogcreate(*this);
    bool changed = false;
    for (bool going = true; going;) {
        redrawpanel();
        curvedialogfill(*this);
        keycode k = getkey();
        applycurvechanges(*this);
        if (ismousecode(k))
            unexpectederror("plotpsp::runedit");
        else
            going = editorkey(*this, k, changed);
    }
    curvedialogdestroy();
    editorselection = nullptr;
    editornumber = 0;
    return changed;
}

void plot::runeditCOMMAND()
{
    plotpsp* p = activemapping();
    if (clipboardshown || !p)
        return;
    infoclose("whelpplot");
    infoclose("whelpmouseaction");
    p->runedit();
    infoclose("whelpce");
    if (p->noshown(true))
        unexpectederror("plot::runeditCOMMAND()");
    p->paint(false);
}

void runeditcmd(plot& p)
{
    p.runeditCOMMAND();
}

void stepactivecmd(plotpsp& s, int direction)
{
    s.stepactive(direction);
}
