// The line editor on the headless front: keys from a script, the edited
// text and the ending key compared.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "screen/clipboard.h"
#include "screen/lineeditor.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"

namespace {

struct editcase {
    const char* start;
    int maxlen;
    bool preselect;
    const char* keys;
    const char* result;
    keycode key;
};

struct edited {
    std::string text;
    keycode key;
    hostrun run;
};

edited runedit(const char* start, int maxlen, bool preselect, const std::string& keys,
               const char* extra = nullptr)
{
    edited e;
    e.run = rundialogue(keys, [&] {
        lineeditor ed{int16_t(maxlen)};
        clipboard board;
        if (extra) {
            board.clipset(extra, int32_t(strlen(extra)));
            setextraclip(&board);
        }
        editmode(preselect);
        std::vector<char> buffer(size_t(std::max(maxlen, int(strlen(start)))) + 1);
        strcpy(buffer.data(), start);
        e.key = ed.lineedit(buffer.data());
        e.text = buffer.data();
    });
    return e;
}

}  // namespace

TEST(lineeditor, keysedittext)
{
    const editcase cases[] = {
        // A full text in insert mode takes nothing; overstrike replaces.
        {"abc", 3, false, "x<Enter>", "abc", key::enter},
        {"abc", 3, false, "<Ins>x<Enter>", "xbc", key::enter},
        {"abc", 4, false, "<End>xy<Enter>", "abcx", key::enter},
        // A preselected text is replaced by the first character; End keeps it.
        {"0.5", 10, true, "3<Enter>", "3", key::enter},
        {"0.5", 10, true, "<End>7<Enter>", "0.57", key::enter},
        {"0.5", 10, true, "<Ins><Home>7<Enter>", "7.5", key::enter},
        // Esc with a block removes the mark only; the next Esc cancels.
        {"abc", 10, false, "<S-Right><Esc>x<Enter>", "axbc", key::enter},
        {"abc", 10, false, "x<S-Left><Esc><Esc>", "abc", key::esc},
        // Shift+Right three times from 2 marks 2 to 4.
        {"abcdef", 10, false, "<Right><S-Right><S-Right><S-Right><S-F5><End><F5><Enter>", "abcdefbcd", key::enter},
        {"abcdef", 10, false, "<Right><S-Right><S-Right><S-Del><Enter>", "adef", key::enter},
        {"abcdef", 10, false, "<End><S-Left><S-Left><S-Backspace><Enter>", "abcd", key::enter},
        // The block moves with text typed before it.
        {"abcdef", 12, false, "<Right><S-Right><S-Right><Home>Z<S-F6><End><F6><Enter>", "Zabcdefbc", key::enter},
        // The inserted clipboard becomes the block.
        {"abcdef", 12, false, "<S-Right><S-F7><F7><S-Del><Enter>", "abcdef", key::enter},
        {"abcdef", 10, false, "<End><Backspace><Backspace><Del><Enter>", "abcd", key::enter},
        {"abcdef", 10, false, "<Right><Right><Del><Enter>", "abdef", key::enter},
        {"abcdef", 10, false, "<Right><Right><PgUp><Enter>", "ab", key::enter},
        {"abcdef", 10, false, "<Right><Right><PgDn><Enter>", "cdef", key::enter},
        // Empty clipboard, copy without block, too little room, no block to delete.
        {"abcdef", 10, false, "<F8><Enter>", "abcdef", key::enter},
        {"abcdef", 10, false, "<S-F8>x<Enter>", "abcdef", key::enter},
        {"abcdef", 8, false, "<S-End><S-F9><F9>x<Enter>", "abcdef", key::enter},
        {"abcdef", 8, false, "<S-Del><Enter>", "abcdef", key::enter},
        // Movement without Shift ends the marking but keeps the block.
        {"abcdef", 10, false, "<S-Right><S-Right><End><S-F5><Home><F5><Enter>", "ababcdef", key::enter},
        // Up and Down are movement in a one-line field; no other key ends the edit.
        {"ab", 10, false, "<Down><Up><F2>c<Enter>", "cab", key::enter},
        // Starting text longer than the maximum, or nothing to edit.
        {"abcdef", 3, false, "", "abcdef", 0},
        {"", 0, false, "", "", 0},
    };
    for (const editcase& c : cases) {
        edited e = runedit(c.start, c.maxlen, c.preselect, c.keys);
        EXPECT_EQ(e.run.status, 0) << c.keys;
        EXPECT_EQ(e.text, c.result) << c.start << " " << c.keys;
        EXPECT_EQ(e.key, c.key) << c.start << " " << c.keys;
    }
}

TEST(lineeditor, messagesofrefusedkeys)
{
    // The timed messages are gone before a dump; these two wait for a key.
    edited e = runedit("abcdef", 8, false, "<S-F8><dump nomark>x<S-End><S-F5><F5><dump full>x<Enter>");
    EXPECT_NE(dumptext(e.run, "nomark").find(" why don't you first mark a block"), std::string::npos);
    EXPECT_NE(dumptext(e.run, "full").find(" Insufficient space for inserting 6 characters ! "), std::string::npos);
}

TEST(lineeditor, nexteditstartsinthemodelastused)
{
    std::string first, second;
    hostrun run = rundialogue("<Ins><Enter>x<Enter>", [&] {
        lineeditor ed(10);
        char one[11] = "abc", two[11] = "abc";
        ed.lineedit(one);
        editmode(false);
        ed.lineedit(two);
        first = one;
        second = two;
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(first, "abc");
    EXPECT_EQ(second, "xbc");   // overstrike
}

TEST(lineeditor, extraclipboardonf10)
{
    EXPECT_EQ(runedit("ab", 10, false, "<End><F10><Enter>", "XY").text, "abXY");
    EXPECT_EQ(runedit("ab", 10, false, "<End><F10><Enter>").text, "ab");
}

TEST(lineeditor, downmovesalineinawrappedfield)
{
    // An 80-column window and maximum 200: three lines.  From 50, Down
    // reaches 130 when the text has 129 characters, not with 128.
    std::string keys;
    for (int i = 1; i < 50; i++)
        keys += "<Right>";
    keys += "<Down>X<Enter>";
    edited longer = runedit(std::string(129, 'a').c_str(), 200, false, keys);
    EXPECT_EQ(longer.text.find('X'), 129u);
    edited shorter = runedit(std::string(128, 'a').c_str(), 200, false, keys);
    EXPECT_EQ(shorter.text.find('X'), 49u);
    edited up = runedit(std::string(129, 'a').c_str(), 200, false, keys.substr(0, keys.size() - 8) + "<Up><Up>Y<Enter>");
    EXPECT_EQ(up.text.find('Y'), 49u);
}

TEST(lineeditor, clipboardsetandtext)
{
    clipboard c;
    EXPECT_TRUE(c.clipempty());
    EXPECT_EQ(c.cliptext(), nullptr);
    ASSERT_TRUE(c.clipset("hello", 5));
    EXPECT_EQ(c.capacity, 6);
    EXPECT_STREQ(c.cliptext(), "hello");
    ASSERT_TRUE(c.clipset("hi", 2));   // fits: the block stays
    EXPECT_EQ(c.capacity, 6);
    EXPECT_EQ(c.cliplength(), 2);
    ASSERT_TRUE(c.clipset("", 0));
    EXPECT_TRUE(c.clipempty());
    EXPECT_FALSE(c.clipset("x", -1));
    c.clipfree();
    EXPECT_EQ(c.cliplength(), 0);
}

TEST(lineeditor, fieldscreen)
{
    // A three-line field at row 2 of a window, a block across a line end,
    // preselected text shown before the first key.
    std::string start = std::string(75, 'a') + "bcdefghij" + std::string(20, 'k');
    hostrun run = rundialogue("<dump editfresh><End><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left>"
                              "<S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left>"
                              "<S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><S-Left>"
                              "<S-Left><S-Left><S-Left><S-Left><S-Left><S-Left><dump editblock><Esc><Esc>",
                              [&] {
                                  window(1, 3, 80, 12);
                                  cputs("Above the field");
                                  lineeditor ed(200);
                                  seteditrow(2);
                                  std::vector<char> buffer(201);
                                  strcpy(buffer.data(), start.c_str());
                                  ed.lineedit(buffer.data());
                              });
    ASSERT_EQ(run.status, 0);
    checkgoldenfiles(run.out, "editfresh");
    checkgoldenfiles(run.out, "editblock");
}
