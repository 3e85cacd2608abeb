#include "platform/headless/pdfprinter.h"

#include "platform/core/pdfjob.h"

namespace platform {

std::unique_ptr<printjob> pdfprinter(const std::string& path)
{
    double points = 72.0 / virtualprinter::dpi;
    pdfpage page{virtualprinter::width * points, virtualprinter::height * points, 0, 0,
                 virtualprinter::width, virtualprinter::height, virtualprinter::dpi};
    auto job = std::make_unique<pdfjob>(path, page);
    if (!job->ok())
        return nullptr;
    return job;
}

}  // namespace platform
