// The program's menu: each command answers with its first box.
#include "fixtures.h"

#include "vemdraw/messages.h"
#include "vemdraw/program.h"

#include "platform/core/menus.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    std::ofstream(script) << "";
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
        const char* caption;
        const char* text;   // its beginning
    } cases[] = {
        {40013, "-", "Feature not implemented"},
        {40015, "-", "Feature not implemented"},
        {40026, "-", "Feature not implemented"},
        {40028, "-", "Feature not implemented"},
        {40020, "-", "Feature not implemented"},
        {40018, "-", "Feature not implemented"},
        {40019, "-", "Feature not implemented"},
        {40029, "-", "Feature not implemented"},
        {40023, "Printer Data", "The following data is supplied by your printer driver:\n\n"},
        {40022, "-", "Feature not implemented"},
        {40024, "Where to find Help", "VEMDRAW shows, prints and exports"},
        {40014, "-", "Feature not implemented"},   // an id without a command
    };
    size_t count = 0;
    const menuentry* menu = menutable("vdwmenu", count);
    for (const menuentry& e : std::span(menu, count))   // every item of the menu bar is a case
        EXPECT_TRUE(e.id <= 0 || std::any_of(std::begin(cases), std::end(cases), [&](auto& c) { return c.id == e.id; }))
            << e.label;
    for (const auto& c : cases) {
        shown.clear();
        program.command(c.id);
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

}  // namespace
