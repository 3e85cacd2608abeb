#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "formula/rpncode.h"
#include "formula/tokens.h"

namespace {

TEST(operand, cellsholdfullpointers)
{
    // An address above 4 GiB: a cell that kept only 32 bits would lose it.
    fu* object = reinterpret_cast<fu*>(uintptr_t(0x7ffe12345678abc0));
    operand call = operand::ofcall(object, 3, 2);
    EXPECT_EQ(call.object, object);
    EXPECT_EQ(call.argc, 3);
    EXPECT_EQ(call.valc, 2);

    varrecord* record = reinterpret_cast<varrecord*>(uintptr_t(0x7ffe12345678abd0));
    operand var = operand::ofvariable(record, 'Q');
    EXPECT_EQ(var.variable, record);
    EXPECT_EQ(var.letter, 'Q');

    operand fn = operand::offunction(7, 1);
    EXPECT_EQ(fn.index, 7);
    EXPECT_EQ(fn.argc, 7);
    EXPECT_EQ(operand::ofindex(-3).index, -3);
    operand assumed = operand::ofassumed(4, 6);
    EXPECT_EQ(assumed.argc, 4);
    EXPECT_EQ(assumed.valc, 6);
}

TEST(rpncode, emptycodeisthesharedabortbyte)
{
    rpncode a, b;
    EXPECT_TRUE(a.isempty());
    EXPECT_EQ(a.tokens, b.tokens);
    EXPECT_EQ(a.tokens[0], tk::ABORT);
    EXPECT_EQ(a.operands, nullptr);
    rpncursor at(a);
    EXPECT_EQ(at.token, a.tokens);
}

TEST(rpncode, storereusesstreamslargeenough)
{
    const unsigned char five[] = {tk::ABORT, tk::FEED_ARG_1, tk::FEED_CONSTANT, tk::PLUS, tk::END};
    const operand one[] = {operand::ofconstant(2.0)};
    rpncode code;
    ASSERT_TRUE(code.store(five, 5, one, 1));
    const unsigned char* tokens = code.tokens;
    const unsigned char three[] = {tk::ABORT, tk::FEED_ARG_1, tk::END};
    ASSERT_TRUE(code.store(three, 3, nullptr, 0));
    EXPECT_EQ(code.tokens, tokens);
    EXPECT_EQ(code.tokencap, 5);
    EXPECT_EQ(code.operandcap, 1);
    EXPECT_EQ(code.tokens[2], tk::END);

    EXPECT_FALSE(code.store(three, 0, nullptr, 0));
    EXPECT_TRUE(code.isempty());
    code.clear();
    EXPECT_TRUE(code.isempty());
}

// FEED ARG 1, FEED CONSTANT, PLUS, END: the only cell is the constant's.
TEST(rpncode, readersconsumecellsonlyfortokensthattakeone)
{
    const unsigned char tokens[] = {tk::ABORT, tk::FEED_ARG_1, tk::FEED_CONSTANT, tk::PLUS,
                                    tk::MAKE_AUTOSPACE, tk::FEED_CONSTANT, tk::END};
    const operand cells[] = {operand::ofconstant(1.5), operand::ofindex(2), operand::ofconstant(-4.0)};
    rpncode code;
    ASSERT_TRUE(code.store(tokens, 7, cells, 3));
    rpncursor at(code);
    std::vector<double> constants;
    int cellsread = 0;
    for (int t = at.next(); t != tk::END; t = at.next()) {
        if (!takescell(t))
            continue;
        const operand& c = at.take();
        ++cellsread;
        if (t == tk::FEED_CONSTANT)
            constants.push_back(c.constant);
    }
    EXPECT_EQ(cellsread, 3);
    EXPECT_EQ(constants, (std::vector<double>{1.5, -4.0}));
    EXPECT_EQ(at.cell, code.operands + 3);
}

}  // namespace
