#include "objects/libfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "calculator/funm.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "objects/fu1.h"
#include "objects/fuconst.h"
#include "objects/resolver.h"
#include "tests/objects/libfixture.h"

namespace {

// One record of every kind built, with a comment, a foreign origin and a
// variable store.
const char* const desktop =
    "@@FU1\nsq\n1\n1\n@@COMMENT\nsquare plus one\n@@END COMMENT\n@DATA\n@ARGS\nx\n@FORMULA\nx*x+1\n@@END FU1\n"
    "@@FUCONST\ncst\n0\n1\n@DATA\n2.5\n@@END FUCONST\n"
    "@@FUVECTOR\nv\n0\n3\n@HERKUNFT\nA.LIB\n@DATA\n1\n2\n-3.25\n@@END FUVECTOR\n"
    "@@FU1\ndif\n2\n1\n@DATA\n@ARGS\nab\n@FORMULA\na-b\n@@VARMAN\ns= 0.1\n@@END VARMAN\n@@END FU1\n";

std::string withcrlf(const std::string& text)
{
    return std::regex_replace(text, std::regex("\n"), "\r\n");
}

// The i-th object of the context, from 0.
fu1* object(int i)
{
    return static_cast<fu1*>(context->at(i + 1));
}

struct libfile : libdir {};

TEST_F(libfile, readsEveryKindAndWritesTheSameBytes)
{
    put("DESKTOP.LIB", desktop);
    put("A.LIB", "");
    open();
    ASSERT_EQ(context->count, 4);
    EXPECT_STREQ(object(0)->name, "sq");
    EXPECT_TRUE(object(0)->hascomment());
    EXPECT_EQ(object(2)->nvalues, 3);
    EXPECT_EQ(object(2)->origin, librarynumber("A.LIB"));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(object(i)->written);

    // A copy leaves the file alone; the context written back gives the
    // same bytes, and so does a second round.
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), desktop);
    ASSERT_TRUE(savecontext());
    EXPECT_EQ(get("DESKTOP.LIB"), desktop);
    EXPECT_EQ(get("DESKTOP.bak"), desktop);
    chain again;
    ASSERT_EQ(readlib(at("copy.lib"), again), 4);
    ASSERT_TRUE(writelib(at("again.lib"), again, true));
    EXPECT_EQ(get("again.lib"), desktop);
}

TEST_F(libfile, crlfFileReadsAsLfAndIsWrittenWithLf)
{
    put("A.LIB", "");
    put("DESKTOP.LIB", withcrlf(desktop));
    open();
    ASSERT_EQ(context->count, 4);
    EXPECT_STREQ(object(0)->text(), "x*x+1");
    ASSERT_TRUE(writelib(at("lf.lib"), *context, true));
    EXPECT_EQ(get("lf.lib"), desktop);
}

TEST_F(libfile, formulasCallObjectsReadFromTheFile)
{
    put("desktop.lib", desktop);  // found as DESKTOP.LIB
    open();
    fu1* f = findresident(*localobjects, "sq", 1, 1);
    fu1* g = findresident(*localobjects, "dif", 2, 1);
    fu1* c = findresident(*localobjects, "cst", 0, 1);
    ASSERT_TRUE(f && g && c);
    double x[] = {3.0};
    EXPECT_DOUBLE_EQ(f->tcalc(x), 10.0);
    double ab[] = {7.0, 2.5};
    EXPECT_DOUBLE_EQ(g->tcalc(ab), 4.5);
    EXPECT_DOUBLE_EQ(c->tcalc(nullptr), 2.5);
    funm formula;
    formula.setformula("sq(x)+dif(x,1)*cst", "x");
    ASSERT_TRUE(formula.implement(1, 0)) << formula.diag->code;
    EXPECT_DOUBLE_EQ(formula.calcx(3.0), 10.0 + 2.0 * 2.5);
    EXPECT_EQ(findresident(*localobjects, "sq", 2, 1), nullptr);
    EXPECT_EQ(findresident(*localobjects, "SQ", 1, 1), nullptr);
}

// The component search passes over a record it cannot read, in files
// with either line end.
TEST_F(libfile, searchPassesOverARecordItCannotRead)
{
    const std::string text = "@@FUCONST\n" + std::string(limits::namelength + 1, 'k') +
                             "\n0\n1\n@DATA\n1\n@@END FUCONST\n@@FUCONST\nk\n0\n1\n@DATA\n2\n@@END FUCONST\n" +
                             "@@FUCONST\nm\n0\n1\n@DATA\n3\n@@END FUCONST\n";
    open();
    for (const std::string& bytes : {text, withcrlf(text)}) {
        put("B.LIB", bytes);
        std::unique_ptr<std::istream> in = findinlib("k", 0, 1, at("B.LIB"), nullptr);
        ASSERT_NE(in, nullptr);
        std::unique_ptr<fu1> k(readanobject(*in));
        ASSERT_NE(k, nullptr);
        EXPECT_STREQ(k->name, "k");
        EXPECT_DOUBLE_EQ(k->tcalc(nullptr), 2.0);
    }
}

TEST_F(libfile, editorLimitsSurviveARoundTrip)
{
    std::string formula(limits::formulalength - 1, '1');
    formula[0] = 'x';
    formula.insert(1, "+");
    formula.resize(limits::formulalength);
    std::string note(limits::commentlength, 'n');
    std::string text = "@@FU1\nlong\n1\n1\n@@COMMENT\n" + note + "\n@@END COMMENT\n@DATA\n@ARGS\nx\n@FORMULA\n" +
                       formula + "\n@@END FU1\n";
    put("DESKTOP.LIB", text);
    open();
    ASSERT_EQ(context->count, 1);
    EXPECT_EQ(std::string(object(0)->text()), formula);
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), text);
}

// Only the context's own file makes its name as an origin mean "own"; a
// copy from the context's library read from another file keeps its
// origin, and so does a copy from a library that is not there.
TEST_F(libfile, originOfTheLibraryReadBecomesOwn)
{
    const std::string fromb = "@@FUCONST\nk\n0\n1\n@HERKUNFT\nB.LIB\n@DATA\n1\n@@END FUCONST\n";
    const std::string fromnowhere = "@@FUCONST\nm\n0\n1\n@HERKUNFT\nNOWHERE.LIB\n@DATA\n2\n@@END FUCONST\n";
    put("B.LIB", fromb);
    put("C.LIB", fromb + fromnowhere);
    open();
    opencontext(librarynumber("B.LIB"));
    ASSERT_EQ(context->count, 1);
    EXPECT_EQ(object(0)->origin, 0);
    chain list;
    libraryread rest;
    ASSERT_EQ(readlib(at("C.LIB"), list, &rest), 2);
    EXPECT_EQ(static_cast<fu1*>(list.at(1))->origin, librarynumber("B.LIB"));
    EXPECT_STREQ(libraryname(static_cast<fu1*>(list.at(2))->origin), "NOWHERE.LIB");
    EXPECT_TRUE(sink.seen.empty());
    ASSERT_TRUE(writelib(at("C.LIB"), list, true, savemode::copy, &rest));
    EXPECT_EQ(get("C.LIB"), fromb + fromnowhere);
}

// What the reader would not take whole is never dropped at the next save:
// the record is kept as it stands and the file's report names the first
// line not taken.  Numbers spelled otherwise and blanks at line ends are
// no loss.
TEST_F(libfile, recordsNotReadWholeAreKeptAsTheyStand)
{
    const std::string good = "@@FUCONST\nc\n0\n1\n@DATA\n1\n@@END FUCONST\n";
    const struct {
        std::string record, nottaken;
    } cases[] = {
        {"@@FUCONST\nd\n0\n1\n@@COMMENT\nfirst\nsecond\n@@END COMMENT\n@DATA\n1\n@@END FUCONST\n", "second"},
        {"@@FUCONST\nd\n0\n1\n@DATA\n1.5x7\n@@END FUCONST\n", "1.5x7"},
        {"@@FUVECTOR\nv\n0\n2\n@DATA\n1\n2,5\n@@END FUVECTOR\n", "2,5"},
        {"@@FU1\nf\n1\n3\n@DATA\n@ARGS\nx\n@FORMULA\nx+1\n@@END FU1\n", "3"},
        {"@@FUCONST\nm\n0\n1\n@HERKUNFT\n../x.lib\n@DATA\n2\n@@END FUCONST\n", "@HERKUNFT"},
        {"@@FUINFINITE\ns\n1\n1\n@DATA\n@ARGS\na\n@SUMRECORD\n@MODE\n++\n\nACCEL\n@END SUMRECORD\n@SUMVAR\nk\n"
         "@SUMMAND\na/k^2\n@STARTAT\n1\n@STEP\n1\n@ROT\n0\n@PHASE\n0\n@@END FUINFINITE\n",
         ""},
    };
    for (const auto& c : cases) {
        sink.seen.clear();
        freecontext();
        first.reset();
        put("DESKTOP.LIB", c.record + good);
        open();
        EXPECT_EQ(sink.count("1 record(s) of"), 1) << c.record;
        EXPECT_EQ(sink.count("Not taken as written: \"" + c.nottaken + "\""), !c.nottaken.empty()) << c.record;
        ASSERT_EQ(context->count, 1) << c.record;
        static_cast<fu1*>(context->head)->setmark('e');
        ASSERT_TRUE(savecontext());
        EXPECT_EQ(get("DESKTOP.LIB"), c.record + good);
    }

    sink.seen.clear();
    freecontext();
    first.reset();
    put("DESKTOP.LIB", "@@FUCONST\nd\n00\n1\n@DATA\n1.50\n@@END FUCONST  \n" + good);
    open();
    EXPECT_TRUE(sink.seen.empty());
    EXPECT_EQ(context->count, 2);
}

// Records kept unread go back to their places, also when objects before
// them are gone or new ones came.
TEST_F(libfile, recordsKeptUnreadStayInTheirPlace)
{
    auto constant = [](const char* name, const char* value) {
        return std::string("@@FUCONST\n") + name + "\n0\n1\n@DATA\n" + value + "\n@@END FUCONST\n";
    };
    const std::string a = constant("a", "1"), b = constant("b", "x"), c = constant("c", "3"),
                      d = constant("d", "y");
    put("DESKTOP.LIB", b + a + d + c);
    open();
    ASSERT_EQ(context->count, 2);
    object(0)->setmark('e');
    ASSERT_TRUE(savecontext());
    EXPECT_EQ(get("DESKTOP.LIB"), b + a + d + c);

    context->erase(object(0));
    context->append(new fuconst(4.0));
    object(1)->setname("n");
    ASSERT_TRUE(savecontext());
    EXPECT_EQ(get("DESKTOP.LIB"), b + d + c + constant("n", "4"));

    // One identity twice: the record stays behind the second.
    chain list;
    libraryread rest;
    put("TWICE.LIB", a + a + d + c);
    ASSERT_EQ(readlib(at("TWICE.LIB"), list, &rest), 3);
    ASSERT_TRUE(writelib(at("TWICE.LIB"), list, true, savemode::copy, &rest));
    EXPECT_EQ(get("TWICE.LIB"), a + a + d + c);
}

TEST_F(libfile, faultsEndTheReadingButNothingIsLostAtTheNextSave)
{
    const std::string first = "@@FUCONST\nc\n0\n1\n@DATA\n1\n@@END FUCONST\n";
    const std::string second = "@@FUCONST\nd\n0\n1\n@DATA\n2\n@@END FUCONST\n";
    put("DESKTOP.LIB", first + "\n" + second);
    open();
    EXPECT_EQ(sink.count("readanobject returns 0 but no EOF (readlib)"), 1);
    EXPECT_EQ(sink.count("could not read the library file \"DESKTOP.LIB\""), 1);
    ASSERT_EQ(context->count, 1);
    ASSERT_TRUE(savecontext());
    EXPECT_EQ(get("DESKTOP.LIB"), first + "\n" + second);

    // A tag of no object kind at object level is a fault too.
    for (const char* stray : {"@@FUNM\n", "@@VARMAN\n@@END VARMAN\n"}) {
        sink.seen.clear();
        put("DESKTOP.LIB", first + stray);
        chain list;
        EXPECT_EQ(readlib(at("DESKTOP.LIB"), list), -1) << stray;
        EXPECT_EQ(list.count, 1);
        EXPECT_EQ(sink.count("readanobject finds naked VARMAN"), stray[2] == 'V');
    }
}

// Records the fields cannot hold whole are reported, not taken altered,
// and saved back as they stand in their place; the next record still reads.
TEST_F(libfile, aRecordThatCannotBeReadIsReportedAndKept)
{
    const std::string good = "@@FUCONST\nc\n0\n1\n@DATA\n1\n@@END FUCONST\n";
    const struct {
        std::string record, report;
    } cases[] = {
        {"@@FU1\nh\n1\n1\n@DATA\n@ARGS\nx\n@NOSUCHKEY\n@FORMULA\nx\n@@END FU1\n", "Read error in fu1::learn"},
        {"@@FU1\n" + std::string(limits::namelength + 1, 'n') + "\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx\n@@END FU1\n",
         "name too long"},
        {"@@FUCONST\n" + std::string(limits::namelength + 1, 'n') + "\n0\n1\n@DATA\n1\n@@END FUCONST\n",
         "name too long"},
        {"@@FUVECTOR\nv\n0\n1\n@@COMMENT\n" + std::string(limits::commentlength + 1, 'c') +
             "\n@@END COMMENT\n@DATA\n1\n@@END FUVECTOR\n",
         "Read error in comment::learn"},
        // Fewer elements than counted: the end line stops the record.
        {"@@FUVECTOR\nv\n0\n3\n@DATA\n1\n2\n@@END FUVECTOR\n", "Read error in fuvector::learn"},
        // Lines after an early end line belong to the record still.
        {"@@FU1\nh\n1\n1\n@DATA\n@ARGS\nx\n@@END COMMENT\n@FORMULA\nx\n@@END FU1\n", "could not be read"},
        // Without its end line a record ends where the next one begins.
        {"@@FU1\nh\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx\n", "could not be read"},
        {"@@FUCONDITIONAL\nh\n1\n1\n@DATA\n@ARGS\nx\n@@COMMENT\nc\n@@END COMMENT\n", "could not be read"},
        // An infinite sum without its first index is told once.
        {"@@FUINFINITE\ns\n1\n1\n@DATA\n@ARGS\na\n@SUMRECORD\n@MODE\n++\nACCEL\n@END SUMRECORD\n@SUMVAR\nk\n"
         "@SUMMAND\na/k^2\n@STEP\n1\n@ROT\n0\n@PHASE\n0\n@@END FUINFINITE\n",
         "Incomplete fuinfinite object!"},
    };
    for (const auto& c : cases) {
        sink.seen.clear();
        freecontext();
        put("DESKTOP.LIB", c.record + good);
        open();
        EXPECT_EQ(sink.count(c.report), 1) << c.report;
        EXPECT_EQ(sink.count("1 record(s) of"), 1);
        ASSERT_EQ(context->count, 1);
        ASSERT_TRUE(savecontext());
        EXPECT_EQ(get("DESKTOP.LIB"), c.record + good);
        first.reset();
    }
}

TEST_F(libfile, aFileThatCannotBeReadIsReportedAndNeverOverwritten)
{
    std::filesystem::create_directory(at("DESKTOP.LIB"));
    open();
    EXPECT_EQ(sink.count("could not read the library file \"" + at("DESKTOP.LIB")), 1);
    EXPECT_TRUE(context->kept.unreadable);
    EXPECT_FALSE(savecontext());
    EXPECT_TRUE(std::filesystem::is_directory(at("DESKTOP.LIB")));
}

// A directory that took the library's name after the reading is neither
// moved to the backup nor replaced; the save fails and says so.
TEST_F(libfile, aDirectoryInPlaceOfTheLibraryIsNotSavedOver)
{
    put("DESKTOP.LIB", desktop);
    open();
    std::filesystem::remove(at("DESKTOP.LIB"));
    std::filesystem::create_directory(at("DESKTOP.LIB"));
    object(1)->setmark('e');
    EXPECT_FALSE(savecontext());
    EXPECT_EQ(sink.count("DESKTOP.LIB"), 1);
    EXPECT_TRUE(std::filesystem::is_directory(at("DESKTOP.LIB")));
    EXPECT_FALSE(std::filesystem::exists(at("DESKTOP.bak")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST_F(libfile, aFailedWriteKeepsTheOldFileAndTheChangeMarks)
{
    put("DESKTOP.LIB", desktop);
    open();
    object(1)->setmark('e');
    logchange(logdeleted, object(3));
    simulatesavefailure(true);
    EXPECT_FALSE(savecontext());
    EXPECT_EQ(sink.count("bad file status after writing 4 objects"), 1);
    EXPECT_EQ(get("DESKTOP.LIB"), desktop);
    EXPECT_FALSE(std::filesystem::exists(at("DESKTOP.bak")));
    EXPECT_STREQ(object(1)->marks, "e");
    EXPECT_EQ(changelevel(true), 2);

    simulatesavefailure(false);
    ASSERT_TRUE(savecontext());
    EXPECT_STREQ(object(1)->marks, "");
    EXPECT_EQ(changelevel(true), 0);
}

TEST_F(libfile, aCopyKeepsTheMarksAndTheLog)
{
    put("DESKTOP.LIB", desktop);
    open();
    object(0)->setmark('C');
    logchange(logdeleted, object(3));
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_STREQ(object(0)->marks, "C");
    EXPECT_NE(context->changelog.find("Deleted:       dif(2)"), std::string::npos);
}

TEST_F(libfile, foreignCopiesAreWrittenOnlyToTheDesktop)
{
    put("A.LIB", "");
    put("DESKTOP.LIB", desktop);
    open();
    // Without the flag only own objects; with it the vector read from the
    // file and a changed copy too.
    chain list;
    ASSERT_EQ(readlib(at("DESKTOP.LIB"), list), 4);
    fu1* fresh = static_cast<fu1*>(list.at(0))->clone();
    fresh->origin = librarynumber("A.LIB");
    fresh->setmark('e');
    list.append(fresh);
    ASSERT_TRUE(writelib(at("own.lib"), list, false));
    chain own;
    EXPECT_EQ(readlib(at("own.lib"), own), 3);

    ASSERT_TRUE(writelib(at("all.lib"), list, true));
    chain all;
    EXPECT_EQ(readlib(at("all.lib"), all), 5);
}

TEST_F(libfile, anEmptyListAsksBeforeTheFileGoes)
{
    put("x.lib", desktop);
    put("DESKTOP.LIB", desktop);
    open();
    chain empty;
    sink.keys = {27};
    EXPECT_TRUE(writelib(at("x.lib"), empty, true));
    EXPECT_EQ(sink.count("you are deleting the file"), 1);
    EXPECT_EQ(sink.count("OK file is kept"), 1);
    EXPECT_EQ(get("x.lib"), desktop);

    sink.keys = {'1'};
    EXPECT_TRUE(writelib(at("x.lib"), empty, true));
    EXPECT_FALSE(fileexists(at("x.lib")));
    EXPECT_EQ(get("x.bak"), desktop);

    // Saving the emptied context: the log goes only with the file.
    context->clear();
    logchange(logalldeleted, nullptr);
    sink.keys = {27};
    EXPECT_TRUE(savecontext());
    EXPECT_EQ(changelevel(false), 2);
    sink.keys = {'1'};
    EXPECT_TRUE(savecontext());
    EXPECT_FALSE(fileexists(at("DESKTOP.LIB")));
    EXPECT_EQ(changelevel(false), 0);
}

TEST(libfilename, backupNameKeepsEightCharactersOfTheStem)
{
    EXPECT_EQ(backupname("DESKTOP.LIB"), "DESKTOP.bak");
    EXPECT_EQ(backupname("/w/d.x/LONGNAME1.LIB"), "/w/d.x/LONGNAME.bak");
    EXPECT_EQ(backupname("a.b.lib"), "a.bak");
}

}  // namespace

namespace {

struct names : libdir {};

TEST_F(names, caseTwinsAndLongNamesAreLeftOutAndReportedOnce)
{
    // Spelled exactly: saving would resolve a case twin to the first file.
    for (const char* name : {"a.lib", "A.LIB", "DESKTOP.LIB", "desktop.lib", "abcdefgh.lib", "abcdefghi.lib", "x.lb"})
        std::ofstream(at(name)) << "";
    open();
    EXPECT_EQ(librarycount(), 3);
    EXPECT_STREQ(libraryname(2), "A.LIB");
    EXPECT_STREQ(libraryname(3), "abcdefgh.lib");
    EXPECT_EQ(librarynumber("abcdefghi.lib"), 0);
    EXPECT_EQ(librarynumber("abcdefghi.li"), 0);  // never cut
    EXPECT_EQ(librarypath(librarynumber("a.lib")), at("A.LIB"));
    EXPECT_EQ(librarypath(1), at("DESKTOP.LIB"));

    fillfilemap(dir, *shared.strings);  // a second scan reports nothing new
    EXPECT_EQ(sink.count("\"" + at("a.lib") + "\" is not used"), 1);
    EXPECT_EQ(sink.count("\"" + at("desktop.lib") + "\" is not used"), 1);
    EXPECT_EQ(sink.count("\"" + at("abcdefghi.lib") + "\" is not used"), 1);
    EXPECT_EQ(sink.seen.size(), 3u);
}

TEST_F(names, theDesktopIsFoundInAnyLetterCase)
{
    put("Desktop.Lib", "@@FUCONST\nc\n0\n1\n@DATA\n1\n@@END FUCONST\n");
    open();
    EXPECT_EQ(context->count, 1);
    EXPECT_TRUE(sink.seen.empty());
    static_cast<fu1*>(context->head)->setmark('e');
    ASSERT_TRUE(savecontext());
    std::vector<std::string> files;
    listfiles(dir, "*", files);
    EXPECT_EQ(files, (std::vector<std::string>{"Desktop.bak", "Desktop.Lib"}));
}

}  // namespace
