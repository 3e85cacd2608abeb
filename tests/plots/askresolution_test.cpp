// The question for the number of abscissae of the print output.
#include <gtest/gtest.h>

#include <string>

#include "tests/plots/plotgraph.h"
#include "tests/screen/editrun.h"

TEST(askresolution, RefusesTheBoundsAndTruncates)
{
    struct {
        const char* keys;
        int32_t resolution;
    } cases[] = {
        {"2.5<Enter>", 2},
        {"20000.9<Enter>", 20000},
        {"2<Enter><Enter>3<Enter>", 3},
        {"20001<Enter><Enter>19999<Enter>", 19999},
        {"<Esc>", 800},
    };
    for (const auto& k : cases) {
        int32_t got = 0;
        hostrun run = rundialogue(std::string("<dump asked>") + k.keys, [&] {
            stubgraph graph;
            autoprint entry(nullptr, nullptr);
            graph.askresolution(entry);
            got = entry.resolution;
        });
        EXPECT_EQ(run.status, 0) << k.keys;
        EXPECT_EQ(got, k.resolution) << k.keys;
        EXPECT_NE(dumptext(run, "asked").find("Number of abscissae for the printoutput ?"), std::string::npos);
    }
}
