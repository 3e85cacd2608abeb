// Typed characters reach the computing thread as the bytes of the text
// font's code page: OEM fonts show cp437, ANSI fonts cp1252; a character
// the font cannot show is a script error, never another glyph.
#include <gtest/gtest.h>

#include "platform/core/cmdline.h"
#include "screen/keys.h"
#include "screen/screen.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/hostrun.h"

namespace {

// Writes each typed character at the cursor; Enter starts a new line.
void echoloop()
{
    for (keycode k; (k = getkey()) != key::altx;) {
        if (k == key::enter)
            cputs("\n\r");
        else if (k >= 32 && k < 256)
            putch((unsigned char)k);
    }
}

TEST(typedchars, ShowInTheFontsCodePage)
{
    const std::vector<std::string> oem, ansi = {"-F", "ANSI", "18", "10", "400"};
    struct {
        std::vector<std::string> switches;
        std::string typed;
        int status;
    } cases[] = {
        {oem, "\u00e9\u00b1\u00b2\u00b5\u00e4\u00f6\u00fc\u00df\u00b0\u03b1\u03a3", 0},
        {ansi, "\u00e9\u00b1\u00b2\u00b5\u00e4\u00f6\u00fc\u00df\u00b0\u20ac\u00be", 0},
        {oem, "\u20ac", 3},
        {oem, "\u00be", 3},
        {ansi, "\u03b1", 3},
    };
    for (auto& c : cases) {
        platform::setcommandline(c.switches);
        hostrun run = runscript(c.typed + "<Enter><dump shot><A-x>", echoloop);
        EXPECT_EQ(run.status, c.status) << c.typed;
        if (c.status == 0) {
            EXPECT_NE(dumpfile(run, "shot.txt").find(c.typed + " "), std::string::npos) << c.typed;
        }
    }
    platform::setcommandline({});
}

}  // namespace
