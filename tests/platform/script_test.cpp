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
                       "<menu 40042><close><dump screen1><yes><text hello world><busy 250>");
    std::vector<itemkind> kinds;
    for (auto& i : items)
        kinds.push_back(i.kind);
    EXPECT_EQ(kinds, (std::vector<itemkind>{itemkind::key, itemkind::key, itemkind::code, itemkind::mouse,
                                             itemkind::mouse, itemkind::busy, itemkind::key, itemkind::endbusy,
                                             itemkind::menu, itemkind::close, itemkind::dump, itemkind::answer,
                                             itemkind::answer, itemkind::busy}));
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
    EXPECT_EQ(items[5].number, 0);
    EXPECT_EQ(items[13].number, 250);
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

TEST(script, MalformedScriptsAreRefusedWithTheReason)
{
    struct {
        std::string text, reason;
    } cases[] = {
        {"<click 2147483647 1>", "2147483647 is not a number from 1 to 80 in <click 2147483647 1>"},
        {"<click 81 1>", "81 is not a number from 1 to 80"},
        {"<move 1 0>", "0 is not a number from 1 to 30"},
        {"<release 1 31 right>", "31 is not a number from 1 to 30"},
        {"<press 32768 1 px>", "32768 is not a number from -32768 to 32767"},
        {"<press 1 -99999999999999999999 px>", "is not a number from -32768 to 32767"},
        {"<key -1>", "-1 is not a number from 1 to 65535"},
        {"<busy -1>", "-1 is not a number from 0 to 1000000000"},
        {"<busy 1 2>", "unknown item <busy 1 2>"},
        {"<key 99999999999>", "99999999999 is not a number from 1 to 65535"},
        {"<key 0>", "0 is not a number from 1 to 65535"},
        {"<key 65536>", "65536 is not a number"},
        {"<key ->", "- is not a number"},
        {"<key 1-2>", "1-2 is not a number"},
        {"<key +5>", "+5 is not a number"},
        {"<menu 4294967297>", "4294967297 is not a number from 1 to 65535"},
        {"<F0>", "unknown item <F0>"},
        {"<F-1>", "unknown item <F-1>"},
        {"<dump " + std::string(252, 'd') + ">", "the name is too long"},
        {"<", "unclosed item"},
        {"ab\n<", "line 2: unclosed item"},
        {"a<<<", "unclosed item"},
        {"<\n>", "unclosed item"},
        {std::string("a\0b", 3), "cannot be typed"},
        {"\xc0\x80", "cannot be typed"},          // overlong NUL
        {"\xe0\x80\xbc", "cannot be typed"},      // overlong "<"
        {"\xf8\x88\x80\x80\x80", "cannot be typed"},
        {"\xc3", "cannot be typed"},              // cut short at the end
        {"\xe2\x98\xba", "cannot be typed"},      // a symbol no font shows as a typed byte
    };
    for (auto& c : cases) {
        std::vector<scriptitem> items;
        std::string error;
        EXPECT_FALSE(parsescript(c.text, items, error)) << c.text;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << ": " << error;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << c.text;
    }
}

TEST(script, NumbersAtTheEdgesOfTheirRanges)
{
    auto items = parse("<click 80 30><press -32768 32767 px><key 1><key 65535><menu 65535><F1><F12>"
                       "<dump " + std::string(251, 'd') + ">");
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[0].x, 80);
    EXPECT_EQ(items[0].y, 30);
    EXPECT_EQ(items[1].x, -32768);
    EXPECT_EQ(items[1].y, 32767);
    EXPECT_EQ(items[3].number, 65535);
    EXPECT_EQ(items[5].key.vk, vk::f1);
    EXPECT_EQ(items[6].key.vk, vk::f12);
}
