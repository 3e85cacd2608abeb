// Key presses to key codes, and the key reader's stop rule.
#include "platform/core/keyqueue.h"
#include "screen/hoststate.h"
#include "screen/keys.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using platform::keydown;
namespace vk = platform::vk;

keydown press(int vkey, int ch, const char* mods = "")
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
        {press(vk::pgup, 0, "S"), 329},       // Shift gives the plain code
        {press(vk::home, 0, "CS"), 375},      // Ctrl wins over Shift
        {press(vk::left, 0, "AC"), 411},      // Alt wins over both
        {press(vk::del, 0, "C"), 403},
        {press(vk::ins, 0, "A"), 418},
        {press('X', 0, "A"), 600},
        {press('0', 0, "A"), 560},
        {press(vk::f1, 0, "A"), 360},
        {press(vk::f10, 0, "C"), 359},
        {press(vk::f1 + 4, 0, "S"), 344},     // Shift-F5
        {press(vk::f1 + 10, 0), 0},           // F11 is swallowed
        {press(vk::f12, 0), 0},
        {press(vk::tab, 0, "S"), 271},
        {press('A', 1, "C"), 1},              // Ctrl-A as the layout gives it
        {press(vk::enter, 13), 13},
        {press(0, 0x20AC), 128},              // the euro sign is cp1252 byte 128
        {press(0, 0x3B1), 0},                 // no cp1252 byte: swallowed
        {press('Q', '@', "C"), '@'},          // AltGr is not Alt
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
    EXPECT_FALSE(translatekey(press(vk::f4, 0, "A"), code));
    EXPECT_EQ(code, 0);
}

TEST(translatekey, OemFontMapsTheUpperHalf)
{
    // The OEM bytes are those of cp437.
    const char* text = "°ÄÖÜßäöü";
    const int oem[] = {248, 142, 153, 154, 225, 132, 148, 129};
    const int ansi[] = {176, 196, 214, 220, 223, 228, 246, 252};
    for (int i = 0; i < 8; ++i) {
        for (bool isoem : {true, false}) {
            host().oemkeys = isoem;
            keycode code;
            translatekey(press(0, ansi[i]), code);
            EXPECT_EQ(code, isoem ? oem[i] : ansi[i]) << text;
        }
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
