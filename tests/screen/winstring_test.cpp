// The one-line dialog and the native boxes, answered from the script.
#include "platform/core/cmdline.h"
#include "screen/keys.h"
#include "screen/winbox.h"
#include "screen/winstring.h"
#include "tests/screen/codepages.h"
#include "tests/screen/hostrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct reading {
    double value;
    int state;
};
std::vector<reading> readings;
std::vector<std::string> lines;
std::vector<int> answers;
std::string boxbytes;

// "n": a number (default 7); "s": a line into a 6-byte buffer that holds
// "old"; "b": a yes/no box; "m": msgboxf; "u": a box of boxbytes; "t": the
// prompt and text of a dialog made of boxbytes.
void dialogloop()
{
    for (keycode k; (k = getkey()) != key::altx;) {
        if (k == 'n') {
            double x = winreadnumber(7, "Number:");
            readings.push_back({x, winreadstate});
        } else if (k == 's') {
            char buffer[6] = "old";
            const char* r = winstring(buffer, sizeof buffer, "Line:");
            lines.push_back(std::string(r ? "" : "none ") + buffer);
        } else if (k == 'b') {
            answers.push_back(int(nativebox("Go on?", "", platform::boxbuttons::yesno, platform::boxicon::stop)));
        } else if (k == 'm') {
            answers.push_back(msgboxf("%d %s", 42, "x"));
        } else if (k == 'u') {
            winmsgbox(boxbytes.c_str(), boxbytes.c_str());
        } else if (k == 't') {
            platform::dialogtemplate d = stringdialog(boxbytes.c_str(), boxbytes.c_str(), 20);
            lines.push_back(d.control(1001)->label);
            lines.push_back(d.control(1000)->value);
        }
    }
}

TEST(winstring, NumbersAndTheirStates)
{
    readings.clear();
    hostrun r = runscript("n<text 2.5e3>n<text 1e999>n<text>n<cancel>n<dialog 1000=-4 ok><A-x>", dialogloop);
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(readings.size(), 5u);
    EXPECT_EQ(readings[0].value, 2500);
    EXPECT_EQ(readings[0].state, readstate::number);
    EXPECT_TRUE(std::isinf(readings[1].value));   // the conversion's result
    EXPECT_EQ(readings[1].state, readstate::range);
    EXPECT_EQ(readings[2].value, 7);
    EXPECT_EQ(readings[2].state, readstate::empty);
    EXPECT_EQ(readings[3].value, 7);
    EXPECT_EQ(readings[3].state, readstate::cancelled);
    EXPECT_EQ(readings[4].value, -4);
}

TEST(winstring, DialogAnswersWithIdsOutOfRangeAreScriptErrors)
{
    // 4294968296 is 2^32 + 1000: read as an int it would become 1000.
    for (const char* script : {"n<dialog 4294968296=-4 ok><A-x>", "n<dialog -1000=-4 ok><A-x>"}) {
        readings.clear();
        hostrun r = runscript(script, dialogloop);
        EXPECT_EQ(r.status, 3) << script;
        ASSERT_EQ(readings.size(), 1u) << script;
        EXPECT_EQ(readings[0].state, readstate::cancelled) << script;
    }
}

TEST(winstring, LinesAreCutToTheBufferAndCancelKeepsIt)
{
    lines.clear();
    hostrun r = runscript("s<text abcdefgh>s<cancel>s<ok><A-x>", dialogloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"abcde", "none old", "old"}));
}

TEST(winstring, TheTemplateIsTheResourcesLayout)
{
    platform::dialogtemplate d = stringdialog("Prompt", "text", 9);
    EXPECT_EQ(d.name, "WINSTRINGDIALOG");
    EXPECT_EQ(d.fontname, "Fixedsys");
    ASSERT_NE(d.control(1000), nullptr);
    EXPECT_EQ(d.control(1000)->value, "text");
    EXPECT_EQ(d.control(1000)->limit, 9);
    EXPECT_TRUE(d.control(1000)->selected);
    EXPECT_EQ(d.control(1001)->label, "Prompt");
    EXPECT_EQ(d.control(2)->label, "Abbrechen");
}

TEST(nativeboxes, AnsweredFromTheScript)
{
    answers.clear();
    hostrun r = runscript("b<yes>b<no>m<ok><A-x>", dialogloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(answers, (std::vector<int>{6, 7, 1}));
    EXPECT_EQ(r.boxes, (std::vector<std::string>{"Go on?", "Go on?", "42 x"}));

    hostrun wrong = runscript("b<ok><A-x>", dialogloop);
    EXPECT_EQ(wrong.status, 3);   // <ok> does not answer a yes/no box
}

// The dialog shows its bytes as the screen's characters and gives back
// what was typed in the screen's code page; what the code page cannot show
// is left out.
TEST(winstring, TextsTakeTheScreensCodePage)
{
    std::vector<std::string> before = platform::commandline();
    for (const codepagecase& c : codepagecases) {
        platform::setcommandline(c.switches);
        boxbytes = c.bytes;
        lines.clear();
        hostrun r = runscript("ts<text ä€>s<text µ±ß><A-x>", dialogloop);
        EXPECT_EQ(r.status, 0);
        bool oem = c.switches.empty();   // cp437 has no euro sign, cp1252 has it at 0x80
        EXPECT_EQ(lines, (std::vector<std::string>{codepagetext, codepagetext,
                                                   c.bytes.substr(0, 1) + (oem ? "" : "\x80"),
                                                   c.bytes.substr(5, 2) + c.bytes.substr(3, 1)}))
            << c.bytes;
    }
    platform::setcommandline(before);
}

// Texts reach the box as the characters the screen's code page gives
// their bytes; line breaks stay.
TEST(nativeboxes, ShowTheScreensCharacters)
{
    std::vector<std::string> before = platform::commandline();
    for (const codepagecase& c : codepagecases) {
        platform::setcommandline(c.switches);
        boxbytes = c.bytes + "\n\r" + c.bytes;
        hostrun r = runscript("u<ok><A-x>", dialogloop);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.boxes, std::vector<std::string>{codepagetext + "\n\r" + codepagetext}) << c.bytes;
    }
    platform::setcommandline(before);
}

}  // namespace
