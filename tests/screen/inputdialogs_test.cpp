// The input dialogs on the headless front: typed formulas as numbers, the
// input state of each way out, the bar layout and the diagnosis box.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "screen/inputdialogs.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"
#include "tests/screen/plainrow.h"

namespace {

struct answer {
    double value = 0;
    int32_t state = -1;
    keycode key = -1;
    hostrun run;
};

answer askdouble(double current, const std::string& keys)
{
    answer a;
    a.run = rundialogue(keys, [&] {
        a.value = inputdouble(current, " value ? ");
        a.state = inputstate;
        a.key = lastinputkey;
    });
    return a;
}

answer askentry(double current, const std::string& keys, int16_t width = 80)
{
    answer a;
    a.run = rundialogue(keys, [&] {
        a.value = current;
        a.key = entrybox(&a.value, width, 10, " entry ");
        a.state = inputstate;
    });
    return a;
}

std::string row(const hostrun& run, const std::string& dump, int y)
{
    std::string text = plainfile(run.out + "/" + dump + ".txt");
    size_t start = 0;
    for (int i = 1; i < y; i++)
        start = text.find('\n', start) + 1;
    return text.substr(start, text.find('\n', start) - start);
}

}  // namespace

TEST(inputdialogs, typedformulasasnumbers)
{
    struct numbercase {
        double current;
        const char* keys;
        double value;
        int32_t state;
        keycode key;
    } cases[] = {
        {7.0, "2*pi<Enter>", 2 * M_PI, inputstates::taken, key::enter},
        {41.0, "ans+1<Enter>", 42.0, inputstates::taken, key::enter},
        {7.0, "1e3/8<Down>", 125.0, inputstates::taken, 336},
        {7.0, "<Enter>", 7.0, inputstates::empty, key::enter},
        {7.0, "12<Esc>", 7.0, inputstates::cancelled, key::esc},
        {7.0, "2*(3+<Enter>", 7.0, inputstates::novalue, key::enter},
        {7.0, "ln(-1)<Enter>x", 7.0, inputstates::novalue, key::enter},
    };
    for (const numbercase& c : cases) {
        answer a = askdouble(c.current, c.keys);
        EXPECT_EQ(a.run.status, 0) << c.keys;
        EXPECT_DOUBLE_EQ(a.value, c.value) << c.keys;
        EXPECT_EQ(a.state, c.state) << c.keys;
        EXPECT_EQ(a.key, c.key) << c.keys;
    }
}

TEST(inputdialogs, longnumbertextscrollsitsfield)
{
    // 84 characters in a one-line field: the line with the cursor shows,
    // and Home brings the first line back.
    std::string text = std::string(78, '0') + "+12345";
    answer a = askdouble(7.0, text + "<dump tail><Home><dump head><Enter>");
    EXPECT_EQ(a.value, 12345.0);
    EXPECT_EQ(a.state, inputstates::taken);
    EXPECT_EQ(row(a.run, "tail", 3), "2345" + std::string(76, ' '));
    EXPECT_EQ(row(a.run, "head", 3), text.substr(0, 80));
}

TEST(inputdialogs, entryboxeditsthecurrentvalue)
{
    answer replaced = askentry(0.5, "<dump entry>3<Enter>");
    EXPECT_EQ(replaced.value, 3.0);
    EXPECT_EQ(replaced.state, inputstates::taken);
    checkgoldenfiles(replaced.run.out, "entry");
    answer kept = askentry(0.1, "<Enter>");
    EXPECT_EQ(kept.value, 0.1);
    EXPECT_EQ(kept.state, inputstates::taken);
    answer appended = askentry(1.0 / 3, "<End>*3<Enter>");
    EXPECT_DOUBLE_EQ(appended.value, 1.0);
    answer cancelled = askentry(0.5, "9<Esc>");
    EXPECT_EQ(cancelled.value, 0.5);
    EXPECT_EQ(cancelled.state, inputstates::cancelled);
    EXPECT_EQ(cancelled.key, key::esc);
    // Width 10 gives a field of 25 characters.
    answer narrow = askentry(0.5, std::string(30, '1') + "<Enter>", 10);
    EXPECT_EQ(narrow.value, 1111111111111111111111111.0);
}

TEST(inputdialogs, compileerrorshownwithitsplace)
{
    answer a = askentry(0.5, "2*sinn(1)<Enter><dump diagnosis>x");
    EXPECT_EQ(a.state, inputstates::novalue);
    EXPECT_EQ(a.value, 0.5);
    EXPECT_NE(plainfile(a.run.out + "/diagnosis.txt").find(" Fatal compile Error "), std::string::npos);
    checkgoldenfiles(a.run.out, "diagnosis");
}

TEST(inputdialogs, wholenumbersinrange)
{
    struct intcase {
        const char* keys;
        int32_t value;
        int32_t state;
    } cases[] = {
        {"40000<Enter>", 5, inputstates::range},
        {"-32768<Enter>", -32768, inputstates::taken},
        {"-7.9<Enter>", -7, inputstates::taken},
        {"0/0<Enter>", 5, inputstates::range},
    };
    for (const intcase& c : cases) {
        answer a;
        a.run = rundialogue(c.keys, [&] {
            a.value = readshort(5, " n ? ");
            a.state = inputstate;
        });
        EXPECT_EQ(a.value, c.value) << c.keys;
        EXPECT_EQ(a.state, c.state) << c.keys;
    }
    answer big;
    big.run = rundialogue("1e10<Enter>3e9<Enter>-2^31<Enter>", [&] {
        EXPECT_EQ(readint(5, " n ? "), 5);
        EXPECT_EQ(inputstate, inputstates::range);
        EXPECT_EQ(readint(5, " n ? "), 5);
        EXPECT_EQ(readint(5, " n ? "), INT32_MIN);
    });
}

TEST(inputdialogs, inplacenumberbox)
{
    answer a;
    a.run = rundialogue("12.7<Enter><dump inplace>", [&] {
        gotoxy(1, 5);
        a.value = readshortbox(3, " count = ");
        a.state = inputstate;
        cputs("next");
        getkey();
    });
    EXPECT_EQ(a.value, 12);
    EXPECT_EQ(a.state, inputstates::taken);
    EXPECT_EQ(row(a.run, "inplace", 5).substr(0, 9), " count = ");
    EXPECT_EQ(row(a.run, "inplace", 6).substr(0, 4), "12.7");
    EXPECT_EQ(row(a.run, "inplace", 7).substr(0, 4), "next");
}

TEST(inputdialogs, checkedinputasksagain)
{
    double target = 2.0;
    bool taken = true;
    hostrun run = rundialogue("-1<Enter><dump invalid>x<Esc>", [&] {
        taken = inputchecked(&target, " positive ? ", "Only positive values, please.", [](double v) { return v > 0; });
    });
    EXPECT_FALSE(taken);
    EXPECT_EQ(target, 2.0);
    std::string box = plainfile(run.out + "/invalid.txt");
    EXPECT_NE(box.find(" Invalid Input "), std::string::npos);
    EXPECT_NE(box.find(" Only positive values, please. "), std::string::npos);

    run = rundialogue("-1<Enter>x<Enter>", [&] {
        taken = inputnumber(&target, " positive ? ", "Only positive values, please.", [](double v) { return v > 0; });
    });
    EXPECT_TRUE(taken);
    EXPECT_EQ(target, 2.0);   // Enter on the proposed value
}

TEST(inputdialogs, keyedinputonthelastrow)
{
    std::string text;
    keycode k = 0;
    hostrun run = rundialogue("<dump keyed>abc<Enter>", [&] {
        char buffer[81] = "x";
        k = keyedinput(buffer, 0, 30, " name ");
        text = buffer;
    });
    EXPECT_EQ(k, key::enter);
    EXPECT_EQ(text, "abc");   // the starting text was preselected
    EXPECT_EQ(row(run, "keyed", 30).substr(0, 20), " <F1> explains keys ");
    EXPECT_NE(row(run, "keyed", 28).find("= name ="), std::string::npos);
}
