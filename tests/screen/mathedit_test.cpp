// Bracket matching of the math editor and the notepad's keys, on the
// headless front.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/limits.h"
#include "screen/hoststate.h"
#include "screen/inputdialogs.h"
#include "screen/mathedit.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"

namespace {

struct mathedited {
    std::string text;
    keycode key = 0;
    hostrun run;
};

template <class Editor>
mathedited runeditor(const char* start, const std::string& keys)
{
    mathedited e;
    e.run = rundialogue(keys, [&] {
        Editor ed(100);
        char buffer[101];
        strcpy(buffer, start);
        e.key = ed.lineedit(buffer);
        e.text = buffer;
    });
    return e;
}

bool shows(const mathedited& e, const char* dump, const char* text)
{
    return dumptext(e.run, dump).find(text) != std::string::npos;
}

}  // namespace

TEST(mathedit, tabmovestothematchingbracket)
{
    struct matchcase {
        const char* start;
        const char* keys;
        const char* result;
    } cases[] = {
        // Any closing bracket matches any opening one.
        {"(a+[b)]", "<Tab>X<Enter>", "(a+[b)X]"},
        {"(a+[b)]", "<End><Left><Tab>X<Enter>", "X(a+[b)]"},
        {"f((x)+1)", "<Right><Tab>X<Enter>", "f((x)+1X)"},
        // After the text's end Tab does nothing (no box eats the X).
        {"abc", "<End><Tab>X<Enter>", "abcX"},
        // Shift+Tab marks both brackets and what lies between.
        {"(ab)", "<S-Tab><S-F5><End><F5><Enter>", "(ab)(ab)"},
        {"x(ab)", "<End><Left><S-Tab><S-Del><Enter>", "x"},
        // The first typed character does not replace a formula.
        {"sin(x)", "<End>+1<Enter>", "sin(x)+1"},
    };
    for (const matchcase& c : cases) {
        mathedited e = runeditor<mathedit>(c.start, c.keys);
        EXPECT_EQ(e.text, c.result) << c.start << " " << c.keys;
    }
}

TEST(mathedit, markedbracketspanscreen)
{
    mathedited e = runeditor<mathedit>("2*(a+[b)]*f(x)", "<Right><Right><S-Tab><dump bracketspan><Esc><Esc>");
    EXPECT_EQ(e.key, key::esc);
    checkgoldenfiles(e.run.out, "bracketspan");
}

TEST(mathedit, bracketreports)
{
    struct reportcase {
        const char* start;
        const char* keys;
        const char* report;
    } cases[] = {
        {"f(x))", "<Tab>", " 1 too many right bracket(s) in formula ! "},
        {"(a+b", "<Right><Tab>", " 1 too many left bracket(s) in formula ! "},
        {"((a)+b)", "<Right><Right><Tab>", " cursor is at ()-level 2 "},
        {"(a+(b", "<Right><Right><Tab>", " 1 extra left bracket(s) in right part "},
        {"a)+b", "<Right><Right><Tab>", " 1 extra right bracket(s) in left part "},
        {"(a", "<Tab>", " Unmatched parenthesis ! "},
        {"a)", "<Right><Tab>", " Unmatched parenthesis ! "},
    };
    for (const reportcase& c : cases) {
        mathedited e = runeditor<mathedit>(c.start, std::string(c.keys) + "<dump report>x<Enter>");
        EXPECT_TRUE(shows(e, "report", c.report)) << c.start << "\n" << dumptext(e.run, "report");
        EXPECT_EQ(e.text, c.start);
    }
}

TEST(mathedit, keyreferenceexplainsblocks)
{
    mathedited e = runeditor<mathedit>("", "<F1><dump keys>x<Enter>");
    EXPECT_TRUE(shows(e, "keys", " Key Reference - Math Editor "));
    EXPECT_TRUE(shows(e, "keys", " <tab>    find matching parenthesis "));
    EXPECT_TRUE(shows(e, "keys", " - deleted with <shift>+<del>"));
    EXPECT_EQ(e.key, key::enter);
}

TEST(notepadedit, enterandescfirstremoveablock)
{
    mathedited esc = runeditor<notepadedit>("1+2", "x<S-Left><Esc><Esc>");
    EXPECT_EQ(esc.key, key::esc);
    EXPECT_EQ(esc.text, "1+2");
    mathedited enter = runeditor<notepadedit>("1+2", "<End><S-Left><Enter>");
    EXPECT_EQ(enter.key, key::enter);
    mathedited kept = runeditor<notepadedit>("1+2", "<End><S-Left><Esc>4<Enter>");
    EXPECT_EQ(kept.text, "1+42");
}

TEST(notepadedit, infoandrecognizer)
{
    // The key that closes the key reference also closes the information.
    mathedited e = runeditor<notepadedit>("", "<F1><dump notepadinfo><dump info><F1><dump keys>y<F3><dump recognizer><Enter>");
    EXPECT_TRUE(shows(e, "info", " This is the calculation notepad. "));
    EXPECT_TRUE(shows(e, "keys", " Key Reference - Math Editor "));
    EXPECT_FALSE(shows(e, "recognizer", "not available"));   // without a recognizer F3 tells nothing
    EXPECT_EQ(e.text, "");
    checkgoldenfiles(e.run.out, "notepadinfo");
}

TEST(mathedit, editorskeepformulaswithinthereaderslimit)
{
    // The computing thread's editors take no more than a library reader
    // gives back: typing at a full formula changes nothing.
    std::string start(size_t(limits::formulalength) - 1, '1'), text;
    hostrun run = rundialogue("<End>23<Enter><End>(<Left><Tab>x<Enter>", [&] {
        std::vector<char> buffer(size_t(limits::formulalength) + 1);
        strcpy(buffer.data(), start.c_str());
        notepadeditor()->lineedit(buffer.data());
        text = buffer.data();
        // lineinput edits with the math editor in the shared slot, then
        // puts the previous editor back.
        char formula[20] = "sin(x)";
        lineinput(formula, 19);
        EXPECT_STREQ(formula, "sin(x)(");
        EXPECT_EQ(sharededitor(10)->maxlen, 10);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(matheditor(), nullptr);   // dropped when the thread ended
    EXPECT_EQ(text, start + "2");
}

namespace {

// A math editor that notes, on F2, whether the window shows the caret, its
// left pixel and its width (a bar is 2 pixels wide, an underline a cell).
struct caretprobe : mathedit {
    using mathedit::mathedit;
    std::vector<std::vector<int>> seen;
    bool extrakey(keycode k) override
    {
        if (k != 316)
            return mathedit::extrakey(k);
        seen.push_back({host().caretshown ? 1 : 0, host().caretx, host().caretwidth});
        return true;
    }
};

}  // namespace

// The caret stands where typed text goes: a bar at the formula's start,
// one cell on after Right, an underline in overstrike mode; it goes with
// the edit.
TEST(mathedit, showsthecaretwheretextgoes)
{
    std::vector<std::vector<int>> seen;
    bool shownafter = true;
    std::string text;
    hostrun run = rundialogue("<F2><Right><F2><Ins><F2>X<Enter>", [&] {
        caretprobe ed(100);
        char buffer[101] = "gam(0.5)";
        ed.lineedit(buffer);
        text = buffer;
        seen = ed.seen;
        shownafter = host().caretshown;
    });
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(seen.size(), 3u);
    int cell = seen[2][2];
    EXPECT_EQ(seen[0], (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(seen[1], (std::vector<int>{1, cell, 2}));
    EXPECT_EQ(seen[2], (std::vector<int>{1, cell, cell}));
    EXPECT_GT(cell, 2);
    EXPECT_FALSE(shownafter);
    EXPECT_EQ(text, "gXm(0.5)");
}
