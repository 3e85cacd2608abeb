// The font report, run as its key command on the headless front.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "revolver/wintests.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"

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

// Without any font no face can be named: each report says so in a
// native box.  Fontconfig reads its configuration once, so a fresh process
// runs the report with one that lists no font.
TEST(fontreport, WithoutAnyFontTheFaceCannotBeNamed)
{
    char folder[] = "/tmp/vemofontsXXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    std::string conf = std::string(folder) + "/fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" << folder
                        << "</cachedir></fontconfig>\n";
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            hostrun r = runscript("<ok><ok><ok>", reportloop);
            std::vector<std::string> said(3, "GetTextFace() failed");
            std::_Exit(r.status == 0 && r.boxes == said ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    unsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(std::system(("rm -rf '" + std::string(folder) + "'").c_str()), 0);
}

}  // namespace
