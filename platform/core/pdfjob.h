// A print job drawn into a PDF file: pages of a given size in points, a
// printable area in device pixels of the given resolution, its origin
// offset from the page corner.  The fronts' printers build on it.
#pragma once

#include "platform/core/front.h"

#include <string>

namespace platform {

struct pdfpage {
    double widthpt, heightpt;      // paper
    double leftpt, toppt;          // origin of the printable area
    int width, height;             // printable area, device pixels
    double dpi;
    printercaps caps{};            // the upright paper
    bool landscape = false;
};

class pdfjob : public printjob {
public:
    pdfjob(const std::string& path, const pdfpage& page);
    ~pdfjob() override;
    cairo_t* context() override { return cr_; }
    int width() const override { return page_.width; }
    int height() const override { return page_.height; }
    bool startpage() override { return ok(); }
    bool endpage() override;
    bool finish() override;
    bool caps(printercaps& c) const override;
    bool landscape() const override { return page_.landscape; }
    // False when the file could not be made or a drawing call failed.
    bool ok() const;

private:
    pdfpage page_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace platform
