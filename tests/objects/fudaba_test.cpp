#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "formula/diagnostics.h"
#include "formula/namesused.h"
#include "objects/dabafind.h"
#include "objects/dabaops.h"
#include "objects/excerpt.h"
#include "objects/fu1.h"
#include "objects/fudaba.h"
#include "tests/objects/dabafixture.h"

namespace {

// "name/arguments@library" of every entry, in list order.
std::string listing(const std::vector<dabarec*>& entries)
{
    std::string s;
    for (const dabarec* r : entries)
        s += std::string(s.empty() ? "" : " ") + r->name + "/" + std::to_string(r->arguments) + "@"
             + std::to_string(r->library);
    return s;
}

class database : public dabadirectory {};

TEST_F(database, indexesownobjectsofregisteredlibrariesonly)
{
    EXPECT_STREQ(libraryname(2), "ALPHA.LIB");
    EXPECT_EQ(highestlibrary(), 4);
    fudaba db;
    ASSERT_TRUE(db.update(sortmode::chronologic, false));
    // The foreign copy of g in DESKTOP.LIB (and in the context) and the
    // long name are left out.
    EXPECT_EQ(listing(db.entries), "fa/1@0 fa/1@1 ga/1@2 ga/2@2 Cspeed/0@2 e2/0@2 ka/1@3 ma/0@3 na/0@3 Ga/0@3");
    EXPECT_EQ(db.entry(9)->serial, 4);
    // The library list told of the two files it leaves out, once each.
    ASSERT_EQ(recordedreports().size(), 2u);
    EXPECT_NE(recordedreports()[0].text.find("alpha.lib\" is not used"), std::string::npos);
    EXPECT_NE(recordedreports()[1].text.find("averyverylongname.lib"), std::string::npos);
}

TEST_F(database, sortmodes)
{
    fudaba db;
    struct {
        sortmode mode;
        const char* order;
    } cases[] = {
        {sortmode::casesensitive, "Cspeed/0@2 Ga/0@3 e2/0@2 fa/1@0 fa/1@1 ga/1@2 ga/2@2 ka/1@3 ma/0@3 na/0@3"},
        {sortmode::caseinsensitive, "Cspeed/0@2 e2/0@2 fa/1@0 fa/1@1 Ga/0@3 ga/1@2 ga/2@2 ka/1@3 ma/0@3 na/0@3"},
        {sortmode::byvalues, "Cspeed/0@2 e2/0@2 fa/1@0 fa/1@1 ga/1@2 ga/2@2 ka/1@3 ma/0@3 na/0@3 Ga/0@3"},
        {sortmode::byarguments, "Cspeed/0@2 e2/0@2 Ga/0@3 ma/0@3 na/0@3 fa/1@0 fa/1@1 ga/1@2 ka/1@3 ga/2@2"},
        {sortmode::bycontext, "fa/1@0 fa/1@1 Cspeed/0@2 e2/0@2 ga/1@2 ga/2@2 Ga/0@3 ka/1@3 ma/0@3 na/0@3"},
        {sortmode::chronologic, "fa/1@0 fa/1@1 ga/1@2 ga/2@2 Cspeed/0@2 e2/0@2 ka/1@3 ma/0@3 na/0@3 Ga/0@3"},
        {sortmode::bylength, "e2/0@2 fa/1@0 fa/1@1 Ga/0@3 ga/1@2 ga/2@2 ka/1@3 ma/0@3 na/0@3 Cspeed/0@2"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(db.update(c.mode, false));
        EXPECT_EQ(listing(db.entries), c.order) << sortmodename(c.mode);
    }
    EXPECT_STREQ(sortmodename(sortmodeofkey('C')), "by context in chronologic order");
    EXPECT_EQ(sortmodeofkey('x'), sortmode::none);
}

TEST_F(database, compilerqueries)
{
    fudaba db;
    EXPECT_EQ(db.nvaluesof("ga"), 1);
    EXPECT_EQ(db.nvaluesof("zz"), 0);
    EXPECT_EQ(db.lastfound, -1);
    EXPECT_TRUE(db.exists("ga", 2, 1, 2));
    EXPECT_FALSE(db.exists("ga", 2, 1, 3));
    EXPECT_FALSE(db.exists("ga", 1, 1, 1));  // only a foreign copy there
    EXPECT_EQ(db.findunique("ga", 1, 1, 1), 1);
    EXPECT_EQ(db.findunique("ga", 1, 1, 2), 0);  // the only holder excluded
    EXPECT_EQ(db.findunique("fa", 1, 1, 3), 1);  // resident objects do not count
    EXPECT_EQ(db.findunique("na", 0, 2, 0), 1);  // the last entry of the array
    EXPECT_EQ(db.findunique("h", 0, 1, 0), 0);
    namesused set;
    EXPECT_EQ(db.collect("ga", 1, set), 2);
    EXPECT_EQ(set.count, 2);
    EXPECT_TRUE(set.isset(1) && set.isset(2));
    EXPECT_EQ(db.collect("ga", 2, set), 0);
}

// Compilations that read no file: the messages of names not found use the
// database's argument and value counts while assistance is on.  The
// diagnostics drop the "\r" of their texts.
TEST_F(database, assistsdiagnostics)
{
    fudaba db;
    ::database = &db;
    struct {
        const char* text;
        bool assisted;
        const char* message;
    } cases[] = {
        {"ga#2(1)", true, "\n could not find \"ga#2\" \n\n (you might be looking for \"ga#1\") \n"},
        {"ga(1, 2, 3)", true, "\n There are 2 different versions of \"ga\", but none \n expecting 3 arguments! \n"},
        {"ka(1)", true, "\n can't find \"ka\" \n"},
        {"ga#2(1)", false, "\n could not find \"ga#2\" \n"},
        {"ka(1)", false, "\n could not find \"ka\" \n"},
    };
    for (const auto& c : cases) {
        databaseassistance = c.assisted;
        globaldiagnostics().clear();
        context->compile(c.text, "", 3);
        EXPECT_EQ(globaldiagnostics().message(), c.message) << c.text << c.assisted;
    }
    databaseassistance = true;
    ::database = nullptr;
}

TEST_F(database, rescansonlymarkedlibraries)
{
    fudaba db;
    ASSERT_TRUE(db.update(sortmode::casesensitive, false));
    write("beta.lib", dabafiles::formularecord("q", 3, "xyz", "x"));
    EXPECT_TRUE(db.exists("ka", 1, 1, 3));  // not marked: not read again
    db.touchlibrary(3);
    EXPECT_FALSE(db.exists("ka", 1, 1, 3));
    EXPECT_TRUE(db.exists("q", 3, 1, 3));
    EXPECT_EQ(db.count(), 7);

    db.residenttracking = false;
    db.touchlibrary(0);
    EXPECT_FALSE(db.anychanged(false));
    db.invalidateall();
    EXPECT_TRUE(db.residenttracking);
    db.touchlibrary(0);
    EXPECT_TRUE(db.anychanged(false));
    EXPECT_EQ(db.count(), 0);
}

TEST_F(database, crlflinesreadlikelf)
{
    std::string crlf;
    for (char c : dabafiles::alpha)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    write("ALPHA.LIB", crlf);
    fudaba db;
    EXPECT_TRUE(db.exists("ga", 2, 1, 2));
    EXPECT_TRUE(db.exists("Cspeed", 0, 1, 2));
    excerpt e(db);
    e.target = excerpt::kind::text;
    e.name = "light";
    db.markexcerptstale();
    e.refresh();
    EXPECT_EQ(listing(e.matches), "Cspeed/0@2");
}

// An object that the library no longer holds is an unexpected error; one
// it holds is obtained as an own object.
TEST_F(database, obtainreportsanobjectthefilenolongerholds)
{
    std::unique_ptr<fu1> ga(obtain("ga", 1, 1, 2));
    ASSERT_NE(ga, nullptr);
    EXPECT_EQ(ga->origin, 0);
    clearrecordedreports();
    write("ALPHA.LIB", dabafiles::constant("e2", "7.38905609893065"));
    EXPECT_EQ(obtain("ga", 1, 1, 2), nullptr);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_EQ(recordedreports().back().kind, reportkind::unexpected);
    EXPECT_EQ(recordedreports().back().text, " obtain() ");
}

TEST_F(database, readerroroflibraryfailstheupdate)
{
    write("beta.lib", "@@FU1\nk\n1\n1\nextra\n@DATA\n@@END FU1\n");
    fudaba db;
    EXPECT_FALSE(db.update(sortmode::casesensitive, false));
    EXPECT_EQ(db.nvaluesof("ga"), 0);
    ASSERT_FALSE(recordedreports().empty());
    EXPECT_NE(recordedreports().back().text.find("beta.lib after the 0'th element"), std::string::npos);
    EXPECT_TRUE(db.library(3)->changed);
}

// A file cut off at its end loses only its last object; a cut inside the
// identity is reported.
TEST_F(database, truncatedlibraryscansuptoitsend)
{
    struct {
        std::string tail;
        bool reported;
    } cases[] = {
        {"@@FU1\nzz\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx", false},
        {"@@FU1\nzz\n1\n", true},
    };
    for (const auto& c : cases) {
        write("beta.lib", dabafiles::formularecord("q", 1, "x", "x") + c.tail);
        clearrecordedreports();
        fudaba db;
        EXPECT_TRUE(db.update(sortmode::casesensitive, false)) << c.tail;
        EXPECT_TRUE(db.exists("q", 1, 1, 3));
        EXPECT_FALSE(db.exists("zz", 1, 1, 3));
        EXPECT_EQ(!recordedreports().empty(), c.reported) << c.tail;
    }
}

TEST_F(database, rememberedpositions)
{
    fudaba db;
    ASSERT_TRUE(db.update(sortmode::casesensitive, false));
    db.remember(3, 5);  // ga/1 under the case-sensitive order
    db.sort(sortmode::bylength);
    EXPECT_EQ(db.recall(3), 4);
    EXPECT_STREQ(db.entry(4)->name, "ga");
    EXPECT_EQ(db.recall(4), -1);
    EXPECT_EQ(db.recall(10), -1);

    db.remember(5, 6);  // ka, then ka disappears
    db.setcurrent(6);
    write("beta.lib", "");
    db.touchlibrary(3);
    ASSERT_TRUE(db.update(sortmode::bylength, false));
    EXPECT_EQ(db.recall(5), 6);  // same order: the stored index
    EXPECT_EQ(db.findcurrent(), -1);
    db.sort(sortmode::casesensitive);
    EXPECT_EQ(db.recall(5), -1);  // another order: never the stale index
}

TEST(libraryfilename, eightcharactersanduppercaselib)
{
    struct {
        const char* answer;
        const char* name;
    } cases[] = {
        {"beta", "BETA.LIB"}, {"verylongname.txt", "VERYLONG.LIB"}, {"a.b.c", "A.LIB"},
        {".lib", ""},         {"x/y", ""},                          {"my lib", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(libraryfilename(c.answer), c.name) << c.answer;
}

TEST(calltest, qualifiesbyargumentsandneighbours)
{
    struct {
        const char* line;
        const char* name;
        int arguments;
        bool found;
    } cases[] = {
        {"g(x)+1", "g", 1, true},
        {"g (x, y)", "g", 2, true},
        {"g(x)", "g", 2, false},
        {"big(x)", "g", 1, false},
        {"g2(x)", "g", 1, false},
        {"2*g", "g", 0, true},
        {"g#2", "g", 0, false},
        {"g(1)", "g", 0, false},
        {"gg+g", "g", 0, true},
        {"h(g[1,2])", "g", 2, true},
        {"g(x", "g", 1, false},
        {"sort##(3,1,2)", "sort##", anyarguments, true},
        {"sort##", "sort##", anyarguments, false},
        {"f#2(x)", "f#2", 1, true},
        {"f#2(x)", "f#3", 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calltest(c.line, c.name, c.arguments), c.found) << c.line << " " << c.name << c.arguments;
}

TEST_F(database, grepandcallfinder)
{
    fudaba db;
    ASSERT_TRUE(db.update(sortmode::casesensitive, false));
    struct {
        excerpt::kind kind;
        const char* target;
        int arguments;
        bool casesensitive;
        const char* found;
    } cases[] = {
        {excerpt::kind::text, "LIGHT", 0, false, "Cspeed/0@2"},
        {excerpt::kind::text, "LIGHT", 0, true, ""},
        {excerpt::kind::text, "299792458", 0, true, ""},   // a constant's number
        {excerpt::kind::text, "x+", 0, true, "ga/1@2 ga/2@2"},
        {excerpt::kind::text, "adds", 0, true, "ga/1@2"},   // comment of a formula object
        {excerpt::kind::call, "ga", 1, true, "ka/1@3"},
        {excerpt::kind::call, "ga", 2, true, "ka/1@3"},
        {excerpt::kind::call, "ga", 0, true, "ma/0@3"},
        {excerpt::kind::call, "ga", anyarguments, true, "ka/1@3"},
        {excerpt::kind::call, "sort##", anyarguments, true, "Ga/0@3"},
        {excerpt::kind::call, "Cspeed", 0, true, "Ga/0@3"},
    };
    for (const auto& c : cases) {
        auto e = std::make_unique<excerpt>(db);
        e->target = c.kind;
        e->name = c.target;
        e->arguments = int16_t(c.arguments);
        e->casesensitive = c.casesensitive;
        db.markexcerptstale();
        e->refresh();
        EXPECT_EQ(listing(e->matches), c.found) << c.target;
        db.setexcerpt(std::move(e));
    }
    // A rescan takes the library's entries out of the excerpt.
    db.touchlibrary(3);
    ASSERT_TRUE(db.update(sortmode::casesensitive, false));
    EXPECT_TRUE(db.currentexcerpt->matches.empty());
    EXPECT_TRUE(db.library(3)->excerptstale);
    db.currentexcerpt->refresh();
    EXPECT_EQ(listing(db.currentexcerpt->matches), "Ga/0@3");
}

TEST_F(database, excerptcaptions)
{
    fudaba db;
    excerpt e(db);
    e.target = excerpt::kind::call;
    e.name = "g";
    e.arguments = 2;
    EXPECT_EQ(e.caption(), " Calls to g(2) ");
    e.arguments = anyarguments;
    EXPECT_EQ(e.caption(), " Calls to g ");
    e.target = excerpt::kind::entry;
    e.callentry = dabarec("v", 3, 2, 1, 2);
    EXPECT_EQ(e.caption(), " Calls to v#2(3) ");
    e.target = excerpt::kind::text;
    e.name = std::string(40, 'x');
    e.casesensitive = false;
    EXPECT_EQ(e.caption(), " Grep (case-i.) \"" + std::string(35, 'x') + "\" ");
}

}  // namespace
