#include <gtest/gtest.h>

#include <algorithm>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "base/report.h"
#include "formula/markset.h"
#include "formula/varman.h"

namespace {
// What learn reads: the record without its tag line.
std::istringstream body(const std::string& record)
{
    return std::istringstream(record.substr(record.find('\n') + 1));
}

// Switches LC_NUMERIC to a decimal-comma locale, built into the binary
// directory when the system has none; false when that is impossible.
bool commalocale()
{
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        return true;
    std::string dir = std::string(VEMO_BIN_DIR) + "/locale";
    std::string make = "mkdir -p " + dir + " && localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 >/dev/null 2>&1";
    std::system(make.c_str());   // warnings give a nonzero status
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

std::string saved(const varman& store)
{
    std::ostringstream out;
    store.save(out);
    return out.str();
}
}

TEST(varman, LettersAndClasses)
{
    varman store;
    EXPECT_EQ(varman::letternumber('a'), 0);
    EXPECT_EQ(varman::letternumber('z'), 25);
    EXPECT_EQ(varman::letternumber('A'), 26);
    EXPECT_EQ(varman::letternumber('Z'), 51);
    EXPECT_EQ(varman::letternumber('['), -1);
    EXPECT_EQ(store.record('1'), nullptr);
    EXPECT_EQ(store.classof('q'), 0);

    store.record('B')->cls = classconst;
    store.setvalue('B', 4.5);
    EXPECT_EQ(store.classof('B'), classglobal) << "a const letter set becomes global";
    EXPECT_EQ(store.value('B'), 4.5);
    EXPECT_EQ(store.record('B'), &store.records[27]);
    store.setvalue('#', 1.0);
    EXPECT_EQ(store.value('#'), 0.0);
    store.clearclass('B');
    EXPECT_EQ(store.classof('B'), 0);
}

TEST(varman, DeclareStaticsFollowsTheMarks)
{
    markset marks;
    marks.declare('b', classstatic);
    marks.declare('K', classconst);
    marks.declare('g', classglobal);
    varman store;
    store.setvalue('g', 1.0);
    store.setvalue('b', 2.0);
    EXPECT_EQ(store.declarestatics(marks), 2);
    EXPECT_EQ(store.classof('b'), classstatic);
    EXPECT_EQ(store.classof('K'), classconst);
    EXPECT_EQ(store.classof('g'), 0);
    EXPECT_EQ(store.value('g'), 1.0) << "values stay";
}

TEST(varman, CopyAndEquality)
{
    varman store;
    store.setvalue('x', std::nan(""));
    store.record('Y')->cls = classstatic;
    varman copy(store);
    EXPECT_TRUE(copy.equals(store));
    copy.setvalue('Y', 0.0);
    EXPECT_FALSE(copy.equals(store)) << "class differs";
    varman other;
    other.copyvalues(store);
    EXPECT_TRUE(other.equals(store));
}

TEST(varman, RecordWrittenByteExactly)
{
    varman store;
    store.setvalue('B', 3.0);
    store.record('B')->cls = classconst;
    store.setvalue('b', 2.0);
    store.record('b')->cls = classstatic;
    store.setvalue('g', 7.0);   // global: not part of the record
    EXPECT_EQ(saved(store), "@@VARMAN\nb= 2\nB= 3\n@@END VARMAN\n");
}

TEST(varman, RoundTripOfSpecialValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct row { char letter; double value; const char* text; };
    const row rows[] = {
        {'a', 0.1, "0.1"},
        {'c', 1.0 / 3.0, "0.3333333333333333"},
        {'d', -1e20, "-1e+20"},
        {'e', 5e-324, "4.940656458412465e-324"},
        {'f', inf, "inf"},
        {'h', -inf, "-inf"},
        {'k', std::nan(""), "nan"},
        {'m', 1e-5, "1e-05"},
        {'n', -0.0, "-0"},
        {'Z', 123456.75, "123456.75"},
    };
    varman store;
    std::string expected = "@@VARMAN\n";
    for (const row& r : rows) {
        store.setvalue(r.letter, r.value);
        store.record(r.letter)->cls = r.letter == 'c' ? classconst : classstatic;
        expected += std::string(1, r.letter) + "= " + r.text + "\n";
    }
    expected += "@@END VARMAN\n";
    std::string text = saved(store);
    EXPECT_EQ(text, expected);

    varman back;
    std::istringstream in = body(text);
    ASSERT_TRUE(back.learn(in));
    for (const row& r : rows) {
        EXPECT_EQ(back.classof(r.letter), classstatic) << r.letter;
        if (std::isnan(r.value))
            EXPECT_TRUE(std::isnan(back.value(r.letter)));
        else if (r.letter == 'c')
            EXPECT_NEAR(back.value(r.letter), r.value, 1e-16) << "16 digits lose the last bit";
        else
            EXPECT_EQ(back.value(r.letter), r.value) << r.letter;
    }
    EXPECT_EQ(saved(back), expected) << "const comes back as static; the text is the same";
}

TEST(varman, LearnAcceptsCrLfAndStopsAtTheEndLine)
{
    std::istringstream in("b= 2.5\r\nB=\t-4\r\n@@END VARMAN\r\nnext line\n");
    varman store;
    ASSERT_TRUE(store.learn(in));
    EXPECT_EQ(store.value('b'), 2.5);
    EXPECT_EQ(store.value('B'), -4.0);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "next line") << "the rest of the end line is skipped";
}

TEST(varman, NumbersIgnoreTheProcessLocale)
{
    if (!commalocale())
        GTEST_SKIP() << "no decimal-comma locale available";
    char probe[8];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    varman store;
    store.setvalue('q', 1.5);
    store.record('q')->cls = classstatic;
    std::string text = saved(store);
    std::istringstream in = body(text);
    varman back;
    bool read = back.learn(in);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_STREQ(probe, "1,5") << "the locale is in effect";
    EXPECT_EQ(text, "@@VARMAN\nq= 1.5\n@@END VARMAN\n");
    EXPECT_TRUE(read);
    EXPECT_EQ(back.value('q'), 1.5);
}

TEST(varman, BadLinesAreReportedAndFail)
{
    struct row { const char* text; const char* buffer; };
    const row rows[] = {
        {"b= 2\nvalue 3\n@@END VARMAN\n", "value"},
        {"1= 2\n@@END VARMAN\n", "1="},
        {"b= two\n@@END VARMAN\n", "two"},
        {"b= 2x\n@@END VARMAN\n", "2x"},
    };
    for (const row& r : rows) {
        clearrecordedreports();
        std::istringstream in(r.text);
        varman store;
        EXPECT_FALSE(store.learn(in)) << r.text;
        ASSERT_EQ(recordedreports().size(), 1u) << r.text;
        EXPECT_EQ(recordedreports()[0].kind, reportkind::libread);
        EXPECT_EQ(recordedreports()[0].text,
                  std::string("\n Read error in varman::learn() \n\r Buffer contents: \n\r ") + r.buffer);
    }
    clearrecordedreports();
    std::istringstream cut("b= 2\n");
    varman store;
    EXPECT_FALSE(store.learn(cut)) << "no end line";
}

TEST(varman, LongBadWordIsCutInTheReport)
{
    clearrecordedreports();
    std::istringstream in(std::string(1500, 'w') + "\n@@END VARMAN\n");
    varman store;
    EXPECT_FALSE(store.learn(in));
    ASSERT_EQ(recordedreports().size(), 1u);
    const std::string& text = recordedreports()[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), 'w'), 1000);
    clearrecordedreports();
}
