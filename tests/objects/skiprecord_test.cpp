// Skipping the rest of a library record over nested records.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "base/report.h"
#include "objects/resolver.h"

TEST(skiprestofobject, NestedRecordsAndTheEndOfTheFile)
{
    struct {
        const char* rest;
        const char* next;    // the line read after the skip
        bool reported;
    } cases[] = {
        {"gg\n1\n1\n@@COMMENT\nc\n@@END COMMENT\n@DATA\n@@VARMAN\n@@END VARMAN\n@@END FU1\n@@FU1\n", "@@FU1", false},
        {"x\n@@END FU1\r\n@@FUCONST\n", "@@FUCONST", false},
        {"x\n@@END FU1", "", false},             // no line end after the last line
        {"x\n@@COMMENT\nc\n@@END COMMENT\n", "", true},   // the file ends inside the record
    };
    for (const auto& c : cases) {
        clearrecordedreports();
        std::istringstream in(c.rest);
        skiprestofobject(in);
        std::string line;
        std::getline(in, line);
        EXPECT_EQ(line, c.next) << c.rest;
        EXPECT_EQ(!recordedreports().empty(), c.reported) << c.rest;
    }
}
