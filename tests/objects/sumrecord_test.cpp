#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "base/report.h"
#include "objects/sumrecord.h"

namespace {
// The record is written only for an owner; any owner will do here.
void own(sumrecord& r)
{
    r.ownercalc = reinterpret_cast<calculator*>(&r);
}

bool learn(sumrecord& r, const std::string& text)
{
    std::istringstream in(text.substr(text.find('\n') + 1));
    return r.learn(in);
}

std::string save(sumrecord& r)
{
    own(r);
    std::ostringstream out;
    r.save(out);
    return out.str();
}

TEST(SumrecordBlock, RoundTripsByteForByte)
{
    const char* blocks[] = {
        "@SUMRECORD\n@MODE\n++\nACCEL\n@END SUMRECORD\n",
        "@SUMRECORD\n@MODE\n-+\nNOACCEL\n@END SUMRECORD\n",
        "@SUMRECORD\n@MODE\n+-\nACCEL\n@VORLAUF\n12\n@END SUMRECORD\n",
        "@SUMRECORD\n@MODE\ne\nNOACCEL\n@LASTINDEX\n1000000.000000001\n@KRITCONV\n45\n@END SUMRECORD\n",
        "@SUMRECORD\n@MODE\nc\nACCEL\n@LASTINDEX\n-0.1\n@VORLAUF\n7\n@KRITCONV\n31\n@END SUMRECORD\n",
        "@SUMRECORD\n@MODE\ns\nACCEL\n@END SUMRECORD\n",
    };
    for (const char* block : blocks) {
        sumrecord r;
        ASSERT_TRUE(learn(r, block)) << block;
        EXPECT_EQ(save(r), block);
    }
}

TEST(SumrecordBlock, FieldsRead)
{
    sumrecord r;
    ASSERT_TRUE(learn(r, "@SUMRECORD\n@MODE\n-+\nNOACCEL\n@FIRSTINDEX\n2.5 rest\n@STEP\n0.5\n"
                         "@ROTSTATE\n1 0.25\n@PHASESTATE\n0 3\n@LASTINDEX\n9\n@VORLAUF\n5\n@END SUMRECORD\n"));
    EXPECT_EQ(r.mode, '-');
    EXPECT_FALSE(r.altplus);
    EXPECT_FALSE(r.accel);
    EXPECT_FALSE(r.infinite);
    EXPECT_EQ(r.first, 2.5);
    EXPECT_EQ(r.step, 0.5);
    EXPECT_EQ(r.last, 9.0);
    EXPECT_EQ(r.leadin, 5);
    EXPECT_EQ(r.kritconv, defaultkritconv);
    EXPECT_EQ(r.phase, 0.0);
    EXPECT_EQ(r.rot, sumrecord().rot);
}

TEST(SumrecordBlock, ReadErrorsAndOwnerlessRecord)
{
    for (const char* bad : {"@SUMRECORD\n@MODE\n++\n@WHAT\n@END SUMRECORD\n", "@SUMRECORD\n@VORLAUF\nmany\n",
                            "@SUMRECORD\n@KRITCONV\n70000\n", "@SUMRECORD\nACCEL\n"}) {
        clearrecordedreports();
        sumrecord r;
        EXPECT_FALSE(learn(r, bad)) << bad;
        ASSERT_EQ(recordedreports().size(), 1u) << bad;
        EXPECT_EQ(recordedreports()[0].kind, reportkind::libread);
    }
    clearrecordedreports();
    sumrecord r;
    std::ostringstream out;
    r.save(out);
    EXPECT_EQ(out.str(), "");
}
}
