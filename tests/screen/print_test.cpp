// The print job on the headless front's virtual printer, read back with
// pdftotext and pdffonts; ticks and the range test.
#include "platform/core/clock.h"
#include "platform/core/cmdline.h"
#include "platform/headless/pdfprinter.h"
#include "screen/keys.h"
#include "screen/printjob.h"
#include "screen/services.h"
#include "tests/screen/codepages.h"
#include "tests/screen/hostrun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::vector<std::string> linestoprint;
std::vector<bool> results;   // begindoc, every printline, enddoc

// "line 1" to "line n", line 2 empty.
std::vector<std::string> numberedlines(int n)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back(i == 2 ? "" : "line " + std::to_string(i));
    return lines;
}

void printjob()
{
    results.clear();
    bool begun = begindoc();
    results.push_back(begun);
    if (begun) {
        for (const std::string& line : linestoprint)
            results.push_back(printline(line.c_str()));
        results.push_back(enddoc());
    }
}

// "p" prints; Alt-X ends.
void listprintloop()
{
    for (keycode k; (k = getkey()) != key::altx;)
        if (k == 'p')
            printjob();
}

std::string run(const std::string& command)
{
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p)
        return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;)
        out.append(buffer, n);
    pclose(p);
    return out;
}

struct printedline {
    double y;           // top of the glyphs, points
    std::string text;   // the words, one blank apart
};

double number(const std::ssub_match& m)
{
    double x = 0;
    std::from_chars(&*m.first, &*m.second, x);
    return x;
}

// Lines with text on each page of the PDF, from the positions of its words
// (pdftotext -bbox): words at one height form a line, left to right.
std::vector<std::vector<printedline>> pdfpages(const std::string& path)
{
    struct word {
        double y, x;
        std::string text;
        bool operator<(const word& o) const { return std::tie(y, x) < std::tie(o.y, o.x); }
    };
    std::vector<std::vector<word>> words;   // by page
    std::string xhtml = run("pdftotext -bbox '" + path + "' -");
    std::regex item(R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    for (std::sregex_iterator m(xhtml.begin(), xhtml.end(), item), end; m != end; ++m) {
        if (!(*m)[1].matched)
            words.emplace_back();
        else if (!words.empty())
            words.back().push_back({number((*m)[2]), number((*m)[1]), (*m)[3]});
    }
    std::vector<std::vector<printedline>> pages;
    for (auto& page : words) {
        std::sort(page.begin(), page.end());
        auto& lines = pages.emplace_back();
        for (const word& w : page) {
            if (lines.empty() || w.y - lines.back().y > 0.5)
                lines.push_back({w.y, w.text});
            else
                lines.back().text += " " + w.text;
        }
    }
    return pages;
}

TEST(print, PagesHoldTheLinesThatThePrinterSizeAllows)
{
    // 14-pixel font tripled on A4 at 300 dpi: 3508 / 42 lines, 2480 / 24 columns.
    const int perpage = platform::virtualprinter::height / 42;
    ASSERT_EQ(perpage, 83);
    linestoprint = numberedlines(2 * perpage + 1);
    hostrun r = runscript("p<file list.pdf><A-x>", listprintloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(printlayout().linesperpage, perpage);
    EXPECT_EQ(printlayout().charsperline, 103);
    ASSERT_EQ(results.size(), linestoprint.size() + 2);
    for (bool ok : results)
        EXPECT_TRUE(ok);

    auto pages = pdfpages(r.out + "/list.pdf");
    ASSERT_EQ(pages.size(), 3u);
    ASSERT_EQ(pages[0].size(), size_t(perpage - 1));   // line 2 is empty
    ASSERT_EQ(pages[1].size(), size_t(perpage));
    ASSERT_EQ(pages[2].size(), 1u);
    EXPECT_EQ(pages[0][0].text, "line 1");
    EXPECT_EQ(pages[0][1].text, "line 3");
    EXPECT_EQ(pages[1][0].text, "line " + std::to_string(perpage + 1));
    EXPECT_EQ(pages[2][0].text, "line " + std::to_string(linestoprint.size()));
    // Lines follow each other at the line height, 42 pixels at 300 dpi;
    // every page starts at the same height.
    const double lineheight = 42 * 72.0 / platform::virtualprinter::dpi;
    EXPECT_NEAR(pages[0][1].y - pages[0][0].y, 2 * lineheight, 0.01);
    for (size_t i = 1; i < pages[1].size(); ++i)
        EXPECT_NEAR(pages[1][i].y - pages[1][i - 1].y, lineheight, 0.01) << i;
    EXPECT_NEAR(pages[1][0].y, pages[0][0].y, 0.01);
    EXPECT_NEAR(pages[2][0].y, pages[0][0].y, 0.01);
}

// The screen's face and code page, whatever the machine's "monospace" is.
TEST(print, ListsPrintTheScreensCharactersInItsFace)
{
    std::vector<std::string> before = platform::commandline();
    for (const codepagecase& c : codepagecases) {
        platform::setcommandline(c.switches);
        linestoprint = {c.bytes};
        hostrun r = runscript("p<file chars.pdf><A-x>", listprintloop);
        ASSERT_EQ(r.status, 0);
        auto pages = pdfpages(r.out + "/chars.pdf");
        ASSERT_EQ(pages.size(), 1u);
        ASSERT_EQ(pages[0].size(), 1u);
        EXPECT_EQ(pages[0][0].text, codepagetext) << c.bytes;
        std::string fonts = run("pdffonts '" + r.out + "/chars.pdf'");
        EXPECT_NE(fonts.find("DejaVuSansMono"), std::string::npos) << fonts;
    }
    platform::setcommandline(before);
}

// Where the print job ends: finish() and the destructor, on the window
// thread (1) or elsewhere (2).
int finishedon = 0, destroyedon = 0;

int whichthread()
{
    return platform::iswindowthread() ? 1 : 2;
}

class watchedjob : public platform::printjob {
public:
    explicit watchedjob(std::unique_ptr<platform::printjob> job) : job_(std::move(job)) {}
    ~watchedjob() override { destroyedon = whichthread(); }
    cairo_t* context() override { return job_->context(); }
    int width() const override { return job_->width(); }
    int height() const override { return job_->height(); }
    bool startpage() override { return job_->startpage(); }
    bool endpage() override { return job_->endpage(); }
    bool finish() override
    {
        finishedon = whichthread();
        return job_->finish();
    }

private:
    std::unique_ptr<platform::printjob> job_;
};

class watchingfront : public platform::headlessfront {
public:
    std::unique_ptr<platform::printjob> printdialog(const std::string& docname, bool landscape) override
    {
        auto job = headlessfront::printdialog(docname, landscape);
        return job ? std::make_unique<watchedjob>(std::move(job)) : nullptr;
    }
};

// A toolkit's job is finished and freed where its objects live.
TEST(print, TheJobEndsOnTheWindowThread)
{
    struct {
        const char* script;
        bool fontchoice;
        int finished;
    } cases[] = {
        {"p<file list.pdf><A-x>", false, 1},
        {"p<file list.pdf><cancel><A-x>", true, 0},   // the printer font is not chosen
    };
    linestoprint = numberedlines(3);
    for (auto& c : cases) {
        finishedon = destroyedon = 0;
        setprinterfontchoice(c.fontchoice);
        watchingfront front;
        hostrun r = runscript(front, c.script, listprintloop);
        setprinterfontchoice(false);
        EXPECT_EQ(r.status, 0) << c.script;
        EXPECT_EQ(results.front(), c.finished == 1) << c.script;
        EXPECT_EQ(finishedon, c.finished) << c.script;
        EXPECT_EQ(destroyedon, 1) << c.script;
    }
}

TEST(print, CancelAndUnwritableFilesAreFailures)
{
    linestoprint = numberedlines(3);
    hostrun cancelled = runscript("p<cancel><A-x>", listprintloop);
    EXPECT_EQ(cancelled.status, 0);
    EXPECT_EQ(results, std::vector<bool>{false});

    hostrun unwritable = runscript("p<file /nonexistent/folder/list.pdf><A-x>", listprintloop);
    EXPECT_EQ(unwritable.status, 0);
    ASSERT_FALSE(results.empty());
    EXPECT_FALSE(results.front() && results.back());
    EXPECT_FALSE(printline("after the job"));
}

TEST(print, TheChosenPrinterFontSetsTheLayout)
{
    linestoprint = numberedlines(1);
    hostrun r = runscript("<menu 40050><font DejaVu Sans Mono 20>p<file big.pdf><font DejaVu Sans Mono 28><A-x>",
                          listprintloop);
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
