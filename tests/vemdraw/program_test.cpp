// The program's menu: each command answers with its first box.
#include "fixtures.h"

#include "vemdraw/messages.h"
#include "vemdraw/program.h"

#include "platform/core/menus.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>

namespace {

using namespace platform;

std::vector<std::pair<std::string, std::string>> shown;

bool record(const std::string& text, const std::string& caption)
{
    shown.emplace_back(caption, text);
    return true;
}

TEST(Program, EachMenuCommandOpensItsFirstBox)
{
    std::string cwd = std::filesystem::current_path(), script = fixturedir() + "/menuscript.txt";
    std::string printed = fixturedir() + "/menuout/menuprint.pdf";
    std::filesystem::remove(printed);
    std::ofstream(script) << "<file " << fixturedir() << "/missing.rkp><file " << printed
                          << "><dialog cancel><dialog cancel><dialog cancel><dialog cancel><ok>";
    headlessfront front;
    std::string error;
    ASSERT_TRUE(front.load({script, fixturedir() + "/menuout", 10}, error)) << error;
    vemdrawprogram program(front);
    setfront(&front);
    sethost(&program);
    setboxsink(record);
    ASSERT_TRUE(program.start(fixturedir() + "/sine.rkp"));
    const struct {
        int id;
        const char* caption;   // "dialog": a dialog, no box; "file": a file written; "window": the window placed
        const char* text;      // its beginning, or the file
    } cases[] = {
        {40013, "-", "Could not open File:\n\r"},   // the open dialog's answer
        {40015, "file", "menuprint.pdf"},   // the print dialog's answer
        {40026, "dialog", "EXPORTDIALOG ended with 2"},
        {40028, "-", "Delete File: \n\r"},
        {40020, "dialog", "AXDIALOG ended with 2"},
        {40018, "dialog", "GRIDDIALOG ended with 2"},
        {40019, "dialog", "SIZEDIALOG ended with 2"},
        {40029, "window", ""},
        {40023, "Printer Data", "The following data is supplied by your printer driver:\n\n"},
        {40022, "dialog", "ABOUTDIALOG ended with 1"},
        {40024, "Where to find Help", "VEMDRAW shows, prints and exports"},
        {40014, "-", "Feature not implemented"},   // an id without a command
    };
    size_t count = 0;
    const menuentry* menu = menutable("vdwmenu", count);
    for (const menuentry& e : std::span(menu, count))   // every item of the menu bar is a case
        EXPECT_TRUE(e.id <= 0 || std::any_of(std::begin(cases), std::end(cases), [&](auto& c) { return c.id == e.id; }))
            << e.label;
    std::string dialogs = fixturedir() + "/menuout/dialogs.txt";
    for (const auto& c : cases) {
        shown.clear();
        size_t logged = filetext(dialogs).size();
        size_t moves = front.moves().size();
        program.command(c.id);
        if (c.caption == std::string("file") || c.caption == std::string("window")) {
            EXPECT_TRUE(shown.empty()) << c.id;
            if (c.caption == std::string("file"))
                EXPECT_TRUE(std::filesystem::exists(fixturedir() + "/menuout/" + c.text)) << c.id;
            else
                EXPECT_EQ(front.moves().size(), moves + 1) << c.id;
            continue;
        }
        if (c.caption == std::string("dialog")) {
            EXPECT_TRUE(shown.empty()) << c.id;
            EXPECT_EQ(filetext(dialogs).substr(logged).rfind(c.text, 0), 0u) << c.id;
            continue;
        }
        ASSERT_EQ(shown.size(), 1u) << c.id;
        EXPECT_EQ(shown[0].first, c.caption) << c.id;
        EXPECT_EQ(shown[0].second.rfind(c.text, 0), 0u) << c.id << ": " << shown[0].second;
    }
    EXPECT_EQ(program.diagrams().count, 1u);
    setboxsink(nullptr);
    sethost(nullptr);
    setfront(nullptr);
    std::filesystem::current_path(cwd);
}

// A script that does not fit the run is reported under VEMDRAW's own name.
TEST(Program, ScriptErrorsNameVemdraw)
{
    std::string script = fixturedir() + "/leftover.txt";
    std::ofstream(script) << "<ok>";   // no box to answer
    std::string command = std::string(VEMO_BIN_DIR) + "/vemdraw --headless --script " + script + " --out "
                          + fixturedir() + "/leftover " + fixturedir() + "/sine.rkp 2>&1";
    FILE* p = popen(command.c_str(), "r");
    ASSERT_TRUE(p);
    char line[256] = "";
    std::fgets(line, sizeof line, p);
    EXPECT_EQ(WEXITSTATUS(pclose(p)), exitstatus::script);
    EXPECT_EQ(std::string(line).rfind("vemdraw: script error: ", 0), 0u) << line;
}

}  // namespace
