// The context list windows: their lines, the golden screens of the context
// list, a component list and the library list, and the keys that change
// the context from the list.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "objects/context.h"
#include "objects/contextlist.h"
#include "objects/fu1.h"
#include "tests/objects/dabafixture.h"
#include "tests/objects/sittings.h"
#include "tests/screen/goldenfiles.h"

namespace {

using dabafiles::constant;
using dabafiles::formularecord;

const char* const longest = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
// A comment in the OEM code page: a-umlaut, o-umlaut, u-umlaut, micro.
const char* const oemnote = "\x84\x94\x81 \xe6 ok";
const std::string statics = "@@FU1\ndif\n2\n1\n@DATA\n@ARGS\nab\n@FORMULA\na-b\n@@VARMAN\ns= 0.1\n@@END VARMAN\n@@END FU1\n";
const std::string desktoprecords = formularecord(longest, 2, "xy", "x+y") +
                            formularecord("Ga", 0, "", "sort##(3,1,2)", nullptr, nullptr, 3) + statics +
                            constant("k", "2", oemnote) + formularecord("ga", 1, "x", "x+1", nullptr, "A.LIB") +
                            formularecord("top", 1, "x", "ga(x)*k+dif(x,1)");

struct contextwindows : sittings {
    void SetUp() override
    {
        sittings::SetUp();
        put("A.LIB", formularecord("ga", 1, "x", "x+1"));
        put("DESKTOP.LIB", desktoprecords);
    }
};

std::string line(const fu1& object, long n)
{
    char buffer[200];
    contextline(buffer, sizeof buffer, n, object);
    return buffer;
}

TEST_F(contextwindows, linesFollowTheirFormat)
{
    open();
    fu1 unknown;
    unknown.setname("u");
    fu1* ga3 = findresident(*context, "Ga", 0, 3);
    ASSERT_TRUE(ga3 && ga3->implement(1, 0));
    struct {
        const fu1* object;
        long n;
        const char* expected;
    } cases[] = {
        {findresident(*context, longest, 2, 1), 1, "   1 abcdefghijklmnopqrstuvwxyz0123       Function  2    ---"},
        {ga3, 22, "  22                             Ga#3     Function  0    i--"},
        {findresident(*context, "dif", 2, 1), 3, "   3                            dif       Function  2    --V"},
        {findresident(*context, "k", 0, 1), 4444, "4444                              k       Constant  0    iC-"},
        {findresident(*context, "ga", 1, 1), 5, "   5                             ga       Function  1  * ---"},
        {&unknown, 7, "   7                              u ?     Function  0    ---"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.object, nullptr) << c.expected;
        EXPECT_EQ(line(*c.object, c.n), c.expected);
    }
    char buffer[80];
    libraryline(buffer, sizeof buffer, 12, "DESKTOP.LIB");
    EXPECT_EQ(std::string(buffer), "   12           DESKTOP.LIB");
}

TEST_F(contextwindows, goldenScreensOfTheThreeLists)
{
    int chosen = -1;
    hostrun run = sitting("<End><dump contextlist><F1><dump contextkeys><Enter>Vy<dump componentlist><Esc><Esc>" "<Down><dump librarylist><Enter>",
                          [&] {
                              findresident(*context, "Ga", 0, 3)->implement(1, 0);
                              showcontext(nullptr);
                              chosen = listlibraries();
                          });
    checkgoldenfiles(run.out, "contextlist");
    checkgoldenfiles(run.out, "contextkeys");
    checkgoldenfiles(run.out, "componentlist");
    checkgoldenfiles(run.out, "librarylist");
    EXPECT_EQ(chosen, 2);
}

TEST_F(contextwindows, componentsComeFromTheObjectsOwnImplementation)
{
    std::vector<std::string> names;
    bool listed = false;
    // top implemented first, Ga compiled last; the resident ga is taken.
    sitting("y", [&] {
        fu1* top = findresident(*context, "top", 1, 1);
        top->implement(1, 0);
        findresident(*context, "Ga", 0, 3)->implement(2, 0);
        componentlist list;
        listed = calledcomponents(top, list);
        for (const fu1* object : list)
            names.push_back(object->name);
    });
    EXPECT_TRUE(listed);
    EXPECT_EQ(names, (std::vector<std::string>{"top", "ga", "dif"}));
}

TEST_F(contextwindows, sortedOrChronologicalAndDeletingTheLast)
{
    std::string log;
    int count = -1;
    hostrun run = sitting("<Home>s<dump chrono>s<dump sorted><Esc>" "<Del>y", [&] {
        showcontext(nullptr);
        while (context->count > 1)
            context->erase(context->head);
        showcontext(nullptr);
        count = context->count;
    });
    std::string chrono = dumptext(run, "chrono"), sorted = dumptext(run, "sorted");
    EXPECT_LT(chrono.find(" Ga#3 "), chrono.find(" dif "));
    EXPECT_LT(chrono.find(" k "), chrono.find(" ga "));
    EXPECT_LT(sorted.find(longest), sorted.find(" dif "));
    EXPECT_LT(sorted.find(" dif "), sorted.find(" Ga#3 "));
    EXPECT_LT(sorted.find(" ga "), sorted.find(" k "));
    EXPECT_EQ(count, 0);
}

TEST_F(contextwindows, aCommentTravelsByteForByte)
{
    // k's comment picked up and dropped on dif, then saved with F2.
    std::string marks;
    hostrun run = sitting("<Home><Down><Down><Down><Down>p<Up><Up><Up>d<F2><Esc>", [&] {
        showcontext(nullptr);
        marks = findresident(*context, "dif", 2, 1)->marks;
    });
    EXPECT_EQ(marks, "");
    std::string withnote = "@@FU1\ndif\n2\n1\n@@COMMENT\n" + std::string(oemnote) +
                           "\n@@END COMMENT\n@DATA\n@ARGS\nab\n@FORMULA\na-b\n@@VARMAN\ns= 0.1\n@@END VARMAN\n@@END FU1\n";
    std::string expected = desktoprecords;
    expected.replace(expected.find(statics), statics.size(), withnote);
    EXPECT_EQ(get("DESKTOP.LIB"), expected);
}

TEST_F(contextwindows, aNameNoLongerResidentOpensAtTheRememberedLine)
{
    hostrun run = sitting("<Home><Down><Down><Enter><dump gone><Enter><dump again><Esc>", [&] {
        showcontext(nullptr);
        showcontextat("renamed", 1, 1);
    });
    EXPECT_NE(dumptext(run, "gone").find("the requested object is not resident!"), std::string::npos);
}

}  // namespace
