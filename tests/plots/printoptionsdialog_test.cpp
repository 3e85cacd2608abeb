// The "Default Diagram Options" dialog answered by the script: what each
// answer stores, what the dialog shows (dialogs.txt), and the copies that
// OK and Cancel leave.
#include "plots/plot.h"
#include "plots/printoptionsdialog.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/editrun.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct edited {
    int result = 0;
    printoptions record;
    std::string shown;   // dialogs.txt
    int status = -1;
};

edited edit(const std::string& answer, const std::function<void(printoptions&)>& before = {})
{
    edited e;
    if (before)
        before(e.record);
    hostrun run = rundialogue(answer, [&] { e.result = editprintoptions(e.record); });
    e.status = run.status;
    e.shown = dumpfile(run, "dialogs.txt");
    return e;
}

void expectshown(const edited& e, const char* line)
{
    EXPECT_NE(e.shown.find(std::string("  ") + line + "\n"), std::string::npos) << line << "\n" << e.shown;
}

TEST(printoptionsdialog, TypedLengthsAreStoredInMillimetres)
{
    struct {
        const char* answer;
        double printoptions::*field;
        double mm;
    } cases[] = {
        {"<dialog 1042=0 1010=-5 ok>", &printoptions::leftmargin, 50.0},
        {"<dialog 1038=2e9 ok>", &printoptions::width, 1e10},
        {"<dialog 1009=1e999 ok>", &printoptions::height, 1e10},   // beyond the doubles: the largest length
        {"<dialog 1042=0 1012=abc ok>", &printoptions::bottommargin, 0.0},
        {"<dialog 1042=0 1011=2.54 ok>", &printoptions::topmargin, 25.4},
    };
    for (const auto& c : cases) {
        edited e = edit(c.answer);
        EXPECT_EQ(e.status, 0) << c.answer;
        EXPECT_EQ(e.result, 13) << c.answer;
        EXPECT_DOUBLE_EQ(e.record.*c.field, c.mm) << c.answer;
    }
}

TEST(printoptionsdialog, NonFiniteNumbersAreRefusedInTheMessageLine)
{
    for (const char* typed : {"nan", "inf", "-Infinity", "NAN(1)"}) {
        edited e = edit(std::string("<dialog 1042=0 1013=") + typed + " cancel>");
        EXPECT_EQ(e.status, 0) << typed;
        EXPECT_EQ(e.result, 27) << typed;
        EXPECT_EQ(e.record.rightmargin, 18.0) << typed;
        expectshown(e, "1013=1.800");
        expectshown(e, "1044=BMPEXCLAM");
        expectshown(e, "1045=Not a finite number: the value is kept ");
    }
}

// OK reads the edits as they stand, also one typed into without leaving it.
TEST(printoptionsdialog, OkReadsTheEditStillBeingTyped)
{
    printoptions r;
    platform::dialogtemplate t = printoptionsdialogtemplate(r);
    t.control(1038)->value = "nan";
    EXPECT_EQ(t.notify(1, platform::notification::click), 0);   // stays open
    EXPECT_EQ(r.width, 141.0);
    EXPECT_TRUE(t.control(1045)->shown);
    EXPECT_EQ(t.control(1038)->value, "14.100");
    t.control(1038)->value = "-2.5";
    EXPECT_EQ(t.notify(1, platform::notification::click), 13);
    EXPECT_EQ(r.width, 25.0);
}

TEST(printoptionsdialog, GridOffGreysItsRadiosAndOnRestoresTheDensity)
{
    edited off = edit("<dialog 1026=1 1022=0 cancel>");
    ASSERT_EQ(off.status, 0);
    for (const char* line : {"1025=0 (grey)", "1026=1 (grey)", "1027=0 (grey)", "1028=0 (grey)", "1030=1 (grey)",
                             "1023=1 (grey)", "1024=0 (grey)", "1031=0 (grey)", "1036=1 (grey)", "1022=0"})
        expectshown(off, line);
    edited back = edit("<dialog 1027=1 1022=0 1022=1 ok>");
    EXPECT_EQ(back.record.griddensity, 3u);
    EXPECT_EQ(back.record.lastgriddensity, 3u);
    expectshown(back, "1027=1");
    // A greyed radio takes no answer.
    EXPECT_EQ(edit("<dialog 1022=0 1025=1 ok>").status, 3);
}

TEST(printoptionsdialog, AutoSynchronizeGreysTheSizeAndShowsStrict)
{
    edited e = edit("<dialog 1017=1 1016=1 cancel>");
    ASSERT_EQ(e.status, 0);
    expectshown(e, "1038=14.100 (grey)");
    expectshown(e, "1009=10.000 (grey)");
    expectshown(e, "1015=1");
    expectshown(e, "1016=0");
    expectshown(e, "1045=Auto-Synchronize requires \"Strict\" ");
    EXPECT_EQ(edit("<dialog 1017=1 1038=5 ok>").status, 3);
    edited shape = edit("<dialog 1017=1 1014=1 ok>");
    EXPECT_EQ(shape.record.largestshape, 1);
    EXPECT_EQ(shape.record.autosynchronize, 1);
    // The largest shape needs auto-synchronize, and goes with it.
    edited refused = edit("<dialog 1014=1 cancel>");
    expectshown(refused, "1045=Feature available only with \"Auto synchronize\" ");
    expectshown(refused, "1040=1");
    edited gone = edit("<dialog 1017=0 ok>", [](printoptions& r) {
        r.autosynchronize = 1;
        r.largestshape = 1;
    });
    EXPECT_EQ(gone.record.largestshape, 0);
}

TEST(printoptionsdialog, RadiosChecksAndTheMainUnits)
{
    edited e = edit("<dialog 1041=1 1018=1 1019=0 1021=0 1028=1 1024=1 1033=1 1043=50 ok>");
    ASSERT_EQ(e.status, 0);
    EXPECT_EQ(e.record.orientation, 4u);
    EXPECT_EQ(e.record.interpretation, 2u);
    EXPECT_EQ(e.record.xaxis, 0);
    EXPECT_EQ(e.record.yaxis, 1);
    EXPECT_EQ(e.record.box, 0);
    EXPECT_EQ(e.record.gridstyle, 2u);
    EXPECT_EQ(e.record.gridsynchronized, 0);
    EXPECT_EQ(e.record.gridcolour, 3u);
    EXPECT_EQ(e.record.mainunits, 50u);
    expectshown(e, "1040=0");
    EXPECT_EQ(edit("<dialog 1043=101 ok>").status, 3);   // beyond the up-down's range
    EXPECT_EQ(edit("<dialog 1043=1 ok>").status, 3);
}

TEST(printoptionsdialog, OkMakesTheWorkingCopyActiveAndCancelLeavesIt)
{
    plot p;
    activeprintoptions() = printoptions{};
    rundialogue("<dialog 1042=0 1010=-5 cancel>", [&] { printoptionsdialog(p); });
    EXPECT_EQ(activeprintoptions().leftmargin, 18.0);
    EXPECT_EQ(activeprintoptions().defaultmargins, 1);
    rundialogue("<dialog 1042=0 1010=-5 ok>", [&] { printoptionsdialog(p); });
    EXPECT_EQ(activeprintoptions().leftmargin, 50.0);
    EXPECT_EQ(activeprintoptions().defaultmargins, 0);
    // The dialog opens on the active options, whatever the working copy held.
    workingprintoptions().leftmargin = 1;
    hostrun run = rundialogue("<cancel>", [&] { printoptionsdialog(p); });
    EXPECT_NE(dumpfile(run, "dialogs.txt").find("  1010=5.000\n"), std::string::npos);
    // Not while the clipboard is shown: no dialog to answer.
    p.clipboardshown = 1;
    run = rundialogue("", [&] { printoptionsdialog(p); });
    EXPECT_EQ(run.status, 0);
    activeprintoptions() = printoptions{};
}

}  // namespace
