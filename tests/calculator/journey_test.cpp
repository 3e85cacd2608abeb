// Whole sessions on the headless front: objects installed and edited with
// typed keys, saved, read again by a fresh context, called, listed and
// copied, with the library files checked byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "calculator/funm.h"
#include "formula/evalstate.h"
#include "formula/varman.h"
#include "objects/codelist.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/dabalist.h"
#include "objects/edithooks.h"
#include "objects/fu1.h"
#include "objects/fudaba.h"
#include "objects/fuinfinite.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "objects/varlist.h"
#include "tests/objects/dabafixture.h"
#include "tests/objects/libfixture.h"
#include "tests/objects/sittings.h"
#include "tests/screen/editrun.h"

namespace {

using dabafiles::constant;
using dabafiles::formularecord;

struct journey : sittings {
    // The value of formula at x on a calculator's object; NAN when it does
    // not implement.
    static double value(const char* formula, double x)
    {
        funm f;
        f.setformula(formula, "x");
        return f.implement(1, 0) ? f.calcx(x) : NAN;
    }
};


}  // namespace

TEST_F(journey, InstallEditSaveReopenCallListAndCopy)
{
    // Install sq(x) = x*x and the constant cc, edit sq, save.
    std::string installed, edited;
    bool saved = false;
    sitting("fsq(x)<Enter>x*x<Enter>k<Esc>" "fcc<Enter>2.5<Enter>k<Esc>"
            "e<End>+1<Enter><Enter>1",
            [&] {
                fu1* sq = installobject();
                fu1* cc = installobject();
                ASSERT_NE(sq, nullptr);
                ASSERT_NE(cc, nullptr);
                installed = displayname(sq) + " " + displayname(cc);
                editfunction(*sq);
                edited = sq->text();
                saved = savecontext();
            });
    EXPECT_EQ(installed, "sq(1) cc(0)");
    EXPECT_EQ(edited, "x*x+1");
    EXPECT_TRUE(saved);
    const std::string desktop = formularecord("sq", 1, "x", "x*x+1") + constant("cc", "2.5");
    EXPECT_EQ(get("DESKTOP.LIB"), desktop);

    // A fresh context reads them back; the formula calls both without a
    // question; the code lists the call; the database copies sq.
    double v = NAN;
    hostrun run = sitting("<dump code><Esc>" "<Down><Down>cnewlib<Enter>y<dump after><Esc>", [&] {
        v = value("sq(x)+cc", 3);
        fu1* sq = findresident(*localobjects, "sq", 1, 1);
        ASSERT_NE(sq, nullptr);
        showobjectcode(sq);
        makedatabase();
        databasemainlist();
        dropdatabase();
    });
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(shows(run, "code", " sq (local) "));
    EXPECT_TRUE(shows(run, "code", "TIMES"));
    EXPECT_TRUE(shows(run, "after", "sq      (   1)   NEWLIB.LIB"));
    EXPECT_EQ(get("DESKTOP.LIB"), desktop);
    EXPECT_EQ(get("NEWLIB.LIB"), formularecord("sq", 1, "x", "x*x+1"));
}

// A sum from a library file: called (asked for once), edited in the
// function editor, saved on quitting as the desktop's copy and read back.
TEST_F(journey, InfiniteSumFromALibraryEditedAndSaved)
{
    const std::string basel = "@@FUINFINITE\nbasel\n1\n1\n@DATA\n@ARGS\na\n@SUMRECORD\n@MODE\n++\nACCEL\n"
                              "@END SUMRECORD\n@SUMVAR\nk\n@SUMMAND\na/k^2\n@STARTAT\n1\n@STEP\n1\n@ROT\n0\n"
                              "@PHASE\n0\n@@END FUINFINITE\n";
    put("S.LIB", basel);
    const double zeta2 = std::numbers::pi * std::numbers::pi / 6;
    double before = NAN, after = NAN, again = NAN;
    bool kept = false, saved = false;
    int level = 0;
    hostrun run = sitting("<dump ask>y" "<Down><Down><Down><Down><Down><Down><Down><Down>e<End>*2<Enter><Enter>1"
                          "l<dump changes><Esc>y",
                          [&] {
                              before = value("basel(x)", 1);
                              auto* f = dynamic_cast<fuinfinite*>(findresident(*localobjects, "basel", 1, 1));
                              ASSERT_NE(f, nullptr);
                              kept = f->edit();
                              level = changelevel(true);
                              after = value("basel(x)", 1);
                              saved = quitprogram();
                          });
    EXPECT_TRUE(shows(run, "ask", "seeking component: \"basel\""));
    EXPECT_NEAR(before, zeta2, 1e-13);
    EXPECT_TRUE(kept);
    EXPECT_EQ(level, 1);   // only a foreign copy changed
    EXPECT_TRUE(shows(run, "changes", "Changes made to copy of basel(1) :"));
    EXPECT_TRUE(shows(run, "changes", "- Mathematical properties edited"));
    EXPECT_NEAR(after, 2 * zeta2, 1e-13);
    EXPECT_TRUE(saved);
    EXPECT_EQ(get("S.LIB"), basel);
    std::string copy = basel;
    copy.replace(copy.find("a/k^2"), 5, "a/k^2*2");
    copy.insert(copy.find("@DATA"), "@HERKUNFT\nS.LIB\n");
    EXPECT_EQ(get("DESKTOP.LIB"), copy);
    // The desktop's copy is taken without a question.
    sitting("", [&] { again = value("basel(x)", 1); });
    EXPECT_NEAR(again, 2 * zeta2, 1e-13);
}

// A global changed in the variable list before and after a formula is
// compiled: each evaluation reads the value last typed.
TEST_F(journey, VariableListEditsReachTheNextEvaluation)
{
    double first = NAN, second = NAN;
    sitting("e4<Enter><Esc>" "e7<Enter><Esc>", [&] {
        shared.globals->setvalue('G', 1);
        showglobalvariables();
        funm f;
        f.setformula("x+G", "x");
        ASSERT_TRUE(f.implement(1, 0));
        first = f.calcx(1);
        showglobalvariables();
        second = f.calcx(1);
    });
    EXPECT_EQ(first, 5);
    EXPECT_EQ(second, 8);
}

// An own object read from the desktop: formula and comment edited, the
// changes listed when quitting, saved on "y", and read back.
TEST_F(journey, EditedObjectIsListedAndSavedOnQuit)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x") + constant("cc", "2.5"));
    bool quit = false;
    hostrun run = sitting("e<End>*2<Enter><End>ehello<Enter><Enter>1" "l<dump changes><Esc>y", [&] {
        fu1* sq = findresident(*localobjects, "sq", 1, 1);
        ASSERT_NE(sq, nullptr);
        editfunction(*sq);
        quit = quitprogram();
    });
    EXPECT_TRUE(quit);
    EXPECT_TRUE(shows(run, "changes", "Changes made to sq(1):"));
    EXPECT_TRUE(shows(run, "changes", "- Mathematical properties edited"));
    EXPECT_TRUE(shows(run, "changes", "- Comment has been edited"));
    EXPECT_EQ(get("DESKTOP.LIB"), formularecord("sq", 1, "x", "x*x*2", "hello") + constant("cc", "2.5"));
    double v = NAN;
    sitting("", [&] { v = value("sq(x)-cc", 3); });
    EXPECT_EQ(v, 15.5);
}

// The database moves an own object to a new library; leaving saves the
// desktop without it and the next session finds it in the new file.
TEST_F(journey, MovedObjectLeavesTheDesktopAndIsFoundInItsNewLibrary)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x") + constant("cc", "2.5"));
    bool quit = false;
    hostrun run = sitting("<Down><Down><Down>m1other<Enter>y<Esc>" "<dump quit>y", [&] {
        makedatabase();
        databasemainlist();
        dropdatabase();
        quit = quitprogram();
    });
    EXPECT_TRUE(quit);
    EXPECT_TRUE(shows(run, "quit", "The contents of DESKTOP.LIB have changed."));
    EXPECT_EQ(get("DESKTOP.LIB"), constant("cc", "2.5"));
    EXPECT_EQ(get("OTHER.LIB"), formularecord("sq", 1, "x", "x*x"));
    double v = NAN;
    run = sitting("<dump ask>y", [&] { v = value("sq(x)+cc", 3); });
    EXPECT_TRUE(shows(run, "ask", "Should the version from \"OTHER.LIB\" be used?"));
    EXPECT_EQ(v, 11.5);
}

// A #static value set in the object's variable list: the next call counts
// on from it, quitting asks, the value is saved with the object and the
// next session counts on from the saved value.
TEST_F(journey, StaticSetInTheVariableListIsSaved)
{
    put("DESKTOP.LIB", formularecord("cnt", 0, "", "#static n; n = n + 1"));
    double now = NAN, next = NAN;
    hostrun run = sitting("e41<Enter><Esc>" "<dump quit>y", [&] {
        fu1* f = findresident(*localobjects, "cnt", 0, 1);
        ASSERT_NE(f, nullptr);
        showvariablesof(f);
        now = value("cnt", 0);
        quitprogram();
    });
    EXPECT_EQ(now, 42);
    EXPECT_TRUE(shows(run, "quit", "The contents of DESKTOP.LIB have changed."));
    EXPECT_EQ(get("DESKTOP.LIB"), "@@FU1\ncnt\n0\n1\n@DATA\n@ARGS\n\n@FORMULA\n#static n; n = n + 1\n"
                                  "@@VARMAN\nn= 42\n@@END VARMAN\n@@END FU1\n");
    sitting("", [&] { next = value("cnt", 0); });
    EXPECT_EQ(next, 43);
}

// A function edited while a calculator's formula and another object call
// it: the next evaluation of the compiled formula uses the new version.
TEST_F(journey, CallersSeeAnEditedCallee)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x") + formularecord("qq", 1, "x", "sq(x)+1"));
    double before = NAN, after = NAN, fresh = NAN;
    sitting("e<End>*2<Enter><Enter>1", [&] {
        funm f;
        f.setformula("qq(x)", "x");
        ASSERT_TRUE(f.implement(1, 0));
        before = f.calcx(3);
        editfunction(*findresident(*localobjects, "sq", 1, 1));
        after = f.recordfingerprint() ? f.calcx(3) : NAN;
        fresh = value("qq(x)", 3);
    });
    EXPECT_EQ(before, 10);
    EXPECT_EQ(after, 19);
    EXPECT_EQ(fresh, 19);
}

// The code of a caller lists the call; from its line the callee's own
// code and view open.
TEST_F(journey, CodeOfACallerLeadsToTheCallee)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x", "squares") + formularecord("qq", 1, "x", "sq(x)+1"));
    double v = NAN;
    hostrun run = sitting("<dump code><Down>c<dump callee><Esc>v<dump view><Esc><Esc>", [&] {
        v = value("qq(x)", 2);
        showobjectcode(findresident(*localobjects, "qq", 1, 1));
    });
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(shows(run, "code", "CALL USER FUNC                              sq"));
    EXPECT_TRUE(shows(run, "callee", " sq (local) "));
    EXPECT_TRUE(shows(run, "callee", "TIMES"));
    EXPECT_TRUE(shows(run, "view", "Function: sq(x)"));
    EXPECT_TRUE(shows(run, "view", "squares"));
}

// Quitting when the file cannot be written: the program stays, the
// changes are still marked, and a later quit saves them.
TEST_F(journey, QuitWhoseSaveFailsKeepsTheChanges)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x"));
    bool first = true, second = false;
    int level = 0;
    hostrun run = sitting("e<End>*2<Enter><Enter>1" "y<dump failed><Enter>" "y", [&] {
        editfunction(*findresident(*localobjects, "sq", 1, 1));
        simulatesavefailure(true);
        first = quitprogram();
        simulatesavefailure(false);
        level = changelevel(false);
        second = quitprogram();
    });
    EXPECT_FALSE(first);
    EXPECT_EQ(level, 2);
    EXPECT_TRUE(shows(run, "failed", "The old file is kept."));
    EXPECT_TRUE(second);
    EXPECT_EQ(get("DESKTOP.LIB"), formularecord("sq", 1, "x", "x*x*2"));
}

// A vector typed in, saved, and read back by the next session.
TEST_F(journey, VectorInstalledSavedAndReadBack)
{
    std::string shown;
    sitting("fvv<Enter>1,2,-3.25<Enter>kk", [&] {
        ASSERT_NE(installobject(), nullptr);
        EXPECT_TRUE(savecontext());
    });
    EXPECT_EQ(get("DESKTOP.LIB"), "@@FUVECTOR\nvv\n0\n3\n@DATA\n1\n2\n-3.25\n@@END FUVECTOR\n");
    double v = NAN;
    sitting("", [&] { v = value("vv#3", 0); });
    EXPECT_EQ(v, 1);
}

// Erasing the file's line of a resident object erases the resident copy;
// the desktop loses it at the next save.
TEST_F(journey, ErasedInTheDatabase)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x") + constant("cc", "2.5"));
    int residents = -1;
    hostrun run = sitting("<Down><Down><Down><Del><dump ask>y<Esc><dump quit>y", [&] {
        makedatabase();
        databasemainlist();
        dropdatabase();
        residents = context->count;
        quitprogram();
    });
    EXPECT_TRUE(shows(run, "ask", "Program will delete the RESIDENT copy of \"sq\" !"));
    EXPECT_TRUE(shows(run, "quit", "The contents of DESKTOP.LIB have changed."));
    EXPECT_EQ(residents, 1);
    EXPECT_EQ(get("DESKTOP.LIB"), constant("cc", "2.5"));
}

// An edited, unsaved object copied from the database: the resident line
// copies the edited version, the file's line the saved one (the bar
// stands on the new copy after a copy).
TEST_F(journey, CopiesOfAnEditedObject)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x"));
    sitting("e<End>*2<Enter><Enter>1" "cnew<Enter>y<Home><Down>cold<Enter>y<Esc>" "n", [&] {
        editfunction(*findresident(*localobjects, "sq", 1, 1));
        makedatabase();
        databasemainlist();
        dropdatabase();
        quitprogram();
    });
    EXPECT_EQ(get("NEW.LIB"), formularecord("sq", 1, "x", "x*x*2"));
    EXPECT_EQ(get("OLD.LIB"), formularecord("sq", 1, "x", "x*x"));
    EXPECT_EQ(get("DESKTOP.LIB"), formularecord("sq", 1, "x", "x*x"));
}

// With the database open the only version of a name is taken without a
// question.
TEST_F(journey, TheDatabaseAnswersForTheOnlyVersion)
{
    put("A.LIB", formularecord("sq", 1, "x", "x*x"));
    double v = NAN;
    sitting("", [&] {
        makedatabase();
        v = value("sq(x)", 3);
        dropdatabase();
    });
    EXPECT_EQ(v, 9);
}

// An object typed in that calls a version from a library file: asked for
// while installing, saved without the foreign copy, asked for again in
// the next session.
TEST_F(journey, InstalledCallerOfALibraryObject)
{
    put("A.LIB", formularecord("sq", 1, "x", "x*x"));
    double v = NAN, w = NAN;
    hostrun run = sitting("fuu(x)<Enter>sq(x)+1<Enter><dump ask>ykk", [&] {
        fu1* uu = installobject();
        ASSERT_NE(uu, nullptr);
        v = value("uu(x)", 3);
        EXPECT_TRUE(savecontext());
    });
    EXPECT_TRUE(shows(run, "ask", "Should the version from \"A.LIB\" be used?"));
    EXPECT_EQ(v, 10);
    EXPECT_EQ(get("DESKTOP.LIB"), formularecord("uu", 1, "x", "sq(x)+1"));
    run = sitting("<dump again>y", [&] { w = value("uu(x)", 3); });
    EXPECT_TRUE(shows(run, "again", "Should the version from \"A.LIB\" be used?"));
    EXPECT_EQ(w, 10);
}

// A comment edited in the function editor belongs to the edit: discarded
// with it, undone with Backspace, and listed alone when only it was kept.
TEST_F(journey, CommentFollowsTheEdit)
{
    struct commentcase {
        const char* keys;
        const char* note;
        int level;
    } cases[] = {
        {"<End>ehello<Enter><Esc>1", "", 0},
        {"<End>ehello<Enter><Backspace>1<Enter>", "", 0},
        {"<End>ehello<Enter><Enter>1", "hello", 2},
    };
    for (const commentcase& c : cases) {
        put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x"));
        std::string note, listing;
        int level = -1;
        sitting(c.keys, [&] {
            fu1* sq = findresident(*localobjects, "sq", 1, 1);
            editfunction(*sq);
            note = sq->hascomment() ? sq->note->text() : "";
            bool foreign = false;
            level = changelevel(false, &foreign);
            listing = context->changelisting;
        });
        EXPECT_EQ(note, c.note) << c.keys;
        EXPECT_EQ(level, c.level) << c.keys;
        EXPECT_EQ(listing.find("Mathematical"), std::string::npos) << c.keys;
        EXPECT_EQ(listing.find("Comment has been edited") != std::string::npos, c.level != 0) << c.keys;
    }
}

// sq edited into sq(x,y) = x*y while qq(x) = sq(x)+1 is implemented: the
// one-argument call no longer finds its object, and neither the compiled
// formula nor a fresh one computes with the stale call.
TEST_F(journey, ChangedArgumentCountReachesTheCallers)
{
    put("DESKTOP.LIB", formularecord("sq", 1, "x", "x*x") + formularecord("qq", 1, "x", "sq(x)+1"));
    double before = NAN, fresh = NAN;
    bool ready = true;
    hostrun run = sitting("e<End><Backspace>y<Enter>k<Home><Down>e<End><Left>,y<Enter><Enter>1<dump abort>k", [&] {
        funm f;
        f.setformula("qq(x)", "x");
        ASSERT_TRUE(f.implement(1, 0));
        before = f.calcx(3);
        editfunction(*findresident(*localobjects, "sq", 1, 1));
        ready = f.recordfingerprint();
        fresh = value("qq(x)", 3);
    });
    EXPECT_EQ(before, 10);
    EXPECT_FALSE(ready);
    EXPECT_TRUE(std::isnan(fresh) || fresh == 0) << fresh;
    EXPECT_TRUE(shows(run, "abort", "Call to function \"sq\" with invalid number of arguments:"));
}
