#include <gtest/gtest.h>

#include <cstring>

#include "formula/evalstate.h"
#include "formula/fingerprint.h"

namespace {
checksumcell cellof(const fingerprint& print)
{
    checksumcell cell{1, 1, 1};
    print.checksum(cell);
    return cell;
}

double frombits(uint64_t bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
}

TEST(fingerprint, RecordsNothingBeforeReset)
{
    fingerprint print;
    print.addrecord(printvalue, 1.0);
    print.addbyte(7);
    EXPECT_EQ(print.nrecords(), 0u);
    EXPECT_EQ(print.nbytes(), 0u);
    ASSERT_TRUE(print.reset());
    checksumcell cell = cellof(print);
    EXPECT_EQ(cell.low, 0);
    EXPECT_EQ(cell.high, 0);
    EXPECT_EQ(cell.check, 0);
}

TEST(fingerprint, ResetDropsEarlierRecordsAndDisableStops)
{
    fingerprint print;
    print.reset();
    print.addrecord(printvalue, 1.0);
    print.addbyte(1);
    print.flag = 1;
    print.tablestested = 4;
    print.reset();
    EXPECT_EQ(print.nrecords(), 0u);
    EXPECT_EQ(print.nbytes(), 0u);
    EXPECT_EQ(print.flag, 0);
    EXPECT_EQ(print.tablestested, 0u);
    print.disable();
    print.addbyte(1);
    EXPECT_EQ(print.nbytes(), 0u);
}

// Sums modulo 256 (not the usual 255): check = s1 + 256 s2.
TEST(fingerprint, ByteSumsModulo256)
{
    struct row { std::vector<uint8_t> bytes; uint16_t check; };
    const row rows[] = {
        {{1, 2}, 1027},                       // s1 3, s2 4
        {{200, 100}, 244 * 256 + 44},         // s1 300 mod 256, s2 200 + 44
        {{255}, 255 * 256 + 255},
        {std::vector<uint8_t>(600, 1), 76 * 256 + 88},   // 600 and 180300 mod 256
    };
    for (const row& r : rows) {
        fingerprint print;
        print.reset();
        for (uint8_t b : r.bytes)
            print.addbyte(b);
        EXPECT_EQ(cellof(print).check, r.check) << r.bytes.size() << " bytes";
    }
}

TEST(fingerprint, RecordSumsOfTheValuesQuarters)
{
    fingerprint print;
    print.reset();
    print.addrecord(printvalue, 1.0);      // 0x3FF0000000000000
    print.addobject(printplaceholder);
    print.addrecord(printglobal, 2.0);     // 0x4000000000000000
    print.addrecord(printglobal, -2.0);    // 0xC000000000000000
    print.addrecord(printglobal, 0.5);     // 0x3FE0000000000000
    double pair[] = {frombits(0x0001000200030004), 1.0};
    print.addpairs(pair, 2);
    checksumcell cell = cellof(print);
    EXPECT_EQ(cell.low, 0x3FF0 + 0x000A + 0x3FF0);
    EXPECT_EQ(cell.high, 0x3FE0) << "0x4000 + 0xC000 wraps to 0";
    EXPECT_EQ(cell.check, 0);

    checksumcell tail;
    print.checksumfrom(tail, 0, 5);
    EXPECT_EQ(tail.low, 0x000A + 0x3FF0);
    EXPECT_EQ(tail.high, 0);
    EXPECT_TRUE(print.hasfree(1));
    EXPECT_FALSE(print.hasfree(2));
}

TEST(fingerprint, EqualQuarterSumsLookUnchanged)
{
    fingerprint a, b;
    a.reset();
    b.reset();
    a.addrecord(printvalue, 1.0);
    b.addrecord(printvalue, frombits(0x0000000000003FF0));
    EXPECT_TRUE(a.matches(cellof(a), cellof(b)));
}

TEST(fingerprint, MatchesHonoursTheEnabledParts)
{
    fingerprint print;
    const checksumcell base{1, 2, 3};
    const checksumcell otherrecords{9, 2, 3};
    const checksumcell otherbytes{1, 2, 4};
    EXPECT_TRUE(print.matches(base, base));
    EXPECT_FALSE(print.matches(base, otherrecords));
    EXPECT_FALSE(print.matches(base, otherbytes));

    print.recordson = 0;
    EXPECT_TRUE(print.matches(base, otherrecords));
    EXPECT_FALSE(print.matches(base, otherbytes));
    print.reset();
    print.addobject(printplaceholder);
    EXPECT_FALSE(print.hasfree(0)) << "record part disabled";

    print.recordson = 1;
    print.byteson = 0;
    EXPECT_TRUE(print.matches(base, otherbytes));
    print.reset();
    print.addbyte(5);
    EXPECT_EQ(cellof(print).check, 0) << "disabled part leaves its word 0";
}

TEST(fingerprint, CellAndPairHelpers)
{
    checksumcell cell;
    setcell(cell, 0x12345678, 0xABCD);
    EXPECT_EQ(cell.low, 0x5678);
    EXPECT_EQ(cell.high, 0x1234);
    EXPECT_EQ(cell.check, 0xABCD);
    EXPECT_TRUE(matchpair(0xCD, 0xAB, 0xABCD));
    EXPECT_FALSE(matchpair(0xAB, 0xCD, 0xABCD));
    EXPECT_TRUE(fingerprint::keydiffers(0xAB, 0xCD, 0xABCD));
}

TEST(fingerprint, NextSerialAdvancesTheEvaluationSerial)
{
    shared.evalserial = 1;
    EXPECT_EQ(nextserial(), 2u);
    EXPECT_EQ(nextserial(), 3u);
    EXPECT_EQ(shared.evalserial, 3u);
}

TEST(fingerprint, FlagOfALetter)
{
    uint8_t flags[52] = {};
    flags[0] = 1;     // 'A'
    flags[25] = 2;    // 'Z'
    flags[26] = 3;    // 'a'
    flags[51] = 4;    // 'z'
    EXPECT_EQ(varflagof(flags, 'A'), 1);
    EXPECT_EQ(varflagof(flags, 'Z'), 2);
    EXPECT_EQ(varflagof(flags, 'a'), 3);
    EXPECT_EQ(varflagof(flags, 'z'), 4);
    EXPECT_EQ(varflagof(flags, '@'), 0);
    EXPECT_EQ(varflagof(flags, '{'), 0);
    EXPECT_EQ(varflagof(nullptr, 'a'), 0);
}
