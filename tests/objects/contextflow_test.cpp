#include <gtest/gtest.h>

#include "formula/evalstate.h"
#include "objects/fu1.h"
#include "screen/hoststate.h"
#include "tests/objects/libfixture.h"

namespace {

const char* const twoconstants =
    "@@FUCONST\nc\n0\n1\n@DATA\n1\n@@END FUCONST\n"
    "@@FUCONST\nk\n0\n1\n@HERKUNFT\nA.LIB\n@DATA\n2\n@@END FUCONST\n";

struct contextflow : libdir {
    void SetUp() override
    {
        libdir::SetUp();
        put("A.LIB", "");
        put("DESKTOP.LIB", twoconstants);
        open();
        own = findidentity("c", 0, 1, 0, nullptr);
        foreign = findidentity("k", 0, 1, librarynumber("A.LIB"), nullptr);
        ASSERT_TRUE(own && foreign);
        sink.seen.clear();
    }
    fu1* own = nullptr;
    fu1* foreign = nullptr;
};

TEST_F(contextflow, changeLogEntries)
{
    fu1* fresh = own->clone();
    context->append(fresh);
    logchange(logdeleted, fresh);  // never written: nothing to log
    logchange(logrenamed, own);    // no old name
    EXPECT_EQ(context->changelog, "");
    EXPECT_EQ(changelevel(true), 0);

    logchange(logdeleted, own);
    foreign->setname("q");
    logchange(logrenamed, foreign, "k(0)");
    logchange(logalldeleted, nullptr);
    EXPECT_EQ(context->changelog, "Deleted:       c(0)\n\r"
                                  "Renamed:       copy of k(0)\n\r   new name is copy of q(0)\n\r"
                                  "ALL OBJECTS DELETED\n\n\r");
    EXPECT_EQ(changelevel(false), 2);
    changerecclear();
    EXPECT_EQ(changelevel(false), 0);
}

TEST_F(contextflow, changeLevelAndListing)
{
    bool foreignchanged = true;
    EXPECT_EQ(changelevel(true, &foreignchanged), 0);
    EXPECT_FALSE(foreignchanged);

    foreign->setmark('w');
    foreign->setmark('C');
    EXPECT_EQ(changelevel(false, &foreignchanged), 1);
    EXPECT_TRUE(foreignchanged);
    EXPECT_EQ(context->changelisting, "");
    EXPECT_EQ(changelevel(true, &foreignchanged), 1);
    EXPECT_EQ(context->changelisting, "\nChanges made to copy of k(0) :\n\r"
                                      "- Values of #static or #const variables\n\r- Comment has been edited\n\r");

    own->setmark('n');
    EXPECT_EQ(changelevel(false, &foreignchanged), 2);
    EXPECT_EQ(context->changelisting, "\nNew object installed: c(0)\n\r");
}

TEST_F(contextflow, leavingTheDesktopAsksForForeignChangesAndSaves)
{
    foreign->setmark('e');
    sink.keys = {'x', 'l', 27, 'y'};  // Esc closes the listing
    EXPECT_TRUE(leavecontext(" Terminating "));
    EXPECT_EQ(sink.count("The contents of DESKTOP.LIB have changed."), 3);
    EXPECT_EQ(sink.count(" Changes to be saved in \"DESKTOP.LIB\" "), 1);
    EXPECT_STREQ(foreign->marks, "");
    EXPECT_EQ(get("DESKTOP.bak"), twoconstants);

    own->setmark('e');
    sink.keys = {27};
    EXPECT_FALSE(leavecontext(" Terminating "));
    EXPECT_STREQ(own->marks, "e");
}

TEST_F(contextflow, otherLibrariesKeepNoForeignCopies)
{
    put("B.LIB", "@@FUCONST\nb\n0\n1\n@DATA\n3\n@@END FUCONST\n");
    int library = addlibrary("B.LIB");
    context->clear();
    opencontext(library);
    ASSERT_EQ(context->count, 1);
    fu1* b = static_cast<fu1*>(context->head);
    fu1* copy = b->clone();
    copy->setname("k");
    copy->origin = librarynumber("A.LIB");
    context->append(copy);
    copy->setmark('e');

    // Only a foreign change: no question, but the notice; Esc stays.
    sink.keys = {27};
    EXPECT_FALSE(leavecontext(" Change Context "));
    EXPECT_EQ(sink.count("Save the changes"), 0);
    EXPECT_EQ(sink.count("does not allow the"), 1);

    unsigned stamp = shared.implstamp;
    sink.keys = {13};
    EXPECT_TRUE(leavecontext(" Change Context "));
    EXPECT_NE(shared.implstamp, stamp);
    EXPECT_STREQ(copy->marks, "e");  // not saved

    // An own change asks; the save leaves the copy out.
    b->setmark('e');
    sink.keys = {'y', 13};
    EXPECT_TRUE(leavecontext(" Change Context "));
    EXPECT_EQ(get("B.LIB"), "@@FUCONST\nb\n0\n1\n@DATA\n3\n@@END FUCONST\n");
}

TEST_F(contextflow, quitting)
{
    sink.keys = {'n'};
    EXPECT_FALSE(quitprogram());
    EXPECT_EQ(sink.count("Quit (y/n) ?"), 1);

    host().closerequested = true;
    sink.seen.clear();
    EXPECT_TRUE(quitprogram());
    EXPECT_TRUE(sink.seen.empty());
    EXPECT_EQ(context->count, 0);
    EXPECT_FALSE(quitprogram());
}

TEST_F(contextflow, quittingWithChangesAsksToSaveOnly)
{
    own->setmark('e');
    sink.keys = {'y'};
    EXPECT_TRUE(quitprogram());
    EXPECT_EQ(sink.count("Quit (y/n) ?"), 0);
    EXPECT_EQ(sink.count("Save the changes"), 1);
    EXPECT_EQ(get("DESKTOP.LIB"), twoconstants);
}

}  // namespace
