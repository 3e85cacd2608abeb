#include "platform/core/fonts.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

namespace {
fontspec clamped(fontspec s)
{
    s.height = std::clamp(s.height, fontminheight, fontmaxsize);
    s.width = std::clamp(s.width, fontminwidth, fontmaxsize);
    return s;
}

// The atlases of the last few specs asked for, the newest last.
std::shared_ptr<const glyphatlas> atlasfor(const fontspec& s)
{
    constexpr size_t kept = 4;
    static std::mutex lock;
    static std::vector<std::pair<fontspec, std::shared_ptr<const glyphatlas>>> made;
    std::lock_guard guard(lock);
    auto same = std::find_if(made.begin(), made.end(), [&](const auto& m) { return m.first == s; });
    std::shared_ptr<const glyphatlas> atlas = same != made.end() ? same->second : std::make_shared<glyphatlas>(s);
    if (same != made.end())
        made.erase(same);
    made.emplace_back(s, atlas);
    if (made.size() > kept)
        made.erase(made.begin());
    return atlas;
}
}

font::font(const fontspec& spec) : fspec(clamped(spec)), atlas(atlasfor(fspec)) {}
