// Template dialogs opened by the computing thread: their logic runs there,
// what it changes is what the front shows, and boxes or dialogs that it
// opens meanwhile are answered.
#include "screen/dialogrunner.h"
#include "screen/keys.h"
#include "screen/winbox.h"
#include "screen/winstring.h"
#include "tests/screen/hostrun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::controlkind;
using platform::dialogcontrol;
using platform::notification;

constexpr int editid = 1000, labelid = 1001, boxbutton = 1002, askbutton = 1003, lockbutton = 1004;

struct record {
    std::thread::id opener;
    std::vector<std::thread::id> logic;   // where each hook ran
    std::vector<std::string> events;
    int result = 0;
    std::string edit;
};
record seen;

dialogcontrol control(int id, controlkind kind, const char* label)
{
    dialogcontrol c;
    c.id = id;
    c.kind = kind;
    c.label = label;
    return c;
}

// OK ends with 13 after copying the edit into the label; the buttons open
// a box, ask for a line, or grey the edit.
platform::dialogtemplate sample()
{
    platform::dialogtemplate t{"SAMPLE", "Sample", "", {}};
    t.controls = {control(labelid, controlkind::text, "start"), control(editid, controlkind::edit, ""),
                  control(boxbutton, controlkind::button, "Box"), control(askbutton, controlkind::button, "Ask"),
                  control(lockbutton, controlkind::button, "Lock"), control(1, controlkind::button, "OK"),
                  control(2, controlkind::button, "Cancel"), control(1005, controlkind::ownerdrawn, "")};
    t.control(1005)->width = t.control(1005)->height = 4;
    t.command = [](platform::dialogtemplate& d, int id, notification) {
        seen.logic.push_back(std::this_thread::get_id());
        seen.events.push_back(std::to_string(id));
        if (id == boxbutton)
            seen.events.push_back("box " + std::to_string(msgboxf("from the logic")));
        if (id == askbutton) {
            char line[20] = "";
            seen.events.push_back(std::string("asked ") + (winstring(line, sizeof line, "Line:") ? line : "-"));
        }
        if (id == lockbutton)
            d.control(editid)->enabled = false;
        d.control(labelid)->label = "now " + d.control(editid)->value;
        return id == 1 ? 13 : id == 2 ? 27 : 0;
    };
    t.drawitem = [](platform::dialogtemplate&, int, cairo_t*, int, int) {
        seen.logic.push_back(std::this_thread::get_id());
    };
    return t;
}

void openloop()
{
    for (keycode k; (k = getkey()) != key::altx;) {
        if (k != 'd')
            continue;
        seen.opener = std::this_thread::get_id();
        platform::dialogtemplate t = sample();
        seen.result = rundialog(t);
        seen.edit = t.control(editid)->value;
    }
}

std::string readfile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(dialogrunner, LogicRunsOnTheOpeningThreadAndTheFrontShowsItsChanges)
{
    seen = {};
    hostrun r = runscript("d<dialog 1000=abc ok><A-x>", openloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(seen.result, 13);
    EXPECT_EQ(seen.edit, "abc");
    ASSERT_FALSE(seen.logic.empty());
    for (std::thread::id id : seen.logic)
        EXPECT_EQ(id, seen.opener);
    EXPECT_NE(seen.opener, std::this_thread::get_id());   // the window thread's
    // The front logged the label as the logic set it.
    EXPECT_NE(readfile(r.out + "/dialogs.txt").find("1001=now abc\n"), std::string::npos);
}

TEST(dialogrunner, AControlGreyedByTheLogicRefusesTheScript)
{
    seen = {};
    hostrun r = runscript("d<dialog press=1004 1000=x ok><A-x>", openloop);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(seen.result, 2);
}

TEST(dialogrunner, BoxesAndDialogsOpenedByTheLogicAreAnswered)
{
    seen = {};
    hostrun r = runscript("d<dialog press=1002 press=1003 cancel><ok><text line><A-x>", openloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(seen.result, 27);
    EXPECT_EQ(seen.events, (std::vector<std::string>{"1002", "box 1", "1003", "asked line", "2"}));
    for (std::thread::id id : seen.logic)
        EXPECT_EQ(id, seen.opener);
}

}  // namespace
