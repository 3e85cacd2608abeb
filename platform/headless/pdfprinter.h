// The headless front's printer: a virtual A4 printer of 300 dpi that
// writes a PDF file.
#pragma once

#include "platform/core/front.h"

#include <memory>
#include <string>

namespace platform {

namespace virtualprinter {
constexpr int dpi = 300;
constexpr int width = 2480;    // A4 at 300 dpi, all of it printable
constexpr int height = 3508;
}  // namespace virtualprinter

// The printer's device values (the upright paper).
printercaps virtualcaps();
// None when the file cannot be made; landscape turns the page.
std::unique_ptr<printjob> pdfprinter(const std::string& path, bool landscape = false);

}  // namespace platform
