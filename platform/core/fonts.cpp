#include "platform/core/fonts.h"

#include <algorithm>

namespace {
fontspec clamped(fontspec s)
{
    s.height = std::clamp(s.height, fontminheight, fontmaxsize);
    s.width = std::clamp(s.width, fontminwidth, fontmaxsize);
    return s;
}
}

font::font(const fontspec& spec) : fspec(clamped(spec)), atlas(std::make_unique<glyphatlas>(fspec)) {}
