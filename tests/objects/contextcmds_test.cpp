// The context commands on the headless front: incorporating with a name
// collision, saving, new libraries and backups, deleting the foreign
// objects, clearing DESKTOP.LIB, changing the context and quitting, with
// the library files checked byte for byte after each step; and the saves
// that fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "formula/evalstate.h"
#include "objects/context.h"
#include "objects/contextcmds.h"
#include "objects/contextlist.h"
#include "objects/fu1.h"
#include "tests/objects/dabafixture.h"
#include "tests/objects/sittings.h"

namespace {

using dabafiles::constant;
using dabafiles::formularecord;

// DESKTOP.LIB: an own constant, foreign copies of A.LIB's ga and ha (ha
// calls ga), and an own ga of the same identity as the foreign one.
const std::string ownc = constant("c", "1");
const std::string foreigng = formularecord("ga", 1, "x", "x+1", nullptr, "A.LIB");
const std::string foreignh = formularecord("ha", 1, "x", "ga(x)*2", nullptr, "A.LIB");
const std::string owng = formularecord("ga", 1, "x", "x+3");
const std::string contextdesktop = ownc + foreigng + foreignh + owng;
const std::string alib = formularecord("ga", 1, "x", "x+1") + formularecord("ha", 1, "x", "ga(x)*2");

struct contextcmds : sittings {
    std::filesystem::path home;
    void SetUp() override
    {
        sittings::SetUp();
        // New file names are asked and tried in the current directory.
        home = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        put("A.LIB", alib);
        put("DESKTOP.LIB", contextdesktop);
    }
    void TearDown() override
    {
        std::filesystem::current_path(home);
        chmod(dir.c_str(), 0700);
        sittings::TearDown();
    }
    static fu1* object(const char* name, int nargs, int origin)
    {
        return findresidentat(*context, name, nargs, 1, origin);
    }
};

bool boxed(const hostrun& run, const std::string& text)
{
    for (const std::string& box : run.boxes)
        if (box.find(text) != std::string::npos)
            return true;
    return dumptext(run, "end").find(text) != std::string::npos;
}


TEST_F(contextcmds, incorporationStopsAtACollisionUntilOneCopyIsDeleted)
{
    std::string log;
    bool own = false;
    int count = 0;
    // The list sorted by name: c, ga (foreign), ga, ha.  '+' on ha collides;
    // the collision list deletes the own ga; '+' again incorporates ha and
    // the ga that it calls; F2 saves.
    hostrun run = sitting("<End>+<dump collided><Enter><dump pairs><Del><Esc>"
                          "+<dump incorporation><Esc><dump ask>1<F2><Esc>",
                          [&] {
                              showcontext(nullptr);
                              fu1* ha = object("ha", 1, 0);
                              own = ha && std::string(ha->marks).empty();
                              count = context->count;
                              log = context->changelog;
                          });
    EXPECT_TRUE(shows(run, "collided", "attempted incorporation of \"ha\""));
    EXPECT_TRUE(shows(run, "pairs", " name collisions: "));
    EXPECT_TRUE(shows(run, "incorporation", "   2                             ha       Function  1  * i--"));
    EXPECT_TRUE(shows(run, "incorporation", " objects to be incorporated: "));
    EXPECT_TRUE(shows(run, "ask", "The object and its components will become part of \"DESKTOP.LIB\""));
    EXPECT_TRUE(own);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(log, "");
    // Both are own objects now.
    EXPECT_EQ(get("DESKTOP.LIB"), ownc + formularecord("ga", 1, "x", "x+1") + formularecord("ha", 1, "x", "ga(x)*2"));
    EXPECT_EQ(get("DESKTOP.bak"), contextdesktop);
}

TEST_F(contextcmds, removingFromTheIncorporationListKeepsTheForeignCopy)
{
    put("DESKTOP.LIB", ownc + foreigng + foreignh);
    bool gaforeign = false, haown = false;
    int count = 0;
    // Sorted: c, ga, ha.  '+' on ha lists ga and ha; <Del> drops ga from
    // the list only.
    hostrun run = sitting("<End>+<Del><dump left><Esc>1<Esc>", [&] {
        showcontext(nullptr);
        gaforeign = object("ga", 1, librarynumber("A.LIB")) != nullptr;
        haown = object("ha", 1, 0) != nullptr;
        count = context->count;
    });
    EXPECT_TRUE(shows(run, "left", "   1                             ha       Function  1  *"));
    EXPECT_TRUE(gaforeign);
    EXPECT_TRUE(haown);
    EXPECT_EQ(count, 3);
}

TEST_F(contextcmds, callingCalculatorsAreRefusedWhileTheDatabaseIsOpen)
{
    hostrun run = sitting("<Ins><dump refused><Enter><Esc>", [&] {
        databaseisopen = true;
        showcontext(nullptr);
    });
    EXPECT_TRUE(shows(run, "refused", "Command unavailable from here while the database is open !"));
}

TEST_F(contextcmds, aNewLibraryIsACopyThatLeavesTheContextsChangesToSave)
{
    std::string marks, log, name, backup;
    int library = -1, lb = -1;
    // <1> an active library typed "MyLib", the count question, the report;
    // then <2> an inactive backup "back".
    hostrun run = sitting("1MyLib<Enter><dump count><Enter><dump told><Enter>" "2back<Enter><Enter><Enter>", [&] {
        fu1* c = object("c", 0, 0);
        c->setmark('e');
        logchange(logdeleted, object("ga", 1, librarynumber("A.LIB")));
        log = context->changelog;
        EXPECT_TRUE(newlibrary());
        EXPECT_TRUE(newlibrary());
        marks = c->marks;
        backup = context->changelog;
        library = librarynumber("MYLIB.LIB");
        name = libraryname(library) ? libraryname(library) : "";
        lb = librarynumber("back.lb");
    });
    EXPECT_TRUE(shows(run, "count", "The library \"MyLib.lib\" will contain 2 objects."));
    EXPECT_TRUE(shows(run, "count", "(the 2 foreign objects will not be included)"));
    EXPECT_TRUE(shows(run, "told", "as a new library \"MyLib.lib\" . You are still in \"DESKTOP.LIB\""));
    // Only the own objects, under the spelling typed; registered so.
    EXPECT_EQ(get("MyLib.lib"), ownc + owng);
    EXPECT_EQ(get("back.lb"), ownc + owng);
    EXPECT_EQ(library, 3);
    EXPECT_EQ(name, "MyLib.lib");
    EXPECT_EQ(lb, 0);
    // The context's own file was not written: its changes still count.
    EXPECT_EQ(marks, "e");
    EXPECT_EQ(backup, log);
    EXPECT_NE(log, "");
    EXPECT_EQ(get("DESKTOP.LIB"), contextdesktop);
    EXPECT_FALSE(std::filesystem::exists(at("DESKTOP.bak")));
}

TEST_F(contextcmds, foreignCopiesAloneMakeAnEmptyLibrary)
{
    put("DESKTOP.LIB", foreigng + foreignh);
    int library = 0;
    sitting("1none<Enter><Enter><Enter>", [&] {
        EXPECT_TRUE(newlibrary());
        library = librarynumber("none.lib");
    });
    EXPECT_TRUE(std::filesystem::is_regular_file(at("none.lib")));
    EXPECT_EQ(get("none.lib"), "");
    EXPECT_EQ(library, 3);
}

TEST_F(contextcmds, aNewLibraryNameTakenInAnotherLetterCaseIsAskedAgain)
{
    bool made = true;
    hostrun run = sitting("1a<Enter><dump taken><Enter><Esc>", [&] { made = newlibrary(); });
    EXPECT_TRUE(shows(run, "taken", "This file already exists"));
    EXPECT_FALSE(made);
    EXPECT_EQ(get("A.LIB"), alib);
}

TEST_F(contextcmds, deletingTheForeignObjectsThenQuittingSaves)
{
    std::string log;
    int left = 0;
    bool quit = false;
    hostrun run = sitting("<dump confirm>1<dump deleted><Enter><dump save>y", [&] {
        deleteforeign();
        left = context->count;
        log = context->changelog;
        quit = quitprogram();
    });
    EXPECT_TRUE(shows(run, "confirm", "Objects to be deleted: 2"));
    EXPECT_TRUE(shows(run, "confirm", "Objects that will be left: 2"));
    EXPECT_TRUE(shows(run, "deleted", "2 objects deleted"));
    EXPECT_TRUE(shows(run, "save", "The contents of DESKTOP.LIB have changed."));
    EXPECT_FALSE(boxed(run, "Quit (y/n) ?"));
    EXPECT_EQ(left, 2);
    EXPECT_EQ(log, "Deleted:       copy of ga(1)\n\rDeleted:       copy of ha(1)\n\r");
    EXPECT_TRUE(quit);
    EXPECT_EQ(get("DESKTOP.LIB"), ownc + owng);
    EXPECT_EQ(get("DESKTOP.bak"), contextdesktop);
}

TEST_F(contextcmds, clearingDesktopKeepsTheFileUntilTheNextSave)
{
    bool cleared = false, saved = false;
    std::string ondisk, log;
    hostrun run = sitting("<dump ask>n<dump told><Enter>" "<dump deleting>1", [&] {
        cleared = clearcontext();
        ondisk = get("DESKTOP.LIB");
        log = context->changelog;
        saved = context->SAVE();
    });
    EXPECT_TRUE(shows(run, "ask", "the whole contents of \"DESKTOP.LIB\" will be deleted."));
    EXPECT_TRUE(shows(run, "told", "DESKTOP.LIB has been deleted"));
    EXPECT_TRUE(shows(run, "deleting", "you are deleting the file"));
    EXPECT_TRUE(cleared);
    EXPECT_EQ(ondisk, contextdesktop);
    EXPECT_EQ(log, "ALL OBJECTS DELETED\n\n\r");
    EXPECT_TRUE(saved);
    EXPECT_FALSE(std::filesystem::exists(at("DESKTOP.LIB")));
    EXPECT_EQ(get("DESKTOP.bak"), contextdesktop);
}

TEST_F(contextcmds, clearingWithACopyFirstAndOnlyInDesktop)
{
    bool cleared = false, refused = true;
    int count = -1;
    // y: save a copy first (an active library "keep"), then clear.
    hostrun run = sitting("y1keep<Enter><Enter><Enter>" "<Down><Enter>n<Enter><dump refused><Enter>", [&] {
        cleared = clearcontext();
        count = context->count;
        changecontext();
        refused = clearcontext();
    });
    EXPECT_TRUE(cleared);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(get("keep.lib"), ownc + owng);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(shows(run, "refused", "Command available only in DESKTOP.LIB !"));
}

TEST_F(contextcmds, changingTheContext)
{
    int here = 0, count = 0, after = 0;
    bool same = true, changed = false, aborted = true;
    // The current library chosen; A.LIB chosen with an own change not
    // saved; Esc in the list.
    hostrun run = sitting("<Enter><dump same><Enter>" "<Down><Enter><dump leaving>n<dump now><Enter>" "<Esc><dump aborted><Enter>",
                          [&] {
                              same = changecontext();
                              object("c", 0, 0)->setmark('e');
                              changed = changecontext();
                              here = currentlibrary;
                              count = context->count;
                              aborted = changecontext();
                              after = currentlibrary;
                          });
    EXPECT_FALSE(same);
    EXPECT_TRUE(shows(run, "same", "\"DESKTOP.LIB\" is where you already are!"));
    EXPECT_TRUE(shows(run, "leaving", "The contents of DESKTOP.LIB have changed."));
    EXPECT_TRUE(shows(run, "now", "you are now in \"A.LIB\""));
    EXPECT_TRUE(shows(run, "now", "objects read: 2"));
    EXPECT_TRUE(changed);
    EXPECT_EQ(here, 2);
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(aborted);
    EXPECT_TRUE(shows(run, "aborted", "context change: was aborted"));
    EXPECT_EQ(after, 2);
    EXPECT_EQ(get("DESKTOP.LIB"), contextdesktop);
}

TEST_F(contextcmds, savingAnotherLibraryCountsItsObjectsFirst)
{
    std::string marks;
    hostrun run = sitting("<Down><Enter><Enter><dump count><Enter>", [&] {
        changecontext();
        fu1* ga = object("ga", 1, 0);
        fu1* copy = ga->clone();
        copy->setname("q");
        copy->origin = 1;
        context->append(copy);
        ga->setmark('e');
        EXPECT_TRUE(context->SAVE());
        marks = ga->marks;
    });
    EXPECT_TRUE(shows(run, "count", "The library \"A.LIB\" will contain 2 objects."));
    EXPECT_TRUE(shows(run, "count", "(the 1 foreign objects will not be included)"));
    EXPECT_EQ(marks, "");
    EXPECT_EQ(get("A.LIB"), alib);
    EXPECT_EQ(get("A.bak"), alib);
}

TEST_F(contextcmds, theContextSubmenuReachesTheCommands)
{
    bool proceed = true;
    hostrun run = sitting("<dump menu>v<dump libraries><Esc>" "<F2>" "c<Esc><Enter>", [&] {
        object("c", 0, 0)->setmark('e');
        EXPECT_TRUE(contextmenu());
        EXPECT_TRUE(contextmenu());
        proceed = contextmenu();
    });
    EXPECT_TRUE(shows(run, "menu", "You are in \"DESKTOP.LIB\"."));
    EXPECT_TRUE(shows(run, "libraries", " List of all Library Files "));
    EXPECT_EQ(get("DESKTOP.LIB"), contextdesktop);
    EXPECT_EQ(get("DESKTOP.bak"), contextdesktop);
    EXPECT_FALSE(proceed);
}

TEST_F(contextcmds, quittingAsksTheQuestions)
{
    bool first = true, second = false;
    hostrun run = sitting("<dump quit>n" "y", [&] {
        first = quitprogram();
        second = quitprogram();
    });
    EXPECT_TRUE(shows(run, "quit", "Quit (y/n) ?"));
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(get("DESKTOP.LIB"), contextdesktop);
}

// Saves that fail: the old file stays byte for byte, the marks and the
// change log stay, and the user is told.
struct failedsave : contextcmds {
    std::string marks, log;
    bool saved = true;
    hostrun save(const std::function<void()>& before, const std::function<void()>& after = [] {})
    {
        return sitting("<dump told><Enter>", [&] {
            object("c", 0, 0)->setmark('e');
            logchange(logdeleted, object("ga", 1, 0));
            before();
            saved = context->SAVE();
            after();
            marks = object("c", 0, 0)->marks;
            log = context->changelog;
        });
    }
    void kept(const hostrun& run, const std::string& told)
    {
        EXPECT_FALSE(saved);
        EXPECT_EQ(marks, "e");
        EXPECT_EQ(log, "Deleted:       ga(1)\n\r");
        EXPECT_TRUE(shows(run, "told", told)) << dumptext(run, "told");
    }
};

TEST_F(failedsave, halfWayThroughTheSave)
{
    hostrun run = save([] { simulatesavefailure(true); }, [] { simulatesavefailure(false); });
    kept(run, "bad file status after writing 4 objects");
    EXPECT_EQ(get("DESKTOP.LIB"), contextdesktop);
    EXPECT_FALSE(std::filesystem::exists(at("DESKTOP.bak")));
}

TEST_F(failedsave, aLibraryReplacedByADirectory)
{
    hostrun run = save([&] {
        std::filesystem::remove(at("DESKTOP.LIB"));
        std::filesystem::create_directory(at("DESKTOP.LIB"));
    });
    kept(run, "DESKTOP.LIB");
    EXPECT_TRUE(std::filesystem::is_directory(at("DESKTOP.LIB")));
}

TEST_F(failedsave, aReadOnlyDirectory)
{
    // Root writes anywhere: this thread's file access runs as nobody then.
    bool root = geteuid() == 0;
    hostrun run = save(
        [&] {
            chmod(dir.c_str(), 0555);
            if (root)
                setfsuid(65534);
        },
        [&] {
            if (root)
                setfsuid(0);
        });
    kept(run, "could not open file");
    EXPECT_EQ(get("DESKTOP.LIB"), contextdesktop);
}

TEST_F(failedsave, aLibraryThatCannotBeReadIsNeverOverwritten)
{
    // The file is there but its bytes cannot be read (as nobody for root).
    chmod(dir.c_str(), 0711);
    chmod(at("DESKTOP.LIB").c_str(), 0);
    bool root = geteuid() == 0;
    int count = -1;
    hostrun run = rundialogue("<dump unread><Enter><dump told><Enter>", [&] {
        if (root)
            setfsuid(65534);
        open();
        if (root)
            setfsuid(0);
        count = context->count;
        saved = context->SAVE();
        freecontext();
        first.reset();
    });
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(shows(run, "unread", "could not read the library file"));
    EXPECT_TRUE(shows(run, "told", "it is not overwritten"));
    EXPECT_EQ(get("DESKTOP.LIB"), contextdesktop);
}

}  // namespace
