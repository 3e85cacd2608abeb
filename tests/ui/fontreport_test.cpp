// The font report, run as its key command on the headless front.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/hostrun.h"
#include "tests/ui/plainrow.h"
#include "ui/wintests.h"

namespace {

void reportloop()
{
    windowtest("ooF");
}

// The three reports, each waiting for a key: the screen fonts of a wide
// desktop (18 by 10, and 16 by 10 bold) and the printer font at three
// times its 14 by 8.
TEST(fontreport, ShowsEachFontAsItWasMade)
{
    hostrun r = runscript("<dump text>x<dump graphic>x<dump printer>x", reportloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.boxes.empty());
    struct {
        const char* dump;
        std::vector<std::string> lines;
    } cases[] = {
        {"text",
         {"Properties of VEMO Text Font", "DejaVu Sans Mono", "tmHeight= 18 ", "tmAveCharWidth= 10",
          "tmMaxCharWidth= 10", "tmWeight= 400", "tmCharSet= 255 ", "FixedPitch= 1", "TrueType= 1",
          "tmAscent = 14 ", "tmDescent = 4 ", "tnInternalLeading= 3", "tmExternalLeading= 0",
          "tmDigitizedAspectX= 96 ", "tmFirstChar= 1 ", "tmLastChar= 255 ", "tmBreakChar= 32 ",
          "tmItalic= 0 "}},
        {"graphic",
         {"Properties of VEMO Graphic Font", "DejaVu Sans Mono", "tmHeight= 16 ", "tmAveCharWidth= 10",
          "tmWeight= 700", "tmAscent = 13 ", "tmDescent = 3 "}},
        {"printer", {"Properties of current Printer Font", "tmHeight= 42 ", "tmAveCharWidth= 24", "tmWeight= 400"}},
    };
    for (const auto& c : cases) {
        std::string text = plainfile(r.out + "/" + c.dump + ".txt");
        for (const std::string& line : c.lines)
            EXPECT_NE(text.find(line), std::string::npos) << c.dump << ": " << line;
    }
}

}  // namespace
