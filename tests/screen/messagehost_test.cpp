// Message boxes on the computing thread, closed by scripted keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"

namespace {

std::vector<std::string> hostprinted;
std::vector<int> answers;

// Alt+P prints the message and shows it again; a key shows a message until
// pressed.
void printloop()
{
    setlineprinter([](const char* line) { hostprinted.push_back(line); });
    msgbuffer m(0, 0, 0, 0, 100);
    m.addf("\n hello \n\r");
    answers.push_back(m.show());
    answers.push_back(tell("\n %d \n", 42));
    setlineprinter(nullptr);
}

}  // namespace

TEST(messagehost, altpprintsamessageandshowsitagain)
{
    hostrun run = runscript("<key 592><dump again>x<dump tell>y", printloop);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(answers, (std::vector<int>{'x', 'y'}));
    EXPECT_EQ(hostprinted, (std::vector<std::string>{"", " hello "}));
    EXPECT_NE(plainfile(run.out + "/again.txt").find("| hello |"), std::string::npos);
    EXPECT_NE(plainfile(run.out + "/tell.txt").find("| 42 |"), std::string::npos);
}
