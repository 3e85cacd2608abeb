#include "formula/diagnostics.h"

#include <gtest/gtest.h>

#include <string>

TEST(diagnostics, setfkeepsthetextaslinesandtheformula)
{
    diagnostics d;
    d.compilertext = "1+";
    d.code = 7;
    d.setf(" Premature %s \n\r second line %d", "end", 2);
    EXPECT_EQ(d.code, 0);  // setf clears first
    EXPECT_EQ(d.shown, "1+");
    ASSERT_EQ(d.lines.size(), 2u);
    EXPECT_EQ(d.lines[0], " Premature end ");
    EXPECT_EQ(d.lines[1], " second line 2");
    EXPECT_EQ(d.message(), " Premature end \n second line 2");
}

TEST(diagnostics, longmessagesarecut)
{
    diagnostics d;
    std::string huge(5000, 'x');
    d.setf("%s", huge.c_str());
    EXPECT_EQ(d.message().size(), 2999u);
}

TEST(diagnostics, cleardiagifclearsonlythelistedcodes)
{
    diagnostics warning;
    warning.code = 60;
    warning.state = diagstate::warning;
    cleardiagif(&warning, 57, 60, 0);
    EXPECT_EQ(warning.code, 0);
    EXPECT_EQ(warning.state, 0);

    diagnostics error;
    error.code = 19;
    error.state = diagstate::syntax;
    cleardiagif(&error, 57, 60, 0);
    EXPECT_EQ(error.code, 19);
    EXPECT_TRUE(error.iserror());
    cleardiagif(nullptr, 19, 0);
}
