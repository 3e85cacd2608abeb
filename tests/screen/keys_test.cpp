// Key presses to key codes, and the key reader's stop rule.
#include "platform/core/keyqueue.h"
#include "screen/hoststate.h"
#include "screen/keys.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using platform::keydown;
namespace vk = platform::vk;

keydown keypress(int vkey, int ch, const char* mods = "")
{
    keydown k;
    k.vk = vkey;
    k.ch = ch;
    k.shift = std::strchr(mods, 'S');
    k.ctrl = std::strchr(mods, 'C');
    k.alt = std::strchr(mods, 'A');
    return k;
}

}  // namespace

TEST(translatekey, CodesOfTheKeyTable)
{
    struct {
        keydown k;
        keycode code;
    } cases[] = {
        {keypress(vk::pgup, 0, "S"), 329},       // Shift gives the plain code
        {keypress(vk::home, 0, "CS"), 375},      // Ctrl wins over Shift
        {keypress(vk::left, 0, "AC"), 411},      // Alt wins over both
        {keypress(vk::del, 0, "C"), 403},
        {keypress(vk::ins, 0, "A"), 418},
        {keypress('X', 0, "A"), 600},
        {keypress('0', 0, "A"), 560},
        {keypress(vk::f1, 0, "A"), 360},
        {keypress(vk::f10, 0, "C"), 359},
        {keypress(vk::f1 + 4, 0, "S"), 344},     // Shift-F5
        {keypress(vk::f1 + 10, 0), 0},           // F11 is swallowed
        {keypress(vk::f12, 0), 0},
        {keypress(vk::tab, 0, "S"), 271},
        {keypress('A', 1, "C"), 1},              // Ctrl-A as the layout gives it
        {keypress(vk::enter, 13), 13},
        {keypress('Q', '@', "C"), '@'},          // AltGr is not Alt
    };
    for (auto& c : cases) {
        keycode code = -1;
        EXPECT_TRUE(translatekey(c.k, code));
        EXPECT_EQ(code, c.code) << "vk " << c.k.vk << " ch " << c.k.ch;
    }
}

TEST(translatekey, AltF4IsLeftToTheSystem)
{
    keycode code = -1;
    EXPECT_FALSE(translatekey(keypress(vk::f4, 0, "A"), code));
    EXPECT_EQ(code, 0);
}

TEST(translatekey, TypedCharactersTakeTheBytesOfTheFontsCodePage)
{
    // cp437 for an OEM font, cp1252 for ANSI; 0: the font cannot show it,
    // the key is swallowed.
    struct {
        const char* text;
        int ch, oem, ansi;
    } cases[] = {
        {"e acute", 0xE9, 0x82, 0xE9},  {"plus-minus", 0xB1, 0xF1, 0xB1}, {"superscript two", 0xB2, 0xFD, 0xB2},
        {"micro", 0xB5, 0xE6, 0xB5},    {"degree", 0xB0, 0xF8, 0xB0},     {"A diaeresis", 0xC4, 0x8E, 0xC4},
        {"O diaeresis", 0xD6, 0x99, 0xD6}, {"U diaeresis", 0xDC, 0x9A, 0xDC}, {"sharp s", 0xDF, 0xE1, 0xDF},
        {"a diaeresis", 0xE4, 0x84, 0xE4}, {"o diaeresis", 0xF6, 0x94, 0xF6}, {"u diaeresis", 0xFC, 0x81, 0xFC},
        {"euro", 0x20AC, 0, 0x80},      {"alpha", 0x3B1, 0xE0, 0},        {"acute accent", 0xB4, 0, 0xB4},
        {"pilcrow", 0xB6, 0, 0xB6},     // cp437 shows it at byte 20, a control code
        {"smiley", 0x263A, 0, 0},       {"house", 0x2302, 0, 0},          {"CJK", 0x4E00, 0, 0},
        {"no-break space", 0xA0, 0xFF, 0xA0}, {"tilde", '~', '~', '~'},  {"Ctrl-Backspace", 127, 127, 127},
    };
    for (auto& c : cases)
        for (bool isoem : {true, false}) {
            host().oemkeys = isoem;
            keycode code = -1;
            EXPECT_TRUE(translatekey(keypress(0, c.ch), code));
            EXPECT_EQ(code, isoem ? c.oem : c.ansi) << c.text << (isoem ? " OEM" : " ANSI");
        }
    host().oemkeys = true;
}

TEST(getkey, StopFlagReturnsWaitingKeysThenEsc)
{
    platform::computekeys().flush();
    host().stop = true;
    host().running = true;
    postkey('a');
    postkey('b');
    host().lastposted = 'b';
    EXPECT_EQ(getkey(), 'a');
    EXPECT_EQ(host().lastposted, 0);
    EXPECT_EQ(getkey(), 'b');
    EXPECT_EQ(getkey(), key::esc);
    EXPECT_EQ(getkey(), key::esc);
    host().stop = false;
    host().running = false;
    EXPECT_FALSE(postkey('c'));
    EXPECT_FALSE(kbhit());
}
