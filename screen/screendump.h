// The cell grid as text: one line of UTF-8 per row; empty, pixel and fill
// cells show as blanks.
#pragma once

#include <string>

std::string screendump();
