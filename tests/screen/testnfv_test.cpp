// The value-count test command: each typed formula's count in a box, until
// Esc.
#include <gtest/gtest.h>

#include <string>

#include "screen/testnfv.h"
#include "tests/screen/editrun.h"

TEST(testnfv, tellsthecountofeachformulauntilesc)
{
    struct {
        const char* formula;
        const char* told;
    } rows[] = {
        {"1, 2, 3", " nfvformula() returns: 3 "},
        {"1, 2; 3", " nfvformula() returns: 1 "},
        {"x = solve##(a,b,c,d,e,f);", " nfvformula() returns: 2 "},
        {"\\sort##(1,2,3)", " nfvformula() returns: 2 "},
        {"cmama##(1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16)", " nfvformula() returns: 8 "},
        {"", " nfvformula() returns: 0 "},
    };
    std::string script;
    for (size_t i = 0; i < std::size(rows); ++i)
        script += std::string(rows[i].formula) + "<Enter><dump told" + std::to_string(i) + "><Enter>";
    bool ended = false;
    hostrun run = rundialogue(script + "<Esc>", [&] {
        testnfv();
        ended = true;
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(ended);
    for (size_t i = 0; i < std::size(rows); ++i) {
        std::string told = dumptext(run, "told" + std::to_string(i));
        EXPECT_NE(told.find(rows[i].told), std::string::npos) << rows[i].formula << "\n" << told;
        EXPECT_NE(told.find(" formula ?" + std::string(70, ' ') + "\n" + rows[i].formula), std::string::npos)
            << told;
    }
}
