#include "calculator/valuebox.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "calculator/calculator.h"
#include "calculator/rknames.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/varman.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screensave.h"

namespace {
std::unique_ptr<arcvaluebox> argbox;
std::unique_ptr<namedvaluebox> valbox;

bool rkmode(const calculator* c)
{
    return c && !c->isempty() && !c->isdirectmode();
}
}

valuebox::valuebox(int width, int16_t left, int16_t top, int16_t right, int16_t bottom, int c1, int c2, int c3,
                   int c4, varman* store)
    : list2way(left, top, right, bottom, 0, -1, -1, nullptr, 0, 0, colorof(c1), colorof(c2),
               colorof(c3), colorof(c4)),
      capacity(width), values(size_t(std::max(width, 1)), 0.0), variables(store), boxleft(left), boxtop(top),
      boxright(right), boxbottom(bottom)
{
    current = 0;
    box.reset();   // drawn on demand (editline)
}

valuebox::~valuebox() = default;

void valuebox::formatline()
{
    linef(" %23.15g ", values[size_t(current)]);
}

colorpair valuebox::linecolors(int32_t, bool highlighted) const
{
    return highlighted ? colorpair{7, 1} : colorpair{15, 9};
}

void valuebox::lineshown(int32_t a, int32_t)
{
    colors.normal = linecolors(a, false);
    colors.highlight = linecolors(a, true);
}

void valuebox::setvalue(double x)
{
    if (current >= 0 && current < linecount())
        values[size_t(current)] = x;
}

double valuebox::value() const
{
    return current >= 0 && current < linecount() ? values[size_t(current)] : 0.0;
}

char valuebox::letter() const
{
    return current >= 0 && current < linecount() ? letters[size_t(current)] : 0;
}

void valuebox::setvalues(const double* source)
{
    if (source)
        std::copy(source, source + linecount(), values.begin());
}

void valuebox::setletters(const char* text)
{
    letters.assign(text ? text : "");
    if (int(letters.size()) > capacity - 1)
        letters.resize(size_t(std::max(capacity - 1, 0)));
    first = 0;
    last = linecount() - 1;
    moveto(current, topline);
}

void valuebox::moveto(int32_t line, int32_t top)
{
    current = std::clamp(line, 0, std::max(linecount() - 1, 0));
    int page = std::max(visiblelines(), 1);
    topline = std::clamp(top, std::max(current - page + 1, 0), current);
}

void valuebox::up()
{
    moveto(current - 1, topline);
    if (shown)
        editline();
}

void valuebox::down()
{
    moveto(current + 1, topline);
    if (shown)
        editline();
}

void valuebox::drawline(int32_t line)
{
    int row = boxtop + (line - topline);
    int width = boxright - boxleft + 1;
    int32_t keep = current;
    std::string text = textof(line);
    current = keep;
    text.resize(size_t(width), ' ');
    colorpair c = linecolors(line, highlighted && line == current);
    writeat(text.c_str(), boxleft, row, c.fg, c.bg);
}

void valuebox::editline()
{
    under.reset();   // puts back what lay beneath the last drawing
    int rows = linesshown();
    if (rows < 1)
        return;
    under = std::make_unique<screensave>(boxleft, boxtop, boxright, boxtop + rows - 1);
    for (int32_t line = topline; line < topline + rows && line < linecount(); line++)
        drawline(line);
    shown = 1;
}

void valuebox::highlight(bool on)
{
    highlighted = on;
    if (shown && current >= topline && current < topline + linesshown())
        drawline(current);
}

void valuebox::hide()
{
    under.reset();
    shown = 0;
}

void valuebox::releasetext()
{
    if (under)
        under->forget();
    under.reset();
    shown = 0;
}

void valuebox::storevalues()
{
    if (!variables)
        return;
    for (int i = 0; i < linecount(); i++)
        variables->setvalue(letters[size_t(i)], values[size_t(i)]);
    if (variables == shared.globals)
        nextserial();
}

void valuebox::loadvalues()
{
    if (!variables)
        return;
    for (int i = 0; i < linecount(); i++)
        values[size_t(i)] = variables->value(letters[size_t(i)]);
}

void namedvaluebox::formatline()
{
    rkshape s = calc && !calc->isempty() ? calc->shape() : rkshape{0, uint16_t(linecount())};
    std::string name = rkcolname(current + 1, s, 4);
    linef(" %-8s=%23.15g ", name.c_str(), values[size_t(current)]);
}

colorpair namedvaluebox::linecolors(int32_t, bool highlighted) const
{
    if (highlighted)
        return {7, 1};
    return rkmode(calc) ? colorpair{15, 2} : colorpair{15, 9};
}

void arcvaluebox::formatline()
{
    if (calc && calc->mode == calcmode::arclength)
        linef(" arc= %-23.15g ", values[size_t(current)]);
    else
        linef(" %c= %-23.15g ", letters[size_t(current)], values[size_t(current)]);
}

colorpair arcvaluebox::linecolors(int32_t line, bool highlighted) const
{
    const char* args = calc && !calc->isempty() && calc->isdirectmode() ? calc->argstring() : nullptr;
    char c = line >= 0 && line < linecount() ? letters[size_t(line)] : 0;
    if (args && c && std::strchr(args, c))
        return highlighted ? colorpair{3, 1} : colorpair{7, 3};
    if (highlighted)
        return {15, 1};
    return rkmode(calc) ? colorpair{15, 2} : colorpair{15, 3};
}

arcvaluebox* argumentbox()
{
    return argbox.get();
}

namedvaluebox* valuedisplay()
{
    return valbox.get();
}

void makevalueboxes(varman* store)
{
    int cols = screencols(), rows = screenrows();
    // The argument box beside the title and formula rows, the value box
    // below the status row.
    argbox = std::make_unique<arcvaluebox>(56, 53, 1, cols, 5, 71, 72, 73, 74, store);
    valbox = std::make_unique<namedvaluebox>(555, 17, 8, 50, rows, 81, 82, 83, 84);
}

void dropvalueboxes()
{
    if (valbox)
        valbox->hide();
    if (argbox)
        argbox->hide();
    valbox.reset();
    argbox.reset();
}
