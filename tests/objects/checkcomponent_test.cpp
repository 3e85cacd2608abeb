// The composite objects' component checks leave their message in the
// owner's collector.
#include <gtest/gtest.h>

#include <string>

#include "formula/diagnostics.h"
#include "objects/checkcomponent.h"
#include "objects/fu1.h"
#include "objects/slotcomp.h"

TEST(checkcomponent, MessagesStatesAndShownText)
{
    struct {
        int code;
        componentfacts facts;
        int16_t state;
        const char* part;
        bool formulashown;
    } cases[] = {
        {34, {}, diagstate::valuecount, "Component \"Integrand\" must return a single value. \n But its current formula has 2 return values !", true},
        {35, {'t'}, diagstate::semantic, "The integration parameter t must not be declared", true},
        {36, {'k'}, diagstate::semantic, "The summation index k must not be declared", true},
        {37, {0, {2, 3}}, diagstate::valuecount, " 2 values, if the condition is true\n 3 values, if the condition is false", false},
        {37, {0, {4, 1}, 3}, diagstate::valuecount, "violated in action 3, which returns 4 values, while \n action 1 returns 1 values.", false},
        {55, {'t'}, diagstate::warning, "The integration parameter \"t\" is not mentioned", true},
        {56, {'k'}, diagstate::warning, "The summation index \"k\" is not mentioned", true},
        {69, {0, {}, 0, 7}, diagstate::valuecount, "This formula has 2 values.", true},
        {70, {'s'}, diagstate::warning, "The independent variable 's' should not occur", true},
    };
    for (const auto& k : cases) {
        fu1 owner;
        delete owner.diag;
        owner.diag = nullptr;   // made by the check
        slotcomp c;
        c.owner = &owner;
        c.label = "Integrand";
        c.settext("x, x*x");
        c.nvalues = 2;
        checkcomponent(&c, k.code, k.facts);
        ASSERT_NE(owner.diag, nullptr);
        EXPECT_EQ(owner.diag->code, k.code);
        EXPECT_EQ(owner.diag->state, k.state) << k.code;
        EXPECT_EQ(owner.diag->position, -1);
        EXPECT_NE(owner.diag->message().find(k.part), std::string::npos) << owner.diag->message();
        EXPECT_EQ(owner.diag->shown, k.formulashown ? "x, x*x" : "") << k.code;
    }
}

TEST(checkcomponent, OtherCodesKeepTheMessage)
{
    fu1 owner;
    owner.diag->set(22, diagstate::syntax, 4, " earlier ");
    slotcomp c;
    c.owner = &owner;
    c.settext("a+b");
    checkcomponent(&c, 99);
    EXPECT_EQ(owner.diag->code, 99);
    EXPECT_EQ(owner.diag->message(), " earlier ");
    EXPECT_EQ(owner.diag->shown, "a+b");
}
