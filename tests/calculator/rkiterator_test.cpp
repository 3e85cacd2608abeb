// The @RKITERATOR record: byte-exact round trips, the stated line forms,
// CR LF input, and bad records refused with a read error.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>
#include <string>

#include "base/report.h"
#include "calculator/rk.h"
#include "calculator/rkiterator.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "tests/calculator/rkfixture.h"

namespace {

struct rkrecord : ::testing::Test {
    parser first;  // the shared state
    void SetUp() override { clearrecordedreports(); }
};

std::string written(RK& rk, bool startvalues = true)
{
    std::ostringstream out;
    RKiterator(rk).save(out, startvalues);
    return out.str();
}

// Reads a whole record (head line included) into rk; the table it made
// goes to table.
bool readrecord(const std::string& text, RK& rk, std::shared_ptr<valtable>& table)
{
    std::istringstream in(text);
    std::string head;
    std::getline(in, head);
    bool ok = RKiterator(rk).learn(in);
    table = rk.table;
    return ok;
}

// Writes, reads and writes again: the second text must equal the first.
std::string roundtrip(RK& rk)
{
    std::string once = written(rk);
    RK back;
    std::shared_ptr<valtable> table;
    EXPECT_TRUE(readrecord(once, back, table)) << once;
    EXPECT_EQ(written(back), once);
    return once;
}

size_t libreaderrors()
{
    size_t n = 0;
    for (const reportentry& e : recordedreports())
        n += e.kind == reportkind::libread && e.text.find("RKiterator::learn") != std::string::npos;
    return n;
}

}  // namespace

TEST_F(rkrecord, SecondOrderRecordHasThreeStartValues)
{
    rksystem s(2, 1, 'x', false, "-f.1+sin(x)", {0.1, 1.0 / 3, -2.5e-300});
    EXPECT_EQ(roundtrip(s.rk), "@RKITERATOR\n@ORDER\n2\n@DIM\n1\n@IV\nx\n@FORMULA\n-f.1+sin(x)\n@INIVALSCONST\n"
                               "0.1\n0.3333333333333333\n-2.5e-300\n@END RKITERATOR\n");
    EXPECT_EQ(written(s.rk, false), "@RKITERATOR\n@ORDER\n2\n@DIM\n1\n@IV\nx\n@FORMULA\n-f.1+sin(x)\n@END RKITERATOR\n");
}

TEST_F(rkrecord, ArclengthRecordAndSpecialValues)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    rksystem s(1, 1, 't', true, "-t/f.1", {0.0, nan, -inf});
    std::string text = roundtrip(s.rk);
    EXPECT_EQ(text, "@RKITERATOR\n@ORDER\n1\n@DIM\n1\nARCLENGTH\n@IV\nt\n@FORMULA\n-t/f.1\n@INIVALSCONST\n"
                    "0\nnan\n-inf\n@END RKITERATOR\n");
    RK back;
    std::shared_ptr<valtable> table;
    ASSERT_TRUE(readrecord(text, back, table));
    EXPECT_TRUE(back.shape.arclength);
    EXPECT_TRUE(std::isnan(table->startvector[1]));
    EXPECT_EQ(table->startvector[2], -inf);
}

TEST_F(rkrecord, SolverWithoutFormulaWritesOneBlank)
{
    rksystem s(3, 2, 'u', false, nullptr, {1, 2, 3, 4, 5, 6, 7});
    std::string text = roundtrip(s.rk);
    EXPECT_NE(text.find("@FORMULA\n \n"), std::string::npos);
    RK back;
    std::shared_ptr<valtable> table;
    ASSERT_TRUE(readrecord(text, back, table));
    EXPECT_STREQ(back.formula, " ");
}

TEST_F(rkrecord, CrLfAndBareEndReadTheSame)
{
    std::string text = "@RKITERATOR\r\n@ORDER\r\n2\r\n@DIM\r\n1\r\n@IV\r\ny\r\n@FORMULA\r\n-f.1\r\n"
                       "@INIVALSCONST\r\n1.5\r\n2\r\n-3\r\n@END\r\n";
    RK back;
    std::shared_ptr<valtable> table;
    ASSERT_TRUE(readrecord(text, back, table));
    EXPECT_EQ(written(back), "@RKITERATOR\n@ORDER\n2\n@DIM\n1\n@IV\ny\n@FORMULA\n-f.1\n@INIVALSCONST\n1.5\n2\n-3\n"
                             "@END RKITERATOR\n");
    EXPECT_EQ(libreaderrors(), 0u);
}

TEST_F(rkrecord, RecordWithoutStartValuesGetsAZeroTable)
{
    RK back;
    std::shared_ptr<valtable> table;
    ASSERT_TRUE(readrecord("@RKITERATOR\n@ORDER\n2\n@DIM\n3\n@IV\nt\n@FORMULA\nf.1,f.2,f.3\n@END RKITERATOR\n",
                           back, table));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->dimension, 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(table->startvector[i], 0.0);
}

TEST_F(rkrecord, BadRecordsAreReadErrors)
{
    const char* bad[] = {
        "@ORDER\n65535\n@DIM\n65535\n@INIVALSCONST\n1\n@END\n",    // huge shape
        "@ORDER\n0\n@DIM\n1\n@END\n",                              // order 0
        "@ORDER\n13\n@DIM\n1\n@END\n",
        "@ORDER\n1\n@DIM\n41\n@END\n",
        "@ORDER\n-1\n@DIM\n1\n@END\n",
        "@ORDER\nabc\n@DIM\n1\n@END\n",
        "@ORDER\n2\n@DIM\n1\nARCLENGTH\n@END\n",                   // arclength needs 1/1
        "@ORDER\n1\n@DIM\n1\n@INIVALSCONST\n1\n@END\n",            // missing value
        "@ORDER\n1\n@DIM\n1\n@INIVALSCONST\n1\nx2\n@END\n",        // text in a number
        "@ORDER\n1\n@DIM\n1\n@INIVALSCONST\n1\n2\n3\n@END\n",      // one value too many
        "@ORDER\n1\n@DIM\n1\n@IV\n7\n@END\n",                      // no letter
        "@ORDER\n2\n@DIM\n1\n@END\n",                              // no @IV at all
        "@ORDER\n1\n@DIM\n1\n@SOMETHING\n@END\n",
        "@DIM\n1\n@IV\nx\n@END\n",                                 // no order
        "@ORDER\n1\n@DIM\n1\n@FORMULA\n",                          // cut off
        "",
    };
    for (const char* body : bad) {
        clearrecordedreports();
        RK back;
        std::shared_ptr<valtable> table;
        EXPECT_FALSE(readrecord(std::string("@RKITERATOR\n") + body, back, table)) << body;
        EXPECT_EQ(libreaderrors(), 1u) << body;
    }
}
