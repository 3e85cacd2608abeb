// Golden screens: a dump (NAME.txt, the cell grid, and NAME.png, the
// pixels) compared with the committed files in tests/screen/golden.
// VEMO_UPDATE_GOLDEN=1 copies the dump there first.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/base/curvepixels.h"

void checkgoldenfiles(const std::filesystem::path& folder, const std::string& name);
// The same against the files in another golden folder.
void checkgoldenfiles(const std::filesystem::path& folder, const std::string& name,
                      const std::filesystem::path& golden);
// Only the image NAME.png, against the one in the golden folder.
void checkgoldenimage(const std::filesystem::path& folder, const std::string& name,
                      const std::filesystem::path& golden);

// A curve a golden picture must show: the colour of its pixels, the box
// they lie in, the exact curve through the plot's own mapping, and the
// colours of curves painted over it.
struct goldencurve {
    uint32_t colour = 0;
    screenrect box;
    std::vector<devicepiece> pieces;
    std::vector<uint32_t> covering;
};
// Expects the picture to show the curve (within 1.5 pixels, none left
// out); what expects it is named in the failures.
bool expectcurveshown(const std::filesystem::path& png, const goldencurve& curve, const std::string& what);
// The fresh picture NAME.png is fitted to the curves first; one that does
// not show them fails and is never stored as golden.  Then checkgoldenfiles.
void checkgoldenplot(const std::filesystem::path& folder, const std::string& name,
                     const std::filesystem::path& golden, const std::vector<goldencurve>& curves);
