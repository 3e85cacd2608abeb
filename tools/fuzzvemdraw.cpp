// libFuzzer target: reads the input as a transfer file, completes the
// first diagram's geometry and renders it into a small surface.  The
// first byte picks the printer: odd the virtual A4 printer, even none.
// Boxes are answered at once.
#include "vemdraw/geometry.h"
#include "vemdraw/messages.h"
#include "vemdraw/reader.h"
#include "vemdraw/render.h"

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    setboxsink([](const std::string&, const std::string&) { return true; });
    printerdate printer;
    if (size > 0 && data[0] % 2) {
        platform::printercaps a4{300, 300, 210, 297, 2480, 3508, 2480, 3508, 0, 0};
        printer.fill(&a4);
    }
    FILE* file = size > 1 ? fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "rb") : nullptr;
    if (!file)
        return 0;
    nodelist list;
    if (readplotfile(file, &list, &printer) && applysettings(firstdiagram(list))) {
        cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 64, 48);
        cairo_t* cr = cairo_create(image);
        paintdiag(cr, firstdiagram(list), screenwindow(64, 48));
        cairo_destroy(cr);
        cairo_surface_destroy(image);
    }
    std::fclose(file);
    return 0;
}
