// Toggling letters of a sorted argument list, and its editor box.
#include <gtest/gtest.h>

#include <string>

#include "calculator/argedit.h"
#include "tests/screen/editrun.h"

TEST(argedit, ToggleKeepsTheListSortedAndItsLastLetter)
{
    struct {
        const char* list;
        char c;
        const char* after;
    } cases[] = {
        {"xy", 'a', "axy"}, {"axy", 'X', "axXy"}, {"axXy", 'x', "aXy"}, {"x", 'x', "x"},
        {"ab", '1', "1ab"}, {"ab", '+', "ab"},    {"", 'q', "q"},       {"aB", 'b', "abB"},
    };
    for (const auto& k : cases) {
        std::string list = k.list;
        togglearg(list, k.c);
        EXPECT_EQ(list, k.after) << k.list << " " << k.c;
    }
}

TEST(argedit, EditorTogglesEndsAndCancels)
{
    struct {
        const char* keys;
        bool result;
        const char* list;
    } cases[] = {
        {"ya<Enter>", true, "ax"},
        {"ya<Esc>", false, "xy"},
        {"xy<Enter>", true, "y"},   // the last letter stays
    };
    for (const auto& k : cases) {
        std::string list = "xy";
        bool result = false;
        hostrun run = rundialogue(k.keys, [&] { result = editargs(list); });
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(result, k.result) << k.keys;
        EXPECT_EQ(list, k.list) << k.keys;
    }
}
