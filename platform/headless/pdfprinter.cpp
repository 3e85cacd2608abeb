#include "platform/headless/pdfprinter.h"

#include "platform/core/pdfjob.h"

#include <cmath>
#include <utility>

namespace platform {

printercaps virtualcaps()
{
    namespace v = virtualprinter;
    return {v::dpi, v::dpi, int(std::lround(v::width * 25.4 / v::dpi)), int(std::lround(v::height * 25.4 / v::dpi)),
            v::width, v::height, v::width, v::height, 0, 0};
}

std::unique_ptr<printjob> pdfprinter(const std::string& path, bool landscape)
{
    double points = 72.0 / virtualprinter::dpi;
    pdfpage page{virtualprinter::width * points, virtualprinter::height * points, 0, 0,
                 virtualprinter::width, virtualprinter::height, virtualprinter::dpi, virtualcaps(), landscape};
    if (landscape) {
        std::swap(page.widthpt, page.heightpt);
        std::swap(page.width, page.height);
    }
    auto job = std::make_unique<pdfjob>(path, page);
    if (!job->ok())
        return nullptr;
    return job;
}

}  // namespace platform
