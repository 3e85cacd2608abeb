// The script grammar of the headless front.
#include "platform/headless/script.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

std::vector<scriptitem> parse(const std::string& text)
{
    std::vector<scriptitem> items;
    std::string error;
    EXPECT_TRUE(parsescript(text, items, error)) << text << ": " << error;
    return items;
}

}  // namespace

TEST(script, KeysWithHeldModifiers)
{
    struct {
        const char* text;
        int vk, ch;
        bool shift, ctrl, alt;
    } cases[] = {
        {"a", 'A', 'a', false, false, false},
        {"<<", 0, '<', false, false, false},
        {"\xc3\xa4", 0, 0xE4, false, false, false},  // ä as UTF-8
        {"<Enter>", vk::enter, 13, false, false, false},
        {"<esc>", vk::escape, 27, false, false, false},
        {"<S-Tab>", vk::tab, 0, true, false, false},
        {"<C-a>", 'A', 1, false, true, false},
        {"<S-a>", 'A', 'A', true, false, false},
        {"<A-x>", 'X', 0, false, false, true},
        {"<C-S-Home>", vk::home, 0, true, true, false},
        {"<A-F4>", vk::f4, 0, false, false, true},
        {"<F12>", vk::f12, 0, false, false, false},
        {"<7>", '7', '7', false, false, false},
    };
    for (auto& c : cases) {
        auto items = parse(c.text);
        ASSERT_EQ(items.size(), 1u) << c.text;
        const keydown& k = items[0].key;
        EXPECT_EQ(items[0].kind, itemkind::key) << c.text;
        EXPECT_EQ(k.vk, c.vk) << c.text;
        EXPECT_EQ(k.ch, c.ch) << c.text;
        EXPECT_EQ(k.shift, c.shift) << c.text;
        EXPECT_EQ(k.ctrl, c.ctrl) << c.text;
        EXPECT_EQ(k.alt, c.alt) << c.text;
    }
}

TEST(script, OtherItemsAndLineBreaks)
{
    auto items = parse("ab\n<key 600>\r\n<C-press 4 5 right px><click 2 3 right>\n<busy><Esc></busy>"
                       "<menu 40042><close><dump screen1><yes><text hello world>");
    std::vector<itemkind> kinds;
    for (auto& i : items)
        kinds.push_back(i.kind);
    EXPECT_EQ(kinds, (std::vector<itemkind>{itemkind::key, itemkind::key, itemkind::code, itemkind::mouse,
                                             itemkind::mouse, itemkind::busy, itemkind::key, itemkind::endbusy,
                                             itemkind::menu, itemkind::close, itemkind::dump, itemkind::answer,
                                             itemkind::answer}));
    EXPECT_EQ(items[2].number, 600);
    const scriptitem& press = items[3];
    EXPECT_EQ(press.action, mouseaction::press);
    EXPECT_EQ(press.button, mousebutton::right);
    EXPECT_TRUE(press.pixels && press.key.ctrl && !press.click);
    EXPECT_EQ(press.x, 4);
    EXPECT_EQ(press.y, 5);
    EXPECT_TRUE(items[4].click && !items[4].pixels);
    EXPECT_EQ(items[8].number, 40042);
    EXPECT_EQ(items[10].text, "screen1");
    EXPECT_EQ(items[12].answer, answerkind::text);
    EXPECT_EQ(items[12].text, "hello world");
}

TEST(script, ErrorsNameTheLine)
{
    for (const char* text : {"<Bogus>", "a\n<key x>", "<click 1>", "<yes please>", "<dump a/b>", "<Esc",
                             "\xe4\xb8\x80", "<F13>", "<X-a>"}) {
        std::vector<scriptitem> items;
        std::string error;
        EXPECT_FALSE(parsescript(text, items, error)) << text;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << text;
    }
}
