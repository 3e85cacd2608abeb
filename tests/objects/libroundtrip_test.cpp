// Files that once changed between two saves: a file read and written
// back must give the same bytes at the next round, and records that
// cannot be read stay in it byte for byte.
#include <gtest/gtest.h>

#include "base/chain.h"
#include "objects/libfile.h"
#include "tests/objects/libfixture.h"

namespace {

using namespace std::string_literals;

struct libroundtrip : libdir {
    // Reads file from and writes what it read and kept as file to.
    std::string roundtrip(const char* from, const char* to)
    {
        chain list;
        libraryread rest;
        readlib(at(from), list, &rest);
        EXPECT_TRUE(writelib(at(to), list, true, savemode::copy, &rest));
        return get(to);
    }
};

TEST_F(libroundtrip, secondSaveGivesTheBytesOfTheFirst)
{
    const std::string good = "@@FUCONST\nc\n0\n1\n@DATA\n1\n@@END FUCONST\n";
    const struct {
        std::string bytes, unread;
    } cases[] = {
        // Lines with two CRs in records that cannot be read.
        {"@@FUCONST\r\r\nc\r\n0\r\n1\r\n@DATA\r\nx\r\r\n@@END FUCONST\r\n" + good,
         "@@FUCONST\r\r\nc\r\n0\r\n1\r\n@DATA\r\nx\r\r\n@@END FUCONST\r\n"},
        {good + "@@FU1\nf\n1\n1\n@DATA\n@ARGS\nx\n@WHAT\r\n\r\n", "@@FU1\nf\n1\n1\n@DATA\n@ARGS\nx\n@WHAT\r\n\r\n"},
        // A value line without a number.
        {"@@FUVECTOR\nv\n0\n2\n@DATA\n1\nabc\n@@END FUVECTOR\n" + good,
         "@@FUVECTOR\nv\n0\n2\n@DATA\n1\nabc\n@@END FUVECTOR\n"},
        // A NUL byte in a text field.
        {"@@FUCONST\nc\n0\n1\n@@COMMENT\nsum\r\0\0\n@@END COMMENT\n@DATA\n1\n@@END FUCONST\n"s + good,
         "@@FUCONST\nc\n0\n1\n@@COMMENT\nsum\r\0\0\n@@END COMMENT\n@DATA\n1\n@@END FUCONST\n"s},
        {"@@FU1\nf\0g\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx\n@@END FU1\n"s,
         "@@FU1\nf\0g\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx\n@@END FU1\n"s},
        {"@@FU1\nf\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx+1\0*2\n@@END FU1\n"s,
         "@@FU1\nf\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx+1\0*2\n@@END FU1\n"s},
        // Arguments counted in the header, but no argument line.
        {"@@FUINFINITE\ns\n1\n1\n@DATA\n@SUMRECORD\n@MODE\n++\nACCEL\n@END SUMRECORD\n@SUMVAR\nk\n"
         "@SUMMAND\n1/k^2\n@STARTAT\n1\n@STEP\n1\n@ROT\n1\n@PHASE\n0\n@@END FUINFINITE\n",
         "@@FUINFINITE\ns\n1\n1\n@DATA\n@SUMRECORD\n"},
    };
    open();
    for (const auto& c : cases) {
        put("IN.LIB", c.bytes);
        std::string once = roundtrip("IN.LIB", "ONE.LIB");
        EXPECT_NE(once.find(c.unread), std::string::npos) << once;
        EXPECT_EQ(roundtrip("ONE.LIB", "TWO.LIB"), once) << c.bytes;
    }
}

}  // namespace
