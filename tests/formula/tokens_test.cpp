#include <gtest/gtest.h>

#include <set>
#include <string>

#include "formula/functable.h"
#include "formula/tokens.h"

namespace {

struct tokenexpect {
    int code;
    const char* name;
    int count;
};

struct funcexpect {
    const char* name;
    int token;
    int argc;
};

const tokenexpect tokenrows[] = {
#include "tokentable_expected.inc"
};

const funcexpect funcrows[] = {
#include "functable_expected.inc"
};

TEST(tokentable, everyrowmatchesthedocumentedtable)
{
    ASSERT_EQ(std::size(tokenrows), size_t(tokencount));
    for (const tokenexpect& e : tokenrows) {
        SCOPED_TRACE(e.code);
        EXPECT_STREQ(tokentable[e.code].name, e.name);
        EXPECT_STREQ(tokenname(e.code), e.name);
        EXPECT_EQ(tokentable[e.code].count, e.count);
    }
    EXPECT_STREQ(tokenname(tokencount), "");
    EXPECT_STREQ(tokenname(-1), "");
}

TEST(tokentable, enumvaluesarerows)
{
    const struct {
        int code;
        const char* name;
    } cases[] = {
        {tk::END, "END"}, {tk::ABORT, "ABORT"}, {tk::SEMICOLON, "; "}, {tk::BACKSLASH, " \\ "},
        {tk::TENPOWX, "10^X"}, {tk::RECGAMMA3, "(1/GAMMA)'''"}, {tk::ENDMULTI, "END"},
        {tk::FEED_GLOBAL, "FEED #GLOBAL"}, {tk::FEED_CONSTANT, "FEED CONSTANT"},
        {tk::CALL_USER_FUNC, "CALL USER FUNC"}, {tk::UNUSED93, ""}, {tk::VECTOR_MINUS_VECTOR, "VECTOR - VECTOR"},
        {tk::UNUSED126, ""}, {tk::CMP_SCAL_TIMES_VECT, "CMP. SCAL*VECT"}, {tk::SQRPART, "_SQRPART_"},
        {tk::EIGENVECTORS, "EIGENVECTORS"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(tokenname(c.code), c.name) << c.code;
}

TEST(tokentable, thirteencodeshavenohandler)
{
    const std::set<int> dead = {30, 47, 51, 52, 53, 70, 80, 81, 93, 109, 110, 111, 126};
    for (int code = -1; code <= 256; ++code)
        EXPECT_EQ(executable(code), code >= 0 && code < tokencount && !dead.count(code)) << code;
}

TEST(tokentable, cellkindsfollowthecellrules)
{
    std::set<int> function = {87, 94, 95, 112};
    for (int c = 100; c <= 105; ++c) function.insert(c);
    for (int c = 115; c <= 124; ++c) function.insert(c);
    for (int c = 143; c <= 148; ++c) function.insert(c);
    for (int c = 156; c <= 168; ++c) function.insert(c);
    for (int c = 175; c <= 180; ++c) function.insert(c);
    const std::set<int> variable = {82, 173, 174, 89, 113};
    const std::set<int> index = {2, 171, 84, 90, 85, 88};
    for (int code = 0; code < tokencount; ++code) {
        operandcell want = operandcell::none;
        if (code == 83) want = operandcell::constant;
        if (variable.count(code)) want = operandcell::variable;
        if (index.count(code)) want = operandcell::index;
        if (code == 91 || code == 92) want = operandcell::call;
        if (code == 86) want = operandcell::assumed;
        if (function.count(code)) want = operandcell::function;
        EXPECT_EQ(cellof(code), want) << code;
    }
    EXPECT_FALSE(takescell(tk::SIN));
    EXPECT_FALSE(takescell(tk::ATAN2));
    EXPECT_FALSE(takescell(tk::CUMUL_BINOMIAL));
    EXPECT_FALSE(takescell(255));
}

TEST(functable, everyrowmatchesthedocumentedtable)
{
    ASSERT_EQ(std::size(funcrows), size_t(functioncount));
    for (int i = 0; i < functioncount; ++i) {
        SCOPED_TRACE(funcrows[i].name);
        EXPECT_STREQ(functable[i].name, funcrows[i].name);
        EXPECT_EQ(functable[i].token, funcrows[i].token);
        EXPECT_EQ(functable[i].argc, funcrows[i].argc);
        EXPECT_LE(std::string(functable[i].name).size(), 11u);
        EXPECT_EQ(findfunction(funcrows[i].name), &functable[i]) << "names are unique";
    }
    EXPECT_EQ(functable[functioncount].token, endtoken);
}

TEST(functable, lookups)
{
    const struct {
        const char* name;
        int token;  // -1: not found
        int argc;
    } cases[] = {
        {"sin", tk::SIN, 1},
        {"Binomial", tk::CUMUL_BINOMIAL, 4},
        {"Hgeo", tk::CUMUL_HGEO, 5},
        {"BTW", tk::BETWEEN, 3},
        {"XBTW", tk::X_BETWEEN, 3},
        {"LXBTW", tk::LX_BETWEEN, 3},
        {"RXBTW", tk::RX_BETWEEN, 3},
        {"AND", tk::LOGIC_AND, anyargs},
        {"OR", tk::LOGIC_OR, anyargs},
        {"pi", tk::FEED_CONSTANT, 0},
        {"eul", tk::FEED_CONSTANT, 0},
        {"cata", tk::FEED_CONSTANT, 0},
        {"solve", tk::SOLVE, multivalued},
        {"Sin", -1, 0},     // names are case-sensitive
        {"and", -1, 0},
        {"sin##", -1, 0},   // the table holds plain names
        {"solve##", -1, 0},
        {"", -1, 0},
        {"nosuchname", -1, 0},
    };
    for (const auto& c : cases) {
        const funcrow* row = findfunction(c.name);
        if (c.token < 0) {
            EXPECT_EQ(row, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->token, c.token) << c.name;
        EXPECT_EQ(row->argc, c.argc) << c.name;
    }
}

TEST(functable, onlythetwentyfivemultivaluedtakehashes)
{
    int hashes = 0;
    for (int i = 0; i < functioncount; ++i) {
        hashes += takeshashes(functable[i]);
        EXPECT_EQ(takeshashes(functable[i]), tokentable[functable[i].token].count == severalvalues)
            << functable[i].name;
    }
    EXPECT_EQ(hashes, 25);
    EXPECT_TRUE(takeshashes(*findfunction("sort")));
    EXPECT_FALSE(takeshashes(*findfunction("min")));
    EXPECT_FALSE(takeshashes(*findfunction("sin")));
}

TEST(functable, argcoftoken)
{
    EXPECT_EQ(argcoftoken(tk::FEED_CONSTANT), 0);
    EXPECT_EQ(argcoftoken(tk::SOLVE), multivalued);
    EXPECT_EQ(argcoftoken(tk::MINIMUM), anyargs);
    EXPECT_EQ(argcoftoken(tk::ATAN2), 2);
    EXPECT_EQ(argcoftoken(tk::ABORT), -1);
    EXPECT_EQ(argcoftoken(endtoken), -1);
}

}  // namespace
