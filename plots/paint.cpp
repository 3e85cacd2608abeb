// The screen plotters, the painting of an entry's curve from its sample
// (sampling again only when the curve's generation or the plot area moved)
// and of a whole perspective: margins, plot area, scales, axes and the
// shown curves.
#include "plots/paint.h"

#include <algorithm>

#include "plots/axisscales.h"
#include "plots/breakdialogs.h"
#include "plots/curvecolor.h"
#include "plots/insertion.h"
#include "plots/plot.h"
#include "plots/plotservices.h"
#include "plots/printoptions.h"
#include "screen/graphics.h"
#include "screen/host.h"
#include "screen/infowin.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/statusbox.h"
#include "screen/tgwscreen.h"

autoprint* editorselection = nullptr;

namespace {

void showwholescreen()
{
    tofront();
    makevisible(0, 0, screenpixwidth(), screenpixheight(), false);
}

void setpixel(const plotcmd& c, int colour)
{
    int previous = setdrawcolor(colour);
    grectangle(c.a, c.b, c.a, c.b);
    setdrawcolor(previous);
}

// A line drawn to a point leaves its end pixel unpainted: set it.
void endpixel(const plotcmdlist& list, uint32_t i, int colour)
{
    if (i > 0 && list.at(i - 1).kind == plotcmd::line && list.at(i - 1).a && list.at(i - 1).b)
        setpixel(list.at(i - 1), colour);
}

int owncolour(const plotcurve& c)
{
    return curvecolor && c.colour < curvecolorcount ? curvecolor[c.colour].palette : colorof(38);
}

int entrycolour(const autoprint& e, int mode)
{
    if (mode != 1)
        return owncolour(*e.curve);
    const plotpsp* p = e.perspective;
    bool selected = p && p->apnr && p->activeentry() == &e && editorselection == &e;
    bool shown = e.visible && e.curve->enabled;
    if (shown)
        return selected ? owncolour(*e.curve) : colorof(38);
    return colorof(selected ? 39 : 37);
}

// Samples the entry into its own sample; true on success.
bool sampleentry(autoprint& e)
{
    plot* owner = e.perspective->owner;
    uint32_t n = owner ? owner->curvenumber(e.curve) : 0;
    if (n == 0)
        n = (owner ? owner->countenabled() : 0) + 1;
    samplerequest q;
    q.unit = e.perspective->mapping;
    q.screen = plotarea();
    q.resolution = plotarea().right - plotarea().left + 1;
    statusbox::scope status(programstatus(), "\n computing curve %d\n", int(n));
    e.sample.clear();
    if (!generatesample(*e.curve, q, e.sample))
        return false;
    e.sample.generation = currentgeneration(*e.curve);
    e.sample.screen = q.screen;
    return true;
}

// The sample was taken for the plot area since the curve last changed.
bool samplecurrent(const autoprint& e)
{
    return e.sample.generation == currentgeneration(*e.curve) && e.sample.screen == plotarea()
           && (e.sample.columns || e.sample.points);
}

// After a failed sampling.
void samplefailed(autoprint& e, bool clearvisible)
{
    if (!breakrequested()) {
        if (!e.sample.failed)
            e.considered = 0;
    } else if (clearvisible) {
        e.visible = 0;
    }
}

int role(int normal, int clipboard, int edit, const plot* p, int mode)
{
    if (mode == 1)
        return colorof(edit);
    return colorof(p && p->clipboardshown ? clipboard : normal);
}

}  // namespace

screenrect& plotarea()
{
    static screenrect area{int16_t(charheight() + 2), int16_t(charheight() * 8.5),
                           int16_t(screenpixwidth() * 0.9), int16_t(screenpixheight() - 20)};
    return area;
}

bool screenplotter(const plotcmdlist* list, int colour, uint16_t first, uint16_t last)
{
    if (!list)
        return false;
    showwholescreen();
    int previous = setdrawcolor(colour);
    bool drawn = false, bad = false;
    {
        linebatch batch;
        for (uint32_t i = 1; first + i - 1 <= last; i++) {
            const plotcmd& c = list->at(i);
            int x = int(first + i - 1);
            if (c.kind == plotcmd::end)
                break;
            if (c.kind == plotcmd::move) {
                if (c.a)
                    gmoveto(x, c.a);
            } else if (c.kind == plotcmd::line) {
                if (c.a)
                    drawn = glineto(x, c.a) || drawn;
            } else if (c.kind != plotcmd::penup) {
                bad = true;
                break;
            }
        }
    }
    if (bad)
        unexpectederror("nonexistent plotcmd in screenplotter#1");
    setdrawcolor(previous);
    return drawn;
}

bool screenplotter(const plotcmdlist* list, int colour)
{
    if (!list)
        return false;
    drawdcget();
    showwholescreen();
    int previous = setdrawcolor(colour);
    bool drawn = false, bad = false;
    {
        linebatch batch;
        for (uint32_t i = 1; i < list->count; i++) {
            const plotcmd& c = list->at(i);
            if (c.kind == plotcmd::end) {
                endpixel(*list, i, colour);
                break;
            }
            if (c.kind == plotcmd::move) {
                if (c.a && c.b)
                    gmoveto(c.a, c.b);
                endpixel(*list, i, colour);
            } else if (c.kind == plotcmd::line) {
                if (c.a && c.b)
                    drawn = glineto(c.a, c.b) || drawn;
            } else if (c.kind != plotcmd::penup) {
                bad = true;
                break;
            }
        }
    }
    if (bad)
        unexpectederror("nonexistent plotcmd in screenplotter#2");
    setdrawcolor(previous);
    drawdcrelease();
    return drawn;
}

uint32_t currentgeneration(const plotcurve& c)
{
    uint32_t own = c.generation;
    return c.graph ? std::max(c.graph->generation(), own) : own;
}

bool autoprint::drawcurve(int mode)
{
    if (!curve || sample.failed || (!sample.columns && !sample.points))
        return false;
    int colour = entrycolour(*this, mode);
    if (sample.columns)
        return screenplotter(sample.columns, colour, uint16_t(plotarea().left), uint16_t(plotarea().right));
    return screenplotter(sample.points, colour);
}

bool autoprint::paint(bool includenotconsidered, int mode)
{
    menus().clearflags();
    infohidden hidden;
    if (!perspective || !curve)
        return false;
    if ((!considered && !includenotconsidered) || (!visible && mode != 1))
        return false;
    if (samplecurrent(*this)) {
        drawcurve(mode);
    } else if (sampleentry(*this)) {
        considered = 1;
        drawcurve(mode);
    } else {
        samplefailed(*this, true);
    }
    ::flushcells();
    return considered;
}

bool autoprint::takesample()
{
    menus().clearflags();
    if (!perspective || !curve || !visible)
        return false;
    if (samplecurrent(*this))
        return true;
    if (sampleentry(*this))
        return true;
    samplefailed(*this, false);
    return false;
}

void paintplotframe(const plot* p, int mode)
{
    const screenrect& a = plotarea();
    int w = screenpixwidth(), h = screenpixheight();
    int previous = setdrawcolor(role(18, 20, 32, p, mode));
    grectangle(0, a.top, a.left + 1, h);
    grectangle(0, 0, w, a.top + 1);
    grectangle(a.right, a.top, w, h);
    grectangle(0, a.bottom, w, h);
    setdrawcolor(role(21, 25, 31, p, mode));
    grectangle(a.left, a.top, a.right, a.bottom);
    setdrawcolor(previous);
    ::flushcells();
}

void paintscales(const drect& w, const screenrect& area, bool clipboardshown, int parts)
{
    int cw = smallcharwidth();
    int tick = clipboardshown ? 80 : 79, text = clipboardshown ? 77 : 75, back = clipboardshown ? 78 : 76;
    scalestyle style{5, 0, int16_t(-cw), 0, int16_t(0.6 * cw), uint8_t(colorof(tick)),
                     uint8_t(colorof(text)), uint8_t(colorof(back)), uint8_t(colorof(text)),
                     uint8_t(colorof(back))};
    drawaxisscales(w, area, style, parts);
}

void paintaxes(const plotpsp& perspective, int mode)
{
    const printoptions& o = activeprintoptions();
    if (!o.xaxis && !o.yaxis)
        return;
    drect w = perspective.mappedwindow();
    const screenrect& a = plotarea();
    int previous = setdrawcolor(colorof(mode == 1 ? 34 : 24));
    double t = -w.left / (w.right - w.left);
    if (o.yaxis && t > 0 && t < 1) {
        int c = int(t * (a.right - a.left)) + a.left - 1;
        for (int k = 0; k < 3; k++) {
            gmoveto(c + k, a.top);
            glineto(c + k, a.bottom + 1);
        }
    }
    t = -w.bottom / (w.top - w.bottom);
    if (o.xaxis && t > 0 && t < 1) {
        int r = int(a.bottom - t * (a.bottom - a.top) - 1);
        for (int k = 0; k < 3; k++) {
            gmoveto(a.left, r + k);
            glineto(a.right + 1, r + k);
        }
    }
    setdrawcolor(previous);
    ::flushcells();
}
