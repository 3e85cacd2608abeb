#include "platform/core/pdfjob.h"

#include <cairo-pdf.h>

namespace platform {

pdfjob::pdfjob(const std::string& path, const pdfpage& page)
    : page_(page), surface_(cairo_pdf_surface_create(path.c_str(), page.widthpt, page.heightpt)),
      cr_(cairo_create(surface_))
{
    cairo_translate(cr_, page.leftpt, page.toppt);
    cairo_scale(cr_, 72.0 / page.dpi, 72.0 / page.dpi);
}

pdfjob::~pdfjob()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

bool pdfjob::endpage()
{
    cairo_show_page(cr_);
    return ok();
}

bool pdfjob::finish()
{
    cairo_surface_finish(surface_);
    return ok();
}

bool pdfjob::caps(printercaps& c) const
{
    c = page_.caps;
    return c.width > 0 && c.height > 0;
}

bool pdfjob::ok() const
{
    return cairo_status(cr_) == CAIRO_STATUS_SUCCESS && cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
}

}  // namespace platform
