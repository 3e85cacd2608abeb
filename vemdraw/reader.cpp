#include "vemdraw/reader.h"

#include "base/rkpformat.h"
#include "vemdraw/messages.h"

#include <cerrno>
#include <cmath>
#include <new>
#include <string>

namespace {

using rkp::framemark;
using rkp::recordsize;
constexpr double largest = 1e33;

class plotreader {
public:
    plotreader(FILE* f, nodelist* l, printerdate* p) : file(f), list(l), printer(p) {}
    bool run();
    int readerror = 0;   // the errno of a failed read, 0 for none

private:
    bool newdiagram();
    bool newpolyline();
    bool dispatch(const plotrecord& r);
    bool point(const plotrecord& r);
    bool penrecord(const plotrecord& r);
    bool numbers(uint8_t code);
    bool readvalues(double* values, int n, const char* name);
    void flags(uint32_t word);
    // A value that cannot be used is taken as not given, with a message.
    void ignored(const char* name);
    bool formaterror(const char* what);
    // A short read that the stream's error flag marks as a failed read
    // (not the end of the file): its errno is kept.
    bool failedread();

    FILE* file;
    nodelist* list;
    printerdate* printer;
    diagram* current = nullptr;
    polyline* line = nullptr;
    int cycle = 0;
    int nread = recordsize;
};

bool plotreader::newdiagram()
{
    current = new (std::nothrow) diagram(printer);
    if (!current)
        return false;
    list->append(current);
    return newpolyline();
}

bool plotreader::newpolyline()
{
    polyline* made = new (std::nothrow) polyline;
    if (!made)
        return false;
    if (line)
        made->linepen = line->linepen;
    penwidthpixels(made->linepen, printer ? printer->dpiy : 0);
    current->polylines.append(made);
    line = made;
    return true;
}

bool plotreader::run()
{
    try {
        if (!newdiagram())
            return false;
        while (nread == recordsize) {
            plotrecord r;
            if (!readrecord(file, r, nread)) {
                if (failedread())
                    return false;
                if (nread == 0)
                    return true;
                errorboxf("\n Invalid file format : \n\r Frame error detected in cycle %d \n\r", cycle);
                return false;
            }
            ++cycle;
            if (!dispatch(r))
                return false;
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool plotreader::failedread()
{
    if (!std::ferror(file))
        return false;
    readerror = errno ? errno : EIO;
    return true;
}

bool plotreader::formaterror(const char* what)
{
    errorboxf("\n Invalid file format : \n\r %s in cycle %d \n\r", what, cycle);
    return false;
}

void plotreader::ignored(const char* name)
{
    errorboxf("\n Ignoring invalid values of %s in cycle %d \n\r", name, cycle);
}

bool plotreader::dispatch(const plotrecord& r)
{
    switch (r.code) {
    case 1:
    case 2:
    case 3:
        return point(r);
    case 5:
        if (r.a > devicesize || r.b > devicesize)
            return formaterror("Device origin out of range");
        current->deviceanchorx = r.a;
        current->deviceanchory = devicesize - r.b;
        current->anchorsgiven = true;
        return true;
    case 6:
        if (r.a == 0 || r.b == 0) {
            ignored("the device units");
            return true;
        }
        current->deviceunitx = r.a;
        current->deviceunity = r.b;
        current->unitsgiven = true;
        return true;
    case 14:
        if (r.a == 0 || r.b == 0) {
            ignored("the device grid units");
            return true;
        }
        current->devicegridx = r.a;
        current->devicegridy = r.b;
        current->devicegridgiven = current->gridsynchronised = true;
        return true;
    case 15:
        if (r.a > 0 && r.b > 0) {
            current->width = r.a / 100.0;
            current->height = r.b / 100.0;
        }
        return true;
    case 17:
        if (r.a <= 2)
            current->interpretation = 2 - r.a;
        return true;
    case 18:
        flags(r.a);
        return true;
    case 19:
        return penrecord(r);
    case 20:
        line = nullptr;
        return newdiagram();
    case 16:
    case 22:
    case 23:
    case 24:
    case 27:
    case 28:
        return numbers(r.code);
    case 25:
        current->gridstyle = r.a;
        current->gridcolour = colorbyindex(r.b);
        return true;
    }
    return true;
}

bool plotreader::point(const plotrecord& r)
{
    // A point outside the device square is no point of this format.
    if (r.a > devicesize || r.b > devicesize)
        return formaterror("Point out of range");
    if (!line->append({r.code, r.a, devicesize - r.b}))
        return formaterror("No memory for the points");
    return true;
}

bool plotreader::penrecord(const plotrecord& r)
{
    if (line->haspoints() && !newpolyline())
        return false;
    line->linepen.width = r.b;
    penwidthpixels(line->linepen, printer ? printer->dpiy : 0);
    plotrecord colour;
    readrecord(file, colour, nread);
    if (nread < recordsize && failedread())
        return false;
    if (nread < recordsize) {
        errorboxf("\n Invalid file format : \n\r nofread<6 in cycle %d \n\r", cycle);
        return false;
    }
    ++cycle;
    if (colour.code != 0)
        line->linepen.colour = colour.a + 65536u * colour.b;
    return true;
}

bool plotreader::readvalues(double* values, int n, const char* name)
{
    for (int i = 0; i < n; ++i)
        if (!readnumber(file, values[i], nread)) {
            if (!failedread())
                plotreaderror(nread, name);
            return false;
        }
    return true;
}

bool finite(const double* v, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(v[i]))
            return false;
    return true;
}

bool plotreader::numbers(uint8_t code)
{
    diagram& d = *current;
    double v[4] = {};
    switch (code) {
    case 16:
    case 28: {
        const char* name = code == 16 ? "PT_RAENDER" : "PT_RAENDER2";
        if (!readvalues(v, 2, name))
            return false;
        if (!finite(v, 2))
            return ignored(name), true;
        (code == 16 ? d.marginleft : d.marginright) = v[0];
        (code == 16 ? d.margintop : d.marginbottom) = v[1];
        return true;
    }
    case 27:
        if (!readvalues(v, 2, "PT_DIAGSIZE2"))
            return false;
        if (!finite(v, 2) || !(v[0] > 0 && v[0] <= largest && v[1] > 0 && v[1] <= largest))
            return ignored("PT_DIAGSIZE2"), true;
        d.width = v[0];
        d.height = v[1];
        return true;
    case 22:
        d.windowgiven = false;
        if (!readvalues(v, 4, "PT_WORLDWINDOW")) {
            d.window = worldrect{};
            return false;
        }
        if (!finite(v, 4) || !(v[0] < v[2] && v[3] < v[1]))
            return ignored("PT_WORLDWINDOW"), true;
        d.window = {v[0], v[1], v[2], v[3]};
        d.windowgiven = true;
        return true;
    case 23:
        d.anchorsgiven = false;
        if (!readvalues(v, 2, "PT_ORIG"))
            return false;
        if (!finite(v, 2))
            return ignored("PT_ORIG"), true;
        d.anchorx = v[0];
        d.anchory = v[1];
        d.anchorsgiven = true;
        return true;
    case 24:
        d.unitsgiven = false;
        if (!readvalues(v, 2, "PT_TICK"))
            return false;
        v[0] = std::fabs(v[0]);
        v[1] = std::fabs(v[1]);
        if (!finite(v, 2) || !(v[0] > 0 && v[1] > 0))
            return ignored("PT_TICK"), true;
        d.unitx = v[0];
        d.unity = v[1];
        d.unitsgiven = true;
        return true;
    }
    return true;
}

// Each bit is tested in this order: a later test overrides an earlier one.
void plotreader::flags(uint32_t f)
{
    diagram& d = *current;
    uint32_t o = printer ? printer->orientation : orientation::portrait;
    if (f & 0x0001) d.box = true;
    if (f & 0x0004) d.tickmarks = true;
    if (f & 0x0008) d.griddensity = 3;
    if (f & 0x0010) o = orientation::landscape;
    if (f & 0x0020) d.box = false;
    if (f & 0x0040) d.xaxis = d.yaxis = false;
    if (f & 0x0002) d.yaxis = true;
    if (f & 0x1000) d.xaxis = true;
    if (f & 0x0080) d.tickmarks = false;
    if (f & 0x0100) d.griddensity = 0;
    if (f & 0x0200) o = orientation::portrait;
    if (f & 0x0400) d.griddensity = 1;
    if (f & 0x0800) d.griddensity = 2;
    if (f & 0x2000) d.gridsynchronised = false;
    if ((f & 0x0210) == 0x0210) d.largershape = true;
    if (f & 0x4000) d.autosize = true;
    if (printer)
        printer->orientation = o;
}

}  // namespace

bool readrecord(FILE* file, plotrecord& record, int& nread)
{
    uint8_t b[recordsize] = {};
    nread = int(std::fread(b, 1, recordsize, file));
    record.code = b[0];
    record.a = uint16_t(b[1] | b[2] << 8);
    record.b = uint16_t(b[3] | b[4] << 8);
    return nread == recordsize && b[5] == framemark;
}

bool readtextchunk(FILE* file, std::string& text, int& nread)
{
    unsigned char b[recordsize] = {};
    nread = int(std::fread(b, 1, recordsize, file));
    return rkp::takechunk(b, nread, text);
}

bool readnumber(FILE* file, double& value, int& nread)
{
    plotrecord head;
    readrecord(file, head, nread);
    if (nread < recordsize || head.code != rkp::numberhead)
        return false;
    std::string text;
    for (int remaining = head.a; remaining >= 0; remaining -= recordsize) {
        if (readtextchunk(file, text, nread))
            break;
        if (nread < recordsize)
            return false;
    }
    value = rkp::textvalue(text);
    return true;
}

uint32_t colorbyindex(uint32_t index)
{
    static const uint32_t colours[] = {0, 0x4040FF, 0xFF00FF, 0x00FF00, 0xFF4040, 0xFFFF00};
    return index < std::size(colours) ? colours[index] : 0;
}

void plotreaderror(int nread, const char* name)
{
    if (nread == recordsize)
        errorboxf("\n Unknown error while reading %s \n\r", name);
    else
        errorboxf("\n Premature end of file while reading %s \n\r\n nofread=%d\n", name, nread);
}

bool readplotfile(FILE* file, nodelist* list, printerdate* printer)
{
    if (!file || !list)
        return false;
    plotreader reader(file, list, printer);
    bool read = reader.run();
    if (reader.readerror)
        errno = reader.readerror;
    return read;
}
