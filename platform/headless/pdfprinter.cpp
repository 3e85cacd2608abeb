#include "platform/headless/pdfprinter.h"

#include <cairo-pdf.h>

namespace platform {

namespace {

class pdfjob : public printjob {
public:
    explicit pdfjob(cairo_surface_t* s) : surface_(s), cr_(cairo_create(s))
    {
        cairo_scale(cr_, 72.0 / virtualprinter::dpi, 72.0 / virtualprinter::dpi);
    }
    ~pdfjob() override
    {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    cairo_t* context() override { return cr_; }
    int width() const override { return virtualprinter::width; }
    int height() const override { return virtualprinter::height; }
    bool startpage() override { return ok(); }
    bool endpage() override
    {
        cairo_show_page(cr_);
        return ok();
    }
    bool finish() override
    {
        cairo_surface_finish(surface_);
        return ok();
    }

private:
    bool ok() const
    {
        return cairo_status(cr_) == CAIRO_STATUS_SUCCESS
               && cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
    }
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace

std::unique_ptr<printjob> pdfprinter(const std::string& path)
{
    double points = 72.0 / virtualprinter::dpi;
    cairo_surface_t* s = cairo_pdf_surface_create(path.c_str(), virtualprinter::width * points,
                                                  virtualprinter::height * points);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return std::make_unique<pdfjob>(s);
}

}  // namespace platform
