// The composite kinds installed, edited and shown through their dialogues
// on the headless front.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "base/chain.h"
#include "formula/evalstate.h"
#include "objects/context.h"
#include "objects/factory.h"
#include "objects/fuconditional.h"
#include "objects/fufinitsum.h"
#include "objects/install.h"
#include "objects/saveable.h"
#include "objects/slotcomp.h"
#include "tests/objects/compositerecords.h"
#include "tests/objects/contextrun.h"
#include "tests/screen/plainrow.h"

namespace {

using namespace compositerecords;

struct installed {
    std::string record;
    double value = -1;
    int count = 0;
    hostrun run;
};

// Installs with keys and evaluates the object at args.
installed install(const std::string& keys, std::vector<double> args)
{
    installed d;
    d.run = incontext(keys, [&] {
        fu1* f = installobject();
        d.count = localobjects ? localobjects->count : 0;
        if (!f)
            return;
        std::ostringstream out;
        f->save(out);
        d.record = out.str();
        args.resize(limits::arglistlength + 1);
        shared.error = 0;
        d.value = f->tcalc(args.data());
        slotcomp::dropspare();
    });
    EXPECT_EQ(d.run.status, 0) << keys;
    return d;
}

struct edited {
    bool kept = false;
    std::string record;
    double value = 0;
    bool implemented = false;
    hostrun run;
};

// Edits the object of the record with keys, then evaluates it at x.
edited edit(const std::string& record, const std::string& keys, double x)
{
    edited e;
    e.run = incontext(keys, [&] {
        std::istringstream in(record);
        std::string tag;
        std::getline(in, tag);
        fu1* f = makeobject(tagtotype(tag.c_str()));
        if (!f || !f->learn(in))
            return;
        localobjects->append(f);
        f->implement(1, 0);
        e.kept = f->edit();
        e.implemented = f->isimplemented();
        std::ostringstream out;
        f->save(out);
        e.record = out.str();
        double args[limits::arglistlength + 1] = {x};
        shared.error = 0;
        e.value = f->tcalc(args);
        slotcomp::dropspare();
    });
    EXPECT_EQ(e.run.status, 0) << keys;
    return e;
}

// The record with the formula after key replaced.
std::string with(std::string record, const std::string& key, const std::string& formula)
{
    size_t at = record.find(key + "\n") + key.size() + 1;
    return record.replace(at, record.find('\n', at) - at, formula);
}

bool shows(const hostrun& run, const char* dump, const char* text)
{
    return plainfile(run.out + "/" + dump + ".txt").find(text) != std::string::npos;
}

}  // namespace

TEST(compositeinstall, finitesumthroughitsdialogue)
{
    installed d = install("sfs(n)<Enter><dump term>k^2<Enter><dump index>k1<Enter>n<Enter>1<Enter><dump done>k<Esc>",
                          {10});
    EXPECT_EQ(d.count, 1);
    EXPECT_EQ(d.value, 385);
    EXPECT_EQ(d.record, "@@FUFINITSUM\nfs\n1\n1\n@DATA\n@ARGS\nn\n@SUMVAR\nk\n@STARTAT\n1\n@STOPAT\nn\n"
                        "@INCREMENT\n1\n@SUMMAND\nk^2\n@@END FUFINITSUM\n");
    EXPECT_TRUE(shows(d.run, "term", "term of summation ?"));
    EXPECT_TRUE(shows(d.run, "index", "Which character will be used as the summation index ?"));
    EXPECT_TRUE(shows(d.run, "done", "The object has been installed."));
}


TEST(compositeedit, waysoutofthetwoformulaeditor)
{
    const std::string cc = conditional("cc", "x", "x", "10+x", "20+x");
    const std::string changed = with(cc, "@ALTERFALSE", "20+x+1");
    struct editcase {
        const char* keys;
        bool kept;
        const std::string& record;
        double value;   // at 0
    } cases[] = {
        // Without changes Enter and Esc leave at once.
        {"<Enter>", false, cc, 20},
        {"<Esc>", false, cc, 20},
        // Formula 2 changed: kept, discarded, undone, confirmed away.
        {"<End><Up>e<End>+1<Enter><Enter>1", true, changed, 21},
        {"<End><Up>e<End>+1<Enter><Enter>0", false, cc, 20},
        {"<End><Up>e<End>+1<Enter><Enter>e<Esc>1", false, cc, 20},
        {"<End><Up>e<End>+1<Enter><Backspace>1<Enter>", false, cc, 20},
        {"<End><Up>e<End>+1<Enter><Backspace><Esc><Enter>1", true, changed, 21},
        {"<End><Up>e<End>+1<Enter><Esc><Esc><Enter>1", true, changed, 21},
        // Esc in the component's line input changes nothing.
        {"<End><Up>e<End>+1<Esc><Enter>", false, cc, 20},
        // The condition and formula 1 by their lines.
        {"<Home><Down><Down><Down><Down>e<End>-1<Enter><Enter>1", true, with(cc, "@CONDITION", "x-1"), 10},
        {"<End><Up><Up><Up><Up>e<End>*2<Enter><Enter>1", true, with(cc, "@ALTERTRUE", "10+x*2"), 20},
    };
    for (const editcase& c : cases) {
        edited e = edit(cc, c.keys, 0);
        EXPECT_EQ(e.kept, c.kept) << c.keys;
        EXPECT_EQ(e.record, c.record) << c.keys;
        EXPECT_EQ(e.value, c.value) << c.keys;
        EXPECT_TRUE(e.implemented) << c.keys;
    }
}

TEST(compositeedit, failedversionanditsquestions)
{
    const std::string cc = conditional("cc", "x", "x", "10+x", "20+x");
    edited e = edit(cc, "<End><Up>e<End>,1<Enter><Enter><dump diagnosis>k<dump failed>0", 0);
    EXPECT_FALSE(e.kept);
    EXPECT_EQ(e.record, cc);
    EXPECT_TRUE(shows(e.run, "diagnosis", "must return the same number of values"));
    EXPECT_TRUE(shows(e.run, "failed", " Implementation of the new version: failed. "));
    EXPECT_TRUE(shows(e.run, "failed", " <1>    keep the new version"));
    edited discard = edit(cc, "<End><Up>e<End>+1<Enter><Esc><dump discard>1", 0);
    EXPECT_TRUE(shows(discard.run, "discard", " You are discarding all the changes you made. "));
    edited ok = edit(cc, "<End><Up>e<End>+1<Enter><Enter><dump ok>1", 0);
    EXPECT_TRUE(shows(ok.run, "ok", " The new version is OK. "));
}

TEST(compositeedit, finitesumindexandarguments)
{
    const std::string fs = finitsum("fs", "n", 'k', "1", "n", "1", "k");
    const std::string home = "<Home>";
    const std::string index = home + "<Down><Down><Down><Down><Down><Down><Down>e";
    // A new index and a term that uses it.
    edited e = edit(fs, index + "<dump box>j<Up><Up><Up>e<End><Backspace>j<Enter><Enter>1", 3);
    EXPECT_TRUE(e.kept);
    EXPECT_EQ(e.record, finitsum("fs", "n", 'j', "1", "n", "1", "j"));
    EXPECT_EQ(e.value, 6);
    EXPECT_TRUE(shows(e.run, "box", " Summation index (currently: \"k\") "));
    EXPECT_TRUE(shows(e.run, "box", "Which character will be used as the summation index ?"));
    // The argument's letter taken anyway: the implementation fails.
    edited clash = edit(fs, index + "n<dump clash>1<Enter><dump diagnosis>k<dump failed>0", 3);
    EXPECT_FALSE(clash.kept);
    EXPECT_EQ(clash.record, fs);
    EXPECT_TRUE(shows(clash.run, "clash", "<new character>   use instead"));
    EXPECT_TRUE(shows(clash.run, "diagnosis", "The summation index 'n' is colliding with one of"));
    EXPECT_TRUE(shows(clash.run, "failed", "Implementation of the new version: failed."));
    // A new argument list that takes the index's letter is warned of.
    edited args = edit(fs, home + "<Down>e<End><Left>,k<Enter><dump warning>k<Esc>1", 3);
    EXPECT_FALSE(args.kept);
    EXPECT_EQ(args.record, fs);
    EXPECT_TRUE(shows(args.run, "warning", "You need to change the summation index \"k\", too,"));
    // The step by its line.
    edited step = edit(fs, "<End><Up>e<End>+1<Enter><Enter>1", 3);
    EXPECT_EQ(step.record, with(fs, "@INCREMENT", "1+1"));
    EXPECT_EQ(step.value, 4);
}

TEST(compositeinstall, twoformulaobjectthroughitsdialogue)
{
    installed d = install("2cc(x)<Enter><dump condition>x<Enter>1<Enter>2<Enter>k<Esc>", {0});
    EXPECT_EQ(d.count, 1);
    EXPECT_EQ(d.value, 2);
    EXPECT_EQ(d.record, conditional("cc", "x", "x", "1", "2"));
    EXPECT_TRUE(shows(d.run, "condition", "logical condition that decides which computation"));
    // Esc at a component abandons the install.
    EXPECT_EQ(install("2cc(x)<Enter>x<Enter><Esc>", {0}).count, 0);
    EXPECT_EQ(install("sfs(n)<Enter>k<Enter><Esc>", {0}).count, 0);
}

TEST(compositeinstall, parameterintegralthroughitsdialogue)
{
    installed d = install("iar(a)<Enter><dump integrand>a*x^2<Enter><dump parameter>x0<Enter>1<Enter>12<Enter>"
                          "1000<Enter>k<Esc>",
                          {3});
    EXPECT_EQ(d.count, 1);
    EXPECT_NEAR(d.value, 1, 1e-15);
    EXPECT_EQ(d.record, parin("ar", "a", 'x', "0", "1", "a*x^2"));
    EXPECT_TRUE(shows(d.run, "integrand", "expression that is being integrated ?"));
    EXPECT_TRUE(shows(d.run, "parameter", "Which character will be used as the integration parameter ?"));
    // A letter that is an argument: another one instead, or Esc.
    installed other = install("iar(a)<Enter>a*x^2<Enter>a<dump clash>x0<Enter>1<Enter>12<Enter>1000<Enter>k<Esc>", {3});
    EXPECT_EQ(other.record, d.record);
    EXPECT_TRUE(shows(other.run, "clash", "\"a\" has been declared as an argument."));
    EXPECT_EQ(install("iar(a)<Enter>a*x^2<Enter>a<Esc>", {3}).count, 0);
}

TEST(compositeedit, parameterintegrallimitsandparameter)
{
    const std::string ar = parin("ar", "a", 'x', "0", "1", "a*x^2");
    const std::string up7 = "<End><Up><Up><Up><Up><Up><Up><Up>";
    edited right = edit(ar, up7 + "e<End>*2<Enter><Enter>1", 3);
    EXPECT_TRUE(right.kept);
    EXPECT_EQ(right.record, with(ar, "@RIGHT", "1*2"));
    EXPECT_NEAR(right.value, 8, 1e-14);
    // The parameter changed, the integrand not: implemented with the
    // warning, the integrand a constant of the parameter.
    edited param = edit(ar, "<Home><Down><Down><Down><Down><Down><Down><Down>et<Enter><dump warning>k<dump ok>1", 3);
    EXPECT_TRUE(param.kept);
    EXPECT_TRUE(shows(param.run, "warning", "The integration parameter \"t\" is not mentioned"));
    EXPECT_TRUE(shows(param.run, "ok", " The new version is OK. "));
    EXPECT_NEAR(param.value, 0, 1e-15);   // x is no argument: an undefined variable is 0
}

// The code menu offers the components compiled to code, by their keys.
TEST(compositecode, menuofthecomponentswithcode)
{
    std::string unimplemented;
    hostrun run = incontext("<dump none>k<dump menu>s<dump code><Esc><Esc>", [&] {
        std::istringstream in(finitsum("fs", "n", 'k', "1", "n", "1", "k^2").substr(13));
        fufinitsum f;
        ASSERT_TRUE(f.learn(in));
        EXPECT_FALSE(f.listcode());
        f.implement(1, 0);
        f.listcode();
        slotcomp::dropspare();
    });
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "none", "The object is not implemented !"));
    EXPECT_TRUE(shows(run, "menu", " <b>   last summation index "));
    EXPECT_TRUE(shows(run, "menu", " <s>   term of summation "));
    EXPECT_FALSE(shows(run, "menu", " <v>   "));   // a folded constant has no code
}
