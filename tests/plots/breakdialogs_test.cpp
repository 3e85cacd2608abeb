// The questions after a STOP request in a plot computation.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "plots/breakdialogs.h"
#include "tests/screen/editrun.h"

TEST(breakdialogs, AnswersByKey)
{
    struct {
        const char* key;
        std::function<int()> ask;
        int answer;
        const char* text;
    } cases[] = {
        {"r", [] { return samplebreakdialog(3, 9, true); }, 2, "point 3 of 9"},
        {"R", [] { return samplebreakdialog(3, 9, false); }, 2, "resume"},
        {"p", [] { return samplebreakdialog(3, 9, true); }, 1, "use current partial sample"},
        {"P", [] { return samplebreakdialog(3, 9, true); }, 0, "partial"},
        {"p", [] { return samplebreakdialog(3, 9, false); }, 0, "terminate"},
        {"<Esc>", [] { return samplebreakdialog(3, 9, true); }, 0, "terminate"},
        {"w", [] { return int(plotbreakdialog(4, 8)); }, 1, "after 4 of 8 points"},
        {"R", [] { return int(plotbreakdialog(4, 8)); }, 1, "resume"},
        {"<Esc>", [] { return int(plotbreakdialog(4, 8)); }, 0, "terminate"},
        {"y", [] { return int(curvebreakdialog(2)); }, 1, "curve nr. 2 has been aborted"},
        {"n", [] { return int(curvebreakdialog(2)); }, 0, "remaining curves"},
    };
    for (const auto& k : cases) {
        int got = -1;
        hostrun run = rundialogue(std::string("<dump q>") + k.key, [&] { got = k.ask(); });
        EXPECT_EQ(got, k.answer) << k.key << " " << k.text;
        EXPECT_NE(dumptext(run, "q").find(k.text), std::string::npos) << k.text;
    }
}
