#include "vemdraw/printer.h"

#include "vemdraw/messages.h"

#include <algorithm>
#include <cstdio>

bool printerdate::fill(const platform::printercaps* caps)
{
    if (!caps) {
        errorbox("\n Failed to receive Printer Device Context ! \n", "-");
        return false;
    }
    dpix = caps->dpix;
    dpiy = caps->dpiy;
    widthmm = caps->widthmm;
    heightmm = caps->heightmm;
    widthpx = caps->width;
    heightpx = caps->height;
    paperwidth = caps->paperwidth;
    paperheight = caps->paperheight;
    offsetx = caps->offsetx;
    offsety = caps->offsety;
    valid = heightpx > 0;
    return valid;
}

double printerdate::scale(double pixels) const
{
    if (!valid || heightpx == 0)
        return 0.0;
    return pixels * heightmm / heightpx;
}

pixelbox printerdate::printablepixels() const
{
    if (!valid)
        return {};
    if (orientation == orientation::landscape)
        return {0, 0, heightpx, widthpx};
    return {0, 0, widthpx, heightpx};
}

mmrect printerdate::printablemm() const
{
    if (!valid)
        return {};
    if (orientation == orientation::landscape)
        return {0, 0, double(heightmm), double(widthmm)};
    return {0, 0, double(widthmm), double(heightmm)};
}

void printerdate::printablesize(uint32_t o, double& width, double& height) const
{
    width = valid ? widthmm : 0;
    height = valid ? heightmm : 0;
    if (o == orientation::landscape)
        std::swap(width, height);
}

void printerdate::defaultmargins(uint32_t o, double& leftright, double& topbottom) const
{
    leftright = topbottom = 15.0;
    if (!valid)
        return;
    double left = scale(offsetx), right = scale(paperwidth) - left - scale(widthpx);
    double upper = scale(offsety), lower = scale(paperheight) - upper - scale(heightpx);
    leftright = std::max(left, right) + 2.0;
    topbottom = std::max(upper, lower) + 2.0;
    if (o == orientation::landscape)
        std::swap(leftright, topbottom);
}

mmrect marginarea(const printerdate& p, uint32_t o, double l, double t, double r, double b)
{
    double ul = p.scale(p.offsetx), ut = p.scale(p.offsety);
    double w = p.scale(p.paperwidth), h = p.scale(p.paperheight);
    double pw = p.scale(p.widthpx), ph = p.scale(p.heightpx);
    if (o == orientation::landscape) {
        double rightmargin = w - ul - pw;   // of the upright paper
        ul = p.scale(p.offsety);
        ut = rightmargin;
        std::swap(w, h);
        std::swap(pw, ph);
    }
    mmrect a;
    a.left = std::max(0.0, l - ul);
    a.top = std::max(0.0, t - ut);
    a.right = std::min(pw, w - r - ul);
    a.bottom = std::min(ph, h - b - ut);
    return a;
}

mmrect diagramrect(const printerdate& p, uint32_t o, uint32_t interpretation, const double m[4], double width,
                   double height)
{
    mmrect a = marginarea(p, o, m[0], m[1], m[2], m[3]);
    if (interpretation == 2)
        return a;
    double s = 1.0;
    if (interpretation == 1 && width > 0 && height > 0)
        s = std::min(a.width() / width, a.height() / height);
    return {a.left, a.top, a.left + s * width, a.top + s * height};
}

bool marginsvalid(const printerdate& p, double l, double t, double r, double b, uint32_t o)
{
    double w, h;
    p.printablesize(o, w, h);
    if (!(l >= 0 && t >= 0 && r >= 0 && b >= 0))
        return false;
    double across = l + r + 0.9, down = t + b + 0.9;
    return across >= 0 && across <= w && down >= 0 && down <= h;
}

void penwidthpixels(pen& p, uint32_t dpi)
{
    p.pixels = std::max<uint64_t>(1, uint64_t(p.width) * dpi / 2540);
}

void defaultpen(pen& p)
{
    p.width = 20;
    p.colour = 0;
}

namespace {

void add(std::string& text, const char* format, auto... values)
{
    char line[256];
    std::snprintf(line, sizeof line, format, values...);
    text += line;
}

}  // namespace

std::string printerdatatext(const printerdate& p)
{
    if (!p.valid || !p.widthmm || !p.heightmm)
        return "No printer data: no default printer was found.\n";
    std::string t = "The following data is supplied by your printer driver:\n\n";
    add(t, "Resolution (width):  %d dpi\n", int(p.dpix));
    add(t, "Resolution (height): %d dpi\n", int(p.dpiy));
    add(t, "Usable paper width:  %4d mm    %6d pixel\n", int(p.widthmm), int(p.widthpx));
    add(t, "Usable paper height: %4d mm    %6d pixel\n", int(p.heightmm), int(p.heightpx));
    add(t, "Total paper width:  %6d pixel\n", int(p.paperwidth));
    add(t, "Total paper height: %6d pixel\n", int(p.paperheight));
    add(t, "Unusable left margin:  %5d pixel\n", int(p.offsetx));
    add(t, "Unusable upper margin: %5d pixel\n\n", int(p.offsety));
    t += "VEMDRAW completely relies on these data\nfor computing the following:\n\n";
    add(t, "Printer resolution again: \n %d dpi(width)    %d dpi(height)\n", int(p.widthpx * 25.4 / p.widthmm),
        int(p.heightpx * 25.4 / p.heightmm));
    add(t, "Total paper width:  %6.2f cm\n", p.scale(p.paperwidth) / 10);
    add(t, "Total paper height  %6.2f cm\n", p.scale(p.paperheight) / 10);
    double left = p.scale(p.offsetx), upper = p.scale(p.offsety);
    add(t, "Unusable paper margins\n\r(as shown colored in the size dialogue preview) :\nleft %5.2f cm   right %5.2f cm\n",
        left / 10, (p.scale(p.paperwidth) - left - p.scale(p.widthpx)) / 10);
    add(t, "upper %5.2f cm   lower %5.2f cm\n\r", upper / 10,
        (p.scale(p.paperheight) - upper - p.scale(p.heightpx)) / 10);
    return t.substr(0, 2048);
}

void printerdatacommand(const printerdate& p)
{
    errorbox(printerdatatext(p), "Printer Data");
}
