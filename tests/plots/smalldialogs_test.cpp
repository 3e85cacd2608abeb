// The small plot dialogs: the transfer file name's rules on the logic
// alone, and every dialog answered through the headless front.
#include <gtest/gtest.h>


#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "plots/makerkp.h"
#include "plots/smalldialogs.h"
#include "tests/screen/editrun.h"
#include "tests/screen/workfolder.h"

namespace {

namespace fs = std::filesystem;

// A scratch work directory.
struct makerkpnames : workfolder {
    fs::path dir;

    void SetUp() override
    {
        workfolder::SetUp();
        dir = folder;
    }
};

// The dialog's logic on a template of its own: the name typed, then OK.
struct namedialog {
    filenamerecord record;
    makerkprun run;
    platform::dialogtemplate t;

    explicit namedialog(const fs::path& dir) : run{record, dir.string()}, t(run.layout()) { run.fill(t); }
    int ok(const std::string& typed)
    {
        t.control(makerkp::edit)->value = typed;
        return run.command(t, makerkp::ok, platform::notification::click);
    }
    std::string message() const { return const_cast<platform::dialogtemplate&>(t).control(makerkp::message)->label; }
};

TEST_F(makerkpnames, NamesAreCutUpperCasedAndKeptInTheWorkDirectory)
{
    struct {
        const char* typed;
        int result;
        const char* name;
    } cases[] = {
        {"my plot", 13, "MYPLOT.RKP"},     {"abc.def", 13, "ABC.RKP"},   {"abcdefghij", 13, "ABCDEFGH.RKP"},
        {"hugo", 13, "HUGO.RKP"},          {"  ", 27, ""},               {"/x", 0, "/X.RKP"},
        {"a/b", 0, "A/B.RKP"},             {".x", 0, ".X.RKP"},          {"a\\b", 0, "A\\B.RKP"},
        {"a\tb", 0, "A\tB.RKP"},           {"ab\x7f", 0, "AB\x7f.RKP"},  {"a b/../c", 0, "AB/.RKP"},
    };
    for (const auto& c : cases) {
        namedialog d(dir);
        EXPECT_EQ(d.ok(c.typed), c.result) << c.typed;
        EXPECT_STREQ(d.record.name, c.name) << c.typed;
        if (c.result == 0) {
            EXPECT_EQ(d.message(), std::string(" \"") + c.name + "\" is not acceptable as a filename") << c.typed;
            EXPECT_TRUE(d.t.control(makerkp::picture)->shown);
        }
    }
    // Nothing was made anywhere by the probes.
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_FALSE(fs::exists("/X.RKP"));
}

TEST_F(makerkpnames, AnExistingFileIsTakenOnTheSecondOkOnly)
{
    std::ofstream(dir / "OLD.RKP") << "old";
    namedialog d(dir);
    EXPECT_EQ(d.ok("old"), 0);
    EXPECT_EQ(d.message(), "File \"OLD.RKP\" already exists. Overwrite ?");
    // The question is shown once; a changed name asks again.
    d.run.command(d.t, makerkp::edit, platform::notification::leave);
    EXPECT_EQ(d.message(), "");
    EXPECT_FALSE(d.t.control(makerkp::picture)->shown);
    EXPECT_EQ(d.ok("old"), 0);
    EXPECT_EQ(d.ok("old"), 13);
    // The check box clears a pending question as well.
    namedialog e(dir);
    EXPECT_EQ(e.ok("old"), 0);
    e.t.control(makerkp::start)->checked = false;
    e.run.command(e.t, makerkp::start, platform::notification::click);
    EXPECT_EQ(e.record.startprinter, 0);
    EXPECT_EQ(e.ok("old"), 0);
    EXPECT_EQ(e.ok("old"), 13);
    EXPECT_EQ(e.run.command(e.t, makerkp::cancel, platform::notification::click), 27);
}

TEST_F(makerkpnames, ScriptedAnswersEndWithTheLogicsResult)
{
    std::ofstream(dir / "OLD.RKP") << "old";
    struct {
        const char* script;
        int result;
        const char* name;
        uint8_t start;
    } cases[] = {
        {"<text my plot>", 13, "MYPLOT.RKP", 1},
        {"<dialog 1099=abc.def 1098=0 ok>", 13, "ABC.RKP", 0},
        {"<dialog 1099=/x ok cancel>", 27, "/X.RKP", 1},
        {"<dialog 1099=old ok ok>", 13, "OLD.RKP", 1},
        {"<dialog 1099=a/b ok 1099=b ok>", 13, "B.RKP", 1},
        // The front's own OK runs the logic too: an empty name cancels.
        {"<ok>", 27, "", 1},
    };
    std::string log;
    for (const auto& c : cases) {
        filenamerecord r;
        int result = 0;
        hostrun run = rundialogue(c.script, [&] { result = makerkpdialog(r, dir.string()); });
        EXPECT_EQ(run.status, 0) << c.script;
        EXPECT_EQ(result, c.result) << c.script;
        EXPECT_STREQ(r.name, c.name) << c.script;
        EXPECT_EQ(r.startprinter, c.start) << c.script;
        log += std::string("# ") + c.script + "\n" + slurp(fs::path(run.out) / "dialogs.txt");
    }
    // The controls as each run left them.
    fs::path golden = fs::path(VEMO_SOURCE_DIR) / "tests/plots/golden/makerkp-dialogs.log";
    if (std::getenv("VEMO_UPDATE_GOLDEN"))
        std::ofstream(golden, std::ios::binary) << log;
    EXPECT_EQ(log, slurp(golden));
}

// A front whose user moves every dialog to (120 + n, 80) before closing it.
struct movingfront : platform::headlessfront {
    std::vector<std::pair<int, int>> opened;
    int rundialog(platform::dialogtemplate& t) override
    {
        opened.emplace_back(t.keepposition ? t.x : -2, t.y);
        int result = headlessfront::rundialog(t);
        t.x = 120 + int(opened.size());
        t.y = 80;
        return result;
    }
};

std::function<void()> body;
void runbody()
{
    body();
}

TEST_F(makerkpnames, TheDialogsReopenWhereTheyWereClosed)
{
    movingfront front;
    filenamerecord r;
    body = [&] {
        makerkpdialog(r, dir.string());
        makerkpdialog(r, dir.string());
        // Kept open by its logic, it opens again where it was.
        std::ofstream(dir / "OLD.RKP") << "old";
        makerkpdialog(r, dir.string());
        cutcopydialog();
    };
    hostrun run = runscript(front, "<cancel><cancel><text old><ok><cancel>", runbody);
    EXPECT_EQ(run.status, 0);
    std::vector<std::pair<int, int>> expected{{-1, -1}, {121, 80}, {122, 80}, {123, 80}, {-2, -1}};
    EXPECT_EQ(front.opened, expected);
}

TEST(smalldialogs, ChoicesAnswerWithTheirKeys)
{
    struct {
        int (*dialog)();
        const char* script;
        int key;
    } cases[] = {
        {cutcopydialog, "<dialog press=1101>", 'p'},  {cutcopydialog, "<dialog press=1102>", 't'},
        {cutcopydialog, "<dialog press=2>", 27},      {cutcopydialog, "<cancel>", 27},
        {cutcopydialog, "<ok>", 'p'},                 {dupliplotdialog, "<dialog press=1111>", '2'},
        {dupliplotdialog, "<dialog press=1112>", '1'}, {dupliplotdialog, "<dialog press=2>", 27},
        {dupliplotdialog, "<cancel>", 27},            {dupliplotdialog, "<ok>", '1'},
    };
    for (const auto& c : cases) {
        int key = 0;
        hostrun run = rundialogue(c.script, [&] { key = c.dialog(); });
        EXPECT_EQ(run.status, 0) << c.script;
        EXPECT_EQ(key, c.key) << c.script;
    }
    // Without a front the choice is cancelled.
    EXPECT_EQ(cutcopydialog(), 27);
    EXPECT_EQ(dupliplotdialog(), 27);
}

}  // namespace
