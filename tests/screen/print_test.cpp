// The print job on the headless front's virtual printer, read back with
// pdftotext; ticks and the range test.
#include "platform/core/clock.h"
#include "platform/headless/pdfprinter.h"
#include "tests/screen/hostrun.h"
#include "screen/keys.h"
#include "screen/printjob.h"
#include "screen/services.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int linestoprint = 0;
std::vector<bool> results;   // begindoc, every printline, enddoc

void printjob()
{
    results.clear();
    bool begun = begindoc();
    results.push_back(begun);
    if (begun) {
        for (int i = 1; i <= linestoprint; ++i)
            results.push_back(printline(i == 2 ? "" : ("line " + std::to_string(i)).c_str()));
        results.push_back(enddoc());
    }
}

// "p" prints; Alt-X ends.
void printloop()
{
    for (keycode k; (k = getkey()) != key::altx;)
        if (k == 'p')
            printjob();
}

std::string run(const char* command)
{
    std::string out;
    FILE* p = popen(command, "r");
    if (!p)
        return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;)
        out.append(buffer, n);
    pclose(p);
    return out;
}

// Lines with text on each page of the PDF.
std::vector<std::vector<std::string>> pdfpages(const std::string& path)
{
    std::string text = run(("pdftotext -layout '" + path + "' -").c_str());
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    for (char c : text) {
        if (c == '\f') {
            pages.emplace_back();
        } else if (c == '\n') {
            if (line.find_first_not_of(' ') != std::string::npos)
                pages.back().push_back(line.substr(line.find_first_not_of(' ')));
            line.clear();
        } else {
            line += c;
        }
    }
    if (pages.back().empty())
        pages.pop_back();
    return pages;
}

TEST(print, PagesHoldTheLinesThatThePrinterSizeAllows)
{
    // 14-pixel font tripled on A4 at 300 dpi: 3508 / 42 lines, 2480 / 24 columns.
    const int perpage = platform::virtualprinter::height / 42;
    ASSERT_EQ(perpage, 83);
    linestoprint = 2 * perpage + 1;
    hostrun r = runscript("p<file list.pdf><A-x>", printloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(printlayout().linesperpage, perpage);
    EXPECT_EQ(printlayout().charsperline, 103);
    ASSERT_EQ(results.size(), size_t(linestoprint + 2));
    for (bool ok : results)
        EXPECT_TRUE(ok);

    auto pages = pdfpages(r.out + "/list.pdf");
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].size(), size_t(perpage - 1));   // line 2 is empty
    EXPECT_EQ(pages[1].size(), size_t(perpage));
    ASSERT_EQ(pages[2].size(), 1u);
    EXPECT_EQ(pages[0][0], "line 1");
    EXPECT_EQ(pages[0][1], "line 3");
    EXPECT_EQ(pages[1][0], "line " + std::to_string(perpage + 1));
    EXPECT_EQ(pages[2][0], "line " + std::to_string(linestoprint));
}

TEST(print, CancelAndUnwritableFilesAreFailures)
{
    linestoprint = 3;
    hostrun cancelled = runscript("p<cancel><A-x>", printloop);
    EXPECT_EQ(cancelled.status, 0);
    EXPECT_EQ(results, std::vector<bool>{false});

    hostrun unwritable = runscript("p<file /nonexistent/folder/list.pdf><A-x>", printloop);
    EXPECT_EQ(unwritable.status, 0);
    ASSERT_FALSE(results.empty());
    EXPECT_FALSE(results.front() && results.back());
    EXPECT_FALSE(printline("after the job"));
}

TEST(print, TheChosenPrinterFontSetsTheLayout)
{
    linestoprint = 1;
    hostrun r = runscript("<menu 40050><font DejaVu Sans Mono 20>p<file big.pdf><font DejaVu Sans Mono 28><A-x>",
                          printloop);
    setprinterfontchoice(false);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(printerfont().face, "DejaVu Sans Mono");
    EXPECT_EQ(printlayout().linesperpage, platform::virtualprinter::height / (28 * 3));
    EXPECT_EQ(pdfpages(r.out + "/big.pdf").size(), 1u);
}

TEST(services, TicksCountAbout18PerSecond)
{
    long t0 = ticks();
    long long m0 = platform::msecs();
    sleepms(550);
    long elapsed = ticks() - t0;
    double expected = double(platform::msecs() - m0) / 54.925;
    EXPECT_NEAR(elapsed, expected, 1.5);
    EXPECT_GE(elapsed, 9);
}

TEST(services, MinMaxOk)
{
    struct {
        int16_t lo, x, hi;
        bool ok;
    } cases[] = {{1, 1, 1, true}, {2, 1, 3, false}, {-5, 0, 5, true}, {-32768, 32767, 32767, true}, {0, 4, 3, false}};
    for (auto c : cases)
        EXPECT_EQ(minmaxok(c.lo, c.x, c.hi), c.ok) << c.lo << " " << c.x << " " << c.hi;
}

}  // namespace
